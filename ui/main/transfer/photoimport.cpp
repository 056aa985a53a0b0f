#include "photoimport.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>

#include "board.h"
#include "messageboxes.h"
#include "photoreviewdialog.h"
#include "puzzletransfer.h"

namespace dodoru {

namespace {

struct PhotoTexts {
    Q_DECLARE_TR_FUNCTIONS(dodoru::PhotoTexts)
};

QString failureText(recognition::ReadFailure failure) {
    switch (failure) {
    case recognition::ReadFailure::None:
    case recognition::ReadFailure::Unreadable:
        break;
    case recognition::ReadFailure::NotAnImage:
        //: An image that could not be read as a puzzle photo.
        return PhotoTexts::tr("這不是讀得出的圖片（只讀 JPEG、PNG 和 BMP）。");
    case recognition::ReadFailure::TooLarge:
        //: %1: the most pixels a photo may have, in millions.
        return PhotoTexts::tr("圖片太大：最多讀 %1 百萬像素。").arg(recognition::kMaxImagePixels / 1'000'000);
    case recognition::ReadFailure::Truncated:
        return PhotoTexts::tr("圖片資料不完整，檔案可能被截斷了。");
    case recognition::ReadFailure::NoGrid:
        return PhotoTexts::tr("圖片中找不到題目的格子。");
    case recognition::ReadFailure::GridCutOff:
        return PhotoTexts::tr("題目的格子超出了圖片的邊緣：請拍下整個格子。");
    }
    return PhotoTexts::tr("讀不出這張圖片。");
}

// Waits with the busy cursor while a photo is read (a fraction of a second).
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

std::optional<std::string> reviewInDialog(QWidget* parent, const recognition::PhotoReading& reading) {
    PhotoReviewDialog dialog(parent, reading);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.puzzle();
}

} // namespace

PhotoImport::PhotoImport(QWidget& window, TransferTarget& target, MessageBoxes& messageBoxes)
    : window_(window), target_(target), messageBoxes_(messageBoxes), review_(reviewInDialog) {}

bool PhotoImport::isImageData(const std::string& bytes) {
    const auto starts = [&](std::string_view magic) { return bytes.compare(0, magic.size(), magic) == 0; };
    using namespace std::string_view_literals;
    return starts("\xFF\xD8\xFF"sv) || starts("\x89PNG\r\n\x1A\n"sv) || starts("BM"sv);
}

void PhotoImport::takeImageData(const std::string& bytes, const QString& refused) {
    recognition::PhotoReading reading;
    {
        const BusyCursor busy;
        reading = recognition::readPuzzleImageData(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    }
    take(reading, refused);
}

void PhotoImport::takeImage(const QImage& image, const QString& refused) {
    recognition::PhotoReading reading;
    if (image.isNull() || qint64{image.width()} * image.height() > recognition::kMaxImagePixels) {
        reading.failure = image.isNull() ? recognition::ReadFailure::NotAnImage : recognition::ReadFailure::TooLarge;
    } else {
        const BusyCursor busy;
        const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
        recognition::GreyImage pixels;
        pixels.width = grey.width();
        pixels.height = grey.height();
        pixels.pixels.resize(static_cast<std::size_t>(grey.width()) * static_cast<std::size_t>(grey.height()));
        for (int y = 0; y < grey.height(); ++y)
            std::copy_n(grey.constScanLine(y), grey.width(),
                        pixels.pixels.begin() + static_cast<std::ptrdiff_t>(y) * grey.width());
        reading = recognition::readPuzzleImage(pixels);
    }
    take(reading, refused);
}

void PhotoImport::take(const recognition::PhotoReading& reading, const QString& refused) {
    if (!reading.ok()) {
        messageBoxes_.show(&window_, refused + QLatin1Char('\n') + failureText(reading.failure), MessageButtons::Ok,
                           MessageIcon::Warning);
        return;
    }
    const std::optional<std::string> puzzle = review_(&window_, reading);
    // The review runs an event loop of its own: a command may have started meanwhile.
    if (!puzzle || target_.commandRunning()) return;
    Board givens;
    for (int c = 0; c < kCellCount; ++c) {
        const int digit = (*puzzle)[static_cast<std::size_t>(c)] - '0';
        if (digit >= 1 && digit <= 9) givens.cell(c).makeGiven(digit);
    }
    target_.setUpPuzzle(givens);
}

} // namespace dodoru
