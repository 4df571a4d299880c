#pragma once

#include <QRect>

// The window is laid out in twips, 1/1440 of an inch, so that it keeps its
// proportions on any screen; Qt places widgets in logical pixels.
constexpr int kTwipsPerInch = 1440;

constexpr int twipsToPixels(int twips, int dotsPerInch)
{
    return (twips * dotsPerInch + kTwipsPerInch / 2) / kTwipsPerInch;
}

struct TwipRect {
    int left;
    int top;
    int width;
    int height;

    [[nodiscard]] constexpr QRect toPixels(int dotsPerInchX, int dotsPerInchY) const
    {
        return {twipsToPixels(left, dotsPerInchX), twipsToPixels(top, dotsPerInchY), twipsToPixels(width, dotsPerInchX),
                twipsToPixels(height, dotsPerInchY)};
    }
};
