#pragma once

// The handles a run has seen, by kind: live ones (issued by a call and, as far as the driver
// knows, still open), retired ones (closed or disposed) and values never issued. Every handle
// a call returns goes into its pool.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/interface/random_calls/random.h"
#include "tests/interface/random_calls/value_sources.h"

namespace kelvo::calls {

enum class HandleKind : uint8_t { graph, window, image, array, ode };
inline constexpr std::size_t handle_kind_count = 5;

char const* handle_kind_name(HandleKind kind);

struct DrawnHandle {
    uint32_t value;
    char const* origin; // "live", "retired", "other kind", "arbitrary", "none"
};

class HandlePool {
public:
    // A handle that a call returned; a value issued again (tables reuse numbers) is live again.
    void issue(uint32_t value);
    // A handle known to be closed.
    void retire(uint32_t value);

    std::vector<uint32_t> const& live() const { return live_; }
    std::vector<uint32_t> const& retired() const { return retired_; }

private:
    std::vector<uint32_t> live_;    // oldest first
    std::vector<uint32_t> retired_; // the most recent few
};

class HandlePools {
public:
    HandlePool& operator[](HandleKind kind) { return pools_[static_cast<std::size_t>(kind)]; }
    HandlePool const& operator[](HandleKind kind) const { return pools_[static_cast<std::size_t>(kind)]; }

    // Plausible: a live handle, the newest most often. Hostile: also retired ones, handles of
    // another kind, arbitrary values and 0.
    DrawnHandle draw(HandleKind kind, Random& random, Hostility hostility) const;

private:
    std::array<HandlePool, handle_kind_count> pools_;
};

// Memory blocks of TkNewBlock, kept by address: live ones, and disposed ones whose address
// stands for a block given back twice.
class BlockPool {
public:
    void issue(void* block);
    void retire(void* block);
    std::vector<void*> const& live() const { return live_; }
    std::vector<void*> const& retired() const { return retired_; }

private:
    std::vector<void*> live_;
    std::vector<void*> retired_;
};

} // namespace kelvo::calls
