#include "organize/organizeengine.h"

#include "base/runcontrol.h"
#include "base/settings.h"
#include "base/testseams.h"
#include "organize/organizelist.h"
#include "support/fakeprogressview.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDateTime>
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

    qint64 CopyAllowance(qint64 written, qint64 block) const override {
        return failCopyAfter < 0 ? block : qMin(block, qMax<qint64>(0, failCopyAfter - written));
    }
    bool SourceLocked(const QString &) const override { return sourceLocked; }
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
    void UseSettings(bool deleteOld, bool replace = false, bool doNothing = false) {
        Settings.inpath = in;
        Settings.outpath = out;
        Settings.deleteold = deleteOld ? 1 : 0;
        Settings.replaceexisting = replace ? 1 : 0;
        Settings.donothing = doNothing ? 1 : 0;
        Settings.renamefiles = 0;
    }
    // Adds one row for @p relative under "in" and organizes the whole list.
    OrganizeReport RunOne(OrganizeList &list, const QString &folder, const QString &relative,
                          const OrganizeOptions &o) {
        list.Append(Row(folder, relative));
        FakeProgressView view;
        return OrganizeRows(list, view, o, run);
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
        QTest::addColumn<int>("rowsLeft");
        QTest::addColumn<int>("organized");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<bool>("sourceKept");
        QTest::addColumn<QByteArray>("destination");
        QTest::addColumn<QByteArray>("numbered");

        const QByteArray none("<missing>");
        QTest::newRow("do nothing skips an existing destination")
            << true << false << true << true << 1 << 0 << 1 << true << QByteArray("OLD") << none;
        QTest::newRow("do nothing wins over replace")
            << true << true << true << true << 1 << 0 << 1 << true << QByteArray("OLD") << none;
        QTest::newRow("replace and delete source")
            << false << true << true << true << 0 << 1 << 0 << false << QByteArray("NEW") << none;
        QTest::newRow("replace and keep source")
            << false << true << false << true << 0 << 1 << 0 << true << QByteArray("NEW") << none;
        QTest::newRow("numbered name and delete source")
            << false << false << true << true << 0 << 1 << 0 << false << QByteArray("OLD")
            << QByteArray("NEW");
        QTest::newRow("numbered name and keep source")
            << false << false << false << true << 0 << 1 << 0 << true << QByteArray("OLD")
            << QByteArray("NEW");
        QTest::newRow("free destination, delete source")
            << false << false << true << false << 0 << 1 << 0 << false << QByteArray("NEW") << none;
        QTest::newRow("free destination, keep source")
            << false << false << false << false << 0 << 1 << 0 << true << QByteArray("NEW") << none;
        QTest::newRow("free destination with do nothing and replace on")
            << true << true << true << false << 0 << 1 << 0 << false << QByteArray("NEW") << none;
    }
    void decisionTable() {
        QFETCH(bool, doNothing);
        QFETCH(bool, replace);
        QFETCH(bool, deleteOld);
        QFETCH(bool, destExists);
        QFETCH(int, rowsLeft);
        QFETCH(int, organized);
        QFETCH(int, skipped);
        QFETCH(bool, sourceKept);
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
        QCOMPARE(list.Count(), rowsLeft);
        QCOMPARE(report.organized, organized);
        QCOMPARE(report.skipped, skipped);
        QCOMPARE(QFile::exists(source), sourceKept);
        QCOMPARE(Read(dest), destination);
        QCOMPARE(Read(out + QStringLiteral("/Corvelle/Corvelle - Song(1).mp3")), numbered);
        if (rowsLeft == 1) {
            QCOMPARE(list.Row(0).status, RowStatus::Bad);
            QCOMPARE(list.Row(0).errorText, ClashText());
        }
        // Nothing temporary is ever left behind.
        for (const QString &name : Entries(out + QStringLiteral("/Corvelle")))
            QVERIFY2(!name.startsWith(QLatin1Char('.')), qPrintable(name));
    }

    void numberedNamesCountUp_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("third");
        QTest::newRow("number before the extension")
            << "song.mp3" << QStringList({"song(1).mp3", "song(2).mp3", "song.mp3"})
            << "song(2).mp3";
        QTest::newRow("dot-file stays hidden, number at the end")
            << ".notes" << QStringList({".notes", ".notes(1)", ".notes(2)"}) << ".notes(2)";
    }
    void numberedNamesCountUp() {
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        QFETCH(QString, third);
        OrganizeList list;
        for (const char *folder : {"a", "b", "c"}) {
            const QString relative = QLatin1String(folder) + QLatin1Char('/') + name;
            QVERIFY(Write(in + QLatin1Char('/') + relative, folder));
            list.Append(Row(QStringLiteral("X"), relative));
        }
        FakeProgressView view;
        OrganizeRows(list, view, Options(false), run);
        QCOMPARE(list.Count(), 0);
        QCOMPARE(Entries(out + QStringLiteral("/X")), expected);
        QCOMPARE(Read(out + QStringLiteral("/X/") + third), QByteArray("c"));
    }

    void emptyFolderNameGoesIntoOrganizeTo() {
        QVERIFY(Write(in + QStringLiteral("/Live/song.mp3"), "x"));
        OrganizeList list;
        RunOne(list, QString(), QStringLiteral("Live/song.mp3"), Options(true));
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
        if (doNothing)
            QCOMPARE(list.Row(0).errorText, ClashText());
    }

    void missingSource() {
        OrganizeList list;
        const OrganizeReport report =
            RunOne(list, QStringLiteral("A"), QStringLiteral("gone.mp3"), Options(true));
        QCOMPARE(report.organized, 0);
        QCOMPARE(list.Count(), 1);
        QCOMPARE(list.Row(0).status, RowStatus::Bad);
        QCOMPARE(list.Row(0).errorText, MissingSourceText());
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
        QTest::newRow("read-only target folder")
            << int(ReadOnlyTarget) << true << false << false << 0 << CopyErrorText() << none;
        QTest::newRow("read-only source folder: copied, delete failed")
            << int(ReadOnlySourceFolder) << true << false << false << 1 << DeleteFailedText()
            << QByteArray("NEW");
        QTest::newRow("locked source: copied, delete failed")
            << int(LockedSource) << true << false << false << 1 << DeleteFailedText()
            << QByteArray("NEW");
        QTest::newRow("copy cut short, free destination")
            << int(CopyCutShort) << true << false << false << 0 << CopyErrorText() << none;
        QTest::newRow("copy cut short, numbered destination")
            << int(CopyCutShort) << true << false << true << 0 << CopyErrorText()
            << QByteArray("OLD");
        QTest::newRow("copy cut short, replacing an old destination")
            << int(CopyCutShort) << true << true << true << 0 << CopyErrorText()
            << QByteArray("OLD");
        QTest::newRow("copy cut short, replacing and keeping the source")
            << int(CopyCutShort) << false << true << true << 0 << CopyErrorText()
            << QByteArray("OLD");
        QTest::newRow("copy cut short while keeping sources")
            << int(CopyCutShort) << false << false << false << 0 << CopyErrorText() << none;
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
        const OrganizeReport report = RunOne(list, QStringLiteral("A"), QStringLiteral("song.mp3"),
                                             Options(deleteOld, replace));
        faults = Faults();
        QCOMPARE(report.organized, organized);
        QCOMPARE(list.Count(), 1);
        QCOMPARE(list.Row(0).errorText, error);
        QCOMPARE(Read(in + QStringLiteral("/song.mp3")), data);
        QCOMPARE(Entries(out + QStringLiteral("/A")),
                 destAfter == "<missing>" ? QStringList() : QStringList({"song.mp3"}));
        QCOMPARE(Read(out + QStringLiteral("/A/song.mp3")), destAfter == "NEW" ? data : destAfter);
    }

    void copyKeepsTimeAndPermissions() {
        const QString source = in + QStringLiteral("/song.mp3");
        QVERIFY(Write(source, QByteArray(300000, 'c')));
        QVERIFY(QFile::setPermissions(source, QFile::ReadOwner | QFile::ReadGroup));
        const QDateTime old = QDateTime::fromSecsSinceEpoch(1000000000);
        {
            QFile f(source);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
        }
        OrganizeList list;
        RunOne(list, QStringLiteral("A"), QStringLiteral("song.mp3"), Options(false));
        const QFileInfo copy(out + QStringLiteral("/A/song.mp3"));
        QCOMPARE(copy.size(), qint64(300000));
        QCOMPARE(copy.lastModified(), old);
        QCOMPARE(copy.permissions() & (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup),
                 QFile::ReadOwner | QFile::ReadGroup);
        QVERIFY(QFile::exists(source));
    }

    void renameFromTag_data() {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QStringList>("expected");
        QByteArray tag("TAG");
        tag += QByteArray("Glow").leftJustified(30, '\0');
        tag += QByteArray(30 + 30 + 4 + 28 + 3, '\0');
        QTest::newRow("tagged file takes its title") << tag << QStringList({"Glow.mp3"});
        QTest::newRow("file without a tag keeps its name")
            << QByteArray(128, 'x') << QStringList({"Corvelle - Song.MP3"});
    }
    void renameFromTag() {
        QFETCH(QByteArray, tail);
        QFETCH(QStringList, expected);
        QVERIFY(Write(in + QStringLiteral("/Corvelle - Song.MP3"), QByteArray(500, 'a') + tail));
        Settings.filenamelist.clear();
        OrganizeOptions o = Options(true);
        o.renameFromTag = true;
        OrganizeList list;
        RunOne(list, QStringLiteral("Corvelle"), QStringLiteral("Corvelle - Song.MP3"), o);
        QCOMPARE(list.Count(), 0);
        QCOMPARE(Entries(out + QStringLiteral("/Corvelle")), expected);
    }

    void moveIsOneRename() {
        QVERIFY(Write(in + QStringLiteral("/song.mp3"), "x"));
        struct stat before {};
        QCOMPARE(::stat(QFile::encodeName(in + QStringLiteral("/song.mp3")).constData(), &before),
                 0);
        OrganizeList list;
        RunOne(list, QStringLiteral("A"), QStringLiteral("song.mp3"), Options(true));
        struct stat after {};
        QCOMPARE(::stat(QFile::encodeName(out + QStringLiteral("/A/song.mp3")).constData(), &after),
                 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QVERIFY(!QFile::exists(in + QStringLiteral("/song.mp3")));
    }

    void crossFileSystemCopiesThenDeletes() {
        const QString shm = QStringLiteral("/dev/shm");
        struct stat a {};
        struct stat b {};
        if (::stat("/dev/shm", &a) != 0 || ::stat(QFile::encodeName(in).constData(), &b) != 0 ||
            a.st_dev == b.st_dev || !QFileInfo(shm).isWritable())
            QSKIP("no second file system to copy across");
        QTemporaryDir other(shm + QStringLiteral("/sortiva-XXXXXX"));
        QVERIFY(other.isValid());
        const QByteArray data(40000, 'm');
        QVERIFY(Write(in + QStringLiteral("/song.mp3"), data));
        OrganizeOptions o = Options(true);
        o.outpath = other.path();
        OrganizeList list;
        RunOne(list, QStringLiteral("A"), QStringLiteral("song.mp3"), o);
        QCOMPARE(list.Count(), 0);
        QCOMPARE(Read(other.path() + QStringLiteral("/A/song.mp3")), data);
        QVERIFY(!QFile::exists(in + QStringLiteral("/song.mp3")));
    }

    void fileAlreadyInPlaceIsNeverDeleted_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("replace on") << true;
        QTest::newRow("numbering") << false;
    }
    void fileAlreadyInPlaceIsNeverDeleted() {
        QFETCH(bool, replace);
        in = out;
        QVERIFY(Write(out + QStringLiteral("/Corvelle/song.mp3"), "ONLY"));
        OrganizeList list;
        const OrganizeReport report =
            RunOne(list, QStringLiteral("Corvelle"), QStringLiteral("Corvelle/song.mp3"),
                   Options(true, replace));
        QCOMPARE(report.organized, 1);
        QCOMPARE(list.Count(), 0);
        QCOMPARE(Entries(out + QStringLiteral("/Corvelle")), QStringList({"song.mp3"}));
        QCOMPARE(Read(out + QStringLiteral("/Corvelle/song.mp3")), QByteArray("ONLY"));
    }

    void folderNameCannotLeaveOrganizeTo() {
        QVERIFY(Write(in + QStringLiteral("/song.mp3"), "x"));
        OrganizeList list;
        RunOne(list, QStringLiteral(".."), QStringLiteral("song.mp3"), Options(true));
        QCOMPARE(list.Row(0).errorText, CopyErrorText());
        QVERIFY(QFile::exists(in + QStringLiteral("/song.mp3")));
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("song.mp3"))));
    }

    void cancelLeavesRowsNotReached() {
        for (int i = 0; i < 5; ++i)
            QVERIFY(Write(in + QStringLiteral("/s%1.mp3").arg(i), "x"));
        OrganizeList list;
        for (int i = 0; i < 5; ++i)
            list.Append(Row(QStringLiteral("F%1").arg(i), QStringLiteral("s%1.mp3").arg(i)));
        UseSettings(true);
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
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(list.Row(i).folder, QStringLiteral("F%1").arg(i + 2));
            QCOMPARE(list.Row(i).status, RowStatus::Ok);
            QVERIFY(list.Row(i).errorText.isEmpty());
            QVERIFY(QFile::exists(in + QStringLiteral("/s%1.mp3").arg(i + 2)));
        }
        QVERIFY(dialogs.MessageTexts().last().startsWith(
            QStringLiteral("Not all files were organized.")));
        QCOMPARE(button.caption, QStringLiteral("  2. Organize"));
        QCOMPARE(view.enables, QList<bool>({false, true}));
    }

    void endingMessages_data() {
        QTest::addColumn<int>("organizedRows");
        QTest::addColumn<int>("skippedRows");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("icon");
        const QString notAll = QStringLiteral(
            "Not all files were organized. The files may be in use by another application or "
            "have read-only settings. Please see the list for files that could not be "
            "organized. You can right click on the file to see Error Details. ");
        QTest::newRow("empty list")
            << 0 << 0
            << "File Organization Has Been Completed. Sortiva Media Organizer Did Not Organize "
               "Any Files."
            << int(MsgIcon::Information);
        QTest::newRow("all organized")
            << 2 << 0
            << "File Organization Has Been Completed. Sortiva Media Organizer Has Organized 2 "
               "Files."
            << int(MsgIcon::Information);
        QTest::newRow("one skipped")
            << 1 << 1
            << notAll + "(1 file was not organized because there already existed a file with "
                        "the same name at that location, and you have the option 'Do Nothing' "
                        "checked in preferences.)"
            << int(MsgIcon::Critical);
        QTest::newRow("three skipped")
            << 0 << 3
            << notAll + "(3 files were not organized because there already existed a file with "
                        "the same name at that location, and you have the option 'Do Nothing' "
                        "checked in preferences.)"
            << int(MsgIcon::Critical);
    }
    void endingMessages() {
        QFETCH(int, organizedRows);
        QFETCH(int, skippedRows);
        QFETCH(QString, expected);
        QFETCH(int, icon);
        OrganizeList list;
        for (int i = 0; i < organizedRows; ++i) {
            QVERIFY(Write(in + QStringLiteral("/o%1.mp3").arg(i), "x"));
            list.Append(Row(QStringLiteral("A"), QStringLiteral("o%1.mp3").arg(i)));
        }
        for (int i = 0; i < skippedRows; ++i) {
            QVERIFY(Write(in + QStringLiteral("/s%1.mp3").arg(i), "x"));
            QVERIFY(Write(out + QStringLiteral("/B/s%1.mp3").arg(i), "old"));
            list.Append(Row(QStringLiteral("B"), QStringLiteral("s%1.mp3").arg(i)));
        }
        ScriptedDialogs dialogs;
        FakeProgressView view;
        OrganizeFiles(list, view, Options(true, false, true), run);
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked.last().text, expected);
        QCOMPARE(int(dialogs.asked.last().icon), icon);
        QCOMPARE(view.status1.last(), QStringLiteral("Finished"));
        QCOMPARE(view.value, 0);
    }

    void missingOrganizeToFolder_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("created");
        QTest::newRow("yes creates every level") << int(MsgResult::Yes) << true;
        QTest::newRow("no aborts") << int(MsgResult::No) << false;
    }
    void missingOrganizeToFolder() {
        QFETCH(int, answer);
        QFETCH(bool, created);
        out = dir->filePath(QStringLiteral("new/deeper/out"));
        QVERIFY(Write(in + QStringLiteral("/a.mp3"), "x"));
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult(answer));
        FakeProgressView view;
        OrganizeFiles(list, view, Options(true), run);
        QCOMPARE(dialogs.asked.first().text,
                 out + " does not exist! Would you like to create this folder now?");
        QCOMPARE(dialogs.asked.first().icon, MsgIcon::Critical);
        QCOMPARE(QFileInfo(out).isDir(), created);
        QCOMPARE(list.Count(), created ? 0 : 1);
        if (!created)
            QCOMPARE(dialogs.MessageTexts().last(),
                     QStringLiteral("Media File Organization Aborted."));
    }

    void keepSourceQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("deleteoldAfter");
        QTest::addColumn<bool>("sourceKept");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("yes turns deletion on") << int(MsgResult::Yes) << 1 << false << 0;
        QTest::newRow("no keeps the sources") << int(MsgResult::No) << 0 << true << 0;
        QTest::newRow("cancel aborts") << int(MsgResult::Cancel) << 0 << true << 1;
    }
    void keepSourceQuestion() {
        QFETCH(int, answer);
        QFETCH(int, deleteoldAfter);
        QFETCH(bool, sourceKept);
        QFETCH(int, rowsLeft);
        QVERIFY(Write(in + QStringLiteral("/a.mp3"), "x"));
        OrganizeList list;
        list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        UseSettings(false);
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult(answer));
        FakeProgressView view;
        OrganizeFiles(list, view, Options(false), run);
        QCOMPARE(dialogs.asked.first().buttons, MsgButtons::YesNoCancel);
        QCOMPARE(Settings.deleteold, deleteoldAfter);
        QCOMPARE(QFile::exists(in + QStringLiteral("/a.mp3")), sourceKept);
        QCOMPARE(list.Count(), rowsLeft);
    }

    void organizeCommandStopsEarly_data() {
        QTest::addColumn<bool>("withRow");
        QTest::addColumn<bool>("withOut");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("icon");
        QTest::newRow("empty list")
            << false << true << "You must first load a folder with the 'Load' button."
            << int(MsgIcon::Critical);
        QTest::newRow("empty Organize To is refused before any question")
            << true << false
            << "Please enter the 'Organize To' folder (or choose it with its '...' button) "
               "before organizing."
            << int(MsgIcon::Critical);
        QTest::newRow("confirmation answered no")
            << true << true
            << "Are you sure you want to organize these files?\r\n\r\nNote: this action cannot "
               "be undone!"
            << int(MsgIcon::Question);
    }
    void organizeCommandStopsEarly() {
        QFETCH(bool, withRow);
        QFETCH(bool, withOut);
        QFETCH(QString, expected);
        QFETCH(int, icon);
        QVERIFY(Write(in + QStringLiteral("/a.mp3"), "x"));
        OrganizeList list;
        if (withRow)
            list.Append(Row(QStringLiteral("A"), QStringLiteral("a.mp3")));
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult::No);
        FakeButton button(QStringLiteral("  2. Organize"));
        FakeProgressView view;
        RunOrganize(list, view, button, run, in, withOut ? out : QString());
        QCOMPARE(dialogs.MessageTexts(), QStringList({expected}));
        QCOMPARE(int(dialogs.asked.first().icon), icon);
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
