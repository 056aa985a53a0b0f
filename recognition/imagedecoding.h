#pragma once

#include <cstdint>
#include <vector>

#include <opencv2/core.hpp>

#include "photoreader.h"

namespace dodoru::recognition {

struct DecodedImage {
    ReadFailure failure = ReadFailure::None;
    cv::Mat grey;  // 8-bit, one channel, turned as the JPEG's orientation tag says
};

// The width and height an encoded JPEG, PNG or BMP declares, read from its header; {0, 0} when the
// data is not one of those formats or its header is cut short.
cv::Size declaredSize(const std::vector<std::uint8_t>& data);

// Decodes an image in grey, refusing from the header alone an image larger than kMaxImagePixels, and
// refusing JPEG or PNG data that ends before its end marker.
DecodedImage decodeImage(const std::vector<std::uint8_t>& data);

}  // namespace dodoru::recognition
