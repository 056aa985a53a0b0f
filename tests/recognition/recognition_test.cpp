#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <fstream>
#include <iterator>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include "cellglyphs.h"
#include "digitclassifier.h"
#include "gridlocator.h"
#include "imagedecoding.h"
#include "photoreader.h"
#include "photoset.h"

using namespace dodoru;
using namespace dodoru::recognition;

namespace {

const std::string kPictures = DODORU_PICTURES_DIR;

// A few photos of different phones and sizes, two with an orientation tag that turns them (photo119 a
// half turn, photo136 a quarter), photo044 and photo050 of puzzles the classifier never saw.
const char* const kSamplePhotos[] = {"photo001", "photo044", "photo050", "photo105", "photo119", "photo136"};

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string givensOf(const std::string& name) {
    std::ifstream file(kPictures + "/" + name + ".txt");
    std::string givens, line;
    while (std::getline(file, line))
        for (char c : line)
            if (c >= '0' && c <= '9') givens += c;
    return givens;
}

std::vector<std::uint8_t> encoded(const cv::Mat& image, const std::string& extension) {
    std::vector<std::uint8_t> bytes;
    cv::imencode(extension, image, bytes);
    return bytes;
}

class PhotoTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kPictures + "/photo001.jpg"))
            GTEST_SKIP() << "the labelled photos are not in " << kPictures << " (../shared/pictures beside the repository)";
    }
};

// The grid's lines fall where a straight grid has them: the box lines of the straightened grid are
// dark from end to end.
TEST_F(PhotoTest, CornersStraightenTheGridOntoItsLines) {
    for (const char* name : kSamplePhotos) {
        const DecodedImage decoded = decodeImage(fileBytes(kPictures + "/" + name + ".jpg"));
        ASSERT_EQ(decoded.failure, ReadFailure::None) << name;
        const GridOutline outline = locateGrid(decoded.grey);
        ASSERT_EQ(outline.failure, ReadFailure::None) << name;
        const cv::Mat grid = straightenGrid(decoded.grey, outline.corners);
        cv::Mat dark;
        cv::adaptiveThreshold(grid, dark, 1, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY_INV, 41, 4);
        for (int line = 1; line <= 2; ++line) {
            const int at = line * 3 * kCellPixels;
            double best = 0;
            for (int shift = -4; shift <= 4; ++shift)
                best = std::max(best, cv::sum(dark.col(at + shift))[0] / kGridPixels);
            EXPECT_GT(best, 0.8) << name << ": box line " << line << " is not where the corners put it";
        }
    }
}

// The reading decides empty or digit in every cell of the sample photos, and reads the digits right.
TEST_F(PhotoTest, CellsReadAsTheGivens) {
    for (const char* name : kSamplePhotos) {
        const PhotoReading reading = readPuzzlePhoto(kPictures + "/" + name + ".jpg");
        ASSERT_TRUE(reading.ok()) << name << ": " << failureWords(reading.failure);
        EXPECT_EQ(reading.puzzle(), givensOf(name)) << name;
        EXPECT_EQ(reading.grid.width, kGridPixels);
    }
}

// A photo turned a quarter, half or three quarters (pixels turned, no tag) reads the same puzzle, and
// the reading says how far it turned it back.
TEST_F(PhotoTest, OrientationIsVotedByTheDigits) {
    const cv::Mat photo = cv::imread(kPictures + "/photo001.jpg", cv::IMREAD_COLOR);
    const int turns[] = {cv::ROTATE_90_CLOCKWISE, cv::ROTATE_180, cv::ROTATE_90_COUNTERCLOCKWISE};
    for (int t = 0; t < 3; ++t) {
        cv::Mat turned;
        cv::rotate(photo, turned, turns[t]);
        const PhotoReading reading = readPuzzleImageData(encoded(turned, ".png"));
        ASSERT_TRUE(reading.ok());
        EXPECT_EQ(reading.quarterTurns, 3 - t) << "turned " << t + 1 << " quarter(s) clockwise";
        EXPECT_EQ(reading.puzzle(), givensOf("photo001"));
    }
}

