#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace dodoru::cli {

// Every JSON value the command line prints: members keep the order they were added in.
using Json = nlohmann::ordered_json;

// A rating in tenths as a number: 44 is 4.4, 60 is 6.0.
Json ratingJson(int tenths);
// A number written with exactly `decimals` decimals ("12.500"), as timings are printed.
Json fixedJson(double value, int decimals);

// `value` on one line, as the command line prints it: ", " between members and items, ": " after a key,
// strings escaped as JSON requires (a byte that is not UTF-8 becomes U+FFFD). No newline at the end.
std::string writeJson(const Json& value);

} // namespace dodoru::cli
