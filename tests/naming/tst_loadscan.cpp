#include "naming/loadscan.h"

#include "app/settings.h"
#include "naming/artistname.h"
#include "naming/replacelist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLoadScan : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_media;

private slots:
    void initTestCase()
    {
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

    void init()
    {
        Settings = SettingsRecord();
        Settings.removesubs = 1;
        Settings.inpath = m_media;
        Settings.filter = QStringLiteral("*.mp3;*.wma");
        UserReplaceList.Clear();
    }

    void relativeMediaPath_data()
    {
        QTest::addColumn<QString>("inpath");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("relative");
        QTest::newRow("file in the folder") << "/music" << "/music/a.mp3" << "a.mp3";
        QTest::newRow("trailing separator on the folder") << "/music/" << "/music/a.mp3" << "a.mp3";
        QTest::newRow("sub-folder kept") << "/music" << "/music/Live/song.mp3" << "Live/song.mp3";
        QTest::newRow("blanks at the ends stay") << "/music" << "/music/ a.mp3 " << " a.mp3 ";
        QTest::newRow("not below the folder") << "/music" << "/other/a.mp3" << "";
        QTest::newRow("sibling with the same prefix") << "/music" << "/musicx/a.mp3" << "";
    }

    void relativeMediaPath()
    {
        QFETCH(QString, inpath);
        QFETCH(QString, found);
        QFETCH(QString, relative);
        QCOMPARE(RelativeMediaPath(inpath, found), relative);
    }

    void loadScanFollowsSettings_data()
    {
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

    void loadScanFollowsSettings()
    {
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

    void loadScanOfMissingFolder()
    {
        Settings.inpath = m_dir.filePath(QStringLiteral("missing"));
        BadRowsFound = true;
        QVERIFY(LoadScan().empty());
        QVERIFY(!BadRowsFound);
    }

    void callbackStopsTheLoad()
    {
        int calls = 0;
        const std::vector<LoadRow> kept = LoadScan([&](const LoadRow &, int, int) {
            return ++calls < 2;
        });
        QCOMPARE(calls, 2);
        QCOMPARE(int(kept.size()), 2); // the row in hand when stopped is kept
    }

    void rowsNotKept()
    {
        int calls = 0;
        QVERIFY(LoadScan([&](const LoadRow &, int, int) { return ++calls > 0; }, false).empty());
        QCOMPARE(calls, 4);
    }

    void memoGivesTheSameNames()
    {
        const QStringList names{"the velvet lanterns", "Pembo feat. Kaz", "02 Artist", "abba",
                                "the velvet lanterns", "t", "2pac", "Pembo feat. Kaz", ""};
        QStringList plain;
        for (const QString &n : names)
            plain << NormalizeArtist(n);
        QStringList remembered;
        {
            const NormalizeArtistMemo memo;
            for (const QString &n : names)
                remembered << NormalizeArtist(n);
            const NormalizeArtistMemo inner; // nested scopes share the answers
            for (const QString &n : names)
                QCOMPARE(NormalizeArtist(n), plain.at(names.indexOf(n)));
        }
        QCOMPARE(remembered, plain);
    }

    void memoForgetsWhenTheLoadEnds()
    {
        {
            const NormalizeArtistMemo memo;
            QCOMPARE(NormalizeArtist(QStringLiteral("Corvelle")), QStringLiteral("Corvelle"));
        }
        UserReplaceList.Add(QStringLiteral("Korvel"), QStringLiteral("Corvelle"), 0);
        QCOMPARE(NormalizeArtist(QStringLiteral("Corvelle")), QStringLiteral("Korvel"));
        {
            const NormalizeArtistMemo memo; // a new load sees the changed list
            QCOMPARE(NormalizeArtist(QStringLiteral("Corvelle")), QStringLiteral("Korvel"));
        }
    }
};

QTEST_GUILESS_MAIN(TestLoadScan)
#include "tst_loadscan.moc"
