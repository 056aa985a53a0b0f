#include "photoreader.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>

#include <opencv2/imgproc.hpp>

#include "cellglyphs.h"
#include "digitclassifier.h"
#include "gridlocator.h"
#include "imagedecoding.h"

namespace dodoru::recognition {

namespace {

constexpr double kCertain = 1.0;           // a cell read with less confidence is uncertain
constexpr double kMarkAllowance = 1.0;     // how far a digit may lose to a mark that is no digit and still be read
constexpr double kLookShare = 0.1;         // an empty cell this share as dark as the digits is looked at again
constexpr double kFaintOverMark = 0.0;     // how clearly a second look's digit must beat "no digit" in a doubtful cell
constexpr double kPaleOverMark = 1.0;      // ... and in a cell that was read empty for sure
constexpr std::size_t kSecondReadingCells = 6;  // the least confident cells whose second readings are tried

// The verdict of the solve routine for 81 digits, and the solution when it is the only one.
SolveVerdict solve(const std::string& puzzle, std::string& solution) {
    Board board;
    for (int i = 0; i < kCellCount && i < static_cast<int>(puzzle.size()); ++i) {
        const int digit = puzzle[static_cast<std::size_t>(i)] - '0';
        if (digit >= 1 && digit <= 9) board.cell(i).makeGiven(digit);
        else board.cell(i).clear();
    }
    WindowState state;
    NoEventPump pump;
    Engine engine(board, state, pump);
    BoardSnapshot snapshot{};
    const SolveReport report = engine.SolveBoard(snapshot);
    // The solve routine meets a second solution by making a cell where the two differ a given and
    // solving again; a puzzle that needed such a given has several solutions as read.
    const SolveVerdict verdict = report.addedCount > 0 && report.verdict == SolveVerdict::Unique ? SolveVerdict::Several : report.verdict;
    solution.clear();
    if (verdict == SolveVerdict::Unique)
        for (int i = 0; i < kCellCount; ++i) solution += static_cast<char>('0' + board.cell(i).value());
    return verdict;
}

struct CellScores {
    CellGlyph glyph;
    Classification classified;
};

// How well a turn of the grid reads: upright digits are read as digits, and clearly; digits on their
// side or upside down are read as marks that are no digit, or as digits only narrowly (an upside-down
// 6 reads as a 9, but not as clearly as an upright one).
double turnScore(const std::array<CellScores, 81>& cells) {
    double score = 0;
    for (const CellScores& cell : cells) {
        if (!cell.glyph.present) continue;
        const double clearly = std::tanh(std::max(0.0, static_cast<double>(cell.classified.margin)));
        score += cell.classified.best != 0 ? clearly : -clearly;
    }
    return score;
}

std::array<CellScores, 81> classifyCells(const GridPixels& pixels, const DigitClassifier& classifier) {
    std::array<CellScores, 81> cells;
    const auto glyphs = cellGlyphs(pixels);
    cv::Mat rows;
    std::vector<std::size_t> inked;
    for (std::size_t i = 0; i < 81; ++i) {
        cells[i].glyph = glyphs[i];
        if (!glyphs[i].present && !glyphs[i].faint) continue;
        const std::vector<float> features = glyphFeatures(glyphs[i].glyph, glyphs[i].aspect);
        rows.push_back(cv::Mat(1, static_cast<int>(features.size()), CV_32F, const_cast<float*>(features.data())));
        inked.push_back(i);
    }
    if (inked.empty()) return cells;
    const std::vector<Classification> classified = classifier.classifyRows(rows);
    for (std::size_t k = 0; k < inked.size(); ++k) cells[inked[k]].classified = classified[k];
    return cells;
}

CellReading readCell(const CellScores& cell) {
    CellReading reading;
    const ClassScores& scores = cell.classified.scores;
    if (!cell.glyph.present) {
        // A mark a little shorter than a digit may be a faint or small one.
        reading.confidence = std::clamp((0.3 - cell.glyph.inkHeight) / 0.1, 0.0, 1.0);
        if (cell.glyph.faint) reading.second = static_cast<int>(std::max_element(scores.begin() + 1, scores.end()) - scores.begin());
        return reading;
    }
    // Ink as tall as a digit in an upright grid is nearly always one: the likeliest digit is read
    // unless the mark that is no digit beats it clearly.
    const auto& decided = cell.classified.decided;
    int digit = 1;
    for (int d = 2; d < kClassCount; ++d)
        if (scores[static_cast<std::size_t>(d)] > scores[static_cast<std::size_t>(digit)]) digit = d;
    const auto& ofDigit = decided[static_cast<std::size_t>(digit)];
    int runnerUp = digit == 1 ? 2 : 1;
    for (int d = 1; d < kClassCount; ++d)
        if (d != digit && ofDigit[static_cast<std::size_t>(d)] < ofDigit[static_cast<std::size_t>(runnerUp)]) runnerUp = d;
    const double overDigits = ofDigit[static_cast<std::size_t>(runnerUp)];
    const double overMark = ofDigit[0];
    if (overMark < -kMarkAllowance) {
        reading.second = digit;
        reading.confidence = std::clamp(-overMark - kMarkAllowance, 0.0, 1.0);
        return reading;
    }
    reading.digit = digit;
    reading.second = overMark < overDigits ? 0 : runnerUp;
    // A digit read inside the machine's margin (its decision under 1 against another class) is a
    // close call.
    reading.confidence = std::clamp(std::min(overDigits, overMark), 0.0, 1.0);
    return reading;
}

// The median darkness of the cells read as digits (0 when none is).
double digitDarkness(const std::array<CellScores, 81>& cells) {
    std::vector<double> digits;
    for (const CellScores& cell : cells)
        if (cell.glyph.present) digits.push_back(cell.glyph.darkness);
    if (digits.empty()) return 0;
    const auto middle = digits.begin() + static_cast<std::ptrdiff_t>(digits.size() / 2);
    std::nth_element(digits.begin(), middle, digits.end());
    return *middle;
}

// A cell read empty whose middle is a fifth as dark as the grid's digits may hold a digit its ink lost
// (faint, thin, or broken up): it is not read empty for sure.
void doubtEmptyCellsThatAreDark(PhotoReading& reading, const std::array<CellScores, 81>& cells, double digitDark) {
    constexpr double kShare = 0.2;  // of the median darkness of the cells read as digits
    for (std::size_t i = 0; i < 81; ++i) {
        CellReading& cell = reading.cells[i];
        if (cell.digit == 0 && cells[i].glyph.darkness > kShare * digitDark) cell.confidence = std::min(cell.confidence, 0.5);
    }
}

// A cell read empty that is doubtful, or that is a little darker than paper, is looked at again with an
// ink threshold set by its own contrast; the digit its ink then reads as, when it beats "no digit",
// becomes the cell's second reading (the cell is then doubtful), tried when the puzzle has no one
// solution and taken when the one solution confirms it.
void secondLookAtEmptyCells(PhotoReading& reading, const std::array<CellScores, 81>& cells, double digitDark,
                            const GridPixels& pixels, const DigitClassifier& classifier) {
    cv::Mat rows;
    std::vector<std::size_t> looked;
    for (std::size_t i = 0; i < 81; ++i) {
        const CellReading& cell = reading.cells[i];
        if (cell.digit != 0 || cell.second != 0) continue;
        if (cell.confidence >= kCertain && cells[i].glyph.darkness <= kLookShare * digitDark) continue;
        const CellGlyph glyph = faintGlyph(pixels, static_cast<int>(i));
        if (glyph.glyph.empty()) continue;
        const std::vector<float> features = glyphFeatures(glyph.glyph, glyph.aspect);
        rows.push_back(cv::Mat(1, static_cast<int>(features.size()), CV_32F, const_cast<float*>(features.data())));
        looked.push_back(i);
    }
    if (looked.empty()) return;
    const std::vector<Classification> classified = classifier.classifyRows(rows);
    for (std::size_t k = 0; k < looked.size(); ++k) {
        const ClassScores& scores = classified[k].scores;
        const int digit = static_cast<int>(std::max_element(scores.begin() + 1, scores.end()) - scores.begin());
        CellReading& cell = reading.cells[looked[k]];
        const double needed = cell.confidence < kCertain ? kFaintOverMark : kPaleOverMark;
        if (classified[k].decided[static_cast<std::size_t>(digit)][0] <= needed) continue;
        cell.second = digit;
        cell.confidence = std::min(cell.confidence, 0.5);
    }
}

void findUncertain(PhotoReading& reading) {
    reading.uncertain.clear();
    for (int i = 0; i < kCellCount; ++i)
        if (reading.cells[static_cast<std::size_t>(i)].confidence < kCertain) reading.uncertain.push_back(i);
}

// When the reading has no unique solution, the least confident cells' second readings are tried,
// fewest changes first; the first reading with one solution is kept.
void trySecondReadings(PhotoReading& reading) {
    std::vector<int> cells;
    for (int cell : reading.uncertain) {
        const CellReading& c = reading.cells[static_cast<std::size_t>(cell)];
        if (c.second != c.digit) cells.push_back(cell);
    }
    std::stable_sort(cells.begin(), cells.end(), [&](int a, int b) {
        return reading.cells[static_cast<std::size_t>(a)].confidence < reading.cells[static_cast<std::size_t>(b)].confidence;
    });
    if (cells.size() > kSecondReadingCells) cells.resize(kSecondReadingCells);
    const int n = static_cast<int>(cells.size());
    std::vector<unsigned> subsets;
    for (unsigned mask = 1; mask < (1u << n); ++mask) subsets.push_back(mask);
    // Fewer changes first; among as many, the less confident cells first (lower bits).
    std::stable_sort(subsets.begin(), subsets.end(), [](unsigned a, unsigned b) {
        const int ca = std::popcount(a), cb = std::popcount(b);
        return ca != cb ? ca < cb : a < b;
    });
    const std::string first = reading.puzzle();
    for (unsigned mask : subsets) {
        std::string candidate = first;
        for (int i = 0; i < n; ++i)
            if (mask & (1u << i)) {
                const CellReading& c = reading.cells[static_cast<std::size_t>(cells[static_cast<std::size_t>(i)])];
                candidate[static_cast<std::size_t>(cells[static_cast<std::size_t>(i)])] = static_cast<char>('0' + c.second);
            }
        ++reading.secondReadingsTried;
        if (verdictOf(candidate) != SolveVerdict::Unique) continue;
        for (int i = 0; i < n; ++i)
            if (mask & (1u << i)) {
                CellReading& c = reading.cells[static_cast<std::size_t>(cells[static_cast<std::size_t>(i)])];
                std::swap(c.digit, c.second);
            }
        reading.verdict = SolveVerdict::Unique;
        return;
    }
}

// A cell read empty whose second reading is a digit, the very digit the one solution puts there, is
// taken to hold it: a faint digit, or one the classifier narrowly took for a mark, agrees with the
// solution far more often than a speck's chance reading does, and the puzzle keeps its one solution.
void takeDigitsTheSolutionConfirms(PhotoReading& reading) {
    std::string solution;
    if (solve(reading.puzzle(), solution) != SolveVerdict::Unique) return;
    for (int cell : reading.uncertain) {
        CellReading& c = reading.cells[static_cast<std::size_t>(cell)];
        if (c.digit == 0 && c.second != 0 && solution[static_cast<std::size_t>(cell)] == '0' + c.second) std::swap(c.digit, c.second);
    }
}

GreyImage toGreyImage(const cv::Mat& mat) {
    GreyImage image;
    image.width = mat.cols;
    image.height = mat.rows;
    image.pixels.resize(static_cast<std::size_t>(mat.cols) * static_cast<std::size_t>(mat.rows));
    for (int y = 0; y < mat.rows; ++y)
        std::copy_n(mat.ptr<std::uint8_t>(y), mat.cols, image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * mat.cols);
    return image;
}

PhotoReading readGrey(const cv::Mat& grey) {
    PhotoReading reading;
    const GridOutline outline = locateGrid(grey);
    for (std::size_t i = 0; i < 4; ++i) {
        reading.corners[2 * i] = outline.corners[i].x;
        reading.corners[2 * i + 1] = outline.corners[i].y;
    }
    if (outline.failure != ReadFailure::None) {
        reading.failure = outline.failure;
        return reading;
    }
    const cv::Mat grid = straightenGrid(grey, outline.corners);
    const GridPixels pixels = gridPixels(grid);
    const DigitClassifier& classifier = DigitClassifier::builtIn();
    static constexpr std::array<int, 3> kRotations = {cv::ROTATE_90_CLOCKWISE, cv::ROTATE_180, cv::ROTATE_90_COUNTERCLOCKWISE};
    std::array<CellScores, 81> best = classifyCells(pixels, classifier);
    double bestScore = turnScore(best);
    GridPixels uprightPixels = pixels;
    for (int turns = 1; turns < 4; ++turns) {
        GridPixels turnedPixels = turned(pixels, turns);
        auto cells = classifyCells(turnedPixels, classifier);
        const double score = turnScore(cells);
        if (score > bestScore) {
            bestScore = score;
            best = cells;
            uprightPixels = turnedPixels;
            reading.quarterTurns = turns;
        }
    }
    cv::Mat upright = grid;
    if (reading.quarterTurns > 0) cv::rotate(grid, upright, kRotations[static_cast<std::size_t>(reading.quarterTurns - 1)]);
    reading.grid = toGreyImage(upright);
    // The corner that comes to the top left after t clockwise turns is the t-th before it.
    const auto corners = reading.corners;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t from = (i + 4 - static_cast<std::size_t>(reading.quarterTurns)) % 4;
        reading.corners[2 * i] = corners[2 * from];
        reading.corners[2 * i + 1] = corners[2 * from + 1];
    }
    for (std::size_t i = 0; i < 81; ++i) reading.cells[i] = readCell(best[i]);
    const double digitDark = digitDarkness(best);
    doubtEmptyCellsThatAreDark(reading, best, digitDark);
    secondLookAtEmptyCells(reading, best, digitDark, uprightPixels, classifier);
    findUncertain(reading);
    reading.verdict = verdictOf(reading.puzzle());
    if (reading.verdict != SolveVerdict::Unique) trySecondReadings(reading);
    if (reading.verdict == SolveVerdict::Unique) takeDigitsTheSolutionConfirms(reading);
    return reading;
}

}  // namespace

