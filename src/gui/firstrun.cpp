#include "gui/firstrun.h"

#include "base/dialogseam.h"
#include "gui/optionsdialog.h"
#include "options/firstrun.h"

#include <QCoreApplication>
#include <QWidget>

namespace Options {
void AskFirstRunQuestion(QWidget *mainWindow) {
    if (!TakeFirstRun())
        return;
    if (mainWindow)
        mainWindow->show();
    QCoreApplication::processEvents();
    const MsgResult answer = Dialogs().Message(
        QStringLiteral("Welcome To Sortiva Media Organizer! It appears that this is the first "
                       "time you are running this program... It is recommended that you set and "
                       "adjust the options you prefer before getting started. Would you like to "
                       "open the options window now?"),
        MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Sortiva Media Organizer"));
    if (answer == MsgResult::Yes)
        OptionsDialog::open(mainWindow);
}
} // namespace Options
