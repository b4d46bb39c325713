// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "session/movie_keyframes.h"

class QWidget;

namespace zentrel {
class ViewSession;
}

namespace zentrel::app {

class MovieDialog;
class ViewHost;
class ViewKeeper;

// Movies of the window's views: the keyframes added one by one, and the
// dialog that makes a movie of them or of the history and plays it in the
// picture area.
class MovieMaker : public QObject {
    Q_OBJECT
public:
    MovieMaker(ViewHost& host, ViewKeeper& keeper, ViewSession& session, QWidget* window);
    ~MovieMaker() override;

    // "Add keyframe": the view in the fields, as Copy view writes it.
    void addKeyframe();
    // "Make movie...".
    void makeMovie();

    const KeyframeList& added() const { return added_; }
    MovieDialog* dialog() const { return dialog_; }

    // The file dialog, given the name proposed; "" when the person cancels.
    // Tests replace it.
    std::function<QString(QWidget* parent, const QString& proposed)> askMovieToSave;

private:
    // A frame in the picture area; the window's view is kept the first time.
    void preview(const View& frame);
    // Back to what the window showed before the preview.
    void endPreview();

    ViewHost& host_;
    ViewKeeper& keeper_;
    ViewSession& session_;
    KeyframeList added_;
    MovieDialog* dialog_ = nullptr;
    // The window as a preview started: the view of its picture and the view
    // in its fields.
    std::optional<View> shownBefore_;
    std::optional<View> typedBefore_;
    bool previewing_ = false;
};

}  // namespace zentrel::app
