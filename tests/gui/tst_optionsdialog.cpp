#include "gui/dashwarningdialog.h"
#include "gui/firstrun.h"
#include "gui/optionsdialog.h"
#include "gui/replacelisteditor.h"

#include "base/extensionfilter.h"
#include "base/replacelist.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
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
const QString SaveQuestion =
    QStringLiteral("You have made changes to your settings. Would you like to save settings now?");
const QString Welcome = QStringLiteral(
    "Welcome To Sortiva Media Organizer! It appears that this is the first time you are "
    "running this program... It is recommended that you set and adjust the options you prefer "
    "before getting started. Would you like to open the options window now?");
const QString DefaultsQuestion =
    QStringLiteral("Are you sure you want to reset all settings to thier default values?");

// The window's controls, found by their object names.
template <typename T> T *Find(const QWidget *window, const char *name) {
    T *control = window->findChild<T *>(QLatin1String(name));
    if (!control)
        qFatal("no control named %s", name);
    return control;
}

QPushButton *Button(const QWidget *w, const char *name) {
    return Find<QPushButton>(w, name);
}

QCheckBox *Box(const QWidget *w, const char *name) {
    return Find<QCheckBox>(w, name);
}

QListWidget *List(const QWidget *w, const char *name) {
    return Find<QListWidget>(w, name);
}

QLabel *Label(const QWidget *w, const char *name) {
    return Find<QLabel>(w, name);
}

QLineEdit *FilterEdit(const QWidget *w) {
    return Find<QLineEdit>(w, "filterEdit");
}

QTabWidget *Pages(const QWidget *w) {
    return Find<QTabWidget>(w, "pages");
}

QRadioButton *DashOption(const QWidget *w, int option) {
    return qobject_cast<QRadioButton *>(Find<QButtonGroup>(w, "dashOptions")->button(option));
}

QRadioButton *FolderSource(const QWidget *w, int source) {
    return qobject_cast<QRadioButton *>(Find<QButtonGroup>(w, "folderSources")->button(source));
}

