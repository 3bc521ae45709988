#include "listing/folder.h"
#include "listing/folderlist.h"

#include <QtTest>

namespace {
std::shared_ptr<File> MakeFile(const QString &title)
{
    auto f = std::make_shared<File>();
    f->SetTitle(title);
    return f;
}
} // namespace

class TestCollections : public QObject
{
    Q_OBJECT

private slots:
    void addClearsTheCallersReference()
    {
        FileList list;
        auto f = MakeFile(QStringLiteral("a"));
        const auto added = list.Add(f);
        QVERIFY(!f);
        QVERIFY(added);
        QCOMPARE(added->Title(), QStringLiteral("a"));
        QCOMPARE(list.Count(), 1);
    }

    void itemByPositionIsOneBased()
    {
        FileList list;
        for (const char *t : {"a", "b", "c"}) {
            auto f = MakeFile(QString::fromLatin1(t));
            list.Add(f);
        }
        QVERIFY(!list.Item(0));
        QCOMPARE(list.Item(1)->Title(), QStringLiteral("a"));
        QCOMPARE(list.Item(3)->Title(), QStringLiteral("c"));
        QVERIFY(!list.Item(4));
    }

    void keys_data()
    {
        QTest::addColumn<QString>("lookup");
        QTest::addColumn<bool>("found");
        QTest::newRow("same case") << "Rock" << true;
        QTest::newRow("other case") << "rOCK" << true;
        QTest::newRow("other key") << "Pop" << false;
        QTest::newRow("empty key names nobody") << "" << false;
    }
    void keys()
    {
        QFETCH(QString, lookup);
        QFETCH(bool, found);
        FileList list;
        auto f = MakeFile(QStringLiteral("r"));
        list.Add(f, QStringLiteral("Rock"));
        QCOMPARE(bool(list.Item(lookup)), found);
    }

    void keyUsedTwiceIsRefused()
    {
        FileList list;
        auto a = MakeFile(QStringLiteral("a"));
        auto b = MakeFile(QStringLiteral("b"));
        QVERIFY(list.Add(a, QStringLiteral("k")));
        QVERIFY(!list.Add(b, QStringLiteral("K")));
        QVERIFY(b); // the refused member stays with the caller
        QCOMPARE(list.Count(), 1);
    }

    void removeByPositionAndKey()
    {
        FileList list;
        for (const char *t : {"a", "b", "c"}) {
            auto f = MakeFile(QString::fromLatin1(t));
            list.Add(f, QString::fromLatin1(t).toUpper());
        }
        QVERIFY(list.Remove(2));
        QCOMPARE(list.Item(2)->Title(), QStringLiteral("c"));
        QVERIFY(!list.Item(QStringLiteral("b")));
        QVERIFY(list.Remove(QStringLiteral("a")));
        QCOMPARE(list.Count(), 1);
        QVERIFY(!list.Remove(5));
        QVERIFY(!list.Remove(QStringLiteral("zz")));
        // The freed key may be used again.
        auto again = MakeFile(QStringLiteral("a2"));
        QVERIFY(list.Add(again, QStringLiteral("A")));
    }

    void enumerationInInsertionOrderOutlivesRemoval()
    {
        FileList list;
        for (const char *t : {"z", "a", "m"}) {
            auto f = MakeFile(QString::fromLatin1(t));
            list.Add(f);
        }
        QStringList seen;
        for (const auto &f : list.NewEnum()) {
            seen << f->Title();
            list.Remove(1); // a member lives on while the enumeration holds it
        }
        QCOMPARE(seen, QStringList({QStringLiteral("z"), QStringLiteral("a"), QStringLiteral("m")}));
        QCOMPARE(list.Count(), 0);
    }

    void fileToString_data()
    {
        QTest::addColumn<bool>("includePath");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name and size only") << false << "song.mp3 (3.51 Mb)";
        QTest::newRow("with the path") << true << "song.mp3 (3.51 Mb) - /music/song.mp3";
    }
    void fileToString()
    {
        QFETCH(bool, includePath);
        QFETCH(QString, expected);
        File f;
        f.SetTitle(QStringLiteral("song.mp3"));
        f.SetSize(QStringLiteral("3.51 Mb"));
        f.SetPath(QStringLiteral("/music/song.mp3"));
        QCOMPARE(f.ToString(includePath), expected);
        QCOMPARE(f.ToString(), f.ToString(false));
    }

    void folderTexts_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("format");
        QTest::newRow("parent path shown unchanged") << "/music" << "Rock (12.50 Mb - 2 files) /music";
        QTest::newRow("parent of a top folder is the root") << "" << "Rock (12.50 Mb - 2 files) /";
    }
    void folderTexts()
    {
        QFETCH(QString, root);
        QFETCH(QString, format);
        Folder folder;
        folder.SetTitle(QStringLiteral("Rock"));
        folder.SetPath(QStringLiteral("/music/Rock"));
        folder.SetSize(QStringLiteral("12.50 Mb"));
        for (int i = 0; i < 2; ++i) {
            auto f = MakeFile(QStringLiteral("x"));
            folder.Files().Add(f);
        }
        QCOMPARE(folder.ToString(), QStringLiteral("Rock (12.50 Mb - 2 files)"));
        QCOMPARE(folder.ToFormat(root), format);
        QCOMPARE(folder.ToStatus(), QStringLiteral("/music/Rock (2 Files)"));
    }

    void folderOwnsANewEmptyFileList()
    {
        Folder folder;
        QCOMPARE(folder.Files().Count(), 0);
        folder.SetFiles(nullptr);
        QCOMPARE(folder.Files().Count(), 0);
    }

    void folderListStartsEmpty()
    {
        FolderList list;
        QCOMPARE(list.Count(), 0);
        QCOMPARE(list.Size(), qint64(0));
        QCOMPARE(list.FileCount(), 0);
        QVERIFY(list.RootPath().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCollections)
#include "tst_collections.moc"
