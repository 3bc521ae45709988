#include "naming/foldername.h"
#include "naming/namingoptions.h"
#include "naming/tagname.h"
#include "organize/loadscan.h"
#include "tags/richtag.h"
#include "tags/tagdisplay.h"

#include "support/testenv.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/oggpage.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisfile.h>

namespace {
QByteArray Le(quint64 value, int bytes) {
    QByteArray b;
    for (int i = 0; i < bytes; ++i)
        b += char((value >> (8 * i)) & 0xFF);
    return b;
}

QByteArray Atom(const char *type, const QByteArray &body) {
    const quint32 size = quint32(8 + body.size());
    const char bigEndian[4] = {char(size >> 24), char(size >> 16), char(size >> 8), char(size)};
    return QByteArray(bigEndian, 4) + type + body;
}

QByteArray AsfObject(const char *guid, int bodySize) {
    return QByteArray(guid, 16) + Le(quint64(24 + bodySize), 8) + QByteArray(bodySize, '\0');
}

// Just enough of each container for TagLib to put its tag into.
QByteArray Skeleton(const QString &format) {
    if (format == QLatin1String("mp3")) {
        QByteArray frame("\xFF\xFB\x90\x64", 4);
        return QByteArray(frame + QByteArray(413, '\0')).repeated(4);
    }
    if (format == QLatin1String("flac"))
        return QByteArray("fLaC\x80\x00\x00\x22", 8) + QByteArray(34, '\x01');
    if (format == QLatin1String("m4a"))
        return Atom("ftyp", QByteArray("M4A \0\0\0\0M4A ", 12)) +
               Atom("moov", Atom("mvhd", QByteArray(100, '\0')));
    if (format == QLatin1String("wma")) {
        const QByteArray objects =
            AsfObject("\xA1\xDC\xAB\x8C\x47\xA9\xCF\x11\x8E\xE4\x00\xC0\x0C\x20\x53\x65", 80) +
            AsfObject("\x91\x07\xDC\xB7\xB7\xA9\xCF\x11\x8E\xE6\x00\xC0\x0C\x20\x53\x65", 54);
        return QByteArray("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16) +
               Le(quint64(30 + objects.size()), 8) + Le(2, 4) + QByteArray("\x01\x02", 2) + objects;
    }
    // Ogg Vorbis: the identification, comment and setup headers in pages TagLib paginates.
    const TagLib::ByteVector id("\x01vorbis\0\0\0\0\x01\x44\xAC\0\0\0\0\0\0\0\0\0\0\0\0\0\xB8\x01",
                                30);
    const TagLib::ByteVector comment("\x03vorbis\0\0\0\0\0\0\0\0\x01", 16);
    const TagLib::ByteVector setup("\x05vorbis\0\0\0\0", 11);
    QByteArray out;
    const auto add = [&out](const TagLib::ByteVectorList &packets, int page) {
        for (TagLib::Ogg::Page *p :
             TagLib::Ogg::Page::paginate(packets, TagLib::Ogg::Page::SinglePagePerGroup, 7, page)) {
            const TagLib::ByteVector b = p->render();
            out += QByteArray(b.data(), int(b.size()));
            delete p;
        }
    };
    TagLib::ByteVectorList first;
    first.append(id);
    add(first, 0);
    TagLib::ByteVectorList rest;
    rest.append(comment);
    rest.append(setup);
    add(rest, 1);
    return out;
}

struct Fields {
    const char *title, *artist, *album, *genre, *year, *track;
};

// A real file of the format with its own tag written by TagLib (ID3v2 of @p id3v2Version
// for MP3s); @p v1Album adds an ID3 v1 block beside it.
void WriteTagged(const QString &path, const QString &format, const Fields &f, int id3v2Version = 4,
                 const char *v1Album = nullptr) {
    QVERIFY(TestEnv::WriteFile(path, Skeleton(format)));
    TagLib::PropertyMap map;
    const auto put = [&map](const char *key, const char *value) {
        if (value)
            map.insert(key, TagLib::StringList(TagLib::String(value, TagLib::String::UTF8)));
    };
    put("TITLE", f.title), put("ARTIST", f.artist), put("ALBUM", f.album);
    put("GENRE", f.genre), put("DATE", f.year), put("TRACKNUMBER", f.track);
    const QByteArray name = path.toUtf8();
    const auto save = [&map](auto &&file, auto &&...how) {
        QVERIFY(file.isValid());
        file.setProperties(map);
        QVERIFY(file.save(how...));
    };
    if (format == QLatin1String("mp3")) {
        TagLib::MPEG::File file(name.constData(), false);
        QVERIFY(file.isValid());
        file.ID3v2Tag(true)->setProperties(map);
        if (v1Album)
            file.ID3v1Tag(true)->setAlbum(v1Album);
        QVERIFY(file.save(TagLib::MPEG::File::AllTags, TagLib::File::StripOthers,
                          id3v2Version == 3 ? TagLib::ID3v2::v3 : TagLib::ID3v2::v4,
                          TagLib::File::DoNotDuplicate));
    } else if (format == QLatin1String("flac")) {
        save(TagLib::FLAC::File(name.constData(), false));
    } else if (format == QLatin1String("ogg")) {
        save(TagLib::Ogg::Vorbis::File(name.constData(), false));
    } else if (format == QLatin1String("m4a")) {
        save(TagLib::MP4::File(name.constData(), false));
    } else {
        save(TagLib::ASF::File(name.constData(), false));
    }
}

const Fields kFields{
    "A Song Title Well Past Thirty Characters", "The Band", "Live, Vol. 2", "Jazz", "1999", "3/12"};
const QStringList kFormats{"mp3", "flac", "ogg", "m4a", "wma"};
} // namespace

class TestRichTag : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Path(const QString &name) const { return m_dir.filePath(name); }