void ClickRadio(QRadioButton *button) {
    // On the indicator: the middle of a wide button may lie beside its caption.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void ClickBox(QCheckBox *box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

QStringList Entries(const QListWidget *list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QString Selected(const QListWidget *list) {
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

void Select(QListWidget *list, const QString &text) {
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.first());
}
// Closes every other window from its close handler, as the main window does; refuses the
// first close when asked to.
class Owner : public QWidget {
  public:
    bool refuse = false;

  protected:
    void closeEvent(QCloseEvent *event) override {
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

class tst_OptionsDialog : public QObject {
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

void tst_OptionsDialog::initTestCase() {
    TestEnv::IsolateSettings();
    m_main = new QWidget;
    m_main->resize(300, 200);
    m_main->show();
}

void tst_OptionsDialog::init() {
    TestEnv::ClearStore();
    LoadSettings();
    UserReplaceList.Clear();
    Settings.showwarn = 0;
}

void tst_OptionsDialog::cleanup() {
    OptionsDialog::closeWindows();
    WaitClosed();
}

OptionsDialog *tst_OptionsDialog::OpenFresh() {
    m_form = OptionsDialog::open(m_main);
    return m_form;
}

void tst_OptionsDialog::WaitClosed() {
    QTRY_VERIFY(OptionsDialog::instance() == nullptr);
    QTRY_VERIFY(m_form.isNull());
}

void tst_OptionsDialog::opensWithTheStoredValues() {
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
    QCOMPARE(FilterEdit(f)->text(), QStringLiteral("mp3,wma"));
    QVERIFY(FolderSource(f, 1)->isChecked());
    QVERIFY(DashOption(f, 1)->isChecked());
    QCOMPARE(Label(f, "dashExample")->text(), QStringLiteral("04"));
    QVERIFY(Box(f, "searchSubFoldersBox")->isChecked());
    QVERIFY(!Box(f, "deleteSourceBox")->isChecked());
    QCOMPARE(Entries(List(f, "folderFieldsChosen")), (QStringList{"Artist", "Album"}));
    QCOMPARE(Entries(List(f, "folderFieldsAvailable")),
             (QStringList{"Song", "Genre", "Year", "Track"}));
    QCOMPARE(Label(f, "folderExample")->text(), QStringLiteral("Artist - Album"));
    QCOMPARE(Entries(List(f, "fileFieldsAvailable")).size(), 6);
    QCOMPARE(Label(f, "fileExample")->text(), QStringLiteral("Song.mp3"));
    QCOMPARE(Find<QComboBox>(f, "filterPreset")->currentText(), QStringLiteral("Default"));
    QCOMPARE(Find<QComboBox>(f, "filterPreset")->count(), 13);
    QCOMPARE(Pages(f)->currentIndex(), 0);
    QCOMPARE(Pages(f)->tabText(0), QStringLiteral("General Options"));
    QCOMPARE(Pages(f)->tabText(1), QStringLiteral("Folder And File Naming"));
    QCOMPARE(Pages(f)->tabText(2), QStringLiteral("File Search Filtering"));
    QVERIFY(!f->hasChanges());
}

void tst_OptionsDialog::storedIndexOutsideTheButtonsOpensTheFirst() {
    Settings.dashoption = 7;
    Settings.renamefolders = -1;
    OptionsDialog *f = OpenFresh();
    QVERIFY(DashOption(f, 0)->isChecked());
    QVERIFY(FolderSource(f, 0)->isChecked());
    QCOMPARE(Label(f, "dashExample")->text(), QStringLiteral("Corvelle"));
    QCOMPARE(f->pendingValues().dashoption, 0);
}

void tst_OptionsDialog::oneInstanceAtATime() {
    OptionsDialog *f = OpenFresh();
    OptionsDialog::open(m_main, OptionsDialog::Page::Naming);
    QCOMPARE(OptionsDialog::open(m_main), f);
    QCOMPARE(Pages(f)->currentIndex(), 1);
    QCOMPARE(OptionsDialog::open(m_main, OptionsDialog::Page::Filter), f);
    QCOMPARE(Pages(f)->currentIndex(), 2);
    QCOMPARE(OptionsDialog::instance(), f);

    // Opening again right after a close builds a new window from the settings.
    f->close();
    OptionsDialog *second = OptionsDialog::open(m_main);
    QVERIFY(second != f);
    QVERIFY(second->isVisible());
    QCOMPARE(Pages(second)->currentIndex(), 0);
    QTRY_VERIFY(m_form.isNull());
    m_form = second;
}

void tst_OptionsDialog::dashExample_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("example");
    QTest::newRow("first section") << 0 << "Corvelle";
    QTest::newRow("second section") << 1 << "04";
    QTest::newRow("fourth section") << 3 << "Orlan SoundTrack";
}

void tst_OptionsDialog::dashExample() {
    QFETCH(int, option);
    QFETCH(QString, example);
    OptionsDialog *f = OpenFresh();
    QCOMPARE(Label(f, "dashSample")->text(),
             QStringLiteral("Corvelle - 04 - Dont Cry For Me Argentina - Orlan SoundTrack.mp3"));
    OptionsDialog::open(m_main, OptionsDialog::Page::Naming);
    ClickRadio(DashOption(f, option));
    QCOMPARE(Label(f, "dashExample")->text(), example);
    QCOMPARE(f->pendingValues().dashoption, option);
    QCOMPARE(f->hasChanges(), option != 0);
}

void tst_OptionsDialog::defaults() {
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
    QTest::mouseClick(Button(f, "defaultsButton"), Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), QStringList{DefaultsQuestion});
    QCOMPARE(dialogs.asked[0].buttons, MsgButtons::YesNo);
    QCOMPARE(dialogs.asked[0].icon, MsgIcon::Question);
    QVERIFY(!f->hasChanges()); // answered no
    QCOMPARE(Entries(List(f, "folderFieldsChosen")), (QStringList{"Artist", "Year"}));

    dialogs.AnswerMessage(MsgResult::Yes);
    QTest::mouseClick(Button(f, "defaultsButton"), Qt::LeftButton);
    QVERIFY(f->hasChanges());
    QCOMPARE(Label(f, "folderExample")->text(), QStringLiteral("Album"));
    QCOMPARE(Label(f, "fileExample")->text(), QStringLiteral("Artist - Song.mp3"));
    QCOMPARE(Entries(List(f, "folderFieldsAvailable")),
             (QStringList{"Song", "Artist", "Genre", "Year", "Track"}));
    QCOMPARE(Entries(List(f, "fileFieldsAvailable")),
             (QStringList{"Album", "Genre", "Year", "Track"}));
    QVERIFY(DashOption(f, 0)->isChecked());
    QVERIFY(FolderSource(f, 0)->isChecked());
    QCOMPARE(FilterEdit(f)->text(), QString(Defaults::filterExtensions));
    // Nothing is applied before OK.
    QCOMPARE(Settings.foldernamelist, QStringLiteral("Artist,Year"));

    QTest::mouseClick(Button(f, "okButton"), Qt::LeftButton);
    WaitClosed();
    QCOMPARE(dialogs.asked.size(), 2);
    QCOMPARE(Settings.filenamelist, QStringLiteral("Artist,Song"));
    QCOMPARE(SettingsStore::Get(Keys::foldernamelist), QStringLiteral("Album"));
    QCOMPARE(SettingsStore::Get(Keys::filter), FilterToPatterns(Defaults::filterExtensions));
    QCOMPARE(SettingsStore::Get(Keys::autoadd), QStringLiteral("0"));
    QCOMPARE(SettingsStore::Get(Keys::dashoption), QStringLiteral("0"));
    QCOMPARE(SettingsStore::Get(Keys::removesubs), QStringLiteral("0"));
}

void tst_OptionsDialog::cancel_data() {
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("autoadd");
    const int yes = int(MsgResult::Yes), no = int(MsgResult::No), cancel = int(MsgResult::Cancel);
    QTest::newRow("untouched closes without asking") << false << false << yes << true << 0;
    QTest::newRow("yes saves and closes") << true << false << yes << true << 1;
    QTest::newRow("no drops and closes") << true << false << no << true << 0;
    QTest::newRow("cancel keeps the window and the edits") << true << false << cancel << false << 0;
    QTest::newRow("escape asks the same, no drops") << true << true << no << true << 0;
    QTest::newRow("escape answered cancel keeps the window")
        << true << true << cancel << false << 0;
}

void tst_OptionsDialog::cancel() {
    QFETCH(bool, edit);
    QFETCH(bool, escape);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(int, autoadd);
    OptionsDialog *f = OpenFresh();
    if (edit)
        ClickBox(Box(f, "autoAddBox"));
    QCOMPARE(f->hasChanges(), edit);
    ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MsgResult(answer));
    if (escape)
        QTest::keyClick(FilterEdit(f), Qt::Key_Escape);
    else
        QTest::mouseClick(Button(f, "cancelButton"), Qt::LeftButton);
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
        QVERIFY(Box(f, "autoAddBox")->isChecked());
        QVERIFY(f->hasChanges());
    }
}

void tst_OptionsDialog::closeBox_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("recursivesearch");
    const QString defaultFilter = FilterToPatterns(Defaults::filterExtensions);
    QTest::newRow("untouched asks nothing")
        << "" << int(MsgResult::Yes) << false << defaultFilter << 0;
    QTest::newRow("filter text only asks nothing and is lost")
        << "filter" << int(MsgResult::Yes) << false << defaultFilter << 0;
    QTest::newRow("check box answered yes applies all")
        << "both" << int(MsgResult::Yes) << true << "*.mp3;*.ogg" << 1;
    QTest::newRow("check box answered no drops all")
        << "both" << int(MsgResult::No) << true << defaultFilter << 0;
}

