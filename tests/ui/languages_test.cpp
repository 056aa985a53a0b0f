// The window in each of its languages: which language the user's settings choose, the translation
// files complete and compiled, and the main window and the About box speaking the language without a
// source text left over and without a text cut off.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <set>

#include "aboutdialog.h"
#include "aboutplatform.h"
#include "appinfo.h"
#include "celllabel.h"
#include "fakeplatform.h"
#include "fonts.h"
#include "logicsolver.h"
#include "manuscriptpainter.h"
#include "pdftools.h"
#include "playbar.h"
#include "playgame.h"
#include "registry.h"
#include "scriptedmessageboxes.h"
#include "sysinfo.h"
#include "techniquenames.h"
#include "translations.h"
#include "weblink.h"
#include "windowfeatures.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

Q_DECLARE_METATYPE(dodoru::Language)

namespace {

struct Message {
    QString context, source, translation;
    bool finished = false;
};

std::vector<Message> readTs(const QString& path) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() != QLatin1String("message")) continue;
        Message message{context, {}, {}, false};
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                // A text with a count has its forms as child elements; they are read as one text.
                message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else {
                xml.skipCurrentElement();
            }
        }
        messages.push_back(message);
    }
    return messages;
}

QString tsPath(Language language) {
    return QStringLiteral(DODORU_TRANSLATIONS_SOURCE_DIR "/dodoru_%1.ts").arg(languageSetting(language));
}

// The %1..%9 and %n (a count) a text takes, each once or more.
std::set<QString> placeholders(const QString& text) {
    std::set<QString> found;
    static const QRegularExpression pattern(QStringLiteral("%[1-9n]"));
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text)) found.insert(match.captured());
    return found;
}

// Access keys: "&S" counts, "&&" is a plain ampersand.
int accessKeys(const QString& text) {
    return static_cast<int>(QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&')));
}

bool hasChinese(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x3000 && c.unicode() < 0xA000; });
}

// A text left in the source language: Chinese in English; in Simplified Chinese, a character that only
// Traditional writing uses (the common ones of the window's texts).
bool untranslated(const QString& text, Language language) {
    const QString own = QString(text).remove(app::kDesigner);
    if (language == Language::English) return hasChinese(own);
    static const QString traditionalOnly =
        QStringLiteral("題動這個檔無開請與複製貼關於設計網頁確統資訊難極來畫數錯誤組選擇輸儲時發產記錄為會讓"
                       "說過還從點進當頭號碼盤紙筆樣體機圖標單見顯範謂種於權寫讀檔夾連結裝");
    return std::any_of(own.begin(), own.end(), [](QChar c) { return traditionalOnly.contains(c); });
}

// The program's translation, noting every text of the program's own contexts that it cannot translate.
class RecordingTranslator final : public QTranslator {
public:
    mutable QStringList untranslated;
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        QString found = QTranslator::translate(context, sourceText, disambiguation, n);
        if (found.isEmpty() && QByteArray(context).startsWith("dodoru::"))
            untranslated << QString::fromUtf8(context) + QStringLiteral(": ") + QString::fromUtf8(sourceText);
        return found;
    }
};

// A widget's place among its window's widgets, the same in every language: "Command1[3]".
QString key(const QWidget* widget) {
    QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                  : widget->objectName();
    const QVariant index = widget->property("index");
    if (index.isValid()) name += QStringLiteral("[%1]").arg(index.toInt());
    return name;
}

