#pragma once

// A list of names in the order they were appended; the formula scanner reads long formula
// texts as such a list of pieces.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

class NameList {
public:
    // Appends a copy of text cut to 255 bytes. False (heap error 1 set) when refused.
    bool append(std::string_view text);
    // Empties the list; false when it was already empty.
    bool free();

    bool empty() const { return names_.empty(); }
    std::size_t size() const { return names_.size(); }
    std::string const& operator[](std::size_t index) const { return names_[index]; }
    auto begin() const { return names_.begin(); }
    auto end() const { return names_.end(); }

private:
    std::vector<std::string> names_;
};

} // namespace kelvo
