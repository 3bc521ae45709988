#include "tags/genres.h"
#include "tags/id3v1tag.h"

#include "support/testenv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestId3v1Tag : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

  private slots:
    // Runs first, before anything loaded the list.
    void genres() {
        QCOMPARE(GenreName(17), QStringLiteral("Unknown"));
        LoadGenres();
        LoadGenres();
        QCOMPARE(GenreCount(), 195);
        const QList<std::pair<int, const char *>> names{
            {0, "Blues"},  {17, "Rock"},     {14, "R&B"},      {62, "Pop/Funk"},
            {147, "Jpop"}, {148, "Unknown"}, {195, "Unknown"}, {-1, "Unknown"}};
        for (const auto &[index, name] : names)
            QCOMPARE(GenreName(index), QString::fromLatin1(name));
        for (int i = 0; i < 148; ++i) // every name shown is filled
            QVERIFY(!GenreName(i).isEmpty() && GenreName(i) != QLatin1String("Unknown"));
    }

    void isMp3() {
        for (const char *name : {"song.mp3", "SONG.MP3", "song.mp3 ", "Live/song.Mp3", ".mp3"})
            QVERIFY2(IsMp3(QString::fromLatin1(name)), name);
        for (const char *name : {"song.wma", "mp3", "", "song.mp3.wma"})
            QVERIFY2(!IsMp3(QString::fromLatin1(name)), name);
    }

    void readTag_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("read");
        const QByteArray block =
            TestEnv::Id3Block("Song A", "The Band", "Live, Vol. 2", "1999", "", 5, 17);
        QTest::newRow("block is the whole 128-byte file") << block << true;
        QTest::newRow("block at the end of a long file") << QByteArray(5000, 'a') + block << true;
        QTest::newRow("127-byte file is an error") << block.mid(1) << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("lower-case marker accepted") << "tag" + block.mid(3) << true;
        QTest::newRow("mixed-case marker accepted") << "Tag" + block.mid(3) << true;
        QTest::newRow("no marker") << "TAX" + block.mid(3) << false;
        QTest::newRow("tag not at the very end") << block + QByteArray(10, 'x') << false;
    }
    void readTag() {
        QFETCH(QByteArray, content);
        QFETCH(bool, read);
        const QString path = m_dir.filePath(QStringLiteral("t.mp3"));
        QVERIFY(TestEnv::WriteFile(path, content));
        Id3v1Tag tag;
        tag.title = QStringLiteral("kept");
        QCOMPARE(ReadTag(tag, path), read);
        if (!read)
            return;
        QCOMPARE(tag.title, QStringLiteral("Song A") + QString(24, QChar(0))); // padding kept
        QCOMPARE(tag.artist.left(9), QStringLiteral("The Band") + QChar(0));
        QCOMPARE(tag.album.left(12), QStringLiteral("Live, Vol. 2"));
        QCOMPARE(tag.year, QStringLiteral("1999"));
        QCOMPARE(int(tag.track), 5);
        QCOMPARE(int(tag.genre), 17);
    }

    void readTagOfMissingFolderOrPipe() {
        Id3v1Tag tag;
        QVERIFY(!ReadTag(tag, m_dir.filePath(QStringLiteral("missing.mp3"))));
        QVERIFY(!ReadTag(tag, m_dir.path()));
        const QString fifo = m_dir.filePath(QStringLiteral("pipe.mp3"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!ReadTag(tag, fifo)); // returns at once instead of waiting for a writer
        QVERIFY(
            tag.FromBlock(TestEnv::Id3Block("Caf\xE9 \x80 \x93x\x94 \x81", "", "", "", "", 0, 0)));
        QCOMPARE(tag.title.left(12), QString::fromUtf8("Café € “x” \u0081")); // Windows-1252
    }

    void cleanTagField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("removeHigh");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QString>("cleaned");
        const QString nuls(30, QChar(0));
        QTest::newRow("empty rejected") << "" << true << false << "";
        QTest::newRow("blanks rejected unchanged") << "    " << true << false << "    ";
        QTest::newRow("thirty NULs rejected unchanged") << nuls << true << false << nuls;
        QTest::newRow("blanks and NULs mixed cleaned to nothing")
            << QStringLiteral("  ") + QChar(0) + QStringLiteral(" ") << true << false << "";
        QTest::newRow("trimmed, NULs and controls removed")
            << QStringLiteral(" So\tn\ng ") + QString(5, QChar(0)) << true << true << "Song";
        QTest::newRow("accented letter removed") << "Café" << true << true << "Caf";
        QTest::newRow("accented letter kept without the flag") << "Café" << false << true << "Café";
        QTest::newRow("only high characters") << "é€" << true << false << "";
    }
    void cleanTagField() {
        QFETCH(QString, field);
        QFETCH(bool, removeHigh);
        QFETCH(bool, usable);
        QFETCH(QString, cleaned);
        QCOMPARE(CleanTagField(field, removeHigh), usable);
        QCOMPARE(field, cleaned);
    }
};

QTEST_GUILESS_MAIN(TestId3v1Tag)
#include "tst_id3v1tag.moc"
