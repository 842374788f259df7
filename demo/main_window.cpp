#include "demo/main_window.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QString>
#include <QTimer>

#include <string>
#include <utility>

#include "demo/scenes/scene_helpers.h"
#include "demo/scenes/scene_table.h"

#include <kelvo/kelvoplatform.h>
#include <kelvo/kelvoqt.h>

namespace kelvotour {

namespace {

// A user coordinate in a field of 8 characters; a value the field cannot hold reads " --- ".
QString formatted_real(double value)
{
    char text[9] = {};
    if (TkFormatReal(8, text, value) != 0)
        return QStringLiteral(" --- ");
    return QString::fromLatin1(text);
}

// The client area that calls the form's resize handler after its own geometry changed.
class FormClient : public QWidget {
public:
    explicit FormClient(std::function<void()> on_resize)
        : on_resize_(std::move(on_resize))
    {
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        on_resize_();
    }

private:
    std::function<void()> on_resize_;
};

constexpr int open_flags = 3; // drawing mode 3, shown, no border
// KpMessageBox's buttons and icons, and the mouse messages the panel passes on, as
// kelvoplatform.h numbers them.
constexpr int32_t message_box_ok = 0;
constexpr int32_t no_icon = 0;
constexpr int32_t information_icon = 1;
constexpr uint32_t mouse_move = 512;
constexpr uint32_t left_button_up = 514;
constexpr int panel_margin = 4;
constexpr int smallest_panel = 10;
QColor const purple(128, 0, 128);

QButtonGroup* radio_group(QWidget* parent, QString const& title, QRect geometry, QStringList const& items)
{
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(geometry);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], box);
        button->setGeometry(8, 20 + 24 * i, geometry.width() - 12, 20);
        group->addButton(button, i);
    }
    group->button(1)->setChecked(true);
    return group;
}

QLabel* label(QWidget* parent, QString const& text, QRect geometry, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* result = new QLabel(text, parent);
    result->setGeometry(geometry);
    result->setAlignment(alignment | Qt::AlignVCenter);
    return result;
}

// The menus and the scenes (or commands, numbered 0 and below) on each; -1 is a separator.
constexpr int separator = -1;
constexpr int clear_window_item = -2;
constexpr int exit_item = -3;
constexpr int about_item = -4;

struct MenuLayout {
    char const* name;
    char const* caption;
    std::initializer_list<int> items;
};

} // namespace

class MainWindow::GraphWork {
public:
    explicit GraphWork(MainWindow& window)
        : window_(window)
    {
        ++window_.graph_work_;
    }
    ~GraphWork()
    {
        if (--window_.graph_work_ == 0)
            window_.after_graph_work();
    }
    GraphWork(GraphWork const&) = delete;
    GraphWork& operator=(GraphWork const&) = delete;

private:
    MainWindow& window_;
};

