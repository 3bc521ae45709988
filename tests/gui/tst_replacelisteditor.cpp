#include "gui/replacelisteditor.h"

#include "base/replacelist.h"
#include "base/settings.h"
#include "base/settingsstore.h"
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
// The editor's controls, found by their object names.
template <typename T> T *Find(const QWidget *window, const char *name) {
    T *control = window->findChild<T *>(QLatin1String(name));
    if (!control)
        qFatal("no control named %s", name);
    return control;
}

struct Controls {
    explicit Controls(const QWidget *w)
        : list(Find<QTreeWidget>(w, "list")), replaceThis(Find<QLineEdit>(w, "replaceThisEdit")),
          withThis(Find<QLineEdit>(w, "withThisEdit")),
          caseSensitive(Find<QCheckBox>(w, "caseSensitiveBox")),
          add(Find<QPushButton>(w, "addButton")), remove(Find<QPushButton>(w, "removeButton")),
          modify(Find<QPushButton>(w, "modifyButton")),
          clearAll(Find<QPushButton>(w, "clearAllButton")),
          close(Find<QPushButton>(w, "closeButton")) {}
    QTreeWidget *list;
    QLineEdit *replaceThis;
    QLineEdit *withThis;
    QCheckBox *caseSensitive;
    QPushButton *add;
    QPushButton *remove;
    QPushButton *modify;
    QPushButton *clearAll;
    QPushButton *close;
};

QStringList Column(const QTreeWidget *lv, int column) {
    QStringList out;
    for (int i = 0; i < lv->topLevelItemCount(); ++i)
        out << lv->topLevelItem(i)->text(column);
    return out;
}

void ClickRow(QTreeWidget *lv, int row) {
    const QRect r = lv->visualItemRect(lv->topLevelItem(row));
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, r.center());
}
} // namespace

class tst_ReplaceListEditor : public QObject {
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

void tst_ReplaceListEditor::initTestCase() {
    TestEnv::IsolateSettings();
}

void tst_ReplaceListEditor::init() {
    TestEnv::ClearStore();
    LoadSettings();
    UserReplaceList.Clear();
    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    UserReplaceList.Add(QStringLiteral("Jay Z Live"), QStringLiteral("Jay Z"), 1);
    UserReplaceList.Add(QStringLiteral("Guns N' Roses"), QStringLiteral("Guns And Roses"), 0);
}

void tst_ReplaceListEditor::cleanup() {
    if (m_form)
        m_form->close();
    QTRY_VERIFY(m_form.isNull());
}

ReplaceListEditor *tst_ReplaceListEditor::OpenEditor() {
    m_form = new ReplaceListEditor(nullptr);
    m_form->show();
    return m_form;
}

void tst_ReplaceListEditor::showsTheListInThreeColumns() {
    ReplaceListEditor *f = OpenEditor();
    const Controls c(f);
    QCOMPARE(f->windowTitle(), QStringLiteral("Edit Replace With List..."));
    QCOMPARE(c.list->headerItem()->text(0), QStringLiteral("Replace This"));
    QCOMPARE(c.list->headerItem()->text(1), QStringLiteral("With This"));
    QCOMPARE(c.list->headerItem()->text(2), QStringLiteral("Case Sensitive"));
    QCOMPARE(Column(c.list, 0), (QStringList{"ft", "Jay Z", "Guns And Roses"}));
    QCOMPARE(Column(c.list, 1), (QStringList{"feat", "Jay Z Live", "Guns N' Roses"}));
    QCOMPARE(Column(c.list, 2), (QStringList{"No", "Yes", "No"}));
    QCOMPARE(f->selectedPosition(), 0);
    QCOMPARE(c.caseSensitive->text(), QStringLiteral(" Case Sensitive"));
    QCOMPARE(c.clearAll->text(), QStringLiteral("Clear All"));
    QCOMPARE(c.close->text(), QStringLiteral("Close"));
}

void tst_ReplaceListEditor::rowClickFillsTheBoxes_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("checked");
    QTest::newRow("yes checks the box") << 1 << true;
    QTest::newRow("no unchecks the box") << 2 << false;
}

