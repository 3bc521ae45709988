#include "options/replaceeditor.h"

#include "app/settings.h"
#include "app/settingsstore.h"
#include "naming/replacelist.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QTest>

class tst_ReplaceEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void addRefused_data();
    void addRefused();
    void addDuplicateIsExact();
    void addKeepsTextsAsTyped();
    void modifyRefused_data();
    void modifyRefused();
    void modifyWithoutSelectionDoesNothing();
    void modifyHasNoDuplicateTest();
    void remove_data();
    void remove();
    void clearAll_data();
    void clearAll();
    void editReplaceThis_data();
    void editReplaceThis();
    void rowsShowCaseFlag();
};

void tst_ReplaceEditor::initTestCase()
{
    TestEnv::IsolateSettings();
}

void tst_ReplaceEditor::init()
{
    TestEnv::ClearStore();
    LoadSettings();
    UserReplaceList.Clear();
}

void tst_ReplaceEditor::addRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::newRow("empty") << "" << "Cannot add nothing." << int(MsgIcon::Critical);
    QTest::newRow("one letter") << "f" << "'Replace This' value must be at least 2 letters long!"
                                << int(MsgIcon::Critical);
    QTest::newRow("one character outside the basic plane")
        << QString::fromUcs4(U"\U0001F3B5", 1)
        << "'Replace This' value must be at least 2 letters long!" << int(MsgIcon::Critical);
}

void tst_ReplaceEditor::addRefused()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, icon);
    ScriptedDialogs dialogs;
    QVERIFY(!ReplaceEditor::Add(text, QStringLiteral("x"), 0));
    QCOMPARE(UserReplaceList.Count(), 0);
    QCOMPARE(dialogs.MessageTexts(), QStringList{message});
    QCOMPARE(int(dialogs.asked[0].icon), icon);
    QCOMPARE(dialogs.asked[0].buttons, MsgButtons::Ok);
    QCOMPARE(dialogs.asked[0].title, QStringLiteral("Sortiva Media Organizer"));
}

void tst_ReplaceEditor::addDuplicateIsExact()
{
    ScriptedDialogs dialogs;
    QVERIFY(ReplaceEditor::Add(QStringLiteral("ft"), QStringLiteral("feat"), 0));
    QVERIFY(!ReplaceEditor::Add(QStringLiteral("ft"), QStringLiteral("feat"), 1));
    QCOMPARE(dialogs.MessageTexts(), QStringList{"This item already exists in the list."});
    QCOMPARE(dialogs.asked[0].icon, MsgIcon::Information);
    QVERIFY(ReplaceEditor::Add(QStringLiteral("ft"), QStringLiteral("Feat"), 0));
    QCOMPARE(UserReplaceList.Count(), 2);
    QCOMPARE(UserReplaceList.Item(2)->NewVal(), QStringLiteral("Feat"));
}

void tst_ReplaceEditor::addKeepsTextsAsTyped()
{
    ScriptedDialogs dialogs;
    QVERIFY(ReplaceEditor::Add(QStringLiteral(" ab "), QString(), 5));
    QCOMPARE(UserReplaceList.Item(1)->OldVal(), QStringLiteral(" ab "));
    QCOMPARE(UserReplaceList.Item(1)->NewVal(), QString());
    QCOMPARE(UserReplaceList.Item(1)->CaseSensitive(), 1);
    QVERIFY(dialogs.asked.isEmpty());
}

void tst_ReplaceEditor::modifyRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << "Cannot Replace Nothing!";
    QTest::newRow("one character")
        << "x" << "'Replace This' Value Must be at least 2 characters long!";
}

void tst_ReplaceEditor::modifyRefused()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    ScriptedDialogs dialogs;
    // The text is checked before the selection: the message comes without a row too.
    QVERIFY(!ReplaceEditor::Modify(0, text, QStringLiteral("y"), 1));
    QVERIFY(!ReplaceEditor::Modify(1, text, QStringLiteral("y"), 1));
    QCOMPARE(dialogs.MessageTexts(), (QStringList{message, message}));
    QCOMPARE(dialogs.asked[0].icon, MsgIcon::Critical);
    QCOMPARE(UserReplaceList.Item(1)->OldVal(), QStringLiteral("ft"));
}

void tst_ReplaceEditor::modifyWithoutSelectionDoesNothing()
{
    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    ScriptedDialogs dialogs;
    QVERIFY(!ReplaceEditor::Modify(0, QStringLiteral("abc"), QStringLiteral("def"), 0));
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(UserReplaceList.Item(1)->OldVal(), QStringLiteral("ft"));
}

