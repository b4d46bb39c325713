// SPDX-License-Identifier: GPL-3.0-or-later
// The window's one table of actions: every clickable control finds its row,
// no two rows answer the same key, and the window's keys, its context menu
// and --help are all made from the rows.

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QtTest>

#include "app/actions.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/start_up.h"

using namespace zentrel::app;

class ActionsTest : public QObject {
    Q_OBJECT

private slots:
    void everyClickableControlHasItsRow()
    {
        for (const ControlSpec& spec : controlLayout()) {
            if (spec.action == Action::None) continue;
            const ActionRow* row = actionRow(spec.action, spec.pattern);
            QVERIFY2(row, spec.name.c_str());
            QCOMPARE(row->pattern, spec.pattern);
        }
    }

    // Two rows on one key would leave the toolkit unable to choose, and
    // neither would run.
    void rowsAreNamedAndKeyedOnce()
    {
        QSet<QString> names;
        QSet<QString> keys;
        for (const ActionRow& row : actionRegistry()) {
            const QString name = QString::fromStdString(row.name);
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            if (row.keys.empty()) continue;
            for (const QKeySequence& sequence :
                 QKeySequence::listFromString(QString::fromStdString(row.keys))) {
                const QString key = sequence.toString(QKeySequence::PortableText);
                QVERIFY2(!key.isEmpty(), row.keys.c_str());
                QVERIFY2(!keys.contains(key), qPrintable(key));
                keys.insert(key);
            }
        }
    }

    void windowKeysAndMenuComeFromTheRows()
    {
        MainWindow window;
        auto* menu = window.findChild<QMenu*>();
        QVERIFY(menu);
        QStringList menuTexts;
        for (QAction* action : menu->actions()) menuTexts << action->text();
        QStringList expectedMenu;
        for (const ActionRow& row : actionRegistry()) {
            if (!row.menuText.empty()) expectedMenu << QString::fromStdString(row.menuText);
            if (row.keys.empty()) continue;
            auto* action = window.findChild<QAction*>(QString::fromStdString(row.name));
            QVERIFY2(action, row.name.c_str());
            QCOMPARE(action->shortcuts(),
                     QKeySequence::listFromString(QString::fromStdString(row.keys)));
        }
        QCOMPARE(menuTexts, expectedMenu);
        QVERIFY(!expectedMenu.isEmpty());
    }

    void helpListsEveryKeyAndGesture()
    {
        const QString help = QString::fromStdString(helpText());
        std::vector<KeyText> listed = allKeys();
        listed.insert(listed.end(), mouseGestures().begin(), mouseGestures().end());
        for (const KeyText& key : listed) {
            const QString line = QString("  %1 ").arg(QString::fromStdString(key.keys));
            QVERIFY2(help.contains(line), key.keys.c_str());
            QVERIFY2(help.contains(QString::fromStdString(key.what)), key.what.c_str());
        }
        QVERIFY(help.contains("  Menu, Shift+F10 "));
    }
};

QTEST_MAIN(ActionsTest)
#include "actions_test.moc"
