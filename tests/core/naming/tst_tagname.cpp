#include "naming/tagname.h"

#include "naming/namingoptions.h"
#include "support/testenv.h"
#include "tags/genres.h"
#include "tags/id3v1tag.h"

#include <QTest>

namespace {
// Title "Song A", artist "The Band", album "Live, Vol. 2", year 1999, track 5, genre 17 (Rock)
// unless given.
QByteArray Block(const QByteArray &title = "Song A", const QByteArray &artist = "The Band",
                 const QByteArray &year = "1999", int track = 5, int genre = 17) {
    return TestEnv::Id3Block(title, artist, "Live, Vol. 2", year, "", track, genre);
}
} // namespace

class TestTagName : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadGenres(); }

    void buildTagName_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("name");
        const QByteArray base = Block();
        QTest::newRow("empty folder list means album") << base << true << ""
                                                       << "Live Vol 2";
        QTest::newRow("artist and album") << base << true << "Artist,Album"
                                          << "The Band - Live Vol 2";
        QTest::newRow("track and song") << base << false << "Track,Song"
                                        << "5 - Song A";
        QTest::newRow("year and genre") << base << true << "Year,Genre"
                                        << "1999 - Rock";
        QTest::newRow("empty file list means song") << base << false << ""
                                                    << "Song A";
        QTest::newRow("blank around a field name yields nothing") << base << true << " Album"
                                                                  << "";
        QTest::newRow("field names are case-sensitive") << base << true << "album"
                                                        << "";
        QTest::newRow("track 0 is written")
            << Block("Song A", "The Band", "1999", 0) << false << "Track,Song"
            << "0 - Song A";
        const QByteArray nulTitle = Block(QByteArray(30, '\0'));
        QTest::newRow("NUL title rejected") << nulTitle << false << "Song"
                                            << "";
        QTest::newRow("track always present") << nulTitle << false << "Song,Track"
                                              << "5";
        QTest::newRow("slash removed") << Block("AC/DC") << false << "Song"
                                       << "ACDC";
        QTest::newRow("accented last letter dropped") << Block("Caf\xE9") << false << "Song"
                                                      << "Caf";
        QByteArray v10 = TestEnv::Id3Block("Song A", "The Band", "Live, Vol. 2", "1999",
                                           QByteArray(28, 'c'), 'X', 17);
        v10[125] = 'c';
        QTest::newRow("version 1.0 comment end read as track") << v10 << false << "Track"
                                                               << "88";
        QTest::newRow("blank year gives nothing")
            << Block("Song A", "The Band", "    ") << true << "Year,Artist"
            << "The Band";
        QTest::newRow("genre beyond the table is Unknown")
            << Block("Song A", "The Band", "1999", 5, 200) << true << "Genre"
            << "Unknown";
        QTest::newRow("inner blanks kept, outer trimmed")
            << Block("Song A", "  Spaced   Out  ") << true << "Artist"
            << "Spaced   Out";
    }
    void buildTagName() {
        QFETCH(QByteArray, block);
        QFETCH(bool, folder);
        QFETCH(QString, list);
        QFETCH(QString, name);
        Id3v1Tag tag;
        QVERIFY(tag.FromBlock(block));
        NamingOptions options;
        options.folderNameFields = folder ? list : QStringLiteral("Track");
        options.fileNameFields = folder ? QStringLiteral("Track") : list;
        QCOMPARE(BuildTagName(tag, folder ? TagNameFor::Folder : TagNameFor::File, options), name);
    }
};

QTEST_GUILESS_MAIN(TestTagName)
#include "tst_tagname.moc"
