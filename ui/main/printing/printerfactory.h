#pragma once

#include <QString>

#include <memory>

class QPrinter;

namespace dodoru {

// Makes the printer for one document.
class PrinterFactory {
public:
    virtual ~PrinterFactory() = default;
    // A printer set up for whole-sheet coordinates, or null with `reason` set.
    virtual std::unique_ptr<QPrinter> create(QString& reason) = 0;
};

// The system's default printer (the first one when none is marked as default).
class DefaultPrinterFactory final : public PrinterFactory {
public:
    std::unique_ptr<QPrinter> create(QString& reason) override;
};

} // namespace dodoru
