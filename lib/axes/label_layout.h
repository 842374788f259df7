#pragma once

// The decimal layout that all labels of one axis share: a field width, a number of
// decimals, and a power of ten written once, after the last label, when the values would
// not fit the label width otherwise.

#include <cstdint>
#include <string>

namespace kelvo {

struct LabelLayout {
    int32_t width = 1;    // characters of each label
    int32_t decimals = 0;
    int32_t exponent = 0; // labels show value * 10^exponent; the axis carries "E" and -exponent
};

// The layout for labels lo, lo + step, ... hi in at most `label_width` characters.
LabelLayout label_layout(double lo, double hi, double step, int32_t label_width);

// The label of a value; empty when it cannot be written in the layout.
std::string label_text(LabelLayout const& layout, double value);
// "E" and the power of ten of the last label, or nothing when the exponent is 0.
std::string exponent_suffix(LabelLayout const& layout);

} // namespace kelvo
