#include "organize/loadcommand.h"

#include "base/replacelist.h"
#include "base/runcontrol.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/testseams.h"
#include "organize/organizelist.h"
#include "support/fakeprogressview.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const QString GoodEnd = QStringLiteral(
    "Please check the list to make sure that the folders are properly named, then click on "
    "'Organize' to organize your files into folders. You can right-click on files in the list "
    "for more options.");
const QString BadEnd = QStringLiteral(
    "File's were found that a folder name could not be derived from. Please edit the folder "
    "name by hand in the list. The un-named folders are flagged with a red icon. Then click on "
    "'Organize' to organize your files into the folders.");
const QString TagSuffix = QStringLiteral(
    " You also have the option enabled to use the MP3 ID3 v1.1 Tags from music files. If the "
    "ID3 tags are not formatted well you wont get very good folder names. You may want to try "
    "the default method of gathering a folder name from the file name (in program options).");
const QString Unnamed =
    QStringLiteral("Sortiva Was Unable To Decipher A Folder Name From This File Name Or ID3 Tag.");
} // namespace

class TestLoadCommand : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir;
    QString in;

    void Touch(const QString &relative) {
        const QString path = in + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    static OrganizeRow Row(const QString &folder,
                           const QString &relative = QStringLiteral("a.mp3")) {
        OrganizeRow r;
        r.folder = folder;
        r.relativePath = relative;
        return r;
    }
    // What one load touches: the list, the window, the button, its requests and the dialogs.
    struct Load {
        OrganizeList list;
        FakeProgressView view;
        FakeButton button{QStringLiteral("1. Load    ")};
        RunControl run;
        ScriptedDialogs dialogs;
    };
    void Start(Load &l, const QString &media) {
        RunLoad(l.list, l.view, l.button, l.run, media, in);
    }
    // Renames the only row from @p oldName to @p newName as the list editor does.
    static void Rename(OrganizeList &list, const QString &oldName, const QString &newName) {
        list.Append(Row(oldName));
        list.SetSelected(0);
        EditListItem(list, newName);
    }

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        LoadSettings();
        static const struct EveryStep final : TestSeams {
            int LoadStatusIntervalMs() const override { return 0; }
        } everyStep;
        InstallTestSeams(&everyStep);
    }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        in = dir->filePath(QStringLiteral("music"));
        QVERIFY(QDir().mkpath(in));
        Settings.recursivesearch = 0;
        Settings.renamefolders = 0;
        Settings.dashoption = 0;
        Settings.autoadd = 0;
        UserReplaceList.Clear();
    }

    void loadWithBadRows() {
        Touch(QStringLiteral("Corvelle - Song.mp3"));
        Touch(QStringLiteral("---.mp3"));
        Touch(QStringLiteral("Dalvern - Tune.mp3"));
        Touch(QStringLiteral("notes.txt"));
        Load l;
        Start(l, in);

        QCOMPARE(l.list.Count(), 3);
        QCOMPARE(l.list.Row(0).relativePath, QStringLiteral("---.mp3"));
        QCOMPARE(l.list.Row(0).folder, QString());
        QCOMPARE(l.list.Row(0).StatusKey(), QStringLiteral("bad"));
        QCOMPARE(l.list.Row(0).errorText, Unnamed);
        QCOMPARE(l.list.Row(1).folder, QStringLiteral("Corvelle"));
        QCOMPARE(l.list.Row(1).StatusKey(), QStringLiteral("ok"));
        QVERIFY(l.list.Row(1).errorText.isEmpty());
        QCOMPARE(l.list.Row(2).folder, QStringLiteral("Dalvern"));
        QCOMPARE(l.dialogs.MessageTexts(), QStringList({BadEnd}));
        QCOMPARE(l.dialogs.asked.first().icon, MsgIcon::Critical);
        QCOMPARE(l.dialogs.asked.first().title, QStringLiteral("Sortiva Media Organizer"));
        QCOMPARE(l.view.status1.first(), QStringLiteral("Searching ") + in + " For Files...");
        QVERIFY(l.view.status1.contains(QStringLiteral("Found 3 Files. Processing...")));
        QVERIFY(l.view.status1.contains(QStringLiteral("Found 3 Files. Processing #1")));
        QCOMPARE(l.view.status1.last(), QStringLiteral("Processed 3 Files"));
        QCOMPARE(l.view.status2.last(), QStringLiteral("3 Files"));
        QCOMPARE(l.view.maximum, 3);
        QCOMPARE(l.view.value, 0);
        QCOMPARE(l.button.captions, QStringList({"Cancel", "1. Load    "}));
        QCOMPARE(l.view.enables, QList<bool>({false, true}));
        QCOMPARE(Settings.inpath, in);
        QCOMPARE(SettingsStore::Get(Keys::inpath), in);
    }

    // A load names with the options the record holds when it starts: the dash option and
    // the user's rules reach every row.
    void loadNamesWithTheSavedOptions() {
        Touch(QStringLiteral("Song - Corvelle.mp3"));
        Settings.dashoption = 1;
        UserReplaceList.Add(QStringLiteral("Corvelle Band"), QStringLiteral("Corvelle"), 0);
        Load l;
        Start(l, in);
        QCOMPARE(l.list.Row(0).folder, QStringLiteral("Corvelle Band"));
    }

    void endOfLoadMessage_data() {
        QTest::addColumn<bool>("withBadRow");
        QTest::addColumn<int>("renamefolders");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("icon");
        QTest::newRow("all named") << false << 0 << GoodEnd << int(MsgIcon::Information);
        QTest::newRow("all named, tag option")
            << false << 1 << GoodEnd + TagSuffix << int(MsgIcon::Information);
        QTest::newRow("bad rows") << true << 0 << BadEnd << int(MsgIcon::Critical);
        QTest::newRow("bad rows, tag option")
            << true << 1 << BadEnd + TagSuffix << int(MsgIcon::Critical);
    }
    void endOfLoadMessage() {
        QFETCH(bool, withBadRow);
        QFETCH(int, renamefolders);
        QFETCH(QString, expected);
        QFETCH(int, icon);
        Settings.renamefolders = renamefolders;
        Touch(QStringLiteral("Corvelle - Song.mp3"));
        if (withBadRow)
            Touch(QStringLiteral("---.mp3"));
        Load l;
        Start(l, in);
        QCOMPARE(l.dialogs.MessageTexts(), QStringList({expected}));
        QCOMPARE(int(l.dialogs.asked.first().icon), icon);
    }

    void emptyLoads_data() {
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<QString>("status");
        QTest::newRow("missing Source Media folder") << false << "Folder does not exist!";
        QTest::newRow("no matching files") << true << "No files found!";
    }
    void emptyLoads() {
        QFETCH(bool, folderExists);
        QFETCH(QString, status);
        Touch(QStringLiteral("notes.txt"));
        const QString media = folderExists ? in : in + QStringLiteral("/missing");
        Load l;
        l.list.Append(Row(QStringLiteral("Old")));
        Start(l, media);
        QCOMPARE(l.list.Count(), 0);
        QCOMPARE(l.view.status1.last(), status);
        QCOMPARE(l.view.status2.last(), QStringLiteral("0 Files"));
        QCOMPARE(l.dialogs.MessageTexts(), QStringList({NoFilesMessage()}));
        QVERIFY(NoFilesMessage().contains(QStringLiteral("allowed.\r\n\r\nYou may wish")));
        QCOMPARE(l.dialogs.asked.first().icon, MsgIcon::Critical);
        QCOMPARE(l.button.caption, QStringLiteral("1. Load    "));
    }

    void relativePaths_data() {
        QTest::addColumn<bool>("trailingSlash");
        QTest::addColumn<int>("recursive");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("plain folder") << false << 0 << QStringList({"Corvelle - Song.mp3"});
        QTest::newRow("folder typed with a trailing slash")
            << true << 0 << QStringList({"Corvelle - Song.mp3"});
        QTest::newRow("recursive keeps sub-folders")
            << false << 1 << QStringList({"Corvelle - Song.mp3", "Live/Dalvern - Tune.mp3"});
    }
    void relativePaths() {
        QFETCH(bool, trailingSlash);
        QFETCH(int, recursive);
        QFETCH(QStringList, expected);
        Settings.recursivesearch = recursive;
        Touch(QStringLiteral("Corvelle - Song.mp3"));
        Touch(QStringLiteral("Live/Dalvern - Tune.mp3"));
        Load l;
        Start(l, trailingSlash ? in + QLatin1Char('/') : in);
        QStringList got;
        for (int i = 0; i < l.list.Count(); ++i)
            got << l.list.Row(i).relativePath;
        QCOMPARE(got, expected);
        if (recursive)
            QCOMPARE(l.list.Row(1).folder, QStringLiteral("Dalvern"));
    }

    void cancelDuringLoad() {
        for (int i = 0; i < 250; ++i)
            Touch(QStringLiteral("Artist%1 - Song.mp3").arg(i, 3, 10, QLatin1Char('0')));
        Load l;
        int yields = 0;
        l.view.onStatus = [&](int index, const QString &text) {
            if (index == 1 && text.startsWith(QLatin1String("Found 250 Files. Processing #")) &&
                ++yields == 3)
                l.run.RequestCancel(); // the Cancel click, handled in a yield
        };
        Start(l, in);
        // Yields come before file 1, after row 100 and after row 200: the click during the
        // third one stops the load after the row in hand.
        QCOMPARE(l.list.Count(), 200);
        QCOMPARE(l.list.Row(199).relativePath, QStringLiteral("Artist199 - Song.mp3"));
        QCOMPARE(l.view.status1.last(), QStringLiteral("Processed 200 Files"));
        QCOMPARE(l.view.status2.last(), QStringLiteral("200 Files"));
        QCOMPARE(l.dialogs.MessageTexts(), QStringList({GoodEnd}));
        QCOMPARE(l.button.caption, QStringLiteral("1. Load    "));
        QCOMPARE(l.list.ShownCount(), 200);
        l.view.onStatus = {};
        Start(l, in); // a new load forgets the old request
        QCOMPARE(l.list.Count(), 250);
    }

    void rowsAreAnnouncedInBatches() {
        for (int i = 0; i < 250; ++i)
            Touch(QStringLiteral("Artist%1 - Song.mp3").arg(i, 3, 10, QLatin1Char('0')));
        Load l;
        int notices = 0;
        connect(&l.list, &OrganizeList::rowsAdded, this, [&] { ++notices; });
        Start(l, in);
        QCOMPARE(l.list.Count(), 250);
        QCOMPARE(l.list.ShownCount(), 250);
        QCOMPARE(notices, 3);
    }

    void correctAll_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("yes renames every row of that name")
            << int(MsgResult::Yes)
            << QStringList({"Corvelle Band", "Corvelle Band", "Corvelle Band", "Dalvern"});
        QTest::newRow("no renames the selected row only")
            << int(MsgResult::No)
            << QStringList({"Corvelle Band", "Corvelle", "corvelle", "Dalvern"});
    }
    void correctAll() {
        QFETCH(int, answer);
        QFETCH(QStringList, expected);
        OrganizeList list;
        for (const char *f : {"Corvelle", "Corvelle", "corvelle", "Dalvern"})
            list.Append(Row(QString::fromLatin1(f)));
        list.Append(Row(QString()));
        list.SetSelected(0);
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult(answer));
        EditListItem(list, QStringLiteral("corvelle band"));
        QCOMPARE(dialogs.MessageTexts(),
                 QStringList({"Would you like to correct all folder names that contain the name "
                              "Corvelle to Corvelle Band?"}));
        QCOMPARE(dialogs.asked.first().buttons, MsgButtons::YesNo);
        QCOMPARE(dialogs.asked.first().icon, MsgIcon::Question);
        QStringList got;
        for (int i = 0; i < 4; ++i)
            got << list.Row(i).folder;
        QCOMPARE(got, expected);
        QCOMPARE(list.Row(4).folder, QString());

        if (MsgResult(answer) == MsgResult::No) {
            // Declined once: not asked again for that name until the next load.
            list.SetSelected(1);
            EditListItem(list, QStringLiteral("Other"));
            QCOMPARE(dialogs.asked.size(), 1);
            QCOMPARE(list.Row(1).folder, QStringLiteral("Other"));
            QCOMPARE(list.Row(2).folder, QStringLiteral("corvelle"));
            // The next load asks again.
            list.Clear();
            for (const char *f : {"Corvelle", "Corvelle", "corvelle", "Dalvern"})
                list.Append(Row(QString::fromLatin1(f)));
            list.SetSelected(2);
            EditListItem(list, QStringLiteral("Third"));
            QCOMPARE(dialogs.asked.size(), 2);
        }
    }

    void editDoesNothingWithoutSelectionOrName() {
        OrganizeList list;
        list.Append(Row(QStringLiteral("A")));
        ScriptedDialogs dialogs;
        EditListItem(list, QStringLiteral("B"));
        list.SetSelected(0);
        EditListItem(list, QString());
        QCOMPARE(list.Row(0).folder, QStringLiteral("A"));
        QVERIFY(dialogs.asked.isEmpty());
    }

    void unnamedRowIsNamedAlone() {
        Settings.autoadd = 1;
        OrganizeList list;
        list.Append(Row(QString(), QStringLiteral("---.mp3")));
        list.Append(Row(QString(), QStringLiteral("...mp3")));
        list.MarkBad(0, Unnamed);
        list.SetSelected(0);
        ScriptedDialogs dialogs;
        EditListItem(list, QStringLiteral("vance orrin"));
        QCOMPARE(list.Row(0).folder, QStringLiteral("Vance Orrin"));
        QCOMPARE(list.Row(1).folder, QString());
        QVERIFY(dialogs.asked.isEmpty());
        QCOMPARE(UserReplaceList.Count(), 0);
        QCOMPARE(list.Row(0).StatusKey(), QStringLiteral("bad"));
    }

    void autoAdd_data() {
        QTest::addColumn<int>("autoadd");
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("existingRule");
        QTest::addColumn<bool>("added");
        QTest::newRow("a corrected name becomes a rule") << 1 << "Corvelle"
                                                         << "Corvelle Band"
                                                         << "" << true;
        QTest::newRow("off adds nothing") << 0 << "Corvelle"
                                          << "Corvelle Band"
                                          << "" << false;
        QTest::newRow("excluded name Rock") << 1 << "Rock"
                                            << "Rock Classics"
                                            << "" << false;
        QTest::newRow("excluded number 15") << 1 << "15"
                                            << "Fifteen"
                                            << "" << false;
        QTest::newRow("old name too short") << 1 << "Ab"
                                            << "Abba"
                                            << "" << false;
        QTest::newRow("new name too short") << 1 << "Abba"
                                            << "Ab"
                                            << "" << false;
        QTest::newRow("same name adds nothing") << 1 << "Corvelle"
                                                << "corvelle"
                                                << "" << false;
        QTest::newRow("a rule containing the old name exists") << 1 << "Corvelle"
                                                               << "Corvelle Band"
                                                               << "Corvelle Live" << false;
    }
    void autoAdd() {
        QFETCH(int, autoadd);
        QFETCH(QString, oldName);
        QFETCH(QString, newName);
        QFETCH(QString, existingRule);
        QFETCH(bool, added);
        Settings.autoadd = autoadd;
        if (!existingRule.isEmpty())
            UserReplaceList.Add(QStringLiteral("X"), existingRule, 0);
        const int before = UserReplaceList.Count();
        OrganizeList list;
        ScriptedDialogs dialogs;
        Rename(list, oldName, newName);
        QCOMPARE(UserReplaceList.Count(), before + (added ? 1 : 0));
        if (added) {
            const ReplaceItem &rule = UserReplaceList.At(UserReplaceList.Count() - 1);
            QCOMPARE(rule.OldVal(), oldName);
            QCOMPARE(rule.NewVal(), list.Row(0).folder);
            QCOMPARE(rule.CaseSensitive(), 0);
        }
    }

    void autoAddKeepsAtMostAThousandRules() {
        Settings.autoadd = 1;
        for (int i = 0; i < 1000; ++i)
            UserReplaceList.Add(QStringLiteral("N%1").arg(i), QStringLiteral("O%1").arg(i), 0);
        OrganizeList list;
        ScriptedDialogs dialogs;
        Rename(list, QStringLiteral("Corvelle"), QStringLiteral("Corvelle Band"));
        QCOMPARE(UserReplaceList.Count(), 1000);
        QCOMPARE(UserReplaceList.At(0).OldVal(), QStringLiteral("O1"));
        QCOMPARE(UserReplaceList.At(999).OldVal(), QStringLiteral("Corvelle"));
    }

    void browseMediaFolder_data() {
        QTest::addColumn<QString>("outpath");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("alsoOut");
        QTest::newRow("same folder in other case asks nothing")
            << "/MEDIA/X"
            << "/media/x" << int(MsgResult::No) << false << false;
        QTest::newRow("other folder, yes") << "/other"
                                           << "/media/x" << int(MsgResult::Yes) << true << true;
        QTest::newRow("other folder, no") << "/other"
                                          << "/media/x" << int(MsgResult::No) << true << false;
        QTest::newRow("cancelled picker") << "/other"
                                          << "" << int(MsgResult::No) << false << false;
    }
    void browseMediaFolder() {
        QFETCH(QString, outpath);
        QFETCH(QString, chosen);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, alsoOut);
        Settings.inpath = in;
        Settings.outpath = outpath;
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(chosen);
        dialogs.AnswerMessage(MsgResult(answer));
        const BrowseChoice choice = BrowseMediaFolder(QStringLiteral("/typed"));
        QCOMPARE(dialogs.asked.first().kind, QStringLiteral("folder"));
        QCOMPARE(dialogs.asked.first().text, QStringLiteral("Select media folder to organize"));
        QCOMPARE(dialogs.asked.first().extra, in);
        QCOMPARE(choice.folder, chosen);
        QCOMPARE(dialogs.MessageTexts().size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(dialogs.MessageTexts().first(),
                     QStringLiteral("Would you like to make your 'Organize To' folder the same as "
                                    "your 'Source Media' folder?"));
        QCOMPARE(choice.alsoOutFolder, alsoOut);
        QCOMPARE(Settings.inpath, chosen.isEmpty() ? in : chosen);
        QCOMPARE(Settings.outpath, alsoOut ? chosen : outpath);
        if (!chosen.isEmpty())
            QCOMPARE(SettingsStore::Get(Keys::inpath), chosen);
    }

    void browseOutFolderStart_data() {
        QTest::addColumn<bool>("settingExists");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("start");
        QTest::newRow("remembered folder") << true << "/typed"
                                           << "";
        QTest::newRow("typed folder even when missing") << false << "/typed/missing"
                                                        << "/typed/missing";
        QTest::newRow("empty field gives the current folder") << false << "" << QDir::currentPath();
    }
    void browseOutFolderStart() {
        QFETCH(bool, settingExists);
        QFETCH(QString, typed);
        QFETCH(QString, start);
        Settings.outpath = settingExists ? in : in + QStringLiteral("/missing");
        if (start.isEmpty())
            start = in;
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(QStringLiteral("/chosen"));
        const BrowseChoice choice = BrowseOutFolder(typed);
        QCOMPARE(dialogs.asked.first().text,
                 QStringLiteral("Select output folder to organize to..."));
        QCOMPARE(dialogs.asked.first().extra, start);
        QCOMPARE(choice.folder, QStringLiteral("/chosen"));
        QCOMPARE(Settings.outpath, QStringLiteral("/chosen"));
        QCOMPARE(SettingsStore::Get(Keys::outpath), QStringLiteral("/chosen"));
    }
};

QTEST_GUILESS_MAIN(TestLoadCommand)
#include "tst_loadcommand.moc"
