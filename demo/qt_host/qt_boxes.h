#pragma once

class QWidget;

namespace kelvotour {

// Shows the platform's message boxes and dialogs with Qt, owned by `owner`.
void install_qt_box_handlers(QWidget* owner);
void remove_qt_box_handlers();

} // namespace kelvotour
