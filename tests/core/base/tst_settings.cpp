#include "base/settings.h"

#include "base/extensionfilter.h"
#include "base/replacelist.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "support/testenv.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

namespace {
const QString kDefaultFilter = QStringLiteral(
    "*.asf;*.avi;*.mp3;*.mp4;*.mid;*.mpeg;*.mpg;*.mov;*.ogg;*.vob;*.rm;*.wma;*.wav;*.wmi;*.wmv");

// Whole-number fields by key name, so data rows can name them.
int *IntField(const QString &key) {
    SettingsRecord &s = Settings;
    const std::pair<const char *, int *> fields[] = {
        {"renamefiles", &s.renamefiles},
        {"renamefolders", &s.renamefolders},
        {"recursivesearch", &s.recursivesearch},
        {"replaceexisting", &s.replaceexisting},
        {"deleteold", &s.deleteold},
        {"donothing", &s.donothing},
        {"dashoption", &s.dashoption},
        {"rememberfolders", &s.rememberfolders},
        {"promptremove", &s.promptremove},
        {"autoadd", &s.autoadd},
        {"loadsplash", &s.loadsplash},
        {"showwarn", &s.showwarn},
        {"removesubs", &s.removesubs},
        {"saveashtml", &s.saveashtml},
        {"noempty", &s.noempty},
        {"htmlalternate", &HtmlPageSettings.alternate},
    };
    for (const auto &f : fields)
        if (key == QLatin1String(f.first))
            return f.second;
    return nullptr;
}

const QString kMissing = QStringLiteral("<missing>");

// Reads the file itself, so a value is proven to have reached the disk.
QString OnDisk(const QString &key) {
    QSettings file(SettingsStore::FileName(), QSettings::IniFormat);
    return file.value(QStringLiteral("settings/") + key, kMissing).toString();
}

void FreshLoad() {
    Settings = SettingsRecord();
    HtmlPageSettings = HtmlPageSettingsRecord();
    LoadSettings();
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init() { TestEnv::ClearStore(); }

    void freshStoreIntDefaults() {
        const std::pair<const char *, int> defaults[] = {
            {"renamefiles", 0},     {"renamefolders", 0},   {"recursivesearch", 0},
            {"replaceexisting", 0}, {"deleteold", 1},       {"donothing", 0},
            {"dashoption", 0},      {"rememberfolders", 1}, {"promptremove", 1},
            {"autoadd", 0},         {"loadsplash", 1},      {"showwarn", 1},
            {"removesubs", 1},      {"saveashtml", 1},      {"noempty", 0},
            {"htmlalternate", 1}};
        // Start from a value no default has, so a field that is never read shows up.
        Settings = SettingsRecord();
        for (const auto &[key, value] : defaults)
            *IntField(QLatin1String(key)) = 77;
        LoadSettings();
        for (const auto &[key, value] : defaults)
            QVERIFY2(*IntField(QLatin1String(key)) == value, key);
    }

    void freshStoreTextDefaults() {
        FreshLoad();
        QCOMPARE(Settings.inpath, QDir::currentPath());
        QCOMPARE(Settings.outpath, QDir::currentPath());
        QCOMPARE(Settings.filter, kDefaultFilter);
        QCOMPARE(Settings.filter, FilterToPatterns(Defaults::filterExtensions));
        QCOMPARE(Settings.dlistfilter, Settings.filter);
        QCOMPARE(Settings.filenamelist, QString());
        QCOMPARE(Settings.foldernamelist, QString());
        QCOMPARE(HtmlPageSettings.title, QStringLiteral("My Media File List"));
        QCOMPARE(HtmlPageSettings.align, QStringLiteral("center"));
        const std::array<int, 7> colors{16777215, 16634024, 10485760, 10485760,
                                        16634024, 12937777, 16777215};
        QCOMPARE(HtmlPageSettings.colors, colors);
        QCOMPARE(HtmlPageSettings.sizes, (std::array<int, 4>{0, 0, 0, 0}));
        QCOMPARE(BuiltInReplaceList.Count(), 45);
        QCOMPARE(UserReplaceList.Count(), 0);
    }

    void firstUseLookWrittenDuringLoad() {
        FreshLoad();
        QCOMPARE(OnDisk(QStringLiteral("htmlalign")), QStringLiteral("center"));
        QCOMPARE(OnDisk(QStringLiteral("htmlalternate")), QStringLiteral("1"));
        for (int i = 0; i < 7; ++i)
            QCOMPARE(OnDisk(QStringLiteral("htmlcolor%1").arg(i)),
                     QString::number(HtmlPageSettings.colors[size_t(i)]));
        QCOMPARE(OnDisk(QStringLiteral("htmlsize3")), QStringLiteral("0"));
        // Neither the title nor any option is written by loading alone.
        QCOMPARE(OnDisk(QStringLiteral("htmltitle")), kMissing);
        QCOMPARE(OnDisk(QStringLiteral("deleteold")), kMissing);
    }

    void storedLook_data() {
        QTest::addColumn<QString>("align");
        QTest::addColumn<int>("color2");
        QTest::addColumn<int>("size1");
        // A user's own look, stored after the first start, must survive the next start.
        QTest::newRow("stored look is read") << "left" << 255 << 4;
        QTest::newRow("empty align restores the first-use look") << "" << 10485760 << 0;
    }
    void storedLook() {
        QFETCH(QString, align);
        QFETCH(int, color2);
        QFETCH(int, size1);
        FreshLoad(); // the first start writes the look the user then changes
        SettingsStore::Save(QStringLiteral("htmlalign"), align);
        SettingsStore::Save(QStringLiteral("htmlcolor2"), QStringLiteral("255"));
        SettingsStore::Save(QStringLiteral("htmlsize1"), QStringLiteral("4"));
        FreshLoad();
        QCOMPARE(HtmlPageSettings.align, align.isEmpty() ? QStringLiteral("center") : align);
        QCOMPARE(HtmlPageSettings.colors[0], 16777215);
        QCOMPARE(HtmlPageSettings.colors[2], color2);
        QCOMPARE(HtmlPageSettings.sizes[1], size1);
        QCOMPARE(OnDisk(QStringLiteral("htmlcolor2")), QString::number(color2));
        QCOMPARE(OnDisk(QStringLiteral("htmlsize1")), QString::number(size1));
    }

    void folders_data() {
        QTest::addColumn<QString>("remember");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QString>("savedAfterChange");
        QTest::newRow("remembered") << "1"
                                    << "/media/in"
                                    << "/chosen/in";
        QTest::newRow("forgotten: empty, and never written") << "0"
                                                             << ""
                                                             << "";
    }
    void folders() {
        QFETCH(QString, remember);
        QFETCH(QString, loaded);
        QFETCH(QString, savedAfterChange);
        SettingsStore::Save(QStringLiteral("rememberfolders"), remember);
        SettingsStore::Save(QStringLiteral("inpath"), QStringLiteral("/media/in"));
        SettingsStore::Save(QStringLiteral("outpath"), QStringLiteral("/media/out"));
        FreshLoad();
        const auto asOut = [](QString p) {
            return p.replace(QLatin1String("/in"), QLatin1String("/out"));
        };
        QCOMPARE(Settings.inpath, loaded);
        QCOMPARE(Settings.outpath, asOut(loaded));
        // The main window keeps working with its fields; saving must not change them.
        Settings.inpath = QStringLiteral("/chosen/in");
        Settings.outpath = QStringLiteral("/chosen/out");
        SaveSettings();
        QCOMPARE(OnDisk(QStringLiteral("inpath")), savedAfterChange);
        QCOMPARE(OnDisk(QStringLiteral("outpath")), asOut(savedAfterChange));
        QCOMPARE(Settings.inpath, QStringLiteral("/chosen/in"));
        QCOMPARE(Settings.outpath, QStringLiteral("/chosen/out"));
    }

    void filters_data() {
        QTest::addColumn<QString>("storedFilter"); // kMissing: not stored
        QTest::addColumn<QString>("storedDlist");  // kMissing: not stored
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("dlistfilter");
        QTest::newRow("nothing stored") << kMissing << kMissing << kDefaultFilter << kDefaultFilter;
        QTest::newRow("empty filter gives default")
            << QString() << kMissing << kDefaultFilter << kDefaultFilter;
        QTest::newRow("empty listing filter stays empty")
            << "*.mp3" << QString() << "*.mp3" << QString();
        QTest::newRow("listing filter follows stored filter")
            << "*.mp3;*.ogg" << kMissing << "*.mp3;*.ogg"
            << "*.mp3;*.ogg";
        QTest::newRow("both stored") << "*.mp3"
                                     << "*.wav"
                                     << "*.mp3"
                                     << "*.wav";
    }
    void filters() {
        QFETCH(QString, storedFilter);
        QFETCH(QString, storedDlist);
        QFETCH(QString, filter);
        QFETCH(QString, dlistfilter);
        if (storedFilter != kMissing)
            SettingsStore::Save(QStringLiteral("filter"), storedFilter);
        if (storedDlist != kMissing)
            SettingsStore::Save(QStringLiteral("dlistfilter"), storedDlist);
        FreshLoad();
        QCOMPARE(Settings.filter, filter);
        QCOMPARE(Settings.dlistfilter, dlistfilter);
    }

    void storedNumbers_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected"); // the field was 5 before loading
        QTest::newRow("plain number") << "dashoption"
                                      << "3" << 3;
        QTest::newRow("blanks around") << "dashoption"
                                       << " 2 " << 2;
        QTest::newRow("negative") << "rememberfolders"
                                  << "-1" << -1;
        QTest::newRow("half rounds to even") << "dashoption"
                                             << "2.5" << 2;
        QTest::newRow("letters leave the field") << "dashoption"
                                                 << "abc" << 5;
        QTest::newRow("empty text leaves the field") << "deleteold"
                                                     << "" << 5;
        QTest::newRow("number with junk leaves the field") << "showwarn"
                                                           << "1x" << 5;
        QTest::newRow("two points leave the field") << "noempty"
                                                    << "1.2.3" << 5;
        QTest::newRow("lone point leaves the field") << "dashoption"
                                                     << "." << 5;
        QTest::newRow("too big leaves the field") << "autoadd"
                                                  << "99999999999" << 5;
        QTest::newRow("plus sign") << "dashoption"
                                   << "+1" << 1;
        QTest::newRow("exponent leaves the field") << "dashoption"
                                                   << "1e1" << 5;
        QTest::newRow("hex leaves the field") << "dashoption"
                                              << "&H1" << 5;
        QTest::newRow("html number too") << "htmlalternate"
                                         << "zero" << 5;
    }
    void storedNumbers() {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, expected);
        SettingsStore::Save(QStringLiteral("htmlalign"), QStringLiteral("center"));
        SettingsStore::Save(key, stored);
        Settings = SettingsRecord();
        HtmlPageSettings = HtmlPageSettingsRecord();
        *IntField(key) = 5;
        LoadSettings();
        QCOMPARE(*IntField(key), expected);
    }

    void textsRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("commas") << "Artist,Album,Song";
        QTest::newRow("semicolons") << "*.mp3;*.wav";
        QTest::newRow("blanks at the ends") << "  padded  ";
        QTest::newRow("quotes and backslash") << "a \"b\" c\\d";
        QTest::newRow("at sign first") << "@Variant(x)";
        QTest::newRow("equals and hash") << "a=b #c";
        QTest::newRow("non-Latin") << QStringLiteral("Bj\u00f6rk \u3042");
    }
    void textsRoundTrip() {
        QFETCH(QString, text);
        FreshLoad();
        Settings.filenamelist = text;
        Settings.inpath = text;
        HtmlPageSettings.title = text;
        SaveSettings();
        FreshLoad();
        QCOMPARE(Settings.filenamelist, text);
        QCOMPARE(Settings.inpath, text);
        QCOMPARE(HtmlPageSettings.title, text);
    }

    void saveWritesEveryKey() {
        LoadReplaceLists();
        TestEnv::ClearStore();
        SettingsRecord s;
        s.inpath = QStringLiteral("/in");
        s.outpath = QStringLiteral("/out");
        s.filter = QStringLiteral("*.mp3");
        s.dlistfilter = QStringLiteral("*.wav");
        s.filenamelist = QStringLiteral("Artist,Song");
        s.foldernamelist = QStringLiteral("Album");
        s.renamefiles = s.renamefolders = s.recursivesearch = s.replaceexisting = 1;
        s.donothing = s.rememberfolders = s.autoadd = s.noempty = 1;
        s.deleteold = s.promptremove = s.loadsplash = s.showwarn = s.removesubs = s.saveashtml = 0;
        s.dashoption = 3;
        Settings = s;
        HtmlPageSettings.title = QStringLiteral("Mine");
        HtmlPageSettings.align = QStringLiteral("left");
        HtmlPageSettings.alternate = 0;
        for (int i = 0; i < 7; ++i)
            HtmlPageSettings.colors[size_t(i)] = 10 + i;
        for (int i = 0; i < 4; ++i)
            HtmlPageSettings.sizes[size_t(i)] = 20 + i;
        UserReplaceList.Clear();
        UserReplaceList.Add(QStringLiteral("new"), QStringLiteral("old"), 0);
        SaveSettings();
        const char *const expected[][2] = {{"inpath", "/in"},
                                           {"outpath", "/out"},
                                           {"filter", "*.mp3"},
                                           {"dlistfilter", "*.wav"},
                                           {"renamefiles", "1"},
                                           {"filenamelist", "Artist,Song"},
                                           {"renamefolders", "1"},
                                           {"foldernamelist", "Album"},
                                           {"recursivesearch", "1"},
                                           {"replaceexisting", "1"},
                                           {"deleteold", "0"},
                                           {"donothing", "1"},
                                           {"dashoption", "3"},
                                           {"rememberfolders", "1"},
                                           {"promptremove", "0"},
                                           {"autoadd", "1"},
                                           {"loadsplash", "0"},
                                           {"showwarn", "0"},
                                           {"removesubs", "0"},
                                           {"saveashtml", "0"},
                                           {"noempty", "1"},
                                           {"htmltitle", "Mine"},
                                           {"htmlalign", "left"},
                                           {"htmlalternate", "0"},
                                           {"htmlcolor0", "10"},
                                           {"htmlcolor6", "16"},
                                           {"htmlsize0", "20"},
                                           {"htmlsize3", "23"},
                                           {"rc", "1"},
                                           {"1o", "old"}};
        for (const auto &[key, value] : expected)
            QCOMPARE(OnDisk(QLatin1String(key)), QLatin1String(value));
        // Install facts belong to the installer, never to a save.
        for (const char *key : {"firstrun", "installed", "installpath", "installversion"})
            QCOMPARE(OnDisk(QLatin1String(key)), kMissing);
    }

    void invalidNameChars() {
        LoadSettings();
        QCOMPARE(InvalidNameChars.size(), 49);
        QCOMPARE(InvalidNameChars.left(17), QStringLiteral("\\/:*?<>|$#@!^;,.\""));
        QVERIFY(InvalidNameChars.contains(QLatin1Char('.')));
        QVERIFY(InvalidNameChars.contains(QLatin1Char(',')));
        for (int c = 0; c < 32; ++c)
            QCOMPARE(InvalidNameChars.at(17 + c).unicode(), char16_t(c));
        QCOMPARE(BuildInvalidNameChars(), InvalidNameChars);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
