#include "aboutplatform.h"

namespace dodoru {

AboutPlatform::AboutPlatform(MessageBoxes& boxes, std::unique_ptr<UrlOpener> browser)
    : opener_(browser ? std::move(browser) : std::make_unique<ProcessUrlOpener>()),
      registry_(registry::systemRegistry()), webLink_(*opener_, boxes),
      sysInfo_(*registry_, files_, starter_, boxes) {}

} // namespace dodoru
