// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/man_page.h"

#include <cctype>
#include <optional>
#include <sstream>
#include <vector>

namespace zentrel::desktop {
namespace {

// Text as the formatter must see it: backslashes and hyphens escaped (a
// plain "-" may print as a dash, and options must stay typeable), and no
// line that starts like a request.
std::string escaped(std::string_view text)
{
    std::string out;
    if (!text.empty() && (text.front() == '.' || text.front() == '\'')) out += "\\&";
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    return out;
}

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::size_t indentOf(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(' ');
    return first == std::string_view::npos ? line.size() : first;
}

std::string_view trimmed(std::string_view line)
{
    line.remove_prefix(indentOf(line));
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return line;
}

// "Options (note):" or "Exit status: text", at the margin.
struct Heading {
    std::string title;
    std::string text;  // the note or the text after the colon
};

bool isWords(std::string_view text)
{
    for (char c : text)
        if (!std::isalpha(static_cast<unsigned char>(c)) && c != ' ') return false;
    return !text.empty() && std::isupper(static_cast<unsigned char>(text.front()));
}

// The note of "Options (each TEXT is read as typed)" as a sentence: "Each
// TEXT is read as typed."; the title keeps the words before it.
std::string noteOf(std::string_view& title)
{
    const std::size_t open = title.find(" (");
    if (open == std::string_view::npos || title.back() != ')') return "";
    std::string note(title.substr(open + 2, title.size() - open - 3));
    title = title.substr(0, open);
    if (note.empty()) return note;
    note[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(note[0])));
    return note + '.';
}

std::optional<Heading> headingOf(std::string_view line)
{
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    std::string_view title = line.substr(0, colon);
    const std::string note = noteOf(title);
    if (!isWords(title)) return std::nullopt;
    const std::string_view rest = trimmed(line.substr(colon + 1));
    return Heading{upper(title), rest.empty() ? note : std::string(rest)};
}

// "--size TEXT  the size" or "Alt+Left  back": a tag, two blanks or more,
// its text; or an option alone, "-h".
bool isItem(std::string_view body)
{
    constexpr std::size_t kLongestTag = 24;
    const std::size_t gap = body.find("  ");
    return body.front() == '-' || (gap != std::string_view::npos && gap <= kLongestTag);
}

// Writes the page line by line, remembering what kind of block is open.
class PageWriter {
public:
    explicit PageWriter(std::string program) : program_(std::move(program)) {}

    void line(std::string_view text)
    {
        if (trimmed(text).empty()) return blank();
        if (indentOf(text) == 0) {
            // Only a line that begins a block can be a heading.
            const auto heading = block_ == Block::None ? headingOf(text) : std::nullopt;
            if (heading) return section(heading->title, heading->text);
            return paragraphLine(text);
        }
        const std::string_view body = trimmed(text);
        // An item's text goes on in lines indented deeper, whatever they
        // start with ("-o names the file" is no option of its own).
        if (block_ == Block::Option && indentOf(text) > optionIndent_) return out(escaped(body));
        if (body.rfind(program_, 0) == 0) return example(body);
        if (isItem(body)) return option(body, indentOf(text));
        paragraphLine(body);
    }

    void section(std::string_view title, std::string_view text = {})
    {
        close();
        block_ = Block::None;
        out(".SH " + std::string(title));
        sectionEmpty_ = true;
        if (!text.empty()) paragraphLine(text);
    }

    std::string page()
    {
        close();
        return page_.str();
    }

    void out(const std::string& text)
    {
        page_ << text << '\n';
        sectionEmpty_ = false;
    }

private:
    enum class Block { None, Paragraph, Option, Example };

    void blank()
    {
        close();
        block_ = Block::None;
    }

    void close()
    {
        if (block_ == Block::Example) out(".fi\n.RE");
        if (block_ == Block::Example || block_ == Block::Option) block_ = Block::None;
    }

    void paragraphLine(std::string_view text)
    {
        close();
        if (block_ != Block::Paragraph && !sectionEmpty_) out(".PP");
        block_ = Block::Paragraph;
        out(escaped(text));
    }

    // "--size TEXT      size in pixels": the tag, two blanks or more, the
    // description.
    void option(std::string_view body, std::size_t indent)
    {
        close();
        const std::size_t gap = body.find("  ");
        const std::string_view tag = body.substr(0, gap);
        out(".TP\n\\fB" + escaped(tag) + "\\fR");
        if (gap != std::string_view::npos) out(escaped(trimmed(body.substr(gap))));
        block_ = Block::Option;
        optionIndent_ = indent;
    }

    void example(std::string_view body)
    {
        if (block_ != Block::Example) {
            close();
            out(".RS\n.nf");
        }
        block_ = Block::Example;
        out(escaped(body));
    }

    std::string program_;
    std::ostringstream page_;
    Block block_ = Block::None;
    bool sectionEmpty_ = true;  // nothing written since the heading
    std::size_t optionIndent_ = 0;
};

std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

std::string manPage(const ManPageHeading& heading, std::string_view help)
{
    PageWriter page(heading.name);
    page.out(".TH " + escaped(upper(heading.name)) + " 1 \"\" \"" + heading.source +
             "\" \"User Commands\"");
    page.section("NAME");
    page.out(escaped(heading.name) + " \\- " + escaped(heading.summary));
    std::vector<std::string_view> lines = linesOf(help);
    constexpr std::string_view kUsage = "Usage: ";
    if (!lines.empty() && lines.front().rfind(kUsage, 0) == 0) {
        page.section("SYNOPSIS");
        // "Usage: tool ..." and the lines below it that name the program
        // again, one form of the command each.
        lines.front().remove_prefix(kUsage.size());
        std::size_t forms = 0;
        for (; forms < lines.size() && trimmed(lines[forms]).rfind(heading.name, 0) == 0; ++forms) {
            std::string_view usage = trimmed(lines[forms]).substr(heading.name.size());
            if (forms > 0) page.out(".br");
            page.out("\\fB" + escaped(heading.name) + "\\fR" + escaped(usage));
        }
        lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(forms));
    }
    page.section("DESCRIPTION");
    for (std::string_view line : lines) page.line(line);
    if (!heading.seeAlso.empty()) {
        page.section("SEE ALSO");
        page.out(".BR " + escaped(heading.seeAlso.substr(0, heading.seeAlso.find('('))) + " " +
                 heading.seeAlso.substr(heading.seeAlso.find('(')));
    }
    return page.page();
}

}  // namespace zentrel::desktop
