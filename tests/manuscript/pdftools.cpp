#include "pdftools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace pdftools {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        QTest::qFail(qPrintable(program + QStringLiteral(" failed: ") +
                                QString::fromLocal8Bit(process.readAllStandardError())),
                     __FILE__, __LINE__);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf) {
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const auto match = pages.match(run(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pageText(const QString& pdf, int page, const QRectF& crop) {
    QStringList arguments = {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                             QStringLiteral("-l"), QString::number(page)};
    if (!crop.isNull()) {
        const QRect r = crop.toAlignedRect();
        arguments << QStringLiteral("-r") << QStringLiteral("72") << QStringLiteral("-x")
                  << QString::number(r.x()) << QStringLiteral("-y") << QString::number(r.y())
                  << QStringLiteral("-W") << QString::number(r.width()) << QStringLiteral("-H")
                  << QString::number(r.height());
    }
    arguments << pdf << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), arguments);
}

QImage pageImage(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-gray"), QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
         QString::number(dpi), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
         QString::number(page), pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
}

QString digitsOf(const QString& text) {
    QString digits;
    for (const QChar ch : text)
        if (ch >= QLatin1Char('1') && ch <= QLatin1Char('9')) digits += ch;
    return digits;
}

} // namespace pdftools
