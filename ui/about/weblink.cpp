#include "weblink.h"

#include <QDesktopServices>

#include "appinfo.h"
#include "messageboxes.h"

namespace dodoru {

bool DesktopUrlOpener::openUrl(const QUrl& address) {
    return QDesktopServices::openUrl(address);
}

QUrl webPageAddress() {
    return QUrl(app::kWebPage);
}

bool WebLink::openWebPage(QWidget* parent) {
    const QUrl address = webPageAddress();
    if (!opener_.openUrl(address)) {
        boxes_.show(parent,
                    QStringLiteral("無法開啟網頁瀏覽器。\n請自行在瀏覽器中前往 ") + address.toString(),
                    MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    Browser_ = BrowserWindow{address, ++opened_};
    return true;
}

} // namespace dodoru
