// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "engine/field_texts.h"

namespace zentrel {

// What can go wrong when numbers are read from the fields, or a picture is
// computed or written. Every one of these ends a drawing, never the program.
enum class Fault {
    Overflow,
    DivisionByZero,
    InvalidOperation,
    TypeMismatch,
    PositionTooLarge,
    CannotWrite,
    NotAView,        // a text or a file that should name a view does not
    PosterTooLarge,  // a picture of more pixels than one file may hold
};

const char* faultName(Fault fault);

// What was wrong with a field's text, when a failure arose in a field.
enum class FieldProblem {
    NotANumber,       // not wholly a number where one is needed (or empty)
    TooLarge,         // a number beyond the double range as typed
    ResultTooLarge,   // a value computed from it is beyond the double range
    NoStep,           // a size that makes no navigation step, -32768..32767
    PictureTooLarge,  // a size beyond the largest picture a sweep draws
    PositionTooFar,   // a position where adding 1 no longer moves the sweep
};

struct FieldFailure {
    FieldRole role;
    FieldProblem problem;
    std::string text;  // the field's text as it was read

    // The text as a message quotes it: in double quotes, a pasted novel cut
    // short.
    std::string quotedText() const;
    // Nothing but blanks and tabs, or nothing at all.
    bool blank() const;
};

// The formula coordinates of the pixel where a drawing failed.
struct PixelPlace {
    double x;
    double y;
};

struct Failure {
    Fault fault;
    std::string where;  // "in TextFour", "big.png: Disk full"
    // The field it arose in: the window and the renderer name the field in
    // their own words and say what to type instead.
    std::optional<FieldFailure> field = std::nullopt;
    // The pixel it arose at, for the window and the renderer to name in their
    // own words.
    std::optional<PixelPlace> pixel = std::nullopt;

    // "Overflow in TextFour", "Overflow at x = 3, y = 34": the failure in the
    // program's own terms, for tests and diagnostics.
    std::string message() const;
};

// A failure in a field, with the fault its problem amounts to: "Type
// mismatch in TextThree", "Overflow in TextFour".
Failure fieldFailure(FieldRole role, FieldProblem problem, std::string text);

// A value or the failure that prevented it. Never dropped unread: a
// failure ignored is a failure reported as success.
template <class T>
class [[nodiscard]] Outcome {
public:
    Outcome(T value) : state_(std::move(value)) {}
    Outcome(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<0>(state_); }
    T& value() { return std::get<0>(state_); }
    const Failure& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure> state_;
};

// Done, or the failure that prevented it; read like an optional Failure,
// and like an Outcome never dropped unread.
class [[nodiscard]] Status : public std::optional<Failure> {
public:
    using std::optional<Failure>::optional;
    Status(std::optional<Failure> failure) : std::optional<Failure>(std::move(failure)) {}
};

}  // namespace zentrel
