// Trains the digit classifier from the training side of the labelled photos and from digits rendered
// in the system's fonts, and writes the model file the recognition library builds in.
//
// dodoru-train-digits PHOTO_FOLDER MODEL_FILE [SAMPLES_CACHE]
//
// With SAMPLES_CACHE, the samples are kept in that file and read back from it by the next run, which
// then trains without reading the photos again.

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <opencv2/imgproc.hpp>
#include <opencv2/ml.hpp>

#include "cellglyphs.h"
#include "digitclassifier.h"
#include "gridlocator.h"
#include "imagedecoding.h"
#include "photoset.h"

using namespace dodoru::recognition;

namespace {

struct Samples {
    cv::Mat features;             // one row per sample
    std::vector<int> labels;

    void add(const CellGlyph& glyph, int label) {
        if (!glyph.present) return;
        const std::vector<float> f = glyphFeatures(glyph.glyph, glyph.aspect);
        features.push_back(cv::Mat(1, static_cast<int>(f.size()), CV_32F, const_cast<float*>(f.data())).clone());
        labels.push_back(label);
    }
};

// A turned digit that still reads as a digit (an upside-down 6 is a 9) is no example of a turned one.
bool turnLooksUpright(int digit, int turns) {
    return turns == 2 && (digit == 1 || digit == 6 || digit == 8 || digit == 9);
}

// The ink of a cell and its neighbourhood, taken a few pixels off its place.
GridPixels cellPatch(const GridPixels& grid, int cell, int dx, int dy) {
    const int x = std::clamp((cell % 9) * kCellPixels + dx, 0, kGridPixels - kCellPixels);
    const int y = std::clamp((cell / 9) * kCellPixels + dy, 0, kGridPixels - kCellPixels);
    const cv::Rect area(x, y, kCellPixels, kCellPixels);
    return {grid.grey(area), grid.ink(area)};
}

void addCell(Samples& samples, const GridPixels& patch, int digit, bool withTurns) {
    samples.add(glyphOfCell(patch), digit);
    if (!withTurns || digit == 0) return;
    for (int t = 1; t < 4; ++t) {
        if (turnLooksUpright(digit, t)) continue;
        samples.add(glyphOfCell(turned(patch, t)), 0);
    }
}

// The grid's ink turned upright: the turn whose empty and filled cells best match the givens.
bool uprightGrid(const LabelledPhoto& photo, GridPixels& upright) {
    std::vector<std::uint8_t> data;
    if (FILE* file = std::fopen(photo.image.c_str(), "rb")) {
        std::uint8_t buffer[65536];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) data.insert(data.end(), buffer, buffer + n);
        std::fclose(file);
    }
    const DecodedImage decoded = decodeImage(data);
    if (decoded.failure != ReadFailure::None) return false;
    const GridOutline outline = locateGrid(decoded.grey);
    if (outline.failure != ReadFailure::None) return false;
    const cv::Mat grid = straightenGrid(decoded.grey, outline.corners);
    const GridPixels straight = gridPixels(grid);
    int bestMatch = -1;
    for (int t = 0; t < 4; ++t) {
        // New pixels for each turn: a turn into pixels shared with `straight` would turn those.
        const GridPixels candidate = turned(straight, t);
        const auto glyphs = cellGlyphs(candidate);
        int match = 0;
        for (std::size_t i = 0; i < 81; ++i) match += glyphs[i].present == (photo.givens[i] != '0');
        if (match > bestMatch) {
            bestMatch = match;
            upright = candidate;
        }
    }
    return bestMatch >= 76;
}

