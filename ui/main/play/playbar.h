#pragma once

#include <QWidget>

class QLabel;

namespace dodoru {

// The line over the banner while a puzzle is played: what the play state says (hints, checks, the
// solved message) at the left, the time played at the right. It stays clear of the board and of the
// count label, and is hidden whenever nothing is played, so the designed window shows as it was.
class PlayBar final : public QWidget {
public:
    // The smallest type a message is set in to keep it within the line's height (points).
    static constexpr double kSmallestPoints = 10;

    explicit PlayBar(QWidget* parent);

    // The line's own height, the height it keeps while its message fits there.
    void setLineHeight(int pixels);
    // Always shown whole: in the line's font on one line; else wrapped, in type as small as it takes to
    // keep it within the line's height, but no smaller than kSmallestPoints; what is longer still makes
    // the line taller, down over the command panel, until the message changes.
    void setMessage(const QString& text);
    // A shorter form of what was said, shown in its place; assistive technology keeps the whole.
    void setShorterMessage(const QString& text, const QString& whole);
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
    int lineHeight_ = 0;
    bool fitting_ = false;
};

} // namespace dodoru
