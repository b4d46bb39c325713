// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/words.h"

#include <cstdio>

#include "picture/not_a_view.h"

namespace zentrel {
namespace {

bool isPlain(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("+-.,_/:=@%^").find(c) != std::string_view::npos;
}

bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

std::string ansiQuoted(std::string_view word)
{
    std::string q = "$'";
    for (char c : word) {
        if (c == '\n')
            q += "\\n";
        else if (c == '\t')
            q += "\\t";
        else if (c == '\\' || c == '\'')
            (q += '\\') += c;
        else if (isControl(c)) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
            q += hex;
        } else
            q += c;
    }
    return q + "'";
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a line word by word; each read of a quoted piece starts just past
// its opening quote and is false when the quote is not closed.
class WordReader {
public:
    explicit WordReader(std::string_view line) : line_(line) {}

    Outcome<std::vector<std::string>> words()
    {
        std::vector<std::string> words;
        while (skipBlanks()) {
            std::string word;
            while (pos_ < line_.size() && !isBlank(line_[pos_]))
                if (!readPiece(word)) return notAView("a quote is left open");
            words.push_back(std::move(word));
        }
        return words;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    bool skipBlanks()
    {
        while (pos_ < line_.size() && isBlank(line_[pos_])) ++pos_;
        return pos_ < line_.size();
    }

    bool readPiece(std::string& word)
    {
        const char c = line_[pos_++];
        if (c == '\'') return readUntil('\'', word);
        if (c == '"') return readDoubleQuoted(word);
        if (c == '$' && pos_ < line_.size() && line_[pos_] == '\'') {
            ++pos_;
            return readAnsiQuoted(word);
        }
        if (c == '\\' && pos_ < line_.size())
            word += line_[pos_++];
        else
            word += c;
        return true;
    }

    bool readUntil(char close, std::string& word)
    {
        const auto end = line_.find(close, pos_);
        if (end == std::string_view::npos) return false;
        word.append(line_.substr(pos_, end - pos_));
        pos_ = end + 1;
        return true;
    }

    bool readDoubleQuoted(std::string& word)
    {
        while (pos_ < line_.size()) {
            const char c = line_[pos_++];
            if (c == '"') return true;
            if (c == '\\' && pos_ < line_.size() &&
                std::string_view("\"\\$`").find(line_[pos_]) != std::string_view::npos)
                word += line_[pos_++];
            else
                word += c;
        }
        return false;
    }

    bool readAnsiQuoted(std::string& word)
    {
        while (pos_ < line_.size()) {
            const char c = line_[pos_++];
            if (c == '\'') return true;
            if (c != '\\' || pos_ >= line_.size()) {
                word += c;
                continue;
            }
            const char e = line_[pos_++];
            if (e == 'n')
                word += '\n';
            else if (e == 't')
                word += '\t';
            else if (e == 'x')
                word += hexByte();
            else
                word += e;
        }
        return false;
    }

    char hexByte()
    {
        int value = 0;
        for (int digits = 0; digits < 2 && pos_ < line_.size() && hexDigit(line_[pos_]) >= 0;
             ++digits)
            value = value * 16 + hexDigit(line_[pos_++]);
        return static_cast<char>(value);
    }

    std::string_view line_;
    std::size_t pos_ = 0;
};

}  // namespace

std::string quotedWord(std::string_view word)
{
    bool plain = !word.empty();
    bool control = false;
    for (char c : word) {
        plain = plain && isPlain(c);
        control = control || isControl(c);
    }
    if (plain) return std::string(word);
    if (control) return ansiQuoted(word);
    std::string q = "'";
    for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

Outcome<std::vector<std::string>> splitWords(std::string_view line)
{
    return WordReader(line).words();
}

}  // namespace zentrel
