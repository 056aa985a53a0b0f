#include "techniquenames.h"

namespace dodoru {

QString TechniqueNames::name(logic::Technique technique) {
    switch (technique) {
    case logic::Technique::FullHouse:
        return tr("最後空格");
    case logic::Technique::NakedSingle:
        return tr("顯性單一");
    case logic::Technique::HiddenSingle:
        return tr("隱性單一");
    case logic::Technique::LockedPointing:
        return tr("區塊鎖定（宮）");
    case logic::Technique::LockedClaiming:
        return tr("區塊鎖定（行列）");
    case logic::Technique::NakedPair:
        return tr("顯性數對");
    case logic::Technique::XWing:
        return tr("X 翼");
    case logic::Technique::HiddenPair:
        return tr("隱性數對");
    case logic::Technique::NakedTriple:
        return tr("顯性三數組");
    case logic::Technique::Swordfish:
        return tr("劍魚");
    case logic::Technique::HiddenTriple:
        return tr("隱性三數組");
    case logic::Technique::FinnedXWing:
        return tr("鰭 X 翼");
    case logic::Technique::Skyscraper:
        return tr("摩天樓");
    case logic::Technique::TwoStringKite:
        return tr("雙線風箏");
    case logic::Technique::XYWing:
        return tr("XY 翼");
    case logic::Technique::EmptyRectangle:
        return tr("空矩形");
    case logic::Technique::XYZWing:
        return tr("XYZ 翼");
    case logic::Technique::WWing:
        return tr("W 翼");
    case logic::Technique::UniqueRectangle:
        return tr("唯一矩形");
    case logic::Technique::UniqueRectangle2:
        return tr("唯一矩形（第二型）");
    case logic::Technique::UniqueRectangle4:
        return tr("唯一矩形（第四型）");
    case logic::Technique::NakedQuad:
        return tr("顯性四數組");
    case logic::Technique::HiddenRectangle:
        return tr("隱性矩形");
    case logic::Technique::Jellyfish:
        return tr("水母");
    case logic::Technique::BugPlusOne:
        return tr("全雙值墳墓 +1");
    case logic::Technique::HiddenQuad:
        return tr("隱性四數組");
    case logic::Technique::FinnedSwordfish:
        return tr("鰭劍魚");
    case logic::Technique::SimpleColouring:
        return tr("簡單著色");
    case logic::Technique::WXYZWing:
        return tr("WXYZ 翼");
    case logic::Technique::Medusa3D:
        return tr("三維著色");
    case logic::Technique::XYChain:
        return tr("XY 鏈");
    case logic::Technique::AlsXZ:
        return tr("ALS-XZ");
    case logic::Technique::AlsXYWing:
        return tr("ALS-XY 翼");
    case logic::Technique::ForcingChain:
        return tr("強制鏈");
    case logic::Technique::GroupedChain:
        return tr("分組鏈");
    case logic::Technique::AlsChain:
        return tr("ALS 鏈");
    case logic::Technique::CellForcingChain:
        return tr("單格強制鏈");
    case logic::Technique::UnitForcingChain:
        return tr("單位強制鏈");
    case logic::Technique::Contradiction:
        return tr("矛盾推理");
    case logic::Technique::Guess:
        break;
    }
    return tr("試填");
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
