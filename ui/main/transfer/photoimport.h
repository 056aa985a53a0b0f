#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "photoreader.h"

class QImage;
class QWidget;

namespace dodoru {

class MessageBoxes;
class TransferTarget;

// A puzzle read from a photo or a scan: the image is read, the reading is shown for review, and what
// the user accepts is set up on the board. An image that gives no puzzle is refused with the reason,
// and the board is left as it was.
class PhotoImport {
public:
    // Shows the reading for review; the puzzle accepted, or nothing when the review was cancelled.
    using Review = std::function<std::optional<std::string>(QWidget* parent, const recognition::PhotoReading&)>;

    PhotoImport(QWidget& window, TransferTarget& target, MessageBoxes& messageBoxes);

    // Whether the bytes start as an image the reader takes (JPEG, PNG or BMP).
    static bool isImageData(const std::string& bytes);

    // An image file's bytes; `refused` heads the message if it gives no puzzle.
    void takeImageData(const std::string& bytes, const QString& refused);
    // A pasted or dropped image.
    void takeImage(const QImage& image, const QString& refused);

    // Tests put a scripted review in place of the dialog.
    void setReview(Review review) { review_ = std::move(review); }

private:
    void take(const recognition::PhotoReading& reading, const QString& refused);

    QWidget& window_;
    TransferTarget& target_;
    MessageBoxes& messageBoxes_;
    Review review_;
};

} // namespace dodoru
