#include "photoset.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>

namespace dodoru::recognition {

namespace {

std::uint64_t fnv1a(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string readGivens(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::string givens, line;
    while (std::getline(file, line))
        for (char c : line)
            if (c >= '0' && c <= '9') givens += c;
    return givens.size() == 81 ? givens : std::string();
}

}  // namespace

std::vector<LabelledPhoto> labelledPhotos(const std::string& folder) {
    std::vector<LabelledPhoto> photos;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() != ".jpg") continue;
        std::filesystem::path labels = entry.path();
        labels.replace_extension(".txt");
        const std::string givens = readGivens(labels);
        if (!givens.empty()) photos.push_back({entry.path().string(), givens, false});
    }
    std::sort(photos.begin(), photos.end(), [](const auto& a, const auto& b) { return a.image < b.image; });
    std::map<std::uint64_t, std::vector<std::size_t>> byPuzzle;
    for (std::size_t i = 0; i < photos.size(); ++i) byPuzzle[fnv1a(photos[i].givens)].push_back(i);
    std::size_t held = 0, trainingPuzzles = 0;
    for (const auto& [hash, members] : byPuzzle) {
        const bool hold = 4 * held < photos.size();
        const bool validate = !hold && trainingPuzzles++ % 5 == 0;
        for (std::size_t i : members) {
            photos[i].heldOut = hold;
            photos[i].validation = validate;
        }
        if (hold) held += members.size();
    }
    return photos;
}

}  // namespace dodoru::recognition
