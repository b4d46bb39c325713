// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_identity.h"

#include <QApplication>
#include <QDir>

namespace zentrel::app {

QIcon zentrelIcon()
{
    // The build embeds the icon files drawn for the hicolor theme.
    QIcon icon;
    const QDir icons(":/icons");
    for (const QString& file : icons.entryList(QDir::Files)) icon.addFile(icons.filePath(file));
    return icon;
}

void setDesktopIdentity()
{
    QApplication::setOrganizationName("Zentrel");
    QApplication::setApplicationName("Zentrel");
    QApplication::setApplicationVersion(ZENTREL_VERSION);
    QApplication::setDesktopFileName(ZENTREL_APP_ID);
    QApplication::setWindowIcon(zentrelIcon());
}

}  // namespace zentrel::app
