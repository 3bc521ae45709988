#include "update/updatecheck.h"

#include "base/appinfo.h"
#include "base/progressview.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "support/httptestserver.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString idle = QStringLiteral("Check For Updates");
const QString mostCurrent = QStringLiteral("Your version of Sortiva Media Organizer is the most "
                                           "current version. No new update is available.");
const QString descriptionFailed = QStringLiteral(
    "A download error occurred while checking for an update! Please try again later.");
const QString checkTransferFailed = QStringLiteral(
    "A download error has occurred while checking for an update! Please try again later.");
const QString setupTransferFailed = QStringLiteral(
    "An error has occurred while attempting to download the new update! Please try again later.");
const QString installQuestion =
    QStringLiteral("The updated file download is complete. Would you like to install it now?");
const QByteArray descriptionPath = "/update/sortiva/sortiva.dat";

class FakeHost : public UpdateHost {
  public:
    void SetUpdateLink(const QString &caption, bool enabled) override {
        captions << caption;
        linkEnabled = enabled;
    }
    void SetMainWindowVisible(bool visible) override { visibility << visible; }
    void CloseMainWindow() override { ++closed; }

    QString Caption() const { return captions.isEmpty() ? QString() : captions.last(); }
    bool IsIdle() const { return Caption() == idle && linkEnabled; }

    QStringList captions;
    bool linkEnabled = true;
    QList<bool> visibility;
    int closed = 0;
};

class FakeProgress : public ProgressView {
  public:
    void Status(int index, const QString &text) override {
        if (index == 1)
            status << text;
    }
    void SetProgressMax(int m) override {
        if (m > 0) {
            value = 0;
            max = m;
        }
    }
    void SetProgress(int v) override {
        if (v <= max)
            value = v;
    }
    void EnableButtons(bool) override {}

    QStringList status;
    int max = 100;
    int value = 0;
};

void WriteFile(const QString &path, const QByteArray &content) {
    QVERIFY(TestEnv::WriteFile(path, content));
}

QStringList PartFiles() {
    return QDir(QDir::tempPath()).entryList({QStringLiteral("sortiva-*.part")}, QDir::Files);
}
} // namespace

class tst_UpdateCheck : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void greaterVersion_data();
    void greaterVersion();
    void readDescription_data();
    void readDescription();
    void descriptionUrlFollowsSetting();

    void newerVersionShowsOffer_data();
    void newerVersionShowsOffer();
    void sameVersionIsMostCurrent();
    void failedDescriptions_data();
    void failedDescriptions();
    void setupTransferRefused_data();
    void setupTransferRefused();
    void urlHoldingEqualsIsCut();
    void existingSetupFile_data();
    void existingSetupFile();
    void yesStartsSetupStoresKeysAndCloses();
    void setupKeptForLater_data();
    void setupKeptForLater();

    void cleanUp_data();
    void cleanUp();

  private:
    /** Starts a check against @p description and waits until the link is idle again. */
    void RunCheck(const QByteArray &description);
    QByteArray Description(const QByteArray &version, qint64 size, const QByteArray &url) const;
    QString SetupUrl() const { return m_server->Base() + QStringLiteral("/files/setup"); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<HttpTestServer> m_server;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<FakeProgress> m_progress;
    std::unique_ptr<UpdateCheck> m_check;
    QList<UpdateOffer> m_offers;
    bool m_acceptOffer = false;
};

void tst_UpdateCheck::initTestCase() {
    TestEnv::IsolateSettings();
    TestEnv::UseEnglishLocale();
    QCOMPARE(AppVersionString(), QStringLiteral("1.4.1"));
}

void tst_UpdateCheck::init() {
    TestEnv::ClearStore();
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    SetProgramFolder(m_folder->path());
    m_server = std::make_unique<HttpTestServer>();
    QVERIFY(m_server->IsListening());
    SettingsStore::Save(Keys::updateserver, m_server->Base());
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_host = std::make_unique<FakeHost>();
    m_progress = std::make_unique<FakeProgress>();
    m_check = std::make_unique<UpdateCheck>(*m_host, *m_progress);
    m_check->SetCloseDelay(0);
    m_offers.clear();
    m_acceptOffer = false;
    m_check->SetOfferWindow([this](const UpdateOffer &offer) {
        m_offers << offer;
        return m_acceptOffer;
    });
}

