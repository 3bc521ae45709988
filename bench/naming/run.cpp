// Times `sortiva-cli load --recursive --tag DIR` and the main window's Load against a bare
// single-thread walk that only reads every file's last 128 bytes, on a generated corpus, with
// a warm cache and (when this process may drop the page cache, as root) a cold one, and
// prints their ratios and the peak memory of each.
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
struct Sample {
    double seconds = 0;
    double cpu = 0; // user + system time of the child
    long peakKb = 0;
    int status = -1;
};

Sample RunQuiet(const std::vector<QByteArray> &argv) {
    std::vector<char *> raw;
    for (const QByteArray &a : argv)
        raw.push_back(const_cast<char *>(a.constData()));
    raw.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execv(raw[0], raw.data());
        ::_exit(127);
    }
    Sample s;
    int status = 0;
    struct rusage usage {};
    if (pid > 0 && ::wait4(pid, &status, 0, &usage) == pid) {
        s.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        s.peakKb = usage.ru_maxrss;
        s.cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        s.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return s;
}

Sample Median(std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(),
              [](const Sample &a, const Sample &b) { return a.seconds < b.seconds; });
    Sample m = samples[samples.size() / 2];
    for (const Sample &s : samples)
        m.peakKb = std::max(m.peakKb, s.peakKb);
    return m;
}

double MedianCpu(std::vector<Sample> v) {
    std::sort(v.begin(), v.end(), [](const Sample &x, const Sample &y) { return x.cpu < y.cpu; });
    return v[v.size() / 2].cpu;
}

// Empties the page cache (and the dentry and inode caches); false when not allowed.
bool DropCaches() {
    ::sync();
    const int fd = ::open("/proc/sys/vm/drop_caches", O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, "3\n", 2) == 2;
    ::close(fd);
    return ok;
}

