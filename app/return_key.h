// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace zentrel::app {

// Return and Enter press the focused push button, as Space does. Buttons do
// that by themselves only in dialogs; a keyboard user expects it of every
// button of the window.
class ReturnPressesButton : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zentrel::app
