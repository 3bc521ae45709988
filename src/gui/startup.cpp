#include "gui/startup.h"

#include "base/appinfo.h"
#include "base/dialogseam.h"
#include "base/settings.h"
#include "gui/mainwindow.h"
#include "gui/qtdialogs.h"
#include "gui/splashscreen.h"
#include "gui/twips.h"
#include "tags/genres.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QScreen>
#include <QThread>
#include <QTime>

#include <cstdlib>

bool RunApplication() {
    std::srand(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay()));
    SetProgramFolder(QCoreApplication::applicationDirPath());
    static QtDialogs qtDialogs;
    SetDialogs(&qtDialogs);
    // No application display name: on X11 and Wayland Qt appends it to every window title,
    // and each window's caption is meant to read exactly as it is set.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/sortiva.svg")));

    if (IsNetworkPath(ProgramFolder())) {
        Dialogs().Message(
            QStringLiteral("Please use local hardrive type fixed disk to run this program!"),
            MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Network Drive Error!"));
        return false;
    }

    LoadSettings();
    LoadGenres();

    if (Settings.loadsplash != 0) {
        SplashScreen splash;
        CenterWindow(&splash);
        splash.show();
        QCoreApplication::processEvents();
        QThread::msleep(2000);
        splash.close();
    }

    auto *window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->showAtStartup();
    window->show();
    window->activateWindow();
    return true;
}

void CenterWindow(QWidget *window) {
    if (!window)
        return;
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    int x = (area.width() - size.width()) / 2;
    int y = (area.height() - size.height()) / 2;
    const int left = Twips(window, 1000);
    const int up = Twips(window, 600);
    if (x > left)
        x -= left;
    if (y > up)
        y -= up;
    window->move(area.x() + x, area.y() + y);
}

void CopyToClipboard(const QString &text) {
    Dialogs().SetClipboardText(text);
}
