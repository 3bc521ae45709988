#include "listing/folderlist.h"

#include "base/progressview.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "listing/listingexport.h"
#include "listing/listingformat.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
// Colour and size sets of the page look used by the golden listings.
constexpr std::array<int, 7> FirstUseColors{0xFFFFFF, 0xFDD0A8, 0xA00000, 0xA00000,
                                            0xFDD0A8, 0xC56A31, 0xFFFFFF};
constexpr std::array<int, 7> DefaultColors{0x000000, 0xFDF5D5, 0x800000, 0xC0C0C0,
                                           0x000000, 0xC56A31, 0xFFFFFF};

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
} // namespace

class TestFolderList : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    ListingOptions options; // a text listing of every folder, dated as the golden listings

    QString Write(const QString &relative, qint64 length) {
        const QString path = dir->filePath(relative);
        return TestEnv::WriteFile(path, QByteArray(length, 'x')) ? path : QString();
    }

    // music/{.hidden.mp3 5, intro.mp3 3000, notes.txt, Empty/, Rock/{a.mp3 2048, b.mp3 10,
    // Deep/c.mp3 1}}
    QString BuildTree() {
        Write(QStringLiteral("music/.hidden.mp3"), 5);
        Write(QStringLiteral("music/intro.mp3"), 3000);
        Write(QStringLiteral("music/notes.txt"), 7);
        QDir().mkpath(dir->filePath(QStringLiteral("music/Empty")));
        Write(QStringLiteral("music/Rock/a.mp3"), 2048);
        Write(QStringLiteral("music/Rock/b.mp3"), 10);
        Write(QStringLiteral("music/Rock/Deep/c.mp3"), 1);
        return dir->filePath(QStringLiteral("music"));
    }

    static std::unique_ptr<FolderList> Search(const QString &root, const QString &patterns) {
        auto list = std::make_unique<FolderList>();
        list->SetRootPath(root);
        list->SearchFiles(patterns);
        return list;
    }

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        TestEnv::UseEnglishLocale();
    }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        options = ListingOptions();
        options.date = QDateTime(QDate(2026, 12, 5), QTime(7, 30, 0));
    }

    void searchReportsAndAddsUp() {
        const QString root = BuildTree();
        FolderList list;
        list.SetRootPath(root);
        QSignalSpy status(&list, &FolderList::Status);
        QSignalSpy progress(&list, &FolderList::Progress);
        QVERIFY(list.SearchFiles(QStringLiteral("*.mp3")));
        QStringList texts;
        for (const auto &call : status)
            texts << call.at(0).toString();
        QCOMPARE(texts,
                 QStringList({"Searching For Folders In " + root, "Searching For Files In " + root,
                              "Searching For Files In " + root + "/Empty",
                              "Searching For Files In " + root + "/Rock",
                              "Searching For Files In " + root + "/Rock/Deep",
                              "Complete. Found 4 Folders With 5 Files Totaling 4.95 Kb"}));
        QList<QPair<int, int>> steps;
        for (const auto &call : progress)
            steps << qMakePair(call.at(0).toInt(), call.at(1).toInt());
        QCOMPARE(steps, (QList<QPair<int, int>>{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {0, 4}}));
        QCOMPARE(list.Size(), qint64(5 + 3000 + 2048 + 10 + 1));
        // The texts no listing shows.
        QCOMPARE(list.Item(1)->Files().Item(2)->ToString(true),
                 "intro.mp3 (2.93 Kb) - " + root + "/intro.mp3");
        QCOMPARE(list.Item(3)->ToStatus(), root + "/Rock (2 Files)");
    }

    void rootWithoutFilesIsOneFolder() {
        QDir().mkpath(dir->filePath(QStringLiteral("empty")));
        for (const bool exists : {true, false}) {
            FolderList list;
            const QString root = dir->filePath(exists ? "empty" : "missing");
            list.SetRootPath(root);
            QSignalSpy status(&list, &FolderList::Status);
            QVERIFY(list.SearchFiles(QStringLiteral("*.*")));
            QCOMPARE(list.Count(), 1);
            // A folder that cannot be read is listed, and said to be unread.
            QCOMPARE(status.last().at(0).toString(),
                     QStringLiteral("Complete. Found 1 Folders With 0 Files Totaling 0 Bytes") +
                         (exists ? QString() : ". 1 folder could not be read: " + root));
        }
    }

    void sizesBeyondTwoGigabytes() {
        // Sparse files: the lengths count, not the blocks.
        for (const auto &[name, length] :
             {std::pair{"big/video.avi", 3000000000LL}, std::pair{"big/more.avi", 1024000000LL}}) {
            QVERIFY(QDir().mkpath(dir->filePath(QStringLiteral("big"))));
            QFile f(dir->filePath(QString::fromLatin1(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (!f.resize(length))
                QSKIP("the temporary file system cannot hold a sparse 3 GB file");
        }
        const auto list = Search(dir->filePath(QStringLiteral("big")), QStringLiteral("*.avi"));
        QCOMPARE(list->Size(), qint64(4024000000LL));
        QCOMPARE(list->Item(1)->Files().Item(2)->Size(), QStringLiteral("2.93 Gb"));
        QCOMPARE(list->Item(1)->Size(), QStringLiteral("3.93 Gb"));
    }

    // The first-use look: centred, alternating rows; the default look: left, plain rows.
    void golden_data() {
        QTest::addColumn<bool>("html");
        QTest::addColumn<bool>("noEmpty");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("defaultLook");
        QTest::newRow("text-all.txt") << false << false << "x" << false;
        QTest::newRow("text-noempty.txt") << false << true << "x" << false;
        QTest::newRow("html-center-alternate.html")
            << true << false << "My Media File List" << false;
        QTest::newRow("html-left-plain.html")
            << true << true << R"(Ann's <Media> & "More")" << true;
    }
    void golden() {
        QFETCH(bool, html);
        QFETCH(bool, noEmpty);
        QFETCH(QString, title);
        QFETCH(bool, defaultLook);
        options.html = html;
        options.noEmpty = noEmpty;
        options.page = {title, defaultLook ? "left" : "center",
                        defaultLook ? std::array{1, 1, 0, 0} : std::array{2, 1, 3, 4},
                        defaultLook ? DefaultColors : FirstUseColors, defaultLook ? 0 : 1};
        const QString root = BuildTree();
        const auto list = Search(root, QStringLiteral("*.mp3"));
        const QString out = Write(QStringLiteral("listing.out"), 100000); // replaced whole
        QSignalSpy progress(list.get(), &FolderList::Progress);
        QCOMPARE(list->SaveFiles(out, options), SaveResult::Saved);
        QByteArray expected =
            TestEnv::ReadFile(QStringLiteral(LISTING_GOLDEN_DIR "/") + QTest::currentDataTag());
        expected.replace("\r\n", "\n").replace("\n", "\r\n");
        expected.replace("{ROOT}", root.toUtf8());
        expected.replace("{PARENT}", dir->path().toUtf8());
        expected.replace("{DATE}", "12/5/26 07:30:00");
        QCOMPARE(TestEnv::ReadFile(out), expected);
        // Progress steps over left-out folders too.
        QCOMPARE(progress.size(), 4 + 2);
        QCOMPARE(progress.at(4).at(0).toInt(), 4);
    }

    // A listing far larger than the writer's buffer goes to the file in several pieces: each
    // line exactly once, in order.
    void longListingIsWrittenOnce() {
        const int files = 2600; // about 250 characters a line: over 600 Ki characters
        for (int i = 0; i < files; ++i)
            Write(QStringLiteral("long/%1").arg(i, 4, 10, QLatin1Char('0')) + QString(236, 'n'), 1);
        const auto list = Search(dir->filePath(QStringLiteral("long")), QStringLiteral("*"));
        QCOMPARE(list->FileCount(), files);
        const QString out = dir->filePath(QStringLiteral("long.out"));
        for (const bool html : {false, true}) {
            options.html = html;
            QCOMPARE(list->SaveFiles(out, options), SaveResult::Saved);
            const QByteArray written = TestEnv::ReadFile(out);
            QVERIFY(written.size() > 600 * 1024);
            qsizetype at = 0;
            for (int i = 0; i < files; ++i) {
                const QByteArray name = QByteArray::number(i).rightJustified(4, '0') + "nnnnn";
                const qsizetype next = written.indexOf(name, at);
                QVERIFY2(next > at, name.constData());
                at = next;
            }
            QCOMPARE(written.count(QByteArray("0000" + QByteArray(236, 'n'))), 1);
            QCOMPARE(written.count(QByteArray("2599" + QByteArray(236, 'n'))), 1);
            QVERIFY(written.endsWith(html ? "</body></html>\r\n" : "(1 Bytes)\r\n"));
        }
    }

    void namesAreEscapedAndKeptWhole() {
        options.page.align = QStringLiteral("center");
        Write(QStringLiteral("n/R&B <live>\n\"caf") + QChar(0xE9) + QStringLiteral("\" ") +
                  QChar(0x3042) + QChar(0xFFFE) + QStringLiteral(".mp3"),
              4);
        const QString out = dir->filePath(QStringLiteral("names.out"));
        const auto list = Search(dir->filePath(QStringLiteral("n")), QStringLiteral("*.mp3"));
        // xhtml escapes markup, refers to non-Latin-1 letters and replaces what XML forbids;
        // text is UTF-8 and unescaped, with a line break in a name made a blank.
        for (const auto &[html, expected] :
             {std::pair{true,
                        "<b>R&amp;B &lt;live&gt;\n&quot;caf\xE9&quot; &#12354;&#65533;.mp3</b>"},
              {false, "\tR&B <live> \"caf\xC3\xA9\" \xE3\x81\x82\xEF\xBF\xBE.mp3 (4 Bytes)\r\n"}}) {
            options.html = html;
            QCOMPARE(list->SaveFiles(out, options), SaveResult::Saved);
            const QByteArray written = TestEnv::ReadFile(out);
            QVERIFY2(written.contains(expected), written.constData());
            QCOMPARE(written.contains("<live>"), !html);
        }
    }

    void failuresLeaveFilesAlone() {
        const QString root = BuildTree();
        FolderList none;
        for (const auto &[target, empty, result] :
             {std::tuple{"keep.txt", true, SaveResult::NoFolders}, // nothing listed
              {"no/such/list.txt", false, SaveResult::WriteFailed},
              {"music/Rock", false, SaveResult::WriteFailed}}) { // the path names a folder
            const QString out = dir->filePath(QLatin1String(target));
            QCOMPARE(
                (empty ? none : *Search(root, QStringLiteral("*.mp3"))).SaveFiles(out, options),
                result);
            QVERIFY(!QFileInfo(out).isFile());
            QVERIFY(QFileInfo::exists(root + QStringLiteral("/Rock/a.mp3")));
        }
    }

    // What a name or a typed value puts into a page can never become markup.
    void htmlPieces() {
        QCOMPARE(TableTag(95, 1, QStringLiteral(R"(x" onload="y)"), 2, 3),
                 R"(<table width="95%" border="1" cellspacing="3" cellpadding="2" )"
                 R"(align="x&quot; onload=&quot;y">)");
        QCOMPARE(EscapeHtml(QStringLiteral("<s>x<&s>\"'")), "&lt;s&gt;x&lt;&amp;s&gt;&quot;'");
        QCOMPARE(EscapeHtml(QChar(0xE9) + QString::fromUcs4(U"\u3042\U0001F3B5")),
                 QChar(0xE9) + QStringLiteral("&#12354;&#127925;"));
        QCOMPARE(EscapeHtml(QChar(0xD800) + QStringLiteral("x\x01\t\r\n") + QChar(0xFFFF)),
                 QStringLiteral("&#65533;x&#65533;\t\r\n&#65533;"));
        QCOMPARE(PathWithoutDrive(QString()), QStringLiteral("/"));
    }

    // The export command: the file dialog, its questions and the listing it writes.
    // media/in.mp3 and sorted/Artist/out.mp3; an old list.txt holds "old". Messages name the
    // list file as %1; answers: y(es) or n(o), one per message.
    void run_data() {
        QTest::addColumn<bool>("source");
        QTest::addColumn<QString>("out"); // the file dialog's answer, "" cancels
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QByteArray>("listed"); // "" when the old file stands or none was made
        const QString saved =
            QStringLiteral("Saved File To %1. Would you like to open the file now?");
        const QString overwrite =
            QStringLiteral("This list file already exists! Do you want to overwrite?");
        const QString unwritable = QStringLiteral("Unable to write the list file! (%1)");
        const struct {
            const char *row;
            bool source;
            const char *out, *answers;
            QStringList messages;
            const char *listed;
        } rows[] = {
            {"cancelled", false, "", "", {}, ""},
            {"organize-to folder, not opened", false, "new.txt", "n", {saved}, "\tout.mp3"},
            {"source media folder, opened", true, "new.txt", "y", {saved}, "\tin.mp3"},
            {"no keeps the old file", false, "list.txt", "n", {overwrite}, ""},
            {"yes replaces it", false, "list.txt", "yn", {overwrite, saved}, "\tout.mp3"},
            {"file not writable", false, "no/such/list.txt", "", {unwritable}, ""},
        };
        for (const auto &r : rows)
            QTest::newRow(r.row) << r.source << QString::fromLatin1(r.out)
                                 << QString::fromLatin1(r.answers) << r.messages
                                 << QByteArray(r.listed);
    }
    void run() {
        QFETCH(bool, source);
        QFETCH(QString, out);
        QFETCH(QString, answers);
        QFETCH(QStringList, messages);
        QFETCH(QByteArray, listed);
        TestEnv::ClearStore();
        const QString media = dir->filePath(QStringLiteral("media"));
        const QString sorted = dir->filePath(QStringLiteral("sorted"));
        QVERIFY(TestEnv::WriteFile(media + QStringLiteral("/in.mp3"), "abcd"));
        QVERIFY(TestEnv::WriteFile(sorted + QStringLiteral("/Artist/out.mp3"), "abcd"));
        QVERIFY(TestEnv::WriteFile(dir->filePath(QStringLiteral("list.txt")), "old"));
        Settings = SettingsRecord();
        Settings.rememberfolders = 1;
        Settings.dlistfilter = QStringLiteral("*.mp3");
        Settings.saveashtml = 0;
        const QString file = out.isEmpty() ? QString() : dir->filePath(out);
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(file);
        for (const QChar a : answers)
            dialogs.AnswerMessage(a == QLatin1Char('y') ? MsgResult::Yes : MsgResult::No);
        RecordingView view;
        RunExport(view, {media + QStringLiteral("/"), sorted + QStringLiteral("//"),
                         source ? ListedFolder::SourceMedia : ListedFolder::OrganizeTo});
        QCOMPARE(dialogs.asked.at(0).text, QStringLiteral("save"));
        QCOMPARE(dialogs.asked.at(0).extra, QStringLiteral("Text Files (*.txt)|*.txt"));
        QStringList expected;
        for (const QString &m : messages)
            expected << QString(m).replace(QLatin1String("%1"), file);
        QCOMPARE(dialogs.MessageTexts(), expected);
        QCOMPARE(dialogs.opened, answers == QLatin1String("y") ? QStringList{file} : QStringList());
        const QByteArray written = TestEnv::ReadFile(file);
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
};

QTEST_GUILESS_MAIN(TestFolderList)
#include "tst_folderlist.moc"
