#pragma once

#include <QUrl>
#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "app/view_host.h"
#include "engine/field_texts.h"
#include "engine/outcome.h"
#include "explore/drawing.h"
#include "explore/explorer.h"
#include "params/view_history.h"

class QLineEdit;
class QMenu;
class QPushButton;
class QStyle;

namespace zentrel::app {

class PictureSurface;
class ViewKeeper;
struct ControlSpec;

// The program's one window, qTac: every control at its place, the picture
// surface beneath them, and the handlers behind them.
class MainWindow : public QWidget, public ViewHost {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // "p" while a halt is requested, empty otherwise.
    QString haltFlag() const;
    FieldTexts fieldTexts() const;
    const PictureSurface& surface() const { return *surface_; }
    DrawingController& drawing() { return *drawing_; }
    ViewKeeper& keeper() { return *keeper_; }

    std::optional<View> shownView() const override;
    std::optional<View> typedView() const override;
    void showView(const View& view) override;
    void showFailure(const QString& text) override;
    using ViewHost::showFailure;
    QWidget* dialogParent() override { return this; }

    // Puts the focus on the first field of the tab order, as the window
    // opens.
    void focusFirstField();

    // What the actions do (app/actions.cpp).
    void drawPattern(int index);
    // Moves the focus to the pattern's button, as a click on it does (the
    // size field is checked as it loses the focus).
    void focusPatternButton(int index);
    void halt();
    void reset();
    void openLink();
    // The picture's menu, at the pointer when it is on the picture, else at
    // the picture's corner.
    void showContextMenu();
    void showKeysAndMouse();
    // A rule's texts for the fields, the view left recorded for the way back.
    void applyFieldRule(const Outcome<FieldTexts>& result);
    void stepThroughHistory(int steps);

    // Opens the address in the user's browser; false when none can start.
    std::function<bool(const QUrl&)> openAddress;
    // Ends the program at once, mid-drawing or not.
    std::function<void()> endProgram;

signals:
    // A pattern's drawing begins on the picture area.
    void drawingStarted();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void connectControl(QWidget* control, const ControlSpec& spec);
    void setTabOrder();
    // The control of that name; a name the layout does not have is a fault
    // of the program, reported at start-up.
    template <class T = QWidget>
    T* control(std::string_view name) const;

    // A QAction for every row of the registry with keys or a menu entry.
    void addActions();
    void highlightPatternButton(int index);

    void matchScreenDensity();
    void writeFieldTexts(const FieldTexts& texts);
    void recordView();
    void checkSizeOnLeaving();
    int chosenIndex() const;

    // The hand on the picture: each move rewrites the fields and draws the
    // chosen pattern again, coarse to fine or from what is known.
    void connectMouse();
    void moveByHand(const std::function<Outcome<FieldTexts>(const View& shown)>& move);
    void exploreTo(const View& view);
    void stopExploring();

    std::unique_ptr<QStyle> classicStyle_;
    PictureSurface* surface_ = nullptr;
    std::unique_ptr<DrawingController> drawing_;
    ViewKeeper* keeper_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    std::unique_ptr<Explorer> explorer_;
    ViewHistory history_;
    // The view the hand asked for last, while a redraw gives way to it.
    std::optional<View> pendingView_;
    bool exploring_ = false;
    bool exploringStopped_ = false;
    // The views of the drawings running now, innermost last, and of the
    // picture on the surface.
    std::vector<View> drawingViews_;
    std::optional<View> shownView_;
    const Pattern* chosenPattern_ = nullptr;
    QVector<QPushButton*> patternButtons_;
    QLineEdit* textOne_ = nullptr;
    QLineEdit* textTwo_ = nullptr;
    QLineEdit* textThree_ = nullptr;
    QLineEdit* textFour_ = nullptr;
    QLineEdit* textFive_ = nullptr;
};

}  // namespace zentrel::app
