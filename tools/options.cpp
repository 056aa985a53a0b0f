#include "options.h"

#include <algorithm>
#include <cstdio>

#include "commands.h"

namespace dodoru::cli {

namespace {

const Option* optionNamed(const CommandOptions& command, const std::string& name) {
    const auto found = std::find_if(command.options.begin(), command.options.end(), [&](const Option& option) {
        return option.name == name || (!option.alias.empty() && option.alias == name);
    });
    return found == command.options.end() ? nullptr : &*found;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// One line of a synopsis with each option's placeholder after its name: "[--count]" is "[--count N]".
std::string withPlaceholders(std::string_view line, const CommandOptions& command) {
    std::string out;
    for (const std::string_view word : split(line, ' ')) {
        const std::size_t first = word.find_first_not_of("[(");
        const std::size_t last = word.find_last_not_of("])");
        std::string shown(word);
        if (first != std::string_view::npos && last != std::string_view::npos && first <= last) {
            const std::string name(word.substr(first, last - first + 1));
            if (const Option* option = optionNamed(command, name); option && !option->value.empty())
                shown = std::string(word.substr(0, last + 1)) + " " + std::string(option->value) +
                        std::string(word.substr(last + 1));
        }
        out += (out.empty() ? "" : " ") + shown;
    }
    return out;
}

// Adds a piece of the help's words: on a line of its own when it starts with "\n", else after a blank.
void addWords(std::string& text, std::string_view words) {
    if (words.empty()) return;
    if (!text.empty() && words.front() != '\n') text += ' ';
    text += words;
}

} // namespace

std::optional<std::uint64_t> parseSeed(const std::string& value, std::string& error) {
    const auto seed = parseNumber<std::uint64_t>(value);
    if (!seed) error = "--seed must be a whole number 0.." + std::to_string(UINT64_MAX) + ", not '" + value + "'";
    return seed;
}

std::string commandHelp(const CommandOptions& command) {
    const std::string head = "  dodoru-cli " + std::string(command.name) + " ";
    std::string out;
    for (const std::string_view form : command.forms) {
        bool first = true;
        for (const std::string_view line : split(form, '\n')) {
            out += (first ? head : std::string(head.size(), ' ')) + withPlaceholders(line, command) + "\n";
            first = false;
        }
    }
    std::string words(command.lead);
    for (const Option& option : command.options) addWords(words, option.help);
    addWords(words, command.closing);
    for (const std::string_view line : split(words, '\n')) out += "      " + std::string(line) + "\n";
    return out;
}

int showCommandHelp(const CommandOptions& command) {
    return writeOutput("Usage:\n" + commandHelp(command)) ? kExitOk : kExitIncomplete;
}

OptionsRead readOptions(const std::vector<std::string>& args, const CommandOptions& command, const TakeOption& take) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = arg.size() > 1 && (command.singleDash ? arg.front() == '-' : arg.rfind("--", 0) == 0);
        if (!isOption) {
            if (!command.operands) return {false, "unexpected argument '" + arg + "'"};
            if (auto error = take("", arg)) return {false, error};
            continue;
        }
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); command.inlineValues && name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--help" && !inlineValue) return {true, std::nullopt};
        const Option* option = optionNamed(command, name);
        if (option == nullptr) return {false, "unknown option '" + name + "'"};
        std::string value;
        if (option->value.empty()) {
            if (inlineValue) return {false, name + " takes no value"};
        } else if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return {false, name + " needs a value"};
        }
        if (auto error = take(name, value)) return {false, error};
    }
    return {};
}

int usageError(const char* command, const std::string& message) {
    std::fprintf(stderr, "dodoru-cli %s: %s (see dodoru-cli --help)\n", command, message.c_str());
    return kExitBadInput;
}

} // namespace dodoru::cli
