// Messages in one language: Qt's own texts in Chinese, the reasons of common file errors in Chinese,
// and the 覆寫 / 保留原檔 question that keeps the file unless 覆寫 is pressed.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <functional>

#include "fileerrors.h"
#include "messageboxes.h"
#include "translations.h"

using namespace dodoru;

namespace {

// Runs `action` on the message box once it is shown.
void whenBoxShown(std::function<void(QMessageBox*)> action) {
    QTimer::singleShot(0, [action] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        action(box);
    });
}

} // namespace

class MessagesLanguageTest : public QObject {
    Q_OBJECT
    Translations translations_;

private slots:
    void initTestCase() {
        QVERIFY2(translations_.load(Language::TraditionalChinese), "qtbase_zh_TW is not installed");
    }

    void standardButtonsAreChinese() {
        QStringList captions;
        whenBoxShown([&captions](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) captions << button->text();
            box->accept();
        });
        QtMessageBoxes().show(nullptr, QStringLiteral("?"), MessageButtons::YesNo, MessageIcon::Question);
        QCOMPARE(captions.size(), 2);
        for (const QString& caption : captions) {
            QVERIFY2(!caption.contains(QLatin1String("Yes")) && !caption.contains(QLatin1String("No")),
                     qPrintable(caption));
            QVERIFY2(caption.contains(QChar(0x662F)) || caption.contains(QChar(0x5426)), qPrintable(caption)); // 是 否
        }
    }

    void replaceOrKeepKeepsUnlessReplaceIsPressed_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("Escape") << QStringLiteral("escape") << false;
        QTest::newRow("Enter, the default") << QStringLiteral("enter") << false;
        QTest::newRow("box closed") << QStringLiteral("close") << false;
        QTest::newRow("覆寫 pressed") << QStringLiteral("replace") << true;
    }
    void replaceOrKeepKeepsUnlessReplaceIsPressed() {
        QFETCH(QString, how);
        QFETCH(bool, replaced);
        whenBoxShown([how](QMessageBox* box) {
            if (how == QLatin1String("escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else if (how == QLatin1String("enter"))
                QTest::keyClick(box, Qt::Key_Return);
            else if (how == QLatin1String("close"))
                box->close();
            else
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == QStringLiteral("覆寫")) button->click();
        });
        const MessageAnswer answer =
            QtMessageBoxes().show(nullptr, QStringLiteral("?"), MessageButtons::ReplaceKeep, MessageIcon::Warning);
        QCOMPARE(answer, replaced ? MessageAnswer::Replace : MessageAnswer::Keep);
    }

    // Real failures, worded in Chinese rather than in the system's English.
    void commonFileErrorsAreWordedInChinese_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such file") << QStringLiteral("missing") << QStringLiteral("檔案或資料夾不存在");
        QTest::newRow("is a directory") << QStringLiteral("directory") << QStringLiteral("這是一個資料夾，不是檔案");
        QTest::newRow("disk full") << QStringLiteral("full") << QStringLiteral("磁碟空間不足");
    }
    void commonFileErrorsAreWordedInChinese() {
        QFETCH(QString, what);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QFile file(what == QLatin1String("missing")     ? dir.filePath(QStringLiteral("gone/file"))
                   : what == QLatin1String("directory") ? dir.path()
                                                        : QStringLiteral("/dev/full"));
        if (what == QLatin1String("full") && !file.exists()) QSKIP("no /dev/full");
        bool failed = !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        if (!failed) failed = file.write("x") != 1;
        const int error = errno;
        QVERIFY(failed);
        QCOMPARE(fileErrorReason(file, error), reason);
    }
};

QTEST_MAIN(MessagesLanguageTest)
#include "messages_language_test.moc"
