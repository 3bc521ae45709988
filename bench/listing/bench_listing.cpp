// Times "sortiva-cli export --html" against "tree -H . -o FILE" on the same generated tree
// of 100,000 files in 5,000 folders and prints both times and their ratio.
// Usage: bench_listing [files [folders [runs]]]

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {
// Root, then first-level folders, then second-level folders spread over them.
QStringList MakeFolders(const QString &root, int folders) {
    QStringList paths{root};
    const int top = std::max(1, std::min(50, folders - 1));
    for (int i = 0; i < top && paths.size() < folders; ++i)
        paths << root + QStringLiteral("/Artist %1").arg(i, 2, 10, QLatin1Char('0'));
    for (int j = 0; paths.size() < folders; ++j)
        paths << paths.at(1 + j % top) +
                     QStringLiteral("/Album %1").arg(j, 4, 10, QLatin1Char('0'));
    for (const QString &p : paths)
        QDir().mkpath(p);
    return paths;
}

// Media-sized files (2 to 8 MB, as MP3s are) written sparse, so the tree costs no disk.
void MakeFiles(const QStringList &folders, int files) {
    for (int i = 0; i < files; ++i) {
        const QString name =
            folders.at(i % folders.size()) +
            QStringLiteral("/%1 - Track %2.mp3").arg(i % 97).arg(i, 6, 10, QLatin1Char('0'));
        QFile f(name);
        if (f.open(QIODevice::WriteOnly))
            f.resize(2000000 + (static_cast<qint64>(i) * 7919) % 6000000);
    }
}

struct Timing {
    double wall = -1; // milliseconds
    double cpu = -1;  // user + system milliseconds of the program
};

double ChildrenCpuMs() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return (static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3) +
           (static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3);
}

// Wall-clock and processor time of one run; -1 when the program failed. Processor time
// stays meaningful when other work shares the machine.
Timing Run(const QString &program, const QStringList &arguments, const QString &workDir) {
    QProcess p;
    p.setProgram(program);
    p.setArguments(arguments);
    p.setWorkingDirectory(workDir);
    p.setStandardOutputFile(QProcess::nullDevice());
    const double cpuBefore = ChildrenCpuMs();
    QElapsedTimer t;
    t.start();
    p.start();
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     p.readAllStandardError().constData());
        return {};
    }
    const double wall = static_cast<double>(t.nsecsElapsed()) / 1e6;
    return {wall, ChildrenCpuMs() - cpuBefore};
}

double Median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? -1 : v.at(v.size() / 2);
}
} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int files = args.size() > 1 ? args.at(1).toInt() : 100000;
    const int folders = args.size() > 2 ? args.at(2).toInt() : 5000;
    const int runs = args.size() > 3 ? args.at(3).toInt() : 3;

    QTemporaryDir work;
    if (!work.isValid())
        return 1;
    // The batch program reads settings; it gets a private, empty store.
    qputenv("XDG_CONFIG_HOME", work.filePath(QStringLiteral("config")).toLocal8Bit());
    const QString root = work.filePath(QStringLiteral("tree"));
    const QString ours = work.filePath(QStringLiteral("sortiva.html"));
    const QString theirs = work.filePath(QStringLiteral("tree.html"));

    QElapsedTimer build;
    build.start();
    MakeFiles(MakeFolders(root, folders), files);
    std::printf("tree of %d files in %d folders generated in %.1f s\n", files, folders,
                static_cast<double>(build.elapsed()) / 1000.0);

    const QString tree = QStandardPaths::findExecutable(QStringLiteral("tree"));
    if (tree.isEmpty()) {
        std::fprintf(stderr, "tree is not installed\n");
        return 1;
    }
    const QString cli = QStringLiteral(SORTIVA_CLI);
    const QStringList cliArgs{QStringLiteral("export"),
                              QStringLiteral("--html"),
                              QStringLiteral("--filter"),
                              QStringLiteral("*"),
                              QStringLiteral("--force"),
                              root,
                              ours};
    const QStringList treeArgs{QStringLiteral("-H"), QStringLiteral("."), QStringLiteral("-o"),
                               theirs};

    // One untimed round each warms the directory cache for both.
    Run(cli, cliArgs, root);
    Run(tree, treeArgs, root);
    QList<double> cliWall, cliCpu, treeWall, treeCpu;
    for (int i = 0; i < runs; ++i) {
        const Timing a = Run(cli, cliArgs, root);
        const Timing b = Run(tree, treeArgs, root);
        if (a.wall < 0 || b.wall < 0)
            return 1;
        cliWall << a.wall;
        cliCpu << a.cpu;
        treeWall << b.wall;
        treeCpu << b.cpu;
    }
    std::printf("medians of %d runs          wall ms     cpu ms   output bytes\n", runs);
    std::printf("sortiva-cli export --html : %8.1f   %8.1f   %lld\n", Median(cliWall),
                Median(cliCpu), static_cast<long long>(QFileInfo(ours).size()));
    std::printf("tree -H . -o FILE          : %8.1f   %8.1f   %lld\n", Median(treeWall),
                Median(treeCpu), static_cast<long long>(QFileInfo(theirs).size()));
    std::printf("ratio sortiva/tree         : %8.2fx  %8.2fx  (target at most 1.50x)\n",
                Median(cliWall) / Median(treeWall), Median(cliCpu) / Median(treeCpu));
    return 0;
}
