#include "base/appinfo.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "gui/aboutdialog.h"
#include "gui/linklabel.h"
#include "gui/mainwindow.h"
#include "gui/twips.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

namespace {
// A control of the window, found by its role.
template <class T = QWidget> T *Child(const QWidget &window, const char *name) {
    T *child = window.findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}
} // namespace

class TstMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        LoadSettings();
    }

    void init() { TestEnv::ClearStore(); }

    void captionAndVersionAfterLoad() {
        ScriptedDialogs dialogs;
        SettingsStore::Save(Keys::firstrun, QStringLiteral("no"));
        MainWindow w;
        w.showAtStartup();
        QCOMPARE(w.windowTitle(), QStringLiteral("Sortiva Media Organizer\u2122 (1.4.1)"));
        QCOMPARE(Child<QLabel>(w, "versionLabel")->text(), AppVersionString());
        QVERIFY(w.isVisible());
    }

    void controlsCarryTheirCaptionsAndTips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("load keeps trailing blanks")
            << "loadButton"
            << "1. Load    "
            << "Load The \"Source Media\" Folder Path Into The List";
        QTest::newRow("organize keeps leading blanks")
            << "organizeButton"
            << "  2. Organize"
            << "Organize The Files In The List Into The \"Organize To\" Folder...";
        QTest::newRow("source browse") << "sourceBrowseButton"
                                       << "..."
                                       << "Browse For Folder";
        QTest::newRow("out browse") << "outBrowseButton"
                                    << "..."
                                    << "Browse For Folder";
        QTest::newRow("edit") << "editButton"
                              << "Edit"
                              << "Edit An Item In The List";
        QTest::newRow("remove") << "removeButton"
                                << "Remove"
                                << "Remove Item From List";
    }

    void controlsCarryTheirCaptionsAndTips() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        MainWindow w;
        auto *b = w.findChild<QPushButton *>(name);
        QVERIFY(b);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->toolTip(), tip);
    }

    void linksAndFieldsCarryTheirTexts() {
        MainWindow w;
        QCOMPARE(Child<QLabel>(w, "optionsLink")->text(), QStringLiteral("Edit Program Options"));
        QCOMPARE(Child<QLabel>(w, "exportLink")->text(), QStringLiteral("Export To Text/Html"));
        QCOMPARE(Child<QLabel>(w, "filterLink")->text(), QStringLiteral("Quick Filter Settings"));
        QCOMPARE(Child<QLabel>(w, "updateLink")->text(), QStringLiteral("Check For Updates"));
        QCOMPARE(Child<QLabel>(w, "sourceFolderLabel")->text(),
                 QStringLiteral("Source Media Folder:"));
        QCOMPARE(Child<QLabel>(w, "outFolderLabel")->text(), QStringLiteral("Organize To Folder:"));
        QCOMPARE(Child(w, "sourceFolderEdit")->toolTip(),
                 QStringLiteral("Path To The Folder That You Wish To Organize"));
        QCOMPARE(Child(w, "helpIcon")->toolTip(), QStringLiteral("View The Help File"));
        // White on 0xFF8080 (0x00BBGGRR): red 128, green 128, blue 255.
        auto *options = Child<LinkLabel>(w, "optionsLink");
        QCOMPARE(options->palette().color(QPalette::Window), QColor(128, 128, 255));
        QCOMPARE(options->textColor(), QColor(Qt::white));
    }

    void pressFeedbackTurnsTheLinkRedWhileHeld_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("feedback");
        QTest::newRow("options link") << "optionsLink" << true;
        QTest::newRow("filter link") << "filterLink" << true;
        QTest::newRow("export link") << "exportLink" << true;
        QTest::newRow("update link has none") << "updateLink" << false;
    }

    void pressFeedbackTurnsTheLinkRedWhileHeld() {
        QFETCH(QString, name);
        QFETCH(bool, feedback);
        MainWindow w;
        w.show();
        auto *l = w.findChild<LinkLabel *>(name);
        QVERIFY(l);
        QTest::mousePress(l, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(l->textColor(), feedback ? QColor(255, 0, 0) : QColor(Qt::white));
        // Released outside, so no window opens; the colour comes back all the same.
        QTest::mouseRelease(l, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(l->textColor(), QColor(Qt::white));
    }

    void minimumWindowSizeIs7000By5000Twips() {
        MainWindow w;
        w.show();
        w.resize(10, 10);
        QCoreApplication::processEvents();
        const QSize outer = w.outerTwips();
        QVERIFY2(qAbs(outer.width() - 7010) <= 20 && qAbs(outer.height() - 5010) <= 20,
                 qPrintable(QStringLiteral("%1x%2").arg(outer.width()).arg(outer.height())));
    }

    void resizeRulesMoveTheListAndProgressRow() {
        MainWindow w;
        w.show();
        w.resize(Twips(&w, 12000), Twips(&w, 9000));
        QCoreApplication::processEvents();
        const QSize outer = w.outerTwips();
        const auto twipsOf = [&](int px) { return ToTwips(&w, px); };
        const QWidget *list = Child(w, "list");
        const QWidget *progress = Child(w, "progressBar");
        const QWidget *edit = Child(w, "editButton");
        const QWidget *remove = Child(w, "removeButton");
        QVERIFY(qAbs(twipsOf(list->width()) - (outer.width() - 200)) <= 15);
        QVERIFY(qAbs(twipsOf(list->height()) - (outer.height() - 3400)) <= 15);
        QVERIFY(qAbs(twipsOf(progress->y()) - (twipsOf(list->y() + list->height()) + 100)) <= 30);
        QCOMPARE(edit->y(), progress->y());
        QCOMPARE(remove->y(), edit->y());
        QVERIFY(remove->x() > edit->x() + edit->width());
        QCOMPARE(Child(w, "outFolderEdit")->width(), Child(w, "sourceFolderEdit")->width());
        // Everything stays inside the window.
        QVERIFY(remove->geometry().right() < w.width());
        QVERIFY(Child(w, "commandFrame")->geometry().right() < w.width());
    }

    void progressOperationsRefuseWhatTheBarCannotShow_data() {
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

    void progressOperationsRefuseWhatTheBarCannotShow() {
        QFETCH(int, max);
        QFETCH(int, value);
        QFETCH(int, expectMax);
        QFETCH(int, expectValue);
        MainWindow w;
        w.SetProgressMax(100);
        w.SetProgress(40);
        w.SetProgressMax(max);
        auto *bar = Child<QProgressBar>(w, "progressBar");
        QCOMPARE(bar->value(), 0);
        w.SetProgress(value);
        QCOMPARE(bar->maximum(), expectMax);
        QCOMPARE(bar->value(), expectValue);
    }

    void enableButtonsLocksCommandsButNotFieldsOrList() {
        MainWindow w;
        w.EnableButtons(false);
        QList<QWidget *> commands;
        for (const char *name :
             {"organizeButton", "exportLink", "optionsLink", "filterLink", "updateLink",
              "sourceBrowseButton", "outBrowseButton", "loadButton", "removeButton", "editButton"})
            commands << Child(w, name);
        for (QWidget *c : commands)
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
        for (const char *name : {"sourceFolderEdit", "outFolderEdit", "list"})
            QVERIFY2(Child(w, name)->isEnabled(), name);
        w.EnableButtons(true);
        for (QWidget *c : commands)
            QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
    }

    void typingAFolderStoresItAtOnce() {
        MainWindow w;
        QTest::keyClicks(Child(w, "sourceFolderEdit"), QStringLiteral("/m"));
        QCOMPARE(Settings.inpath, QStringLiteral("/m"));
        QCOMPARE(SettingsStore::Get(Keys::inpath), QStringLiteral("/m"));
        w.setOutFolder(QStringLiteral("/out"));
        QCOMPARE(Settings.outpath, QStringLiteral("/out"));
        QCOMPARE(SettingsStore::Get(Keys::outpath), QStringLiteral("/out"));
    }

    void helpIconShowsItsMessage() {
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        QTest::mouseClick(Child(w, "helpIcon"), Qt::LeftButton);
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked[0].text,
                 QStringLiteral("Help is not yet implemented in this version. See the included "
                                "readme.txt file for more information, help, and tips."));
        QCOMPARE(dialogs.asked[0].icon, MsgIcon::Information);
        QCOMPARE(dialogs.asked[0].title, QStringLiteral("Sortiva Media Organizer"));
    }

    void logoOpensOneAboutWindow() {
        MainWindow w;
        w.show();
        QTest::mouseClick(Child(w, "logo"), Qt::LeftButton);
        QTest::mouseClick(Child(w, "logo"), Qt::LeftButton);
        QVERIFY(AboutDialog::instance());
        QCOMPARE(w.findChildren<AboutDialog *>().size(), 1);
        QVERIFY(Child<QLabel>(*AboutDialog::instance(), "versionLabel")
                    ->text()
                    .contains(AppVersionString()));
    }

    void closingSavesSettingsAndClosesOtherWindows() {
        ScriptedDialogs dialogs;
        SettingsStore::Save(Keys::firstrun, QStringLiteral("no"));
        MainWindow w;
        w.showAtStartup();
        QTest::mouseClick(Child(w, "logo"), Qt::LeftButton);
        QVERIFY(AboutDialog::instance() && AboutDialog::instance()->isVisible());
        Settings.dashoption = 2;
        QVERIFY(w.close());
        QCOMPARE(SettingsStore::Get(Keys::dashoption), QStringLiteral("2"));
        QCOMPARE(SettingsStore::Get(Keys::removesubs), QString::number(Settings.removesubs));
        QTRY_VERIFY(!AboutDialog::instance() || !AboutDialog::instance()->isVisible());
        QCOMPARE(dialogs.unanswered, 0);
        Settings.dashoption = 0;
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
