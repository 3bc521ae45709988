#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QUrl>

/**
 * Paths as the program holds them, and the bytes the system takes.
 *
 * A Linux file name is bytes and need not be UTF-8. The program holds every path as text:
 * the UTF-8 reading of its bytes, where each byte that is not part of valid UTF-8 stands
 * as the lone code point U+DC80 + (byte - 0x80). That text turns back into exactly the
 * bytes it came from, so every system call is made with NativePath() of it. The lone code
 * points are never shown: ReadableName() gives the text people and the naming rules read.
 */

/** The text form of the bytes of a path or name. */
QString PathFromNative(QByteArrayView bytes);
/** The bytes of a path held as text; the inverse of PathFromNative. */
QByteArray NativePath(QStringView path);
/** True when the path holds bytes that are not valid UTF-8. */
bool HasForeignBytes(QStringView path);
/**
 * The path as people read it: each part between "/" whose bytes are not valid UTF-8 is
 * read as Windows-1252, the usual code page of names copied from old Windows systems.
 */
QString ReadableName(const QString &path);
/** Decodes Windows-1252 bytes, one character per byte. */
QString DecodeWindows1252(const char *data, qsizetype size);

/** The process's working folder. */
QString CurrentFolder();
/** The path made absolute against the working folder, with "." and ".." resolved. */
QString AbsolutePath(const QString &path);
/** A file: URL of the path's exact bytes, for handing the file to other programs. */
QUrl FileUrl(const QString &path);
