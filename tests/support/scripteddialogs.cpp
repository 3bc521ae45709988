#include "support/scripteddialogs.h"

ScriptedDialogs::ScriptedDialogs() {
    SetDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    SetDialogs(nullptr);
}

QStringList ScriptedDialogs::MessageTexts() const {
    QStringList out;
    for (const Asked &a : asked)
        if (a.kind == QLatin1String("message"))
            out << a.text;
    return out;
}

MsgResult ScriptedDialogs::Message(const QString &text, MsgButtons buttons, MsgIcon icon,
                                   const QString &title) {
    asked.append({QStringLiteral("message"), text, buttons, icon,
                  title.isEmpty() ? AppTitle() : title, QString()});
    if (!messages.isEmpty())
        return messages.dequeue();
    if (buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
}

std::optional<QString> ScriptedDialogs::InputBox(const QString &prompt, const QString &title,
                                                 const QString &defaultText) {
    asked.append({QStringLiteral("input"), prompt, MsgButtons::OkCancel, MsgIcon::None,
                  title.isEmpty() ? AppTitle() : title, defaultText});
    if (!inputs.isEmpty())
        return inputs.dequeue();
    return std::nullopt;
}

QString ScriptedDialogs::BrowseForFolder(const QString &title, const QString &startFolder) {
    asked.append(
        {QStringLiteral("folder"), title, MsgButtons::OkCancel, MsgIcon::None, title, startFolder});
    if (!paths.isEmpty())
        return paths.dequeue();
    return QString();
}

QString ScriptedDialogs::FileDialog(bool save, const QString &filter, const QString &cancelValue,
                                    const QString &title, const QString &defaultExt,
                                    const QString &startFolder) {
    Q_UNUSED(defaultExt);
    Q_UNUSED(startFolder);
    asked.append({QStringLiteral("file"), save ? QStringLiteral("save") : QStringLiteral("open"),
                  MsgButtons::OkCancel, MsgIcon::None, title, filter});
    if (!paths.isEmpty()) {
        const QString p = paths.dequeue();
        return p.isEmpty() ? cancelValue : p;
    }
    return cancelValue;
}

int ScriptedDialogs::ChooseColor(int initialColor) {
    asked.append({QStringLiteral("color"), QString::number(initialColor), MsgButtons::OkCancel,
                  MsgIcon::None, QString(), QString()});
    return -1;
}

bool ScriptedDialogs::OpenPath(const QString &path) {
    opened << path;
    return true;
}

void ScriptedDialogs::ShowProperties(const QString &) {}

bool ScriptedDialogs::StartProgram(const QString &program, const QStringList &arguments) {
    started << (arguments.isEmpty()
                    ? program
                    : program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
    return startResult;
}

void ScriptedDialogs::SetClipboardText(const QString &text) {
    clipboard = text;
}