void tst_ReplaceListEditor::rowClickFillsTheBoxes() {
    QFETCH(int, row);
    QFETCH(bool, checked);
    ReplaceListEditor *f = OpenEditor();
    const Controls c(f);
    c.caseSensitive->setChecked(!checked);
    ClickRow(c.list, row);
    QCOMPARE(f->selectedPosition(), row + 1);
    QCOMPARE(c.replaceThis->text(), c.list->topLevelItem(row)->text(0));
    QCOMPARE(c.withThis->text(), c.list->topLevelItem(row)->text(1));
    QCOMPARE(c.caseSensitive->isChecked(), checked);
}

// The refusal rules themselves are proven on ReplaceEditor; these rows prove the window
// shows the answer, keeps or clears the boxes, and mirrors the list.
void tst_ReplaceListEditor::add_data() {
    QTest::addColumn<QString>("replaceThis");
    QTest::addColumn<QString>("withThis");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("lastRow");
    QTest::newRow("new entry appended, boxes cleared")
        << "metalica"
        << "Metallica"
        << "" << QStringList{"metalica", "Metallica", "Yes"};
    QTest::newRow("duplicate refused, boxes kept")
        << "ft"
        << "feat"
        << "This item already exists in the list."
        << QStringList{"Guns And Roses", "Guns N' Roses", "No"};
    QTest::newRow("other case is no duplicate") << "ft"
                                                << "Feat"
                                                << "" << QStringList{"ft", "Feat", "Yes"};
    QTest::newRow("one letter refused") << "x"
                                        << "y"
                                        << "'Replace This' value must be at least 2 letters long!"
                                        << QStringList{"Guns And Roses", "Guns N' Roses", "No"};
}

void tst_ReplaceListEditor::add() {
    QFETCH(QString, replaceThis);
    QFETCH(QString, withThis);
    QFETCH(QString, message);
    QFETCH(QStringList, lastRow);
    ReplaceListEditor *f = OpenEditor();
    const Controls c(f);
    ScriptedDialogs dialogs;
    c.replaceThis->setText(replaceThis);
    c.withThis->setText(withThis);
    c.caseSensitive->setChecked(true); // only the flag differs from "ft": still a duplicate
    QTest::mouseClick(c.add, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    const int rows = message.isEmpty() ? 4 : 3;
    QCOMPARE(UserReplaceList.Count(), rows);
    QCOMPARE(c.list->topLevelItemCount(), rows);
    QCOMPARE(
        (QStringList{Column(c.list, 0).last(), Column(c.list, 1).last(), Column(c.list, 2).last()}),
        lastRow);
    QCOMPARE(c.replaceThis->text(), message.isEmpty() ? QString() : replaceThis);
    QCOMPARE(c.withThis->text(), message.isEmpty() ? QString() : withThis);
    QVERIFY(c.caseSensitive->isChecked()); // keeps its state
}

void tst_ReplaceListEditor::modify_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("replaceThis");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("shown");
    const QStringList unchanged{"ft", "Jay Z", "Guns And Roses"};
    QTest::newRow("selected row changed, boxes cleared")
        << 1 << "Jay-Z"
        << "" << QStringList{"ft", "Jay-Z", "Guns And Roses"};
    QTest::newRow("one character refused")
        << 1 << "x"
        << "'Replace This' Value Must be at least 2 characters long!" << unchanged;
    QTest::newRow("no selection changes nothing") << -1 << "abc"
                                                  << "" << unchanged;
}

void tst_ReplaceListEditor::modify() {
    QFETCH(int, row);
    QFETCH(QString, replaceThis);
    QFETCH(QString, message);
    QFETCH(QStringList, shown);
    ReplaceListEditor *f = OpenEditor();
    const Controls c(f);
    if (row >= 0)
        ClickRow(c.list, row);
    ScriptedDialogs dialogs;
    c.replaceThis->setText(replaceThis);
    c.withThis->setText(QStringLiteral("Jay Z"));
    c.caseSensitive->setChecked(false);
    QTest::mouseClick(c.modify, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(Column(c.list, 0), shown);
    const bool changed = shown.at(1) != QLatin1String("Jay Z");
    QCOMPARE(Column(c.list, 2).at(1), changed ? QStringLiteral("No") : QStringLiteral("Yes"));
    QCOMPARE(f->selectedPosition(), row + 1);
    QCOMPARE(c.replaceThis->text(), changed ? QString() : replaceThis);
}

void tst_ReplaceListEditor::removeSelection_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("first of three selects the new first")
        << 0 << 1 << QStringList{"Jay Z", "Guns And Roses"};
    QTest::newRow("last leaves nothing selected") << 2 << 0 << QStringList{"ft", "Jay Z"};
    QTest::newRow("no selection removes nothing")
        << -1 << 0 << QStringList{"ft", "Jay Z", "Guns And Roses"};
}

