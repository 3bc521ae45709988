#include "tags/genres.h"

#include <QFile>
#include <QtTest>

class TestGenres : public QObject
{
    Q_OBJECT

private slots:
    // Runs first, before anything loaded the list.
    void unknownBeforeLoading()
    {
        QCOMPARE(GenreCount(), 0);
        QCOMPARE(GenreName(0), QStringLiteral("Unknown"));
        QCOMPARE(GenreName(17), QStringLiteral("Unknown"));
    }

    void resourceShape()
    {
        QFile f(QStringLiteral(":/genres.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray data = f.readAll();
        QVERIFY(!data.endsWith('\t'));
        QVERIFY(!data.endsWith('\n'));
        QVERIFY(!data.contains('\n'));
        QCOMPARE(data.count('\t'), 194);
    }

    void loadsAllNames()
    {
        LoadGenres();
        QCOMPARE(GenreCount(), 195);
        LoadGenres();
        QCOMPARE(GenreCount(), 195);
    }

    void genreName_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first") << 0 << "Blues";
        QTest::newRow("17 is Rock") << 17 << "Rock";
        QTest::newRow("R&B keeps its ampersand") << 14 << "R&B";
        QTest::newRow("Jazz+Funk") << 29 << "Jazz+Funk";
        QTest::newRow("Fusion at 30") << 30 << "Fusion";
        QTest::newRow("Alt. Rock keeps its dot") << 40 << "Alt. Rock";
        QTest::newRow("Top 40") << 60 << "Top 40";
        QTest::newRow("Pop/Funk keeps its slash") << 62 << "Pop/Funk";
        QTest::newRow("Rock & Roll") << 78 << "Rock & Roll";
        QTest::newRow("Fusion again at 84") << 84 << "Fusion";
        QTest::newRow("Drum & Bass") << 127 << "Drum & Bass";
        QTest::newRow("133") << 133 << "Afro-Punk";
        QTest::newRow("Polsk Punk after it") << 134 << "Polsk Punk";
        QTest::newRow("Contemporary Christian") << 140 << "Contemporary Christian";
        QTest::newRow("Thrash at 144") << 144 << "Thrash";
        QTest::newRow("Metal again at 145") << 145 << "Metal";
        QTest::newRow("last shown is Jpop") << 147 << "Jpop";
        QTest::newRow("148 Synthpop never shown") << 148 << "Unknown";
        QTest::newRow("194 never shown") << 194 << "Unknown";
        QTest::newRow("past the list") << 195 << "Unknown";
        QTest::newRow("255 means no genre") << 255 << "Unknown";
        QTest::newRow("negative") << -1 << "Unknown";
    }
    void genreName()
    {
        QFETCH(int, index);
        QFETCH(QString, expected);
        LoadGenres();
        QCOMPARE(GenreName(index), expected);
    }

    void everyShownNameIsFilled()
    {
        LoadGenres();
        for (int i = 0; i < 148; ++i) {
            const QString name = GenreName(i);
            QVERIFY2(!name.isEmpty() && name != QLatin1String("Unknown"), qPrintable(name));
            QCOMPARE(name.trimmed(), name);
        }
    }
};

QTEST_GUILESS_MAIN(TestGenres)
#include "tst_genres.moc"
