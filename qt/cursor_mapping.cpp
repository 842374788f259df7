#include "qt/cursor_mapping.h"

#include <QImage>
#include <QPixmap>

#include "platform/window/cursor.h"

namespace kelvoqt {

QCursor qt_cursor_for(uint32_t handle)
{
    kp::Cursor const* cursor = kp::find_cursor(handle);
    if (cursor == nullptr)
        return QCursor(Qt::BlankCursor);
    switch (cursor->shape) {
    case kp::CursorShape::Arrow:
        return QCursor(Qt::ArrowCursor);
    case kp::CursorShape::Hourglass:
        return QCursor(Qt::WaitCursor);
    case kp::CursorShape::Cross:
        return QCursor(Qt::CrossCursor);
    case kp::CursorShape::IBeam:
        return QCursor(Qt::IBeamCursor);
    case kp::CursorShape::Picture:
        break;
    }
    QImage image(reinterpret_cast<uchar const*>(cursor->argb.data()), cursor->size.width, cursor->size.height,
                 cursor->size.width * 4, QImage::Format_ARGB32);
    return QCursor(QPixmap::fromImage(image.copy()), cursor->hotspot.x, cursor->hotspot.y);
}

} // namespace kelvoqt
