#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "projectinfo.h"

namespace dodoru::cli {

namespace {

namespace fs = std::filesystem;

// The folder this program was started from: the helpers sit beside it in a build tree, and in their
// own folder once installed.
std::optional<fs::path> ownFolder() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error || self.empty()) return std::nullopt;
    return self.parent_path();
}

std::optional<fs::path> findHelper(const std::string& name) {
    const auto folder = ownFolder();
    if (!folder) return std::nullopt;
    for (const fs::path& candidate : {*folder / name, *folder / project::kInstalledHelpers / name}) {
        if (::access(candidate.c_str(), X_OK) == 0) return candidate.lexically_normal();
    }
    return std::nullopt;
}

} // namespace

int runHelperProgram(const std::string& name, const std::vector<std::string>& args) {
    const auto helper = findHelper(name);
    if (!helper) {
        std::fprintf(stderr, "dodoru-cli: this command needs the program %s, which is not installed with it\n",
                     name.c_str());
        return kExitIncomplete;
    }
    std::vector<std::string> words{name};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::fflush(stdout);
    ::execv(helper->c_str(), argv.data());
    std::fprintf(stderr, "dodoru-cli: cannot start %s: %s\n", helper->c_str(), std::strerror(errno));
    return kExitIncomplete;
}

} // namespace dodoru::cli
