#include "naming/namingoptions.h"

#include "base/settings.h"

NamingOptions::NamingOptions() : invalidNameChars(BuildInvalidNameChars()) {
    BuildBuiltInReplaceList(builtInRules);
}

NamingOptions NamingOptions::FromSettings() {
    NamingOptions o;
    o.dashSection = Settings.dashoption;
    o.primaryArtistOnly = Settings.removesubs != 0;
    o.folderFromTag = Settings.renamefolders > 0;
    o.smartNames = Settings.smartnames != 0;
    o.allTags = Settings.alltags != 0;
    o.folderNameFields = Settings.foldernamelist;
    o.fileNameFields = Settings.filenamelist;
    o.builtInRules = BuiltInReplaceList;
    o.userRules = UserReplaceList;
    // Before the settings are loaded the set is still empty; the fixed set stands in.
    if (!InvalidNameChars.isEmpty())
        o.invalidNameChars = InvalidNameChars;
    return o;
}
