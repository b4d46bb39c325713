// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/outcome.h"

#include <string_view>

#include "engine/quoted_excerpt.h"

namespace zentrel {
namespace {

Fault faultOf(FieldProblem problem)
{
    switch (problem) {
    case FieldProblem::NotANumber:
        return Fault::TypeMismatch;
    case FieldProblem::PositionTooFar:
        return Fault::PositionTooLarge;
    case FieldProblem::TooLarge:
    case FieldProblem::ResultTooLarge:
    case FieldProblem::NoStep:
    case FieldProblem::PictureTooLarge:
        return Fault::Overflow;
    }
    return Fault::Overflow;
}

// The first count bytes of a UTF-8 text, or fewer so as not to split a
// character.
std::string_view utf8Prefix(std::string_view text, std::size_t count)
{
    if (count >= text.size()) return text;
    while (count > 0 && (static_cast<unsigned char>(text[count]) & 0xC0) == 0x80) --count;
    return text.substr(0, count);
}

}  // namespace

const char* faultName(Fault fault)
{
    switch (fault) {
    case Fault::Overflow:
        return "Overflow";
    case Fault::DivisionByZero:
        return "Division by zero";
    case Fault::InvalidOperation:
        return "Invalid operation";
    case Fault::TypeMismatch:
        return "Type mismatch";
    case Fault::PositionTooLarge:
        return "Position too large";
    case Fault::CannotWrite:
        return "Cannot write";
    case Fault::NotAView:
        return "Not a view";
    case Fault::PosterTooLarge:
        return "Poster too large";
    }
    return "Error";
}

std::string FieldFailure::quotedText() const
{
    constexpr std::size_t kLongest = 40;
    const std::string_view shown = utf8Prefix(text, kLongest);
    std::string quoted = "\"";
    quoted += withControlsEscaped(shown);
    if (shown.size() < text.size()) quoted += "...";
    quoted += '"';
    return quoted;
}

bool FieldFailure::blank() const { return text.find_first_not_of(" \t") == std::string::npos; }

Failure fieldFailure(FieldRole role, FieldProblem problem, std::string text)
{
    return Failure{faultOf(problem), std::string("in ") + fieldName(role),
                   FieldFailure{role, problem, std::move(text)}};
}

}  // namespace zentrel
