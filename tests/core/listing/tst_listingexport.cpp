#include "listing/listingexport.h"

#include "base/progressview.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Records what the export does to the main window. The window stays live while the export
// yields, so the options may change meanwhile: the run keeps those it began with.
class RecordingView final : public ProgressView {
  public:
    void Status(int index, const QString &text) override {
        statuses << QString::number(index) + QLatin1Char(':') + text;
        Settings.saveashtml = 1;
        Settings.noempty = 1;
    }
    void SetProgressMax(int max) override { calls << QStringLiteral("max %1").arg(max); }
    void SetProgress(int value) override { calls << QStringLiteral("value %1").arg(value); }
    void EnableButtons(bool enable) override { enabled << enable; }

    QStringList statuses;
    QStringList calls;
    QList<bool> enabled;
};

QByteArray ReadAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestListingExport : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        TestEnv::UseEnglishLocale();
    }

    // media/in.mp3 and sorted/Artist/out.mp3; an old list.txt holds "old". Messages name the
    // list file as %1 and the temporary folder as %2; answers: y(es) or n(o), one per message.
    void run_data() {
        QTest::addColumn<bool>("source");
        QTest::addColumn<QString>("root"); // the listed folder when not the usual one
        QTest::addColumn<QString>("out");  // the file dialog's answer, "" cancels
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QByteArray>("listed"); // "" when the old file stands or none was made
        const QString saved =
            QStringLiteral("Saved File To %1. Would you like to open the file now?");
        const QString overwrite =
            QStringLiteral("This list file already exists! Do you want to overwrite?");
        QTest::newRow("cancelled") << false << ""
                                   << ""
                                   << "" << QStringList() << QByteArray();
        QTest::newRow("organize-to folder, not opened")
            << false << ""
            << "new.txt"
            << "n" << QStringList{saved} << QByteArray("\tout.mp3");
        QTest::newRow("source media folder, opened")
            << true << ""
            << "new.txt"
            << "y" << QStringList{saved} << QByteArray("\tin.mp3");
        QTest::newRow("no keeps the old file") << false << ""
                                               << "list.txt"
                                               << "n" << QStringList{overwrite} << QByteArray();
        QTest::newRow("yes replaces it")
            << false << ""
            << "list.txt"
            << "yn" << QStringList{overwrite, saved} << QByteArray("\tout.mp3");
        QTest::newRow("missing root")
            << false << "gone/"
            << "new.txt"
            << "" << QStringList{"Unable to read directory! (%2/gone)"} << QByteArray();
        QTest::newRow("file not writable")
            << false << ""
            << "no/such/list.txt"
            << "" << QStringList{"Unable to write the list file! (%1)"} << QByteArray();
    }
    void run() {
        QFETCH(bool, source);
        QFETCH(QString, root);
        QFETCH(QString, out);
        QFETCH(QString, answers);
        QFETCH(QStringList, messages);
        QFETCH(QByteArray, listed);
        TestEnv::ClearStore();
        QTemporaryDir dir;
        const QString media = dir.filePath(QStringLiteral("media"));
        const QString sorted = dir.filePath(QStringLiteral("sorted"));
        QVERIFY(TestEnv::WriteFile(media + QStringLiteral("/in.mp3"), "abcd"));
        QVERIFY(TestEnv::WriteFile(sorted + QStringLiteral("/Artist/out.mp3"), "abcd"));
        QVERIFY(TestEnv::WriteFile(dir.filePath(QStringLiteral("list.txt")), "old"));
        Settings = SettingsRecord();
        Settings.rememberfolders = 1;
        Settings.dlistfilter = QStringLiteral("*.mp3");
        Settings.saveashtml = 0;
        const QString file = out.isEmpty() ? QString() : dir.filePath(out);
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(file);
        for (const QChar a : answers)
            dialogs.AnswerMessage(a == QLatin1Char('y') ? MsgResult::Yes : MsgResult::No);
        RecordingView view;
        RunExport(view, {media + QStringLiteral("/"),
                         root.isEmpty() ? sorted + QStringLiteral("//") : dir.filePath(root),
                         source ? ListedFolder::SourceMedia : ListedFolder::OrganizeTo});
        QCOMPARE(dialogs.asked.at(0).text, QStringLiteral("save"));
        QCOMPARE(dialogs.asked.at(0).extra, QStringLiteral("Text Files (*.txt)|*.txt"));
        QStringList expected;
        for (const QString &m : messages)
            expected << QString(m)
                            .replace(QLatin1String("%1"), file)
                            .replace(QLatin1String("%2"), dir.path());
        QCOMPARE(dialogs.MessageTexts(), expected);
        QCOMPARE(dialogs.opened, answers == QLatin1String("y") ? QStringList{file} : QStringList());
        const QByteArray written = ReadAll(file);
        if (!listed.isEmpty()) {
            QVERIFY2(written.contains(listed), written.constData());
            QVERIFY(written.contains(source ? "\tFolders: 1\r\n" : "\tFolders: 2\r\n"));
            QVERIFY(written.contains(source ? "media (4 Bytes - 1 files)"
                                            : "sorted (0 Bytes - 0 files)"));
            QCOMPARE(view.statuses.first(),
                     "1:Searching For Folders In " + (source ? media : sorted));
            QCOMPARE(view.calls.mid(0, 2), QStringList({source ? "max 1" : "max 2", "value 0"}));
        } else if (out == QLatin1String("list.txt")) {
            QCOMPARE(written, QByteArray("old"));
        }
        const bool ran = !listed.isEmpty() || messages.value(0).startsWith(QLatin1String("Unable"));
        QCOMPARE(view.enabled, ran ? QList<bool>({false, true}) : QList<bool>());
        // The folders and the filter are stored by a run only.
        QCOMPARE(SettingsStore::Get(Keys::dlistfilter), ran ? "*.mp3" : "");
        QCOMPARE(SettingsStore::Get(Keys::inpath), ran ? media + "/" : QString());
    }

    void xhtmlDialogFilter() {
        Settings.saveashtml = 1;
        ScriptedDialogs dialogs;
        RecordingView view;
        RunExport(view, {QString(), QString(), ListedFolder::OrganizeTo});
        QCOMPARE(dialogs.asked.at(0).extra, QStringLiteral("Html Files (*.Html)|*.html"));
    }
};

QTEST_GUILESS_MAIN(TestListingExport)
#include "tst_listingexport.moc"
