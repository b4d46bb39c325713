#pragma once

#include <QString>
#include <QUrl>
#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>

#include "engine/field_texts.h"
#include "engine/outcome.h"

class QLineEdit;
class QPushButton;
class QStyle;

namespace zentrel::app {

class PictureSurface;

// The program's one window, qTac: every control at its place, the picture
// surface beneath them, and the handlers behind them.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Drawings started from inside a drawing wait on the stack, a few
    // kilobytes each; beyond this depth (about 1 MB of an 8 MB stack) a
    // pattern click is ignored rather than risk the stack.
    static constexpr int kMaxNesting = 256;

    const QString& haltFlag() const { return haltFlag_; }
    FieldTexts fieldTexts() const;
    const PictureSurface& surface() const { return *surface_; }
    int nesting() const { return nesting_; }

    // Called after each column is plotted, before the event pump; lets a
    // test act at a precise column.
    std::function<void(int column)> columnObserver;
    // Opens the address in the user's browser; false when none can start.
    std::function<bool(const QUrl&)> openAddress;
    // Ends the program at once, mid-drawing or not.
    std::function<void()> endProgram;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectControls();
    template <class Handler>
    void onClick(const QString& name, Handler handler);

    void patternClicked(int index);
    void highlightPatternButton(int index);
    void drawPattern(int index);
    void resetClicked();
    void linkClicked();

    void writeFieldTexts(const FieldTexts& texts);
    void applyFieldRule(const Outcome<FieldTexts>& result);
    void showFailure(const QString& text);

    std::unique_ptr<QStyle> classicStyle_;
    PictureSurface* surface_ = nullptr;
    QVector<QPushButton*> patternButtons_;
    QLineEdit* textOne_ = nullptr;
    QLineEdit* textTwo_ = nullptr;
    QLineEdit* textThree_ = nullptr;
    QLineEdit* textFour_ = nullptr;
    QLineEdit* textFive_ = nullptr;
    QString haltFlag_;
    int nesting_ = 0;
};

}  // namespace zentrel::app
