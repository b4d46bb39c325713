#include "engine/outcome.h"

namespace zentrel {

const char* faultName(Fault fault)
{
    switch (fault) {
    case Fault::Overflow: return "Overflow";
    case Fault::DivisionByZero: return "Division by zero";
    case Fault::InvalidOperation: return "Invalid operation";
    case Fault::TypeMismatch: return "Type mismatch";
    case Fault::PositionTooLarge: return "Position too large";
    case Fault::CannotWrite: return "Cannot write";
    }
    return "Error";
}

std::string Failure::message() const
{
    std::string text = faultName(fault);
    if (!where.empty())
        text += " " + where;
    return text;
}

}  // namespace zentrel
