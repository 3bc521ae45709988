#include "tags/tagdisplay.h"

#include "base/nativepath.h"
#include "base/paths.h"
#include "base/textutil.h"
#include "tags/genres.h"
#include "tags/id3v1tag.h"
#include "tags/richtag.h"

namespace {
// The cleaned text is written back into its fixed-width field, so the line shows it
// padded with blanks to the field's width.
bool Clean(const QString &field, int width, QString &out) {
    QString text = field;
    if (!CleanTagField(text, true))
        return false;
    out = text.leftJustified(width, QLatin1Char(' '), true);
    return true;
}

// A richer tag's lines: the same lines in the same order, cleaned alike, without widths.
void AddRichLines(TagDisplay &d, const RichTag &tag) {
    d.fileNameLine += QStringLiteral("   (") + tag.kind + QLatin1Char(')');
    const auto add = [&d](const char *label, const QString &field) {
        QString text = field;
        if (CleanTagField(text, true))
            d.lines << QLatin1String(label) + text;
    };
    if (QString title = tag.title; CleanTagField(title, true))
        d.lines << QStringLiteral("Title: ") + title;
    else
        d.lines << d.fileNameLine;
    add("Album: ", tag.album);
    add("Artist: ", tag.artist);
    add("Genre: ", tag.genre);
    add("Year: ", tag.year);
    add("Track: ", tag.track);
    add("Comment: ", tag.comment);
}
} // namespace

TagDisplay BuildTagDisplay(const QString &path, bool allTags) {
    TagDisplay d;
    const QString name = ReadableName(FileNamePart(path));
    d.fileNameLine = QStringLiteral("File Name: ") + name;
    if (!FileExists(path)) {
        d.location = QStringLiteral("FILE NOT FOUND! (Or unable to read file...)");
        return d;
    }
    d.sizeLine =
        QStringLiteral("   File Size: ") + FormatSize(static_cast<double>(GetFileSize(path)));
    d.location = ReadableName(path);
    if (RichTag rich; allTags && ReadRichTag(rich, path)) {
        AddRichLines(d, rich);
        return d;
    }
    Id3v1Tag tag;
    if (!ReadTag(tag, path)) {
        d.location = QStringLiteral("No ID3 Tag Present Or Found In ") + name;
        return d;
    }
    QString text;
    if (Clean(tag.title, 30, text))
        d.lines << QStringLiteral("Title: ") + text;
    else
        d.lines << d.fileNameLine;
    if (Clean(tag.album, 30, text))
        d.lines << QStringLiteral("Album: ") + text;
    if (Clean(tag.artist, 30, text))
        d.lines << QStringLiteral("Artist: ") + text;
    const QString genre = GenreName(tag.genre);
    if (genre != QLatin1String("Unknown"))
        d.lines << QStringLiteral("Genre: ") + genre;
    if (Clean(tag.year, 4, text))
        d.lines << QStringLiteral("Year: ") + text;
    if (tag.track != 0 && tag.track != 32)
        d.lines << QStringLiteral("Track: ") + QString::number(tag.track);
    if (Clean(tag.comment, 28, text))
        d.lines << QStringLiteral("Comment: ") + text;
    return d;
}

QString TagLineValue(const QString &line) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (line.isEmpty() || colon < 0)
        return QString();
    return TextUtil::Trim(QStringView(line).mid(colon + 1));
}
