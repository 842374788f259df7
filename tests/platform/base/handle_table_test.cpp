#include "platform/base/handle_table.h"

#include <gtest/gtest.h>

namespace {

TEST(HandleTable, RemovedHandlesNeverComeBack)
{
    kp::HandleTable<int> table;
    uint32_t first = table.insert(std::make_unique<int>(1));
    ASSERT_NE(first, 0u);
    EXPECT_EQ(*table.find(first), 1);
    EXPECT_NE(table.remove(first), nullptr);
    EXPECT_EQ(table.find(first), nullptr);
    uint32_t second = table.insert(std::make_unique<int>(2));
    EXPECT_NE(second, first);
    EXPECT_EQ(table.find(first), nullptr);
    EXPECT_EQ(table.remove(first), nullptr);
}

TEST(HandleTable, ZeroAndUnknownHandlesFindNothing)
{
    kp::HandleTable<int> table(100);
    EXPECT_EQ(table.find(0), nullptr);
    EXPECT_EQ(table.find(100), nullptr);
    EXPECT_EQ(table.insert(std::make_unique<int>(5)), 100u);
    EXPECT_EQ(table.find(101), nullptr);
}

TEST(HandleTable, CounterWrapSkipsZeroAndLiveHandles)
{
    kp::HandleTable<int> table(0xFFFFFFFF);
    EXPECT_EQ(table.insert(std::make_unique<int>(1)), 0xFFFFFFFFu);
    uint32_t after_wrap = table.insert(std::make_unique<int>(2));
    EXPECT_EQ(after_wrap, 1u);
    EXPECT_EQ(table.size(), 2u);
}

} // namespace
