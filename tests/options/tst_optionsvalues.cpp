#include "options/optionflags.h"
#include "options/optionsvalues.h"

#include "app/settings.h"
#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "support/testenv.h"

#include <QTest>

class tst_OptionsValues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void dashSection_data();
    void dashSection();
    void fromSettingsShowsTheFilterAsAList();
    void applyCopiesEveryValue();
    void applyLeavesOtherSettingsAlone();
    void defaultsKeepPrimaryArtistOption_data();
    void defaultsKeepPrimaryArtistOption();
    void firstRunIsTakenOnce();
    void firstRunWithMarkAlreadyStored();
    void showWarnStoredAtOnce_data();
    void showWarnStoredAtOnce();
};

void tst_OptionsValues::initTestCase()
{
    TestEnv::IsolateSettings();
}

void tst_OptionsValues::init()
{
    TestEnv::ClearStore();
    LoadSettings();
}

void tst_OptionsValues::dashSection_data()
{
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

void tst_OptionsValues::dashSection()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(DashSection(name, index), expected);
}

void tst_OptionsValues::fromSettingsShowsTheFilterAsAList()
{
    Settings.filter = QStringLiteral("*.mp3;*.wma");
    Settings.dashoption = 2;
    Settings.foldernamelist = QStringLiteral("Artist");
    const OptionsValues v = OptionsFromSettings(Settings);
    QCOMPARE(v.filterText, QStringLiteral("mp3,wma"));
    QCOMPARE(v.dashoption, 2);
    QCOMPARE(v.foldernamelist, QStringLiteral("Artist"));
}

void tst_OptionsValues::applyCopiesEveryValue()
{
    OptionsValues v;
    v.filterText = QStringLiteral("mp3,ogg");
    v.dashoption = 3;
    v.renamefolders = 1;
    v.filenamelist = QStringLiteral("Track,Song");
    v.foldernamelist = QStringLiteral("Artist,Album");
    v.deleteold = 0;
    v.replaceexisting = 1;
    v.rememberfolders = 0;
    v.promptremove = 0;
    v.autoadd = 1;
    v.recursivesearch = 1;
    v.renamefiles = 1;
    v.loadsplash = 0;
    v.removesubs = 0;
    v.donothing = 1;
    SettingsRecord s;
    ApplySettings(v, s);
    QCOMPARE(s.filter, QStringLiteral("*.mp3;*.ogg"));
    QCOMPARE(s.dashoption, 3);
    QCOMPARE(s.renamefolders, 1);
    QCOMPARE(s.filenamelist, QStringLiteral("Track,Song"));
    QCOMPARE(s.foldernamelist, QStringLiteral("Artist,Album"));
    QCOMPARE(s.deleteold, 0);
    QCOMPARE(s.replaceexisting, 1);
    QCOMPARE(s.rememberfolders, 0);
    QCOMPARE(s.promptremove, 0);
    QCOMPARE(s.autoadd, 1);
    QCOMPARE(s.recursivesearch, 1);
    QCOMPARE(s.renamefiles, 1);
    QCOMPARE(s.loadsplash, 0);
    QCOMPARE(s.removesubs, 0);
    QCOMPARE(s.donothing, 1);
}

void tst_OptionsValues::applyLeavesOtherSettingsAlone()
{
    SettingsRecord s;
    s.inpath = QStringLiteral("/music/in");
    s.dlistfilter = QStringLiteral("*.txt");
    s.showwarn = 0;
    s.saveashtml = 1;
    s.noempty = 1;
    ApplySettings(OptionsFromSettings(Settings), s);
    QCOMPARE(s.inpath, QStringLiteral("/music/in"));
    QCOMPARE(s.dlistfilter, QStringLiteral("*.txt"));
    QCOMPARE(s.showwarn, 0);
    QCOMPARE(s.saveashtml, 1);
    QCOMPARE(s.noempty, 1);
}

void tst_OptionsValues::defaultsKeepPrimaryArtistOption_data()
{
    QTest::addColumn<int>("removesubs");
    QTest::newRow("primary artists off stays off") << 0;
    QTest::newRow("primary artists on stays on") << 1;
}

void tst_OptionsValues::defaultsKeepPrimaryArtistOption()
{
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
    QCOMPARE(d.renamefolders, 0);
    QCOMPARE(d.foldernamelist, QStringLiteral("Album"));
    QCOMPARE(d.filenamelist, QStringLiteral("Artist,Song"));
    QCOMPARE(d.deleteold, 1);
    QCOMPARE(d.replaceexisting, 0);
    QCOMPARE(d.loadsplash, 1);
    QCOMPARE(d.promptremove, 1);
    QCOMPARE(d.recursivesearch, 1);
    QCOMPARE(d.rememberfolders, 1);
    QCOMPARE(d.autoadd, 0);
    QCOMPARE(d.donothing, 0);
    QCOMPARE(d.renamefiles, 0);
}

void tst_OptionsValues::firstRunIsTakenOnce()
{
    QVERIFY(TakeFirstRun());
    QCOMPARE(SettingsStore::Get(Keys::firstrun), QStringLiteral("no"));
    QVERIFY(!TakeFirstRun());
    QVERIFY(!TakeFirstRun());
}

void tst_OptionsValues::firstRunWithMarkAlreadyStored()
{
    SettingsStore::Save(Keys::firstrun, QStringLiteral("yes, whatever"));
    QVERIFY(!TakeFirstRun());
    QCOMPARE(SettingsStore::Get(Keys::firstrun), QStringLiteral("yes, whatever"));
}

void tst_OptionsValues::showWarnStoredAtOnce_data()
{
    QTest::addColumn<bool>("dontShow");
    QTest::addColumn<int>("expected");
    QTest::newRow("box checked switches the warning off") << true << 0;
    QTest::newRow("box unchecked keeps the warning") << false << 1;
}

void tst_OptionsValues::showWarnStoredAtOnce()
{
    QFETCH(bool, dontShow);
    QFETCH(int, expected);
    Settings.showwarn = 7;
    StoreShowWarn(dontShow);
    QCOMPARE(Settings.showwarn, expected);
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QString::number(expected));
}

QTEST_GUILESS_MAIN(tst_OptionsValues)
#include "tst_optionsvalues.moc"
