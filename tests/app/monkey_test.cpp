// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey at the window: from a fixed seed, thousands of random clicks on
// every control, texts typed or pasted into the fields (numbers, junk, huge
// exponents, &H, blanks), and clicks made while pictures are drawn, nested
// drawings and halts among them. After every action each field holds a text
// that reads back to a finite number, or what the monkey itself typed there.
// At the end the window still answers, and a pattern click draws the
// engine's picture of the fields it shows.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "app/failure_text.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/picture_surface.h"
#include "engine/colour.h"
#include "engine/field_value.h"
#include "engine/render.h"
#include "explore/canvas.h"
#include "patterns/pattern_table.h"

using namespace zentrel;
using namespace zentrel::app;

namespace {

constexpr std::uint64_t kSeed = 20141208;
constexpr int kActions = 4000;  // at the top level and during drawings

// The same throws on every machine, whatever the standard library.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool oneIn(int n) { return below(n) == 0; }
    template <class T>
    const T& pick(const std::vector<T>& items)
    {
        return items[below(static_cast<int>(items.size()))];
    }

private:
    std::uint64_t state_;
};

const std::vector<QString> kTexts = {
    // numbers and sizes
    "1",
    "0",
    "-5",
    "0.5",
    "2.5",
    "12",
    "40",
    "100",
    "150",
    "600",
    "768",
    "1024",
    "2000",
    "0.15",
    "-74.5",
    "1e3",
    "7.68E2",
    "1D2",
    // at and beyond the double range
    "1e308",
    "1e309",
    "-1e999",
    "8.988465674311576E+307",
    "1.7976931348623157e308",
    "-1.79769313486231E+308",
    "4.9e-324",
    "1e-400",
    "1e300",
    // &H and &O
    "&H",
    "&H10",
    "&h7fff",
    "&O777",
    "&H" + QString(300, 'F'),
    // junk and blanks
    "",
    " ",
    "abc",
    "12abc",
    "1,5",
    "--5",
    "e5",
    ".",
    "- 1 2 . 5",
    " 1 2 ",
    "1\t",
    "\u00e9\u20ac",
};

bool readsBack(const QString& text)
{
    const Outcome<double> value = fieldValue(text.toStdString());
    return value.ok() && std::isfinite(value.value());
}

// Closes every message box as soon as it shows, and keeps its text.
class MessageCloser : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            ++shown;
            last = box->text();
            QTimer::singleShot(0, box, [box] { box->accept(); });
        }
        return false;
    }

    int shown = 0;
    QString last;
};

class Monkey {
public:
    Monkey(MainWindow& window, std::uint64_t seed) : window_(window), dice_(seed)
    {
        for (const ControlSpec& spec : controlLayout()) {
            QWidget* control = window.findChild<QWidget*>(QString::fromStdString(spec.name));
            if (spec.kind == ControlKind::Field)
                fields_.push_back(qobject_cast<QLineEdit*>(control));
            else if (spec.action != Action::None)
                clickable_.push_back(control);
        }
        window.endProgram = [this] { ++exits; };
        window.openAddress = [this](const QUrl&) { return dice_.oneIn(2); };
        window.drawing().columnObserver = [this](int) {
            if (actions < kActions && dice_.oneIn(6))
                QTimer::singleShot(0, [this] { actDuringDrawing(); });
        };
    }

    void run()
    {
        while (actions < kActions) act();
        QTest::qWait(50);  // actions still waiting for an event pump
    }

    int actions = 0;
    int clicks = 0;
    int typings = 0;
    int duringDrawings = 0;
    int exits = 0;
    QStringList violations;

private:
    void act()
    {
        ++actions;
        if (dice_.below(10) < 3)
            type();
        else
            click(dice_.pick(clickable_));
        checkFields();
    }

    // While a picture is drawn: more pattern clicks and halts.
    void actDuringDrawing()
    {
        if (actions >= kActions) return;
        ++duringDrawings;
        const int throw_ = dice_.below(10);
        if (throw_ < 3) {
            ++actions;
            click(window_.findChild<QWidget*>(QString("CMD(%1)").arg(dice_.below(kPatternCount))));
            checkFields();
        } else if (throw_ < 5) {
            ++actions;
            click(window_.findChild<QWidget*>("cmdstop"));
        } else {
            act();
        }
    }

    void click(QWidget* control)
    {
        ++clicks;
        QTest::mouseClick(control, Qt::LeftButton);
        if (window_.isMinimized()) window_.showNormal();
    }

    QString someText()
    {
        if (dice_.oneIn(4))
            return QString("%1e%2").arg(dice_.below(20001) - 10000).arg(dice_.below(701) - 350);
        return dice_.pick(kTexts);
    }

