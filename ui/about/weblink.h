#pragma once

#include <QUrl>

#include <optional>

class QWidget;

namespace dodoru {

class MessageBoxes;

// Shows an address in the user's web browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when no browser could be started.
    virtual bool openUrl(const QUrl& address) = 0;
};

// The desktop's default browser.
class DesktopUrlOpener final : public UrlOpener {
public:
    bool openUrl(const QUrl& address) override;
};

// A browser window opened on the web page; `number` counts the windows opened in this run, from 1.
struct BrowserWindow {
    QUrl address;
    int number = 0;
};

// The maker's web page.
QUrl webPageAddress();

// The one "open the web page" operation of the program, shared by the main window's hint line and the
// About box. Every call opens one more browser window; `Browser` refers to the latest only.
class WebLink {
public:
    WebLink(UrlOpener& opener, MessageBoxes& boxes) : opener_(opener), boxes_(boxes) {}

    // When no browser can be started, says so in a message box over `parent` and changes nothing.
    bool openWebPage(QWidget* parent);

    const std::optional<BrowserWindow>& Browser() const { return Browser_; }

private:
    UrlOpener& opener_;
    MessageBoxes& boxes_;
    std::optional<BrowserWindow> Browser_;
    int opened_ = 0;
};

} // namespace dodoru
