#include "naming/foldername.h"

#include "naming/namingcontext.h"
#include "naming/namingoptions.h"
#include "naming/tagname.h"
#include "support/testenv.h"
#include "tags/genres.h"
#include "tags/id3v1tag.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
const QString bad = QStringLiteral("<bad>");

struct SmartRow {
    const char *file, *smart, *plain;
};

void SmartRows(std::initializer_list<SmartRow> rows) {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("smart");
    QTest::addColumn<QString>("plain");
    for (const SmartRow &r : rows)
        QTest::newRow(r.file) << QString::fromUtf8(r.file) << QString::fromUtf8(r.smart)
                              << QString::fromUtf8(r.plain);
}

// The row's file name with the smarter names on and off, each answered the same again from a
// load's memory.
void CheckSmart() {
    QFETCH(QString, file);
    QFETCH(QString, smart);
    QFETCH(QString, plain);
    for (const bool on : {true, false}) {
        NamingOptions options;
        options.dashSection = 0;
        options.primaryArtistOnly = true;
        options.smartNames = on;
        NamingContext context;
        for (NamingContext *c : {static_cast<NamingContext *>(nullptr), &context, &context}) {
            const FolderNameResult r = DeriveFolderName(file, QString(), options, c);
            QCOMPARE(r.ok ? r.folder : bad, on ? smart : plain);
        }
    }
}

// Title "Song A", artist "The Band", album "Live, Vol. 2", year 1999, track 5, genre 17 (Rock)
// unless given.
QByteArray Block(const QByteArray &title = "Song A", const QByteArray &artist = "The Band",
                 const QByteArray &year = "1999", int track = 5, int genre = 17) {
    return TestEnv::Id3Block(title, artist, "Live, Vol. 2", year, "", track, genre);
}
} // namespace

