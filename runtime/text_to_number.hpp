#pragma once

#include <string_view>

namespace runtime {

// The value of the number a text begins with; a text that begins with no
// number reads as 0, and whatever follows the number is ignored.
//
// What counts as the number:
//  - leading blanks are skipped: space, tab, line feed, carriage return and
//    no-break space (U+00A0), the ones a paste from elsewhere brings along;
//  - then an optional sign, + or -;
//  - then ASCII digits with at most one decimal point, "." (a comma ends the
//    number: "4,6" reads as 4); a digit on one side of the point is enough:
//    ".5" reads as 0.5 and "5." as 5, while "." alone is no number;
//  - then optionally an exponent: e or E, an optional sign and digits. A mark
//    without digits after it is not part of the number ("7e" reads as 7).
// A number beyond the Double range raises Overflow here, so no infinity ever
// leaves; one too small to represent reads as 0.
double textToNumber(std::u16string_view text);

}  // namespace runtime
