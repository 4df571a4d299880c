#pragma once

#include <QString>
#include <string_view>

// The calculation's UTF-16 texts as Qt strings, without a copy in between.
inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}
