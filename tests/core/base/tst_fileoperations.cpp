#include "base/desktopservices.h"
#include "base/fileoperations.h"
#include "base/paths.h"
#include "base/testseams.h"

#include "support/scripteddialogs.h"
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

// Copies get the allowance a test gives them, for as long as this lives.
class CopyFault final : public TestSeams {
  public:
    using Allowance = std::function<qint64(qint64 written, qint64 block)>;
    explicit CopyFault(Allowance allowance) : m_allowance(std::move(allowance)) {
        InstallTestSeams(this);
    }
    ~CopyFault() override { InstallTestSeams(nullptr); }
    qint64 CopyAllowance(qint64 written, qint64 block) const override {
        return m_allowance(written, block);
    }

  private:
    Allowance m_allowance;
};

class TestFileOperations : public QObject {
    Q_OBJECT

  private:
    QString Write(const QString &relative, const QByteArray &data = QByteArrayLiteral("x")) {
        const QString path = dir->filePath(relative);
        return TestEnv::WriteFile(path, data) ? path : QString();
    }
    QStringList Entries(const QString &folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                      QDir::Name);
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
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::newRow("file in folder") << "/music/Live/a.mp3"
                                        << "/music/Live"
                                        << "a.mp3";
        QTest::newRow("trailing slash removed, not cut to parent") << "/music/"
                                                                   << "/music"
                                                                   << "";
        QTest::newRow("every trailing slash removed") << "/music///"
                                                      << "/music"
                                                      << "";
        QTest::newRow("file in root gives empty folder") << "/a.mp3"
                                                         << ""
                                                         << "a.mp3";
        QTest::newRow("no slash unchanged") << "song.mp3"
                                            << "song.mp3"
                                            << "song.mp3";
        QTest::newRow("short ending slash") << "a/"
                                            << "a"
                                            << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("backslash is an ordinary character") << "/m/a\\b.mp3"
                                                            << "/m"
                                                            << "a\\b.mp3";
    }
    void pathParts() {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QCOMPARE(FolderPart(path), folder);
        QCOMPARE(FileNamePart(path), name);
    }

    void normalizePath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root alone stays") << "/"
                                          << "/";
        QTest::newRow("network path keeps leading pair") << "//server/share/"
                                                         << "//server/share";
        QTest::newRow("doubled slash collapsed") << "/music//rock"
                                                 << "/music/rock";
        QTest::newRow("trailing slash removed") << "/music/"
                                                << "/music";
        QTest::newRow("long run collapsed in one go") << "/music////rock"
                                                      << "/music/rock";
        QTest::newRow("backslash not converted") << "/music\\rock\\"
                                                 << "/music\\rock\\";
        QTest::newRow("two characters untouched") << "a/"
                                                  << "a/";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("trailing removed then short kept") << "ab///"
                                                          << "ab";
    }
    void normalizePath() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(NormalizePath(path), expected);
    }

    void exists_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("file");
        QTest::addColumn<bool>("folder");
        QTest::newRow("plain file") << "a.mp3" << true << false;
        QTest::newRow("hidden file counts (mended)") << ".hidden.mp3" << true << false;
        QTest::newRow("link to a file follows it") << "link.mp3" << true << false;
        QTest::newRow("dangling link") << "dangling.mp3" << false << false;
        QTest::newRow("missing") << "missing.mp3" << false << false;
        QTest::newRow("folder") << "sub" << false << true;
        QTest::newRow("folder with slash") << "sub/" << false << true;
    }
    void exists() {
        QFETCH(QString, relative);
        QFETCH(bool, file);
        QFETCH(bool, folder);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
        const QString target = Write(QStringLiteral("a.mp3"));
        Write(QStringLiteral(".hidden.mp3"));
        QVERIFY(QFile::link(target, dir->filePath(QStringLiteral("link.mp3"))));
        QVERIFY(QFile::link(dir->filePath(QStringLiteral("gone")),
                            dir->filePath(QStringLiteral("dangling.mp3"))));
        QCOMPARE(FileExists(dir->filePath(relative)), file);
        QCOMPARE(FolderExists(dir->filePath(relative)), folder);
    }

    void folderExistsEdges_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << "";
        QTest::newRow("single character root") << "/";
        QTest::newRow("single character relative") << ".";
        QTest::newRow("missing") << "/no/such/folder/here";
    }
    void folderExistsEdges() {
        QFETCH(QString, path);
        QVERIFY(!FolderExists(path));
        QVERIFY(!FileExists(path));
    }

    void makeFolderPath_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("three levels") << "A/B/C";
        QTest::newRow("trailing slash") << "A/B/C/";
        QTest::newRow("existing level reused") << "sub/B";
    }
    void makeFolderPath() {
        QFETCH(QString, relative);
        QDir(dir->path()).mkdir(QStringLiteral("sub"));
        MakeFolderPath(dir->filePath(relative));
        QVERIFY(FolderExists(dir->filePath(relative)));
    }

    void makeFolderOneLevelOnly() {
        MakeFolder(dir->filePath(QStringLiteral("x/y")));
        QVERIFY(!FolderExists(dir->filePath(QStringLiteral("x"))));
        MakeFolder(dir->filePath(QStringLiteral("x")));
        MakeFolder(dir->filePath(QStringLiteral("x"))); // exists already: ignored
        QVERIFY(FolderExists(dir->filePath(QStringLiteral("x"))));
    }

    void uniqueFileName_data() {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free name unchanged") << QStringList() << "song.mp3"
                                             << "song.mp3";
        QTest::newRow("two taken gives 2") << QStringList{"song.mp3", "song(1).mp3"} << "song.mp3"
                                           << "song(2).mp3";
        QTest::newRow("dot only in folder numbers at end (mended)")
            << QStringList{"my.music/song"} << "my.music/song"
            << "my.music/song(1)";
        QTest::newRow("last dot of the name") << QStringList{"a.b.mp3"} << "a.b.mp3"
                                              << "a.b(1).mp3";
        QTest::newRow("dot-file numbered at end") << QStringList{".notes"} << ".notes"
                                                  << ".notes(1)";
        QTest::newRow("a folder in the way counts") << QStringList{"clash.mp3/"} << "clash.mp3"
                                                    << "clash(1).mp3";
    }
    void uniqueFileName() {
        QFETCH(QStringList, existing);
        QFETCH(QString, path);
        QFETCH(QString, expected);
        for (const QString &e : existing) {
            if (e.endsWith(QLatin1Char('/')))
                QVERIFY(QDir().mkpath(dir->filePath(e)));
            else
                QVERIFY(!Write(e).isEmpty());
        }
        QDir().mkpath(QFileInfo(dir->filePath(path)).absolutePath());
        QCOMPARE(UniqueFileName(dir->filePath(path)), dir->filePath(expected));
    }

    void formatSize_data() {
        QTest::addColumn<double>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << "0 Bytes";
        QTest::newRow("1023 still bytes") << 1023.0 << "1023 Bytes";
        QTest::newRow("1024 is 1 Kb") << 1024.0 << "1.00 Kb";
        QTest::newRow("Kb has no grouping") << 1023999.0 << "1000.00 Kb";
        QTest::newRow("1024000 is 1 Mb") << 1024000.0 << "1.00 Mb";
        QTest::newRow("5,000,000") << 5000000.0 << "4.88 Mb";
        QTest::newRow("Mb grouped") << 1023999999.0 << "1,000.00 Mb";
        QTest::newRow("3,000,000,000") << 3000000000.0 << "2.93 Gb";
        QTest::newRow("Gb grouped") << 2048000000000.0 << "2,000.00 Gb";
    }
    void formatSize() {
        QFETCH(double, bytes);
        QFETCH(QString, expected);
        QCOMPARE(FormatSize(bytes), expected);
    }

    void formatSizeFollowsLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString kb = FormatSize(2048);
        const QString mb = FormatSize(2048000000000.0);
        TestEnv::UseEnglishLocale();
        QCOMPARE(kb, QStringLiteral("2,00 Kb"));
        QCOMPARE(mb, QStringLiteral("2.000,00 Gb"));
    }

    void getFileSize_data() {
        QTest::addColumn<qint64>("size");
        QTest::newRow("empty file") << qint64(0);
        QTest::newRow("small") << qint64(1234);
        QTest::newRow("past 32 bits (sparse 3 GB)") << qint64(3000000000);
    }
    void getFileSize() {
        QFETCH(qint64, size);
        const QString path = Write(QStringLiteral("big.bin"), QByteArray());
        QVERIFY(QFile::resize(path, size));
        QCOMPARE(GetFileSize(path), size);
    }

    void getFileSizeErrorsGiveZero() {
        QCOMPARE(GetFileSize(dir->filePath(QStringLiteral("missing"))), qint64(0));
        QCOMPARE(GetFileSize(dir->path()), qint64(0));
        QCOMPARE(GetFileSize(QString()), qint64(0));
    }

    void deleteFile_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("writable") << false;
        QTest::newRow("read-only") << true;
    }
    void deleteFile() {
        QFETCH(bool, readOnly);
        const QString path = Write(QStringLiteral("d.mp3"));
        if (readOnly)
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        DeleteFile(path);
        QVERIFY(!FileExists(path));
    }

    void deleteFileShortPathsIgnored() {
        // Run from inside the folder so a three-character relative name is real.
        const QString old = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir->path()));
        Write(QStringLiteral("abc"));
        DeleteFile(QStringLiteral("abc"));
        const bool kept = QFile::exists(QStringLiteral("abc"));
        QDir::setCurrent(old);
        QVERIFY(kept);
    }

    void deleteFileLeavesLinkTarget() {
        const QString target = Write(QStringLiteral("t.mp3"));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        const QString link = dir->filePath(QStringLiteral("l.mp3"));
        QVERIFY(QFile::link(target, link));
        DeleteFile(link);
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(FileExists(target));
        QCOMPARE(QFile::permissions(target) & QFile::WriteOwner, QFile::Permissions());
    }

    void copyFileKeepsContentTimeAndPermissions() {
        QByteArray data(3 * 1024 * 1024 + 17, Qt::Uninitialized);
        for (int i = 0; i < data.size(); ++i)
            data[i] = char(i * 31);
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
        QVERIFY(CopyFile(src, dst));
        QFile f(dst);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), data);
        QCOMPARE(QFileInfo(dst).lastModified().toUTC(), when);
        QCOMPARE(QFile::permissions(dst), QFile::permissions(src));
        QCOMPARE(Entries(dir->filePath(QStringLiteral("out"))), QStringList{"dst.mp3"});
    }

    void copyFileNeverReplaces() {
        const QString src = Write(QStringLiteral("src.mp3"), "new");
        const QString dst = Write(QStringLiteral("dst.mp3"), "old");
        QVERIFY(!CopyFile(src, dst));
        QFile f(dst);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old"));
        QCOMPARE(Entries(dir->path()), (QStringList{"dst.mp3", "src.mp3"}));
    }

    void copyFileFailures_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::newRow("missing source") << "nothing.mp3"
                                        << "d.mp3";
        QTest::newRow("source is a folder") << "sub"
                                            << "d.mp3";
        QTest::newRow("target folder missing") << "src.mp3"
                                               << "nofolder/d.mp3";
        QTest::newRow("destination names a folder") << "src.mp3"
                                                    << "sub/";
        QTest::newRow("onto itself") << "src.mp3"
                                     << "src.mp3";
    }
    void copyFileFailures() {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        Write(QStringLiteral("src.mp3"), "data");
        QDir(dir->path()).mkdir(QStringLiteral("sub"));
        QVERIFY(!CopyFile(dir->filePath(source), dir->filePath(destination)));
        QCOMPARE(Entries(dir->path()), (QStringList{"src.mp3", "sub"}));
        QVERIFY(Entries(dir->filePath(QStringLiteral("sub"))).isEmpty());
    }

    void copyFailingPartWayLeavesNothing_data() {
        QTest::addColumn<qint64>("failAfter");
        QTest::newRow("before the first byte") << qint64(0);
        QTest::newRow("inside the first block") << qint64(1000);
        QTest::newRow("in a later block") << qint64(2 * 1024 * 1024 + 5);
        QTest::newRow("one byte short") << qint64(3 * 1024 * 1024 - 1);
    }
    void copyFailingPartWayLeavesNothing() {
        QFETCH(qint64, failAfter);
        const QString src = Write(QStringLiteral("src.mp3"), QByteArray(3 * 1024 * 1024, 'm'));
        QDir(dir->path()).mkdir(QStringLiteral("out"));
        const QString dst = dir->filePath(QStringLiteral("out/dst.mp3"));
        {
            const CopyFault fault([failAfter](qint64 written, qint64 block) {
                return qMin(block, qMax<qint64>(0, failAfter - written));
            });
            QVERIFY(!CopyFile(src, dst));
        }
        QVERIFY(Entries(dir->filePath(QStringLiteral("out"))).isEmpty());
        QCOMPARE(GetFileSize(src), qint64(3 * 1024 * 1024));
        // With the injector gone, copies work again.
        QVERIFY(CopyFile(src, dst));
        QCOMPARE(GetFileSize(dst), qint64(3 * 1024 * 1024));
    }

    void copyNeverReplacesFileThatAppearsMeanwhile() {
        const QString src = Write(QStringLiteral("src.mp3"), QByteArray(2 * 1024 * 1024, 'n'));
        const QString dst = dir->filePath(QStringLiteral("dst.mp3"));
        // Another program creates the destination while the copy is under way.
        bool ok = true;
        {
            const CopyFault meanwhile([&](qint64 written, qint64 block) {
                if (written > 0 && !QFile::exists(dst))
                    Write(QStringLiteral("dst.mp3"), "theirs");
                return block;
            });
            ok = CopyFile(src, dst);
        }
        QVERIFY(!ok);
        QFile f(dst);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("theirs"));
        QCOMPARE(Entries(dir->path()), (QStringList{"dst.mp3", "src.mp3"}));
    }

    void copyFailsHonestlyOnShortWrite() {
        // A file size limit makes the kernel cut a write short and then refuse the rest,
        // as a full disk does.
        const QString src = Write(QStringLiteral("src.mp3"), QByteArray(3 * 1024 * 1024, 'q'));
        QDir(dir->path()).mkdir(QStringLiteral("out"));
        const QString dst = dir->filePath(QStringLiteral("out/dst.mp3"));
        struct rlimit old;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        struct rlimit limited = old;
        limited.rlim_cur = 1536 * 1024;
        const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const bool ok = CopyFile(src, dst);
        ::setrlimit(RLIMIT_FSIZE, &old);
        ::signal(SIGXFSZ, oldHandler);
        QVERIFY(!ok);
        QVERIFY(Entries(dir->filePath(QStringLiteral("out"))).isEmpty());
    }

    void copyRefusesDanglingLinkAtDestination() {
        const QString src = Write(QStringLiteral("src.mp3"), "data");
        const QString dst = dir->filePath(QStringLiteral("dst.mp3"));
        QVERIFY(QFile::link(dir->filePath(QStringLiteral("gone.mp3")), dst));
        QVERIFY(!CopyFile(src, dst));
        QVERIFY(QFileInfo(dst).isSymLink());
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("gone.mp3"))));
    }

    void renameFile_data() {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("handedBack");
        QTest::addColumn<QByteArray>("contentAtResult");
        QTest::newRow("free name")
            << QStringList() << "b.mp3" << false << "b.mp3" << QByteArray("old");
        QTest::newRow("taken, no replace: numbered name handed back")
            << QStringList{"b.mp3"} << "b.mp3" << false << "b(1).mp3" << QByteArray("old");
        QTest::newRow("taken twice: second number") << QStringList{"b.mp3", "b(1).mp3"} << "b.mp3"
                                                    << false << "b(2).mp3" << QByteArray("old");
        QTest::newRow("taken, replace: old file deleted")
            << QStringList{"b.mp3"} << "b.mp3" << true << "b.mp3" << QByteArray("old");
        QTest::newRow("read-only in the way is replaced")
            << QStringList{"b.mp3!ro"} << "b.mp3" << true << "b.mp3" << QByteArray("old");
        QTest::newRow("own name with replace keeps the file")
            << QStringList() << "a.mp3" << true << "a.mp3" << QByteArray("old");
    }
    void renameFile() {
        QFETCH(QStringList, existing);
        QFETCH(QString, newName);
        QFETCH(bool, replace);
        QFETCH(QString, handedBack);
        QFETCH(QByteArray, contentAtResult);
        const QString old = Write(QStringLiteral("a.mp3"), "old");
        for (QString e : existing) {
            const bool ro = e.endsWith(QLatin1String("!ro"));
            e.remove(QLatin1String("!ro"));
            const QString p = Write(e, "other");
            if (ro)
                QFile::setPermissions(p, QFile::ReadOwner);
        }
        QString name = newName;
        QVERIFY(RenameFile(old, name, replace));
        QCOMPARE(name, dir->filePath(handedBack));
        QFile f(name);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), contentAtResult);
        if (handedBack != QLatin1String("a.mp3"))
            QVERIFY(!FileExists(old));
        for (QString e : existing) {
            e.remove(QLatin1String("!ro"));
            if (!replace)
                QVERIFY(FileExists(dir->filePath(e)));
        }
    }

    void renameFailures() {
        QString name = QStringLiteral("b.mp3");
        QVERIFY(!RenameFile(QStringLiteral("a.mp3"), name, false)); // no folder given
        QCOMPARE(name, QStringLiteral("b.mp3"));
        QVERIFY(!RenameFile(dir->filePath(QStringLiteral("none.mp3")), name, false));
        QVERIFY(!FileExists(dir->filePath(QStringLiteral("b.mp3"))));
    }

    void prepareShellRun_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("verb");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("passed");
        QTest::addColumn<QString>("passedVerb");
        QTest::addColumn<QString>("folder");
        QTest::newRow("empty is never run") << ""
                                            << "" << false << ""
                                            << ""
                                            << "";
        QTest::newRow("one character is never run") << "a"
                                                    << "open" << false << ""
                                                    << ""
                                                    << "";
        QTest::newRow("plain path") << "/m/a.mp3"
                                    << "" << true << "/m/a.mp3"
                                    << "open"
                                    << "/m";
        QTest::newRow("blank gets quotes") << "/m/a b.mp3"
                                           << "play" << true << "\"/m/a b.mp3\""
                                           << "play"
                                           << "/m";
        QTest::newRow("already quoted at start unchanged") << "\"/m/a b.mp3"
                                                           << "open" << true << "\"/m/a b.mp3"
                                                           << "open"
                                                           << "\"/m";
        QTest::newRow("quote at end unchanged") << "/m/a b.mp3\""
                                                << "open" << true << "/m/a b.mp3\""
                                                << "open"
                                                << "/m";
        QTest::newRow("surrounding blanks trimmed before quoting") << "  /m/a.mp3  "
                                                                   << "" << true << "/m/a.mp3"
                                                                   << "open"
                                                                   << "/m";
        QTest::newRow("file in root works in root") << "/a.mp3"
                                                    << "" << true << "/a.mp3"
                                                    << "open"
                                                    << "/";
        QTest::newRow("only blanks is never run") << "   "
                                                  << "" << false << ""
                                                  << ""
                                                  << "";
    }
    void prepareShellRun() {
        QFETCH(QString, file);
        QFETCH(QString, verb);
        QFETCH(bool, valid);
        QFETCH(QString, passed);
        QFETCH(QString, passedVerb);
        QFETCH(QString, folder);
        const ShellCommand cmd = PrepareShellRun(file, verb);
        QCOMPARE(cmd.valid, valid);
        if (!valid)
            return;
        QCOMPARE(cmd.file, passed);
        QCOMPARE(cmd.verb, passedVerb);
        QCOMPARE(cmd.folder, folder);
    }

    void shellRun_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("verb");
        QTest::addColumn<bool>("openResult");
        QTest::addColumn<bool>("expected");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("open passes the path unquoted")
            << "/m/a b.mp3"
            << "open" << true << true << QStringList{"/m/a b.mp3"};
        QTest::newRow("empty verb opens") << "/m/a.mp3"
                                          << "" << true << true << QStringList{"/m/a.mp3"};
        QTest::newRow("quoted path opened without its quotes")
            << "\"/m/a b.mp3\""
            << "" << true << true << QStringList{"/m/a b.mp3"};
        QTest::newRow("play is not known here") << "/m/a.mp3"
                                                << "play" << true << false << QStringList();
        QTest::newRow("too short never asks the desktop")
            << "a"
            << "open" << true << false << QStringList();
        QTest::newRow("desktop failure reported")
            << "/m/a.mp3"
            << "open" << false << false << QStringList{"/m/a.mp3"};
    }
    void shellRun() {
        QFETCH(QString, file);
        QFETCH(QString, verb);
        QFETCH(bool, openResult);
        QFETCH(bool, expected);
        QFETCH(QStringList, opened);
        ScriptedDialogs dialogs;
        dialogs.openResult = openResult;
        QCOMPARE(ShellRun(file, verb), expected);
        QCOMPARE(dialogs.opened, opened);
    }

    void dialogsGoThroughTheSeam() {
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(QStringLiteral("/picked")).AnswerPath(QString()).AnswerColor(0x123456);
        QCOMPARE(BrowseForFolder(QStringLiteral("Pick"), QString()), QStringLiteral("/picked"));
        QCOMPARE(dialogs.asked.last().extra, QDir::currentPath());
        QCOMPARE(ShowFileDialog(true, QString(), QStringLiteral("cancelled"), QString(),
                                QStringLiteral("txt"), QString()),
                 QStringLiteral("cancelled"));
        QCOMPARE(dialogs.asked.last().title, QStringLiteral("Select File..."));
        QCOMPARE(dialogs.asked.last().extra, QStringLiteral("All Files (*.*)|*.*"));
        QCOMPARE(ChooseColorDialog(0xFF), 0x123456);
        QCOMPARE(ChooseColorDialog(0xFF), -1);
        ShowFileProperties(QStringLiteral("/m/a.mp3"));
        QCOMPARE(dialogs.properties, QStringList{"/m/a.mp3"});
    }
};

QTEST_GUILESS_MAIN(TestFileOperations)
#include "tst_fileoperations.moc"
