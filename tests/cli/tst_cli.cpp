#include "organize/organizelock.h"
#include "support/testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

// sortiva-cli run as a user runs it, against a private settings folder. In the tables "@"
// stands for the temporary folder the media trees live in.
class TestCli : public QObject {
    Q_OBJECT

  private:
    struct Run {
        int status;
        QString out, err;
    };
    QTemporaryDir m_dir;
    QTemporaryDir m_config;

    QString At(QString text) const { return text.replace(QLatin1Char('@'), m_dir.path()); }
    void Write(const QString &relative, const QByteArray &content = "x") {
        QVERIFY(TestEnv::WriteFile(m_dir.filePath(relative), content));
    }
    static QByteArray Read(const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // @p terminal "1" makes the program take standard error for a terminal.
    Run Cli(const QStringList &arguments, const QString &terminal = QString(),
            const QString &program = QStringLiteral(SORTIVA_CLI_PATH)) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        env.insert(QStringLiteral("XDG_STATE_HOME"), m_config.filePath(QStringLiteral("state")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_config.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("SORTIVA_STDERR_TTY"), terminal);
        env.insert(QStringLiteral("COLUMNS"), QStringLiteral("300"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_dir.path());
        QStringList expanded;
        for (const QString &a : arguments)
            expanded << At(a);
        p.start(program, expanded);
        const bool ended = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit;
        return {ended ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid() && m_config.isValid());
        qputenv("XDG_RUNTIME_DIR", m_config.path().toUtf8()); // organize locks, ours and its
        for (const char *name :
             {"Corvelle - Song.mp3", "notes.txt", "Tab\tName - Song.wma", "(1).mp3",
              "Live/Pembo Ft. Kaz - Song.mp3", "Esc\x1b]0;\x7f\xc2\x9b\r - Song.mp3"})
            Write(QStringLiteral("media/") + QLatin1String(name));
        // An ID3 tag whose album is "the velvet lanterns", for derive.
        Write(QStringLiteral("tagged.mp3"),
              QByteArray(500, 'x') + TestEnv::Id3Block(QByteArray(30, ' '), QByteArray(30, ' '),
                                                       "the velvet lanterns", "2001", "", 1, 17));
        Write("music/a.mp3", "abc");
        Write("music/notes.txt", "12345");
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("music/Empty"))));
    }

    void cleanupTestCase() {
        // Qt cannot remove names that are not UTF-8; the standard library takes bytes.
        std::filesystem::remove_all(QFile::encodeName(m_dir.path()).constData());
    }

    // Every refusal exits with its status, says why on standard error and touches no file.
    void refusals() {
        const OrganizeLock otherRun(m_dir.filePath(QStringLiteral("music/")));
        for (const auto &[arguments, status, err] : {
                 std::tuple{QStringList{}, 2, ""},
                 {{"load", "@/nothing"}, 2, "Folder does not exist!\n"},
                 {{"load", "--dash", "7", "@/media"}, 2, "--dash takes"},
                 {{"organize", "@/media", "@/out"}, 2, "organize moves and copies"},
                 {{"organize", "--yes", "@/music", "@/out"},
                  2,
                  "Another organize of this folder is running.\n"},
                 {{"undo"}, 2, "undo moves files back"},
                 {{"undo", "--dry-run", "--yes"}, 2, "undo moves files back"},
                 {{"export", "--text", "--html", "@/music", "@/l.txt"}, 2, "Usage:"},
                 {{"export", "@/gone/", "@/l.txt"}, 2, "Unable to read directory! (@/gone)\n"},
                 {{"export", "--text", "@/music", "@/music/a.mp3"},
                  1,
                  "This list file already exists!"},
                 {{"export", "--text", "@/music", "@/no/such/l.txt"},
                  1,
                  "Unable to write the list file! (@/no/such/l.txt)\n"},
             }) {
            const Run r = Cli(arguments);
            QCOMPARE(r.status, status);
            QVERIFY2(!*err || r.err.startsWith(At(QLatin1String(err))), qPrintable(r.err));
            QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("out"))));
            QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("l.txt"))));
            QCOMPARE(Read(m_dir.filePath(QStringLiteral("music/a.mp3"))), QByteArray("abc"));
        }
    }

    // The options reach the search and the naming; a bad row; control characters in names
    // escaped.
    void load() {
        const Run r =
            Cli({"load", "--recursive", "--filter", "mp3,wma", "--no-primary", "@/media/"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral(
                            "bad\t\t(1).mp3\n"
                            "ok\tCorvelle\tCorvelle - Song.mp3\n"
                            "ok\tEsc \\x7f\u00e2\\x9b\tEsc\\e]0;\\x7f\u00c2\\x9b\\x0d - Song.mp3\n"
                            "ok\tTab Name\tTab\\tName - Song.wma\n"
                            "ok\tPembo With Kaz\tLive/Pembo Ft. Kaz - Song.mp3\n"));
        QCOMPARE(r.err, QStringLiteral("5 files, 1 without a folder name\n"));
    }

    void longLoadIsPrintedOnce() {
        for (int i = 0; i < 1200; ++i)
            Write(QStringLiteral("many/Artist%1 - A Rather Long Song Title.mp3")
                      .arg(i, 4, 10, QLatin1Char('0')));
        const Run r = Cli({"load", "@/many"});
        QCOMPARE(r.err, QStringLiteral("1200 files, 0 without a folder name\n"));
        QCOMPARE(r.out.count(QLatin1Char('\n')), 1200);
    }

    void derive() {
        const Run r =
            Cli({"derive", "--tag", "tagged.mp3", "missing.mp3", "...", "Line\nB - x.mp3"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("ok\tVelvet Lanterns\ttagged.mp3\nok\tMissing\tmissing.mp3\n"
                                       "bad\t\t...\nok\tLine B\tLine\\nB - x.mp3\n"));
    }

    void readsTheStoredSettingsAndNeverWritesThem() {
        QVERIFY(Cli({"load", "@/media"}).status == 0);
        const QString conf = m_config.filePath(QStringLiteral("Sortiva/Sortiva.conf"));
        QVERIFY(!QFile::exists(conf));
        const QByteArray stored = "[settings]\ndashoption=1\nremovesubs=0\n";
        QVERIFY(TestEnv::WriteFile(conf, stored));
        const QString name = QStringLiteral("Corvelle - Pembo & Kaz.mp3");
        QCOMPARE(Cli({"derive", name}).out, "ok\tPembo And Kaz\t" + name + '\n');
        QCOMPARE(Cli({"derive", "--dash", "0", name}).out, "ok\tCorvelle\t" + name + '\n');
        QCOMPARE(Read(conf), stored);
        QVERIFY(QFile::remove(conf));
    }

    // The stored smarter-names choice holds unless a flag overrides it for the run.
    void smartNamesFlags() {
        const QString conf = m_config.filePath(QStringLiteral("Sortiva/Sortiva.conf"));
        const QString name = QStringLiteral("Salt-N-Pepa - Push It.mp3");
        const QString plain = "ok\tSalt\t" + name + '\n', smart = "ok\tSalt-N-Pepa\t" + name + '\n';
        QCOMPARE(Cli({"derive", name}).out, plain);
        QCOMPARE(Cli({"derive", "--smart-names", name}).out, smart);
        QVERIFY(TestEnv::WriteFile(conf, "[settings]\nsmartnames=1\n"));
        QCOMPARE(Cli({"derive", name}).out, smart);
        QCOMPARE(Cli({"derive", "--no-smart-names", name}).out, plain);
        QCOMPARE(Cli({"derive", "--smart-names", "--no-smart-names", name}).status, 2);
        QVERIFY(QFile::remove(conf));
    }

    // The same for the richer tags: an ID3v2 album names the folder only with all tags on.
    void allTagsFlags() {
        const QString conf = m_config.filePath(QStringLiteral("Sortiva/Sortiva.conf"));
        const QByteArray album("\0Rich Album", 11); // text encoding byte, then the text
        QByteArray tag("ID3\x03\0\0\0\0\0", 9);
        tag += char(10 + album.size());
        tag += QByteArray("TALB\0\0\0", 7) + char(album.size()) + QByteArray(2, '\0') + album;
        Write(QStringLiteral("Plain Name - Song.mp3"), tag + QByteArray("\xFF\xFB\x90\x64", 4));
        const QString name = QStringLiteral("Plain Name - Song.mp3");
        const QString plain = "ok\tPlain Name\t" + name + '\n',
                      rich = "ok\tRich Album\t" + name + '\n';
        QCOMPARE(Cli({"derive", "--tag", name}).out, plain);
        QCOMPARE(Cli({"derive", "--tag", "--all-tags", name}).out, rich);
        QVERIFY(TestEnv::WriteFile(conf, "[settings]\nalltags=1\nrenamefolders=1\n"));
        QCOMPARE(Cli({"derive", name}).out, rich);
        QCOMPARE(Cli({"derive", "--no-all-tags", name}).out, plain);
        QCOMPARE(Cli({"derive", "--all-tags", "--no-all-tags", name}).status, 2);
        // The flag reaches the organize run's renaming as well as its load.
        QVERIFY(TestEnv::WriteFile(conf, "[settings]\nfilenamelist=Album\n"));
        QVERIFY(QDir().mkpath(m_dir.filePath("rin")));
        QVERIFY(QFile::copy(m_dir.filePath(name), m_dir.filePath("rin/" + name)));
        QCOMPARE(
            Cli({"organize", "--yes", "--rename-from-tag", "--all-tags", "@/rin", "@/rout"}).status,
            0);
        QVERIFY(QDirIterator(m_dir.filePath("rout"), {"Rich Album.mp3"}, QDir::Files,
                             QDirIterator::Subdirectories)
                    .hasNext());
        QVERIFY(QFile::remove(conf));
    }

    void exportListing() {
        const QString file = m_dir.filePath(QStringLiteral("listing"));
        Write(QStringLiteral("listing"), "old listing");
        for (const auto &[options, said, start] : {
                 std::tuple{
                     QStringList{"--text", "--force", "--no-empty", "--filter", "*.TXT;*.mp3"},
                     "Found 2 Folders With 2 Files Totaling 8 Bytes\n",
                     "Folder Directory Listing By Sortiva"},
                 {{"--html", "--force", "--filter", "mp3"},
                  "Found 2 Folders With 1 Files Totaling 3 Bytes\n",
                  "<!DOCTYPE html PUBLIC"},
             }) {
            const Run r = Cli(QStringList{"export"} + options + QStringList{"@/music", file});
            QCOMPARE(r.status, 0);
            QCOMPARE(r.out, QLatin1String("Complete. ") + QLatin1String(said));
            QVERIFY(Read(file).startsWith(start));
            QCOMPARE(Read(file).contains("Empty"), !options.contains(QStringLiteral("--no-empty")));
        }
    }

    // The line shown on a terminal: its parts in order ("|" between), none when empty; it is
    // always erased before the program's last words.
    void progressLine_data() {
        QTest::addColumn<QString>("terminal");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("shown");
        QTest::newRow("load: the folder read, then the files named")
            << "1" << QStringList{"load", "--recursive", "--filter", "mp3,wma", "@/media"}
            << "\rReading @/media\x1b[K|\rNaming 1 of 5 files|\rNaming 5 of 5 files";
        QTest::newRow("organize plan")
            << "1" << QStringList{"organize", "--dry-run", "@/music", "@/out"}
            << "\rReading @/music\x1b[K|\rPlanning 1 of 1 files";
        QTest::newRow("export: both passes")
            << "1" << QStringList{"export", "--text", "--force", "@/music", "@/listed.txt"}
            << "\rReading 1 of 2 folders|\rReading 2 of 2 folders|\rWriting 2 of 2 folders";
        QTest::newRow("quiet") << "1" << QStringList{"load", "--quiet", "@/media"} << "";
        QTest::newRow("standard error not a terminal")
            << "0" << QStringList{"load", "@/media"} << "";
    }
    void progressLine() {
        QFETCH(QString, terminal);
        QFETCH(QStringList, arguments);
        QFETCH(QString, shown);
        const Run r = Cli(arguments, terminal);
        QCOMPARE(r.status, 0);
        qsizetype at = 0;
        for (const QString &part : At(shown).split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            at = r.err.indexOf(part, at);
            QVERIFY2(at >= 0, qPrintable(part + QLatin1String(" in ") + r.err));
        }
        const qsizetype last = r.err.lastIndexOf(QLatin1Char('\r'));
        QVERIFY(shown.isEmpty() ? last < 0 : r.err.mid(last).startsWith("\r\x1b[K"));
    }

    // Names that are not UTF-8, in SOURCE, DEST, a sub-folder and the files, are moved
    // with their exact bytes and listed as people read them.
    void foreignNameBytes() {
        const QByteArray root = QFile::encodeName(m_dir.path());
        const QByteArray source = root + "/S\xe9rc", dest = root + "/D\xe9st";
        const QByteArrayList names = {"Caf\xe9 Tacuba - Eres.mp3", "Sub\x92/\xff Band - Song.mp3"};
        QVERIFY(std::filesystem::create_directories(QByteArray(source + "/Sub\x92").constData()));
        QVERIFY(std::filesystem::create_directory(dest.constData()));
        for (const QByteArray &name : names)
            QVERIFY(std::ofstream(QByteArray(source + '/' + name).constData()) << "song");
        // printf turns the octal escapes into the bytes QProcess could not pass.
        const auto bytes = [this](const QStringList &arguments) {
            return Cli({"-c", "printf \"$1\" | xargs -0 \"$0\"", SORTIVA_CLI_PATH,
                        arguments.join(QStringLiteral("\\0"))},
                       QString(), QStringLiteral("/bin/sh"));
        };
        Run r = bytes({"organize", "--yes", "--move", "--recursive", "--no-primary",
                       At("@/S\\351rc"), At("@/D\\351st")});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(u"Caf\u00e9 Tacuba - Eres.mp3\torganized\n") &&
                     r.out.contains(u"Sub\u2019/\u00ff Band - Song.mp3\torganized\n"),
                 qPrintable(r.out));
        QByteArrayList moved;
        for (const auto &e : std::filesystem::recursive_directory_iterator(dest.constData()))
            if (e.is_regular_file())
                moved << QByteArray::fromStdString(e.path().filename().string());
        std::sort(moved.begin(), moved.end());
        QCOMPARE(moved, QByteArrayList({"Caf\xe9 Tacuba - Eres.mp3", "\xff Band - Song.mp3"}));
        QVERIFY(
            std::filesystem::is_directory(QByteArray(dest + "/Caf\xc3\xa9 Tacuba").constData()));
        QVERIFY(!std::filesystem::exists(QByteArray(source + '/' + names[0]).constData()));

        r = bytes({"export", "--text", At("@/D\\351st"), At("@/listing-bytes.txt")});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(u" With 2 Files Totaling 8 Bytes"), qPrintable(r.out));
        const QString listed = QString::fromUtf8(Read(m_dir.filePath("listing-bytes.txt")));
        QVERIFY2(listed.contains(u"\tCaf\u00e9 Tacuba - Eres.mp3") &&
                     listed.contains(u"\t\u00ff Band - Song.mp3"),
                 qPrintable(listed));
    }

    // What is printed first; the files that stand afterwards ("!" marks one gone); what the
    // file at the destination holds.
    void organize() {
        for (const auto &[options, status, out, files, taken] : {
                 std::tuple{QStringList{"--dry-run"}, 0,
                            "Corvelle - A.mp3\t@/out/corvelle/Corvelle - A(1).mp3\n"
                            "Dalvern - B.mp3\t@/out/Dalvern/Dalvern - B.mp3\nFile Organization",
                            QStringList{"in/Dalvern - B.mp3", "!out/Dalvern"}, "old"},
                 {{"--yes", "--move", "--skip-existing"},
                  1,
                  "Corvelle - A.mp3\tskipped\nDalvern - B.mp3\torganized\nNot all files were",
                  {"in/Corvelle - A.mp3", "out/Dalvern/Dalvern - B.mp3", "!in/Dalvern - B.mp3"},
                  "old"},
                 {{"--yes", "--copy", "--replace"},
                  0,
                  "Corvelle - A.mp3\torganized\n",
                  {"in/Corvelle - A.mp3", "!out/corvelle/Corvelle - A(1).mp3"},
                  "a"},
             }) {
            for (const char *folder : {"in", "out"})
                QDir(m_dir.filePath(QLatin1String(folder))).removeRecursively();
            Write("in/Corvelle - A.mp3", "a");
            Write("in/Dalvern - B.mp3", "b");
            Write("out/corvelle/Corvelle - A.mp3", "old");
            // The saved option keeps the sources: --move must override it.
            QVERIFY(TestEnv::WriteFile(m_config.filePath("Sortiva/Sortiva.conf"),
                                       "[settings]\ndeleteold=0\n"));
            const Run r = Cli(QStringList{"organize"} + options + QStringList{"@/in", "@/out"});
            QCOMPARE(r.status, status);
            QVERIFY2(r.out.startsWith(At(out)), qPrintable(r.out));
            for (const QString &f : files)
                QVERIFY2(QFile::exists(m_dir.filePath(f.mid(f.startsWith(u'!')))) !=
                             f.startsWith(u'!'),
                         qPrintable(f));
            QCOMPARE(Read(m_dir.filePath("out/corvelle/Corvelle - A.mp3")), taken);
        }
    }

    // A move that replaced a file, planned back and then put back; the emptied folder goes.
    void undo() {
        for (const char *folder : {"in", "out"})
            QDir(m_dir.filePath(QLatin1String(folder))).removeRecursively();
        Write("in/Corvelle - A.mp3", "a");
        Write("in/Dalvern - B.mp3", "b");
        Write("out/corvelle/Corvelle - A.mp3", "old");
        QCOMPARE(Cli({"organize", "--yes", "--move", "--replace", "@/in", "@/out"}).status, 0);
        for (const auto &[option, outcome, end] :
             {std::tuple{"--dry-run", "would move back", ""},
              {"--yes", "moved back",
               "Put Back 2 Files and Brought Back 1 File From The Trash.\n"}}) {
            const Run r = Cli({"undo", QLatin1String(option)});
            QCOMPARE(r.status, 0);
            QVERIFY2(
                r.out.contains(At(QStringLiteral("@/in/Corvelle - A.mp3\t%1\n").arg(outcome))) &&
                    r.out.endsWith(QLatin1String(end)),
                qPrintable(r.out));
        }
        QCOMPARE(Read(m_dir.filePath("in/Corvelle - A.mp3")), QByteArray("a"));
        QCOMPARE(Read(m_dir.filePath("in/Dalvern - B.mp3")), QByteArray("b"));
        QCOMPARE(Read(m_dir.filePath("out/corvelle/Corvelle - A.mp3")), QByteArray("old"));
        QVERIFY(!QFile::exists(m_dir.filePath("out/Dalvern")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