void tst_OptionsDialog::closeBox() {
    QFETCH(QString, edit);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(QString, filter);
    QFETCH(int, recursivesearch);
    OptionsDialog *f = OpenFresh();
    if (!edit.isEmpty()) {
        OptionsDialog::open(m_main, OptionsDialog::Page::Filter);
        FilterEdit(f)->clear();
        QTest::keyClicks(FilterEdit(f), QStringLiteral("mp3,ogg"));
    }
    if (edit == QLatin1String("both")) {
        OptionsDialog::open(m_main, OptionsDialog::Page::General);
        ClickBox(Box(f, "searchSubFoldersBox"));
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

void tst_OptionsDialog::okAndApplyAskNothing_data() {
    QTest::addColumn<bool>("apply");
    QTest::newRow("OK stores and closes") << false;
    QTest::newRow("Apply stores and keeps the window open") << true;
}

void tst_OptionsDialog::okAndApplyAskNothing() {
    QFETCH(bool, apply);
    OptionsDialog *f = OpenFresh();
    FilterEdit(f)->setText(QStringLiteral("mp3"));
    ClickBox(Box(f, "showSplashBox"));
    ScriptedDialogs dialogs;
    QTest::mouseClick(apply ? Button(f, "applyButton") : Button(f, "okButton"), Qt::LeftButton);
    if (apply) {
        QVERIFY(f->isVisible());
        QVERIFY(!f->hasChanges());
        f->close(); // nothing left to ask about
    }
    WaitClosed();
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(Settings.filter, QStringLiteral("*.mp3"));
    QCOMPARE(Settings.loadsplash, 0);
    QCOMPARE(SettingsStore::Get(Keys::loadsplash), QStringLiteral("0"));
}

void tst_OptionsDialog::closingForTheOwnerAsksNothing_data() {
    QTest::addColumn<bool>("ownerClosesEveryWindow");
    QTest::newRow("closed for the owner") << false;
    QTest::newRow("owner closing every window") << true;
}

void tst_OptionsDialog::closingForTheOwnerAsksNothing() {
    QFETCH(bool, ownerClosesEveryWindow);
    Owner owner;
    owner.show();
    m_form = OptionsDialog::open(&owner);
    ClickBox(Box(m_form, "showSplashBox"));
    QTest::mouseClick(Button(m_form, "editReplaceListButton"), Qt::LeftButton);
    QPointer<ReplaceListEditor> editor = m_form->replaceListEditor();
    ScriptedDialogs dialogs;
    if (ownerClosesEveryWindow)
        owner.close();
    else
        OptionsDialog::closeWindows();
    WaitClosed();
    QTRY_VERIFY(editor.isNull());
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(Settings.loadsplash, 1);
}

void tst_OptionsDialog::ownerRefusingToCloseLeavesTheQuestion() {
    Owner owner;
    owner.show();
    m_form = OptionsDialog::open(&owner);
    ClickBox(Box(m_form, "showSplashBox"));
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

void tst_OptionsDialog::samePresetTwice() {
    OptionsDialog *f = OpenFresh();
    OptionsDialog::open(m_main, OptionsDialog::Page::Filter);
    emit Find<QComboBox>(f, "filterPreset")->activated(3);
    QCOMPARE(FilterEdit(f)->text(), QStringLiteral("asf,avi,mpeg,mpg,mov,rm,wmv"));
    QVERIFY(f->hasChanges());
    QTest::mouseClick(Button(f, "applyButton"), Qt::LeftButton);
    FilterEdit(f)->setText(QStringLiteral("typed"));
    emit Find<QComboBox>(f, "filterPreset")->activated(3);
    QCOMPARE(FilterEdit(f)->text(), QStringLiteral("typed"));
    QVERIFY(!f->hasChanges());
}

void tst_OptionsDialog::movingFieldsBetweenLists() {
    OptionsDialog *f = OpenFresh();
    OptionsDialog::open(m_main, OptionsDialog::Page::Naming);
    Select(List(f, "folderFieldsAvailable"), QStringLiteral("Artist"));
    QTest::mouseClick(Button(f, "useFolderFieldButton"), Qt::LeftButton);
    QCOMPARE(Entries(List(f, "folderFieldsChosen")), QStringList{"Artist"});
    QCOMPARE(Selected(List(f, "folderFieldsChosen")), QStringLiteral("Artist"));
    // The same position.
    QCOMPARE(Selected(List(f, "folderFieldsAvailable")), QStringLiteral("Album"));
    QVERIFY(f->hasChanges());
    QTest::mouseClick(Button(f, "useFolderFieldButton"), Qt::LeftButton); // Album follows
    QCOMPARE(Label(f, "folderExample")->text(), QStringLiteral("Artist - Album"));
    Select(List(f, "folderFieldsChosen"), QStringLiteral("Artist"));
    QTest::mouseClick(Button(f, "dropFolderFieldButton"), Qt::LeftButton);
    QCOMPARE(Entries(List(f, "folderFieldsAvailable")),
             (QStringList{"Song", "Genre", "Year", "Track", "Artist"}));
    QCOMPARE(Label(f, "folderExample")->text(), QStringLiteral("Album"));

    // The file fields work the same way on their own lists.
    for (const char *field : {"Track", "Song"}) {
        Select(List(f, "fileFieldsAvailable"), QLatin1String(field));
        QTest::mouseClick(Button(f, "useFileFieldButton"), Qt::LeftButton);
    }
    QCOMPARE(Label(f, "fileExample")->text(), QStringLiteral("Track - Song.mp3"));
    QCOMPARE(f->pendingValues().filenamelist, QStringLiteral("Track,Song"));
    for (const char *field : {"Track", "Song"}) {
        Select(List(f, "fileFieldsChosen"), QLatin1String(field));
        QTest::mouseClick(Button(f, "dropFileFieldButton"), Qt::LeftButton);
    }
    QCOMPARE(Entries(List(f, "fileFieldsChosen")), QStringList());
    QCOMPARE(Label(f, "fileExample")->text(), QStringLiteral("Song.mp3"));

    QTest::mouseClick(Button(f, "okButton"), Qt::LeftButton);
    WaitClosed();
    QCOMPARE(Settings.foldernamelist, QStringLiteral("Album"));
    QCOMPARE(Settings.filenamelist, QString());
}

void tst_OptionsDialog::movingFieldsUpAndDown() {
    Settings.foldernamelist = QStringLiteral("Artist,Album,Year");
    Settings.filenamelist = QStringLiteral("Track,Song");
    OptionsDialog *f = OpenFresh();
    Select(List(f, "folderFieldsChosen"), QStringLiteral("Year"));
    QTest::mouseClick(Button(f, "folderFieldUpButton"), Qt::LeftButton);
    QCOMPARE(Selected(List(f, "folderFieldsChosen")), QStringLiteral("Year"));
    QCOMPARE(Label(f, "folderExample")->text(), QStringLiteral("Artist - Year - Album"));
    QTest::mouseClick(Button(f, "folderFieldDownButton"), Qt::LeftButton);
    QCOMPARE(f->pendingValues().foldernamelist, QStringLiteral("Artist,Album,Year"));

    Select(List(f, "fileFieldsChosen"), QStringLiteral("Track"));
    QTest::mouseClick(Button(f, "fileFieldDownButton"), Qt::LeftButton);
    QCOMPARE(Label(f, "fileExample")->text(), QStringLiteral("Song - Track.mp3"));
    QTest::mouseClick(Button(f, "fileFieldUpButton"), Qt::LeftButton);
    QCOMPARE(Label(f, "fileExample")->text(), QStringLiteral("Track - Song.mp3"));
}

void tst_OptionsDialog::movingWithoutSelectionDoesNothing() {
    Settings.foldernamelist = QStringLiteral("Artist,Album");
    OptionsDialog *f = OpenFresh();
    List(f, "folderFieldsAvailable")->clearSelection();
    List(f, "folderFieldsChosen")->clearSelection();
    for (const char *button : {"useFolderFieldButton", "dropFolderFieldButton",
                               "folderFieldUpButton", "folderFieldDownButton", "useFileFieldButton",
                               "dropFileFieldButton", "fileFieldUpButton", "fileFieldDownButton"})
        QTest::mouseClick(Button(f, button), Qt::LeftButton);
    QCOMPARE(Entries(List(f, "folderFieldsChosen")), (QStringList{"Artist", "Album"}));
    QCOMPARE(Entries(List(f, "fileFieldsChosen")), QStringList());
    QVERIFY(!f->hasChanges());
}

void tst_OptionsDialog::warningOnlyOnThirdAndFourthOption() {
    Settings.showwarn = 1;
    OptionsDialog *f = OpenFresh();
    OptionsDialog::open(m_main, OptionsDialog::Page::Naming);
    ClickRadio(DashOption(f, 1));
    ClickRadio(DashOption(f, 0));
    QVERIFY(!f->dashWarning()); // the second option never warns
    ClickRadio(DashOption(f, 2));
    QVERIFY(f->dashWarning() && f->dashWarning()->isVisible());
    QTest::mouseClick(Button(f->dashWarning(), "okButton"), Qt::LeftButton);
    QTRY_VERIFY(!f->dashWarning());
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("1"));

    ClickRadio(DashOption(f, 3));
    QVERIFY(f->dashWarning());
    ClickBox(Box(f->dashWarning(), "dontShowAgainBox"));
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("0")); // at once
    f->dashWarning()->close();
    QTRY_VERIFY(!f->dashWarning());
    ClickRadio(DashOption(f, 2));
    ClickRadio(DashOption(f, 3));
    QVERIFY(!f->dashWarning());

    // Apply does not bring the warning back.
    QTest::mouseClick(Button(f, "applyButton"), Qt::LeftButton);
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("0"));
}