void tst_ReplaceEditor::modifyHasNoDuplicateTest()
{
    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    UserReplaceList.Add(QStringLiteral("b"), QStringLiteral("aa"), 0);
    ScriptedDialogs dialogs;
    QVERIFY(ReplaceEditor::Modify(2, QStringLiteral("ft"), QStringLiteral("feat"), 1));
    QCOMPARE(UserReplaceList.Item(2)->OldVal(), QStringLiteral("ft"));
    QCOMPARE(UserReplaceList.Item(2)->NewVal(), QStringLiteral("feat"));
    QCOMPARE(UserReplaceList.Item(2)->CaseSensitive(), 1);
    QVERIFY(dialogs.asked.isEmpty());
}

void tst_ReplaceEditor::remove_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("select");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("first of three selects the new first") << 1 << 1 << QStringList{"bb", "cc"};
    QTest::newRow("middle selects the follower") << 2 << 2 << QStringList{"aa", "cc"};
    QTest::newRow("last leaves nothing selected") << 3 << 0 << QStringList{"aa", "bb"};
    QTest::newRow("no selection removes nothing") << 0 << 0 << QStringList{"aa", "bb", "cc"};
}

void tst_ReplaceEditor::remove()
{
    QFETCH(int, position);
    QFETCH(int, select);
    QFETCH(QStringList, left);
    for (const char *t : {"aa", "bb", "cc"})
        UserReplaceList.Add(QString(), QLatin1String(t), 0);
    QCOMPARE(ReplaceEditor::Remove(position), select);
    QStringList olds;
    for (const ReplaceRow &r : ReplaceEditor::Rows())
        olds << r.replaceThis;
    QCOMPARE(olds, left);
}

void tst_ReplaceEditor::clearAll_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("storedCount");
    QTest::newRow("no keeps the list") << int(MsgResult::No) << 2 << "2";
    QTest::newRow("yes empties list and store at once") << int(MsgResult::Yes) << 0 << "0";
}

void tst_ReplaceEditor::clearAll()
{
    QFETCH(int, answer);
    QFETCH(int, count);
    QFETCH(QString, storedCount);
    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    UserReplaceList.Add(QStringLiteral("b"), QStringLiteral("aa"), 0);
    SaveSettings();
    ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MsgResult(answer));
    QCOMPARE(ReplaceEditor::ClearAll(), count == 0);
    QCOMPARE(dialogs.MessageTexts(),
             QStringList{"Are you sure you want to clear all items in the list?"});
    QCOMPARE(dialogs.asked[0].buttons, MsgButtons::YesNo);
    QCOMPARE(dialogs.asked[0].icon, MsgIcon::Question);
    QCOMPARE(UserReplaceList.Count(), count);
    QCOMPARE(SettingsStore::Get(QStringLiteral("rc")), storedCount);
}

void tst_ReplaceEditor::editReplaceThis_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("oldVal");
    QTest::newRow("empty text refused") << "" << false << "ft";
    QTest::newRow("one character accepted") << "x" << true << "x";
    QTest::newRow("duplicate of nothing checked") << "feat." << true << "feat.";
}

void tst_ReplaceEditor::editReplaceThis()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, oldVal);
    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    QCOMPARE(ReplaceEditor::EditReplaceThis(1, text), accepted);
    QCOMPARE(UserReplaceList.Item(1)->OldVal(), oldVal);
    QCOMPARE(UserReplaceList.Item(1)->NewVal(), QStringLiteral("feat"));
    QVERIFY(!ReplaceEditor::EditReplaceThis(2, QStringLiteral("zz")));
}

void tst_ReplaceEditor::rowsShowCaseFlag()
{
    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    UserReplaceList.Add(QStringLiteral("Jay Z Live"), QStringLiteral("Jay Z"), 3);
    const QList<ReplaceRow> rows = ReplaceEditor::Rows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].replaceThis, QStringLiteral("ft"));
    QCOMPARE(rows[0].withThis, QStringLiteral("feat"));
    QCOMPARE(rows[0].caseSensitive, QStringLiteral("No"));
    QCOMPARE(rows[1].caseSensitive, QStringLiteral("Yes"));
}

QTEST_GUILESS_MAIN(tst_ReplaceEditor)
#include "tst_replaceeditor.moc"
