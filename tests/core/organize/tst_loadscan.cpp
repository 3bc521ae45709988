#include "organize/loadscan.h"

#include "base/replacelist.h"
#include "base/settings.h"
#include "naming/artistname.h"
#include "naming/filesearch.h"
#include "naming/namingcontext.h"
#include "tags/genres.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLoadScan : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void relativeMediaPath_data();
    void relativeMediaPath();
    void loadScanFollowsSettings_data();
    void loadScanFollowsSettings();
    void loadScanOfMissingFolder();
    void callbackStopsTheLoad();
    void rowsNotKept();
    void memoGivesTheSameNames();
    void memoForgetsWhenTheOptionsChange();
    void loadRowsMatchSingleNames_data();
    void loadRowsMatchSingleNames();

  private:
    QTemporaryDir m_dir;
    QString m_media;
};

void TestLoadScan::initTestCase() {
    QVERIFY(m_dir.isValid());
    BuildBuiltInReplaceList(BuiltInReplaceList);
    m_media = m_dir.filePath(QStringLiteral("media"));
    QVERIFY(QDir().mkpath(m_media + QStringLiteral("/Live")));
    for (const char *name : {"Corvelle - A.mp3", "b.wma", "...mp3", " Lead Blank - x.mp3",
                             "Live/Pembo feat. Kaz - Song.mp3", "Live/notes.txt"}) {
        QFile f(m_media + QLatin1Char('/') + QString::fromLatin1(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
}

void TestLoadScan::init() {
    Settings = SettingsRecord();
    Settings.removesubs = 1;
    Settings.inpath = m_media;
    Settings.filter = QStringLiteral("*.mp3;*.wma");
    UserReplaceList.Clear();
}

void TestLoadScan::relativeMediaPath_data() {
    QTest::addColumn<QString>("inpath");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("relative");
    QTest::newRow("file in the folder") << "/music"
                                        << "/music/a.mp3"
                                        << "a.mp3";
    QTest::newRow("trailing separator on the folder") << "/music/"
                                                      << "/music/a.mp3"
                                                      << "a.mp3";
    QTest::newRow("sub-folder kept") << "/music"
                                     << "/music/Live/song.mp3"
                                     << "Live/song.mp3";
    QTest::newRow("blanks at the ends stay") << "/music"
                                             << "/music/ a.mp3 "
                                             << " a.mp3 ";
    QTest::newRow("not below the folder") << "/music"
                                          << "/other/a.mp3"
                                          << "";
    QTest::newRow("sibling with the same prefix") << "/music"
                                                  << "/musicx/a.mp3"
                                                  << "";
}

void TestLoadScan::relativeMediaPath() {
    QFETCH(QString, inpath);
    QFETCH(QString, found);
    QFETCH(QString, relative);
    QCOMPARE(RelativeMediaPath(inpath, found), relative);
}

void TestLoadScan::loadScanFollowsSettings_data() {
    QTest::addColumn<int>("recursive");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("folder only, pattern by pattern, blanks kept")
        << 0
        << QStringList{"ok|Lead Blank| Lead Blank - x.mp3", "ok|Mp|...mp3",
                       "ok|Corvelle|Corvelle - A.mp3", "ok|B|b.wma"};
    QTest::newRow("with sub-folders")
        << 1
        << QStringList{"ok|Lead Blank| Lead Blank - x.mp3", "ok|Mp|...mp3",
                       "ok|Corvelle|Corvelle - A.mp3", "ok|B|b.wma",
                       "ok|Pembo|Live/Pembo feat. Kaz - Song.mp3"};
}

void TestLoadScan::loadScanFollowsSettings() {
    QFETCH(int, recursive);
    QFETCH(QStringList, rows);
    Settings.recursivesearch = recursive;
    QStringList seen;
    int calls = 0;
    const std::vector<LoadRow> kept = LoadScan([&](const LoadRow &, int number, int total) {
        ++calls;
        if (number < 1 || number > total)
            seen << QStringLiteral("numbering broken");
        return true;
    });
    for (const LoadRow &r : kept)
        seen << r.name.Status() + QLatin1Char('|') + r.name.folder + QLatin1Char('|') +
                    r.relativePath;
    QCOMPARE(seen, rows);
    QCOMPARE(calls, int(rows.size()));
}

void TestLoadScan::loadScanOfMissingFolder() {
    Settings.inpath = m_dir.filePath(QStringLiteral("missing"));
    QVERIFY(LoadScan().empty());
}

void TestLoadScan::callbackStopsTheLoad() {
    int calls = 0;
    const std::vector<LoadRow> kept =
        LoadScan([&](const LoadRow &, int, int) { return ++calls < 2; });
    QCOMPARE(calls, 2);
    QCOMPARE(int(kept.size()), 2); // the row in hand when stopped is kept
}

void TestLoadScan::rowsNotKept() {
    int calls = 0;
    QVERIFY(LoadScan([&](const LoadRow &, int, int) { return ++calls > 0; }, false).empty());
    QCOMPARE(calls, 4);
}

void TestLoadScan::memoGivesTheSameNames() {
    const QStringList names{"the velvet lanterns",
                            "Pembo feat. Kaz",
                            "02 Artist",
                            "abba",
                            "the velvet lanterns",
                            "t",
                            "2pac",
                            "Pembo feat. Kaz",
                            ""};
    const NamingOptions options;
    QStringList plain;
    for (const QString &n : names)
        plain << NormalizeArtist(n, options);
    QStringList remembered;
    {
        NamingContext context;
        for (const QString &n : names)
            remembered << NormalizeArtist(n, options, &context);
        for (const QString &n : names) // now answered from what the context remembered
            QCOMPARE(NormalizeArtist(n, options, &context), plain.at(names.indexOf(n)));
    }
    QCOMPARE(remembered, plain);
}

// A load remembers names by artist candidate and by tag fields; every row must still come
// out exactly as naming that file on its own does, whatever the rest of its name holds.
void TestLoadScan::loadRowsMatchSingleNames_data() {
    QTest::addColumn<int>("renamefolders");
    QTest::addColumn<QString>("foldernamelist");
    QTest::addColumn<int>("dash");
    QTest::addColumn<int>("removesubs");
    QTest::newRow("file names, first section, primary artist") << 0 << "" << 0 << 1;
    QTest::newRow("file names, all artists") << 0 << "" << 0 << 0;
    QTest::newRow("file names, second section") << 0 << "" << 1 << 1;
    QTest::newRow("file names, third section") << 0 << "" << 2 << 0;
    QTest::newRow("tags by album") << 1 << "" << 0 << 1;
    QTest::newRow("tags by artist") << 1 << "Artist" << 0 << 1;
    QTest::newRow("tags by song and artist") << 1 << "Song,Artist" << 0 << 0;
    QTest::newRow("tags with a field named twice") << 1 << "Artist,Year,Artist" << 1 << 1;
    QTest::newRow("tags by track and genre") << 1 << "Track,Genre" << 0 << 1;
    QTest::newRow("tags by an unknown field only") << 1 << "Colour" << 0 << 1;
}

void TestLoadScan::loadRowsMatchSingleNames() {
    QFETCH(int, renamefolders);
    QFETCH(QString, foldernamelist);
    QFETCH(int, dash);
    QFETCH(int, removesubs);
    if (GenreCount() == 0)
        LoadGenres();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // The same candidates in different file names: the fix-ups of some look at the rest.
    const char *const plain[] = {
        "T - Pain Is Love.mp3",
        "T - Something Else.mp3",
        "T - I Song.mp3",
        "E - 40 Water.mp3",
        "E - Other.mp3",
        "Zz - Top Hits.mp3",
        "Zz - Bottom.mp3",
        "Trans - Siberian.mp3",
        "Trans - Other.mp3",
        "Corvelle - transsiberian.mp3",
        "Corvelle - A.mp3",
        "Corvelle - trans.mp3",
        "R - Kelly Song.mp3",
        "R - Other.mp3",
        "Ne - Yo.mp3",
        "Ne - Jo.mp3",
        "All - Saints.mp3",
        "All - Rejects.mp3",
        "All - Others.mp3",
        "H - Town.mp3",
        "H - City.mp3",
        "C - Murder.mp3",
        "C - Other.mp3",
        "Def - Lep.mp3",
        "Def - Other.mp3",
        "07 - Corvelle - A.mp3",
        "07 - 12 - Song.mp3",
        "12 - 07 - Song.mp3",
        "50 - Song - X.mp3",
        "Pembo feat. Kaz - Song.mp3",
        "Pembo feat. Kaz - Other with Rel.mp3",
        "Pembo with Kaz - x.mp3",
        "..mp3",
        "one hit wonders - one hit wonders.mp3",
        "One Hit Wonders - Else.mp3",
        "t-pain - x.mp3",
        "the - velvet - lanterns.mp3",
    };
    QStringList files;
    for (const char *name : plain)
        files << QString::fromLatin1(name);
    // Tagged files: fields that repeat across files in some fields but not in others.
    struct Tagged {
        const char *file;
        const char *title;
        const char *artist;
        const char *album;
        const char *year;
        int track;
        int genre;
    };
    const Tagged tagged[] = {
        {"a1.mp3", "Song One", "Corvelle", "Greatest Hits", "1999", 1, 17},
        {"a2.mp3", "Song Two", "Corvelle", "Greatest Hits", "1999", 2, 17},
        {"a3.mp3", "Song One", "Pembo feat. Kaz", "Greatest Hits", "2001", 1, 3},
        {"a4.mp3", "Song Three", "Pembo", "Live", "2001", 3, 200},
        {"a5.mp3", "", "", "", "", 0, 0},
        {"a6.mp3", "   ", "\x01\x02", "..", "    ", 9, 1},
        {"a7.mp3", "T", "T", "T", "1999", 1, 17},
        {"Corvelle - Untagged.mp3", nullptr, nullptr, nullptr, nullptr, 0, 0},
    };
    const auto field = [](const char *text, int width) {
        const QByteArray b = QByteArray(text).left(width);
        return b + QByteArray(width - b.size(), '\0');
    };
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write(QByteArray(300, 'x')) == 300);
    }
    for (const Tagged &t : tagged) {
        QFile f(dir.filePath(QString::fromLatin1(t.file)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray b(300, 'x');
        if (t.title) {
            b += "TAG" + field(t.title, 30) + field(t.artist, 30) + field(t.album, 30) +
                 field(t.year, 4) + QByteArray(28, '\0') + '\0' + char(t.track) + char(t.genre);
        }
        QVERIFY(f.write(b) == b.size());
    }

    NamingOptions options;
    options.folderFromTag = renamefolders > 0;
    options.folderNameFields = foldernamelist;
    options.dashSection = dash;
    options.primaryArtistOnly = removesubs != 0;
    const QStringList found = FindMediaFiles(dir.path(), QStringLiteral("*.*"), false);
    QVERIFY(found.size() >= 40);
    const QString base = SearchFolderBase(dir.path());
    QStringList alone;
    for (const QString &path : found) {
        const FolderNameResult r = DeriveFolderName(path.mid(base.size()), path, options);
        alone << QStringLiteral("%1|%2|%3").arg(r.folder, r.Status()).arg(r.fromTag);
    }
    // Twice over in one load, so the second round answers from what the first remembered.
    const QStringList twice = found + found;
    QStringList loaded;
    DeriveLoadRows(dir.path(), twice, options, [&](const LoadRow &row, int, int) {
        loaded << QStringLiteral("%1|%2|%3")
                      .arg(row.name.folder, row.name.Status())
                      .arg(row.name.fromTag);
        return true;
    });
    QCOMPARE(loaded.mid(0, found.size()), alone);
    QCOMPARE(loaded.mid(found.size()), alone);
}

void TestLoadScan::memoForgetsWhenTheOptionsChange() {
    const NamingOptions options;
    NamingContext context;
    QCOMPARE(NormalizeArtist(QStringLiteral("Corvelle"), options, &context),
             QStringLiteral("Corvelle"));
    NamingOptions edited = options;
    edited.userRules.Add(QStringLiteral("Korvel"), QStringLiteral("Corvelle"), 0);
    QCOMPARE(NormalizeArtist(QStringLiteral("Corvelle"), edited), QStringLiteral("Korvel"));
    // the context starts afresh for the changed options
    QCOMPARE(NormalizeArtist(QStringLiteral("Corvelle"), edited, &context),
             QStringLiteral("Korvel"));
}

QTEST_GUILESS_MAIN(TestLoadScan)
#include "tst_loadscan.moc"
