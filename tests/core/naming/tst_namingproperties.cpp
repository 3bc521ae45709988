#include "base/settings.h"
#include "naming/artistname.h"
#include "naming/foldername.h"
#include "naming/namingoptions.h"
#include "naming/namingtext.h"
#include "naming/tagname.h"
#include "tags/genres.h"
#include "tags/id3v1tag.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

// Random names and tag blocks: whatever comes in, the naming code must not crash, must
// give the same answer twice, and an ok folder must be a usable single folder name.

namespace {
const char32_t kPieces[] = {
    U'a', U'B', U'c', U'x', U'Z',  U'e',  U't',          U'i',          U' ',      U' ',      U' ',
    U'-', U'-', U'.', U'.', U',',  U'_',  U'~',          U'%',          U'(',      U')',      U'[',
    U']', U'{', U'}', U';', U'&',  U'\'', U'?',          U'/',          U'0',      U'1',      U'2',
    U'3', U'4', U'5', U'8', U'9',  U'\t', U'\n',         U'\r',         U'é',      U'ü',      U'ß',
    U'Ÿ', U'İ', U'ﬁ', U'Ж', U'日', U'本', U'\U0001F3B5', U'\U00010400', U'\u0301', U'\u00A0',
};
const char *const kWords[] = {"the ",  "feat. ", " ft ",     "with",  "50",    "cent",
                              "mafia", "3",      "112",      "E-40",  "ub40",  ".mp3",
                              ".MP3",  "cd1",    "and the ", " and ", "seven", "teen",
                              "tmd",   "%20",    "--",       ",,",    "t",     "c"};
const char *const kFields[] = {"Song", "Artist", "Album", "Genre", "Year", "Track", " Album", "x"};
} // namespace

