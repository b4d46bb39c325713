// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/quoted_excerpt.h"

#include <cstdio>

namespace zentrel {
namespace {

unsigned char byteAt(std::string_view text, std::size_t pos)
{
    return pos < text.size() ? static_cast<unsigned char>(text[pos]) : 0;
}

// The length of the well-formed UTF-8 character at pos, or 0 when the bytes
// there are none: no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t characterLength(std::string_view text, std::size_t pos)
{
    const unsigned char lead = byteAt(text, pos);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else
        return 0;
    const unsigned char second = byteAt(text, pos + 1);
    if (second < low || second > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byteAt(text, pos + i) & 0xC0) != 0x80) return 0;
    return length;
}

// C0, DEL, and C1 (U+0080 to U+009F, written C2 80 to C2 9F), which some
// terminals take as the start of a command.
bool isControl(std::string_view character)
{
    const unsigned char first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) return first < 0x20 || first == 0x7F;
    return character.size() == 2 && first == 0xC2 &&
           static_cast<unsigned char>(character[1]) < 0xA0;
}

void appendEscaped(std::string& out, std::string_view bytes)
{
    for (char c : bytes) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
            out += hex;
        }
    }
}

// The start of the character that the byte at count belongs to.
std::size_t boundaryAtOrBefore(std::string_view text, std::size_t count)
{
    while (count > 0 && count < text.size() && (byteAt(text, count) & 0xC0) == 0x80) --count;
    return count;
}

}  // namespace

bool isUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = characterLength(text, pos);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

std::string withControlsEscaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = characterLength(text, pos);
        const std::string_view character = text.substr(pos, length == 0 ? 1 : length);
        if (length == 0 || isControl(character))
            appendEscaped(out, character);
        else
            out += character;
        pos += character.size();
    }
    return out;
}

std::string excerpt(std::string_view text, std::size_t longest)
{
    if (text.size() <= longest) return withControlsEscaped(text);
    const std::size_t headEnd = boundaryAtOrBefore(text, longest / 2);
    const std::size_t tailStart = boundaryAtOrBefore(text, text.size() - (longest - longest / 2));
    return withControlsEscaped(text.substr(0, headEnd)) + "…" +
           withControlsEscaped(text.substr(tailStart));
}

std::string quotedExcerpt(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += excerpt(text);
    quoted += '"';
    return quoted;
}

}  // namespace zentrel
