#include "base/desktopservices.h"
#include "base/dialogseam.h"
#include "base/fileoperations.h"
#include "base/paths.h"
#include "base/testseams.h"

#include "support/testenv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include <csignal>
#include <sys/resource.h>

// Copies take the path and get the allowance a test gives them, for as long as this lives.
class CopyFault final : public TestSeams {
  public:
    using Allowance = std::function<qint64(qint64 written, qint64 block)>;
    explicit CopyFault(bool kernel, Allowance allowance = {})
        : m_refused(!kernel), m_allowance(std::move(allowance)) {
        InstallTestSeams(this);
    }
    ~CopyFault() override { InstallTestSeams(nullptr); }
    bool KernelCopyRefused() const override { return m_refused; }
    qint64 CopyAllowance(qint64 written, qint64 block) const override {
        return m_allowance ? m_allowance(written, block) : block;
    }

  private:
    bool m_refused;
    Allowance m_allowance;
};

// Test rows with several texts hold them in one string, split at '|'.
static QStringList Cells(const QString &row) {
    return row.split(QLatin1Char('|'));
}

class TestFileOperations : public QObject {
    Q_OBJECT

  private:
    QString Write(const QString &relative, const QByteArray &data = QByteArrayLiteral("x")) {
        const QString path = dir->filePath(relative);
        return TestEnv::WriteFile(path, data) ? path : QString();
    }
    QByteArray Read(const QString &relative) const {
        QFile f(dir->filePath(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList Entries(const QString &relative = QString()) const {
        return QDir(dir->filePath(relative))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    std::unique_ptr<QTemporaryDir> dir;

  private slots:
    void initTestCase() { TestEnv::UseEnglishLocale(); }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }
    void cleanup() { dir.reset(); }

    void pathParts_data() {
        QTest::addColumn<QString>("row"); // path|FolderPart|FileNamePart|NormalizePath
        QTest::newRow("file in folder") << "/music/Live/a.mp3|/music/Live|a.mp3|/music/Live/a.mp3";
        QTest::newRow("trailing slashes removed") << "/music///|/music||/music";
        QTest::newRow("short, ending slash") << "a/|a||a/";
        QTest::newRow("three characters, two slashes") << "a//|a||a";
        QTest::newRow("root alone stays") << "/|||/";
        QTest::newRow("backslash is ordinary") << "/m/a\\b\\|/m|a\\b\\|/m/a\\b\\";
        QTest::newRow("network path keeps its leading pair") << "//srv/s/|//srv/s||//srv/s";
        QTest::newRow("long run collapsed in one go") << "/m////r|/m///|r|/m/r";
    }
    void pathParts() {
        QFETCH(QString, row);
        const QStringList c = Cells(row);
        QCOMPARE(FolderPart(c[0]), c[1]);
        QCOMPARE(FileNamePart(c[0]), c[2]);
        QCOMPARE(NormalizePath(c[0]), c[3]);
    }

    void exists_data() {
        QTest::addColumn<QString>("row"); // name|F: a file, D: a folder
        QTest::newRow("plain file") << "a.mp3|F";
        QTest::newRow("hidden file counts (mended)") << ".hidden.mp3|F";
        QTest::newRow("link to a file follows it") << "link.mp3|F";
        QTest::newRow("dangling link") << "dangling.mp3|";
        QTest::newRow("folder with slash") << "sub/|D";
    }
    void exists() {
        QFETCH(QString, row);
        const QStringList c = Cells(row);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
        const QString target = Write(QStringLiteral("a.mp3"));
        Write(QStringLiteral(".hidden.mp3"));
        QVERIFY(QFile::link(target, dir->filePath(QStringLiteral("link.mp3"))));
        QVERIFY(QFile::link(dir->filePath(QStringLiteral("gone")),
                            dir->filePath(QStringLiteral("dangling.mp3"))));
        QCOMPARE(FileExists(dir->filePath(c[0])), c[1] == QLatin1String("F"));
        QCOMPARE(FolderExists(dir->filePath(c[0])), c[1] == QLatin1String("D"));
        QVERIFY(!FolderExists(QStringLiteral("/")) && !FileExists(QString()));
    }

    void uniqueFileName_data() {
        QTest::addColumn<QString>("row"); // names taken (by ',', folders end in '/')|path|given
        QTest::newRow("dot only in folder numbers at end (mended)")
            << "my.music/song|my.music/song|my.music/song(1)";
        QTest::newRow("last dot of the name") << "a.b.mp3|a.b.mp3|a.b(1).mp3";
        QTest::newRow("dot-file numbered at end") << ".notes|.notes|.notes(1)";
        QTest::newRow("a folder in the way counts") << "clash.mp3/|clash.mp3|clash(1).mp3";
        // "<" is a name of 251 bytes: numbered, it loses whole characters to fit 255 bytes.
        QTest::newRow("at the length limit") << "<.mp3|<.mp3|>(1).mp3";
    }
    void uniqueFileName() {
        QFETCH(QString, row);
        row.replace('<', 'a' + QString(125, QChar(0xE9)))
            .replace('>', 'a' + QString(123, QChar(0xE9)));
        const QStringList c = Cells(row);
        for (const QString &e : c[0].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (e.endsWith(QLatin1Char('/')))
                QVERIFY(QDir().mkpath(dir->filePath(e)));
            else
                QVERIFY(!Write(e).isEmpty());
        }
        QDir().mkpath(QFileInfo(dir->filePath(c[1])).absolutePath());
        QCOMPARE(UniqueFileName(dir->filePath(c[1])), dir->filePath(c[2]));
    }

    void formatSize_data() {
        QTest::addColumn<double>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1023 still bytes") << 1023.0 << "1023 Bytes";
        QTest::newRow("1024 is 1 Kb") << 1024.0 << "1.00 Kb";
        QTest::newRow("Mb grouped") << 1023999999.0 << "1,000.00 Mb";
        QTest::newRow("Gb grouped") << 2048000000000.0 << "2,000.00 Gb";
    }
    void formatSize() {
        QFETCH(double, bytes);
        QFETCH(QString, expected);
        QCOMPARE(FormatSize(bytes), expected);
    }

    void getFileSize() {
        const QString path = Write(QStringLiteral("big.bin"), QByteArray());
        QCOMPARE(GetFileSize(path), qint64(0));
        QVERIFY(QFile::resize(path, 3000000000)); // past 32 bits, sparse
        QCOMPARE(GetFileSize(path), qint64(3000000000));
        QCOMPARE(GetFileSize(dir->path()), qint64(0));
        QCOMPARE(GetFileSize(dir->filePath(QStringLiteral("missing"))), qint64(0));
    }

    void deleteFile() {
        const QString path = Write(QStringLiteral("d.mp3"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner)); // read-only goes too
        DeleteFile(path);
        QVERIFY(!QFile::exists(path));
        // A link goes, its target and the target's permissions stay.
        const QString target = Write(QStringLiteral("t.mp3"));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        const QString link = dir->filePath(QStringLiteral("l.mp3"));
        QVERIFY(QFile::link(target, link));
        DeleteFile(link);
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(QFile::permissions(target) & QFile::WriteOwner, QFile::Permissions());
        // Run from inside the folder so a three-character relative name is real.
        const QString old = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir->path()));
        Write(QStringLiteral("abc"));
        DeleteFile(QStringLiteral("abc"));
        const bool kept = QFile::exists(QStringLiteral("abc"));
        QDir::setCurrent(old);
        QVERIFY(kept);
    }

    // The kernel copies between files where it can; another file system (a USB stick) needs
    // plain reads and writes. Both keep content, time and permissions.
    void copyKeepsContentTimeAndPermissions_data() {
        QTest::addColumn<bool>("kernel");
        QTest::newRow("kernel copy") << true;
        QTest::newRow("read and write") << false;
    }
    void copyKeepsContentTimeAndPermissions() {
        QFETCH(bool, kernel);
        QByteArray data(3 * 1024 * 1024 + 17, Qt::Uninitialized);
        for (int i = 0; i < data.size(); ++i)
            data[i] = char(i * 31 + i / 4099);
        const QString src = Write(QStringLiteral("src.mp3"), data);
        QVERIFY(QFile::setPermissions(src, QFile::ReadOwner | QFile::ReadGroup | QFile::ExeOwner));
        const QDateTime when = QDateTime(QDate(2003, 4, 5), QTime(6, 7, 8), Qt::UTC);
        {
            QFile f(src);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
        }
        QDir(dir->path()).mkdir(QStringLiteral("out"));
        const QString dst = dir->filePath(QStringLiteral("out/dst.mp3"));
        const CopyFault path(kernel);
        QVERIFY(CopyFile(src, dst));
        QCOMPARE(Read(QStringLiteral("out/dst.mp3")), data);
        QCOMPARE(QFileInfo(dst).lastModified().toUTC(), when);
        QCOMPARE(QFile::permissions(dst), QFile::permissions(src));
        QCOMPARE(Entries(QStringLiteral("out")), QStringList{"dst.mp3"});
    }

    void copyFileFailures_data() {
        QTest::addColumn<QString>("row"); // source|destination
        QTest::newRow("missing source") << "nothing.mp3|d.mp3";
        QTest::newRow("source is a folder") << "sub|d.mp3";
        QTest::newRow("target folder missing") << "src.mp3|nofolder/d.mp3";
        QTest::newRow("destination names a folder") << "src.mp3|sub/";
        QTest::newRow("onto itself") << "src.mp3|src.mp3";
        QTest::newRow("never replaces a file") << "src.mp3|old.mp3";
        QTest::newRow("nor a dangling link") << "src.mp3|link.mp3";
    }
    void copyFileFailures() {
        QFETCH(QString, row);
        Write(QStringLiteral("src.mp3"), "data");
        Write(QStringLiteral("old.mp3"), "old");
        QVERIFY(QFile::link(dir->filePath(QStringLiteral("gone.mp3")),
                            dir->filePath(QStringLiteral("link.mp3"))));
        QDir(dir->path()).mkdir(QStringLiteral("sub"));
        const QStringList before = Entries();
        QVERIFY(!CopyFile(dir->filePath(Cells(row)[0]), dir->filePath(Cells(row)[1])));
        QCOMPARE(Entries(), before);
        QVERIFY(Entries(QStringLiteral("sub")).isEmpty());
        QCOMPARE(Read(QStringLiteral("src.mp3")) + Read(QStringLiteral("old.mp3")),
                 QByteArray("dataold"));
    }

    void copyFailingPartWayLeavesNothing_data() {
        QTest::addColumn<bool>("kernel");
        QTest::addColumn<qint64>("failAfter");
        QTest::newRow("inside the first block") << true << qint64(1000);
        QTest::newRow("read and write, one byte short") << false << qint64(3 * 1024 * 1024 - 1);
    }
    void copyFailingPartWayLeavesNothing() {
        QFETCH(bool, kernel);
        QFETCH(qint64, failAfter);
        const QString src = Write(QStringLiteral("src.mp3"), QByteArray(3 * 1024 * 1024, 'm'));
        QDir(dir->path()).mkdir(QStringLiteral("out"));
        const QString dst = dir->filePath(QStringLiteral("out/dst.mp3"));
        {
            const CopyFault fault(kernel, [failAfter](qint64 written, qint64 block) {
                return qMin(block, qMax<qint64>(0, failAfter - written));
            });
            QVERIFY(!CopyFile(src, dst));
        }
        QVERIFY(Entries(QStringLiteral("out")).isEmpty());
        QCOMPARE(GetFileSize(src), qint64(3 * 1024 * 1024));
    }

    void copyNeverReplacesFileThatAppearsMeanwhile() {
        const QString src = Write(QStringLiteral("src.mp3"), QByteArray(2 * 1024 * 1024, 'n'));
        const QString dst = dir->filePath(QStringLiteral("dst.mp3"));
        bool ok = true;
        {
            // Another program creates the destination while the copy is under way.
            const CopyFault meanwhile(true, [&](qint64 written, qint64 block) {
                if (written > 0 && !QFile::exists(dst))
                    Write(QStringLiteral("dst.mp3"), "theirs");
                return block;
            });
            ok = CopyFile(src, dst);
        }
        QVERIFY(!ok);
        QCOMPARE(Read(QStringLiteral("dst.mp3")), QByteArray("theirs"));
        QCOMPARE(Entries(), (QStringList{"dst.mp3", "src.mp3"}));
    }

    // A write error that shows only when the copy is closed leaves no copy behind.
    void copyFailingAtCloseLeavesNothing() {
        const QString src = Write(QStringLiteral("src.mp3"), QByteArray(5000, 's'));
        const QString old = Write(QStringLiteral("old.mp3"), "old");
        struct FailingClose final : TestSeams {
            bool CloseFails() const override { return true; }
        } failing;
        InstallTestSeams(&failing);
        const bool copied = CopyFile(src, dir->filePath(QStringLiteral("dst.mp3")));
        const bool replaced = CopyReplacing(src, old);
        InstallTestSeams(nullptr);
        QVERIFY(!copied && !replaced);
        QCOMPARE(Entries(), (QStringList{"old.mp3", "src.mp3"}));
        QCOMPARE(Read(QStringLiteral("old.mp3")), QByteArray("old"));
    }

    // A file still being written (a download) must not be moved with its tail cut off.
    void copyOfAGrowingSourceIsRefused() {
        const QString src = Write(QStringLiteral("src.mp3"), QByteArray(100000, 'g'));
        const QString dst = dir->filePath(QStringLiteral("dst.mp3"));
        const CopyFault growing(true, [&](qint64 written, qint64 block) {
            QFile f(src);
            if (written == 0 && f.open(QIODevice::Append))
                f.write("more");
            return block;
        });
        QVERIFY(!CopyChecked(src, dst));
        QCOMPARE(Entries(), QStringList{"src.mp3"});
    }

    void copyFailsHonestlyOnShortWrite_data() { copyKeepsContentTimeAndPermissions_data(); }
    void copyFailsHonestlyOnShortWrite() {
        QFETCH(bool, kernel);
        // A file size limit makes the kernel cut a write short and then refuse the rest,
        // as a full disk does.
        const QString src = Write(QStringLiteral("src.mp3"), QByteArray(3 * 1024 * 1024, 'q'));
        QDir(dir->path()).mkdir(QStringLiteral("out"));
        struct rlimit old;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        struct rlimit limited = old;
        limited.rlim_cur = 1536 * 1024;
        const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        const CopyFault path(kernel);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const bool ok = CopyFile(src, dir->filePath(QStringLiteral("out/dst.mp3")));
        ::setrlimit(RLIMIT_FSIZE, &old);
        ::signal(SIGXFSZ, oldHandler);
        QVERIFY(!ok);
        QVERIFY(Entries(QStringLiteral("out")).isEmpty());
    }

    void renameFile_data() {
        QTest::addColumn<QString>("row"); // names taken ("!": read-only)|new name|R: replace|given
        QTest::newRow("free name") << "|b.mp3||b.mp3";
        QTest::newRow("taken twice: numbered name handed back") << "b.mp3,b(1).mp3|b.mp3||b(2).mp3";
        QTest::newRow("read-only in the way is replaced") << "b.mp3!|b.mp3|R|b.mp3";
        QTest::newRow("own name with replace keeps the file") << "|a.mp3|R|a.mp3";
    }
    void renameFile() {
        QFETCH(QString, row);
        const QStringList c = Cells(row);
        const bool replace = c[2] == QLatin1String("R");
        const QString old = Write(QStringLiteral("a.mp3"), "old");
        const QStringList existing =
            QString(c[0]).remove(QLatin1Char('!')).split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &e : existing)
            Write(e, "other");
        if (c[0].endsWith(QLatin1Char('!')))
            QFile::setPermissions(dir->filePath(existing.last()), QFile::ReadOwner);
        QString name = c[1];
        QVERIFY(RenameFile(old, name, replace));
        QCOMPARE(name, dir->filePath(c[3]));
        QCOMPARE(Read(c[3]), QByteArray("old"));
        QCOMPARE(FileExists(old), c[3] == QLatin1String("a.mp3"));
        for (const QString &e : existing)
            QCOMPARE(Read(e), QByteArray(replace ? "old" : "other"));
        QString none = c[1];
        QVERIFY(!RenameFile(QStringLiteral("a.mp3"), none, false)); // no folder given
        QVERIFY(!RenameFile(dir->filePath(QStringLiteral("none.mp3")), none, false));
    }

    // Batch programs and a start before any window ask nobody and agree to nothing.
    void quietDialogsAgreeToNothing() {
        DialogSeam &quiet = Dialogs();
        QCOMPARE(quiet.Message(QString(), MsgButtons::YesNo, MsgIcon::Question), MsgResult::No);
        QCOMPARE(quiet.Message(QString(), MsgButtons::YesNoCancel, MsgIcon::Question),
                 MsgResult::Cancel);
        QCOMPARE(quiet.Message(QString(), MsgButtons::Ok, MsgIcon::Critical), MsgResult::Ok);
        QVERIFY(!quiet.InputBox(QString(), QString(), QStringLiteral("x")));
        QVERIFY(!ShellRun(QStringLiteral("/m/a.mp3"), QString()));
    }
};

QTEST_GUILESS_MAIN(TestFileOperations)
#include "tst_fileoperations.moc"
