#include "gui/firstrun.h"
#include "gui/replacelisteditor.h"
#include "gui/optionsdialog.h"
#include "gui/dashwarningdialog.h"

#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/extensionfilter.h"
#include "base/replacelist.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {
const QString ApplyQuestion = QStringLiteral(
    "You have made changes to your settings. Would you like to apply those settings now?");
const QString SaveQuestion = QStringLiteral(
    "You have made changes to your settings. Would you like to save settings now?");
const QString Welcome = QStringLiteral(
    "Welcome To Sortiva Media Organizer! It appears that this is the first time you are "
    "running this program... It is recommended that you set and adjust the options you prefer "
    "before getting started. Would you like to open the options window now?");
const QString DefaultsQuestion =
    QStringLiteral("Are you sure you want to reset all settings to thier default values?");

void ClickRadio(QRadioButton *button)
{
    // On the indicator: the middle of a wide button may lie beside its caption.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void ClickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

QStringList Entries(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QString Selected(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

void Select(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.first());
}
// Closes every other window from its close handler, as the main window does; refuses the
// first close when asked to.
class Owner : public QWidget
{
public:
    bool refuse = false;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (refuse) {
            refuse = false;
            event->ignore();
            return;
        }
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows)
            if (w != this && w->isVisible())
                w->close();
        event->accept();
    }
};
} // namespace

class tst_Form6 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithTheStoredValues();
    void storedIndexOutsideTheButtonsOpensTheFirst();
    void oneInstanceAtATime();
    void dashExample_data();
    void dashExample();
    void defaults();
    void cancel_data();
    void cancel();
    void closeBox_data();
    void closeBox();
    void okAndApplyAskNothing_data();
    void okAndApplyAskNothing();
    void closingForTheOwnerAsksNothing_data();
    void closingForTheOwnerAsksNothing();
    void ownerRefusingToCloseLeavesTheQuestion();
    void samePresetTwice();
    void movingFieldsBetweenLists();
    void movingFieldsUpAndDown();
    void movingWithoutSelectionDoesNothing();
    void warningOnlyOnThirdAndFourthOption();
    void ctrlTabCyclesThePages();
    void helpLinks_data();
    void helpLinks();
    void editorOpensOnceAndClosesWithTheWindow();

    void firstRunAskedOnceAcrossTwoStarts_data();
    void firstRunAskedOnceAcrossTwoStarts();
    void warningShowsItsTexts();
    void warningClosing_data();
    void warningClosing();
    void warningBoxStoredWhenClicked();

private:
    OptionsDialog *OpenFresh();
    void WaitClosed();

    QWidget *m_main = nullptr;
    QPointer<OptionsDialog> m_form;
};

void tst_Form6::initTestCase()
{
    TestEnv::IsolateSettings();
    m_main = new QWidget;
    m_main->resize(300, 200);
    m_main->show();
}

void tst_Form6::init()
{
    TestEnv::ClearStore();
    LoadSettings();
    UserReplaceList.Clear();
    Settings.showwarn = 0;
}

void tst_Form6::cleanup()
{
    OptionsDialog::CloseWindows();
    WaitClosed();
}

OptionsDialog *tst_Form6::OpenFresh()
{
    m_form = OptionsDialog::Open(m_main);
    return m_form;
}

void tst_Form6::WaitClosed()
{
    QTRY_VERIFY(OptionsDialog::Instance() == nullptr);
    QTRY_VERIFY(m_form.isNull());
}

