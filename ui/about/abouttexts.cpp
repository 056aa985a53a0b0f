#include "abouttexts.h"

#include "appinfo.h"

namespace dodoru::about {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QChar kIdeographicSpace(0x3000);
} // namespace

QString caption() {
    return QStringLiteral("關於 ") + app::applicationTitle();
}

QString versionLine() {
    return QStringLiteral("版本 ") + app::kVersion;
}

QString title() {
    return app::applicationTitle();
}

QString description() {
    QString text;
    text += QStringLiteral("世界最近流行的「") + app::kChineseName +
            QStringLiteral("」（Dodoru）來自日文，但概念源自「拉丁方塊」，是十八世紀瑞士數學家") +
            app::kMathematician + QStringLiteral("發明的。") + kCrLf + kCrLf;
    text += QStringLiteral("程式可〔設定題目／自創題目／自動解答〕，還可用來產生題庫手稿。") + kCrLf;
    text += QStringLiteral("尤其是當您用紙筆在玩") + app::kChineseName +
            QStringLiteral("玩到頭很大，還解不出來時，把題目輸入程式〔自動解答〕提供正確答案，比對解答就能知"
                           "道自己哪個步驟錯誤，"
                           "進而學習改進，如此就會越解功力越強。") +
            kCrLf + kCrLf;
    text += QStringLiteral("目前程式採用自由下載方式，歡迎〔媒體／報社／網站／學術等任何單位都可〕免費轉載，"
                           "請將程式放置於貴伺服器提供下載，以降低網路頻寬負擔。官方下載網址：") +
            app::kDownloadAddress + kCrLf + kCrLf;
    text += QStringLiteral("如需要配合修改〔片頭廣告〕〔程式修改〕〔客製化產品〕等，亦歡迎來電 ") +
            app::kDesigner + QLatin1Char(' ') + app::kTelephone + QLatin1Char(' ') +
            QStringLiteral("網頁：") + app::kWebPage + QStringLiteral("  贊助") + app::kChineseName +
            QStringLiteral("推廣。");
    return text;
}

QString disclaimer(int index) {
    switch (index) {
    case 1:
        return QStringLiteral("程式設計：") + app::kDesigner + kIdeographicSpace + app::kEmail;
    case 2:
        return QStringLiteral("我的網頁：") + app::kDesigner + kIdeographicSpace + app::kWebPage;
    default:
        return {};
    }
}

QString iconToolTip() {
    return QStringLiteral(" 我的網頁 ") + app::kWebPage;
}

} // namespace dodoru::about
