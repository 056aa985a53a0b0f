// The one context menu: where a right click opens it, the keys that open it, what it lists, and every
// command switched off while a solve or a generation runs.
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

#include "aboutdialog.h"
#include "boardsession.h"
#include "contextmenu.h"
#include "editingaids.h"
#include "scriptedtransfer.h"
#include "windowharness.h"
#include "windowfeatures.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

const QString kPuzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");

void rightClick(QWidget* target, QPoint at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
}

const QStringList kTransferCommands{QStringLiteral("copyPuzzle"), QStringLiteral("copyPuzzleAndAnswer"),
                                    QStringLiteral("pastePuzzle"), QStringLiteral("openPuzzleFile"),
                                    QStringLiteral("savePuzzle")};

QMenu* openMenu(MainWindow& window) {
    return window.features().contextMenu().menu();
}

} // namespace

class ContextMenuTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void aRightClickOutsideTheCellsOpensIt_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("a command button") << QStringLiteral("Command1(3)");
        QTest::newRow("the print button") << QStringLiteral("Command1(99)");
        QTest::newRow("the hint") << QStringLiteral("Label2");
        QTest::newRow("the window") << QStringLiteral("Form1");
    }
    void aRightClickOutsideTheCellsOpensIt() {
        QFETCH(QString, target);
        WindowHarness h;
        QWidget* widget = target == QStringLiteral("Form1") ? &h.window() : h->findChild<QWidget*>(target);
        QVERIFY(widget);
        // a point of the window's own surface: below the board, left of the count
        const QPoint at = widget == &h.window() ? QPoint(5, h->height() - 5) : widget->rect().center();
        QVERIFY(widget != &h.window() || h->childAt(at) == nullptr);
        rightClick(widget, at);
        QMenu* menu = openMenu(h.window());
        QVERIFY(menu);
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->actions(), h->actions());
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            texts << action->text();
            QVERIFY2(!action->shortcut().isEmpty(), qPrintable(action->text()));
            if (kTransferCommands.contains(action->objectName())) QVERIFY(action->isEnabled());
        }
        for (const char* text :
             {"複製題目(&C)", "複製題目與答案(&A)", "貼上題目(&P)", "開啟題目檔(&O)…", "另存題目(&S)…"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
        QVERIFY(h.messageBoxes->shown().empty());
        QVERIFY(h.browser->opened.empty());
    }

    // The last entry brings the About box back once it was closed, and to the front while it is open.
    void theAboutEntryReopensTheAboutBox() {
        WindowHarness h;
        QVERIFY(!h->aboutBox());
        QAction* about = h->actions().constLast();
        QCOMPARE(about->objectName(), QStringLiteral("aboutBox"));
        QCOMPARE(about->text(), QStringLiteral("關於 Dodoru數字方陣…"));
        for (int round = 0; round < 2; ++round) {
            about->trigger();
            QVERIFY(h->aboutBox());
            QVERIFY(h->aboutBox()->isVisible());
            QPointer<QDialog> shown = h->aboutBox();
            about->trigger(); // while open: the same box
            QCOMPARE(h->aboutBox(), shown.data());
            shown->close();
            QTRY_VERIFY(!shown);
        }
    }

    void aRightClickOnACellClearsItAndOpensNothing() {
        WindowHarness h;
        enterGivens(h.window(), kPuzzle);
        rightClick(h->Label1(0), QPoint(5, 5));
        QTest::mouseClick(h->Label1(0), Qt::RightButton);
        QVERIFY(!openMenu(h.window()));
        QCOMPARE(boardDigits(h.window()).at(0), QChar('0'));
    }

    void keysOpenIt_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Menu") << QKeySequence(Qt::Key_Menu);
        QTest::newRow("Shift+F10") << QKeySequence(Qt::SHIFT | Qt::Key_F10);
    }
    void keysOpenIt() {
        QFETCH(QKeySequence, keys);
        WindowHarness h;
        h->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        QTest::keySequence(&h.window(), keys);
        QVERIFY(openMenu(h.window()));
        QVERIFY(openMenu(h.window())->isVisible());
    }

    // While a solve runs every command is off, in the menu and on its keys, and comes back
    // afterwards; a command that was off for a reason of its own, added after the menu, stays off.
    void commandsWaitWhileACommandRuns() {
        WindowHarness h({.clockStepNs = 1'000'000});
        h->session().setSearchMethod(SearchMethod::Exact); // node by node: long enough for event passes
        auto* ownReason = new QAction(QStringLiteral("later"), &h.window());
        ownReason->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
        ownReason->setEnabled(false);
        h->addAction(ownReason);
        h.transfer->clipboard = std::make_unique<QMimeData>();
        h.transfer->clipboard->setText(QString(81, QChar('1')));
        h->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        bool checked = false;
        h.eventPass->onRun(3, [&] {
            checked = true;
            for (const QAction* action : h->actions()) QVERIFY(!action->isEnabled());
            QTest::keySequence(&h.window(), QKeySequence::Paste);
            QVERIFY(h->session().running());
            QVERIFY(boardDigits(h.window()) != QString(81, QChar('1')));
            rightClick(h->Command1(99), QPoint(5, 5));
            QVERIFY(openMenu(h.window()));
            for (const QAction* action : openMenu(h.window())->actions()) QVERIFY(!action->isEnabled());
            openMenu(h.window())->close();
        });
        h->Command1_Click(1);  // the empty board: a long search
        QVERIFY(checked);
        for (const QAction* action : h->actions())
            if (kTransferCommands.contains(action->objectName())) QVERIFY(action->isEnabled());
        QVERIFY(!ownReason->isEnabled());
        // undo, enabled by its history during the solve, is on once the solve is over
        QVERIFY(h->features().history().undoAction()->isEnabled());
        h->activateWindow(); // the closed menu hands the activation back on a real desktop only
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        QTRY_COMPARE(QApplication::activeWindow(), &h.window());
        QTest::keySequence(&h.window(), QKeySequence::Paste);
        QCOMPARE(boardDigits(h.window()), QString(81, QChar('1')));
    }
};

QTEST_MAIN(ContextMenuTest)
#include "contextmenu_test.moc"
