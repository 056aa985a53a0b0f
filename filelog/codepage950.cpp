#include <cerrno>
#include <iconv.h>

#include "codepage950.h"

namespace dodoru {

std::optional<std::string> toCodePage950(std::string_view utf8) {
    iconv_t converter = iconv_open("CP950", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string input(utf8);
    std::string output(input.size() * 2 + 16, '\0');  // a Big5 form is never longer than its UTF-8
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    const bool complete = converted != static_cast<std::size_t>(-1) && inLeft == 0 &&
                          iconv(converter, nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!complete) return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace dodoru
