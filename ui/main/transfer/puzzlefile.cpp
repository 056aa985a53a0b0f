#include "puzzlefile.h"

#include <QSaveFile>

#include <cerrno>

#include "boardtext.h"
#include "fileerrors.h"

namespace dodoru {

QString savePuzzleFile(const QString& path, const Board& board) {
    if (QString why = fileKindReason(examineFile(path)); !why.isEmpty()) return why;
    QSaveFile out(path);
    const QByteArray line = QByteArray::fromStdString(writeLine(board, CellsWritten::Givens)) + '\n';
    // Unbuffered, so that a short write (a full disk) shows in write()'s count.
    if (out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && out.write(line) == line.size() && out.commit())
        return {};
    const QString why = fileErrorReason(out, errno);
    out.cancelWriting();
    return why;
}

} // namespace dodoru