void tst_Form6::opensWithTheStoredValues()
{
    Settings.filter = QStringLiteral("*.mp3;*.wma");
    Settings.foldernamelist = QStringLiteral("Artist,Album");
    Settings.filenamelist = QString();
    Settings.renamefolders = 1;
    Settings.dashoption = 1;
    Settings.recursivesearch = 1;
    Settings.deleteold = 0;
    OptionsDialog *f = OpenFresh();
    QVERIFY(f->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("Options..."));
    QCOMPARE(f->txtFileFilter->text(), QStringLiteral("mp3,wma"));
    QVERIFY(f->Option1[1]->isChecked());
    QVERIFY(f->optDash[1]->isChecked());
    QCOMPARE(f->lblExample->text(), QStringLiteral("04"));
    QVERIFY(f->chkRecursiveSearch->isChecked());
    QVERIFY(!f->chkDeleteFiles->isChecked());
    QCOMPARE(Entries(f->List2), (QStringList{"Artist", "Album"}));
    QCOMPARE(Entries(f->List1), (QStringList{"Song", "Genre", "Year", "Track"}));
    QCOMPARE(f->lblResult->text(), QStringLiteral("Artist - Album"));
    QCOMPARE(Entries(f->List4).size(), 6);
    QCOMPARE(f->lblSong->text(), QStringLiteral("Song.mp3"));
    QCOMPARE(f->Combo1->currentText(), QStringLiteral("Default"));
    QCOMPARE(f->Combo1->count(), 13);
    QCOMPARE(f->tb1->currentIndex(), 0);
    QCOMPARE(f->tb1->tabText(0), QStringLiteral("General Options"));
    QCOMPARE(f->tb1->tabText(1), QStringLiteral("Folder And File Naming"));
    QCOMPARE(f->tb1->tabText(2), QStringLiteral("File Search Filtering"));
    QVERIFY(!f->IsChanged());
}

void tst_Form6::storedIndexOutsideTheButtonsOpensTheFirst()
{
    Settings.dashoption = 7;
    Settings.renamefolders = -1;
    OptionsDialog *f = OpenFresh();
    QVERIFY(f->optDash[0]->isChecked());
    QVERIFY(f->Option1[0]->isChecked());
    QCOMPARE(f->lblExample->text(), QStringLiteral("Corvelle"));
    QCOMPARE(f->PendingValues().dashoption, 0);
}

void tst_Form6::oneInstanceAtATime()
{
    OptionsDialog *f = OpenFresh();
    f->tb1->setCurrentIndex(1);
    QCOMPARE(OptionsDialog::Open(m_main), f);
    QCOMPARE(f->tb1->currentIndex(), 1);
    QCOMPARE(OptionsDialog::Open(m_main, 2), f);
    QCOMPARE(f->tb1->currentIndex(), 2);
    QCOMPARE(OptionsDialog::Instance(), f);

    // Opening again right after a close builds a new window from the settings.
    f->close();
    OptionsDialog *second = OptionsDialog::Open(m_main);
    QVERIFY(second != f);
    QVERIFY(second->isVisible());
    QCOMPARE(second->tb1->currentIndex(), 0);
    QTRY_VERIFY(m_form.isNull());
    m_form = second;
}

void tst_Form6::dashExample_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("example");
    QTest::newRow("first section") << 0 << "Corvelle";
    QTest::newRow("second section") << 1 << "04";
    QTest::newRow("fourth section") << 3 << "Orlan SoundTrack";
}

void tst_Form6::dashExample()
{
    QFETCH(int, option);
    QFETCH(QString, example);
    OptionsDialog *f = OpenFresh();
    QCOMPARE(f->lblText[2]->text(),
             QStringLiteral("Corvelle - 04 - Dont Cry For Me Argentina - Orlan SoundTrack.mp3"));
    f->tb1->setCurrentIndex(1);
    ClickRadio(f->optDash[size_t(option)]);
    QCOMPARE(f->lblExample->text(), example);
    QCOMPARE(f->PendingValues().dashoption, option);
    QCOMPARE(f->IsChanged(), option != 0);
}

