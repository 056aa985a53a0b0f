// Opening the maker's web page: one more browser window per call, the latest kept as Browser, and a
// message when no browser can be started.
#include <QtTest>

#include <vector>

#include "messageboxes.h"
#include "weblink.h"

using namespace dodoru;

namespace {

class FakeBrowser final : public UrlOpener {
public:
    bool available = true;
    std::vector<QUrl> opened;
    bool openUrl(const QUrl& address) override {
        if (!available) return false;
        opened.push_back(address);
        return true;
    }
};

class RecordingBoxes final : public MessageBoxes {
public:
    QStringList texts;
    std::vector<MessageButtons> buttons;
    MessageAnswer show(QWidget*, const QString& text, MessageButtons shownButtons, MessageIcon) override {
        texts << text;
        buttons.push_back(shownButtons);
        return MessageAnswer::Ok;
    }
};

} // namespace

class WebLinkTest : public QObject {
    Q_OBJECT

private slots:
    void addressIsTheMakersPage() {
        QCOMPARE(webPageAddress(), QUrl(QStringLiteral("https://www.example.com/dodoru/")));
        QVERIFY(webPageAddress().isValid());
    }

    void nothingOpenedBeforeTheFirstClick() {
        FakeBrowser browser;
        RecordingBoxes boxes;
        const WebLink link(browser, boxes);
        QVERIFY(!link.Browser().has_value());
    }

    void everyCallOpensOneMoreWindow() {
        FakeBrowser browser;
        RecordingBoxes boxes;
        WebLink link(browser, boxes);
        QVERIFY(link.openWebPage(nullptr));
        QCOMPARE(link.Browser()->number, 1);
        QVERIFY(link.openWebPage(nullptr));
        QCOMPARE(browser.opened.size(), size_t{2});
        QCOMPARE(browser.opened[0], webPageAddress());
        QCOMPARE(browser.opened[1], webPageAddress());
        QCOMPARE(link.Browser()->number, 2); // the reference moved on to the latest window
        QCOMPARE(link.Browser()->address, webPageAddress());
        QVERIFY(boxes.texts.isEmpty());
    }

    void noBrowserIsReportedAndChangesNothing() {
        FakeBrowser browser;
        RecordingBoxes boxes;
        WebLink link(browser, boxes);
        QVERIFY(link.openWebPage(nullptr));
        browser.available = false;
        QVERIFY(!link.openWebPage(nullptr));
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts[0].contains(QStringLiteral("無法開啟網頁瀏覽器")));
        QVERIFY(boxes.texts[0].contains(webPageAddress().toString()));
        QCOMPARE(boxes.buttons[0], MessageButtons::Ok);
        QCOMPARE(link.Browser()->number, 1); // still the window opened before
        browser.available = true;
        QVERIFY(link.openWebPage(nullptr));
        QCOMPARE(link.Browser()->number, 2);
    }

    void failureBeforeAnyWindowLeavesNoReference() {
        FakeBrowser browser;
        browser.available = false;
        RecordingBoxes boxes;
        WebLink link(browser, boxes);
        QVERIFY(!link.openWebPage(nullptr));
        QVERIFY(!link.Browser().has_value());
        QCOMPARE(boxes.texts.size(), 1);
    }
};

QTEST_MAIN(WebLinkTest)
#include "weblink_open_test.moc"
