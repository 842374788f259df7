#pragma once

// A headless host for graph tests, with the messages its graphs send it recorded.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lib/kelvolib.h"
#include "lib/graph/graph_table.h"
#include "platform/box/message_box.h"
#include "platform/kelvoplatform.h"
#include "platform/window/host.h"

namespace kelvo::testing {

struct Notification {
    uint32_t number;
    kp::WParam word;
    kp::LParam value;
};

class GraphTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = KpCreateHeadlessHost(300, 240);
        ASSERT_NE(host, 0u);
        kp::set_host_message_handler(host, [this](kp::WindowHandle, uint32_t number, kp::WParam word, kp::LParam value) {
            received.push_back({number, word, value});
            return kp::LResult{0};
        });
    }

    void TearDown() override
    {
        kp::set_host_message_handler(host, {});
        KpDestroyWindow(host);
    }

    TkGraph open(int32_t width, int32_t height, int32_t flags, int32_t x = 0, int32_t y = 0)
    {
        TkGraph graph = TkOpenGraph(host, x, y, width, height, flags);
        EXPECT_NE(graph, 0u);
        return graph;
    }

    // What the window shows at a client point, as 0x00BBGGRR.
    static TkColor shown(TkGraph graph, int32_t x, int32_t y) { return KpGetPixel(TkGetGraphHWnd(graph), x, y); }

    // What an off-screen image holds at a point.
    static TkColor in_image(TkGraph graph, Slot slot, int32_t x, int32_t y)
    {
        GraphRecord const* record = find_graph(graph);
        kp::DeviceContext* context = record == nullptr ? nullptr : record->context(slot);
        if (context == nullptr)
            return 0xFFFFFFFF;
        std::optional<kp::Color> colour = context->pixel({x, y});
        return colour ? colour->to_interface() : 0xFFFFFFFF;
    }

    // How many pixels of the window's client area show the colour.
    static int count_shown(TkGraph graph, TkColor colour)
    {
        int count = 0;
        for (int32_t y = 0; y < TkWindowHeight(graph); ++y)
            for (int32_t x = 0; x < TkWindowWidth(graph); ++x)
                count += shown(graph, x, y) == colour;
        return count;
    }

    std::vector<Notification> notifications(uint32_t number) const
    {
        std::vector<Notification> result;
        for (Notification const& n : received)
            if (n.number == number)
                result.push_back(n);
        return result;
    }

    static TkColor colour(int index)
    {
        TkColor colours[16];
        TkGetColorSet(colours);
        return colours[index];
    }

    TkWnd host = 0;
    std::vector<Notification> received;
};

// Answers message boxes as told and keeps their texts.
class ScriptedBoxes {
public:
    explicit ScriptedBoxes(kp::MessageBoxAnswer answer)
        : previous_(kp::set_message_box_handler([this, answer](kp::MessageBoxRequest const& request) {
            texts.push_back(request.text);
            return answer;
        }))
    {
    }
    ~ScriptedBoxes() { kp::set_message_box_handler(previous_); }
    std::vector<std::string> texts;

private:
    kp::MessageBoxHandler previous_;
};

} // namespace kelvo::testing
