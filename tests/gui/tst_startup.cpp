#include "base/appinfo.h"
#include "gui/splashscreen.h"
#include "gui/startup.h"
#include "gui/twips.h"
#include "support/scripteddialogs.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

class TstStartup : public QObject {
    Q_OBJECT

  private slots:
    void networkPathIsTwoLeadingBackslashes_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("network");
        QTest::newRow("unc path") << "\\\\server\\share\\sortiva" << true;
        QTest::newRow("one backslash") << "\\server" << false;
        QTest::newRow("local folder") << "/usr/bin" << false;
        QTest::newRow("double slash is a local path here") << "//server/share" << false;
        QTest::newRow("empty") << "" << false;
    }

    void networkPathIsTwoLeadingBackslashes() {
        QFETCH(QString, folder);
        QFETCH(bool, network);
        QCOMPARE(IsNetworkPath(folder), network);
    }

    void centerWindowShiftsUpAndLeftWhenThereIsRoom_data() {
        QTest::addColumn<int>("widthTwips");
        QTest::addColumn<int>("heightTwips");
        QTest::newRow("small window: shifted") << 6000 << 4000;
        QTest::newRow("window nearly as large as the screen: centred only") << -600 << -300;
    }

    void centerWindowShiftsUpAndLeftWhenThereIsRoom() {
        QFETCH(int, widthTwips);
        QFETCH(int, heightTwips);
        QWidget w;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        // Negative sizes mean "this many twips smaller than the screen".
        const int wpx =
            widthTwips > 0 ? Twips(&w, widthTwips) : screen.width() + Twips(&w, widthTwips);
        const int hpx =
            heightTwips > 0 ? Twips(&w, heightTwips) : screen.height() + Twips(&w, heightTwips);
        w.resize(wpx, hpx);
        CenterWindow(&w);
        int x = (screen.width() - w.frameGeometry().width()) / 2;
        int y = (screen.height() - w.frameGeometry().height()) / 2;
        if (x > Twips(&w, 1000))
            x -= Twips(&w, 1000);
        if (y > Twips(&w, 600))
            y -= Twips(&w, 600);
        QCOMPARE(w.pos(), QPoint(screen.x() + x, screen.y() + y));
        if (widthTwips > 0)
            QVERIFY(w.x() < (screen.width() - w.width()) / 2);
    }

    void copyToClipboardGoesThroughTheSeam() {
        ScriptedDialogs dialogs;
        CopyToClipboard(QStringLiteral("Artist: Corvelle"));
        QCOMPARE(dialogs.clipboard, QStringLiteral("Artist: Corvelle"));
    }

    void splashShowsSloganAndVersion() {
        SplashScreen splash;
        auto *version = splash.findChild<QLabel *>(QStringLiteral("versionLabel"));
        QVERIFY(version);
        QCOMPARE(version->text(), QStringLiteral("1.4.1"));
        bool slogan = false;
        for (QLabel *l : splash.findChildren<QLabel *>())
            slogan = slogan || l->text() == QStringLiteral("Now Simpler, More Powerful !");
        QVERIFY(slogan);
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
