#include "update/updatecheck.h"

#include "base/appinfo.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/testseams.h"
#include "support/fakeprogressview.h"
#include "support/httptestserver.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
const QString idle = QStringLiteral("Check For Updates");
const QString mostCurrent = QStringLiteral("Your version of Sortiva Media Organizer is the most "
                                           "current version. No new update is available.");
const QString failed = QStringLiteral(
    "A download error occurred while checking for an update! Please try again later.");
const QString checkFailed = QStringLiteral(
    "A download error has occurred while checking for an update! Please try again later.");
const QString setupFailed = QStringLiteral(
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
    bool IsIdle() const { return captions.value(captions.size() - 1) == idle && linkEnabled; }

    QStringList captions;
    bool linkEnabled = true;
    QList<bool> visibility;
    int closed = 0;
};

QStringList PartFiles() {
    return QDir(QDir::tempPath()).entryList({QStringLiteral("sortiva-*.part")}, QDir::Files);
}

// The description of @p version; without "size" when @p size is negative.
QByteArray Description(const QByteArray &version, qint64 size, const QByteArray &url) {
    return "version=" + version +
           (size < 0 ? QByteArray() : "\r\nsize=" + QByteArray::number(size)) +
           "\r\ndate=30 November 2026\r\nurl=" + url + "\r\n";
}

// The waits and the size limit, shortened where a row needs it.
struct Limits final : TestSeams {
    int stallMs = 30000;
    int deadlineMs = 60000;
    int TransferStallMs() const override { return stallMs; }
    int DescriptionDeadlineMs() const override { return deadlineMs; }
    qint64 SetupSizeLimit() const override { return 1000; }
};

// A server, a Download and spies on its three signals.
struct Rig {
    HttpTestServer server;
    Download d;
    QSignalSpy done{&d, &Download::DownloadComplete};
    QSignalSpy failed{&d, &Download::DownloadError};
    QSignalSpy progress{&d, &Download::DownloadProgress};

    QString Url(const char *path) const { return server.Base() + QLatin1String(path); }
    QVariant Value(int call) const { return done.at(call).at(1).value<QVariant>(); }
};

} // namespace

