#pragma once

#include <QString>

namespace dodoru {

// The window's choices kept between runs, in a small JSON file beside the save file
// ({"levels_by_technique": true}): whether the level buttons make puzzles by solving technique. A
// missing or unreadable file gives the defaults; a change is written at once, whole or not at all.
class WindowSettings {
public:
    // An empty path keeps nothing between runs.
    explicit WindowSettings(QString path);

    const QString& path() const { return path_; }
    bool levelsByTechnique() const { return levelsByTechnique_; }
    // False when the file could not be written; the choice holds for this run all the same.
    bool setLevelsByTechnique(bool on);

private:
    QString path_;
    bool levelsByTechnique_ = false;
};

} // namespace dodoru
