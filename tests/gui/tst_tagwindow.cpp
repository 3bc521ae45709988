#include "gui/tagwindow.h"

#include "base/settings.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"
#include "tags/genres.h"
#include "tags/tagdisplay.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using TestEnv::Id3Block;
} // namespace

class TestTagWindow : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir;

    QString WriteFile(const QString &name, const QByteArray &tail) {
        const QString path = dir.filePath(name);
        TestEnv::WriteFile(path, QByteArray(1000, 'a') + tail); // audio bytes, then the tag
        return path;
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        TestEnv::IsolateSettings();
        TestEnv::UseEnglishLocale();
        LoadSettings();
        LoadGenres();
    }

    void tagLines_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QStringList>("lines");
        const QString pad30 = QString(30, QLatin1Char(' '));
        const auto p = [](const QString &s, int w) { return s.leftJustified(w, QLatin1Char(' ')); };
        QTest::newRow("every field")
            << Id3Block("Song A", "The Band", "Live", "1999", "Nice: really", 7, 17)
            << QStringList({"Title: " + p("Song A", 30), "Album: " + p("Live", 30),
                            "Artist: " + p("The Band", 30), "Genre: Rock", "Year: 1999", "Track: 7",
                            "Comment: " + p("Nice: really", 28)});
        QTest::newRow("blank title shows the file name, no track 0, genre 255 hidden")
            << Id3Block(QByteArray(30, ' '), "Artist", "", "", "", 0, 255)
            << QStringList({"File Name: song.mp3", "Artist: " + p("Artist", 30)});
        QTest::newRow("NUL title, track 32 hidden")
            << Id3Block(QByteArray(30, '\0'), "", "", "", "", 32, 0)
            << QStringList({"File Name: song.mp3", "Genre: Blues"});
        QTest::newRow("accented letters dropped") << Id3Block("Caf\xe9", "", "", "", "", 0, 200)
                                                  << QStringList({"Title: " + p("Caf", 30)});
    }
    void tagLines() {
        QFETCH(QByteArray, block);
        QFETCH(QStringList, lines);
        const QString path = WriteFile(QStringLiteral("song.mp3"), block);
        const TagDisplay d = BuildTagDisplay(path);
        QCOMPARE(d.lines, lines);
        QCOMPARE(d.location, path);
        QCOMPARE(d.fileNameLine, QStringLiteral("File Name: song.mp3"));
        QCOMPARE(d.sizeLine, QStringLiteral("   File Size: 1.10 Kb"));
    }

    void missingFileAndNoTag() {
        const TagDisplay missing = BuildTagDisplay(dir.filePath(QStringLiteral("gone.mp3")));
        QCOMPARE(missing.location, QStringLiteral("FILE NOT FOUND! (Or unable to read file...)"));
        QVERIFY(missing.sizeLine.isEmpty());
        QVERIFY(missing.lines.isEmpty());
        const QString plain = WriteFile(QStringLiteral("plain.mp3"), QByteArray(128, 'b'));
        const TagDisplay none = BuildTagDisplay(plain);
        QCOMPARE(none.location, QStringLiteral("No ID3 Tag Present Or Found In plain.mp3"));
        QVERIFY(none.lines.isEmpty());
    }

    void lineValue_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("artist trimmed") << "Artist: The Band        "
                                        << "The Band";
        QTest::newRow("comment with its own colon") << "Comment: a: b  "
                                                    << "a: b";
        QTest::newRow("no colon copies nothing") << "nothing here"
                                                 << "";
    }
    void lineValue() {
        QFETCH(QString, line);
        QFETCH(QString, value);
        QCOMPARE(TagLineValue(line), value);
    }

    void windowAppendsAndCopies() {
        ScriptedDialogs dialogs;
        const QString a =
            WriteFile(QStringLiteral("a.mp3"), Id3Block("One", "Corvelle", "", "", "", 0, 255));
        const QString b =
            WriteFile(QStringLiteral("b.mp3"), Id3Block("Two", "", "", "", "", 0, 255));
        QPointer<TagWindow> form = new TagWindow;
        form->showFile(a);
        form->showFile(b);
        auto *tagList = form->findChild<QListWidget *>(QStringLiteral("tagList"));
        const auto label = [&form](const char *name) {
            return form->findChild<QLabel *>(QLatin1String(name));
        };
        auto *location = form->findChild<QLineEdit *>(QStringLiteral("locationEdit"));
        QVERIFY(tagList && location && label("fileNameLabel") && label("detailLabel"));
        QCOMPARE(tagList->count(), 3);
        QCOMPARE(label("fileNameLabel")->text(), QStringLiteral("File Name: b.mp3"));
        QCOMPARE(location->text(), b);
        QVERIFY(label("detailLabel")->text().isEmpty());
        QCOMPARE(label("headingLabel")->text(), QStringLiteral("MP3 ID3 Tag Properties"));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QListWidgetItem *artist = tagList->item(1);
        const QRect r = tagList->visualItemRect(artist);
        QTest::mouseClick(tagList->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(dialogs.clipboard, QStringLiteral("Corvelle"));
        QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("closeButton")),
                          Qt::LeftButton);
        QTRY_VERIFY(form.isNull());
    }
};

QTEST_MAIN(TestTagWindow)
#include "tst_tagwindow.moc"
