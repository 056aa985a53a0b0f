#include "digitclassifier.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "digitmodel.h"

namespace dodoru::recognition {

const DigitClassifier& DigitClassifier::builtIn() {
    static const DigitClassifier classifier =
        fromText(std::string(reinterpret_cast<const char*>(kDigitModel), kDigitModelSize));
    return classifier;
}

// The model file: the kernel's width, the support vectors stored a byte per feature (each feature
// scaled by its largest value), and each decision's threshold, weights and the vectors it weighs.
DigitClassifier DigitClassifier::fromText(const std::string& text) {
    DigitClassifier classifier;
    try {
        cv::FileStorage storage(text, cv::FileStorage::READ | cv::FileStorage::MEMORY);
        const cv::FileNode model = storage["digits"];
        if (model.empty()) return {};
        cv::Mat scales, bytes, rho, counts, indices, alphas;
        model["scales"] >> scales;
        model["vectors"] >> bytes;
        model["rho"] >> rho;
        model["counts"] >> counts;
        model["indices"] >> indices;
        model["alphas"] >> alphas;
        const int decisionCount = kClassCount * (kClassCount - 1) / 2;
        if (bytes.type() != CV_8U || scales.type() != CV_32F || static_cast<int>(scales.total()) != bytes.cols ||
            rho.type() != CV_64F || counts.type() != CV_32S || indices.type() != CV_32S || alphas.type() != CV_32F ||
            static_cast<int>(rho.total()) != decisionCount || static_cast<int>(counts.total()) != decisionCount ||
            indices.total() != alphas.total())
            return {};
        classifier.gamma_ = static_cast<double>(model["gamma"]);
        classifier.supportVectors_.create(bytes.rows, bytes.cols, CV_32F);
        for (int v = 0; v < bytes.rows; ++v)
            for (int f = 0; f < bytes.cols; ++f)
                classifier.supportVectors_.at<float>(v, f) = bytes.at<std::uint8_t>(v, f) * scales.at<float>(f);
        std::size_t next = 0;
        int index = 0;
        for (int first = 0; first < kClassCount; ++first) {
            for (int second = first + 1; second < kClassCount; ++second, ++index) {
                Decision decision{first, second, rho.at<double>(index), {}, {}};
                const auto count = static_cast<std::size_t>(counts.at<int>(index));
                if (next + count > indices.total()) return {};
                for (std::size_t k = next; k < next + count; ++k) {
                    const int vector = indices.at<int>(static_cast<int>(k));
                    if (vector < 0 || vector >= bytes.rows) return {};
                    decision.vectors.push_back(vector);
                    decision.alpha.push_back(alphas.at<float>(static_cast<int>(k)));
                }
                next += count;
                classifier.decisions_.push_back(std::move(decision));
            }
        }
    } catch (const cv::Exception&) {
        return {};
    }
    for (int v = 0; v < classifier.supportVectors_.rows; ++v)
        classifier.squaredNorms_.push_back(classifier.supportVectors_.row(v).dot(classifier.supportVectors_.row(v)));
    return classifier;
}

std::string DigitClassifier::modelText() const {
    if (!valid()) return {};
    cv::Mat scales(1, supportVectors_.cols, CV_32F), bytes(supportVectors_.rows, supportVectors_.cols, CV_8U);
    for (int f = 0; f < supportVectors_.cols; ++f) {
        double largest = 0;
        cv::minMaxLoc(cv::abs(supportVectors_.col(f)), nullptr, &largest);
        scales.at<float>(f) = static_cast<float>(largest > 0 ? largest / 255.0 : 1.0);
        for (int v = 0; v < supportVectors_.rows; ++v)
            bytes.at<std::uint8_t>(v, f) = cv::saturate_cast<std::uint8_t>(supportVectors_.at<float>(v, f) / scales.at<float>(f));
    }
    cv::Mat rho(static_cast<int>(decisions_.size()), 1, CV_64F), counts(static_cast<int>(decisions_.size()), 1, CV_32S);
    std::vector<int> indices;
    std::vector<float> alphas;
    for (std::size_t d = 0; d < decisions_.size(); ++d) {
        rho.at<double>(static_cast<int>(d)) = decisions_[d].rho;
        counts.at<int>(static_cast<int>(d)) = static_cast<int>(decisions_[d].vectors.size());
        indices.insert(indices.end(), decisions_[d].vectors.begin(), decisions_[d].vectors.end());
        for (double a : decisions_[d].alpha) alphas.push_back(static_cast<float>(a));
    }
    cv::FileStorage storage(".yml", cv::FileStorage::WRITE | cv::FileStorage::MEMORY | cv::FileStorage::BASE64);
    storage << "digits" << "{";
    storage << "gamma" << gamma_ << "scales" << scales << "vectors" << bytes << "rho" << rho << "counts" << counts;
    storage << "indices" << cv::Mat(indices, true) << "alphas" << cv::Mat(alphas, true);
    storage << "}";
    return storage.releaseAndGetString();
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
