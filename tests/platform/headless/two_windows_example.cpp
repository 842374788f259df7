// Example: a headless host with two overlapping child windows, each drawing through its own
// device context, saved as a PNG. Usage: two_windows_example [picture.png]

#include <cmath>
#include <cstdio>

#include "platform/graphics/device_context_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/object_guards.h"
#include "platform/kelvoplatform.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"
#include "platform/window/window_class.h"
#include "platform/window/window_device_context.h"

namespace {

// Paints its whole client area in the colour kept in its first extra word, with a circle,
// a star and its name (by the number in its second word), whenever asked to paint.
kp::LResult picture_window(kp::WindowHandle window, uint32_t number, kp::WParam word, kp::LParam value)
{
    if (number != kp::message::paint)
        return kp::default_window_procedure(window, number, word, value);
    kp::begin_paint(window);
    kp::DeviceContext& context = *kp::window_device_context(window);
    kp::Rect const client = kp::client_rect(window);
    kp::Color const fill = kp::Color::from_pixel(static_cast<uint32_t>(kp::get_window_word(window, 0)));

    kp::OwnedObject brush(kp::create_solid_brush(fill));
    kp::OwnedObject pen(kp::create_pen(kp::PenStyle::Solid, 3, kp::colors::black));
    kp::ScopedSelection with_brush(context, brush.get());
    kp::ScopedSelection with_pen(context, pen.get());
    context.rectangle(client);
    context.ellipse({20, 20, client.width - 40, client.height - 40});
    kp::Point const star[] = {{60, 150}, {90, 60}, {120, 150}, {45, 95}, {135, 95}};
    context.polygon(star, kp::FillRule::Alternate);

    kp::LogicalFont font;
    font.height = -16;
    font.face_name = "Helvetica";
    kp::OwnedObject font_object(kp::create_font(font));
    kp::ScopedSelection with_font(context, font_object.get());
    context.set_background_mode(kp::BackgroundMode::Transparent);
    context.set_text_color(kp::colors::black);
    kp::draw_text(context, {8, 4}, kp::get_window_word(window, 4) == 1 ? "first window" : "second window");
    kp::end_paint(window);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    char const* path = argc > 1 ? argv[1] : "two_windows.png";
    kp::WindowClass window_class;
    window_class.name = "PictureWindow";
    window_class.procedure = picture_window;
    window_class.extra_bytes = 8;
    window_class.styles = kp::ClassStyle::OwnDeviceContext;
    kp::register_class(window_class);

    TkWnd host = KpCreateHeadlessHost(360, 260);
    auto const styles = kp::WindowStyle::Visible | kp::WindowStyle::ClipSiblings | kp::WindowStyle::Border;
    kp::WindowHandle first = kp::create_window({"PictureWindow", host, {20, 20, 200, 180}, styles});
    kp::WindowHandle second = kp::create_window({"PictureWindow", host, {140, 60, 200, 180}, styles});
    kp::set_window_word(first, 0, static_cast<int32_t>(kp::Color::from_rgb(255, 220, 120).pixel()));
    kp::set_window_word(second, 0, static_cast<int32_t>(kp::Color::from_rgb(140, 200, 255).pixel()));
    kp::set_window_word(first, 4, 1);
    kp::set_window_word(second, 4, 2);
    KpUpdate();

    int32_t const result = KpSavePng(host, path);
    std::printf("%s %s\n", result == 0 ? "wrote" : "could not write", path);
    KpDestroyWindow(host);
    return result == 0 ? 0 : 1;
}
