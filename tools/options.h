#pragma once

#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dodoru::cli {

// A whole number that fills all of `text`, or nothing.
template <typename Number> std::optional<Number> parseNumber(const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// A --seed value, or the message that says what a seed may be.
std::optional<std::uint64_t> parseSeed(const std::string& value, std::string& error);

// The options of one command: `flags` take no value; `valued` take the next argument or "=value".
struct OptionNames {
    std::vector<std::string> flags;
    std::vector<std::string> valued;
};

// Hands each option in order to `take` (name and value; the value is empty for a flag) and stops at the
// first message it returns, or at the first argument that is no option of `names`.
using TakeOption = std::function<std::optional<std::string>(const std::string& name, const std::string& value)>;
std::optional<std::string> readOptions(const std::vector<std::string>& args, const OptionNames& names,
                                       const TakeOption& take);

// Says `message` on standard error for `command`, with a pointer to --help; returns kExitBadInput.
int usageError(const char* command, const std::string& message);

} // namespace dodoru::cli