class TestFolderName : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        LoadGenres();
    }

    void fromFileName_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("dash");
        QTest::addColumn<bool>("primaryOnly");
        QTest::addColumn<QString>("folder");
        const char *sample = "Corvelle - 04 - Dont Cry For Me Argentina - Orlan SoundTrack.mp3";
        const struct {
            const char *row, *file;
            int dash;
            const char *folder;
        } rows[] = {
            {"first section", sample, 0, "Corvelle"},
            {"second section skips the track number", sample, 1, "Dont Cry For Me Argentina"},
            {"leading track number skipped", "01 - Artist Name - Title.mp3", 0, "Artist Name"},
            {"50 joined with the next section", "50-Cent - Glow.mp3", 0, "50 Cent"},
            {"E-40 special artist", "E-40 - Song.mp3", 0, "E 40"},
            {"AC-DC special name", "AC-DC - Song.mp3", 0, "ACDC"},
            {"Jay-Z joined", "Jay-Z - Song.mp3", 0, "Jay Z"},
            {"featured artist removed", "Pembo Ft. Kaz - Song.mp3", 0, "Pembo"},
            {"with inside a name is no marker", "Bill Withers feat. Grover Washington - X.mp3", 0,
             "Bill Withers"},
            {"with as a word cuts", "Santana with Rob Thomas - Smooth.mp3", 0, "Santana"},
            {"blank-separated article joined then dropped", "The Lanterns Glow.mp3", 0, "Lanterns"},
            {"too few sections for the third", "Artist - Title.mp3", 2, "<bad>"},
            {"three dots", "...", 0, "<bad>"},
            {"numeric section gives way to a wordy one", "1999 (Remix) - Dalvern.mp3", 0,
             "Dalvern"},
            {"number word joins the next", "Seven Lanterns - Glow.mp3", 0, "Seven Lanterns Glow"},
            {"extension alone gives Mp", ".mp3", 0, "Mp"},
            {"no dot keeps the whole text", "Artist Song", 1, "Song"},
            {"one word has no second section", "Artist.mp3", 1, "<bad>"},
            {"UB40 kept whole", "UB40.mp3", 0, "UB40"},
            {"digits end a one-word name", "Corvelle2005.mp3", 0, "Corvelle"},
            {"one-word name stops at a bracket", "Corvelle(live).mp3", 0, "Corvelle"},
            {"3-6-Mafia", "3-6-Mafia - Song.mp3", 0, "36 Mafia"},
            {"blanks around 50 make it no artist section", "a- 50 -Song.mp3", 0, "A"},
            {"ten prefix: number word", "Tenfold Echo - Tribute.mp3", 0, "Tenfold Echo Tribute"},
            {"track number with nothing after it", "Artist - 05.mp3", 1, "<bad>"},
            {"numeric, nothing wordy elsewhere: ok, empty", "Dalvern - 1999 (Remix).mp3", 1, ""},
            {"one-letter section takes the next", "K-lan - Glow.mp3", 0, "K Lan"},
            {"relative path uses the file name", "Live/Corvelle - Song.mp3", 0, "Corvelle"},
            {"separators cleaned", "__[Velvet_Lanterns]_-_Song.mp3", 0, "Velvet Lanterns"},
            {"inner dots are blanks", "Velvet.Lanterns - Song.mp3", 0, "Velvet Lanterns"},
            {"percent twenty is a blank", "Velvet%20Lanterns-Song.mp3", 0, "Velvet Lanterns"},
            {"braces and semicolons", "{Velvet;Lanterns}-Song.mp3", 0, "Velvet Lanterns"},
            {"comma separates without dashes", "Corvelle, Song.mp3", 0, "Corvelle"},
            {"doubled commas are one", "Corvelle,,Song.mp3", 1, "Song"},
            {"ampersand spelled out, primary kept", "Hart & Vale - Song.mp3", 0, "Hart"},
            {"and the", "Vance Orrin & The Lamplights - X.mp3", 0,
             "Vance Orrin And The Lamplights"},
            {"112 stays a name", "112 - Song.mp3", 0, "112"},
            {"702 stays a name", "702 - Song.mp3", 0, "702"},
            {"504 boys", "504 - Boys - Song.mp3", 0, "504 Boys"},
            {"trans siberian", "Transsiberian Orchestra - X.mp3", 0, "Trans-Siberian Orchestra"},
            {"one hit wonders", "One Hit Wonders Vol 2 - X.mp3", 0, "One Hit Wonders"},
            {"all saints", "All-Saints - Song.mp3", 0, "All Saints"},
            {"all american rejects", "All-American Rejects - Song.mp3", 0, "All American Rejects"},
            {"def leppard", "Def-Leppard - Song.mp3", 0, "Def Lepard"},
            {"c murder", "C-Murder - Song.mp3", 0, "C Murder"},
            {"c murder from the file name", "C 12 5 - cmurder.mp3", 0, "C Murder"},
            {"three doors down", "Three Doors Down - Kryptonite.mp3", 0, "Three Doors Down"},
            {"the as a section joins the next", "The - Lanterns - Song.mp3", 0, "Lanterns"},
            {"tmd joins the next section", "TMD - Lanterns.mp3", 0, "Tmd Lanterns"},
            {"empty first section takes the next", "Corvelle -- Song.mp3", 0, "Corvelle"},
            {"negative dash option read as the first", "Corvelle - Song.mp3", -1, "Corvelle"},
            {"empty file name", "", 0, "<bad>"},
            {"dash alone", "-.mp3", 0, "<bad>"},
            {"bracket first", "(1).mp3", 0, "<bad>"},
        };
        for (const auto &r : rows)
            QTest::newRow(r.row) << QString::fromUtf8(r.file) << r.dash << true
                                 << QString::fromUtf8(r.folder);
        QTest::newRow("featured artist kept without primary option")
            << "Pembo Ft. Kaz - Song.mp3" << 0 << false << "Pembo With Kaz";
        QTest::newRow("and cut with primary option")
            << "Tomber And Quill - Song.mp3" << 0 << true << "Tomber";
        QTest::newRow("line break in a file name")
            << "Corv\nelle - Song.mp3" << 0 << true << "Corv Elle";
    }
    void fromFileName() {
        QFETCH(QString, file);
        QFETCH(int, dash);
        QFETCH(bool, primaryOnly);
        QFETCH(QString, folder);
        NamingOptions options;
        options.dashSection = dash;
        options.primaryArtistOnly = primaryOnly;
        options.folderFromTag = true; // no such file: the name decides
        const FolderNameResult r = DeriveFolderName(file, m_dir.filePath(file), options);
        QCOMPARE(r.ok ? r.folder : bad, folder);
        QVERIFY(!r.fromTag);
        NamingContext context; // a load's memory answers the same, the first time and after
        for (int i = 0; i < 2; ++i) {
            const FolderNameResult again =
                DeriveFolderName(file, m_dir.filePath(file), options, &context);
            QCOMPARE(again.ok ? again.folder : bad, folder);
        }
    }

    void fromTag_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("option");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<int>("length"); // of the file: 128 bytes hold the tag alone
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("fromTag");
        const struct {
            const char *row, *file;
            bool option;
            const char *fields;
            int length;
            const char *folder;
            bool fromTag;
        } rows[] = {
            {"album by default", "Corvelle - Song.mp3", true, "", 300, "Live Vol", true},
            {"whole file is the tag", "Corvelle - Song.mp3", true, "", 128, "Live Vol", true},
            {"artist through normalisation", "Corvelle - Song.mp3", true, "Artist", 300,
             "Band With Kaz", true},
            {"option off uses the file name", "Corvelle - Song.mp3", false, "", 300, "Corvelle",
             false},
            {"not an mp3 uses the file name", "Corvelle - Song.wma", true, "", 300, "Corvelle",
             false},
            {"empty tag name falls back", "Corvelle - Song.mp3", true, "Comment", 300, "Corvelle",
             false},
            {"genre from the table", "Corvelle - Song.mp3", true, "Genre", 300, "Rock", true},
            {"file too short for a tag", "Corvelle - Song.mp3", true, "", 127, "Corvelle", false},
        };
        for (const auto &r : rows)
            QTest::newRow(r.row) << r.file << r.option << r.fields << r.length << r.folder
                                 << r.fromTag;
    }
    void fromTag() {
        QFETCH(QString, file);
        QFETCH(bool, option);
        QFETCH(QString, fields);
        QFETCH(int, length);
        QFETCH(QString, folder);
        QFETCH(bool, fromTag);
        const QString path = m_dir.filePath(QStringLiteral("tagged"));
        const QByteArray block =
            TestEnv::Id3Block("Title", "The Band feat. Kaz", "Live, Vol. 2", "2001", "", 3, 17);
        QVERIFY(TestEnv::WriteFile(path, QByteArray(QByteArray(200, 'x') + block).right(length)));
        NamingOptions options;
        options.folderFromTag = option;
        options.folderNameFields = fields;
        options.primaryArtistOnly = true; // not applied to tag names
        NamingContext memory;
        for (NamingContext *context : {static_cast<NamingContext *>(nullptr), &memory, &memory}) {
            const FolderNameResult r = DeriveFolderName(file, path, options, context);
            QCOMPARE(r.ok ? r.folder : bad, folder);
            QCOMPARE(r.fromTag, fromTag);
        }
    }

    // The smarter names, one table per rule: real names, the folder with the option on and,
    // for contrast, with it off (dash option 0, primary artists only).
    void smartHyphens_data() {
        SmartRows(
            {{"Salt-N-Pepa - Push It.mp3", "Salt-N-Pepa", "Salt"},
             {"Bone Thugs-N-Harmony - Tha Crossroads.mp3", "Bone Thugs-N-Harmony", "Bone Thugs"},
             {"Eagle-Eye Cherry - Save Tonight.mp3", "Eagle-Eye Cherry", "Eagle"},
             {"Jay-Z - 99 Problems.mp3", "Jay-Z", "Jay Z"},
             {"01-eminem-without_me-xxx.mp3", "Eminem", "Eminem"}}); // no dash separates
    }
    void smartHyphens() { CheckSmart(); }
    void smartInitials_data() {
        SmartRows({{"R.E.M. - Losing My Religion.mp3", "REM", "R E M"},
                   {"M.C. Hammer - Pray.mp3", "MC Hammer", "M C Hammer"},
                   {"Notorious B.I.G. - Hypnotize.mp3", "Notorious BIG", "Notorious B I G"},
                   {"Run-D.M.C. - Walk This Way.mp3", "Run-DMC", "Run"},
                   {"J. Cole - Crooked Smile.mp3", "J Cole", "J Cole"}}); // one initial
    }
    void smartInitials() { CheckSmart(); }
    void smartWordCount_data() {
        SmartRows({{"Marky Mark And The Funky Bunch - Good Vibrations.mp3",
                    "Marky Mark And The Funky Bunch", "Marky Mark And The Funky"},
                   {"Bob Seger & The Silver Bullet Band - Night Moves.mp3",
                    "Bob Seger And The Silver Bullet Band", "Bob Seger And The Silver"},
                   {"Lil Jon and The East Side Boyz feat. Ying Yang Twins - Get Low.mp3",
                    "Lil Jon And The East Side Boyz", "Lil Jon And The East"}});
    }
    void smartWordCount() { CheckSmart(); }
    void smartNumbers_data() {
        SmartRows({{"4 Non Blondes - Whats Up.mp3", "4 Non Blondes", "Non Blondes"},
                   {"S Club 7 - Never Had A Dream.mp3", "S Club 7", "S Club"},
                   {"Maroon 5 Featuring Wiz Khalifa - Payphone.mp3", "Maroon 5", "Maroon"},
                   {"04 Eminem - Lose Yourself.mp3", "Eminem", "Eminem"},
                   {"4. Eminem - Lose Yourself.mp3", "Eminem", "Eminem"},
                   {"2 - Eminem - Lose Yourself.mp3", "Eminem", "Eminem"},
                   {"01-Eminem - Lose Yourself.mp3", "Eminem", "Eminem"}});
    }
    void smartNumbers() { CheckSmart(); }
    void smartNumberWords_data() {
        SmartRows(
            {{"Three Dog Night - Mama Told Me.mp3", "Three Dog Night", "Three Dog Night Mama Told"},
             {"Five - When The Lights Go Out.mp3", "Five", "Five When The Lights Go"},
             {"Bruce Springsteen - Secret Garden.mp3", "Bruce Springsteen",
              "Bruce Springsteen Secret Garden"}});
    }
    void smartNumberWords() { CheckSmart(); }
    void smartSpellings_data() {
        SmartRows({{"Britney Spears - Toxic.mp3", "Britney Spears", "Britany Spears"},
                   {"Def Leppard - Hysteria.mp3", "Def Leppard", "Def Lepard"},
                   {"Joan Osborne - One Of Us.mp3", "Joan Osborne", "Joan Osbourne"},
                   {"Hilary Duff - Come Clean.mp3", "Hilary Duff", "Hillary Duff"},
                   {"Metalica - One.mp3", "Metallica", "Metallica"}}); // a misspelling still goes
    }
    void smartSpellings() { CheckSmart(); }
    void smartSpecialNames_data() {
        SmartRows({{"Timmy T - One More Try.mp3", "Timmy T", "Timmy T.I."},
                   {"2Pac - Changes.mp3", "2pac", "Tupac"},
                   {"Three 6 Mafia - Stay Fly.mp3", "Three 6 Mafia", "36 Mafia"},
                   {"T.I. - Whatever You Like.mp3", "TI", "T I"},
                   {"Cent - Glow.mp3", "50 Cent", "50 Cent"}}); // a special name completes
    }
    void smartSpecialNames() { CheckSmart(); }
    void smartPrimaryArtists_data() {
        SmartRows(
            {{"Cardi B, Bad Bunny & J Balvin - I Like It.mp3", "Cardi B", "Cardi B Bad Bunny"},
             {"G-Eazy x Bebe Rexha - Me Myself & I.mp3", "G-Eazy", "G Eazy X Bebe Rexha"},
             {"Jay-Z + Alicia Keys - Empire State Of Mind.mp3", "Jay-Z", "Jay Z"},
             {"R. Kelly Duet With Usher - Same Girl.mp3", "R Kelly", "R Kelly Duet"},
             {"10,000 Maniacs - These Are Days.mp3", "10000 Maniacs", "10000 Maniacs"}});
    }
    void smartPrimaryArtists() { CheckSmart(); }
    void smartSafeNames_data() {
        SmartRows({{"Ke$ha - Tik Tok.mp3", "Keha", "Ke$ha"},
                   {"P!nk - So What.mp3", "Pnk", "P!nk"},
                   {"EMINEM - LOSE YOURSELF.mp3", "Eminem", "Eminem"}, // shouting keeps no capitals
                   {"THE SCOTTS, Travis Scott - The Scotts.mp3", "SCOTTS", "Scotts Travis Scott"},
                   {"#.mp3", "<bad>", "#"},
                   {"1999 (Remix) - 2000.mp3", "<bad>", ""}}); // never an empty name
    }
    void smartSafeNames() { CheckSmart(); }

    // A user rule must never turn a name into a path or a reference to a folder above.
    void unsafeRuleResults() {
        for (const auto &[made, folder] : {std::pair{"AC/DC", "Acdc"}, std::pair{"..", "<bad>"}}) {
            NamingOptions options;
            options.userRules.Add(QString::fromLatin1(made), QStringLiteral("acdc"), 0);
            const FolderNameResult r =
                DeriveFolderName(QStringLiteral("ACDC - Song.mp3"), QString(), options);
            QCOMPARE(r.ok ? r.folder : bad, QString::fromLatin1(folder));
        }
    }

    void sectionsAndNumberWords() {
        const QStringList sections{"A", " B ", "50", " 50 ", "7", "112"};
        // untrimmed text, a number artist, no number with blanks or another number, no next
        const QStringList next{" B ", "50", "", "", "112", "", ""};
        for (int k = 0; k < int(next.size()); ++k)
            QCOMPARE(NextSection(k == 6 ? -3 : k, sections), next.at(k));
        for (const char *word :
             {"Twelve", "eleven", "Sixteen", "Canteen", "Threesome", "Tenfold Echo", "Onerepublic"})
            QVERIFY2(IsNumberWord(QString::fromLatin1(word)), word);
        for (const char *word : {"Fiveways", "Twelves", " ten", "Lanterns", ""})
            QVERIFY2(!IsNumberWord(QString::fromLatin1(word)), word);
    }

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
        QTest::newRow("artist") << base << true << "Artist"
                                << "The Band";
        QTest::newRow("year and artist") << base << true << "Year,Artist"
                                         << "1999 - The Band";
        QTest::newRow("genre by name") << base << true << "Genre"
                                       << "Rock";
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
        // A field used is cleaned in place: its NUL padding becomes blanks.
        if (list == QLatin1String("Artist,Album"))
            QCOMPARE(tag.album, QStringLiteral("Live, Vol. 2").leftJustified(30, QLatin1Char(' ')));
    }
};

QTEST_GUILESS_MAIN(TestFolderName)
#include "tst_foldername.moc"
