// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <QVector>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "app/actions.h"
#include "app/view_host.h"
#include "engine/field_texts.h"
#include "session/session_window.h"
#include "session/view_session.h"

class QLineEdit;
class QMenu;
class QPushButton;
class QStyle;

namespace zentrel::app {

class Finder;
class FrameClock;
class MovieMaker;
class PictureMouse;
class PictureSurface;
class ViewKeeper;
struct ControlSpec;

// The program's one window, qTac: every control at its place, the picture
// surface beneath them, and the wiring that hands their clicks to the view
// session, which holds what is shown and drawn.
class MainWindow : public QWidget, public ViewHost, public SessionWindow, public ActionTarget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // "p" while a halt is requested, empty otherwise.
    QString haltFlag() const;
    FieldTexts fieldTexts() const override;
    const PictureSurface& surface() const { return *surface_; }
    DrawingController& drawing() { return session_->drawing(); }
    ViewKeeper& keeper() override { return *keeper_; }
    Finder& finder() override { return *finder_; }
    MovieMaker& movies() override { return *movies_; }

    std::optional<View> shownView() const override;
    std::optional<View> typedView() const override;
    void showView(const View& view) override;
    void showFailure(const QString& text) override;
    using ViewHost::showFailure;
    QWidget* dialogParent() override { return this; }

    // Puts the focus on the first field of the tab order, as the window
    // opens.
    void focusFirstField();

    // What the actions do (app/actions.h).
    void drawPattern(int index) override;
    void focusPatternButton(int index) override;
    void halt() override;
    void reset() override;
    void openLink() override;
    void minimise() override { window()->showMinimized(); }
    void exitProgram() override { endProgram(); }
    void applyFieldRule(const Outcome<FieldTexts>& result) override;
    void stepThroughHistory(int steps) override;
    // The picture's menu, at the pointer when it is on the window, else at
    // the picture's corner.
    void showContextMenu() override;
    void showKeysAndMouse() override;
    void holdZoom(int direction) override;
    bool smoothSteps() const override { return session_->smoothSteps(); }
    // Kept in the settings for the next start too.
    void setSmoothSteps(bool on) override;

    // Opens the address in the user's browser; false when none can start.
    std::function<bool(const QUrl&)> openAddress;
    // Ends the program at once, mid-drawing or not.
    std::function<void()> endProgram;

signals:
    // A pattern is marked for a drawing or a view coming back.
    void drawingStarted();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Letting go of a held zoom's key.
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // What the session asks of the window.
    void writeFieldTexts(const FieldTexts& texts) override;
    void markPattern(int index) override;
    void clearPicture() override;
    void reportFailure(const SessionFailure& failure) override;
    void startFrames() override;
    void scalePicture(PicturePoint around, double factor) override;

    void buildControls();
    void connectControl(QWidget* control, const ControlSpec& spec);
    void setTabOrder();
    // The control of that name; a name the layout does not have is a fault
    // of the program, reported at start-up.
    template <class T = QWidget>
    T* control(std::string_view name) const;

    // A QAction for every row of the registry with keys or a menu entry.
    void addActions();
    void connectFinder();
    void connectMovies();

    void matchScreenDensity();
    void checkSizeOnLeaving();
    QLineEdit* field(FieldRole role) const { return fields_[static_cast<std::size_t>(role)]; }

    // The hand on the picture: each move rewrites the fields and draws the
    // chosen pattern again, coarse to fine or from what is known.
    void connectMouse();
    void connectHeldZoom(PictureMouse* mouse);

    std::unique_ptr<QStyle> classicStyle_;
    PictureSurface* surface_ = nullptr;
    std::unique_ptr<ViewSession> session_;
    ViewKeeper* keeper_ = nullptr;
    Finder* finder_ = nullptr;
    MovieMaker* movies_ = nullptr;
    FrameClock* frames_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    QVector<QPushButton*> patternButtons_;
    // The five fields, indexed by the part they play (FieldRole).
    std::array<QLineEdit*, 5> fields_{};
};

}  // namespace zentrel::app
