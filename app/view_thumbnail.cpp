// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_thumbnail.h"

#include <QTemporaryDir>

#include "engine/worker_pool.h"
#include "picture/poster.h"

namespace zentrel::app {

QImage viewThumbnail(const View& view, QSize box)
{
    const View plain = viewWith(*view.pattern, view.fields);
    const auto plan = planPoster(plain);
    if (!plan || plan.value().empty()) return {};
    // Drawn through the picture files, which bring a picture whole into an
    // image; the folder goes with the file.
    QTemporaryDir folder;
    const QString path = folder.filePath("thumbnail.png");
    const auto written = writePoster(WorkerPool::shared(), plain, plan.value(), path.toStdString());
    if (!written) return {};
    return QImage(path).scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace zentrel::app
