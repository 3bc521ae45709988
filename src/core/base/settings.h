#pragma once

#include <QString>

#include <array>

/** Every option of the program in memory; fields bear the store's key names. */
struct SettingsRecord {
    QString inpath;
    QString outpath;
    QString filter;      // pattern form: "*.mp3;*.wav"
    QString dlistfilter; // pattern form
    int renamefiles = 0;
    QString filenamelist;
    int renamefolders = 0;
    QString foldernamelist;
    int recursivesearch = 0;
    int replaceexisting = 0;
    int deleteold = 0;
    int donothing = 0;
    int dashoption = 0;
    int rememberfolders = 0;
    int promptremove = 0;
    int autoadd = 0;
    int loadsplash = 0;
    int showwarn = 0;
    int removesubs = 0;
    int smartnames = 0;
    int alltags = 0;
    int saveashtml = 0;
    int noempty = 0;
};

/** The look of the XHTML listing. */
struct HtmlPageSettingsRecord {
    QString title;
    QString align;
    /** 0 title table border, 1 folder table border, 2 cell padding, 3 cell spacing. */
    std::array<int, 4> sizes{};
    /**
     * 0x00BBGGRR colours: 0 page background, 1 title text, 2 title cell background,
     * 3 folder row background, 4 folder row text, 5 and 6 the two file-row colours.
     */
    std::array<int, 7> colors{};
    int alternate = 0;
};

/** The process-wide option record. */
extern SettingsRecord Settings;
/** The process-wide listing look. */
extern HtmlPageSettingsRecord HtmlPageSettings;
/** The 49 characters not allowed in names built from tag fields. */
extern QString InvalidNameChars;

/** Fills InvalidNameChars, the replace lists, Settings and HtmlPageSettings from the store. */
void LoadSettings();
/** Writes the user replace list and every option key back to the store. */
void SaveSettings();
/** The 17 punctuation characters and the 32 control characters, in their order. */
QString BuildInvalidNameChars();
