// The grid from the keyboard and what assistive technology is told: the grid as one Tab stop whose
// focused cell is the focused object, its focus mark, the news the window tells, names, descriptions and
// roles, and the events sent (caught here as a live accessibility bridge would get them; the end-to-end
// tests hear them through the AT-SPI bus and through Orca).
#include <QAccessible>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>


#include "aboutdialog.h"
#include "announcer.h"
#include "boardannouncements.h"
#include "celllabel.h"
#include "cellkeyboard.h"
#include "contextmenu.h"
#include "editingaids.h"
#include "playgame.h"
#include "techniquenames.h"
#include "windowfeatures.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

const QString kUniquePuzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");

QAccessibleInterface* face(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// A shown and active window; its focus on the print button, the last command, whence Tab reaches the grid.
void focusLastButton(WindowHarness& h) {
    h->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.window()));
    h->Command1(7)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(h->Command1(7), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), h->Command1(99));
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

Announcer& announcer(MainWindow& window) {
    return window.features().announcer();
}

// What one user action tells is told once the event loop runs again.
void settle() {
    QCoreApplication::processEvents();
}

// How often a widget was shown.
class ShowCount final : public QObject {
public:
    explicit ShowCount(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Show) ++count;
        return false;
    }
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // One cell is the grid's Tab stop; Tab from the last command reaches it and leaves the grid at once.
    void theGridIsOneTabStop() {
        WindowHarness h;
        // the window opens with the focus on the first command, as before: the grid comes last
        h->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        QCOMPARE(QApplication::focusWidget(), h->Command1(0));
        QVERIFY(h->Combo1()->isHidden());
        focusLastButton(h);
        for (int c = 0; c < 81; ++c)
            QCOMPARE(h->Label1(c)->focusPolicy(), c == 0 ? Qt::TabFocus : Qt::NoFocus);
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h->Label1(0));
        QVERIFY(face(h->Label1(0))->state().focused);
        // in manual set-up the cell is selected, as a click selects it: the chooser comes, named for it
        QCOMPARE(h->session().selectedCell(), 0);
        QVERIFY(h->Combo1()->isVisible());
        QCOMPARE(face(h->Combo1())->text(QAccessible::Name), QStringLiteral("第1列第1行的數字"));
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h->Combo1());
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h->Command1(0));
        press(Qt::Key_Backtab);
        press(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), h->Label1(0));
    }

    // The arrows, Home and End move the focus from cell to cell, one focus event each, in manual set-up
    // (where the selection and the chooser follow) and on a solved board (where nothing is selected).
    void arrowsMoveTheFocusedCell_data() {
        QTest::addColumn<bool>("solved");
        QTest::newRow("manual set-up") << false;
        QTest::newRow("solved board") << true;
    }
    void arrowsMoveTheFocusedCell() {
        QFETCH(bool, solved);
        WindowHarness h;
        enterGivens(h.window(), kUniquePuzzle);
        if (solved) h->Command1_Click(1);
        const QString before = labelDigits(h.window());
        focusLastButton(h);
        press(Qt::Key_Tab);
        const struct {
            Qt::Key key;
            int cell;
        } moves[] = {{Qt::Key_Right, 1}, {Qt::Key_Down, 10}, {Qt::Key_End, 17}, {Qt::Key_Right, 17},
                     {Qt::Key_Home, 9},  {Qt::Key_Up, 0},    {Qt::Key_Left, 0}};
        for (const auto& move : moves) {
            press(move.key);
            // the focused object, as assistive technology asks for it: Qt tells it with a focus event
            QCOMPARE(QApplication::focusWidget(), h->Label1(move.cell));
            QVERIFY(face(h->Label1(move.cell))->state().focused);
            for (int c : {0, 1, 9, 10, 17})
                if (c != move.cell) QCOMPARE(h->Label1(c)->focusPolicy(), Qt::NoFocus);
        }
        // the cells name what they show: a given, and a digit of the solution or nothing
        QCOMPARE(face(h->Label1(9))->text(QAccessible::Name), QStringLiteral("第2列第1行，6，題目"));
        QCOMPARE(face(h->Label1(10))->text(QAccessible::Name),
                 solved ? QStringLiteral("第2列第2行，7，解答") : QStringLiteral("第2列第2行，空格"));
        QCOMPARE(h->session().selectedCell(), solved ? BoardSession::kNoCell : 0);
        QCOMPARE(h->Combo1()->isVisible(), !solved);
        QCOMPARE(labelDigits(h.window()), before);
    }

    // Digits, 0, Delete and Backspace edit the focused cell: a given in manual set-up, the player's digit
    // while playing; on a solved board they change nothing.
    void digitsEditTheFocusedCell_data() {
        QTest::addColumn<QString>("state");
        QTest::newRow("manual set-up") << QStringLiteral("manual");
        QTest::newRow("playing") << QStringLiteral("playing");
        QTest::newRow("solved board") << QStringLiteral("solved");
    }
    void digitsEditTheFocusedCell() {
        QFETCH(QString, state);
        WindowHarness h;
        enterGivens(h.window(), kUniquePuzzle);
        if (state == QStringLiteral("solved")) h->Command1_Click(1);
        if (state == QStringLiteral("playing")) h->features().play().play();
        const QString before = labelDigits(h.window());
        if (state == QStringLiteral("playing")) {
            // 作答 leaves the keyboard on the first empty cell
            QVERIFY(QTest::qWaitForWindowActive(&h.window()));
            QCOMPARE(QApplication::focusWidget(), h->Label1(2));
        } else {
            focusLastButton(h);
            press(Qt::Key_Tab);
            press(Qt::Key_Right);
            press(Qt::Key_Right); // cell 2, empty in the puzzle
        }
        press(Qt::Key_4);
        if (state == QStringLiteral("solved")) {
            for (Qt::Key key : {Qt::Key_0, Qt::Key_Delete, Qt::Key_Backspace}) press(key);
            QCOMPARE(labelDigits(h.window()), before);
            return;
        }
        const bool playing = state == QStringLiteral("playing");
        const QString kind = playing ? QStringLiteral("，你填的") : QStringLiteral("，題目");
        QCOMPARE(h->Label1(2)->text(), QStringLiteral("4"));
        QCOMPARE(face(h->Label1(2))->text(QAccessible::Name), QStringLiteral("第1列第3行，4") + kind);
        settle();
        press(Qt::Key_1, Qt::KeypadModifier); // repeats nothing
        QCOMPARE(h->Label1(2)->text(), QStringLiteral("1"));
        QCOMPARE(h->Label1(2)->foreColor().value(), playing ? kPlayerTextColour : kGivenTextColour);
        QCOMPARE(face(h->Label1(2))->text(QAccessible::Name), QStringLiteral("第1列第3行，1") + kind);
        // the typed digit is told as the cell now reads
        QVERIFY2(announcer(h.window()).message().startsWith(QStringLiteral("第1列第3行，1") + kind),
                 qPrintable(announcer(h.window()).message()));
        for (Qt::Key clear : {Qt::Key_0, Qt::Key_Delete, Qt::Key_Backspace}) {
            press(Qt::Key_2);
            press(clear);
            QVERIFY(h->Label1(2)->text().isEmpty());
        }
        QCOMPARE(QApplication::focusWidget(), h->Label1(2));
        QCOMPARE(boardDigits(h.window()), kUniquePuzzle);
        QCOMPARE(h->session().playing(), playing);
    }

    // The focus mark shows on the focused cell only while the grid has the keyboard focus; a click on a
    // cell gives it no focus. Without the keyboard focus in the grid the window paints as before.
    void theFocusMarkShowsOnlyWithTheFocus() {
        WindowHarness h;
        focusLastButton(h);
        QTest::mouseClick(h->Label1(40), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), h->Command1(99));
        const QImage unfocused = h->grab().toImage();
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h->Label1(40));
        const QImage focusedImage = h->grab().toImage();
        const QRect cell = h->Label1(40)->geometry();
        QVERIFY(pixelsNear(focusedImage, cell, QColor(0xD0, 0x60, 0x00), 8) > 100);
        QCOMPARE(pixelsNear(unfocused, cell, QColor(0xD0, 0x60, 0x00), 8), 0);
        // nothing changed but the cell and the button the focus left
        QImage outside = focusedImage.copy();
        QImage outsideBefore = unfocused.copy();
        for (QImage* image : {&outside, &outsideBefore})
            for (const QRect& area : {cell, h->Command1(99)->geometry()})
                for (int y = area.top(); y <= area.bottom(); ++y)
                    for (int x = area.left(); x <= area.right(); ++x) image->setPixel(x, y, 0);
        QCOMPARE(outside, outsideBefore);
        press(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), h->Command1(99));
        QCOMPARE(h->grab().toImage(), unfocused);
        // a digit typed into the clicked cell, the grid's Tab stop, is painted as in any other cell
        enterGivens(h.window(), QStringLiteral("5") + QString(80, QChar('0')));
        QTest::keyClick(h->Command1(99), Qt::Key_5);
        QVERIFY(h->Label1(40)->isTabStop());
        QCOMPARE(h->Label1(40)->text(), QStringLiteral("5"));
        QCOMPARE(h->Label1(40)->grab().toImage(), h->Label1(0)->grab().toImage());
    }

    // A generation leaves the keyboard on the new puzzle's first empty cell, and the window looks as it
    // did with the focus on the button clicked; the first digit goes there and the focus mark shows,
    // with the digit itself, not the chooser, on the cell.
    void aGenerationLeavesTheKeyboardOnTheGrid() {
        WindowHarness designed;
        WindowHarness h;
        QImage shown[2];
        for (WindowHarness* w : {&designed, &h}) {
            (*w)->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w->window()));
            QTest::mouseClick((*w)->Command1(3), Qt::LeftButton);
            // the focus where a click on the button leaves it, as it was before the grid took it
            if (w == &designed) designed->Command1(3)->setFocus(Qt::MouseFocusReason);
            shown[w == &h ? 1 : 0] = (*w)->grab().toImage();
        }
        const int first = int(boardDigits(h.window()).indexOf(QChar('0')));
        QCOMPARE(QApplication::focusWidget(), h->Label1(first));
        QCOMPARE(h->session().selectedCell(), BoardSession::kNoCell);
        QCOMPARE(shown[1], shown[0]);
        // Ctrl alone (the start of a shortcut) is no key for the grid
        press(Qt::Key_Control, Qt::ControlModifier);
        QCOMPARE(h->grab().toImage(), shown[1]);

        press(Qt::Key_7);
        QCOMPARE(h->session().puzzle().digit(first), 7);
        QCOMPARE(h->session().puzzle().kind(first), CellKind::Player);
        QVERIFY(!h->Combo1()->isVisible());
        QCOMPARE(QApplication::focusWidget(), h->Label1(first));
        const QImage typed = h->grab().toImage();
        QVERIFY(pixelsNear(typed, h->Label1(first)->geometry(), QColor(0xD0, 0x60, 0x00), 8) > 100);
        QVERIFY(pixelsNear(typed, h->Label1(first)->geometry(), QColor(0x00, 0x64, 0x00), 60) > 20);
    }

    // What the window tells as news: each result as a notification that is shown anew.
    void resultsAreTold_data() {
        QTest::addColumn<QString>("puzzle");
        QTest::addColumn<short>("button");
        QTest::addColumn<QString>("told");
        QTest::newRow("one solution") << kUniquePuzzle << short(1) << QStringLiteral("已解出");
        QTest::newRow("several solutions")
            << QString(81, QChar('0')) << short(1) << QStringLiteral("有多組解答");
        QTest::newRow("no solution") << QStringLiteral("5000000050") + QString(71, QChar('0')) << short(1)
                                     << QStringLiteral("此題無解");
        QTest::newRow("generation") << QString(81, QChar('0')) << short(3)
                                    << QStringLiteral("已產生1.極易題目：提示數字%1個，空格%2個，%3");
    }
    void resultsAreTold() {
        QFETCH(QString, puzzle);
        QFETCH(short, button);
        QFETCH(QString, told);
        WindowHarness h;
        enterGivens(h.window(), puzzle);
        h->Command1_Click(button);
        if (button != 1) {
            const int givens = static_cast<int>(81 - boardDigits(h.window()).count(QChar('0')));
            told = told.arg(givens).arg(81 - givens).arg(TechniqueNames::difficulty(h->session().ratingTenths()));
        }
        Announcer& news = announcer(h.window());
        QCOMPARE(news.message(), told);
        settle();
        QCOMPARE(face(&news)->role(), QAccessible::Notification);
        QCOMPARE(face(&news)->text(QAccessible::Name), told);
        QVERIFY(news.isVisible());
        // the next command makes it stale: hidden, it names nothing
        h->Command1_Click(0);
        QVERIFY(news.isHidden());
        QVERIFY(face(&news)->text(QAccessible::Name).isEmpty());
    }

    // A digit typed that repeats one of its row, column or box is told, as the cell reads, with the cells
    // it repeats: a given in manual set-up, the player's digit (against givens and the player's digits)
    // while playing.
    void aRepeatedDigitIsTold_data() {
        QTest::addColumn<QString>("givens");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<int>("secondCell"); // the first is typed into cell 20 (manual) or 2 (playing)
        QTest::addColumn<QString>("told");
        QTest::newRow("manual set-up")
            << QStringLiteral("5") + QString(8, QChar('0')) + QStringLiteral("5") + QString(71, QChar('0')) << false
            << 20 << QStringLiteral("第3列第3行，5，題目，與第1列第1行、第2列第1行重複");
        QTest::newRow("playing") << kUniquePuzzle << true << 11
                                 << QStringLiteral("第2列第3行，4，你填的，與第1列第3行重複");
    }
    void aRepeatedDigitIsTold() {
        QFETCH(QString, givens);
        QFETCH(bool, playing);
        QFETCH(int, secondCell);
        QFETCH(QString, told);
        WindowHarness h;
        enterGivens(h.window(), givens);
        if (playing) h->features().play().play();
        QTest::mouseClick(h->Label1(playing ? 2 : 20), Qt::LeftButton);
        QTest::keyClick(&h.window(), Qt::Key_4);
        QVERIFY(!announcer(h.window()).message().contains(QStringLiteral("重複")));
        settle();
        QTest::mouseClick(h->Label1(secondCell), Qt::LeftButton);
        QTest::keyClick(&h.window(), playing ? Qt::Key_4 : Qt::Key_5);
        QCOMPARE(announcer(h.window()).message(), told);
        // the cell itself says it repeats a digit
        QVERIFY(face(h->Label1(secondCell))->text(QAccessible::Name).endsWith(QStringLiteral("，重複")));
    }

    // Labels kept with their last text while hidden name nothing; shown, they name their text.
    void hiddenLabelsNameNothing() {
        WindowHarness h;
        QVERIFY(h->Label3()->isHidden());
        QVERIFY(face(h->Label3())->text(QAccessible::Name).isEmpty());
        enterGivens(h.window(), QStringLiteral("5000000050") + QString(71, QChar('0')));
        h->Command1_Click(1);
        QCOMPARE(face(h->題目錯誤())->text(QAccessible::Name), QStringLiteral("此題無解"));
        h->Command1_Click(0);
        QCOMPARE(h->題目錯誤()->text(), QStringLiteral("此題無解"));
        QVERIFY(face(h->題目錯誤())->text(QAccessible::Name).isEmpty());
        QCOMPARE(face(h->Label1(0))->role(), QAccessible::StaticText);
    }

    void namesAndRoles() {
        WindowHarness h({.aboutBox = true});
        QCOMPARE(face(&h.window())->role(), QAccessible::Window);
        QCOMPARE(face(h->Command1(99))->text(QAccessible::Name), QStringLiteral("列印"));
        enterGivens(h.window(), QStringLiteral("0074") + QString(77, QChar('0')));
        QTest::mouseClick(h->Label1(2), Qt::LeftButton);
        // named, and labelled (Qt on Linux names an editable combo box by its text, here the digit)
        QCOMPARE(h->Combo1()->accessibleName(), QStringLiteral("第1列第3行的數字"));
        const auto labels = face(h->Combo1())->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("第1列第3行的數字"));
        QVERIFY(h->aboutBox());
        // the About box says itself short, at every opening: its title, its version, what it does
        const QStringList about = face(h->aboutBox())->text(QAccessible::Description).split(QLatin1Char('\n'));
        QCOMPARE(about.size(), 3);
        QCOMPARE(about.at(0), QStringLiteral("Dodoru數字方陣"));
        QCOMPARE(about.at(1), QStringLiteral("版本 1.2.0"));
        QVERIFY2(about.at(2).startsWith(QStringLiteral("程式可")) && about.at(2).size() < 40, qPrintable(about.at(2)));
        // the window reads by the program's name; the caption the eye sees keeps the maker's addresses
        QCOMPARE(face(&h.window())->text(QAccessible::Name), QStringLiteral("Dodoru數字方陣"));
        QVERIFY(h->windowTitle().contains(QLatin1Char('@')));
    }

    // No English tooltip is read as a description: the buttons are described in the window's words, the
    // cells and labels not at all, the chooser in one short sentence; the tooltips stay as they are.
    void descriptionsAreInTheWindowsLanguage() {
        WindowHarness h;
        enterGivens(h.window(), kUniquePuzzle);
        QTest::mouseClick(h->Label1(2), Qt::LeftButton);
        const QRegularExpression english(QStringLiteral("[A-Za-z]{2}"));
        for (const short index : std::initializer_list<short>{0, 1, 2, 3, 4, 5, 6, 7, 99}) {
            const QString description = face(h->Command1(index))->text(QAccessible::Description);
            QVERIFY2(!description.isEmpty() && !description.contains(english), qPrintable(description));
            QVERIFY(!h->Command1(index)->toolTip().isEmpty());
        }
        for (QWidget* label : {static_cast<QWidget*>(h->Label1(2)), static_cast<QWidget*>(h->Label2())}) {
            QVERIFY(!label->toolTip().isEmpty());
            QVERIFY(face(label)->text(QAccessible::Description).isEmpty());
        }
        const QString chooser = face(h->Combo1())->text(QAccessible::Description);
        QCOMPARE(chooser.count(QStringLiteral("。")), 1);
        QVERIFY2(chooser.endsWith(QStringLiteral("。")) && !chooser.contains(english), qPrintable(chooser));
    }

    // Tab takes the level buttons in their order, 1 to 5.
    void levelButtonsInTheirOrder() {
        WindowHarness h;
        h->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        h->Command1(2)->setFocus(Qt::TabFocusReason);
        for (const short index : std::initializer_list<short>{3, 4, 5, 6, 7, 99}) {
            press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), h->Command1(index));
        }
    }

    // One edit, one event: the cell's name is told once, when the edit is complete (its digit, its kind
    // and its marks set one after another), and it has no description to change; the edit is told once,
    // with the play line the first move brings, and a first digit that repeats a given is told as such.
    void oneEditIsOneEvent() {
        WindowHarness h;
        h->show();
        QVERIFY(QTest::qWaitForWindowExposed(&h.window()));
        h->Command1_Click(3); // a generated puzzle, played from its first move
        settle();
        const PuzzleState& puzzle = h->session().puzzle();
        int cell = 0;
        while (puzzle.digit(cell) != 0) ++cell;
        const int row = cell / 9;
        int given = row * 9;
        while (puzzle.digit(given) == 0) ++given;
        QTest::mouseClick(h->Label1(cell), Qt::LeftButton);
        settle();
        QSignalSpy told(h->Label1(cell), &CellLabel::nameTold);
        Announcer& news = announcer(h.window());
        ShowCount shown(&news);
        QTest::keyClick(&h.window(), static_cast<Qt::Key>(Qt::Key_0 + puzzle.digit(given)));
        const QString message = news.message();
        settle();
        QCOMPARE(told.count(), 1);
        QCOMPARE(shown.count, 1);
        QCOMPARE(face(&news)->text(QAccessible::Name), message);
        QVERIFY2(message.contains(QStringLiteral("，與%1").arg(cellPlace(given))) && message.contains(QStringLiteral("重複")),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("作答中")), qPrintable(message));
        QVERIFY(face(h->Label1(cell))->text(QAccessible::Name).endsWith(QStringLiteral("，你填的，重複")));
        QVERIFY(face(h->Label1(cell))->text(QAccessible::Description).isEmpty());
        // the cell given back its emptiness: one event again
        QTest::keyClick(&h.window(), Qt::Key_Delete);
        settle();
        QCOMPARE(told.count(), 2);
        QCOMPARE(shown.count, 2);
        QCOMPARE(face(&news)->text(QAccessible::Name), cellPlace(cell) + QStringLiteral("，空格"));
        // a pencil mark too
        QTest::keyClick(&h.window(), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(news.message(), cellPlace(cell) + QStringLiteral("，空格，候選數 3"));
    }

    // A digit the board does not take says why; so does a refused 作答.
    void refusalsAreTold() {
        WindowHarness h;
        enterGivens(h.window(), kUniquePuzzle);
        h->Command1_Click(1);
        settle();
        focusLastButton(h);
        press(Qt::Key_Tab);
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        press(Qt::Key_7);
        QCOMPARE(announcer(h.window()).message(), QStringLiteral("已解出的盤面不能修改，按 0.手動 可修改題目"));
        settle();
        h->Command1_Click(0);
        h->features().play().play();
        settle();
        QTest::mouseClick(h->Label1(0), Qt::LeftButton);
        QTest::keyClick(&h.window(), Qt::Key_9);
        QCOMPARE(announcer(h.window()).message(), QStringLiteral("第1列第1行是題目的數字，不能修改"));
        WindowHarness empty;
        empty->features().play().play();
        QCOMPARE(announcer(empty.window()).message(), QStringLiteral("有多組解答，不能作答"));
        QVERIFY(!empty->session().playing());
    }

    // The context menu is named; opened from the keyboard its first command is highlighted and told as
    // the focused item (Qt tells it with a focus event), opened with the mouse nothing is highlighted.
    void theContextMenuIsNamedAndItsFirstItemTold_data() {
        QTest::addColumn<bool>("fromKeyboard");
        QTest::newRow("keyboard") << true;
        QTest::newRow("mouse") << false;
    }
    void theContextMenuIsNamedAndItsFirstItemTold() {
        QFETCH(bool, fromKeyboard);
        WindowHarness h;
        h->features().contextMenu().popup(QPoint(5, 5), fromKeyboard);
        QMenu* menu = h->features().contextMenu().menu();
        QVERIFY(menu);
        QCOMPARE(face(menu)->text(QAccessible::Name), QStringLiteral("視窗指令"));
        QCOMPARE(menu->activeAction() != nullptr, fromKeyboard);
        if (fromKeyboard) QCOMPARE(menu->activeAction(), menu->actions().first());
        menu->close();
    }

    // Opened again, the menu's items are alive to assistive technology: Qt keeps each action's item with
    // the menu that first showed it.
    void theContextMenuStaysAliveWhenOpenedAgain() {
        WindowHarness h;
        h->features().contextMenu().popup(QPoint(5, 5), true);
        QMenu* first = h->features().contextMenu().menu();
        QVERIFY(first);
        // read as a screen reader reads it
        QVERIFY(face(first)->childCount() > 0);
        for (int i = 0; i < face(first)->childCount(); ++i) QVERIFY(face(first)->child(i)->isValid());
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        h->features().contextMenu().popup(QPoint(5, 5), true);
        QMenu* menu = h->features().contextMenu().menu();
        QVERIFY(menu);
        QAccessibleInterface* items = face(menu);
        QCOMPARE(items->childCount(), menu->actions().size());
        for (int i = 0; i < items->childCount(); ++i) {
            QVERIFY2(items->child(i)->isValid(), qPrintable(menu->actions().at(i)->text()));
            QCOMPARE(items->child(i)->parent()->object(), menu);
        }
        QCOMPARE(menu->activeAction(), menu->actions().first());
        menu->close();
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
