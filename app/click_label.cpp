// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/click_label.h"

#include <QMouseEvent>

namespace zentrel::app {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace zentrel::app
