#pragma once

#include <QString>

class QWidget;

namespace dodoru {

// ReplaceKeep: 覆寫 and 保留原檔, keeping the default and what Escape or closing the box answers.
enum class MessageButtons { Ok, OkCancel, YesNo, ReplaceKeep };
enum class MessageIcon { None, Question, Warning, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No, Replace, Keep };

// Modal message boxes titled with the application title. Tests put a scripted implementation in place
// so that a question is answered without a person.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows `text` and returns the button pressed; for YesNo the default button is Yes.
    virtual MessageAnswer show(QWidget* parent, const QString& text, MessageButtons buttons, MessageIcon icon) = 0;
};

// The real message boxes.
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageButtons buttons, MessageIcon icon) override;
};

}  // namespace dodoru
