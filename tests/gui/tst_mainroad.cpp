#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/testseams.h"
#include "gui/aboutdialog.h"
#include "gui/mainwindow.h"
#include "gui/optionsdialog.h"
#include "gui/organizelistmodel.h"
#include "gui/updateofferdialog.h"
#include "organize/organizelist.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"
#include "tags/genres.h"

#include <QtTest>

#include <memory>

// The main road through the real main window: Load, edits, the pop-up menu and the tag
// window, Organize, closing in the middle of a run; and the list model and update offer.
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
        QVERIFY(dialogs.MessageTexts().first().startsWith(QStringLiteral("File's were found")));
        QCOMPARE(w.statusText(2), QStringLiteral("2 Files"));
        // A click on the bad row says why it is bad.
        const QRect r = View(w)->visualRect(Model(w)->index(0, 1));
        QTest::mouseClick(View(w)->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(w.statusText(1).startsWith(QStringLiteral("Error: Sortiva Was Unable")));
    }

    void browseStartsALoad() {
        Touch(QStringLiteral("Corvelle - Song.mp3"));
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(in);
        dialogs.AnswerMessage(MsgResult::Yes); // the out folder follows
        MainWindow w;
        w.setOutFolder(out);
        Click(w, "sourceBrowseButton");
        QCOMPARE(Settings.inpath, in); // stored as it changed
        QCOMPARE(SettingsStore::Get(Keys::outpath), in);
        QCOMPARE(Model(w)->rowCount(), 1);
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
        QTest::addColumn<QString>("playCaption"); // empty: hidden
        QTest::newRow("clip.mpeg") << "clip.mpeg" << false << QString("Play Video");
        QTest::newRow("song.MP3") << "Corvelle - song.MP3" << true << QString("Play Music");
        QTest::newRow("setup.exe") << "setup.exe" << false << QString();
    }
    void popupMenuFollowsTheRow() {
        QFETCH(QString, file);
        QFETCH(bool, tagVisible);
        QFETCH(QString, playCaption);
        Touch(file);
        Settings.filter = QStringLiteral("*.*");
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        Fill(w, 0);
        Click(w, "loadButton");
        Select(w, 0);
        emit View(w)->customContextMenuRequested(QPoint(5, 5));
        const auto *play = Child<QAction>(w, "playAction");
        QCOMPARE(play->isVisible() ? play->text() : QString(), playCaption);
        QCOMPARE(Child<QAction>(w, "viewTagAction")->isVisible(), tagVisible);
        QVERIFY(!Child<QAction>(w, "errorDetailsAction")->isVisible());
        Child<QMenu>(w, "listMenu")->close();
    }

    void tagWindowShowsTheTag_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QStringList>("lines");
        const QString artist =
            QStringLiteral("Artist: ") + QStringLiteral("Corvelle").leftJustified(30);
        QTest::newRow("NUL title, track 32 and genre 255 hidden")
            << TestEnv::Id3Block(QByteArray(30, '\0'), "Corvelle", "", "", "", 32, 255)
            << QStringList{"File Name: Corvelle - Song.mp3", artist};
    }
    void tagWindowShowsTheTag() {
        QFETCH(QByteArray, block);
        QFETCH(QStringList, lines);
        Touch(QStringLiteral("Corvelle - Song.mp3"), QByteArray(1000, 'a') + block);
        ScriptedDialogs dialogs;
        MainWindow w;
        w.show();
        Fill(w, 0);
        Click(w, "loadButton");
        Select(w, 0);
        Child<QAction>(w, "viewTagAction")->trigger();
        auto *tags = Child<QListWidget>(w, "tagList");
        QStringList shown;
        for (int i = 0; i < tags->count(); ++i)
            shown << tags->item(i)->text();
        QCOMPARE(shown, lines);
        // A click copies the line's value.
        QVERIFY(QTest::qWaitForWindowExposed(tags->window()));
        const QRect r = tags->visualItemRect(tags->findItems("Artist:*", Qt::MatchWildcard)[0]);
        QTest::mouseClick(tags->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(dialogs.clipboard, QStringLiteral("Corvelle"));
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

    void updateOfferAnswersByItsButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Download accepts") << "downloadButton";
        QTest::newRow("Cancel declines") << "cancelButton";
    }
    void updateOfferAnswersByItsButtons() {
        QFETCH(QString, button);
        QStringList shown;
        QTimer::singleShot(0, [&] {
            QWidget *offer = QApplication::activeModalWidget();
            for (const char *name : {"currentVersionLabel", "versionLabel", "sizeLabel"})
                shown << Child<QLabel>(*offer, name)->text();
            Child<QPushButton>(*offer, qPrintable(button))->click();
        });
        const UpdateOffer offer{"1.4.1", "1.4.2", "4.88 Mb", "30 November 2026"};
        QCOMPARE(UpdateOfferDialog::showOffer(nullptr, offer), button == "downloadButton");
        QCOMPARE(shown, (QStringList{"1.4.1", "1.4.2", "4.88 Mb"}));
    }

    // The list model: appends shown per batch, the first removal at once, the burst after it
    // held back as empty rows until a pause, rows mapped between the view and the list.
    void listModelHoldsBackABurstOfRemovals() {
        OrganizeList list;
        OrganizeListModel model(list);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        list.BeginBatch();
        for (int i = 0; i < 250; ++i) {
            OrganizeRow row;
            row.folder = QStringLiteral("F%1").arg(i);
            row.relativePath = QStringLiteral("f%1.mp3").arg(i);
            list.Append(row);
        }
        QCOMPARE(model.rowCount(), 0);
        list.EndBatch();
        QCOMPARE(model.rowCount(), 250);
        QCOMPARE(inserted.size(), 1);
        list.SetSelected(9);
        for (int row : {0, 0, 5, 5})
            list.Remove(row);
        QCOMPARE(list.Selected(), 5); // follows its row
        QCOMPARE(model.rowCount(), 249);
        QCOMPARE(model.listRow(0), -1);
        QCOMPARE(QList<int>({model.viewRow(0), model.viewRow(5)}), QList<int>({1, 8}));
        list.SetFolder(5, QStringLiteral("Changed"));
        QCOMPARE(model.index(8, 0).data().toString(), QStringLiteral("Changed"));
        // An edit reaches the handler with the list row; a held-back row takes none.
        int edited = -1;
        model.setEditHandler([&edited](int row, const QString &) { edited = row; });
        QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("x")));
        QVERIFY(!model.setData(model.index(8, 1), QStringLiteral("x")));
        QVERIFY(model.setData(model.index(8, 0), QStringLiteral("x")));
        QCOMPARE(edited, 5);
        QTRY_COMPARE(model.rowCount(), 246);
        QCOMPARE(removed.size(), 3); // once, then one notice per run of neighbours
    }
};

QTEST_MAIN(TestMainRoad)
#include "tst_mainroad.moc"
