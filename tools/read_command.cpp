#include <chrono>
#include <cstdio>
#include <string>

#include "commands.h"
#include "verdictword.h"
#include "photoreader.h"

namespace dodoru::cli {

namespace {

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string jsonLine(const std::string& image, const recognition::PhotoReading& reading, long long ms) {
    std::string out = "{\"image\": " + jsonString(image) + ", \"puzzle\": ";
    if (!reading.ok()) {
        out += "null, \"uncertain\": [], \"verdict\": \"refused\", \"reason\": " +
               jsonString(recognition::failureWords(reading.failure));
    } else {
        out += jsonString(reading.puzzle()) + ", \"uncertain\": [";
        for (std::size_t i = 0; i < reading.uncertain.size(); ++i) {
            if (i > 0) out += ", ";
            out += std::to_string(reading.uncertain[i]);
        }
        out += "], \"verdict\": \"";
        out += verdictWord(reading.verdict);
        out += "\"";
    }
    return out + ", \"ms\": " + std::to_string(ms) + "}\n";
}

}  // namespace

int runRead(const std::vector<std::string>& args) {
    bool json = false;
    std::vector<std::string> images;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (arg.size() > 1 && arg.rfind("--", 0) == 0) {
            std::fprintf(stderr, "dodoru-cli read: unknown option '%s' (see dodoru-cli --help)\n", arg.c_str());
            return kExitBadInput;
        } else {
            images.push_back(arg);
        }
    }
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
