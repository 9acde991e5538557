#pragma once

#include <array>

namespace stats {

// A colour as 0xAARRGGBB, the form Qt's images take (their QRgb).
using Rgb = unsigned int;

// The colours of the histogram pictures.
inline constexpr Rgb kBlack = 0xFF000000u;
inline constexpr Rgb kBackground = 0xFFFFFFFFu;  // white
inline constexpr Rgb kAxisBlue = 0xFF0000FFu;    // axes and the axis under bars
inline constexpr Rgb kBarGreen = 0xFF00FF00u;    // EK and NPF bars
inline constexpr Rgb kRed = 0xFFFF0000u;         // mean, markers, fitted curve and line
inline constexpr Rgb kMagenta = 0xFFFF00FFu;     // the reference Gaussian

// The bar fills of the Palmen colours, by colour index.
inline constexpr std::array<Rgb, 8> kPalmenFills = {0xFF000000u, 0xFFFF0000u, 0xFF00FF00u,
                                                    0xFFFFFF00u, 0xFF0000FFu, 0xFFFF00FFu,
                                                    0xFF00FFFFu, 0xFFFFFFFFu};

}  // namespace stats
