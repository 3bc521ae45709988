#include "naming/tagname.h"

#include "naming/namingoptions.h"
#include "naming/namingtext.h"
#include "tags/genres.h"
#include "tags/id3v1tag.h"
#include "tags/richtag.h"

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

// The values of the listed fields joined by " - ", without the invalid name characters.
template <typename ValueOf>
QString JoinFields(TagNameFor purpose, const NamingOptions &options, ValueOf valueOf) {
    const bool folder = purpose == TagNameFor::Folder;
    QString list = folder ? options.folderNameFields : options.fileNameFields;
    if (list.isEmpty())
        list = folder ? QStringLiteral("Album") : QStringLiteral("Song");
    const QStringList names = list.split(QLatin1Char(','));
    QString result;
    for (const QString &name : names) {
        const QString value = valueOf(name);
        if (!value.isEmpty())
            result += NamingText::Trimmed(value) + QLatin1String(" - ");
    }
    if (result.size() <= 3)
        return QString();
    result.chop(3);
    return RemoveInvalidChars(result, options);
}

// A year is used as it stands when a cleaned copy of it keeps text.
QString YearValue(const QString &text) {
    const QString year = NamingText::Trimmed(text);
    QString probe = year;
    return CleanTagField(probe, true) ? year : QString();
}
} // namespace

QString BuildTagName(Id3v1Tag &tag, TagNameFor purpose, const NamingOptions &options) {
    return JoinFields(purpose, options, [&tag](const QString &name) {
        if (name == QLatin1String("Song"))
            return CleanedTextField(tag.title, Id3v1Tag::TitleWidth);
        if (name == QLatin1String("Artist"))
            return CleanedTextField(tag.artist, Id3v1Tag::ArtistWidth);
        if (name == QLatin1String("Album"))
            return CleanedTextField(tag.album, Id3v1Tag::AlbumWidth);
        if (name == QLatin1String("Genre")) {
            QString genre = NamingText::Trimmed(GenreName(tag.genre));
            return CleanTagField(genre, true) ? genre : QString();
        }
        if (name == QLatin1String("Year"))
            return YearValue(tag.year);
        if (name == QLatin1String("Track"))
            return QString::number(tag.track);
        return QString();
    });
}

QString BuildTagName(const RichTag &tag, TagNameFor purpose, const NamingOptions &options) {
    // The same cleaning as the v1 fields, without their fixed widths.
    const auto cleaned = [](QString text) {
        return CleanTagField(text, true) ? NamingText::Trimmed(text) : QString();
    };
    return JoinFields(purpose, options, [&](const QString &name) {
        if (name == QLatin1String("Song"))
            return cleaned(tag.title);
        if (name == QLatin1String("Artist"))
            return cleaned(tag.artist);
        if (name == QLatin1String("Album"))
            return cleaned(tag.album);
        if (name == QLatin1String("Genre"))
            return cleaned(NamingText::Trimmed(tag.genre));
        if (name == QLatin1String("Year"))
            return YearValue(tag.year);
        if (name == QLatin1String("Track")) { // only a number: a tag may hold any text there
            bool number = false;
            const uint track = cleaned(tag.track).toUInt(&number);
            return number ? QString::number(track) : QString();
        }
        return QString();
    });
}

QString RichTagFileName(const QString &path, const QString &name, const NamingOptions &options) {
    RichTag tag;
    if (!ReadsRichTag(name) || !ReadRichTag(tag, path))
        return QString();
    const QString built = BuildTagName(tag, TagNameFor::File, options);
    if (built.isEmpty())
        return QString();
    // ReadsRichTag has seen an extension; an MP3 gets ".mp3" as a name from its v1 tag does.
    QString ext = NamingText::Trimmed(name.mid(name.lastIndexOf(QLatin1Char('.'))));
    if (IsMp3(name))
        ext = QStringLiteral(".mp3");
    return built + ext;
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