void tst_OptionsDialog::ctrlTabCyclesThePages() {
    OptionsDialog *f = OpenFresh();
    QTest::keyClick(Box(f, "showSplashBox"), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(Pages(f)->currentIndex(), 1);
    QTest::keyClick(List(f, "folderFieldsAvailable"), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(Pages(f)->currentIndex(), 2);
    QTest::keyClick(FilterEdit(f), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(Pages(f)->currentIndex(), 0);
    QTest::keyClick(Box(f, "showSplashBox"), Qt::Key_Tab, Qt::AltModifier);
    QCOMPARE(Pages(f)->currentIndex(), 0);
    // Inside the list editor Ctrl+Tab leaves the pages alone.
    QTest::mouseClick(Button(f, "editReplaceListButton"), Qt::LeftButton);
    QVERIFY(f->replaceListEditor());
    QTest::keyClick(Find<QLineEdit>(f->replaceListEditor(), "replaceThisEdit"), Qt::Key_Tab,
                    Qt::ControlModifier);
    QCOMPARE(Pages(f)->currentIndex(), 0);
}

void tst_OptionsDialog::helpLinks_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("text");
    QTest::newRow("folder name from tag")
        << "folderFromTagHelp" << int(OptionsDialog::Page::Naming)
        << "If Sortiva fails to retrieve a proper folder name from the MP3 ID3 v 1.1 Tag, it "
           "will try the default method. You may want to try loading a folder using both options "
           "before actually organizing.";
    QTest::newRow("rename from tag")
        << "renameFilesHelp" << int(OptionsDialog::Page::Naming)
        << "If Sortiva fails to retrieve a proper file name from the MP3 ID3 v 1.1 Tag, it will "
           "use the original file name.";
    QTest::newRow("replace existing")
        << "replaceExistingHelp" << int(OptionsDialog::Page::General)
        << "If you use this option, Sortiva will first delete any existing files (with the same "
           "name) before copying the new file to the folder (not recommended) ... If you leave "
           "this unchecked (recommended), Sortiva will create a safe file name by adding a "
           "number to the file name such as 'Love Bites(1).mp3' if a file already exists with "
           "the same name.";
    QTest::newRow("do nothing")
        << "skipExistingHelp" << int(OptionsDialog::Page::General)
        << "If this option is checked, Sortiva will do nothing if a file with the same name "
           "already exists. This option overrides the above option.";
    QTest::newRow("auto add")
        << "autoAddHelp" << int(OptionsDialog::Page::General)
        << "Sortiva (optionally) keeps track of the folder names that you edit after you have "
           "loaded the folder list, but before you actually organize them. This way it can use "
           "this list in the future to edit any similar files automatically. However this "
           "method isnt exact (fuzzy in fact) so you may want to edit the list by hand if weird "
           "names start showing up when you load a folder.";
}

void tst_OptionsDialog::helpLinks() {
    QFETCH(QString, link);
    QFETCH(int, page);
    QFETCH(QString, text);
    OptionsDialog *f = OpenFresh();
    OptionsDialog::open(m_main, OptionsDialog::Page(page));
    auto *label = f->findChild<QLabel *>(link);
    QVERIFY(label);
    QVERIFY(label->isVisible());
    ScriptedDialogs dialogs;
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(dialogs.MessageTexts(), QStringList{text});
    QCOMPARE(dialogs.asked[0].icon, MsgIcon::Information);
    QCOMPARE(dialogs.asked[0].buttons, MsgButtons::Ok);
    QCOMPARE(dialogs.asked[0].title, QStringLiteral("Sortiva Media Organizer"));
    QVERIFY(!f->hasChanges());
}

void tst_OptionsDialog::editorOpensOnceAndClosesWithTheWindow() {
    OptionsDialog *f = OpenFresh();
    QPushButton *edit = Button(f, "editReplaceListButton");
    QCOMPARE(edit->text(), QStringLiteral("Edit 'Replace With' List"));
    QCOMPARE(edit->toolTip(), QStringLiteral("Edit The 'Replace With' List"));
    QTest::mouseClick(Button(f, "editReplaceListButton"), Qt::LeftButton);
    QPointer<ReplaceListEditor> editor = f->replaceListEditor();
    QVERIFY(editor);
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->parentWidget(), f);
    QTest::mouseClick(Button(f, "editReplaceListButton"), Qt::LeftButton);
    QCOMPARE(f->replaceListEditor(), editor.data());

    UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
    ScriptedDialogs dialogs;
    f->close();
    WaitClosed();
    QTRY_VERIFY(editor.isNull());
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(SettingsStore::Get(QStringLiteral("rc")), QStringLiteral("1")); // saved on close
}

void tst_OptionsDialog::firstRunAskedOnceAcrossTwoStarts_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("answered no") << int(MsgResult::No);
    QTest::newRow("answered yes") << int(MsgResult::Yes);
}

