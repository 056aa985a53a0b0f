#pragma once

#include <string>
#include <vector>

namespace dodoru::recognition {

// A photo of a puzzle with its true givens (photoNNN.jpg beside photoNNN.txt: nine lines of nine
// digits, 0 empty).
struct LabelledPhoto {
    std::string image;
    std::string givens;  // 81 characters
    bool heldOut = false;
    bool validation = false;  // on the training side, but kept out of training to choose thresholds on
};

// The labelled photos of a folder, by name. Photos of the same puzzle fall on the same side: the
// puzzles, ordered by a hash of their givens, are held out from the first until a quarter of the
// photos are, and the classifier is trained on the others. Of the training side's puzzles, every fifth
// in the same order is set aside for validation.
std::vector<LabelledPhoto> labelledPhotos(const std::string& folder);

}  // namespace dodoru::recognition
