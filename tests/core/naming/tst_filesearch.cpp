#include "naming/filesearch.h"

#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// One fixed tree serves the rows of the ASCII table:
//   root/  A.mp3 b.MP3 c.wma a.mp3 .hidden.mp3 .mp3 README a[1].mp3 song.wav mp3 fifo.mp3 (pipe)
//          Sub/ (x.mp3, Deep/d.mp3, loop -> root)  .hid/ (h.mp3)  Other/ (o.mp3)
// and a second one the rows beyond ASCII: Zed.mp3 _b.mp3 Ab.mp3 [e.mp3 Ad.mp3 ^g.mp3 Af.mp3
// éclair.mp3 Éclair.MP3 apple.mp3 song.mpé a.mK
// (Kelvin sign). Both share one order: case-folded, then exact.
class TestFileSearch : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_root;
    QString m_other;

    // The paths below @p root, blank-separated; the root itself as ".".
    static QString Relative(const QString &root, const QStringList &paths) {
        QStringList out;
        for (const QString &p : paths)
            out << (p == root ? QStringLiteral(".") : p.mid(root.size() + 1));
        return out.join(QLatin1Char(' '));
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_root = m_dir.path() + QStringLiteral("/root");
        m_other = m_dir.path() + QStringLiteral("/other");
        for (const char *f :
             {"A.mp3", "b.MP3", "c.wma", "a.mp3", ".hidden.mp3", "README", "a[1].mp3", "song.wav",
              "mp3", ".mp3", "Sub/x.mp3", "Sub/Deep/d.mp3", "Other/o.mp3", ".hid/h.mp3"})
            QVERIFY(TestEnv::WriteFile(m_root + '/' + QString::fromLatin1(f), "x"));
        for (const char *f : {"Zed.mp3", "_b.mp3", "Ab.mp3", "[e.mp3", "Ad.mp3", "^g.mp3", "Af.mp3",
                              "éclair.mp3", "Éclair.MP3", "apple.mp3", "song.mpé", "a.m\u212A"})
            QVERIFY(TestEnv::WriteFile(m_other + '/' + QString::fromUtf8(f), "x"));
        QVERIFY(QFile::link(m_root, m_root + QStringLiteral("/Sub/loop")));
        const QByteArray fifo = QFile::encodeName(m_root + QStringLiteral("/fifo.mp3"));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    }

    void search_data() {
        QTest::addColumn<char>("kind"); // f: FindFiles, d: FindFolders, r: FindFilesRecursive
        QTest::addColumn<bool>("ascii");
        QTest::addColumn<QString>("patterns");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("expected");
        const int all = FileSearchMask;
        const struct {
            const char *row;
            char kind;
            const char *patterns;
            int mask;
            const char *expected;
        } rows[] = {
            {"pattern by pattern, hidden in, pipe out", 'f', "*.mp3;*.wma", all,
             ".hidden.mp3 .mp3 A.mp3 a.mp3 a[1].mp3 b.MP3 c.wma"},
            {"comma separates", 'f', "*.wma,*.wav", all, "c.wma song.wav"},
            {"bar separates, blanks ignored", 'f', " *.wma | *.wav ", all, "c.wma song.wav"},
            {"a name that is only the extension is no match", 'f', "*.mp3", 1,
             "A.mp3 a.mp3 a[1].mp3 b.MP3"},
            {"star dot star matches names without a dot", 'f', "*.*", 1,
             "A.mp3 a.mp3 a[1].mp3 b.MP3 c.wma mp3 README song.wav"},
            {"empty list means every file", 'f', "", 0,
             "A.mp3 a.mp3 a[1].mp3 b.MP3 c.wma mp3 README song.wav"},
            {"question mark is one character", 'f', "?.mp3", all, "A.mp3 a.mp3 b.MP3"},
            {"brackets are ordinary characters", 'f', "A[1].MP3", all, "a[1].mp3"},
            {"star inside a pattern", 'f', "*mp3", 1, "A.mp3 a.mp3 a[1].mp3 b.MP3 mp3"},
            {"file matching two patterns listed twice", 'f', "a.*;*.mp3", 0,
             "A.mp3 a.mp3 A.mp3 a.mp3 a[1].mp3 b.MP3"},
            {"empty pattern matches nothing", 'f', "*.wma;;*.wav", all, "c.wma song.wav"},
            {"folder mask lists folders and the folder link too", 'f', "S*;O*", FolderSearchMask,
             "song.wav Sub Other"},
            {"no match gives nothing", 'f', "*.ogg", all, ""},
            {"folders breadth first, link listed not entered", 'd', "", FolderSearchMask,
             ". .hid Other Sub Sub/Deep Sub/loop"},
            {"without the hidden bit dot-folders stay out", 'd', "", 0,
             ". Other Sub Sub/Deep Sub/loop"},
            {"recursive: root files first, the loop not followed", 'r', "*.mp3", all,
             ".hidden.mp3 .mp3 A.mp3 a.mp3 a[1].mp3 b.MP3 .hid/h.mp3 Other/o.mp3 Sub/x.mp3 "
             "Sub/Deep/d.mp3"},
            {"recursive: folders searched whatever the patterns", 'r', "d.*", all,
             "Sub/Deep/d.mp3"},
        };
        for (const auto &r : rows)
            QTest::newRow(r.row) << r.kind << true << r.patterns << r.mask << r.expected;
        QTest::newRow("folded order: _ before A, accented after z, upper before lower on ties")
            << 'f' << false << "*.mp3" << all
            << "[e.mp3 ^g.mp3 _b.mp3 Ab.mp3 Ad.mp3 Af.mp3 apple.mp3 Zed.mp3 Éclair.MP3 éclair.mp3";
        QTest::newRow("accented extension matched without regard to case")
            << 'f' << false << "*.MPÉ" << all << "song.mpé";
        QTest::newRow("kelvin sign folds like k") << 'f' << false << "*.mk" << all << "a.m\u212A";
    }
    void search() {
        QFETCH(char, kind);
        QFETCH(bool, ascii);
        QFETCH(QString, patterns);
        QFETCH(int, mask);
        QFETCH(QString, expected);
        const QString root = ascii ? m_root : m_other;
        const QStringList found = kind == 'f' ? FindFiles(root, patterns, mask)
                                  : kind == 'd'
                                      ? FindFolders(root + '/', mask)
                                      : FindFilesRecursive(root, patterns, mask, FolderSearchMask);
        QCOMPARE(Relative(root, found), expected);
    }

    void pathsAndMissingFolders() {
        QCOMPARE(FindFiles(m_root + QStringLiteral("//Sub/"), QStringLiteral("*.mp3"), 1),
                 QStringList{m_root + QStringLiteral("/Sub/x.mp3")});
        // a folder reached through a link is searched when named directly
        QCOMPARE(FindFiles(m_root + QStringLiteral("/Sub/loop/Other"), QStringLiteral("*"), 1),
                 QStringList{m_root + QStringLiteral("/Sub/loop/Other/o.mp3")});
        QCOMPARE(FindFolders(m_root + QStringLiteral("/Sub"), 0).first(),
                 m_root + QStringLiteral("/Sub"));
        for (const QString &folder : QStringList{"/", "", m_root + "/nothere"}) {
            QVERIFY(FindFiles(folder, QStringLiteral("*"), FileSearchMask).isEmpty());
            QVERIFY(FindFilesRecursive(folder, QStringLiteral("*"), 1, FolderSearchMask).isEmpty());
        }
        QVERIFY(FindFolders(QStringLiteral("x"), FolderSearchMask).isEmpty());
        QCOMPARE(SearchFolderBase(QStringLiteral("/music")), QStringLiteral("/music/"));
        QCOMPARE(SearchFolderBase(QStringLiteral("/music//live///")),
                 QStringLiteral("/music/live/"));
        QCOMPARE(SearchFolderBase(QStringLiteral("/")), QStringLiteral("/"));
    }
};

QTEST_GUILESS_MAIN(TestFileSearch)
#include "tst_filesearch.moc"
