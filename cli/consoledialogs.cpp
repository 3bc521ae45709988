#include "consoledialogs.h"

#include "clicommand.h"
#include "printable.h"

ConsoleDialogs::ConsoleDialogs() {
    SetDialogs(this);
}

ConsoleDialogs::~ConsoleDialogs() {
    SetDialogs(nullptr);
}

MsgResult ConsoleDialogs::Message(const QString &text, MsgButtons buttons, MsgIcon,
                                  const QString &) {
    Err(Printable(text) + QLatin1Char('\n'));
    // Nobody is there to answer: Cancel where the box has it, else No, else OK.
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgResult::Ok;
    case MsgButtons::YesNo:
        return MsgResult::No;
    default:
        return MsgResult::Cancel;
    }
}
