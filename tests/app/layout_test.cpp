// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the user meets it: every control by name, kind, caption,
// place, colours, font and tooltip, the stacking of labels beneath buttons
// and fields, the tab order and the focus at opening.
//
// The expected rows below are written out by hand from the design of the
// window, not taken from the layout table the window is built from, so that a
// slip in that table shows up here.

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include <vector>

#include "app/control_factory.h"
#include "app/layout.h"
#include "app/main_window.h"

using zentrel::app::MainWindow;

namespace {

enum class Kind { Label, Button, Field };

struct Face {
    const char* family;
    double points;
    bool bold;
};

// Controls that name no font of their own take the window's.
const Face kWindowFace{"MS Sans Serif", 8.25, true};

struct Expected {
    QString name;
    Kind kind;
    QString caption;
    QRect geometry;
    QColor background;
    QColor text;  // invalid where the design leaves the text colour alone
    Face face;
    QString tooltip;
    bool bordered;
};

QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

const QColor kNoColour;
const QColor kWindowGrey = rgb(64, 64, 64);
const QColor kBlack = rgb(0, 0, 0);

const QStringList kPatternCaptions = {
    "aqua",  "brains", "crumbs", "deyes", "eels", "fey",   "gall",  "hari", "icening", "jay",
    "kanga", "louis",  "nyet",   "oogli", "pug",  "quasi", "riski", "shim", "tang",
};

QString member(const char* array, int index) { return QString("%1(%2)").arg(array).arg(index); }

std::vector<Expected> expectedControls()
{
    const Kind L = Kind::Label;
    const Kind B = Kind::Button;
    const Kind F = Kind::Field;
    // clang-format off
    std::vector<Expected> rows = {
        // Top bar, left to right.
        {"Label4", L, "<", {8, 4, 17, 17}, kWindowGrey, rgb(255, 0, 0), {"MS Sans Serif", 12, true}, "  Exit  ", false},
        {"Label2", L, "exit", {24, 8, 33, 17}, kWindowGrey, rgb(192, 0, 0), kWindowFace, "", false},
        {"cmdXX(0)", B, "<<", {16, 39, 60, 21}, rgb(255, 255, 192), kNoColour, kWindowFace, "Log Xoom", false},
        {"cmdXX(1)", B, ">>", {76, 39, 60, 21}, rgb(255, 255, 192), kNoColour, kWindowFace, "Log Xoom", false},
        {"TextFour", F, "1", {76, 5, 273, 24}, rgb(0, 64, 48), rgb(0, 255, 175), {"Verdana", 9.75, true},
         "  Set the Xoom to a frcation to xoom into the zentrel,  ", false},
        {"Label17", L, "X", {356, 4, 20, 25}, kWindowGrey, rgb(255, 255, 0), {"Verdana", 18, true}, "", false},
        {"Label8", L, "OOM", {376, 8, 41, 17}, kWindowGrey, rgb(255, 255, 0), {"Verdana", 11.25, true}, "", false},
        {"Label5", L, "QUOR ZENTREL", {568, 8, 223, 25}, kWindowGrey, rgb(128, 128, 128), {"Verdana", 8.25, true}, "",
         false},
        {"Label6", L, "VERSION   5.2014", {832, 8, 167, 25}, kWindowGrey, rgb(128, 128, 128),
         {"Verdana", 8.25, true}, "", false},
        {"Command1", B, QString::fromUtf8(ZENTREL_HOME_ADDRESS), {992, 8, 193, 22}, rgb(0, 255, 208), kNoColour,
         {"Verdana", 8.25, false}, "", false},
        {"Label7", L, "-", {1240, 0, 17, 25}, kWindowGrey, rgb(255, 0, 0), {"MS Sans Serif", 13.5, true}, "minimize",
         false},
        {"Label1", L, "x", {1256, 0, 25, 33}, kWindowGrey, rgb(255, 0, 0), {"MS Sans Serif", 13.5, true}, "exit",
         false},

        // Left control panel on its black plate.
        {"Label3", L, "", {8, 32, 137, 248}, kBlack, kNoColour, kWindowFace, "", true},
        {"cmdXX(5)", B, "", {16, 60, 60, 20}, rgb(175, 255, 0), kNoColour, kWindowFace, "Move and Xoom to top left",
         false},
        {"cmdXX(4)", B, "", {76, 60, 60, 20}, rgb(175, 255, 0), kNoColour, kWindowFace, "Xoom and Move to top right",
         false},
        {"cmdXX(3)", B, "", {16, 80, 60, 20}, rgb(175, 255, 0), kNoColour, kWindowFace, "Move and Xoom to lower left",
         false},
        {"cmdXX(2)", B, "", {76, 80, 60, 20}, rgb(175, 255, 0), kNoColour, kWindowFace,
         "Xoom and Move to lower right", false},
        {"cmd1", B, "S", {16, 101, 24, 22}, rgb(0, 192, 192), kNoColour, kWindowFace, "  Small  ", false},
        {"cmdb", B, "M", {40, 101, 36, 25}, rgb(255, 255, 0), kNoColour, {"MS Sans Serif", 9.75, true}, "  Medium  ",
         false},
        {"Command4", B, "L", {76, 101, 60, 33}, rgb(255, 255, 128), kNoColour, {"MS Sans Serif", 18, true},
         "  Large  ", false},
        {"TextThree", F, "150", {16, 128, 59, 19}, rgb(64, 32, 0), rgb(255, 128, 64), kWindowFace, "Size of image",
         false},
        {"Label9(1)", L, "side", {96, 134, 41, 17}, kWindowGrey, rgb(255, 255, 255), kWindowFace, "", false},
        {"Label9(2)", L, "zero point", {16, 152, 65, 17}, kWindowGrey, rgb(255, 255, 255), kWindowFace, "", false},
        {"verty(1)", B, "^", {90, 158, 49, 26}, rgb(0, 255, 208), kNoColour, {"Verdana", 14.25, true}, "", false},
        {"cmdblue(0)", B, "x", {16, 168, 36, 20}, rgb(255, 208, 0), kNoColour, kWindowFace, "", false},
        {"cmdblue(1)", B, "/", {52, 168, 36, 20}, rgb(255, 208, 0), kNoColour, kWindowFace, "", false},
        {"verty(0)", B, "V", {90, 184, 49, 26}, rgb(0, 255, 208), kNoColour, {"Courier New", 14.25, true}, "", false},
        {"TextTwo", F, "1", {16, 188, 71, 19}, rgb(0, 64, 64), rgb(0, 255, 255), kWindowFace, "Move image up or down",
         false},
        {"TextOne", F, "1", {16, 208, 71, 19}, rgb(0, 64, 64), rgb(0, 255, 255), kWindowFace,
         "Move image left or right", false},
        {"horz(1)", B, "<", {90, 210, 25, 36}, rgb(0, 255, 208), kNoColour, kWindowFace, "", false},
        {"horz(0)", B, ">", {114, 210, 25, 36}, rgb(0, 255, 208), kNoColour, kWindowFace, "", false},
        {"cmdblue(2)", B, "x", {16, 226, 36, 20}, rgb(255, 208, 0), kNoColour, kWindowFace, "", false},
        {"cmdblue(3)", B, "/", {52, 226, 36, 20}, rgb(255, 208, 0), kNoColour, kWindowFace, "", false},
        {"Textfive", F, "150", {80, 256, 57, 19}, rgb(64, 32, 0), rgb(255, 128, 64), kWindowFace,
         "Vary the brightness of colour", false},
        {"Label9(0)", L, "brightness", {16, 258, 65, 17}, kWindowGrey, rgb(255, 255, 255), kWindowFace, "", false},
        {"Command3", B, "reset", {8, 284, 65, 25}, rgb(255, 255, 0), kNoColour, {"Verdana", 9.75, true}, "", false},
        {"cmdstop", B, "halt !", {80, 284, 65, 25}, rgb(255, 255, 0), kNoColour, {"Verdana", 9.75, true}, "", false},

        // The plate beneath the pattern buttons, and the bottom strip.
        {"Label10", L, "", {8, 312, 137, 773}, kBlack, kNoColour, kWindowFace, "", true},
        {"Label13", L, "Label13", {0, 992, 1273, 33}, kBlack, kNoColour, {"MS Sans Serif", 8.25, false}, "", false},
    };
    // clang-format on
    for (int i = 0; i < kPatternCaptions.size(); ++i)
        rows.push_back({member("CMD", i),
                        B,
                        kPatternCaptions[i],
                        {24, 320 + 32 * i, 105, 25},
                        rgb(128, 128, 128),
                        kNoColour,
                        {"Verdana", 12, true},
                        "",
                        false});
    return rows;
}

const QStringList kTabOrder = [] {
    QStringList order = {"TextThree", "TextTwo", "TextOne", "Textfive", "Command3"};
    for (int i = 0; i <= 8; ++i) order << member("CMD", i);
    order << "TextFour" << member("CMD", 9) << member("CMD", 10) << "cmdstop";
    for (int i = 11; i <= 16; ++i) order << member("CMD", i);
    order << "cmd1"
          << "cmdb"
          << "Command4" << member("CMD", 17);
    order << "verty(0)"
          << "verty(1)"
          << "horz(0)"
          << "horz(1)";
    for (int i = 0; i <= 3; ++i) order << member("cmdblue", i);
    order << "Command1" << member("CMD", 18);
    order << "cmdXX(3)"
          << "cmdXX(2)"
          << "cmdXX(1)"
          << "cmdXX(0)"
          << "cmdXX(4)"
          << "cmdXX(5)";
    return order;
}();

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::Label:
        return "label";
    case Kind::Button:
        return "button";
    case Kind::Field:
        return "field";
    }
    return "?";
}

