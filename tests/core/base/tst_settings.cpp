#include "base/settings.h"

#include "base/extensionfilter.h"
#include "base/replacelist.h"
#include "base/settingsstore.h"
#include "support/testenv.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kDefaultFilter = QStringLiteral(
    "*.asf;*.avi;*.mp3;*.mp4;*.mid;*.mpeg;*.mpg;*.mov;*.ogg;*.vob;*.rm;*.wma;*.wav;*.wmi;*.wmv");
const QString kMissing = QStringLiteral("<missing>");

// Whole-number fields by key name, so data rows can name them.
#define FIELD(name)                                                                                \
    { #name, &Settings.name }
const std::pair<const char *, int *> kInts[] = {
    FIELD(renamefiles),     FIELD(renamefolders),   FIELD(recursivesearch),
    FIELD(replaceexisting), FIELD(deleteold),       FIELD(donothing),
    FIELD(dashoption),      FIELD(rememberfolders), FIELD(promptremove),
    FIELD(autoadd),         FIELD(loadsplash),      FIELD(showwarn),
    FIELD(removesubs),      FIELD(saveashtml),      FIELD(noempty),
    FIELD(smartnames),      FIELD(alltags),         {"htmlalternate", &HtmlPageSettings.alternate}};
#undef FIELD
int *IntField(const QString &key) {
    for (const auto &[name, field] : kInts)
        if (key == QLatin1String(name))
            return field;
    return nullptr;
}

// The file itself, so a value is proven to have reached the disk.
QString OnDisk(const QString &key) {
    QSettings file(SettingsStore::FileName(), QSettings::IniFormat);
    return file.value(QStringLiteral("settings/") + key, kMissing).toString();
}
QStringList KeysOnDisk() {
    QSettings file(SettingsStore::FileName(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("settings"));
    QStringList keys = file.childKeys();
    keys.sort();
    return keys;
}

void FreshLoad() {
    Settings = SettingsRecord();
    HtmlPageSettings = HtmlPageSettingsRecord();
    LoadSettings();
}

// What @p run writes to standard error.
template <class Run> QByteArray StandardError(Run run) {
    QTemporaryFile capture;
    capture.open();
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    run();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    capture.seek(0);
    return capture.readAll();
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init() { TestEnv::ClearStore(); }

    // Every key a save writes, with its value, and not one more; what is written reads back.
    void saveWritesExactlyTheKeys() {
        QMap<QString, QString> expected{{"rc", "1"}, {"1o", "old"}, {"1n", "new"}, {"1c", "1"}};
        Settings = SettingsRecord();
        for (const auto &[key, field] : kInts)
            expected.insert(key, QString::number(*field = int(expected.size())));
        *IntField(QStringLiteral("rememberfolders")) = 1;
        expected.insert(QStringLiteral("rememberfolders"), QStringLiteral("1"));
        SettingsRecord &r = Settings;
        HtmlPageSettingsRecord &h = HtmlPageSettings;
        const std::pair<const char *, QString *> texts[] = {{"inpath", &r.inpath},
                                                            {"outpath", &r.outpath},
                                                            {"filter", &r.filter},
                                                            {"dlistfilter", &r.dlistfilter},
                                                            {"filenamelist", &r.filenamelist},
                                                            {"foldernamelist", &r.foldernamelist},
                                                            {"htmltitle", &h.title},
                                                            {"htmlalign", &h.align}};
        for (const auto &[key, text] : texts)
            expected.insert(key, *text = QStringLiteral("text of ") + key);
        for (int i = 0; i < 7; ++i)
            expected.insert(QStringLiteral("htmlcolor%1").arg(i),
                            QString::number(HtmlPageSettings.colors[size_t(i)] = 40 + i));
        for (int i = 0; i < 4; ++i)
            expected.insert(QStringLiteral("htmlsize%1").arg(i),
                            QString::number(HtmlPageSettings.sizes[size_t(i)] = 50 + i));
        UserReplaceList.Clear();
        UserReplaceList.Add(QStringLiteral("new"), QStringLiteral("old"), 1);
        const HtmlPageSettingsRecord savedLook = HtmlPageSettings;
        SaveSettings();
        QCOMPARE(KeysOnDisk(), QStringList(expected.keys()));
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(OnDisk(it.key()), it.value());
        FreshLoad();
        for (const auto &[key, text] : texts)
            QCOMPARE(*text, expected.value(key));
        for (const auto &[key, field] : kInts)
            QCOMPARE(QString::number(*field), expected.value(key));
        QCOMPARE(HtmlPageSettings.colors, savedLook.colors);
        QCOMPARE(HtmlPageSettings.sizes, savedLook.sizes);
        QCOMPARE(UserReplaceList.Count(), 1);
    }

    // A fresh store: the first-use look is written at once, and nothing else.
    void firstUseLookWrittenDuringLoad() {
        FreshLoad();
        QCOMPARE(OnDisk(QStringLiteral("htmlalign")), HtmlPageSettings.align);
        QCOMPARE(OnDisk(QStringLiteral("htmlalternate")), QStringLiteral("1"));
        for (int i = 0; i < 7; ++i)
            QCOMPARE(OnDisk(QStringLiteral("htmlcolor%1").arg(i)),
                     QString::number(HtmlPageSettings.colors[size_t(i)]));
        QCOMPARE(OnDisk(QStringLiteral("htmlsize3")), QStringLiteral("0"));
        QCOMPARE(OnDisk(QStringLiteral("htmltitle")), kMissing);
        QCOMPARE(OnDisk(QStringLiteral("deleteold")), kMissing);
        QCOMPARE(Settings.inpath, QDir::currentPath());
        QCOMPARE(InvalidNameChars.size(), 49);
    }

    // A user's own look, stored after the first start, must survive the next start.
    void storedLook_data() {
        QTest::addColumn<QString>("row"); // stored align|colour 2 read|size 1 read
        QTest::newRow("stored look is read") << "left|255|4";
        QTest::newRow("empty align restores the first-use look") << "|10485760|0";
    }
    void storedLook() {
        QFETCH(QString, row);
        const QStringList c = row.split(QLatin1Char('|'));
        FreshLoad(); // the first start writes the look the user then changes
        SettingsStore::Save(QStringLiteral("htmlalign"), c[0]);
        SettingsStore::Save(QStringLiteral("htmlcolor2"), QStringLiteral("255"));
        SettingsStore::Save(QStringLiteral("htmlsize1"), QStringLiteral("4"));
        FreshLoad();
        QCOMPARE(HtmlPageSettings.align, c[0].isEmpty() ? QStringLiteral("center") : c[0]);
        QCOMPARE(HtmlPageSettings.colors[0], 16777215);
        QCOMPARE(QString::number(HtmlPageSettings.colors[2]), c[1]);
        QCOMPARE(QString::number(HtmlPageSettings.sizes[1]), c[2]);
        QCOMPARE(OnDisk(QStringLiteral("htmlcolor2")), c[1]);
        QCOMPARE(OnDisk(QStringLiteral("htmlsize1")), c[2]);
    }

    void folders_data() {
        QTest::addColumn<QString>("row"); // rememberfolders|folder loaded|saved after a change
        QTest::newRow("remembered") << "1|/media/in|/chosen/in";
        QTest::newRow("forgotten: empty, and never written") << "0||";
    }
    void folders() {
        QFETCH(QString, row);
        const QStringList c = row.split(QLatin1Char('|'));
        SettingsStore::Save(QStringLiteral("rememberfolders"), c[0]);
        SettingsStore::Save(QStringLiteral("inpath"), QStringLiteral("/media/in"));
        SettingsStore::Save(QStringLiteral("outpath"), QStringLiteral("/media/out"));
        FreshLoad();
        const auto asOut = [](QString p) {
            return p.replace(QLatin1String("/in"), QLatin1String("/out"));
        };
        QCOMPARE(Settings.inpath, c[1]);
        QCOMPARE(Settings.outpath, asOut(c[1]));
        // The main window keeps working with its fields; saving must not change them.
        Settings.inpath = QStringLiteral("/chosen/in");
        Settings.outpath = QStringLiteral("/chosen/out");
        SaveSettings();
        QCOMPARE(OnDisk(QStringLiteral("inpath")), c[2]);
        QCOMPARE(OnDisk(QStringLiteral("outpath")), asOut(c[2]));
        QCOMPARE(Settings.inpath + Settings.outpath, QStringLiteral("/chosen/in/chosen/out"));
    }

    void filters_data() {
        // stored filter|stored listing filter|filter read|listing filter read; "-": not stored,
        // "D": the default filter
        QTest::addColumn<QString>("row");
        QTest::newRow("nothing stored") << "-|-|D|D";
        QTest::newRow("empty filter gives default") << "|-|D|D";
        QTest::newRow("empty listing filter stays empty") << "*.mp3||*.mp3|";
        QTest::newRow("listing filter follows stored filter")
            << "*.mp3;*.ogg|-|*.mp3;*.ogg|*.mp3;*.ogg";
    }
    void filters() {
        QFETCH(QString, row);
        QStringList c = row.split(QLatin1Char('|'));
        for (QString &cell : c)
            if (cell == QLatin1String("D"))
                cell = kDefaultFilter;
        if (c[0] != QLatin1String("-"))
            SettingsStore::Save(QStringLiteral("filter"), c[0]);
        if (c[1] != QLatin1String("-"))
            SettingsStore::Save(QStringLiteral("dlistfilter"), c[1]);
        FreshLoad();
        QCOMPARE(Settings.filter, c[2]);
        QCOMPARE(Settings.dlistfilter, c[3]);
    }

    void storedNumbers_data() {
        QTest::addColumn<QString>("cells"); // key|stored text
        QTest::addColumn<int>("expected");  // the field was 5 before loading
        QTest::newRow("negative, blanks around") << "rememberfolders| -1 " << -1;
        QTest::newRow("plus sign") << "dashoption|+1" << 1;
        QTest::newRow("half rounds to even") << "dashoption|2.5" << 2;
        QTest::newRow("letters leave the field") << "dashoption|abc" << 5;
        QTest::newRow("two points leave the field") << "noempty|1.2.3" << 5;
        QTest::newRow("lone point leaves the field") << "deleteold|." << 5;
        QTest::newRow("too big leaves the field") << "autoadd|99999999999" << 5;
        QTest::newRow("html number too") << "htmlalternate|zero" << 5;
    }
    void storedNumbers() {
        QFETCH(QString, cells);
        QFETCH(int, expected);
        const QString key = cells.section(QLatin1Char('|'), 0, 0);
        SettingsStore::Save(QStringLiteral("htmlalign"), QStringLiteral("center"));
        SettingsStore::Save(key, cells.section(QLatin1Char('|'), 1));
        Settings = SettingsRecord();
        HtmlPageSettings = HtmlPageSettingsRecord();
        *IntField(key) = 5;
        LoadSettings();
        QCOMPARE(*IntField(key), expected);
    }

    void textsRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("commas and semicolons") << "Artist,Album;Song";
        QTest::newRow("blanks at the ends") << "  padded  ";
        QTest::newRow("quotes, backslash, at sign first") << "@Variant(x) \"b\" c\\d";
        QTest::newRow("non-Latin") << QStringLiteral("Bj\u00f6rk \u3042");
    }
    void textsRoundTrip() {
        QFETCH(QString, text);
        FreshLoad();
        Settings.filenamelist = text;
        Settings.inpath = text;
        HtmlPageSettings.title = text;
        UserReplaceList.Clear();
        UserReplaceList.Add(text + QLatin1Char('n'), text, 0);
        SaveSettings();
        UserReplaceList.Clear();
        FreshLoad();
        QCOMPARE(UserReplaceList.Count(), 1);
        QCOMPARE(UserReplaceList.At(0).OldVal(), text);
        QCOMPARE(UserReplaceList.At(0).NewVal(), QString(text + QLatin1Char('n')));
        QCOMPARE(Settings.filenamelist, text);
        QCOMPARE(Settings.inpath, text);
        QCOMPARE(HtmlPageSettings.title, text);
    }

    // Only a regular file, reached directly or through a link, is read and written; anything
    // else gives the defaults, one warning, and stays as it was.
    void storeOnlyInARegularFile_data() {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"pipe", "link to a pipe", "dangling link", "link to a file"})
            QTest::newRow(kind) << kind;
    }
    void storeOnlyInARegularFile() {
        QFETCH(QString, kind);
        const QString path = SettingsStore::FileName();
        const QTemporaryDir elsewhere;
        const QString target = kind == QLatin1String("pipe") ? path : elsewhere.filePath("t");
        QFile::remove(path);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        const auto restore = qScopeGuard([&path] {
            QFile::remove(path);
            SettingsStore::Reopen();
        });
        if (kind.endsWith(QLatin1String("pipe")))
            QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        if (kind.endsWith(QLatin1String("file")))
            QVERIFY(TestEnv::WriteFile(target, "[settings]\ndeleteold=0\n"));
        if (target != path)
            QVERIFY(QFile::link(target, path));
        SettingsStore::Reopen();
        const bool usable = kind.endsWith(QLatin1String("file"));
        int firstRead = -1;
        const QByteArray err = StandardError([&firstRead] {
            FreshLoad();
            firstRead = Settings.deleteold;
            Settings.deleteold = 7;
            SaveSettings();
            SettingsStore::Sync();
            FreshLoad();
        });
        QCOMPARE(err.count("is not a regular file"), usable ? 0 : 1);
        QCOMPARE(firstRead, usable ? 0 : 1); // 1: the default
        QCOMPARE(QFileInfo(path).isSymLink(), target != path);
        QCOMPARE(QFileInfo(target).isFile(), usable);
        if (usable)
            QVERIFY(TestEnv::ReadFile(target).contains("deleteold=7"));
    }

    // The options window shows extensions ("mp3,wma"); the search takes patterns.
    void extensionFilters_data() {
        QTest::addColumn<QString>("row"); // list|patterns|list from those patterns
        QTest::newRow("single extension") << "mp3|*.mp3|mp3";
        QTest::newRow("blanks removed, case kept") << "MP3 , w av ,|*.MP3;*.wav|MP3,wav";
        QTest::newRow("empty means all files") << "|*.*|*";
        QTest::newRow("empty element stays empty") << "mp3,,wav|*.mp3;;*.wav|mp3,,wav";
        QTest::newRow("commas alone give star dot") << ",,,|*.|";
    }
    void extensionFilters() {
        QFETCH(QString, row);
        const QStringList c = row.split(QLatin1Char('|'));
        QCOMPARE(FilterToPatterns(c[0]), c[1]);
        QCOMPARE(PatternsToFilter(c[1]), c[2]);
        QCOMPARE(PatternsToFilter(QStringLiteral(" *.mp3 ; *.wav ")), QStringLiteral("mp3,wav"));
        QCOMPARE(PatternsToFilter(QString()), QStringLiteral("*"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
