#include "gui/replacelisteditor.h"

#include "base/settings.h"
#include "base/settingsstore.h"
#include "base/replacelist.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {
QStringList Column(const QTreeWidget *lv, int column)
{
    QStringList out;
    for (int i = 0; i < lv->topLevelItemCount(); ++i)
        out << lv->topLevelItem(i)->text(column);
    return out;
}

void ClickRow(QTreeWidget *lv, int row)
{
    const QRect r = lv->visualItemRect(lv->topLevelItem(row));
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, r.center());
}
} // namespace

class tst_Form4 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showsTheListInThreeColumns();
    void rowClickFillsTheBoxes_data();
    void rowClickFillsTheBoxes();
    void add_data();
    void add();
    void modify_data();
    void modify();
    void removeSelection_data();
    void removeSelection();
    void editInPlace_data();
    void editInPlace();
    void otherColumnsAreNotEdited();
    void clearAll_data();
    void clearAll();
    void closingSaves();

private:
    ReplaceListEditor *OpenEditor();
    QPointer<ReplaceListEditor> m_form;
};

void tst_Form4::initTestCase()
{
    TestEnv::IsolateSettings();
}

void tst_Form4::init()
{
    TestEnv::ClearStore();
    LoadSettings();
    UserReplaceList.Clear();
    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    UserReplaceList.Add(QStringLiteral("Jay Z Live"), QStringLiteral("Jay Z"), 1);
    UserReplaceList.Add(QStringLiteral("Guns N' Roses"), QStringLiteral("Guns And Roses"), 0);
}

void tst_Form4::cleanup()
{
    if (m_form)
        m_form->close();
    QTRY_VERIFY(m_form.isNull());
}

ReplaceListEditor *tst_Form4::OpenEditor()
{
    m_form = new ReplaceListEditor(nullptr);
    m_form->show();
    return m_form;
}

void tst_Form4::showsTheListInThreeColumns()
{
    ReplaceListEditor *f = OpenEditor();
    QCOMPARE(f->windowTitle(), QStringLiteral("Edit Replace With List..."));
    QCOMPARE(f->lv1->headerItem()->text(0), QStringLiteral("Replace This"));
    QCOMPARE(f->lv1->headerItem()->text(1), QStringLiteral("With This"));
    QCOMPARE(f->lv1->headerItem()->text(2), QStringLiteral("Case Sensitive"));
    QCOMPARE(Column(f->lv1, 0), (QStringList{"ft", "Jay Z", "Guns And Roses"}));
    QCOMPARE(Column(f->lv1, 1), (QStringList{"feat", "Jay Z Live", "Guns N' Roses"}));
    QCOMPARE(Column(f->lv1, 2), (QStringList{"No", "Yes", "No"}));
    QCOMPARE(f->SelectedPosition(), 0);
    QCOMPARE(f->chkCaseSensitive->text(), QStringLiteral(" Case Sensitive"));
    QCOMPARE(f->Command5->text(), QStringLiteral("Clear All"));
    QCOMPARE(f->Command3->text(), QStringLiteral("Close"));
}

void tst_Form4::rowClickFillsTheBoxes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("checked");
    QTest::newRow("yes checks the box") << 1 << true;
    QTest::newRow("no unchecks the box") << 2 << false;
}

void tst_Form4::rowClickFillsTheBoxes()
{
    QFETCH(int, row);
    QFETCH(bool, checked);
    ReplaceListEditor *f = OpenEditor();
    f->chkCaseSensitive->setChecked(!checked);
    ClickRow(f->lv1, row);
    QCOMPARE(f->SelectedPosition(), row + 1);
    QCOMPARE(f->Text1->text(), f->lv1->topLevelItem(row)->text(0));
    QCOMPARE(f->Text2->text(), f->lv1->topLevelItem(row)->text(1));
    QCOMPARE(f->chkCaseSensitive->isChecked(), checked);
}

