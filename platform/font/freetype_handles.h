#pragma once

// Owners for FreeType objects. A face must be freed before the library that opened it, so
// every face keeps a shared reference to its library: fonts may outlive the engine that
// realized them (a device context can hold a font after the engine is gone).

#include <memory>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace kp::freetype {

class Library {
public:
    // Null when FreeType cannot start (out of memory).
    static std::shared_ptr<Library> create();
    // Takes ownership of a started library.
    explicit Library(FT_Library library) : library_(library) {}
    ~Library();
    Library(Library const&) = delete;
    Library& operator=(Library const&) = delete;

    FT_Library get() const { return library_; }

private:
    FT_Library library_;
};

struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

class Face {
public:
    // Null when the file cannot be opened as a font.
    static std::unique_ptr<Face> open(std::shared_ptr<Library> library, char const* path, long index);
    // Takes ownership of a face that `library` opened.
    Face(std::shared_ptr<Library> library, FT_Face face) : library_(std::move(library)), face_(face) {}

    FT_Face get() const { return face_.get(); }
    FT_Face operator->() const { return face_.get(); }

private:
    // Declared first so that it is destroyed last.
    std::shared_ptr<Library> library_;
    std::unique_ptr<FT_FaceRec, FaceDeleter> face_;
};

} // namespace kp::freetype