// What a label or a button shows, measured with its own font in its own rectangle; empty when it fits.
QString clipping(const QWidget* widget) {
    QString text;
    int flags = Qt::TextShowMnemonic;
    QRect room = widget->contentsRect();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        text = label->text();
        flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        room.adjust(label->margin(), label->margin(), -label->margin(), -label->margin());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        // The designed captions fill their buttons to the frame: the whole button is the room.
        text = button->text();
    }
    if (text.isEmpty()) return {};
    const QRect needed = QFontMetrics(widget->font()).boundingRect(room, flags, text);
    if (needed.width() <= room.width() && needed.height() <= room.height()) return {};
    return QStringLiteral("%1 %2: \"%3\" needs %4 x %5 pixels, has %6 x %7")
        .arg(key(widget->window()), key(widget), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// Every text a window shows, reads out or names its controls with, tooltips aside (they stay English).
QStringList shownTexts(const QWidget* window) {
    QStringList texts = {window->windowTitle()};
    QList<const QWidget*> widgets = {window};
    for (const QWidget* child : window->findChildren<QWidget*>()) widgets << child;
    for (const QWidget* widget : widgets) {
        if (const auto* label = qobject_cast<const QLabel*>(widget)) texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) texts << button->text();
        texts << widget->accessibleName() << widget->accessibleDescription();
        if (const auto* cell = qobject_cast<const CellLabel*>(widget)) texts << cell->spokenName();
    }
    for (const QAction* action : window->findChildren<QAction*>()) texts << action->text();
    texts.removeAll(QString());
    return texts;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

    struct Shown {
        std::map<QString, QRect> geometry;    // of every label and button shown, by key
        std::map<QString, QStringList> texts; // by window
    };
    std::map<Language, Shown> shown_;

    // Opens the main window and the About box in `language` and checks them; keeps what they showed.
    void openWindows(Language language) {
        Translations translations;
        QVERIFY2(translations.load(language), "the program's or Qt's translation is missing"); // Qt's follows
        installFontSubstitutions(language == Language::SimplifiedChinese);
        RecordingTranslator recording;
        if (language != Language::TraditionalChinese) {
            QVERIFY(
                recording.load(QStringLiteral("dodoru_") + languageSetting(language), translationsFolder()));
            QCoreApplication::installTranslator(&recording);
        }
        WindowHarness harness;
        RecordingBrowser browser;
        ScriptedMessageBoxes boxes;
        registry::StandInRegistry registry;
        HostFileLookup files;
        DetachedProgramStarter starter;
        WebLink link(browser, boxes);
        SystemInfoLauncher launcher(registry, files, starter, boxes);
        AboutDialog about(link, launcher, harness->windowIcon());
        harness->show();
        about.show();

        Shown& seen = shown_[language];
        QStringList clipped;
        for (QWidget* window : std::initializer_list<QWidget*>{&harness.window(), &about}) {
            seen.texts[key(window)] = shownTexts(window);
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QAbstractButton*>(widget)) continue;
                // Hidden labels are not shown; the About box draws its picture from them, stepping the font
                // down until each text fits its place.
                if (widget->isHidden()) continue;
                seen.geometry[key(window) + QLatin1Char('/') + key(widget)] = widget->geometry();
                const QString cut = clipping(widget);
                if (!cut.isEmpty()) clipped << cut;
                if (!window->rect().contains(widget->geometry()))
                    clipped << key(widget) + QStringLiteral(" runs out of its window");
            }
        }
        QVERIFY(seen.texts[key(&about)].contains(app::applicationTitle())); // its title, in this language

        // The verdicts across the board and the count of givens, shown as a solve and a generation show
        // them: inside the window, clear of the hint line.
        MainWindow& main = harness.window();
        const auto checkShown = [&](QWidget* label) {
            seen.texts[key(&main)] << qobject_cast<QLabel*>(label)->text();
            const QString cut = clipping(label);
            if (!cut.isEmpty()) clipped << cut;
            if (!main.rect().contains(label->geometry()) ||
                label->geometry().intersects(main.Label2()->geometry()))
                clipped << key(label) + QStringLiteral(" \"") + qobject_cast<QLabel*>(label)->text() +
                               QStringLiteral("\" runs out of the window or into the hint");
        };
        checkShown(main.題目錯誤());                   // created with the puzzle error's text
        main.Command1_Click(MainWindow::kSolveButton); // the empty board has several solutions
        checkShown(main.題目錯誤());
        enterGivens(main, QStringLiteral("5000000050") + QString(71, QLatin1Char('0'))); // no solution
        main.Command1_Click(MainWindow::kSolveButton);
        checkShown(main.題目錯誤());
        main.Command1_Click(MainWindow::kFirstLevelButton);
        QVERIFY(main.Label3()->isVisible());
        checkShown(main.Label3());
        // The play line, once the game starts, leaves the count in sight and shows its clock whole.
        main.features().play().hint();
        QCoreApplication::processEvents(); // the line's layout
        const QRect count = main.Label3()->geometry();
        if (main.childAt(QPoint(count.left() + 1, count.center().y())) != main.Label3())
            clipped << QStringLiteral("the play line covers Label3");
        const PlayBar& bar = main.features().play().bar();
        const QString clock = clipping(bar.findChild<QLabel*>(QStringLiteral("playTime")));
        if (!clock.isEmpty()) clipped << clock;
        // Whatever it says, the play line shows it whole, off the board: a hint, the keys, and a hint with
        // a long list of cells.
        const auto checkPlayLine = [&](const QString& what) {
            QCoreApplication::processEvents();
            const QLabel* message = bar.messageLabel();
            if (message->text() != bar.message())
                clipped << what + QStringLiteral(" is cut: \"") + message->text() + QLatin1Char('"');
            const QString cut = clipping(message);
            if (!cut.isEmpty()) clipped << what + QStringLiteral(": ") + cut;
            if (bar.geometry().bottom() >= main.Label1(0)->geometry().top())
                clipped << what + QStringLiteral(" runs onto the board");
        };
        checkPlayLine(QStringLiteral("a hint"));
        const logic::DigitGrid solution = logic::checkPuzzle(boardDigits(main.session().puzzle())).solution;
        for (int c = 0, wrong = 0; c < kCellCount && wrong < 8; ++c)
            if (main.session().puzzle().digit(c) == 0) {
                main.session().selectCell(c);
                main.session().enterDigit(c, solution[static_cast<std::size_t>(c)] % 9 + 1);
                ++wrong;
            }
        checkPlayLine(QStringLiteral("the keys"));
        main.features().play().hint();
        main.features().play().hint();
        checkPlayLine(QStringLiteral("the wrong digits"));
        // A locked candidates hint's second press: the technique, the digit and every cell it rests on.
        main.Command1_Click(MainWindow::kManualButton);
        main.session().clearAllCells();
        enterGivens(main, QStringLiteral(
                              "070005090195720300008000700580936400020500003000080500600250000950000600007091050"));
        main.features().play().play();
        const QString locked = TechniqueNames::name(logic::Technique::LockedPointing);
        for (int press = 0; press < 60 && !bar.message().contains(locked); ++press) main.features().play().hint();
        QVERIFY2(bar.message().contains(locked), qPrintable(bar.message()));
        main.features().play().hint();
        checkPlayLine(QStringLiteral("a locked candidates hint"));
        if (const QString pictures = qEnvironmentVariable("DODORU_PLAY_LINE_PICTURES"); !pictures.isEmpty())
            main.grab().save(QDir(pictures).filePath(QStringLiteral("long-hint-%1.png").arg(languageSetting(language))));
        // A chain read in order, the longest kind of hint: an empty rectangle once two marks are gone.
        main.Command1_Click(MainWindow::kManualButton);
        main.session().clearAllCells();
        enterGivens(main, QStringLiteral(
                              "120300004350000100004000000005400200600070000000008090003100500000009070000060008"));
        main.features().play().play();
        main.features().play().fillPencilMarks();
        main.session().selectCell(6); // r1c7, whose 6 and 8 two contradictions would take
        main.features().play().togglePencilMark(6);
        main.features().play().togglePencilMark(8);
        main.features().play().hint();
        main.features().play().hint();
        QVERIFY2(bar.message().contains(QStringLiteral("⇒")), qPrintable(bar.message()));
        checkPlayLine(QStringLiteral("a chain hint"));
        if (const QString pictures = qEnvironmentVariable("DODORU_PLAY_LINE_PICTURES"); !pictures.isEmpty())
            main.grab().save(QDir(pictures).filePath(QStringLiteral("chain-hint-%1.png").arg(languageSetting(language))));
        // A forcing chain's branches, on the path of a puzzle made from Arto Inkala's, and an ALS chain's
        // sets, on AI Escargot's; a forcing chain too long for the line is shown shorter, its singles
        // elided, and screen readers get it whole.
        const QString madeFromInkala = QStringLiteral("010050040003600000070090200050007000000040720000160030001000068008500010090000400");
        const QString escargot =
            QStringLiteral("100007090030020008009600500005300900010080002600004000300000010040000007007000300");
        const QString longChain =
            QStringLiteral("100300002090400050006000700050903000000070000000800040700000600030009080002000001");
        for (const auto& [givens, technique, picture] :
             {std::tuple{madeFromInkala, logic::Technique::UnitForcingChain, QStringLiteral("forcing-chain-hint")},
              std::tuple{escargot, logic::Technique::AlsChain, QStringLiteral("als-chain-hint")},
              std::tuple{longChain, logic::Technique::UnitForcingChain, QStringLiteral("long-forcing-chain-hint")}}) {
            main.Command1_Click(MainWindow::kManualButton);
            main.session().clearAllCells();
            enterGivens(main, givens);
            main.features().play().play();
            QVERIFY(playUpTo(main, technique));
            main.features().play().hint();
            main.features().play().hint();
            checkPlayLine(picture);
            const bool shortened = givens == longChain;
            QVERIFY2(bar.message().contains(QStringLiteral("…")) == shortened, qPrintable(picture + bar.message()));
            QCOMPARE(bar.messageLabel()->accessibleName().contains(QStringLiteral("…")), false);
            QCOMPARE(bar.messageLabel()->accessibleName().size() > bar.message().size(), shortened);
            if (const QString pictures = qEnvironmentVariable("DODORU_PLAY_LINE_PICTURES"); !pictures.isEmpty())
                main.grab().save(QDir(pictures).filePath(picture + QLatin1Char('-') + languageSetting(language) +
                                                         QStringLiteral(".png")));
        }
        QCoreApplication::removeTranslator(&recording);
        installFontSubstitutions();
        QVERIFY2(recording.untranslated.isEmpty(),
                 qPrintable(recording.untranslated.join(QLatin1Char('\n'))));
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }

private slots:
    void initTestCase() { prepareApplication(); }

    void userSettingsChooseTheLanguage_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<Language>("language");
        const Language traditional = Language::TraditionalChinese, simplified = Language::SimplifiedChinese,
                       english = Language::English;
        QTest::newRow("C") << QStringList{QStringLiteral("C")} << traditional;
        QTest::newRow("nothing") << QStringList{} << traditional;
        QTest::newRow("Taiwan") << QStringList{QStringLiteral("zh-TW"), QStringLiteral("zh-Hant-TW")}
                                << traditional;
        QTest::newRow("Hong Kong") << QStringList{QStringLiteral("zh_HK")} << traditional;
        QTest::newRow("Chinese, no region")
            << QStringList{QStringLiteral("zh"), QStringLiteral("zh-Hans-CN")} << traditional;
        QTest::newRow("Traditional script in China")
            << QStringList{QStringLiteral("zh-Hant-CN")} << traditional;
        QTest::newRow("mainland China")
            << QStringList{QStringLiteral("zh-CN"), QStringLiteral("zh-Hans-CN")} << simplified;
        QTest::newRow("Singapore, as LANGUAGE gives it")
            << QStringList{QStringLiteral("zh_SG.UTF-8")} << simplified;
        QTest::newRow("Simplified script") << QStringList{QStringLiteral("zh-Hans")} << simplified;
        QTest::newRow("English") << QStringList{QStringLiteral("en")} << english;
        QTest::newRow("British English") << QStringList{QStringLiteral("en-GB")} << english;
        QTest::newRow("German") << QStringList{QStringLiteral("de-DE"), QStringLiteral("de")} << traditional;
        QTest::newRow("German, then English")
            << QStringList{QStringLiteral("de"), QStringLiteral("en-US")} << english;
        QTest::newRow("Simplified, then English")
            << QStringList{QStringLiteral("zh-CN"), QStringLiteral("en")} << simplified;
        QTest::newRow("English, then Taiwan")
            << QStringList{QStringLiteral("en"), QStringLiteral("zh-TW")} << english;
    }
    void userSettingsChooseTheLanguage() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(Language, language);
        QCOMPARE(languageFor(uiLanguages), language);
    }

    // Every text translated, with the same arguments and access keys, and the compiled file built from it.
    void translationFilesAreComplete_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("English") << Language::English;
        QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese;
    }
    void translationFilesAreComplete() {
        QFETCH(Language, language);
        const std::vector<Message> messages = readTs(tsPath(language));
        QVERIFY2(!messages.empty(), qPrintable(tsPath(language)));
        QTranslator compiled;
        QVERIFY2(compiled.load(QStringLiteral("dodoru_") + languageSetting(language), translationsFolder()),
                 qPrintable(translationsFolder()));
        QStringList faults;
        for (const Message& m : messages) {
            const QString where = m.context + QStringLiteral(": ") + m.source;
            if (!m.finished || m.translation.isEmpty())
                faults << QStringLiteral("not translated: ") + where;
            else if (placeholders(m.source) != placeholders(m.translation))
                faults << QStringLiteral("other %-arguments: ") + where;
            else if (accessKeys(m.source) != accessKeys(m.translation))
                faults << QStringLiteral("other access keys: ") + where;
            else if (untranslated(m.translation, language))
                faults << QStringLiteral("source text left: ") + where;
            else if (!m.source.contains(QLatin1String("%n")) &&
                     compiled.translate(m.context.toUtf8(), m.source.toUtf8()) != m.translation)
                faults << QStringLiteral("compiled file out of date: ") + where;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The source language first: the others are compared with it.
    void windowsSpeakTheLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("Traditional Chinese") << Language::TraditionalChinese;
        QTest::newRow("English") << Language::English;
        QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese;
    }
    void windowsSpeakTheLanguage() {
        QFETCH(Language, language);
        openWindows(language);
        if (QTest::currentTestFailed()) return;
        const Shown& source = shown_.at(Language::TraditionalChinese);
        const Shown& seen = shown_.at(language);
        if (language == Language::TraditionalChinese) return;

        for (const auto& [window, texts] : seen.texts) {
            QVERIFY2(texts != source.texts.at(window),
                     qPrintable(window + QStringLiteral(" shows the source texts")));
            QStringList left;
            for (const QString& text : texts)
                if (untranslated(text, language)) left << text;
            QVERIFY2(left.isEmpty(), qPrintable(window + QStringLiteral(" shows source texts: ") +
                                                left.join(QLatin1Char('|'))));
        }
        QStringList faults;
        // A label that sizes to its text may grow, but not over a control it kept clear of.
        for (const auto& [name, rect] : seen.geometry)
            for (const auto& [other, otherRect] : seen.geometry)
                if (name < other && rect.intersects(otherRect) && source.geometry.count(name) &&
                    source.geometry.count(other) &&
                    !source.geometry.at(name).intersects(source.geometry.at(other)) &&
                    name.section(QLatin1Char('/'), 0, 0) == other.section(QLatin1Char('/'), 0, 0))
                    faults << name + QStringLiteral(" now runs into ") + other;
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // A sheet's captions, footers and answer heading, read back from the PDF.
    void manuscriptSpeaksTheLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("puzzlePage");
        QTest::addColumn<QStringList>("answerPage");
        QTest::newRow("Traditional Chinese")
            << Language::TraditionalChinese
            << QStringList{QStringLiteral("第 1 題"), QStringLiteral("3.中等"), QStringLiteral("提示 1"),
                           QStringLiteral("第 1 頁 / 共 2 頁")}
            << QStringList{QStringLiteral("Sheet　解答"), QStringLiteral("第 2 頁 / 共 2 頁")};
        QTest::newRow("English") << Language::English
                                 << QStringList{QStringLiteral("Puzzle 1"),
                                                QStringLiteral("3.Medium, 1 given"),
                                                QStringLiteral("Page 1 of 2")}
                                 << QStringList{QStringLiteral("Sheet: Answers"),
                                                QStringLiteral("Page 2 of 2")};
        QTest::newRow("Simplified Chinese")
            << Language::SimplifiedChinese
            << QStringList{QStringLiteral("第 1 题"), QStringLiteral("3.中等"),
                           QStringLiteral("第 1 页 / 共 2 页")}
            << QStringList{QStringLiteral("Sheet　解答"), QStringLiteral("第 2 页 / 共 2 页")};
    }
    void manuscriptSpeaksTheLanguage() {
        QFETCH(Language, language);
        QFETCH(QStringList, puzzlePage);
        QFETCH(QStringList, answerPage);
        Translations translations;
        translations.load(language);
        ManuscriptPuzzle puzzle;
        puzzle.level = 3;
        puzzle.givens[0] = 5; // the drawing does not check the puzzle
        puzzle.solution.fill(5);
        ManuscriptOptions options;
        options.answers = true;
        options.title = QStringLiteral("Sheet");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        QVERIFY(writeManuscriptPdf(pdf, options, {puzzle}).ok);
        const QString pages[] = {pdftools::pageText(pdf, 1).simplified(),
                                 pdftools::pageText(pdf, 2).simplified()};
        for (const QString& text : puzzlePage)
            QVERIFY2(pages[0].contains(text.simplified()), qPrintable(pages[0]));
        for (const QString& text : answerPage)
            QVERIFY2(pages[1].contains(text.simplified()), qPrintable(pages[1]));
        if (language != Language::TraditionalChinese)
            QVERIFY2(!untranslated(pages[0] + pages[1], language), qPrintable(pages[0] + pages[1]));
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
