#include "gui/mainwindowupdates.h"

#include "base/appinfo.h"
#include "base/progressview.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "gui/updateofferdialog.h"
#include "support/httptestserver.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Stands in for the main window: a progress view with the "Check For Updates" link.
class FakeMainWindow : public QWidget, public ProgressView {
  public:
    FakeMainWindow() {
        link = new QLabel(QStringLiteral("Check For Updates"), this);
        (new QVBoxLayout(this))->addWidget(link);
    }
    MainWindowUpdates *MakeUpdates() { return new MainWindowUpdates(this, *this, link); }
    void Status(int index, const QString &text) override {
        if (index == 1)
            status << text;
    }
    void SetProgressMax(int) override {}
    void SetProgress(int) override {}
    void EnableButtons(bool) override {}

    QLabel *link;
    QStringList status;
};
template <class T> T *Child(const QWidget *window, const char *name) {
    return window->findChild<T *>(QLatin1String(name));
}
UpdateOffer Offer() {
    return UpdateOffer{QStringLiteral("1.4.1"), QStringLiteral("1.4.2"), QStringLiteral("4.88 Mb"),
                       QStringLiteral("30 November 2026")};
}
} // namespace

class tst_MainWindowUpdates : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void livesAsAChildOfTheWindow();
    void linkFollowsTheCheck();
    void newerVersionOpensTheOffer();
    void installStepHidesAndClosesWindow();

    void offerShowsCaptionsAndValues();
    void offerButtonsAnswer_data();
    void offerButtonsAnswer();
    void closingTheOfferCountsAsCancel();
};

void tst_MainWindowUpdates::initTestCase() {
    TestEnv::IsolateSettings();
    TestEnv::UseEnglishLocale();
}

void tst_MainWindowUpdates::livesAsAChildOfTheWindow() {
    FakeMainWindow window;
    MainWindowUpdates *updates = window.MakeUpdates();
    QCOMPARE(updates->parent(), &window);
    // Without a link the captions go nowhere.
    MainWindowUpdates unlinked(&window, window, nullptr);
    unlinked.SetUpdateLink(QStringLiteral("Checking..."), false);
    QCOMPARE(window.link->text(), QStringLiteral("Check For Updates"));
}

void tst_MainWindowUpdates::linkFollowsTheCheck() {
    HttpTestServer server;
    server.Serve("/update/sortiva/sortiva.dat", "version=1.4.1\r\n");
    SettingsStore::Save(Keys::updateserver, server.Base());
    ScriptedDialogs dialogs;
    FakeMainWindow window;
    window.MakeUpdates()->check().Start();
    QCOMPARE(window.link->text(), QStringLiteral("Checking..."));
    QVERIFY(!window.link->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.MessageTexts().size(), 1, 20000);
    QCOMPARE(window.link->text(), QStringLiteral("Check For Updates"));
    QVERIFY(window.link->isEnabled());
    QCOMPARE(window.status, QStringList{QStringLiteral("Update check complete")});
}

void tst_MainWindowUpdates::newerVersionOpensTheOffer() {
    HttpTestServer server;
    server.Serve("/update/sortiva/sortiva.dat",
                 "version=1.4.2\r\nsize=5000000\r\ndate=today\r\nurl=http://127.0.0.1:1/s\r\n");
    SettingsStore::Save(Keys::updateserver, server.Base());
    ScriptedDialogs dialogs;
    FakeMainWindow window;
    window.show();
    QStringList shown;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &poll, [&] {
        auto *offer = qobject_cast<UpdateOfferDialog *>(QApplication::activeModalWidget());
        if (!offer)
            return;
        poll.stop();
        for (const char *name : {"currentVersionLabel", "versionLabel", "sizeLabel", "dateLabel"})
            shown << Child<QLabel>(offer, name)->text();
        QCOMPARE(offer->parentWidget(), &window);
        QTest::mouseClick(Child<QPushButton>(offer, "cancelButton"), Qt::LeftButton);
    });
    poll.start(10);
    window.MakeUpdates()->check().Start();
    QTRY_COMPARE_WITH_TIMEOUT(window.link->text(), QStringLiteral("Check For Updates"), 20000);
    QCOMPARE(shown, QStringList({AppVersionString(), QStringLiteral("1.4.2"),
                                 QStringLiteral("4.88 Mb"), QStringLiteral("today")}));
    QCOMPARE(dialogs.asked.size(), 0);
}

void tst_MainWindowUpdates::installStepHidesAndClosesWindow() {
    FakeMainWindow window;
    window.show();
    MainWindowUpdates *updates = window.MakeUpdates();
    updates->SetMainWindowVisible(false);
    QVERIFY(!window.isVisible());
    updates->SetMainWindowVisible(true);
    QVERIFY(window.isVisible());
    updates->CloseMainWindow();
    QVERIFY(!window.isVisible());
}

void tst_MainWindowUpdates::offerShowsCaptionsAndValues() {
    UpdateOfferDialog window;
    window.setOffer(Offer());
    QCOMPARE(window.windowTitle(), QStringLiteral("Update Available"));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(Child<QLabel>(&window, "currentVersionLabel")->text(), QStringLiteral("1.4.1"));
    QCOMPARE(Child<QLabel>(&window, "versionLabel")->text(), QStringLiteral("1.4.2"));
    QCOMPARE(Child<QLabel>(&window, "sizeLabel")->text(), QStringLiteral("4.88 Mb"));
    QCOMPARE(Child<QLabel>(&window, "dateLabel")->text(), QStringLiteral("30 November 2026"));
    QCOMPARE(Child<QPushButton>(&window, "downloadButton")->text(), QStringLiteral("Download"));
    QCOMPARE(Child<QPushButton>(&window, "cancelButton")->text(), QStringLiteral("Cancel"));

    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts << label->text();
    for (const char *caption : {"Sortiva Media Organizer", "A New Update Is Available!",
                                "Current Version:", "Version:", "Size:", "Date:"})
        QVERIFY2(texts.contains(QLatin1String(caption)), caption);
}

void tst_MainWindowUpdates::offerButtonsAnswer_data() {
    QTest::addColumn<bool>("download");
    QTest::newRow("Download accepts the offer") << true;
    QTest::newRow("Cancel declines it") << false;
}

void tst_MainWindowUpdates::offerButtonsAnswer() {
    QFETCH(bool, download);
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<UpdateOfferDialog *>(QApplication::activeModalWidget());
        if (!window)
            return;
        QCOMPARE(Child<QLabel>(window, "versionLabel")->text(), QStringLiteral("1.4.2"));
        QTest::mouseClick(Child<QPushButton>(window, download ? "downloadButton" : "cancelButton"),
                          Qt::LeftButton);
        clicked = true;
    });
    QCOMPARE(UpdateOfferDialog::showOffer(nullptr, Offer()), download);
    QVERIFY(clicked);
}

void tst_MainWindowUpdates::closingTheOfferCountsAsCancel() {
    QTimer::singleShot(0, [] {
        if (QWidget *window = QApplication::activeModalWidget())
            window->close();
    });
    QVERIFY(!UpdateOfferDialog::showOffer(nullptr, Offer()));
}

QTEST_MAIN(tst_MainWindowUpdates)
#include "tst_mainwindowupdates.moc"
