#include "naming/filesearch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>

static void Touch(const QString &path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

// One fixed tree serves every row:
//   root/  A.mp3 b.MP3 c.wma a.mp3 .hidden.mp3 README a[1].mp3 song.wav
//          Sub/ (x.mp3)  .hid/ (h.mp3)  loop -> root  fifo.mp3 (a pipe)
//   root/Sub/Deep/ (d.mp3)   root/Other/ (o.mp3)

// Plain ASCII names and names with other letters share one order: case-folded, then exact.
class TestFileSearch : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    QString m_root;

    QStringList Relative(const QStringList &paths) const {
        QStringList out;
        for (const QString &p : paths)
            out << (p.startsWith(m_root + QLatin1Char('/')) ? p.mid(m_root.size() + 1) : p);
        return out;
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_root = m_dir.path() + QStringLiteral("/root");
        QDir d;
        for (const char *sub : {"", "/Sub", "/Sub/Deep", "/Other", "/.hid"})
            QVERIFY(d.mkpath(m_root + QString::fromLatin1(sub)));
        for (const char *f :
             {"A.mp3", "b.MP3", "c.wma", "a.mp3", ".hidden.mp3", "README", "a[1].mp3", "song.wav",
              "Sub/x.mp3", "Sub/Deep/d.mp3", "Other/o.mp3", ".hid/h.mp3"})
            Touch(m_root + QLatin1Char('/') + QString::fromLatin1(f));
        QVERIFY(QFile::link(m_root, m_root + QStringLiteral("/Sub/loop")));
        QCOMPARE(
            ::mkfifo(QFile::encodeName(m_root + QStringLiteral("/fifo.mp3")).constData(), 0600), 0);
    }

    void findFiles_data() {
        QTest::addColumn<QString>("patterns");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("pattern by pattern, mp3 before wma, hidden included, pipe skipped")
            << "*.mp3;*.wma" << FileSearchMask
            << QStringList{".hidden.mp3", "A.mp3", "a.mp3", "a[1].mp3", "b.MP3", "c.wma"};
        QTest::newRow("comma separates like semicolon")
            << "*.wma,*.wav" << FileSearchMask << QStringList{"c.wma", "song.wav"};
        QTest::newRow("bar separates like semicolon")
            << "*.wma|*.wav" << FileSearchMask << QStringList{"c.wma", "song.wav"};
        QTest::newRow("blanks around patterns ignored")
            << " *.wma ; *.wav " << FileSearchMask << QStringList{"c.wma", "song.wav"};
        QTest::newRow("upper-case extension matches")
            << "*.mp3" << FileSearchMask
            << QStringList{".hidden.mp3", "A.mp3", "a.mp3", "a[1].mp3", "b.MP3"};
        QTest::newRow("star dot star matches names without a dot")
            << "*.*" << FileSearchMask << QStringList{".hidden.mp3", "A.mp3", "a.mp3",  "a[1].mp3",
                                                      "b.MP3",       "c.wma", "README", "song.wav"};
        QTest::newRow("empty list means every file")
            << "" << 0
            << QStringList{"A.mp3", "a.mp3", "a[1].mp3", "b.MP3", "c.wma", "README", "song.wav"};
        QTest::newRow("no hidden bit hides dot-files")
            << "*.mp3" << 1 << QStringList{"A.mp3", "a.mp3", "a[1].mp3", "b.MP3"};
        QTest::newRow("question mark is one character")
            << "?.mp3" << FileSearchMask << QStringList{"A.mp3", "a.mp3", "b.MP3"};
        QTest::newRow("brackets are ordinary characters")
            << "A[1].MP3" << FileSearchMask << QStringList{"a[1].mp3"};
        QTest::newRow("file matching two patterns listed twice")
            << "a.*;*.mp3" << 0
            << QStringList{"A.mp3", "a.mp3", "A.mp3", "a.mp3", "a[1].mp3", "b.MP3"};
        QTest::newRow("empty pattern matches nothing")
            << "*.wma;;*.wav" << FileSearchMask << QStringList{"c.wma", "song.wav"};
        QTest::newRow("folder mask lists folders and the folder link too")
            << "*" << FolderSearchMask
            << QStringList{".hid",  ".hidden.mp3", "A.mp3",  "a.mp3",    "a[1].mp3", "b.MP3",
                           "c.wma", "Other",       "README", "song.wav", "Sub"};
        QTest::newRow("no match gives nothing") << "*.ogg" << FileSearchMask << QStringList{};
    }

    void findFiles() {
        QFETCH(QString, patterns);
        QFETCH(int, mask);
        QFETCH(QStringList, expected);
        QCOMPARE(Relative(FindFiles(m_root, patterns, mask)), expected);
    }

    void findFilesGivesFullPathsWithOneSeparator() {
        const QStringList found =
            FindFiles(m_root + QStringLiteral("//Sub/"), QStringLiteral("*.mp3"), FileSearchMask);
        QCOMPARE(found, QStringList{m_root + QStringLiteral("/Sub/x.mp3")});
        // a folder reached through a link is searched when named directly
        QCOMPARE(FindFiles(m_root + QStringLiteral("/Sub/loop/Other"), QStringLiteral("*"),
                           FileSearchMask),
                 QStringList{m_root + QStringLiteral("/Sub/loop/Other/o.mp3")});
    }

    void findFilesShortOrMissingFolder() {
        QVERIFY(FindFiles(QStringLiteral("/"), QStringLiteral("*"), FileSearchMask).isEmpty());
        QVERIFY(FindFiles(QString(), QStringLiteral("*"), FileSearchMask).isEmpty());
        QVERIFY(FindFiles(m_root + QStringLiteral("/nothere"), QStringLiteral("*"), FileSearchMask)
                    .isEmpty());
        QVERIFY(FindFolders(QStringLiteral("x"), FolderSearchMask).isEmpty());
        QVERIFY(FindFilesRecursive(QStringLiteral("/"), QStringLiteral("*"), FileSearchMask,
                                   FolderSearchMask)
                    .isEmpty());
    }

    void findFolders_data() {
        QTest::addColumn<int>("mask");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("breadth first, link listed but not entered, hidden included")
            << FolderSearchMask << QStringList{"", ".hid", "Other", "Sub", "Sub/Deep", "Sub/loop"};
        QTest::newRow("without the hidden bit dot-folders stay out")
            << 0 << QStringList{"", "Other", "Sub", "Sub/Deep", "Sub/loop"};
    }

    void findFolders() {
        QFETCH(int, mask);
        QFETCH(QStringList, expected);
        QStringList rel = Relative(FindFolders(m_root + QLatin1Char('/'), mask));
        if (!rel.isEmpty() && rel.first() == m_root)
            rel.first().clear();
        QCOMPARE(rel, expected);
    }

    void findFoldersSimpleTree() {
        QTemporaryDir dir;
        const QString a = dir.path() + QStringLiteral("/A");
        QVERIFY(QDir().mkpath(a + QStringLiteral("/B/D")));
        QVERIFY(QDir().mkpath(a + QStringLiteral("/C")));
        QCOMPARE(FindFolders(a, FolderSearchMask),
                 (QStringList{a, a + QStringLiteral("/B"), a + QStringLiteral("/C"),
                              a + QStringLiteral("/B/D")}));
    }

    void findFilesRecursive_data() {
        QTest::addColumn<QString>("patterns");
        QTest::addColumn<int>("fileMask");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("root files first, then folders breadth first, the loop not followed")
            << "*.mp3" << FileSearchMask
            << QStringList{".hidden.mp3", "A.mp3",       "a.mp3",     "a[1].mp3",      "b.MP3",
                           ".hid/h.mp3",  "Other/o.mp3", "Sub/x.mp3", "Sub/Deep/d.mp3"};
        QTest::newRow("folders are searched whatever the patterns")
            << "d.*" << FileSearchMask << QStringList{"Sub/Deep/d.mp3"};
    }

    void findFilesRecursive() {
        QFETCH(QString, patterns);
        QFETCH(int, fileMask);
        QFETCH(QStringList, expected);
        QCOMPARE(Relative(FindFilesRecursive(m_root, patterns, fileMask, FolderSearchMask)),
                 expected);
    }

    void searchFolderBase_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("base");
        QTest::newRow("plain folder") << "/music"
                                      << "/music/";
        QTest::newRow("trailing separator") << "/music/"
                                            << "/music/";
        QTest::newRow("doubled separators collapse") << "/music//live///"
                                                     << "/music/live/";
        QTest::newRow("root keeps one separator") << "/"
                                                  << "/";
    }

    void searchFolderBase() {
        QFETCH(QString, folder);
        QFETCH(QString, base);
        QCOMPARE(SearchFolderBase(folder), base);
    }

    void orderAndMatchBeyondAscii_data() {
        QTest::addColumn<QString>("patterns");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("accented names after z, upper before lower on ties")
            << "*.mp3" << QStringList{"apple.mp3", "Zed.mp3", "Éclair.MP3", "éclair.mp3"};
        QTest::newRow("accented extension matched without regard to case")
            << "*.MPÉ" << QStringList{"song.mpé"};
        QTest::newRow("kelvin sign folds like k") << "*.mk" << QStringList{"a.m\u212A"};
    }

    void orderAndMatchBeyondAscii() {
        QFETCH(QString, patterns);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        for (const QString &name :
             {QStringLiteral("Zed.mp3"), QStringLiteral("éclair.mp3"), QStringLiteral("Éclair.MP3"),
              QStringLiteral("apple.mp3"), QStringLiteral("song.mpé"), QStringLiteral("a.m\u212A")})
            Touch(dir.filePath(name));
        QStringList names;
        for (const QString &p : FindFiles(dir.path(), patterns, FileSearchMask))
            names << p.mid(dir.path().size() + 1);
        QCOMPARE(names, expected);
    }

    void orderIgnoresCaseAcrossScripts() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList names{QStringLiteral("b.mp3"),
                          QStringLiteral("A.mp3"),
                          QStringLiteral("\u00e9t\u00e9.mp3"),
                          QStringLiteral("Z.mp3"),
                          QStringLiteral("a.mp3"),
                          QStringLiteral("\u00c9T\u00c9.mp3"),
                          QStringLiteral("[x].mp3"),
                          QStringLiteral("_y.mp3"),
                          QStringLiteral("ab.mp3"),
                          QStringLiteral("AB.MP3"),
                          QStringLiteral("\u00c5b.mp3"),
                          QStringLiteral("Stra\u00dfe.mp3")};
        for (const QString &n : names) {
            QFile f(dir.filePath(n));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
            const int c = a.toCaseFolded().compare(b.toCaseFolded());
            return c != 0 ? c < 0 : a < b;
        });
        QStringList expected;
        for (const QString &n : names)
            expected << SearchFolderBase(dir.path()) + n;
        QCOMPARE(FindFiles(dir.path(), QStringLiteral("*.*"), FileSearchMask), expected);
    }
};

QTEST_GUILESS_MAIN(TestFileSearch)
#include "tst_filesearch.moc"
