#pragma once

#include <QCoreApplication>
#include <QString>

#include "position.h"
#include "technique.h"

namespace dodoru {

// The window's words for the logical solver: technique names, rating bands and units, in Traditional
// Chinese through tr(). A hint reads "第 4 宮：隱性單一".
class TechniqueNames {
    Q_DECLARE_TR_FUNCTIONS(TechniqueNames)

public:
    static QString name(logic::Technique technique);
    static QString band(logic::RatingBand band);
    // "第 3 列" (a row), "第 5 行" (a column), "第 4 宮" (a box); empty for no unit.
    static QString unit(const logic::Unit& unit);
    // "4.4（高階）"
    static QString rating(int tenths);
    // A puzzle's difficulty as the play line names it: "難度 6.0 專家".
    static QString difficulty(int tenths);
};

} // namespace dodoru
