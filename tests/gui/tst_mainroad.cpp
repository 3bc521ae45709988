#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/testseams.h"
#include "gui/mainwindow.h"
#include "organize/organizeengine.h"
#include "organize/organizelist.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <memory>

// The main road through the real main window: Load, edits, the pop-up menu, Organize, and
// closing the window in the middle of a run.
class TestMainRoad : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir;
    QString in;
    QString out;

    void Touch(const QString &relative) {
        const QString path = in + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    // A control of the window, found by its role.
    template <class T = QWidget> static T *Child(const MainWindow &w, const char *name) {
        T *child = w.findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }
    static OrganizeList &List(MainWindow &w) {
        return *w.findChild<OrganizeList *>(QStringLiteral("organizeList"));
    }
    static QTreeView *View(const MainWindow &w) { return Child<QTreeView>(w, "list"); }
    static QAbstractItemModel *Model(const MainWindow &w) { return View(w)->model(); }
    static QString Cell(MainWindow &w, int row, int column) {
        return Model(w)->index(row, column).data().toString();
    }
    static void Click(const MainWindow &w, const char *button) {
        QTest::mouseClick(Child(w, button), Qt::LeftButton);
    }
    void Load(MainWindow &w) {
        w.setSourceFolder(in);
        Click(w, "loadButton");
    }
    void Fill(MainWindow &w, int files) {
        for (int i = 0; i < files; ++i)
            Touch(QStringLiteral("Artist%1 - Song.mp3").arg(i, 3, 10, QLatin1Char('0')));
        w.setSourceFolder(in);
        w.setOutFolder(out);
    }

  private slots:
    void initTestCase() {
        TestEnv::IsolateSettings();
        LoadSettings();
        SettingsStore::Save(Keys::firstrun, QStringLiteral("no"));
        static const struct NoPause final : TestSeams {
            int FinishPauseMs() const override { return 0; }
        } noPause;
        InstallTestSeams(&noPause);
    }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        in = dir->filePath(QStringLiteral("in"));
        out = dir->filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(in));
        QVERIFY(QDir().mkpath(out));
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
        Load(w);
        QCOMPARE(Model(w)->rowCount(), 2);
        QCOMPARE(Model(w)->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Organize To This Folder"));
        QCOMPARE(Model(w)->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Organize This File"));
        QCOMPARE(Cell(w, 0, 1), QStringLiteral("---.mp3"));
        QCOMPARE(Cell(w, 1, 0), QStringLiteral("Corvelle"));
        QVERIFY(!Model(w)->index(0, 0).data(Qt::DecorationRole).isNull());
        QVERIFY(dialogs.MessageTexts().first().startsWith(QStringLiteral("File's were found")));
        QCOMPARE(Child<QPushButton>(w, "loadButton")->text(), QStringLiteral("1. Load    "));
        QVERIFY(Child(w, "organizeButton")->isEnabled());
        QVERIFY(View(w)->isVisible());
        QCOMPARE(w.statusText(1), QStringLiteral("Processed 2 Files"));
        QCOMPARE(w.statusText(2), QStringLiteral("2 Files"));
    }

    void browseStartsALoad() {
        Touch(QStringLiteral("Corvelle - Song.mp3"));
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(in);
        dialogs.AnswerMessage(MsgResult::Yes);
        MainWindow w;
        w.setOutFolder(out);
        Click(w, "sourceBrowseButton");
        QCOMPARE(Child<QLineEdit>(w, "sourceFolderEdit")->text(), in);
        QCOMPARE(Child<QLineEdit>(w, "outFolderEdit")->text(), in);
        QCOMPARE(Model(w)->rowCount(), 1);
    }

    void editInPlace() {
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 2);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Click(w, "loadButton");
        const QModelIndex first = Model(w)->index(0, 0);
        View(w)->setCurrentIndex(first);
        QCOMPARE(List(w).Selected(), 0);
        View(w)->edit(first);
        auto *editor = View(w)->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("vance orrin"));
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits the edit through a queued call.
        QTRY_COMPARE(Cell(w, 0, 0), QStringLiteral("Vance Orrin"));
        QCOMPARE(Cell(w, 1, 0), QStringLiteral("Artist001"));
    }

    void editButtonNamesAnUnnamedRow() {
        Touch(QStringLiteral("---.mp3"));
        ScriptedDialogs dialogs;
        MainWindow w;
        Load(w);
        View(w)->setCurrentIndex(Model(w)->index(0, 0));
        dialogs.AnswerInput(QStringLiteral("dalvern"));
        Click(w, "editButton");
        QCOMPARE(Cell(w, 0, 0), QStringLiteral("Dalvern"));
        dialogs.AnswerMessage(MsgResult::Yes);
        Click(w, "removeButton");
        QCOMPARE(Model(w)->rowCount(), 0);
    }

    void popupMenuFollowsTheRow_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("playVisible");
        QTest::addColumn<QString>("playCaption");
        QTest::addColumn<bool>("tagVisible");
        QTest::newRow("clip.mpeg") << "clip.mpeg" << true << "Play Video" << false;
        QTest::newRow("photo.jpeg") << "photo.jpeg" << true << "View Picture" << false;
        QTest::newRow("song.MP3") << "Corvelle - song.MP3" << true << "Play Music" << true;
        QTest::newRow("setup.exe") << "setup.exe" << false << "" << false;
        QTest::newRow("notes.txt") << "notes.txt" << true << "Open File" << false;
    }
    void popupMenuFollowsTheRow() {
        QFETCH(QString, file);
        QFETCH(bool, playVisible);
        QFETCH(QString, playCaption);
        QFETCH(bool, tagVisible);
        Touch(file);
        Settings.filter = QStringLiteral("*.*");
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        Load(w);
        View(w)->setCurrentIndex(Model(w)->index(0, 0));
        emit View(w)->customContextMenuRequested(QPoint(5, 5));
        const auto *play = w.findChild<QAction *>(QStringLiteral("playAction"));
        QCOMPARE(play->isVisible(), playVisible);
        if (playVisible)
            QCOMPARE(play->text(), playCaption);
        QCOMPARE(w.findChild<QAction *>(QStringLiteral("viewTagAction"))->isVisible(), tagVisible);
        QVERIFY(!w.findChild<QAction *>(QStringLiteral("errorDetailsAction"))->isVisible());
        Child<QMenu>(w, "listMenu")->close();
    }

    void clickShowsTheRowInTheStatusBar() {
        Touch(QStringLiteral("---.mp3"));
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Load(w);
        const QRect r = View(w)->visualRect(Model(w)->index(0, 1));
        QTest::mouseClick(View(w)->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(w.statusText(1),
                 QStringLiteral("Error: Sortiva Was Unable To Decipher A Folder Name From This "
                                "File Name Or ID3 Tag."));
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
        QCOMPARE(dialogs.MessageTexts().last(),
                 QStringLiteral("File Organization Has Been Completed. Sortiva Media Organizer "
                                "Has Organized 3 Files."));
        QCOMPARE(Child<QPushButton>(w, "organizeButton")->text(), QStringLiteral("  2. Organize"));
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
        // The close or the click arrives in the load's first yield.
        QTimer::singleShot(0, &w, [&w, closing] {
            if (closing)
                w.close();
            else
                Click(w, "loadButton");
        });
        Click(w, "loadButton");
        QVERIFY(List(w).Count() < 250);
        // Only a cancelled load ends with its message; a closing one ends quietly.
        QCOMPARE(dialogs.MessageTexts().size(), closing ? 0 : 1);
        if (closing)
            QTRY_VERIFY(!w.isVisible());
        else
            QVERIFY(w.isVisible());
    }

    void closingDuringOrganizeFinishesTheRowInHand() {
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 5);
        w.show();
        Click(w, "loadButton");
        QCOMPARE(List(w).Count(), 5);
        dialogs.asked.clear();
        dialogs.AnswerMessage(MsgResult::Yes);
        QTimer::singleShot(0, &w, [&w] { w.close(); });
        Click(w, "organizeButton");
        // The first row was in hand when the close came; it is finished, nothing else moves.
        QCOMPARE(List(w).Count(), 4);
        QVERIFY(QFile::exists(out + QStringLiteral("/Artist000/Artist000 - Song.mp3")));
        QVERIFY(!QFile::exists(in + QStringLiteral("/Artist000 - Song.mp3")));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(List(w).Row(i).StatusKey(), QStringLiteral("ok"));
            QVERIFY(QFile::exists(
                in + QStringLiteral("/Artist%1 - Song.mp3").arg(i + 1, 3, 10, QLatin1Char('0'))));
        }
        QCOMPARE(dialogs.MessageTexts().size(), 1); // only the confirmation
        QTRY_VERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestMainRoad)
#include "tst_mainroad.moc"