// The straightened grid as another photo might have shown it: more blurred, turned and scaled a
// little, its strokes thicker or thinner.
std::vector<GridPixels> variants(const cv::Mat& grey, int index) {
    std::vector<GridPixels> result;
    cv::Mat changed;
    for (const double sigma : {1.2, 2.0}) {
        cv::GaussianBlur(grey, changed, cv::Size(0, 0), sigma);
        result.push_back(gridPixels(changed));
    }
    // Badly blurred and faded, as a shaky photo of a grey print shows it.
    cv::GaussianBlur(grey, changed, cv::Size(0, 0), 2.6);
    changed.convertTo(changed, CV_8U, 0.6, 0.4 * cv::mean(changed)[0]);
    result.push_back(gridPixels(changed));
    const double angle = index % 2 == 0 ? 1.5 : -1.5, scale = index % 3 == 0 ? 0.95 : 1.04;
    const cv::Mat turn = cv::getRotationMatrix2D(cv::Point2f(kGridPixels / 2.0f, kGridPixels / 2.0f), angle, scale);
    cv::warpAffine(grey, changed, turn, grey.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    result.push_back(gridPixels(changed));
    const cv::Mat square = cv::getStructuringElement(cv::MORPH_RECT, cv::Size(2, 2));
    if (index % 2 == 0) cv::erode(grey, changed, square);  // dark strokes grow
    else cv::dilate(grey, changed, square);
    result.push_back(gridPixels(changed));
    return result;
}

void addPhotos(Samples& training, Samples& validation, Samples& heldOut, const std::vector<LabelledPhoto>& photos) {
    int used = 0;
    for (const LabelledPhoto& photo : photos) {
        GridPixels ink;
        if (!uprightGrid(photo, ink)) {
            std::printf("skipped (grid not found or cells not matched): %s\n", photo.image.c_str());
            continue;
        }
        ++used;
        for (int cell = 0; cell < 81; ++cell) {
            const int digit = photo.givens[static_cast<std::size_t>(cell)] - '0';
            if (photo.heldOut || photo.validation) {
                (photo.heldOut ? heldOut : validation).add(glyphOfCell(cellPatch(ink, cell, 0, 0)), digit);
                continue;
            }
            for (int dy = -2; dy <= 2; dy += 2)
                for (int dx = -2; dx <= 2; dx += 2)
                    addCell(training, cellPatch(ink, cell, dx, dy), digit, dx == 0 && dy == 0);
        }
        if (photo.heldOut || photo.validation) continue;
        for (const GridPixels& variant : variants(ink.grey, used))
            for (int cell = 0; cell < 81; ++cell)
                addCell(training, cellPatch(variant, cell, 0, 0), photo.givens[static_cast<std::size_t>(cell)] - '0', false);
    }
    std::printf("photos used: %d of %zu\n", used, photos.size());
}

// Digits drawn in the system's fonts inside a cell with its lines, blurred and noised a little.
void addRenderedDigits(Samples& samples) {
    const char* families[] = {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono", "DejaVu Sans Condensed",
                              "Nimbus Sans", "Nimbus Roman", "Nimbus Mono PS", "Nimbus Sans Narrow", "C059",
                              "P052", "URW Bookman", "URW Gothic", "AR PL UMing TW", "AR PL UKai TW"};
    std::mt19937 random(20141);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int size = 3 * kCellPixels;
    for (const char* family : families) {
        for (int weight : {QFont::Normal, QFont::Bold}) {
            for (int digit = 1; digit <= 9; ++digit) {
                for (int variant = 0; variant < 6; ++variant) {
                    QImage image(size, size, QImage::Format_Grayscale8);
                    image.fill(200 + static_cast<int>(unit(random) * 55));
                    QPainter painter(&image);
                    painter.setRenderHint(QPainter::Antialiasing);
                    const int lineWidth = 1 + static_cast<int>(unit(random) * 3);
                    painter.setPen(QPen(QColor(30, 30, 30), lineWidth));
                    for (int k = 0; k <= 3; ++k) {
                        painter.drawLine(k * kCellPixels, 0, k * kCellPixels, size);
                        painter.drawLine(0, k * kCellPixels, size, k * kCellPixels);
                    }
                    QFont font(QString::fromLatin1(family));
                    font.setWeight(static_cast<QFont::Weight>(weight));
                    font.setPixelSize(static_cast<int>(kCellPixels * (0.6 + 0.3 * unit(random))));
                    painter.setFont(font);
                    painter.setPen(QColor(static_cast<int>(unit(random) * 70), 0, 0));
                    painter.translate(1.5 * kCellPixels + (unit(random) - 0.5) * 6, 1.5 * kCellPixels + (unit(random) - 0.5) * 6);
                    painter.rotate((unit(random) - 0.5) * 8);
                    painter.drawText(QRectF(-kCellPixels, -kCellPixels, 2 * kCellPixels, 2 * kCellPixels), Qt::AlignCenter,
                                     QString::number(digit));
                    painter.end();
                    cv::Mat grey(size, size, CV_8U, image.bits(), static_cast<std::size_t>(image.bytesPerLine()));
                    cv::Mat blurred;
                    const double sigma = 0.3 + unit(random) * 1.2;
                    cv::GaussianBlur(grey, blurred, cv::Size(0, 0), sigma);
                    cv::Mat noise(blurred.size(), CV_8U);
                    cv::randn(noise, 0, 8);
                    blurred += noise;
                    const GridPixels pixels = gridPixels(blurred);
                    const cv::Rect middle(kCellPixels, kCellPixels, kCellPixels, kCellPixels);
                    addCell(samples, {pixels.grey(middle), pixels.ink(middle)}, digit, variant < 2);
                }
            }
        }
    }
}

double accuracy(const DigitClassifier& classifier, const Samples& samples) {
    int right = 0;
    for (int i = 0; i < samples.features.rows; ++i) {
        const float* row = samples.features.ptr<float>(i);
        const std::vector<float> features(row, row + samples.features.cols);
        right += classifier.classify(features).best == samples.labels[static_cast<std::size_t>(i)];
    }
    return samples.features.rows > 0 ? 100.0 * right / samples.features.rows : 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: dodoru-train-digits PHOTO_FOLDER MODEL_FILE [SAMPLES_CACHE]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    cv::setNumThreads(1);
    Samples training, validation, heldOut;
    cv::FileStorage cache;
    if (argc == 4 && QFile::exists(QString::fromLocal8Bit(argv[3])) && cache.open(argv[3], cv::FileStorage::READ)) {
        cache["training"] >> training.features;
        cache["trainingLabels"] >> training.labels;
        cache["validation"] >> validation.features;
        cache["validationLabels"] >> validation.labels;
        cache["heldOut"] >> heldOut.features;
        cache["heldOutLabels"] >> heldOut.labels;
        std::printf("samples read from %s\n", argv[3]);
    } else {
        addPhotos(training, validation, heldOut, labelledPhotos(argv[1]));
        const int fromPhotos = training.features.rows;
        addRenderedDigits(training);
        std::printf("samples: %d from photos, %d rendered; %d validation and %d held-out cells with ink\n", fromPhotos,
                    training.features.rows - fromPhotos, validation.features.rows, heldOut.features.rows);
        if (argc == 4 && cache.open(argv[3], cv::FileStorage::WRITE)) {
            cache << "training" << training.features << "trainingLabels" << training.labels;
            cache << "validation" << validation.features << "validationLabels" << validation.labels;
            cache << "heldOut" << heldOut.features << "heldOutLabels" << heldOut.labels;
        }
    }
    cache.release();
    std::fflush(stdout);
    const auto data = cv::ml::TrainData::create(training.features, cv::ml::ROW_SAMPLE, cv::Mat(training.labels, true));
    // A small grid of the kernel's width and the penalty, chosen by the validation photos' cells.
    cv::Ptr<cv::ml::SVM> best;
    double bestAccuracy = -1;
    for (const double gamma : {0.05, 0.15}) {
        for (const double penalty : {3.0, 30.0}) {
            auto machine = cv::ml::SVM::create();
            machine->setType(cv::ml::SVM::C_SVC);
            machine->setKernel(cv::ml::SVM::RBF);
            machine->setGamma(gamma);
            machine->setC(penalty);
            machine->setTermCriteria(cv::TermCriteria(cv::TermCriteria::MAX_ITER | cv::TermCriteria::EPS, 20000, 1e-3));
            machine->train(data);
            const double right = accuracy(DigitClassifier::fromMachine(machine), validation);
            std::printf("gamma %.2f, C %.0f: %d support vectors, validation cells with ink right: %.2f %%\n", gamma, penalty,
                        machine->getSupportVectors().rows, right);
            std::fflush(stdout);
            if (right > bestAccuracy) {
                bestAccuracy = right;
                best = machine;
            }
        }
    }
    // What is written is what the library reads back: support vectors a byte per feature.
    const std::string text = DigitClassifier::fromMachine(best).modelText();
    const DigitClassifier classifier = DigitClassifier::fromText(text);
    std::printf("kept gamma %.2f, C %.0f, as written: validation cells with ink right: %.2f %%; training cells right: "
                "%.2f %%; held-out cells with ink right: %.2f %%\n",
                best->getGamma(), best->getC(), accuracy(classifier, validation), accuracy(classifier, training),
                accuracy(classifier, heldOut));
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
