#include "organize/loadscan.h"

#include "base/nativepath.h"
#include "base/paths.h"
#include "base/settings.h"
#include "naming/artistname.h"
#include "naming/filesearch.h"
#include "naming/namingcontext.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

QStringList FindMediaFiles(const QString &inpath, const QString &filter, bool recursive,
                           SearchReport *report) {
    if (recursive)
        return FindFilesRecursive(inpath, filter, FileSearchMask, FolderSearchMask, report);
    if (report && report->onFolder)
        report->onFolder(inpath);
    return FindFiles(inpath, filter, FileSearchMask, report);
}

QString RelativeMediaPath(const QString &inpath, const QString &foundPath) {
    const QString base = SearchFolderBase(inpath);
    if (!foundPath.startsWith(base))
        return QString();
    return foundPath.mid(base.size());
}

namespace {
// Files a worker may be ahead of the row in hand, per worker: enough to keep every worker
// busy while the caller appends rows, few enough that memory stays flat on any folder.
constexpr qsizetype kAheadPerWorker = 32;
// Files a worker takes at a time: one hand-over per file costs as much as naming it.
constexpr qsizetype kBatch = 8;

// The rows of one load, read and named by a pool of workers and handed out in file order.
// Workers take the next files while they are less than the window ahead of the rows the
// caller has taken, and put each row into its file's slot of a ring.
class RowPipeline {
  public:
    RowPipeline(const QString &base, const QStringList &found, const NamingOptions &naming,
                int workers)
        : m_base(base), m_found(found), m_naming(naming), m_window(workers * kAheadPerWorker),
          m_slots(static_cast<size_t>(m_window)) {
        m_threads.reserve(static_cast<size_t>(workers));
        try {
            for (int i = 0; i < workers; ++i)
                m_threads.emplace_back([this] { Work(); });
        } catch (const std::system_error &) {
            // No more threads to be had: the load goes on with those it got, or without.
        }
    }

    // Stops handing out files and waits for the file each worker has in hand: nothing
    // outlives the load.
    ~RowPipeline() {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_spaceFree.notify_all();
        for (std::thread &t : m_threads)
            t.join();
    }

    RowPipeline(const RowPipeline &) = delete;
    RowPipeline &operator=(const RowPipeline &) = delete;

    // The row of the next file; false when @p onWait stopped the wait. @p row is left
    // without a path when the file gives no row.
    bool Next(LoadRow &row, const LoadWaitCallback &onWait) {
        if (m_threads.empty()) {
            row = Derive(m_found.at(m_handed++), m_ownContext);
            return true;
        }
        if (m_taken.empty() && !Fetch(onWait))
            return false;
        row = std::move(m_taken.front());
        m_taken.pop_front();
        return true;
    }

  private:
    struct Slot {
        LoadRow row;
        bool ready = false;
    };

    Slot &SlotOf(qsizetype file) { return m_slots[static_cast<size_t>(file % m_window)]; }

    // Takes every row that is ready from the next file on, waiting for the first.
    bool Fetch(const LoadWaitCallback &onWait) {
        std::unique_lock lock(m_mutex);
        while (!SlotOf(m_handed).ready) {
            if (m_rowReady.wait_for(lock, std::chrono::milliseconds(50)) ==
                    std::cv_status::timeout &&
                onWait) {
                lock.unlock();
                if (!onWait())
                    return false;
                lock.lock();
            }
        }
        for (Slot *slot = &SlotOf(m_handed); slot->ready; slot = &SlotOf(++m_handed)) {
            m_taken.push_back(std::move(slot->row));
            slot->ready = false;
        }
        lock.unlock();
        m_spaceFree.notify_all();
        return true;
    }

