#pragma once

// The formula forms of contours, surfaces and surfaces of revolution: library arrays made
// for the samples, the formula sampled into them over the nudged intervals, and the arrays
// disposed of when the call ends.

#include <cstdint>
#include <string_view>

#include "lib/kelvolib.h"

namespace kelvo {

// A library array owned by one call.
class ScratchArray {
public:
    explicit ScratchArray(TkArray handle) : handle_(handle) {}
    ~ScratchArray();
    ScratchArray(ScratchArray const&) = delete;
    ScratchArray& operator=(ScratchArray const&) = delete;

    TkArray handle() const { return handle_; }

private:
    TkArray handle_;
};

struct SampledInterval {
    std::string_view name;
    double from = 0;
    double to = 0;
    int32_t count = 0;
};

// z(x, y) sampled on an nx by ny grid; `code` is 0 when the arrays hold the samples.
class SampledGrid {
public:
    // Makes the graph current. Arrays that cannot be made give 20801 without a message.
    // The graph is lent to the formula as the pending graph, so that its parameters may be
    // used.
    SampledGrid(TkGraph graph, std::string_view formula, SampledInterval const& x, SampledInterval const& y);

    int32_t code() const { return code_; }
    TkArray x() const { return x_.handle(); }
    TkArray y() const { return y_.handle(); }
    TkArray z() const { return z_.handle(); }

private:
    ScratchArray x_;
    ScratchArray y_;
    ScratchArray z_;
    int32_t code_ = 0;
};

// A profile r(z) sampled at n points; the formula sees no graph parameters.
class SampledProfile {
public:
    SampledProfile(TkGraph graph, std::string_view formula, SampledInterval const& z);

    int32_t code() const { return code_; }
    TkArray z() const { return z_.handle(); }
    TkArray radii() const { return radii_.handle(); }

private:
    ScratchArray z_;
    ScratchArray radii_;
    int32_t code_ = 0;
};

} // namespace kelvo
