#include "listing/listingexport.h"

#include "base/progressview.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
// Records what the export does to the main window.
class RecordingView final : public ProgressView {
  public:
    void Status(int index, const QString &text) override {
        statuses << QString::number(index) + QLatin1Char(':') + text;
    }
    void SetProgressMax(int max) override { calls << QStringLiteral("max %1").arg(max); }
    void SetProgress(int value) override { calls << QStringLiteral("value %1").arg(value); }
    void EnableButtons(bool enable) override { enabled << enable; }

    QStringList statuses;
    QStringList calls;
    QList<bool> enabled;
};

const QString Overwrite =
    QStringLiteral("This list file already exists! Do you want to overwrite?");
} // namespace

class TestListingExport : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir;
    QString media;
    QString sorted;

    void Write(const QString &path, const QByteArray &data = QByteArrayLiteral("abcd")) {
        QVERIFY(TestEnv::WriteFile(path, data));
    }

    // Answers the file dialog with @p out, then runs the export of the organize-to folder.
    void Export(ScriptedDialogs &dialogs, ProgressView &view, const QString &out,
                const QString &root = QString()) {
        dialogs.AnswerPath(out);
        RunExport(view, {media, root.isEmpty() ? sorted : root, ListedFolder::OrganizeTo});
    }

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        TestEnv::UseEnglishLocale();
    }
    void init() {
        TestEnv::ClearStore();
        dir = std::make_unique<QTemporaryDir>();
        media = dir->filePath(QStringLiteral("media"));
        sorted = dir->filePath(QStringLiteral("sorted"));
        Write(media + QStringLiteral("/in.mp3"));
        Write(sorted + QStringLiteral("/Artist/out.mp3"));
        Settings = SettingsRecord();
        Settings.rememberfolders = 1;
        Settings.dlistfilter = QStringLiteral("*.mp3");
        Settings.saveashtml = 0;
    }

    void fileDialogAsksForTheFormatsFile_data() {
        QTest::addColumn<int>("html");
        QTest::addColumn<QString>("filter");
        QTest::newRow("xhtml") << 1 << "Html Files (*.Html)|*.html";
        QTest::newRow("text") << 0 << "Text Files (*.txt)|*.txt";
    }
    void fileDialogAsksForTheFormatsFile() {
        QFETCH(int, html);
        QFETCH(QString, filter);
        Settings.saveashtml = html;
        ScriptedDialogs dialogs;
        RecordingView view;
        Export(dialogs, view, QString());
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked.at(0).kind, QStringLiteral("file"));
        QCOMPARE(dialogs.asked.at(0).text, QStringLiteral("save"));
        QCOMPARE(dialogs.asked.at(0).title, QStringLiteral("Select File to Save To"));
        QCOMPARE(dialogs.asked.at(0).extra, filter);
        // Cancelled: the window was never locked and nothing was stored.
        QVERIFY(view.enabled.isEmpty());
        QVERIFY(SettingsStore::Get(Keys::dlistfilter).isEmpty());
    }

    void overwriteQuestion_data() {
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("No keeps the old file") << MsgResult::No << false;
        QTest::newRow("Yes replaces it") << MsgResult::Yes << true;
    }
    void overwriteQuestion() {
        QFETCH(MsgResult, answer);
        QFETCH(bool, replaced);
        const QString out = dir->filePath(QStringLiteral("list.txt"));
        Write(out, "old");
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(answer).AnswerMessage(MsgResult::No);
        RecordingView view;
        Export(dialogs, view, out);
        QCOMPARE(dialogs.asked.at(1).text, Overwrite);
        QCOMPARE(dialogs.asked.at(1).buttons, MsgButtons::YesNo);
        QCOMPARE(dialogs.asked.at(1).icon, MsgIcon::Critical);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll() != "old", replaced);
        QCOMPARE(view.enabled.isEmpty(), !replaced);
    }

    void listsTheChosenFolderAndOffersToOpen_data() {
        QTest::addColumn<bool>("source");
        QTest::addColumn<MsgResult>("open");
        QTest::addColumn<QString>("listed");
        QTest::newRow("organize-to folder, not opened") << false << MsgResult::No << "out.mp3";
        QTest::newRow("source media folder, opened") << true << MsgResult::Yes << "in.mp3";
    }
    void listsTheChosenFolderAndOffersToOpen() {
        QFETCH(bool, source);
        QFETCH(MsgResult, open);
        QFETCH(QString, listed);
        const QString out = dir->filePath(QStringLiteral("list.txt"));
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(out).AnswerMessage(open);
        RecordingView view;
        RunExport(view, {media + QStringLiteral("/"), sorted + QStringLiteral("//"),
                         source ? ListedFolder::SourceMedia : ListedFolder::OrganizeTo});

        QCOMPARE(dialogs.MessageTexts(),
                 QStringList{"Saved File To " + out + ". Would you like to open the file now?"});
        QCOMPARE(dialogs.asked.last().icon, MsgIcon::Information);
        QCOMPARE(dialogs.opened, open == MsgResult::Yes ? QStringList{out} : QStringList());
        QCOMPARE(view.enabled, QList<bool>({false, true}));
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray written = f.readAll();
        QVERIFY(written.contains(listed.toUtf8()));
        QVERIFY(written.contains(source ? "\tFolders: 1\r\n" : "\tFolders: 2\r\n"));
        // The main window saw the search and the writer through its two handlers.
        QCOMPARE(view.statuses.first(), "1:Searching For Folders In " + (source ? media : sorted));
        QVERIFY(view.statuses.last().startsWith(QStringLiteral("1:Complete. Found ")));
        QCOMPARE(view.calls.mid(0, 2), QStringList({source ? "max 1" : "max 2", "value 0"}));
        // The window's folder fields and the dialog's choices were stored.
        QCOMPARE(SettingsStore::Get(Keys::inpath), media + QStringLiteral("/"));
        QCOMPARE(SettingsStore::Get(Keys::dlistfilter), QStringLiteral("*.mp3"));
    }

    void missingRootIsReported() {
        const QString out = dir->filePath(QStringLiteral("list.txt"));
        ScriptedDialogs dialogs;
        RecordingView view;
        Export(dialogs, view, out, dir->filePath(QStringLiteral("gone/")));
        QCOMPARE(dialogs.MessageTexts(),
                 QStringList{"Unable to read directory! (" + dir->filePath("gone") + ")"});
        QCOMPARE(dialogs.asked.last().icon, MsgIcon::Critical);
        QCOMPARE(view.enabled, QList<bool>({false, true}));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(SettingsStore::Get(Keys::outpath), dir->filePath(QStringLiteral("gone/")));
    }

    void writeFailureIsReportedNotSaved() {
        const QString out = dir->filePath(QStringLiteral("no/such/folder/list.txt"));
        ScriptedDialogs dialogs;
        RecordingView view;
        Export(dialogs, view, out);
        QCOMPARE(dialogs.MessageTexts(),
                 QStringList{"Unable to write the list file! (" + out + ")"});
        QCOMPARE(dialogs.asked.last().icon, MsgIcon::Critical);
        QVERIFY(dialogs.opened.isEmpty());
        QCOMPARE(view.enabled, QList<bool>({false, true}));
    }

    void optionsChangedDuringTheSearchLeaveTheListingAlone() {
        // The window stays live while the export yields; the run keeps the options it began with.
        class MeddlingView final : public ProgressView {
          public:
            void Status(int, const QString &) override {
                Settings.saveashtml = 1;
                Settings.noempty = 1;
            }
            void SetProgressMax(int) override {}
            void SetProgress(int) override {}
            void EnableButtons(bool) override {}
        } view;
        const QString out = dir->filePath(QStringLiteral("list.txt"));
        ScriptedDialogs dialogs;
        Export(dialogs, view, out);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray written = f.readAll();
        QVERIFY(written.startsWith("Folder Directory Listing By Sortiva"));
        QVERIFY(written.contains("sorted (0 Bytes - 0 files)"));
        QCOMPARE(dialogs.MessageTexts().size(), 1);
        QVERIFY(dialogs.MessageTexts().at(0).startsWith(QStringLiteral("Saved File To ")));
    }
};

QTEST_GUILESS_MAIN(TestListingExport)
#include "tst_listingexport.moc"
