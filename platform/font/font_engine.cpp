#include "platform/font/font_engine.h"

#include <algorithm>

#include "platform/base/leak_check_pause.h"
#include "platform/base/no_destructor.h"
#include "platform/font/font_face.h"
#include "platform/font/freetype_handles.h"

namespace kp {

std::unique_ptr<FontEngine> FontEngine::create()
{
    std::shared_ptr<freetype::Library> library = freetype::Library::create();
    std::unique_ptr<FontMatcher> matcher = FontMatcher::create();
    if (!library || !matcher)
        return nullptr;
    return std::make_unique<FontEngine>(std::move(library), std::move(matcher));
}

namespace {

// The shared engine lives until the process ends, fontconfig's configuration with it.
std::unique_ptr<FontEngine> create_for_the_whole_process()
{
    LeakCheckPause const kept_until_exit;
    return FontEngine::create();
}

} // namespace

FontEngine* FontEngine::shared()
{
    static NoDestructor<std::unique_ptr<FontEngine> const> const engine(create_for_the_whole_process());
    return engine->get();
}

FontEngine::FontEngine(std::shared_ptr<freetype::Library> library, std::unique_ptr<FontMatcher> matcher)
    : library_(std::move(library))
    , matcher_(std::move(matcher))
{
}

FontEngine::~FontEngine() = default;

std::shared_ptr<Font const> FontEngine::realize(LogicalFont const& font)
{
    auto cached = std::ranges::find_if(cache_, [&](auto const& entry) { return entry->logical_font() == font; });
    if (cached != cache_.end()) {
        std::rotate(cache_.begin(), cached, cached + 1);
        return cache_.front();
    }

    std::optional<FaceMatch> match = matcher_->match(font);
    if (!match)
        return nullptr;
    std::unique_ptr<FontFace> face = FontFace::open(library_, *match, font);
    if (!face) {
        // The chosen file would not open (damaged, or removed since fontconfig listed it):
        // try the default face before giving up.
        LogicalFont fallback = font;
        fallback.face_name.clear();
        match = matcher_->match(fallback);
        if (match)
            face = FontFace::open(library_, *match, fallback);
        if (!face)
            return nullptr;
        match->origin = FaceOrigin::Fallback;
    }

    auto realized = std::make_shared<Font const>(font, std::move(*match), std::move(face));
    if (cache_.size() >= cache_capacity)
        cache_.pop_back();
    cache_.insert(cache_.begin(), realized);
    return realized;
}

} // namespace kp