void tst_Form6::defaults()
{
    Settings.foldernamelist = QStringLiteral("Artist,Year");
    Settings.filenamelist = QStringLiteral("Track");
    Settings.filter = QStringLiteral("*.txt");
    Settings.renamefolders = 1;
    Settings.dashoption = 2;
    Settings.removesubs = 0;
    Settings.autoadd = 1;
    OptionsDialog *f = OpenFresh();
    ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MsgResult::No);
    QTest::mouseClick(f->Command3, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), QStringList{DefaultsQuestion});
    QCOMPARE(dialogs.asked[0].buttons, MsgButtons::YesNo);
    QCOMPARE(dialogs.asked[0].icon, MsgIcon::Question);
    QVERIFY(!f->IsChanged()); // answered no
    QCOMPARE(Entries(f->List2), (QStringList{"Artist", "Year"}));

    dialogs.AnswerMessage(MsgResult::Yes);
    QTest::mouseClick(f->Command3, Qt::LeftButton);
    QVERIFY(f->IsChanged());
    QCOMPARE(f->lblResult->text(), QStringLiteral("Album"));
    QCOMPARE(f->lblSong->text(), QStringLiteral("Artist - Song.mp3"));
    QCOMPARE(Entries(f->List1), (QStringList{"Song", "Artist", "Genre", "Year", "Track"}));
    QCOMPARE(Entries(f->List4), (QStringList{"Album", "Genre", "Year", "Track"}));
    QVERIFY(f->optDash[0]->isChecked());
    QVERIFY(f->Option1[0]->isChecked());
    QCOMPARE(f->txtFileFilter->text(), QString(Defaults::filterExtensions));
    // Nothing is applied before OK.
    QCOMPARE(Settings.foldernamelist, QStringLiteral("Artist,Year"));

    QTest::mouseClick(f->Command2, Qt::LeftButton);
    WaitClosed();
    QCOMPARE(dialogs.asked.size(), 2);
    QCOMPARE(Settings.filenamelist, QStringLiteral("Artist,Song"));
    QCOMPARE(SettingsStore::Get(Keys::foldernamelist), QStringLiteral("Album"));
    QCOMPARE(SettingsStore::Get(Keys::filter), FilterToPatterns(Defaults::filterExtensions));
    QCOMPARE(SettingsStore::Get(Keys::autoadd), QStringLiteral("0"));
    QCOMPARE(SettingsStore::Get(Keys::dashoption), QStringLiteral("0"));
    QCOMPARE(SettingsStore::Get(Keys::removesubs), QStringLiteral("0"));
}

void tst_Form6::cancel_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("autoadd");
    const int yes = int(MsgResult::Yes), no = int(MsgResult::No), cancel = int(MsgResult::Cancel);
    QTest::newRow("untouched closes without asking") << false << false << yes << true << 0;
    QTest::newRow("yes saves and closes") << true << false << yes << true << 1;
    QTest::newRow("no drops and closes") << true << false << no << true << 0;
    QTest::newRow("cancel keeps the window and the edits") << true << false << cancel << false
                                                           << 0;
    QTest::newRow("escape asks the same, no drops") << true << true << no << true << 0;
    QTest::newRow("escape answered cancel keeps the window") << true << true << cancel << false
                                                             << 0;
}

void tst_Form6::cancel()
{
    QFETCH(bool, edit);
    QFETCH(bool, escape);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(int, autoadd);
    OptionsDialog *f = OpenFresh();
    if (edit)
        ClickBox(f->chkAutoAdd);
    QCOMPARE(f->IsChanged(), edit);
    ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MsgResult(answer));
    if (escape)
        QTest::keyClick(f->txtFileFilter, Qt::Key_Escape);
    else
        QTest::mouseClick(f->Command1, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), edit ? QStringList{SaveQuestion} : QStringList());
    if (edit) {
        QCOMPARE(dialogs.asked[0].buttons, MsgButtons::YesNoCancel);
        QCOMPARE(dialogs.asked[0].icon, MsgIcon::Exclamation);
        QCOMPARE(dialogs.asked[0].title, QStringLiteral("Sortiva Media Organizer"));
    }
    QCOMPARE(Settings.autoadd, autoadd);
    QCOMPARE(SettingsStore::Get(Keys::autoadd, QStringLiteral("missing")),
             autoadd ? QStringLiteral("1") : QStringLiteral("missing"));
    if (closed) {
        WaitClosed();
        QCOMPARE(dialogs.asked.size(), edit ? 1 : 0); // the close itself asks nothing more
    } else {
        QTest::qWait(0);
        QVERIFY(!m_form.isNull() && f->isVisible());
        QVERIFY(f->chkAutoAdd->isChecked());
        QVERIFY(f->IsChanged());
    }
}

void tst_Form6::closeBox_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("recursivesearch");
    const QString defaultFilter = FilterToPatterns(Defaults::filterExtensions);
    QTest::newRow("untouched asks nothing") << "" << int(MsgResult::Yes) << false << defaultFilter
                                            << 0;
    QTest::newRow("filter text only asks nothing and is lost")
        << "filter" << int(MsgResult::Yes) << false << defaultFilter << 0;
    QTest::newRow("check box answered yes applies all")
        << "both" << int(MsgResult::Yes) << true << "*.mp3;*.ogg" << 1;
    QTest::newRow("check box answered no drops all")
        << "both" << int(MsgResult::No) << true << defaultFilter << 0;
}

