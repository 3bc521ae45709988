#include "organize/loadscan.h"

#include "base/nativepath.h"
#include "base/paths.h"
#include "base/settings.h"
#include "naming/artistname.h"
#include "naming/filesearch.h"
#include "naming/namingcontext.h"

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

std::vector<LoadRow> DeriveLoadRows(const QString &inpath, const QStringList &found,
                                    const NamingOptions &naming, const LoadRowCallback &onRow,
                                    bool keep) {
    std::vector<LoadRow> rows;
    if (keep)
        rows.reserve(static_cast<size_t>(found.size()));
    const int total = static_cast<int>(found.size());
    const QString base = SearchFolderBase(inpath);
    NamingContext context;
    for (int i = 0; i < total; ++i) {
        const QString &path = found.at(i);
        if (!path.startsWith(base) || path.size() == base.size())
            continue;
        LoadRow row;
        row.relativePath = path.mid(base.size());
        // The rules read the name as people do; the tag is read through the exact path.
        row.name = DeriveFolderName(ReadableName(row.relativePath), path, naming, &context);
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
    return DeriveLoadRows(options.inpath, found, options.naming, onRow, keep);
}

std::vector<LoadRow> LoadScan(const LoadRowCallback &onRow, bool keep) {
    return LoadScan(LoadScanOptions::FromSettings(), onRow, keep, nullptr);
}