// The refusal rules themselves are proven on ReplaceEditor; these rows prove the window
// shows the answer, keeps or clears the boxes, and mirrors the list.
void tst_Form4::add_data()
{
    QTest::addColumn<QString>("replaceThis");
    QTest::addColumn<QString>("withThis");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("lastRow");
    QTest::newRow("new entry appended, boxes cleared")
        << "metalica" << "Metallica" << "" << QStringList{"metalica", "Metallica", "Yes"};
    QTest::newRow("duplicate refused, boxes kept")
        << "ft" << "feat" << "This item already exists in the list."
        << QStringList{"Guns And Roses", "Guns N' Roses", "No"};
    QTest::newRow("other case is no duplicate") << "ft" << "Feat" << ""
                                                << QStringList{"ft", "Feat", "Yes"};
    QTest::newRow("one letter refused")
        << "x" << "y" << "'Replace This' value must be at least 2 letters long!"
        << QStringList{"Guns And Roses", "Guns N' Roses", "No"};
}

void tst_Form4::add()
{
    QFETCH(QString, replaceThis);
    QFETCH(QString, withThis);
    QFETCH(QString, message);
    QFETCH(QStringList, lastRow);
    ReplaceListEditor *f = OpenEditor();
    ScriptedDialogs dialogs;
    f->Text1->setText(replaceThis);
    f->Text2->setText(withThis);
    f->chkCaseSensitive->setChecked(true); // only the flag differs from "ft": still a duplicate
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    const int rows = message.isEmpty() ? 4 : 3;
    QCOMPARE(UserReplaceList.Count(), rows);
    QCOMPARE(f->lv1->topLevelItemCount(), rows);
    QCOMPARE((QStringList{Column(f->lv1, 0).last(), Column(f->lv1, 1).last(),
                          Column(f->lv1, 2).last()}),
             lastRow);
    QCOMPARE(f->Text1->text(), message.isEmpty() ? QString() : replaceThis);
    QCOMPARE(f->Text2->text(), message.isEmpty() ? QString() : withThis);
    QVERIFY(f->chkCaseSensitive->isChecked()); // keeps its state
}

void tst_Form4::modify_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("replaceThis");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("shown");
    const QStringList unchanged{"ft", "Jay Z", "Guns And Roses"};
    QTest::newRow("selected row changed, boxes cleared")
        << 1 << "Jay-Z" << "" << QStringList{"ft", "Jay-Z", "Guns And Roses"};
    QTest::newRow("one character refused")
        << 1 << "x" << "'Replace This' Value Must be at least 2 characters long!" << unchanged;
    QTest::newRow("no selection changes nothing") << -1 << "abc" << "" << unchanged;
}

void tst_Form4::modify()
{
    QFETCH(int, row);
    QFETCH(QString, replaceThis);
    QFETCH(QString, message);
    QFETCH(QStringList, shown);
    ReplaceListEditor *f = OpenEditor();
    if (row >= 0)
        ClickRow(f->lv1, row);
    ScriptedDialogs dialogs;
    f->Text1->setText(replaceThis);
    f->Text2->setText(QStringLiteral("Jay Z"));
    f->chkCaseSensitive->setChecked(false);
    QTest::mouseClick(f->Command4, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(Column(f->lv1, 0), shown);
    const bool changed = shown.at(1) != QLatin1String("Jay Z");
    QCOMPARE(Column(f->lv1, 2).at(1), changed ? QStringLiteral("No") : QStringLiteral("Yes"));
    QCOMPARE(f->SelectedPosition(), row + 1);
    QCOMPARE(f->Text1->text(), changed ? QString() : replaceThis);
}

void tst_Form4::removeSelection_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("first of three selects the new first")
        << 0 << 1 << QStringList{"Jay Z", "Guns And Roses"};
    QTest::newRow("last leaves nothing selected") << 2 << 0 << QStringList{"ft", "Jay Z"};
    QTest::newRow("no selection removes nothing")
        << -1 << 0 << QStringList{"ft", "Jay Z", "Guns And Roses"};
}