void tst_UpdateCheck::cleanup() {
    m_check.reset();
    m_dialogs.reset();
    m_server.reset();
    m_folder.reset();
}

QByteArray tst_UpdateCheck::Description(const QByteArray &version, qint64 size,
                                        const QByteArray &url) const {
    return "version=" + version + "\r\nsize=" + QByteArray::number(size) +
           "\r\ndate=30 November 2026\r\nurl=" + url + "\r\n";
}

void tst_UpdateCheck::RunCheck(const QByteArray &description) {
    m_server->Serve(descriptionPath, description);
    m_check->Start();
    QCOMPARE(m_host->captions.value(0), QStringLiteral("Checking..."));
    QVERIFY(!m_host->captions.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(m_host->IsIdle(), 20000);
}

void tst_UpdateCheck::greaterVersion_data() {
    QTest::addColumn<QString>("oldVersion");
    QTest::addColumn<QString>("newVersion");
    QTest::addColumn<bool>("orEqual");
    QTest::addColumn<bool>("expected");

    QTest::newRow("newer revision") << "1.4.1"
                                    << "1.4.2" << false << true;
    QTest::newRow("same is not newer") << "1.4.1"
                                       << "1.4.1" << false << false;
    QTest::newRow("same counts with orEqual") << "1.4.1"
                                              << "1.4.1" << true << true;
    QTest::newRow("older is never newer") << "1.4.2"
                                          << "1.4.1" << true << false;
    QTest::newRow("two-digit minor is newer") << "1.4.1"
                                              << "1.10.0" << false << true;
    QTest::newRow("1.4.10 newer than 1.4.9") << "1.4.9"
                                             << "1.4.10" << false << true;
    QTest::newRow("1.4.10 older than 1.5.0") << "1.4.10"
                                             << "1.5.0" << false << true;
    QTest::newRow("major decides first") << "1.9.9"
                                         << "2.0.0" << false << true;
    QTest::newRow("leading zeros are the same number") << "1.4.01"
                                                       << "1.4.1" << true << true;
    QTest::newRow("leading zeros not newer") << "1.4.1"
                                             << "01.004.0001" << false << false;
    QTest::newRow("parts beyond 64 bits") << "1.4.99999999999999999999"
                                          << "1.4.100000000000000000000" << false << true;
    QTest::newRow("huge part not below smaller") << "1.4.100000000000000000000"
                                                 << "1.4.99999999999999999999" << false << false;
    QTest::newRow("joined digits beyond 32 bits") << "1.4.1"
                                                  << "9999.9999.9999" << false << true;
    QTest::newRow("four parts each") << "1.4.1.0"
                                     << "1.4.1.7" << false << true;
    QTest::newRow("two parts fail the pattern") << "1.4.1"
                                                << "2.0" << false << false;
    QTest::newRow("different part counts") << "1.4.1"
                                           << "1.4.1.1" << false << false;
    QTest::newRow("empty old") << ""
                               << "1.4.2" << false << false;
    QTest::newRow("empty new") << "1.4.1"
                               << "" << false << false;
    QTest::newRow("letters in a part") << "1.4.1"
                                       << "1.5.x" << false << false;
    QTest::newRow("letters after digits") << "1.4.1"
                                          << "1.5.0beta" << false << false;
    QTest::newRow("empty part") << "1.4.1"
                                << "1..5.0" << false << false;
    QTest::newRow("leading dot") << "1.4.1"
                                 << ".1.5.0" << false << false;
    QTest::newRow("sign in a part") << "1.4.1.0"
                                    << "1.4.1.+5" << false << false;
    QTest::newRow("trailing blank is numeric") << "1.4.1"
                                               << "1.4.2 " << false << true;
    QTest::newRow("blank inside a part") << "1.4.1"
                                         << "1.4.2 0" << false << false;
    QTest::newRow("newer check across old invalid part") << "1.4.1x"
                                                         << "2.0.0" << false << false;
}

void tst_UpdateCheck::greaterVersion() {
    QFETCH(QString, oldVersion);
    QFETCH(QString, newVersion);
    QFETCH(bool, orEqual);
    QFETCH(bool, expected);
    QCOMPARE(GreaterVersion(oldVersion, newVersion, orEqual), expected);
}

void tst_UpdateCheck::readDescription_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("plain entry") << "version=1.4.2\r\n"
                                 << true << "version"
                                 << "1.4.2";
    QTest::newRow("value cut at second =") << "url=http://h/s?a=b\r\n"
                                           << true << "url"
                                           << "http://h/s?a";
    QTest::newRow("blanks kept") << " date = 1 May \r\n"
                                 << true << " date "
                                 << " 1 May ";
    QTest::newRow("lines without = ignored") << "hello\r\nversion=2\r\n\r\n"
                                             << true << "version"
                                             << "2";
    QTest::newRow("no CR LF at all") << "version=1.4.2" << false << ""
                                     << "";
    QTest::newRow("repeated key") << "version=1\r\nversion=2\r\n"
                                  << false << ""
                                  << "";
    QTest::newRow("repeated key in other case") << "size=1\r\nSize=1\r\n"
                                                << false << ""
                                                << "";
}

