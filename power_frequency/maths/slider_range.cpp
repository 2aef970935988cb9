#include "power_frequency/maths/slider_range.h"

#include <algorithm>
#include <charconv>

namespace frequency {

SliderRange withBound(SliderRange range, SliderBound bound, int value)
{
    if (bound == SliderBound::Minimum) {
        if (value > range.maximum)
            return range;
        range.minimum = value;
    } else {
        if (value < range.minimum)
            return range;
        range.maximum = value;
    }
    range.position = std::clamp(range.position, range.minimum, range.maximum);
    return range;
}

std::optional<int> readWholeNumber(std::string_view text)
{
    const auto blank = [](char c) { return c == ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    // from_chars takes a "-" but not a "+".
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace frequency
