#include "windowharness.h"

#include <QApplication>
#include <QStyleFactory>

#include "fonts.h"
#include "seededrandom.h"

namespace dodoru::testing {

void prepareApplication() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
    installFontSubstitutions();
    QApplication::setFont(applicationFont());
}

WindowHarness::WindowHarness(const Options& options) {
    MainWindowServices services;
    auto boxes = std::make_unique<ScriptedMessageBoxes>();
    messageBoxes = boxes.get();
    services.messageBoxes = std::move(boxes);
    services.random = std::make_unique<SeededRandom>(options.seed);
    auto memoryLog = std::make_unique<MemoryPuzzleLog>();
    log = memoryLog.get();
    services.puzzleLog = std::move(memoryLog);
    auto pass = std::make_unique<HookedEventPass>();
    eventPass = pass.get();
    services.eventPass = std::move(pass);
    auto end = std::make_unique<RecordingProgramEnd>();
    programEnd = end.get();
    services.programEnd = std::move(end);
    if (options.clockStepNs > 0) {
        auto stepping = std::make_unique<SteppingClock>(options.clockStepNs);
        clock = stepping.get();
        services.clock = std::move(stepping);
    }
    auto recordingBrowser = std::make_unique<RecordingBrowser>();
    browser = recordingBrowser.get();
    services.browser = std::move(recordingBrowser);
    auto scriptedTransfer = std::make_unique<ScriptedTransferPlatform>();
    transfer = scriptedTransfer.get();
    services.transfer = std::move(scriptedTransfer);
    services.showAboutBox = options.aboutBox;
    if (!options.saveFilePath.isEmpty()) services.saveFile = std::make_unique<SaveFile>(options.saveFilePath);
    auto chooser = std::make_unique<ScriptedSaveLocation>();
    chooser->path = options.saveElsewhere;
    saveDialog = chooser.get();
    services.saveChooser = std::move(chooser);
    addDesktopServices(services);
    window_ = std::make_unique<MainWindow>(std::move(services));
    if (options.load) window_->Form_Load();
}

QString boardDigits(const MainWindow& window) {
    QString out;
    for (int c = 0; c < 81; ++c) out += QChar('0' + window.session().puzzle().digit(c));
    return out;
}

QString labelDigits(const MainWindow& window) {
    QString out;
    for (int c = 0; c < 81; ++c) {
        const QString text = window.Label1(c)->text();
        out += text.isEmpty() ? QChar('0') : text.at(0);
    }
    return out;
}

QString blueMask(const MainWindow& window) {
    QString out;
    for (int c = 0; c < 81; ++c) out += window.Label1(c)->foreColor() == 0xFF0000u ? QChar('1') : QChar('0');
    return out;
}

int pixelsNear(const QImage& image, const QRect& area, const QColor& colour, int tolerance) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) <= tolerance && qAbs(c.green() - colour.green()) <= tolerance &&
                qAbs(c.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    return count;
}

void enterGivens(MainWindow& window, const QString& cells) {
    for (int c = 0; c < 81; ++c) {
        const int digit = cells.at(c).digitValue();
        if (digit >= 1 && digit <= 9) window.session().setDigit(c, digit);
    }
}

} // namespace dodoru::testing

namespace dodoru::testing {

std::optional<logic::Step> playUpTo(MainWindow& window, logic::Technique technique) {
    PuzzleState board = window.session().puzzle();
    logic::DigitGrid givens{};
    for (int c = 0; c < kCellCount; ++c)
        if (board.kind(c) == CellKind::Given)
            givens[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(board.digit(c));
    const logic::Explanation path = logic::explain(givens);
    logic::Position position = logic::Position::fromDigits(givens);
    for (const logic::Step& step : path.steps) {
        if (step.technique != technique) {
            logic::applyStep(position, step);
            continue;
        }
        for (int c = 0; c < kCellCount; ++c)
            if (board.digit(c) == 0 && position.digit(c) != 0) board.placePlayerDigit(c, position.digit(c));
        for (int c = 0; c < kCellCount; ++c)
            if (board.digit(c) == 0)
                board.setPencilMarks(c, static_cast<PencilMarks>(position.candidates(c) >> 1));
        window.session().changeWhilePlaying(board);
        return step;
    }
    return std::nullopt;
}

} // namespace dodoru::testing
