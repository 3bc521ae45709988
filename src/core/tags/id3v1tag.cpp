#include "tags/id3v1tag.h"

#include "base/nativepath.h"
#include "base/textutil.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString Field(const QByteArray &block, int offset, int width) {
    return DecodeWindows1252(block.constData() + offset, width);
}

bool OnlyChar(const QString &s, QChar c) {
    for (const QChar ch : s)
        if (ch != c)
            return false;
    return true;
}
} // namespace

bool Id3v1Tag::FromBlock(const QByteArray &block) {
    if (block.size() != BlockSize)
        return false;
    marker = Field(block, 0, 3);
    title = Field(block, 3, TitleWidth);
    artist = Field(block, 33, ArtistWidth);
    album = Field(block, 63, AlbumWidth);
    year = Field(block, 93, YearWidth);
    comment = Field(block, 97, CommentWidth);
    zero = static_cast<quint8>(block[125]);
    track = static_cast<quint8>(block[126]);
    genre = static_cast<quint8>(block[127]);
    return true;
}

bool Id3v1Tag::HasMarker() const {
    return marker.compare(QLatin1String("tag"), Qt::CaseInsensitive) == 0;
}

bool IsMp3(const QString &name) {
    if (name.size() <= 3)
        return false;
    QStringView t(name);
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t.endsWith(QLatin1StringView(".mp3"), Qt::CaseInsensitive);
}

namespace {
// Opens without blocking (a named pipe handed in by mistake must not stall the caller) and
// reports the file's size and the block when the file is a regular one of more than 126
// bytes; @p got is false unless all 128 bytes were read.
bool ReadLastBlock(const QString &path, char (&block)[Id3v1Tag::BlockSize], bool &got) {
    got = false;
    const QByteArray name = NativePath(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool regular = false;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 126) {
        regular = true;
        if (st.st_size >= Id3v1Tag::BlockSize)
            got = ::pread(fd, block, sizeof block, st.st_size - Id3v1Tag::BlockSize) ==
                  Id3v1Tag::BlockSize;
    }
    ::close(fd);
    return regular;
}
} // namespace

bool ReadTagBlock(const QString &path, char (&block)[Id3v1Tag::BlockSize]) {
    bool got = false;
    return ReadLastBlock(path, block, got) && got;
}

bool TagBlockHasMarker(const char (&block)[Id3v1Tag::BlockSize]) {
    return DecodeWindows1252(block, 3).compare(QLatin1String("tag"), Qt::CaseInsensitive) == 0;
}

bool ReadTag(Id3v1Tag &tag, const QString &path) {
    char buffer[Id3v1Tag::BlockSize];
    bool got = false;
    if (!ReadLastBlock(path, buffer, got))
        return false;
    tag = Id3v1Tag();
    if (!got)
        return false;
    tag.FromBlock(QByteArray::fromRawData(buffer, Id3v1Tag::BlockSize));
    return tag.HasMarker();
}

bool CleanTagField(QString &field, bool removeHigh) {
    if (field.isEmpty() || OnlyChar(field, QLatin1Char(' ')) || OnlyChar(field, QChar(0)))
        return false;
    QString t = TextUtil::Trim(field);
    t.removeIf(
        [removeHigh](QChar c) { return c.unicode() < 32 || (removeHigh && c.unicode() > 127); });
    field = TextUtil::Trim(t);
    return !field.isEmpty();
}
