#include "tags/id3v1tag.h"

#include "support/testenv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
struct BlockFields {
    QByteArray marker = "TAG";
    QByteArray title = "Song A";
    QByteArray artist = "The Band";
    QByteArray album = "Live, Vol. 2";
    QByteArray year = "1999";
    QByteArray comment = "";
    int zero = 0;
    int track = 5;
    int genre = 17;
};

QByteArray Padded(QByteArray b, int width) {
    b = b.left(width);
    return b + QByteArray(width - b.size(), '\0');
}

QByteArray MakeBlock(const BlockFields &s) {
    QByteArray b = Padded(s.marker, 3) + Padded(s.title, 30) + Padded(s.artist, 30) +
                   Padded(s.album, 30) + Padded(s.year, 4) + Padded(s.comment, 28);
    b += char(s.zero);
    b += char(s.track);
    b += char(s.genre);
    return b;
}
} // namespace

class TestId3v1Tag : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;

    QString WriteFile(const QString &name, const QByteArray &content) {
        const QString path = m_dir.filePath(name);
        return TestEnv::WriteFile(path, content) ? path : QString();
    }

  private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void isMp3_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("mp3");
        QTest::newRow("plain mp3") << "song.mp3" << true;
        QTest::newRow("upper-case extension") << "SONG.MP3" << true;
        QTest::newRow("trailing blank trimmed") << "song.mp3 " << true;
        QTest::newRow("relative path") << "Live/song.Mp3" << true;
        QTest::newRow("other extension") << "song.wma" << false;
        QTest::newRow("extension alone is 4 characters") << ".mp3" << true;
        QTest::newRow("three characters too short") << "mp3" << false;
        QTest::newRow("empty") << "" << false;
    }

    void isMp3() {
        QFETCH(QString, name);
        QFETCH(bool, mp3);
        QCOMPARE(IsMp3(name), mp3);
    }

    void readTag_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("track");
        const QByteArray block = MakeBlock(BlockFields());
        BlockFields lower;
        lower.marker = "tag";
        BlockFields mixed;
        mixed.marker = "Tag";
        BlockFields none;
        none.marker = "XYZ";
        QTest::newRow("block is the whole 128-byte file") << block << true << "Song A" << 5;
        QTest::newRow("block at the end of a long file")
            << QByteArray(5000, 'a') + block << true << "Song A" << 5;
        QTest::newRow("127-byte file is an error") << block.mid(1) << false << "" << 0;
        QTest::newRow("lower-case marker accepted") << MakeBlock(lower) << true << "Song A" << 5;
        QTest::newRow("mixed-case marker accepted") << MakeBlock(mixed) << true << "Song A" << 5;
        QTest::newRow("no marker") << MakeBlock(none) << false << "Song A" << 5;
        QTest::newRow("tag not at the very end") << block + QByteArray(10, 'x') << false << "" << 0;
    }

    void readTag() {
        QFETCH(QByteArray, content);
        QFETCH(bool, read);
        QFETCH(QString, title);
        QFETCH(int, track);
        const QString path = WriteFile(QStringLiteral("t.mp3"), content);
        Id3v1Tag tag;
        QCOMPARE(ReadTag(tag, path), read);
        if (!title.isEmpty()) {
            QCOMPARE(tag.title.size(), 30);
            QCOMPARE(tag.title.left(title.size()), title);
            QCOMPARE(tag.title.at(title.size()), QChar(0)); // padding kept as stored
            QCOMPARE(tag.artist.left(8), QStringLiteral("The Band"));
            QCOMPARE(tag.year, QStringLiteral("1999"));
            QCOMPARE(int(tag.track), track);
            QCOMPARE(int(tag.genre), 17);
        }
    }

    void readTagLeavesRecordOfShortFile() {
        const QString path = WriteFile(QStringLiteral("short.mp3"), QByteArray(126, 'T'));
        Id3v1Tag tag;
        tag.title = QStringLiteral("kept");
        QVERIFY(!ReadTag(tag, path));
        QCOMPARE(tag.title, QStringLiteral("kept"));
        QVERIFY(!ReadTag(tag, WriteFile(QStringLiteral("empty.mp3"), QByteArray())));
    }

    void readTagOfMissingFolderOrPipe() {
        Id3v1Tag tag;
        QVERIFY(!ReadTag(tag, m_dir.filePath(QStringLiteral("missing.mp3"))));
        QVERIFY(!ReadTag(tag, m_dir.path()));
        const QString fifo = m_dir.filePath(QStringLiteral("pipe.mp3"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!ReadTag(tag, fifo)); // returns at once instead of waiting for a writer
    }

    void decodesWindows1252() {
        BlockFields s;
        s.title = "Caf\xE9 \x80 \x93x\x94 \x81";
        const QString path = WriteFile(QStringLiteral("cp.mp3"), MakeBlock(s));
        Id3v1Tag tag;
        QVERIFY(ReadTag(tag, path));
        QCOMPARE(tag.title.left(12), QString::fromUtf8("Café € “x” \u0081"));
    }

    void cleanTagField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("removeHigh");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("empty rejected") << "" << true << false << "";
        QTest::newRow("blanks rejected unchanged") << "    " << true << false << "    ";
        QTest::newRow("thirty NULs rejected unchanged")
            << QString(30, QChar(0)) << true << false << QString(30, QChar(0));
        QTest::newRow("blanks and NULs mixed cleaned to nothing")
            << QStringLiteral("  ") + QChar(0) + QStringLiteral(" ") << true << false << "";
        QTest::newRow("trimmed and NUL padding removed")
            << QStringLiteral(" Song ") + QString(5, QChar(0)) << true << true << "Song";
        QTest::newRow("control characters removed")
            << QStringLiteral("So\tn\ng") << true << true << "Song";
        QTest::newRow("accented letter removed") << "Café" << true << true << "Caf";
        QTest::newRow("accented letter kept without the flag") << "Café" << false << true << "Café";
        QTest::newRow("euro sign removed") << "€uro" << true << true << "uro";
        QTest::newRow("only high characters") << "éé" << true << false << "";
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
