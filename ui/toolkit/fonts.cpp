#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace dodoru {

void installFontSubstitutions(bool simplifiedChinese) {
    const QStringList families = QFontDatabase::families();
    const QString region = simplifiedChinese ? QStringLiteral("CN") : QStringLiteral("TW");
    QFont::removeSubstitutions(kKaiFace);
    QFont::removeSubstitutions(kMingFace);
    if (!families.contains(kKaiFace))
        QFont::insertSubstitution(kKaiFace, QStringLiteral("AR PL UKai ") + region);
    if (!families.contains(kMingFace))
        QFont::insertSubstitution(kMingFace, QStringLiteral("AR PL UMing ") + region);
}

QFont applicationFont() {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK TC"), kMingFace,
                      QStringLiteral("AR PL UMing TW")});
    font.setPointSize(10);
    return font;
}

QFont windowFont(const QString& face, double points, int weight) {
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace dodoru
