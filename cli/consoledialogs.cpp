#include "consoledialogs.h"

#include "clicommand.h"
#include "printable.h"

ConsoleDialogs::ConsoleDialogs() {
    SetDialogs(this);
}

ConsoleDialogs::~ConsoleDialogs() {
    SetDialogs(nullptr);
}

MsgResult ConsoleDialogs::Message(const QString &text, MsgButtons buttons, MsgIcon icon,
                                  const QString &title) {
    Err(Printable(text) + QLatin1Char('\n'));
    return QuietDialogs::Message(text, buttons, icon, title);
}