// The kind the window really made, judged by class.
const char* kindOf(const QWidget* control)
{
    if (qobject_cast<const QPushButton*>(control)) return "button";
    if (qobject_cast<const QLineEdit*>(control)) return "field";
    if (qobject_cast<const QLabel*>(control)) return "label";
    return control ? control->metaObject()->className() : "missing";
}

QString captionOf(const QWidget* control)
{
    if (auto* button = qobject_cast<const QPushButton*>(control)) return button->text();
    if (auto* field = qobject_cast<const QLineEdit*>(control)) return field->text();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    return {};
}

bool takesTabFocus(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled();
}

// The next control after `from` that Tab would reach, by the focus chain.
QWidget* nextTabStop(QWidget* from, const QWidget* window)
{
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain())
        if (w != window && takesTabFocus(w)) return w;
    return nullptr;
}

QString nameOf(const QWidget* widget) { return widget ? widget->objectName() : QString("(none)"); }

}  // namespace

Q_DECLARE_METATYPE(Kind)

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void window();
    void kindAndCaption_data();
    void kindAndCaption();
    void geometry_data();
    void geometry();
    void colours_data();
    void colours();
    void font_data();
    void font();
    void tooltip_data();
    void tooltip();
    void border_data();
    void border();
    void noControlBeyondTheDesign();
    void notableCaptions_data();
    void notableCaptions();
    void patternInitialsSkipM();
    void theChosenPatternTakesTheXLabelsTextColour();
    void shownColours_data();
    void shownColours();
    void stacking_data();
    void stacking();
    void tabOrder_data();
    void tabOrder();
    void onlyListedControlsTakeFocus();
    void focusOnOpening();
    void tabKeyWalksTheOrder();

