#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>

class QWidget;

namespace dodoru {

class MessageBoxes;

// Shows an address in the user's web browser without making the caller wait: `done` is called once,
// with whether the browser took the address, perhaps before openUrl() returns.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void openUrl(const QUrl& address, std::function<void(bool opened)> done) = 0;
};

// The desktop's opener program (xdg-open), run so that its end is seen: the address is taken when it
// exits with status 0 within the time limit. A program that cannot start, exits otherwise or is still
// running at the limit has failed; one still running is stopped then (a browser it started stays
// open). Launches still under way when the opener is destroyed are stopped without a report.
class ProcessUrlOpener final : public UrlOpener {
public:
    static constexpr std::chrono::milliseconds kDefaultLimit{20'000};

    explicit ProcessUrlOpener(QString program = QStringLiteral("xdg-open"),
                              std::chrono::milliseconds limit = kDefaultLimit);
    ~ProcessUrlOpener() override;
    void openUrl(const QUrl& address, std::function<void(bool opened)> done) override;

private:
    QString program_;
    std::chrono::milliseconds limit_;
    QObject launches_; // parent of the running opener processes
};

// A browser window opened on the web page; `number` counts the windows opened in this run, from 1.
struct BrowserWindow {
    QUrl address;
    int number = 0;
};

// The maker's web page.
QUrl webPageAddress();

// The one "open the web page" operation of the program, shared by the main window's hint line and the
// About box. Every launch opens one more browser window; `Browser` refers to the latest only.
class WebLink {
public:
    WebLink(UrlOpener& opener, MessageBoxes& boxes) : opener_(opener), boxes_(boxes) {}

    // Starts opening the page and returns true; returns false and does nothing while an earlier launch
    // is still under way (a double click opens one window). When the browser cannot be started, says
    // so in a message box over `parent` (if it still exists) and changes nothing.
    bool openWebPage(QWidget* parent);
    bool launching() const { return launching_; }

    const std::optional<BrowserWindow>& Browser() const { return Browser_; }

private:
    UrlOpener& opener_;
    MessageBoxes& boxes_;
    std::optional<BrowserWindow> Browser_;
    int opened_ = 0;
    bool launching_ = false;
};

// The message shown when no browser takes the address.
QString webPageFailedText(const QUrl& address);

} // namespace dodoru
