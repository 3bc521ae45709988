#include "base/dialogseam.h"

#include <QStringList>

MsgResult QuietDialogs::Message(const QString &, MsgButtons buttons, MsgIcon, const QString &) {
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgResult::Ok;
    case MsgButtons::YesNo:
        return MsgResult::No;
    default:
        return MsgResult::Cancel;
    }
}

namespace {
QuietDialogs quiet;
DialogSeam *current = &quiet;
} // namespace

DialogSeam &Dialogs() {
    return *current;
}

void SetDialogs(DialogSeam *seam) {
    current = seam ? seam : &quiet;
}

QString AppTitle() {
    return QStringLiteral("Sortiva Media Organizer");
}
