// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QStyleFactory>
#include <QWindow>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "app/actions.h"
#include "app/click_label.h"
#include "app/control_factory.h"
#include "app/event_pump.h"
#include "app/failure_text.h"
#include "app/finder.h"
#include "app/frame_clock.h"
#include "app/keys_past_fields.h"
#include "app/layout.h"
#include "app/movie_maker.h"
#include "app/picture_mouse.h"
#include "app/picture_surface.h"
#include "app/return_key.h"
#include "app/view_keeper.h"
#include "engine/worker_pool.h"
#include "params/presets.h"
#include "patterns/pattern_table.h"

namespace zentrel::app {
namespace {

const char* const kBrowserTitle = "Cannot find Browser:";

// Says that no browser started, with the address to copy into one by hand.
QString noBrowserMessage(const QString& address)
{
    return "No web browser could be started.\n\nTo visit the page, copy its address into a "
           "web browser:\n" +
           address;
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr FieldRole kFieldRoles[] = {FieldRole::Across, FieldRole::Down, FieldRole::Size,
                                     FieldRole::Xoom, FieldRole::Brightness};

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), classicStyle_(QStyleFactory::create("Windows"))
{
    setObjectName("qTac");
    setWindowTitle("Zentrel");
    setFixedSize(kClientWidth, kClientHeight);
    openAddress = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    endProgram = [] { std::_Exit(0); };
    buildControls();
    keeper_ = new ViewKeeper(*this, this);
    connectFinder();
    connectMovies();
    addActions();
    setAcceptDrops(true);
    focusFirstField();
}

// Ctrl+K keeps a keyframe even from a field, which would take the key to cut
// its text.
void MainWindow::connectMovies()
{
    movies_ = new MovieMaker(*this, *keeper_, *session_, this);
    auto* keyframeKey = new KeysPastFields(
        QKeySequence::listFromString(QString::fromStdString(actionRow(Action::AddKeyframe)->keys)),
        this);
    for (QLineEdit* typed : fields_) typed->installEventFilter(keyframeKey);
}

// The gallery follows the fields and the chosen pattern.
void MainWindow::connectFinder()
{
    QStringList keys;
    for (int i = 0; i < kPatternCount; ++i)
        keys << QString::fromStdString(actionRow(Action::DrawPattern, i)->keys);
    finder_ = new Finder(*this, {this, patternButtons_, keys, [this] { return fieldTexts(); },
                                 [this](int index) {
                                     const ActionRow* row = actionRow(Action::DrawPattern, index);
                                     row->run(*this, index);
                                 },
                                 [this](const QString& path) { keeper_->openPicture(path); }});
    connect(this, &MainWindow::drawingStarted, finder_, &Finder::viewMayHaveChanged);
    for (QLineEdit* edit : fields_)
        connect(edit, &QLineEdit::textChanged, finder_, &Finder::viewMayHaveChanged);
}

void MainWindow::focusFirstField() { control(tabOrder().front())->setFocus(); }

MainWindow::~MainWindow() = default;

template <class T>
T* MainWindow::control(std::string_view name) const
{
    T* found = findChild<T*>(toQString(name), Qt::FindDirectChildrenOnly);
    if (!found) throw std::logic_error("the window has no control named " + std::string(name));
    return found;
}

void MainWindow::buildControls()
{
    surface_ = new PictureSurface(this);
    session_ = std::make_unique<ViewSession>(WorkerPool::shared(), *this, *surface_, EventPump());
    session_->setSmoothSteps(smoothStepsChosen());
    frames_ = new FrameClock(*session_, this);
    connectMouse();
    auto* returnKey = new ReturnPressesButton(this);
    for (const ControlSpec& spec : controlLayout()) {
        QWidget* control = createControl(spec, this, classicStyle_.get());
        if (spec.kind == ControlKind::Button) control->installEventFilter(returnKey);
        connectControl(control, spec);
    }
    for (int i = 0; i < kPatternCount; ++i)
        patternButtons_.push_back(control<QPushButton>(arrayName("CMD", i)));
    for (FieldRole role : kFieldRoles)
        fields_[static_cast<std::size_t>(role)] = control<QLineEdit>(fieldName(role));
    field(FieldRole::Size)->installEventFilter(this);
    setTabOrder();
}

void MainWindow::connectControl(QWidget* control, const ControlSpec& spec)
{
    const ActionRow* row = actionRow(spec.action, spec.pattern);
    if (!row) return;
    const auto handler = [this, row] { row->run(*this, row->pattern); };
    if (auto* button = qobject_cast<QPushButton*>(control))
        connect(button, &QPushButton::clicked, this, handler);
    else if (auto* label = qobject_cast<ClickLabel*>(control))
        connect(label, &ClickLabel::clicked, this, handler);
    else
        throw std::logic_error("the control " + spec.name + " cannot be clicked");
}

void MainWindow::setTabOrder()
{
    QWidget* previous = nullptr;
    for (std::string_view name : tabOrder()) {
        QWidget* next = control(name);
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void MainWindow::addActions()
{
    contextMenu_ = new QMenu(this);
    for (const ActionRow& row : actionRegistry()) {
        if (row.keys.empty() && row.menuText.empty()) continue;
        auto* action = new QAction(QString::fromStdString(row.menuText), this);
        action->setObjectName(QString::fromStdString(row.name));
        action->setShortcuts(QKeySequence::listFromString(QString::fromStdString(row.keys)));
        connect(action, &QAction::triggered, this, [this, &row] { row.run(*this, row.pattern); });
        if (row.isOn) {
            action->setCheckable(true);
            action->setChecked(row.isOn(*this));
        }
        addAction(action);
        if (!row.menuText.empty()) contextMenu_->addAction(action);
    }
}

void MainWindow::drawPattern(int index) { session_->patternClicked(index); }

void MainWindow::focusPatternButton(int index)
{
    patternButtons_[index]->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::halt() { session_->halt(); }

void MainWindow::reset() { session_->reset(); }

void MainWindow::applyFieldRule(const Outcome<FieldTexts>& result)
{
    session_->applyFieldRule(result);
}

void MainWindow::stepThroughHistory(int steps) { session_->stepThroughHistory(steps); }

void MainWindow::showContextMenu()
{
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    const QPoint corner(kPlotLeft + 16, kPlotTop + 16);
    contextMenu_->popup(mapToGlobal(rect().contains(pointer) ? pointer : corner));
}

void MainWindow::showKeysAndMouse()
{
    QString text = "Keys\n";
    const auto lines = [&text](const std::vector<KeyText>& rows) {
        for (const KeyText& row : rows)
            text += QString("  %1\t%2\n")
                        .arg(QString::fromStdString(row.keys), QString::fromStdString(row.what));
    };
    lines(allKeys());
    text += "\nMouse on the picture\n";
    lines(mouseGestures());
    QMessageBox box(QMessageBox::Information, "Zentrel: keys and mouse", text, QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString MainWindow::haltFlag() const { return session_->drawing().haltRequested() ? "p" : ""; }

FieldTexts MainWindow::fieldTexts() const
{
    FieldTexts texts;
    for (FieldRole role : kFieldRoles) fieldText(texts, role) = field(role)->text().toStdString();
    return texts;
}

void MainWindow::writeFieldTexts(const FieldTexts& texts)
{
    for (FieldRole role : kFieldRoles) {
        const QString value = QString::fromStdString(fieldText(texts, role));
        if (field(role)->text() != value) field(role)->setText(value);
    }
}

// The size check as the size field loses the focus: it mends a text, it
// moves to no other view.
void MainWindow::checkSizeOnLeaving()
{
    const Outcome<FieldTexts> checked = checkSize(fieldTexts());
    if (!checked) return showFailure(checked.failure());
    writeFieldTexts(checked.value());
}

void MainWindow::showFailure(const QString& text)
{
    // The text may quote what came from outside: shown as it is, never as markup.
    QMessageBox box(QMessageBox::Critical, "Zentrel", text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MainWindow::reportFailure(const SessionFailure& failure)
{
    if (!failure.drawing) return showFailure(failure.failure);
    showFailure(
        QString::fromStdString(drawingFailureText(failure.drawing->caption, failure.failure)));
}

std::optional<View> MainWindow::shownView() const { return session_->shownView(); }

std::optional<View> MainWindow::typedView() const { return session_->typedView(); }

void MainWindow::showView(const View& view) { session_->showView(view); }

// The new colours show before the drawing starts; a button whose colour
// stays as it was would paint the very same pixels again, and is left be.
void MainWindow::markPattern(int index)
{
    for (int i = 0; i < kPatternCount; ++i) {
        QPushButton* button = patternButtons_[i];
        const QColor colour = toColor(i == index ? kChosenPattern : kUnselectedPattern);
        if (button->palette().color(QPalette::Button) == colour) continue;
        setBackColour(button, colour);
        button->repaint();
    }
    emit drawingStarted();
}

void MainWindow::clearPicture() { surface_->clear(); }

void MainWindow::connectMouse()
{
    auto* mouse = new PictureMouse(surface_);
    connect(mouse, &PictureMouse::panning, surface_, &PictureSurface::setShift);
    connect(mouse, &PictureMouse::panned, this, [this](QPoint offset) {
        surface_->setShift(QPoint());
        session_->panBy(offset.x(), offset.y());
    });
    connect(mouse, &PictureMouse::zoomedAt, this, [this](QPointF at, double factor) {
        session_->zoomAt({at.x(), at.y()}, factor);
    });
    connect(mouse, &PictureMouse::zoomedInAround, this, [this](QPointF at) {
        session_->zoomInAround({at.x(), at.y()});
    });
    connect(mouse, &PictureMouse::stepThroughHistory, this,
            [this](int steps) { session_->stepThroughHistory(steps); });
    connectHeldZoom(mouse);
}

void MainWindow::connectHeldZoom(PictureMouse* mouse)
{
    connect(mouse, &PictureMouse::holdStarted, this, [this](QPointF at, int direction) {
        session_->holdZoom({at.x(), at.y()}, direction);
    });
    connect(mouse, &PictureMouse::holdMoved, this, [this](QPointF at) {
        session_->aimHeldZoom({at.x(), at.y()});
    });
    connect(mouse, &PictureMouse::holdSpeeded, this,
            [this](double notches) { session_->speedHeldZoom(notches); });
    connect(mouse, &PictureMouse::holdEnded, this, [this] { session_->releaseZoom(); });
}

// Toward the pointer where it is on the picture, else toward its middle.
void MainWindow::holdZoom(int direction)
{
    const QRect area = surface_->pictureArea();
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    const QPointF at = area.contains(pointer) ? QPointF(pointer) : QRectF(area).center();
    session_->holdZoom({at.x() - kPlotLeft, at.y() - kPlotTop}, direction);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    const bool heldKey = event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    if (!heldKey || event->isAutoRepeat()) return QWidget::keyReleaseEvent(event);
    session_->releaseZoom();
}

void MainWindow::setSmoothSteps(bool on)
{
    session_->setSmoothSteps(on);
    keepSmoothSteps(on);
}

void MainWindow::startFrames() { frames_->start(); }

void MainWindow::scalePicture(PicturePoint around, double factor)
{
    surface_->scalePicture({around.column, around.row}, factor);
}

void MainWindow::openLink()
{
    const QString address = QString::fromUtf8(ZENTREL_HOME_ADDRESS);
    if (openAddress(QUrl(address))) return;
    QMessageBox box(QMessageBox::Critical, kBrowserTitle, noBrowserMessage(address),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    // The address can be selected and copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field(FieldRole::Size) && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            checkSizeOnLeaving();
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    matchScreenDensity();
    if (QWindow* shown = window()->windowHandle())
        connect(shown, &QWindow::screenChanged, this, &MainWindow::matchScreenDensity,
                Qt::UniqueConnection);
}

// A screen of two pixels a point gets pictures drawn twice as finely; the
// picture drawn for the other screen is gone.
void MainWindow::matchScreenDensity()
{
    const int density = std::max(1, static_cast<int>(std::ceil(devicePixelRatioF() - 0.01)));
    if (density == surface_->density()) return;
    session_->setDensity(density);
    surface_->setDensity(density);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    contextMenu_->popup(event->globalPos());
}

// A picture file dropped on the window opens its view.
void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().front().isLocalFile())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    keeper_->openPicture(event->mimeData()->urls().front().toLocalFile());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window frame ends the program like the exit labels, even
    // in the middle of a drawing.
    event->accept();
    endProgram();
}

}  // namespace zentrel::app
