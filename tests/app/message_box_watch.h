// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

namespace zentrel::test {

// The message box that a handler opens, closed as soon as it shows.
struct MessageBoxWatch {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextInteractionFlags interaction;

    // Watches for the next message box; call it before the action that
    // opens one.
    void arm()
    {
        QTimer::singleShot(0, [this] { closeWhenShown(); });
    }

private:
    void closeWhenShown()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, [this] { closeWhenShown(); });
            return;
        }
        title = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        icon = box->icon();
        interaction = box->textInteractionFlags();
        box->accept();
    }
};

}  // namespace zentrel::test
