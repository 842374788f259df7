#include "lib/runtime/name_list.h"

#include "lib/runtime/heap.h"
#include "lib/runtime/short_string.h"

namespace kelvo {

bool NameList::append(std::string_view text)
{
    std::string_view kept = text.substr(0, max_short_string_length);
    // A node holds the name and a link: 4 bytes more than the text.
    if (!admit_heap_request(static_cast<int64_t>(kept.size()) + 4))
        return false;
    names_.emplace_back(kept);
    return true;
}

bool NameList::free()
{
    if (names_.empty())
        return false;
    names_.clear();
    return true;
}

} // namespace kelvo
