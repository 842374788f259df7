#pragma once

// Array plots on a graph whose user coordinates are window pixels turned upright, with
// library arrays made from lists of values that go away with the test.

#include <initializer_list>
#include <vector>

#include "tests/axes/axes_test_fixture.h"

namespace kelvo::testing {

class ArrayPlotTest : public AxesTest {
protected:
    void TearDown() override
    {
        for (TkArray a : arrays_)
            TkDisposeArray(a);
        AxesTest::TearDown();
    }

    TkArray line(std::initializer_list<double> values)
    {
        TkArray const a = TkNewArray1(static_cast<int32_t>(values.size()));
        int32_t i = 1;
        for (double v : values)
            TkSetArray1(a, i++, v);
        arrays_.push_back(a);
        return a;
    }

    // Z(i, j) = rows[i - 1][j - 1].
    TkArray grid(std::initializer_list<std::initializer_list<double>> rows)
    {
        TkArray const a = TkNewArray2(static_cast<int32_t>(rows.size()), static_cast<int32_t>(rows.begin()->size()));
        int32_t i = 1;
        for (auto const& row : rows) {
            int32_t j = 1;
            for (double v : row)
                TkSetArray2(a, i, j++, v);
            ++i;
        }
        arrays_.push_back(a);
        return a;
    }

    TkArray disposed()
    {
        TkArray const a = TkNewArray1(30);
        TkDisposeArray(a);
        return a;
    }

    std::vector<TkArray> arrays_;
};

} // namespace kelvo::testing