void tst_Form6::closeBox()
{
    QFETCH(QString, edit);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(QString, filter);
    QFETCH(int, recursivesearch);
    OptionsDialog *f = OpenFresh();
    if (!edit.isEmpty()) {
        f->tb1->setCurrentIndex(2);
        f->txtFileFilter->clear();
        QTest::keyClicks(f->txtFileFilter, QStringLiteral("mp3,ogg"));
    }
    if (edit == QLatin1String("both")) {
        f->tb1->setCurrentIndex(0);
        ClickBox(f->chkRecursiveSearch);
    }
    ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MsgResult(answer));
    f->close();
    WaitClosed();
    QCOMPARE(dialogs.MessageTexts(), asked ? QStringList{ApplyQuestion} : QStringList());
    if (asked) {
        QCOMPARE(dialogs.asked[0].buttons, MsgButtons::YesNo);
        QCOMPARE(dialogs.asked[0].icon, MsgIcon::Exclamation);
    }
    QCOMPARE(Settings.filter, filter);
    QCOMPARE(Settings.recursivesearch, recursivesearch);
}

void tst_Form6::okAndApplyAskNothing_data()
{
    QTest::addColumn<bool>("apply");
    QTest::newRow("OK stores and closes") << false;
    QTest::newRow("Apply stores and keeps the window open") << true;
}

void tst_Form6::okAndApplyAskNothing()
{
    QFETCH(bool, apply);
    OptionsDialog *f = OpenFresh();
    f->txtFileFilter->setText(QStringLiteral("mp3"));
    ClickBox(f->chkLoadSplash);
    ScriptedDialogs dialogs;
    QTest::mouseClick(apply ? f->Command14 : f->Command2, Qt::LeftButton);
    if (apply) {
        QVERIFY(f->isVisible());
        QVERIFY(!f->IsChanged());
        f->close(); // nothing left to ask about
    }
    WaitClosed();
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(Settings.filter, QStringLiteral("*.mp3"));
    QCOMPARE(Settings.loadsplash, 0);
    QCOMPARE(SettingsStore::Get(Keys::loadsplash), QStringLiteral("0"));
}

void tst_Form6::closingForTheOwnerAsksNothing_data()
{
    QTest::addColumn<bool>("ownerClosesEveryWindow");
    QTest::newRow("closed for the owner") << false;
    QTest::newRow("owner closing every window") << true;
}

void tst_Form6::closingForTheOwnerAsksNothing()
{
    QFETCH(bool, ownerClosesEveryWindow);
    Owner owner;
    owner.show();
    m_form = OptionsDialog::Open(&owner);
    ClickBox(m_form->chkLoadSplash);
    QTest::mouseClick(m_form->Command15, Qt::LeftButton);
    QPointer<ReplaceListEditor> editor = m_form->Editor();
    ScriptedDialogs dialogs;
    if (ownerClosesEveryWindow)
        owner.close();
    else
        OptionsDialog::CloseWindows();
    WaitClosed();
    QTRY_VERIFY(editor.isNull());
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(Settings.loadsplash, 1);
}

void tst_Form6::ownerRefusingToCloseLeavesTheQuestion()
{
    Owner owner;
    owner.show();
    m_form = OptionsDialog::Open(&owner);
    ClickBox(m_form->chkLoadSplash);
    owner.refuse = true;
    owner.close();
    QTest::qWait(0);
    QVERIFY(m_form);
    ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MsgResult::Yes);
    m_form->close();
    WaitClosed();
    QCOMPARE(dialogs.MessageTexts(), QStringList{ApplyQuestion});
    QCOMPARE(Settings.loadsplash, 0);
}

void tst_Form6::samePresetTwice()
{
    OptionsDialog *f = OpenFresh();
    f->tb1->setCurrentIndex(2);
    emit f->Combo1->activated(3);
    QCOMPARE(f->txtFileFilter->text(), QStringLiteral("asf,avi,mpeg,mpg,mov,rm,wmv"));
    QVERIFY(f->IsChanged());
    QTest::mouseClick(f->Command14, Qt::LeftButton);
    f->txtFileFilter->setText(QStringLiteral("typed"));
    emit f->Combo1->activated(3);
    QCOMPARE(f->txtFileFilter->text(), QStringLiteral("typed"));
    QVERIFY(!f->IsChanged());
}

