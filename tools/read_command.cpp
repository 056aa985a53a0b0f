#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "commandoptions.h"
#include "commands.h"
#include "jsonwriter.h"
#include "verdictword.h"
#include "photoreader.h"

namespace dodoru::cli {

namespace {

std::string jsonLine(const std::string& image, const recognition::PhotoReading& reading, long long ms) {
    Json line;
    line["image"] = image;
    if (!reading.ok()) {
        line["puzzle"] = nullptr;
        line["uncertain"] = Json::array();
        line["verdict"] = "refused";
        line["reason"] = recognition::failureWords(reading.failure);
    } else {
        line["puzzle"] = reading.puzzle();
        line["uncertain"] = reading.uncertain;
        line["verdict"] = verdictWord(reading.verdict);
    }
    line["ms"] = ms;
    return writeJson(line) + "\n";
}

}  // namespace

int runRead(const std::vector<std::string>& args) {
    bool json = false;
    std::vector<std::string> images;
    const auto take = [&](const std::string& name, const std::string& value) -> std::optional<std::string> {
        if (name == "--json") json = true;
        else images.push_back(value);
        return std::nullopt;
    };
    const OptionsRead asked = readOptions(args, kReadOptions, take);
    if (asked.help) return showCommandHelp(kReadOptions);
    if (asked.error) return usageError("read", *asked.error);
    if (images.empty()) {
        std::fprintf(stderr, "dodoru-cli read: missing IMAGE (a photo or a scan of a puzzle)\n");
        return kExitBadInput;
    }
    int status = kExitOk;
    for (const std::string& image : images) {
        const auto start = std::chrono::steady_clock::now();
        const recognition::PhotoReading reading = recognition::readPuzzlePhoto(image);
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        if (!reading.ok()) {
            std::fprintf(stderr, "dodoru-cli read: %s: %s\n", image.c_str(), recognition::failureWords(reading.failure));
            status = kExitBadInput;
        }
        std::string line;
        if (json) line = jsonLine(image, reading, static_cast<long long>(ms));
        else if (reading.ok()) line = reading.puzzle() + "\n";
        else line = std::string("refused: ") + recognition::failureWords(reading.failure) + "\n";
        if (!writeOutput(line)) return kExitIncomplete;
    }
    return status;
}

}  // namespace dodoru::cli
