#include "options/fieldlists.h"

#include <QTest>

class tst_FieldLists : public QObject {
    Q_OBJECT

  private slots:
    void joinListItems_data();
    void joinListItems();
    void fillFieldLists_data();
    void fillFieldLists();
    void moveListItem_data();
    void moveListItem();
    void moveUpDown_data();
    void moveUpDown();
    void examples_data();
    void examples();
};

void tst_FieldLists::joinListItems_data() {
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty list gives empty text") << QStringList() << ","
                                                 << "";
    QTest::newRow("one entry has no separator") << QStringList{"Album"} << " - "
                                                << "Album";
    QTest::newRow("separator only between entries") << QStringList{"Artist", "Song", "Track"} << ","
                                                    << "Artist,Song,Track";
    QTest::newRow("dash separator") << QStringList{"Artist", "Song"} << " - "
                                    << "Artist - Song";
}

void tst_FieldLists::joinListItems() {
    QFETCH(QStringList, items);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(JoinListItems(items, separator), expected);
}

void tst_FieldLists::fillFieldLists_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("available");
    QTest::addColumn<QStringList>("chosen");
    const QStringList all = Id3FieldNames();
    QTest::newRow("empty stored list changes nothing") << "" << all << QStringList();
    QTest::newRow("single name without comma")
        << "Album" << QStringList{"Song", "Artist", "Genre", "Year", "Track"}
        << QStringList{"Album"};
    QTest::newRow("stored order kept in chosen list")
        << "Track,Song,Artist" << QStringList{"Album", "Genre", "Year"}
        << QStringList{"Track", "Song", "Artist"};
    QTest::newRow("names compared with case") << "album" << all << QStringList{"album"};
    QTest::newRow("blank around a name keeps it available")
        << " Album" << all << QStringList{" Album"};
}

void tst_FieldLists::fillFieldLists() {
    QFETCH(QString, stored);
    QFETCH(QStringList, available);
    QFETCH(QStringList, chosen);
    QStringList avail = Id3FieldNames();
    QStringList picked;
    FillFieldLists(avail, picked, stored);
    QCOMPARE(avail, available);
    QCOMPARE(picked, chosen);
}

void tst_FieldLists::moveListItem_data() {
    QTest::addColumn<QStringList>("from");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("fromAfter");
    QTest::addColumn<QStringList>("toAfter");
    QTest::addColumn<int>("nextSelection");
    const QStringList three{"Song", "Artist", "Album"};
    QTest::newRow("nothing selected moves nothing")
        << three << -1 << three << QStringList{"Year"} << -1;
    QTest::newRow("middle entry: same position selected next")
        << three << 1 << QStringList{"Song", "Album"} << QStringList{"Year", "Artist"} << 1;
    QTest::newRow("last entry: the new last entry selected")
        << three << 2 << QStringList{"Song", "Artist"} << QStringList{"Year", "Album"} << 1;
    QTest::newRow("only entry: nothing left to select")
        << QStringList{"Song"} << 0 << QStringList() << QStringList{"Year", "Song"} << -1;
    QTest::newRow("selection past the end moves nothing")
        << three << 3 << three << QStringList{"Year"} << 3;
}

void tst_FieldLists::moveListItem() {
    QFETCH(QStringList, from);
    QFETCH(int, selected);
    QFETCH(QStringList, fromAfter);
    QFETCH(QStringList, toAfter);
    QFETCH(int, nextSelection);
    QStringList to{"Year"};
    QCOMPARE(MoveListItem(from, selected, to), nextSelection);
    QCOMPARE(from, fromAfter);
    QCOMPARE(to, toAfter);
}

void tst_FieldLists::moveUpDown_data() {
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("newSelection");
    QTest::newRow("up from the middle") << true << 1 << QStringList{"B", "A", "C"} << 0;
    QTest::newRow("up from the top stays") << true << 0 << QStringList{"A", "B", "C"} << 0;
    QTest::newRow("up without selection") << true << -1 << QStringList{"A", "B", "C"} << -1;
    QTest::newRow("down from the middle") << false << 1 << QStringList{"A", "C", "B"} << 2;
    QTest::newRow("down from the bottom stays") << false << 2 << QStringList{"A", "B", "C"} << 2;
    QTest::newRow("down without selection") << false << -1 << QStringList{"A", "B", "C"} << -1;
}

void tst_FieldLists::moveUpDown() {
    QFETCH(bool, up);
    QFETCH(int, selected);
    QFETCH(QStringList, after);
    QFETCH(int, newSelection);
    QStringList list{"A", "B", "C"};
    const int result = up ? MoveListItemUp(list, selected) : MoveListItemDown(list, selected);
    QCOMPARE(result, newSelection);
    QCOMPARE(list, after);
}

void tst_FieldLists::examples_data() {
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::newRow("nothing chosen gives the defaults") << QStringList() << "Album"
                                                       << "Song.mp3";
    QTest::newRow("fields joined with dashes") << QStringList{"Artist", "Song"} << "Artist - Song"
                                               << "Artist - Song.mp3";
    QTest::newRow("one field") << QStringList{"Track"} << "Track"
                               << "Track.mp3";
}

void tst_FieldLists::examples() {
    QFETCH(QStringList, chosen);
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QCOMPARE(FolderTitleExample(chosen), folder);
    QCOMPARE(FileTitleExample(chosen), file);
}

QTEST_GUILESS_MAIN(tst_FieldLists)
#include "tst_fieldlists.moc"
