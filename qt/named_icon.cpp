// The platform's named icons as Qt images.

#include "qt/kelvoqt.h"

#include "platform/window/icon.h"

namespace kelvoqt {

QImage named_icon(QString const& name)
{
    kp::Icon const* icon = kp::find_icon(kp::load_named_icon(name.toStdString()));
    if (icon == nullptr)
        return {};
    QImage const view(reinterpret_cast<uchar const*>(icon->argb.data()), icon->size.width, icon->size.height,
                      icon->size.width * 4, QImage::Format_ARGB32);
    // The view borrows the icon's pixels; the copy owns its own.
    return view.copy();
}

} // namespace kelvoqt