    // Typed after whatever is there, typed over it, or pasted. Keys are
    // struck one by one, a tab moving the focus on; letters beyond ASCII
    // come in one key event, as from an input method.
    void type()
    {
        ++typings;
        QLineEdit* field = dice_.pick(fields_);
        const QString text = someText();
        field->setFocus();
        const int how = dice_.below(3);
        if (how == 0) field->setText(text);
        if (how == 1) field->selectAll();
        if (how > 0 && text.toLatin1() == text.toUtf8())
            QTest::keyClicks(field, text);
        else if (how > 0)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
        typed_[field] = field->text();
    }

    void checkFields()
    {
        for (QLineEdit* field : fields_) {
            const QString text = field->text();
            const auto typed = typed_.find(field);
            if (readsBack(text) || (typed != typed_.end() && typed->second == text)) continue;
            violations << QString("action %1: %2 holds \"%3\"")
                              .arg(actions)
                              .arg(field->objectName(), text);
        }
    }

    MainWindow& window_;
    Dice dice_;
    std::vector<QLineEdit*> fields_;
    std::vector<QWidget*> clickable_;
    std::map<QLineEdit*, QString> typed_;
};

QRgb toQRgb(Colour c) { return qRgb(redOf(c), greenOf(c), blueOf(c)); }

// The offscreen platform warns each time the window is minimised and
// restored; every other message goes to the test log.
QtMessageHandler testLog = nullptr;

void logAllButSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != "This plugin does not support propagateSizeHints()")
        testLog(type, context, message);
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void thousandsOfRandomActionsLeaveAWorkingWindow();

private:
    // Clicks pattern index and expects the engine's picture of the fields
    // the window shows then, or the engine's failure in a message.
    void expectTheEnginePicture(int index);

    std::unique_ptr<MainWindow> window_;
    MessageCloser closer_;
};

void MonkeyTest::init()
{
    testLog = qInstallMessageHandler(logAllButSizeHints);
    qApp->installEventFilter(&closer_);
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void MonkeyTest::cleanup()
{
    window_.reset();
    qApp->removeEventFilter(&closer_);
    qInstallMessageHandler(testLog);
}

void MonkeyTest::expectTheEnginePicture(int index)
{
    closer_.last.clear();
    QTest::mouseClick(window_->findChild<QPushButton*>(QString("CMD(%1)").arg(index)),
                      Qt::LeftButton);
    const Pattern& pattern = *patternTable()[index];
    const FieldTexts shown = window_->fieldTexts();
    const Outcome<Picture> expected = renderPicture(pattern, shown);
    if (!expected) {
        QCOMPARE(closer_.last, QString::fromStdString(
                                   app::drawingFailureText(pattern.caption, expected.failure())));
        return;
    }
    const Picture& picture = expected.value();
    const QImage& surface = window_->surface().picture();
    const int columns = std::min(picture.width, surface.width() - kPlotLeft);
    const int rows = std::min(picture.height, surface.height() - kPlotTop);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            if (surface.pixel(kPlotLeft + c, kPlotTop + r) != toQRgb(picture.at(c, r)))
                QFAIL(qPrintable(
                    QString("%1 differs at column %2, row %3")
                        .arg(QString::fromUtf8(pattern.caption.data(), pattern.caption.size()))
                        .arg(c)
                        .arg(r)));
}

void MonkeyTest::thousandsOfRandomActionsLeaveAWorkingWindow()
{
    Monkey monkey(*window_, kSeed);
    monkey.run();
    window_->drawing().columnObserver = nullptr;
    qInfo("seed %llu: %d actions, %d clicks, %d typings, %d during drawings, %d messages, %d exits",
          static_cast<unsigned long long>(kSeed), monkey.actions, monkey.clicks, monkey.typings,
          monkey.duringDrawings, closer_.shown, monkey.exits);

    QVERIFY2(monkey.violations.isEmpty(), qPrintable(monkey.violations.mid(0, 10).join("\n")));
    QVERIFY(monkey.clicks > kActions / 2);
    QVERIFY(monkey.typings > kActions / 5);
    QVERIFY(monkey.duringDrawings > kActions / 20);
    QVERIFY(closer_.shown > 0);

    // It still answers.
    QCOMPARE(window_->drawing().nesting(), 0);
    bool answered = false;
    QTimer::singleShot(0, [&] { answered = true; });
    QTRY_VERIFY(answered);

    expectTheEnginePicture(7);
    QTest::mouseClick(window_->findChild<QPushButton*>("Command3"), Qt::LeftButton);
    QCOMPARE(window_->fieldTexts(), (FieldTexts{"1", "1", "100", "1", "150"}));
    expectTheEnginePicture(12);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
