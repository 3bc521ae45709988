#pragma once

#include "base/dialogseam.h"

/**
 * The dialog seam of a batch command: messages go to standard error as lines, every
 * question is declined and no window or program is opened. Installs itself for its
 * lifetime.
 */
class ConsoleDialogs final : public DialogSeam {
  public:
    ConsoleDialogs();
    ~ConsoleDialogs() override;
    ConsoleDialogs(const ConsoleDialogs &) = delete;
    ConsoleDialogs &operator=(const ConsoleDialogs &) = delete;

    MsgResult Message(const QString &text, MsgButtons buttons, MsgIcon icon,
                      const QString &title = QString()) override;
    std::optional<QString> InputBox(const QString &, const QString &, const QString &) override {
        return std::nullopt;
    }
    QString BrowseForFolder(const QString &, const QString &) override { return QString(); }
    QString FileDialog(bool, const QString &, const QString &cancelValue, const QString &,
                       const QString &, const QString &) override {
        return cancelValue;
    }
    int ChooseColor(int) override { return -1; }
    bool OpenPath(const QString &) override { return false; }
    void ShowProperties(const QString &) override {}
    bool StartProgram(const QString &, const QStringList &) override { return false; }
    void SetClipboardText(const QString &) override {}
};
