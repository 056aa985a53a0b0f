#include "aboutplatform.h"

namespace dodoru {

AboutPlatform::AboutPlatform(MessageBoxes& boxes)
    : registry_(registry::systemRegistry()), webLink_(opener_, boxes),
      sysInfo_(*registry_, files_, starter_, boxes) {}

} // namespace dodoru
