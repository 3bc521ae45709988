#include "options/firstrun.h"
#include "options/optionsvalues.h"

#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "support/testenv.h"

#include <QTest>

class tst_OptionsValues : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void dashSection_data();
    void dashSection();
    void roundTripCarriesEveryOptionAndConvertsTheFilter();
    void defaultsKeepPrimaryArtistOption_data();
    void defaultsKeepPrimaryArtistOption();
    void firstRunIsTakenOnce();
};

void tst_OptionsValues::initTestCase() {
    TestEnv::IsolateSettings();
}

void tst_OptionsValues::init() {
    TestEnv::ClearStore();
    LoadSettings();
}

void tst_OptionsValues::dashSection_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    const QString sample = DashSampleFileName;
    QTest::newRow("first section") << sample << 0 << "Corvelle";
    QTest::newRow("second section") << sample << 1 << "04";
    QTest::newRow("third section") << sample << 2 << "Dont Cry For Me Argentina";
    QTest::newRow("fourth section without the extension") << sample << 3 << "Orlan SoundTrack";
    QTest::newRow("section past the end is empty") << "Artist - Song.mp3" << 3 << "";
    QTest::newRow("name without a dot keeps its end") << "Artist - Song" << 1 << "Song";
    QTest::newRow("only the last dot cuts") << "A.B - C.D.mp3" << 1 << "C.D";
    QTest::newRow("blanks around a piece trimmed") << "Artist  -  Song .mp3" << 1 << "Song";
}

void tst_OptionsValues::dashSection() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(DashSection(name, index), expected);
}

void tst_OptionsValues::roundTripCarriesEveryOptionAndConvertsTheFilter() {
    SettingsRecord from;
    from.filter = QStringLiteral("*.mp3;*.wma");
    from.dashoption = 3;
    from.renamefolders = 1;
    from.filenamelist = QStringLiteral("Track,Song");
    from.foldernamelist = QStringLiteral("Artist,Album");
    from.deleteold = 0;
    from.replaceexisting = 1;
    from.rememberfolders = 0;
    from.promptremove = 0;
    from.autoadd = 1;
    from.recursivesearch = 1;
    from.renamefiles = 1;
    from.loadsplash = 0;
    from.removesubs = 0;
    from.donothing = 1;
    const OptionsValues v = OptionsFromSettings(from);
    QCOMPARE(v.filterText, QStringLiteral("mp3,wma"));

    SettingsRecord to;
    // Settings the window does not show are left alone.
    to.inpath = QStringLiteral("/music/in");
    to.dlistfilter = QStringLiteral("*.txt");
    to.showwarn = 0;
    ApplySettings(v, to);
    QCOMPARE(to.filter, from.filter);
    QCOMPARE(to.dashoption, from.dashoption);
    QCOMPARE(to.renamefolders, from.renamefolders);
    QCOMPARE(to.filenamelist, from.filenamelist);
    QCOMPARE(to.foldernamelist, from.foldernamelist);
    QCOMPARE(to.deleteold, from.deleteold);
    QCOMPARE(to.replaceexisting, from.replaceexisting);
    QCOMPARE(to.rememberfolders, from.rememberfolders);
    QCOMPARE(to.promptremove, from.promptremove);
    QCOMPARE(to.autoadd, from.autoadd);
    QCOMPARE(to.recursivesearch, from.recursivesearch);
    QCOMPARE(to.renamefiles, from.renamefiles);
    QCOMPARE(to.loadsplash, from.loadsplash);
    QCOMPARE(to.removesubs, from.removesubs);
    QCOMPARE(to.donothing, from.donothing);
    QCOMPARE(to.inpath, QStringLiteral("/music/in"));
    QCOMPARE(to.dlistfilter, QStringLiteral("*.txt"));
    QCOMPARE(to.showwarn, 0);
}

void tst_OptionsValues::defaultsKeepPrimaryArtistOption_data() {
    QTest::addColumn<int>("removesubs");
    QTest::newRow("primary artists off stays off") << 0;
    QTest::newRow("primary artists on stays on") << 1;
}

void tst_OptionsValues::defaultsKeepPrimaryArtistOption() {
    QFETCH(int, removesubs);
    OptionsValues current;
    current.removesubs = removesubs;
    current.filterText = QStringLiteral("txt");
    current.dashoption = 3;
    current.renamefolders = 1;
    current.replaceexisting = 1;
    current.renamefiles = 1;
    const OptionsValues d = DefaultOptions(current);
    QCOMPARE(d.removesubs, removesubs);
    QCOMPARE(d.filterText, QString(Defaults::filterExtensions));
    QCOMPARE(d.dashoption, 0);
    QCOMPARE(d.foldernamelist, QStringLiteral("Album"));
    QCOMPARE(d.filenamelist, QStringLiteral("Artist,Song"));
    QCOMPARE(d.replaceexisting, 0);
    QCOMPARE(d.deleteold, 1);
    QCOMPARE(d.renamefolders, 0);
    QCOMPARE(d.loadsplash, 1);
    QCOMPARE(d.promptremove, 1);
    QCOMPARE(d.recursivesearch, 1);
    QCOMPARE(d.rememberfolders, 1);
    QCOMPARE(d.autoadd, 0);
    QCOMPARE(d.donothing, 0);
    QCOMPARE(d.renamefiles, 0);
}

void tst_OptionsValues::firstRunIsTakenOnce() {
    QVERIFY(TakeFirstRun());
    QCOMPARE(SettingsStore::Get(Keys::firstrun), QStringLiteral("no"));
    QVERIFY(!TakeFirstRun());
    // Any stored mark counts as taken, and stays as it was.
    SettingsStore::Save(Keys::firstrun, QStringLiteral("yes, whatever"));
    QVERIFY(!TakeFirstRun());
    QCOMPARE(SettingsStore::Get(Keys::firstrun), QStringLiteral("yes, whatever"));
}

QTEST_GUILESS_MAIN(tst_OptionsValues)
#include "tst_optionsvalues.moc"