    static NamingOptions TagOptions(bool allTags) {
        NamingOptions o;
        o.folderFromTag = true;
        o.allTags = allTags;
        return o;
    }

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        QVERIFY(m_dir.isValid());
    }

    void fieldsOfEachFormat_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("genreRead");
        QTest::newRow("mp3 v2.4, genre number") << "mp3" << 4 << "17"
                                                << "ID3v2.4"
                                                << "Rock";
        QTest::newRow("mp3 v2.3") << "mp3" << 3 << "Jazz"
                                  << "ID3v2.3"
                                  << "Jazz";
        QTest::newRow("flac") << "flac" << 4 << "Jazz"
                              << "Vorbis comment"
                              << "Jazz";
        QTest::newRow("ogg vorbis") << "ogg" << 4 << "Jazz"
                                    << "Vorbis comment"
                                    << "Jazz";
        QTest::newRow("mp4") << "m4a" << 4 << "Jazz"
                             << "MP4"
                             << "Jazz";
        QTest::newRow("wma") << "wma" << 4 << "Jazz"
                             << "ASF"
                             << "Jazz";
    }

    void fieldsOfEachFormat() {
        QFETCH(QString, format);
        QFETCH(int, version);
        QFETCH(QString, genre);
        const QString path =
            Path(QStringLiteral("fields %1 %2.%3").arg(version).arg(genre, format));
        Fields f = kFields;
        const QByteArray genreBytes = genre.toUtf8();
        f.genre = genreBytes.constData();
        WriteTagged(path, format, f, version);
        RichTag tag;
        QVERIFY(ReadRichTag(tag, path));
        QTEST(tag.kind, "kind");
        QCOMPARE(tag.title, QString::fromUtf8(kFields.title));
        QCOMPARE(tag.artist, QStringLiteral("The Band"));
        QCOMPARE(tag.album, QStringLiteral("Live, Vol. 2"));
        QTEST(tag.genre, "genreRead");
        QCOMPARE(tag.year, QStringLiteral("1999"));
        QCOMPARE(tag.track, QStringLiteral("3"));
        // The v1 rules build the name, without the 30-character width.
        NamingOptions o;
        o.fileNameFields = QStringLiteral("Track,Artist,Album,Genre,Year,Song");
        QFETCH(QString, genreRead);
        QCOMPARE(BuildTagName(tag, TagNameFor::File, o),
                 QStringLiteral("3 - The Band - Live Vol 2 - %1 - 1999 - %2")
                     .arg(genreRead, QString::fromUtf8(kFields.title)));
    }

    void nameFields_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("track");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("track before slash") << "Track,Song"
                                            << " 07/10"
                                            << "Go"
                                            << "7 - Go";
        QTest::newRow("track not a number") << "Track,Song"
                                            << "A1"
                                            << "Go"
                                            << "Go";
        QTest::newRow("no track") << "Track,Song"
                                  << ""
                                  << "Go"
                                  << "Go";
        QTest::newRow("invalid characters") << "Song"
                                            << ""
                                            << "AC/DC: Live?"
                                            << "ACDC Live";
        QTest::newRow("accents go as in v1") << "Song"
                                             << ""
                                             << "Café"
                                             << "Caf";
        QTest::newRow("control characters") << "Song"
                                            << ""
                                            << "A\tB\x01"
                                            << "AB";
        QTest::newRow("blank field") << "Song,Album"
                                     << ""
                                     << "   "
                                     << "Album X";
        QTest::newRow("default list: song") << ""
                                            << "2"
                                            << "Go"
                                            << "Go";
    }

    void nameFields() {
        QFETCH(QString, list);
        RichTag tag;
        tag.album = QStringLiteral("Album X");
        QFETCH(QString, track);
        QFETCH(QString, title);
        tag.track = track.left(track.indexOf(QLatin1Char('/'))).trimmed();
        tag.title = title;
        NamingOptions o;
        o.fileNameFields = list;
        QTEST(BuildTagName(tag, TagNameFor::File, o), "name");
    }

    void mp3PrefersId3v2ButKeepsV1Alone() {
        const QString both = Path(QStringLiteral("both.mp3"));
        WriteTagged(both, QStringLiteral("mp3"), kFields, 4, "Old Album");
        const FolderNameResult rich =
            DeriveFolderName(QStringLiteral("both.mp3"), both, TagOptions(true));
        QVERIFY(rich.fromTag);
        QCOMPARE(rich.folder, QStringLiteral("Live Vol"));
        QCOMPARE(DeriveFolderName(QStringLiteral("both.mp3"), both, TagOptions(false)).folder,
                 QStringLiteral("Old Album"));
        // Only a v1 block: no richer tag, the v1 reading stays with its callers.
        const QString v1 = Path(QStringLiteral("v1only.mp3"));
        QVERIFY(TestEnv::WriteFile(v1, Skeleton(QStringLiteral("mp3")) +
                                           TestEnv::Id3Block("T", "A", "Only V1", "", "", 1, 1)));
        RichTag tag;
        QVERIFY(!ReadRichTag(tag, v1));
        QCOMPARE(DeriveFolderName(QStringLiteral("v1only.mp3"), v1, TagOptions(true)).folder,
                 QStringLiteral("Only V1"));
    }

    // Off, a load gives today's rows: the same rows as the same files without richer tags.
    // On, the richer tags name the folders and a file without one falls back as before.
    void offStateKeepsTodaysRows() {
        QTemporaryDir tagged, plain;
        QStringList taggedPaths, plainPaths;
        for (const QString &format : kFormats) {
            const QString name = QStringLiteral("Some Artist - Song.") + format;
            taggedPaths << tagged.filePath(name);
            plainPaths << plain.filePath(name);
            WriteTagged(taggedPaths.back(), format, kFields);
            QVERIFY(TestEnv::WriteFile(plainPaths.back(), Skeleton(format)));
        }
        const auto rows = [](const QTemporaryDir &dir, const QStringList &paths, bool allTags) {
            QStringList out;
            for (const LoadRow &r : DeriveLoadRows(dir.path(), paths, TagOptions(allTags)))
                out << r.relativePath + QLatin1Char('|') + r.name.folder + QLatin1Char('|') +
                           r.name.Status() + (r.name.fromTag ? "|tag" : "");
            return out;
        };
        const QStringList today = rows(plain, plainPaths, false);
        QCOMPARE(rows(tagged, taggedPaths, false), today);
        QCOMPARE(rows(plain, plainPaths, true), today);
        for (const QString &row : rows(tagged, taggedPaths, true))
            QVERIFY2(row.endsWith(QLatin1String("|Live Vol|ok|tag")), qPrintable(row));
    }

    void tagWindowShowsTheRicherTag() {
        const QString path = Path(QStringLiteral("window.flac"));
        WriteTagged(path, QStringLiteral("flac"), kFields);
        const TagDisplay on = BuildTagDisplay(path, true);
        QCOMPARE(on.fileNameLine, QStringLiteral("File Name: window.flac   (Vorbis comment)"));
        QCOMPARE(on.lines,
                 QStringList({QStringLiteral("Title: ") + kFields.title, "Album: Live, Vol. 2",
                              "Artist: The Band", "Genre: Jazz", "Year: 1999", "Track: 3"}));
        const TagDisplay off = BuildTagDisplay(path, false);
        QVERIFY(off.lines.isEmpty());
        QCOMPARE(off.location, QStringLiteral("No ID3 Tag Present Or Found In window.flac"));
    }

    // Files cut short, random bytes in the tag header, absurd declared sizes: each loads as
    // a row named from its file name or its tag, never a crash, a hang or a huge allocation.
    void damagedCorpusLoads() {
        QTemporaryDir dir;
        QList<QByteArray> samples;
        for (const QString &format : kFormats) {
            const QString path = dir.filePath(QStringLiteral("sample.") + format);
            WriteTagged(path, format, kFields);
            samples << TestEnv::ReadFile(path);
            QVERIFY(QFile::remove(path));
        }
        // Where each format declares a size: ID3v2 tag size, FLAC block length, MP4 atom
        // sizes, ASF header and object sizes, Ogg segment table.
        const QList<QList<int>> sizeFields{{6, 7, 8, 9, 16, 17},
                                           {5, 6, 7, 9, 10, 11},
                                           {0, 1, 20, 21, 28, 29},
                                           {16, 17, 23, 24, 46, 47, 53},
                                           {26, 27, 28, 29}};
        QRandomGenerator random(20261206);
        QStringList paths;
        for (int i = 0; i < 300; ++i) {
            const int f = i % int(samples.size());
            QByteArray data = samples[f];
            switch ((i / samples.size()) % 3) {
            case 0:
                data.truncate(random.bounded(int(data.size())));
                break;
            case 1:
                for (int k = random.bounded(1, 12); k > 0; --k)
                    data[random.bounded(64)] = char(random.bounded(256));
                break;
            default:
                for (const int at : sizeFields[f])
                    data[at] = random.bounded(2) ? char(0xFF) : char(0x7F);
            }
            paths << dir.filePath(QStringLiteral("Artist %1 - Song.%2").arg(i).arg(kFormats[f]));
            QVERIFY(TestEnv::WriteFile(paths.back(), data));
        }
        const std::vector<LoadRow> rows = DeriveLoadRows(dir.path(), paths, TagOptions(true));
        QCOMPARE(int(rows.size()), 300);
        for (const LoadRow &r : rows) {
            QVERIFY2(r.name.ok && !r.name.folder.isEmpty(), qPrintable(r.relativePath));
            BuildTagDisplay(dir.filePath(r.relativePath), true);
        }
    }
};

QTEST_GUILESS_MAIN(TestRichTag)
#include "tst_richtag.moc"
