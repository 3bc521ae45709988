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
    void roundTripConvertsTheFilterOnly();
    void defaultsKeepPrimaryArtistOption_data();
    void defaultsKeepPrimaryArtistOption();
    void firstRunIsTakenOnce();
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

void tst_OptionsValues::roundTripConvertsTheFilterOnly()
{
    SettingsRecord from;
    from.filter = QStringLiteral("*.mp3;*.wma");
    from.dashoption = 3;
    from.foldernamelist = QStringLiteral("Artist,Album");
    from.donothing = 1;
    from.loadsplash = 0;
    const OptionsValues v = OptionsFromSettings(from);
    QCOMPARE(v.filterText, QStringLiteral("mp3,wma"));

    // Settings the window does not show are left alone.
    SettingsRecord to;
    to.inpath = QStringLiteral("/music/in");
    to.dlistfilter = QStringLiteral("*.txt");
    to.showwarn = 0;
    ApplySettings(v, to);
    QCOMPARE(to.filter, from.filter);
    QCOMPARE(to.dashoption, 3);
    QCOMPARE(to.foldernamelist, from.foldernamelist);
    QCOMPARE(to.donothing, 1);
    QCOMPARE(to.loadsplash, 0);
    QCOMPARE(to.inpath, QStringLiteral("/music/in"));
    QCOMPARE(to.dlistfilter, QStringLiteral("*.txt"));
    QCOMPARE(to.showwarn, 0);
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
    current.replaceexisting = 1;
    const OptionsValues d = DefaultOptions(current);
    QCOMPARE(d.removesubs, removesubs);
    QCOMPARE(d.filterText, QString(Defaults::filterExtensions));
    QCOMPARE(d.dashoption, 0);
    QCOMPARE(d.foldernamelist, QStringLiteral("Album"));
    QCOMPARE(d.filenamelist, QStringLiteral("Artist,Song"));
    QCOMPARE(d.replaceexisting, 0);
    QCOMPARE(d.deleteold, 1);
}

void tst_OptionsValues::firstRunIsTakenOnce()
{
    QVERIFY(TakeFirstRun());
    QCOMPARE(SettingsStore::Get(Keys::firstrun), QStringLiteral("no"));
    QVERIFY(!TakeFirstRun());
    // Any stored mark counts as taken, and stays as it was.
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
