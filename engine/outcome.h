#pragma once

#include <string>
#include <utility>
#include <variant>

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
};

const char* faultName(Fault fault);

struct Failure {
    Fault fault;
    std::string where;  // "in TextFour", "at x = 12, y = 40", "big.png: Disk full"

    // "Overflow in TextFour", ready to show to a person.
    std::string message() const;
};

// A value or the failure that prevented it.
template <class T>
class Outcome {
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

}  // namespace zentrel
