#include "logfailuretext.h"

#include <QCoreApplication>

#include "fileerrors.h"

namespace dodoru {

QString logFailedText(const LogWriteResult& result) {
    QString reason;
    switch (result.failure) {
    case LogFailure::System:
        reason = fileErrorReason(result.errorNumber);
        break;
    case LogFailure::NotAFile:
        reason = fileKindReason({FileKind::Other, 0, {}});
        break;
    case LogFailure::DanglingLink:
        reason = QCoreApplication::translate("dodoru::LogTexts", "這是一個符號連結，但它指向的檔案不存在");
        break;
    case LogFailure::Encoding:
        //: The puzzle log is written in the Big5 code page, which could not encode a record.
        reason = QCoreApplication::translate("dodoru::LogTexts", "紀錄無法以 Big5 編碼寫入");
        break;
    case LogFailure::None:
        reason = QString::fromStdString(result.error);
        break;
    }
    //: %1: why the puzzle log out.txt cannot be written.
    return QCoreApplication::translate("dodoru::LogTexts", "題目已產生，但無法寫入題目紀錄檔 out.txt。\n%1")
        .arg(reason);
}

} // namespace dodoru
