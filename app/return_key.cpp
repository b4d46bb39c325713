// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/return_key.h"

#include <QKeyEvent>
#include <QPushButton>

namespace zentrel::app {

bool ReturnPressesButton::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    // A held key presses once, as a held Space does.
    if (!key->isAutoRepeat()) button->click();
    return true;
}

}  // namespace zentrel::app
