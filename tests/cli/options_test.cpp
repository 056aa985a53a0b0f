#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commandoptions.h"

namespace dodoru::cli {
namespace {

// What the parser hands over, one "name=value" a piece, then "help" or the message it stopped at.
std::string readAll(const CommandOptions& command, const std::vector<std::string>& args) {
    std::string taken;
    const OptionsRead read = readOptions(args, command, [&](const std::string& name, const std::string& value) {
        taken += name + "=" + value + " ";
        return std::optional<std::string>();
    });
    return taken + (read.help ? "help" : read.error.value_or("ok"));
}

TEST(CommandOptions, ReadsEachCommandsArgumentsByItsDeclaration) {
    const struct {
        const CommandOptions& command;
        std::vector<std::string> args;
        std::string read;
    } cases[] = {
        {kGenerateOptions, {"--level", "3", "--json", "--seed=7"}, "--level=3 --json= --seed=7 ok"},
        {kGenerateOptions, {"--json=1"}, "--json takes no value"},
        {kGenerateOptions, {"--count"}, "--count needs a value"},
        {kGenerateOptions, {"--log", "--help"}, "--log=--help ok"},
        {kGenerateOptions, {"--level", "1", "--help", "--bogus"}, "--level=1 help"},
        {kGenerateOptions, {"--help=1"}, "unknown option '--help'"},
        {kGenerateOptions, {"-", "x"}, "unexpected argument '-'"},
        {kManuscriptOptions, {"--output=a.pdf", "-o", "b.pdf"}, "--output=a.pdf -o=b.pdf ok"},
        {kSolveOptions, {"-x", "--exact", "--json=1"}, "=-x --exact= unknown option '--json=1'"},
        {kExplainOptions, {"-", "-x"}, "=- unknown option '-x'"},
        {kReadOptions, {"a.jpg", "-b.jpg", "--"}, "=a.jpg =-b.jpg unknown option '--'"},
    };
    for (const auto& c : cases) EXPECT_EQ(readAll(c.command, c.args), c.read) << c.command.name;
}

// Every option a command reads is in its help, a valued one with its placeholder.
TEST(CommandOptions, HelpShowsEveryOption) {
    for (const CommandOptions* command : {&kSolveOptions, &kGenerateOptions, &kExplainOptions, &kHintOptions,
                                          &kRateOptions, &kReadOptions, &kManuscriptOptions}) {
        const std::string help = commandHelp(*command);
        EXPECT_EQ(help.rfind("  dodoru-cli " + std::string(command->name) + " ", 0), 0U) << help;
        for (const Option& option : command->options) {
            const std::string shown = std::string(option.name) + (option.value.empty() ? "" : " ") + std::string(option.value);
            EXPECT_NE(help.find(shown), std::string::npos) << command->name << ": " << shown;
        }
    }
}

} // namespace
} // namespace dodoru::cli