class tst_UpdateCheck : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<HttpTestServer> m_server;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<FakeProgressView> m_progress;
    std::unique_ptr<UpdateCheck> m_check;
    QList<UpdateOffer> m_offers;
    bool m_acceptOffer = false;
    Limits m_limits;

    QByteArray SetupUrl() const { return m_server->Base().toLatin1() + "/files/setup"; }

    // Starts a check against @p description and waits until the link is idle again.
    void RunCheck(const QByteArray &description) {
        m_server->Serve(descriptionPath, description);
        m_check->Start();
        QCOMPARE(m_host->captions.value(0), QStringLiteral("Checking..."));
        QTRY_VERIFY_WITH_TIMEOUT(m_host->IsIdle(), 20000);
    }

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        TestEnv::UseEnglishLocale();
        QCOMPARE(AppVersionString(), QStringLiteral("1.4.1"));
        InstallTestSeams(&m_limits);
    }
    void cleanupTestCase() { InstallTestSeams(nullptr); }

    void init() {
        TestEnv::ClearStore();
        m_folder = std::make_unique<QTemporaryDir>();
        SetProgramFolder(m_folder->path());
        m_server = std::make_unique<HttpTestServer>();
        QVERIFY(m_server->IsListening());
        SettingsStore::Save(Keys::updateserver, m_server->Base() + QStringLiteral("//"));
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_host = std::make_unique<FakeHost>();
        m_progress = std::make_unique<FakeProgressView>();
        m_check = std::make_unique<UpdateCheck>(*m_host, *m_progress);
        m_check->SetCloseDelay(0);
        m_offers.clear();
        m_acceptOffer = false;
        m_limits = Limits();
        m_check->SetOfferWindow([this](const UpdateOffer &offer) {
            m_offers << offer;
            return m_acceptOffer;
        });
    }

    void cleanup() {
        m_check.reset();
        m_dialogs.reset();
        m_server.reset();
        m_folder.reset();
    }

    void greaterVersion() {
        for (const auto &[older, newer, orEqual, expected] : {
                 std::tuple{"1.4.9", "1.4.10", false, true}, // parts compare as numbers
                 {"1.4.10", "1.5.0", false, true},           // an earlier part decides
                 {"1.4.01", "1.4.1", true, true},            // leading zeros are the same number
                 {"1.4.99999999999999999999", "1.4.100000000000000000000", false, true},
                 {"1.4.100000000000000000000", "1.4.99999999999999999999", false, false},
                 {"1.4.1", "2.0", false, false},     // two parts fail the pattern
                 {"1.4.1", "1.4.1.1", false, false}, // different part counts
                 {"1.4.1", "1.5.0beta", false, false},
                 {"1.4.1.0", "1.4.1.+5", false, false},
                 {"1.4.1", "1.4.2 ", false, true},  // a trailing blank is numeric
                 {"1.4.1x", "2.0.0", false, false}, // an invalid part after a decided one
             })
            QVERIFY2(GreaterVersion(QLatin1String(older), QLatin1String(newer), orEqual) ==
                         expected,
                     qPrintable(QStringLiteral("%1 -> %2").arg(older, newer)));
    }

    void readDescription() {
        for (const auto &[text, key, value] : {
                 std::tuple{" date = 1 May \r\n", " date ", " 1 May "}, // blanks kept
                 {"hi\r\nVerSion=2\r\n\r\n", "version", "2"}, // key folded, lines without =
                 {"version=1.4.2", "", ""},                   // no CR LF at all: nothing
                 {"size=1\r\nSize=1\r\n", "", ""},            // a key twice: nothing
                 {"nothing here\r\nat all\r\n", "", ""},
             }) {
            const auto entries = ReadUpdateDescription(QLatin1String(text));
            QCOMPARE(entries.has_value(), *key != 0);
            if (entries)
                QCOMPARE(entries->value(QLatin1String(key)), QLatin1String(value));
        }
    }

    // What a check shows for each description: an offer, "most current", or a failure.
    void check_data() {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QString>("message"); // empty: the offer was shown
        for (const auto &[row, description, message] : {
                 std::tuple{"newer version offered", "version=1.4.2\r\nsize=2048\r\n", QString()},
                 {"same version is most current", "version=1.4.1\r\n", mostCurrent},
                 {"version missing", "size=1\r\n", failed},
                 {"newer without url", "version=1.4.2\r\nsize=1\r\nurl=\r\n", failed},
                 {"url of a local file", "version=1.4.2\r\nurl=file:///bin/sh\r\n", failed},
                 {"size not a number", "version=1.4.2\r\nsize=big\r\n", failed},
                 {"negative size", "version=1.4.2\r\nsize=-5\r\n", failed},
                 {"description missing on the server", "", checkFailed},
             }) {
            QByteArray d = description;
            if (!d.contains("url=") && d.contains("\r\n")) // a url for the rows that lack one
                d += "Date=30 November 2026\r\nUrl=http://127.0.0.1:1/setup\r\n";
            QTest::newRow(row) << d << message;
        }
        QTest::newRow("description larger than 64 KiB")
            << QByteArray("version=9.9.9\r\n" + QByteArray(UpdateCheck::kMaxDescriptionSize, '#'))
            << checkFailed;
    }
    void check() {
        QFETCH(QByteArray, description);
        QFETCH(QString, message);
        if (description.isEmpty())
            m_server->Serve("/elsewhere", "version=9.9.9\r\n");
        else
            m_server->Serve(descriptionPath, description);
        m_check->Start();
        QTRY_VERIFY_WITH_TIMEOUT(m_host->IsIdle(), 20000);
        QCOMPARE(m_server->paths, QList<QByteArray>{descriptionPath}); // nothing fetched after it
        QVERIFY(m_server->heads.at(0).toLower().contains("cache-control: no-cache"));
        QCOMPARE(m_dialogs->MessageTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(m_offers.size(), message.isEmpty() ? 1 : 0);
        QCOMPARE(m_progress->value, 0);
        if (message == checkFailed) {
            QCOMPARE(m_progress->status1,
                     QStringList{QStringLiteral("Error Downloading Update...")});
            return;
        }
        if (!message.isEmpty()) {
            QCOMPARE(m_dialogs->asked.at(0).icon,
                     message == mostCurrent ? MsgIcon::Information : MsgIcon::Critical);
            QCOMPARE(m_progress->status1, QStringList{QStringLiteral("Update check complete")});
            return;
        }
        QCOMPARE(m_offers.at(0).currentVersion, QStringLiteral("1.4.1"));
        QCOMPARE(m_offers.at(0).version, QStringLiteral("1.4.2"));
        QCOMPARE(m_offers.at(0).size, QStringLiteral("2.00 Kb"));
        QCOMPARE(m_offers.at(0).date, QStringLiteral("30 November 2026"));
        QCOMPARE(m_host->captions, QStringList({"Checking...", "Processing Info", idle}));
    }

    // A setup program is only ever started when it arrived whole; one that grows too large
    // or goes silent is refused while it still arrives (the server never ends those).
    void setupRefused_data() {
        QTest::addColumn<int>("served"); // -1: missing on the server
        QTest::addColumn<qint64>("announced");
        QTest::addColumn<qint64>("size"); // in the description, -1: none
        const qint64 endless = HttpTestServer::kNoEnd;
        for (const auto &[row, served, announced, size] :
             {std::tuple{"setup missing on the server", -1, qint64(-1), qint64(1000)},
              {"truncated", 600, qint64(-1), qint64(1000)},
              {"overlong", 1400, qint64(-1), qint64(1000)},
              {"overlong without a length", 1400, endless, qint64(1000)},
              {"beyond an announced 0", 10, endless, qint64(0)},
              {"beyond the limit without a size", 1400, endless, qint64(-1)},
              {"silent before its end", 600, endless, qint64(1000)},
              {"empty", 0, qint64(-1), qint64(1000)}})
            QTest::newRow(row) << served << announced << size;
    }
    void setupRefused() {
        QFETCH(int, served);
        QFETCH(qint64, announced);
        QFETCH(qint64, size);
        m_limits.stallMs = 1000;
        m_acceptOffer = true;
        if (served >= 0)
            m_server->Serve("/files/setup", QByteArray(served, 'S'), 200, announced);
        const QStringList before = PartFiles();
        RunCheck(Description("1.4.2", size, SetupUrl()));
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->MessageTexts(), QStringList{setupFailed}, 20000);
        QCOMPARE(m_progress->status1, QStringList({QStringLiteral("Download.... Please Wait!"),
                                                   QStringLiteral("Error Downloading Update...")}));
        QVERIFY(m_host->IsIdle());
        QVERIFY(!QFile::exists(SetupFilePath(QStringLiteral("1.4.2"))));
        QCOMPARE(m_dialogs->started, QStringList());
        QCOMPARE(PartFiles(), before);
    }

    void setupAccepted_data() {
        QTest::addColumn<QByteArray>("existing"); // a setup file already there
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("starts");
        const int yes = int(MsgResult::Yes);
        for (const auto &[row, existing, answer, starts] : {
                 std::tuple{"yes starts it and closes", "", yes, true},
                 {"right size there: no transfer", "SSSSSSSSSS", yes, true},
                 {"wrong size there: fetched again", "oooo", yes, true},
                 {"answered no keeps it", "", int(MsgResult::No), true},
                 {"setup that will not start keeps the program", "", yes, false},
             })
            QTest::newRow(row) << QByteArray(existing) << answer << starts;
    }
    // A description from a server that goes silent, or never finishes it, ends in the error
    // path with the link usable again.
    void silentDescription_data() {
        QTest::addColumn<int>("stallMs");
        QTest::addColumn<int>("deadlineMs");
        QTest::newRow("goes silent") << 100 << 60000;
        QTest::newRow("never ends") << 30000 << 100;
    }
    void silentDescription() {
        QFETCH(int, stallMs);
        QFETCH(int, deadlineMs);
        m_limits.stallMs = stallMs;
        m_limits.deadlineMs = deadlineMs;
        m_server->Serve(descriptionPath, "version=1.4.2\r\n", 200, HttpTestServer::kNoEnd);
        m_check->Start();
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->MessageTexts(), QStringList{checkFailed}, 20000);
        QVERIFY(m_host->IsIdle());
    }

    // The program closes only once the setup started; a file of the announced size is kept.
    void setupAccepted() {
        QFETCH(QByteArray, existing);
        QFETCH(int, answer);
        QFETCH(bool, starts);
        m_acceptOffer = true;
        m_dialogs->AnswerMessage(MsgResult(answer));
        m_dialogs->startResult = starts;
        const QString setup = SetupFilePath(QStringLiteral("1.4.2"));
        if (!existing.isEmpty())
            QVERIFY(TestEnv::WriteFile(setup, existing));
        const QByteArray content(10, 'N');
        const bool fetched = existing.size() != content.size();
        m_server->Serve("/files/setup?name", content);
        const QStringList before = PartFiles();
        RunCheck(Description("1.4.2", content.size(), SetupUrl() + "?name=setup.exe"));
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->MessageTexts().value(0), installQuestion, 20000);
        QCOMPARE(m_dialogs->asked.at(0).buttons, MsgButtons::YesNoCancel);
        // The url's value ends at its second "=".
        QCOMPARE(m_server->paths.contains("/files/setup?name"), fetched);
        QFile file(setup);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), fetched ? content : existing);
        QCOMPARE(PartFiles(), before); // the downloaded copy was moved into place
        if (fetched)                   // the bar follows the length the server announced
            QCOMPARE(m_progress->maximum, 10);
        const bool started = answer == int(MsgResult::Yes) && starts;
        QCOMPARE(m_dialogs->started,
                 answer == int(MsgResult::Yes) ? QStringList{setup} : QStringList());
        QCOMPARE(SettingsStore::Get(Keys::installed), started ? "yes" : QString());
        QCOMPARE(SettingsStore::Get(Keys::installpath), started ? setup : QString());
        QCOMPARE(SettingsStore::Get(Keys::installversion), started ? "1.4.2" : QString());
        if (started) {
            QTRY_COMPARE_WITH_TIMEOUT(m_host->closed, 1, 20000);
            QCOMPARE(m_host->visibility, QList<bool>{false});
            return;
        }
        QCOMPARE(m_dialogs->MessageTexts().value(1),
                 "The file has been saved to " + setup +
                     "\r\nYou can click on this file at a later time to install it.");
        QCOMPARE(m_host->visibility, starts ? QList<bool>() : QList<bool>({false, true}));
        QTest::qWait(20);
        QCOMPARE(m_host->closed, 0);
    }

    // A program folder the user cannot write to (a package install) sends the setup file to
    // the user's download folder, made when missing; the message names where it went.
    void setupFolder_data() {
        QTest::addColumn<QString>("programFolder"); // beneath the temporary folder
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("toDownloads");
        QTest::newRow("writable program folder") << "bin" << false << false;
        QTest::newRow("read-only program folder") << "bin" << true << true;
        QTest::newRow("program folder missing") << "gone/bin" << false << true;
    }
    void setupFolder() {
        QFETCH(QString, programFolder);
        QFETCH(bool, readOnly);
        QFETCH(bool, toDownloads);
        if (readOnly && ::geteuid() == 0)
            QSKIP("root may write to any folder");
        const QString bin = m_folder->filePath(QStringLiteral("bin"));
        const QString downloads = m_folder->filePath(QStringLiteral("Downloads"));
        const QString userDirs = qEnvironmentVariable("XDG_CONFIG_HOME") + "/user-dirs.dirs";
        QVERIFY(TestEnv::WriteFile(userDirs, "XDG_DOWNLOAD_DIR=\"" + downloads.toUtf8() + "\"\n"));
        QVERIFY(QDir().mkpath(bin));
        if (readOnly)
            QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner));
        SetProgramFolder(m_folder->filePath(programFolder));
        m_acceptOffer = true;
        m_dialogs->AnswerMessage(MsgResult::No);
        m_server->Serve("/files/setup", "NNNN");
        RunCheck(Description("1.4.2", 4, SetupUrl()));
        const QString setup = (toDownloads ? downloads : bin) + "/sortivasetup1.4.2.exe";
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->MessageTexts().value(1),
                                  "The file has been saved to " + setup +
                                      "\r\nYou can click on this file at a later time to "
                                      "install it.",
                                  20000);
        QCOMPARE(TestEnv::ReadFile(setup), QByteArray("NNNN"));
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(userDirs);
    }

    // At start-up, once the running version has reached the installed one, the setup file
    // this program saved and the three keys go; any other file the key names stays.
    void cleanUp() {
        const QString setup = QStringLiteral("sortivasetup1.4.1.exe");
        for (const auto &[installed, version, name, fileDeleted, keysRemoved] : {
                 std::tuple{"yes", "1.4.1", setup, true, true},
                 {"yes", "1.3.9", setup, true, true},
                 {"yes", "1.5.0", setup, false, false},
                 {"no", "1.4.1", setup, false, false},
                 {"Yes", "1.4.1", setup, false, false}, // compared exactly
                 {"yes", "1.4.1", QStringLiteral("notes.txt"), false, true},
             }) {
            const QString path = m_folder->filePath(name);
            QVERIFY(TestEnv::WriteFile(path, "setup"));
            SettingsStore::Save(Keys::installed, QString::fromLatin1(installed));
            SettingsStore::Save(Keys::installpath, path);
            SettingsStore::Save(Keys::installversion, QString::fromLatin1(version));
            CleanUpInstaller();
            QCOMPARE(!QFile::exists(path), fileDeleted);
            const QString gone = QStringLiteral("-");
            QCOMPARE(SettingsStore::Get(Keys::installed, gone), keysRemoved ? gone : installed);
            QCOMPARE(SettingsStore::Get(Keys::installpath, gone), keysRemoved ? gone : path);
            QCOMPARE(SettingsStore::Get(Keys::installversion, gone), keysRemoved ? gone : version);
        }
    }

    // The transfer on its own, for both forms, with no announced length. A body of unknown
    // length arrives whole; a never-ending one is stopped at the size limit, reported once and
    // leaves no partial file.
    void transfer_data() {
        QTest::addColumn<int>("form");
        QTest::newRow("bytes") << int(Download::kBytesForm);
        QTest::newRow("file") << int(Download::kFileForm);
    }
    void transfer() {
        QFETCH(int, form);
        Rig r;
        QByteArray body(300000, '\0');
        for (int i = 0; i < body.size(); ++i)
            body[i] = static_cast<char>(i * 7);
        r.server.Serve("/setup.exe", body, 200, HttpTestServer::kNoLength);
        r.server.Serve("/big", QByteArray(200000, 'x'), 200, HttpTestServer::kNoEnd);
        const QStringList before = PartFiles();
        if (form == Download::kFileForm) { // the content reaches its file as it arrives
            r.d.BeginDownload(r.Url("/big"), QStringLiteral("k"), form);
            const auto arrived = [] { // the file may have no name yet: seen as an open file
                qint64 most = 0;
                for (const QFileInfo &fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList())
                    most =
                        qMax(most, fd.symLinkTarget().startsWith(QDir::tempPath()) ? fd.size() : 0);
                return most;
            };
            QTRY_VERIFY_WITH_TIMEOUT(arrived() > 100000, 20000);
        }
        r.d.BeginDownload(r.Url("/setup.exe"), QStringLiteral("k"), form, Download::kFetchAfresh,
                          body.size());
        QTRY_COMPARE_WITH_TIMEOUT(r.done.count(), 1, 20000);
        QCOMPARE(r.failed.count(), 0);
        QCOMPARE(r.done.at(0).at(0).toString(), QStringLiteral("k"));
        QCOMPARE(r.done.at(0).at(2).toInt(), form);
        if (form == Download::kFileForm) {
            QCOMPARE(TestEnv::ReadFile(r.Value(0).toString()), body);
            QVERIFY(QFile::remove(r.Value(0).toString()));
        } else {
            QCOMPARE(r.Value(0).toByteArray(), body);
        }
        QCOMPARE(r.progress.last().at(1).toLongLong(), body.size());
        QCOMPARE(r.progress.last().at(3).toInt(), 200); // the server's status, passed through

        r.d.BeginDownload(r.Url("/big"), QStringLiteral("k"), form, Download::kFetchAfresh, 4999);
        QTRY_COMPARE_WITH_TIMEOUT(r.failed.count(), 1, 20000);
        QCOMPARE(r.failed.at(0).at(0).toString(), QStringLiteral("k"));
        QCOMPARE(r.failed.at(0).at(2).toString(), QStringLiteral("Download Error"));
        QVERIFY(!r.d.IsRunning(QStringLiteral("k")));
        QTest::qWait(50); // nothing more arrives from the stopped transfer
        QCOMPARE(r.failed.count(), 1);
        QCOMPARE(r.done.count(), 1);
        QCOMPARE(PartFiles(), before);
    }

    // Only the web is ever read: anything else is reported before BeginDownload returns,
    // with a platform error number.
    void refusedUrlsFailAtOnce() {
        Rig r;
        const QStringList urls{"file:///etc/passwd", "ftp://127.0.0.1/setup.exe",
                               "127.0.0.1/update", "http:///update"};
        for (const QString &url : urls)
            r.d.BeginDownload(url, QStringLiteral("update"));
        QCOMPARE(r.failed.count(), urls.size());
        for (const auto &call : r.failed)
            QVERIFY(call.at(1).toInt() != 0);
        QVERIFY(!r.d.IsRunning(QStringLiteral("update")));
        r.d.BeginDownload(QString(), QStringLiteral("update")); // an empty URL does nothing
        QCOMPARE(r.failed.count(), urls.size());
    }

    void keys() {
        Rig r;
        r.server.Serve("/one", "first");
        r.server.Serve("/two", "second");
        r.server.Serve("/old", "old");
        r.d.BeginDownload(r.Url("/one"), QStringLiteral("one"));
        r.d.BeginDownload(r.Url("/old"), QStringLiteral("two"));
        r.d.BeginDownload(r.Url("/two"), QStringLiteral("two")); // replaces the running read
        r.d.BeginDownload(r.Url("/one"), QStringLiteral("cancelled"));
        r.d.Cancel(QStringLiteral("cancelled"));
        r.d.Cancel(QStringLiteral("never started"));
        QVERIFY(r.d.IsRunning(QStringLiteral("one")));
        QVERIFY(!r.d.IsRunning(QStringLiteral("cancelled")));
        QTRY_COMPARE_WITH_TIMEOUT(r.done.count(), 2, 20000);
        QTest::qWait(50);
        QCOMPARE(r.done.count(), 2);
        QCOMPARE(r.failed.count(), 0);
        QHash<QString, QByteArray> got;
        for (int i = 0; i < 2; ++i)
            got.insert(r.done.at(i).at(0).toString(), r.Value(i).toByteArray());
        QCOMPARE(got.value(QStringLiteral("one")), QByteArray("first"));
        QCOMPARE(got.value(QStringLiteral("two")), QByteArray("second"));
    }
};

QTEST_GUILESS_MAIN(tst_UpdateCheck)
#include "tst_updatecheck.moc"
