#include "organize/listactions.h"

#include "base/desktopservices.h"
#include "base/dialogseam.h"
#include "base/fileoperations.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "base/settings.h"
#include "base/textutil.h"
#include "organize/loadcommand.h"
#include "organize/organizelist.h"
#include "tags/id3v1tag.h"

ListActionOptions ListActionOptions::FromSettings() {
    ListActionOptions o;
    o.sourceFolder = Settings.inpath;
    o.confirmRemoval = Settings.promptremove != 0;
    return o;
}

namespace ListActions {
namespace {
QString SourceRoot(const ListActionOptions &options) {
    QString root = options.sourceFolder;
    while (root.size() > 1 && root.endsWith(QLatin1Char('/')))
        root.chop(1);
    return root;
}

QString CutRoot(const QString &path, const ListActionOptions &options) {
    const QString root = SourceRoot(options);
    const qsizetype cut = root == QLatin1String("/") ? 1 : root.size() + 1;
    return path.mid(cut);
}

QString CrLf() {
    return QStringLiteral("\r\n");
}

// A new file name must stay a name in the file's own folder.
bool PlainName(const QString &name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".") &&
           name != QLatin1String("..");
}
} // namespace

QString RowFile(const OrganizeRow &row, const ListActionOptions &options) {
    const QString root = SourceRoot(options);
    if (root.endsWith(QLatin1Char('/')))
        return root + row.relativePath;
    return root + QLatin1Char('/') + row.relativePath;
}

void EditRowFolder(OrganizeList &list) {
    if (list.Count() == 0)
        return;
    if (!list.HasSelection()) {
        Dialogs().Message(QStringLiteral("Please select an item to edit!"), MsgButtons::Ok,
                          MsgIcon::Critical);
        return;
    }
    const int selected = list.Selected();
    const OrganizeRow &row = list.Row(selected);
    const std::optional<QString> answer = Dialogs().InputBox(
        QStringLiteral("Enter or edit the folder name for ") + ReadableName(row.relativePath),
        QStringLiteral("Edit Folder"), row.folder);
    if (!answer)
        return;
    if (answer->isEmpty())
        list.SetFolder(selected, QString());
    else
        EditListItem(list, *answer);
}

void RemoveRow(OrganizeList &list, const ListActionOptions &options) {
    if (list.HasSelection()) {
        const int selected = list.Selected();
        if (options.confirmRemoval) {
            const MsgResult r =
                Dialogs().Message(QStringLiteral("Are you sure you want to remove ") +
                                      ReadableName(list.Row(selected).relativePath),
                                  MsgButtons::YesNo, MsgIcon::Question);
            if (r != MsgResult::Yes)
                return;
        }
        list.Remove(selected);
    } else if (list.Count() > 0) {
        Dialogs().Message(QStringLiteral("Please select an item to remove!"), MsgButtons::Ok,
                          MsgIcon::Critical);
    }
}

QString ClickLine(const OrganizeList &list, const ListActionOptions &options) {
    if (!list.HasSelection())
        return QString();
    const OrganizeRow &row = list.Row(list.Selected());
    if (!row.errorText.isEmpty())
        return QStringLiteral("Error: ") + row.errorText;
    return row.folder + QStringLiteral(": (") +
           FormatSize(static_cast<double>(GetFileSize(RowFile(row, options)))) +
           QStringLiteral(")  /") + ReadableName(row.relativePath);
}

PopupState PopupFor(const OrganizeRow &row) {
    PopupState state;
    const QString tail = TextUtil::Trim(row.relativePath.right(4).toUpper());
    const auto in = [&tail](std::initializer_list<const char *> list) {
        for (const char *s : list)
            if (tail == QLatin1String(s))
                return true;
        return false;
    };
    if (in({".MP3", ".WMA", ".OGG", ".VOB"})) {
        state.playCaption = QStringLiteral("Play Music");
        state.playVisible = true;
    } else if (in({".MPG", ".AVI", "MPEG", ".WMV"})) {
        state.playCaption = QStringLiteral("Play Video");
        state.playVisible = true;
    } else if (in({".GIF", ".JPG", "JPEG", ".PNG", ".BMP", ".WMI"})) {
        state.playCaption = QStringLiteral("View Picture");
        state.playVisible = true;
    } else if (in({".EXE", ".VBS", ".BAT", ".EML", ".SCR"})) {
        state.playVisible = false;
    } else {
        state.playCaption = QStringLiteral("Open File");
        state.playVisible = true;
    }
    state.viewTagVisible = IsMp3(row.relativePath);
    state.errorVisible = !row.errorText.isEmpty();
    return state;
}

