#include "platform/box/message_box.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBox, HeadlessDefaultAnswersTheFirstButton)
{
    kp::set_message_box_handler({});
    kp::MessageBoxRequest request;
    request.text = "text";
    request.buttons = kp::MessageBoxButtons::YesNo;
    EXPECT_EQ(kp::show_message_box(request), kp::MessageBoxAnswer::Yes);
    request.buttons = kp::MessageBoxButtons::OkCancel;
    EXPECT_EQ(kp::show_message_box(request), kp::MessageBoxAnswer::Ok);
}

TEST(MessageBox, InstalledHandlerSeesTheRequestAndAnswers)
{
    std::string seen;
    auto previous = kp::set_message_box_handler([&](kp::MessageBoxRequest const& request) {
        seen = request.caption + "|" + request.text;
        return kp::MessageBoxAnswer::No;
    });
    kp::MessageBoxRequest request;
    request.caption = "caption";
    request.text = "body";
    request.buttons = kp::MessageBoxButtons::YesNo;
    EXPECT_EQ(kp::show_message_box(request), kp::MessageBoxAnswer::No);
    EXPECT_EQ(seen, "caption|body");
    kp::set_message_box_handler(previous);
}

TEST(MessageBox, HandlerMayReplaceItselfWhileRunning)
{
    kp::set_message_box_handler([](kp::MessageBoxRequest const&) {
        kp::set_message_box_handler({});
        return kp::MessageBoxAnswer::Cancel;
    });
    EXPECT_EQ(kp::show_message_box({}), kp::MessageBoxAnswer::Cancel);
    EXPECT_EQ(kp::show_message_box({}), kp::MessageBoxAnswer::Ok);
}

} // namespace
