#include "base/settings.h"

#include "base/extensionfilter.h"
#include "base/replacelist.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/textutil.h"

#include <QDir>

SettingsRecord Settings;
HtmlPageSettingsRecord HtmlPageSettings;
QString InvalidNameChars;

namespace {
// A stored text that is not a number leaves the field as it was.
void ReadInt(int &field, const QString &key, int def) {
    if (const auto v = TextUtil::ToInt32(SettingsStore::Get(key, QString::number(def))))
        field = *v;
}

void SaveInt(const QString &key, int value) {
    SettingsStore::Save(key, QString::number(value));
}

QString IndexedKey(QLatin1StringView stem, int i) {
    return stem + QString::number(i);
}
// Alignment, alternate flag, colours and sizes: written on first use and by every save.
void SavePageLook(const HtmlPageSettingsRecord &h) {
    SettingsStore::Save(Keys::htmlalign, h.align);
    SaveInt(Keys::htmlalternate, h.alternate);
    for (int i = 0; i < 7; ++i)
        SaveInt(IndexedKey(Keys::htmlcolor, i), h.colors[static_cast<size_t>(i)]);
    for (int i = 0; i < 4; ++i)
        SaveInt(IndexedKey(Keys::htmlsize, i), h.sizes[static_cast<size_t>(i)]);
}
} // namespace

QString BuildInvalidNameChars() {
    QString s = QStringLiteral("\\/:*?<>|$#@!^;,.\"");
    for (int c = 0; c < 32; ++c)
        s += QChar(c);
    return s;
}

void LoadSettings() {
    InvalidNameChars = BuildInvalidNameChars();
    LoadReplaceLists();

    SettingsRecord &s = Settings;
    ReadInt(s.donothing, Keys::donothing, Defaults::donothing);
    ReadInt(s.removesubs, Keys::removesubs, Defaults::removesubs);
    ReadInt(s.smartnames, Keys::smartnames, Defaults::smartnames);
    ReadInt(s.alltags, Keys::alltags, Defaults::alltags);
    ReadInt(s.renamefiles, Keys::renamefiles, Defaults::renamefiles);
    ReadInt(s.loadsplash, Keys::loadsplash, Defaults::loadsplash);
    ReadInt(s.renamefolders, Keys::renamefolders, Defaults::renamefolders);
    s.filenamelist = SettingsStore::Get(Keys::filenamelist, Defaults::filenamelist);
    s.foldernamelist = SettingsStore::Get(Keys::foldernamelist, Defaults::foldernamelist);
    ReadInt(s.rememberfolders, Keys::rememberfolders, Defaults::rememberfolders);

    if (s.rememberfolders != 0) {
        const QString cwd = QDir::currentPath();
        s.inpath = SettingsStore::Get(Keys::inpath, cwd);
        s.outpath = SettingsStore::Get(Keys::outpath, cwd);
    }

    const QString defaultFilter = FilterToPatterns(Defaults::filterExtensions);
    s.filter = SettingsStore::Get(Keys::filter, defaultFilter);
    if (s.filter.isEmpty())
        s.filter = defaultFilter;
    s.dlistfilter = SettingsStore::Get(Keys::dlistfilter, s.filter);

    ReadInt(s.dashoption, Keys::dashoption, Defaults::dashoption);
    ReadInt(s.deleteold, Keys::deleteold, Defaults::deleteold);
    ReadInt(s.recursivesearch, Keys::recursivesearch, Defaults::recursivesearch);
    ReadInt(s.autoadd, Keys::autoadd, Defaults::autoadd);
    ReadInt(s.promptremove, Keys::promptremove, Defaults::promptremove);
    ReadInt(s.replaceexisting, Keys::replaceexisting, Defaults::replaceexisting);
    ReadInt(s.saveashtml, Keys::saveashtml, Defaults::saveashtml);
    ReadInt(s.noempty, Keys::noempty, Defaults::noempty);
    ReadInt(s.showwarn, Keys::showwarn, Defaults::showwarn);

    HtmlPageSettingsRecord &h = HtmlPageSettings;
    h.title = SettingsStore::Get(Keys::htmltitle, Defaults::htmltitle);
    h.align = SettingsStore::Get(Keys::htmlalign);
    ReadInt(h.alternate, Keys::htmlalternate, Defaults::htmlalternate);
    h.sizes.fill(0);
    h.colors.fill(0);

    if (!h.align.isEmpty()) {
        for (int i = 0; i < 7; ++i)
            ReadInt(h.colors[static_cast<size_t>(i)], IndexedKey(Keys::htmlcolor, i),
                    Defaults::htmlcolor);
        for (int i = 0; i < 4; ++i)
            ReadInt(h.sizes[static_cast<size_t>(i)], IndexedKey(Keys::htmlsize, i),
                    Defaults::htmlsize);
    } else {
        // First use: the listing gets its first-use look, written at once so the next
        // start reads it back.
        for (int i = 0; i < 7; ++i)
            h.colors[static_cast<size_t>(i)] = Defaults::htmlColorsFirstUse[i];
        h.align = Defaults::htmlalignFirstUse;
        h.alternate = Defaults::htmlalternateFirstUse;
        h.sizes.fill(Defaults::htmlSizeFirstUse);
        SavePageLook(h);
        SettingsStore::Sync();
    }
}

void SaveSettings() {
    SaveUserReplaceList();

    const SettingsRecord &s = Settings;
    SaveInt(Keys::rememberfolders, s.rememberfolders);
    SettingsStore::Save(Keys::inpath, s.rememberfolders ? s.inpath : QString());
    SettingsStore::Save(Keys::outpath, s.rememberfolders ? s.outpath : QString());

    SettingsStore::Save(Keys::filter, s.filter);
    SettingsStore::Save(Keys::dlistfilter, s.dlistfilter);
    SaveInt(Keys::loadsplash, s.loadsplash);
    SaveInt(Keys::dashoption, s.dashoption);
    SaveInt(Keys::deleteold, s.deleteold);
    SaveInt(Keys::renamefiles, s.renamefiles);
    SaveInt(Keys::renamefolders, s.renamefolders);
    SettingsStore::Save(Keys::filenamelist, s.filenamelist);
    SettingsStore::Save(Keys::foldernamelist, s.foldernamelist);
    SaveInt(Keys::recursivesearch, s.recursivesearch);
    SaveInt(Keys::autoadd, s.autoadd);
    SaveInt(Keys::promptremove, s.promptremove);
    SaveInt(Keys::replaceexisting, s.replaceexisting);
    SaveInt(Keys::saveashtml, s.saveashtml);
    SaveInt(Keys::noempty, s.noempty);
    SaveInt(Keys::donothing, s.donothing);
    SaveInt(Keys::showwarn, s.showwarn);
    SaveInt(Keys::removesubs, s.removesubs);
    SaveInt(Keys::smartnames, s.smartnames);
    SaveInt(Keys::alltags, s.alltags);

    const HtmlPageSettingsRecord &h = HtmlPageSettings;
    SettingsStore::Save(Keys::htmltitle, h.title);
    SavePageLook(h);
    SettingsStore::Sync();
}
