#pragma once

// A headless host with a test window class whose procedure records every message and can
// run a per-window reaction.

#include <functional>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "platform/window/host.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"
#include "platform/window/window_class.h"

namespace kp::testing {

struct Received {
    WindowHandle window;
    uint32_t number;
    WParam word;
    LParam value;
};

class WindowTest : public ::testing::Test {
protected:
    static constexpr char plain_class[] = "TestWindow";
    static constexpr char double_click_class[] = "TestDoubleClickWindow";

    void SetUp() override
    {
        current() = this;
        for (auto [name, styles] : {std::pair{plain_class, ClassStyle::OwnDeviceContext},
                                    std::pair{double_click_class, ClassStyle::OwnDeviceContext | ClassStyle::DoubleClicks}}) {
            if (!find_class(name)) {
                WindowClass window_class;
                window_class.name = name;
                window_class.procedure = &WindowTest::procedure;
                window_class.extra_bytes = 8;
                window_class.styles = styles;
                ASSERT_TRUE(register_class(std::move(window_class)));
            }
        }
        host = create_host({200, 150});
        ASSERT_NE(host, 0u);
    }

    void TearDown() override
    {
        destroy_window(host);
        current() = nullptr;
    }

    WindowHandle child(WindowHandle parent, Rect frame, WindowStyle extra = WindowStyle::None,
                       char const* class_name = plain_class)
    {
        return create_window({class_name, parent, frame,
                              WindowStyle::Visible | WindowStyle::ClipSiblings | WindowStyle::ClipChildren | extra});
    }

    std::vector<Received> received(WindowHandle window, uint32_t number) const
    {
        std::vector<Received> result;
        for (Received const& r : log)
            if (r.window == window && r.number == number)
                result.push_back(r);
        return result;
    }

    static LResult procedure(WindowHandle window, uint32_t number, WParam word, LParam value)
    {
        WindowTest* test = current();
        if (test == nullptr)
            return default_window_procedure(window, number, word, value);
        test->log.push_back({window, number, word, value});
        if (auto it = test->reactions.find(window); it != test->reactions.end())
            if (std::optional<LResult> result = it->second(number, word, value))
                return *result;
        if (number == message::paint) {
            PaintRecord record = begin_paint(window);
            test->paint_rects[window].push_back(record.paint_rect());
            end_paint(window);
        }
        return default_window_procedure(window, number, word, value);
    }

    WindowHandle host = 0;
    std::vector<Received> log;
    std::map<WindowHandle, std::vector<Rect>> paint_rects;
    std::map<WindowHandle, std::function<std::optional<LResult>(uint32_t, WParam, LParam)>> reactions;

private:
    static WindowTest*& current()
    {
        static WindowTest* test = nullptr;
        return test;
    }
};

} // namespace kp::testing
