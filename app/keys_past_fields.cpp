// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys_past_fields.h"

#include <QKeyEvent>

namespace zentrel::app {

KeysPastFields::KeysPastFields(QList<QKeySequence> keys, QObject* parent)
    : QObject(parent), keys_(std::move(keys))
{
}

bool KeysPastFields::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
    // An override the field does not see is not taken: the shortcut runs.
    const auto* key = static_cast<QKeyEvent*>(event);
    return keys_.contains(QKeySequence(key->keyCombination()));
}

}  // namespace zentrel::app
