#pragma once

#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
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

// One option of a command, declared once: the parser reads it and the command's help shows it.
struct Option {
    std::string_view name;  // "--level"
    std::string_view value; // its value's placeholder in the help ("L"); empty for a flag
    // Its words in the help, after those of the options declared before it: joined by a blank, or on a
    // line of their own when they start with "\n"; empty where other words of the help say it.
    std::string_view help;
    std::string_view alias = {}; // a second name for it that the help leaves out ("--output" for "-o")
};

// What a command accepts and how its help reads. The help is the synopsis, one line per form (each
// option named in a form gets its placeholder; "\n" goes on under the first line), then the lead, the
// options' words and the closing words, indented and broken where they hold a "\n".
struct CommandOptions {
    std::string_view name; // "generate"
    std::span<const std::string_view> forms;
    std::string_view lead;
    std::span<const Option> options;
    std::string_view closing = {};
    bool operands = false;     // takes arguments that are no options (a board, images)
    bool singleDash = false;   // "-x" is an option too, not only "--x"
    bool inlineValues = false; // "--name=value" as well as "--name value"
};

// The command's part of the help: its synopsis and its words, each line ending in a newline.
std::string commandHelp(const CommandOptions& command);
// Writes "Usage:" and the command's help to standard output; returns the exit status.
int showCommandHelp(const CommandOptions& command);

// What reading a command's arguments found.
struct OptionsRead {
    bool help = false;                // --help was given: the command shows its help and does nothing else
    std::optional<std::string> error; // the first thing wrong with the arguments
};

// Hands each argument in order to `take`: an option as its name (as given) and value (empty for a
// flag), an operand with an empty name. Stops at --help, at the first message `take` returns, or at the
// first argument the command does not accept.
using TakeOption = std::function<std::optional<std::string>(const std::string& name, const std::string& value)>;
OptionsRead readOptions(const std::vector<std::string>& args, const CommandOptions& command, const TakeOption& take);

// Says `message` on standard error for `command`, with a pointer to --help; returns kExitBadInput.
int usageError(const char* command, const std::string& message);

} // namespace dodoru::cli
