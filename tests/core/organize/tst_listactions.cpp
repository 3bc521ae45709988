#include "organize/listactions.h"

#include "base/nativepath.h"
#include "base/settings.h"
#include "organize/organizelist.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>

class TestListActions : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir;
    QString in;
    ListActionOptions options;
    OrganizeList list;

    QString Write(const QString &relative, qint64 size = 1) {
        const QString path = in + QLatin1Char('/') + relative;
        TestEnv::WriteFile(path, QByteArray(size, 'x'));
        return path;
    }
    // Fills the list with rows "folder:relative path[:error]" and selects the first.
    void Rows(const QStringList &rows) {
        list.Clear();
        for (const QString &r : rows) {
            const QStringList c = r.split(QLatin1Char(':'));
            OrganizeRow row;
            row.folder = c[0];
            row.relativePath = c[1];
            list.Append(row);
            if (c.size() > 2)
                list.MarkBad(list.Count() - 1, c[2]);
        }
        list.SetSelected(0);
    }

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        TestEnv::UseEnglishLocale();
        LoadSettings();
    }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        in = dir->filePath(QStringLiteral("music/")); // a trailing slash is taken off
        QVERIFY(QDir().mkpath(in));
        in.chop(1);
        options.sourceFolder = in + QLatin1Char('/');
        options.confirmRemoval = true;
        Settings.autoadd = 0;
    }

    // The row menu offers what suits the file: play, view, open, or nothing for programs.
    void popupFollowsTheFile() {
        Rows({"A:a.mp3", "A:b.wma", "A:c.mpeg", "A:d.png", "A:e.exe", "A:f.txt:Broken"});
        QStringList entries;
        for (int i = 0; i < list.Count(); ++i) {
            const PopupState state = ListActions::PopupFor(list.Row(i));
            entries << (state.playVisible ? state.playCaption : QStringLiteral("-")) +
                           (state.viewTagVisible ? "+tag" : "") +
                           (state.errorVisible ? "+error" : "");
        }
        QCOMPARE(entries, QStringList({"Play Music+tag", "Play Music", "Play Video", "View Picture",
                                       "-", "Open File+error"}));
        Write(QStringLiteral("a.mp3"), 1000000);
        QCOMPARE(ListActions::ClickLine(list, options), QStringLiteral("A: (976.56 Kb)  /a.mp3"));
        list.SetSelected(5);
        QCOMPARE(ListActions::ClickLine(list, options), QStringLiteral("Error: Broken"));
    }

    void editAsksForTheFolderName() {
        Rows({"Corvelle:Live/s.mp3"});
        ScriptedDialogs dialogs;
        dialogs.AnswerInput(std::nullopt).AnswerInput(QStringLiteral("dalvern"));
        ListActions::EditRowFolder(list); // cancelled
        QCOMPARE(dialogs.asked.first().extra, QStringLiteral("Corvelle"));
        QCOMPARE(list.Row(0).folder, QStringLiteral("Corvelle"));
        ListActions::EditRowFolder(list);
        QCOMPARE(list.Row(0).folder, QStringLiteral("Dalvern"));
    }

    void removeAndDelete_data() {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("gone");
        QTest::newRow("remove: asked, yes") << false << true << int(MsgResult::Yes) << true;
        QTest::newRow("remove: asked, no") << false << true << int(MsgResult::No) << false;
        QTest::newRow("remove: not asked") << false << false << int(MsgResult::No) << true;
        QTest::newRow("delete read-only file: yes") << true << true << int(MsgResult::Yes) << true;
        QTest::newRow("delete: no keeps both") << true << true << int(MsgResult::No) << false;
    }
    void removeAndDelete() {
        QFETCH(bool, deleting);
        QFETCH(bool, confirm);
        QFETCH(int, answer);
        QFETCH(bool, gone);
        options.confirmRemoval = confirm;
        const QString file = Write(QStringLiteral("a.mp3"));
        QFile::setPermissions(file, QFile::ReadOwner);
        Rows({"A:a.mp3", "B:b.mp3"});
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult(answer));
        if (deleting)
            ListActions::DeleteRowFile(list, options);
        else
            ListActions::RemoveRow(list, options);
        QCOMPARE(dialogs.asked.size(), confirm ? 1 : 0);
        QCOMPARE(list.Count(), gone ? 1 : 2);
        QCOMPARE(list.Row(0).folder, gone ? QStringLiteral("B") : QStringLiteral("A"));
        QCOMPARE(QFile::exists(file), !(deleting && gone));
        QCOMPARE(list.HasSelection(), !gone);
        // Without a selection nothing goes, and the user is told to pick a row.
        list.SetSelected(-1);
        ListActions::RemoveRow(list, options);
        ListActions::DeleteRowFile(list, options);
        QCOMPARE(list.Count(), gone ? 1 : 2);
        QCOMPARE(dialogs.MessageTexts().mid(confirm ? 1 : 0),
                 QStringList(2, QStringLiteral("Please select an item to remove!")));
    }

    void rename_data() {
        QTest::addColumn<QString>("cells"); // answer ("<cancel>")|relative path after|message
        QTest::newRow("cancel") << "<cancel>|Live/song.mp3|";
        QTest::newRow("same name") << "song.mp3|Live/song.mp3|";
        QTest::newRow("new name, blanks trimmed") << " tune.mp3 |Live/tune.mp3|File has been";
        QTest::newRow("change of case goes ahead") << "Song.mp3|Live/Song.mp3|File has been";
        QTest::newRow("a path as name is refused") << "../song.mp3|Live/song.mp3|Sortiva was";
        QTest::newRow("dot-dot is refused") << "..|Live/song.mp3|Sortiva was";
    }
    void rename() {
        QFETCH(QString, cells);
        const QStringList c = cells.split(QLatin1Char('|'));
        const QString &answer = c[0];
        const QString &expected = c[1];
        Write(QStringLiteral("Live/song.mp3"));
        Rows({"A:Live/song.mp3:E"});
        ScriptedDialogs dialogs;
        dialogs.AnswerInput(answer == QLatin1String("<cancel>") ? std::nullopt
                                                                : std::optional<QString>(answer));
        ListActions::RenameRowFile(list, options);
        QCOMPARE(dialogs.asked.first().extra, QStringLiteral("song.mp3"));
        QCOMPARE(list.Row(0).relativePath, expected);
        QVERIFY(QFile::exists(in + QLatin1Char('/') + expected));
        QCOMPARE(dialogs.MessageTexts().size(), c[2].isEmpty() ? 0 : 1);
        QVERIFY(c[2].isEmpty() || dialogs.MessageTexts().value(0).startsWith(c[2]));
        const bool renamed = expected != QLatin1String("Live/song.mp3");
        QCOMPARE(list.Row(0).status, renamed ? RowStatus::Ok : RowStatus::Bad);
    }

    // A name that is not UTF-8 is offered as people read it; left so, it keeps its bytes.
    void renameForeignName_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("kept") << QStringLiteral("Caf\u00e9.mp3") << QByteArray("Caf\xe9.mp3");
        QTest::newRow("changed") << QStringLiteral("Caf\u00e9 Tacuba.mp3")
                                 << QByteArray("Caf\xc3\xa9 Tacuba.mp3");
    }
    void renameForeignName() {
        QFETCH(QString, answer);
        QFETCH(QByteArray, after);
        const std::string folder = QFile::encodeName(in + QLatin1Char('/')).toStdString();
        QVERIFY(std::ofstream(folder + "Caf\xe9.mp3") << "x");
        Rows({"A:" + PathFromNative("Caf\xe9.mp3")});
        ScriptedDialogs dialogs;
        dialogs.AnswerInput(answer);
        ListActions::RenameRowFile(list, options);
        QCOMPARE(dialogs.asked.first().extra, QStringLiteral("Caf\u00e9.mp3"));
        QVERIFY(std::filesystem::exists(folder + after.toStdString()));
        QVERIFY(std::filesystem::remove(folder + after.toStdString()));
        QVERIFY(std::filesystem::is_empty(folder));
    }

    void renameToANameAnotherRowHolds_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("expected");
        QTest::newRow("yes to both rows")
            << QList<int>{int(MsgResult::Yes), int(MsgResult::Yes)} << "tune(1).mp3";
        QTest::newRow("no stops") << QList<int>{int(MsgResult::No)} << "song.mp3";
    }
    void renameToANameAnotherRowHolds() {
        QFETCH(QList<int>, answers);
        QFETCH(QString, expected);
        Write(QStringLiteral("song.mp3"));
        Write(QStringLiteral("tune.mp3"));
        Rows({"A:song.mp3", "B:tune.mp3", "C:TUNE.mp3"});
        ScriptedDialogs dialogs;
        dialogs.AnswerInput(QStringLiteral("tune.mp3"));
        for (int a : answers)
            dialogs.AnswerMessage(MsgResult(a));
        ListActions::RenameRowFile(list, options);
        QCOMPARE(dialogs.MessageTexts().filter(QStringLiteral("such as tune(1).mp3,")).size(),
                 answers.size());
        QCOMPARE(list.Row(0).relativePath, expected);
        QVERIFY(QFile::exists(in + QLatin1Char('/') + expected));
        QVERIFY(QFile::exists(in + QStringLiteral("/tune.mp3")));
    }
};

QTEST_GUILESS_MAIN(TestListActions)
#include "tst_listactions.moc"
