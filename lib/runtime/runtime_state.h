#pragma once

// Everything the runtime subsystem keeps library-wide, in one place.

#include <cstddef>
#include <memory>
#include <unordered_map>

#include "lib/runtime/arrays.h"
#include "lib/runtime/error_state.h"
#include "platform/base/handle_table.h"

namespace kelvo {

struct RuntimeState {
    ErrorState error;
    bool debug_mode = true;
    kp::HandleTable<LibraryArray> arrays{0x0A000001};
    std::unordered_map<void*, std::unique_ptr<std::byte[]>> blocks;
};

// Built on first use, so that it exists whichever file's initialisation runs first.
RuntimeState& runtime_state();

} // namespace kelvo
