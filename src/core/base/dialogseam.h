#pragma once

#include <QString>

#include <optional>

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
/** Closing a box any other way than by its buttons answers Cancel (or No without Cancel). */
enum class MsgResult { Ok, Cancel, Yes, No, Retry };

/**
 * Every question, message, common dialog and shell service a command uses. The desktop
 * program installs the Qt implementation; tests install a scripted one, so every command
 * runs headless.
 */
class DialogSeam {
  public:
    virtual ~DialogSeam() = default;

    /** A message box; an empty title shows the application title. */
    virtual MsgResult Message(const QString &text, MsgButtons buttons, MsgIcon icon,
                              const QString &title = QString()) = 0;
    /** An input box; nothing on Cancel, distinct from an empty answer. */
    virtual std::optional<QString> InputBox(const QString &prompt, const QString &title,
                                            const QString &defaultText) = 0;
    /** The folder picker; "" on Cancel. */
    virtual QString BrowseForFolder(const QString &title, const QString &startFolder) = 0;
    /**
     * Open or save dialog. @p filter holds "description|pattern" pairs separated by "|".
     * Returns the chosen path, or @p cancelValue.
     */
    virtual QString FileDialog(bool save, const QString &filter, const QString &cancelValue,
                               const QString &title, const QString &defaultExt,
                               const QString &startFolder) = 0;
    /** Colour dialog; colours are 0x00BBGGRR; -1 on Cancel. */
    virtual int ChooseColor(int initialColor) = 0;
    /** Opens a file or folder with the desktop's application for it. */
    virtual bool OpenPath(const QString &path) = 0;
    /** Shows the read-only properties of a file. */
    virtual void ShowProperties(const QString &path) = 0;
    /** Starts a program detached. */
    virtual bool StartProgram(const QString &program, const QStringList &arguments) = 0;
    /** Puts plain text on the clipboard. */
    virtual void SetClipboardText(const QString &text) = 0;
};

/** The installed seam; a quiet default (Cancel to everything) until one is installed. */
/**
 * The seam of a program with nobody to ask (before any window exists, batch runs): every
 * question is declined (Cancel where a box has it, else No, else OK) and nothing opens.
 */
class QuietDialogs : public DialogSeam {
  public:
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

DialogSeam &Dialogs();
/** Installs @p seam (not owned); nullptr restores the quiet default. */
void SetDialogs(DialogSeam *seam);

/** The title a message box shows when it names none. */
QString AppTitle();
