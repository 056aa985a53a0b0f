// The window's names of the logical solver's techniques: one for each, none the same.
#include <QSet>
#include <QtTest>

#include "techniquenames.h"

using namespace dodoru;

class TechniqueNamesTest : public QObject {
    Q_OBJECT
private slots:
    void everyTechniqueHasItsOwnName() {
        QSet<QString> names;
        for (const logic::Technique t : logic::allTechniques()) {
            const QString name = TechniqueNames::name(t);
            QVERIFY2(!name.isEmpty(), logic::techniqueId(t).data());
            names.insert(name);
        }
        QCOMPARE(names.size(), logic::kTechniqueCount);
        QCOMPARE(TechniqueNames::name(logic::Technique::HiddenSingle), QStringLiteral("隱性單一"));
    }
    void unitsAndRatingsAreWorded_data() {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("expected");
        QTest::newRow("box") << TechniqueNames::unit({logic::UnitKind::Box, 3}) << QStringLiteral("第 4 宮");
        QTest::newRow("row") << TechniqueNames::unit({logic::UnitKind::Row, 0}) << QStringLiteral("第 1 列");
        QTest::newRow("column") << TechniqueNames::unit({logic::UnitKind::Column, 8})
                                << QStringLiteral("第 9 行");
        QTest::newRow("none") << TechniqueNames::unit({}) << QString();
        QTest::newRow("rating") << TechniqueNames::rating(44) << QStringLiteral("4.4（高階）");
        QTest::newRow("trial") << TechniqueNames::rating(90) << QStringLiteral("9.0（試填）");
    }
    void unitsAndRatingsAreWorded() {
        QFETCH(QString, words);
        QFETCH(QString, expected);
        QCOMPARE(words, expected);
    }
};

QTEST_GUILESS_MAIN(TechniqueNamesTest)
#include "techniquenames_test.moc"
