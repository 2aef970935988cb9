#pragma once

// The colours of the bands and dots printed on parts, as the program's
// swatches show them: the resistor colour bands and the capacitor colour
// codes use the same ones.

namespace band_colours {

struct Rgb
{
    int r, g, b;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kBrown{144, 96, 47};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kOrange{255, 128, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kViolet{255, 0, 255};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGold{248, 251, 140};
inline constexpr Rgb kSilver{222, 222, 222};
inline constexpr Rgb kNoBand{222, 223, 170}; // the colour of the resistor body

} // namespace band_colours
