#include "digitclassifier.h"

#include <cstddef>

#include "digitmodel.h"

namespace dodoru::recognition {

const DigitClassifier& DigitClassifier::builtIn() {
    static const DigitClassifier classifier =
        fromText(std::string(reinterpret_cast<const char*>(kDigitModel), kDigitModelSize));
    return classifier;
}

DigitClassifier DigitClassifier::fromText(const std::string& text) {
    DigitClassifier classifier;
    try {
        cv::FileStorage storage(text, cv::FileStorage::READ | cv::FileStorage::MEMORY);
        auto network = cv::ml::ANN_MLP::create();
        network->read(storage.getFirstTopLevelNode());
        if (network->isTrained()) classifier.network_ = network;
    } catch (const cv::Exception&) {
        classifier.network_.release();
    }
    return classifier;
}

ClassScores DigitClassifier::scores(const std::vector<float>& features) const {
    ClassScores result{};
    if (!valid()) return result;
    cv::Mat output;
    network_->predict(cv::Mat(1, static_cast<int>(features.size()), CV_32F, const_cast<float*>(features.data())), output);
    for (int i = 0; i < kClassCount && i < output.cols; ++i) result[static_cast<std::size_t>(i)] = output.at<float>(0, i);
    return result;
}

}  // namespace dodoru::recognition
