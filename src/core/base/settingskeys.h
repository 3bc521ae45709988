#pragma once

#include <QLatin1StringView>

// Every key of the settings store, spelled once, and below them every default.
namespace Keys {
inline constexpr QLatin1StringView Application{"Sortiva"};
inline constexpr QLatin1StringView Section{"settings"};

inline constexpr QLatin1StringView inpath{"inpath"};
inline constexpr QLatin1StringView outpath{"outpath"};
inline constexpr QLatin1StringView filter{"filter"};
inline constexpr QLatin1StringView dlistfilter{"dlistfilter"};
inline constexpr QLatin1StringView renamefiles{"renamefiles"};
inline constexpr QLatin1StringView filenamelist{"filenamelist"};
inline constexpr QLatin1StringView renamefolders{"renamefolders"};
inline constexpr QLatin1StringView foldernamelist{"foldernamelist"};
inline constexpr QLatin1StringView recursivesearch{"recursivesearch"};
inline constexpr QLatin1StringView replaceexisting{"replaceexisting"};
inline constexpr QLatin1StringView deleteold{"deleteold"};
inline constexpr QLatin1StringView donothing{"donothing"};
inline constexpr QLatin1StringView dashoption{"dashoption"};
inline constexpr QLatin1StringView rememberfolders{"rememberfolders"};
inline constexpr QLatin1StringView promptremove{"promptremove"};
inline constexpr QLatin1StringView autoadd{"autoadd"};
inline constexpr QLatin1StringView loadsplash{"loadsplash"};
inline constexpr QLatin1StringView showwarn{"showwarn"};
inline constexpr QLatin1StringView removesubs{"removesubs"};
inline constexpr QLatin1StringView smartnames{"smartnames"};
inline constexpr QLatin1StringView alltags{"alltags"};
inline constexpr QLatin1StringView saveashtml{"saveashtml"};
inline constexpr QLatin1StringView noempty{"noempty"};
inline constexpr QLatin1StringView htmltitle{"htmltitle"};
inline constexpr QLatin1StringView htmlalign{"htmlalign"};
inline constexpr QLatin1StringView htmlalternate{"htmlalternate"};
inline constexpr QLatin1StringView htmlcolor{"htmlcolor"}; // + index 0..6
inline constexpr QLatin1StringView htmlsize{"htmlsize"};   // + index 0..3
inline constexpr QLatin1StringView firstrun{"firstrun"};
inline constexpr QLatin1StringView installed{"installed"};
inline constexpr QLatin1StringView installpath{"installpath"};
inline constexpr QLatin1StringView installversion{"installversion"};
inline constexpr QLatin1StringView updateserver{"updateserver"};

// User replace list: "rc" and per rule i: i+"o", i+"n", i+"c"; older stores used the
// long forms below.
inline constexpr QLatin1StringView rc{"rc"};
inline constexpr QLatin1StringView ruleOld{"o"};
inline constexpr QLatin1StringView ruleNew{"n"};
inline constexpr QLatin1StringView ruleCase{"c"};
inline constexpr QLatin1StringView replacecount{"replacecount"};
inline constexpr QLatin1StringView oldval{"oldval"};
inline constexpr QLatin1StringView newval{"newval"};
inline constexpr QLatin1StringView casesens{"casesens"};
} // namespace Keys

namespace Defaults {
// What a store without the key reads. Whole numbers are flags unless their key says otherwise.
inline constexpr int donothing = 0;
inline constexpr int removesubs = 1;
inline constexpr int smartnames = 0; // the smarter artist names are opt-in
inline constexpr int alltags = 0;    // 1: ID3v2, Vorbis, FLAC, MP4 and WMA tags too
inline constexpr int renamefiles = 0;
inline constexpr int loadsplash = 1;
inline constexpr int renamefolders = 0; // 0 folder name from the file name, 1 from the tag
inline constexpr QLatin1StringView filenamelist{};   // empty: the song title
inline constexpr QLatin1StringView foldernamelist{}; // empty: the album
inline constexpr int rememberfolders = 1;
/** The display form of the default filter; `filter` holds its pattern form. */
inline constexpr QLatin1StringView filterExtensions{
    "asf,avi,mp3,mp4,mid,mpeg,mpg,mov,ogg,vob,rm,wma,wav,wmi,wmv"};
inline constexpr int dashoption = 0; // the first section of the file name
inline constexpr int deleteold = 1;
inline constexpr int recursivesearch = 0;
inline constexpr int autoadd = 0;
inline constexpr int promptremove = 1;
inline constexpr int replaceexisting = 0;
inline constexpr int saveashtml = 1;
inline constexpr int noempty = 0;
inline constexpr int showwarn = 1;
inline constexpr QLatin1StringView htmltitle{"My Media File List"};
inline constexpr int htmlalternate = 1;
inline constexpr int htmlcolor = 0; // each colour of a stored look
inline constexpr int htmlsize = 0;  // each size of a stored look
inline constexpr QLatin1StringView installversion{"0.0.0"};
/** Where the update check looks when the store names no server (scheme, host, port). */
inline constexpr QLatin1StringView updateserver{"http://127.0.0.1:8080"};

// The listing look of a first use (no alignment stored), written to the store at once.
inline constexpr QLatin1StringView htmlalignFirstUse{"center"};
inline constexpr int htmlalternateFirstUse = 1;
inline constexpr int htmlColorsFirstUse[7] = {16777215, 16634024, 10485760, 10485760,
                                              16634024, 12937777, 16777215};
inline constexpr int htmlSizeFirstUse = 0;

/**
 * Where the Options window's "Defaults" button differs from a fresh store: it spells out the
 * field lists and turns the sub-folder search on. Every other option it resets takes the
 * value above; the primary-artist option keeps its state.
 */
namespace Reset {
inline constexpr QLatin1StringView filenamelist{"Artist,Song"};
inline constexpr QLatin1StringView foldernamelist{"Album"};
inline constexpr int recursivesearch = 1;
} // namespace Reset
} // namespace Defaults
