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
    try {
        const double value = runtime::textToNumber(text);
        if (!std::isfinite(value)) {
            std::abort();
        }
    } catch (const runtime::OverflowError&) {
        // A number beyond the Double range: the one error allowed.
    }
    return 0;
}
