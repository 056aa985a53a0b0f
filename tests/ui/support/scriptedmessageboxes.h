#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "messageboxes.h"

namespace dodoru::testing {

// Answers message boxes from a script instead of a person and records every box shown.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString text;
        MessageButtons buttons;
        MessageIcon icon;
        MessageAnswer answer;
    };

    void answerNext(MessageAnswer answer) { script_.push_back(answer); }

    MessageAnswer show(QWidget*, const QString& text, MessageButtons buttons, MessageIcon icon) override {
        MessageAnswer answer = fallback(buttons);
        if (!script_.empty()) {
            answer = script_.front();
            script_.pop_front();
        }
        shown_.push_back({text, buttons, icon, answer});
        return answer;
    }

    const std::vector<Shown>& shown() const { return shown_; }
    QStringList texts() const {
        QStringList out;
        for (const Shown& box : shown_) out << box.text;
        return out;
    }
    bool scriptUsedUp() const { return script_.empty(); }

private:
    // Unscripted boxes are declined: the cautious answer.
    static MessageAnswer fallback(MessageButtons buttons) {
        switch (buttons) {
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::OkCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::ReplaceKeep:
            return MessageAnswer::Keep;
        case MessageButtons::Ok:
            break;
        }
        return MessageAnswer::Ok;
    }

    std::deque<MessageAnswer> script_;
    std::vector<Shown> shown_;
};

} // namespace dodoru::testing
