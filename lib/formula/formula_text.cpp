#include "lib/formula/formula_text.h"

namespace kelvo {

NameList formula_pieces(std::string_view text, TextForm form)
{
    NameList pieces;
    if (form == TextForm::short_string || text.size() < formula_piece_length) {
        pieces.append(text);
        return pieces;
    }
    pieces.append(" ");
    while (text.size() > formula_piece_length) {
        pieces.append(text.substr(0, formula_piece_length));
        text.remove_prefix(formula_piece_length);
    }
    pieces.append(text);
    return pieces;
}

} // namespace kelvo
