// Printing through CUPS end to end: a private cupsd (its own configuration, spool and socket in a
// temporary directory, run in the foreground and ended by its process id) with a cups-pdf queue as the
// default printer. A manuscript and the window's own print go through it, and the PDFs the queue
// writes are read back. Where the machine cannot run a private scheduler the test says why and skips.
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

#include "manuscriptcommand.h"
#include "windowfeatures.h"
#include "pagelayout.h"
#include "pdftools.h"
#include "windowprinter.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

const QString kCupsPdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString kCupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

// A scheduler of our own. cupsd refuses to run its filters as root, so it needs root to start and
// switch to the user lp; the cups-pdf backend runs only as root (its mode is 0700), and it reads a
// queue's settings from /etc/cups/cups-pdf-QUEUE.conf, which is where the queue's output directory is
// set.
class PrivateCups {
public:
    ~PrivateCups() { stop(); }

    // Empty when the scheduler runs with the queue as default printer; else why it cannot run here.
    QString start() {
        if (geteuid() != 0)
            return QStringLiteral("a private cupsd needs root: it switches to the user lp, and the cups-pdf "
                                  "backend runs only as root");
        for (const QString& program :
             {QStringLiteral("cupsd"), QStringLiteral("lpadmin"), QStringLiteral("gs")})
            if (QStandardPaths::findExecutable(program,
                                               {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")})
                    .isEmpty())
                return program + QStringLiteral(" is not installed (packages cups, printer-driver-cups-pdf)");
        if (!QFile::exists(kCupsPdfBackend) || !QFile::exists(kCupsPdfPpd))
            return QStringLiteral(
                "the cups-pdf backend or its PPD is missing (package printer-driver-cups-pdf)");
        if (!getpwnam("lp")) return QStringLiteral("there is no user lp for cupsd's filters");
        if (!dir_.isValid()) return QStringLiteral("no temporary directory");

        const QString root = dir_.path();
        QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                        QFile::ExeOther);
        QDir(root).mkpath(QStringLiteral("tmp"));
        QDir(root).mkpath(QStringLiteral("out"));
        // Filters run as lp and keep their temporary files here.
        QFile::setPermissions(root + QStringLiteral("/tmp"), QFileDevice::Permissions(0x7777));
        socket_ = root + QStringLiteral("/cups.sock");
        write(QStringLiteral("cupsd.conf"),
              QStringLiteral("Listen %1\nLogLevel info\nDefaultAuthType None\n"
                             "WebInterface No\nBrowsing No\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order allow,deny\n"
                             "    Allow all\n  </Limit>\n</Policy>\n")
                  .arg(socket_));
        write(QStringLiteral("cups-files.conf"),
              QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                             "TempDir %1/tmp\nAccessLog %1/access_log\nErrorLog %1/error_log\n"
                             "PageLog %1/page_log\nUser lp\nGroup lp\nSystemGroup root\n")
                  .arg(root));
        queue_ = QStringLiteral("dodoru-test-%1").arg(getpid());
        queueConf_ = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(queue_);
        QFile conf(queueConf_);
        if (!conf.open(QIODevice::WriteOnly))
            return QStringLiteral(
                       "cannot write %1 (cups-pdf reads a queue's output directory from there): %2")
                .arg(queueConf_, conf.errorString());
        conf.write(QStringLiteral("Out %1/out\nLog %1\nSpool %1/pdfspool\n").arg(root).toUtf8());
        conf.close();

        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.start(QStringLiteral("cupsd"),
                     {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/cupsd.conf"),
                      QStringLiteral("-s"), root + QStringLiteral("/cups-files.conf")});
        if (!cupsd_.waitForStarted(10000))
            return QStringLiteral("cupsd did not start: ") + cupsd_.errorString();
        for (int i = 0; i < 100 && !QFile::exists(socket_); ++i) {
            if (cupsd_.state() != QProcess::Running)
                return QStringLiteral("cupsd ended at once: ") + QString::fromLocal8Bit(cupsd_.readAll()) +
                       errorLog();
            QTest::qWait(100);
        }
        if (!QFile::exists(socket_)) return QStringLiteral("cupsd made no socket in 10 s") + errorLog();
        qputenv("CUPS_SERVER", socket_.toLocal8Bit());
        const QString added =
            run(QStringLiteral("lpadmin"),
                {QStringLiteral("-p"), queue_, QStringLiteral("-v"), QStringLiteral("cups-pdf:/") + queue_,
                 QStringLiteral("-P"), kCupsPdfPpd, QStringLiteral("-E")});
        if (!added.isEmpty()) return added;
        return run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue_});
    }

    // Ends the scheduler by its process id and removes the queue's settings file.
    void stop() {
        if (cupsd_.state() != QProcess::NotRunning) {
            cupsd_.terminate();
            if (!cupsd_.waitForFinished(10000)) {
                cupsd_.kill();
                cupsd_.waitForFinished(5000);
            }
        }
        if (!queueConf_.isEmpty()) QFile::remove(queueConf_);
        queueConf_.clear();
    }

    const QString& queue() const { return queue_; }
    QString outDir() const { return dir_.filePath(QStringLiteral("out")); }
    // The PDFs the queue wrote, once `count` are there and no job is left.
    QStringList waitForPdfs(int count, int timeoutMs) {
        QStringList pdfs;
        for (int waited = 0; waited < timeoutMs; waited += 200) {
            pdfs = QDir(outDir()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
            if (pdfs.size() >= count && jobsLeft() == 0) break;
            QTest::qWait(200);
        }
        for (QString& pdf : pdfs) pdf = QDir(outDir()).filePath(pdf);
        return pdfs;
    }
    QString errorLog() const {
        QFile log(dir_.filePath(QStringLiteral("error_log")));
        return log.open(QIODevice::ReadOnly)
                   ? QStringLiteral("\n") + QString::fromLocal8Bit(log.readAll().right(3000))
                   : QString();
    }

private:
    int jobsLeft() {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        lpstat.waitForFinished(10000);
        return int(lpstat.readAllStandardOutput().count('\n'));
    }
    void write(const QString& name, const QString& text) {
        QFile file(dir_.filePath(name));
        if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
    }
    static QString run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) +
                   QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll());
        return {};
    }

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString socket_;
    QString queue_;
    QString queueConf_;
};

