#include "playfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <unistd.h>

#include "fileerrors.h"
#include "regularfile.h"

namespace dodoru {

namespace {

const QString kFormat = QStringLiteral("dodoru-play");
constexpr int kVersion = 1;

PlayFileResult withReason(PlayFileStatus status, const QString& path, const QString& why) {
    return {status, QDir::toNativeSeparators(path) + QStringLiteral("\n") + why};
}

QString digitsText(const PuzzleState& puzzle, CellKind kind) {
    QString text(kCellCount, QLatin1Char('0'));
    for (int c = 0; c < kCellCount; ++c)
        if (puzzle.kind(c) == kind) text[c] = QLatin1Char(static_cast<char>('0' + puzzle.digit(c)));
    return text;
}

// 81 digits '0'..'9', or false.
bool readDigits(const QJsonValue& value, std::array<int, kCellCount>& digits) {
    const QString text = value.toString();
    if (text.size() != kCellCount) return false;
    for (int c = 0; c < kCellCount; ++c) {
        const QChar ch = text[c];
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return false;
        digits[static_cast<std::size_t>(c)] = ch.unicode() - '0';
    }
    return true;
}

} // namespace

QByteArray playRecordJson(const PlayRecord& record) {
    QJsonArray marks;
    for (int c = 0; c < kCellCount; ++c) marks.append(static_cast<int>(record.puzzle.pencilMarks(c)));
    QJsonObject object;
    object[QStringLiteral("format")] = kFormat;
    object[QStringLiteral("version")] = kVersion;
    object[QStringLiteral("givens")] = digitsText(record.puzzle, CellKind::Given);
    object[QStringLiteral("digits")] = digitsText(record.puzzle, CellKind::Player);
    object[QStringLiteral("marks")] = marks;
    object[QStringLiteral("seconds")] = static_cast<qint64>(record.seconds);
    object[QStringLiteral("solved")] = record.solved;
    object[QStringLiteral("atClose")] = record.atClose;
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

bool parsePlayRecord(const QByteArray& json, PlayRecord& record) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return false;
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("format")).toString() != kFormat ||
        object.value(QStringLiteral("version")).toInt() != kVersion)
        return false;
    std::array<int, kCellCount> givens{};
    std::array<int, kCellCount> digits{};
    if (!readDigits(object.value(QStringLiteral("givens")), givens) ||
        !readDigits(object.value(QStringLiteral("digits")), digits))
        return false;
    const QJsonArray marks = object.value(QStringLiteral("marks")).toArray();
    const QJsonValue seconds = object.value(QStringLiteral("seconds"));
    if (marks.size() != kCellCount || !seconds.isDouble() || seconds.toDouble() < 0 ||
        !object.value(QStringLiteral("solved")).isBool())
        return false;

    PlayRecord read;
    for (int c = 0; c < kCellCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const QJsonValue mark = marks[c];
        if (!mark.isDouble() || mark.toInt(-1) < 0 || mark.toInt(-1) > kAllPencilMarks) return false;
        // A cell holds a given or a digit of the player's, not both.
        if (givens[i] != 0 && digits[i] != 0) return false;
        if (givens[i] != 0)
            read.puzzle.setGiven(c, givens[i]);
        else if (digits[i] != 0)
            read.puzzle.setCell(c, digits[i], CellKind::Player);
        read.puzzle.setPencilMarks(c, static_cast<PencilMarks>(mark.toInt()));
    }
    // Bounded before it is converted: a larger count would overflow the clock's nanoseconds.
    read.seconds = seconds.toDouble() >= static_cast<double>(kMaxPlaySeconds)
                       ? kMaxPlaySeconds
                       : static_cast<std::int64_t>(seconds.toDouble());
    read.solved = object.value(QStringLiteral("solved")).toBool();
    // Files from before the game was kept as it is played were all written by the close.
    read.atClose = object.value(QStringLiteral("atClose")).toBool(true);
    record = read;
    return true;
}

PlayFileResult PlayFile::load(PlayRecord& record) const {
    const FileRead read = readRegularFile(QFile::encodeName(path_).toStdString(), kMaxBytes);
    if (read.fault == FileRead::Fault::Kind && read.kind.kind == FileKind::Missing)
        return {PlayFileStatus::Absent, {}};
    QString why;
    switch (read.fault) {
    case FileRead::Fault::None:
        if (parsePlayRecord(QByteArray::fromStdString(read.bytes), record))
            return {PlayFileStatus::Loaded, {}};
        [[fallthrough]];
    case FileRead::Fault::TooLarge:
        why = QCoreApplication::translate("dodoru::PlayFile", "檔案的內容不是遊戲進度。");
        break;
    case FileRead::Fault::Kind:
        why =
            fileKindReason(FileKindCheck{read.kind.kind, read.kind.errorNumber,
                                         QFile::decodeName(QByteArray::fromStdString(read.kind.linkTarget))});
        break;
    case FileRead::Fault::System:
        why = QCoreApplication::translate("dodoru::PlayFile", "無法讀取檔案：") + fileErrorReason(read.errorNumber);
        break;
    }
    return withReason(PlayFileStatus::Unread, path_, why);
}

PlayFileResult PlayFile::save(const PlayRecord& record) const {
    ReplacingFile out(QFile::encodeName(path_).toStdString());
    const QByteArray bytes = playRecordJson(record);
    bool written = out.open();
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t n = ::write(out.descriptor(), bytes.constData() + done,
                                  static_cast<std::size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        written = n > 0;
        done += n > 0 ? n : 0;
    }
    const int writeError = errno;
    if (written && out.commit()) return {PlayFileStatus::Saved, {}};
    if (out.fault() == ReplacingFile::Fault::Kind)
        return withReason(PlayFileStatus::Failed, path_,
                          fileKindReason(FileKindCheck{
                              out.kind().kind, out.kind().errorNumber,
                              QFile::decodeName(QByteArray::fromStdString(out.kind().linkTarget))}));
    const int error = out.fault() == ReplacingFile::Fault::System ? out.errorNumber() : writeError;
    out.cancel();
    return withReason(PlayFileStatus::Failed, path_,
                      QCoreApplication::translate("dodoru::PlayFile", "無法寫入檔案：") + fileErrorReason(error));
}

PlayFileResult PlayFile::remove() const {
    const FileKindCheck kind = examineFile(path_);
    if (kind.kind == FileKind::Missing) return {PlayFileStatus::Absent, {}};
    if (kind.kind != FileKind::Regular && kind.kind != FileKind::DanglingLink)
        return withReason(PlayFileStatus::Failed, path_, fileKindReason(kind));
    QFile file(path_);
    if (!file.remove()) {
        const int error = errno;
        return withReason(PlayFileStatus::Failed, path_,
                          QCoreApplication::translate("dodoru::PlayFile", "無法刪除檔案：") +
                              fileErrorReason(file, error));
    }
    return {PlayFileStatus::Removed, {}};
}

} // namespace dodoru
