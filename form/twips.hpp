#pragma once

// The window is laid out in twips, 1/1440 of an inch, so that it keeps its
// proportions on any screen; toolkits place controls in pixels.
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
};
