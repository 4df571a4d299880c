// textToNumber on arbitrary UTF-16 text: it never crashes, and gives a finite
// number or raises Overflow, never NaN nor an infinity.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "runtime/errors.hpp"
#include "runtime/text_to_number.hpp"
#include "utf16_input.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string text = fuzzing::toUtf16(data, size);
    double value = 0;
    try {
        value = runtime::textToNumber(text);
    } catch (const runtime::OverflowError&) {
        return 0;  // a number beyond the Double range: the one error allowed
    }
    if (!std::isfinite(value)) {
        std::abort();
    }
    return 0;
}
