#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
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

#include "app/click_label.h"
#include "app/control_factory.h"
#include "app/failure_text.h"
#include "app/keys.h"
#include "app/layout.h"
#include "app/picture_mouse.h"
#include "app/picture_surface.h"
#include "app/return_key.h"
#include "app/view_keeper.h"
#include "engine/worker_pool.h"
#include "params/mouse_navigation.h"
#include "params/navigation.h"
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

std::string toStd(const QLineEdit* field) { return field->text().toStdString(); }

// The pattern's button, or -1 for none.
int indexOf(const Pattern* pattern)
{
    for (int i = 0; i < kPatternCount; ++i)
        if (patternTable()[i] == pattern) return i;
    return -1;
}

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
    addKeys();
    setAcceptDrops(true);
    textThree_->setFocus();
}

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
    drawing_ = std::make_unique<DrawingController>(WorkerPool::shared(), *surface_,
                                                   [] { QCoreApplication::processEvents(); });
    explorer_ = std::make_unique<Explorer>(WorkerPool::shared(), *surface_,
                                           [] { QCoreApplication::processEvents(); });
    connectMouse();
    auto* returnKey = new ReturnPressesButton(this);
    for (const ControlSpec& spec : controlLayout()) {
        QWidget* control = createControl(spec, this, classicStyle_.get());
        if (spec.kind == ControlKind::Button) control->installEventFilter(returnKey);
        connectControl(control, spec);
    }
    for (int i = 0; i < kPatternCount; ++i)
        patternButtons_.push_back(control<QPushButton>(arrayName("CMD", i)));
    textOne_ = control<QLineEdit>("TextOne");
    textTwo_ = control<QLineEdit>("TextTwo");
    textThree_ = control<QLineEdit>("TextThree");
    textFour_ = control<QLineEdit>("TextFour");
    textFive_ = control<QLineEdit>("Textfive");
    textThree_->installEventFilter(this);
    setTabOrder();
}

