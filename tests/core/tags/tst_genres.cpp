#include "tags/genres.h"

#include <QtTest>

class TestGenres : public QObject {
    Q_OBJECT

  private slots:
    // Runs first, before anything loaded the list.
    void unknownBeforeLoading() {
        QCOMPARE(GenreCount(), 0);
        QCOMPARE(GenreName(0), QStringLiteral("Unknown"));
        QCOMPARE(GenreName(17), QStringLiteral("Unknown"));
    }

    void loadsAllNames() {
        LoadGenres();
        QCOMPARE(GenreCount(), 195);
        LoadGenres();
        QCOMPARE(GenreCount(), 195);
    }

    void genreName_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first") << 0 << "Blues";
        QTest::newRow("17 is Rock") << 17 << "Rock";
        QTest::newRow("R&B keeps its ampersand") << 14 << "R&B";
        QTest::newRow("Pop/Funk keeps its slash") << 62 << "Pop/Funk";
        QTest::newRow("Fusion again at 84") << 84 << "Fusion";
        QTest::newRow("Metal again at 145") << 145 << "Metal";
        QTest::newRow("last shown is Jpop") << 147 << "Jpop";
        QTest::newRow("148 Synthpop never shown") << 148 << "Unknown";
        QTest::newRow("past the list") << 195 << "Unknown";
        QTest::newRow("255 means no genre") << 255 << "Unknown";
        QTest::newRow("negative") << -1 << "Unknown";
    }
    void genreName() {
        QFETCH(int, index);
        QFETCH(QString, expected);
        LoadGenres();
        QCOMPARE(GenreName(index), expected);
    }

    void everyShownNameIsFilled() {
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
