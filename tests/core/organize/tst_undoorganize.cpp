#include "organize/undoorganize.h"

#include "base/nativepath.h"
#include "base/runcontrol.h"
#include "base/testseams.h"
#include "organize/organizeengine.h"
#include "organize/organizejournal.h"
#include "organize/organizelist.h"
#include "support/fakeprogressview.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>

namespace fs = std::filesystem;

// Organize runs journalled and undone: the tree must come back byte for byte.
class TestUndoOrganize : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir;
    QByteArray in;
    QByteArray out;
    RunControl run;

    // Writes a file by its bytes with a modification time of its own.
    static void Put(const QByteArray &path, const QByteArray &data, int age) {
        fs::create_directories(fs::path(path.constData()).parent_path());
        std::ofstream(path.constData(), std::ios::binary) << data.constData();
        const struct timespec times[2] = {{1600000000 - age, 123456789},
                                          {1600000000 - age, 987654321 - age}};
        QVERIFY(::utimensat(AT_FDCWD, path.constData(), times, 0) == 0);
    }
    // Every entry below @p root: relative bytes, then the content and modification time of
    // files ("<dir>" for folders).
    static QStringList Tree(const QByteArray &root) {
        QStringList entries;
        if (!fs::exists(root.constData()))
            return {QStringLiteral("<none>")};
        for (const auto &e : fs::recursive_directory_iterator(root.constData())) {
            const QByteArray path = QByteArray::fromStdString(e.path().string());
            QString line = QString::fromLatin1(path.mid(root.size()).toPercentEncoding("/"));
            struct stat st;
            ::stat(path.constData(), &st);
            if (e.is_directory()) {
                line += QStringLiteral(" <dir>");
            } else {
                std::ifstream f(path.constData(), std::ios::binary);
                line += QLatin1Char(' ') +
                        QString::fromLatin1(std::string(std::istreambuf_iterator<char>(f), {})) +
                        QStringLiteral(" %1.%2").arg(st.st_mtim.tv_sec).arg(st.st_mtim.tv_nsec);
            }
            entries << line;
        }
        entries.sort();
        return entries;
    }
    static bool Exists(const QByteArray &path) { return fs::exists(path.constData()); }
    // The files and info files in the trash.
    static QStringList Trashed() {
        QStringList entries = Tree(qgetenv("XDG_DATA_HOME") + "/Trash");
        entries.removeIf([](const QString &e) { return e.endsWith(QStringLiteral("<dir>")); });
        entries.removeAll(QStringLiteral("<none>"));
        return entries;
    }
    OrganizeOptions Options(bool move, bool replace) const {
        OrganizeOptions o;
        o.inpath = PathFromNative(in);
        o.outpath = PathFromNative(out);
        o.deleteOld = move;
        o.replaceExisting = replace;
        return o;
    }
    // Organizes each "folder|relative path" row of @p rows.
    void Organize(const QStringList &rows, const OrganizeOptions &o, bool makeDest = false) {
        OrganizeList list;
        for (const QString &r : rows) {
            OrganizeRow row;
            row.folder = r.section(QLatin1Char('|'), 0, 0);
            row.relativePath = r.section(QLatin1Char('|'), 1);
            list.Append(row);
        }
        FakeProgressView view;
        OrganizeJournal journal(o.inpath, o.outpath);
        if (makeDest)
            journal.MakeFolderPath(o.outpath);
        OrganizeRows(list, view, o, run, {}, &journal);
        QCOMPARE(list.Count(), 0);
    }
    UndoReport Undo(bool dryRun = false) {
        const std::optional<JournalRun> last = LastRunToUndo();
        if (!last)
            return {0, 0, {QStringLiteral("<no run>")}, false};
        FakeProgressView view;
        return UndoRun(*last, view, run, dryRun);
    }
    // Drops the lines a run writes after each placement, as a kill right after it would.
    static void LoseEndLines() {
        const QString path = JournalFiles().last();
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray kept;
        for (const QByteArray &line : f.readAll().split('\n'))
            if (!line.startsWith("{\"done\"") && !line.isEmpty())
                kept += line + '\n';
        f.close();
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(kept) > 0);
    }

  private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        in = QFile::encodeName(dir->filePath(QStringLiteral("in")));
        out = QFile::encodeName(dir->filePath(QStringLiteral("out")));
        QDir(JournalFolder()).removeRecursively();
        run.Reset();
    }
    void cleanup() {
        fs::remove_all(QFile::encodeName(dir->path()).constData());
        dir.reset();
    }

    // Options: M move, R replace, N a new Organize To folder, K killed after every
    // placement (the end lines lost). Names may hold bytes that are not UTF-8.
    void undoGivesBackTheTree_data() {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("move") << "M" << QByteArray("Corvelle - Song.mp3");
        QTest::newRow("copy") << "" << QByteArray("Corvelle - Song.mp3");
        QTest::newRow("move replacing an older file") << "MR" << QByteArray("Corvelle - Song.mp3");
        QTest::newRow("copy replacing an older file") << "R" << QByteArray("Corvelle - Song.mp3");
        QTest::newRow("move numbering beside an older file") << "M" << QByteArray("Corvelle.mp3");
        QTest::newRow("move into a new Organize To folder") << "MN" << QByteArray("Caf\xe9.mp3");
        QTest::newRow("latin-1 names, replacing") << "MR" << QByteArray("Caf\xe9 - 100%.mp3");
        QTest::newRow("move killed after each file") << "MRK" << QByteArray("Corvelle - a.mp3");
        QTest::newRow("copy killed after each file") << "RK" << QByteArray("Corvelle - a.mp3");
    }
    void undoGivesBackTheTree() {
        QFETCH(QString, options);
        QFETCH(QByteArray, name);
        const bool move = options.contains(QLatin1Char('M'));
        const bool newDest = options.contains(QLatin1Char('N'));
        Put(in + "/" + name, "NEW", 0);
        Put(in + "/Live/" + name, "LIVE", 5); // the same destination: meets the first one
        Put(in + "/Pembo.mp3", "PEMBO", 9);
        if (newDest)
            out += "/new/deeper";
        else
            Put(out + "/Corvelle/" + name, "OLD", 99);
        const QStringList source = Tree(in);
        const QStringList dest = Tree(out);
        const QString readable = PathFromNative(name);
        Organize({QStringLiteral("Corvelle|") + readable,
                  QStringLiteral("Corvelle|Live/") + readable, QStringLiteral("Pembo|Pembo.mp3")},
                 Options(move, options.contains(QLatin1Char('R'))), newDest);
        QVERIFY(Tree(out) != dest);
        if (options.contains(QLatin1Char('K')))
            LoseEndLines();

        const QStringList afterRun = Tree(out);
        const UndoReport plan = Undo(true);
        QCOMPARE(Tree(out), afterRun); // a dry run touches nothing
        const UndoReport report = Undo();
        QCOMPARE(report.left, QStringList());
        QCOMPARE(report.undone, 3);
        QCOMPARE(plan.undone, report.undone);
        QCOMPARE(Tree(in), source);
        QCOMPARE(Tree(newDest ? QFile::encodeName(dir->filePath(QStringLiteral("out"))) : out),
                 newDest ? QStringList{QStringLiteral("<none>")} : dest);
        QCOMPARE(Trashed(), QStringList());
        QVERIFY(!LastRunToUndo()); // gone through: nothing left to undo
    }

    // What changed since the run is reported and left alone; the rest is undone.
    void changedFilesAreLeft_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("why");
        QTest::newRow("organized file changed") << "changed" << ChangedSinceText();
        QTest::newRow("organized file gone") << "gone" << GoneSinceText();
        QTest::newRow("source name taken") << "taken" << SourceTakenText();
        QTest::newRow("no trash for the replaced file") << "notrash" << ReplacedNotKeptText();
        QTest::newRow("another file under the replaced file's name in the trash")
            << "trashed" << ReplacedNotInTrashText();
    }
    void changedFilesAreLeft() {
        QFETCH(QString, change);
        QFETCH(QString, why);
        const QByteArray a = out + "/A/a.mp3";
        Put(in + "/a.mp3", "AAA", 1);
        Put(in + "/b.mp3", "BBB", 2);
        Put(a, "OLD", 3);
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        if (change == QLatin1String("notrash")) // a file where the trash would go
            qputenv("XDG_DATA_HOME", in + "/b.mp3");
        Organize({QStringLiteral("A|a.mp3"), QStringLiteral("B|b.mp3")}, Options(true, true));
        qputenv("XDG_DATA_HOME", dataHome);
        if (change == QLatin1String("changed"))
            Put(a, "AAAA", 1);
        else if (change == QLatin1String("gone"))
            QVERIFY(fs::remove(a.constData()));
        else if (change == QLatin1String("taken"))
            Put(in + "/a.mp3", "MINE", 1);
        else if (change == QLatin1String("trashed"))
            Put(NativePath(LastRunToUndo()->files.first().trash), "OTHER", 3);
        const QStringList before = Tree(out + "/A");

        const UndoReport report = Undo();
        QCOMPARE(report.left,
                 QStringList{QStringLiteral("%1/A/a.mp3: %2").arg(PathFromNative(out), why)});
        const bool movedBack =
            change == QLatin1String("notrash") || change == QLatin1String("trashed");
        QCOMPARE(report.undone, movedBack ? 2 : 1);
        QCOMPARE(TestEnv::ReadFile(QFile::decodeName(in + "/b.mp3")), QByteArray("BBB"));
        if (!movedBack)
            QCOMPARE(Tree(out + "/A"), before);
        QVERIFY(!Exists(out + "/B")); // the empty folder went
    }

    // Undo takes the newest run not undone yet, and can be started again after a Cancel.
    void runsAreUndoneNewestFirst() {
        Put(in + "/a.mp3", "A", 1);
        Put(in + "/b.mp3", "B", 2);
        Put(in + "/c.mp3", "C", 3);
        // The first run names its folders relative to its working folder; undo runs elsewhere.
        OrganizeOptions relative = Options(true, false);
        relative.inpath = QStringLiteral("in");
        relative.outpath = QStringLiteral("out");
        QVERIFY(QDir::setCurrent(dir->path()));
        Organize({QStringLiteral("A|a.mp3")}, relative, true);
        QVERIFY(QDir::setCurrent(QDir::rootPath()));
        Organize({QStringLiteral("B|b.mp3"), QStringLiteral("C|c.mp3")}, Options(true, false));
        FakeProgressView view;
        view.onStatus = [this](int index, const QString &) {
            if (index == 2)
                run.RequestCancel();
        };
        const UndoReport cancelled = UndoRun(*LastRunToUndo(), view, run, false);
        QVERIFY(cancelled.cancelled && cancelled.undone == 1);
        QVERIFY(UndoEndingMessage(cancelled).startsWith(QStringLiteral("Undo Was Cancelled.")));
        run.Reset();
        QCOMPARE(Undo().undone, 1); // the rest of the later run
        QVERIFY(Exists(in + "/b.mp3") && Exists(in + "/c.mp3"));
        QVERIFY(!Exists(in + "/a.mp3"));
        QCOMPARE(Undo().undone, 1);
        QVERIFY(Exists(in + "/a.mp3"));
        QCOMPARE(Undo().left, QStringList{QStringLiteral("<no run>")});

        for (int i = 0; i < kJournalRuns + 2; ++i) {
            Put(in + "/d.mp3", "D", i);
            Organize({QStringLiteral("D|d.mp3")}, Options(true, false), true);
            Undo();
        }
        QCOMPARE(JournalFiles().size(), kJournalRuns);
    }

    void journalPathsKeepTheirBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << QByteArray("/music/Corvelle - Song.mp3");
        QTest::newRow("percent signs") << QByteArray("/music/100% %41%25.mp3");
        QTest::newRow("latin-1 byte") << QByteArray("/music/Caf\xe9.mp3");
        QTest::newRow("utf-8 beside a stray byte") << QByteArray("/m\xc3\xa9/\xff\xc3.mp3");
        QTest::newRow("outside the basic plane") << QByteArray("/\xf0\x9f\x8e\xb5.mp3");
    }
    void journalPathsKeepTheirBytes() {
        QFETCH(QByteArray, bytes);
        const QString text = JournalPathText(PathFromNative(bytes));
        QVERIFY(text.isValidUtf16());
        QCOMPARE(NativePath(PathFromJournalText(text)), bytes);
    }
};

QTEST_GUILESS_MAIN(TestUndoOrganize)
#include "tst_undoorganize.moc"
