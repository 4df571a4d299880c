#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// A run-time error the program raises and never handles itself: the window
// reports it to the user with its number and its Spanish description.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, std::u16string description, const char* what);

    [[nodiscard]] int number() const noexcept { return number_; }
    [[nodiscard]] const std::u16string& description() const noexcept { return description_; }

private:
    int number_;
    std::u16string description_;
};

// A number that does not fit the width it is stored in.
class OverflowError : public RuntimeError {
public:
    static constexpr int kNumber = 6;
    OverflowError();
};

[[noreturn]] void raiseOverflow();

}  // namespace runtime
