// A Qt 6 program with one window that shows a graph: a KelvoQt host widget whose graph
// follows the window's size and redraws itself.
//
// Usage: qt_graph [--save picture.png]   (with --save: draw, save what the window shows, quit)

#include <QApplication>
#include <QMainWindow>
#include <QResizeEvent>
#include <QTimer>

#include <cmath>

#include <kelvo/kelvolib.h>
#include <kelvo/kelvoqt.h>

// The widget that hosts the graph. The graph is a child window of the host, so it is opened
// once the host exists and closed before the host goes.
class GraphView : public kelvoqt::HostWidget {
public:
    explicit GraphView(QWidget* parent = nullptr)
        : kelvoqt::HostWidget(parent)
    {
        follow_size(); // the host takes the widget's size before the widget is shown
        graph_ = TkOpenGraph(host(), 0, 0, width(), height(), 2);
        draw();
    }
    ~GraphView() override { TkCloseGraph(graph_); }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        kelvoqt::HostWidget::resizeEvent(event); // the host follows the widget
        TkResize(graph_, 0, 0, width(), height()); // the graph follows the host, cleared
        draw();
    }

private:
    // A Lissajous figure in user coordinates, with a title.
    void draw()
    {
        TkKelvoStyle(graph_, 1);
        TkClearWindow(graph_);
        TkSetRanges(graph_, -1.2, 1.2, -1.2, 1.2);
        TkSetScales(graph_);
        TkPen(graph_, TkRGB(0, 90, 200, 0), 1, 2);
        for (int i = 0; i <= 720; ++i) {
            double const t = i * M_PI / 360.0;
            double const x = std::sin(3.0 * t);
            double const y = std::sin(4.0 * t);
            if (i == 0)
                TkMoveabs(graph_, x, y);
            else
                TkDrawabs(graph_, x, y);
        }
        TkFont(graph_, 2, 1, 11);
        TkTextJustified(graph_, 3);
        TkGpText(graph_, width() / 2, 20, "x = sin 3t, y = sin 4t");
    }

    TkGraph graph_ = 0;
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList const arguments = QApplication::arguments();
    qsizetype const save = arguments.indexOf(QStringLiteral("--save"));

    kelvoqt::BoxHandlers boxes; // the library's message boxes show as Qt boxes
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("KelvoLib in a Qt window"));
    auto* view = new GraphView;
    window.setCentralWidget(view);
    window.resize(480, 360);
    boxes.set_owner(&window);
    window.show();

    if (save > 0 && save + 1 < arguments.size()) {
        QTimer::singleShot(100, &app, [&] {
            view->flush();
            bool const saved = view->picture().save(arguments[save + 1]);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