void tst_Form4::removeSelection()
{
    QFETCH(int, row);
    QFETCH(int, selectedAfter);
    QFETCH(QStringList, left);
    ReplaceListEditor *f = OpenEditor();
    if (row >= 0)
        ClickRow(f->lv1, row);
    f->Text1->clear();
    ScriptedDialogs dialogs;
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    QVERIFY(dialogs.asked.isEmpty()); // no confirmation
    QCOMPARE(Column(f->lv1, 0), left);
    QCOMPARE(UserReplaceList.Count(), left.size());
    QCOMPARE(f->SelectedPosition(), selectedAfter);
    QVERIFY(f->Text1->text().isEmpty()); // selecting by the program fills nothing
}

void tst_Form4::editInPlace_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty text is refused") << "" << "ft";
    QTest::newRow("one character is accepted") << "f" << "f";
    QTest::newRow("duplicate text is not tested") << "Jay Z" << "Jay Z";
}

void tst_Form4::editInPlace()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ReplaceListEditor *f = OpenEditor();
    ClickRow(f->lv1, 0);
    f->lv1->editItem(f->lv1->topLevelItem(0), 0);
    auto *editor = f->lv1->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->selectAll();
    editor->del();
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!f->lv1->viewport()->findChild<QLineEdit *>() ||
                !f->lv1->viewport()->findChild<QLineEdit *>()->isVisible());
    QCOMPARE(f->lv1->topLevelItem(0)->text(0), shown);
    QCOMPARE(UserReplaceList.Item(1)->OldVal(), shown);
    QCOMPARE(UserReplaceList.Item(1)->NewVal(), QStringLiteral("feat"));
}

void tst_Form4::otherColumnsAreNotEdited()
{
    ReplaceListEditor *f = OpenEditor();
    f->lv1->editItem(f->lv1->topLevelItem(0), 1);
    QVERIFY(!f->lv1->viewport()->findChild<QLineEdit *>());
}

void tst_Form4::clearAll_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("stored");
    QTest::newRow("no keeps the list") << int(MsgResult::No) << 3 << "missing";
    QTest::newRow("yes empties view and store at once") << int(MsgResult::Yes) << 0 << "0";
}

void tst_Form4::clearAll()
{
    QFETCH(int, answer);
    QFETCH(int, rows);
    QFETCH(QString, stored);
    ReplaceListEditor *f = OpenEditor();
    ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MsgResult(answer));
    QTest::mouseClick(f->Command5, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(),
             QStringList{"Are you sure you want to clear all items in the list?"});
    QCOMPARE(f->lv1->topLevelItemCount(), rows);
    QCOMPARE(UserReplaceList.Count(), rows);
    QCOMPARE(SettingsStore::Get(QStringLiteral("rc"), QStringLiteral("missing")), stored);
}

void tst_Form4::closingSaves()
{
    ReplaceListEditor *f = OpenEditor();
    f->Text1->setText(QStringLiteral("areosmith"));
    f->Text2->setText(QStringLiteral("Aerosmith"));
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QCOMPARE(SettingsStore::Get(QStringLiteral("rc"), QStringLiteral("missing")),
             QStringLiteral("missing"));
    QTest::mouseClick(f->Command3, Qt::LeftButton);
    QTRY_VERIFY(m_form.isNull());
    QCOMPARE(SettingsStore::Get(QStringLiteral("rc")), QStringLiteral("4"));
    QCOMPARE(SettingsStore::Get(QStringLiteral("4o")), QStringLiteral("areosmith"));
    QCOMPARE(SettingsStore::Get(QStringLiteral("4n")), QStringLiteral("Aerosmith"));
}

QTEST_MAIN(tst_Form4)
#include "tst_replacelisteditor.moc"
