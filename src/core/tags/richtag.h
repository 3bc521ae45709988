#pragma once

#include <QString>

/**
 * The fields of the richest tag a media file carries, read through TagLib: the ID3v2 tag of
 * an MP3, the Vorbis comment of Ogg and FLAC files, the item list of MP4 files, the ASF
 * attributes of WMA files. Text fields hold the tag's text as stored, without any width.
 */
struct RichTag {
    /** The tag's kind as the tag window names it ("ID3v2.4", "Vorbis comment", "MP4", "ASF"). */
    QString kind;
    QString title;
    QString artist;
    QString album;
    /** The genre text (ID3v2 genre numbers already turned into names). */
    QString genre;
    QString year;
    /** The track number before any "/"; empty when the tag holds none. */
    QString track;
    QString comment;
};

/** True for the file names whose formats ReadRichTag reads (by extension, any case). */
bool ReadsRichTag(const QString &name);

/**
 * Reads the richest tag of the regular file at @p path, without its audio properties, and
 * only ever reads. False when the format is not one of ReadsRichTag's, the file cannot be
 * opened, or it carries no such tag with text in it (a damaged tag counts as none; an MP3
 * with only an ID3 v1 block gives false, so its callers keep their own v1 reading). Safe to
 * call from several threads at once: every call opens its own file.
 */
bool ReadRichTag(RichTag &tag, const QString &path);
