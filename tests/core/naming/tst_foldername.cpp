#include "naming/foldername.h"

#include "naming/namingoptions.h"
#include "support/testenv.h"
#include "tags/genres.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFolderName : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    NamingOptions m_options;

    QString WriteTagged(const QString &name, const QByteArray &album, const QByteArray &artist,
                        qsizetype padding = 200) {
        const QString path = m_dir.filePath(name);
        TestEnv::WriteFile(path, QByteArray(padding, 'x') +
                                     TestEnv::Id3Block("Title", artist, album, "2001", "", 3, 17));
        return path;
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        LoadGenres();
    }

    void init() {
        m_options = NamingOptions();
        m_options.primaryArtistOnly = true;
    }

    void deriveFromFileName_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("dash");
        QTest::addColumn<int>("removesubs");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("folder");
        const QString corvelle =
            QStringLiteral("Corvelle - 04 - Dont Cry For Me Argentina - Orlan SoundTrack.mp3");
        // everyday names
        QTest::newRow("first section") << corvelle << 0 << 1 << true << "Corvelle";
        QTest::newRow("second section skips the track number")
            << corvelle << 1 << 1 << true << "Dont Cry For Me Argentina";
        QTest::newRow("leading track number skipped")
            << "01 - Artist Name - Title.mp3" << 0 << 1 << true << "Artist Name";
        QTest::newRow("50 joined with the next section")
            << "50-Cent - Glow.mp3" << 0 << 1 << true << "50 Cent";
        QTest::newRow("E-40 special artist") << "E-40 - Song.mp3" << 0 << 1 << true << "E 40";
        QTest::newRow("AC-DC special name") << "AC-DC - Song.mp3" << 0 << 1 << true << "ACDC";
        QTest::newRow("Jay-Z joined") << "Jay-Z - Song.mp3" << 0 << 1 << true << "Jay Z";
        QTest::newRow("featured artist removed")
            << "Pembo Ft. Kaz - Song.mp3" << 0 << 1 << true << "Pembo";
        QTest::newRow("featured artist kept without primary option")
            << "Pembo Ft. Kaz - Song.mp3" << 0 << 0 << true << "Pembo With Kaz";
        QTest::newRow("blank-separated article joined then dropped")
            << "The Lanterns Glow.mp3" << 0 << 1 << true << "Lanterns";
        QTest::newRow("too few sections for the third")
            << "Artist - Title.mp3" << 2 << 1 << false << "";
        QTest::newRow("three dots") << "..." << 0 << 1 << false << "";
        QTest::newRow("numeric section replaced by the next wordy one")
            << "1999 (Remix) - Dalvern.mp3" << 0 << 1 << true << "Dalvern";
        QTest::newRow("number word joins the next section")
            << "Seven Lanterns - Glow.mp3" << 0 << 1 << true << "Seven Lanterns Glow";
        // edge cases
        QTest::newRow("extension alone gives Mp") << ".mp3" << 0 << 1 << true << "Mp";
        QTest::newRow("dots only") << "...." << 0 << 1 << false << "";
        QTest::newRow("no dot keeps the whole text") << "Artist Song" << 0 << 1 << true << "Artist";
        QTest::newRow("no dot, second word") << "Artist Song" << 1 << 1 << true << "Song";
        QTest::newRow("one word with second section") << "Artist.mp3" << 1 << 1 << false << "";
        QTest::newRow("UB40 kept whole") << "UB40.mp3" << 0 << 1 << true << "UB40";
        QTest::newRow("digits end a one-word name")
            << "Corvelle2005.mp3" << 0 << 1 << true << "Corvelle";
        QTest::newRow("3-6-Mafia") << "3-6-Mafia - Song.mp3" << 0 << 1 << true << "36 Mafia";
        QTest::newRow("blanks around 50 make it no artist section")
            << "a- 50 -Song.mp3" << 0 << 1 << true << "A";
        QTest::newRow("ten prefix is a number word")
            << "Tenfold Echo - Tribute.mp3" << 0 << 1 << true << "Tenfold Echo Tribute";
        QTest::newRow("track number with nothing after it")
            << "Artist - 05.mp3" << 1 << 1 << false << "";
        QTest::newRow("numeric folder and nothing wordy outside the chosen sections")
            << "Dalvern - 1999 (Remix).mp3" << 1 << 1 << true << "";
        QTest::newRow("one-letter section takes the next")
            << "K-lan - Glow.mp3" << 0 << 1 << true << "K Lan";
        QTest::newRow("relative path uses the file name")
            << "Live/Corvelle - Song.mp3" << 0 << 1 << true << "Corvelle";
        QTest::newRow("underscores and brackets cleaned")
            << "__[Velvet_Lanterns]_-_Song.mp3" << 0 << 1 << true << "Velvet Lanterns";
        QTest::newRow("percent twenty is a blank")
            << "Velvet%20Lanterns-Song.mp3" << 0 << 1 << true << "Velvet Lanterns";
        QTest::newRow("comma separates without dashes")
            << "Corvelle, Song.mp3" << 0 << 1 << true << "Corvelle";
        QTest::newRow("ampersand spelled out, primary kept")
            << "Hart & Vale - Song.mp3" << 0 << 1 << true << "Hart";
        QTest::newRow("and the band stays whole") << "Vance Orrin & The Lamplights - Song.mp3" << 0
                                                  << 1 << true << "Vance Orrin And The Lamplights";
        QTest::newRow("112 stays a name") << "112 - Song.mp3" << 0 << 1 << true << "112";
        QTest::newRow("trans siberian from context")
            << "Transsiberian Orchestra - X.mp3" << 0 << 1 << true << "Trans-Siberian Orchestra";
        QTest::newRow("all saints") << "All-Saints - Song.mp3" << 0 << 1 << true << "All Saints";
        QTest::newRow("all american rejects")
            << "All-American Rejects - Song.mp3" << 0 << 1 << true << "All American Rejects";
        QTest::newRow("def leppard") << "Def-Leppard - Song.mp3" << 0 << 1 << true << "Def Lepard";
        QTest::newRow("c murder") << "C-Murder - Song.mp3" << 0 << 1 << true << "C Murder";
        QTest::newRow("three doors down")
            << "Three Doors Down - Kryptonite.mp3" << 0 << 1 << true << "Three Doors Down";
        QTest::newRow("the as a section joins the next")
            << "The - Lanterns - Song.mp3" << 0 << 1 << true << "Lanterns";
        QTest::newRow("empty first section takes the next")
            << "Corvelle -- Song.mp3" << 0 << 1 << true << "Corvelle";
        QTest::newRow("negative dash option read as the first")
            << "Corvelle - Song.mp3" << -1 << 1 << true << "Corvelle";
        QTest::newRow("empty file name") << "" << 0 << 1 << false << "";
        QTest::newRow("dash alone") << "-.mp3" << 0 << 1 << false << "";
        QTest::newRow("bracket first") << "(1).mp3" << 0 << 1 << false << "";
    }

    void deriveFromFileName() {
        QFETCH(QString, file);
        QFETCH(int, dash);
        QFETCH(int, removesubs);
        QFETCH(bool, ok);
        QFETCH(QString, folder);
        m_options.dashSection = dash;
        m_options.primaryArtistOnly = removesubs != 0;
        const FolderNameResult r = DeriveFolderName(file, m_dir.filePath(file), m_options);
        QCOMPARE(r.folder, folder);
        QCOMPARE(r.ok, ok);
        QCOMPARE(r.Status(), ok ? QStringLiteral("ok") : QStringLiteral("bad"));
        QVERIFY(!r.fromTag);
    }

    void deriveFromTag_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("renamefolders");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("fromTag");
        QTest::newRow("album by default") << "Corvelle - Song.mp3" << 1 << ""
                                          << "Live Vol" << true;
        QTest::newRow("artist through normalisation") << "Corvelle - Song.mp3" << 1 << "Artist"
                                                      << "Band With Kaz" << true;
        QTest::newRow("option off uses the file name") << "Corvelle - Song.mp3" << 0 << ""
                                                       << "Corvelle" << false;
        QTest::newRow("not an mp3 uses the file name") << "Corvelle - Song.wma" << 1 << ""
                                                       << "Corvelle" << false;
        QTest::newRow("empty tag name falls back") << "Corvelle - Song.mp3" << 1 << "Comment"
                                                   << "Corvelle" << false;
        QTest::newRow("genre from the table") << "Corvelle - Song.mp3" << 1 << "Genre"
                                              << "Rock" << true;
    }

    void deriveFromTag() {
        QFETCH(QString, file);
        QFETCH(int, renamefolders);
        QFETCH(QString, list);
        QFETCH(QString, folder);
        QFETCH(bool, fromTag);
        const QString path = WriteTagged(file, "Live, Vol. 2", "The Band feat. Kaz");
        m_options.folderFromTag = renamefolders > 0;
        m_options.folderNameFields = list;
        m_options.primaryArtistOnly = true; // not applied to tag names
        const FolderNameResult r = DeriveFolderName(file, path, m_options);
        QCOMPARE(r.folder, folder);
        QVERIFY(r.ok);
        QCOMPARE(r.fromTag, fromTag);
    }

    void badResultCarriesMessage() {
        m_options.folderFromTag = true;
        const QString shortFile = m_dir.filePath(QStringLiteral("short.mp3"));
        QFile f(shortFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(127, 'x'));
        f.close();
        const FolderNameResult named =
            DeriveFolderName(QStringLiteral("Corvelle - A.mp3"), shortFile, m_options);
        QCOMPARE(named.folder, QStringLiteral("Corvelle")); // unreadable tag falls back to the name
        QVERIFY(named.ok);
        const FolderNameResult r = DeriveFolderName(QStringLiteral("..."), shortFile, m_options);
        QVERIFY(!r.ok);
        QCOMPARE(r.ErrorText(), QStringLiteral("Sortiva Was Unable To Decipher A Folder Name From "
                                               "This File Name Or ID3 Tag."));
        QVERIFY(DeriveFolderName(QStringLiteral("A - B.mp3"), shortFile, m_options)
                    .ErrorText()
                    .isEmpty());
    }

    void unsafeNamesNeverOk_data() {
        QTest::addColumn<QString>("oldVal");
        QTest::addColumn<QString>("newVal");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("folder");
        QTest::newRow("rule giving a separator") << "acdc"
                                                 << "AC/DC"
                                                 << "ACDC - Song.mp3" << true << "Acdc";
        QTest::newRow("rule giving dot dot") << "corvelle"
                                             << ".."
                                             << "Corvelle - Song.mp3" << false << "";
        QTest::newRow("line break in a file name")
            << "x"
            << "x"
            << "Corv\nelle - Song.mp3" << true << "Corv Elle";
        QTest::newRow("tab in a file name") << "x"
                                            << "x"
                                            << "Corv\telle - Song.mp3" << true << "Corv Elle";
    }

    void unsafeNamesNeverOk() {
        QFETCH(QString, oldVal);
        QFETCH(QString, newVal);
        QFETCH(QString, file);
        QFETCH(bool, ok);
        QFETCH(QString, folder);
        m_options.userRules.Add(newVal, oldVal, 0);
        const FolderNameResult r = DeriveFolderName(file, file, m_options);
        QCOMPARE(r.ok, ok);
        QCOMPARE(r.folder, folder);
    }

    void nextSection_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QStringList>("sections");
        QTest::addColumn<QString>("result");
        const QStringList s{"A", " B ", "50", " 50 ", "7", "112"};
        QTest::newRow("text section untrimmed") << 0 << s << " B ";
        QTest::newRow("number artist section") << 1 << s << "50";
        QTest::newRow("number with blanks is no artist section") << 2 << s << "";
        QTest::newRow("other number") << 3 << s << "";
        QTest::newRow("112") << 4 << s << "112";
        QTest::newRow("last section has no next") << 5 << s << "";
        QTest::newRow("beyond the end") << 9 << s << "";
        QTest::newRow("negative index") << -3 << s << "";
    }

    void nextSection() {
        QFETCH(int, k);
        QFETCH(QStringList, sections);
        QFETCH(QString, result);
        QCOMPARE(NextSection(k, sections), result);
    }

    void isNumberWord_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numberWord");
        QTest::newRow("twelve") << "Twelve" << true;
        QTest::newRow("eleven") << "eleven" << true;
        QTest::newRow("teen ending") << "Sixteen" << true;
        QTest::newRow("teen ending of any word") << "Canteen" << true;
        QTest::newRow("three prefix") << "Threesome" << true;
        QTest::newRow("ten prefix") << "Tenfold Echo" << true;
        QTest::newRow("one prefix") << "Onerepublic" << true;
        QTest::newRow("five is whole word only") << "Fiveways" << false;
        QTest::newRow("twelve is whole word only") << "Twelves" << false;
        QTest::newRow("leading blank") << " ten" << false;
        QTest::newRow("ordinary word") << "Lanterns" << false;
        QTest::newRow("empty") << "" << false;
    }

    void isNumberWord() {
        QFETCH(QString, text);
        QFETCH(bool, numberWord);
        QCOMPARE(IsNumberWord(text), numberWord);
    }
};

QTEST_GUILESS_MAIN(TestFolderName)
#include "tst_foldername.moc"
