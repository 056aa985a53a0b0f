#include "transferplatform.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QCoreApplication>
#include <QMimeData>
#include <QSettings>
#include <QVBoxLayout>

namespace dodoru {

namespace {

const QString kLastDirectoryKey = QStringLiteral("transfer/lastDirectory");

QSettings settings() {
    return QSettings(QStringLiteral("dodoru"), QStringLiteral("dodoru"));
}

} // namespace

const QMimeData* QtTransferPlatform::clipboardData() {
    return QGuiApplication::clipboard()->mimeData();
}

void QtTransferPlatform::setClipboardData(std::unique_ptr<QMimeData> data) {
    QGuiApplication::clipboard()->setMimeData(data.release());
}

QString QtTransferPlatform::openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                         const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString QtTransferPlatform::saveFileName(QWidget* parent, const QString& caption,
                                         const QString& suggestedPath, const QString& filter) {
    QFileDialog dialog(parent, caption, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<int> QtTransferPlatform::pickPuzzle(QWidget* parent, const QStringList& entries) {
    QDialog dialog(parent);
    //: The caption of the list a puzzle is picked from, when a file holds several.
    dialog.setWindowTitle(QCoreApplication::translate("dodoru::TransferTexts", "選擇題目"));
    auto* list = new QListWidget(&dialog);
    list->setUniformItemSizes(true);
    list->addItems(entries);
    list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
    return list->currentRow();
}

QString QtTransferPlatform::lastDirectory() {
    const QString directory = settings().value(kLastDirectoryKey).toString();
    return !directory.isEmpty() && QDir(directory).exists() ? directory : QDir::homePath();
}

void QtTransferPlatform::setLastDirectory(const QString& directory) {
    settings().setValue(kLastDirectoryKey, directory);
}

} // namespace dodoru
