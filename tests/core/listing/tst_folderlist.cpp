#include "listing/folderlist.h"

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
} // namespace

class TestFolderList : public QObject {
    Q_OBJECT

  private:
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

    // The listing of @p root for @p patterns, as the export makes it.
    static std::unique_ptr<FolderList> Search(const QString &root, const QString &patterns) {
        auto list = std::make_unique<FolderList>();
        list->SetRootPath(root);
        list->SearchFiles(patterns);
        return list;
    }

    static QStringList FolderPaths(const FolderList &list) {
        QStringList paths;
        for (const auto &f : list)
            paths << f->Path();
        return paths;
    }

    static QByteArray ReadAll(const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
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

    void foldersAreListedLevelByLevel() {
        QDir().mkpath(dir->filePath(QStringLiteral("A/B/D")));
        QDir().mkpath(dir->filePath(QStringLiteral("A/C")));
        QDir().mkpath(dir->filePath(QStringLiteral("A/b2/E")));
        FolderList list;
        list.SetRootPath(dir->filePath(QStringLiteral("A")));
        QVERIFY(list.SearchFiles(QStringLiteral("*.*")));
        const QString a = dir->filePath(QStringLiteral("A"));
        QCOMPARE(FolderPaths(list),
                 QStringList({a, a + "/B", a + "/b2", a + "/C", a + "/B/D", a + "/b2/E"}));
        QCOMPARE(list.Item(1)->Title(), QStringLiteral("A"));
        QCOMPARE(list.Item(5)->Title(), QStringLiteral("D"));
    }

    void hiddenFilesAndFoldersAreListed() {
        Write(QStringLiteral("r/.secret.mp3"), 3);
        Write(QStringLiteral("r/.cache/x.mp3"), 4);
        const auto list = Search(dir->filePath(QStringLiteral("r")), QStringLiteral("*.mp3"));
        QCOMPARE(list->Count(), 2);
        QCOMPARE(list->Item(1)->Files().Item(1)->Title(), QStringLiteral(".secret.mp3"));
        QCOMPARE(list->Item(2)->Title(), QStringLiteral(".cache"));
        QCOMPARE(list->FileCount(), 2);
    }

    void totalsAddUp() {
        const auto list = Search(BuildTree(), QStringLiteral("*.mp3"));
        QCOMPARE(list->FileCount(), 5);
        QCOMPARE(list->Size(), qint64(5 + 3000 + 2048 + 10 + 1));
        QCOMPARE(list->Item(1)->Size(), QStringLiteral("2.93 Kb"));
        QCOMPARE(list->Item(2)->Size(), QStringLiteral("0 Bytes"));
        QCOMPARE(list->Item(1)->Files().Item(2)->Path(), list->RootPath() + "/intro.mp3");
    }

    void rootWithoutFilesIsOneFolder_data() {
        QTest::addColumn<bool>("exists");
        QTest::newRow("empty root") << true;
        QTest::newRow("missing root") << false;
    }
    void rootWithoutFilesIsOneFolder() {
        QFETCH(bool, exists);
        if (exists)
            QDir().mkpath(dir->filePath(QStringLiteral("empty")));
        FolderList list;
        list.SetRootPath(dir->filePath(QStringLiteral("empty")));
        QSignalSpy status(&list, &FolderList::Status);
        QVERIFY(list.SearchFiles(QStringLiteral("*.*")));
        QCOMPARE(list.Count(), 1);
        QCOMPARE(list.FileCount(), 0);
        QCOMPARE(list.Size(), qint64(0));
        QCOMPARE(status.last().at(0).toString(),
                 QStringLiteral("Complete. Found 1 Folders With 0 Files Totaling 0 Bytes"));
    }

    void statusAndProgressOfTheSearch() {
        const QString root = BuildTree();
        FolderList list;
        list.SetRootPath(root);
        QSignalSpy status(&list, &FolderList::Status);
        QSignalSpy progress(&list, &FolderList::Progress);
        list.SearchFiles(QStringLiteral("*.mp3"));

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
        const QList<QPair<int, int>> expected{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {0, 4}};
        QCOMPARE(steps, expected);
    }

    void sizesBeyondTwoGigabytes() {
        QDir().mkpath(dir->filePath(QStringLiteral("big")));
        // Sparse files: the lengths count, not the blocks.
        const QList<QPair<QString, qint64>> files{{QStringLiteral("video.avi"), 3000000000LL},
                                                  {QStringLiteral("more.avi"), 1024000000LL}};
        for (const auto &[name, length] : files) {
            QFile f(dir->filePath(QStringLiteral("big/") + name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (!f.resize(length))
                QSKIP("the temporary file system cannot hold a sparse 3 GB file");
        }
        const auto list = Search(dir->filePath(QStringLiteral("big")), QStringLiteral("*.avi"));
        QCOMPARE(list->Size(), qint64(4024000000LL));
        QCOMPARE(list->Item(1)->Files().Item(2)->Size(), QStringLiteral("2.93 Gb"));
        QCOMPARE(list->Item(1)->Size(), QStringLiteral("3.93 Gb"));
    }

    void golden_data() {
        QTest::addColumn<int>("html");
        QTest::addColumn<int>("noempty");
        QTest::addColumn<QString>("align");
        QTest::addColumn<int>("alternate");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("defaultLook");
        QTest::addColumn<QString>("golden");
        QTest::newRow("text, every folder")
            << 0 << 0 << "center" << 1 << "x" << false << "text-all.txt";
        QTest::newRow("text, empty folders left out")
            << 0 << 1 << "center" << 1 << "x" << false << "text-noempty.txt";
        QTest::newRow("xhtml centred, alternating rows, every folder")
            << 1 << 0 << "center" << 1 << "My Media File List" << false
            << "html-center-alternate.html";
        QTest::newRow("xhtml left, plain rows, escaped title, empty folders left out")
            << 1 << 1 << "left" << 0 << R"(Ann's <Media> & "More")" << true
            << "html-left-plain.html";
    }
    void golden() {
        QFETCH(int, html);
        QFETCH(int, noempty);
        QFETCH(QString, align);
        QFETCH(int, alternate);
        QFETCH(QString, title);
        QFETCH(bool, defaultLook);
        QFETCH(QString, golden);

        options.html = html != 0;
        options.noEmpty = noempty != 0;
        options.page.align = align;
        options.page.alternate = alternate;
        options.page.title = title;
        options.page.colors = defaultLook ? DefaultColors : FirstUseColors;
        options.page.sizes =
            defaultLook ? std::array<int, 4>{1, 1, 0, 0} : std::array<int, 4>{2, 1, 3, 4};

        const QString root = BuildTree();
        const auto list = Search(root, QStringLiteral("*.mp3"));
        const QString out = dir->filePath(QStringLiteral("listing.out"));
        QSignalSpy progress(list.get(), &FolderList::Progress);
        QCOMPARE(list->SaveFiles(out, options), SaveResult::Saved);

        QByteArray expected = ReadAll(QStringLiteral(LISTING_GOLDEN_DIR "/") + golden);
        expected.replace("\r\n", "\n").replace("\n", "\r\n");
        expected.replace("{ROOT}", root.toUtf8());
        expected.replace("{PARENT}", dir->path().toUtf8());
        expected.replace("{DATE}", "12/5/26 07:30:00");
        const QByteArray actual = ReadAll(out);
        if (actual != expected) {
            const QList<QByteArray> a = actual.split('\n');
            const QList<QByteArray> e = expected.split('\n');
            for (qsizetype i = 0; i < qMin(a.size(), e.size()); ++i)
                QCOMPARE(a.at(i), e.at(i));
        }
        QCOMPARE(actual, expected);
        // Progress steps over left-out folders too.
        QCOMPARE(progress.size(), 4 + 2);
        QCOMPARE(progress.at(4).at(0).toInt(), 4);
    }

    void namesAreEscapedAndKeptWhole_data() {
        QTest::addColumn<int>("html");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("xhtml escapes markup and refers to non-Latin-1 letters")
            << 1 << QByteArray("<b>R&amp;B &lt;live&gt; &quot;caf\xE9&quot; &#12354;.mp3</b>");
        QTest::newRow("text listing is UTF-8 and unescaped")
            << 0 << QByteArray("\tR&B <live> \"caf\xC3\xA9\" \xE3\x81\x82.mp3 (4 Bytes)\r\n");
    }
    void namesAreEscapedAndKeptWhole() {
        QFETCH(int, html);
        QFETCH(QByteArray, expected);
        options.html = html != 0;
        options.page.align = QStringLiteral("center");
        const QString name = QStringLiteral("R&B <live> \"caf") + QChar(0xE9) +
                             QStringLiteral("\" ") + QChar(0x3042) + QStringLiteral(".mp3");
        Write(QStringLiteral("n/") + name, 4);
        const QString out = dir->filePath(QStringLiteral("names.out"));
        const auto list = Search(dir->filePath(QStringLiteral("n")), QStringLiteral("*.mp3"));
        QCOMPARE(list->SaveFiles(out, options), SaveResult::Saved);
        const QByteArray written = ReadAll(out);
        QVERIFY2(written.contains(expected), written.constData());
        if (html)
            QVERIFY(!written.contains("<live>"));
    }

    void emptyListWritesNothing() {
        const QString out = dir->filePath(QStringLiteral("keep.txt"));
        FolderList list;
        QCOMPARE(list.SaveFiles(out, options), SaveResult::NoFolders);
        QVERIFY(!QFile::exists(out));
    }

    void existingFileIsReplaced() {
        const QString out = Write(QStringLiteral("old.txt"), 100000);
        QCOMPARE(Search(BuildTree(), QStringLiteral("*.mp3"))->SaveFiles(out, options),
                 SaveResult::Saved);
        QVERIFY(ReadAll(out).startsWith("Folder Directory Listing By Sortiva"));
        QVERIFY(ReadAll(out).size() < 1000);
    }

    void writeFailureIsReported_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder of the file missing") << "no/such/folder/list.txt";
        QTest::newRow("path names a folder") << "music/Rock";
    }
    void writeFailureIsReported() {
        QFETCH(QString, target);
        const QString out = dir->filePath(target);
        QCOMPARE(Search(BuildTree(), QStringLiteral("*.mp3"))->SaveFiles(out, options),
                 SaveResult::WriteFailed);
        QVERIFY(!QFileInfo(out).isFile());
        QVERIFY(QFileInfo::exists(dir->filePath(QStringLiteral("music/Rock/a.mp3"))));
    }
};

QTEST_GUILESS_MAIN(TestFolderList)
#include "tst_folderlist.moc"
