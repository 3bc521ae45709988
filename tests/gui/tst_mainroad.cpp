#include "gui/mainwindow.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/testseams.h"
#include "organize/organizelist.h"
#include "organize/organizeengine.h"
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
class TestMainRoad : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString in;
    QString out;

    void Touch(const QString &relative)
    {
        const QString path = in + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    static OrganizeList &List(MainWindow &w)
    {
        return *w.findChild<OrganizeList *>(QStringLiteral("organizeList"));
    }
    static QString Cell(MainWindow &w, int row, int column)
    {
        return w.lvFiles->model()->index(row, column).data().toString();
    }
    void Load(MainWindow &w)
    {
        w.txtMediaFolder->setText(in);
        QTest::mouseClick(w.cmdLoad, Qt::LeftButton);
    }
    void Fill(MainWindow &w, int files)
    {
        for (int i = 0; i < files; ++i)
            Touch(QStringLiteral("Artist%1 - Song.mp3").arg(i, 3, 10, QLatin1Char('0')));
        w.txtMediaFolder->setText(in);
        w.txtOutFolder->setText(out);
    }

private slots:
    void initTestCase()
    {
        TestEnv::IsolateSettings();
        LoadSettings();
        SettingsStore::Save(Keys::firstrun, QStringLiteral("no"));
        static const struct NoPause final : TestSeams {
            int FinishPauseMs() const override { return 0; }
        } noPause;
        InstallTestSeams(&noPause);
    }
    void init()
    {
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

    void loadFillsTheList()
    {
        Touch(QStringLiteral("Corvelle - Song.mp3"));
        Touch(QStringLiteral("---.mp3"));
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        Load(w);
        QCOMPARE(w.lvFiles->model()->rowCount(), 2);
        QCOMPARE(w.lvFiles->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Organize To This Folder"));
        QCOMPARE(w.lvFiles->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Organize This File"));
        QCOMPARE(Cell(w, 0, 1), QStringLiteral("---.mp3"));
        QCOMPARE(Cell(w, 1, 0), QStringLiteral("Corvelle"));
        QVERIFY(!w.lvFiles->model()->index(0, 0).data(Qt::DecorationRole).isNull());
        QVERIFY(dialogs.MessageTexts().first().startsWith(QStringLiteral("File's were found")));
        QCOMPARE(w.cmdLoad->text(), QStringLiteral("1. Load    "));
        QVERIFY(w.cmdOrganize->isEnabled());
        QVERIFY(w.lvFiles->isVisible());
        QCOMPARE(w.StatusText(1), QStringLiteral("Processed 2 Files"));
        QCOMPARE(w.StatusText(2), QStringLiteral("2 Files"));
    }

    void browseStartsALoad()
    {
        Touch(QStringLiteral("Corvelle - Song.mp3"));
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(in);
        dialogs.AnswerMessage(MsgResult::Yes);
        MainWindow w;
        w.txtOutFolder->setText(out);
        QTest::mouseClick(w.cmdMediaBrowse, Qt::LeftButton);
        QCOMPARE(w.txtMediaFolder->text(), in);
        QCOMPARE(w.txtOutFolder->text(), in);
        QCOMPARE(w.lvFiles->model()->rowCount(), 1);
    }

    void editInPlace()
    {
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 2);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.cmdLoad, Qt::LeftButton);
        const QModelIndex first = w.lvFiles->model()->index(0, 0);
        w.lvFiles->setCurrentIndex(first);
        QCOMPARE(List(w).Selected(), 0);
        w.lvFiles->edit(first);
        auto *editor = w.lvFiles->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("vance orrin"));
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits the edit through a queued call.
        QTRY_COMPARE(Cell(w, 0, 0), QStringLiteral("Vance Orrin"));
        QCOMPARE(Cell(w, 1, 0), QStringLiteral("Artist001"));
    }

    void editButtonNamesAnUnnamedRow()
    {
        Touch(QStringLiteral("---.mp3"));
        ScriptedDialogs dialogs;
        MainWindow w;
        Load(w);
        w.lvFiles->setCurrentIndex(w.lvFiles->model()->index(0, 0));
        dialogs.AnswerInput(QStringLiteral("dalvern"));
        QTest::mouseClick(w.cmdEdit, Qt::LeftButton);
        QCOMPARE(Cell(w, 0, 0), QStringLiteral("Dalvern"));
        dialogs.AnswerMessage(MsgResult::Yes);
        QTest::mouseClick(w.cmdRemove, Qt::LeftButton);
        QCOMPARE(w.lvFiles->model()->rowCount(), 0);
    }

    void popupMenuFollowsTheRow_data()
    {
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
    void popupMenuFollowsTheRow()
    {
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
        w.lvFiles->setCurrentIndex(w.lvFiles->model()->index(0, 0));
        emit w.lvFiles->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(w.mnuPlay->isVisible(), playVisible);
        if (playVisible)
            QCOMPARE(w.mnuPlay->text(), playCaption);
        QCOMPARE(w.mnuViewTag->isVisible(), tagVisible);
        QVERIFY(!w.mnuErrorDetails->isVisible());
        w.mnuLv->close();
    }

    void clickShowsTheRowInTheStatusBar()
    {
        Touch(QStringLiteral("---.mp3"));
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Load(w);
        const QRect r = w.lvFiles->visualRect(w.lvFiles->model()->index(0, 1));
        QTest::mouseClick(w.lvFiles->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(w.StatusText(1),
                 QStringLiteral("Error: Sortiva Was Unable To Decipher A Folder Name From This "
                                "File Name Or ID3 Tag."));
    }

    void organizeThroughTheWindow()
    {
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 3);
        QTest::mouseClick(w.cmdLoad, Qt::LeftButton);
        dialogs.AnswerMessage(MsgResult::Yes);
        QTest::mouseClick(w.cmdOrganize, Qt::LeftButton);
        QCOMPARE(w.lvFiles->model()->rowCount(), 0);
        QVERIFY(QFile::exists(out + QStringLiteral("/Artist002/Artist002 - Song.mp3")));
        QCOMPARE(dialogs.MessageTexts().last(),
                 QStringLiteral("File Organization Has Been Completed. Sortiva Media Organizer "
                                "Has Organized 3 Files."));
        QCOMPARE(w.cmdOrganize->text(), QStringLiteral("  2. Organize"));
        QVERIFY(w.cmdLoad->isEnabled());
    }

    void closingDuringLoadCancelsThenCloses()
    {
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 250);
        w.show();
        // The close arrives in the load's first yield.
        QTimer::singleShot(0, &w, [&w] { w.close(); });
        QTest::mouseClick(w.cmdLoad, Qt::LeftButton);
        QVERIFY(List(w).Count() < 250);
        QVERIFY(dialogs.MessageTexts().isEmpty());
        QTRY_VERIFY(!w.isVisible());
    }

    void closingDuringOrganizeFinishesTheRowInHand()
    {
        ScriptedDialogs dialogs;
        MainWindow w;
        Fill(w, 5);
        w.show();
        QTest::mouseClick(w.cmdLoad, Qt::LeftButton);
        QCOMPARE(List(w).Count(), 5);
        dialogs.asked.clear();
        dialogs.AnswerMessage(MsgResult::Yes);
        QTimer::singleShot(0, &w, [&w] { w.close(); });
        QTest::mouseClick(w.cmdOrganize, Qt::LeftButton);
        // The first row was in hand when the close came; it is finished, nothing else moves.
        QCOMPARE(List(w).Count(), 4);
        QVERIFY(QFile::exists(out + QStringLiteral("/Artist000/Artist000 - Song.mp3")));
        QVERIFY(!QFile::exists(in + QStringLiteral("/Artist000 - Song.mp3")));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(List(w).Row(i).StatusKey(), QStringLiteral("ok"));
            QVERIFY(QFile::exists(in + QStringLiteral("/Artist%1 - Song.mp3")
                                           .arg(i + 1, 3, 10, QLatin1Char('0'))));
        }
        QCOMPARE(dialogs.MessageTexts().size(), 1); // only the confirmation
        QTRY_VERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestMainRoad)
#include "tst_mainroad.moc"
