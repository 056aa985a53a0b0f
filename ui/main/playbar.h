#pragma once

#include <QWidget>

class QLabel;

namespace dodoru {

// The line over the banner while a puzzle is played: what the play state says (hints, checks, the
// solved message) at the left, the time played at the right. It stays clear of the board and of the
// count label, and is hidden whenever nothing is played, so the designed window shows as it was.
class PlayBar final : public QWidget {
public:
    explicit PlayBar(QWidget* parent);

    // Shown whole when it fits, else cut with an ellipsis; its accessible name is always whole.
    void setMessage(const QString& text);
    QString message() const { return message_; }
    void setTime(const QString& text);
    QString time() const;
    // The puzzle's difficulty, between the message and the time.
    void setRating(const QString& text);
    QString rating() const;

    QLabel* messageLabel() const { return messageLabel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QLabel* messageLabel_;
    QLabel* ratingLabel_;
    QLabel* timeLabel_;
    QString message_;
};

} // namespace dodoru
