#pragma once

#include <QLatin1StringView>

// Every key of the settings store, spelled once. Defaults sit next to their keys.
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
inline constexpr QLatin1StringView filterExtensions{
    "asf,avi,mp3,mp4,mid,mpeg,mpg,mov,ogg,vob,rm,wma,wav,wmi,wmv"};
inline constexpr QLatin1StringView htmltitle{"My Media File List"};
inline constexpr QLatin1StringView htmlalignFirstUse{"center"};
inline constexpr int htmlColorsFirstUse[7] = {16777215, 16634024, 10485760, 10485760,
                                              16634024, 12937777, 16777215};
inline constexpr QLatin1StringView installversion{"0.0.0"};
/** Where the update check looks when the store names no server (scheme, host, port). */
inline constexpr QLatin1StringView updateserver{"http://127.0.0.1:8080"};
} // namespace Defaults
