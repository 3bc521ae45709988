#include "gui/mainwindowupdates.h"

#include "base/progressview.h"
#include "gui/updateofferdialog.h"

#include <QLabel>
#include <QWidget>

MainWindowUpdates::MainWindowUpdates(QWidget *mainWindow, ProgressView &progress,
                                     QLabel *updateLink)
    : QObject(mainWindow), m_window(mainWindow), m_updateLink(updateLink),
      m_check(*this, progress) {
    setObjectName(QStringLiteral("mainWindowUpdates"));
    m_check.SetOfferWindow([mainWindow](const UpdateOffer &offer) {
        return UpdateOfferDialog::showOffer(mainWindow, offer);
    });
}

void MainWindowUpdates::SetUpdateLink(const QString &caption, bool enabled) {
    if (!m_updateLink)
        return;
    m_updateLink->setText(caption);
    m_updateLink->setEnabled(enabled);
}

void MainWindowUpdates::SetMainWindowVisible(bool visible) {
    if (m_window)
        m_window->setVisible(visible);
}

void MainWindowUpdates::CloseMainWindow() {
    if (m_window)
        m_window->close();
}
