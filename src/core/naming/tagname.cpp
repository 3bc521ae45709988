#include "naming/tagname.h"

#include "naming/namingoptions.h"
#include "naming/namingtext.h"
#include "tags/genres.h"
#include "tags/id3v1tag.h"

#include <QStringList>

namespace {
// The cleaned text goes back into the record at the field's full width.
void StoreField(QString &field, const QString &cleaned, int width) {
    field = cleaned.leftJustified(width, QLatin1Char(' '));
}

QString CleanedTextField(QString &field, int width) {
    QString work = field;
    const bool usable = CleanTagField(work, true);
    StoreField(field, work, width);
    return usable ? NamingText::Trimmed(work) : QString();
}
} // namespace

QString BuildTagName(Id3v1Tag &tag, TagNameFor purpose, const NamingOptions &options) {
    const bool folder = purpose == TagNameFor::Folder;
    QString list = folder ? options.folderNameFields : options.fileNameFields;
    if (list.isEmpty())
        list = folder ? QStringLiteral("Album") : QStringLiteral("Song");
    const QStringList names = list.split(QLatin1Char(','));
    QString result;
    for (const QString &name : names) {
        QString value;
        if (name == QLatin1String("Song")) {
            value = CleanedTextField(tag.title, Id3v1Tag::TitleWidth);
        } else if (name == QLatin1String("Artist")) {
            value = CleanedTextField(tag.artist, Id3v1Tag::ArtistWidth);
        } else if (name == QLatin1String("Album")) {
            value = CleanedTextField(tag.album, Id3v1Tag::AlbumWidth);
        } else if (name == QLatin1String("Genre")) {
            QString genre = NamingText::Trimmed(GenreName(tag.genre));
            if (CleanTagField(genre, true))
                value = genre;
        } else if (name == QLatin1String("Year")) {
            const QString year = NamingText::Trimmed(tag.year);
            QString probe = year;
            if (CleanTagField(probe, true))
                value = year;
        } else if (name == QLatin1String("Track")) {
            value = QString::number(tag.track);
        }
        if (!value.isEmpty())
            result += NamingText::Trimmed(value) + QLatin1String(" - ");
    }
    if (result.size() <= 3)
        return QString();
    result.chop(3);
    return RemoveInvalidChars(result, options);
}

QString RemoveInvalidChars(const QString &text, const NamingOptions &options) {
    if (text.isEmpty())
        return text;
    const QString &invalid = options.invalidNameChars;
    // The set is ASCII: a bit mask answers for those characters without a search.
    quint64 mask[2] = {0, 0};
    for (const QChar c : invalid)
        if (c.unicode() < 128)
            mask[c.unicode() >> 6] |= quint64(1) << (c.unicode() & 63);
    QString t = text;
    t.removeIf([&invalid, &mask](QChar c) {
        const char16_t u = c.unicode();
        return u < 128 ? ((mask[u >> 6] >> (u & 63)) & 1) != 0 : invalid.contains(c);
    });
    return NamingText::Trimmed(t);
}
