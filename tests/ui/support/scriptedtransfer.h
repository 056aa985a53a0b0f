#pragma once

#include <QMimeData>
#include <QStringList>
#include <memory>
#include <optional>

#include "transferplatform.h"

namespace dodoru::testing {

// A clipboard of its own, file dialogs that answer from a script and a list that picks as told.
class ScriptedTransferPlatform final : public TransferPlatform {
public:
    const QMimeData* clipboardData() override { return clipboard.get(); }
    void setClipboardData(std::unique_ptr<QMimeData> data) override { clipboard = std::move(data); }

    QString openFileName(QWidget*, const QString&, const QString& startIn, const QString& filter) override {
        dialogs << startIn;
        filters << filter;
        return openAnswer;
    }
    QString saveFileName(QWidget*, const QString&, const QString& suggestedPath,
                         const QString& filter) override {
        dialogs << suggestedPath;
        filters << filter;
        return saveAnswer;
    }
    std::optional<int> pickPuzzle(QWidget*, const QStringList& entries) override {
        offered = entries;
        return pickAnswer;
    }
    QString lastDirectory() override { return directory; }
    void setLastDirectory(const QString& used) override { directory = used; }

    std::unique_ptr<QMimeData> clipboard;
    QString openAnswer; // empty: the dialog is cancelled
    QString saveAnswer;
    std::optional<int> pickAnswer;
    QString directory = QStringLiteral("/start");
    QStringList dialogs; // where each file dialog started
    QStringList filters;
    QStringList offered; // the entries of the last list of puzzles
};

} // namespace dodoru::testing
