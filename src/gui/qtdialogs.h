#pragma once

#include "base/dialogseam.h"

#include <QStringList>

/**
 * A "description|pattern|description|pattern" filter as Qt's "description (patterns)" list,
 * each pattern shown once.
 */
QStringList QtNameFilters(const QString &filter);

/** The desktop program's dialogs and shell services, shown with Qt. */
class QtDialogs final : public DialogSeam {
  public:
    MsgResult Message(const QString &text, MsgButtons buttons, MsgIcon icon,
                      const QString &title = QString()) override;
    std::optional<QString> InputBox(const QString &prompt, const QString &title,
                                    const QString &defaultText) override;
    QString BrowseForFolder(const QString &title, const QString &startFolder) override;
    QString FileDialog(bool save, const QString &filter, const QString &cancelValue,
                       const QString &title, const QString &defaultExt,
                       const QString &startFolder) override;
    int ChooseColor(int initialColor) override;
    bool OpenPath(const QString &path) override;
    void ShowProperties(const QString &path) override;
    bool StartProgram(const QString &program, const QStringList &arguments) override;
    void SetClipboardText(const QString &text) override;
};