MainWindow::MainWindow()
{
    setWindowTitle(QStringLiteral("Kelvotour"));
    setObjectName(QStringLiteral("TForm1"));
    if (QImage const icon = kelvoqt::named_icon(QStringLiteral("Kelvo")); !icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    QFont form_font = font();
    form_font.setPixelSize(11);
    setFont(form_font);
    client_ = new FormClient([this] { FormResize(); });
    setCentralWidget(client_);
    build_controls();
    build_menu();
    resize(621, 487);
    move(328, 221);
    FormCreate();
}

MainWindow::~MainWindow()
{
    if (!closed_)
        FormCloseQuery();
    // The panel outlives this object's own part of the destruction; its host's last
    // messages (its destruction) must not reach us.
    GraphPanel->set_message_handler({});
}

void MainWindow::build_controls()
{
    DrawModeGrp = radio_group(client_, QStringLiteral("Drawing mode"), {8, 8, 121, 121},
                              {QStringLiteral("Foreground"), QStringLiteral("Auto Redraw"), QStringLiteral("Background"),
                               QStringLiteral("Delay Redraw")});
    ColorGrp = radio_group(client_, QStringLiteral("Color style"), {8, 136, 121, 121},
                           {QStringLiteral("Registry"), QStringLiteral("Light"), QStringLiteral("Dark"),
                            QStringLiteral("Old IBM")});
    connect(DrawModeGrp, &QButtonGroup::idClicked, this, [this](int) { DrawModeGrpClick(); });
    connect(ColorGrp, &QButtonGroup::idClicked, this, [this](int) { ColorGrpClick(); });
    label(client_, QStringLiteral("X ="), {8, 272, 33, 17}, Qt::AlignRight);
    label(client_, QStringLiteral("Y ="), {8, 296, 33, 13}, Qt::AlignRight);
    XValTxt = label(client_, QStringLiteral("xval"), {48, 272, 65, 13});
    YValTxt = label(client_, QStringLiteral("yval"), {48, 296, 65, 13});
    XValTxt->setObjectName(QStringLiteral("XValTxt"));
    YValTxt->setObjectName(QStringLiteral("YValTxt"));
    for (QLabel* readout : {XValTxt, YValTxt})
        readout->setFont(QFont(QStringLiteral("monospace"), 8));

    GraphPanel = new HostWidget(client_);
    GraphPanel->setObjectName(QStringLiteral("GraphPanel"));
    GraphPanel->setGeometry(136, 0, 385, 353);
    GraphPanel->follow_size();
    GraphPanel->set_background(purple);
    GraphPanel->set_message_handler([this](uint32_t number, uint32_t, uint32_t) { on_panel_message(number); });
}

void MainWindow::build_menu()
{
    static MenuLayout const menus[] = {
        {"MunFile", "&File", {31, separator, clear_window_item, separator, exit_item}},
        {"Mnu2DPrim", "2D &Primitive", {1, 2, 3, 4, 5, 6}},
        {"Mnu2DBasic", "2D &Basic", {7, 8, 9, separator, 10, 11, 12, separator, 13, 14, 30, 15}},
        {"N31", "&3D Basic", {16, separator, 17, 18, 19}},
        {"Plot1", "&Plot", {20, 21, 22, separator, 23, 24, 25, 26, separator, 27, 28, separator, 32}},
        {"Evaluate1", "&Evaluate", {29}},
        {"Help1", "&Help", {about_item}},
    };
    for (MenuLayout const& layout : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(layout.caption));
        menu->setObjectName(QString::fromUtf8(layout.name));
        for (int item : layout.items) {
            if (item == separator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = nullptr;
            switch (item) {
            case clear_window_item:
                action = menu->addAction(QStringLiteral("&Clear Window"), this, [this] { ClearWindowClick(); });
                action->setObjectName(QStringLiteral("ClearWindow1"));
                break;
            case exit_item:
                action = menu->addAction(QStringLiteral("&Exit"), this, [this] { close(); });
                action->setObjectName(QStringLiteral("MunExit"));
                break;
            case about_item:
                action = menu->addAction(QStringLiteral("&About"), this, [this] { AboutClick(); });
                action->setObjectName(QStringLiteral("MnuAbout"));
                break;
            default: {
                Scene const* scene = find_scene(item);
                action = menu->addAction(QString::fromUtf8(scene->caption), this, [this, item] { show_scene(item); });
                action->setObjectName(QString::fromUtf8(scene->item_name));
                action->setEnabled(scene->draw != nullptr);
                break;
            }
            }
        }
    }
}

QAction* MainWindow::menu_item(QString const& name) const
{
    return findChild<QAction*>(name);
}

void MainWindow::FormCreate()
{
    // The panel's host has the panel's size (follow_size), so the graph fills it.
    state_.GraphId = TkOpenGraph(GraphPanel->host(), 0, 0, GraphPanel->width(), GraphPanel->height(), open_flags);
    if (state_.GraphId == 0) {
        KpMessageBox("Problem creating graph window. Program Aborted.", "", message_box_ok, no_icon);
        closed_ = true;
        start_failed_ = true;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    state_.DrawMode = 2;
    state_.ColorStyle = 1;
    TkSetDrawingMode(state_.GraphId, 2);
    state_.Readout = ReadoutMode::WindowPixels;
    reset_graph(state_, Clearing::Keep);
    TkSetMessageRoute(state_.GraphId, GraphPanel->host());
    state_.CurrentScene = 0;
    state_.FaceX = TkNewArray1(4);
    state_.FaceY = TkNewArray1(4);
    state_.FaceZ = TkNewArray1(4);
    state_.UserFormula = "sin(x) / (1 + x)";
    state_.FirstResize = true;
}

void MainWindow::FormResize()
{
    if (closed_)
        return;
    if (graph_work_ > 0) {
        resize_put_off_ = true;
        return;
    }
    int const cw = client_->width();
    int const ch = client_->height();
    QRect const panel = GraphPanel->geometry();
    if (cw - panel.left() - panel_margin > smallest_panel && ch - (panel.top() + panel_margin) > smallest_panel) {
        GraphPanel->resize(cw - panel.left() - panel_margin, ch - panel.top() - panel_margin);
        GraphPanel->follow_size();
        panel_resized_ = true;
    }
    // The graph follows from the event loop: this runs inside Qt's layout of the window,
    // where a scene could not wait for its frames, and a burst of resizes is followed once.
    if (!graph_follow_scheduled_) {
        graph_follow_scheduled_ = true;
        QTimer::singleShot(0, this, [this] {
            graph_follow_scheduled_ = false;
            graph_follows_resize();
        });
    }
}

void MainWindow::graph_follows_resize()
{
    if (closed_)
        return;
    if (graph_work_ > 0) {
        resize_put_off_ = true;
        return;
    }
    GraphWork const work(*this);
    if (std::exchange(panel_resized_, false) && graph_open() && !isMinimized())
        TkResize(state_.GraphId, 0, 0, GraphPanel->width(), GraphPanel->height());
    if (!graph_open())
        return;
    if (state_.FirstResize) {
        show_scene(31);
        state_.FirstResize = false;
        return;
    }
    run_scene(state_, state_.CurrentScene);
    GraphPanel->flush();
}

bool MainWindow::FormCloseQuery()
{
    TkDisposeArray(state_.FaceX);
    TkDisposeArray(state_.FaceY);
    TkDisposeArray(state_.FaceZ);
    state_.FaceX = state_.FaceY = state_.FaceZ = 0;
    TkCloseGraph(state_.GraphId);
    state_.GraphId = 0;
    closed_ = true;
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (graph_work_ > 0) {
        // The library is inside a call, waiting for a frame's time: let it finish the picture
        // at full speed, then close.
        close_put_off_ = true;
        GraphPanel->set_frame_pacing(false);
        event->ignore();
        return;
    }
    if (!closed_)
        FormCloseQuery();
    event->accept();
}

void MainWindow::after_graph_work()
{
    if (std::exchange(close_put_off_, false)) {
        resize_put_off_ = false;
        close();
        return;
    }
    if (std::exchange(resize_put_off_, false))
        FormResize();
}

void MainWindow::show_scene(int32_t number)
{
    if (!graph_open())
        return;
    GraphWork const work(*this);
    run_scene(state_, number);
    GraphPanel->flush();
}

void MainWindow::choose_drawing_mode(int item)
{
    if (QAbstractButton* button = DrawModeGrp->button(item))
        button->setChecked(true);
    DrawModeGrpClick();
}

void MainWindow::choose_colour_style(int item)
{
    if (QAbstractButton* button = ColorGrp->button(item))
        button->setChecked(true);
    ColorGrpClick();
}

void MainWindow::DrawModeGrpClick()
{
    GraphWork const work(*this);
    int const item = DrawModeGrp->checkedId();
    state_.DrawMode = item >= 0 && item <= 3 ? item + 1 : 4;
    TkSetDrawingMode(state_.GraphId, state_.DrawMode);
    reset_graph(state_, Clearing::Clear);
    GraphPanel->flush();
}

void MainWindow::ColorGrpClick()
{
    GraphWork const work(*this);
    int const item = ColorGrp->checkedId();
    state_.ColorStyle = item >= 0 && item <= 3 ? item : 3;
    reset_graph(state_, Clearing::Clear);
    TkClearWindow(state_.GraphId);
    TkDispatchToWindow(state_.GraphId);
    GraphPanel->flush();
}

void MainWindow::GraphMouseMove()
{
    set_busy(state_, state_.Busy);
    if (state_.Busy)
        return;
    int32_t point[2] = {0, 0};
    TkGetMousePos(state_.GraphId, point);
    if (state_.Readout == ReadoutMode::WindowPixels) {
        XValTxt->setText(QStringLiteral("%1").arg(point[0], 5));
        YValTxt->setText(QStringLiteral("%1").arg(point[1], 5));
        return;
    }
    if (state_.Readout == ReadoutMode::UserCoordinates) {
        XValTxt->setText(formatted_real(TkWindowToUserX(state_.GraphId, point[0], point[1])));
        YValTxt->setText(formatted_real(TkWindowToUserY(state_.GraphId, point[0], point[1])));
        return;
    }
    XValTxt->setText(QStringLiteral(" --- "));
    YValTxt->setText(QStringLiteral(" --- "));
}

void MainWindow::GraphPanelClick()
{
    XValTxt->setText(QStringLiteral("clicked"));
}

void MainWindow::ClearWindowClick()
{
    GraphWork const work(*this);
    reset_graph(state_, Clearing::Clear);
    GraphPanel->flush();
}

void MainWindow::AboutClick()
{
    std::string const text = "Kelvo graphics DLL KELVOLIB.DLL\nDLL version number: " + integer_text(TkGetVersion())
                           + "\n\nKelvotour shows what KelvoLib draws and computes.\n"
                             "Written by the KelvoLib developers.";
    KpMessageBox(text.c_str(), "About Kelvotour", message_box_ok, information_icon);
}

void MainWindow::on_panel_message(uint32_t number)
{
    if (closed_)
        return;
    if (number == mouse_move)
        GraphMouseMove();
    else if (number == left_button_up)
        GraphPanelClick();
}

} // namespace kelvotour
