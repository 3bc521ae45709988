#include "base/appinfo.h"
#include "gui/mainwindow.h"
#include "gui/aboutdialog.h"
#include "gui/linklabel.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "gui/twips.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

class TstForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestEnv::IsolateSettings();
        LoadSettings();
    }

    void init() { TestEnv::ClearStore(); }

    void captionAndVersionAfterLoad()
    {
        ScriptedDialogs dialogs;
        SettingsStore::Save(Keys::firstrun, QStringLiteral("no"));
        MainWindow w;
        w.Form_Load();
        QCOMPARE(w.windowTitle(), QStringLiteral("Sortiva Media Organizer\u2122 (1.4.1)"));
        QCOMPARE(w.lblVersion->text(), AppVersionString());
        QVERIFY(w.isVisible());
    }

    void controlsCarryTheirCaptionsAndTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("load keeps trailing blanks")
            << "cmdLoad" << "1. Load    " << "Load The \"Source Media\" Folder Path Into The List";
        QTest::newRow("organize keeps leading blanks")
            << "cmdOrganize" << "  2. Organize"
            << "Organize The Files In The List Into The \"Organize To\" Folder...";
        QTest::newRow("media browse") << "cmdMediaBrowse" << "..." << "Browse For Folder";
        QTest::newRow("out browse") << "cmdOutBrowse" << "..." << "Browse For Folder";
        QTest::newRow("edit") << "cmdEdit" << "Edit" << "Edit An Item In The List";
        QTest::newRow("remove") << "cmdRemove" << "Remove" << "Remove Item From List";
    }

    void controlsCarryTheirCaptionsAndTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        MainWindow w;
        auto *b = w.findChild<QPushButton *>(name);
        QVERIFY(b);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->toolTip(), tip);
    }

    void linksAndFieldsAsDesigned()
    {
        MainWindow w;
        QCOMPARE(w.Label1->text(), QStringLiteral("Edit Program Options"));
        QCOMPARE(w.lblExport->text(), QStringLiteral("Export To Text/Html"));
        QCOMPARE(w.Label2->text(), QStringLiteral("Quick Filter Settings"));
        QCOMPARE(w.Label3->text(), QStringLiteral("Check For Updates"));
        QCOMPARE(w.lblText[0]->text(), QStringLiteral("Source Media Folder:"));
        QCOMPARE(w.lblText[1]->text(), QStringLiteral("Organize To Folder:"));
        QCOMPARE(w.txtMediaFolder->toolTip(),
                 QStringLiteral("Path To The Folder That You Wish To Organize"));
        QCOMPARE(w.Image2->toolTip(), QStringLiteral("View The Help File"));
        // White on 0xFF8080 (0x00BBGGRR): red 128, green 128, blue 255.
        QCOMPARE(w.Label1->palette().color(QPalette::Window), QColor(128, 128, 255));
        QCOMPARE(w.Label1->TextColor(), QColor(Qt::white));
    }

    void pressFeedbackTurnsTheLinkRedWhileHeld_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("feedback");
        QTest::newRow("options link") << "Label1" << true;
        QTest::newRow("filter link") << "Label2" << true;
        QTest::newRow("export link") << "lblExport" << true;
        QTest::newRow("update link has none") << "Label3" << false;
    }

    void pressFeedbackTurnsTheLinkRedWhileHeld()
    {
        QFETCH(QString, name);
        QFETCH(bool, feedback);
        MainWindow w;
        w.show();
        auto *l = w.findChild<LinkLabel *>(name);
        QVERIFY(l);
        QTest::mousePress(l, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(l->TextColor(), feedback ? QColor(255, 0, 0) : QColor(Qt::white));
        // Released outside, so no window opens; the colour comes back all the same.
        QTest::mouseRelease(l, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(l->TextColor(), QColor(Qt::white));
    }

    void minimumWindowSizeIs7000By5000Twips()
    {
        MainWindow w;
        w.show();
        w.resize(10, 10);
        QCoreApplication::processEvents();
        const QSize outer = w.OuterTwips();
        QVERIFY2(qAbs(outer.width() - 7010) <= 20 && qAbs(outer.height() - 5010) <= 20,
                 qPrintable(QStringLiteral("%1x%2").arg(outer.width()).arg(outer.height())));
    }

    void resizeRulesMoveTheListAndProgressRow()
    {
        MainWindow w;
        w.show();
        w.resize(Twips(&w, 12000), Twips(&w, 9000));
        QCoreApplication::processEvents();
        const QSize outer = w.OuterTwips();
        const auto twipsOf = [&](int px) { return ToTwips(&w, px); };
        QVERIFY(qAbs(twipsOf(w.lvFiles->width()) - (outer.width() - 200)) <= 15);
        QVERIFY(qAbs(twipsOf(w.lvFiles->height()) - (outer.height() - 3400)) <= 15);
        QVERIFY(qAbs(twipsOf(w.ProgressBar1->y()) -
                     (twipsOf(w.lvFiles->y() + w.lvFiles->height()) + 100)) <= 30);
        QCOMPARE(w.cmdEdit->y(), w.ProgressBar1->y());
        QCOMPARE(w.cmdRemove->y(), w.cmdEdit->y());
        QVERIFY(w.cmdRemove->x() > w.cmdEdit->x() + w.cmdEdit->width());
        QCOMPARE(w.txtOutFolder->width(), w.txtMediaFolder->width());
        // Everything stays inside the window.
        QVERIFY(w.cmdRemove->geometry().right() < w.width());
        QVERIFY(w.fraCommand->geometry().right() < w.width());
    }

    void progressOperationsRefuseWhatTheBarCannotShow_data()
    {
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expectMax");
        QTest::addColumn<int>("expectValue");
        QTest::newRow("normal") << 50 << 20 << 50 << 20;
        QTest::newRow("maximum 0 keeps the old maximum") << 0 << 0 << 100 << 0;
        QTest::newRow("value above maximum refused") << 10 << 11 << 10 << 0;
        QTest::newRow("negative value refused") << 10 << -1 << 10 << 0;
        QTest::newRow("value equal to maximum") << 10 << 10 << 10 << 10;
    }

    void progressOperationsRefuseWhatTheBarCannotShow()
    {
        QFETCH(int, max);
        QFETCH(int, value);
        QFETCH(int, expectMax);
        QFETCH(int, expectValue);
        MainWindow w;
        w.SetProgressMax(100);
        w.SetProgress(40);
        w.SetProgressMax(max);
        QCOMPARE(w.ProgressBar1->value(), 0);
        w.SetProgress(value);
        QCOMPARE(w.ProgressBar1->maximum(), expectMax);
        QCOMPARE(w.ProgressBar1->value(), expectValue);
    }

    void enableButtonsLocksCommandsButNotFieldsOrList()
    {
        MainWindow w;
        w.EnableButtons(false);
        const QList<QWidget *> commands{w.cmdOrganize, w.lblExport,      w.Label1,
                                        w.Label2,      w.Label3,         w.cmdMediaBrowse,
                                        w.cmdOutBrowse, w.cmdLoad,       w.cmdRemove, w.cmdEdit};
        for (QWidget *c : commands)
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
        for (QWidget *c : {static_cast<QWidget *>(w.txtMediaFolder), static_cast<QWidget *>(w.txtOutFolder),
                           static_cast<QWidget *>(w.lvFiles)})
            QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
        w.EnableButtons(true);
        for (QWidget *c : commands)
            QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
    }

    void typingAFolderStoresItAtOnce()
    {
        MainWindow w;
        QTest::keyClicks(w.txtMediaFolder, QStringLiteral("/m"));
        QCOMPARE(Settings.inpath, QStringLiteral("/m"));
        QCOMPARE(SettingsStore::Get(Keys::inpath), QStringLiteral("/m"));
        w.txtOutFolder->setText(QStringLiteral("/out"));
        QCOMPARE(Settings.outpath, QStringLiteral("/out"));
        QCOMPARE(SettingsStore::Get(Keys::outpath), QStringLiteral("/out"));
    }

    void helpIconShowsItsMessage()
    {
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        QTest::mouseClick(w.Image2, Qt::LeftButton);
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked[0].text,
                 QStringLiteral("Help is not yet implemented in this version. See the included "
                                "readme.txt file for more information, help, and tips."));
        QCOMPARE(dialogs.asked[0].icon, MsgIcon::Information);
        QCOMPARE(dialogs.asked[0].title, QStringLiteral("Sortiva Media Organizer"));
    }

    void logoOpensOneAboutWindow()
    {
        MainWindow w;
        w.show();
        QTest::mouseClick(w.Image1, Qt::LeftButton);
        QTest::mouseClick(w.Image1, Qt::LeftButton);
        QVERIFY(AboutDialog::Instance());
        QCOMPARE(w.findChildren<AboutDialog *>().size(), 1);
        QVERIFY(AboutDialog::Instance()->lblVersion->text().contains(AppVersionString()));
    }

    void closingSavesSettingsAndClosesOtherWindows()
    {
        ScriptedDialogs dialogs;
        SettingsStore::Save(Keys::firstrun, QStringLiteral("no"));
        MainWindow w;
        w.Form_Load();
        QTest::mouseClick(w.Image1, Qt::LeftButton);
        QVERIFY(AboutDialog::Instance() && AboutDialog::Instance()->isVisible());
        Settings.dashoption = 2;
        QVERIFY(w.close());
        QCOMPARE(SettingsStore::Get(Keys::dashoption), QStringLiteral("2"));
        QCOMPARE(SettingsStore::Get(Keys::removesubs), QString::number(Settings.removesubs));
        QTRY_VERIFY(!AboutDialog::Instance() || !AboutDialog::Instance()->isVisible());
        QCOMPARE(dialogs.unanswered, 0);
        Settings.dashoption = 0;
    }
};

QTEST_MAIN(TstForm1)
#include "tst_mainwindow.moc"
