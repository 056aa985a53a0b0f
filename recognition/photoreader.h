#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine.h"

namespace dodoru::recognition {

// Why an image gave no puzzle.
enum class ReadFailure {
    None,
    Unreadable,    // the file could not be opened or read
    NotAnImage,    // not a JPEG, PNG or BMP image, or one that does not decode
    TooLarge,      // more pixels than the reader decodes; refused before decoding
    Truncated,     // the image data ends early
    NoGrid,        // no grid found in the image
    GridCutOff,    // the grid runs off the image's edge
};

// An 8-bit grey image, row by row.
struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    bool empty() const { return width <= 0 || height <= 0; }
};

// What was read in one cell.
struct CellReading {
    int digit = 0;            // 0 empty, else 1..9
    double confidence = 1.0;  // 0 (a guess) .. 1 (sure)
    int second = 0;           // the next likeliest reading (0 empty); digit itself when there is none
};

struct PhotoReading {
    ReadFailure failure = ReadFailure::None;
    std::array<CellReading, kCellCount> cells{};
    std::vector<int> uncertain;               // cells whose reading may be wrong, ascending
    std::array<double, 8> corners{};          // the grid's corners in the decoded image (x, y), clockwise
                                              // from the top left of the grid as read
    int quarterTurns = 0;                     // turns (clockwise) the grid needed after decoding
    GreyImage grid;                           // the straightened grid, upright
    SolveVerdict verdict = SolveVerdict::NoSolution;
    int secondReadingsTried = 0;              // readings tried before this one was kept

    bool ok() const { return failure == ReadFailure::None; }
    std::string puzzle() const;               // 81 characters, '0' for an empty cell
};

// Pixels an image may have to be decoded; larger images are refused from their header.
inline constexpr std::int64_t kMaxImagePixels = 50'000'000;
// Bytes an image file may have.
inline constexpr std::int64_t kMaxImageBytes = 64 * 1024 * 1024;

// Reads the puzzle in an image file (JPEG, PNG or BMP; a JPEG's orientation tag is honoured).
PhotoReading readPuzzlePhoto(const std::string& path);
// The same for an image already in memory, as encoded in a file.
PhotoReading readPuzzleImageData(const std::vector<std::uint8_t>& data);
// The same for decoded pixels (a pasted image).
PhotoReading readPuzzleImage(const GreyImage& image);

// The verdict the solve routine gives for 81 digits ('0' empty), every digit a given.
SolveVerdict verdictOf(const std::string& puzzle);

// English words for the command line.
const char* failureWords(ReadFailure failure);

}  // namespace dodoru::recognition
