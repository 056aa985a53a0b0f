#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dodoru {

// UTF-8 text to code page 950 (Big5); nullopt when a character has no Big5 form. This is the one
// place that knows the platform's converter (glibc's iconv).
std::optional<std::string> toCodePage950(std::string_view utf8);

}  // namespace dodoru
