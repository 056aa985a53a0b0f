#pragma once

#include <memory>

#include "registry.h"
#include "sysinfo.h"
#include "weblink.h"

namespace dodoru {

class MessageBoxes;

// The real platform behind the About box and the web page link, owned in one place: the default
// browser, this system's registry, the file system and detached processes. The main window keeps one
// for the program's life and hands its parts to the About box.
class AboutPlatform {
public:
    // `browser` replaces the desktop's default browser (tests); empty means the default browser.
    explicit AboutPlatform(MessageBoxes& boxes, std::unique_ptr<UrlOpener> browser = nullptr);

    WebLink& webLink() { return webLink_; }
    SystemInfoLauncher& sysInfo() { return sysInfo_; }

private:
    std::unique_ptr<UrlOpener> opener_;
    std::unique_ptr<registry::Registry> registry_;
    HostFileLookup files_;
    DetachedProgramStarter starter_;
    WebLink webLink_;
    SystemInfoLauncher sysInfo_;
};

} // namespace dodoru
