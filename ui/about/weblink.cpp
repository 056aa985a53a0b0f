#include "weblink.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "appinfo.h"
#include "messageboxes.h"

namespace dodoru {

ProcessUrlOpener::ProcessUrlOpener(QString program, std::chrono::milliseconds limit)
    : program_(std::move(program)), limit_(limit) {}

ProcessUrlOpener::~ProcessUrlOpener() {
    const auto running = launches_.findChildren<QProcess*>(Qt::FindDirectChildrenOnly);
    for (QProcess* process : running) {
        process->disconnect();
        process->kill();
        process->waitForFinished(1000);
    }
}

void ProcessUrlOpener::openUrl(const QUrl& address, std::function<void(bool opened)> done) {
    auto* process = new QProcess(&launches_);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    auto* limit = new QTimer(process);
    limit->setSingleShot(true);

    // The first of the three outcomes reports; the process goes once its report is made.
    auto report = std::make_shared<std::function<void(bool)>>();
    *report = [process, done = std::move(done)](bool opened) {
        process->disconnect();
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(1000);
        }
        process->deleteLater();
        done(opened);
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [report](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) (*report)(false);
    });
    QObject::connect(process, &QProcess::finished, process, [report](int code, QProcess::ExitStatus status) {
        (*report)(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(limit, &QTimer::timeout, process, [report] { (*report)(false); });
    limit->start(limit_);
    process->start(program_, {address.toString(QUrl::FullyEncoded)});
}

QUrl webPageAddress() {
    return QUrl(app::kWebPage);
}

QString webPageFailedText(const QUrl& address) {
    //: %1: the web page's address, for the user to type into a browser.
    return QCoreApplication::translate("dodoru::WebLink", "無法開啟網頁瀏覽器。\n請自行在瀏覽器中前往 %1")
        .arg(address.toString());
}

bool WebLink::openWebPage(QWidget* parent) {
    if (launching_) return false;
    launching_ = true;
    const QUrl address = webPageAddress();
    opener_.openUrl(address, [this, address, owner = QPointer<QWidget>(parent)](bool opened) {
        launching_ = false;
        if (opened)
            Browser_ = BrowserWindow{address, ++opened_};
        else
            boxes_.show(owner.data(), webPageFailedText(address), MessageButtons::Ok, MessageIcon::Warning);
    });
    return true;
}

} // namespace dodoru
