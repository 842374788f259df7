#pragma once

// Untyped memory blocks of up to 65535 bytes. The library remembers the blocks it handed
// out, so that disposing of an unknown or already disposed address does nothing.

#include <cstdint>

namespace kelvo {

void* new_block(uint16_t size);
void dispose_block(void* block);
bool is_live_block(void const* block);

} // namespace kelvo
