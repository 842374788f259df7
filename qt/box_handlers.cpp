// Message boxes and named dialogues of the platform, shown with Qt.

#include "qt/kelvoqt.h"

#include <QMessageBox>

#include <memory>
#include <string_view>
#include <utility>

#include "platform/box/dialog.h"
#include "platform/box/message_box.h"
#include "platform/font/text_decoding.h"

namespace kelvoqt {

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

// A text as the platform shows it: UTF-8 where it is valid UTF-8, otherwise byte by byte
// as Windows-1252.
QString displayed_text(std::string_view bytes)
{
    std::u32string const characters = kp::decode_text(bytes, kp::TextEncoding::Unicode);
    return QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size()));
}

// Without a dialogue of its own, a program's named dialogue shows as a box that names it.
int32_t plain_dialog(QWidget* owner, QString const& template_name)
{
    QMessageBox::information(owner, template_name, QStringLiteral("Dialogue \"%1\"").arg(template_name));
    return 1;
}

} // namespace

struct BoxHandlers::Previous {
    kp::MessageBoxHandler message_box;
    kp::DialogHandler dialog;
};

BoxHandlers::BoxHandlers()
    : dialog_(plain_dialog)
    , previous_(std::make_unique<Previous>())
{
    previous_->message_box = kp::set_message_box_handler([this](kp::MessageBoxRequest const& request) {
        QMessageBox box(icon_of(request.icon), displayed_text(request.caption), displayed_text(request.text),
                        buttons_of(request.buttons), owner_.data());
        return answer_of(box.exec());
    });
    previous_->dialog = kp::set_dialog_handler([this](kp::DialogRequest const& request) {
        return dialog_(owner_.data(), displayed_text(request.template_name));
    });
}

BoxHandlers::~BoxHandlers()
{
    kp::set_message_box_handler(std::move(previous_->message_box));
    kp::set_dialog_handler(std::move(previous_->dialog));
}

void BoxHandlers::set_owner(QWidget* owner)
{
    owner_ = owner;
}

void BoxHandlers::set_dialog(DialogFunction dialog)
{
    dialog_ = dialog ? std::move(dialog) : DialogFunction(plain_dialog);
}

} // namespace kelvoqt
