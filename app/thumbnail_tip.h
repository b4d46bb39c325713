// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QImage>
#include <QPoint>
#include <QString>

class QLabel;

namespace zentrel::app {

// A tooltip with a picture: the thumbnail of a pattern above the text the
// button has as its tooltip, if any.
class ThumbnailTip : public QFrame {
    Q_OBJECT
public:
    ThumbnailTip();

    void showAt(const QPoint& global, const QImage& picture, const QString& text);
    QString text() const;
    QImage picture() const;

private:
    QLabel* picture_;
    QLabel* text_;
};

}  // namespace zentrel::app
