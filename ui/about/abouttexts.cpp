#include "abouttexts.h"

#include <QCoreApplication>

#include "appinfo.h"

namespace dodoru::about {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString caption() {
    //: The About box's caption. %1: the program's full name.
    return QCoreApplication::translate("dodoru::AboutDialog", "關於 %1").arg(app::applicationTitle());
}

QString versionLine() {
    //: %1: the version number, such as 1.2.0.
    return QCoreApplication::translate("dodoru::AboutDialog", "版本 %1").arg(app::kVersion);
}

QString title() {
    return app::applicationTitle();
}

QString uses() {
    //: Second paragraph of the About box: what the program does.
    return QCoreApplication::translate("dodoru::AboutDialog",
                                       "程式可〔設定題目／自創題目／自動解答〕，還可用來產生題庫手稿。");
}

QString description() {
    //: First paragraph of the About box. %1: the puzzle's name, %2: the mathematician's name.
    const QString origin = QCoreApplication::translate(
        "dodoru::AboutDialog",
        "世界最近流行的「%1」（Dodoru）來自日文，但概念源自「拉丁方塊」，是十八世紀瑞士數學家%2發明的。");
    //: Third paragraph of the About box. %1: the puzzle's name.
    const QString learning = QCoreApplication::translate(
        "dodoru::AboutDialog",
        "尤其是當您用紙筆在玩%1玩到頭很大，還解不出來時，把題目輸入程式〔自動解答〕提供正確答案，"
        "比對解答就能知道自己哪個步驟錯誤，進而學習改進，如此就會越解功力越強。");
    //: Fourth paragraph of the About box: the program may be passed on freely. %1: the download address.
    const QString download = QCoreApplication::translate(
        "dodoru::AboutDialog",
        "目前程式採用自由下載方式，歡迎〔媒體／報社／網站／學術等任何單位都可〕免費轉載，"
        "請將程式放置於貴伺服器提供下載，以降低網路頻寬負擔。官方下載網址：%1");
    //: Last paragraph of the About box: custom work on request. %1: the maker, %2: telephone number,
    //: %3: web page, %4: the puzzle's name.
    const QString contact = QCoreApplication::translate(
        "dodoru::AboutDialog",
        "如需要配合修改〔片頭廣告〕〔程式修改〕〔客製化產品〕等，亦歡迎來電 %1 %2 網頁：%3  贊助%4推廣。");
    return origin.arg(app::chineseName(), app::mathematician()) + kCrLf + kCrLf + uses() + kCrLf +
           learning.arg(app::chineseName()) + kCrLf + kCrLf + download.arg(app::kDownloadAddress) + kCrLf +
           kCrLf + contact.arg(app::kDesigner, app::kTelephone, app::kWebPage, app::chineseName());
}

QString disclaimer(int index) {
    switch (index) {
    case 1:
        //: A credit line of the About box. %1: the maker, %2: e-mail address.
        return QCoreApplication::translate("dodoru::AboutDialog", "程式設計：%1　%2")
            .arg(app::kDesigner, app::kEmail);
    case 2:
        //: A credit line of the About box. %1: the maker, %2: web page address.
        return QCoreApplication::translate("dodoru::AboutDialog", "我的網頁：%1　%2")
            .arg(app::kDesigner, app::kWebPage);
    default:
        return {};
    }
}

QString iconToolTip() {
    return QStringLiteral(" 我的網頁 ") + app::kWebPage;
}

QString createdCaption() {
    //: The About box's caption for the moment before its texts are filled in.
    return QCoreApplication::translate("dodoru::AboutDialog", "關於我的應用程式");
}

QString titlePlaceholder() {
    //: The About box's title label before its text is filled in.
    return QCoreApplication::translate("dodoru::AboutDialog", "應用程式標題");
}

QString versionPlaceholder() {
    //: The About box's version label before its text is filled in.
    return QCoreApplication::translate("dodoru::AboutDialog", "版本：");
}

QString okText() {
    //: The button that closes the About box.
    return QCoreApplication::translate("dodoru::AboutDialog", "確定");
}

QString sysInfoText() {
    //: The button that starts the system information tool. & marks the access key (Alt+S).
    return QCoreApplication::translate("dodoru::AboutDialog", "系統資訊(&S)...");
}

} // namespace dodoru::about