// Digits of puzzles the classifier never saw (a digit missed counts as wrong): the model committed reads
// 98.4 % of them right; a model or a glyph change that reads fewer than 97 % is a regression.
TEST_F(PhotoTest, ClassifierReadsHeldOutCells) {
    int digits = 0, right = 0;
    for (const LabelledPhoto& photo : labelledPhotos(kPictures)) {
        if (!photo.heldOut) continue;
        const PhotoReading reading = readPuzzlePhoto(photo.image);
        if (!reading.ok()) continue;
        for (std::size_t i = 0; i < 81; ++i) {
            if (photo.givens[i] == '0') continue;
            ++digits;
            right += reading.cells[i].digit == photo.givens[i] - '0';
        }
    }
    ASSERT_GT(digits, 500);
    EXPECT_GE(static_cast<double>(right) / digits, 0.97) << right << " of " << digits;
}

// A digit faded until the ink barely shows is read or marked uncertain, never silently read empty.
TEST_F(PhotoTest, FadedDigitIsNeverSilentlyLost) {
    const std::string givens = givensOf("photo001");
    const PhotoReading photo = readPuzzlePhoto(kPictures + "/photo001.jpg");
    ASSERT_TRUE(photo.ok());
    const cv::Mat grid(photo.grid.height, photo.grid.width, CV_8U, const_cast<std::uint8_t*>(photo.grid.pixels.data()));
    const int cell = static_cast<int>(givens.find_first_not_of('0'));
    for (const double fade : {0.5, 0.7, 0.8}) {
        cv::Mat faded = grid.clone();
        const cv::Rect area((cell % 9) * kCellPixels + 4, (cell / 9) * kCellPixels + 4, kCellPixels - 8, kCellPixels - 8);
        cv::Mat inside = faded(area);
        const double paper = cv::mean(grid)[0];
        inside.convertTo(inside, CV_8U, 1 - fade, fade * paper);
        GreyImage image{faded.cols, faded.rows, std::vector<std::uint8_t>(faded.datastart, faded.dataend)};
        const PhotoReading reading = readPuzzleImage(image);
        ASSERT_TRUE(reading.ok()) << fade;
        const bool marked = std::binary_search(reading.uncertain.begin(), reading.uncertain.end(), cell);
        EXPECT_TRUE(reading.cells[static_cast<std::size_t>(cell)].digit == givens[static_cast<std::size_t>(cell)] - '0' || marked)
            << "faded by " << fade << ": read " << reading.cells[static_cast<std::size_t>(cell)].digit;
    }
}

// A given faded and blurred until the grid's ink loses it is found again by a second look at the
// cell with its own contrast, and read as itself; a plain empty cell shows no digit to that look.
TEST_F(PhotoTest, SecondLookFindsADigitTheGridsInkLost) {
    const std::string givens = givensOf("photo001");
    const PhotoReading photo = readPuzzlePhoto(kPictures + "/photo001.jpg");
    ASSERT_TRUE(photo.ok());
    const cv::Mat grid(photo.grid.height, photo.grid.width, CV_8U, const_cast<std::uint8_t*>(photo.grid.pixels.data()));
    const int cell = static_cast<int>(givens.find_first_not_of('0'));
    const int digit = givens[static_cast<std::size_t>(cell)] - '0';
    const double paper = cv::mean(grid)[0];
    for (const double fade : {0.80, 0.85}) {
        cv::Mat faded = grid.clone();
        cv::Mat inside = faded(cv::Rect((cell % 9) * kCellPixels + 4, (cell / 9) * kCellPixels + 4, kCellPixels - 8, kCellPixels - 8));
        cv::GaussianBlur(inside, inside, cv::Size(0, 0), 1.5);
        inside.convertTo(inside, CV_8U, 1 - fade, fade * paper);
        const CellGlyph first = cellGlyphs(gridPixels(faded))[static_cast<std::size_t>(cell)];
        EXPECT_FALSE(first.present || first.faint) << fade;
        const PhotoReading reading = readPuzzleImage({faded.cols, faded.rows, std::vector<std::uint8_t>(faded.datastart, faded.dataend)});
        EXPECT_EQ(reading.cells[static_cast<std::size_t>(cell)].digit, digit) << fade;
    }
    const int empty = static_cast<int>(givens.find('0'));
    EXPECT_TRUE(faintGlyph(gridPixels(grid), empty).glyph.empty());
}

