// frmAbout: its window, its texts, its controls laid out in twips, its picture, and what its buttons,
// keys and clicks do.
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <vector>

#include "aboutdialog.h"
#include "aboutpicture.h"
#include "aboutplatform.h"
#include "fakeplatform.h"
#include "messageboxes.h"
#include "scriptedmessageboxes.h"
#include "registry.h"
#include "sysinfo.h"
#include "weblink.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

class NoFiles final : public FileLookup {
public:
    QString firstMatch(const QString&) override { return {}; }
};

class FakeStarter final : public ProgramStarter {
public:
    QStringList started;
    bool start(const QString& path) override {
        started << path;
        return true;
    }
};

const QString kCrLf = QStringLiteral("\r\n");

int dark(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100) ++count;
    return count;
}

} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        browser_ = RecordingBrowser();
        boxes_ = ScriptedMessageBoxes();
        starter_ = FakeStarter();
        registry_ = registry::StandInRegistry();
        link_ = std::make_unique<WebLink>(browser_, boxes_);
        launcher_ = std::make_unique<SystemInfoLauncher>(registry_, files_, starter_, boxes_);
        dialog_ = new AboutDialog(*link_, *launcher_);
    }

    void cleanup() {
        delete dialog_.data();
        launcher_.reset();
        link_.reset();
    }

    // --- the window ---
    void loadFillsTheCaptionAndLabels() {
        QCOMPARE(dialog_->objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("關於 Dodoru數字方陣"));
        QCOMPARE(dialog_->lblVersion()->text(), QStringLiteral("版本 1.2.0"));
        QCOMPARE(dialog_->lblTitle()->text(), QStringLiteral("Dodoru數字方陣"));
        QCOMPARE(dialog_->lblDisclaimer(0)->text(), QString());
        QCOMPARE(dialog_->lblDisclaimer(1)->text(),
                 QStringLiteral("程式設計：Dodoru 工作室\u3000dodoru@example.com"));
        QCOMPARE(dialog_->lblDisclaimer(2)->text(),
                 QStringLiteral("我的網頁：Dodoru 工作室\u3000https://www.example.com/dodoru/"));
        QCOMPARE(dialog_->picIcon()->toolTip(), QStringLiteral(" 我的網頁 https://www.example.com/dodoru/"));
    }

    void descriptionIsFiveParagraphs() {
        const QString text = dialog_->lblDescription()->text();
        const QString expected =
            QStringLiteral("世界最近流行的「數字方陣」（Dodoru）來自日文，但概念源自「拉丁方塊」，是十八世紀"
                           "瑞士數學家歐拉發明的。") +
            kCrLf + kCrLf + QStringLiteral("程式可〔設定題目／自創題目／自動解答〕，還可用來產生題庫手稿。") +
            kCrLf +
            QStringLiteral("尤其是當您用紙筆在玩數字方陣玩到頭很大，還解不出來時，把題目輸入程式〔自動解答〕"
                           "提供正確答案，"
                           "比對解答就能知道自己哪個步驟錯誤，進而學習改進，如此就會越解功力越強。") +
            kCrLf + kCrLf +
            QStringLiteral("目前程式採用自由下載方式，歡迎〔媒體／報社／網站／學術等任何單位都可〕免費轉載，"
                           "請將程式放置於貴伺服器提供下載，"
                           "以降低網路頻寬負擔。官方下載網址：https://www.example.com/dodoru/dodoru.zip") +
            kCrLf + kCrLf +
            QStringLiteral("如需要配合修改〔片頭廣告〕〔程式修改〕〔客製化產品〕等，亦歡迎來電 Dodoru 工作室 "
                           "(02) 0000-0000 "
                           "網頁：https://www.example.com/dodoru/  贊助數字方陣推廣。");
        QCOMPARE(text, expected);
        QCOMPARE(text.count(kCrLf), 7);
    }

    void fixedModelessDialogOutOfTheTaskBar() {
        const Qt::WindowFlags flags = dialog_->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool); // utility windows stay out of the task bar
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!dialog_->isModal());
        QVERIFY(!dialog_->parentWidget());
        QCOMPARE(dialog_->minimumSize(), dialog_->maximumSize());
        QCOMPARE(dialog_->size(), QSize(dialog_->scale().toPixelsX(6990), dialog_->scale().toPixelsY(4950)));
        QVERIFY(dialog_->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!dialog_->windowIcon().isNull());
    }

    void controlsLieWhereLaidOut_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<bool>("visible");
        QTest::newRow("cmdOK") << QStringLiteral("cmdOK") << -1 << QRect(5565, 4035, 1260, 345) << true;
        QTest::newRow("cmdSysInfo") << QStringLiteral("cmdSysInfo") << -1 << QRect(5580, 4470, 1245, 345)
                                    << true;
        QTest::newRow("lblTitle") << QStringLiteral("lblTitle") << -1 << QRect(1050, 240, 5565, 480) << false;
        QTest::newRow("lblVersion") << QStringLiteral("lblVersion") << -1 << QRect(1050, 780, 3885, 225)
                                    << false;
        QTest::newRow("lblDescription")
            << QStringLiteral("lblDescription") << -1 << QRect(1050, 1065, 5610, 2745) << false;
        QTest::newRow("lblDisclaimer(0)")
            << QStringLiteral("lblDisclaimer") << 0 << QRect(330, 4080, 3780, 180) << false;
        QTest::newRow("lblDisclaimer(1)")
            << QStringLiteral("lblDisclaimer") << 1 << QRect(330, 4365, 3450, 180) << false;
        QTest::newRow("lblDisclaimer(2)")
            << QStringLiteral("lblDisclaimer") << 2 << QRect(330, 4635, 3450, 180) << false;
    }

    void controlsLieWhereLaidOut() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QRect, twips);
        QFETCH(bool, visible);
        dialog_->show();
        QWidget* control = nullptr;
        for (QWidget* child : dialog_->findChildren<QWidget*>(name))
            if (index < 0 || child->property("index").toInt() == index) control = child;
        QVERIFY(control);
        const QRect expected(dialog_->scale().toPixelsX(twips.x()), dialog_->scale().toPixelsY(twips.y()),
                             dialog_->scale().toPixelsX(twips.width()), dialog_->scale().toPixelsY(twips.height()));
        QCOMPARE(control->geometry(), expected);
        QCOMPARE(control->isVisible(), visible);
    }

    void iconAndLinesAreHidden() {
        dialog_->show();
        QCOMPARE(dialog_->picIcon()->objectName(), QStringLiteral("picIcon"));
        QCOMPARE(dialog_->picIcon()->pos(), QPoint(dialog_->scale().toPixelsX(240), dialog_->scale().toPixelsY(240)));
        QCOMPARE(dialog_->picIcon()->size(), QSize(32, 32)); // sized to its picture
        QVERIFY(!dialog_->picIcon()->isVisible());
        for (int i : {0, 1}) {
            QCOMPARE(dialog_->Line1(i)->objectName(), QStringLiteral("Line1"));
            QVERIFY(!dialog_->Line1(i)->isVisible());
            QCOMPARE(dialog_->Line1(i)->y(), dialog_->scale().toPixelsY(3915));
        }
        QCOMPARE(dialog_->Line1(1)->height(), 1);
        QCOMPARE(dialog_->Line1(0)->height(), 2);
        QCOMPARE(dialog_->Line1(1)->x(), dialog_->scale().toPixelsX(165));
        QCOMPARE(dialog_->Line1(0)->x(), dialog_->scale().toPixelsX(180));
    }

    void buttonsAndTabOrder() {
        QCOMPARE(dialog_->cmdOK()->text(), QStringLiteral("確定"));
        QCOMPARE(dialog_->cmdSysInfo()->text(), QStringLiteral("系統資訊(&S)..."));
        QVERIFY(dialog_->cmdOK()->isDefault());
        QCOMPARE(dialog_->cmdOK()->nextInFocusChain(), dialog_->cmdSysInfo());
        QVERIFY(dialog_->lblTitle()->font().families().contains(QStringLiteral("新細明體")));
        QCOMPARE(dialog_->lblTitle()->font().pointSizeF(), 14.25);
    }

    // --- the picture ---
    void pictureCoversAllButTheLastColumnAndTwoRows() {
        const QImage& picture = dialog_->picture();
        QCOMPARE(picture.deviceIndependentSize().toSize(), dialog_->size() - QSize(1, 2));
        if (dialog_->size() == QSize(466, 330)) QCOMPARE(picture.size(), QSize(465, 328));
    }

    void pictureShowsTheLabelsWhereTheyLie() {
        const QImage picture = dialog_->picture().scaled(dialog_->size() - QSize(1, 2));
        const auto rect = [&](QWidget* w) { return w->geometry().intersected(picture.rect()); };
        QVERIFY(dark(picture, rect(dialog_->lblTitle())) > 50);
        QVERIFY(dark(picture, rect(dialog_->lblVersion())) > 20);
        QVERIFY(dark(picture, rect(dialog_->lblDescription())) > 500);
        QVERIFY(dark(picture, dialog_->lblDisclaimer(1)->geometry().adjusted(0, -3, 0, 3)) > 30);
        QVERIFY(dark(picture, dialog_->lblDisclaimer(2)->geometry().adjusted(0, -3, 0, 3)) > 30);
        // The button pictures carry their texts.
        QVERIFY(dark(picture, rect(dialog_->cmdOK())) > 20);
        QVERIFY(dark(picture, rect(dialog_->cmdSysInfo())) > 20);
        // The etched separator: grey over white.
        const int y = dialog_->Line1(1)->y();
        const int x = (dialog_->Line1(0)->x() + dialog_->Line1(0)->geometry().right()) / 2;
        QCOMPARE(QColor(picture.pixel(x, y)), QColor(0x80, 0x80, 0x80));
        QCOMPARE(QColor(picture.pixel(x, y + 1)), QColor(0xFF, 0xFF, 0xFF));
        // Nothing between the title and the description's left edge but the icon.
        QCOMPARE(dark(picture, QRect(dialog_->scale().toPixelsX(240) + 33, dialog_->scale().toPixelsY(900), 20, 40)), 0);
    }

    void pictureIsReproducible() {
        const QImage again = composeAboutPicture(*dialog_, dialog_->picture().devicePixelRatio());
        QCOMPARE(again, dialog_->picture());
        AboutDialog other(*link_, *launcher_);
        QCOMPARE(other.picture(), dialog_->picture());
    }

    void pictureFollowsTheTexts() {
        const QImage before = dialog_->picture();
        dialog_->lblDescription()->setText(QStringLiteral("短"));
        QVERIFY(composeAboutPicture(*dialog_, before.devicePixelRatio()) != before);
    }

    void drawnIconHasBothSizes() {
        const QIcon icon = drawnMonitorIcon();
        QCOMPARE(icon.availableSizes().size(), 2);
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        const QImage image = icon.pixmap(32, 32).toImage();
        QVERIFY(image.pixelColor(16, 9).alpha() > 0);
    }

    void givenIconIsUsed() {
        QPixmap red(32, 32);
        red.fill(Qt::red);
        AboutDialog withIcon(*link_, *launcher_, QIcon(red));
        const QImage shown = withIcon.picIcon()->pixmap().toImage();
        QCOMPARE(shown.pixelColor(10, 10), QColor(Qt::red));
        const QImage picture = withIcon.picture();
        const QPoint at = withIcon.picIcon()->pos() + QPoint(10, 10);
        QCOMPARE(QColor(picture.pixel(at * picture.devicePixelRatio())), QColor(Qt::red));
    }

    // --- what it does ---
    void showsModelessCentredInFront() {
        QWidget mainWindow;
        mainWindow.resize(200, 200);
        mainWindow.show();
        dialog_->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_));
        QVERIFY(dialog_->isVisible());
        QVERIFY(mainWindow.isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
        const QPoint centre = dialog_->screen()->availableGeometry().center();
        // The frame is centred once the window manager has drawn it; the title bar may come later.
        const QPoint offCentre = dialog_->frameGeometry().center() - centre;
        const int titleBar = dialog_->geometry().top() - dialog_->frameGeometry().top();
        QVERIFY(qAbs(offCentre.x()) <= 4);
        QVERIFY(qAbs(offCentre.y()) <= 4 + titleBar);
    }

    void okClosesAndDiscards_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("click") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void okClosesAndDiscards() {
        QFETCH(int, key);
        dialog_->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_));
        dialog_->cmdOK()->setFocus();
        if (key == 0)
            QTest::mouseClick(dialog_->cmdOK(), Qt::LeftButton);
        else
            QTest::keyClick(dialog_, static_cast<Qt::Key>(key));
        QVERIFY(!dialog_->isVisible());
        QTRY_VERIFY(dialog_.isNull());
        QVERIFY(browser_.opened.empty());
        QVERIFY(starter_.started.isEmpty());
    }

    void systemInfoButtonAndAltS() {
        registry_.setValue(registry::kSysInfoKey, registry::kSysInfoValue,
                           registry::Value::text(QStringLiteral("/usr/bin/tool")));
        dialog_->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_));
        QVERIFY(QTest::qWaitForWindowActive(dialog_));
        QTest::mouseClick(dialog_->cmdSysInfo(), Qt::LeftButton);
        QCOMPARE(starter_.started, QStringList{QStringLiteral("/usr/bin/tool")});
        QTest::keyClick(dialog_, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(starter_.started.size(), 2); // a mnemonic presses the button visibly, then clicks
        QVERIFY(dialog_->isVisible());
        QVERIFY(browser_.opened.empty());
    }

    void systemInfoMissingKeepsTheDialogOpen() {
        dialog_->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_));
        dialog_->cmdSysInfo()->click();
        QCOMPARE(boxes_.texts(), QStringList{QStringLiteral("目前無法提供系統資訊")});
        QVERIFY(dialog_->isVisible());
    }

    void clickOnThePictureOpensTheWebPage_data() {
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("on the title") << QPoint(2000, 400);
        QTest::newRow("on the icon") << QPoint(400, 400);
        QTest::newRow("on the description") << QPoint(3000, 2000);
        QTest::newRow("on the credits") << QPoint(600, 4700);
        QTest::newRow("between the buttons' edges and the border") << QPoint(6900, 4900);
    }

    void clickOnThePictureOpensTheWebPage() {
        QFETCH(QPoint, twips);
        dialog_->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_));
        const QPoint at(dialog_->scale().toPixelsX(twips.x()), dialog_->scale().toPixelsY(twips.y()));
        QTest::mouseClick(dialog_, Qt::LeftButton, {}, at);
        QCOMPARE(browser_.opened.size(), size_t{1});
        QCOMPARE(browser_.opened[0], QUrl(QStringLiteral("https://www.example.com/dodoru/")));
        QTest::mouseClick(dialog_, Qt::LeftButton, {}, at);
        QCOMPARE(browser_.opened.size(), size_t{2}); // one more window per click
        QCOMPARE(link_->Browser()->number, 2);
        QVERIFY(dialog_->isVisible());
    }

    void rightClickDoesNothing() {
        dialog_->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_));
        QTest::mouseClick(dialog_, Qt::RightButton, {}, QPoint(100, 100));
        QVERIFY(browser_.opened.empty());
    }

    void theDialogAndTheHintLineShareTheBrowserReference() {
        dialog_->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_));
        QTest::mouseClick(dialog_, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(link_->Browser()->number, 1);
        link_->openWebPage(nullptr); // what the main window's hint line does
        QCOMPARE(link_->Browser()->number, 2);
        QCOMPARE(browser_.opened.size(), size_t{2});
    }

    void realPlatformBuildsADialog() {
        // Nothing is opened or started by building it.
        AboutPlatform platform(boxes_);
        QVERIFY(!platform.webLink().Browser().has_value());
        AboutDialog real(platform.webLink(), platform.sysInfo());
        QCOMPARE(real.windowTitle(), QStringLiteral("關於 Dodoru數字方陣"));
        QVERIFY(boxes_.texts().isEmpty());
    }

private:
    RecordingBrowser browser_;
    ScriptedMessageBoxes boxes_;
    FakeStarter starter_;
    NoFiles files_;
    registry::StandInRegistry registry_;
    std::unique_ptr<WebLink> link_;
    std::unique_ptr<SystemInfoLauncher> launcher_;
    QPointer<AboutDialog> dialog_;
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
