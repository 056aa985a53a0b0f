#include "options.h"

#include <algorithm>
#include <cstdio>

#include "commands.h"

namespace dodoru::cli {

namespace {

bool listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

std::optional<std::uint64_t> parseSeed(const std::string& value, std::string& error) {
    const auto seed = parseNumber<std::uint64_t>(value);
    if (!seed) error = "--seed must be a whole number 0.." + std::to_string(UINT64_MAX) + ", not '" + value + "'";
    return seed;
}

std::optional<std::string> readOptions(const std::vector<std::string>& args, const OptionNames& names,
                                       const TakeOption& take) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        std::string value;
        if (listed(names.flags, name)) {
            if (inlineValue) return name + " takes no value";
        } else if (!listed(names.valued, name)) {
            return name.size() > 1 && name.front() == '-' ? "unknown option '" + name + "'"
                                                          : "unexpected argument '" + name + "'";
        } else if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return name + " needs a value";
        }
        if (auto error = take(name, value)) return error;
    }
    return std::nullopt;
}

int usageError(const char* command, const std::string& message) {
    std::fprintf(stderr, "dodoru-cli %s: %s (see dodoru-cli --help)\n", command, message.c_str());
    return kExitBadInput;
}

} // namespace dodoru::cli
