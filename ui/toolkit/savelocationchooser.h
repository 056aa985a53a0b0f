#pragma once

#include <QString>

class QWidget;

namespace dodoru {

// Asks where to save a file: the standard save dialog in the program, a script in tests.
class SaveLocationChooser {
public:
    virtual ~SaveLocationChooser() = default;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString choose(QWidget* parent, const QString& caption, const QString& suggestedPath,
                           const QString& filter) = 0;
};

class DialogSaveLocationChooser final : public SaveLocationChooser {
public:
    QString choose(QWidget* parent, const QString& caption, const QString& suggestedPath,
                   const QString& filter) override;
};

} // namespace dodoru
