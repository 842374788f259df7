// Every exported runtime function called with handle 0, a disposed handle and a handle that
// was never issued must return quietly: nothing read, nothing written, nothing crashes.

#include <cmath>

#include <gtest/gtest.h>

#include "lib/kelvolib.h"
#include "lib/runtime/error_state.h"

namespace {

void call_every_array_function(TkArray array)
{
    double value = 123.0;
    EXPECT_EQ(TkGetArray1(array, 1), 0.0);
    EXPECT_EQ(TkGetArray2(array, 1, 1), 0.0);
    EXPECT_EQ(TkGetArray3(array, 1, 1, 1), 0.0);
    TkGetArray1byVar(array, 1, &value);
    TkGetArray2byVar(array, 1, 1, &value);
    TkGetArray3byVar(array, 1, 1, 1, &value);
    EXPECT_EQ(value, 123.0);
    TkSetArray1(array, 1, 1.0);
    TkSetArray2(array, 1, 1, 1.0);
    TkSetArray3(array, 1, 1, 1, 1.0);
    EXPECT_EQ(TkGetArrayAddress(array), nullptr);
    TkDisposeArray(array);
}

TEST(ExportedHandles, ArrayFunctionsIgnoreBadHandles)
{
    TkArray disposed = TkNewArray1(3);
    TkDisposeArray(disposed);
    TkArray live = TkNewArray1(3);
    for (TkArray bad : {TkArray{0}, disposed, TkArray{0xDEADBEEF}, live + 1000}) {
        kelvo::reset_error_state();
        call_every_array_function(bad);
        EXPECT_EQ(kelvo::error_state().code, 0) << bad;
    }
    // The live array was not touched by calls made on neighbouring handles.
    EXPECT_EQ(TkGetArray1(live, 1), 0.0);
    TkDisposeArray(live);
}

TEST(ExportedHandles, NullPointersAreHarmless)
{
    TkArray array = TkNewArray1(2);
    TkGetArray1byVar(array, 1, nullptr);
    TkGetArray2byVar(array, 1, 1, nullptr);
    TkGetArray3byVar(array, 1, 1, 1, nullptr);
    TkDisposeArray(array);
    TkDisposeBlock(nullptr, 10);
    Debug(nullptr);
    EXPECT_EQ(MakePChar(nullptr), nullptr);
    RealToStr(2, nullptr, 1.0);
    IntToShortStr(5, nullptr);
    EXPECT_EQ(TkFormatReal(8, nullptr, 1.0), 0);
}

} // namespace
