#include "organize/loadcommand.h"

#include "base/replacelist.h"
#include "base/runcontrol.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/testseams.h"
#include "organize/loadscan.h"
#include "organize/organizelist.h"
#include "support/fakeprogressview.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
// Every step shown, and a folder a test makes unreadable.
struct LoadSeams final : TestSeams {
    QString unreadable;
    int LoadStatusIntervalMs() const override { return 0; }
    bool FolderUnreadable(const QString &folder) const override { return folder == unreadable; }
};
const QString GoodStart = QStringLiteral("Please check the list to make sure");
const QString BadStart = QStringLiteral("File's were found that a folder name could not be");
const QString TagEnd = QStringLiteral("from the file name (in program options).");
} // namespace

class TestLoadCommand : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir;
    QString in;
    LoadSeams seams;

    void Touch(const QString &relative, const QByteArray &data = "x") {
        QVERIFY(TestEnv::WriteFile(in + QLatin1Char('/') + relative, data));
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
    static QStringList Folders(const OrganizeList &list) {
        QStringList got;
        for (int i = 0; i < list.Count(); ++i)
            got << list.Row(i).folder;
        return got;
    }

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        LoadSettings();
        InstallTestSeams(&seams);
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
        seams.unreadable.clear();
    }

    void load_data() {
        QTest::addColumn<bool>("withBadRow");
        QTest::addColumn<int>("renamefolders");
        QTest::addColumn<bool>("unreadable"); // a sub-folder the search cannot read
        QTest::newRow("all named") << false << 0 << false;
        QTest::newRow("all named, tag option") << false << 1 << false;
        QTest::newRow("bad row") << true << 0 << false;
        QTest::newRow("bad row, tag option") << true << 1 << false;
        QTest::newRow("unreadable folder") << false << 0 << true;
        QTest::newRow("unreadable folder, bad row") << true << 0 << true;
    }
    void load() {
        QFETCH(bool, withBadRow);
        QFETCH(int, renamefolders);
        QFETCH(bool, unreadable);
        Settings.renamefolders = renamefolders;
        for (const char *name : {"Corvelle - Song.mp3", "Dalvern - Tune.mp3", "n.txt"})
            Touch(QLatin1String(name));
        if (withBadRow)
            Touch(QStringLiteral("---.mp3"));
        if (unreadable) {
            Touch(QStringLiteral("Locked/Hidden - Away.mp3"));
            Settings.recursivesearch = 1;
            seams.unreadable = in + QStringLiteral("/Locked");
        }
        Load l;
        Start(l, in);
        const int n = withBadRow ? 3 : 2;
        // Files the search could not reach are named in the status and the closing message.
        const QString unread =
            unreadable ? QStringLiteral("1 folder could not be read: ") + seams.unreadable
                       : QString();
        QCOMPARE(l.list.Count(), n);
        if (renamefolders == 0)
            QCOMPARE(Folders(l.list).mid(n - 2), QStringList({"Corvelle", "Dalvern"}));
        QCOMPARE(l.list.Row(0).status, withBadRow ? RowStatus::Bad : RowStatus::Ok);
        QCOMPARE(l.list.Row(0).errorText.isEmpty(), !withBadRow);
        QCOMPARE(l.view.status1.last(),
                 QStringLiteral("Processed %1 Files").arg(n) +
                     (unreadable ? QStringLiteral(". ") + unread : QString()));
        QCOMPARE(l.view.status2.last(), QStringLiteral("%1 Files").arg(n));
        QCOMPARE(l.button.captions, QStringList({"Cancel", "1. Load    "}));
        QCOMPARE(SettingsStore::Get(Keys::inpath), in);
        QCOMPARE(l.dialogs.asked.size(), 1);
        const QString text = l.dialogs.asked.first().text;
        QVERIFY2(text.startsWith(withBadRow ? BadStart : GoodStart), qPrintable(text));
        QCOMPARE(text.endsWith(TagEnd), renamefolders == 1);
        QCOMPARE(text.contains(unread + QStringLiteral(". Their files")), unreadable);
        QCOMPARE(l.dialogs.asked.first().icon, withBadRow   ? MsgIcon::Critical
                                               : unreadable ? MsgIcon::Exclamation
                                                            : MsgIcon::Information);
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
        Load l;
        l.list.Append(Row(QStringLiteral("Old")));
        Start(l, folderExists ? in : in + QStringLiteral("/missing"));
        QCOMPARE(l.list.Count(), 0);
        QCOMPARE(l.view.status1.last(), status);
        QCOMPARE(l.view.status2.last(), QStringLiteral("0 Files"));
        QCOMPARE(l.dialogs.MessageTexts(), QStringList({NoFilesMessage()}));
        QCOMPARE(l.button.caption, QStringLiteral("1. Load    "));
    }

    void cancelDuringLoad() {
        for (int i = 0; i < 250; ++i)
            Touch(QStringLiteral("Artist%1 - Song.mp3").arg(i, 3, 10, QLatin1Char('0')));
        Load l;
        int yields = 0;
        int notices = 0;
        connect(&l.list, &OrganizeList::rowsAdded, this, [&] { ++notices; });
        l.view.onStatus = [&](int index, const QString &text) {
            if (index == 1 && text.startsWith(QLatin1String("Found 250 Files. Processing #")) &&
                ++yields == 3)
                l.run.RequestCancel(); // the Cancel click, handled in a yield
        };
        Start(l, in);
        // Yields come before file 1, after row 100 and after row 200: the click during the
        // third one stops the load after the row in hand.
        QCOMPARE(l.list.Count(), 200);
        QCOMPARE(notices, 2); // rows are announced in batches
        QCOMPARE(l.list.Row(199).relativePath, QStringLiteral("Artist199 - Song.mp3"));
        QVERIFY(l.dialogs.MessageTexts().value(0).startsWith(GoodStart));
        QCOMPARE(l.list.ShownCount(), 200);
        l.view.onStatus = {};
        Start(l, in); // a new load forgets the old request
        QCOMPARE(l.list.Count(), 250);
    }

    // A pool of eight names every file exactly as one worker does, whatever the options.
    void poolsGiveTheSameRows_data() {
        QTest::addColumn<int>("dash");
        QTest::addColumn<bool>("removeSubs");
        QTest::addColumn<bool>("tags");
        for (int dash = 0; dash < 4; ++dash)
            for (const bool subs : {false, true})
                QTest::addRow("dash %d, remove-subs %d", dash, int(subs)) << dash << subs << true;
        QTest::newRow("names only") << 1 << true << false;
    }
    void poolsGiveTheSameRows() {
        QFETCH(int, dash);
        QFETCH(bool, removeSubs);
        QFETCH(bool, tags);
        const QStringList artists = {u"Pembo Ft. Kaz"_s, u"50-Cent"_s,       u"the lanterns"_s,
                                     u"AC-DC"_s,         u"Vance & Orrin"_s, u"Seven Lanterns"_s,
                                     u"E-40"_s,          u"K-lan"_s};
        for (int i = 0; i < 600; ++i) {
            const QString artist = artists.at(i % artists.size()) + QString::number(i % 37);
            const QString name = QStringLiteral("%1/%2 - %3 - Song %4 (Live).%5")
                                     .arg(i % 5)
                                     .arg(i % 23, 2, 10, QLatin1Char('0'))
                                     .arg(artist)
                                     .arg(i)
                                     .arg(i % 7 == 0 ? u"ogg"_s : u"mp3"_s);
            QByteArray data(200, 'x');
            if (i % 3 == 0) {
                QByteArray tag = "TAG" + QByteArray(125, '\0');
                tag.replace(33, 12, artist.toLatin1().left(12));
                tag.replace(63, 6, QByteArray::number(i % 11).rightJustified(6, 'A'));
                data += tag;
            }
            Touch(name, data);
        }
        NamingOptions naming;
        naming.dashSection = dash;
        naming.primaryArtistOnly = removeSubs;
        naming.folderFromTag = tags;
        naming.folderNameFields = u"Artist,Album"_s;
        naming.userRules.Add(u"Lantern Folk"_s, u"lanterns1"_s, 0);
        naming.userRules.Add(u"Kazz"_s, u"kaz"_s, 1);
        const QStringList found = FindMediaFiles(in, u"*.mp3;*.ogg"_s, true);
        QCOMPARE(found.size(), 600);
        const std::vector<LoadRow> one = DeriveLoadRows(in, found, naming, {}, true, 1);
        const std::vector<LoadRow> eight = DeriveLoadRows(in, found, naming, {}, true, 8);
        QCOMPARE(eight.size(), one.size());
        QCOMPARE(one.size(), size_t(600));
        int fromTag = 0;
        for (size_t i = 0; i < one.size(); ++i) {
            QCOMPARE(eight[i].relativePath, one[i].relativePath);
            QCOMPARE(eight[i].name.folder, one[i].name.folder);
            QCOMPARE(eight[i].name.ok, one[i].name.ok);
            QCOMPARE(eight[i].name.fromTag, one[i].name.fromTag);
            fromTag += one[i].name.fromTag ? 1 : 0;
        }
        QCOMPARE(fromTag > 0, tags);
    }

    void correctAll_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("yes renames every row of that name")
            << int(MsgResult::Yes)
            << QStringList({"Corvelle Band", "Corvelle Band", "Corvelle Band", "Dalvern", ""});
        QTest::newRow("no renames the selected row only")
            << int(MsgResult::No)
            << QStringList({"Corvelle Band", "Corvelle", "corvelle", "Dalvern", ""});
    }
    void correctAll() {
        QFETCH(int, answer);
        QFETCH(QStringList, expected);
        OrganizeList list;
        for (const char *f : {"Corvelle", "Corvelle", "corvelle", "Dalvern", ""})
            list.Append(Row(QString::fromLatin1(f)));
        ScriptedDialogs dialogs;
        EditListItem(list, QStringLiteral("B")); // nothing selected: nothing happens
        list.SetSelected(0);
        EditListItem(list, QString());
        QCOMPARE(Folders(list)[0], QStringLiteral("Corvelle"));
        dialogs.AnswerMessage(MsgResult(answer));
        EditListItem(list, QStringLiteral("corvelle band"));
        QCOMPARE(dialogs.MessageTexts(),
                 QStringList({"Would you like to correct all folder names that contain the name "
                              "Corvelle to Corvelle Band?"}));
        QCOMPARE(Folders(list), expected);
        if (MsgResult(answer) == MsgResult::No) {
            // Declined once: not asked again for that name until the next load.
            list.SetSelected(1);
            EditListItem(list, QStringLiteral("Other"));
            QCOMPARE(dialogs.asked.size(), 1);
            QCOMPARE(list.Row(2).folder, QStringLiteral("corvelle"));
            list.Clear();
            for (const char *f : {"Corvelle", "corvelle"})
                list.Append(Row(QString::fromLatin1(f)));
            list.SetSelected(1);
            EditListItem(list, QStringLiteral("Third"));
            QCOMPARE(dialogs.asked.size(), 2);
        }
    }

    void unnamedRowIsNamedAlone() {
        Settings.autoadd = 1;
        OrganizeList list;
        list.Append(Row(QString(), QStringLiteral("---.mp3")));
        list.Append(Row(QString(), QStringLiteral("...mp3")));
        list.MarkBad(0, QStringLiteral("Unnamed"));
        list.SetSelected(0);
        ScriptedDialogs dialogs;
        EditListItem(list, QStringLiteral("vance orrin"));
        QCOMPARE(Folders(list), QStringList({"Vance Orrin", ""}));
        QVERIFY(dialogs.asked.isEmpty());
        QCOMPARE(UserReplaceList.Count(), 0);
        QCOMPARE(list.Row(0).status, RowStatus::Bad);
    }

    void autoAdd_data() {
        // autoadd|old name|new name|a rule's old text already there|+: a rule is added
        QTest::addColumn<QString>("row");
        QTest::newRow("a corrected name becomes a rule") << "1|Corvelle|Corvelle Band||+";
        QTest::newRow("off adds nothing") << "0|Corvelle|Corvelle Band||";
        QTest::newRow("excluded name Rock") << "1|Rock|Rock Classics||";
        QTest::newRow("three letters are enough") << "1|Abc|Abcd||+";
        QTest::newRow("old name too short") << "1|Ab|Abba||";
        QTest::newRow("new name too short") << "1|Abba|Ab||";
        QTest::newRow("same name adds nothing") << "1|Corvelle|corvelle||";
        QTest::newRow("a rule containing the old name exists")
            << "1|Corvelle|Corvelle Band|The corvelle Live|";
    }
    void autoAdd() {
        QFETCH(QString, row);
        const QStringList c = row.split(QLatin1Char('|'));
        const bool added = c[4] == QLatin1String("+");
        Settings.autoadd = c[0].toInt();
        UserReplaceList.Add(QStringLiteral("X"), QStringLiteral("Other"), 0);
        if (!c[3].isEmpty())
            UserReplaceList.Add(QStringLiteral("X"), c[3], 0);
        const int before = UserReplaceList.Count();
        OrganizeList list;
        list.Append(Row(c[1]));
        list.SetSelected(0);
        EditListItem(list, c[2]);
        QCOMPARE(UserReplaceList.Count(), before + (added ? 1 : 0));
        if (added) {
            const ReplaceItem &rule = UserReplaceList.At(UserReplaceList.Count() - 1);
            QCOMPARE(QString(rule.OldVal() + QLatin1Char('|') + rule.NewVal()),
                     QString(c[1] + QLatin1Char('|') + list.Row(0).folder));
            QCOMPARE(rule.CaseSensitive(), 0);
        }
    }

    void autoAddKeepsAtMostAThousandRules() {
        Settings.autoadd = 1;
        for (int i = 0; i < 1000; ++i)
            UserReplaceList.Add(QStringLiteral("N%1").arg(i), QStringLiteral("O%1").arg(i), 0);
        OrganizeList list;
        list.Append(Row(QStringLiteral("Corvelle")));
        list.SetSelected(0);
        EditListItem(list, QStringLiteral("Corvelle Band"));
        QCOMPARE(UserReplaceList.Count(), 1000);
        QCOMPARE(UserReplaceList.At(0).OldVal(), QStringLiteral("O1"));
        QCOMPARE(UserReplaceList.At(999).OldVal(), QStringLiteral("Corvelle"));
        QCOMPARE(SettingsStore::Get(QStringLiteral("1000o")), QStringLiteral("Corvelle"));
    }
};

QTEST_GUILESS_MAIN(TestLoadCommand)
#include "tst_loadcommand.moc"
