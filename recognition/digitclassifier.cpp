#include "digitclassifier.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "digitmodel.h"

namespace dodoru::recognition {

const DigitClassifier& DigitClassifier::builtIn() {
    static const DigitClassifier classifier =
        fromText(std::string(reinterpret_cast<const char*>(kDigitModel), kDigitModelSize));
    return classifier;
}

DigitClassifier DigitClassifier::fromText(const std::string& text) {
    try {
        cv::FileStorage storage(text, cv::FileStorage::READ | cv::FileStorage::MEMORY);
        auto machine = cv::ml::SVM::create();
        machine->read(storage.getFirstTopLevelNode());
        return fromMachine(machine);
    } catch (const cv::Exception&) {
        return {};
    }
}

DigitClassifier DigitClassifier::fromMachine(const cv::Ptr<cv::ml::SVM>& machine) {
    DigitClassifier classifier;
    if (machine.empty() || !machine->isTrained() || machine->getKernelType() != cv::ml::SVM::RBF) return classifier;
    const cv::Mat vectors = machine->getSupportVectors();
    if (vectors.type() != CV_32F) return classifier;
    std::vector<Decision> decisions;
    // The machine keeps one decision for each two classes, in the order (0,1), (0,2) .. (8,9).
    int index = 0;
    for (int first = 0; first < kClassCount; ++first) {
        for (int second = first + 1; second < kClassCount; ++second, ++index) {
            Decision decision;
            decision.first = first;
            decision.second = second;
            cv::Mat alpha, vectorIndex;
            decision.rho = machine->getDecisionFunction(index, alpha, vectorIndex);
            alpha.convertTo(alpha, CV_64F);
            decision.alpha.assign(alpha.begin<double>(), alpha.end<double>());
            decision.vectors.assign(vectorIndex.begin<int>(), vectorIndex.end<int>());
            for (int v : decision.vectors)
                if (v < 0 || v >= vectors.rows) return classifier;
            decisions.push_back(std::move(decision));
        }
    }
    classifier.supportVectors_ = vectors.clone();
    for (int v = 0; v < vectors.rows; ++v) classifier.squaredNorms_.push_back(vectors.row(v).dot(vectors.row(v)));
    classifier.gamma_ = machine->getGamma();
    classifier.decisions_ = std::move(decisions);
    return classifier;
}

Classification DigitClassifier::classify(const std::vector<float>& features) const {
    const cv::Mat row(1, static_cast<int>(features.size()), CV_32F, const_cast<float*>(features.data()));
    const std::vector<Classification> result = classifyRows(row);
    return result.empty() ? Classification{} : result.front();
}

std::vector<Classification> DigitClassifier::classifyRows(const cv::Mat& rows) const {
    std::vector<Classification> results(static_cast<std::size_t>(rows.rows));
    if (!valid() || rows.cols != supportVectors_.cols || rows.type() != CV_32F) return results;
    // The radial kernel against every support vector: exp(-gamma |v - x|^2), the squared distances
    // taken as |v|^2 + |x|^2 - 2 v.x, with the products of all rows in one matrix multiplication.
    cv::Mat products;
    cv::gemm(supportVectors_, rows, 1.0, cv::noArray(), 0.0, products, cv::GEMM_2_T);
    std::vector<double> kernel(static_cast<std::size_t>(supportVectors_.rows));
    for (int r = 0; r < rows.rows; ++r) {
        const double xx = rows.row(r).dot(rows.row(r));
        for (int v = 0; v < supportVectors_.rows; ++v) {
            const double distance = std::max(0.0, squaredNorms_[static_cast<std::size_t>(v)] + xx - 2.0 * products.at<float>(v, r));
            kernel[static_cast<std::size_t>(v)] = std::exp(-gamma_ * distance);
        }
        results[static_cast<std::size_t>(r)] = decide(kernel);
    }
    return results;
}

Classification DigitClassifier::decide(const std::vector<double>& kernel) const {
    Classification result;
    auto& decided = result.decided;
    for (const Decision& decision : decisions_) {
        double sum = -decision.rho;
        for (std::size_t k = 0; k < decision.vectors.size(); ++k)
            sum += decision.alpha[k] * kernel[static_cast<std::size_t>(decision.vectors[k])];
        decided[static_cast<std::size_t>(decision.first)][static_cast<std::size_t>(decision.second)] = static_cast<float>(sum);
        decided[static_cast<std::size_t>(decision.second)][static_cast<std::size_t>(decision.first)] = static_cast<float>(-sum);
    }
    for (std::size_t a = 0; a < kClassCount; ++a) {
        double score = 0;
        for (std::size_t b = 0; b < kClassCount; ++b)
            if (a != b) score += std::tanh(decided[a][b]);
        result.scores[a] = static_cast<float>(score / (kClassCount - 1));
        if (result.scores[a] > result.scores[static_cast<std::size_t>(result.best)]) result.best = static_cast<int>(a);
    }
    const auto& ofBest = decided[static_cast<std::size_t>(result.best)];
    float closest = 1e30f;
    for (std::size_t b = 0; b < kClassCount; ++b) {
        if (static_cast<int>(b) == result.best || ofBest[b] >= closest) continue;
        closest = ofBest[b];
        result.runnerUp = static_cast<int>(b);
    }
    result.margin = closest;
    return result;
}

}  // namespace dodoru::recognition
