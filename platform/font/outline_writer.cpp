#include "platform/font/outline_writer.h"

#include <utility>

namespace kp {

FT_Outline_Funcs const OutlineWriter::callbacks{&OutlineWriter::move_to, &OutlineWriter::line_to,
                                                &OutlineWriter::conic_to, &OutlineWriter::cubic_to, 0, 0};

template <typename Step>
int OutlineWriter::guarded_step(void* user, Step&& step) noexcept
{
    auto& writer = *static_cast<OutlineWriter*>(user);
    try {
        step(writer);
        return 0;
    } catch (...) {
        writer.failure_ = std::current_exception();
        return FT_Err_Out_Of_Memory;
    }
}

int OutlineWriter::move_to(FT_Vector const* to, void* user) noexcept
{
    return guarded_step(user, [&](OutlineWriter& writer) {
        writer.close();
        writer.add(GlyphOutline::Verb::Move, {to});
        writer.open_ = true;
    });
}

int OutlineWriter::line_to(FT_Vector const* to, void* user) noexcept
{
    return guarded_step(user, [&](OutlineWriter& writer) { writer.add(GlyphOutline::Verb::Line, {to}); });
}

int OutlineWriter::conic_to(FT_Vector const* control, FT_Vector const* to, void* user) noexcept
{
    return guarded_step(user, [&](OutlineWriter& writer) { writer.add(GlyphOutline::Verb::Quadratic, {control, to}); });
}

int OutlineWriter::cubic_to(FT_Vector const* control1, FT_Vector const* control2, FT_Vector const* to,
                            void* user) noexcept
{
    return guarded_step(user, [&](OutlineWriter& writer) {
        writer.add(GlyphOutline::Verb::Cubic, {control1, control2, to});
    });
}

GlyphOutline OutlineWriter::finish(FT_Error walk_error)
{
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
    if (walk_error != 0)
        return {};
    close();
    return std::move(outline_);
}

void OutlineWriter::add(GlyphOutline::Verb verb, std::initializer_list<FT_Vector const*> points)
{
    outline_.verbs.push_back(verb);
    for (FT_Vector const* p : points)
        outline_.points.push_back({static_cast<double>(p->x) / 64, -static_cast<double>(p->y) / 64});
}

void OutlineWriter::close()
{
    if (open_)
        outline_.verbs.push_back(GlyphOutline::Verb::Close);
    open_ = false;
}

} // namespace kp
