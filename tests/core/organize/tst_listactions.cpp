#include "organize/listactions.h"

#include "base/settings.h"
#include "organize/organizelist.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestListActions : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir;
    QString in;
    ListActionOptions options;

    QString Write(const QString &relative, qint64 size = 1) {
        const QString path = in + QLatin1Char('/') + relative;
        TestEnv::WriteFile(path, QByteArray(size, 'x'));
        return path;
    }
    static OrganizeRow Row(const QString &folder, const QString &relative,
                           const QString &error = QString()) {
        OrganizeRow r;
        r.folder = folder;
        r.relativePath = relative;
        if (!error.isEmpty()) {
            r.status = RowStatus::Bad;
            r.errorText = error;
        }
        return r;
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
        in = dir->filePath(QStringLiteral("music"));
        QVERIFY(QDir().mkpath(in));
        options.sourceFolder = in;
        options.confirmRemoval = true;
        Settings.autoadd = 0;
    }

    void popupEntries_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("playVisible");
        QTest::addColumn<QString>("playCaption");
        QTest::addColumn<bool>("tagVisible");
        QTest::addColumn<bool>("errorVisible");
        QTest::newRow("mp3 plays music, shows the tag")
            << "song.mp3"
            << "" << true << "Play Music" << true << false;
        QTest::newRow("wma plays music, no tag") << "song.wma"
                                                 << "" << true << "Play Music" << false << false;
        QTest::newRow("vob plays music") << "movie.vob"
                                         << "" << true << "Play Music" << false << false;
        QTest::newRow("avi plays video") << "clip.avi"
                                         << "" << true << "Play Video" << false << false;
        QTest::newRow("png is a picture") << "photo.png"
                                          << "" << true << "View Picture" << false << false;
        QTest::newRow("failed row shows error details")
            << "song.mp3"
            << "Some error" << true << "Play Music" << true << true;
    }
    void popupEntries() {
        QFETCH(QString, file);
        QFETCH(QString, error);
        QFETCH(bool, playVisible);
        QFETCH(QString, playCaption);
        QFETCH(bool, tagVisible);
        QFETCH(bool, errorVisible);
        const PopupState state = ListActions::PopupFor(Row(QStringLiteral("A"), file, error));
        QCOMPARE(state.playVisible, playVisible);
        if (playVisible)
            QCOMPARE(state.playCaption, playCaption);
        QCOMPARE(state.viewTagVisible, tagVisible);
        QCOMPARE(state.errorVisible, errorVisible);
    }

    void clickLine_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a million bytes") << qint64(1000000) << ""
                                         << "Artist: (976.56 Kb)  /Artist - Song.mp3";
        QTest::newRow("missing file shows 0 Bytes") << qint64(-1) << ""
                                                    << "Artist: (0 Bytes)  /Artist - Song.mp3";
        QTest::newRow("failed row shows its error") << qint64(10) << "Broken"
                                                    << "Error: Broken";
    }
    void clickLine() {
        QFETCH(qint64, size);
        QFETCH(QString, error);
        QFETCH(QString, expected);
        if (size >= 0)
            Write(QStringLiteral("Artist - Song.mp3"), size);
        OrganizeList list;
        list.Append(Row(QStringLiteral("Artist"), QStringLiteral("Artist - Song.mp3"), error));
        QCOMPARE(ListActions::ClickLine(list, options), QString());
        list.SetSelected(0);
        QCOMPARE(ListActions::ClickLine(list, options), expected);
    }

    void edit_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cancel leaves the row") << "Corvelle" << true << ""
                                               << "Corvelle";
        QTest::newRow("empty answer empties the name") << "Corvelle" << false << ""
                                                       << "";
        QTest::newRow("answer goes through proper case") << "Corvelle" << false << "dalvern"
                                                         << "Dalvern";
        QTest::newRow("an unnamed failed row gets a name") << "" << false << "corvelle"
                                                           << "Corvelle";
    }
    void edit() {
        QFETCH(QString, folder);
        QFETCH(bool, cancel);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        OrganizeList list;
        list.Append(Row(folder, QStringLiteral("Live/song.mp3"),
                        folder.isEmpty() ? QStringLiteral("Unnamed") : QString()));
        list.SetSelected(0);
        ScriptedDialogs dialogs;
        dialogs.AnswerInput(cancel ? std::nullopt : std::optional<QString>(answer));
        ListActions::EditRowFolder(list);
        QCOMPARE(dialogs.asked.first().kind, QStringLiteral("input"));
        QCOMPARE(dialogs.asked.first().text,
                 QStringLiteral("Enter or edit the folder name for Live/song.mp3"));
        QCOMPARE(dialogs.asked.first().title, QStringLiteral("Edit Folder"));
        QCOMPARE(dialogs.asked.first().extra, folder);
        QCOMPARE(list.Row(0).folder, expected);
    }

    void noSelection_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("emptyList");
        QTest::addColumn<QStringList>("expected");
        const QStringList edit{"Please select an item to edit!"};
        const QStringList remove{"Please select an item to remove!"};
        QTest::newRow("edit") << 0 << false << edit;
        QTest::newRow("edit, empty list says nothing") << 0 << true << QStringList();
        QTest::newRow("remove") << 1 << false << remove;
        QTest::newRow("remove, empty list says nothing") << 1 << true << QStringList();
        QTest::newRow("delete") << 2 << false << remove;
    }
    void noSelection() {
        QFETCH(int, action);
        QFETCH(bool, emptyList);
        QFETCH(QStringList, expected);
        OrganizeList list;
        if (!emptyList)
            list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        ScriptedDialogs dialogs;
        if (action == 0)
            ListActions::EditRowFolder(list);
        else if (action == 1)
            ListActions::RemoveRow(list, options);
        else
            ListActions::DeleteRowFile(list, options);
        QCOMPARE(dialogs.MessageTexts(), expected);
        QCOMPARE(list.Count(), emptyList ? 0 : 1);
    }

    void remove_data() {
        QTest::addColumn<int>("promptremove");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("asked, yes") << 1 << int(MsgResult::Yes) << 1;
        QTest::newRow("asked, no") << 1 << int(MsgResult::No) << 2;
        QTest::newRow("not asked") << 0 << int(MsgResult::No) << 1;
    }
    void remove() {
        QFETCH(int, promptremove);
        QFETCH(int, answer);
        QFETCH(int, rowsLeft);
        options.confirmRemoval = promptremove != 0;
        const QString file = Write(QStringLiteral("a.mp3"));
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        list.Append(Row(QStringLiteral("B"), QStringLiteral("b.mp3")));
        list.SetSelected(0);
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult(answer));
        ListActions::RemoveRow(list, options);
        QCOMPARE(dialogs.MessageTexts(),
                 promptremove ? QStringList({"Are you sure you want to remove a.mp3"})
                              : QStringList());
        QCOMPARE(list.Count(), rowsLeft);
        QVERIFY(QFile::exists(file));
        if (rowsLeft == 1) {
            QCOMPARE(list.Row(0).folder, QStringLiteral("B"));
            QVERIFY(!list.HasSelection());
        }
    }

    void deleteFile_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("yes deletes file and row") << int(MsgResult::Yes) << true;
        QTest::newRow("no keeps both") << int(MsgResult::No) << false;
    }
    void deleteFile() {
        QFETCH(int, answer);
        QFETCH(bool, deleted);
        const QString file = Write(QStringLiteral("a.mp3"));
        QFile::setPermissions(file, QFile::ReadOwner); // read-only files are deleted too
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        list.SetSelected(0);
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult(answer));
        ListActions::DeleteRowFile(list, options);
        QCOMPARE(dialogs.MessageTexts(),
                 QStringList({"Are you sure you want to delete a.mp3?\r\n\r\nThis will completely "
                              "remove the file from your hardrive! If you only wish to remove "
                              "from the list, please click remove instead.\r\n\r\nDo you want to "
                              "continue?"}));
        QCOMPARE(dialogs.asked.first().icon, MsgIcon::Critical);
        QCOMPARE(QFile::exists(file), !deleted);
        QCOMPARE(list.Count(), deleted ? 0 : 1);
    }

    void playFallsBackToOpen_data() {
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("opened") << true << QStringList();
        QTest::newRow("nothing can open it")
            << false
            << QStringList({"Sortiva was unable to launch the default media player for your "
                            "operating system!"});
    }
    void playFallsBackToOpen() {
        QFETCH(bool, opens);
        QFETCH(QStringList, messages);
        const QString file = Write(QStringLiteral("a.mp3"));
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        list.SetSelected(0);
        ScriptedDialogs dialogs;
        dialogs.openResult = opens;
        ListActions::OpenRowFile(list, options);
        QCOMPARE(dialogs.opened, QStringList({file}));
        QCOMPARE(dialogs.MessageTexts(), messages);
    }

    void errorDetailsAndProperties() {
        const QString file = Write(QStringLiteral("a.mp3"));
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3"), QStringLiteral("Broken")));
        list.SetSelected(0);
        ScriptedDialogs dialogs;
        ListActions::ShowErrorDetails(list);
        QCOMPARE(dialogs.MessageTexts(), QStringList({"Error Details: \r\n\r\nBroken"}));
        QCOMPARE(dialogs.asked.first().icon, MsgIcon::Exclamation);
        ListActions::ShowRowProperties(list, options);
        QCOMPARE(dialogs.properties, QStringList({file}));
    }

    void rename_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expectedRelative");
        QTest::addColumn<QString>("message"); // start of the message shown, if any
        QTest::newRow("cancel") << "<cancel>"
                                << "Live/song.mp3"
                                << "";
        QTest::newRow("same name") << "song.mp3"
                                   << "Live/song.mp3"
                                   << "";
        QTest::newRow("new name, blanks trimmed")
            << " tune.mp3 "
            << "Live/tune.mp3"
            << "File has been successfully renamed to tune.mp3";
        QTest::newRow("change of case goes ahead")
            << "Song.mp3"
            << "Live/Song.mp3"
            << "File has been successfully renamed to Song.mp3";
        QTest::newRow("a path as name is refused") << "../song.mp3"
                                                   << "Live/song.mp3"
                                                   << "Sortiva was unable to rename the file.";
    }
    void rename() {
        QFETCH(QString, answer);
        QFETCH(QString, expectedRelative);
        QFETCH(QString, message);
        Write(QStringLiteral("Live/song.mp3"));
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("Live/song.mp3"), QStringLiteral("E")));
        list.SetSelected(0);
        ScriptedDialogs dialogs;
        dialogs.AnswerInput(answer == QLatin1String("<cancel>") ? std::nullopt
                                                                : std::optional<QString>(answer));
        ListActions::RenameRowFile(list, options);
        QCOMPARE(dialogs.asked.first().text, QStringLiteral("Enter a new file name for song.mp3"));
        QCOMPARE(dialogs.asked.first().title, QStringLiteral("New File Name"));
        QCOMPARE(dialogs.asked.first().extra, QStringLiteral("song.mp3"));
        QCOMPARE(list.Row(0).relativePath, expectedRelative);
        QVERIFY(QFile::exists(in + QLatin1Char('/') + expectedRelative));
        if (!message.isEmpty())
            QVERIFY2(dialogs.MessageTexts().value(0).startsWith(message),
                     qPrintable(dialogs.MessageTexts().value(0)));
        if (expectedRelative != QLatin1String("Live/song.mp3")) {
            QCOMPARE(dialogs.MessageTexts(), QStringList({message}));
            QCOMPARE(list.Row(0).StatusKey(), QStringLiteral("ok"));
            QCOMPARE(list.Row(0).errorText, QStringLiteral("E"));
        }
    }

    void renameToANameAnotherRowHolds_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("expectedRelative");
        QTest::newRow("yes to both rows")
            << QList<int>{int(MsgResult::Yes), int(MsgResult::Yes)} << 2 << "tune(1).mp3";
        QTest::newRow("no stops") << QList<int>{int(MsgResult::No)} << 1 << "song.mp3";
    }
    void renameToANameAnotherRowHolds() {
        QFETCH(QList<int>, answers);
        QFETCH(int, questions);
        QFETCH(QString, expectedRelative);
        Write(QStringLiteral("song.mp3"));
        Write(QStringLiteral("tune.mp3"));
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("song.mp3")));
        list.Append(Row(QStringLiteral("B"), QStringLiteral("tune.mp3")));
        list.Append(Row(QStringLiteral("C"), QStringLiteral("TUNE.mp3")));
        list.SetSelected(0);
        ScriptedDialogs dialogs;
        dialogs.AnswerInput(QStringLiteral("tune.mp3"));
        for (int a : answers)
            dialogs.AnswerMessage(MsgResult(a));
        ListActions::RenameRowFile(list, options);
        const QString question = QStringLiteral(
            "A file with this name already exists in the list! If you continue this file will "
            "be renamed with an additional number such as tune(1).mp3, Are you sure you want to "
            "continue?");
        QCOMPARE(dialogs.MessageTexts().count(question), questions);
        QCOMPARE(list.Row(0).relativePath, expectedRelative);
        QVERIFY(QFile::exists(in + QLatin1Char('/') + expectedRelative));
        QVERIFY(QFile::exists(in + QStringLiteral("/tune.mp3")));
    }
};

QTEST_GUILESS_MAIN(TestListActions)
#include "tst_listactions.moc"