void tst_OptionsDialog::firstRunAskedOnceAcrossTwoStarts() {
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
        QCOMPARE(OptionsDialog::instance() != nullptr, answer == int(MsgResult::Yes));
        if (OptionsDialog::instance()) { // owned by the main window, not modal
            QCOMPARE(OptionsDialog::instance()->parentWidget(), &main);
            QVERIFY(OptionsDialog::instance()->isVisible());
            QVERIFY(!OptionsDialog::instance()->isModal());
        }
        OptionsDialog::closeWindows();
        QTRY_VERIFY(!OptionsDialog::instance());
    }
    {
        // Second start: the memory is new, the store is the same.
        Settings = SettingsRecord();
        LoadSettings();
        ScriptedDialogs dialogs;
        Options::AskFirstRunQuestion(&main);
        QVERIFY(dialogs.asked.isEmpty());
        QVERIFY(!OptionsDialog::instance());
        QCOMPARE(SettingsStore::Get(Keys::firstrun), QStringLiteral("no"));
    }
}

void tst_OptionsDialog::warningShowsItsTexts() {
    QPointer<DashWarningDialog> w = new DashWarningDialog(nullptr);
    w->open();
    QCOMPARE(w->windowTitle(), QStringLiteral("Warning"));
    QVERIFY(w->isModal());
    QCOMPARE(Label(w, "warningText")->text(),
             QStringLiteral("Using an option other than the first option (Use First Section) may "
                            "result in Sortiva not being able to create a proper folder name "
                            "from the file! "));
    QVERIFY(Label(w, "adviceText")
                ->text()
                .startsWith(QStringLiteral(
                    "It is recommended that you use at least no more then option 2")));
    QCOMPARE(Box(w, "dontShowAgainBox")->text(),
             QStringLiteral("Do not show me this warning in the future."));
    QVERIFY(!Box(w, "dontShowAgainBox")->isChecked());
    QVERIFY(!Label(w, "picture")->pixmap().isNull());
    QCOMPARE(Button(w, "okButton")->text(), QStringLiteral("OK"));
    w->close();
    QTRY_VERIFY(w.isNull());
}

