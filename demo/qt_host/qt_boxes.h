#pragma once

// Shows the platform's message boxes and dialogs with Qt while an object of this kind lives.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <string_view>

#include "platform/box/dialog.h"
#include "platform/box/message_box.h"

namespace kelvotour {

class QtBoxHandlers {
public:
    // Boxes have no owner until one is set: a program makes this before its main window, so
    // that boxes raised while the window is being built show too.
    QtBoxHandlers();
    // Boxes go back to the handlers installed before (without any, standard error).
    ~QtBoxHandlers();
    QtBoxHandlers(QtBoxHandlers const&) = delete;
    QtBoxHandlers& operator=(QtBoxHandlers const&) = delete;

    void set_owner(QWidget* owner) { owner_ = owner; }

private:
    QPointer<QWidget> owner_;
    kp::MessageBoxHandler previous_message_box_handler_;
    kp::DialogHandler previous_dialog_handler_;
};

// A text as the platform shows it: UTF-8 where it is valid UTF-8, otherwise byte by byte
// as Windows-1252.
QString displayed_text(std::string_view bytes);

} // namespace kelvotour
