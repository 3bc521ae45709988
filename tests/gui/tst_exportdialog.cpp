#include "gui/exportdialog.h"

#include "base/progressview.h"
#include "base/settings.h"
#include "gui/exportcommand.h"
#include "gui/pagepropertiesdialog.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {
class QuietView final : public ProgressView {
  public:
    void Status(int, const QString &) override {}
    void SetProgressMax(int) override {}
    void SetProgress(int) override {}
    void EnableButtons(bool) override {}
};

// Runs @p action on the next modal dialog of type T as soon as it is shown.
template <typename T> void WhenShown(std::function<void(T *)> action, int *shown = nullptr) {
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

// The widget of @p dialog named @p name; tests find widgets by their role.
template <typename T> T *Find(QWidget *dialog, const char *name) {
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QLineEdit *FilterEdit(QWidget *d) {
    return Find<QLineEdit>(d, "filterEdit");
}
QComboBox *PresetCombo(QWidget *d) {
    return Find<QComboBox>(d, "presetCombo");
}
QRadioButton *OrganizeToRadio(QWidget *d) {
    return Find<QRadioButton>(d, "organizeToRadio");
}
QRadioButton *SourceMediaRadio(QWidget *d) {
    return Find<QRadioButton>(d, "sourceMediaRadio");
}
QCheckBox *SaveAsHtmlCheck(QWidget *d) {
    return Find<QCheckBox>(d, "saveAsHtmlCheck");
}
QCheckBox *NoEmptyCheck(QWidget *d) {
    return Find<QCheckBox>(d, "noEmptyCheck");
}
QPushButton *ExportButton(QWidget *d) {
    return Find<QPushButton>(d, "exportButton");
}
QPushButton *CancelButton(QWidget *d) {
    return Find<QPushButton>(d, "cancelButton");
}
QPushButton *PageOkButton(QWidget *d) {
    return Find<QPushButton>(d, "okButton");
}
} // namespace

class TestExportDialog : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init() {
        Settings = SettingsRecord();
        Settings.dlistfilter = QStringLiteral("*.mp3;*.wav");
        Settings.saveashtml = 0;
        Settings.noempty = 1;
        HtmlPageSettings.align = QStringLiteral("center");
    }

    void opensWithTheStoredChoices() {
        ExportDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Tabulo Lite"));
        QCOMPARE(FilterEdit(&dialog)->text(), QStringLiteral("mp3,wav"));
        QVERIFY(!SaveAsHtmlCheck(&dialog)->isChecked());
        QVERIFY(NoEmptyCheck(&dialog)->isChecked());
        QVERIFY(OrganizeToRadio(&dialog)->isChecked());
        QVERIFY(!SourceMediaRadio(&dialog)->isChecked());
        QCOMPARE(PresetCombo(&dialog)->currentText(), QStringLiteral("Default"));
        QCOMPARE(PresetCombo(&dialog)->count(), 13);
        QCOMPARE(PresetCombo(&dialog)->itemText(12), QStringLiteral("Music, Movies And Pictures"));
        QCOMPARE(dialog.listedFolder(), ListedFolder::OrganizeTo);
    }

    void presets_data() {
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QString>("typed"); // typed after the first pick
        QTest::addColumn<QString>("expected");
        QTest::newRow("a preset replaces the filter") << QList<int>{2} << ""
                                                      << "mp3,mp4,mid,ogg,vob,wma,wav";
        QTest::newRow("the same preset again keeps typed text") << QList<int>{2, 2} << "mp3,flac"
                                                                << "mp3,flac";
        QTest::newRow("another preset replaces typed text") << QList<int>{2, 8} << "mp3,flac"
                                                            << "torrent,ini,dat";
        QTest::newRow("All lists everything") << QList<int>{0} << ""
                                              << "*";
        QTest::newRow("a position outside the list changes nothing") << QList<int>{13} << ""
                                                                     << "mp3,wav";
    }
    void presets() {
        QFETCH(QList<int>, picks);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        ExportDialog dialog;
        for (int i = 0; i < picks.size(); ++i) {
            emit PresetCombo(&dialog)->activated(picks.at(i));
            if (i == 0 && !typed.isEmpty()) {
                FilterEdit(&dialog)->clear();
                QTest::keyClicks(FilterEdit(&dialog), typed);
            }
        }
        QCOMPARE(FilterEdit(&dialog)->text(), expected);
    }

    void whatsThis() {
        ScriptedDialogs dialogs;
        ExportDialog dialog;
        dialog.showHelp();
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(dialogs.asked.at(0).text.startsWith(
            QStringLiteral("Tabulo Lite (Tabulon) is a small utility that lets you list all")));
        QVERIFY(dialogs.asked.at(0).text.endsWith(
            QStringLiteral("depending on your 'Search Folder' selection.")));
        QCOMPARE(dialogs.asked.at(0).icon, MsgIcon::Information);
        QCOMPARE(dialogs.asked.at(0).buttons, MsgButtons::Ok);
    }

    void okTakesTheChoices_data() {
        QTest::addColumn<bool>("source");
        QTest::addColumn<bool>("noEmpty");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("patterns");
        QTest::newRow("source folder, blanks in the list") << true << false << "mp3, ogg"
                                                           << "*.mp3;*.ogg";
        QTest::newRow("organize-to folder, empty list means all") << false << true << ""
                                                                  << "*.*";
    }
    void okTakesTheChoices() {
        QFETCH(bool, source);
        QFETCH(bool, noEmpty);
        QFETCH(QString, typed);
        QFETCH(QString, patterns);
        ExportDialog dialog;
        dialog.show();
        (source ? SourceMediaRadio(&dialog) : OrganizeToRadio(&dialog))->setChecked(true);
        NoEmptyCheck(&dialog)->setChecked(noEmpty);
        FilterEdit(&dialog)->setText(typed);
        QTest::mouseClick(ExportButton(&dialog), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.listedFolder(),
                 source ? ListedFolder::SourceMedia : ListedFolder::OrganizeTo);
        QCOMPARE(Settings.noempty, noEmpty ? 1 : 0);
        QCOMPARE(Settings.saveashtml, 0);
        QCOMPARE(Settings.dlistfilter, patterns);
    }

    void cancelledPageLookKeepsTheDialogOpen() {
        ExportDialog dialog;
        dialog.show();
        SaveAsHtmlCheck(&dialog)->setChecked(true);
        FilterEdit(&dialog)->setText(QStringLiteral("avi"));
        int shown = 0;
        WhenShown<PagePropertiesDialog>([](auto *f) { CancelButton(f)->click(); }, &shown);
        dialog.confirm();
        QCOMPARE(shown, 1);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        // OK again reopens the page look; its OK ends the dialog.
        WhenShown<PagePropertiesDialog>([](auto *f) { PageOkButton(f)->click(); }, &shown);
        dialog.confirm();
        QCOMPARE(shown, 2);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void secondOkFollowsTheFolderChoice() {
        ExportDialog dialog;
        dialog.show();
        SaveAsHtmlCheck(&dialog)->setChecked(true);
        SourceMediaRadio(&dialog)->setChecked(true);
        WhenShown<PagePropertiesDialog>([](auto *f) { CancelButton(f)->click(); });
        dialog.confirm();
        QCOMPARE(dialog.listedFolder(), ListedFolder::SourceMedia);
        OrganizeToRadio(&dialog)->setChecked(true);
        WhenShown<PagePropertiesDialog>([](auto *f) { PageOkButton(f)->click(); });
        dialog.confirm();
        QCOMPARE(dialog.listedFolder(), ListedFolder::OrganizeTo);
    }

    void cancelAfterAnEarlierOkKeepsItsChoices() {
        ExportDialog dialog;
        dialog.show();
        SaveAsHtmlCheck(&dialog)->setChecked(true);
        FilterEdit(&dialog)->setText(QStringLiteral("avi"));
        WhenShown<PagePropertiesDialog>([](PagePropertiesDialog *f) { f->close(); });
        dialog.confirm();
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(CancelButton(&dialog), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(Settings.dlistfilter, QStringLiteral("*.avi"));
        QCOMPARE(Settings.saveashtml, 1);
        ExportDialog again;
        QCOMPARE(FilterEdit(&again)->text(), QStringLiteral("avi"));
        QVERIFY(SaveAsHtmlCheck(&again)->isChecked());
        QVERIFY(OrganizeToRadio(&again)->isChecked());
    }

    void closingCancels_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("title-bar close") << false;
        QTest::newRow("escape key") << true;
    }
    void closingCancels() {
        QFETCH(bool, escape);
        WhenShown<ExportDialog>([escape](ExportDialog *f) {
            if (escape)
                QTest::keyClick(f, Qt::Key_Escape);
            else
                f->close();
        });
        ExportDialog dialog;
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void cancelledDialogAsksNothingMore() {
        ScriptedDialogs dialogs;
        QuietView view;
        WhenShown<ExportDialog>([](ExportDialog *f) { CancelButton(f)->click(); });
        ShowExportDialog(nullptr, view, QStringLiteral("/in"), QStringLiteral("/out"));
        QVERIFY(dialogs.asked.isEmpty());
    }

    void confirmedDialogExportsTheChosenFolder() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(dir.filePath(QStringLiteral("list.txt")));
        QuietView view;
        WhenShown<ExportDialog>([](ExportDialog *f) {
            SourceMediaRadio(f)->setChecked(true);
            ExportButton(f)->click();
        });
        ShowExportDialog(nullptr, view, QStringLiteral("/in"), QStringLiteral("/out"));
        QCOMPARE(dialogs.asked.size(), 2);
        QCOMPARE(dialogs.asked.at(0).title, QStringLiteral("Select File to Save To"));
        // The source folder of the main window was the one searched.
        QCOMPARE(dialogs.MessageTexts(), QStringList{"Unable to read directory! (/in)"});
    }
};

QTEST_MAIN(TestExportDialog)
#include "tst_exportdialog.moc"
