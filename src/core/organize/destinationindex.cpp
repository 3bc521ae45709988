#include "organize/destinationindex.h"

#include "base/fileoperations.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "naming/filesearch.h"

#include <chrono>

DestinationIndex::DestinationIndex(QString outpath, Mode mode)
    : m_outpath(std::move(outpath)), m_planning(mode == Mode::Planning),
      m_startNs(std::chrono::duration_cast<std::chrono::nanoseconds>(
                    std::chrono::system_clock::now().time_since_epoch())
                    .count()) {}

QString DestinationIndex::Join(const QString &folder, const QString &name) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString DestinationIndex::TargetFolder(const QString &folderName) {
    if (folderName.isEmpty())
        return m_outpath;
    const auto known = m_targets.constFind(folderName);
    if (known != m_targets.cend())
        return *known;
    const QString exact = Join(m_outpath, folderName);
    // A name with sub-folders is taken as written; only one level is matched loosely.
    if (folderName.contains(QLatin1Char('/')))
        return exact;
    QString found;
    if (FolderExists(exact)) {
        found = exact;
    } else {
        if (!m_foldersListed) {
            m_foldersListed = true;
            const QStringList names = FolderEntryNames(m_outpath, true);
            // A folder whose name is not UTF-8 is met under the name people read.
            for (const QString &n : names)
                m_folders.insert(ReadableName(n).toCaseFolded(), n);
        }
        const auto it = m_folders.constFind(folderName.toCaseFolded());
        if (it != m_folders.cend() && FolderExists(Join(m_outpath, *it)))
            found = Join(m_outpath, *it);
    }
    if (found.isEmpty())
        return exact;
    m_targets.insert(folderName, found);
    m_existing.insert(found);
    return found;
}

void DestinationIndex::MakeTarget(const QString &folder) {
    if (folder == m_outpath || m_existing.contains(folder))
        return;
    if (!FolderExists(folder)) {
        if (m_makeFolder)
            m_makeFolder(folder);
        else
            MakeFolder(folder);
    }
    // Remembered only once it stands, so a folder that could not be made is tried again
    // by the next row (whose copy then fails).
    if (!FolderExists(folder))
        return;
    m_existing.insert(folder);
    const QString name = FileNamePart(folder);
    if (FolderPart(folder) == m_outpath && !name.isEmpty())
        m_folders.insert(name.toCaseFolded(), name);
}

DestinationIndex::Names &DestinationIndex::Files(const QString &folder) {
    auto it = m_files.find(folder);
    if (it != m_files.end())
        return *it;
    Names names;
    // A folder a run copies into first loses what killed runs left there.
    if (!m_planning)
        RemoveStaleTemporaries(folder, m_startNs);
    const QStringList entries = FolderEntryNames(folder, false);
    for (const QString &n : entries)
        names.insert(n.toCaseFolded(), n);
    return *m_files.insert(folder, std::move(names));
}

QString DestinationIndex::ExistingName(const QString &folder, const QString &name) {
    const Names &names = Files(folder);
    const auto it = names.constFind(name.toCaseFolded());
    if (it != names.cend() && (m_planning || FileExists(Join(folder, *it))))
        return *it;
    // A file that appeared since the folder was listed is met by the placement, which never
    // replaces: the run then lists the folder again.
    return QString();
}

QString DestinationIndex::FreeName(const QString &folder, const QString &name) {
    if (ExistingName(folder, name).isEmpty())
        return name;
    for (int n = 1;; ++n) {
        const QString candidate = NumberedName(name, n);
        if (ExistingName(folder, candidate).isEmpty())
            return candidate;
    }
}

void DestinationIndex::Added(const QString &folder, const QString &name) {
    Files(folder).insert(name.toCaseFolded(), name);
}

void DestinationIndex::Removed(const QString &folder, const QString &name) {
    auto it = m_files.find(folder);
    if (it == m_files.end())
        return;
    const auto n = it->constFind(name.toCaseFolded());
    if (n != it->cend() && *n == name)
        it->erase(n);
}

void DestinationIndex::Forget(const QString &folder) {
    m_files.remove(folder);
    m_targets.clear();
    m_existing.clear();
}
