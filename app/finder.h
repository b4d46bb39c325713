// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <functional>
#include <memory>

#include "engine/field_texts.h"
#include "picture/view.h"

class QPushButton;
class QWidget;

namespace zentrel::app {

class BookmarksWindow;
class PatternGallery;
class ThumbnailTip;
class ViewHost;

// What finding needs of the window besides its views.
struct FinderWindow {
    QWidget* window;
    QVector<QPushButton*> patternButtons;
    QStringList patternKeys;  // each pattern button's key, "Alt+A"
    std::function<FieldTexts()> fieldTexts;
    // What a click on the pattern's button does.
    std::function<void(int index)> drawAsButton;
    // What opening a picture file does: its view drawn, or why not said.
    std::function<void(const QString& path)> openPicture;
};

// Finding a place and a pattern: "Every pattern here", the thumbnail a
// pattern button shows when the pointer rests on it, and bookmarks, views
// kept as small picture files in a folder of the user's pictures.
class Finder : public QObject {
    Q_OBJECT
public:
    Finder(ViewHost& host, FinderWindow window);
    ~Finder() override;

    void showGallery();
    void bookmarkView();
    void showBookmarks();
    // The fields or the chosen pattern changed: the gallery follows.
    void viewMayHaveChanged();

    // The view whose region the thumbnails show: the chosen pattern (the
    // first before any is chosen) and the fields as they stand.
    View regionView() const;
    // "Zentrel bookmarks" in the user's pictures folder.
    static QString bookmarksFolder();

    PatternGallery* gallery() const { return gallery_; }
    BookmarksWindow* bookmarks() const { return bookmarks_; }
    ThumbnailTip& tip() const { return *tip_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTip();

    ViewHost& host_;
    FinderWindow window_;
    PatternGallery* gallery_ = nullptr;
    BookmarksWindow* bookmarks_ = nullptr;
    std::unique_ptr<ThumbnailTip> tip_;
    QTimer tipDelay_;
    int hovered_ = -1;  // the pattern button under the pointer
};

}  // namespace zentrel::app