void tst_UpdateCheck::readDescription() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const auto entries = ReadUpdateDescription(text);
    QCOMPARE(entries.has_value(), valid);
    if (valid) {
        QVERIFY(entries->contains(key));
        QCOMPARE(entries->value(key), value);
    }
}

void tst_UpdateCheck::descriptionUrlFollowsSetting() {
    SettingsStore::Save(Keys::updateserver, QStringLiteral("https://updates.example:8443/"));
    QCOMPARE(UpdateDescriptionUrl(),
             QStringLiteral("https://updates.example:8443/update/sortiva/sortiva.dat"));
    SettingsStore::Delete(Keys::updateserver);
    QCOMPARE(UpdateDescriptionUrl(),
             Defaults::updateserver + QStringLiteral("/update/sortiva/sortiva.dat"));
    QCOMPARE(SetupFilePath(QStringLiteral("1.4.2")),
             m_folder->path() + QStringLiteral("/sortivasetup1.4.2.exe"));
}

void tst_UpdateCheck::newerVersionShowsOffer_data() {
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("date");
    const QByteArray url = "http://127.0.0.1:1/setup";
    QTest::newRow("plain keys") << Description("1.4.2", 2048, url) << "2.00 Kb"
                                << "30 November 2026";
    QTest::newRow("keys in capitals are found")
        << QByteArray("VERSION=1.4.2\r\nSIZE=10\r\nDate=today\r\nUrl=" + url + "\r\n") << "10 Bytes"
        << "today";
}

void tst_UpdateCheck::newerVersionShowsOffer() {
    QFETCH(QByteArray, description);
    QFETCH(QString, size);
    QFETCH(QString, date);
    RunCheck(description);
    QCOMPARE(m_offers.size(), 1);
    QCOMPARE(m_offers.at(0).currentVersion, QStringLiteral("1.4.1"));
    QCOMPARE(m_offers.at(0).version, QStringLiteral("1.4.2"));
    QCOMPARE(m_offers.at(0).size, size);
    QCOMPARE(m_offers.at(0).date, date);
    QCOMPARE(m_dialogs->asked.size(), 0); // Cancel in the offer: nothing else asked
    QCOMPARE(m_host->captions,
             QStringList({QStringLiteral("Checking..."), QStringLiteral("Processing Info"), idle}));
    QCOMPARE(m_check->Entries().value(QStringLiteral("version")), QStringLiteral("1.4.2"));
    QCOMPARE(m_server->paths, QList<QByteArray>({descriptionPath}));
    QVERIFY(m_server->heads.at(0).toLower().contains("cache-control: no-cache"));
    QCOMPARE(m_progress->value, 0);
}

