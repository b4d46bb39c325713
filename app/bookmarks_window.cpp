// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/bookmarks_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QInputDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "thumbnails/thumbnail_view.h"

namespace zentrel::app {
namespace {

const QSize kIconSize(kThumbnailRows * 4 / 3, kThumbnailRows);
constexpr int kPathRole = Qt::UserRole + 1;

// The picture at the icon's size, read no larger than that.
QIcon thumbnailIcon(const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid()) reader.setScaledSize(size.scaled(kIconSize, Qt::KeepAspectRatio));
    return QIcon(QPixmap::fromImage(reader.read()));
}

QPushButton* addButton(QHBoxLayout* row, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    row->addWidget(button);
    return button;
}

}  // namespace

BookmarksWindow::BookmarksWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder)
{
    setObjectName("bookmarks");
    setWindowTitle("Zentrel: bookmarks");
    model_ = new QStandardItemModel(this);
    list_ = new QListView(this);
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(kIconSize);
    list_->setGridSize(kIconSize + QSize(24, 40));
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setWordWrap(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setModel(model_);
    connect(list_, &QListView::activated, this, [this] { openSelected(); });

    auto* buttons = new QHBoxLayout;
    connect(addButton(buttons, "Open", this), &QPushButton::clicked, this,
            &BookmarksWindow::openSelected);
    connect(addButton(buttons, "Rename", this), &QPushButton::clicked, this,
            &BookmarksWindow::renameSelected);
    connect(addButton(buttons, "Delete", this), &QPushButton::clicked, this,
            &BookmarksWindow::deleteSelected);
    connect(addButton(buttons, "Show in folder", this), &QPushButton::clicked, this,
            &BookmarksWindow::showInFolder);
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addWidget(list_);
    column->addLayout(buttons);
    resize(5 * (kIconSize.width() + 24) + 40, 2 * (kIconSize.height() + 40) + 80);

    askNewName = [](QWidget* parent, const QString& name) {
        return QInputDialog::getText(parent, "Rename bookmark", "New name:", QLineEdit::Normal,
                                     name);
    };
    confirmDelete = [](QWidget* parent, const QString& name) {
        return QMessageBox::question(parent, "Delete bookmark", "Delete \"" + name + "\"?") ==
               QMessageBox::Yes;
    };
    openFolder = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    QDir().mkpath(folder_);
    watcher_.addPath(folder_);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &BookmarksWindow::refresh);
    refresh();
}

void BookmarksWindow::refresh()
{
    const QString chosen = selectedPath();
    model_->clear();
    const QFileInfoList files =
        QDir(folder_).entryInfoList({"*.png", "*.PNG"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
        auto* item = new QStandardItem(thumbnailIcon(file.filePath()), file.completeBaseName());
        item->setData(file.filePath(), kPathRole);
        item->setToolTip(file.fileName());
        model_->appendRow(item);
    }
    if (!chosen.isEmpty()) select(chosen);
}

QStringList BookmarksWindow::paths() const
{
    QStringList all;
    for (int row = 0; row < model_->rowCount(); ++row)
        all << model_->item(row)->data(kPathRole).toString();
    return all;
}

void BookmarksWindow::select(const QString& path)
{
    const int row = static_cast<int>(paths().indexOf(path));
    if (row >= 0) list_->setCurrentIndex(model_->index(row, 0));
}

QString BookmarksWindow::selectedPath() const
{
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? current.data(kPathRole).toString() : QString();
}

void BookmarksWindow::openSelected()
{
    const QString path = selectedPath();
    if (!path.isEmpty()) open(path);
}

void BookmarksWindow::renameSelected()
{
    const QString path = selectedPath();
    if (path.isEmpty()) return;
    const QFileInfo file(path);
    const QString name = askNewName(this, file.completeBaseName()).trimmed();
    if (name.isEmpty() || name == file.completeBaseName()) return;
    if (name.contains('/') || name.startsWith('.'))
        return showFailure("A bookmark's name cannot hold \"/\" or start with \".\".");
    const QString renamed = file.dir().filePath(name + "." + file.suffix());
    // QFile::rename leaves a file of the new name as it is, and fails.
    if (!QFile::rename(path, renamed))
        return showFailure("\"" + file.fileName() + "\" could not be renamed to \"" +
                           QFileInfo(renamed).fileName() +
                           "\": a file of that name exists or the folder cannot be written.");
    refresh();
    select(renamed);
}

void BookmarksWindow::deleteSelected()
{
    const QString path = selectedPath();
    if (path.isEmpty() || !confirmDelete(this, QFileInfo(path).completeBaseName())) return;
    if (!QFile::remove(path))
        return showFailure("\"" + QFileInfo(path).fileName() + "\" could not be deleted.");
    refresh();
}

void BookmarksWindow::showInFolder()
{
    if (!openFolder(QUrl::fromLocalFile(folder_)))
        showFailure("No file manager could be started. The bookmarks are in\n" + folder_);
}

}  // namespace zentrel::app
