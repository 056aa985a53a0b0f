// Opening the maker's web page: one more browser window per call, the latest kept as Browser, and a
// message when no browser can be started.
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
        QVERIFY(!link.openWebPage(nullptr));
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
        QVERIFY(!link.openWebPage(nullptr));
        QVERIFY(!link.Browser().has_value());
        QCOMPARE(boxes.texts().size(), 1);
    }
};

QTEST_MAIN(WebLinkTest)
#include "weblink_open_test.moc"
