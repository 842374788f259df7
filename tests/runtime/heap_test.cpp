#include "lib/runtime/heap.h"

#include <gtest/gtest.h>

#include "lib/runtime/error_state.h"
#include "lib/runtime/name_list.h"

namespace {

using namespace kelvo;

class Heap : public ::testing::Test {
protected:
    void SetUp() override { reset_error_state(); }
};

TEST_F(Heap, RealBufferOfExactlyTheLimitIsAllocatedOneMoreIsRefused)
{
    RealBuffer at_limit = new_real_buffer(125'000); // 1,000,000 bytes
    ASSERT_NE(at_limit, nullptr);
    EXPECT_EQ(at_limit[124'999], 0.0);
    EXPECT_EQ(error_state().code, 0);

    RealBuffer over = new_real_buffer(125'001);
    EXPECT_EQ(over, nullptr);
    EXPECT_EQ(error_state().flag, 1);
    EXPECT_EQ(error_state().code, 1);
    EXPECT_EQ(error_state().message, "Not enough memory on heap");
}

TEST_F(Heap, EmptyAndNegativeRealBuffers)
{
    EXPECT_EQ(new_real_buffer(0), nullptr);
    EXPECT_EQ(error_state().code, 0);
    EXPECT_EQ(new_real_buffer(-1), nullptr);
    EXPECT_EQ(error_state().code, 1);
}

TEST_F(Heap, FreeingThroughANullVariableReturnsFalse)
{
    RealBuffer buffer = new_real_buffer(4);
    EXPECT_TRUE(free_real_buffer(buffer));
    EXPECT_EQ(buffer, nullptr);
    EXPECT_FALSE(free_real_buffer(buffer));

    HeapString text = new_heap_string("title");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "title");
    EXPECT_TRUE(free_heap_string(text));
    EXPECT_FALSE(text.has_value());
    EXPECT_FALSE(free_heap_string(text));
}

TEST_F(Heap, HeapStringAtTheLimitIsRefused)
{
    std::string long_text(999'999, 'x');
    EXPECT_TRUE(new_heap_string(long_text).has_value());
    long_text += 'x';
    EXPECT_FALSE(new_heap_string(long_text).has_value());
    EXPECT_EQ(error_state().code, 1);
}

TEST_F(Heap, NameListKeepsAppendOrderAndCutsNamesAt255)
{
    NameList list;
    EXPECT_FALSE(list.free());
    list.append("first");
    list.append("second");
    list.append(std::string(300, 'z'));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], "first");
    EXPECT_EQ(list[1], "second");
    EXPECT_EQ(list[2], std::string(255, 'z'));
    EXPECT_TRUE(list.free());
    EXPECT_TRUE(list.empty());
}

} // namespace
