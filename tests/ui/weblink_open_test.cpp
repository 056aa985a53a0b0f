// Opening the maker's web page: one more browser window per launch, the latest kept as Browser, a
// message when no browser takes the page, and the desktop's opener run so that its failures are seen.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

#include "fakeplatform.h"
#include "messageboxes.h"
#include "scriptedmessageboxes.h"
#include "weblink.h"

using namespace dodoru;
using namespace dodoru::testing;

class WebLinkTest : public QObject {
    Q_OBJECT

private slots:
    void addressIsTheMakersPage() {
        QCOMPARE(webPageAddress(), QUrl(QStringLiteral("https://www.example.com/dodoru/")));
        QVERIFY(webPageAddress().isValid());
    }

    void nothingOpenedBeforeTheFirstClick() {
        RecordingBrowser browser;
        ScriptedMessageBoxes boxes;
        const WebLink link(browser, boxes);
        QVERIFY(!link.Browser().has_value());
    }

    void everyCallOpensOneMoreWindow() {
        RecordingBrowser browser;
        ScriptedMessageBoxes boxes;
        WebLink link(browser, boxes);
        QVERIFY(link.openWebPage(nullptr));
        QCOMPARE(link.Browser()->number, 1);
        QVERIFY(link.openWebPage(nullptr));
        QCOMPARE(browser.opened.size(), size_t{2});
        QCOMPARE(browser.opened[0], webPageAddress());
        QCOMPARE(browser.opened[1], webPageAddress());
        QCOMPARE(link.Browser()->number, 2); // the reference moved on to the latest window
        QCOMPARE(link.Browser()->address, webPageAddress());
        QVERIFY(boxes.texts().isEmpty());
    }

    void noBrowserIsReportedAndChangesNothing() {
        RecordingBrowser browser;
        ScriptedMessageBoxes boxes;
        WebLink link(browser, boxes);
        QVERIFY(link.openWebPage(nullptr));
        browser.available = false;
        QVERIFY(link.openWebPage(nullptr));
        QCOMPARE(boxes.texts().size(), 1);
        QVERIFY(boxes.texts()[0].contains(QStringLiteral("無法開啟網頁瀏覽器")));
        QVERIFY(boxes.texts()[0].contains(webPageAddress().toString()));
        QCOMPARE(boxes.shown()[0].buttons, MessageButtons::Ok);
        QCOMPARE(link.Browser()->number, 1); // still the window opened before
        browser.available = true;
        QVERIFY(link.openWebPage(nullptr));
        QCOMPARE(link.Browser()->number, 2);
    }

    void failureBeforeAnyWindowLeavesNoReference() {
        RecordingBrowser browser;
        browser.available = false;
        ScriptedMessageBoxes boxes;
        WebLink link(browser, boxes);
        link.openWebPage(nullptr);
        QVERIFY(!link.Browser().has_value());
        QCOMPARE(boxes.texts().size(), 1);
    }

    // The opener is a script standing in for xdg-open; it records each address it is given.
    void openerOutcomes_data() {
        QTest::addColumn<QString>("script"); // empty: no such program
        QTest::addColumn<bool>("opened");
        QTest::newRow("opener succeeds") << QStringLiteral("exit 0") << true;
        QTest::newRow("opener missing") << QString() << false;
        QTest::newRow("opener exits non-zero") << QStringLiteral("exit 3") << false;
        QTest::newRow("opener hangs") << QStringLiteral("exec sleep 60") << false;
    }
    void openerOutcomes() {
        QFETCH(QString, script);
        QFETCH(bool, opened);
        QTemporaryDir dir;
        const QString calls = dir.filePath(QStringLiteral("calls"));
        const QString program = dir.filePath(QStringLiteral("opener"));
        if (!script.isEmpty()) {
            QFile file(program);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\n%2\n").arg(calls, script).toUtf8());
            file.close();
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        ProcessUrlOpener opener(program, std::chrono::milliseconds(500));
        ScriptedMessageBoxes boxes;
        WebLink link(opener, boxes);
        QVERIFY(link.openWebPage(nullptr));
        QVERIFY(link.launching());
        QVERIFY(!link.openWebPage(nullptr)); // a second click while the first launch is under way
        QTRY_VERIFY_WITH_TIMEOUT(!link.launching(), 10000);
        QCOMPARE(link.Browser().has_value(), opened);
        QCOMPARE(boxes.texts().size(), opened ? 0 : 1);
        if (!opened) QCOMPARE(boxes.texts()[0], webPageFailedText(webPageAddress()));
        QFile called(calls);
        const QByteArray expected = script.isEmpty() ? QByteArray() : webPageAddress().toEncoded() + '\n';
        QCOMPARE(called.open(QIODevice::ReadOnly) ? called.readAll() : QByteArray(), expected);
    }
};

QTEST_MAIN(WebLinkTest)
#include "weblink_open_test.moc"
