#include "app/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <cstdlib>

#include "app/click_label.h"
#include "app/control_factory.h"
#include "app/layout.h"
#include "app/picture_surface.h"
#include "engine/column_pool.h"
#include "engine/pattern_table.h"
#include "engine/sweep.h"
#include "params/field_rules.h"

namespace zentrel::app {
namespace {

const char* const kBrowserMessage =
    "This function requires internet explorer (iexplore.exe) to be in the directory "
    "c:\\Program Files\\  ";
const char* const kBrowserTitle = "Cannot find Browser:";
const char* const kHaltRequested = "p";

std::string toStd(const QLineEdit* field) { return field->text().toStdString(); }

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
    connectControls();
    textThree_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    surface_ = new PictureSurface(this);
    for (const ControlSpec& spec : controlLayout()) createControl(spec, this, classicStyle_.get());
    for (int i = 0; i < kPatternButtons; ++i)
        patternButtons_.push_back(findChild<QPushButton*>(QString::fromStdString(arrayName("CMD", i))));
    textOne_ = findChild<QLineEdit*>("TextOne");
    textTwo_ = findChild<QLineEdit*>("TextTwo");
    textThree_ = findChild<QLineEdit*>("TextThree");
    textFour_ = findChild<QLineEdit*>("TextFour");
    textFive_ = findChild<QLineEdit*>("Textfive");
    textThree_->installEventFilter(this);

    QWidget* previous = nullptr;
    for (std::string_view name : tabOrder()) {
        auto* control = findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
        if (previous) setTabOrder(previous, control);
        previous = control;
    }
}

template <class Handler>
void MainWindow::onClick(const QString& name, Handler handler)
{
    QObject* control = findChild<QObject*>(name);
    if (auto* button = qobject_cast<QPushButton*>(control))
        connect(button, &QPushButton::clicked, this, handler);
    else if (auto* label = qobject_cast<ClickLabel*>(control))
        connect(label, &ClickLabel::clicked, this, handler);
}

void MainWindow::connectControls()
{
    const auto array = [](const char* name, int index) {
        return QString::fromStdString(arrayName(name, index));
    };
    for (int i = 0; i < kPatternButtons; ++i) onClick(array("CMD", i), [this, i] { patternClicked(i); });
    onClick("cmdstop", [this] { haltFlag_ = kHaltRequested; });
    onClick("Command3", [this] { resetClicked(); });
    onClick("cmd1", [this] { writeFieldTexts(smallPreset(fieldTexts())); });
    onClick("cmdb", [this] { writeFieldTexts(mediumPreset(fieldTexts())); });
    onClick("Command4", [this] { writeFieldTexts(largePreset(fieldTexts())); });
    onClick("Label17", [this] { applyFieldRule(halveXoom(fieldTexts())); });
    onClick("Label8", [this] { applyFieldRule(doubleXoom(fieldTexts())); });
    for (int i = 0; i < 2; ++i) {
        onClick(array("horz", i), [this, i] { applyFieldRule(horz(fieldTexts(), i)); });
        onClick(array("verty", i), [this, i] { applyFieldRule(verty(fieldTexts(), i)); });
    }
    for (int i = 0; i < 4; ++i)
        onClick(array("cmdblue", i), [this, i] { applyFieldRule(cmdblue(fieldTexts(), i)); });
    for (int i = 0; i < 6; ++i)
        onClick(array("cmdXX", i), [this, i] { applyFieldRule(cmdXX(fieldTexts(), i)); });
    for (const char* exitLabel : {"Label1", "Label2", "Label4"}) onClick(exitLabel, [this] { endProgram(); });
    onClick("Label7", [this] { showMinimized(); });
    onClick("Command1", [this] { linkClicked(); });
}

FieldTexts MainWindow::fieldTexts() const
{
    return {toStd(textOne_), toStd(textTwo_), toStd(textThree_), toStd(textFour_), toStd(textFive_)};
}

void MainWindow::writeFieldTexts(const FieldTexts& texts)
{
    const auto write = [](QLineEdit* field, const std::string& text) {
        const QString value = QString::fromStdString(text);
        if (field->text() != value) field->setText(value);
    };
    write(textOne_, texts.one);
    write(textTwo_, texts.two);
    write(textThree_, texts.three);
    write(textFour_, texts.four);
    write(textFive_, texts.five);
}

void MainWindow::applyFieldRule(const Outcome<FieldTexts>& result)
{
    if (result) writeFieldTexts(result.value());
    else showFailure(QString::fromStdString(result.failure().message()));
}

void MainWindow::showFailure(const QString& text)
{
    QMessageBox::critical(this, "Zentrel", text);
}

void MainWindow::patternClicked(int index)
{
    if (nesting_ >= kMaxNesting) return;
    haltFlag_.clear();
    highlightPatternButton(index);
    drawPattern(index);
}

void MainWindow::highlightPatternButton(int index)
{
    for (QPushButton* button : patternButtons_) setBackColour(button, toColor(kUnselectedPattern));
    const QColor highlight = findChild<QWidget*>("Label17")->palette().color(QPalette::WindowText);
    setBackColour(patternButtons_[index], highlight);
    for (QPushButton* button : patternButtons_) button->repaint();
}

void MainWindow::drawPattern(int index)
{
    const Pattern& pattern = *patternTable()[index];
    ++nesting_;
    const auto failure =
        sweep(ColumnPool::shared(), pattern, fieldTexts(), [this](int column, std::span<const Colour> colours) {
            surface_->plotColumn(column, colours);
            surface_->showPlottedIfDue();
            if (columnObserver) columnObserver(column);
            QCoreApplication::processEvents();
            return haltFlag_ != kHaltRequested;
        });
    surface_->showPlotted();
    --nesting_;
    if (failure)
        showFailure(QString("The drawing of \"%1\" stopped: %2.")
                        .arg(QString::fromUtf8(pattern.caption.data(), static_cast<int>(pattern.caption.size())),
                             QString::fromStdString(failure->message())));
}

void MainWindow::resetClicked()
{
    haltFlag_ = kHaltRequested;
    writeFieldTexts(resetFields());
    surface_->clear();
}

void MainWindow::linkClicked()
{
    if (!openAddress(QUrl(QString::fromUtf8(ZENTREL_HOME_ADDRESS))))
        QMessageBox::critical(this, kBrowserTitle, kBrowserMessage);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == textThree_ && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            applyFieldRule(checkSize(fieldTexts()));
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window frame ends the program like the exit labels, even
    // in the middle of a drawing.
    event->accept();
    endProgram();
}

}  // namespace zentrel::app
