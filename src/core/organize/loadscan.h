#pragma once

#include "naming/filesearch.h"
#include "naming/foldername.h"
#include "naming/namingoptions.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

/** One file of a load: its path below the Source Media folder and the folder it gets. */
struct LoadRow {
    QString relativePath;
    FolderNameResult name;
};

/**
 * The search of a load: the files of @p inpath matching the pattern-form @p filter, with
 * or without its sub-folders, as full paths in load order. @p onFolder hears of each folder
 * searched.
 */
QStringList FindMediaFiles(const QString &inpath, const QString &filter, bool recursive,
                           const FolderReadCallback &onFolder = {});

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
 * Derives one row per found path (paths that leave no relative path are skipped), handing
 * each to @p onRow; also returns them when @p keep is true. Names are remembered for the
 * length of the call (one NamingContext), so a row whose name is not ok is a "bad" row.
 */
std::vector<LoadRow> DeriveLoadRows(const QString &inpath, const QStringList &found,
                                    const NamingOptions &naming, const LoadRowCallback &onRow = {},
                                    bool keep = true);

/** What one load searches and how it names what it finds. */
struct LoadScanOptions {
    /** The Source Media folder. */
    QString inpath;
    /** The pattern-form filter ("*.mp3;*.wma"). */
    QString filter;
    /** Sub-folders are searched too. */
    bool recursive = false;
    NamingOptions naming;

    /** The options as Settings and the replace lists hold them now. */
    static LoadScanOptions FromSettings();
};

/**
 * The whole scan of a load: search (telling @p onFolder of each folder searched), then
 * DeriveLoadRows. No rows when the folder does not exist.
 */
std::vector<LoadRow> LoadScan(const LoadScanOptions &options, const LoadRowCallback &onRow = {},
                              bool keep = true, const FolderReadCallback &onFolder = {});

/** LoadScan with the options Settings holds when it starts. */
std::vector<LoadRow> LoadScan(const LoadRowCallback &onRow = {}, bool keep = true);
