// SPDX-License-Identifier: GPL-3.0-or-later
// Finds includes that run in a circle inside one folder. A module is the
// files that share a stem (foo.h and foo.cpp); a module depends on another
// of its folder when one of its files includes "folder/other.h". Within a
// layer the modules must form layers of their own too: a circle means no
// module of it can be understood, tested or moved without the others.
//
//     include_cycles ROOT FOLDER...
//
// names the first circle of every folder and the include behind each of its
// steps, and fails if there is one.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Why one module depends on another: the first include that says so.
struct Edge {
    std::string from;
    std::string to;
    std::string file;  // "engine/sweep.cpp"
    std::string header;
};

using Graph = std::map<std::string, std::vector<Edge>>;

bool isSource(const fs::path& path)
{
    const std::string ext = path.extension().string();
    return ext == ".h" || ext == ".cpp";
}

// A file's module: its path inside the folder without the extension.
std::string moduleOf(const fs::path& relative)
{
    return (relative.parent_path() / relative.stem()).generic_string();
}

void addIncludes(Graph& graph, const fs::path& folderPath, const std::string& folder,
                 const fs::path& file)
{
    static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    const std::string from = moduleOf(fs::relative(file, folderPath));
    const std::string prefix = folder + "/";
    std::ifstream in(file);
    std::string line;
    std::smatch match;
    while (std::getline(in, line)) {
        if (!std::regex_search(line, match, include)) continue;
        const std::string header = match[1];
        if (header.rfind(prefix, 0) != 0) continue;
        const std::string to = moduleOf(fs::path(header.substr(prefix.size())));
        if (to == from) continue;
        auto& edges = graph[from];
        if (std::none_of(edges.begin(), edges.end(), [&](const Edge& e) { return e.to == to; }))
            edges.push_back(
                {from, to, folder + "/" + fs::relative(file, folderPath).generic_string(), header});
    }
}

Graph moduleGraph(const fs::path& root, const std::string& folder)
{
    Graph graph;
    const fs::path folderPath = root / folder;
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folderPath))
        if (entry.is_regular_file() && isSource(entry.path())) files.push_back(entry.path());
    // The same report on every machine, whatever order the folder lists in.
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) addIncludes(graph, folderPath, folder, file);
    return graph;
}

// Depth first; a module met again while still on the path closes a circle.
class CycleSearch {
public:
    explicit CycleSearch(const Graph& graph) : graph_(graph) {}

    // The edges of the first circle in order, or none.
    std::vector<Edge> find()
    {
        for (const auto& entry : graph_)
            if (state_[entry.first] == State::New && visit(entry.first)) break;
        return cycle_;
    }

private:
    enum class State { New, OnPath, Done };

    bool visit(const std::string& module)
    {
        state_[module] = State::OnPath;
        modules_.push_back(module);
        if (const auto found = graph_.find(module); found != graph_.end()) {
            for (const Edge& edge : found->second) {
                edges_.push_back(edge);
                if (state_[edge.to] == State::OnPath) return close(edge.to);
                if (state_[edge.to] == State::New && visit(edge.to)) return true;
                edges_.pop_back();
            }
        }
        modules_.pop_back();
        state_[module] = State::Done;
        return false;
    }

    // The path's edges from the one that leaves start: modules_[k] is where
    // edges_[k] leaves.
    bool close(const std::string& start)
    {
        const auto at = std::find(modules_.begin(), modules_.end(), start) - modules_.begin();
        cycle_.assign(edges_.begin() + at, edges_.end());
        return true;
    }

    const Graph& graph_;
    std::map<std::string, State> state_;
    std::vector<std::string> modules_;  // the path
    std::vector<Edge> edges_;           // between them
    std::vector<Edge> cycle_;
};

// "engine: sweep -> column_stream -> sweep", then the includes that make it.
void report(const std::string& folder, const std::vector<Edge>& cycle)
{
    std::cout << folder << ": ";
    for (const Edge& edge : cycle) std::cout << edge.from << " -> ";
    std::cout << cycle.front().from << "\n";
    for (const Edge& edge : cycle)
        std::cout << "  " << edge.file << " includes \"" << edge.header << "\"\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: include_cycles ROOT FOLDER...\n";
        return 2;
    }
    const fs::path root = argv[1];
    bool clean = true;
    for (int i = 2; i < argc; ++i) {
        const std::string folder = argv[i];
        if (!fs::is_directory(root / folder)) {
            std::cerr << folder << ": no such folder under " << root.string() << "\n";
            return 2;
        }
        const Graph graph = moduleGraph(root, folder);
        const std::vector<Edge> cycle = CycleSearch(graph).find();
        if (cycle.empty()) continue;
        report(folder, cycle);
        clean = false;
    }
    return clean ? 0 : 1;
}
