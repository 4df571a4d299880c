#include "runtime/errors.hpp"

namespace runtime {

RuntimeError::RuntimeError(int number, std::u16string description, const char* what)
    : std::runtime_error(what), number_(number), description_(std::move(description))
{
}

OverflowError::OverflowError() : RuntimeError(kNumber, u"Desbordamiento", "overflow") {}

void raiseOverflow()
{
    throw OverflowError();
}

}  // namespace runtime
