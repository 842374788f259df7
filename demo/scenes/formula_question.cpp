#include "demo/scenes/formula_question.h"

#include <utility>

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>

namespace kelvotour {

namespace {

FormulaAnswer ask_with_dialogue(FormulaQuestion const& question)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return question.text;
    QInputDialog dialogue(QApplication::activeWindow());
    dialogue.setInputMode(QInputDialog::TextInput);
    dialogue.setWindowTitle(question.title);
    dialogue.setLabelText(question.prompt);
    dialogue.setTextValue(question.text);
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogue.textValue();
}

FormulaAsker& installed_asker()
{
    static FormulaAsker asker = ask_with_dialogue;
    return asker;
}

} // namespace

FormulaAnswer ask_for_formula(FormulaQuestion const& question)
{
    return installed_asker()(question);
}

FormulaAsker set_formula_asker(FormulaAsker asker)
{
    return std::exchange(installed_asker(), asker ? std::move(asker) : FormulaAsker(ask_with_dialogue));
}

} // namespace kelvotour
