// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/failure_text.h"

#include "engine/number_text.h"
#include "engine/quoted_excerpt.h"
#include "engine/sweep.h"
#include "picture/view.h"

namespace zentrel::cli {
namespace {

// A field as the command line sets it: its option, and a value of the kind
// it wants.
struct OptionWords {
    const char* option;
    const char* example;
};

OptionWords wordsFor(FieldRole role)
{
    const char* option = optionOf(role);
    if (!option) return {"an option", "1"};
    // The text a field starts with is a number it always takes.
    static const FieldTexts starting;
    return {option, fieldText(starting, role).c_str()};
}

std::string fieldLine(const FieldFailure& field)
{
    const OptionWords words = wordsFor(field.role);
    const std::string quoted = std::string(words.option) + " " + field.quotedText();
    const std::string giveANumber = std::string(": give a number such as ") + words.example;
    switch (field.problem) {
    case FieldProblem::NotANumber:
        if (field.blank()) return words.option + std::string(" is empty") + giveANumber;
        return quoted + " is not a number" + giveANumber;
    case FieldProblem::TooLarge:
        return quoted + " is too large a number: give a smaller one";
    case FieldProblem::ResultTooLarge:
        return quoted + " gives a number too large to work with: give a smaller one";
    case FieldProblem::NoStep:
        return quoted + " is out of range for moving the picture: give a number from 1 to 1024";
    case FieldProblem::PictureTooLarge:
        return quoted + " is above the largest picture: give a number from 1 to " +
               std::to_string(static_cast<int>(kMaxExtent));
    case FieldProblem::PositionTooFar:
        return quoted + " is too far out to draw: give a number from -1E+15 to 1E+15";
    }
    return quoted + " cannot be used";
}

// What went wrong where no option is to blame, and what to try instead.
struct FaultWords {
    const char* what;
    const char* advice;
};

FaultWords wordsFor(Fault fault)
{
    constexpr const char* kMoveOrZoom =
        "move the picture a little with --x or --y, or change --xoom";
    switch (fault) {
    case Fault::Overflow:
        return {"a number grew too large", "try a smaller --xoom or --bright"};
    case Fault::DivisionByZero:
        return {"the formula divided by zero", kMoveOrZoom};
    case Fault::InvalidOperation:
        return {"the formula has no value", kMoveOrZoom};
    case Fault::TypeMismatch:
        return {"a value is not a number", "give numbers to the options"};
    case Fault::PositionTooLarge:
        return {"the picture lies too far out", kMoveOrZoom};
    case Fault::CannotWrite:
        return {"cannot write", "check the folder and the free space"};
    case Fault::NotAView:
        return {"not a view:", "give the options of a view, as --help shows them"};
    case Fault::PosterTooLarge:
        // Supersampling samples a pixel more finely; it never makes the
        // picture larger.
        return {"the picture would be", "give a smaller --density, --size or --width"};
    }
    return {"something went wrong", "try again"};
}

// Where a failure arose: its place in words, or the pixel by its formula
// coordinates, as --x and --y count them.
std::string placeOf(const Failure& failure)
{
    std::string place;
    // A file name or a system's words may hold anything a terminal obeys.
    if (!failure.where.empty()) {
        place += ' ';
        place += withControlsEscaped(failure.where);
    }
    if (failure.pixel)
        place +=
            " at x = " + numberText(failure.pixel->x) + ", y = " + numberText(failure.pixel->y);
    return place;
}

}  // namespace

std::string failureText(const Failure& failure)
{
    if (failure.field) return fieldLine(*failure.field);
    const FaultWords words = wordsFor(failure.fault);
    return words.what + placeOf(failure) + "; " + words.advice;
}

std::string posterTooLargeText(const Failure& failure, const View& view)
{
    const std::string extent = view.width ? "--width" : "--size";
    return wordsFor(Fault::PosterTooLarge).what + std::string(" ") + failure.where +
           "; give a smaller --density or " + extent;
}

}  // namespace zentrel::cli
