#include "gui/dashwarningdialog.h"
#include "gui/optionsdialog.h"
#include "gui/replacelisteditor.h"

#include "base/replacelist.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QtTest>

// The Options window, its replace-list editor and the dash warning: how their controls reach the
// options the core reads. The option rules themselves are proven on the core's values.
namespace {
template <typename T = QWidget> T *Find(const QWidget *window, const QString &name) {
    T *control = window->findChild<T *>(name);
    if (!control)
        qFatal("no control named %s", qPrintable(name));
    return control;
}

// A button by name, or "group:id" for a radio button of a button group.
QAbstractButton *Button(const QWidget *w, const QString &name) {
    const QStringList parts = name.split(QLatin1Char(':'));
    if (parts.size() == 2)
        return Find<QButtonGroup>(w, parts[0])->button(parts[1].toInt());
    return Find<QAbstractButton>(w, name);
}

void Click(const QWidget *w, const QString &name) {
    Button(w, name)->click();
}

QString Text(const QWidget *w, const QString &label) {
    return Find<QLabel>(w, label)->text();
}

QStringList Column(const QTreeWidget *list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(0);
    return out;
}

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT

  private:
    QWidget m_main;
    QPointer<OptionsDialog> m_form;

    OptionsDialog *Open() {
        m_form = OptionsDialog::open(&m_main);
        return m_form;
    }
    void WaitClosed() {
        QTRY_VERIFY(!OptionsDialog::instance());
        QTRY_VERIFY(m_form.isNull());
    }

  private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init() {
        TestEnv::ClearStore();
        Settings = SettingsRecord();
        LoadSettings();
        UserReplaceList.Clear();
        m_main.show();
    }
    void cleanup() {
        OptionsDialog::closeWindows();
        WaitClosed();
    }

