#pragma once

#include "base/dialogseam.h"

#include <QList>
#include <QQueue>
#include <QStringList>

/** One question or service call as the command made it. */
struct Asked {
    QString kind; // "message", "input", "folder", "file", "color"
    QString text; // message text or prompt
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString title; // as shown: the application title when the call named none
    QString extra; // default answer, start folder or filter
};

/**
 * A dialog seam for tests: answers from queues, records every call. Installs itself on
 * construction and restores the quiet default on destruction.
 */
class ScriptedDialogs final : public DialogSeam {
  public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    ScriptedDialogs &AnswerMessage(MsgResult r) {
        messages.enqueue(r);
        return *this;
    }
    ScriptedDialogs &AnswerInput(std::optional<QString> r) {
        inputs.enqueue(std::move(r));
        return *this;
    }
    /** Answer of the next folder picker or file dialog ("" cancels). */
    ScriptedDialogs &AnswerPath(const QString &r) {
        paths.enqueue(r);
        return *this;
    }

    /** The recorded message texts only, in order. */
    QStringList MessageTexts() const;

    QList<Asked> asked;
    QStringList opened;  // OpenPath calls
    QStringList started; // StartProgram calls
    QString clipboard;
    bool startResult = true;

    QQueue<MsgResult> messages;
    QQueue<std::optional<QString>> inputs;
    QQueue<QString> paths;

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
