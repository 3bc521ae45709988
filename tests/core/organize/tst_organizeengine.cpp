#include "organize/organizeengine.h"

#include "base/paths.h"
#include "base/runcontrol.h"
#include "base/settings.h"
#include "base/testseams.h"
#include "organize/destinationindex.h"
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
#include <sys/stat.h>
#include <unistd.h>

enum Fault { ReadOnlyTarget, ReadOnlySourceFolder, LockedSource, CopyCutShort };

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

    static bool Write(const QString &path, const QByteArray &data) {
        return TestEnv::WriteFile(path, data);
    }
    static QByteArray Read(const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
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
        dir.reset();
    }

    void decisionTable_data() {
        QTest::addColumn<bool>("doNothing");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<bool>("deleteOld");
        QTest::addColumn<bool>("destExists");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QByteArray>("destination");
        QTest::addColumn<QByteArray>("numbered");
        const QByteArray none("<missing>");
        const QByteArray o("OLD");
        const QByteArray n("NEW");
        QTest::newRow("do nothing skips") << true << false << true << true << 1 << o << none;
        QTest::newRow("do nothing wins over replace")
            << true << true << true << true << 1 << o << none;
        QTest::newRow("replace, delete source") << false << true << true << true << 0 << n << none;
        QTest::newRow("replace, keep source") << false << true << false << true << 0 << n << none;
        QTest::newRow("numbered, delete source") << false << false << true << true << 0 << o << n;
        QTest::newRow("numbered, keep source") << false << false << false << true << 0 << o << n;
        QTest::newRow("free, delete source") << false << false << true << false << 0 << n << none;
        QTest::newRow("free, keep source") << false << false << false << false << 0 << n << none;
        QTest::newRow("free with do nothing and replace")
            << true << true << true << false << 0 << n << none;
    }
    void decisionTable() {
        QFETCH(bool, doNothing);
        QFETCH(bool, replace);
        QFETCH(bool, deleteOld);
        QFETCH(bool, destExists);
        QFETCH(int, skipped);
        QFETCH(QByteArray, destination);
        QFETCH(QByteArray, numbered);
        const QString source = in + QStringLiteral("/Corvelle - Song.mp3");
        const QString dest = out + QStringLiteral("/Corvelle/Corvelle - Song.mp3");
        QVERIFY(Write(source, "NEW"));
        if (destExists)
            QVERIFY(Write(dest, "OLD"));
        OrganizeList list;
        const OrganizeReport report =
            RunOne(list, QStringLiteral("Corvelle"), QStringLiteral("Corvelle - Song.mp3"),
                   Options(deleteOld, replace, doNothing));
        QCOMPARE(list.Count(), skipped);
        QCOMPARE(report.organized, 1 - skipped);
        QCOMPARE(report.skipped, skipped);
        QCOMPARE(QFile::exists(source), skipped == 1 || !deleteOld);
        QCOMPARE(Read(dest), destination);
        QCOMPARE(Read(out + QStringLiteral("/Corvelle/Corvelle - Song(1).mp3")), numbered);
        if (skipped) {
            QCOMPARE(list.Row(0).status, RowStatus::Bad);
            QCOMPARE(list.Row(0).errorText, ClashText());
        }
        // Nothing temporary is ever left behind.
        for (const QString &name : Entries(out + QStringLiteral("/Corvelle")))
            QVERIFY2(!name.startsWith(QLatin1Char('.')), qPrintable(name));
    }

    // A dot at the start of a name begins no extension.
    void freeNames_data() {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << QStringList{"other.mp3"} << "song.mp3"
                              << "song.mp3";
        QTest::newRow("taken in other case") << QStringList{"SONG.mp3"} << "song.mp3"
                                             << "song(1).mp3";
        QTest::newRow("two taken") << QStringList{"song.mp3", "song(1).mp3"} << "song.mp3"
                                   << "song(2).mp3";
        QTest::newRow("last dot") << QStringList{"a.b.mp3"} << "a.b.mp3"
                                  << "a.b(1).mp3";
        QTest::newRow("dot at position 1") << QStringList{"a.mp3"} << "a.mp3"
                                           << "a(1).mp3";
        QTest::newRow("only an extension") << QStringList{".mp3"} << ".mp3"
                                           << ".mp3(1)";
        QTest::newRow("no extension") << QStringList{"notes"} << "notes"
                                      << "notes(1)";
    }
    void freeNames() {
        QFETCH(QStringList, existing);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        for (const QString &e : existing)
            QVERIFY(Write(out + QLatin1Char('/') + e, "x"));
        DestinationIndex index(out, DestinationIndex::Mode::Placing);
        QCOMPARE(index.FreeName(out, name), expected);
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
        QTest::addColumn<QString>("existingFile");
        QTest::addColumn<bool>("doNothing");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("existing folder in other case receives the row")
            << "" << false << QStringList({"Song.mp3"});
        QTest::newRow("existing file in other case clashes")
            << "song.mp3" << false << QStringList({"Song(1).mp3", "song.mp3"});
        QTest::newRow("clash in other case with do nothing skips the row")
            << "song.mp3" << true << QStringList({"song.mp3"});
    }
    void caseInsensitiveNames() {
        QFETCH(QString, existingFile);
        QFETCH(bool, doNothing);
        QFETCH(QStringList, expected);
        QVERIFY(QDir().mkpath(out + QStringLiteral("/corvelle")));
        if (!existingFile.isEmpty())
            QVERIFY(Write(out + QStringLiteral("/corvelle/") + existingFile, "OLD"));
        QVERIFY(Write(in + QStringLiteral("/Song.mp3"), "NEW"));
        OrganizeList list;
        const OrganizeReport report =
            RunOne(list, QStringLiteral("Corvelle"), QStringLiteral("Song.mp3"),
                   Options(true, false, doNothing));
        QCOMPARE(Entries(out), QStringList({"corvelle"}));
        QCOMPARE(Entries(out + QStringLiteral("/corvelle")), expected);
        QCOMPARE(report.skipped, doNothing ? 1 : 0);
        QCOMPARE(list.Count(), doNothing ? 1 : 0);
        QCOMPARE(QFile::exists(in + QStringLiteral("/Song.mp3")), doNothing);
    }

    // Every failed copy or delete keeps the source whole, leaves no partial file and keeps
    // an old destination as it was.
    void rowFailures_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("deleteOld");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<bool>("destExists");
        QTest::addColumn<int>("organized");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QByteArray>("destAfter"); // "NEW": the source's bytes
        const QByteArray none("<missing>");
        const QByteArray old("OLD");
        const QString copyError = CopyErrorText();
        QTest::newRow("read-only target folder")
            << int(ReadOnlyTarget) << true << false << false << 0 << copyError << none;
        QTest::newRow("read-only source folder: copied, delete failed")
            << int(ReadOnlySourceFolder) << true << false << false << 1 << DeleteFailedText()
            << QByteArray("NEW");
        QTest::newRow("locked source: copied, delete failed")
            << int(LockedSource) << true << false << false << 1 << DeleteFailedText()
            << QByteArray("NEW");
        QTest::newRow("cut short, free")
            << int(CopyCutShort) << true << false << false << 0 << copyError << none;
        QTest::newRow("cut short, numbered")
            << int(CopyCutShort) << true << false << true << 0 << copyError << old;
        QTest::newRow("cut short, replacing")
            << int(CopyCutShort) << true << true << true << 0 << copyError << old;
        QTest::newRow("cut short, replacing, keeping the source")
            << int(CopyCutShort) << false << true << true << 0 << copyError << old;
        QTest::newRow("cut short, keeping the source")
            << int(CopyCutShort) << false << false << false << 0 << copyError << none;
    }
    void rowFailures() {
        QFETCH(int, fault);
        QFETCH(bool, deleteOld);
        QFETCH(bool, replace);
        QFETCH(bool, destExists);
        QFETCH(int, organized);
        QFETCH(QString, error);
        QFETCH(QByteArray, destAfter);
        if ((fault == ReadOnlyTarget || fault == ReadOnlySourceFolder) && geteuid() == 0)
            QSKIP("permissions do not bind the superuser; the locked and cut-short rows cover it");
        const QByteArray data = QByteArray("NEW") + QByteArray(64 * 1024, 'n');
        QVERIFY(Write(in + QStringLiteral("/song.mp3"), data));
        QVERIFY(QDir().mkpath(out + QStringLiteral("/A")));
        if (destExists)
            QVERIFY(Write(out + QStringLiteral("/A/song.mp3"), "OLD"));
        if (fault == ReadOnlyTarget)
            QVERIFY(QFile::setPermissions(out + QStringLiteral("/A"),
                                          QFile::ReadOwner | QFile::ExeOwner));
        if (fault == ReadOnlySourceFolder)
            QVERIFY(QFile::setPermissions(in, QFile::ReadOwner | QFile::ExeOwner));
        // A locked source cannot be moved by rename, so the copy is the only way.
        faults.sourceLocked = fault == LockedSource || (fault == CopyCutShort && deleteOld);
        if (fault == CopyCutShort)
            faults.failCopyAfter = 1000;
        OrganizeList list;
        QList<RowOutcome> told;
        const OrganizeReport report = RunOne(
            list, QStringLiteral("A"), QStringLiteral("song.mp3"), Options(deleteOld, replace),
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
                 destAfter == "<missing>" ? QStringList() : QStringList({"song.mp3"}));
        QCOMPARE(Read(out + QStringLiteral("/A/song.mp3")), destAfter == "NEW" ? data : destAfter);
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

    void moveIsOneRename() {
        QVERIFY(Write(in + QStringLiteral("/song.mp3"), "x"));
        const QFileInfo before(in + QStringLiteral("/song.mp3"));
        struct stat a {};
        struct stat b {};
        QCOMPARE(::stat(QFile::encodeName(before.filePath()).constData(), &a), 0);
        OrganizeList list;
        RunOne(list, QStringLiteral("A"), QStringLiteral("song.mp3"), Options(true));
        QCOMPARE(::stat(QFile::encodeName(out + QStringLiteral("/A/song.mp3")).constData(), &b), 0);
        QCOMPARE(b.st_ino, a.st_ino);
        QVERIFY(!QFile::exists(before.filePath()));
    }

    // A file that already stands where it belongs is never deleted as its own "old copy",
    // and a dry run steps past it.
    void fileAlreadyInPlace_data() {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<bool>("dryRun");
        QTest::newRow("replace on") << true << false;
        QTest::newRow("numbering") << false << false;
        QTest::newRow("dry run") << false << true;
    }
    void fileAlreadyInPlace() {
        QFETCH(bool, replace);
        QFETCH(bool, dryRun);
        in = out;
        QVERIFY(Write(out + QStringLiteral("/Corvelle/song.mp3"), "ONLY"));
        OrganizeOptions o = Options(true, replace);
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

    void endingMessages_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("organized");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QString>("end");
        QTest::newRow("none") << 0 << 0 << 0 << "Did Not Organize Any Files.";
        QTest::newRow("one organized") << 0 << 1 << 0
                                       << "Completed. Sortiva Media Organizer "
                                          "Has Organized 1 Files.";
        QTest::newRow("one failed") << 1 << 1 << 0 << "Error Details. ";
        QTest::newRow("one skipped") << 1 << 1 << 1
                                     << "Details. (1 file was not organized "
                                        "because there already existed a file "
                                        "with the same name at that location, "
                                        "and you have the option 'Do Nothing' "
                                        "checked in preferences.)";
        QTest::newRow("two skipped") << 2 << 0 << 2
                                     << "Details. (2 files were not organized "
                                        "because";
    }
    void endingMessages() {
        QFETCH(int, left);
        QFETCH(int, organized);
        QFETCH(int, skipped);
        QFETCH(QString, end);
        OrganizeReport report;
        report.organized = organized;
        report.skipped = skipped;
        const QString text = EndingMessage(left, report);
        QVERIFY2(
            text.startsWith(left ? "Not all files were organized." : "File Organization Has") &&
                text.contains(end) && (skipped == 2 || text.endsWith(end)),
            qPrintable(text));
    }

    void organizeFilesQuestions_data() {
        QTest::addColumn<bool>("outExists");
        QTest::addColumn<bool>("deleteOld");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("deleteoldAfter");
        QTest::addColumn<bool>("sourceKept");
        QTest::addColumn<QString>("last");
        const QString done = QStringLiteral("File Organization Has Been Completed. Sortiva Media "
                                            "Organizer Has Organized 1 Files.");
        const QString aborted = QStringLiteral("Media File Organization Aborted.");
        QTest::newRow("missing Organize To: yes creates every level")
            << false << true << int(MsgResult::Yes) << 1 << false << done;
        QTest::newRow("missing Organize To: no aborts")
            << false << true << int(MsgResult::No) << 1 << true << aborted;
        QTest::newRow("keeping sources: yes turns deletion on")
            << true << false << int(MsgResult::Yes) << 1 << false << done;
        QTest::newRow("keeping sources: no keeps them")
            << true << false << int(MsgResult::No) << 0 << true << done;
        QTest::newRow("keeping sources: cancel aborts")
            << true << false << int(MsgResult::Cancel) << 0 << true << aborted;
    }
    void organizeFilesQuestions() {
        QFETCH(bool, outExists);
        QFETCH(bool, deleteOld);
        QFETCH(int, answer);
        QFETCH(int, deleteoldAfter);
        QFETCH(bool, sourceKept);
        QFETCH(QString, last);
        if (!outExists)
            out = dir->filePath(QStringLiteral("new/deeper/out"));
        QVERIFY(Write(in + QStringLiteral("/a.mp3"), "x"));
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        Settings.deleteold = deleteOld ? 1 : 0;
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult(answer));
        FakeProgressView view;
        OrganizeFiles(list, view, Options(deleteOld), run);
        if (!outExists)
            QCOMPARE(dialogs.MessageTexts().first(),
                     out + " does not exist! Would you like to create this folder now?");
        QCOMPARE(dialogs.asked.first().buttons,
                 outExists ? MsgButtons::YesNoCancel : MsgButtons::YesNo);
        QCOMPARE(QFileInfo(out).isDir(), outExists || answer == int(MsgResult::Yes));
        QCOMPARE(Settings.deleteold, deleteoldAfter);
        QCOMPARE(QFile::exists(in + QStringLiteral("/a.mp3")), sourceKept);
        const bool done = last.startsWith(QLatin1String("File Organization"));
        QCOMPARE(list.Count(), done ? 0 : 1);
        QCOMPARE(dialogs.MessageTexts().last(), last);
        QCOMPARE(dialogs.asked.last().icon, done ? MsgIcon::Information : MsgIcon::Critical);
    }

    void organizeCommandStopsEarly_data() {
        QTest::addColumn<bool>("withRow");
        QTest::addColumn<bool>("withOut");
        QTest::addColumn<QString>("expected"); // in the one message shown
        QTest::newRow("empty list")
            << false << true << "You must first load a folder with the 'Load' button.";
        QTest::newRow("empty Organize To, before any question")
            << true << false << "Please enter the 'Organize To' folder";
        QTest::newRow("confirmation answered no")
            << true << true << "Note: this action cannot be undone!";
    }
    void organizeCommandStopsEarly() {
        QFETCH(bool, withRow);
        QFETCH(bool, withOut);
        QFETCH(QString, expected);
        QVERIFY(Write(in + QStringLiteral("/a.mp3"), "x"));
        OrganizeList list;
        if (withRow)
            list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult::No);
        FakeButton button(QStringLiteral("  2. Organize"));
        FakeProgressView view;
        RunOrganize(list, view, button, run, in, withOut ? out : QString());
        QCOMPARE(dialogs.MessageTexts().size(), 1);
        QVERIFY(dialogs.MessageTexts().first().contains(expected));
        QVERIFY(view.enables.isEmpty());
        QCOMPARE(list.Count(), withRow ? 1 : 0);
        QVERIFY(QFile::exists(in + QStringLiteral("/a.mp3")));
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