// Photos of the same puzzle are never split between training and measuring.
TEST_F(PhotoTest, SplitKeepsEachPuzzleOnOneSide) {
    const auto photos = labelledPhotos(kPictures);
    std::map<std::string, int> side;
    int held = 0, validation = 0;
    for (const LabelledPhoto& photo : photos) {
        EXPECT_FALSE(photo.heldOut && photo.validation) << photo.image;
        const int sideOfPhoto = photo.heldOut ? 2 : photo.validation ? 1 : 0;
        const auto [it, inserted] = side.emplace(photo.givens, sideOfPhoto);
        EXPECT_EQ(it->second, sideOfPhoto) << photo.image;
        held += photo.heldOut;
        validation += photo.validation;
    }
    EXPECT_GE(held * 4, static_cast<int>(photos.size()));
    EXPECT_LT(held * 2, static_cast<int>(photos.size()));
    EXPECT_GT(validation, 0);
    EXPECT_LT(validation * 3, static_cast<int>(photos.size()) - held);
}

// A grid the photo's edge cuts through is refused; one whose outer line merely touches the edge is read.
TEST_F(PhotoTest, GridRunningOffTheEdgeIsRefused) {
    const DecodedImage decoded = decodeImage(fileBytes(kPictures + "/photo001.jpg"));
    const GridOutline outline = locateGrid(decoded.grey);
    const float left = std::min(outline.corners[0].x, outline.corners[3].x);
    const struct {
        int cutAt;
        ReadFailure failure;
    } cuts[] = {
        {static_cast<int>((outline.corners[0].x + outline.corners[1].x) / 2), ReadFailure::GridCutOff},  // the middle
        {static_cast<int>(left) + 1, ReadFailure::None},  // through the grid's outer line
    };
    for (const auto& cut : cuts) {
        const cv::Mat kept = decoded.grey(cv::Rect(cut.cutAt, 0, decoded.grey.cols - cut.cutAt, decoded.grey.rows)).clone();
        const PhotoReading reading = readPuzzleImageData(encoded(kept, ".png"));
        EXPECT_EQ(reading.failure, cut.failure) << "cut at x = " << cut.cutAt;
        if (reading.ok()) {
            EXPECT_EQ(reading.puzzle(), givensOf("photo001"));
        }
    }
}

TEST_F(PhotoTest, TruncatedJpegIsRefused) {
    std::vector<std::uint8_t> bytes = fileBytes(kPictures + "/photo001.jpg");
    bytes.resize(bytes.size() / 2);
    EXPECT_EQ(readPuzzleImageData(bytes).failure, ReadFailure::Truncated);
}