// The manuscript goes to the queue without a print dialog.
class NamedPrinter final : public ManuscriptPrinterChooser {
public:
    explicit NamedPrinter(QString name) : name_(std::move(name)) {}
    std::unique_ptr<QPrinter> choose(QWidget*, const QPageSize& paper) override {
        auto printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name_), QPrinter::HighResolution);
        printer->setPageSize(paper);
        printer->setFullPage(true);
        return printer;
    }

private:
    QString name_;
};

int nonSpaceCharacters(const QString& text) {
    int n = 0;
    for (const QChar ch : text) n += ch.isSpace() ? 0 : 1;
    return n;
}

} // namespace

class CupsPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { cups_.stop(); }
    void manuscriptAndWindowPrintReachTheQueue();

private:
    PrivateCups cups_;
};

void CupsPrintTest::initTestCase() {
    prepareApplication();
    const QString reason = cups_.start();
    if (!reason.isEmpty()) {
        cups_.stop();
        QSKIP(qPrintable(reason));
    }
}

// Seven puzzles, four a page, with answers: three A4 pages whose grids stand where the layout puts
// them and whose digits are text; the window's print: one page holding its image.
void CupsPrintTest::manuscriptAndWindowPrintReachTheQueue() {
    QCOMPARE(QPrinterInfo::defaultPrinterName(), cups_.queue());
    WindowHarness harness;
    enterGivens(
        harness.window(),
        QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079"));
    harness.messageBoxes->answerNext(MessageAnswer::Ok);
    harness->Command1_Click(MainWindow::kPrintButton);
    QCOMPARE(harness.messageBoxes->texts(), QStringList{kPrintQuestion}); // asked, and no failure reported

    ManuscriptCommand* command = &harness->features().manuscript();
    QVERIFY(command);
    command->setPrinterChooser(std::make_unique<NamedPrinter>(cups_.queue()));
    QSignalSpy finished(command, &ManuscriptCommand::finished);
    ManuscriptRequest request;
    request.mix = {1, 2};
    request.count = 7;
    request.perPage = 4;
    request.answers = true;
    request.title = QStringLiteral("CUPS");
    request.seed = 5;
    request.target = ManuscriptTarget::Printer;
    command->start(request);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 60000);
    QCOMPARE(finished.front().front().toBool(), true);

    const QStringList pdfs = cups_.waitForPdfs(2, 180000);
    QVERIFY2(pdfs.size() == 2, qPrintable(pdfs.join(QLatin1Char(' ')) + cups_.errorLog()));
    QString windowPdf, manuscriptPdf;
    for (const QString& pdf : pdfs) (pdftools::pageCount(pdf) == 1 ? windowPdf : manuscriptPdf) = pdf;
    QVERIFY2(!windowPdf.isEmpty() && !manuscriptPdf.isEmpty(), qPrintable(pdfs.join(QLatin1Char(' '))));

    const QString images = pdftools::run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), windowPdf});
    QVERIFY2(images.count(QLatin1Char('\n')) >= 3, qPrintable(images)); // two header lines and an image

    QCOMPARE(pdftools::pageCount(manuscriptPdf), 3);
    QVERIFY(pdftools::run(QStringLiteral("pdfinfo"), {manuscriptPdf}).contains(QStringLiteral("595 x 842")));
    // The queue distils PostScript: the digits stay text, but the Unicode of the embedded faces is lost
    // on the way, so what can be read back is the number of characters, not which ones.
    QVERIFY(nonSpaceCharacters(pdftools::pageText(manuscriptPdf, 3)) >= 7 * 81);
    ManuscriptLayoutOptions layout;
    layout.perPage = 4;
    const int dpi = 36;
    const QImage page = pdftools::pageImage(manuscriptPdf, 1, dpi);
    QVERIFY(!page.isNull());
    const std::vector<PageLayout> pages = layoutManuscript(layout, 7, true);
    for (const GridBox& box : pages.front().grids) {
        int dark = 0;
        for (int i = 0; i < 50; ++i) {
            const int x = int((box.grid.left() + box.grid.width() * (i + 0.5) / 50) * dpi / 72);
            const int y = int(box.grid.top() * dpi / 72);
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy) found = qGray(page.pixel(x, y + dy)) < 128;
            dark += found ? 1 : 0;
        }
        QVERIFY2(dark >= 45,
                 qPrintable(QStringLiteral("grid %1: %2 of 50 points dark").arg(box.puzzle).arg(dark)));
    }
}

QTEST_MAIN(CupsPrintTest)
#include "cups_print_test.moc"