void tst_Form6::movingFieldsBetweenLists()
{
    OptionsDialog *f = OpenFresh();
    f->tb1->setCurrentIndex(1);
    Select(f->List1, QStringLiteral("Artist"));
    QTest::mouseClick(f->Command6, Qt::LeftButton);
    QCOMPARE(Entries(f->List2), QStringList{"Artist"});
    QCOMPARE(Selected(f->List2), QStringLiteral("Artist"));
    QCOMPARE(Selected(f->List1), QStringLiteral("Album")); // the same position
    QVERIFY(f->IsChanged());
    QTest::mouseClick(f->Command6, Qt::LeftButton); // Album follows
    QCOMPARE(f->lblResult->text(), QStringLiteral("Artist - Album"));
    Select(f->List2, QStringLiteral("Artist"));
    QTest::mouseClick(f->Command7, Qt::LeftButton);
    QCOMPARE(Entries(f->List1), (QStringList{"Song", "Genre", "Year", "Track", "Artist"}));
    QCOMPARE(f->lblResult->text(), QStringLiteral("Album"));

    // The file fields work the same way on their own lists.
    for (const char *field : {"Track", "Song"}) {
        Select(f->List4, QLatin1String(field));
        QTest::mouseClick(f->Command9, Qt::LeftButton);
    }
    QCOMPARE(f->lblSong->text(), QStringLiteral("Track - Song.mp3"));
    QCOMPARE(f->PendingValues().filenamelist, QStringLiteral("Track,Song"));
    for (const char *field : {"Track", "Song"}) {
        Select(f->List3, QLatin1String(field));
        QTest::mouseClick(f->Command8, Qt::LeftButton);
    }
    QCOMPARE(Entries(f->List3), QStringList());
    QCOMPARE(f->lblSong->text(), QStringLiteral("Song.mp3"));

    QTest::mouseClick(f->Command2, Qt::LeftButton);
    WaitClosed();
    QCOMPARE(Settings.foldernamelist, QStringLiteral("Album"));
    QCOMPARE(Settings.filenamelist, QString());
}

void tst_Form6::movingFieldsUpAndDown()
{
    Settings.foldernamelist = QStringLiteral("Artist,Album,Year");
    Settings.filenamelist = QStringLiteral("Track,Song");
    OptionsDialog *f = OpenFresh();
    Select(f->List2, QStringLiteral("Year"));
    QTest::mouseClick(f->Command12, Qt::LeftButton);
    QCOMPARE(Selected(f->List2), QStringLiteral("Year"));
    QCOMPARE(f->lblResult->text(), QStringLiteral("Artist - Year - Album"));
    QTest::mouseClick(f->Command13, Qt::LeftButton);
    QCOMPARE(f->PendingValues().foldernamelist, QStringLiteral("Artist,Album,Year"));

    Select(f->List3, QStringLiteral("Track"));
    QTest::mouseClick(f->Command11, Qt::LeftButton);
    QCOMPARE(f->lblSong->text(), QStringLiteral("Song - Track.mp3"));
    QTest::mouseClick(f->Command10, Qt::LeftButton);
    QCOMPARE(f->lblSong->text(), QStringLiteral("Track - Song.mp3"));
}

void tst_Form6::movingWithoutSelectionDoesNothing()
{
    Settings.foldernamelist = QStringLiteral("Artist,Album");
    OptionsDialog *f = OpenFresh();
    f->List1->clearSelection();
    f->List2->clearSelection();
    for (QPushButton *b : {f->Command6, f->Command7, f->Command12, f->Command13, f->Command9,
                           f->Command8, f->Command10, f->Command11})
        QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(Entries(f->List2), (QStringList{"Artist", "Album"}));
    QCOMPARE(Entries(f->List3), QStringList());
    QVERIFY(!f->IsChanged());
}