// Images that give no puzzle, each with its reason; nothing of a huge one is decoded.
TEST(BadImages, AreRefusedWithTheirReason) {
    const std::string text = "000000000 this is a puzzle file, not an image";
    EXPECT_EQ(readPuzzleImageData({text.begin(), text.end()}).failure, ReadFailure::NotAnImage);
    EXPECT_EQ(readPuzzleImageData({}).failure, ReadFailure::NotAnImage);
    // A PNG that declares 100000 by 100000 pixels and holds none: refused from its header alone.
    std::vector<std::uint8_t> huge = encoded(cv::Mat(8, 8, CV_8U, cv::Scalar(255)), ".png");
    const std::uint8_t side[4] = {0x00, 0x01, 0x86, 0xA0};
    std::copy(side, side + 4, huge.begin() + 16);
    std::copy(side, side + 4, huge.begin() + 20);
    EXPECT_EQ(declaredSize(huge), cv::Size(100000, 100000));
    EXPECT_EQ(readPuzzleImageData(huge).failure, ReadFailure::TooLarge);
    // A JPEG cut short.
    std::vector<std::uint8_t> jpeg = encoded(cv::Mat(300, 300, CV_8U, cv::Scalar(128)), ".jpg");
    EXPECT_EQ(declaredSize(jpeg), cv::Size(300, 300));
    jpeg.resize(jpeg.size() - 40);
    EXPECT_EQ(readPuzzleImageData(jpeg).failure, ReadFailure::Truncated);
    // A photo of a page without a grid: text lines only.
    cv::Mat page(600, 800, CV_8U, cv::Scalar(235));
    for (int y = 40; y < 560; y += 30) cv::putText(page, "Lorem ipsum dolor sit amet 123", {30, y}, cv::FONT_HERSHEY_SIMPLEX, 0.8, 20, 2);
    EXPECT_EQ(readPuzzleImageData(encoded(page, ".jpg")).failure, ReadFailure::NoGrid);
    EXPECT_EQ(readPuzzlePhoto("/nonexistent/photo.jpg").failure, ReadFailure::Unreadable);
    EXPECT_EQ(readPuzzleImage(GreyImage{}).failure, ReadFailure::NotAnImage);
}

// The model as the trainer writes it (support vectors a byte per feature) decides as the one built in,
// and text that is no model gives no classifier.
TEST(DigitModel, WrittenAndReadBackDecidesAlike) {
    const DigitClassifier& builtIn = DigitClassifier::builtIn();
    ASSERT_TRUE(builtIn.valid());
    const DigitClassifier copy = DigitClassifier::fromText(builtIn.modelText());
    ASSERT_TRUE(copy.valid());
    for (int digit = 1; digit <= 9; ++digit) {
        cv::Mat grey(3 * kCellPixels, 3 * kCellPixels, CV_8U, cv::Scalar(230));
        cv::putText(grey, std::to_string(digit), {kCellPixels + 12, kCellPixels + 30}, cv::FONT_HERSHEY_SIMPLEX, 0.9, 30, 2);
        const cv::Rect middle(kCellPixels, kCellPixels, kCellPixels, kCellPixels);
        const CellGlyph glyph = glyphOfCell({grey(middle), gridInk(grey)(middle)});
        ASSERT_TRUE(glyph.present) << digit;
        const std::vector<float> features = glyphFeatures(glyph.glyph, glyph.aspect);
        const Classification a = builtIn.classify(features), b = copy.classify(features);
        EXPECT_EQ(a.best, b.best) << digit;
        for (int c = 0; c < kClassCount; ++c) EXPECT_NEAR(a.scores[static_cast<std::size_t>(c)], b.scores[static_cast<std::size_t>(c)], 1e-4) << digit;
    }
    for (const std::string text : {"", "%YAML:1.0\n---\ndigits: 3\n", "not a model"})
        EXPECT_FALSE(DigitClassifier::fromText(text).valid()) << text;
}

TEST(Verdict, IsTheSolveRoutines) {
    const std::string puzzle = "601085004000300000089000020010000000702058009000460100050020600000000340007900080";
    EXPECT_EQ(verdictOf(puzzle), SolveVerdict::Unique);
    EXPECT_EQ(verdictOf(std::string(81, '0')), SolveVerdict::Several);
    EXPECT_EQ(verdictOf("55" + std::string(79, '0')), SolveVerdict::NoSolution);
    // Two or three solutions, told apart by the solve routine with a given or two of its own: still
    // several (the first puzzle without its third digit; a solved grid with every other cell cleared).
    std::string everyOther = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
    for (std::size_t i = 0; i < everyOther.size(); i += 2) everyOther[i] = '0';
    for (const std::string& several : {std::string(puzzle).replace(2, 1, "0"), everyOther})
        EXPECT_EQ(verdictOf(several), SolveVerdict::Several) << several;
}

}  // namespace
