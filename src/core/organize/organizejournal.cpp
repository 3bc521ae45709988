#include "organize/organizejournal.h"

#include "base/fileoperations.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "naming/filesearch.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kSuffix = QStringLiteral(".jsonl");

QJsonObject StampJson(const FileStamp &s) {
    return {{QStringLiteral("size"), s.size}, {QStringLiteral("mtime"), s.mtimeNs}};
}

FileStamp StampFrom(const QJsonObject &o) {
    FileStamp s;
    if (o.contains(QStringLiteral("size"))) {
        s.size = o.value(QStringLiteral("size")).toInteger(-1);
        s.mtimeNs = o.value(QStringLiteral("mtime")).toInteger();
    }
    return s;
}

// Paths are written absolute: undo may run in another working folder than the run.
QString PathField(const QJsonObject &o, const QString &key) {
    return PathFromJournalText(o.value(key).toString());
}

// The name of a journal started now: its UTC start time, so names sort as the runs began.
QString JournalName() {
    const qint64 us = std::chrono::duration_cast<std::chrono::microseconds>(
                          std::chrono::system_clock::now().time_since_epoch())
                          .count();
    return QDateTime::fromMSecsSinceEpoch(us / 1000, Qt::UTC)
               .toString(QStringLiteral("yyyyMMdd'T'HHmmss.")) +
           QStringLiteral("%1Z").arg(us % 1000000, 6, 10, QLatin1Char('0')) + kSuffix;
}
} // namespace

FileStamp FileStamp::Of(const QString &path) {
    struct stat st;
    FileStamp s;
    if (::stat(NativePath(path).constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        s.size = st.st_size;
        s.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    }
    return s;
}

QString JournalFolder() {
    QByteArray state = qgetenv("XDG_STATE_HOME");
    // The base directory rules ignore a relative value.
    if (!state.startsWith('/'))
        state = qgetenv("HOME") + "/.local/state";
    return PathFromNative(state) + QStringLiteral("/Sortiva/journal");
}

QString JournalPathText(const QString &path) {
    QString out;
    out.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c.isHighSurrogate() && i + 1 < path.size() && path[i + 1].isLowSurrogate()) {
            out += c;
            out += path[++i];
        } else if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF) {
            out += QStringLiteral("%%1").arg(c.unicode() - 0xDC00, 2, 16, QLatin1Char('0'));
        } else if (c == QLatin1Char('%')) {
            out += QStringLiteral("%25");
        } else {
            out += c;
        }
    }
    return out;
}

QString PathFromJournalText(const QString &text) {
    return PathFromNative(QByteArray::fromPercentEncoding(text.toUtf8()));
}

OrganizeJournal::OrganizeJournal(QString sourceFolder, QString destFolder)
    : m_source(std::move(sourceFolder)), m_dest(std::move(destFolder)) {}