private:
    void addControlRows();
    QWidget* control(const QString& name) const;

    MainWindow* window_ = nullptr;
};

void TestLayout::initTestCase() { window_ = new MainWindow; }

void TestLayout::cleanupTestCase()
{
    delete window_;
    window_ = nullptr;
}

QWidget* TestLayout::control(const QString& name) const
{
    return window_->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

void TestLayout::addControlRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("bordered");

    for (const Expected& e : expectedControls())
        QTest::addRow("%s", qPrintable(e.name))
            << e.name << e.kind << e.caption << e.geometry << e.background << e.text
            << QString(e.face.family) << e.face.points << e.face.bold << e.tooltip << e.bordered;
}

void TestLayout::window()
{
    QCOMPARE(window_->objectName(), QString("qTac"));
    QCOMPARE(window_->size(), QSize(1272, 1016));
    QCOMPARE(window_->rect().size(), QSize(1272, 1016));

    MainWindow shown;
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    QCOMPARE(shown.size(), QSize(1272, 1016));
    QCOMPARE(shown.objectName(), QString("qTac"));
}

void TestLayout::kindAndCaption_data() { addControlRows(); }

void TestLayout::kindAndCaption()
{
    QFETCH(QString, name);
    QFETCH(Kind, kind);
    QFETCH(QString, caption);

    const QList<QWidget*> named = window_->findChildren<QWidget*>(name);
    QCOMPARE(named.size(), 1);
    QWidget* c = control(name);
    QVERIFY2(c, "not a direct child of the window");
    QCOMPARE(kindOf(c), kindName(kind));
    QCOMPARE(captionOf(c), caption);
}

void TestLayout::geometry_data() { addControlRows(); }

void TestLayout::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    QWidget* c = control(name);
    QVERIFY(c);
    QCOMPARE(c->geometry(), geometry);
}

void TestLayout::colours_data() { addControlRows(); }

