#pragma once

// How the "User-defined Function" demonstration asks for its formula: a Qt input dialogue.
// Tests put their own answer in its place.

#include <functional>
#include <optional>

#include <QString>

namespace kelvotour {

struct FormulaQuestion {
    QString title;
    QString prompt;
    QString text; // offered for editing
};

// The text accepted, or nothing when the question was cancelled.
using FormulaAnswer = std::optional<QString>;
using FormulaAsker = std::function<FormulaAnswer(FormulaQuestion const&)>;

// Asks the question the way installed last. The way installed at start shows a modal
// QInputDialog; where no one can answer one (Qt's offscreen platform, as the gallery runs),
// it takes the offered text, as unanswered boxes take their default button.
FormulaAnswer ask_for_formula(FormulaQuestion const& question);

// Installs another way of asking and returns the one it replaces.
FormulaAsker set_formula_asker(FormulaAsker asker);

} // namespace kelvotour
