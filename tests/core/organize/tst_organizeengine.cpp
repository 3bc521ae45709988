#include "organize/organizeengine.h"

#include "base/nativepath.h"
#include "base/paths.h"
#include "base/runcontrol.h"
#include "base/settings.h"
#include "base/testseams.h"
#include "listing/folderlist.h"
#include "naming/namingcontext.h"
#include "organize/destinationindex.h"
#include "organize/loadscan.h"
#include "organize/organizelist.h"
#include "organize/organizelock.h"
#include "support/fakeprogressview.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// The faults a test sets, and no pause after "Finished".
struct Faults final : TestSeams {
    qint64 failCopyAfter = -1;
    bool sourceLocked = false;
    int races = 0; // how many placements find their name taken by another program
    mutable QStringList placing;

    qint64 CopyAllowance(qint64 written, qint64 block) const override {
        return failCopyAfter < 0 ? block : qMin(block, qMax<qint64>(0, failCopyAfter - written));
    }
    bool SourceLocked(const QString &) const override { return sourceLocked; }
    void BeforePlacing(const QString &destination) const override {
        placing << FileNamePart(destination);
        if (placing.size() <= races)
            TestEnv::WriteFile(destination, "theirs");
    }
    int FinishPauseMs() const override { return 0; }
};

class TestOrganizeEngine : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir;
    QString in;
    QString out;
    Faults faults;
    RunControl run;

    static constexpr auto Write = TestEnv::WriteFile;
    static constexpr auto Read = TestEnv::ReadFile;
    // Byte paths straight to the system, past the program's own path conversion.
    static QByteArray ReadBytes(const QByteArray &path) {
        std::ifstream f(path.constData(), std::ios::binary);
        return f ? QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(f), {}))
                 : QByteArray("<missing>");
    }
    static QStringList Entries(const QString &folder) {
        return QDir(folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    static OrganizeRow Row(const QString &folder, const QString &relative) {
        OrganizeRow r;
        r.folder = folder;
        r.relativePath = relative;
        return r;
    }
    OrganizeOptions Options(bool deleteOld, bool replace = false, bool doNothing = false) const {
        OrganizeOptions o;
        o.inpath = in;
        o.outpath = out;
        o.deleteOld = deleteOld;
        o.replaceExisting = replace;
        o.doNothing = doNothing;
        return o;
    }
    // Adds one row for @p relative under "in" and organizes the whole list.
    OrganizeReport RunOne(OrganizeList &list, const QString &folder, const QString &relative,
                          const OrganizeOptions &o, const RowObserver &observer = {}) {
        list.Append(Row(folder, relative));
        FakeProgressView view;
        return OrganizeRows(list, view, o, run, observer);
    }

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        InstallTestSeams(&faults);
    }
    void cleanupTestCase() { InstallTestSeams(nullptr); }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        in = dir->filePath(QStringLiteral("in"));
        out = dir->filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(in));
        QVERIFY(QDir().mkpath(out));
        run.Reset();
    }
    void cleanup() {
        faults = Faults();
        // Read-only folders of a test must not stop the temporary folder's removal.
        for (const QString &f : QStringList{in, out, out + QStringLiteral("/A")})
            QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Qt cannot remove names that are not UTF-8; the standard library takes bytes.
        std::filesystem::remove_all(QFile::encodeName(dir->path()).constData());
        dir.reset();
    }

    // Options: N do nothing, R replace, D delete the source, E the destination exists.
    void decisionTable_data() {
        QTest::addColumn<QString>("row"); // options|skipped|destination after|numbered after
        QTest::newRow("do nothing skips") << "NDE|1|OLD|";
        QTest::newRow("do nothing wins over replace") << "NRDE|1|OLD|";
        QTest::newRow("replace, delete source") << "RDE|0|NEW|";
        QTest::newRow("replace, keep source") << "RE|0|NEW|";
        QTest::newRow("numbered, delete source") << "DE|0|OLD|NEW";
        QTest::newRow("numbered, keep source") << "E|0|OLD|NEW";
        QTest::newRow("free, delete source") << "D|0|NEW|";
        QTest::newRow("free, keep source") << "|0|NEW|";
        QTest::newRow("free with do nothing and replace") << "NRD|0|NEW|";
    }
    void decisionTable() {
        QFETCH(QString, row);
        const QStringList c = row.split(QLatin1Char('|'));
        const auto has = [&](char option) { return c[0].contains(QLatin1Char(option)); };
        const int skipped = c[1].toInt();
        const QString source = in + QStringLiteral("/Corvelle - Song.mp3");
        const QString dest = out + QStringLiteral("/Corvelle/Corvelle - Song.mp3");
        QVERIFY(Write(source, "NEW"));
        if (has('E'))
            QVERIFY(Write(dest, "OLD"));
        OrganizeList list;
        const OrganizeReport report =
            RunOne(list, QStringLiteral("Corvelle"), QStringLiteral("Corvelle - Song.mp3"),
                   Options(has('D'), has('R'), has('N')));
        QCOMPARE(list.Count(), skipped);
        QCOMPARE(report.organized, 1 - skipped);
        QCOMPARE(report.skipped, skipped);
        QCOMPARE(QFile::exists(source), skipped == 1 || !has('D'));
        QCOMPARE(QString::fromLatin1(Read(dest)), c[2]);
        QCOMPARE(
            QString::fromLatin1(Read(out + QStringLiteral("/Corvelle/Corvelle - Song(1).mp3"))),
            c[3].isEmpty() ? QStringLiteral("<missing>") : c[3]);
        if (skipped)
            QCOMPARE(list.Row(0).errorText, ClashText());
        // Nothing temporary is ever left behind.
        for (const QString &name : Entries(out + QStringLiteral("/Corvelle")))
            QVERIFY2(!name.startsWith(QLatin1Char('.')), qPrintable(name));
    }

    // A dot at the start of a name begins no extension.
    void freeNames_data() {
        QTest::addColumn<QString>("row"); // names taken (by ',')|name asked for|name given
        QTest::newRow("taken in other case") << "SONG.mp3|song.mp3|song(1).mp3";
        QTest::newRow("two taken") << "song.mp3,song(1).mp3|song.mp3|song(2).mp3";
        QTest::newRow("last dot") << "a.b.mp3|a.b.mp3|a.b(1).mp3";
        QTest::newRow("dot at position 1") << "a.mp3|a.mp3|a(1).mp3";
        QTest::newRow("only an extension") << ".mp3|.mp3|.mp3(1)";
        QTest::newRow("no extension") << "notes|notes|notes(1)";
        // "<" is a name of 251 bytes: numbered, it loses whole characters to fit 255 bytes.
        QTest::newRow("at the length limit") << "<.mp3|<.mp3|>(1).mp3";
    }
    void freeNames() {
        QFETCH(QString, row);
        row.replace('<', 'a' + QString(125, QChar(0xE9)))
            .replace('>', 'a' + QString(123, QChar(0xE9)));
        const QStringList c = row.split(QLatin1Char('|'));
        for (const QString &e : c[0].split(QLatin1Char(',')))
            QVERIFY(Write(out + QLatin1Char('/') + e, "x"));
        DestinationIndex index(out, DestinationIndex::Mode::Placing);
        QCOMPARE(index.FreeName(out, c[1]), c[2]);
    }

    // A run into a folder first removes the temporaries killed runs left there, and only
    // those: hidden, our suffix, a regular file.
    void staleTemporariesAreSwept() {
        for (const char *name : {".Corvelle - A.mp3.part-Ab12Cd", ".b.part-000000",
                                 ".notes.part-12345", "x.mp3.part-Ab12Cd", ".c.part-Ab12C!"})
            QVERIFY(Write(out + QStringLiteral("/Corvelle/") + name, "partial"));
        QVERIFY(QDir().mkpath(out + QStringLiteral("/Corvelle/.d.part-Ab12Cd")));
        QVERIFY(Write(in + QStringLiteral("/Corvelle - A.mp3"), "a"));
        OrganizeList list;
        RunOne(list, QStringLiteral("Corvelle"), QStringLiteral("Corvelle - A.mp3"), Options(true));
        QCOMPARE(Entries(out + QStringLiteral("/Corvelle")),
                 QStringList({".c.part-Ab12C!", ".d.part-Ab12Cd", ".notes.part-12345",
                              "Corvelle - A.mp3", "x.mp3.part-Ab12Cd"}));
    }

    void emptyFolderNameGoesIntoOrganizeTo() {
        QVERIFY(Write(in + QStringLiteral("/Live/song.mp3"), "x"));
        OrganizeList list;
        OrganizeOptions o = Options(true);
        o.inpath += QLatin1Char('/'); // typed with a trailing slash
        o.outpath += QLatin1Char('/');
        RunOne(list, QString(), QStringLiteral("Live/song.mp3"), o);
        QCOMPARE(list.Count(), 0);
        QCOMPARE(Entries(out), QStringList({"song.mp3"}));
    }

    void caseInsensitiveNames_data() {
        QTest::addColumn<QString>("row"); // file already there|N: do nothing|files after
        QTest::newRow("existing folder in other case receives the row") << "||Song.mp3";
        QTest::newRow("existing file in other case clashes") << "song.mp3||Song(1).mp3,song.mp3";
        QTest::newRow("clash in other case with do nothing skips the row") << "song.mp3|N|song.mp3";
    }
    void caseInsensitiveNames() {
        QFETCH(QString, row);
        const QStringList c = row.split(QLatin1Char('|'));
        const bool doNothing = c[1] == QLatin1String("N");
        QVERIFY(QDir().mkpath(out + QStringLiteral("/corvelle")));
        if (!c[0].isEmpty())
            QVERIFY(Write(out + QStringLiteral("/corvelle/") + c[0], "OLD"));
        QVERIFY(Write(in + QStringLiteral("/Song.mp3"), "NEW"));
        OrganizeList list;
        const OrganizeReport report =
            RunOne(list, QStringLiteral("Corvelle"), QStringLiteral("Song.mp3"),
                   Options(true, false, doNothing));
        QCOMPARE(Entries(out), QStringList({"corvelle"}));
        QCOMPARE(Entries(out + QStringLiteral("/corvelle")).join(QLatin1Char(',')), c[2]);
        QCOMPARE(report.skipped + list.Count(), doNothing ? 2 : 0);
        QCOMPARE(QFile::exists(in + QStringLiteral("/Song.mp3")), doNothing);
    }

    // Faults: T read-only target folder, S read-only source folder, L locked source, C copy
    // cut short; then D delete the source, R replace, E the destination exists.
    void rowFailures_data() {
        QTest::addColumn<QString>("row"); // faults and options|organized|destination after
        QTest::newRow("read-only target folder") << "TD|0|";
        QTest::newRow("read-only source folder: copied, delete failed") << "SD|1|NEW";
        QTest::newRow("locked source: copied, delete failed") << "LD|1|NEW";
        QTest::newRow("cut short, free") << "CD|0|";
        QTest::newRow("cut short, numbered") << "CDE|0|OLD";
        QTest::newRow("cut short, replacing") << "CDRE|0|OLD";
        QTest::newRow("cut short, replacing, keeping the source") << "CRE|0|OLD";
        QTest::newRow("cut short, keeping the source") << "C|0|";
    }
    void rowFailures() {
        QFETCH(QString, row);
        const QStringList c = row.split(QLatin1Char('|'));
        const auto has = [&](char option) { return c[0].contains(QLatin1Char(option)); };
        const int organized = c[1].toInt();
        // Copied but not deleted is the one failure that counts as organized.
        const QString error = organized ? DeleteFailedText() : CopyErrorText();
        if ((has('T') || has('S')) && geteuid() == 0)
            QSKIP("permissions do not bind the superuser; the locked and cut-short rows cover it");
        const QByteArray data = QByteArray("NEW") + QByteArray(64 * 1024, 'n');
        QVERIFY(Write(in + QStringLiteral("/song.mp3"), data));
        QVERIFY(QDir().mkpath(out + QStringLiteral("/A")));
        if (has('E'))
            QVERIFY(Write(out + QStringLiteral("/A/song.mp3"), "OLD"));
        const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
        if (has('T'))
            QVERIFY(QFile::setPermissions(out + QStringLiteral("/A"), readOnly));
        if (has('S'))
            QVERIFY(QFile::setPermissions(in, readOnly));
        // A locked source cannot be moved by rename, so the copy is the only way.
        faults.sourceLocked = has('L') || (has('C') && has('D'));
        if (has('C'))
            faults.failCopyAfter = 1000;
        OrganizeList list;
        QList<RowOutcome> told;
        const OrganizeReport report = RunOne(
            list, QStringLiteral("A"), QStringLiteral("song.mp3"), Options(has('D'), has('R')),
            [&](const OrganizeRow &, RowOutcome outcome, const QString &detail) {
                told << outcome;
                QCOMPARE(detail, error);
            });
        faults = Faults();
        QCOMPARE(told, QList<RowOutcome>{RowOutcome::Failed});
        QCOMPARE(report.organized, organized);
        QCOMPARE(list.Count(), 1);
        QCOMPARE(list.Row(0).errorText, error);
        QCOMPARE(Read(in + QStringLiteral("/song.mp3")), data);
        QCOMPARE(Entries(out + QStringLiteral("/A")),
                 c[2].isEmpty() ? QStringList() : QStringList({"song.mp3"}));
        if (!c[2].isEmpty())
            QCOMPARE(Read(out + QStringLiteral("/A/song.mp3")), c[2] == "NEW" ? data : "OLD");
    }

    // Another program takes the destination name between the look and the placement: the
    // run looks again and takes the next free name, three times at most.
    void destinationTakenMeanwhile_data() {
        QTest::addColumn<bool>("deleteOld");
        QTest::addColumn<int>("races");
        QTest::addColumn<QStringList>("placing");
        QTest::addColumn<int>("rowsLeft");
        const QStringList twice{"song.mp3", "song(1).mp3"};
        QTest::newRow("copy, taken once") << false << 1 << twice << 0;
        QTest::newRow("move, taken once") << true << 1 << twice << 0;
        QTest::newRow("taken every time: three retries")
            << true << 99 << (twice + QStringList{"song(2).mp3", "song(3).mp3"}) << 1;
    }
    void destinationTakenMeanwhile() {
        QFETCH(bool, deleteOld);
        QFETCH(int, races);
        QFETCH(QStringList, placing);
        QFETCH(int, rowsLeft);
        QVERIFY(Write(in + QStringLiteral("/song.mp3"), "NEW"));
        faults.races = races;
        OrganizeList list;
        const OrganizeReport report =
            RunOne(list, QStringLiteral("A"), QStringLiteral("song.mp3"), Options(deleteOld));
        QCOMPARE(faults.placing, placing);
        QCOMPARE(list.Count(), rowsLeft);
        QCOMPARE(report.organized, 1 - rowsLeft);
        QCOMPARE(Read(out + QStringLiteral("/A/song.mp3")), QByteArray("theirs"));
        QCOMPARE(QFile::exists(in + QStringLiteral("/song.mp3")), rowsLeft == 1 || !deleteOld);
        if (rowsLeft)
            QCOMPARE(list.Row(0).errorText, CopyErrorText());
        else
            QCOMPARE(Read(out + QStringLiteral("/A/song(1).mp3")), QByteArray("NEW"));
    }

    void renameFromTag_data() {
        QTest::addColumn<bool>("renameFromTag");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QString>("expected");
        const QByteArray tag = TestEnv::Id3Block("Glow", "", "", "", "", 0, 0);
        QTest::newRow("tagged file takes its title") << true << tag << "Glow.mp3";
        QTest::newRow("option off keeps the name") << false << tag << "Corvelle - Song.MP3";
        QTest::newRow("no tag keeps the name")
            << true << QByteArray(128, 'x') << "Corvelle - Song.MP3";
    }
    void renameFromTag() {
        QFETCH(bool, renameFromTag);
        QFETCH(QByteArray, tail);
        QFETCH(QString, expected);
        QVERIFY(Write(in + QStringLiteral("/Corvelle - Song.MP3"), QByteArray(500, 'a') + tail));
        OrganizeOptions o = Options(true);
        o.renameFromTag = renameFromTag;
        OrganizeList list;
        RunOne(list, QStringLiteral("Corvelle"), QStringLiteral("Corvelle - Song.MP3"), o);
        QCOMPARE(list.Count(), 0);
        QCOMPARE(Entries(out + QStringLiteral("/Corvelle")), QStringList{expected});
    }

    // A file that already stands where it belongs is never deleted as its own "old copy",
    // and a dry run steps past it.
    void fileAlreadyInPlace_data() {
        QTest::addColumn<int>("how"); // 0 replace on, 1 numbering, 2 dry run
        QTest::newRow("replace on") << 0;
        QTest::newRow("numbering") << 1;
        QTest::newRow("dry run") << 2;
    }
    void fileAlreadyInPlace() {
        QFETCH(int, how);
        const bool dryRun = how == 2;
        in = out;
        QVERIFY(Write(out + QStringLiteral("/Corvelle/song.mp3"), "ONLY"));
        OrganizeOptions o = Options(true, how == 0);
        o.dryRun = dryRun;
        QStringList told;
        OrganizeList list;
        const OrganizeReport report =
            RunOne(list, QStringLiteral("Corvelle"), QStringLiteral("Corvelle/song.mp3"), o,
                   [&](const OrganizeRow &, RowOutcome outcome, const QString &detail) {
                       told << QString::number(int(outcome)) + detail;
                       if (told.size() > 5)
                           run.RequestCancel(); // a row handled over and over: stop the run
                   });
        const RowOutcome outcome = dryRun ? RowOutcome::Planned : RowOutcome::Organized;
        QCOMPARE(told, QStringList{QString::number(int(outcome)) + out + "/Corvelle/song.mp3"});
        QCOMPARE(report.organized, 1);
        QCOMPARE(list.Count(), dryRun ? 1 : 0);
        QCOMPARE(Entries(out + QStringLiteral("/Corvelle")), QStringList({"song.mp3"}));
        QCOMPARE(Read(out + QStringLiteral("/Corvelle/song.mp3")), QByteArray("ONLY"));
    }

    void rowsFailingBeforeAnyCopy() {
        QVERIFY(Write(in + QStringLiteral("/song.mp3"), "x"));
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("gone.mp3")));
        // A folder name must not lead out of Organize To.
        const OrganizeReport report =
            RunOne(list, QStringLiteral(".."), QStringLiteral("song.mp3"), Options(true));
        QCOMPARE(report.organized, 0);
        QCOMPARE(list.Row(0).errorText, MissingSourceText());
        QCOMPARE(list.Row(1).errorText, CopyErrorText());
        QCOMPARE(list.Row(1).status, RowStatus::Bad);
        QVERIFY(QFile::exists(in + QStringLiteral("/song.mp3")));
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("song.mp3"))));
    }

    void cancelLeavesRowsNotReached() {
        OrganizeList list;
        for (int i = 0; i < 5; ++i) {
            const QByteArray tag = TestEnv::Id3Block("Glow", "", "", "", "", 0, 0);
            QVERIFY(Write(in + QStringLiteral("/s%1.mp3").arg(i), QByteArray(200, 'x') + tag));
            list.Append(Row(QStringLiteral("F%1").arg(i), QStringLiteral("s%1.mp3").arg(i)));
        }
        // The run takes its options from the settings.
        Settings.deleteold = Settings.renamefiles = 1;
        Settings.replaceexisting = Settings.donothing = 0;
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult::Yes);
        FakeButton button(QStringLiteral("  2. Organize"));
        FakeProgressView view;
        int processing = 0;
        view.onStatus = [&](int index, const QString &text) {
            if (index == 1 && text.startsWith(QLatin1String("Processing ")) && ++processing == 2)
                run.RequestCancel();
        };
        RunOrganize(list, view, button, run, in, out);
        // The row in hand when Cancel came was finished; the rest stay as they were.
        QCOMPARE(list.Count(), 3);
        QCOMPARE(Entries(out + QStringLiteral("/F1")), QStringList{"Glow.mp3"});
        QVERIFY(!QFile::exists(in + QStringLiteral("/s1.mp3")));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(list.Row(i).folder, QStringLiteral("F%1").arg(i + 2));
            QCOMPARE(list.Row(i).status, RowStatus::Ok);
            QVERIFY(QFile::exists(in + QStringLiteral("/s%1.mp3").arg(i + 2)));
        }
        QVERIFY(dialogs.MessageTexts().last().startsWith(
            QStringLiteral("Not all files were organized.")));
        QCOMPARE(button.captions, QStringList({"Cancel", "  2. Organize"}));
        QCOMPARE(view.enables, QList<bool>({false, true}));
    }

    void endingMessages() {
        const struct {
            int left, organized, skipped;
            const char *start, *end;
        } rows[] = {
            {0, 0, 0, "File Organization Has", "Did Not Organize Any Files."},
            {1, 1, 0, "Not all files were organized.", "Error Details. "},
            {1, 1, 1, "Not all files were organized.",
             "(1 file was not organized because there already existed a file with the same "
             "name at that location, and you have the option 'Do Nothing' checked in "
             "preferences.)"},
            {2, 0, 2, "Not all files were organized.", "(2 files were not organized because"},
        };
        for (const auto &row : rows) {
            OrganizeReport report;
            report.organized = row.organized;
            report.skipped = row.skipped;
            const QString text = EndingMessage(row.left, report);
            QVERIFY2(text.startsWith(QLatin1String(row.start)) &&
                         text.contains(QLatin1String(row.end)) &&
                         (row.skipped == 2 || text.endsWith(QLatin1String(row.end))),
                     qPrintable(text));
        }
    }

    // O Organize To exists, D deleting sources, then the answer (Yes, No, Cancel); after the
    // run: the deletion setting, K the source kept, A aborted.
    void organizeFilesQuestions_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("missing Organize To: yes creates every level") << "D|Y|1|";
        QTest::newRow("missing Organize To: no aborts") << "D|N|1|KA";
        QTest::newRow("keeping sources: yes turns deletion on") << "O|Y|1|";
        QTest::newRow("keeping sources: no keeps them") << "O|N|0|K";
        QTest::newRow("keeping sources: cancel aborts") << "O|C|0|KA";
    }
    void organizeFilesQuestions() {
        QFETCH(QString, row);
        const QStringList c = row.split(QLatin1Char('|'));
        const bool outExists = c[0].contains(QLatin1Char('O'));
        const bool deleteOld = c[0].contains(QLatin1Char('D'));
        const bool done = !c[3].contains(QLatin1Char('A'));
        const MsgResult answer = c[1] == "Y"   ? MsgResult::Yes
                                 : c[1] == "N" ? MsgResult::No
                                               : MsgResult::Cancel;
        if (!outExists)
            out = dir->filePath(QStringLiteral("new/deeper/out"));
        QVERIFY(Write(in + QStringLiteral("/a.mp3"), "x"));
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        Settings.deleteold = deleteOld ? 1 : 0;
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(answer);
        FakeProgressView view;
        OrganizeFiles(list, view, Options(deleteOld), run);
        if (!outExists)
            QCOMPARE(dialogs.MessageTexts().first(),
                     out + " does not exist! Would you like to create this folder now?");
        QCOMPARE(dialogs.asked.first().buttons,
                 outExists ? MsgButtons::YesNoCancel : MsgButtons::YesNo);
        QCOMPARE(QFileInfo(out).isDir(), outExists || answer == MsgResult::Yes);
        QCOMPARE(Settings.deleteold, c[2].toInt());
        QCOMPARE(QFile::exists(in + QStringLiteral("/a.mp3")), c[3].contains(QLatin1Char('K')));
        QCOMPARE(list.Count(), done ? 0 : 1);
        QCOMPARE(dialogs.MessageTexts().last(),
                 done ? QStringLiteral("File Organization Has Been Completed. Sortiva Media "
                                       "Organizer Has Organized 1 Files.")
                      : QStringLiteral("Media File Organization Aborted."));
        QCOMPARE(dialogs.asked.last().icon, done ? MsgIcon::Information : MsgIcon::Critical);
    }

    // Another run's lock on the source folder, taken through the spelling given.
    void secondRunOnTheSameFolder_data() {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<bool>("busy");
        QTest::newRow("held under another spelling") << "in/../in/" << true;
        QTest::newRow("held through a link to the folder") << "link" << true;
        QTest::newRow("released before the run") << "in" << false;
    }
    void secondRunOnTheSameFolder() {
        QFETCH(QString, holder);
        QFETCH(bool, busy);
        QVERIFY(Write(in + QStringLiteral("/a.mp3"), "x"));
        QVERIFY(QFile::link(in, dir->filePath(QStringLiteral("link"))));
        out = dir->filePath(QStringLiteral("new"));
        auto other = std::make_unique<OrganizeLock>(dir->filePath(holder));
        QVERIFY(!other->Busy());
        if (!busy)
            other.reset();
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult::Yes);
        FakeProgressView view;
        OrganizeFiles(list, view, Options(true), run);
        QCOMPARE(dialogs.MessageTexts().first() == OrganizeBusyText(), busy);
        QCOMPARE(dialogs.asked.size() == 1 && dialogs.asked[0].icon == MsgIcon::Information, busy);
        QCOMPARE(QFileInfo::exists(out), !busy);
        QCOMPARE(QFile::exists(in + QStringLiteral("/a.mp3")), busy);
    }

    void organizeCommandStopsEarly_data() {
        QTest::addColumn<QString>("row"); // R: a row, O: Organize To given|the one message shown
        QTest::newRow("empty list") << "O|You must first load a folder with the 'Load' button.";
        QTest::newRow("empty Organize To, before any question")
            << "R|Please enter the 'Organize To' folder";
        QTest::newRow("confirmation answered no") << "RO|Note: this action cannot be undone!";
    }
    void organizeCommandStopsEarly() {
        QFETCH(QString, row);
        const QStringList c = row.split(QLatin1Char('|'));
        const bool withRow = c[0].contains(QLatin1Char('R'));
        QVERIFY(Write(in + QStringLiteral("/a.mp3"), "x"));
        OrganizeList list;
        if (withRow)
            list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult::No);
        FakeButton button(QStringLiteral("  2. Organize"));
        FakeProgressView view;
        RunOrganize(list, view, button, run, in, c[0].contains(QLatin1Char('O')) ? out : QString());
        QCOMPARE(dialogs.MessageTexts().size(), 1);
        QVERIFY(dialogs.MessageTexts().first().contains(c[1]));
        QVERIFY(view.enables.isEmpty());
        QCOMPARE(list.Count(), withRow ? 1 : 0);
        QVERIFY(QFile::exists(in + QStringLiteral("/a.mp3")));
    }

    // Names that are not UTF-8 (old collections copied from Windows) keep their bytes on
    // disk through load, organize and listing, and read as Windows-1252 for naming and
    // display. The source, its sub-folder and the destination carry such bytes too.
    void foreignNameBytes_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("move");
        QTest::newRow("latin-1 letter")
            << QByteArray("Caf\xe9 Tacuba - Eres.mp3") << u8"Café Tacuba - Eres.mp3" << true;
        QTest::newRow("1252 quote")
            << QByteArray("Don\x92t Panic - Cold.mp3") << u8"Don\u2019t Panic - Cold.mp3" << false;
        QTest::newRow("lone 0xFF")
            << QByteArray("\xff Band - Song.mp3") << u8"ÿ Band - Song.mp3" << true;
        QTest::newRow("cut sequence")
            << QByteArray("Caf\xc3 - Song.mp3") << u8"CafÃ - Song.mp3" << false;
        QTest::newRow("encoded surrogate")
            << QByteArray("X\xed\xa0\x80 - Song.mp3") << u8"Xí\u00a0€ - Song.mp3" << true;
        QTest::newRow("mixed valid and invalid")
            << QByteArray("Caf\xc3\xa9 \xe9 - Song.mp3") << u8"CafÃ© é - Song.mp3" << false;
        QTest::newRow("valid UTF-8")
            << QByteArray("Caf\xc3\xa9 - Song.mp3") << u8"Café - Song.mp3" << true;
    }
    void foreignNameBytes() {
        QFETCH(QByteArray, name);
        QFETCH(QString, shown);
        QFETCH(bool, move);
        const QByteArray root = QFile::encodeName(dir->path());
        const QByteArray source = root + "/Src\xe9";
        const QByteArray dest = root + "/D\xe9st";
        QVERIFY(::mkdir(source.constData(), 0755) == 0 && ::mkdir(dest.constData(), 0755) == 0);
        const QByteArray sub = source + "/Sub\x92/";
        QVERIFY(::mkdir(sub.constData(), 0755) == 0);
        QVERIFY(std::ofstream(QByteArray(sub + name).constData()) << "song");

        LoadScanOptions scan;
        scan.inpath = PathFromNative(source);
        scan.filter = QStringLiteral("*.mp3");
        scan.recursive = true;
        const std::vector<LoadRow> rows = LoadScan(scan);
        QCOMPARE(rows.size(), size_t(1));
        NamingContext context;
        const QString folder = DeriveFolderName(shown, shown, scan.naming, &context).folder;
        QCOMPARE(rows[0].name.folder, folder);

        OrganizeList list;
        list.Append(OrganizeRow::FromLoad(rows[0]));
        OrganizeOptions o = Options(move);
        o.inpath = scan.inpath;
        o.outpath = PathFromNative(dest);
        FakeProgressView view;
        OrganizeRows(list, view, o, run);
        QCOMPARE(list.Count(), 0);
        QCOMPARE(view.status1, QStringList{QStringLiteral("Processing Sub\u2019/") + shown});
        QCOMPARE(ReadBytes(dest + '/' + folder.toUtf8() + '/' + name), "song");
        QCOMPARE(ReadBytes(sub + name) == "song", !move);

        FolderList listing;
        listing.SetRootPath(PathFromNative(dest));
        listing.SearchFiles(QStringLiteral("*.*"));
        const QString file = dir->filePath(QStringLiteral("list.txt"));
        QCOMPARE(listing.SaveFiles(file, ListingOptions()), SaveResult::Saved);
        const QString text = QString::fromUtf8(Read(file));
        QVERIFY2(text.contains(QStringLiteral("\tPath: ") + QString::fromUtf8(root) +
                               QStringLiteral("/D\u00e9st\r\n")) &&
                     text.contains(QStringLiteral("\tFiles: 1\r\n")) &&
                     text.contains(QLatin1Char('\t') + shown) && !text.contains(QChar(0xFFFD)),
                 qPrintable(text));
    }

    void dryRunTouchesNothing() {
        QVERIFY(Write(in + QStringLiteral("/a/song.mp3"), "1"));
        QVERIFY(Write(in + QStringLiteral("/b/song.mp3"), "2"));
        OrganizeList list;
        list.Append(Row(QStringLiteral("X"), QStringLiteral("a/song.mp3")));
        list.Append(Row(QStringLiteral("X"), QStringLiteral("b/song.mp3")));
        OrganizeOptions o = Options(true);
        o.dryRun = true;
        QStringList planned;
        FakeProgressView view;
        OrganizeRows(list, view, o, run,
                     [&](const OrganizeRow &, RowOutcome outcome, const QString &d) {
                         QCOMPARE(outcome, RowOutcome::Planned);
                         planned << d;
                     });
        QCOMPARE(planned, QStringList({out + "/X/song.mp3", out + "/X/song(1).mp3"}));
        QCOMPARE(list.Count(), 2);
        QVERIFY(Entries(out).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOrganizeEngine)
#include "tst_organizeengine.moc"
