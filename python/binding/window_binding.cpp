// kelvo._window: a top-level KelvoQt host window for Graph.show(), with the Qt application
// it needs. The graph shown is opened in the window's host through kelvolib.h by the
// Python side; this module only makes, shows, runs and closes the window.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QImage>
#include <QTimer>

#include <kelvo/kelvoqt.h>

#include <memory>
#include <string>

namespace py = pybind11;

namespace {

// The application lives from the first window to the end of the process: Qt allows one per
// process, and Python modules are not unloaded.
QApplication& application()
{
    static int argc = 1;
    static char name[] = "kelvo";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

// Ends an event loop when the window it watches is closed.
class CloseWatcher : public QObject {
public:
    explicit CloseWatcher(QEventLoop& loop) : loop_(loop) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

class Window {
public:
    Window(int width, int height, std::string const& title)
    {
        application();
        widget_ = std::make_unique<kelvoqt::HostWidget>();
        widget_->setWindowTitle(QString::fromStdString(title));
        widget_->resize(width, height);
        widget_->follow_size(); // the host takes the size before the window is shown
    }

    TkWnd host() const { return widget_->host(); }

    void show()
    {
        widget_->show();
        widget_->raise();
        widget_->flush();
        QApplication::processEvents();
    }

    void close() { widget_->close(); }
    bool visible() const { return widget_->isVisible(); }

    // What the window shows, as a (height, width, 4) RGBA array.
    py::array_t<uint8_t> picture() const
    {
        widget_->flush();
        QImage const image = widget_->picture().convertToFormat(QImage::Format_RGBA8888);
        py::array_t<uint8_t> pixels({image.height(), image.width(), 4});
        auto rows = pixels.mutable_unchecked<3>();
        for (int y = 0; y < image.height(); ++y)
            std::copy_n(image.constScanLine(y), image.width() * 4, rows.mutable_data(y, 0, 0));
        return pixels;
    }

    // Runs the event loop until the window is closed; with a timeout of 0 or more seconds,
    // it closes the window then. Python's signals (Ctrl+C) are checked meanwhile and raised.
    void run(double timeout)
    {
        if (!widget_->isVisible())
            return;
        QEventLoop loop;
        CloseWatcher watcher(loop);
        widget_->installEventFilter(&watcher);
        if (timeout >= 0)
            QTimer::singleShot(static_cast<int>(timeout * 1000), widget_.get(), &QWidget::close);
        bool interrupted = false;
        QTimer signal_check;
        QObject::connect(&signal_check, &QTimer::timeout, [&] {
            if (PyErr_CheckSignals() != 0) {
                interrupted = true;
                loop.quit();
            }
        });
        signal_check.start(100);
        loop.exec();
        widget_->removeEventFilter(&watcher);
        if (interrupted)
            throw py::error_already_set();
    }

private:
    std::unique_ptr<kelvoqt::HostWidget> widget_;
};

} // namespace

PYBIND11_MODULE(_window, module)
{
    module.doc() = "A KelvoQt window for kelvo.Graph.show().";
    py::class_<Window>(module, "Window")
        .def(py::init<int, int, std::string const&>(), py::arg("width"), py::arg("height"), py::arg("title"))
        .def("host", &Window::host)
        .def("show", &Window::show)
        .def("close", &Window::close)
        .def("visible", &Window::visible)
        .def("picture", &Window::picture)
        .def("run", &Window::run, py::arg("timeout") = -1.0);
    module.def(
        "process_events", [](double seconds) {
            application();
            QEventLoop loop;
            QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
            loop.exec();
        },
        py::arg("seconds"), "Lets the windows repaint and answer input for a while.");
}
