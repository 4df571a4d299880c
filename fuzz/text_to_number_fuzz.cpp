// textToNumber on arbitrary UTF-16 text: it never crashes, gives a finite
// number or raises Overflow, never NaN nor an infinity, and agrees with an
// independent reading of the same text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "runtime/errors.hpp"
#include "runtime/text_to_number.hpp"
#include "support/number_prefix.hpp"
#include "utf16_input.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string text = fuzzing::toUtf16(data, size);
    const std::optional<double> expected = testing_support::numberPrefix(text);
    double value = 0;
    try {
        value = runtime::textToNumber(text);
    } catch (const runtime::OverflowError&) {
        if (expected) {
            std::abort();  // raised where the number fits
        }
        return 0;  // a number beyond the Double range: the one error allowed
    }
    if (!std::isfinite(value) || !expected || value != *expected || std::signbit(value) != std::signbit(*expected)) {
        std::abort();
    }
    return 0;
}