void MainWindow::connectControl(QWidget* control, const ControlSpec& spec)
{
    if (spec.action == Action::None) return;
    const auto handler = [this, &spec] { run(spec.action, spec.pattern); };
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

void MainWindow::addKeys()
{
    for (const KeyRow& row : navigationKeys()) {
        auto* key = new QAction(this);
        key->setShortcut(QKeySequence(QString::fromStdString(row.keys)));
        connect(key, &QAction::triggered, this, [this, &row] { run(row.action, row.pattern); });
        addAction(key);
    }
}

void MainWindow::run(Action action, int pattern)
{
    const FieldTexts f = fieldTexts();
    switch (action) {
    case Action::None:
        return;
    case Action::DrawPattern:
        return patternClicked(pattern);
    case Action::Halt:
        return drawing_->requestHalt();
    case Action::Reset:
        return resetClicked();
    case Action::SmallPreset:
        return applyFieldRule(smallPreset(f));
    case Action::MediumPreset:
        return applyFieldRule(mediumPreset(f));
    case Action::LargePreset:
        return applyFieldRule(largePreset(f));
    case Action::HalveXoom:
        return applyFieldRule(halveXoom(f));
    case Action::DoubleXoom:
        return applyFieldRule(doubleXoom(f));
    case Action::MoveRight:
        return applyFieldRule(moveAcross(f, Direction::Forward));
    case Action::MoveLeft:
        return applyFieldRule(moveAcross(f, Direction::Back));
    case Action::MoveDown:
        return applyFieldRule(moveDown(f, Direction::Forward));
    case Action::MoveUp:
        return applyFieldRule(moveDown(f, Direction::Back));
    case Action::DoubleDown:
        return applyFieldRule(doublePosition(f, Axis::Down));
    case Action::HalveDown:
        return applyFieldRule(halvePosition(f, Axis::Down));
    case Action::DoubleAcross:
        return applyFieldRule(doublePosition(f, Axis::Across));
    case Action::HalveAcross:
        return applyFieldRule(halvePosition(f, Axis::Across));
    case Action::StepXoomOut:
        return applyFieldRule(stepXoomOut(f));
    case Action::StepXoomIn:
        return applyFieldRule(stepXoomIn(f));
    case Action::ZoomLowerRight:
        return applyFieldRule(zoomIntoCorner(f, Corner::LowerRight));
    case Action::ZoomLowerLeft:
        return applyFieldRule(zoomIntoCorner(f, Corner::LowerLeft));
    case Action::ZoomTopRight:
        return applyFieldRule(zoomIntoCorner(f, Corner::TopRight));
    case Action::ZoomTopLeft:
        return applyFieldRule(zoomIntoCorner(f, Corner::TopLeft));
    case Action::Exit:
        return endProgram();
    case Action::Minimise:
        return window()->showMinimized();
    case Action::OpenLink:
        return linkClicked();
    case Action::Back:
        return stepThroughHistory(-1);
    case Action::Forward:
        return stepThroughHistory(1);
    }
}

QString MainWindow::haltFlag() const { return drawing_->haltRequested() ? "p" : ""; }

FieldTexts MainWindow::fieldTexts() const
{
    return {toStd(textOne_), toStd(textTwo_), toStd(textThree_), toStd(textFour_),
            toStd(textFive_)};
}

void MainWindow::writeFieldTexts(const FieldTexts& texts)
{
    const auto write = [](QLineEdit* field, const std::string& text) {
        const QString value = QString::fromStdString(text);
        if (field->text() != value) field->setText(value);
    };
    write(textOne_, texts.across);
    write(textTwo_, texts.down);
    write(textThree_, texts.size);
    write(textFour_, texts.xoom);
    write(textFive_, texts.brightness);
}

void MainWindow::applyFieldRule(const Outcome<FieldTexts>& result)
{
    if (!result) return showFailure(result.failure());
    if (result.value() == fieldTexts()) return;
    recordView();
    writeFieldTexts(result.value());
}

int MainWindow::chosenIndex() const { return indexOf(chosenPattern_); }

// The size check as the size field loses the focus: it mends a text, it
// moves to no other view.
void MainWindow::checkSizeOnLeaving()
{
    const Outcome<FieldTexts> checked = checkSize(fieldTexts());
    if (!checked) return showFailure(checked.failure());
    writeFieldTexts(checked.value());
}

void MainWindow::recordView() { history_.record(ViewStep{chosenIndex(), fieldTexts()}); }

void MainWindow::showFailure(const QString& text)
{
    // The text may quote what came from outside: shown as it is, never as markup.
    QMessageBox box(QMessageBox::Critical, "Zentrel", text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MainWindow::patternClicked(int index)
{
    const Pattern& pattern = *patternTable()[index];
    const FieldTexts fields = fieldTexts();
    const DrawingEnd end = drawing_->draw(pattern, fields, [&] {
        stopExploring();
        if (chosenPattern_ && chosenPattern_ != &pattern) recordView();
        highlightPatternButton(index);
        chosenPattern_ = &pattern;
        drawingViews_.push_back(viewWith(pattern, fields));
        shownView_ = drawingViews_.back();
    });
    if (end.kind == DrawingEnd::Kind::Refused) return;
    // A whole picture is kept for the moves that follow; a part of one is
    // no picture of any view.
    if (end.drawn)
        explorer_->remember(end.drawn);
    else
        explorer_->forget();
    // A drawing this one ran inside goes on over the same picture.
    drawingViews_.pop_back();
    if (!drawingViews_.empty()) shownView_ = drawingViews_.back();
    if (end.failure)
        showFailure(QString::fromStdString(drawingFailureText(pattern.caption, *end.failure)));
}

std::optional<View> MainWindow::shownView() const { return shownView_; }

std::optional<View> MainWindow::typedView() const
{
    if (!chosenPattern_) return std::nullopt;
    return viewWith(*chosenPattern_, fieldTexts());
}

void MainWindow::showView(const View& view)
{
    recordView();
    writeFieldTexts(view.fields);
    const int index = indexOf(view.pattern);
    if (index < 0) return;
    // The view left is recorded above, its pattern with its fields; the
    // drawing would otherwise record the old pattern with the new fields.
    // The button is marked here too, for a drawing refused as too deeply
    // nested.
    chosenPattern_ = view.pattern;
    highlightPatternButton(index);
    patternClicked(index);
}

void MainWindow::highlightPatternButton(int index)
{
    for (QPushButton* button : patternButtons_) setBackColour(button, toColor(kUnselectedPattern));
    const QColor highlight = control("Label17")->palette().color(QPalette::WindowText);
    setBackColour(patternButtons_[index], highlight);
    for (QPushButton* button : patternButtons_) button->repaint();
}

void MainWindow::resetClicked()
{
    drawing_->requestHalt();
    stopExploring();
    applyFieldRule(resetFields());
    surface_->clear();
    explorer_->forget();
    shownView_.reset();
}

void MainWindow::connectMouse()
{
    auto* mouse = new PictureMouse(surface_);
    connect(mouse, &PictureMouse::panning, surface_, &PictureSurface::setShift);
    connect(mouse, &PictureMouse::panned, this, [this](QPoint offset) {
        surface_->setShift(QPoint());
        moveByHand(
            [&](const View& shown) { return panView(shown.fields, offset.x(), offset.y()); });
    });
    connect(mouse, &PictureMouse::zoomedAt, this, [this](QPointF at, double factor) {
        moveByHand([&](const View& shown) {
            return zoomAround(shown.fields, {shown.pattern->rule, std::nullopt}, {at.x(), at.y()},
                              factor);
        });
    });
    connect(mouse, &PictureMouse::zoomedInAround, this, [this](QPointF at) {
        moveByHand([&](const View& shown) {
            return zoomInCentredOn(shown.fields, {shown.pattern->rule, std::nullopt},
                                   {at.x(), at.y()});
        });
    });
    connect(mouse, &PictureMouse::stepThroughHistory, this, &MainWindow::stepThroughHistory);
}

// The move is made from the view on the picture, where the hand is.
void MainWindow::moveByHand(const std::function<Outcome<FieldTexts>(const View& shown)>& move)
{
    if (!shownView_) return;
    const View shown = *shownView_;
    const Outcome<FieldTexts> moved = move(shown);
    if (!moved) return showFailure(moved.failure());
    recordView();
    writeFieldTexts(moved.value());
    exploreTo(viewWith(*shown.pattern, moved.value()));
}

void MainWindow::exploreTo(const View& view)
{
    drawing_->requestHalt();
    pendingView_ = view;
    // A redraw running already gives way at its next piece.
    if (exploring_) return;
    exploring_ = true;
    exploringStopped_ = false;
    while (pendingView_ && !exploringStopped_) {
        const View next = *pendingView_;
        pendingView_.reset();
        shownView_ = next;
        const auto end = explorer_->show(*next.pattern, next.fields,
                                         [this] { return pendingView_ || exploringStopped_; });
        if (end.kind != Explorer::End::Kind::Failed) continue;
        // Drawn column by column, the view fails where a button's drawing
        // does, and says so.
        exploring_ = false;
        if (end.failure->field) return showFailure(*end.failure);
        // The failing view is the one explored, whatever pattern was clicked
        // since (a drawing inside another leaves the outer one's picture).
        return patternClicked(indexOf(next.pattern));
    }
    exploring_ = false;
}

void MainWindow::stopExploring()
{
    exploringStopped_ = true;
    pendingView_.reset();
}

void MainWindow::stepThroughHistory(int steps)
{
    const ViewStep current{chosenIndex(), fieldTexts()};
    const auto target = steps < 0 ? history_.back(current) : history_.forward(current);
    if (!target) return;
    writeFieldTexts(target->fields);
    if (target->pattern >= 0) {
        chosenPattern_ = patternTable()[target->pattern];
        highlightPatternButton(target->pattern);
    }
    // A view whose picture was on the window comes back with its picture.
    if (shownView_ && chosenPattern_) exploreTo(viewWith(*chosenPattern_, target->fields));
}

void MainWindow::linkClicked()
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
    if (watched == textThree_ && event->type() == QEvent::FocusOut) {
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
    drawing_->requestHalt();
    drawing_->setDensity(density);
    explorer_->setDensity(density);
    surface_->setDensity(density);
    shownView_.reset();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    keeper_->showMenu(event->globalPos());
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
