#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/testseams.h"
#include "gui/aboutdialog.h"
#include "gui/mainwindow.h"
#include "gui/mainwindowupdates.h"
#include "gui/optionsdialog.h"
#include "gui/qtdialogs.h"
#include "gui/updateofferdialog.h"
#include "organize/organizelist.h"
#include "organize/organizelock.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"
#include "tags/genres.h"

#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

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

    void cleanup() {
        // Qt cannot remove names that are not UTF-8; the standard library takes bytes.
        std::filesystem::remove_all(QFile::encodeName(dir->path()).constData());
    }

    void loadFillsTheList() {
        Touch(QStringLiteral("Corvelle - Song.mp3"));
        Touch(QStringLiteral("---.mp3"));
        // A name copied from an old Windows share: Latin-1 bytes, read as such.
        QVERIFY(std::ofstream(
                    QByteArray(QFile::encodeName(in) + "/Caf\xe9 Tacuba - Eres.mp3").constData())
                << "x");
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.setSourceFolder(in);
        Click(w, "loadButton");
        QCOMPARE(Model(w)->rowCount(), 3);
        QCOMPARE(Cell(w, 0, 1), QStringLiteral("---.mp3"));
        QCOMPARE(Cell(w, 1, 0), QStringLiteral("Caf\u00e9 Tacuba"));
        QCOMPARE(Cell(w, 1, 1), QStringLiteral("Caf\u00e9 Tacuba - Eres.mp3"));
        QCOMPARE(Cell(w, 2, 0), QStringLiteral("Corvelle"));
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

    void organizeThroughTheWindow_data() {
        QTest::addColumn<bool>("otherRun");
        QTest::newRow("alone") << false;
        QTest::newRow("while another run holds the folder") << true;
    }
    void organizeThroughTheWindow() {
        QFETCH(bool, otherRun);
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 3);
        Click(w, "loadButton");
        std::optional<OrganizeLock> other;
        if (otherRun)
            other.emplace(in);
        dialogs.AnswerMessage(MsgResult::Yes);
        Click(w, "organizeButton");
        QCOMPARE(Model(w)->rowCount(), otherRun ? 3 : 0);
        QCOMPARE(QFile::exists(out + QStringLiteral("/Artist002/Artist002 - Song.mp3")), !otherRun);
        QVERIFY(dialogs.MessageTexts().last().endsWith(
            otherRun ? OrganizeBusyText() : QStringLiteral("Has Organized 3 Files.")));
        QVERIFY(Child(w, "loadButton")->isEnabled());
    }

    // Ctrl+Z puts an organize back after asking, and the menu of the emptied list offers it.
    void undoThroughTheWindow() {
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 3);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Click(w, "loadButton");
        dialogs.AnswerMessage(MsgResult::Yes);
        Click(w, "organizeButton");
        QVERIFY(QDir(in).isEmpty());
        QMenu *menu = Child<QMenu>(w, "listMenu");
        View(w)->setFocus();
        QTest::keyClick(View(w), Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(menu->isVisible() && Child<QAction>(w, "undoAction")->isVisible());
        QVERIFY(!Child<QAction>(w, "removeAction")->isVisible());
        menu->close();
        dialogs.asked.clear();
        dialogs.AnswerMessage(MsgResult::Yes);
        QTest::keyClick(View(w), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(dialogs.asked.first().text.contains(QStringLiteral("3 Files organized from")));
        QCOMPARE(dialogs.asked.first().icon, MsgIcon::Question);
        QCOMPARE(QDir(in).entryList(QDir::Files).size(), 3);
        QVERIFY(QDir(out).isEmpty());
        QVERIFY(dialogs.MessageTexts().last().startsWith(
            QStringLiteral("The Last Organize Has Been Undone.")));
        QVERIFY(Child(w, "organizeButton")->isEnabled() && Child(w, "loadButton")->isEnabled());
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

    // Remove and Delete: the count follows the list, the removed row's line goes.
    void statusFollowsARemoval_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("Remove") << "removeButton";
        QTest::newRow("Delete File") << "deleteAction";
    }
    void statusFollowsARemoval() {
        QFETCH(QString, control);
        Settings.promptremove = 0;
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 3);
        Click(w, "loadButton");
        Select(w, 1);
        emit View(w)->clicked(Model(w)->index(1, 0));
        QVERIFY(!w.statusText(1).isEmpty());
        if (auto *action = w.findChild<QAction *>(control))
            action->trigger();
        else
            Click(w, qPrintable(control));
        QCOMPARE(w.statusText(2).section(QLatin1Char(' '), 0, 0), QString::number(List(w).Count()));
        QVERIFY(List(w).Count() == 2 && w.statusText(1).isEmpty());
    }

    // Tab stops on every control, each folder field followed by its browse button, and keys
    // open what a click opens.
    void keyboardReachesEveryCommand_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opens");
        QTest::newRow("Enter on the logo") << "logo" << int(Qt::Key_Return) << "about";
        QTest::newRow("Space on the help icon") << "helpIcon" << int(Qt::Key_Space) << "message";
        QTest::newRow("Alt+letter of a link")
            << "list" << (Qt::ALT | Qt::Key_P).toCombined() << "options";
        QTest::newRow("Enter on a button") << "outBrowseButton" << int(Qt::Key_Enter) << "folder";
        QTest::newRow("Shift+F10") << "list" << (Qt::SHIFT | Qt::Key_F10).toCombined() << "menu";
        QTest::newRow("Ctrl+Z") << "list" << (Qt::CTRL | Qt::Key_Z).toCombined() << "message";
    }
    void keyboardReachesEveryCommand() {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QString, opens);
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 1);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Click(w, "loadButton");
        Select(w, 0);
        dialogs.asked.clear();
        QStringList stops;
        for (Child(w, "sourceFolderEdit")->setFocus();
             !stops.contains(QApplication::focusWidget()->objectName()) && stops.size() < 40;
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            stops << QApplication::focusWidget()->objectName();
        QCOMPARE(stops.size(), 15);
        QCOMPARE(stops.indexOf("sourceBrowseButton"), stops.indexOf("sourceFolderEdit") + 1);
        QCOMPARE(stops.indexOf("outBrowseButton"), stops.indexOf("outFolderEdit") + 1);
        Child(w, qPrintable(control))->setFocus();
        const QKeyCombination combination = QKeyCombination::fromCombined(key);
        QTest::keyClick(QApplication::focusWidget(), combination.key(),
                        combination.keyboardModifiers());
        QMenu *menu = Child<QMenu>(w, "listMenu");
        const QString opened = AboutDialog::instance() && AboutDialog::instance()->isVisible()
                                   ? "about"
                               : OptionsDialog::instance() ? "options"
                               : menu->isVisible()         ? "menu"
                               : dialogs.asked.isEmpty()   ? QString()
                                                           : dialogs.asked.first().kind;
        menu->close();
        QCOMPARE(opened, opens);
    }

    // At any size Remove ends with the list, the links share one font and the field labels
    // the fields' size, each caption whole.
    void layoutHoldsTogether() {
        MainWindow w;
        w.show();
        for (const QSize size : {w.size(), QSize(900, 700)}) {
            w.resize(size);
            QCOMPARE(Child(w, "removeButton")->geometry().right(), View(w)->geometry().right());
        }
        for (const char *name : {"optionsLink", "exportLink", "filterLink", "updateLink",
                                 "sourceFolderLabel", "outFolderLabel"}) {
            const QLabel *l = Child<QLabel>(w, name);
            QVERIFY(l->fontMetrics().horizontalAdvance(l->text().remove('&')) <= l->width());
            const char *peer = l->text().endsWith(':') ? "sourceFolderEdit" : "exportLink";
            QCOMPARE(l->font().pointSizeF(), Child(w, peer)->font().pointSizeF());
        }
    }

    // At its opening size the About window shows all its text, and its picture is drawn for
    // the screen's pixel ratio (this program runs at a fractional scale).
    void aboutShowsAllOfItself() {
        MainWindow w;
        AboutDialog *about = AboutDialog::openOrRaise(&w);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        for (const QLabel *l : about->findChildren<QLabel *>())
            QVERIFY(!l->wordWrap() || l->height() >= l->heightForWidth(l->width()));
        const QLabel *picture = Child<QLabel>(*about, "picture");
        QCOMPARE(picture->pixmap().devicePixelRatio(), about->devicePixelRatioF());
        QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(picture->size()));
    }

    // Opening a file: what xdg-open answers decides, not whether it could be started.
    void openingAFileTakesTheOpenersAnswer_data() {
        QTest::addColumn<int>("exitCode");
        QTest::newRow("a player takes the file") << 0;
        QTest::newRow("no application for the file") << 3;
    }
    void openingAFileTakesTheOpenersAnswer() {
        QFETCH(int, exitCode);
        const QString opener = in + QStringLiteral("/bin/xdg-open");
        QVERIFY(TestEnv::WriteFile(opener, "#!/bin/sh\nexit " + QByteArray::number(exitCode)));
        QFile::setPermissions(opener, QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(in) + "/bin:" + path);
        const bool opened = QtDialogs().OpenPath(in + QStringLiteral("/song.mp3"));
        qputenv("PATH", path);
        QCOMPARE(opened, exitCode == 0);
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
