#pragma once

#include <QString>

struct Id3v1Tag;
struct NamingOptions;
struct RichTag;

/** What a name built from tag fields is for: a folder or a file. */
enum class TagNameFor { Folder, File };

/**
 * The name built from the tag fields listed in the options (folderNameFields for a folder,
 * empty list: "Album"; fileNameFields for a file, empty list: "Song"), joined by " - ",
 * without the invalid name characters. Song, artist and album are cleaned in place in the
 * record. Empty when no field yields text.
 */
QString BuildTagName(Id3v1Tag &tag, TagNameFor purpose, const NamingOptions &options);

/**
 * The same name from a richer tag's fields, cleaned alike but without the v1 widths: Genre is
 * the tag's genre text, Track its number (nothing when the tag holds no number there).
 */
QString BuildTagName(const RichTag &tag, TagNameFor purpose, const NamingOptions &options);

/**
 * The new file name from the richest tag of the file at @p path (ReadRichTag): the name built
 * for a file, with the extension of @p name; empty when the tag gives no name.
 */
QString RichTagFileName(const QString &path, const QString &name, const NamingOptions &options);

/** The text without any of the options' invalid name characters, trimmed. */
QString RemoveInvalidChars(const QString &text, const NamingOptions &options);
