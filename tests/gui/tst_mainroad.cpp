#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/testseams.h"
#include "gui/aboutdialog.h"
#include "gui/mainwindow.h"
#include "gui/mainwindowupdates.h"
#include "gui/optionsdialog.h"
#include "gui/updateofferdialog.h"
#include "organize/organizelist.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"
#include "tags/genres.h"

#include <QtTest>

#include <memory>

// The main road through the real main window: Load, edits, the pop-up menu, Organize, and
// closing in the middle of a run.
class TestMainRoad : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir;
    QString in;
    QString out;

    void Touch(const QString &relative, const QByteArray &content = "x") {
        QVERIFY(TestEnv::WriteFile(in + QLatin1Char('/') + relative, content));
    }
    // A control of the window, found by its role.
    template <class T = QWidget> static T *Child(const QWidget &w, const char *name) {
        T *child = w.findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }
    static OrganizeList &List(MainWindow &w) { return *Child<OrganizeList>(w, "organizeList"); }
    static QTreeView *View(const MainWindow &w) { return Child<QTreeView>(w, "list"); }
    static QAbstractItemModel *Model(const MainWindow &w) { return View(w)->model(); }
    static QString Cell(MainWindow &w, int row, int column) {
        return Model(w)->index(row, column).data().toString();
    }
    static void Click(const QWidget &w, const char *name) {
        QTest::mouseClick(Child(w, name), Qt::LeftButton, {}, QPoint(4, 4));
    }
    void Fill(MainWindow &w, int files) {
        for (int i = 0; i < files; ++i)
            Touch(QStringLiteral("Artist%1 - Song.mp3").arg(i, 3, 10, QLatin1Char('0')));
        w.setSourceFolder(in);
        w.setOutFolder(out);
    }
    void Select(MainWindow &w, int row) { View(w)->setCurrentIndex(Model(w)->index(row, 0)); }

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        LoadSettings();
        LoadGenres();
        SettingsStore::Save(Keys::firstrun, QStringLiteral("no"));
        static const struct NoPause final : TestSeams {
            int FinishPauseMs() const override { return 0; }
        } noPause;
        InstallTestSeams(&noPause);
    }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        in = dir->filePath(QStringLiteral("in"));
        out = dir->filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(in) && QDir().mkpath(out));
        Settings.recursivesearch = 0;
        Settings.renamefolders = 0;
        Settings.deleteold = 1;
        Settings.promptremove = 1;
        Settings.autoadd = 0;
    }

    void loadFillsTheList() {
        Touch(QStringLiteral("Corvelle - Song.mp3"));
        Touch(QStringLiteral("---.mp3"));
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.setSourceFolder(in);
        Click(w, "loadButton");
        QCOMPARE(Model(w)->rowCount(), 2);
        QCOMPARE(Cell(w, 0, 1), QStringLiteral("---.mp3"));
        QCOMPARE(Cell(w, 1, 0), QStringLiteral("Corvelle"));
        // A click on the bad row says why it is bad.
        const QRect r = View(w)->visualRect(Model(w)->index(0, 1));
        QTest::mouseClick(View(w)->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(w.statusText(1).startsWith(QStringLiteral("Error: Sortiva Was Unable")));
    }

    void editInPlace() {
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 2);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Click(w, "loadButton");
        Select(w, 0);
        QCOMPARE(List(w).Selected(), 0);
        View(w)->edit(Model(w)->index(0, 0));
        auto *editor = View(w)->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("vance orrin"));
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits the edit through a queued call.
        QTRY_COMPARE(Cell(w, 0, 0), QStringLiteral("Vance Orrin"));
        QCOMPARE(Cell(w, 1, 0), QStringLiteral("Artist001"));
    }

    void popupMenuFollowsTheRow_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("tagVisible");
        QTest::addColumn<bool>("playVisible");
        QTest::newRow("clip.mpeg") << "clip.mpeg" << false << true;
        QTest::newRow("song.MP3") << "Corvelle - song.MP3" << true << true;
        QTest::newRow("setup.exe") << "setup.exe" << false << false;
    }
    void popupMenuFollowsTheRow() {
        QFETCH(QString, file);
        QFETCH(bool, tagVisible);
        QFETCH(bool, playVisible);
        Touch(file);
        Settings.filter = QStringLiteral("*.*");
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        Fill(w, 0);
        Click(w, "loadButton");
        Select(w, 0);
        emit View(w)->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(Child<QAction>(w, "playAction")->isVisible(), playVisible);
        QCOMPARE(Child<QAction>(w, "viewTagAction")->isVisible(), tagVisible);
        QVERIFY(!Child<QAction>(w, "errorDetailsAction")->isVisible());
        Child<QMenu>(w, "listMenu")->close();
    }

    void organizeThroughTheWindow() {
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 3);
        Click(w, "loadButton");
        dialogs.AnswerMessage(MsgResult::Yes);
        Click(w, "organizeButton");
        QCOMPARE(Model(w)->rowCount(), 0);
        QVERIFY(QFile::exists(out + QStringLiteral("/Artist002/Artist002 - Song.mp3")));
        QVERIFY(dialogs.MessageTexts().last().endsWith(QStringLiteral("Has Organized 3 Files.")));
        QVERIFY(Child(w, "loadButton")->isEnabled());
    }

    void stoppingALoad_data() {
        QTest::addColumn<bool>("closing");
        QTest::newRow("closing the window cancels, then closes") << true;
        QTest::newRow("a second click on Load cancels") << false;
    }
    void stoppingALoad() {
        QFETCH(bool, closing);
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 250);
        w.show();
        // The close or the click arrives in the load's first yield, while the window is locked.
        QStringList locked;
        QTimer::singleShot(0, &w, [&w, &locked, closing] {
            for (const char *name : {"organizeButton", "optionsLink", "editButton", "list"})
                if (!Child(w, name)->isEnabled())
                    locked << QLatin1String(name);
            if (closing)
                w.close();
            else
                Click(w, "loadButton");
        });
        Click(w, "loadButton");
        QCOMPARE(locked, (QStringList{"organizeButton", "optionsLink", "editButton"}));
        QVERIFY(List(w).Count() < 250);
        QVERIFY(Child(w, "organizeButton")->isEnabled());
        // Only a cancelled load ends with its message; a closing one ends quietly.
        QCOMPARE(dialogs.MessageTexts().size(), closing ? 0 : 1);
        if (closing)
            QTRY_VERIFY(!w.isVisible());
    }

    void closingDuringOrganizeFinishesTheRowInHand() {
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 5);
        w.show();
        Click(w, "loadButton");
        dialogs.asked.clear();
        dialogs.AnswerMessage(MsgResult::Yes);
        QTimer::singleShot(0, &w, [&w] { w.close(); });
        Click(w, "organizeButton");
        // The first row was in hand when the close came; it is finished, nothing else moves.
        QCOMPARE(List(w).Count(), 4);
        QVERIFY(QFile::exists(out + QStringLiteral("/Artist000/Artist000 - Song.mp3")));
        QCOMPARE(QDir(in).entryList(QDir::Files).size(), 4);
        QCOMPARE(dialogs.MessageTexts().size(), 1); // only the confirmation
        QTRY_VERIFY(!w.isVisible());
    }

    // Closing saves the settings and closes the other windows without a question: edits in
    // the Options window not yet applied are dropped.
    void closingSavesSettingsAndClosesOtherWindows() {
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult::Yes); // a first start offers the Options window
        SettingsStore::Save(Keys::firstrun, QString());
        MainWindow w;
        w.showAtStartup();
        Click(w, "logo");
        Click(w, "logo");
        QCOMPARE(w.findChildren<AboutDialog *>().size(), 1);
        QVERIFY(AboutDialog::instance()->isVisible() && OptionsDialog::instance());
        Child<QCheckBox>(*OptionsDialog::instance(), "autoAddBox")->click();
        Settings.dashoption = 2;
        QVERIFY(w.close());
        QCOMPARE(SettingsStore::Get(Keys::dashoption), QStringLiteral("2"));
        QTRY_VERIFY(!AboutDialog::instance() || !AboutDialog::instance()->isVisible());
        QTRY_VERIFY(!OptionsDialog::instance());
        QCOMPARE(Settings.autoadd, 0);
        QCOMPARE(dialogs.asked.size(), 1);
    }

    // Once the setup program has started, the hidden window closes and the program ends.
    void installEndsTheProgram() {
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        auto *host = new MainWindowUpdates(&w, w, nullptr);
        QTimer::singleShot(0, host, [host] {
            host->SetMainWindowVisible(false);
            host->CloseMainWindow();
        });
        QTimer stillRunning; // only fires when the program would go on unseen
        connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        stillRunning.start(20000);
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    // Whatever the update server sends is shown as it is, markup included.
    void offerShowsServerTextAsText() {
        UpdateOfferDialog offer;
        offer.setOffer({"<b>1</b>", "<i>2</i>", "<u>3</u>", "<h1>30 November 2026</h1>"});
        for (const char *name : {"currentVersionLabel", "versionLabel", "sizeLabel", "dateLabel"})
            QCOMPARE(Child<QLabel>(offer, name)->textFormat(), Qt::PlainText);
        QCOMPARE(Child<QLabel>(offer, "dateLabel")->text(), "<h1>30 November 2026</h1>");
    }
};

QTEST_MAIN(TestMainRoad)
#include "tst_mainroad.moc"
