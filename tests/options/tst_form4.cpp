#include "options/form4.h"

#include "app/settings.h"
#include "app/settingsstore.h"
#include "naming/replacelist.h"
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
    void addAppendsAndClearsTheTexts();
    void addDuplicateAndCase();
    void addTooShort_data();
    void addTooShort();
    void modifyTooShort_data();
    void modifyTooShort();
    void modifySelectedRow();
    void modifyWithoutSelection();
    void removeSelection_data();
    void removeSelection();
    void removeWithoutSelection();
    void editInPlace_data();
    void editInPlace();
    void otherColumnsAreNotEdited();
    void clearAll_data();
    void clearAll();
    void closingSaves();

private:
    Form4 *OpenEditor();
    QPointer<Form4> m_form;
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

Form4 *tst_Form4::OpenEditor()
{
    m_form = new Form4(nullptr);
    m_form->show();
    return m_form;
}

void tst_Form4::showsTheListInThreeColumns()
{
    Form4 *f = OpenEditor();
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
    Form4 *f = OpenEditor();
    f->chkCaseSensitive->setChecked(!checked);
    ClickRow(f->lv1, row);
    QCOMPARE(f->SelectedPosition(), row + 1);
    QCOMPARE(f->Text1->text(), f->lv1->topLevelItem(row)->text(0));
    QCOMPARE(f->Text2->text(), f->lv1->topLevelItem(row)->text(1));
    QCOMPARE(f->chkCaseSensitive->isChecked(), checked);
}

void tst_Form4::addAppendsAndClearsTheTexts()
{
    Form4 *f = OpenEditor();
    ScriptedDialogs dialogs;
    f->Text1->setText(QStringLiteral("metalica"));
    f->Text2->setText(QStringLiteral("Metallica"));
    f->chkCaseSensitive->setChecked(true);
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(UserReplaceList.Count(), 4);
    QCOMPARE(Column(f->lv1, 0).last(), QStringLiteral("metalica"));
    QCOMPARE(Column(f->lv1, 2).last(), QStringLiteral("Yes"));
    QVERIFY(f->Text1->text().isEmpty());
    QVERIFY(f->Text2->text().isEmpty());
    QVERIFY(f->chkCaseSensitive->isChecked()); // keeps its state
    QCOMPARE(f->SelectedPosition(), 0);
}

void tst_Form4::addDuplicateAndCase()
{
    Form4 *f = OpenEditor();
    ScriptedDialogs dialogs;
    f->Text1->setText(QStringLiteral("ft"));
    f->Text2->setText(QStringLiteral("feat"));
    f->chkCaseSensitive->setChecked(true); // only the flag differs: still a duplicate
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), QStringList{"This item already exists in the list."});
    QCOMPARE(dialogs.asked[0].icon, MsgIcon::Information);
    QCOMPARE(UserReplaceList.Count(), 3);
    QCOMPARE(f->Text1->text(), QStringLiteral("ft")); // nothing cleared

    f->Text2->setText(QStringLiteral("Feat"));
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(UserReplaceList.Count(), 4);
    QCOMPARE(Column(f->lv1, 1).last(), QStringLiteral("Feat"));
}

void tst_Form4::addTooShort_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << "Cannot add nothing.";
    QTest::newRow("one letter") << "x" << "'Replace This' value must be at least 2 letters long!";
}

void tst_Form4::addTooShort()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    Form4 *f = OpenEditor();
    ScriptedDialogs dialogs;
    f->Text1->setText(text);
    f->Text2->setText(QStringLiteral("y"));
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), QStringList{message});
    QCOMPARE(dialogs.asked[0].icon, MsgIcon::Critical);
    QCOMPARE(UserReplaceList.Count(), 3);
    QCOMPARE(f->lv1->topLevelItemCount(), 3);
}

void tst_Form4::modifyTooShort_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << "Cannot Replace Nothing!";
    QTest::newRow("one character")
        << "x" << "'Replace This' Value Must be at least 2 characters long!";
}

void tst_Form4::modifyTooShort()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    Form4 *f = OpenEditor();
    ClickRow(f->lv1, 0);
    ScriptedDialogs dialogs;
    f->Text1->setText(text);
    QTest::mouseClick(f->Command4, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), QStringList{message});
    QCOMPARE(dialogs.asked[0].icon, MsgIcon::Critical);
    QCOMPARE(UserReplaceList.Item(1)->OldVal(), QStringLiteral("ft"));
}

void tst_Form4::modifySelectedRow()
{
    Form4 *f = OpenEditor();
    ClickRow(f->lv1, 1);
    ScriptedDialogs dialogs;
    f->Text1->setText(QStringLiteral("Jay-Z"));
    f->Text2->setText(QStringLiteral("Jay Z"));
    f->chkCaseSensitive->setChecked(false);
    QTest::mouseClick(f->Command4, Qt::LeftButton);
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(Column(f->lv1, 0), (QStringList{"ft", "Jay-Z", "Guns And Roses"}));
    QCOMPARE(Column(f->lv1, 2), (QStringList{"No", "No", "No"}));
    QCOMPARE(f->SelectedPosition(), 2);
    QVERIFY(f->Text1->text().isEmpty());
    QVERIFY(f->Text2->text().isEmpty());
}

void tst_Form4::modifyWithoutSelection()
{
    Form4 *f = OpenEditor();
    ScriptedDialogs dialogs;
    f->Text1->setText(QStringLiteral("abc"));
    QTest::mouseClick(f->Command4, Qt::LeftButton);
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(Column(f->lv1, 0), (QStringList{"ft", "Jay Z", "Guns And Roses"}));
    QCOMPARE(f->Text1->text(), QStringLiteral("abc"));
}

void tst_Form4::removeSelection_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("first of three selects the new first")
        << 0 << 1 << QStringList{"Jay Z", "Guns And Roses"};
    QTest::newRow("last leaves nothing selected") << 2 << 0 << QStringList{"ft", "Jay Z"};
}

void tst_Form4::removeSelection()
{
    QFETCH(int, row);
    QFETCH(int, selectedAfter);
    QFETCH(QStringList, left);
    Form4 *f = OpenEditor();
    ClickRow(f->lv1, row);
    f->Text1->clear();
    ScriptedDialogs dialogs;
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    QVERIFY(dialogs.asked.isEmpty()); // no confirmation
    QCOMPARE(Column(f->lv1, 0), left);
    QCOMPARE(UserReplaceList.Count(), 2);
    QCOMPARE(f->SelectedPosition(), selectedAfter);
    QVERIFY(f->Text1->text().isEmpty()); // selecting by the program fills nothing
}

void tst_Form4::removeWithoutSelection()
{
    Form4 *f = OpenEditor();
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    QCOMPARE(f->lv1->topLevelItemCount(), 3);
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
    Form4 *f = OpenEditor();
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
    Form4 *f = OpenEditor();
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
    Form4 *f = OpenEditor();
    ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MsgResult(answer));
    QTest::mouseClick(f->Command5, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(),
             QStringList{"Are you sure you want to clear all items in the list?"});
    QCOMPARE(dialogs.asked[0].buttons, MsgButtons::YesNo);
    QCOMPARE(dialogs.asked[0].icon, MsgIcon::Question);
    QCOMPARE(f->lv1->topLevelItemCount(), rows);
    QCOMPARE(UserReplaceList.Count(), rows);
    QCOMPARE(SettingsStore::Get(QStringLiteral("rc"), QStringLiteral("missing")), stored);
}

void tst_Form4::closingSaves()
{
    Form4 *f = OpenEditor();
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
#include "tst_form4.moc"