void tst_UpdateCheck::sameVersionIsMostCurrent() {
    RunCheck(Description("1.4.1", 2048, SetupUrl().toLatin1()));
    QCOMPARE(m_offers.size(), 0);
    QCOMPARE(m_dialogs->MessageTexts(), QStringList{mostCurrent});
    QCOMPARE(m_dialogs->asked.at(0).icon, MsgIcon::Information);
    QCOMPARE(m_dialogs->asked.at(0).buttons, MsgButtons::Ok);
    QCOMPARE(m_dialogs->asked.at(0).title, QStringLiteral("Sortiva Media Organizer"));
    QCOMPARE(m_progress->status, QStringList{QStringLiteral("Update check complete")});
}

void tst_UpdateCheck::failedDescriptions_data() {
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<bool>("transferError");
    const QByteArray url = "http://127.0.0.1:1/setup";
    QTest::newRow("LF-only line ends")
        << QByteArray("version=1.4.2\nsize=1\nurl=" + url + "\n") << false;
    QTest::newRow("empty description") << QByteArray() << false;
    QTest::newRow("no entry line") << QByteArray("nothing here\r\nat all\r\n") << false;
    QTest::newRow("version missing") << QByteArray("size=1\r\nurl=" + url + "\r\n") << false;
    QTest::newRow("newer without url") << QByteArray("version=1.4.2\r\nsize=1\r\n") << false;
    QTest::newRow("repeated key") << QByteArray("version=1.4.2\r\nurl=" + url +
                                                "\r\nVersion=1.4.3\r\n")
                                  << false;
    QTest::newRow("url of a local file")
        << QByteArray("version=1.4.2\r\nurl=file:///bin/sh\r\n") << false;
    QTest::newRow("url of another scheme")
        << QByteArray("version=1.4.2\r\nurl=ftp://h/s\r\n") << false;
    QTest::newRow("size not a number")
        << QByteArray("version=1.4.2\r\nsize=big\r\nurl=" + url + "\r\n") << false;
    QTest::newRow("negative size")
        << QByteArray("version=1.4.2\r\nsize=-5\r\nurl=" + url + "\r\n") << false;
    QTest::newRow("description missing on the server") << QByteArray() << true;
    QTest::newRow("description larger than 64 KiB")
        << QByteArray("version=9.9.9\r\n" + QByteArray(UpdateCheck::kMaxDescriptionSize, '#'))
        << true;
}

void tst_UpdateCheck::failedDescriptions() {
    QFETCH(QByteArray, description);
    QFETCH(bool, transferError);
    if (transferError && description.isEmpty())
        m_server->Serve("/elsewhere", "version=9.9.9\r\n");
    else
        m_server->Serve(descriptionPath, description);
    m_check->Start();
    QTRY_VERIFY_WITH_TIMEOUT(m_host->IsIdle(), 20000);
    QCOMPARE(m_offers.size(), 0);
    QCOMPARE(m_dialogs->MessageTexts(),
             QStringList{transferError ? checkTransferFailed : descriptionFailed});
    QCOMPARE(m_dialogs->asked.at(0).icon, MsgIcon::Critical);
    QCOMPARE(m_progress->status,
             QStringList{transferError ? QStringLiteral("Error Downloading Update...")
                                       : QStringLiteral("Update check complete")});
    QCOMPARE(m_progress->value, 0);
    QCOMPARE(m_server->paths.size(), 1); // nothing fetched after the description
}

void tst_UpdateCheck::setupTransferRefused_data() {
    QTest::addColumn<int>("served");
    QTest::newRow("setup missing on the server") << -1;
    QTest::newRow("truncated setup") << 600;
    QTest::newRow("overlong setup") << 1400;
    QTest::newRow("empty setup") << 0;
}