void DeleteRowFile(OrganizeList &list, const ListActionOptions &options) {
    if (!list.HasSelection()) {
        Dialogs().Message(QStringLiteral("Please select an item to remove!"), MsgButtons::Ok,
                          MsgIcon::Critical);
        return;
    }
    const int selected = list.Selected();
    const OrganizeRow row = list.Row(selected);
    if (options.confirmRemoval) {
        const MsgResult r = Dialogs().Message(
            QStringLiteral("Are you sure you want to delete ") + ReadableName(row.relativePath) +
                QStringLiteral("?") + CrLf() + CrLf() +
                QStringLiteral("This will completely remove the file from your hardrive! If you "
                               "only wish to remove from the list, please click remove "
                               "instead.") +
                CrLf() + CrLf() + QStringLiteral("Do you want to continue?"),
            MsgButtons::YesNo, MsgIcon::Critical);
        if (r != MsgResult::Yes)
            return;
    }
    const QString file = RowFile(row, options);
    DeleteFile(file);
    if (FileExists(file)) {
        const MsgResult r = Dialogs().Message(
            QStringLiteral("Sortiva was unable to delete the file! The file may be in use by "
                           "another application or have read-only attributes. Please close any "
                           "applications that may be using the file and try again. Would you "
                           "like to remove this entry from your list anyway?"),
            MsgButtons::YesNo, MsgIcon::Critical);
        if (r != MsgResult::Yes)
            return;
    }
    list.Remove(selected);
}

void OpenRowFile(const OrganizeList &list, const ListActionOptions &options) {
    if (!list.HasSelection())
        return;
    const QString file = RowFile(list.Row(list.Selected()), options);
    if (ShellRun(file, QStringLiteral("play"), QString(), 1))
        return;
    if (ShellRun(file, QStringLiteral("open"), QString(), 1))
        return;
    Dialogs().Message(QStringLiteral("Sortiva was unable to launch the default media player for "
                                     "your operating system!"),
                      MsgButtons::Ok, MsgIcon::Critical);
}

void ShowErrorDetails(const OrganizeList &list) {
    if (!list.HasSelection())
        return;
    Dialogs().Message(QStringLiteral("Error Details: ") + CrLf() + CrLf() +
                          list.Row(list.Selected()).errorText,
                      MsgButtons::Ok, MsgIcon::Exclamation);
}

void ShowRowProperties(const OrganizeList &list, const ListActionOptions &options) {
    if (!list.HasSelection())
        return;
    ShowFileProperties(RowFile(list.Row(list.Selected()), options));
}

void RenameRowFile(OrganizeList &list, const ListActionOptions &options) {
    if (!list.HasSelection())
        return;
    const int selected = list.Selected();
    const QString oldPath = RowFile(list.Row(selected), options);
    // A name that is not UTF-8 is offered as people read it; left as it is, it keeps its bytes.
    const QString oldName = ReadableName(FileNamePart(oldPath));
    const std::optional<QString> answer =
        Dialogs().InputBox(QStringLiteral("Enter a new file name for ") + oldName,
                           QStringLiteral("New File Name"), oldName);
    if (!answer || answer->isEmpty() || *answer == oldName)
        return;
    QString newName = TextUtil::Trim(*answer);
    const QString failed = QStringLiteral(
        "Sortiva was unable to rename the file. The file may be in use by another application "
        "or have read-only attributes. Please close any applications that may be using the file "
        "and try again.");
    if (!PlainName(newName)) {
        Dialogs().Message(failed, MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    const QString newRelative = CutRoot(FolderPart(oldPath) + QLatin1Char('/') + newName, options);
    for (int i = 0; i < list.Count(); ++i) {
        if (i == selected ||
            list.Row(i).relativePath.compare(newRelative, Qt::CaseInsensitive) != 0)
            continue;
        QString numbered = newName;
        numbered.replace(QLatin1Char('.'), QLatin1String("(1)."));
        const MsgResult r = Dialogs().Message(
            QStringLiteral("A file with this name already exists in the list! If you continue "
                           "this file will be renamed with an additional number such as ") +
                numbered + QStringLiteral(", Are you sure you want to continue?"),
            MsgButtons::YesNo, MsgIcon::Critical);
        if (r != MsgResult::Yes)
            return;
    }
    if (!RenameFile(oldPath, newName, false)) {
        Dialogs().Message(failed, MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    list.SetRelativePath(selected, CutRoot(newName, options));
    Dialogs().Message(QStringLiteral("File has been successfully renamed to ") +
                          ReadableName(FileNamePart(newName)),
                      MsgButtons::Ok, MsgIcon::Information);
    list.SetStatus(selected, RowStatus::Ok);
}
} // namespace ListActions
