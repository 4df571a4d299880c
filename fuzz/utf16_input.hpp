#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzzing {

// The fuzzer's bytes as UTF-16 code units, two bytes each, low byte first;
// an odd last byte is dropped. Any unit may come, lone surrogates included.
inline std::u16string toUtf16(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return text;
}

// Splits a text at the unit U+FFFF into at most `parts` pieces; missing
// pieces are empty.
inline std::vector<std::u16string> splitFields(const std::u16string& text, std::size_t parts)
{
    std::vector<std::u16string> fields(parts);
    std::size_t field = 0;
    for (const char16_t unit : text) {
        if (unit == u'\uFFFF' && field + 1 < parts) {
            ++field;
        } else {
            fields[field].push_back(unit);
        }
    }
    return fields;
}

}  // namespace fuzzing
