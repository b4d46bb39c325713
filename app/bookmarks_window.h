// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>

class QListView;
class QStandardItemModel;

namespace zentrel::app {

// "Bookmarks": the pictures of the bookmarks folder as a grid of
// thumbnails, kept up to date as files come and go (one dropped in by
// hand, one shared by someone), each to open, rename, delete or show in
// its folder. A bookmark is an ordinary picture file; one without a view
// says so when opened.
class BookmarksWindow : public QWidget {
    Q_OBJECT
public:
    BookmarksWindow(const QString& folder, QWidget* parent);

    // Reads the folder again.
    void refresh();
    QListView* list() const { return list_; }
    // The paths of the pictures shown, in their order.
    QStringList paths() const;
    // Chooses the bookmark of the path, as a click does.
    void select(const QString& path);

    void openSelected();
    void renameSelected();
    void deleteSelected();
    void showInFolder();

    // What the window does to the world; tests replace them.
    std::function<void(const QString& path)> open;
    std::function<void(const QString& text)> showFailure;
    // The new name (without the ending) for the bookmark; "" to keep it.
    std::function<QString(QWidget* parent, const QString& name)> askNewName;
    std::function<bool(QWidget* parent, const QString& name)> confirmDelete;
    std::function<bool(const QUrl& folder)> openFolder;

private:
    QString selectedPath() const;

    QString folder_;
    QListView* list_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    QFileSystemWatcher watcher_;
};

}  // namespace zentrel::app
