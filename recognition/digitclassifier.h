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

// A small neural network over glyph features, trained by the digit trainer and built into the
// library.
class DigitClassifier {
public:
    // The classifier built in; loaded once.
    static const DigitClassifier& builtIn();
    // A classifier from a model file's text; an invalid one when the text is not a model.
    static DigitClassifier fromText(const std::string& text);

    bool valid() const { return !network_.empty() && network_->isTrained(); }
    ClassScores scores(const std::vector<float>& features) const;

private:
    cv::Ptr<cv::ml::ANN_MLP> network_;
};

}  // namespace dodoru::recognition