class TestNamingProperties : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;

    static QString RandomName(QRandomGenerator &rng) {
        QString s;
        const int parts = rng.bounded(0, 14);
        for (int i = 0; i < parts; ++i) {
            if (rng.bounded(4) == 0) {
                s += QString::fromUtf8(kWords[rng.bounded(int(std::size(kWords)))]);
            } else {
                const char32_t c = kPieces[rng.bounded(int(std::size(kPieces)))];
                s += QString::fromUcs4(&c, 1);
            }
        }
        return s;
    }

    static QByteArray RandomBlock(QRandomGenerator &rng) {
        QByteArray b(128, '\0');
        for (int i = 0; i < 128; ++i)
            b[i] = char(rng.bounded(256));
        if (rng.bounded(8) != 0)
            b.replace(0, 3, rng.bounded(2) ? "TAG" : "tAg");
        return b;
    }

    static void CheckFolder(const FolderNameResult &r, const QString &input) {
        if (!r.ok) {
            QVERIFY2(r.folder.isEmpty(), qPrintable(input));
            return;
        }
        QVERIFY2(!r.folder.contains(QLatin1Char('/')), qPrintable(input));
        QVERIFY2(!r.folder.contains(QChar(0)), qPrintable(input));
        QVERIFY2(!r.folder.contains(QLatin1Char('\n')), qPrintable(input));
        QVERIFY2(!r.folder.contains(QLatin1Char('\r')), qPrintable(input));
        QVERIFY2(r.folder != QLatin1String(".") && r.folder != QLatin1String(".."),
                 qPrintable(input));
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        LoadGenres();
    }

    void randomFileNames_data() {
        QTest::addColumn<int>("dash");
        QTest::addColumn<int>("removesubs");
        QTest::newRow("first section, primary only") << 0 << 1;
        QTest::newRow("second section, featured kept") << 1 << 0;
        QTest::newRow("third section, primary only") << 2 << 1;
        QTest::newRow("fourth section, featured kept") << 3 << 0;
    }

    void randomFileNames() {
        QFETCH(int, dash);
        QFETCH(int, removesubs);
        NamingOptions options;
        options.dashSection = dash;
        options.primaryArtistOnly = removesubs != 0;
        QRandomGenerator rng(20261206u + quint32(dash));
        for (int i = 0; i < 1500; ++i) {
            const QString name = RandomName(rng);
            const QString rel = rng.bounded(3) == 0 ? QStringLiteral("sub dir/") + name : name;
            const FolderNameResult first = DeriveFolderName(rel, QString(), options);
            CheckFolder(first, rel);
            const FolderNameResult again = DeriveFolderName(rel, QString(), options);
            QCOMPARE(again.folder, first.folder);
            QCOMPARE(again.ok, first.ok);
            // the building blocks on their own
            const QString n = NormalizeArtist(name, options);
            QCOMPARE(NormalizeArtist(name, options), n);
            QVERIFY(LimitNameWords(name).size() <= 35);
            QCOMPARE(FixArtistWords(name, name), FixArtistWords(name, name));
        }
    }

    void randomTagBlocks() {
        QRandomGenerator rng(1206u);
        NamingOptions options;
        for (int i = 0; i < 3000; ++i) {
            const QByteArray block = RandomBlock(rng);
            QString list;
            for (int f = rng.bounded(0, 4); f > 0; --f)
                list += QString::fromLatin1(kFields[rng.bounded(int(std::size(kFields)))]) +
                        QLatin1Char(',');
            list.chop(rng.bounded(2));
            options.folderNameFields = list;
            Id3v1Tag tag;
            QVERIFY(tag.FromBlock(block));
            QCOMPARE(tag.title.size(), 30);
            Id3v1Tag copy = tag;
            const QString name = BuildTagName(tag, TagNameFor::Folder, options);
            QCOMPARE(BuildTagName(copy, TagNameFor::Folder, options), name);
            for (const QChar c : name)
                QVERIFY2(c.unicode() >= 32 && c != QLatin1Char('/'), qPrintable(list));
            const QString folder = NormalizeArtist(name, options);
            QCOMPARE(NormalizeArtist(name, options), folder);
        }
    }

    void randomTagFiles() {
        QRandomGenerator rng(7u);
        NamingOptions options;
        options.folderFromTag = true;
        for (int i = 0; i < 300; ++i) {
            const QString path = m_dir.filePath(QStringLiteral("f%1.mp3").arg(i));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(rng.bounded(0, 300), 'x') +
                    RandomBlock(rng).left(rng.bounded(100, 129)));
            f.close();
            options.folderNameFields =
                QString::fromLatin1(kFields[rng.bounded(int(std::size(kFields)))]);
            const QString rel = RandomName(rng) + QStringLiteral(".mp3");
            const FolderNameResult r = DeriveFolderName(rel, path, options);
            CheckFolder(r, rel);
            const FolderNameResult again = DeriveFolderName(rel, path, options);
            QCOMPARE(again.folder, r.folder);
            QCOMPARE(again.fromTag, r.fromTag);
        }
    }

    void fastTextHelpersAgreeWithQt() {
        // characters whose case folding reaches ASCII (Kelvin sign, long s) or changes length
        const char32_t tricky[] = {U'a',      U'A', U'k', U'K',          U'\u212A',     U's', U'S',
                                   U'\u017F', U'i', U'I', U'\u0130',     U'\u0131',     U'ß', U'é',
                                   U'É',      U' ', U'-', U'\U00010400', U'\U00010428', U'1'};
        QRandomGenerator rng(99u);
        const NamingOptions options;
        const auto random = [&](int maxLength) {
            QString s;
            for (int n = rng.bounded(0, maxLength + 1); n > 0; --n) {
                const char32_t c = tricky[rng.bounded(int(std::size(tricky)))];
                s += QString::fromUcs4(&c, 1);
            }
            return s;
        };
        for (int i = 0; i < 4000; ++i) {
            const QString hay = random(12);
            const QString needle = random(3);
            const qsizetype from = rng.bounded(0, 3);
            for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive})
                QVERIFY2(NamingText::IndexOf(hay, needle, cs, from) ==
                             QStringView(hay).indexOf(needle, from, cs),
                         qPrintable(hay + QLatin1Char('|') + needle));
            QCOMPARE(NamingText::Numeric(hay), TextUtil::IsNumeric(hay));
            QCOMPARE(NamingText::Trimmed(hay), TextUtil::Trim(hay));
            // proper case: the plain-ASCII path must equal the per-character mapping
            QString expected;
            bool start = true;
            for (const char32_t c : hay.toUcs4()) {
                const bool brk = c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == 0;
                const char32_t m = brk ? c : start ? QChar::toUpper(c) : QChar::toLower(c);
                expected += QString::fromUcs4(&m, 1);
                start = brk;
            }
            QCOMPARE(ProperCase(hay), expected);
            // invalid characters: the bit mask must answer as a search of the set does
            QString plain = hay + QStringLiteral("a/b.c?") + QChar(7);
            QString reference = plain;
            reference.removeIf([](QChar c) { return BuildInvalidNameChars().contains(c); });
            QCOMPARE(RemoveInvalidChars(plain, options), TextUtil::Trim(reference));
        }
    }
};

QTEST_GUILESS_MAIN(TestNamingProperties)
#include "tst_namingproperties.moc"
