#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "board.h"
#include "textinput.h"

class QAction;
class QMimeData;
class QWidget;

namespace dodoru {

class MessageBoxes;
class PhotoImport;
class TransferPlatform;
struct PuzzleText;

// What moving puzzles in and out needs from the window.
class TransferTarget {
public:
    virtual ~TransferTarget() = default;
    virtual Board shownBoard() const = 0;
    // The window in manual set-up mode, as command 0 leaves it, with these givens and nothing else.
    virtual void setUpPuzzle(const Board& givens) = 0;
    // True while a solve or a generation runs: nothing may change the board then.
    virtual bool commandRunning() const = 0;
};

// Puzzles in and out of the window as text: copy and paste, puzzle files, and text or a file dropped on
// the window. Makes its commands as actions with their shortcuts, for the window to list. Whatever is read goes
// through the shared text reader; text that is no puzzle leaves the board alone and says why.
class PuzzleTransfer final : public QObject {
    Q_OBJECT
public:
    PuzzleTransfer(QWidget& window, TransferTarget& target, TransferPlatform& platform,
                   MessageBoxes& messageBoxes);
    ~PuzzleTransfer() override;

    // Its commands in the order the menu lists them, a separator among them.
    const QList<QAction*>& actions() const { return actions_; }

    // The givens as an 81-character line.
    void copyPuzzle();
    // Every digit shown, givens and answer alike, as a nine-line grid.
    void copyPuzzleAndAnswer();
    void pastePuzzle();
    void openPuzzleFile();
    void savePuzzle();

    // A text or a local file, from the clipboard or a drop; `refused` heads the message if it is no puzzle.
    void takeMimeData(const QMimeData* data, const QString& refused);
    void takeFile(const QString& path);
    // Images (a file, a paste, a drop) go to the photo reader.
    PhotoImport& photoImport() { return *photo_; }

    // Larger texts and files are refused rather than read: no puzzle file comes near it.
    static constexpr qint64 kMaxTextBytes = static_cast<qint64>(kMaxPuzzleTextBytes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(const QString& name, const QString& text, const QKeySequence& shortcut,
                        const QString& tooltip, void (PuzzleTransfer::*command)());
    // Bytes as a file holds them or UTF-8 (a paste): read by the shared puzzle text reader.
    void takeText(const QByteArray& bytes, const QString& refused);
    void takePuzzles(const std::vector<PuzzleText>& puzzles);
    void refuse(const QString& heading, const QString& reason);
    bool acceptsDrop(const QMimeData* data) const;

    QWidget& window_;
    TransferTarget& target_;
    TransferPlatform& platform_;
    MessageBoxes& messageBoxes_;
    QList<QAction*> actions_;
    std::unique_ptr<PhotoImport> photo_;
};

} // namespace dodoru
