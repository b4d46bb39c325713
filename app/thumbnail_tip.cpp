// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/thumbnail_tip.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace zentrel::app {

ThumbnailTip::ThumbnailTip()
    : QFrame(nullptr, Qt::ToolTip), picture_(new QLabel(this)), text_(new QLabel(this))
{
    setObjectName("thumbnail-tip");
    setFrameShape(QFrame::Box);
    text_->setTextFormat(Qt::PlainText);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->addWidget(picture_);
    column->addWidget(text_);
}

void ThumbnailTip::showAt(const QPoint& global, const QImage& picture, const QString& text)
{
    picture_->setPixmap(QPixmap::fromImage(picture));
    text_->setText(text);
    text_->setVisible(!text.isEmpty());
    adjustSize();
    move(global);
    show();
}

QString ThumbnailTip::text() const { return text_->text(); }

QImage ThumbnailTip::picture() const { return picture_->pixmap().toImage(); }

}  // namespace zentrel::app
