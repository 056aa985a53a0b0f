// Reads the held-out photos (puzzles the classifier never saw) and reports how well: photos read
// exactly, cells right, silent errors (a wrong puzzle with one solution and none of its wrong cells
// marked uncertain), time per photo on one core and the peak memory.
//
// The wrong cells are counted by where they go wrong: a digit missed or a mark taken for one (finding
// the ink, deciding empty or digit) and a digit taken for another (the classifier). Thresholds are
// chosen with --validation, on the training side's photos kept out of training (--training: the whole
// training side, mostly photos the classifier learnt from).
//
// --blur SIGMA reads every photo blurred by a Gaussian of that many pixels and its contrast halved: a
// harder test for the validation side, whose photos are otherwise all read.
//
// read_bench [PHOTO_FOLDER] [--all | --training | --validation] [--blur SIGMA]

#include <sys/resource.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <string>
#include <vector>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include "photoreader.h"
#include "photoset.h"

using namespace dodoru::recognition;

int main(int argc, char* argv[]) {
    std::string folder = DODORU_PICTURES_DIR;
    bool all = false, validation = false, training = false;
    double blur = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--all") all = true;
        else if (arg == "--validation") validation = true;
        else if (arg == "--training") training = true;
        else if (arg == "--blur" && i + 1 < argc) blur = std::stod(argv[++i]);
        else folder = arg;
    }
    cv::setNumThreads(1);
    const auto photos = labelledPhotos(folder);
    if (photos.empty()) {
        std::fprintf(stderr, "read_bench: no labelled photos in %s\n", folder.c_str());
        return 2;
    }
    int measured = 0, exact = 0, refused = 0, silent = 0, caught = 0;
    int cells = 0, cellsRight = 0, missed = 0, invented = 0, mistaken = 0, uncertain = 0, read = 0;
    std::vector<double> times;
    for (const LabelledPhoto& photo : photos) {
        const bool measure = all || (validation ? photo.validation : training ? !photo.heldOut : photo.heldOut);
        if (!measure) continue;
        ++measured;
        // The processor time spent on the photo: the machine may be shared, and this is one thread.
        GreyImage degraded;
        if (blur > 0) {
            cv::Mat grey = cv::imread(photo.image, cv::IMREAD_GRAYSCALE), soft;
            cv::GaussianBlur(grey, soft, cv::Size(0, 0), blur);
            soft.convertTo(soft, CV_8U, 0.5, 100);
            degraded = {soft.cols, soft.rows, std::vector<std::uint8_t>(soft.datastart, soft.dataend)};
        }
        const std::clock_t start = std::clock();
        const PhotoReading reading = blur > 0 ? readPuzzleImage(degraded) : readPuzzlePhoto(photo.image);
        times.push_back(1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
        const std::string name = photo.image.substr(photo.image.find_last_of('/') + 1);
        if (!reading.ok()) {
            ++refused;
            std::printf("%s: refused: %s\n", name.c_str(), failureWords(reading.failure));
            continue;
        }
        ++read;
        uncertain += static_cast<int>(reading.uncertain.size());
        const std::string puzzle = reading.puzzle();
        int wrong = 0, wrongMarked = 0;
        std::string detail;
        for (int i = 0; i < 81; ++i) {
            ++cells;
            if (puzzle[static_cast<std::size_t>(i)] == photo.givens[static_cast<std::size_t>(i)]) {
                ++cellsRight;
                continue;
            }
            ++wrong;
            const char given = photo.givens[static_cast<std::size_t>(i)];
            const char got = puzzle[static_cast<std::size_t>(i)];
            missed += got == '0';
            invented += given == '0';
            mistaken += given != '0' && got != '0';
            const bool marked = std::binary_search(reading.uncertain.begin(), reading.uncertain.end(), i);
            wrongMarked += marked;
            detail += " r" + std::to_string(i / 9 + 1) + "c" + std::to_string(i % 9 + 1) + ":" +
                      photo.givens[static_cast<std::size_t>(i)] + "->" + puzzle[static_cast<std::size_t>(i)] +
                      (marked ? "?" : "");
        }
        if (wrong == 0) {
            ++exact;
            continue;
        }
        const bool unique = reading.verdict == dodoru::SolveVerdict::Unique;
        const bool isSilent = unique && wrongMarked == 0;
        silent += isSilent;
        caught += !isSilent;
        std::printf("%s: %d wrong cell(s)%s; %s%s\n", name.c_str(), wrong, detail.c_str(),
                    unique ? "one solution" : "no unique solution", isSilent ? "  SILENT" : "");
    }
    std::sort(times.begin(), times.end());
    double total = 0;
    for (double t : times) total += t;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("\n%s photos: %d (of %zu)\n", all ? "all" : validation ? "validation" : training ? "training side" : "held-out", measured, photos.size());
    std::printf("read exactly:   %d (%.1f %%)\n", exact, 100.0 * exact / measured);
    std::printf("refused:        %d\n", refused);
    std::printf("wrong, caught:  %d (no unique solution, or a wrong cell marked uncertain)\n", caught);
    std::printf("silent errors:  %d\n", silent);
    std::printf("cells right:    %.2f %% of %d cells in grids found\n", cells ? 100.0 * cellsRight / cells : 0.0, cells);
    std::printf("wrong cells:    %d digit(s) missed, %d mark(s) taken for a digit, %d digit(s) taken for another\n", missed,
                invented, mistaken);
    std::printf("uncertain:      %.1f cells a photo read\n", read ? static_cast<double>(uncertain) / read : 0.0);
    std::printf("time per photo: mean %.0f ms, median %.0f ms, max %.0f ms (processor time, one thread)\n", total / measured,
                times[times.size() / 2], times.back());
    std::printf("peak memory:    %.0f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
