// The main window offscreen: Load of the folder given (searching sub-folders; with --tag,
// naming MP3 files from their tags), then (unless --load-only) scrolling and shrinking the
// list; prints timings and the process's peak memory.
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "gui/mainwindow.h"
#include "organize/organizelist.h"
#include "tags/genres.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTreeView>

#include <cstdio>

namespace {
long PeakKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_organize_window DIR [--load-only] [--tag]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QStringList options = app.arguments().mid(2);
    const bool loadOnly = options.contains(QStringLiteral("--load-only"));
    SettingsStore::Save(Keys::firstrun, QStringLiteral("no"));
    SettingsStore::Save(Keys::recursivesearch, QStringLiteral("1"));
    SettingsStore::Save(Keys::renamefolders, options.contains(QStringLiteral("--tag"))
                                                 ? QStringLiteral("1")
                                                 : QStringLiteral("0"));
    LoadSettings();
    LoadGenres();
    MainWindow w;
    w.resize(900, 600);
    w.show();
    QCoreApplication::processEvents();
    w.setSourceFolder(folder);
    QTreeView *view = w.findChild<QTreeView *>(QStringLiteral("list"));

    QElapsedTimer t;
    t.start();
    w.load(); // the end-of-load message is answered by the quiet default seam
    const qint64 loadMs = t.elapsed();
    const int rows = view->model()->rowCount();
    if (loadOnly) {
        std::printf("rows %d\nwindow_load_ms %lld\n", rows, static_cast<long long>(loadMs));
        return 0;
    }

    t.restart();
    QScrollBar *bar = view->verticalScrollBar();
    for (int step = 0; step <= 50; ++step) {
        bar->setValue(bar->maximum() * step / 50);
        view->viewport()->repaint();
    }
    const qint64 scrollMs = t.elapsed();

    OrganizeList *list = w.findChild<OrganizeList *>(QStringLiteral("organizeList"));
    t.restart();
    for (int i = 0; i < 1000 && list->Count() > 0; ++i) {
        list->Remove(0);
        QCoreApplication::processEvents();
    }
    const qint64 shrinkMs = t.elapsed();

    std::printf("rows %d\nwindow_load_ms %lld\nscroll_ms %lld\nshrink_1000_ms %lld\npeak_kb %ld\n",
                rows, static_cast<long long>(loadMs), static_cast<long long>(scrollMs),
                static_cast<long long>(shrinkMs), PeakKb());
    return 0;
}
