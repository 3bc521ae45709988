#pragma once

#include <QString>

/**
 * The ID3 v1 genre table: the names travel as a tab-separated Qt resource and are loaded
 * once at start-up.
 */

/** Reads the embedded genre names into the genre list (again on a second call). */
void LoadGenres();
/**
 * The name for a tag's genre byte: the list's entry for 0 to 147, "Unknown" for any other
 * index and for an index the loaded list does not reach (nothing loaded yet included).
 */
QString GenreName(int index);
/** How many names the loaded list holds (0 before LoadGenres). */
int GenreCount();
