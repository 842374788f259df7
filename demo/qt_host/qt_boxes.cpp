#include "demo/qt_host/qt_boxes.h"

#include <QMessageBox>

#include <utility>

#include "platform/box/dialog.h"
#include "platform/box/message_box.h"
#include "platform/font/text_decoding.h"

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

QString displayed_text(std::string_view bytes)
{
    std::u32string const characters = kp::decode_text(bytes, kp::TextEncoding::Unicode);
    return QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size()));
}

QtBoxHandlers::QtBoxHandlers()
{
    previous_message_box_handler_ = kp::set_message_box_handler([this](kp::MessageBoxRequest const& request) {
        QMessageBox box(icon_of(request.icon), displayed_text(request.caption), displayed_text(request.text),
                        buttons_of(request.buttons), owner_.data());
        return answer_of(box.exec());
    });
    previous_dialog_handler_ = kp::set_dialog_handler([this](kp::DialogRequest const&) {
        QMessageBox::about(owner_.data(), QStringLiteral("About Kelvotour"), about_text);
        return int32_t{1};
    });
}

QtBoxHandlers::~QtBoxHandlers()
{
    kp::set_message_box_handler(std::move(previous_message_box_handler_));
    kp::set_dialog_handler(std::move(previous_dialog_handler_));
}

} // namespace kelvotour