void tst_Form6::warningOnlyOnThirdAndFourthOption()
{
    Settings.showwarn = 1;
    OptionsDialog *f = OpenFresh();
    f->tb1->setCurrentIndex(1);
    ClickRadio(f->optDash[1]);
    ClickRadio(f->optDash[0]);
    QVERIFY(!f->Warning()); // the second option never warns
    ClickRadio(f->optDash[2]);
    QVERIFY(f->Warning() && f->Warning()->isVisible());
    QTest::mouseClick(f->Warning()->OKButton, Qt::LeftButton);
    QTRY_VERIFY(!f->Warning());
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("1"));

    ClickRadio(f->optDash[3]);
    QVERIFY(f->Warning());
    ClickBox(f->Warning()->chkShowWarning);
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("0")); // at once
    f->Warning()->close();
    QTRY_VERIFY(!f->Warning());
    ClickRadio(f->optDash[2]);
    ClickRadio(f->optDash[3]);
    QVERIFY(!f->Warning());

    // Apply does not bring the warning back.
    QTest::mouseClick(f->Command14, Qt::LeftButton);
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("0"));
}

void tst_Form6::ctrlTabCyclesThePages()
{
    OptionsDialog *f = OpenFresh();
    QTest::keyClick(f->chkLoadSplash, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(f->tb1->currentIndex(), 1);
    QTest::keyClick(f->List1, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(f->tb1->currentIndex(), 2);
    QTest::keyClick(f->txtFileFilter, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(f->tb1->currentIndex(), 0);
    QTest::keyClick(f->chkLoadSplash, Qt::Key_Tab, Qt::AltModifier);
    QCOMPARE(f->tb1->currentIndex(), 0);
    // Inside the list editor Ctrl+Tab leaves the pages alone.
    QTest::mouseClick(f->Command15, Qt::LeftButton);
    QVERIFY(f->Editor());
    QTest::keyClick(f->Editor()->Text1, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(f->tb1->currentIndex(), 0);
}

void tst_Form6::helpLinks_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("text");
    QTest::newRow("folder name from tag")
        << "Label4" << 1
        << "If Sortiva fails to retrieve a proper folder name from the MP3 ID3 v 1.1 Tag, it "
           "will try the default method. You may want to try loading a folder using both options "
           "before actually organizing.";
    QTest::newRow("rename from tag")
        << "Label5" << 1
        << "If Sortiva fails to retrieve a proper file name from the MP3 ID3 v 1.1 Tag, it will "
           "use the original file name.";
    QTest::newRow("replace existing")
        << "Label6" << 0
        << "If you use this option, Sortiva will first delete any existing files (with the same "
           "name) before copying the new file to the folder (not recommended) ... If you leave "
           "this unchecked (recommended), Sortiva will create a safe file name by adding a "
           "number to the file name such as 'Love Bites(1).mp3' if a file already exists with "
           "the same name.";
    QTest::newRow("do nothing")
        << "Label9" << 0
        << "If this option is checked, Sortiva will do nothing if a file with the same name "
           "already exists. This option overrides the above option.";
    QTest::newRow("auto add")
        << "lblExport" << 0
        << "Sortiva (optionally) keeps track of the folder names that you edit after you have "
           "loaded the folder list, but before you actually organize them. This way it can use "
           "this list in the future to edit any similar files automatically. However this "
           "method isnt exact (fuzzy in fact) so you may want to edit the list by hand if weird "
           "names start showing up when you load a folder.";
}

void tst_Form6::helpLinks()
{
    QFETCH(QString, link);
    QFETCH(int, page);
    QFETCH(QString, text);
    OptionsDialog *f = OpenFresh();
    f->tb1->setCurrentIndex(page);
    auto *label = f->findChild<QLabel *>(link);
    QVERIFY(label);
    QVERIFY(label->isVisible());
    ScriptedDialogs dialogs;
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), QStringList{text});
    QCOMPARE(dialogs.asked[0].icon, MsgIcon::Information);
    QCOMPARE(dialogs.asked[0].buttons, MsgButtons::Ok);
    QCOMPARE(dialogs.asked[0].title, QStringLiteral("Sortiva Media Organizer"));
    QVERIFY(!f->IsChanged());
}

void tst_Form6::editorOpensOnceAndClosesWithTheWindow()
{
    OptionsDialog *f = OpenFresh();
    QCOMPARE(f->Command15->text(), QStringLiteral("Edit 'Replace With' List"));
    QCOMPARE(f->Command15->toolTip(), QStringLiteral("Edit The 'Replace With' List"));
    QTest::mouseClick(f->Command15, Qt::LeftButton);
    QPointer<ReplaceListEditor> editor = f->Editor();
    QVERIFY(editor);
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->parentWidget(), f);
    QTest::mouseClick(f->Command15, Qt::LeftButton);
    QCOMPARE(f->Editor(), editor.data());

    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    ScriptedDialogs dialogs;
    f->close();
    WaitClosed();
    QTRY_VERIFY(editor.isNull());
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(SettingsStore::Get(QStringLiteral("rc")), QStringLiteral("1")); // saved on close
}

