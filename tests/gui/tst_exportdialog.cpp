#include "gui/exportdialog.h"

#include "base/progressview.h"
#include "base/settings.h"
#include "gui/exportcommand.h"
#include "gui/pagepropertiesdialog.h"
#include "listing/listingexport.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {
class QuietView final : public ProgressView
{
public:
    void Status(int, const QString &) override {}
    void SetProgressMax(int) override {}
    void SetProgress(int) override {}
    void EnableButtons(bool) override {}
};

// Runs @p action on the next modal dialog of type T as soon as it is shown.
template <typename T>
void WhenShown(std::function<void(T *)> action, int *shown = nullptr)
{
    QTimer::singleShot(0, [action, shown] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog) {
            WhenShown<T>(action, shown); // not shown yet: look again
            return;
        }
        if (shown)
            ++*shown;
        action(dialog);
    });
}
} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init()
    {
        Settings = SettingsRecord();
        Settings.dlistfilter = QStringLiteral("*.mp3;*.wav");
        Settings.saveashtml = 0;
        Settings.noempty = 1;
        UseSourceFolder = false;
        ExportCancelled = true;
        HtmlPageSettings.align = QStringLiteral("center");
    }

    void opensWithTheStoredChoices()
    {
        ExportDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Tabulo Lite"));
        QCOMPARE(dialog.txtFileFilter->text(), QStringLiteral("mp3,wav"));
        QVERIFY(!dialog.chkSaveAsHtml->isChecked());
        QVERIFY(dialog.chkNoEmpty->isChecked());
        QVERIFY(dialog.Option1->isChecked());
        QVERIFY(!dialog.Option2->isChecked());
        QCOMPARE(dialog.Combo1->currentText(), QStringLiteral("Default"));
        QCOMPARE(dialog.Combo1->count(), 13);
        QCOMPARE(dialog.Combo1->itemText(12), QStringLiteral("Music, Movies And Pictures"));
        QVERIFY(!ExportCancelled);
    }

    void presets_data()
    {
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QString>("typed"); // typed after the first pick
        QTest::addColumn<QString>("expected");
        QTest::newRow("a preset replaces the filter") << QList<int>{2} << "" << "mp3,mp4,mid,ogg,vob,wma,wav";
        QTest::newRow("the same preset again keeps typed text")
            << QList<int>{2, 2} << "mp3,flac" << "mp3,flac";
        QTest::newRow("another preset replaces typed text")
            << QList<int>{2, 8} << "mp3,flac" << "torrent,ini,dat";
        QTest::newRow("All lists everything") << QList<int>{0} << "" << "*";
        QTest::newRow("a position outside the list changes nothing")
            << QList<int>{13} << "" << "mp3,wav";
    }
    void presets()
    {
        QFETCH(QList<int>, picks);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        ExportDialog dialog;
        for (int i = 0; i < picks.size(); ++i) {
            emit dialog.Combo1->activated(picks.at(i));
            if (i == 0 && !typed.isEmpty()) {
                dialog.txtFileFilter->clear();
                QTest::keyClicks(dialog.txtFileFilter, typed);
            }
        }
        QCOMPARE(dialog.txtFileFilter->text(), expected);
    }

    void whatsThis()
    {
        ScriptedDialogs dialogs;
        ExportDialog dialog;
        dialog.lblExport_Click();
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(dialogs.asked.at(0).text.startsWith(
            QStringLiteral("Tabulo Lite (Tabulon) is a small utility that lets you list all")));
        QVERIFY(dialogs.asked.at(0).text.endsWith(
            QStringLiteral("depending on your 'Search Folder' selection.")));
        QCOMPARE(dialogs.asked.at(0).icon, MsgIcon::Information);
        QCOMPARE(dialogs.asked.at(0).buttons, MsgButtons::Ok);
    }

    void okTakesTheChoices_data()
    {
        QTest::addColumn<bool>("source");
        QTest::addColumn<bool>("noEmpty");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("patterns");
        QTest::newRow("source folder, blanks in the list")
            << true << false << "mp3, ogg" << "*.mp3;*.ogg";
        QTest::newRow("organize-to folder, empty list means all") << false << true << "" << "*.*";
    }
    void okTakesTheChoices()
    {
        QFETCH(bool, source);
        QFETCH(bool, noEmpty);
        QFETCH(QString, typed);
        QFETCH(QString, patterns);
        ExportDialog dialog;
        dialog.show();
        (source ? dialog.Option2 : dialog.Option1)->setChecked(true);
        dialog.chkNoEmpty->setChecked(noEmpty);
        dialog.txtFileFilter->setText(typed);
        QTest::mouseClick(dialog.Command2, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QVERIFY(!ExportCancelled);
        QCOMPARE(UseSourceFolder, source);
        QCOMPARE(Settings.noempty, noEmpty ? 1 : 0);
        QCOMPARE(Settings.saveashtml, 0);
        QCOMPARE(Settings.dlistfilter, patterns);
    }

    void cancelledPageLookKeepsTheDialogOpen()
    {
        ExportDialog dialog;
        dialog.show();
        dialog.chkSaveAsHtml->setChecked(true);
        dialog.txtFileFilter->setText(QStringLiteral("avi"));
        int shown = 0;
        WhenShown<PagePropertiesDialog>([](PagePropertiesDialog *f) { f->Command2->click(); }, &shown);
        dialog.Command2_Click();
        QCOMPARE(shown, 1);
        QVERIFY(dialog.isVisible());
        QVERIFY(!ExportCancelled);
        // OK again reopens the page look; its OK ends the dialog.
        WhenShown<PagePropertiesDialog>([](PagePropertiesDialog *f) { f->Command1->click(); }, &shown);
        dialog.Command2_Click();
        QCOMPARE(shown, 2);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!ExportCancelled);
    }

    void secondOkFollowsTheFolderChoice()
    {
        ExportDialog dialog;
        dialog.show();
        dialog.chkSaveAsHtml->setChecked(true);
        dialog.Option2->setChecked(true);
        WhenShown<PagePropertiesDialog>([](PagePropertiesDialog *f) { f->Command2->click(); });
        dialog.Command2_Click();
        QVERIFY(UseSourceFolder);
        dialog.Option1->setChecked(true);
        WhenShown<PagePropertiesDialog>([](PagePropertiesDialog *f) { f->Command1->click(); });
        dialog.Command2_Click();
        QVERIFY(!UseSourceFolder);
    }

    void cancelAfterAnEarlierOkKeepsItsChoices()
    {
        ExportDialog dialog;
        dialog.show();
        dialog.chkSaveAsHtml->setChecked(true);
        dialog.txtFileFilter->setText(QStringLiteral("avi"));
        WhenShown<PagePropertiesDialog>([](PagePropertiesDialog *f) { f->close(); });
        dialog.Command2_Click();
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
        QVERIFY(ExportCancelled);
        QCOMPARE(Settings.dlistfilter, QStringLiteral("*.avi"));
        QCOMPARE(Settings.saveashtml, 1);
        ExportDialog again;
        QCOMPARE(again.txtFileFilter->text(), QStringLiteral("avi"));
        QVERIFY(again.chkSaveAsHtml->isChecked());
        QVERIFY(again.Option1->isChecked());
    }

    void closingCancels_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("title-bar close") << false;
        QTest::newRow("escape key") << true;
    }
    void closingCancels()
    {
        QFETCH(bool, escape);
        ExportDialog dialog;
        dialog.show();
        QVERIFY(!ExportCancelled);
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QVERIFY(ExportCancelled);
    }

    void cancelledDialogAsksNothingMore()
    {
        ScriptedDialogs dialogs;
        QuietView view;
        WhenShown<ExportDialog>([](ExportDialog *f) { f->Command1->click(); });
        ShowExportDialog(nullptr, view, QStringLiteral("/in"), QStringLiteral("/out"));
        QVERIFY(ExportCancelled);
        QVERIFY(dialogs.asked.isEmpty());
    }

    void confirmedDialogAsksForTheFile()
    {
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(QString());
        QuietView view;
        WhenShown<ExportDialog>([](ExportDialog *f) {
            f->Option2->setChecked(true);
            f->Command2->click();
        });
        ShowExportDialog(nullptr, view, QStringLiteral("/in"), QStringLiteral("/out"));
        QVERIFY(UseSourceFolder);
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked.at(0).title, QStringLiteral("Select File to Save To"));
    }
};

QTEST_MAIN(TestForm2)
#include "tst_exportdialog.moc"
