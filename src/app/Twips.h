#pragma once

#include <cmath>

namespace app {

// Positions and sizes of the windows are given in twips; the screen has 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace app
