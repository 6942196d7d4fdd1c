#include "platform/ui/window/snapshot.h"

#include <QImage>
#include <QPixmap>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/window/window_widget.h"

namespace ui {

void SnapshotWindow(HWND window, TBitmap& bitmap) {
    TWindowWidget* widget = WidgetOf(window);
    if (!widget) {
        bitmap.SetSize(0, 0);
        return;
    }
    QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    bitmap.SetSize(image.width(), image.height());
    bitmap.Image() = image;
}

} // namespace ui
