#include "listing/folderlist.h"

#include "base/fileoperations.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "listing/listingformat.h"
#include "naming/filesearch.h"

namespace {
// A line break inside a name would split its row of the text listing in two.
QString OnOneLine(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

QString NamePart(const QString &path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// Collects the listing and hands it to the file in large pieces; text listings are UTF-8,
// XHTML listings iso-8859-1 (every text from outside was escaped into Latin-1 already).
class ListingWriter {
  public:
    ListingWriter(WholeFileWriter &file, bool html) : m_file(file), m_html(html) {}

    /** One write of the listing: the text, then CR LF. */
    void Line(const QString &text) {
        m_buffer += text;
        EndLine();
    }
    /** The buffer, for a line built in place; EndLine finishes it. */
    QString &Buffer() { return m_buffer; }
    void EndLine() {
        m_buffer += ListingLineEnd;
        if (m_buffer.size() >= 512 * 1024)
            Flush();
    }

    void Flush() {
        if (m_buffer.isEmpty())
            return;
        m_file.Write(m_html ? m_buffer.toLatin1() : m_buffer.toUtf8());
        m_buffer.clear();
    }

  private:
    WholeFileWriter &m_file;
    bool m_html;
    QString m_buffer;
};
} // namespace

FolderList::FolderList(QObject *parent) : QObject(parent) {}

bool FolderList::SearchFiles(const QString &fileFilter) {
    emit Status(QLatin1String("Searching For Folders In ") + ReadableName(m_rootPath));
    // Every folder is read once by this walk, so it alone notes the unreadable ones.
    m_unread = SearchReport();
    const QStringList folders = FindFolders(m_rootPath, FolderSearchMask, &m_unread);
    const int n = static_cast<int>(folders.size());
    if (n > 0) {
        emit Progress(0, n);
        m_size = 0;
        m_fileCount = 0;
        int i = 0;
        for (const QString &folderPath : folders) {
            ++i;
            // The listing holds names as people read them; the disk is asked by exact bytes.
            const QString shownPath = ReadableName(folderPath);
            auto folder = std::make_shared<Folder>();
            folder->SetPath(shownPath);
            emit Status(QLatin1String("Searching For Files In ") + shownPath);
            const QString title = NamePart(shownPath);
            folder->SetTitle(title.isEmpty() ? shownPath : title);
            qint64 folderBytes = 0;
            const QStringList files = FindFiles(folderPath, fileFilter, FileSearchMask);
            for (const QString &filePath : files) {
                ++m_fileCount;
                auto file = std::make_shared<File>();
                const QString shownFile = ReadableName(filePath);
                file->SetPath(shownFile);
                file->SetTitle(NamePart(shownFile));
                const qint64 length = GetFileSize(filePath);
                folderBytes += length;
                file->SetSize(FormatSize(static_cast<double>(length)));
                folder->Files().Add(file);
            }
            folder->SetSize(FormatSize(static_cast<double>(folderBytes)));
            Add(folder);
            m_size += folderBytes;
            emit Progress(i, n);
        }
    }
    emit Progress(0, Count());
    emit Status(QLatin1String("Complete. Found ") + QString::number(Count()) +
                QLatin1String(" Folders With ") + QString::number(m_fileCount) +
                QLatin1String(" Files Totaling ") + FormatSize(static_cast<double>(m_size)) +
                (m_unread.unreadable > 0 ? QLatin1String(". ") + m_unread.Summary() : QString()));
    return true;
}

QString FolderList::ToText(const QDateTime &date) const {
    const QLatin1StringView n = ListingLineEnd;
    return QLatin1String("Folder Directory Listing By Sortiva - Coded by Quillon") + n +
           QLatin1String("\tPath: ") + OnOneLine(PathWithoutDrive(ReadableName(m_rootPath))) + n +
           QLatin1String("\tFolders: ") + QString::number(Count()) + n +
           QLatin1String("\tFiles: ") + QString::number(m_fileCount) + n +
           QLatin1String("\tTotal: ") + FormatSize(static_cast<double>(m_size)) + n +
           QLatin1String("\tDate: ") + ListingDateText(date) + n;
}

QString FolderList::ToHtml(const ListingOptions &options) const {
    const QString &align = options.page.align;
    const QString a = align == QLatin1String("left")
                          ? QString()
                          : QLatin1String(" align=\"") + EscapeHtml(align) + QLatin1Char('"');
    const QString grey = QStringLiteral("#CCCCCC");
    const QString black = QStringLiteral("#000000");
    return QLatin1String("<table") + a +
           QLatin1String(" width=\"510\" border=\"1\" cellspacing=\"0\" cellpadding=\"0\" "
                         "height=\"21\">") +
           ListingLineEnd +
           InfoRow(25,
                   QStringLiteral("Directory Listing By Sortiva Media Organizer&#153; - Coded By "
                                  "Quillon"),
                   black, QStringLiteral("#FFFFFF")) +
           InfoRow(15,
                   QLatin1String("Path: ") + EscapeHtml(PathWithoutDrive(ReadableName(m_rootPath))),
                   grey, black) +
           InfoRow(15, QLatin1String("Folders: ") + QString::number(Count()), grey, black) +
           InfoRow(15, QLatin1String("Files: ") + QString::number(m_fileCount), grey, black) +
           InfoRow(15,
                   QLatin1String("Total: ") + EscapeHtml(FormatSize(static_cast<double>(m_size))),
                   grey, black) +
           InfoRow(15, QLatin1String("Date: ") + EscapeHtml(ListingDateText(options.date)), grey,
                   black) +
           QLatin1String("</table><br>") + ListingLineEnd;
}

SaveResult FolderList::SaveFiles(const QString &filePath, const ListingOptions &options) {
    const int count = Count();
    if (count == 0)
        return SaveResult::NoFolders;
    emit Progress(0, count);

    const bool html = options.html;
    const bool noEmpty = options.noEmpty;
    const HtmlPageSettingsRecord &page = options.page;

    // File rows are most of a listing: their colours are made page text once.
    const QString colour5 = HtmlColor(page.colors[5]);
    const QString colour6 = HtmlColor(page.colors[6]);

    WholeFileWriter file(filePath);
    const bool opened = file.Open();
    ListingWriter out(file, html);
    if (html) {
        out.Line(PageHead(page));
        out.Line(ToHtml(options));
    } else {
        out.Line(ToText(options.date));
    }

    int i = 0;
    for (const Member &folder : *this) {
        ++i;
        const FileList &files = folder->Files();
        if (!(noEmpty && files.Count() == 0)) {
            const QString parent = FolderPart(folder->Path());
            if (html) {
                out.Line(TableTag(95, page.sizes[1], page.align, page.sizes[2], page.sizes[3]));
                out.Line(folder->ToHtml(parent, page.colors[3], page.colors[4]));
                bool toggle = false;
                for (const auto &f : files) {
                    if (toggle)
                        f->AppendHtml(out.Buffer(), colour5, colour6);
                    else
                        f->AppendHtml(out.Buffer(), colour6, colour5);
                    out.EndLine();
                    if (page.alternate != 0)
                        toggle = !toggle;
                }
                out.Line(QStringLiteral("</table><br>"));
            } else {
                out.Line(ListingLineEnd + OnOneLine(folder->ToFormat(parent)));
                for (const auto &f : files)
                    out.Line(QLatin1Char('\t') + OnOneLine(f->ToString(false)));
            }
        }
        emit Progress(i, count);
    }
    if (html)
        out.Line(QStringLiteral("</body></html>"));
    out.Flush();
    const bool committed = opened && file.Commit();
    emit Progress(0, count);
    return committed ? SaveResult::Saved : SaveResult::WriteFailed;
}
