#include "lib/runtime/debug_report.h"

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "lib/kelvolib.h"
#include "platform/box/message_box.h"

namespace {

// Installs a box handler that records what it was shown and answers as told.
class ScriptedBox {
public:
    explicit ScriptedBox(kp::MessageBoxAnswer answer)
        : previous_(kp::set_message_box_handler([this, answer](kp::MessageBoxRequest const& request) {
            ++shown;
            last = request;
            return answer;
        }))
    {
    }
    ~ScriptedBox() { kp::set_message_box_handler(previous_); }

    int shown = 0;
    kp::MessageBoxRequest last;

private:
    kp::MessageBoxHandler previous_;
};

std::basic_string<unsigned char> short_string(std::string_view text)
{
    std::basic_string<unsigned char> result(1, static_cast<unsigned char>(text.size()));
    result.append(text.begin(), text.end());
    return result;
}

TEST(Debug, YesShowsTheStopBoxAndReturns)
{
    SetDebugMode(1);
    ScriptedBox box(kp::MessageBoxAnswer::Yes);
    Debug(short_string("invalid axis code").c_str());
    ASSERT_EQ(box.shown, 1);
    EXPECT_EQ(box.last.text, "invalid axis code");
    EXPECT_EQ(box.last.caption, "debugging ... Continue?");
    EXPECT_EQ(box.last.buttons, kp::MessageBoxButtons::YesNo);
    EXPECT_EQ(box.last.icon, kp::MessageBoxIcon::Stop);
    EXPECT_EQ(box.last.owner, 0u);
}

TEST(Debug, DebugModeOffShowsNothingAndOnAgainShowsTheBox)
{
    ScriptedBox box(kp::MessageBoxAnswer::No);
    SetDebugMode(0);
    Debug(short_string("quiet").c_str());
    EXPECT_EQ(box.shown, 0);
    SetDebugMode(1);
    ScriptedBox yes(kp::MessageBoxAnswer::Yes);
    Debug(short_string("loud").c_str());
    EXPECT_EQ(yes.shown, 1);
}

TEST(DebugDeathTest, NoEndsTheProcessWith255AfterNormalExitProcedures)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::atexit([] { std::fputs("exit procedures ran\n", stderr); });
            SetDebugMode(1);
            kp::set_message_box_handler([](kp::MessageBoxRequest const&) { return kp::MessageBoxAnswer::No; });
            Debug(short_string("stop here").c_str());
            std::fputs("returned from Debug\n", stderr);
        },
        ::testing::ExitedWithCode(255), "exit procedures ran");
}

TEST(Debug, NullMessageShowsAnEmptyBox)
{
    SetDebugMode(1);
    ScriptedBox box(kp::MessageBoxAnswer::Yes);
    Debug(nullptr);
    EXPECT_EQ(box.shown, 1);
    EXPECT_EQ(box.last.text, "");
}

TEST(LibraryFrame, VersionAndLowMemory)
{
    EXPECT_EQ(TkGetVersion(), 202);
    EXPECT_EQ(TkGetVersion(), 202);
    EXPECT_EQ(TkLowMemory(), 0);
}

} // namespace
