// SPDX-License-Identifier: GPL-3.0-or-later
// zentrel-help-to-man: writes a program's manual page from its --help, at
// build time.
//
//     zentrel-help-to-man PROGRAM NAME SUMMARY SOURCE SEE-ALSO OUTPUT

#include <sys/wait.h>
#include <cstdio>
#include <fstream>
#include <string>

#include "desktop/man_page.h"

namespace {

// What the program prints for --help; nothing when it fails.
std::string helpOf(const std::string& program)
{
    std::FILE* pipe = popen(("'" + program + "' --help").c_str(), "r");
    if (!pipe) return "";
    std::string help;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) help.append(buffer, n);
    const int status = pclose(pipe);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? help : "";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::fputs("usage: zentrel-help-to-man PROGRAM NAME SUMMARY SOURCE SEE-ALSO OUTPUT\n",
                   stderr);
        return 2;
    }
    const std::string help = helpOf(argv[1]);
    if (help.empty()) {
        std::fprintf(stderr, "zentrel-help-to-man: %s --help failed\n", argv[1]);
        return 1;
    }
    std::ofstream page(argv[6]);
    page << zentrel::desktop::manPage({argv[2], argv[3], argv[4], argv[5]}, help);
    page.close();
    return page ? 0 : 1;
}
