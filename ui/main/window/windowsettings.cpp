#include "windowsettings.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace dodoru {

namespace {

const QString kLevelsByTechnique = QStringLiteral("levels_by_technique");
constexpr qint64 kMostBytes = 64 * 1024; // far more than the file ever holds

} // namespace

WindowSettings::WindowSettings(QString path) : path_(std::move(path)) {
    // Only a regular file is read: a FIFO or a device would hold the start-up.
    if (path_.isEmpty() || !QFileInfo(path_).isFile()) return;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QJsonObject settings = QJsonDocument::fromJson(file.read(kMostBytes)).object();
    levelsByTechnique_ = settings.value(kLevelsByTechnique).toBool(false);
}

bool WindowSettings::setLevelsByTechnique(bool on) {
    levelsByTechnique_ = on;
    if (path_.isEmpty()) return true;
    QJsonObject settings;
    settings.insert(kLevelsByTechnique, on);
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QJsonDocument(settings).toJson(QJsonDocument::Indented));
    return file.commit();
}

} // namespace dodoru
