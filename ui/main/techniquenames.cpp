#include "techniquenames.h"

#include <QCoreApplication>

namespace dodoru {

namespace {

QString tr(const char* text, const char* comment = nullptr) {
    return QCoreApplication::translate("TechniqueNames", text, comment);
}

} // namespace

QString techniqueName(logic::Technique technique) {
    using logic::Technique;
    switch (technique) {
    case Technique::FullHouse:
        return tr("唯一空格", "the last empty cell of a row, column or box");
    case Technique::NakedSingle:
        return tr("顯性單一", "a cell with one candidate left");
    case Technique::HiddenSingle:
        return tr("隱性單一", "a digit with one place left in a unit");
    case Technique::LockedPointing:
        return tr("區塊摒除（宮內指向）", "locked candidates, pointing");
    case Technique::LockedClaiming:
        return tr("區塊摒除（行列宣告）", "locked candidates, claiming");
    case Technique::NakedPair:
        return tr("顯性數對");
    case Technique::XWing:
        return tr("X 翼");
    case Technique::HiddenPair:
        return tr("隱性數對");
    case Technique::NakedTriple:
        return tr("顯性三數組");
    case Technique::Swordfish:
        return tr("劍魚");
    case Technique::HiddenTriple:
        return tr("隱性三數組");
    case Technique::Skyscraper:
        return tr("摩天樓");
    case Technique::TwoStringKite:
        return tr("雙線風箏");
    case Technique::XYWing:
        return tr("XY 翼");
    case Technique::XYZWing:
        return tr("XYZ 翼");
    case Technique::WWing:
        return tr("W 翼");
    case Technique::UniqueRectangle:
        return tr("唯一矩形");
    case Technique::NakedQuad:
        return tr("顯性四數組");
    case Technique::Jellyfish:
        return tr("水母");
    case Technique::HiddenQuad:
        return tr("隱性四數組");
    case Technique::SimpleColouring:
        return tr("簡單著色");
    case Technique::XYChain:
        return tr("XY 鏈");
    case Technique::ForcingChain:
        return tr("強制鏈");
    case Technique::Trial:
        return tr("試填", "trying a digit and following it to a contradiction");
    }
    return {};
}

QString unitName(logic::Unit unit) {
    const int number = unit.index + 1;
    switch (unit.kind) {
    case logic::UnitKind::Row:
        return tr("第 %1 列", "a row, counted from the top").arg(number);
    case logic::UnitKind::Column:
        return tr("第 %1 行", "a column, counted from the left").arg(number);
    case logic::UnitKind::Box:
        return tr("第 %1 宮", "a 3x3 box, counted row by row").arg(number);
    case logic::UnitKind::None:
        break;
    }
    return {};
}

QString cellName(int cell) {
    return tr("第%1列第%2行", "a cell: its row, then its column")
        .arg(rowOf(cell) + 1)
        .arg(columnOf(cell) + 1);
}

} // namespace dodoru
