#include "naming/artistname.h"

#include "naming/namingoptions.h"

#include <QTest>

class TestArtistName : public QObject {
    Q_OBJECT

    // The built-in rules and no user rule.
    const NamingOptions m_options;

  private slots:

    void normalizeArtist_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("result");
        // everyday names
        QTest::newRow("leading article dropped, proper case") << "the velvet lanterns"
                                                              << "Velvet Lanterns";
        QTest::newRow("feat. becomes With") << "Pembo feat. Kaz"
                                            << "Pembo With Kaz";
        QTest::newRow("leading track number dropped") << "02 Artist"
                                                      << "Artist";
        QTest::newRow("bracketed remark cut") << "Greatest Hits (Disc 1)"
                                              << "Greatest Hits";
        QTest::newRow("disc number removed") << "Artist cd1"
                                             << "Artist";
        QTest::newRow("stray number dropped, year kept") << "Echo 41 Live 2005 Tour"
                                                         << "Echo Live 2005 Tour";
        QTest::newRow("upper word") << "abba"
                                    << "ABBA";
        QTest::newRow("umlauts fixed per word") << "mötley crüe"
                                                << "Motley Crue";
        QTest::newRow("50 cents special name") << "50 cents"
                                               << "50 Cent";
        QTest::newRow("2pac special name") << "2pac"
                                           << "Tupac";
        QTest::newRow("ampersand spelled out") << "Hart & Vale"
                                               << "Hart And Vale";
        QTest::newRow("running keeps only the part before ft") << "Running ft. Other"
                                                               << "Running";
        QTest::newRow("long name limited to words, trailing With dropped")
            << "A Very Long Name With Many Many Words Here Now"
            << "A Very Long Name";
        QTest::newRow("tag name example") << "The Band - Live Vol 2"
                                          << "Band - Live Vol";
        // edge cases
        QTest::newRow("with replaced inside a word") << "Within"
                                                     << "Ftin";
        QTest::newRow("the the keeps one article") << "the the"
                                                   << "The";
        QTest::newRow("trailing and dropped") << "Artist And"
                                              << "Artist";
        QTest::newRow("with turned into ft before the ending test") << "Artist with"
                                                                    << "Artist Ft";
        QTest::newRow("ne yo not joined when ne is not last") << "ne yo"
                                                              << "Ne Yo";
        QTest::newRow("two upper words") << "dmx ii"
                                         << "DMX II";
        QTest::newRow("big is an upper word") << "Big Lantern"
                                              << "BIG Lantern";
        QTest::newRow("8 ball kept as artist number") << "8 Ball and MJG"
                                                      << "8 Ball And MJG";
        QTest::newRow("first number of 20 or more stays") << "21 Lanterns"
                                                          << "21 Lanterns";
        QTest::newRow("first number 19 goes") << "19 Lanterns"
                                              << "Lanterns";
        QTest::newRow("3 doors special name") << "3 Doors"
                                              << "3 Doors Down";
        QTest::newRow("bracket at position 2 not cut") << "A(b) c"
                                                       << "Ab C";
        QTest::newRow("double blanks collapsed") << "Velvet    Lanterns"
                                                 << "Velvet Lanterns";
        QTest::newRow("the devil keeps only the part before ft") << "Sympathy For The Devil ft Band"
                                                                 << "Sympathy For The Devil";
        QTest::newRow("proper case keeps hyphen word") << "trans-siberian orchestra"
                                                       << "Trans-Siberian Orchestra";
        QTest::newRow("trans alone") << "trans"
                                     << "Trans-Siberian Orchestra";
        QTest::newRow("rob zombie joined") << "robzombie"
                                           << "Rob Zombie";
        QTest::newRow("acdc from ac") << "ac"
                                      << "ACDC";
        QTest::newRow("eazy e") << "easy e"
                                << "Eazy E";
        QTest::newRow("three six mafia") << "Three Six Mafia"
                                         << "36 Mafia";
        QTest::newRow("zz top") << "zztop"
                                << "ZZ Top";
        QTest::newRow("tatu") << "t a t u"
                              << "T.A.T.U";
        QTest::newRow("cmurder") << "cmurder"
                                 << "C Murder";
        QTest::newRow("lone c") << "c"
                                << "C";
        QTest::newRow("lone t without context") << "t"
                                                << "T";
        QTest::newRow("8ball") << "8ball"
                               << "8 Ball";
        QTest::newRow("bunb") << "bunb"
                              << "Bun B";
        QTest::newRow("2pac inside a name") << "2pac Live"
                                            << "Tupac Live";
        QTest::newRow("jay alone becomes Jay Z") << "jay"
                                                 << "Jay Z";
        QTest::newRow("cee alone") << "cee"
                                   << "Cee Lo";
        QTest::newRow("misspelling corrected") << "metalica"
                                               << "Metallica";
        QTest::newRow("leppard spelled lepard") << "def leppard"
                                                << "Def Lepard";
        QTest::newRow("empty stays empty") << ""
                                           << "";
        QTest::newRow("blanks only give empty") << "   "
                                                << "";
        QTest::newRow("question marks removed") << "Who?"
                                                << "Who";
        QTest::newRow("apostrophe removed") << "Guns N' Roses"
                                            << "Guns N Roses";
        QTest::newRow("2 pac kept as artist number") << "2 pac"
                                                     << "Tupac";
        QTest::newRow("lone cent") << "cent"
                                   << "50 Cent";
    }

    void normalizeArtist() {
        QFETCH(QString, raw);
        QFETCH(QString, result);
        QCOMPARE(NormalizeArtist(raw, m_options), result);
    }

    void normalizeArtistWithUserRules_data() {
        QTest::addColumn<QString>("oldVal");
        QTest::addColumn<QString>("newVal");
        QTest::addColumn<int>("caseSensitive");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("result");
        QTest::newRow("rule applied") << "Jay Z"
                                      << "Jay Z Live" << 0 << "Jay Z"
                                      << "Jay Z Live";
        QTest::newRow("rule not applied twice") << "Jay Z"
                                                << "Jay Z Live" << 0 << "Jay Z Live"
                                                << "Jay Z Live";
        QTest::newRow("empty new text deletes") << "Best Of"
                                                << "" << 0 << "Corvelle Best Of"
                                                << "Corvelle";
        QTest::newRow("case-sensitive rule skips other case") << "corvelle"
                                                              << "Korvel" << 1 << "Corvelle"
                                                              << "Corvelle";
        QTest::newRow("case-insensitive rule") << "corvelle"
                                               << "Korvel" << 0 << "Corvelle"
                                               << "Korvel";
        QTest::newRow("lone c with murder in context returned at once") << "murder"
                                                                        << "" << 0 << "C Murder"
                                                                        << "C Murder";
        QTest::newRow("lone t with pain in context returned at once") << "pain"
                                                                      << "" << 0 << "T Pain"
                                                                      << "T Pain";
        QTest::newRow("lone t with i in context") << "I"
                                                  << "" << 1 << "T I"
                                                  << "T.I.";
    }

    void normalizeArtistWithUserRules() {
        QFETCH(QString, oldVal);
        QFETCH(QString, newVal);
        QFETCH(int, caseSensitive);
        QFETCH(QString, raw);
        QFETCH(QString, result);
        NamingOptions options;
        options.userRules.Add(newVal, oldVal, caseSensitive);
        QCOMPARE(NormalizeArtist(raw, options), result);
    }

    void fixArtistWords_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("result");
        QTest::newRow("upper word") << "Ugk Live"
                                    << ""
                                    << "UGK Live";
        QTest::newRow("masterp") << "Masterp"
                                 << ""
                                 << "Master P";
        QTest::newRow("50cent") << "50cent"
                                << ""
                                << "50 Cent";
        QTest::newRow("boys2men") << "Boys2men"
                                  << ""
                                  << "Boyz II Men";
        QTest::newRow("queensryche") << "Queensrÿche"
                                     << ""
                                     << "Queensryche";
        QTest::newRow("karaoke") << "Kareoke Hits"
                                 << ""
                                 << "Karaoke Hits";
        QTest::newRow("cee last") << "Big Cee"
                                  << ""
                                  << "BIG Cee Lo";
        QTest::newRow("cee not last") << "Cee Band"
                                      << ""
                                      << "Cee Band";
        QTest::newRow("eazye") << "Eazye"
                               << ""
                               << "Eazy E";
        QTest::newRow("jay last") << "Jay"
                                  << ""
                                  << "Jay Z";
        QTest::newRow("jay not last") << "Jay Sean"
                                      << ""
                                      << "Jay Sean";
        QTest::newRow("bun last") << "Bun"
                                  << ""
                                  << "Bun B";
        QTest::newRow("jayz") << "Jayz"
                              << ""
                              << "Jay Z";
        QTest::newRow("36mafia") << "36mafia"
                                 << ""
                                 << "36 Mafia";
        QTest::newRow("t pain from context") << "T"
                                             << "T-Pain - Song"
                                             << "T Pain";
        QTest::newRow("t.i. from context") << "T"
                                           << "Artist"
                                           << "T.I.";
        QTest::newRow("t without context") << "T"
                                           << "Band"
                                           << "T";
        QTest::newRow("t not last stays") << "T Band"
                                          << "T-Pain"
                                          << "T Band";
        QTest::newRow("e 40 from context") << "E"
                                           << "E-40 - Song"
                                           << "E 40";
        QTest::newRow("e without context") << "E"
                                           << "Song"
                                           << "E";
        QTest::newRow("ne yo joined when last") << "Ne"
                                                << "Ne-Yo - So Sick"
                                                << "NeYo";
        QTest::newRow("cent only word") << "Cent"
                                        << ""
                                        << "50 Cent";
        QTest::newRow("cent not only word") << "Cent Band"
                                            << ""
                                            << "Cent Band";
        QTest::newRow("eightball only word") << "Eightball"
                                             << ""
                                             << "8 Ball";
        QTest::newRow("zz with top in context") << "ZZ"
                                                << "ZZ-Top"
                                                << "ZZ Top";
        QTest::newRow("r kelly") << "R"
                                 << "R-Kelly - Ignition"
                                 << "R Kelly";
        QTest::newRow("h town") << "H"
                                << "H-Town"
                                << "H Town";
        QTest::newRow("acdc") << "Acdc"
                              << ""
                              << "ACDC";
        QTest::newRow("blanks collapsed and trimmed") << "  A   B  "
                                                      << ""
                                                      << "A B";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }

    void fixArtistWords() {
        QFETCH(QString, name);
        QFETCH(QString, context);
        QFETCH(QString, result);
        QCOMPARE(FixArtistWords(name, context), result);
    }

    void limitNameWords_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("result");
        QTest::newRow("stray number dropped, year kept") << "Echo 41 Live 2005 Tour"
                                                         << "Echo Live 2005 Tour";
        QTest::newRow("five counted words") << "One Two Three Four Five Six"
                                            << "One Two Three Four Five";
        QTest::newRow("kept numbers do not count") << "3 A B C D E F"
                                                   << "3 A B C D E";
        QTest::newRow("8 kept before ball") << "8 ball x"
                                            << "8 ball x";
        QTest::newRow("8 dropped otherwise") << "8 balls x"
                                             << "balls x";
        QTest::newRow("2 kept before pac") << "2 Pac Live"
                                           << "2 Pac Live";
        QTest::newRow("50 kept before cent") << "50 cent x"
                                             << "50 cent x";
        QTest::newRow("40 kept after e") << "E 40 x"
                                         << "E 40 x";
        QTest::newRow("40 dropped first") << "40 E x"
                                          << "E x";
        QTest::newRow("artist numbers always kept") << "112 702 504 36 x"
                                                    << "112 702 504 36 x";
        QTest::newRow("year out of range dropped") << "Band 1910 2030 x"
                                                   << "Band x";
        QTest::newRow("year bounds kept") << "Band 1911 2029"
                                          << "Band 1911 2029";
        QTest::newRow("short name unchanged") << " ab "
                                              << "ab";
        QTest::newRow("single word unchanged") << "Single99"
                                               << "Single99";
        QTest::newRow("empty words count") << "A  B C D"
                                           << "A  B C D";
        QTest::newRow("cut at 35 characters") << "Abcdefghij Klmnopqrst Uvwxyzabcd Efghijklmn"
                                              << "Abcdefghij Klmnopqrst Uvwxyzabcd Ef";
    }

    void limitNameWords() {
        QFETCH(QString, name);
        QFETCH(QString, result);
        QCOMPARE(LimitNameWords(name), result);
    }

    void properCase_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("hyphen does not start a word") << "trans-siberian"
                                                      << "Trans-siberian";
        QTest::newRow("apostrophe and dot do not start a word") << "o'neil j.r."
                                                                << "O'neil J.r.";
        QTest::newRow("tab and line break start words") << "a\tb\nc"
                                                        << "A\tB\nC";
        QTest::newRow("upper case lowered") << "VELVET LANTERNS"
                                            << "Velvet Lanterns";
        QTest::newRow("accented letters") << "éCOLE ÉTÉ"
                                          << "École Été";
        QTest::newRow("digit first") << "50CENT"
                                     << "50cent";
        QTest::newRow("sharp s keeps its length") << "straße"
                                                  << "Straße";
    }

    void properCase() {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(ProperCase(text), result);
    }
};

QTEST_GUILESS_MAIN(TestArtistName)
#include "tst_artistname.moc"
