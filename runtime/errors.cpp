#include "runtime/errors.hpp"

namespace runtime {

RuntimeError::RuntimeError(int number, std::u16string description, const char* what)
    : std::runtime_error(what), number_(number), description_(std::move(description))
{
}

OverflowError::OverflowError() : RuntimeError(kNumber, u"Desbordamiento", "overflow") {}

FloatingPointError::FloatingPointError()
    : RuntimeError(kNumber, u"Error en una operaci\u00F3n de coma flotante", "floating-point error")
{
}

void raiseOverflow()
{
    throw OverflowError();
}

void raiseFloatingPointError()
{
    throw FloatingPointError();
}

}  // namespace runtime
