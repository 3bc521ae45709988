#include "options/firstrun.h"
#include "options/form6.h"

#include "app/settings.h"
#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QTest>

namespace {
const QString Welcome = QStringLiteral(
    "Welcome To Sortiva Media Organizer! It appears that this is the first time you are "
    "running this program... It is recommended that you set and adjust the options you prefer "
    "before getting started. Would you like to open the options window now?");
}

class tst_FirstRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void askedOnceAcrossTwoStarts_data();
    void askedOnceAcrossTwoStarts();
};

void tst_FirstRun::initTestCase()
{
    TestEnv::IsolateSettings();
}

void tst_FirstRun::init()
{
    TestEnv::ClearStore();
}

void tst_FirstRun::cleanup()
{
    Form6::CloseWindows();
    QTRY_VERIFY(!Form6::Instance());
}

void tst_FirstRun::askedOnceAcrossTwoStarts_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("answered no") << int(MsgResult::No);
    QTest::newRow("answered yes") << int(MsgResult::Yes);
}

void tst_FirstRun::askedOnceAcrossTwoStarts()
{
    QFETCH(int, answer);
    QWidget main;
    {
        // First start.
        LoadSettings();
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult(answer));
        Options::AskFirstRunQuestion(&main);
        QVERIFY(main.isVisible());
        QCOMPARE(dialogs.MessageTexts(), QStringList{Welcome});
        QCOMPARE(dialogs.asked[0].buttons, MsgButtons::YesNo);
        QCOMPARE(dialogs.asked[0].icon, MsgIcon::Question);
        QCOMPARE(dialogs.asked[0].title, QStringLiteral("Sortiva Media Organizer"));
        QCOMPARE(SettingsStore::Get(Keys::firstrun), QStringLiteral("no"));
        QCOMPARE(Form6::Instance() != nullptr, answer == int(MsgResult::Yes));
        if (Form6::Instance()) { // owned by the main window, not modal
            QCOMPARE(Form6::Instance()->parentWidget(), &main);
            QVERIFY(Form6::Instance()->isVisible());
            QVERIFY(!Form6::Instance()->isModal());
        }
        Form6::CloseWindows();
        QTRY_VERIFY(!Form6::Instance());
    }
    {
        // Second start: the memory is new, the store is the same.
        Settings = SettingsRecord();
        LoadSettings();
        ScriptedDialogs dialogs;
        Options::AskFirstRunQuestion(&main);
        QVERIFY(dialogs.asked.isEmpty());
        QVERIFY(!Form6::Instance());
        QCOMPARE(SettingsStore::Get(Keys::firstrun), QStringLiteral("no"));
    }
}

QTEST_MAIN(tst_FirstRun)
#include "tst_firstrun.moc"