void tst_Form6::firstRunAskedOnceAcrossTwoStarts_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("answered no") << int(MsgResult::No);
    QTest::newRow("answered yes") << int(MsgResult::Yes);
}

void tst_Form6::firstRunAskedOnceAcrossTwoStarts()
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
        QCOMPARE(OptionsDialog::Instance() != nullptr, answer == int(MsgResult::Yes));
        if (OptionsDialog::Instance()) { // owned by the main window, not modal
            QCOMPARE(OptionsDialog::Instance()->parentWidget(), &main);
            QVERIFY(OptionsDialog::Instance()->isVisible());
            QVERIFY(!OptionsDialog::Instance()->isModal());
        }
        OptionsDialog::CloseWindows();
        QTRY_VERIFY(!OptionsDialog::Instance());
    }
    {
        // Second start: the memory is new, the store is the same.
        Settings = SettingsRecord();
        LoadSettings();
        ScriptedDialogs dialogs;
        Options::AskFirstRunQuestion(&main);
        QVERIFY(dialogs.asked.isEmpty());
        QVERIFY(!OptionsDialog::Instance());
        QCOMPARE(SettingsStore::Get(Keys::firstrun), QStringLiteral("no"));
    }
}

void tst_Form6::warningShowsItsTexts()
{
    QPointer<DashWarningDialog> w = new DashWarningDialog(nullptr);
    w->open();
    QCOMPARE(w->windowTitle(), QStringLiteral("Warning"));
    QVERIFY(w->isModal());
    QCOMPARE(w->Label1[0]->text(),
             QStringLiteral("Using an option other than the first option (Use First Section) may "
                            "result in Sortiva not being able to create a proper folder name "
                            "from the file! "));
    QVERIFY(w->Label1[1]->text().startsWith(
        QStringLiteral("It is recommended that you use at least no more then option 2")));
    QCOMPARE(w->chkShowWarning->text(),
             QStringLiteral("Do not show me this warning in the future."));
    QVERIFY(!w->chkShowWarning->isChecked());
    QVERIFY(!w->Image1->pixmap().isNull());
    QCOMPARE(w->OKButton->text(), QStringLiteral("OK"));
    w->close();
    QTRY_VERIFY(w.isNull());
}

void tst_Form6::warningClosing_data()
{
    QTest::addColumn<bool>("check");
    QTest::addColumn<bool>("byOk");
    QTest::addColumn<QString>("stored");
    QTest::newRow("ok with box unchecked stores 1") << false << true << "1";
    QTest::newRow("close box with box unchecked stores 1") << false << false << "1";
    QTest::newRow("ok with box checked stores 0") << true << true << "0";
    QTest::newRow("close box with box checked stores 0") << true << false << "0";
}

void tst_Form6::warningClosing()
{
    QFETCH(bool, check);
    QFETCH(bool, byOk);
    QFETCH(QString, stored);
    QPointer<DashWarningDialog> w = new DashWarningDialog(nullptr);
    w->open();
    w->chkShowWarning->setChecked(check); // set without a click: only closing stores it
    QCOMPARE(SettingsStore::Get(Keys::showwarn, QStringLiteral("missing")),
             QStringLiteral("missing"));
    if (byOk)
        QTest::mouseClick(w->OKButton, Qt::LeftButton);
    else
        w->close();
    QTRY_VERIFY(w.isNull());
    QCOMPARE(SettingsStore::Get(Keys::showwarn), stored);
    QCOMPARE(Settings.showwarn, stored.toInt());
}

void tst_Form6::warningBoxStoredWhenClicked()
{
    QPointer<DashWarningDialog> w = new DashWarningDialog(nullptr);
    w->open();
    ClickBox(w->chkShowWarning);
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("0"));
    ClickBox(w->chkShowWarning);
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("1"));
    QCOMPARE(Settings.showwarn, 1);
    w->close();
    QTRY_VERIFY(w.isNull());
}

QTEST_MAIN(tst_Form6)
#include "tst_optionsdialog.moc"
