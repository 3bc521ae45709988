// Prints, side by side: the window's Load of 100,000 files and sortiva-cli load; the organize
// engine moving and copying 20,000 files of 32 KiB next to mv -t and cp -t per target folder.
#include "base/progressview.h"
#include "base/runcontrol.h"
#include "base/settings.h"
#include "organize/loadscan.h"
#include "organize/organizeengine.h"
#include "organize/organizelist.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {

const int LoadFiles = 100000;
const int OrganizeFilesCount = 20000;
const int Artists = 200;

QString Name(int i) {
    return QStringLiteral("Artist%1 - Song%2.mp3")
        .arg(i % Artists, 3, 10, QLatin1Char('0'))
        .arg(i, 6, 10, QLatin1Char('0'));
}

void MakeCorpus(const QString &folder, int count, const QByteArray &content) {
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QFile f(folder + QLatin1Char('/') + Name(i));
        if (f.open(QIODevice::WriteOnly))
            f.write(content);
    }
    ::sync();
}

qint64 RunTimed(const QString &program, const QStringList &args, QByteArray *output = nullptr) {
    QProcess p;
    p.setStandardOutputFile(output ? QString() : QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    p.waitForFinished(-1);
    const qint64 ms = t.elapsed();
    if (output)
        *output = p.readAllStandardOutput();
    return ms;
}

// The baseline: one mkdir and one mv (or cp) per target folder.
qint64 Baseline(const QString &tool, const QStringList &toolArgs, const QString &in,
                const QString &out) {
    QMap<int, QStringList> byArtist;
    for (int i = 0; i < OrganizeFilesCount; ++i)
        byArtist[i % Artists] << in + QLatin1Char('/') + Name(i);
    QElapsedTimer t;
    t.start();
    for (auto it = byArtist.cbegin(); it != byArtist.cend(); ++it) {
        const QString target =
            out + QStringLiteral("/Artist%1").arg(it.key(), 3, 10, QLatin1Char('0'));
        QProcess::execute(QStringLiteral("mkdir"), {QStringLiteral("-p"), target});
        QProcess::execute(tool, toolArgs + QStringList{QStringLiteral("-t"), target} + *it);
    }
    return t.elapsed();
}

qint64 Engine(const QString &in, const QString &out, bool move, int *left) {
    Settings.inpath = in;
    Settings.recursivesearch = 0;
    OrganizeList list;
    list.BeginBatch();
    LoadScan(
        [&list](const LoadRow &loaded, int, int) {
            OrganizeRow row;
            row.folder = loaded.name.folder;
            row.relativePath = loaded.relativePath;
            list.Append(std::move(row));
            return true;
        },
        false);
    list.EndBatch();
    OrganizeOptions o;
    o.inpath = in;
    o.outpath = out;
    o.deleteOld = move;
    QDir().mkpath(out);
    NoProgressView view;
    const RunControl run;
    QElapsedTimer t;
    t.start();
    OrganizeRows(list, view, o, run);
    const qint64 ms = t.elapsed();
    *left = list.Count();
    return ms;
}

void Ratio(const char *what, qint64 ours, qint64 base) {
    std::printf("%-28s %8lld ms  baseline %8lld ms  ratio %.2f\n", what,
                static_cast<long long>(ours), static_cast<long long>(base),
                base > 0 ? double(ours) / double(base) : 0.0);
}
} // namespace

