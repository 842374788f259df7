// The plot scenes in the main window: the user-defined function's question, its two error
// texts, a cancelled question, and the repeat after a resize that does not ask again.

#include "demo/main_window.h"

#include <QApplication>
#include <QTest>

#include "demo/named_colours.h"
#include "qt/kelvoqt.h"
#include "demo/scenes/formula_question.h"

namespace {

using kelvotour::FormulaAnswer;
using kelvotour::FormulaQuestion;
using kelvotour::MainWindow;

constexpr int user_function = 29;

void shown_and_settled(MainWindow& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
}

// Answers the scene's question with a scripted text (nothing: cancel) and keeps the
// questions asked.
class ScriptedQuestion {
public:
    explicit ScriptedQuestion(FormulaAnswer answer)
        : answer_(std::move(answer))
        , previous_(kelvotour::set_formula_asker([this](FormulaQuestion const& question) {
            asked.push_back(question);
            return answer_;
        }))
    {
    }
    ~ScriptedQuestion() { kelvotour::set_formula_asker(previous_); }
    void answer_with(FormulaAnswer answer) { answer_ = std::move(answer); }

    std::vector<FormulaQuestion> asked;

private:
    FormulaAnswer answer_;
    kelvotour::FormulaAsker previous_;
};

// Where a text written at (2, ch + 2) ends in the font the scenes reset the graph to.
int32_t end_of_text(TkGraph graph, char const* text)
{
    TkDefaults(graph);
    TkKelvoStyle(graph, 1);
    TkGpText(graph, 2, TkCellHeight(graph) + 2, text);
    return TkEndTextX(graph);
}

class PlotScenesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kelvotour::compute_named_colours(); }

    void theQuestionOffersTheStoredFormula()
    {
        MainWindow window;
        shown_and_settled(window);
        ScriptedQuestion question(QStringLiteral("x^2 / 10"));
        window.show_scene(user_function);
        QCOMPARE(question.asked.size(), std::size_t{1});
        QCOMPARE(question.asked[0].title, QStringLiteral("User defined function"));
        QCOMPARE(question.asked[0].prompt, QStringLiteral("Enter f(x) and see a plot of x in [0, 10]:"));
        QCOMPARE(question.asked[0].text, QStringLiteral("sin(x) / (1 + x)"));
        QCOMPARE(window.state().UserFormula, std::string("x^2 / 10"));
        QCOMPARE(window.state().CurrentScene, user_function);
        QCOMPARE(window.state().Readout, kelvotour::ReadoutMode::UserCoordinates);

        // Chosen again from the menu at the same size: asked again.
        window.show_scene(user_function);
        QCOMPARE(question.asked.size(), std::size_t{2});
        QCOMPARE(question.asked[1].text, QStringLiteral("x^2 / 10"));
    }

    void errorsAreToldByTheirCodeRange()
    {
        MainWindow window;
        shown_and_settled(window);
        TkGraph const graph = window.state().GraphId;
        int32_t const syntax_end = end_of_text(graph, "Cannot compile - syntax error!");
        int32_t const singularity_end = end_of_text(graph, "Cannot evaluate - singularity!");
        QVERIFY(syntax_end != singularity_end);

        ScriptedQuestion question(QStringLiteral("sin(x"));
        window.show_scene(user_function);
        QCOMPARE(TkEndTextX(graph), syntax_end);
        question.answer_with(QStringLiteral("sqrt(x - 5)"));
        window.show_scene(user_function);
        QCOMPARE(TkEndTextX(graph), singularity_end);
        question.answer_with(QStringLiteral("sqrt(x + 5)"));
        window.show_scene(user_function);
        QVERIFY(TkEndTextX(graph) != syntax_end && TkEndTextX(graph) != singularity_end);
    }

    void aCancelledQuestionDrawsNothingButBecomesTheScene()
    {
        MainWindow window;
        shown_and_settled(window);
        window.show_scene(20);
        QImage const before = window.graph_panel()->picture();
        ScriptedQuestion question(std::nullopt);
        window.show_scene(user_function);
        QCOMPARE(question.asked.size(), std::size_t{1});
        QCOMPARE(window.graph_panel()->picture(), before);
        QCOMPARE(window.state().CurrentScene, user_function);
        QCOMPARE(window.state().UserFormula, std::string("sin(x) / (1 + x)"));
    }

    void aResizeRepeatsTheFormulaWithoutAsking()
    {
        MainWindow window;
        shown_and_settled(window);
        ScriptedQuestion question(QStringLiteral("cos(x)"));
        window.show_scene(user_function);
        question.answer_with(QStringLiteral("not asked"));
        window.resize(720, 540);
        QTRY_COMPARE(TkWindowWidth(window.state().GraphId), window.graph_panel()->width());
        QApplication::processEvents();
        QCOMPARE(question.asked.size(), std::size_t{1});
        QCOMPARE(window.state().UserFormula, std::string("cos(x)"));
        QCOMPARE(window.state().CurrentScene, user_function);
    }

    void longAnswersAreCutToTheFormulaBuffer()
    {
        MainWindow window;
        shown_and_settled(window);
        QString long_answer = QStringLiteral("x");
        for (int i = 0; i < 300; ++i)
            long_answer += QStringLiteral("+\u00e9");
        ScriptedQuestion question(long_answer);
        window.show_scene(user_function);
        std::string const& formula = window.state().UserFormula;
        QVERIFY(formula.size() <= 499);
        QVERIFY(formula.size() >= 497);
        // Whole characters only.
        QVERIFY(QString::fromUtf8(formula.c_str()).toUtf8() == QByteArray(formula.c_str()));
    }
};

} // namespace

QTEST_MAIN(PlotScenesTest)
#include "plot_scenes_test.moc"
