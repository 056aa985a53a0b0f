#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QMimeData;
class QWidget;

namespace dodoru {

// What moving puzzles in and out needs from the desktop: the clipboard, the file dialogs, a list to
// pick one puzzle of several, and the directory used last. Tests put a scripted one in place.
class TransferPlatform {
public:
    virtual ~TransferPlatform() = default;

    // The clipboard's contents; null when it holds nothing.
    virtual const QMimeData* clipboardData() = 0;
    virtual void setClipboardData(std::unique_ptr<QMimeData> data) = 0;

    // The file the user chose, or an empty text when the dialog was cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                 const QString& filter) = 0;

    // The index of the entry the user picked, or nothing when the list was cancelled.
    virtual std::optional<int> pickPuzzle(QWidget* parent, const QStringList& entries) = 0;

    virtual QString lastDirectory() = 0;
    virtual void setLastDirectory(const QString& directory) = 0;
};

// The real desktop: the system clipboard, Qt's standard file dialogs, a list dialog and QSettings.
class QtTransferPlatform final : public TransferPlatform {
public:
    const QMimeData* clipboardData() override;
    void setClipboardData(std::unique_ptr<QMimeData> data) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                         const QString& filter) override;
    std::optional<int> pickPuzzle(QWidget* parent, const QStringList& entries) override;
    QString lastDirectory() override;
    void setLastDirectory(const QString& directory) override;
};

} // namespace dodoru
