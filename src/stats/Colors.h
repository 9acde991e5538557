#pragma once

#include <QRgb>

#include <array>

namespace stats {

// The colours of the histogram pictures.
inline constexpr QRgb kBlack = 0xFF000000u;
inline constexpr QRgb kBackground = 0xFFFFFFFFu;  // white
inline constexpr QRgb kAxisBlue = 0xFF0000FFu;    // axes and the axis under bars
inline constexpr QRgb kBarGreen = 0xFF00FF00u;    // EK and NPF bars
inline constexpr QRgb kRed = 0xFFFF0000u;         // mean, markers, fitted curve and line
inline constexpr QRgb kMagenta = 0xFFFF00FFu;     // the reference Gaussian

// The bar fills of the Palmen colours, by colour index.
inline constexpr std::array<QRgb, 8> kPalmenFills = {0xFF000000u, 0xFFFF0000u, 0xFF00FF00u,
                                                     0xFFFFFF00u, 0xFF0000FFu, 0xFFFF00FFu,
                                                     0xFF00FFFFu, 0xFFFFFFFFu};

}  // namespace stats