int main(int argc, char *argv[]) {
    QTemporaryDir work;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // Organize journals and the trash of replaced files stay out of the user's folders too.
    qputenv("XDG_STATE_HOME", config.filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", work.filePath(QStringLiteral("data")).toLocal8Bit());
    QCoreApplication app(argc, argv);
    LoadSettings();
    std::fflush(stdout);

    // Load: the window next to the batch program, on the same 100,000 empty files.
    const QString loadDir = work.filePath(QStringLiteral("load"));
    MakeCorpus(loadDir, LoadFiles, QByteArray());
    RunTimed(QStringLiteral(SORTIVA_CLI_PATH), {QStringLiteral("load"), loadDir}); // warm cache
    const qint64 cliMs =
        RunTimed(QStringLiteral(SORTIVA_CLI_PATH), {QStringLiteral("load"), loadDir});
    // Start, load and exit, as the batch program does; then a second run that also scrolls,
    // shrinks and reports the peak memory.
    const qint64 windowTotal =
        RunTimed(QStringLiteral(BENCH_WINDOW_PATH), {loadDir, QStringLiteral("--load-only")});
    QByteArray windowOut;
    RunTimed(QStringLiteral(BENCH_WINDOW_PATH), {loadDir}, &windowOut);
    QMap<QByteArray, qint64> w;
    for (const QByteArray &line : windowOut.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2)
            w[parts[0]] = parts[1].toLongLong();
    }
    std::printf("Load of %d files (rows in window: %lld)\n", LoadFiles, w.value("rows"));
    Ratio("window load (command)", w.value("window_load_ms"), cliMs);
    Ratio("window start+load+exit", windowTotal, cliMs);
    std::printf("%-28s %8lld ms\n", "scroll top to bottom", w.value("scroll_ms"));
    std::printf("%-28s %8lld ms\n", "remove 1000 top rows", w.value("shrink_1000_ms"));
    std::printf("%-28s %8.1f MB\n", "window peak memory", w.value("peak_kb") / 1024.0);
    QDir(loadDir).removeRecursively();

    // Organize: 20,000 files of 32 KiB into 200 artist folders.
    const QByteArray content(32 * 1024, 'm');
    const QString in = work.filePath(QStringLiteral("in"));
    std::printf("\nOrganize of %d files of 32 KiB into %d folders\n", OrganizeFilesCount, Artists);

    // Two rounds in alternating order, each phase after a sync; the best time of each side
    // counts, so neither side pays for the other's write-back.
    const QString mvOut = work.filePath(QStringLiteral("mv-out"));
    const QString moveOut = work.filePath(QStringLiteral("move-out"));
    const QString cpOut = work.filePath(QStringLiteral("cp-out"));
    const QString copyOut = work.filePath(QStringLiteral("copy-out"));
    const auto clear = [](const QString &folder) {
        QDir(folder).removeRecursively();
        ::sync();
    };
    qint64 mvMs = -1, moveMs = -1, cpMs = -1, copyMs = -1;
    int moveLeft = 0, copyLeft = 0;
    const auto best = [](qint64 &slot, qint64 ms) { slot = slot < 0 ? ms : qMin(slot, ms); };
    for (int round = 0; round < 2; ++round) {
        for (int side = 0; side < 2; ++side) {
            MakeCorpus(in, OrganizeFilesCount, content);
            if ((side + round) % 2 == 0) {
                best(mvMs, Baseline(QStringLiteral("mv"), {}, in, mvOut));
                clear(mvOut);
            } else {
                best(moveMs, Engine(in, moveOut, true, &moveLeft));
                clear(moveOut);
            }
        }
    }
    Ratio("move mode vs mv -t", moveMs, mvMs);
    std::printf("  rows left: %d\n", moveLeft);

    MakeCorpus(in, OrganizeFilesCount, content);
    for (int round = 0; round < 2; ++round) {
        for (int side = 0; side < 2; ++side) {
            if ((side + round) % 2 == 0) {
                best(cpMs, Baseline(QStringLiteral("cp"), {QStringLiteral("--preserve=timestamps")},
                                    in, cpOut));
                clear(cpOut);
            } else {
                best(copyMs, Engine(in, copyOut, false, &copyLeft));
                clear(copyOut);
            }
        }
    }
    Ratio("copy mode vs cp -t", copyMs, cpMs);
    std::printf("  rows left: %d\n", copyLeft);
    return 0;
}
