#pragma once

#include "base/replacelist.h"
#include "base/settingskeys.h"

#include <QString>

/**
 * Everything the naming rules decide by: which part of a file name names the folder, whether
 * MP3 tags name it, which tag fields build folder and file names, the replace lists and the
 * characters a name built from tag fields may not hold. A plain value: a load takes one at
 * its start and passes it down, so later edits of the options cannot reach a running load.
 * A default value names as a fresh installation does.
 */
struct NamingOptions {
    /** The 0-based section of the file name that names the folder (the dash option). */
    int dashSection = Defaults::dashoption;
    /** Only the primary artist: cut at " with " and " and " (featured artists dropped). */
    bool primaryArtistOnly = Defaults::removesubs != 0;
    /** MP3 files are named from their ID3 tag when it gives a name. */
    bool folderFromTag = Defaults::renamefolders > 0;
    /**
     * Smarter artist names: hyphenated names and initials stay whole, names are not cut at a
     * word count, numbers that are part of a name stay, and special names and letter
     * corrections apply only where they cannot spoil a right name (see smartnames.h).
     */
    bool smartNames = Defaults::smartnames != 0;
    /**
     * Tags beyond ID3 v1: names from tags (and the tag window) take the richest tag a file
     * carries (ID3v2, Vorbis comment, MP4, ASF), for every format that has one.
     */
    bool allTags = Defaults::alltags != 0;
    /** Comma-separated tag fields that build a folder name; empty means "Album". */
    QString folderNameFields;
    /** Comma-separated tag fields that build a file name; empty means "Song". */
    QString fileNameFields;
    /** The fixed rules built into the program, applied first. */
    ReplaceList builtInRules;
    /** The user's "Replace With" rules. */
    ReplaceList userRules;
    /** The characters removed from names built from tag fields. */
    QString invalidNameChars;

    NamingOptions();

    /**
     * The options as Settings, the two replace lists and InvalidNameChars hold them now;
     * the lists are copied, so this is called once per load, never per file.
     */
    static NamingOptions FromSettings();
};
