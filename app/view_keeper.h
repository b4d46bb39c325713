// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "picture/view.h"

class QWidget;

namespace zentrel::app {

class PageDialog;
class PosterDialog;
class ViewHost;

// Keeping and sharing what the window shows: the picture saved or copied,
// the view copied as a line of text and pasted back, a picture's view
// opened, and posters rendered in the background. Each is a row of the
// window's actions, with its key and its entry in the context menu.
class ViewKeeper : public QObject {
    Q_OBJECT
public:
    ViewKeeper(ViewHost& host, QWidget* window);
    ~ViewKeeper() override;

    // Opens the view of a picture file, as a drop or "Open view from
    // picture..." does.
    void openPicture(const QString& path);

    void savePicture();
    void copyPicture();
    void copyView();
    void pasteView();
    void openViewFromPicture();
    void renderPoster();
    void exportPage();

    // The file dialogs, given the file proposed or the folder to start in;
    // "" when the person cancels. A file to save has a picture's ending.
    // Tests replace them.
    std::function<QString(QWidget* parent, const QString& proposed)> askPictureToSave;
    std::function<QString(QWidget* parent, const QString& folder)> askPictureToOpen;

    PosterDialog* posterDialog() const { return poster_; }
    PageDialog* pageDialog() const { return page_; }
    // The folder the file dialogs remember, and where they start.
    QString pictureFolder() const;

private:
    void rememberFolderOf(const QString& path);
    // Shows a view from outside whole, or refuses it with every field as it
    // was.
    void showWhole(const View& view);
    // The pattern and Xoom named, in the folder last used.
    QString proposedPath(const View& view) const;

    ViewHost& host_;
    PosterDialog* poster_ = nullptr;
    PageDialog* page_ = nullptr;
};

}  // namespace zentrel::app
