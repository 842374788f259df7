#include "tests/interface/random_calls/caller_contracts.h"

#include <algorithm>
#include <iterator>

namespace kelvo::calls {

namespace {

struct ContractRow {
    std::string_view function;
    std::size_t parameter;
    Contract contract;
};

constexpr ContractRow contract_rows[] = {
    {"Fft", 1, Contract::buffer_exponent},
    {"Romb", 0, Contract::work_exponent},
    {"TkIntegrateByVar", 0, Contract::work_exponent},
    {"KpSavePng", 1, Contract::file_path},
    {"TkSaveGraph", 1, Contract::file_path},
    {"KpCreateHeadlessHost", 1, Contract::pixel_area},
    {"KpGetPixels", 4, Contract::buffer_rectangle},
    {"TkOpenGraph", 4, Contract::pixel_area},
    {"TkResize", 4, Contract::pixel_area},
    {"TkSampleData2", 9, Contract::grid_area},
    {"Rkf", 1, Contract::derivatives_time},
    {"Rkf", 7, Contract::derivatives_state},
    {"Rkf", 8, Contract::derivatives_output},
    {"TkDrawContoursData", 5, Contract::grid_area},
    {"TkDrawSurfaceData", 5, Contract::grid_area},
    {"TkDisposeBlock", 0, Contract::block_to_dispose},
};

} // namespace

Contract contract_for(std::string_view function, std::size_t parameter)
{
    for (ContractRow const& row : contract_rows)
        if (row.function == function && row.parameter == parameter)
            return row.contract;
    return Contract::none;
}

std::vector<std::string> stale_contracts(std::span<InterfaceFunction const> functions)
{
    std::vector<std::string> stale;
    for (ContractRow const& row : contract_rows) {
        auto const found = std::find_if(functions.begin(), functions.end(),
                                        [&](InterfaceFunction const& f) { return f.name == row.function; });
        if (found == functions.end() || row.parameter >= found->parameter_count)
            stale.push_back(std::string(row.function) + " parameter " + std::to_string(row.parameter));
    }
    return stale;
}

} // namespace kelvo::calls
