#include "printerfactory.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace dodoru {

std::unique_ptr<QPrinter> DefaultPrinterFactory::create(QString& reason) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty()) {
            //: Why the window cannot be printed.
            reason = QCoreApplication::translate("dodoru::PrintTexts", "系統中沒有設定任何印表機。");
            return nullptr;
        }
        info = printers.first();
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setFullPage(true);
    return printer;
}

} // namespace dodoru