    void Work() {
        NamingContext context; // caches answers for this thread's files only
        const qsizetype total = m_found.size();
        std::vector<LoadRow> rows;
        for (;;) {
            qsizetype first = 0;
            {
                std::unique_lock lock(m_mutex);
                m_spaceFree.wait(lock, [&] {
                    return m_stop || m_next >= total || m_next < m_handed + m_window;
                });
                if (m_stop || m_next >= total)
                    return;
                first = m_next;
                m_next = std::min({total, first + kBatch, m_handed + m_window});
                rows.resize(static_cast<size_t>(m_next - first));
            }
            for (LoadRow &row : rows) {
                if (m_stop)
                    return; // the rows of this batch are no longer wanted
                row = Derive(m_found.at(first + (&row - rows.data())), context);
            }
            {
                const std::lock_guard lock(m_mutex);
                for (LoadRow &row : rows) {
                    Slot &slot = SlotOf(first + (&row - rows.data()));
                    slot.row = std::move(row);
                    slot.ready = true;
                }
            }
            m_rowReady.notify_one();
        }
    }

    LoadRow Derive(const QString &path, NamingContext &context) const {
        LoadRow row;
        if (!path.startsWith(m_base) || path.size() == m_base.size())
            return row;
        row.relativePath = path.mid(m_base.size());
        // The rules read the name as people do; the tag is read through the exact path.
        row.name = DeriveFolderName(ReadableName(row.relativePath), path, m_naming, &context);
        return row;
    }

    const QString m_base;
    const QStringList &m_found;
    const NamingOptions &m_naming;
    const qsizetype m_window;
    std::vector<Slot> m_slots;
    std::mutex m_mutex;
    std::condition_variable m_rowReady;
    std::condition_variable m_spaceFree;
    qsizetype m_next = 0;   // the next file a worker takes
    qsizetype m_handed = 0; // files whose rows the caller has taken
    std::atomic<bool> m_stop{false};
    std::deque<LoadRow> m_taken; // taken, not yet handed out (the caller's thread only)
    NamingContext m_ownContext;  // for naming on the caller's thread when no worker started
    std::vector<std::thread> m_threads;
};
} // namespace

int DefaultLoadWorkers() {
    return std::max(8, static_cast<int>(std::thread::hardware_concurrency()));
}

std::vector<LoadRow> DeriveLoadRows(const QString &inpath, const QStringList &found,
                                    const NamingOptions &naming, const LoadRowCallback &onRow,
                                    bool keep, int workers, const LoadWaitCallback &onWait) {
    std::vector<LoadRow> rows;
    const int total = static_cast<int>(found.size());
    if (total == 0)
        return rows;
    if (keep)
        rows.reserve(static_cast<size_t>(total));
    const int threads = std::min(workers > 0 ? workers : DefaultLoadWorkers(), total);
    RowPipeline pipeline(SearchFolderBase(inpath), found, naming, threads);
    for (int i = 0; i < total; ++i) {
        LoadRow row;
        if (!pipeline.Next(row, onWait))
            break;
        if (row.relativePath.isEmpty())
            continue;
        const bool goOn = !onRow || onRow(row, i + 1, total);
        if (keep)
            rows.push_back(std::move(row));
        if (!goOn)
            break;
    }
    return rows;
}

LoadScanOptions LoadScanOptions::FromSettings() {
    LoadScanOptions o;
    o.inpath = Settings.inpath;
    o.filter = Settings.filter;
    o.recursive = Settings.recursivesearch != 0;
    o.naming = NamingOptions::FromSettings();
    return o;
}

std::vector<LoadRow> LoadScan(const LoadScanOptions &options, const LoadRowCallback &onRow,
                              bool keep, SearchReport *report) {
    if (!FolderExists(options.inpath))
        return {};
    const QStringList found =
        FindMediaFiles(options.inpath, options.filter, options.recursive, report);
    return DeriveLoadRows(options.inpath, found, options.naming, onRow, keep, options.workers);
}

std::vector<LoadRow> LoadScan(const LoadRowCallback &onRow, bool keep) {
    return LoadScan(LoadScanOptions::FromSettings(), onRow, keep, nullptr);
}
