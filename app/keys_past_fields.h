// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

namespace zentrel::app {

// Watching a field, it lets the window's keys past it to the window's
// shortcuts where the field would take them for its own editing (under X11
// Ctrl+K cuts a field's text to its end).
class KeysPastFields : public QObject {
    Q_OBJECT
public:
    KeysPastFields(QList<QKeySequence> keys, QObject* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> keys_;
};

}  // namespace zentrel::app