void TestLayout::colours()
{
    QFETCH(QString, name);
    QFETCH(Kind, kind);
    QFETCH(QColor, background);
    QFETCH(QColor, text);

    QWidget* c = control(name);
    QVERIFY(c);
    const QPalette palette = c->palette();
    switch (kind) {
    case Kind::Button:
        QCOMPARE(palette.color(QPalette::Button), background);
        QVERIFY2(!text.isValid(), "no button has a text colour of its own");
        break;
    case Kind::Label:
        QCOMPARE(palette.color(QPalette::Window), background);
        QVERIFY2(c->autoFillBackground(), "a label must paint its own background");
        if (text.isValid()) QCOMPARE(palette.color(QPalette::WindowText), text);
        break;
    case Kind::Field:
        QCOMPARE(palette.color(QPalette::Base), background);
        if (text.isValid()) QCOMPARE(palette.color(QPalette::Text), text);
        break;
    }
}

void TestLayout::font_data() { addControlRows(); }

void TestLayout::font()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);

    QWidget* c = control(name);
    QVERIFY(c);
    const QFont f = c->font();
    // Where the designed face is missing a stand-in may follow it, but the
    // designed face comes first.
    QCOMPARE(f.families().value(0, f.family()), family);
    QVERIFY2(qAbs(f.pointSizeF() - points) < 0.01,
             qPrintable(QString("point size %1, expected %2").arg(f.pointSizeF()).arg(points)));
    QCOMPARE(f.bold(), bold);
    QCOMPARE(f.weight(), bold ? QFont::Bold : QFont::Normal);
}

void TestLayout::tooltip_data() { addControlRows(); }

void TestLayout::tooltip()
{
    QFETCH(QString, name);
    QFETCH(QString, tooltip);

    QWidget* c = control(name);
    QVERIFY(c);
    QCOMPARE(c->toolTip(), tooltip);
}

void TestLayout::border_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bordered");

    for (const Expected& e : expectedControls())
        if (e.kind == Kind::Label) QTest::addRow("%s", qPrintable(e.name)) << e.name << e.bordered;
}

void TestLayout::border()
{
    QFETCH(QString, name);
    QFETCH(bool, bordered);

    auto* label = qobject_cast<QLabel*>(control(name));
    QVERIFY(label);
    if (bordered) {
        QVERIFY2(label->frameShape() != QFrame::NoFrame, "a black plate has a single-line border");
        QCOMPARE(label->frameShadow(), QFrame::Plain);
        QCOMPARE(label->lineWidth(), 1);
    } else {
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
    }
}

void TestLayout::noControlBeyondTheDesign()
{
    QSet<QString> expected;
    for (const Expected& e : expectedControls()) expected.insert(e.name);
    QCOMPARE(expected.size(), 58);

    QSet<QString> found;
    for (QWidget* w : window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w) ||
            qobject_cast<QLineEdit*>(w))
            found.insert(w->objectName());
    const QSet<QString> extra = found - expected;
    const QSet<QString> missing = expected - found;
    QVERIFY2(extra.isEmpty(), qPrintable("unexpected: " + QStringList(extra.values()).join(", ")));
    QVERIFY2(missing.isEmpty(), qPrintable("missing: " + QStringList(missing.values()).join(", ")));
}

void TestLayout::notableCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::addRow("bottom strip") << "Label13"
                                  << "Label13";
    for (int i = 2; i <= 5; ++i) QTest::addRow("cmdXX(%d) blank", i) << member("cmdXX", i) << "";
    QTest::addRow("pattern 12 skips m") << "CMD(12)"
                                        << "nyet";
    QTest::addRow("pattern 11") << "CMD(11)"
                                << "louis";
    QTest::addRow("pattern 13") << "CMD(13)"
                                << "oogli";
}

void TestLayout::notableCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    QWidget* c = control(name);
    QVERIFY(c);
    QCOMPARE(captionOf(c), caption);
    if (auto* button = qobject_cast<QPushButton*>(c); button && caption.isEmpty())
        QVERIFY2(button->icon().isNull(), "a blank button shows only its colour");
}

void TestLayout::patternInitialsSkipM()
{
    QString initials;
    for (int i = 0; i < 19; ++i) {
        const QWidget* c = control(member("CMD", i));
        QVERIFY(c);
        initials += captionOf(c).left(1).toLower();
    }
    QCOMPARE(initials, QString("abcdefghijklnopqrst"));
    QVERIFY(!control(member("CMD", 19)));
}

void TestLayout::theChosenPatternTakesTheXLabelsTextColour()
{
    const QWidget* x = control("Label17");
    QVERIFY(x);
    QCOMPARE(x->palette().color(QPalette::WindowText),
             zentrel::app::toColor(zentrel::app::kChosenPattern));
}

