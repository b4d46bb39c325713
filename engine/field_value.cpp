// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/field_value.h"

#include <locale.h>
#include <stdlib.h>

#include <cmath>

namespace zentrel {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Numbers are always written with ".", whatever the user's locale says
// (the toolkit adopts it at start-up).
double decimalValue(const std::string& literal)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(literal.c_str(), nullptr, c);
}

int digitValue(char c, int base)
{
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

// Walks the text one significant character at a time, skipping blanks
// where the conversion allows them.
class Cursor {
public:
    Cursor(std::string_view text, bool blanksInside) : text_(text), blanks_(blanksInside) {}

    char peek()
    {
        skipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance() { ++pos_; }
    std::size_t pos() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

private:
    void skipBlanks()
    {
        while (blanks_ && pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    }

    std::string_view text_;
    bool blanks_;
    std::size_t pos_ = 0;
};

NumberScan scanWhole(Cursor& in, NumberScan::Kind kind, int base)
{
    NumberScan scan;
    while (digitValue(in.peek(), base) >= 0) {
        scan.literal += in.peek();
        in.advance();
        scan.end = in.pos();
    }
    if (!scan.literal.empty()) scan.kind = kind;
    return scan;
}

void scanExponent(Cursor& in, NumberScan& scan)
{
    const char mark = in.peek();
    if (mark != 'E' && mark != 'e' && mark != 'D' && mark != 'd') return;
    const std::size_t before = in.pos();
    in.advance();
    std::string exponent = "e";
    if (in.peek() == '+' || in.peek() == '-') {
        exponent += in.peek();
        in.advance();
    }
    bool digits = false;
    std::size_t end = 0;
    while (isDigit(in.peek())) {
        exponent += in.peek();
        in.advance();
        end = in.pos();
        digits = true;
    }
    if (!digits) {
        in.rewind(before);  // "1e" is the number 1 followed by a letter
        return;
    }
    scan.literal += exponent;
    scan.end = end;
}

NumberScan scanDecimal(Cursor& in)
{
    NumberScan scan;
    if (in.peek() == '+' || in.peek() == '-') {
        scan.literal += in.peek();
        in.advance();
    }
    bool digits = false;
    bool point = false;
    for (char c = in.peek(); isDigit(c) || (c == '.' && !point); c = in.peek()) {
        point = point || c == '.';
        digits = digits || isDigit(c);
        scan.literal += c;
        in.advance();
        if (digits) scan.end = in.pos();
    }
    if (!digits) return {};
    scan.kind = NumberScan::Kind::Decimal;
    scanExponent(in, scan);
    return scan;
}

}  // namespace

NumberScan scanNumber(std::string_view text, bool blanksInside)
{
    Cursor in(text, blanksInside);
    if (in.peek() == '&') {
        in.advance();
        const char prefix = in.peek();
        in.advance();
        if (prefix == 'H' || prefix == 'h') return scanWhole(in, NumberScan::Kind::Hexadecimal, 16);
        if (prefix == 'O' || prefix == 'o') return scanWhole(in, NumberScan::Kind::Octal, 8);
        return {};
    }
    return scanDecimal(in);
}

Outcome<double> scannedValue(const NumberScan& scan)
{
    double value = 0;
    switch (scan.kind) {
    case NumberScan::Kind::None:
        return 0.0;
    case NumberScan::Kind::Decimal:
        value = decimalValue(scan.literal);
        break;
    case NumberScan::Kind::Hexadecimal:
    case NumberScan::Kind::Octal: {
        const int base = scan.kind == NumberScan::Kind::Octal ? 8 : 16;
        for (char c : scan.literal) value = value * base + digitValue(c, base);
        break;
    }
    }
    if (std::isinf(value)) return Failure{Fault::Overflow, ""};
    return value;
}

Outcome<double> fieldValue(std::string_view text) { return scannedValue(scanNumber(text, true)); }

}  // namespace zentrel
