#include "lib/runtime/arrays.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "lib/kelvolib.h"
#include "lib/runtime/error_state.h"

namespace {

using namespace kelvo;

class Arrays : public ::testing::Test {
protected:
    void SetUp() override { reset_error_state(); }
    void TearDown() override
    {
        for (TkArray array : made_)
            TkDisposeArray(array);
    }
    TkArray keep(TkArray array)
    {
        made_.push_back(array);
        return array;
    }

private:
    std::vector<TkArray> made_;
};

TEST_F(Arrays, NewArraysHaveTheirExtentsAndZeroElements)
{
    TkArray a = keep(TkNewArray1(4));
    LibraryArray const* record = find_array(a);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->dimensions, 1);
    EXPECT_EQ(record->n1, 4);
    EXPECT_EQ(record->n2, 1);
    EXPECT_EQ(record->n3, 1);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(TkGetArray1(a, i), 0.0);

    record = find_array(keep(TkNewArray2(-3, 2)));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->n1, 3);
    EXPECT_EQ(record->n2, 2);
    EXPECT_EQ(record->plane_size, 2);

    // Extents beyond the dimension count are ignored.
    record = find_array(keep(TkNewArray2(2, 5)));
    EXPECT_EQ(record->n3, 1);
}

TEST_F(Arrays, ZeroExtentGivesNoArrayAndNoError)
{
    EXPECT_EQ(TkNewArray2(3, 0), 0u);
    EXPECT_EQ(error_state().code, 0);
}

TEST_F(Arrays, DataOfExactlyTheHeapLimitIsCreatedOneElementMoreIsRefused)
{
    EXPECT_NE(keep(TkNewArray2(125, 1000)), 0u); // 125,000 reals = 1,000,000 bytes
    EXPECT_EQ(error_state().code, 0);
    EXPECT_EQ(TkNewArray1(125'001), 0u);
    EXPECT_EQ(error_state().code, 1);
}

TEST_F(Arrays, ExtentsWhoseProductWrapsAt32BitsAreRefused)
{
    // 65536 * 65537 wraps to 65536 in 32 bits: a small buffer behind huge extents.
    EXPECT_EQ(TkNewArray2(65536, 65537), 0u);
    EXPECT_EQ(error_state().code, 1);
    reset_error_state();
    EXPECT_EQ(TkNewArray3(std::numeric_limits<int32_t>::min(), 1, 1), 0u);
    EXPECT_EQ(error_state().code, 1);
}

TEST_F(Arrays, TwoIndexElementLiesAtItsDataPositionAndOneIndexReadsColumnOne)
{
    TkArray a = keep(TkNewArray2(3, 2));
    TkSetArray2(a, 2, 1, 5.0);
    EXPECT_EQ(TkGetArray2(a, 2, 1), 5.0);
    EXPECT_EQ(TkGetArrayAddress(a)[3 - 1], 5.0);
    EXPECT_EQ(TkGetArray1(a, 2), 5.0);
    double value = 0;
    TkGetArray2byVar(a, 2, 1, &value);
    EXPECT_EQ(value, 5.0);
    TkGetArray1byVar(a, 2, &value);
    EXPECT_EQ(value, 5.0);
}

TEST_F(Arrays, ThreeIndexElementLiesAtItsDataPosition)
{
    TkArray a = keep(TkNewArray3(2, 3, 4));
    TkSetArray3(a, 1, 2, 3, 7.5);
    double const* data = TkGetArrayAddress(a);
    EXPECT_EQ(data[7 - 1], 7.5); // (1-1)*12 + (2-1)*4 + 3 = 7
    TkSetArray3(a, 2, 3, 4, -1.0);
    EXPECT_EQ(data[24 - 1], -1.0);
    double value = 0;
    TkGetArray3byVar(a, 1, 2, 3, &value);
    EXPECT_EQ(value, 7.5);
    TkSetArray1(a, 2, 9.0); // element (2, 1, 1)
    EXPECT_EQ(data[12], 9.0);
    EXPECT_EQ(TkGetArray3(a, 2, 1, 1), 9.0);
}

TEST_F(Arrays, OutOfRangeIndicesTouchNothingAndReportRangeCheck)
{
    TkArray a = keep(TkNewArray2(3, 2));
    double const* data = TkGetArrayAddress(a);
    for (auto [i, j] : {std::pair{0, 1}, {4, 1}, {1, 0}, {1, 3}, {-1, -1}}) {
        reset_error_state();
        TkSetArray2(a, i, j, 1.0);
        EXPECT_EQ(error_state().code, 201);
        EXPECT_EQ(error_state().message, "Range check error");
        reset_error_state();
        EXPECT_TRUE(std::isnan(TkGetArray2(a, i, j)));
        EXPECT_EQ(error_state().code, 201);
    }
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(data[p], 0.0);
    // The one-index form cannot reach column 2 of a 2D array.
    EXPECT_TRUE(std::isnan(TkGetArray3(a, 1, 1, 2)));
}

TEST_F(Arrays, BlocksAreHandedOutAndDisposedOfOnce)
{
    EXPECT_EQ(TkNewBlock(0), nullptr);
    void* block = TkNewBlock(65535);
    ASSERT_NE(block, nullptr);
    static_cast<unsigned char*>(block)[65534] = 1;
    TkDisposeBlock(block, 65535);
    TkDisposeBlock(block, 65535); // already gone: nothing happens
    int local = 0;
    TkDisposeBlock(&local, 4);    // never issued: nothing happens
}

} // namespace
