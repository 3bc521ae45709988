#include "base/desktopservices.h"

#include "base/appinfo.h"
#include "base/dialogseam.h"
#include "base/paths.h"
#include "base/textutil.h"

#include <QDir>

ShellCommand PrepareShellRun(const QString &file, const QString &verb) {
    const QChar sep = QLatin1Char('/');
    ShellCommand cmd;
    if (file.size() < 2)
        return cmd;
    cmd.file = TextUtil::Trim(file);
    if (cmd.file.isEmpty())
        return cmd;
    cmd.valid = true;
    cmd.folder = FolderPart(cmd.file);
    if (cmd.folder.isEmpty() && cmd.file.startsWith(sep))
        cmd.folder = sep;
    cmd.verb = verb.isEmpty() ? QStringLiteral("open") : verb;
    const QChar quote = QLatin1Char('"');
    if (cmd.file.contains(QLatin1Char(' ')) && !cmd.file.startsWith(quote) &&
        !cmd.file.endsWith(quote))
        cmd.file = quote + cmd.file + quote;
    return cmd;
}

bool ShellRun(const QString &file, const QString &verb, const QString &parameters, int showMode) {
    Q_UNUSED(parameters);
    Q_UNUSED(showMode);
    const ShellCommand cmd = PrepareShellRun(file, verb);
    if (!cmd.valid || cmd.verb.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return false;
    QString path = cmd.file;
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    return Dialogs().OpenPath(path);
}

void ShowFileProperties(const QString &path) {
    Dialogs().ShowProperties(path);
}

QString ShowFileDialog(bool save, const QString &filter, const QString &cancelValue,
                       const QString &title, const QString &defaultExt,
                       const QString &startFolder) {
    const QString result = Dialogs().FileDialog(
        save, filter.isEmpty() ? QStringLiteral("All Files (*.*)|*.*") : filter, cancelValue,
        title.isEmpty() ? QStringLiteral("Select File...") : title, defaultExt,
        startFolder.isEmpty() ? ProgramFolder() : startFolder);
    return result.isEmpty() ? cancelValue : result;
}

QString BrowseForFolder(const QString &title, const QString &startFolder, int flags) {
    Q_UNUSED(flags);
    return Dialogs().BrowseForFolder(title,
                                     startFolder.isEmpty() ? QDir::currentPath() : startFolder);
}

int ChooseColorDialog(int initialColor) {
    return Dialogs().ChooseColor(initialColor);
}
