#include "options/optionsvalues.h"

#include "base/extensionfilter.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/textutil.h"

#include <QStringList>

OptionsValues OptionsFromSettings(const SettingsRecord &s) {
    OptionsValues v;
    v.filterText = PatternsToFilter(s.filter);
    v.dashoption = s.dashoption;
    v.renamefolders = s.renamefolders;
    v.filenamelist = s.filenamelist;
    v.foldernamelist = s.foldernamelist;
    v.deleteold = s.deleteold;
    v.replaceexisting = s.replaceexisting;
    v.rememberfolders = s.rememberfolders;
    v.promptremove = s.promptremove;
    v.autoadd = s.autoadd;
    v.recursivesearch = s.recursivesearch;
    v.renamefiles = s.renamefiles;
    v.loadsplash = s.loadsplash;
    v.removesubs = s.removesubs;
    v.smartnames = s.smartnames;
    v.alltags = s.alltags;
    v.donothing = s.donothing;
    return v;
}

void ApplySettings(const OptionsValues &v, SettingsRecord &s) {
    s.filter = FilterToPatterns(v.filterText);
    s.dashoption = v.dashoption;
    s.filenamelist = v.filenamelist;
    s.foldernamelist = v.foldernamelist;
    s.renamefolders = v.renamefolders;
    s.deleteold = v.deleteold;
    s.replaceexisting = v.replaceexisting;
    s.rememberfolders = v.rememberfolders;
    s.promptremove = v.promptremove;
    s.autoadd = v.autoadd;
    s.recursivesearch = v.recursivesearch;
    s.renamefiles = v.renamefiles;
    s.loadsplash = v.loadsplash;
    s.removesubs = v.removesubs;
    s.smartnames = v.smartnames;
    s.alltags = v.alltags;
    s.donothing = v.donothing;
}

OptionsValues DefaultOptions(const OptionsValues &current) {
    OptionsValues v;
    v.filterText = Defaults::filterExtensions;
    v.dashoption = Defaults::dashoption;
    v.renamefolders = Defaults::renamefolders;
    v.foldernamelist = Defaults::Reset::foldernamelist;
    v.filenamelist = Defaults::Reset::filenamelist;
    v.deleteold = Defaults::deleteold;
    v.replaceexisting = Defaults::replaceexisting;
    v.loadsplash = Defaults::loadsplash;
    v.promptremove = Defaults::promptremove;
    v.recursivesearch = Defaults::Reset::recursivesearch;
    v.rememberfolders = Defaults::rememberfolders;
    v.autoadd = Defaults::autoadd;
    v.donothing = Defaults::donothing;
    v.renamefiles = Defaults::renamefiles;
    v.smartnames = Defaults::smartnames;
    v.alltags = Defaults::alltags;
    v.removesubs = current.removesubs;
    return v;
}

QString DashSection(const QString &fileName, int index) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot >= 0 ? fileName.left(dot) : fileName;
    const QStringList pieces = stem.split(QStringLiteral(" - "));
    if (index < 0 || index >= pieces.size())
        return QString();
    return TextUtil::Trim(pieces[index]);
}
