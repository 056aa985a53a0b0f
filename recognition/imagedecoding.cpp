#include "imagedecoding.h"

#include <algorithm>
#include <cstring>

#include <opencv2/imgcodecs.hpp>

namespace dodoru::recognition {

namespace {

enum class Format { Unknown, Jpeg, Png, Bmp };

Format formatOf(const std::vector<std::uint8_t>& d) {
    static constexpr std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (d.size() >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF) return Format::Jpeg;
    if (d.size() >= 8 && std::memcmp(d.data(), kPng, 8) == 0) return Format::Png;
    if (d.size() >= 2 && d[0] == 'B' && d[1] == 'M') return Format::Bmp;
    return Format::Unknown;
}

int bigEndian16(const std::vector<std::uint8_t>& d, std::size_t at) { return (d[at] << 8) | d[at + 1]; }

std::int64_t bigEndian32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return (std::int64_t{d[at]} << 24) | (std::int64_t{d[at + 1]} << 16) | (std::int64_t{d[at + 2]} << 8) | d[at + 3];
}

std::int64_t littleEndian32(const std::vector<std::uint8_t>& d, std::size_t at) {
    const std::uint32_t v = std::uint32_t{d[at]} | (std::uint32_t{d[at + 1]} << 8) | (std::uint32_t{d[at + 2]} << 16) |
                            (std::uint32_t{d[at + 3]} << 24);
    return static_cast<std::int32_t>(v);  // a BMP's height is negative for rows stored top down
}

// Walks a JPEG's markers to its frame header.
cv::Size jpegSize(const std::vector<std::uint8_t>& d) {
    std::size_t at = 2;
    while (at + 4 <= d.size()) {
        if (d[at] != 0xFF) return {};
        const std::uint8_t marker = d[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            at += 2;
            continue;
        }
        const std::size_t length = static_cast<std::size_t>(bigEndian16(d, at + 2));
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (at + 9 > d.size()) return {};
            return {bigEndian16(d, at + 7), bigEndian16(d, at + 5)};
        }
        if (length < 2) return {};
        at += 2 + length;
    }
    return {};
}

// Whether the data ends with its format's end marker (a few bytes of padding allowed).
bool endsComplete(const std::vector<std::uint8_t>& d, Format format) {
    constexpr std::size_t kSlack = 4096;
    const std::size_t from = d.size() > kSlack ? d.size() - kSlack : 0;
    if (format == Format::Jpeg) {
        for (std::size_t i = d.size(); i-- > from + 1;)
            if (d[i - 1] == 0xFF && d[i] == 0xD9) return true;
        return false;
    }
    if (format == Format::Png) {
        static constexpr char kEnd[] = "IEND";
        return std::search(d.begin() + static_cast<std::ptrdiff_t>(from), d.end(), kEnd, kEnd + 4) != d.end();
    }
    return true;
}

}  // namespace

cv::Size declaredSize(const std::vector<std::uint8_t>& d) {
    switch (formatOf(d)) {
    case Format::Jpeg: return jpegSize(d);
    case Format::Png:
        if (d.size() < 24) return {};
        return {static_cast<int>(std::min<std::int64_t>(bigEndian32(d, 16), 1 << 30)),
                static_cast<int>(std::min<std::int64_t>(bigEndian32(d, 20), 1 << 30))};
    case Format::Bmp: {
        if (d.size() < 26) return {};
        const std::int64_t width = littleEndian32(d, 18);
        const std::int64_t height = littleEndian32(d, 22);
        return {static_cast<int>(std::clamp<std::int64_t>(width, 0, 1 << 30)),
                static_cast<int>(std::min<std::int64_t>(height < 0 ? -height : height, 1 << 30))};
    }
    case Format::Unknown: break;
    }
    return {};
}

DecodedImage decodeImage(const std::vector<std::uint8_t>& data) {
    const Format format = formatOf(data);
    if (format == Format::Unknown) return {ReadFailure::NotAnImage, {}};
    const cv::Size size = declaredSize(data);
    if (size.width <= 0 || size.height <= 0) return {ReadFailure::NotAnImage, {}};
    const std::int64_t pixels = std::int64_t{size.width} * size.height;
    if (pixels > kMaxImagePixels) return {ReadFailure::TooLarge, {}};
    if (!endsComplete(data, format)) return {ReadFailure::Truncated, {}};
    // A JPEG of many pixels decodes at a half or a quarter of its size: the grid needs far fewer.
    int flags = cv::IMREAD_GRAYSCALE;
    if (format == Format::Jpeg && pixels > 16'000'000) flags = cv::IMREAD_REDUCED_GRAYSCALE_4;
    else if (format == Format::Jpeg && pixels > 4'000'000) flags = cv::IMREAD_REDUCED_GRAYSCALE_2;
    cv::Mat grey;
    try {
        grey = cv::imdecode(cv::Mat(1, static_cast<int>(data.size()), CV_8U, const_cast<std::uint8_t*>(data.data())),
                            flags);
    } catch (const cv::Exception&) {
        grey.release();
    }
    if (grey.empty()) return {ReadFailure::NotAnImage, {}};
    return {ReadFailure::None, grey};
}

}  // namespace dodoru::recognition
