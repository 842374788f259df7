#pragma once

// A graph's parameter list: up to 12 named real constants that the graph's formulae may
// use. Names are stored as given (trimmed, cut to 8 characters) and checked for clashes
// only when a formula is prepared.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

inline constexpr int32_t max_parameters = 12;
inline constexpr std::size_t max_parameter_name_length = 8;

class ParameterList {
public:
    // Count back to 0; names and values stay and are overwritten by later additions.
    void clear() { count_ = 0; }
    // Index 1 to 12 of the new parameter, or 0 when the list is full.
    int32_t add(std::string_view name, double value);
    // The index of the last parameter with exactly this name (letter case matters), whose
    // value is changed; 0 when there is none.
    int32_t set_value(std::string_view name, double value);

    int32_t count() const { return count_; }
    // Index 1 to count.
    std::string const& name(int32_t index) const { return names_[slot(index)]; }
    double value(int32_t index) const { return values_[slot(index)]; }

private:
    static std::size_t slot(int32_t index) { return static_cast<std::size_t>(index - 1); }

    int32_t count_ = 0;
    std::array<std::string, max_parameters> names_;
    std::array<double, max_parameters> values_{};
};

} // namespace kelvo