void tst_UpdateCheck::setupTransferRefused() {
    QFETCH(int, served);
    m_acceptOffer = true;
    if (served >= 0)
        m_server->Serve("/files/setup", QByteArray(served, 'S'));
    const QStringList before = PartFiles();
    RunCheck(Description("1.4.2", 1000, SetupUrl().toLatin1()));
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->MessageTexts(), QStringList{setupTransferFailed}, 20000);
    QCOMPARE(m_dialogs->asked.at(0).icon, MsgIcon::Critical);
    QCOMPARE(m_progress->status, QStringList({QStringLiteral("Download.... Please Wait!"),
                                              QStringLiteral("Error Downloading Update...")}));
    QVERIFY(m_host->IsIdle());
    QVERIFY(m_server->paths.contains("/files/setup"));
    QVERIFY(!QFile::exists(SetupFilePath(QStringLiteral("1.4.2"))));
    QCOMPARE(m_dialogs->started, QStringList());
    QCOMPARE(SettingsStore::Get(Keys::installed), QString());
    QCOMPARE(PartFiles(), before);
}

void tst_UpdateCheck::urlHoldingEqualsIsCut() {
    m_acceptOffer = true;
    m_server->Serve("/files/setup?name", QByteArray(10, 'S'));
    RunCheck(Description("1.4.2", 10, SetupUrl().toLatin1() + "?name=setup.exe"));
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->MessageTexts().value(0), installQuestion, 20000);
    QCOMPARE(m_check->Entries().value(QStringLiteral("url")), SetupUrl() + QStringLiteral("?name"));
    QCOMPARE(m_server->paths.last(), QByteArray("/files/setup?name"));
}

void tst_UpdateCheck::existingSetupFile_data() {
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<bool>("fetched");
    QTest::newRow("right size: asked at once, no transfer") << QByteArray(10, 'S') << false;
    QTest::newRow("wrong size: fetched again") << QByteArray(4, 'o') << true;
}

void tst_UpdateCheck::existingSetupFile() {
    QFETCH(QByteArray, existing);
    QFETCH(bool, fetched);
    m_acceptOffer = true;
    const QString setup = SetupFilePath(QStringLiteral("1.4.2"));
    WriteFile(setup, existing);
    m_server->Serve("/files/setup", QByteArray(10, 'N'));
    RunCheck(Description("1.4.2", 10, SetupUrl().toLatin1()));
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->MessageTexts().value(0), installQuestion, 20000);
    QCOMPARE(m_dialogs->asked.at(0).buttons, MsgButtons::YesNoCancel);
    QCOMPARE(m_dialogs->asked.at(0).icon, MsgIcon::Question);
    QCOMPARE(m_server->paths.contains("/files/setup"), fetched);
    QFile file(setup);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), fetched ? QByteArray(10, 'N') : existing);
}

void tst_UpdateCheck::yesStartsSetupStoresKeysAndCloses() {
    m_acceptOffer = true;
    m_dialogs->AnswerMessage(MsgResult::Yes);
    const QByteArray content(5000, 'X');
    m_server->Serve("/files/setup", content);
    const QStringList before = PartFiles();
    RunCheck(Description("1.4.2", content.size(), SetupUrl().toLatin1()));
    QCOMPARE(m_host->captions.mid(0, 4),
             QStringList({QStringLiteral("Checking..."), QStringLiteral("Processing Info"),
                          QStringLiteral("Downloading..."), idle}));
    QCOMPARE(m_progress->status.value(0), QStringLiteral("Download.... Please Wait!"));
    QTRY_COMPARE_WITH_TIMEOUT(m_host->closed, 1, 20000);

    const QString setup = SetupFilePath(QStringLiteral("1.4.2"));
    QCOMPARE(m_dialogs->MessageTexts(), QStringList{installQuestion});
    QCOMPARE(m_dialogs->started, QStringList{setup});
    QCOMPARE(m_host->visibility, QList<bool>{false});
    QCOMPARE(SettingsStore::Get(Keys::installed), QStringLiteral("yes"));
    QCOMPARE(SettingsStore::Get(Keys::installpath), setup);
    QCOMPARE(SettingsStore::Get(Keys::installversion), QStringLiteral("1.4.2"));
    QFile file(setup);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
    QCOMPARE(PartFiles(), before); // the downloaded copy was moved into place
}

