#pragma once

#include "naming/filesearch.h"
#include "naming/foldername.h"
#include "naming/namingoptions.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

/**
 * One file of a load: its path below the Source Media folder (exact bytes, see
 * nativepath.h) and the folder it gets.
 */
struct LoadRow {
    QString relativePath;
    FolderNameResult name;
};

/**
 * The search of a load: the files of @p inpath matching the pattern-form @p filter, with
 * or without its sub-folders, as full paths in load order. Folders that could not be read
 * are noted in @p report.
 */
QStringList FindMediaFiles(const QString &inpath, const QString &filter, bool recursive,
                           SearchReport *report = nullptr);

/**
 * A found path without the Source Media folder and the separator after it. Blanks at the
 * ends are part of Linux names and stay. Empty when the path is not below @p inpath.
 */
QString RelativeMediaPath(const QString &inpath, const QString &foundPath);

/**
 * Called once per row in load order with the row, its 1-based number among the found
 * paths and their count; returning false stops the load after that row.
 */
using LoadRowCallback = std::function<bool(const LoadRow &row, int number, int total)>;

/**
 * Called on the calling thread while the next row is still being read (about every 50 ms),
 * so a window can let its events run; returning false stops the load.
 */
using LoadWaitCallback = std::function<bool()>;

/** The workers of a load: as many as cores, and at least 8 so slow disks get reads in parallel. */
int DefaultLoadWorkers();

/**
 * Derives one row per found path (paths that leave no relative path are skipped), handing
 * each to @p onRow on the calling thread in the order of @p found; also returns them when
 * @p keep is true. @p workers threads (DefaultLoadWorkers() when 0) read the tags and name
 * the files, each with a NamingContext of its own, at most a few hundred files ahead of
 * the row in hand; when the load stops every worker has finished before this returns.
 * A row whose name is not ok is a "bad" row.
 */
std::vector<LoadRow> DeriveLoadRows(const QString &inpath, const QStringList &found,
                                    const NamingOptions &naming, const LoadRowCallback &onRow = {},
                                    bool keep = true, int workers = 0,
                                    const LoadWaitCallback &onWait = {});

/** What one load searches and how it names what it finds. */
struct LoadScanOptions {
    /** The Source Media folder. */
    QString inpath;
    /** The pattern-form filter ("*.mp3;*.wma"). */
    QString filter;
    /** Sub-folders are searched too. */
    bool recursive = false;
    NamingOptions naming;
    /** The naming threads; 0 for DefaultLoadWorkers(). */
    int workers = 0;

    /** The options as Settings and the replace lists hold them now. */
    static LoadScanOptions FromSettings();
};

/**
 * The whole scan of a load: search, then DeriveLoadRows. No rows when the folder does not
 * exist. Folders that could not be read are noted in @p report.
 */
std::vector<LoadRow> LoadScan(const LoadScanOptions &options, const LoadRowCallback &onRow = {},
                              bool keep = true, SearchReport *report = nullptr);

/** LoadScan with the options Settings holds when it starts. */
std::vector<LoadRow> LoadScan(const LoadRowCallback &onRow = {}, bool keep = true);
