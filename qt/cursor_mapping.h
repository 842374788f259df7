#pragma once

#include <QCursor>

namespace kelvoqt {

// The Qt cursor for a platform cursor handle: Qt's own shapes for the system cursors, our
// pictures for the named ones, the blank cursor for none.
QCursor qt_cursor_for(uint32_t cursor);

} // namespace kelvoqt