// The window's own figure for its Load, which leaves out starting the process.
double WindowLoadSeconds(const QString &corpus) {
    QProcess p;
    p.start(QStringLiteral(BENCH_WINDOW_PATH),
            {corpus, QStringLiteral("--load-only"), QStringLiteral("--tag")});
    p.waitForFinished(-1);
    for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
        if (line.startsWith("window_load_ms "))
            return line.mid(15).toDouble() / 1000.0;
    return -1;
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_naming SONGS.tsv [COUNT] [REPEAT] [DIR] [id3v2]\n"
                             "  SONGS.tsv  artist<TAB>title lines the names are made from\n"
                             "  COUNT      files in the corpus (100000)\n"
                             "  REPEAT     timed runs of each program (5)\n"
                             "  DIR        use (or create) this corpus folder instead of a "
                             "temporary one\n"
                             "  id3v2      a new corpus gets an ID3v2 tag in every file\n");
        return 2;
    }
    const QString songs = args[1];
    const int count = args.size() > 2 ? args[2].toInt() : 100000;
    const int repeat = std::max(1, args.size() > 3 ? args[3].toInt() : 5);
    QTemporaryDir temp;
    QTemporaryDir config;
    const QString corpus = args.size() > 4 ? args[4] : temp.filePath(QStringLiteral("corpus"));
    // The cli reads settings: give it an empty private store, so defaults apply.
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

    if (!QFileInfo::exists(corpus)) {
        const int rc =
            QProcess::execute(QStringLiteral(BENCH_CORPUS_PATH),
                              QStringList{songs, QString::number(count), corpus} + args.mid(5, 1));
        if (rc != 0)
            return 1;
    }

    const std::vector<QByteArray> baseline{BENCH_BASELINE_PATH, corpus.toLocal8Bit()};
    const std::vector<QByteArray> cli{SORTIVA_CLI_PATH, "load", "--recursive", "--tag",
                                      corpus.toLocal8Bit()};

    QProcess check;
    check.start(
        QStringLiteral(SORTIVA_CLI_PATH),
        {QStringLiteral("load"), QStringLiteral("--recursive"), QStringLiteral("--tag"), corpus});
    check.waitForFinished(-1);
    const QByteArray out = check.readAllStandardOutput();
    std::printf("corpus: %s\nsortiva-cli summary: %s", qPrintable(corpus),
                check.readAllStandardError().constData());
    std::printf("rows printed: %lld\n", static_cast<long long>(out.count('\n')));

    const std::vector<QByteArray> window{BENCH_WINDOW_PATH, corpus.toLocal8Bit(), "--load-only",
                                         "--tag"};

    RunQuiet(baseline); // warm the cache for all
    std::vector<Sample> b;
    std::vector<Sample> c;
    std::vector<Sample> w;
    std::vector<Sample> all;
    std::vector<QByteArray> allTags = cli;
    allTags.insert(allTags.end() - 1, "--all-tags");
    std::vector<double> wLoad;
    for (int i = 0; i < repeat; ++i) {
        b.push_back(RunQuiet(baseline));
        c.push_back(RunQuiet(cli));
        w.push_back(RunQuiet(window));
        all.push_back(RunQuiet(allTags));
        wLoad.push_back(WindowLoadSeconds(corpus));
    }
    std::sort(wLoad.begin(), wLoad.end());
    const Sample mb = Median(b);
    const Sample mc = Median(c);
    const Sample mw = Median(w);
    const double windowLoad = wLoad[wLoad.size() / 2];
    std::printf("warm cache, median of %d runs\n", repeat);
    std::printf("%-40s %9s %9s %9s\n", "program", "wall s", "cpu s", "peak MB");
    std::printf("%-40s %9.3f %9.3f %9.1f\n", "baseline walk + last 128 bytes", mb.seconds,
                MedianCpu(b), mb.peakKb / 1024.0);
    std::printf("%-40s %9.3f %9.3f %9.1f\n", "sortiva-cli load --recursive --tag", mc.seconds,
                MedianCpu(c), mc.peakKb / 1024.0);
    const Sample ma = Median(all);
    std::printf("%-40s %9.3f %9.3f %9.1f\n", "  the same with --all-tags", ma.seconds,
                MedianCpu(all), ma.peakKb / 1024.0);
    std::printf("%-40s %9.3f %9.3f %9.1f\n", "window process (start, Load, quit)", mw.seconds,
                MedianCpu(w), mw.peakKb / 1024.0);
    std::printf("%-40s %9.3f\n", "window Load alone", windowLoad);
    std::printf("ratio cli / baseline: wall %.2f (target 1.0 or less), cpu %.2f\n",
                mc.seconds / mb.seconds, MedianCpu(c) / MedianCpu(b));
    std::printf("ratio window Load / cli: %.2f (target 1.1 or less)\n", windowLoad / mc.seconds);
    std::printf("peak memory: cli %.1f MB (target under 150), window %.1f MB (target under 250)\n",
                mc.peakKb / 1024.0, mw.peakKb / 1024.0);

    if (!DropCaches()) {
        std::printf("cold cache: not measured, this process may not write "
                    "/proc/sys/vm/drop_caches (run as root)\n");
        return mb.status == 0 && mc.status == 0 ? 0 : 1;
    }
    std::vector<Sample> cb;
    std::vector<Sample> cc;
    for (int i = 0; i < repeat; ++i) {
        DropCaches();
        cb.push_back(RunQuiet(baseline));
        DropCaches();
        cc.push_back(RunQuiet(cli));
    }
    const Sample mcb = Median(cb);
    const Sample mcc = Median(cc);
    std::printf("cold cache (caches dropped before each run), median of %d runs\n", repeat);
    std::printf("%-40s %9.3f\n", "baseline walk + last 128 bytes", mcb.seconds);
    std::printf("%-40s %9.3f\n", "sortiva-cli load --recursive --tag", mcc.seconds);
    std::printf("ratio cli / baseline: wall %.2f (target 0.6 or less)\n",
                mcc.seconds / mcb.seconds);
    return mb.status == 0 && mc.status == 0 ? 0 : 1;
}
