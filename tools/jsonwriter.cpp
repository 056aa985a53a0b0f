#include "jsonwriter.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace dodoru::cli {

namespace {

// A number with fixed decimals travels as the library's binary value of this subtype, holding the
// number's text; the library's own doubles would drop trailing zeros ("12.5").
constexpr std::uint64_t kFixedNumber = 1;

std::string scalarText(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

void write(const Json& value, std::string& out) {
    switch (value.type()) {
    case Json::value_t::object: {
        out += '{';
        bool first = true;
        for (const auto& member : value.items()) {
            if (!first) out += ", ";
            first = false;
            out += scalarText(Json(member.key()));
            out += ": ";
            write(member.value(), out);
        }
        out += '}';
        break;
    }
    case Json::value_t::array: {
        out += '[';
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (i > 0) out += ", ";
            write(value[i], out);
        }
        out += ']';
        break;
    }
    case Json::value_t::binary: {
        const auto& bytes = value.get_binary();
        if (bytes.has_subtype() && bytes.subtype() == kFixedNumber) {
            out.append(bytes.begin(), bytes.end());
            break;
        }
        out += scalarText(value);
        break;
    }
    case Json::value_t::null:
    case Json::value_t::string:
    case Json::value_t::boolean:
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
    case Json::value_t::discarded:
        out += scalarText(value);
        break;
    }
}

} // namespace

Json ratingJson(int tenths) {
    // The shortest text that reads back as tenths / 10.0 is the rating with its one decimal.
    return static_cast<double>(tenths) / 10.0;
}

Json fixedJson(double value, int decimals) {
    char text[64];
    const int written = std::snprintf(text, sizeof text, "%.*f", decimals, value);
    const std::size_t length = written < 0 ? 0 : std::min(static_cast<std::size_t>(written), sizeof text - 1);
    return Json::binary(std::vector<std::uint8_t>(text, text + length), kFixedNumber);
}

std::string writeJson(const Json& value) {
    std::string out;
    write(value, out);
    return out;
}

} // namespace dodoru::cli
