#pragma once

#include <QString>
#include <QStringList>

/** What the tag properties window shows for one file. */
struct TagDisplay {
    /** "File Name: " and the name. */
    QString fileNameLine;
    /** "   File Size: " and the size; empty when the file was not found. */
    QString sizeLine;
    /** The full path, or why no tag is shown. */
    QString location;
    /** The tag lines ("Title: …", "Artist: …"); empty without a tag. */
    QStringList lines;
};

/**
 * Reads the ID3 v1.1 tag of the file at @p path into the lines the window lists. With
 * @p allTags, a richer tag (ReadRichTag) is shown instead when the file has one, and the first
 * line names its kind.
 */
TagDisplay BuildTagDisplay(const QString &path, bool allTags = false);
/** The value a click on a tag line copies: the text after the first ":", trimmed; "" without ":".
 */
QString TagLineValue(const QString &line);
