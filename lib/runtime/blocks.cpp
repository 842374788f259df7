#include "lib/runtime/blocks.h"

#include <memory>

#include "lib/runtime/runtime_state.h"

namespace kelvo {

void* new_block(uint16_t size)
{
    if (size == 0)
        return nullptr;
    auto block = std::make_unique<std::byte[]>(size);
    void* address = block.get();
    runtime_state().blocks.emplace(address, std::move(block));
    return address;
}

void dispose_block(void* block)
{
    runtime_state().blocks.erase(block);
}

bool is_live_block(void const* block)
{
    return runtime_state().blocks.contains(const_cast<void*>(block));
}

} // namespace kelvo