void tst_OptionsDialog::warningClosing_data() {
    QTest::addColumn<bool>("check");
    QTest::addColumn<bool>("byOk");
    QTest::addColumn<QString>("stored");
    QTest::newRow("ok with box unchecked stores 1") << false << true << "1";
    QTest::newRow("close box with box unchecked stores 1") << false << false << "1";
    QTest::newRow("ok with box checked stores 0") << true << true << "0";
    QTest::newRow("close box with box checked stores 0") << true << false << "0";
}

void tst_OptionsDialog::warningClosing() {
    QFETCH(bool, check);
    QFETCH(bool, byOk);
    QFETCH(QString, stored);
    QPointer<DashWarningDialog> w = new DashWarningDialog(nullptr);
    w->open();
    Box(w, "dontShowAgainBox")->setChecked(check); // set without a click: only closing stores it
    QCOMPARE(SettingsStore::Get(Keys::showwarn, QStringLiteral("missing")),
             QStringLiteral("missing"));
    if (byOk)
        QTest::mouseClick(Button(w, "okButton"), Qt::LeftButton);
    else
        w->close();
    QTRY_VERIFY(w.isNull());
    QCOMPARE(SettingsStore::Get(Keys::showwarn), stored);
    QCOMPARE(Settings.showwarn, stored.toInt());
}

void tst_OptionsDialog::warningBoxStoredWhenClicked() {
    QPointer<DashWarningDialog> w = new DashWarningDialog(nullptr);
    w->open();
    ClickBox(Box(w, "dontShowAgainBox"));
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("0"));
    ClickBox(Box(w, "dontShowAgainBox"));
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("1"));
    QCOMPARE(Settings.showwarn, 1);
    w->close();
    QTRY_VERIFY(w.isNull());
}

QTEST_MAIN(tst_OptionsDialog)
#include "tst_optionsdialog.moc"
