#pragma once

#include <QByteArray>
#include <QString>

/**
 * The 128-byte ID3 v1.1 block at the end of an MP3 file. Text fields hold as many
 * characters as the block has bytes for them, padded as stored (blanks or NULs).
 */
struct Id3v1Tag {
    static constexpr int TitleWidth = 30;
    static constexpr int ArtistWidth = 30;
    static constexpr int AlbumWidth = 30;
    static constexpr int YearWidth = 4;
    static constexpr int CommentWidth = 28;
    static constexpr int BlockSize = 128;

    QString marker;
    QString title;
    QString artist;
    QString album;
    QString year;
    QString comment;
    quint8 zero = 0;
    quint8 track = 0;
    quint8 genre = 0;

    /** Fills the record from a 128-byte block (Windows-1252 text); false for other sizes. */
    bool FromBlock(const QByteArray &block);
    /** True when the marker reads "TAG" without regard to case. */
    bool HasMarker() const;
};

/** True when the text is longer than 3 characters and, trimmed, ends in ".mp3" (any case). */
bool IsMp3(const QString &name);

/**
 * Reads the last 128 bytes of a regular file into @p tag with one positioned read. False
 * for a file of 127 bytes or fewer, anything that is not a readable regular file, or a
 * block without the "TAG" marker; a file of 126 bytes or fewer leaves the record untouched.
 */
bool ReadTag(Id3v1Tag &tag, const QString &path);

/**
 * The last 128 bytes of a regular file of at least that size, with one positioned read;
 * false for anything else. ReadTag's first step, for callers that look at the raw block.
 */
bool ReadTagBlock(const QString &path, char (&block)[Id3v1Tag::BlockSize]);

/** True when the block's first three bytes read "TAG" without regard to case. */
bool TagBlockHasMarker(const char (&block)[Id3v1Tag::BlockSize]);

/**
 * Rejects an empty, all-blank or all-NUL field (false, field unchanged); otherwise trims
 * it, removes the characters 0 to 31 (and, with @p removeHigh, every non-ASCII character),
 * trims again and says whether text remains.
 */
bool CleanTagField(QString &field, bool removeHigh);
