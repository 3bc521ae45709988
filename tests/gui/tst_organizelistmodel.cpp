#include "gui/organizelistmodel.h"

#include "organize/organizelist.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

// The list model: notices in batches, removals held back during a burst, rows mapped.
class TestOrganizeListModel : public QObject {
    Q_OBJECT

  private:
    static OrganizeRow Row(int i) {
        OrganizeRow r;
        r.folder = QStringLiteral("F%1").arg(i);
        r.relativePath = QStringLiteral("f%1.mp3").arg(i);
        return r;
    }

  private slots:
    void batchedAppendsAndRemovals() {
        OrganizeList list;
        OrganizeListModel model(list);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

        list.BeginBatch();
        for (int i = 0; i < 250; ++i)
            list.Append(Row(i));
        QCOMPARE(model.rowCount(), 0);
        list.Flush();
        QCOMPARE(model.rowCount(), 250);
        list.EndBatch();
        QCOMPARE(inserted.size(), 1);

        // The first removal shows at once; the burst after it waits.
        list.Remove(0);
        QCOMPARE(model.rowCount(), 249);
        list.Remove(0);
        list.Remove(5);
        list.Remove(5);
        QCOMPARE(model.rowCount(), 249);
        QCOMPARE(model.listRow(0), -1);
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("F2"));
        QCOMPARE(model.viewRow(0), 1);
        QCOMPARE(model.listRow(6), -1);
        QCOMPARE(model.listRow(7), -1);
        QCOMPARE(model.index(8, 1).data().toString(), QStringLiteral("f9.mp3"));
        QCOMPARE(model.viewRow(5), 8);
        list.SetFolder(5, QStringLiteral("Changed"));
        QCOMPARE(model.index(8, 0).data().toString(), QStringLiteral("Changed"));
        list.Flush();
        QCOMPARE(model.rowCount(), 246);
        QCOMPARE(model.index(5, 0).data().toString(), QStringLiteral("Changed"));
        QCOMPARE(removed.size(), 3); // once, then one notice per run of neighbours
    }

    void heldBackRemovalsShowAfterThePause() {
        OrganizeList list;
        OrganizeListModel model(list);
        for (int i = 0; i < 10; ++i)
            list.Append(Row(i));
        list.Remove(0);
        list.Remove(0);
        QCOMPARE(model.rowCount(), 9);
        QTRY_COMPARE(model.rowCount(), 8);
    }

    void inPlaceEditGoesToTheHandlerWithTheListRow() {
        OrganizeList list;
        OrganizeListModel model(list);
        for (int i = 0; i < 4; ++i)
            list.Append(Row(i));
        list.Remove(0);
        list.Remove(0); // held back: view row 0 is empty, view row 1 is list row 0
        int got = -2;
        QString text;
        model.setEditHandler([&](int row, const QString &t) {
            got = row;
            text = t;
        });
        QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("no")));
        QVERIFY(!model.setData(model.index(1, 1), QStringLiteral("no")));
        QVERIFY(model.setData(model.index(1, 0), QStringLiteral("Name")));
        QCOMPARE(got, 0);
        QCOMPARE(text, QStringLiteral("Name"));
        QVERIFY(model.flags(model.index(1, 0)) & Qt::ItemIsEditable);
        QVERIFY(!(model.flags(model.index(1, 1)) & Qt::ItemIsEditable));
    }

    void selectionFollowsRemovals() {
        OrganizeList list;
        for (int i = 0; i < 4; ++i)
            list.Append(Row(i));
        list.SetSelected(2);
        list.Remove(0);
        QCOMPARE(list.Selected(), 1);
        list.Remove(1);
        QCOMPARE(list.Selected(), -1);
        list.SetSelected(7);
        QCOMPARE(list.Selected(), -1);
    }
};

QTEST_MAIN(TestOrganizeListModel)
#include "tst_organizelistmodel.moc"
