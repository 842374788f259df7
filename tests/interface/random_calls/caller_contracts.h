#pragma once

// What the C interface asks of its callers beyond the types, where the headers say so. The
// driver is hostile within these terms only: breaking them would find faults in the driver,
// not in the library. Every other parameter gets the rule of its type.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tests/interface/random_calls/interface_function.h"

namespace kelvo::calls {

enum class Contract {
    none,
    // Fft: 2^m complex numbers (2^(m+1) reals) must fit the data buffer.
    buffer_exponent,
    // Romb, TkIntegrateByVar: 2^m + 1 function values are asked for; a caller asking for
    // more than it can wait for is not testing the library.
    work_exponent,
    // KpSavePng: the text is a file to write, kept inside the run's own directory.
    file_path,
    // KpCreateHeadlessHost, TkOpenGraph, TkResize: a height that keeps the window (with the
    // width just before it, both by absolute value) within 4M pixels; larger ones cost
    // seconds per call and up to gigabytes of images under the sanitizers. Sizes that no
    // memory could hold stay: they must be refused.
    pixel_area,
    // KpGetPixels: a height that keeps the rectangle (with the width just before it) within
    // the colours buffer when both are positive; negative sizes are refused and stay.
    buffer_rectangle,
    // TkSampleData2, TkDrawContoursData, TkDrawSurfaceData: a count that keeps the grid
    // (with the count just before it) within the reals of one buffer, which receives or
    // holds the grid's values. Counts below 1 are refused and stay.
    grid_area,
    // Rkf: the derivative routine reads t and y from these buffers and writes dydt to this.
    derivatives_time,
    derivatives_state,
    derivatives_output,
    // TkDisposeBlock: a block to give back, which may have been given back already (the
    // library knows its blocks by address). No other call may get such an address.
    block_to_dispose,
};

Contract contract_for(std::string_view function, std::size_t parameter);

// Contracts that name a function the headers no longer declare, or a parameter it does
// not have: each such row is a mistake to fix, not a rule to skip.
std::vector<std::string> stale_contracts(std::span<InterfaceFunction const> functions);

} // namespace kelvo::calls
