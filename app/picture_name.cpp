// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picture_name.h"

#include <QDir>
#include <QFileInfo>

namespace zentrel::app {

QString proposedName(const View& view)
{
    QString name = QString::fromUtf8(view.pattern->caption.data(),
                                     static_cast<qsizetype>(view.pattern->caption.size())) +
                   "-" + QString::fromStdString(view.fields.xoom).trimmed().left(40);
    for (QChar& c : name)
        if (!(c.isLetterOrNumber() || c == '.' || c == '+' || c == '-' || c == '_')) c = '-';
    return name + ".png";
}

QString freePath(const QString& folder, const View& view)
{
    const QDir dir(folder);
    const QString name = proposedName(view);
    QString path = dir.filePath(name);
    const QString stem = QFileInfo(name).completeBaseName();
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QString("%1 (%2).png").arg(stem).arg(n));
    return path;
}

}  // namespace zentrel::app
