// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/failure_text.h"

#include "engine/number_text.h"

namespace zentrel::app {
namespace {

// A field as the window shows it: the caption beside it, and a number of the
// kind it wants.
struct FieldWords {
    const char* name;
    const char* example;
};

FieldWords wordsFor(FieldRole role)
{
    // Both position fields lie under the one label "zero point".
    switch (role) {
    case FieldRole::Across:
        return {"horizontal zero point", "1"};
    case FieldRole::Down:
        return {"vertical zero point", "1"};
    case FieldRole::Size:
        return {"side", "150"};
    case FieldRole::Xoom:
        return {"XOOM", "1"};
    case FieldRole::Brightness:
        return {"brightness", "150"};
    }
    return {"field", "1"};
}

std::string fieldSentence(const FieldFailure& field)
{
    const FieldWords words = wordsFor(field.role);
    const std::string named = std::string("The ") + words.name;
    const std::string quoted = named + " " + field.quotedText();
    const std::string typeANumber = std::string(" Type a number such as ") + words.example + ".";
    switch (field.problem) {
    case FieldProblem::NotANumber:
        if (field.blank()) return named + " is empty." + typeANumber;
        return quoted + " is not a number." + typeANumber;
    case FieldProblem::TooLarge:
        return quoted + " is too large a number. Type a smaller one.";
    case FieldProblem::ResultTooLarge:
        return quoted + " gives a number too large to work with. Type a smaller one.";
    case FieldProblem::NoStep:
        return quoted + " is out of range for moving the picture. Type a number from 1 to 1024.";
    case FieldProblem::PictureTooLarge:
        return quoted + " is too large a picture. Type a number from 1 to 1024.";
    case FieldProblem::PositionTooFar:
        return quoted + " is too far out to draw. Type a number from -1E+15 to 1E+15.";
    }
    return quoted + " cannot be used.";
}

// What went wrong where no field is to blame, and what to try instead.
struct FaultWords {
    const char* what;
    const char* advice;
};

FaultWords wordsFor(Fault fault)
{
    constexpr const char* kMoveOrZoom = "Move the picture a little, or change the XOOM.";
    switch (fault) {
    case Fault::Overflow:
        return {"A number grew too large", "Try a smaller XOOM or brightness."};
    case Fault::DivisionByZero:
        return {"The formula divided by zero", kMoveOrZoom};
    case Fault::InvalidOperation:
        return {"The formula has no value", kMoveOrZoom};
    case Fault::TypeMismatch:
        return {"A text is not a number", "Type numbers in the fields."};
    case Fault::PositionTooLarge:
        return {"The picture lies too far out", kMoveOrZoom};
    case Fault::CannotWrite:
        return {"The picture could not be written to", "Choose another folder or free some space."};
    case Fault::NotAView:
        return {"This is not a view:", "Copy a view in Zentrel, or open a picture it saved."};
    case Fault::PosterTooLarge:
        // Smoothing samples a pixel more finely; it never makes the poster
        // larger.
        return {"The poster would be", "Choose a smaller density or width."};
    }
    return {"Something went wrong", "Try again."};
}

// Where a failure arose: its place in words, or the pixel by its formula
// coordinates.
std::string placeOf(const Failure& failure)
{
    std::string place;
    if (!failure.where.empty()) place += " " + failure.where;
    if (failure.pixel)
        place +=
            " at x = " + numberText(failure.pixel->x) + ", y = " + numberText(failure.pixel->y);
    return place;
}

}  // namespace

std::string failureText(const Failure& failure)
{
    if (failure.field) return fieldSentence(*failure.field);
    const FaultWords words = wordsFor(failure.fault);
    return words.what + placeOf(failure) + ". " + words.advice;
}

std::string drawingFailureText(std::string_view caption, const Failure& failure)
{
    if (failure.field) return failureText(failure);
    return "The drawing of \"" + std::string(caption) + "\" stopped. " + failureText(failure);
}

}  // namespace zentrel::app