void tst_ReplaceListEditor::removeSelection() {
    QFETCH(int, row);
    QFETCH(int, selectedAfter);
    QFETCH(QStringList, left);
    ReplaceListEditor *f = OpenEditor();
    const Controls c(f);
    if (row >= 0)
        ClickRow(c.list, row);
    c.replaceThis->clear();
    ScriptedDialogs dialogs;
    QTest::mouseClick(c.remove, Qt::LeftButton);
    QVERIFY(dialogs.asked.isEmpty()); // no confirmation
    QCOMPARE(Column(c.list, 0), left);
    QCOMPARE(UserReplaceList.Count(), left.size());
    QCOMPARE(f->selectedPosition(), selectedAfter);
    QVERIFY(c.replaceThis->text().isEmpty()); // selecting by the program fills nothing
}

void tst_ReplaceListEditor::editInPlace_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty text is refused") << ""
                                           << "ft";
    QTest::newRow("one character is accepted") << "f"
                                               << "f";
    QTest::newRow("duplicate text is not tested") << "Jay Z"
                                                  << "Jay Z";
}

void tst_ReplaceListEditor::editInPlace() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ReplaceListEditor *f = OpenEditor();
    const Controls c(f);
    ClickRow(c.list, 0);
    c.list->editItem(c.list->topLevelItem(0), 0);
    auto *editor = c.list->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->selectAll();
    editor->del();
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!c.list->viewport()->findChild<QLineEdit *>() ||
                !c.list->viewport()->findChild<QLineEdit *>()->isVisible());
    QCOMPARE(c.list->topLevelItem(0)->text(0), shown);
    QCOMPARE(UserReplaceList.Item(1)->OldVal(), shown);
    QCOMPARE(UserReplaceList.Item(1)->NewVal(), QStringLiteral("feat"));
}

void tst_ReplaceListEditor::otherColumnsAreNotEdited() {
    ReplaceListEditor *f = OpenEditor();
    const Controls c(f);
    c.list->editItem(c.list->topLevelItem(0), 1);
    QVERIFY(!c.list->viewport()->findChild<QLineEdit *>());
}

void tst_ReplaceListEditor::clearAll_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("stored");
    QTest::newRow("no keeps the list") << int(MsgResult::No) << 3 << "missing";
    QTest::newRow("yes empties view and store at once") << int(MsgResult::Yes) << 0 << "0";
}

void tst_ReplaceListEditor::clearAll() {
    QFETCH(int, answer);
    QFETCH(int, rows);
    QFETCH(QString, stored);
    ReplaceListEditor *f = OpenEditor();
    const Controls c(f);
    ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MsgResult(answer));
    QTest::mouseClick(c.clearAll, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(),
             QStringList{"Are you sure you want to clear all items in the list?"});
    QCOMPARE(c.list->topLevelItemCount(), rows);
    QCOMPARE(UserReplaceList.Count(), rows);
    QCOMPARE(SettingsStore::Get(QStringLiteral("rc"), QStringLiteral("missing")), stored);
}

void tst_ReplaceListEditor::closingSaves() {
    ReplaceListEditor *f = OpenEditor();
    const Controls c(f);
    c.replaceThis->setText(QStringLiteral("areosmith"));
    c.withThis->setText(QStringLiteral("Aerosmith"));
    QTest::mouseClick(c.add, Qt::LeftButton);
    QCOMPARE(SettingsStore::Get(QStringLiteral("rc"), QStringLiteral("missing")),
             QStringLiteral("missing"));
    QTest::mouseClick(c.close, Qt::LeftButton);
    QTRY_VERIFY(m_form.isNull());
    QCOMPARE(SettingsStore::Get(QStringLiteral("rc")), QStringLiteral("4"));
    QCOMPARE(SettingsStore::Get(QStringLiteral("4o")), QStringLiteral("areosmith"));
    QCOMPARE(SettingsStore::Get(QStringLiteral("4n")), QStringLiteral("Aerosmith"));
}

QTEST_MAIN(tst_ReplaceListEditor)
#include "tst_replacelisteditor.moc"
