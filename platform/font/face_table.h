#pragma once

// The faces callers ask for by name, and the installed families that stand in for them.
//
// Each face lists installed families in order of preference; the first one installed is
// used. The lists are pinned on purpose: fontconfig's own substitution is tuned for desktop
// documents and can answer "Helvetica" or "Symbol" with a font of a different kind when the
// expected one is missing. Only when none of a face's families is installed does the
// matcher ask fontconfig for its generic family.

#include <span>
#include <string_view>

#include "platform/font/logical_font.h"
#include "platform/font/text_decoding.h"

namespace kp {

struct FaceRecipe {
    std::string_view name;                        // the face's own name, as callers spell it
    std::span<std::string_view const> families;   // installed families, best first
    char const* generic;                          // fontconfig's generic family, last resort
    TextEncoding encoding;
};

// The recipe of a face name ("Helvetica", "times-roman", ...; case does not matter), or
// null when the name is not one of ours.
FaceRecipe const* find_face_recipe(std::string_view face_name);

// The face for a name the engine does not know and fontconfig does not have: chosen from
// what the caller says about the font (symbol character set, roman family, fixed pitch),
// otherwise the default face.
FaceRecipe const& fallback_face_recipe(LogicalFont const& font);

} // namespace kp
