#include "techniquenames.h"

#include <array>

namespace dodoru {

QString TechniqueNames::name(logic::Technique technique) {
    // In the order of logic::Technique.
    static const std::array<const char*, logic::kTechniqueCount> names = {
        QT_TR_NOOP("最後空格"),
        QT_TR_NOOP("顯性單一"),
        QT_TR_NOOP("隱性單一"),
        QT_TR_NOOP("區塊鎖定（宮）"),
        QT_TR_NOOP("區塊鎖定（行列）"),
        QT_TR_NOOP("顯性數對"),
        QT_TR_NOOP("X 翼"),
        QT_TR_NOOP("隱性數對"),
        QT_TR_NOOP("顯性三數組"),
        QT_TR_NOOP("劍魚"),
        QT_TR_NOOP("隱性三數組"),
        QT_TR_NOOP("摩天樓"),
        QT_TR_NOOP("雙線風箏"),
        QT_TR_NOOP("XY 翼"),
        QT_TR_NOOP("XYZ 翼"),
        QT_TR_NOOP("W 翼"),
        QT_TR_NOOP("唯一矩形"),
        QT_TR_NOOP("顯性四數組"),
        QT_TR_NOOP("水母"),
        QT_TR_NOOP("隱性四數組"),
        QT_TR_NOOP("簡單著色"),
        QT_TR_NOOP("XY 鏈"),
        QT_TR_NOOP("強制鏈"),
        QT_TR_NOOP("試填"),
    };
    return tr(names[static_cast<std::size_t>(technique)]);
}

QString TechniqueNames::band(logic::RatingBand band) {
    switch (band) {
    case logic::RatingBand::Easy:
        return tr("入門");
    case logic::RatingBand::Moderate:
        return tr("進階");
    case logic::RatingBand::Tough:
        return tr("高階");
    case logic::RatingBand::Expert:
        return tr("專家");
    case logic::RatingBand::Trial:
        break;
    }
    return tr("試填");
}

QString TechniqueNames::unit(const logic::Unit& unit) {
    switch (unit.kind) {
    //: A row of the board, counted from the top: 第 3 列
    case logic::UnitKind::Row:
        return tr("第 %1 列").arg(unit.index + 1);
    //: A column of the board, counted from the left: 第 5 行
    case logic::UnitKind::Column:
        return tr("第 %1 行").arg(unit.index + 1);
    //: A 3×3 box, counted in reading order: 第 4 宮
    case logic::UnitKind::Box:
        return tr("第 %1 宮").arg(unit.index + 1);
    case logic::UnitKind::None:
        break;
    }
    return QString();
}

QString TechniqueNames::rating(int tenths) {
    return tr("%1.%2（%3）").arg(tenths / 10).arg(tenths % 10).arg(band(logic::ratingBand(tenths)));
}

QString TechniqueNames::difficulty(int tenths) {
    //: A puzzle's rating (%1.%2, as 6.0) and band (%3, as 專家), on the play line and told when a
    //: generation ends.
    return tr("難度 %1.%2 %3").arg(tenths / 10).arg(tenths % 10).arg(band(logic::ratingBand(tenths)));
}

} // namespace dodoru
