#include "playbar.h"

#include <QHBoxLayout>
#include <QLabel>

namespace dodoru {

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
    timeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->setSpacing(12);
    layout->addWidget(messageLabel_, 1);
    layout->addWidget(ratingLabel_, 0);
    layout->addWidget(timeLabel_, 0);
}

void PlayBar::setMessage(const QString& text) {
    message_ = text;
    messageLabel_->setAccessibleName(text);
    fit();
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
    // The margins and the spacing of the layout, and the rating and the time at the right.
    const int rating = ratingLabel_->text().isEmpty() ? 0 : ratingLabel_->sizeHint().width() + 12;
    const int room = qMax(0, width() - 6 - 6 - 12 - rating - timeLabel_->sizeHint().width());
    messageLabel_->setText(messageLabel_->fontMetrics().elidedText(message_, Qt::ElideRight, room));
}

} // namespace dodoru
