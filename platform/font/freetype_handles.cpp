#include "platform/font/freetype_handles.h"

namespace kp::freetype {

std::shared_ptr<Library> Library::create()
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return nullptr;
    return std::make_shared<Library>(library);
}

Library::~Library()
{
    FT_Done_FreeType(library_);
}

std::unique_ptr<Face> Face::open(std::shared_ptr<Library> library, char const* path, long index)
{
    if (!library)
        return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library->get(), path, index, &face) != 0)
        return nullptr;
    return std::make_unique<Face>(std::move(library), face);
}

} // namespace kp::freetype