OrganizeJournal::~OrganizeJournal() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool OrganizeJournal::Open() {
    if (m_fd >= 0 || m_failed)
        return m_fd >= 0;
    const QString folder = JournalFolder();
    ::MakeFolderPath(folder);
    for (int attempt = 0; attempt < 50 && m_fd < 0; ++attempt) {
        m_path = folder + QLatin1Char('/') + JournalName();
        m_fd = ::open(NativePath(m_path).constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_failed = true;
        m_path.clear();
        return false;
    }
    // The oldest runs beyond the kept number go.
    const QStringList all = JournalFiles();
    for (qsizetype i = 0; i + kJournalRuns < all.size(); ++i)
        ::unlink(NativePath(all[i]).constData());
    return Append(
        {{QStringLiteral("journal"), 1},
         {QStringLiteral("started"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
         {QStringLiteral("source"), JournalPathText(AbsolutePath(m_source))},
         {QStringLiteral("dest"), JournalPathText(AbsolutePath(m_dest))}});
}

bool OrganizeJournal::Append(const QJsonObject &line) {
    if (!Open())
        return false;
    const QByteArray text = QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
    // One write of the whole line straight to the kernel: once it returns, the line
    // survives the process being killed.
    qsizetype done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(m_fd, text.constData() + done, size_t(text.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

void OrganizeJournal::MakeFolder(const QString &folder) {
    if (folder.isEmpty() || FolderExists(folder))
        return;
    Append({{QStringLiteral("folder"), JournalPathText(AbsolutePath(folder))}});
    ::MakeFolder(folder);
}

void OrganizeJournal::MakeFolderPath(const QString &path) {
    QString prefix;
    for (const QChar c : path) {
        if (c == QLatin1Char('/') && !prefix.isEmpty())
            MakeFolder(prefix);
        prefix += c;
    }
    MakeFolder(NormalizePath(path));
}

OrganizeJournal::Entry OrganizeJournal::BeginFile(const QString &source, const QString &destination,
                                                  bool move, bool replacing) {
    Entry entry;
    entry.number = ++m_files;
    QJsonObject line = StampJson(FileStamp::Of(source));
    line.insert(QStringLiteral("file"), entry.number);
    line.insert(QStringLiteral("source"), JournalPathText(AbsolutePath(source)));
    line.insert(QStringLiteral("dest"), JournalPathText(AbsolutePath(destination)));
    line.insert(QStringLiteral("move"), move);
    if (replacing) {
        entry.trash = ReserveTrashSlot(destination);
        line.insert(QStringLiteral("replaces"), StampJson(FileStamp::Of(destination)));
        line.insert(QStringLiteral("trash"), JournalPathText(entry.trash.file));
    }
    // Without its line the old file could not be found again: it is then replaced as
    // before, not kept.
    if (!Append(line) && !entry.trash.IsNull()) {
        ReleaseTrashSlot(entry.trash);
        entry.trash = {};
    }
    return entry;
}

void OrganizeJournal::EndFile(const Entry &entry, bool placed, bool sourceDeleted,
                              const QString &destination) {
    QJsonObject line = StampJson(placed ? FileStamp::Of(destination) : FileStamp());
    line.insert(QStringLiteral("done"), entry.number);
    line.insert(QStringLiteral("placed"), placed);
    line.insert(QStringLiteral("sourceDeleted"), sourceDeleted);
    Append(line);
}

int JournalRun::PlacedCount() const {
    return int(std::count_if(files.cbegin(), files.cend(),
                             [](const JournalFile &f) { return !f.ended || f.placed; }));
}

std::optional<JournalRun> ReadJournal(const QString &path) {
    QFile file;
    const int fd = ::open(NativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
    JournalRun run;
    run.path = path;
    bool head = false;
    QHash<int, qsizetype> byNumber;
    while (!file.atEnd()) {
        const QJsonObject o = QJsonDocument::fromJson(file.readLine()).object();
        if (o.isEmpty())
            continue; // cut short by a kill
        if (o.contains(QStringLiteral("journal"))) {
            head = true;
            run.started = o.value(QStringLiteral("started")).toString();
            run.sourceFolder = PathField(o, QStringLiteral("source"));
            run.destFolder = PathField(o, QStringLiteral("dest"));
        } else if (o.contains(QStringLiteral("folder"))) {
            run.folders << PathField(o, QStringLiteral("folder"));
        } else if (o.contains(QStringLiteral("file"))) {
            JournalFile f;
            f.source = PathField(o, QStringLiteral("source"));
            f.destination = PathField(o, QStringLiteral("dest"));
            f.sourceStamp = StampFrom(o);
            f.move = o.value(QStringLiteral("move")).toBool();
            f.replacing = o.contains(QStringLiteral("replaces"));
            f.replaced = StampFrom(o.value(QStringLiteral("replaces")).toObject());
            f.trash = PathField(o, QStringLiteral("trash"));
            byNumber.insert(o.value(QStringLiteral("file")).toInt(), run.files.size());
            run.files << f;
        } else if (o.contains(QStringLiteral("done"))) {
            const auto it = byNumber.constFind(o.value(QStringLiteral("done")).toInt());
            if (it == byNumber.cend())
                continue;
            JournalFile &f = run.files[*it];
            f.ended = true;
            f.placed = o.value(QStringLiteral("placed")).toBool();
            f.sourceDeleted = o.value(QStringLiteral("sourceDeleted")).toBool();
            f.placedStamp = StampFrom(o);
        } else if (o.contains(QStringLiteral("undone"))) {
            run.undone = true;
        }
    }
    if (!head)
        return std::nullopt;
    return run;
}

QStringList JournalFiles() {
    const QString folder = JournalFolder();
    QStringList names = FolderEntryNames(folder, false);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &n) { return !n.endsWith(kSuffix); }),
                names.end());
    std::sort(names.begin(), names.end());
    for (QString &n : names)
        n = folder + QLatin1Char('/') + n;
    return names;
}

std::optional<JournalRun> LastRunToUndo() {
    const QStringList all = JournalFiles();
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        std::optional<JournalRun> run = ReadJournal(*it);
        if (run && !run->undone)
            return run;
    }
    return std::nullopt;
}

void MarkUndone(const QString &path) {
    const int fd = ::open(NativePath(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return;
    const QByteArray line =
        QJsonDocument(QJsonObject{{QStringLiteral("undone"),
                                   QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)}})
            .toJson(QJsonDocument::Compact) +
        '\n';
    [[maybe_unused]] const ssize_t n = ::write(fd, line.constData(), size_t(line.size()));
    ::close(fd);
}
