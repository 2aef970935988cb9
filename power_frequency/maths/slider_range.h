#pragma once

// The range rule of the frequency sliders, shared by the slider-range dialog
// and by the settings loader.
//
// It is not Qt's: QSlider::setMinimum() above the maximum drags the maximum
// up with it, while here such a minimum is simply refused, and a maximum below
// the minimum likewise. A position left outside the new range moves to the
// nearest bound.

#include <optional>
#include <string_view>

namespace frequency {

struct SliderRange
{
    int minimum = 1;
    int maximum = 1000;
    int position = 1;
};

enum class SliderBound
{
    Minimum,
    Maximum
};

// The range after setting one bound to value. Any int is a candidate, zero and
// negative ones included; only the order of the bounds is checked.
SliderRange withBound(SliderRange range, SliderBound bound, int value);

// A whole number as typed into the range dialog: optional blanks, an optional
// sign, decimal digits, optional blanks, within the int range. Anything else
// (a fraction, a word, an empty text, a number beyond the range) is empty.
std::optional<int> readWholeNumber(std::string_view text);

} // namespace frequency
