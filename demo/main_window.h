#pragma once

// Kelvotour's main window: the menu of demonstrations, the drawing-mode and colour-style
// groups, the mouse read-out and the panel that hosts the graph window.

#include <QMainWindow>

#include "demo/demo_state.h"

class QAction;
class QButtonGroup;
class QLabel;

namespace kelvoqt {
class HostWidget;
}

namespace kelvotour {

using kelvoqt::HostWidget;

class MainWindow : public QMainWindow {
public:
    MainWindow();
    ~MainWindow() override;

    DemoState const& state() const { return state_; }
    bool graph_open() const { return state_.GraphId != 0; }
    // The graph could not be opened at start-up ("Program Aborted").
    bool start_failed() const { return start_failed_; }
    HostWidget* graph_panel() const { return GraphPanel; }
    QLabel* x_readout() const { return XValTxt; }
    QLabel* y_readout() const { return YValTxt; }
    QAction* menu_item(QString const& name) const;

    // What the controls and menu do, callable by tests and the gallery.
    void show_scene(int32_t number);
    void choose_drawing_mode(int item);
    void choose_colour_style(int item);
    void set_readout_mode(ReadoutMode mode) { state_.Readout = mode; }
    void hide_timings() { state_.timings = Timings::Hidden; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Marks a handler that works with the graph. A paced frame inside it may process events;
    // handlers those events reach (closing, resizing) are put off until the work is done.
    class GraphWork;
    void after_graph_work();

    void build_controls();
    void build_menu();
    void FormCreate();
    void FormResize();
    void graph_follows_resize();
    bool FormCloseQuery();
    void DrawModeGrpClick();
    void ColorGrpClick();
    void GraphMouseMove();
    void GraphPanelClick();
    void ClearWindowClick();
    void AboutClick();
    void on_panel_message(uint32_t number);

    DemoState state_;
    QButtonGroup* DrawModeGrp = nullptr;
    QButtonGroup* ColorGrp = nullptr;
    QLabel* XValTxt = nullptr;
    QLabel* YValTxt = nullptr;
    HostWidget* GraphPanel = nullptr;
    QWidget* client_ = nullptr;
    bool closed_ = false;
    bool start_failed_ = false;
    int graph_work_ = 0; // handlers working with the graph, nested
    bool close_put_off_ = false;
    bool resize_put_off_ = false;
    bool panel_resized_ = false;          // the graph has yet to follow the panel's size
    bool graph_follow_scheduled_ = false;
};

} // namespace kelvotour