void TestLayout::shownColours_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");

    // Places where nothing but a background shows.
    QTest::addRow("window, drawing area") << QPoint(700, 500) << kWindowGrey;
    QTest::addRow("window, top bar gap") << QPoint(480, 15) << kWindowGrey;
    QTest::addRow("window, beside the pattern plate") << QPoint(150, 700) << kWindowGrey;
    QTest::addRow("upper plate, beside cmdXX(1)") << QPoint(140, 45) << kBlack;
    QTest::addRow("upper plate, beside horz(0)") << QPoint(141, 230) << kBlack;
    QTest::addRow("pattern plate, left of the buttons") << QPoint(14, 600) << kBlack;
    QTest::addRow("pattern plate, below the buttons") << QPoint(76, 960) << kBlack;
    QTest::addRow("bottom strip") << QPoint(1000, 1005) << kBlack;
    QTest::addRow("cmdXX(5) face") << QPoint(46, 70) << rgb(175, 255, 0);
    QTest::addRow("cmdXX(2) face") << QPoint(106, 90) << rgb(175, 255, 0);
    QTest::addRow("TextFour, right of its text") << QPoint(330, 17) << rgb(0, 64, 48);
}

void TestLayout::shownColours()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);

    const QImage shot = window_->grab().toImage();
    QCOMPARE(shot.size(), QSize(1272, 1016));
    QCOMPARE(shot.pixelColor(point).rgb(), colour.rgb());
}

void TestLayout::stacking_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("above");

    QStringList buttonsAndFields;
    QStringList labels;
    for (const Expected& e : expectedControls()) {
        if (e.kind == Kind::Label)
            labels << e.name;
        else
            buttonsAndFields << e.name;
    }
    QCOMPARE(labels.size(), 14);
    QCOMPARE(buttonsAndFields.size(), 44);

    for (const QString& label : labels) {
        QStringList above = buttonsAndFields;
        // The upper black plate lies beneath the captions that stand on it.
        if (label == "Label3")
            above << "Label9(0)"
                  << "Label9(1)"
                  << "Label9(2)";
        QTest::addRow("%s", qPrintable(label)) << label << above;
    }
}

void TestLayout::stacking()
{
    QFETCH(QString, label);
    QFETCH(QStringList, above);

    const QObjectList order = window_->children();  // lowest first
    QWidget* beneath = control(label);
    QVERIFY(beneath);
    const qsizetype at = order.indexOf(beneath);
    for (const QString& name : above) {
        QWidget* upper = control(name);
        QVERIFY2(upper, qPrintable(name));
        QVERIFY2(order.indexOf(upper) > at, qPrintable(name + " lies beneath " + label));
    }
}

void TestLayout::tabOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");

    for (int i = 0; i < kTabOrder.size(); ++i) {
        const QString& next = kTabOrder[(i + 1) % kTabOrder.size()];
        QTest::addRow("%s -> %s", qPrintable(kTabOrder[i]), qPrintable(next))
            << kTabOrder[i] << next;
    }
}

void TestLayout::tabOrder()
{
    QFETCH(QString, from);
    QFETCH(QString, to);

    QWidget* start = control(from);
    QVERIFY(start);
    QVERIFY2(takesTabFocus(start), "takes no focus by Tab");
    QCOMPARE(nameOf(nextTabStop(start, window_)), to);
}

void TestLayout::onlyListedControlsTakeFocus()
{
    QWidget* first = control("TextThree");
    QVERIFY(first);
    QStringList stops;
    QWidget* w = first;
    do {
        stops << nameOf(w);
        w = nextTabStop(w, window_);
    } while (w && w != first && stops.size() <= kTabOrder.size());
    QCOMPARE(stops, kTabOrder);
}

void TestLayout::focusOnOpening()
{
    MainWindow shown;
    shown.show();
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    QTRY_COMPARE(nameOf(QApplication::focusWidget()), QString("TextThree"));
    QCOMPARE(QApplication::focusWidget()->window(), static_cast<QWidget*>(&shown));
}

void TestLayout::tabKeyWalksTheOrder()
{
    MainWindow shown;
    shown.show();
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    // Start from the first stop whatever the opening focus, which is
    // checked on its own.
    QWidget* first = shown.findChild<QWidget*>("TextThree");
    QVERIFY(first);
    first->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), first);

    QStringList visited{nameOf(QApplication::focusWidget())};
    for (int i = 1; i < kTabOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << nameOf(QApplication::focusWidget());
    }
    QCOMPARE(visited, kTabOrder);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(nameOf(QApplication::focusWidget()), QString("TextThree"));
}

QTEST_MAIN(TestLayout)
#include "layout_test.moc"
