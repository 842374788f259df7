#include "platform/window/window_device_context.h"

#include "platform/kelvoplatform.h"
#include "platform/raster/png_file.h"
#include "platform/record/recording.h"

#include "platform/graphics/device_context_text.h"
#include "platform/graphics/memory_device_context.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/object_guards.h"
#include "window_test_fixture.h"

namespace kp::testing {
namespace {

Color const red = Color::from_rgb(255, 0, 0);

// Fills the whole client area of a window through its own context in red.
void fill_client(WindowHandle window)
{
    DeviceContext* context = window_device_context(window);
    ASSERT_NE(context, nullptr);
    OwnedObject brush(create_solid_brush(red));
    OwnedObject pen(create_pen(PenStyle::Solid, 1, red));
    ScopedSelection with_brush(*context, brush.get());
    ScopedSelection with_pen(*context, pen.get());
    context->rectangle(client_rect(window));
}

int64_t count_pixels(Surface const& surface, Color color)
{
    int64_t count = 0;
    for (uint32_t pixel : surface.pixels())
        count += pixel == color.pixel();
    return count;
}

TEST_F(WindowTest, PixelsTheWindowSystemErasesReachTheWindowsRecording)
{
    constexpr char erased_class[] = "TestErasedWindow";
    if (!find_class(erased_class)) {
        WindowClass window_class;
        window_class.name = erased_class;
        window_class.procedure = &WindowTest::procedure;
        window_class.styles = ClassStyle::OwnDeviceContext;
        window_class.background = colors::white;
        ASSERT_TRUE(register_class(std::move(window_class)));
    }
    WindowHandle window = child(host, {10, 10, 60, 40}, WindowStyle::None, erased_class);
    update_all_windows();
    DeviceContext* context = window_device_context(window);
    context->start_recording({0, 0, 60, 40});
    fill_client(window);
    ASSERT_EQ(context->recording()->steps().back().kind, StepKind::Rectangle);
    KpExpose(host, 20, 20, 40, 30); // inclusive corners
    update_all_windows();
    RecordedStep const& last = context->recording()->steps().back();
    ASSERT_EQ(last.kind, StepKind::Patch) << "the erased pixels are the window's picture now";
    EXPECT_EQ(context->recording()->patch(last).bounds(), (Rect{10, 10, 21, 11}));
}

TEST_F(WindowTest, AChildPaintsOnlyInsideItsVisibleRegion)
{
    WindowHandle below = child(host, {10, 10, 100, 80});
    WindowHandle above = child(host, {60, 40, 100, 80});
    WindowHandle inner = child(below, {5, 5, 10, 10});
    update_all_windows();
    Surface const& framebuffer = *host_framebuffer(host);
    fill_client(below);
    EXPECT_EQ(framebuffer.pixel({10, 10}), red);
    EXPECT_EQ(framebuffer.pixel({109, 39}), red);
    EXPECT_NE(framebuffer.pixel({60, 40}), red) << "the sibling on top keeps its pixels";
    EXPECT_NE(framebuffer.pixel({15, 15}), red) << "the child keeps its pixels";
    EXPECT_NE(framebuffer.pixel({110, 10}), red) << "nothing outside the window";
    EXPECT_EQ(count_pixels(framebuffer, red), 100 * 80 - 50 * 50 - 10 * 10);
    EXPECT_TRUE(take_damage(host).contains(Rect{10, 10, 100, 80}));
    EXPECT_TRUE(is_window(above) && is_window(inner));
}

TEST_F(WindowTest, DrawingFollowsTheWindowWhenItMovesAndStopsWhenHidden)
{
    WindowHandle window = child(host, {0, 0, 20, 20});
    move_window(window, {50, 60, 20, 20}, Repaint::No);
    window_device_context(window)->set_pixel({0, 0}, red);
    EXPECT_EQ(host_framebuffer(host)->pixel({50, 60}), red);
    show_window(window, Visibility::Hidden);
    window_device_context(window)->set_pixel({1, 0}, red);
    EXPECT_NE(host_framebuffer(host)->pixel({51, 60}), red);
}

TEST_F(WindowTest, WhilePaintingDrawingIsClippedToThePaintRegion)
{
    WindowHandle window = child(host, {0, 0, 50, 50});
    update_all_windows();
    reactions[window] = [&](uint32_t number, WParam, LParam) -> std::optional<LResult> {
        if (number != message::paint)
            return std::nullopt;
        begin_paint(window);
        fill_client(window);
        end_paint(window);
        return 0;
    };
    invalidate_rect(window, {10, 10, 5, 5});
    update_window(window);
    EXPECT_EQ(count_pixels(*host_framebuffer(host), red), 25);
    fill_client(window);
    EXPECT_EQ(count_pixels(*host_framebuffer(host), red), 2500) << "outside painting the whole window";
}

TEST_F(WindowTest, SelectedObjectsStayInTheWindowsContextBetweenCalls)
{
    WindowHandle window = child(host, {0, 0, 50, 50});
    DeviceContext* context = window_device_context(window);
    uint32_t pen = create_pen(PenStyle::Dotted, 1, red);
    uint32_t previous = context->select_object(pen);
    EXPECT_EQ(window_device_context(window), context);
    EXPECT_EQ(window_device_context(window)->selected_object(ObjectKind::Pen), pen);
    EXPECT_FALSE(delete_object(pen)) << "selected objects are not freed under the context";
    context->select_object(previous);
    EXPECT_TRUE(delete_object(pen));
}

TEST_F(WindowTest, TextThroughAWindowContextLandsInItsClientArea)
{
    WindowHandle window = child(host, {30, 20, 100, 40}, WindowStyle::Border);
    update_all_windows();
    DeviceContext* context = window_device_context(window);
    LogicalFont font;
    font.height = -13;
    font.face_name = "Helvetica";
    OwnedObject font_object(create_font(font));
    ScopedSelection with_font(*context, font_object.get());
    context->set_text_color(red);
    context->set_background_mode(BackgroundMode::Opaque);
    context->set_background_color(Color::from_rgb(0, 0, 255));
    draw_character(*context, {0, 0}, U'0');
    Size const cell = text_extent(*context, "0");
    EXPECT_EQ(cell, (Size{7, 15}));
    Surface const& framebuffer = *host_framebuffer(host);
    EXPECT_EQ(framebuffer.pixel({31, 21}), Color::from_rgb(0, 0, 255)) << "the cell's corner, past the border";
    EXPECT_EQ(framebuffer.pixel({31 + 7, 21}), colors::white);
    EXPECT_EQ(framebuffer.pixel({31, 21 + 15}), colors::white);
}

// Hears which blocks a host's windows received as finished pictures.
class PictureRecorder : public HostPresenter {
public:
    void damaged(Rect) override {}
    void cursor_changed(uint32_t) override {}
    void new_picture(Rect area) override { pictures.push_back(area); }
    std::vector<Rect> pictures;
};

TEST_F(WindowTest, OnlyOffScreenPicturesCopiedInOutsidePaintingAreNewPictures)
{
    PictureRecorder recorder;
    set_host_presenter(host, &recorder);
    WindowHandle window = child(host, {20, 10, 50, 40});
    update_all_windows();
    DeviceContext* context = window_device_context(window);
    MemoryDeviceContext image(*context);
    OwnedObject bitmap(create_compatible_bitmap(*context, 50, 40));
    ScopedSelection with_bitmap(image, bitmap.get());

    context->copy_block({5, 5, 10, 8}, image, {5, 5}, RasterOp::Copy);
    ASSERT_EQ(recorder.pictures.size(), 1u);
    EXPECT_EQ(recorder.pictures[0], (Rect{25, 15, 10, 8})) << "host coordinates";

    fill_client(window);
    context->copy_block({0, 0, 10, 10}, *context, {20, 20}, RasterOp::Copy);
    context->scroll({0, 0, 50, 40}, 0, -2, {0, 0, 50, 40});
    image.copy_block({0, 0, 10, 10}, *context, {0, 0}, RasterOp::Copy);
    context->copy_block({0, 0, 10, 10}, image, {0, 0}, RasterOp::Xor);
    EXPECT_EQ(recorder.pictures.size(), 1u)
        << "drawing, copies within the window, copies out and images combined in are no pictures";

    reactions[window] = [&](uint32_t number, WParam, LParam) -> std::optional<LResult> {
        if (number != message::paint)
            return std::nullopt;
        begin_paint(window);
        context->copy_block({0, 0, 50, 40}, image, {0, 0}, RasterOp::Copy);
        end_paint(window);
        return 0;
    };
    invalidate_window(window);
    update_window(window);
    EXPECT_EQ(recorder.pictures.size(), 1u) << "repainting restores an old picture";
    set_host_presenter(host, nullptr);
}

TEST(HeadlessPicture, SavePngWritesTheClientArea)
{
    TkWnd host_window = KpCreateHeadlessHost(30, 20);
    host_framebuffer(host_window)->set_pixel({29, 19}, red);
    std::string const path = ::testing::TempDir() + "kelvo_save_png_test.png";
    ASSERT_EQ(KpSavePng(host_window, path.c_str()), 0);
    std::optional<Surface> picture = read_png(path);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), (Size{30, 20}));
    EXPECT_EQ(picture->pixel({29, 19}), red);
    EXPECT_EQ(KpSavePng(0, path.c_str()), -1);
    EXPECT_EQ(KpSavePng(host_window, nullptr), -1);
    EXPECT_EQ(KpSavePng(host_window, "/nonexistent-folder/picture.png"), -2);
    KpDestroyWindow(host_window);
}

} // namespace
} // namespace kp::testing
