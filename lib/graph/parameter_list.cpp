#include "lib/graph/parameter_list.h"

#include "lib/runtime/string_helpers.h"

namespace kelvo {

int32_t ParameterList::add(std::string_view name, double value)
{
    if (count_ >= max_parameters)
        return 0;
    ++count_;
    names_[slot(count_)] = std::string(trim_text(name).substr(0, max_parameter_name_length));
    values_[slot(count_)] = value;
    return count_;
}

int32_t ParameterList::set_value(std::string_view name, double value)
{
    std::string_view wanted = trim_text(name);
    for (int32_t i = count_; i >= 1; --i) {
        if (names_[slot(i)] == wanted) {
            values_[slot(i)] = value;
            return i;
        }
    }
    return 0;
}

} // namespace kelvo
