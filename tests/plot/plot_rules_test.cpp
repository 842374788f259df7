// The rules every plotting call shares: the array check, the transposed copy, the range fit
// and the interval nudge.

#include <gtest/gtest.h>

#include "lib/plot/range_fit.h"
#include "lib/plot/transposed_copy.h"
#include "lib/runtime/array_check.h"
#include "lib/runtime/error_state.h"

namespace kelvo {
namespace {

TEST(ArrayCheck, KindsThenSizes)
{
    TkArray const x = TkNewArray1(5);
    TkArray const y = TkNewArray1(4);
    TkArray const grid = TkNewArray2(5, 4);
    TkArray const cube = TkNewArray3(2, 2, 2);
    EXPECT_EQ(check_plot_arrays({2, {x, y, 0}, {5, 4, 0}, grid}), 0);
    EXPECT_EQ(check_plot_arrays({0, {x, y, 0}, {5, 4, 0}, grid}), 20807);
    EXPECT_EQ(check_plot_arrays({4, {x, y, 0}, {5, 4, 0}, grid}), 20807);
    EXPECT_EQ(check_plot_arrays({2, {x, grid, 0}, {5, 4, 0}, grid}), 20804) << "coordinates are 1-dimensional";
    EXPECT_EQ(check_plot_arrays({2, {x, y, 0}, {5, 4, 0}, cube}), 20804) << "the data has d dimensions";
    EXPECT_EQ(check_plot_arrays({1, {x, 0, 0}, {5, 0, 0}, 0}), 20804) << "a missing array";
    EXPECT_EQ(check_plot_arrays({2, {x, y, 0}, {6, 4, 0}, grid}), 20802);
    EXPECT_EQ(check_plot_arrays({2, {x, y, 0}, {5, 5, 0}, grid}), 20802);
    EXPECT_EQ(check_plot_arrays({1, {x, 0, 0}, {5, 0, 0}, y}), 20802) << "the data is shorter";
    TkDisposeArray(y);
    EXPECT_EQ(check_plot_arrays({2, {x, y, 0}, {5, 4, 0}, grid}), 20804) << "a disposed array";
    for (TkArray a : {x, grid, cube})
        TkDisposeArray(a);
}

TEST(TransposedCopy, SwapsTheIndicesAndGoesAway)
{
    TkArray const grid = TkNewArray2(3, 2);
    for (int32_t i = 1; i <= 3; ++i)
        for (int32_t j = 1; j <= 2; ++j)
            TkSetArray2(grid, i, j, 10 * i + j);
    TkArray copy_handle = 0;
    {
        TransposedCopy const copy(grid);
        copy_handle = copy.handle();
        ASSERT_NE(copy_handle, 0u);
        EXPECT_EQ(TkGetArray2(copy_handle, 2, 3), 32);
        EXPECT_EQ(TkGetArray2(copy_handle, 1, 2), 21);
    }
    EXPECT_EQ(TkGetArray2(copy_handle, 1, 1), 0) << "disposed with its holder";

    TkArray const cube = TkNewArray3(2, 3, 4);
    TkSetArray3(cube, 1, 2, 3, 5);
    TransposedCopy const cube_copy(cube);
    EXPECT_EQ(TkGetArray3(cube_copy.handle(), 3, 2, 1), 5);

    TkArray const line = TkNewArray1(3);
    clear_error();
    TransposedCopy const refused(line);
    EXPECT_EQ(refused.handle(), 0u);
    EXPECT_EQ(error_state().code, 24007);
    for (TkArray a : {grid, cube, line})
        TkDisposeArray(a);
}

TEST(RangeFit, StartsAThousandthAroundTheFirstValue)
{
    double const same[] = {4, 4, 4};
    FittedRange const flat = fit_range(same, 3);
    EXPECT_NEAR(flat.hi - flat.lo, 0.002, 1e-12);
    double const spread[] = {1, -20, 7, 30, -3, 90};
    FittedRange const every_other = fit_range(spread, 3, 2);
    EXPECT_EQ(every_other.lo, -3);
    EXPECT_EQ(every_other.hi, 7);
    FittedRange const rising = fit_range(spread, 1);
    EXPECT_DOUBLE_EQ(rising.lo, 0.999);
    FittedRange const none = fit_range(nullptr, 5);
    EXPECT_EQ(none.lo, 1);
    EXPECT_EQ(none.hi, 5);
}

TEST(IntervalNudge, NarrowsInwardsByTwoFactors)
{
    Interval const i = nudged(0, 5);
    EXPECT_DOUBLE_EQ(i.a, 1.37e-6);
    EXPECT_DOUBLE_EQ(i.b, 5 - 7.05e-6);
    Interval const zero_end = nudged(-2, 0);
    EXPECT_DOUBLE_EQ(zero_end.a, -2 + 2.74e-6);
    EXPECT_DOUBLE_EQ(zero_end.b, -1.41e-6);
    Interval const equal = nudged(0, 0);
    EXPECT_GT(equal.a, equal.b) << "equal ends come out reversed";
}

} // namespace
} // namespace kelvo
