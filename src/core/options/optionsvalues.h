#pragma once

#include <QLatin1StringView>
#include <QString>

struct SettingsRecord;

/** The sample file name the dash options are shown on. */
inline constexpr QLatin1StringView DashSampleFileName{
    "Corvelle - 04 - Dont Cry For Me Argentina - Orlan SoundTrack.mp3"};

/**
 * Everything the Options window edits, as plain values: what its controls hold while it
 * is open, and what Apply, OK and the close questions copy into the settings.
 */
struct OptionsValues {
    QString filterText; // comma list of bare extensions, as typed
    int dashoption = 0;
    int renamefolders = 0;
    QString filenamelist;
    QString foldernamelist;
    int deleteold = 0;
    int replaceexisting = 0;
    int rememberfolders = 0;
    int promptremove = 0;
    int autoadd = 0;
    int recursivesearch = 0;
    int renamefiles = 0;
    int loadsplash = 0;
    int removesubs = 0;
    int smartnames = 0;
    int alltags = 0;
    int donothing = 0;
};

/** The values the window opens with. */
OptionsValues OptionsFromSettings(const SettingsRecord &s);
/** Copies the edited values into @p s (nothing is saved); the filter goes in pattern form. */
void ApplySettings(const OptionsValues &v, SettingsRecord &s);
/** The values of the "Defaults" button; the primary-artist option keeps its state. */
OptionsValues DefaultOptions(const OptionsValues &current);

/**
 * The section of @p fileName that dash option @p index (0 first) takes: the name without
 * its extension, split at " - ", the piece trimmed; empty when there is no such piece.
 */
QString DashSection(const QString &fileName, int index);
