#pragma once

// Kelvotour's main window: the menu of demonstrations, the drawing-mode and colour-style
// groups, the mouse read-out and the panel that hosts the graph window.

#include <QMainWindow>

#include "demo/demo_state.h"
#include "platform/window/message.h"

class QAction;
class QButtonGroup;
class QLabel;

namespace kelvotour {

class HostWidget;

class MainWindow : public QMainWindow {
public:
    MainWindow();
    ~MainWindow() override;

    DemoState const& state() const { return state_; }
    bool graph_open() const { return state_.GraphId != 0; }
    HostWidget* graph_panel() const { return GraphPanel; }
    QLabel* x_readout() const { return XValTxt; }
    QLabel* y_readout() const { return YValTxt; }
    QAction* menu_item(QString const& name) const;

    // What the controls and menu do, callable by tests and the gallery.
    void show_scene(int32_t number);
    void choose_drawing_mode(int item);
    void choose_colour_style(int item);
    void set_readout_mode(ReadoutMode mode) { state_.Readout = mode; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_controls();
    void build_menu();
    void FormCreate();
    void FormResize();
    bool FormCloseQuery();
    void DrawModeGrpClick();
    void ColorGrpClick();
    void GraphMouseMove();
    void GraphPanelClick();
    void ClearWindowClick();
    void AboutClick();
    kp::LResult on_panel_message(uint32_t number);

    DemoState state_;
    QButtonGroup* DrawModeGrp = nullptr;
    QButtonGroup* ColorGrp = nullptr;
    QLabel* XValTxt = nullptr;
    QLabel* YValTxt = nullptr;
    HostWidget* GraphPanel = nullptr;
    QWidget* client_ = nullptr;
    bool closed_ = false;
};

} // namespace kelvotour
