#pragma once

// The library's own parts start in one fixed order when the library is loaded and are
// released when the process exits. The order lives in one list in load_sequence.cpp, so
// that nothing depends on the order in which different files' static objects are built.

namespace kelvo {

// Runs every load step in order and installs the unload step. Called once, at load.
void load_library();
// Releases what the load steps built. Runs at process exit, before static destructors.
void unload_library();

} // namespace kelvo
