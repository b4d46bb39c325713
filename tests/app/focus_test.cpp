// SPDX-License-Identifier: GPL-3.0-or-later
// Where the focus is in the window as the program shows it (inside its
// frame): on the size field when it opens, and left in a field by clicks on
// labels and on the picture, so that the size check runs only when the
// focus moves to a control, as a button click or a pattern's key moves it.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/layout.h"
#include "app/main_window.h"
#include "app/window_frame.h"

using namespace zentrel::app;

namespace {

QString nameOf(std::string_view name) { return QString::fromUtf8(name.data(), name.size()); }

// The first control of the layout whose click does this.
QWidget* controlFor(QWidget* window, Action action)
{
    for (const ControlSpec& spec : controlLayout())
        if (spec.action == action) return window->findChild<QWidget*>(nameOf(spec.name));
    return nullptr;
}

}  // namespace

class FocusTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = new MainWindow;
        frame_ = std::make_unique<WindowFrame>(window_);
        frame_->show();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
        sizeField_ = window_->findChild<QLineEdit*>(nameOf(tabOrder().front()));
        QVERIFY(sizeField_);
    }

    void cleanup() { frame_.reset(); }

    void opensOnTheFirstFieldOfTheTabOrder() { QCOMPARE(QApplication::focusWidget(), sizeField_); }

    // A label's click and the picture's leave the typing where it is.
    void labelsAndThePictureTakeNoFocus_data()
    {
        QTest::addColumn<int>("action");
        QTest::addRow("X label") << static_cast<int>(Action::HalveXoom);
        QTest::addRow("OOM label") << static_cast<int>(Action::DoubleXoom);
        QTest::addRow("picture") << static_cast<int>(Action::None);
    }

    void labelsAndThePictureTakeNoFocus()
    {
        QFETCH(int, action);
        sizeField_->setText("2000");
        QWidget* target = static_cast<Action>(action) == Action::None
                              ? window_->findChild<QWidget*>("pictureSurface")
                              : controlFor(window_, static_cast<Action>(action));
        QVERIFY(target);
        const QPoint at = static_cast<Action>(action) == Action::None
                              ? QPoint(kPlotLeft + 300, kPlotTop + 300)
                              : target->rect().center();
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QCOMPARE(QApplication::focusWidget(), sizeField_);
        QCOMPARE(sizeField_->text(), QString("2000"));
    }

    // Alt and a pattern's initial draws as a click on its button does: the
    // size field is checked as the focus leaves it.
    void aPatternsKeyChecksTheSizeAsItsButtonDoes()
    {
        sizeField_->setText("2000");
        QTest::keyClick(sizeField_, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(sizeField_->text(), QString("100"));
    }

private:
    MainWindow* window_ = nullptr;
    std::unique_ptr<WindowFrame> frame_;
    QLineEdit* sizeField_ = nullptr;
};

QTEST_MAIN(FocusTest)
#include "focus_test.moc"