void tst_UpdateCheck::setupKeptForLater_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QList<bool>>("visibility");
    QTest::newRow("answered no") << int(MsgResult::No) << true << QList<bool>();
    QTest::newRow("setup that will not start keeps the program")
        << int(MsgResult::Yes) << false << QList<bool>({false, true});
}

void tst_UpdateCheck::setupKeptForLater() {
    QFETCH(int, answer);
    QFETCH(bool, starts);
    QFETCH(QList<bool>, visibility);
    m_acceptOffer = true;
    m_dialogs->AnswerMessage(MsgResult(answer));
    m_dialogs->startResult = starts;
    m_server->Serve("/files/setup", QByteArray(10, 'S'));
    RunCheck(Description("1.4.2", 10, SetupUrl().toLatin1()));
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->MessageTexts().size(), 2, 20000);
    const QString setup = SetupFilePath(QStringLiteral("1.4.2"));
    QCOMPARE(m_dialogs->MessageTexts().at(1),
             QStringLiteral("The file has been saved to ") + setup +
                 QStringLiteral("\r\nYou can click on this file at a later time to install it."));
    QCOMPARE(m_dialogs->asked.at(1).icon, MsgIcon::Information);
    QCOMPARE(m_progress->status.last(), QStringLiteral("Update check complete"));
    QCOMPARE(m_host->visibility, visibility);
    QVERIFY(QFile::exists(setup));
    if (answer == int(MsgResult::No))
        QCOMPARE(m_dialogs->started, QStringList());
    QCOMPARE(SettingsStore::Get(Keys::installed), QString());
    QTest::qWait(20);
    QCOMPARE(m_host->closed, 0);
}

void tst_UpdateCheck::cleanUp_data() {
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("fileDeleted");
    QTest::addColumn<bool>("keysRemoved");

    const QString setup = QStringLiteral("sortivasetup1.4.1.exe");
    QTest::newRow("same version: file and keys go") << "yes"
                                                    << "1.4.1" << setup << true << true;
    QTest::newRow("older stored version: file and keys go") << "yes"
                                                            << "1.3.9" << setup << true << true;
    QTest::newRow("newer stored version: nothing happens") << "yes"
                                                           << "1.5.0" << setup << false << false;
    QTest::newRow("two-part version: nothing happens") << "yes"
                                                       << "1.4" << setup << false << false;
    QTest::newRow("non-numeric version: nothing happens") << "yes"
                                                          << "1.x.1" << setup << false << false;
    QTest::newRow("not installed: nothing happens") << "no"
                                                    << "1.4.1" << setup << false << false;
    QTest::newRow("installed compared exactly") << "Yes"
                                                << "1.4.1" << setup << false << false;
    QTest::newRow("path naming another file: kept, keys go")
        << "yes"
        << "1.4.1" << QStringLiteral("notes.txt") << false << true;
}

void tst_UpdateCheck::cleanUp() {
    QFETCH(QString, installed);
    QFETCH(QString, version);
    QFETCH(QString, fileName);
    QFETCH(bool, fileDeleted);
    QFETCH(bool, keysRemoved);

    const QString path = m_folder->filePath(fileName);
    WriteFile(path, "setup");
    SettingsStore::Save(Keys::installed, installed);
    SettingsStore::Save(Keys::installpath, path);
    SettingsStore::Save(Keys::installversion, version);

    CleanUpInstaller();

    QCOMPARE(!QFile::exists(path), fileDeleted);
    QCOMPARE(SettingsStore::Get(Keys::installed, QStringLiteral("-")),
             keysRemoved ? QStringLiteral("-") : installed);
    QCOMPARE(SettingsStore::Get(Keys::installpath, QStringLiteral("-")),
             keysRemoved ? QStringLiteral("-") : path);
    QCOMPARE(SettingsStore::Get(Keys::installversion, QStringLiteral("-")),
             keysRemoved ? QStringLiteral("-") : version);
}

QTEST_GUILESS_MAIN(tst_UpdateCheck)
#include "tst_updatecheck.moc"
