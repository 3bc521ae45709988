#pragma once

#include <QString>

struct Id3v1Tag;
struct NamingOptions;

/** What a name built from tag fields is for: a folder or a file. */
enum class TagNameFor { Folder, File };

/**
 * The name built from the tag fields listed in the options (folderNameFields for a folder,
 * empty list: "Album"; fileNameFields for a file, empty list: "Song"), joined by " - ",
 * without the invalid name characters. Song, artist and album are cleaned in place in the
 * record. Empty when no field yields text.
 */
QString BuildTagName(Id3v1Tag &tag, TagNameFor purpose, const NamingOptions &options);

/** The text without any of the options' invalid name characters, trimmed. */
QString RemoveInvalidChars(const QString &text, const NamingOptions &options);
