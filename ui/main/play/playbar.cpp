#include "playbar.h"

#include <QHBoxLayout>
#include <QLabel>

namespace dodoru {

namespace {

constexpr int kMargin = 6;   // left and right, pixels
constexpr int kSpacing = 12; // between the message and the time

} // namespace

PlayBar::PlayBar(QWidget* parent)
    : QWidget(parent), messageLabel_(new QLabel(this)), ratingLabel_(new QLabel(this)), timeLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("playBar"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    messageLabel_->setObjectName(QStringLiteral("playMessage"));
    timeLabel_->setObjectName(QStringLiteral("playTime"));
    ratingLabel_->setObjectName(QStringLiteral("playRating"));
    ratingLabel_->setTextFormat(Qt::PlainText);
    ratingLabel_->hide();
    messageLabel_->setTextFormat(Qt::PlainText);
    timeLabel_->setTextFormat(Qt::PlainText);
    messageLabel_->setMinimumWidth(0);
    messageLabel_->setWordWrap(true);
    messageLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    timeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kMargin, 0, kMargin, 0);
    layout->setSpacing(kSpacing);
    layout->addWidget(messageLabel_, 1);
    layout->addWidget(ratingLabel_, 0);
    layout->addWidget(timeLabel_, 0);
}

void PlayBar::setLineHeight(int pixels) {
    lineHeight_ = pixels;
    fit();
}

void PlayBar::setMessage(const QString& text) {
    message_ = text;
    messageLabel_->setText(text);
    messageLabel_->setAccessibleName(text);
    fit();
}

void PlayBar::setShorterMessage(const QString& text, const QString& whole) {
    setMessage(text);
    messageLabel_->setAccessibleName(whole);
}

void PlayBar::setTime(const QString& text) {
    timeLabel_->setText(text);
}

QString PlayBar::time() const {
    return timeLabel_->text();
}

void PlayBar::setRating(const QString& text) {
    ratingLabel_->setText(text);
    ratingLabel_->setVisible(!text.isEmpty());
    fit();
}

QString PlayBar::rating() const {
    return ratingLabel_->text();
}

void PlayBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit();
}

void PlayBar::fit() {
    // Resizing the line below calls here again.
    if (fitting_) return;
    fitting_ = true;
    // The rating and the time at the right, each after the layout's spacing.
    const int rating = ratingLabel_->text().isEmpty() ? 0 : ratingLabel_->sizeHint().width() + kSpacing;
    const int room = qMax(1, width() - 2 * kMargin - kSpacing - rating - timeLabel_->sizeHint().width());
    const auto needed = [&](const QFont& font) {
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(message_) <= room) return metrics.height();
        return metrics.boundingRect(QRect(0, 0, room, 1 << 20), Qt::TextWordWrap, message_).height();
    };
    QFont type = font();
    // One line in the line's own font; otherwise the largest type that keeps the wrapped message
    // within the line, down to the smallest.
    if (needed(type) > lineHeight_ && lineHeight_ > 0) {
        for (double points = type.pointSizeF() - 0.5; points >= kSmallestPoints; points -= 0.5) {
            type.setPointSizeF(points);
            if (needed(type) <= lineHeight_) break;
        }
    }
    messageLabel_->setFont(type);
    const int height = qMax(lineHeight_, needed(type));
    if (height != this->height()) resize(width(), height);
    fitting_ = false;
}

} // namespace dodoru
