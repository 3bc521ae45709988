#include "options/replaceeditor.h"

#include "base/replacelist.h"
#include "base/settings.h"
#include "base/settingsstore.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QTest>

class tst_ReplaceEditor : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void add_data();
    void add();
    void modify_data();
    void modify();
    void remove_data();
    void remove();
    void clearAll_data();
    void clearAll();
    void editReplaceThis_data();
    void editReplaceThis();
    void rowsShowCaseFlag();

  private:
    static void AddTwo();
};

void tst_ReplaceEditor::initTestCase() {
    TestEnv::IsolateSettings();
}

void tst_ReplaceEditor::init() {
    TestEnv::ClearStore();
    LoadSettings();
    UserReplaceList.Clear();
}

void tst_ReplaceEditor::AddTwo() {
    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    UserReplaceList.Add(QStringLiteral("b"), QStringLiteral("aa"), 0);
}

void tst_ReplaceEditor::add_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("with");
    QTest::addColumn<int>("caseFlag");
    QTest::addColumn<QString>("message");
    const QString tooShort =
        QStringLiteral("'Replace This' value must be at least 2 letters long!");
    QTest::newRow("empty") << ""
                           << "x" << 0 << "Cannot add nothing.";
    QTest::newRow("one letter") << "f"
                                << "x" << 0 << tooShort;
    QTest::newRow("one character outside the basic plane")
        << QString::fromUcs4(U"\U0001F3B5", 1) << "x" << 0 << tooShort;
    QTest::newRow("duplicate even with another case flag")
        << "ft"
        << "feat" << 1 << "This item already exists in the list.";
    QTest::newRow("other case of the new text is no duplicate") << "ft"
                                                                << "Feat" << 0 << "";
    QTest::newRow("texts kept as typed, any flag counts as set") << " ab "
                                                                 << "" << 5 << "";
}

void tst_ReplaceEditor::add() {
    QFETCH(QString, text);
    QFETCH(QString, with);
    QFETCH(int, caseFlag);
    QFETCH(QString, message);
    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    ScriptedDialogs dialogs;
    QCOMPARE(ReplaceEditor::Add(text, with, caseFlag), message.isEmpty());
    QCOMPARE(dialogs.MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (message.isEmpty()) {
        QCOMPARE(UserReplaceList.Count(), 2);
        QCOMPARE(UserReplaceList.Item(2)->OldVal(), text);
        QCOMPARE(UserReplaceList.Item(2)->NewVal(), with);
        QCOMPARE(UserReplaceList.Item(2)->CaseSensitive(), caseFlag ? 1 : 0);
        return;
    }
    QCOMPARE(UserReplaceList.Count(), 1);
    QCOMPARE(dialogs.asked[0].icon, message.startsWith(QLatin1String("This item"))
                                        ? MsgIcon::Information
                                        : MsgIcon::Critical);
    QCOMPARE(dialogs.asked[0].buttons, MsgButtons::Ok);
    QCOMPARE(dialogs.asked[0].title, QStringLiteral("Sortiva Media Organizer"));
}

void tst_ReplaceEditor::modify_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("oldVal");
    QTest::newRow("empty") << 1 << ""
                           << "Cannot Replace Nothing!"
                           << "ft";
    QTest::newRow("one character") << 1 << "x"
                                   << "'Replace This' Value Must be at least 2 characters long!"
                                   << "ft";
    // The text is checked before the selection: the message comes without a row too.
    QTest::newRow("empty without a row") << 0 << ""
                                         << "Cannot Replace Nothing!"
                                         << "ft";
    QTest::newRow("no selection does nothing") << 0 << "abc"
                                               << ""
                                               << "ft";
    QTest::newRow("no duplicate test") << 2 << "ft"
                                       << ""
                                       << "ft";
}

void tst_ReplaceEditor::modify() {
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, oldVal);
    AddTwo();
    ScriptedDialogs dialogs;
    QCOMPARE(ReplaceEditor::Modify(position, text, QStringLiteral("feat"), 1), position == 2);
    QCOMPARE(dialogs.MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty())
        QCOMPARE(dialogs.asked[0].icon, MsgIcon::Critical);
    QCOMPARE(UserReplaceList.Item(1)->OldVal(), oldVal);
    if (position == 2) {
        QCOMPARE(UserReplaceList.Item(2)->OldVal(), QStringLiteral("ft"));
        QCOMPARE(UserReplaceList.Item(2)->NewVal(), QStringLiteral("feat"));
        QCOMPARE(UserReplaceList.Item(2)->CaseSensitive(), 1);
    }
}

void tst_ReplaceEditor::remove_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("select");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("first of three selects the new first") << 1 << 1 << QStringList{"bb", "cc"};
    QTest::newRow("middle selects the follower") << 2 << 2 << QStringList{"aa", "cc"};
    QTest::newRow("last leaves nothing selected") << 3 << 0 << QStringList{"aa", "bb"};
    QTest::newRow("no selection removes nothing") << 0 << 0 << QStringList{"aa", "bb", "cc"};
}

void tst_ReplaceEditor::remove() {
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

void tst_ReplaceEditor::clearAll_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("storedCount");
    QTest::newRow("no keeps the list") << int(MsgResult::No) << 2 << "2";
    QTest::newRow("yes empties list and store at once") << int(MsgResult::Yes) << 0 << "0";
}

void tst_ReplaceEditor::clearAll() {
    QFETCH(int, answer);
    QFETCH(int, count);
    QFETCH(QString, storedCount);
    AddTwo();
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

void tst_ReplaceEditor::editReplaceThis_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("oldVal");
    QTest::newRow("empty text refused") << "" << false << "ft";
    QTest::newRow("one character accepted") << "x" << true << "x";
    QTest::newRow("duplicate of nothing checked") << "feat." << true << "feat.";
}

void tst_ReplaceEditor::editReplaceThis() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, oldVal);
    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    QCOMPARE(ReplaceEditor::EditReplaceThis(1, text), accepted);
    QCOMPARE(UserReplaceList.Item(1)->OldVal(), oldVal);
    QCOMPARE(UserReplaceList.Item(1)->NewVal(), QStringLiteral("feat"));
    QVERIFY(!ReplaceEditor::EditReplaceThis(2, QStringLiteral("zz")));
}

void tst_ReplaceEditor::rowsShowCaseFlag() {
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
