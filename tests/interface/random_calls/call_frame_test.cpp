// The driver's own promises: arguments stay within what the C interface asks of callers,
// so that whatever goes wrong in a run is the library's fault, not the driver's.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/interface/random_calls/call_frame.h"
#include "tests/interface/random_calls/caller_contracts.h"
#include "tests/interface/random_calls/handle_pools.h"
#include "tests/interface/random_calls/misbehaving_callbacks.h"
#include "tests/interface/random_calls/session.h"
#include "tests/interface/random_calls/value_sources.h"

namespace {

using namespace kelvo::calls;

constexpr int draws = 4000;

class CallFrames : public ::testing::Test {
protected:
    RunOptions options() const
    {
        RunOptions run;
        run.seed = 7;
        return run;
    }
    Session session{options()};
};

TEST_F(CallFrames, CountsInCallsWithBuffersNeverExceedTheBuffers)
{
    bool larger_elsewhere = false;
    for (int i = 0; i < draws; ++i) {
        CallFrame bounded(session, "AnyCall", 3, Counts::fit_buffers);
        EXPECT_LE(bounded.integer<int32_t>(0), largest_fitting_count);
        EXPECT_LE(bounded.integer<uint16_t>(1), largest_fitting_count);
        EXPECT_LE(bounded.integer<int64_t>(2), largest_fitting_count);
        CallFrame free(session, "AnyCall", 1, Counts::free);
        larger_elsewhere = larger_elsewhere || free.integer<int32_t>(0) > largest_fitting_count;
    }
    EXPECT_TRUE(larger_elsewhere) << "calls without buffers should get large integers too";
}

TEST_F(CallFrames, ExponentsStayWithinTheBufferAndTheWorkACallerCanWaitFor)
{
    for (int i = 0; i < draws; ++i) {
        CallFrame fft(session, "Fft", 3, Counts::fit_buffers);
        EXPECT_LE(fft.integer<int32_t>(1), largest_fitting_exponent);
        CallFrame romberg(session, "Romb", 5, Counts::fit_buffers);
        EXPECT_LE(romberg.integer<int32_t>(0), largest_work_exponent);
    }
}

TEST_F(CallFrames, WindowsStayWithinTheirAreaUnlessNoMemoryCouldHoldThem)
{
    auto const within = [](int64_t width, int64_t height) {
        int64_t const area = std::llabs(width) * std::llabs(height);
        return area <= largest_pixel_area || area >= impossible_pixel_area;
    };
    for (int i = 0; i < draws; ++i) {
        CallFrame host(session, "KpCreateHeadlessHost", 2, Counts::free);
        int64_t const width = host.integer<int32_t>(0);
        int64_t const height = host.integer<int32_t>(1);
        EXPECT_TRUE(within(width, height)) << width << " x " << height;
        // Graph windows take sizes by absolute value.
        CallFrame graph(session, "TkOpenGraph", 6, Counts::free);
        for (std::size_t parameter = 1; parameter <= 2; ++parameter)
            static_cast<void>(graph.integer<int32_t>(parameter));
        int64_t const graph_width = graph.integer<int32_t>(3);
        int64_t const graph_height = graph.integer<int32_t>(4);
        EXPECT_TRUE(within(graph_width, graph_height)) << graph_width << " x " << graph_height;
    }
}

TEST_F(CallFrames, GridsFitTheBufferOfTheirValues)
{
    constexpr int64_t reals = static_cast<int64_t>(buffer_bytes / sizeof(double));
    struct GridCall {
        char const* function;
        std::size_t parameters;
        std::size_t second_count;
    };
    bool some_wide = false;
    for (int i = 0; i < draws; ++i)
        for (GridCall const grid : {GridCall{"TkDrawContoursData", 12, 5}, GridCall{"TkDrawSurfaceData", 10, 5},
                                    GridCall{"TkSampleData2", 11, 9}}) {
            CallFrame call(session, grid.function, grid.parameters, Counts::fit_buffers);
            for (std::size_t parameter = 0; parameter + 1 < grid.second_count; ++parameter)
                static_cast<void>(call.integer<int32_t>(parameter));
            int64_t const first = call.integer<int32_t>(grid.second_count - 1);
            int64_t const second = call.integer<int32_t>(grid.second_count);
            if (first >= 1 && second >= 1) {
                EXPECT_LE(first * second, reals) << grid.function << " " << first << " x " << second;
            }
            some_wide = some_wide || first > 100;
        }
    EXPECT_TRUE(some_wide) << "the first count alone keeps the rule of counts";
}

TEST_F(CallFrames, PicturesAreWrittenOnlyInsideTheRunDirectory)
{
    for (int i = 0; i < 500; ++i) {
        CallFrame save(session, "KpSavePng", 2, Counts::free);
        char const* path = save.text(1);
        if (path != nullptr && *path != '\0') {
            EXPECT_EQ(std::string(path).rfind(session.picture_directory(), 0), 0u) << path;
        }
    }
}

TEST_F(CallFrames, DerivativeRoutinesReadAndWriteTheBuffersTheContractsName)
{
    Random random(1);
    NamedCallback<void (*)()> decay{};
    while (decay.name == nullptr || std::strcmp(decay.name, "derivs: y' = -y") != 0)
        decay = random_derivatives_routine(random, Hostility::plausible);
    // A hostile call may get null buffers: the first call with all three is tested.
    for (int attempt = 0; attempt < 100; ++attempt) {
        CallFrame rkf(session, "Rkf", 11, Counts::fit_buffers);
        double* t = rkf.array<double>(1);
        double* y = rkf.array<double>(7);
        double* dydt = rkf.array<double>(8);
        if (t == nullptr || y == nullptr || dydt == nullptr)
            continue;
        EXPECT_EQ(rkf.derivative_buffers().time, t);
        EXPECT_EQ(rkf.derivative_buffers().state, y);
        ASSERT_EQ(rkf.derivative_buffers().outputs.size(), 1u);
        rkf.enter(); // the routine works on the call that is running
        y[3] = 2.5;
        decay.function();
        EXPECT_EQ(dydt[3], -2.5);
        return;
    }
    FAIL() << "no call got all three buffers";
}

TEST(CallerContracts, RowsThatNameNoDeclaredParameterAreStale)
{
    InterfaceFunction const functions[] = {{"Fft", 3, nullptr}, {"Romb", 5, nullptr}, {"Rkf", 8, nullptr}};
    std::vector<std::string> const stale = stale_contracts(functions);
    // Rkf has only 8 parameters here, so its derivative output (parameter 8) is stale; the
    // functions that are missing altogether are stale too.
    EXPECT_NE(std::find(stale.begin(), stale.end(), "Rkf parameter 8"), stale.end());
    EXPECT_NE(std::find(stale.begin(), stale.end(), "KpSavePng parameter 1"), stale.end());
    EXPECT_EQ(std::find(stale.begin(), stale.end(), "Fft parameter 1"), stale.end());
}

TEST(ValueSources, PlausibleValuesLetCallsGetPastTheirFirstChecks)
{
    Random random(3);
    int64_t const numbers[] = {-3, 1, 512, 10201};
    for (int i = 0; i < draws; ++i) {
        EXPECT_TRUE(std::isfinite(random_real(random, Hostility::plausible)));
        int64_t const integer = random_integer(random, Hostility::plausible, numbers);
        EXPECT_TRUE((integer >= 0 && integer <= 300) || integer == -3 || integer == 512 || integer == 10201);
        EXPECT_EQ(random_colour(random, Hostility::plausible) >> 24, 0u);
        std::string const text = random_text(random, Hostility::plausible);
        EXPECT_FALSE(text.empty());
        EXPECT_LT(text.size(), 64u);
    }
}

TEST(ValueSources, HostileValuesReachTheEdges)
{
    Random random(4);
    bool nan = false, infinite = false, int32_min = false, long_text = false, zero_length = false;
    for (int i = 0; i < draws; ++i) {
        double const real = random_real(random, Hostility::hostile);
        nan = nan || std::isnan(real);
        infinite = infinite || std::isinf(real);
        int32_min = int32_min || random_integer(random, Hostility::hostile, {}) == INT32_MIN;
        std::string const text = random_text(random, Hostility::hostile);
        EXPECT_EQ(text.find('\0'), std::string::npos) << "texts end at their zero";
        long_text = long_text || text.size() > 1000;
        zero_length = zero_length || text.empty();
    }
    EXPECT_TRUE(nan && infinite && int32_min && long_text && zero_length);
}

TEST(HandlePools, PlausibleDrawsAreLiveAndHostileOnesAreAnything)
{
    HandlePools pools;
    pools[HandleKind::graph].issue(11);
    pools[HandleKind::graph].issue(12);
    pools[HandleKind::graph].retire(12);
    pools[HandleKind::array].issue(77);
    Random random(5);
    for (int i = 0; i < 500; ++i)
        EXPECT_EQ(pools.draw(HandleKind::graph, random, Hostility::plausible).value, 11u);
    bool retired = false, other_kind = false, zero = false;
    for (int i = 0; i < draws; ++i) {
        uint32_t const value = pools.draw(HandleKind::graph, random, Hostility::hostile).value;
        retired = retired || value == 12;
        other_kind = other_kind || value == 77;
        zero = zero || value == 0;
    }
    EXPECT_TRUE(retired && other_kind && zero);
}

} // namespace
