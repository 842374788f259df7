#include "demo/qt_host/qt_boxes.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include "platform/box/dialog.h"
#include "platform/box/message_box.h"

namespace kelvotour {

namespace {

QMessageBox::StandardButtons buttons_of(kp::MessageBoxButtons buttons)
{
    switch (buttons) {
    case kp::MessageBoxButtons::Ok:
        return QMessageBox::Ok;
    case kp::MessageBoxButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case kp::MessageBoxButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case kp::MessageBoxButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon icon_of(kp::MessageBoxIcon icon)
{
    switch (icon) {
    case kp::MessageBoxIcon::None:
        return QMessageBox::NoIcon;
    case kp::MessageBoxIcon::Information:
        return QMessageBox::Information;
    case kp::MessageBoxIcon::Warning:
        return QMessageBox::Warning;
    case kp::MessageBoxIcon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

kp::MessageBoxAnswer answer_of(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return kp::MessageBoxAnswer::Yes;
    case QMessageBox::No:
        return kp::MessageBoxAnswer::No;
    case QMessageBox::Cancel:
        return kp::MessageBoxAnswer::Cancel;
    default:
        return kp::MessageBoxAnswer::Ok;
    }
}

QString const about_text = QStringLiteral(
    "<h3>Kelvotour</h3>"
    "<p>A tour of KelvoLib: graph windows, axes, curves, contours and surfaces, "
    "formulae and numerical methods.</p>"
    "<p>Written by the KelvoLib developers.</p>");

} // namespace

void install_qt_box_handlers(QWidget* owner)
{
    QPointer<QWidget> const guarded_owner(owner);
    kp::set_message_box_handler([guarded_owner](kp::MessageBoxRequest const& request) {
        QMessageBox box(icon_of(request.icon), QString::fromUtf8(request.caption), QString::fromUtf8(request.text),
                        buttons_of(request.buttons), guarded_owner.data());
        return answer_of(box.exec());
    });
    kp::set_dialog_handler([guarded_owner](kp::DialogRequest const&) {
        QMessageBox::about(guarded_owner.data(), QStringLiteral("About Kelvotour"), about_text);
        return int32_t{1};
    });
}

void remove_qt_box_handlers()
{
    kp::set_message_box_handler({});
    kp::set_dialog_handler({});
}

} // namespace kelvotour
