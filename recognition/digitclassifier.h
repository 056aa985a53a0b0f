#pragma once

#include <array>
#include <string>
#include <vector>

#include <opencv2/ml.hpp>

namespace dodoru::recognition {

// Classes the classifier tells apart: 0 a mark that is no upright digit (a digit turned on its side
// or upside down, a smudge), 1..9 the digits.
inline constexpr int kClassCount = 10;
using ClassScores = std::array<float, kClassCount>;

// What the classifier makes of one glyph.
struct Classification {
    ClassScores scores{};  // per class, -1 (loses to every other class) .. 1 (beats every other class)
    int best = 0;          // the class with the highest score
    int runnerUp = 0;      // the class that came closest to beating it
    float margin = 0;      // how clearly the best beat the runner-up; 0 or less when it did not
    // decided[a][b]: how clearly class a beat class b (negative when b beat a).
    std::array<std::array<float, kClassCount>, kClassCount> decided{};
};

// A support vector machine with a radial kernel over glyph features, one decision between each two
// classes, trained by the digit trainer and built into the library. Its decisions are read out one
// by one, so that every class gets a score and a close call shows as a small margin.
class DigitClassifier {
public:
    DigitClassifier() = default;
    // The classifier built in; loaded once.
    static const DigitClassifier& builtIn();
    // A classifier from a model file's text; an invalid one when the text is not a model.
    static DigitClassifier fromText(const std::string& text);
    // A classifier from a trained machine (of kClassCount classes, labelled 0..kClassCount - 1).
    static DigitClassifier fromMachine(const cv::Ptr<cv::ml::SVM>& machine);
    // The text of its model file (what fromText reads); its support vectors a byte per feature.
    std::string modelText() const;

    bool valid() const { return !decisions_.empty(); }
    Classification classify(const std::vector<float>& features) const;
    // The same for many glyphs at once, one row of features (CV_32F) each.
    std::vector<Classification> classifyRows(const cv::Mat& rows) const;

private:
    struct Decision {
        int first = 0, second = 0;  // a positive value decides for the first
        double rho = 0;
        std::vector<double> alpha;
        std::vector<int> vectors;
    };
    // The decisions between each two classes from the kernel's value at every support vector.
    Classification decide(const std::vector<double>& kernel) const;

    cv::Mat supportVectors_;  // CV_32F, one row each
    std::vector<double> squaredNorms_;
    double gamma_ = 0;
    std::vector<Decision> decisions_;
};

}  // namespace dodoru::recognition
