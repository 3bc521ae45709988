#include "tags/richtag.h"

#include "base/nativepath.h"

#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisfile.h>

#include <new>

#include <sys/stat.h>

namespace {
enum class Format { None, Mpeg, Flac, Vorbis, Opus, Mp4, Asf };

Format FormatOf(const QString &name) {
    QStringView t(name);
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    const qsizetype dot = t.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return Format::None;
    const QString ext = t.mid(dot + 1).toString().toLower();
    if (ext == QLatin1String("mp3"))
        return Format::Mpeg;
    if (ext == QLatin1String("flac"))
        return Format::Flac;
    if (ext == QLatin1String("ogg") || ext == QLatin1String("oga"))
        return Format::Vorbis;
    if (ext == QLatin1String("opus"))
        return Format::Opus;
    if (ext == QLatin1String("m4a") || ext == QLatin1String("mp4") || ext == QLatin1String("m4b"))
        return Format::Mp4;
    if (ext == QLatin1String("wma") || ext == QLatin1String("asf"))
        return Format::Asf;
    return Format::None;
}

QString Text(const TagLib::String &s) {
    return QString::fromStdWString(s.toWString());
}

QString First(const TagLib::PropertyMap &map, const char *key) {
    const auto it = map.find(key);
    if (it == map.end() || it->second.isEmpty())
        return QString();
    return Text(it->second.front());
}

// Fills the record from one tag; false when the tag is missing or holds no text.
bool FromTag(RichTag &out, const TagLib::Tag *tag, const QString &kind) {
    if (!tag || tag->isEmpty())
        return false;
    const TagLib::PropertyMap map = tag->properties();
    RichTag t;
    t.kind = kind;
    t.title = First(map, "TITLE");
    t.artist = First(map, "ARTIST");
    t.album = First(map, "ALBUM");
    t.genre = First(map, "GENRE");
    t.year = First(map, "DATE");
    t.comment = First(map, "COMMENT");
    const QString track = First(map, "TRACKNUMBER");
    t.track = track.left(track.indexOf(QLatin1Char('/'))).trimmed();
    out = t;
    return true;
}

QString Id3v2Kind(const TagLib::ID3v2::Tag *tag) {
    return QStringLiteral("ID3v2.") + QString::number(tag->header()->majorVersion());
}

bool Read(RichTag &out, Format format, const char *name) {
    // Audio properties are never read: only the tags are wanted, and a damaged stream
    // cannot cost a scan of the whole file.
    switch (format) {
    case Format::Mpeg: {
        TagLib::MPEG::File f(name, false);
        if (!f.isValid() || !f.hasID3v2Tag())
            return false;
        return FromTag(out, f.ID3v2Tag(), Id3v2Kind(f.ID3v2Tag()));
    }
    case Format::Flac: {
        TagLib::FLAC::File f(name, false);
        if (!f.isValid())
            return false;
        if (f.hasXiphComment() && FromTag(out, f.xiphComment(), QStringLiteral("Vorbis comment")))
            return true;
        return f.hasID3v2Tag() && FromTag(out, f.ID3v2Tag(), Id3v2Kind(f.ID3v2Tag()));
    }
    case Format::Vorbis: {
        TagLib::Ogg::Vorbis::File f(name, false);
        return f.isValid() && FromTag(out, f.tag(), QStringLiteral("Vorbis comment"));
    }
    case Format::Opus: {
        TagLib::Ogg::Opus::File f(name, false);
        return f.isValid() && FromTag(out, f.tag(), QStringLiteral("Vorbis comment"));
    }
    case Format::Mp4: {
        TagLib::MP4::File f(name, false);
        return f.isValid() && f.hasMP4Tag() && FromTag(out, f.tag(), QStringLiteral("MP4"));
    }
    case Format::Asf: {
        TagLib::ASF::File f(name, false);
        return f.isValid() && FromTag(out, f.tag(), QStringLiteral("ASF"));
    }
    case Format::None:
        break;
    }
    return false;
}
} // namespace

bool ReadsRichTag(const QString &name) {
    return FormatOf(name) != Format::None;
}

bool ReadRichTag(RichTag &tag, const QString &path) {
    const Format format = FormatOf(path);
    if (format == Format::None)
        return false;
    const QByteArray name = NativePath(path);
    // Only regular files: TagLib opens with a blocking open, which a named pipe would stall.
    struct stat st;
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    try {
        return Read(tag, format, name.constData());
    } catch (const std::bad_alloc &) {
        return false; // a tag too large to hold counts as no tag
    }
}
