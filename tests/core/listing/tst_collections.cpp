#include "listing/folder.h"
#include "listing/folderlist.h"

#include <QtTest>

namespace {
// A list of files titled by @p titles, each under its upper-cased title as key when @p keyed.
void Fill(FileList &list, const QStringList &titles, bool keyed = false) {
    for (const QString &t : titles) {
        auto f = std::make_shared<File>();
        f->SetTitle(t);
        list.Add(f, keyed ? t.toUpper() : QString());
    }
}
} // namespace

class TestCollections : public QObject {
    Q_OBJECT

  private slots:
    void addTakesTheMemberUnlessItsKeyIsTaken() {
        FileList list;
        auto a = std::make_shared<File>();
        a->SetTitle(QStringLiteral("a"));
        const auto added = list.Add(a, QStringLiteral("k"));
        QVERIFY(!a); // the caller's reference is cleared
        QCOMPARE(added->Title(), QStringLiteral("a"));
        auto b = std::make_shared<File>();
        QVERIFY(!list.Add(b, QStringLiteral("K")));
        QVERIFY(b); // the refused member stays with the caller
        QCOMPARE(list.Count(), 1);
        FileList unkeyed;
        Fill(unkeyed, {"a"});
        QVERIFY(!unkeyed.Item(QString())); // an empty key names nobody
    }

    void lookups_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("title"); // empty when nothing is found
        QTest::newRow("positions are one-based") << 1 << ""
                                                 << "a";
        QTest::newRow("last position") << 3 << ""
                                       << "c";
        QTest::newRow("position 0") << 0 << ""
                                    << "";
        QTest::newRow("past the end") << 4 << ""
                                      << "";
        QTest::newRow("key in the same case") << 0 << "B"
                                              << "b";
        QTest::newRow("key in another case") << 0 << "b"
                                             << "b";
        QTest::newRow("unknown key") << 0 << "zz"
                                     << "";
    }
    void lookups() {
        QFETCH(int, position);
        QFETCH(QString, key);
        QFETCH(QString, title);
        FileList list;
        Fill(list, {"a", "b", "c"}, true);
        const auto found = key.isEmpty() ? list.Item(position) : list.Item(key);
        QCOMPARE(found ? found->Title() : QString(), title);
    }

    void removeByPositionAndKey() {
        FileList list;
        Fill(list, {"a", "b", "c"}, true);
        QVERIFY(list.Remove(2));
        QCOMPARE(list.Item(2)->Title(), QStringLiteral("c"));
        QVERIFY(!list.Item(QStringLiteral("b")));
        QVERIFY(list.Remove(QStringLiteral("a")));
        QCOMPARE(list.Count(), 1);
        QVERIFY(!list.Remove(5));
        QVERIFY(!list.Remove(QStringLiteral("zz")));
        Fill(list, {"a"}, true); // the freed key may be used again
        QCOMPARE(list.Count(), 2);
    }

    void enumerationInInsertionOrderOutlivesRemoval() {
        FileList list;
        Fill(list, {"z", "a", "m"});
        QStringList seen;
        for (const auto &f : list.Snapshot()) {
            seen << f->Title();
            list.Remove(1); // a member lives on while the enumeration holds it
        }
        QCOMPARE(seen, QStringList({"z", "a", "m"}));
        QCOMPARE(list.Count(), 0);
    }

    void texts() {
        File f;
        f.SetTitle(QStringLiteral("song.mp3"));
        f.SetSize(QStringLiteral("3.51 Mb"));
        f.SetPath(QStringLiteral("/music/song.mp3"));
        QCOMPARE(f.ToString(), QStringLiteral("song.mp3 (3.51 Mb)"));
        QCOMPARE(f.ToString(true), QStringLiteral("song.mp3 (3.51 Mb) - /music/song.mp3"));
        Folder folder;
        folder.SetTitle(QStringLiteral("Rock"));
        folder.SetPath(QStringLiteral("/music/Rock"));
        folder.SetSize(QStringLiteral("12.50 Mb"));
        Fill(folder.Files(), {"x", "y"});
        QCOMPARE(folder.ToString(), QStringLiteral("Rock (12.50 Mb - 2 files)"));
        QCOMPARE(folder.ToFormat(QStringLiteral("/music")),
                 QStringLiteral("Rock (12.50 Mb - 2 files) /music"));
        QCOMPARE(folder.ToFormat(QString()), QStringLiteral("Rock (12.50 Mb - 2 files) /"));
        QCOMPARE(folder.ToStatus(), QStringLiteral("/music/Rock (2 Files)"));
        folder.SetFiles(nullptr); // never leaves the folder without a list
        QCOMPARE(folder.Files().Count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCollections)
#include "tst_collections.moc"