    // One control at a time, and none: a control read or shown from another option, or an
    // option flipped on its way in or out, shows in a row.
    void eachControlReachesItsOption_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("applied");
        QTest::addColumn<QString>("key");
        QTest::newRow("nothing clicked") << "" << 1 << QString("deleteold");
        QTest::newRow("splash") << "showSplashBox" << 0 << QString("loadsplash");
        QTest::newRow("replace") << "replaceExistingBox" << 1 << QString("replaceexisting");
        QTest::newRow("delete source") << "deleteSourceBox" << 0 << QString("deleteold");
        QTest::newRow("remember") << "rememberFoldersBox" << 0 << QString("rememberfolders");
        QTest::newRow("confirm remove") << "confirmRemoveBox" << 0 << QString("promptremove");
        QTest::newRow("auto add") << "autoAddBox" << 1 << QString("autoadd");
        QTest::newRow("sub-folders") << "searchSubFoldersBox" << 1 << QString("recursivesearch");
        QTest::newRow("skip existing") << "skipExistingBox" << 1 << QString("donothing");
        QTest::newRow("primary artists") << "primaryArtistsBox" << 0 << QString("removesubs");
        QTest::newRow("smarter names") << "smartNamesBox" << 1 << QString("smartnames");
        QTest::newRow("all tags") << "allTagsBox" << 1 << QString("alltags");
        QTest::newRow("rename files") << "renameFilesBox" << 1 << QString("renamefiles");
        QTest::newRow("folder from tag") << "folderSources:1" << 1 << QString("renamefolders");
        QTest::newRow("fourth dash section") << "dashOptions:3" << 3 << QString("dashoption");
    }
    void eachControlReachesItsOption() {
        QFETCH(QString, control);
        QFETCH(int, applied);
        QFETCH(QString, key);
        Settings.showwarn = 0;
        const OptionsValues before = OptionsFromSettings(Settings);
        OptionsDialog *f = Open();
        if (!control.isEmpty())
            Click(f, control);
        QCOMPARE(f->hasChanges(), !control.isEmpty());
        Click(f, "applyButton");
        QVERIFY(!f->hasChanges());
        QCOMPARE(SettingsStore::Get(key), QString::number(applied));
        const OptionsValues after = OptionsFromSettings(Settings);
        int changed = after.filterText != before.filterText;
        for (int OptionsValues::*field :
             {&OptionsValues::loadsplash, &OptionsValues::replaceexisting,
              &OptionsValues::deleteold, &OptionsValues::rememberfolders,
              &OptionsValues::promptremove, &OptionsValues::autoadd,
              &OptionsValues::recursivesearch, &OptionsValues::donothing,
              &OptionsValues::removesubs, &OptionsValues::smartnames, &OptionsValues::alltags,
              &OptionsValues::renamefiles, &OptionsValues::renamefolders,
              &OptionsValues::dashoption})
            changed += after.*field != before.*field;
        QCOMPARE(changed, control.isEmpty() ? 0 : 1);
    }

    void storedValuesOutsideTheButtonsOpenTheFirst() {
        Settings.dashoption = 7;
        Settings.renamefolders = -1;
        OptionsDialog *f = Open();
        QVERIFY(Button(f, "dashOptions:0")->isChecked() &&
                Button(f, "folderSources:0")->isChecked());
        QCOMPARE(f->pendingValues().dashoption + f->pendingValues().renamefolders, 0);
    }

    void closing_data() {
        QTest::addColumn<QString>("edit"); // "", "filter" or "both" (filter and a check box)
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("asked"); // the buttons of the question, -1 for none
        QTest::addColumn<bool>("applied");
        const int yes = int(MsgResult::Yes), no = int(MsgResult::No);
        const int two = int(MsgButtons::YesNo), three = int(MsgButtons::YesNoCancel);
        QTest::newRow("Cancel untouched") << "" << yes << QString("cancel") << -1 << false;
        QTest::newRow("Cancel, cancel stays")
            << "both" << int(MsgResult::Cancel) << QString("cancel") << three << false;
        QTest::newRow("Escape, yes") << "both" << yes << QString("escape") << three << true;
        QTest::newRow("close box, filter only")
            << "filter" << yes << QString("closeBox") << -1 << false;
        QTest::newRow("close box, yes") << "both" << yes << QString("closeBox") << two << true;
        QTest::newRow("Apply stays") << "both" << no << QString("apply") << -1 << true;
    }
    void closing() {
        QFETCH(QString, edit);
        QFETCH(int, answer);
        QFETCH(QString, how);
        QFETCH(int, asked);
        QFETCH(bool, applied);
        OptionsDialog *f = Open();
        if (!edit.isEmpty())
            QTest::keyClicks(Find(f, "filterEdit"), ",ogg");
        if (edit == "both")
            Click(f, "autoAddBox");
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult(answer));
        if (how == "escape")
            QTest::keyClick(Find(f, "filterEdit"), Qt::Key_Escape);
        else if (how == "closeBox")
            f->close();
        else
            Click(f, how + "Button");
        QCOMPARE(dialogs.asked.size(), asked < 0 ? 0 : 1);
        if (asked >= 0)
            QCOMPARE(int(dialogs.asked[0].buttons), asked);
        QCOMPARE(Settings.autoadd, applied ? 1 : 0);
        QCOMPARE(Settings.filter.endsWith(";*.ogg"), applied);
        QCOMPARE(SettingsStore::Get(Keys::autoadd, "-"), QString(applied ? "1" : "-"));
        const bool stays = how == "apply" || answer == int(MsgResult::Cancel);
        QTest::qWait(0);
        QCOMPARE(!m_form.isNull() && f->isVisible(), stays);
        if (stays)
            QCOMPARE(f->hasChanges(), how != "apply");
    }

    void movingFields() {
        Settings.filenamelist = "Track,Song";
        OptionsDialog *f = Open();
        for (const char *button : {"useFolderFieldButton", "folderFieldUpButton"})
            Click(f, QLatin1String(button)); // nothing selected: nothing moves
        QVERIFY(!f->hasChanges());
        auto *available = Find<QListWidget>(f, "folderFieldsAvailable");
        available->setCurrentItem(available->findItems("Artist", Qt::MatchExactly).value(0));
        Click(f, "useFolderFieldButton");
        Click(f, "useFolderFieldButton"); // the next field is selected: Album
        QCOMPARE(Text(f, "folderExample"), QStringLiteral("Artist - Album"));
        Click(f, "folderFieldUpButton");
        Click(f, "folderFieldUpButton"); // already first
        QCOMPARE(Text(f, "folderExample"), QStringLiteral("Album - Artist"));
        Click(f, "dropFolderFieldButton");
        QCOMPARE(available->item(available->count() - 1)->text(), QStringLiteral("Album"));
        auto *files = Find<QListWidget>(f, "fileFieldsChosen");
        files->setCurrentRow(0);
        Click(f, "fileFieldDownButton");
        Click(f, "fileFieldDownButton"); // already last
        QCOMPARE(Text(f, "fileExample"), QStringLiteral("Song - Track.mp3"));
        Click(f, "okButton");
        WaitClosed();
        QCOMPARE(Settings.foldernamelist, QStringLiteral("Artist"));
        QCOMPARE(Settings.filenamelist, QStringLiteral("Song,Track"));
    }

    // Each field list keeps its whole frame at a fractional scale (this program runs at one).
    void fieldListsKeepTheirFrame() {
        OptionsDialog *f = m_form = OptionsDialog::open(&m_main, OptionsDialog::Page::Naming);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        const QImage shot = f->grab().toImage();
        const qreal r = shot.devicePixelRatio();
        for (const QListWidget *list : f->findChildren<QListWidget *>()) {
            const QRect g(list->mapTo(f, QPoint(0, 0)), list->size());
            const QRgb base = list->palette().color(QPalette::Base).rgb();
            const QPoint middle = g.center() * r;
            // The frame's last logical pixel covers one or two device pixels.
            const int right = int(g.right() * r), bottom = int(g.bottom() * r);
            QVERIFY(shot.pixel(right, middle.y()) != base ||
                    shot.pixel(right + 1, middle.y()) != base);
            QVERIFY(shot.pixel(middle.x(), bottom) != base ||
                    shot.pixel(middle.x(), bottom + 1) != base);
        }
    }

    // Tab reaches each help link right after its option; Enter or Space opens it.
    void helpLinksFromTheKeyboard() {
        ScriptedDialogs dialogs;
        OptionsDialog *f = m_form = OptionsDialog::open(&m_main, OptionsDialog::Page::Naming);
        QVERIFY(QTest::qWaitForWindowActive(f));
        Find(f, "renameFilesBox")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Find(f, "renameFilesHelp"));
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(dialogs.MessageTexts().size(), 2);
    }

    void dashWarningOnTheThirdAndFourthOption() {
        Settings.showwarn = 1;
        OptionsDialog *f = Open();
        Click(f, "dashOptions:2");
        QPointer<DashWarningDialog> first = f->dashWarning();
        QVERIFY(first && first->isVisible());
        Click(f, "dashOptions:3"); // one warning at a time
        Click(first, "okButton");
        QTRY_VERIFY(!f->dashWarning());
        QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("1"));
        Click(f, "dashOptions:3");
        Click(f->dashWarning(), "dontShowAgainBox");
        QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("0")); // at once
    }

    void replaceListEditorOpensOnceAndSavesOnClosing() {
        UserReplaceList.Add("feat", "ft", 0);
        OptionsDialog *f = Open();
        Click(f, "editReplaceListButton");
        QPointer<ReplaceListEditor> editor = f->replaceListEditor();
        QVERIFY(editor && editor->isVisible());
        Click(f, "editReplaceListButton"); // the same editor again
        QCOMPARE(f->replaceListEditor(), editor.data());
        UserReplaceList.Add("Jay Z Live", "Jay Z", 1);
        f->close(); // closes the editor, which saves the list
        WaitClosed();
        QCOMPARE(SettingsStore::Get("rc"), QStringLiteral("2"));
    }

    void replaceListEditorButtons_data() {
        QTest::addColumn<QString>("replaceThis");
        QTest::addColumn<int>("row"); // clicked first, -1 for none
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("selected");
        const QStringList three{"ft", "Jay Z", "Guns And Roses"};
        QTest::newRow("add appends") << "metalica" << -1 << QString("add") << false
                                     << (three + QStringList{"metalica"}) << 0;
        QTest::newRow("modify changes the selected row")
            << "Jay-Z" << 1 << QString("modify") << false
            << QStringList{"ft", "Jay-Z", "Guns And Roses"} << 2;
        QTest::newRow("modify refuses one letter")
            << "x" << 1 << QString("modify") << true << three << 2;
        QTest::newRow("remove the first selects the next")
            << "" << 0 << QString("remove") << false << QStringList{"Jay Z", "Guns And Roses"} << 1;
        QTest::newRow("remove needs a selection")
            << "" << -1 << QString("remove") << false << three << 0;
    }
    void replaceListEditorButtons() {
        QFETCH(QString, replaceThis);
        QFETCH(int, row);
        QFETCH(QString, button);
        QFETCH(bool, refused);
        QFETCH(QStringList, shown);
        QFETCH(int, selected);
        UserReplaceList.Add("feat", "ft", 0);
        UserReplaceList.Add("Jay Z Live", "Jay Z", 1);
        UserReplaceList.Add("Guns N' Roses", "Guns And Roses", 0);
        ReplaceListEditor editor(nullptr);
        editor.show();
        auto *list = Find<QTreeWidget>(&editor, "list");
        auto *replace = Find<QLineEdit>(&editor, "replaceThisEdit");
        if (row >= 0) {
            const QRect r = list->visualItemRect(list->topLevelItem(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
            QCOMPARE(replace->text(), list->topLevelItem(row)->text(0));
            QCOMPARE(Button(&editor, "caseSensitiveBox")->isChecked(), row == 1);
        }
        replace->setText(replaceThis);
        Find<QLineEdit>(&editor, "withThisEdit")->setText("feat");
        ScriptedDialogs dialogs;
        Click(&editor, button + "Button");
        QCOMPARE(dialogs.asked.size(), refused ? 1 : 0);
        QCOMPARE(Column(list), shown);
        QCOMPARE(UserReplaceList.Count(), shown.size());
        QCOMPARE(editor.selectedPosition(), selected);
        // A rule taken clears the boxes, a refused one keeps them for mending, and a row
        // selected by the editor itself fills nothing.
        const bool taken = !refused && Column(list) != QStringList{"ft", "Jay Z", "Guns And Roses"};
        QCOMPARE(replace->text().isEmpty(), taken || replaceThis.isEmpty());
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