std::string PhotoReading::puzzle() const {
    std::string text(kCellCount, '0');
    for (std::size_t i = 0; i < cells.size(); ++i) text[i] = static_cast<char>('0' + cells[i].digit);
    return text;
}

PhotoReading readPuzzleImageData(const std::vector<std::uint8_t>& data) {
    const DecodedImage decoded = decodeImage(data);
    if (decoded.failure != ReadFailure::None) {
        PhotoReading reading;
        reading.failure = decoded.failure;
        return reading;
    }
    return readGrey(decoded.grey);
}

PhotoReading readPuzzlePhoto(const std::string& path) {
    PhotoReading reading;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        reading.failure = ReadFailure::Unreadable;
        return reading;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        reading.failure = ReadFailure::Unreadable;
        return reading;
    }
    if (size > static_cast<std::uintmax_t>(kMaxImageBytes)) {
        reading.failure = ReadFailure::TooLarge;
        return reading;
    }
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
    if (!file || !file.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(size))) {
        reading.failure = ReadFailure::Unreadable;
        return reading;
    }
    return readPuzzleImageData(data);
}

PhotoReading readPuzzleImage(const GreyImage& image) {
    if (image.empty() || image.pixels.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
        PhotoReading reading;
        reading.failure = ReadFailure::NotAnImage;
        return reading;
    }
    if (std::int64_t{image.width} * image.height > kMaxImagePixels) {
        PhotoReading reading;
        reading.failure = ReadFailure::TooLarge;
        return reading;
    }
    const cv::Mat grey(image.height, image.width, CV_8U, const_cast<std::uint8_t*>(image.pixels.data()));
    return readGrey(grey);
}

SolveVerdict verdictOf(const std::string& puzzle) {
    std::string solution;
    return solve(puzzle, solution);
}

const char* failureWords(ReadFailure failure) {
    switch (failure) {
    case ReadFailure::None: return "read";
    case ReadFailure::Unreadable: return "the file cannot be read";
    case ReadFailure::NotAnImage: return "not an image (JPEG, PNG or BMP) that decodes";
    case ReadFailure::TooLarge: return "the image is too large";
    case ReadFailure::Truncated: return "the image data ends early (a truncated file)";
    case ReadFailure::NoGrid: return "no puzzle grid found in the image";
    case ReadFailure::GridCutOff: return "the puzzle grid runs off the edge of the image";
    }
    return "unknown";
}

}  // namespace dodoru::recognition
