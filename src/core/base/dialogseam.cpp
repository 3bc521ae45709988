#include "base/dialogseam.h"

#include <QStringList>

namespace {
// Used before any window exists and by batch programs: asks nobody, agrees to nothing.
class QuietDialogs final : public DialogSeam {
  public:
    MsgResult Message(const QString &, MsgButtons buttons, MsgIcon, const QString &) override {
        switch (buttons) {
        case MsgButtons::Ok:
            return MsgResult::Ok;
        case MsgButtons::YesNo:
            return MsgResult::No;
        default:
            return MsgResult::Cancel;
        }
    }
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
