#include "listing/folder.h"

#include "listing/listingformat.h"

Folder::Folder() : m_files(std::make_shared<FileList>()) {}

void Folder::SetFiles(std::shared_ptr<FileList> files) {
    m_files = files ? std::move(files) : std::make_shared<FileList>();
}

QString Folder::ToString() const {
    return m_title + QLatin1String(" (") + m_size + QLatin1String(" - ") +
           QString::number(m_files->Count()) + QLatin1String(" files)");
}

QString Folder::ToFormat(const QString &parentPath) const {
    return ToString() + QLatin1Char(' ') + PathWithoutDrive(parentPath);
}

QString Folder::ToStatus() const {
    return m_path + QLatin1String(" (") + QString::number(m_files->Count()) +
           QLatin1String(" Files)");
}

QString Folder::ToHtml(const QString &parentPath, int background, int text) const {
    return ListRow(EscapeHtml(m_title) + QLatin1String(" (") + QString::number(m_files->Count()) +
                       QLatin1String(" Files) ") + EscapeHtml(PathWithoutDrive(parentPath)),
                   EscapeHtml(m_size), background, text);
}
