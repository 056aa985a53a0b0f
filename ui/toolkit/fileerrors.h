#pragma once

#include <QFileDevice>
#include <QString>

#include "regularfile.h"

namespace dodoru {

// The reason of a failed file operation in the window's language: the common errno values in Chinese,
// the system's own text for the rest.
QString fileErrorReason(int errorNumber);

// The reason of a failed QFile/QSaveFile operation. `errorNumber` is errno read right after the failing
// call; it is trusted only when the device's text is the system's text for it (so a value left over
// from an unrelated call never words the failure). Otherwise the device's own text is shown.
QString fileErrorReason(const QFileDevice& device, int errorNumber);

// What lies at a path, seen before anything opens it: a link is followed, and one that points nowhere
// is told apart from a missing file (the shared examinePath() with the window's text types).

struct FileKindCheck {
    FileKind kind = FileKind::Unknown;
    int errorNumber = 0; // why the kind is Unknown
    QString linkTarget;  // where a dangling link points
};

// Looks with lstat() and, for a link, stat(); never opens the file, so a FIFO cannot block.
FileKindCheck examineFile(const QString& path);

// Why a file of this kind is refused as a save file or a log (Chinese); empty for Missing and Regular.
QString fileKindReason(const FileKindCheck& check);

} // namespace dodoru
