#include "messageboxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "appinfo.h"

namespace dodoru {

MessageAnswer QtMessageBoxes::show(QWidget* parent, const QString& text, MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(app::applicationTitle());
    box.setText(text);
    switch (icon) {
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MessageButtons::ReplaceKeep: {
        //: A button of the question whether to replace a file that could not be read: write over it.
        QPushButton* replace = box.addButton(QCoreApplication::translate("dodoru::MessageBoxes", "覆寫"),
                                             QMessageBox::DestructiveRole);
        //: A button of the question whether to replace a file that could not be read: keep it as it is.
        QPushButton* keep = box.addButton(QCoreApplication::translate("dodoru::MessageBoxes", "保留原檔"),
                                          QMessageBox::RejectRole);
        box.setDefaultButton(keep);
        box.setEscapeButton(keep);
        box.exec();
        return box.clickedButton() == replace ? MessageAnswer::Replace : MessageAnswer::Keep;
    }
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
    }
}

}  // namespace dodoru
