#include "gui/mainwindowupdates.h"

#include "base/progressview.h"
#include "gui/updateofferdialog.h"

#include <QLabel>
#include <QWidget>

MainWindowUpdates::MainWindowUpdates(QWidget *mainWindow, ProgressView &progress, QLabel *link)
    : QObject(mainWindow), m_window(mainWindow), m_link(link), m_check(*this, progress)
{
    setObjectName(QStringLiteral("MainWindowUpdates"));
    UseForm8(m_check, mainWindow);
}

MainWindowUpdates *MainWindowUpdates::For(QWidget *mainWindow)
{
    if (!mainWindow)
        return nullptr;
    if (auto *existing =
            mainWindow->findChild<MainWindowUpdates *>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    auto *progress = dynamic_cast<ProgressView *>(mainWindow);
    if (!progress)
        return nullptr;
    return new MainWindowUpdates(mainWindow, *progress,
                                 mainWindow->findChild<QLabel *>(QStringLiteral("Label3")));
}

void MainWindowUpdates::SetUpdateLink(const QString &caption, bool enabled)
{
    if (!m_link)
        return;
    m_link->setText(caption);
    m_link->setEnabled(enabled);
}

void MainWindowUpdates::SetMainWindowVisible(bool visible)
{
    if (m_window)
        m_window->setVisible(visible);
}

void MainWindowUpdates::CloseMainWindow()
{
    if (m_window)
        m_window->close();
}

void StartUpdateCheckFor(QWidget *mainWindow)
{
    if (MainWindowUpdates *updates = MainWindowUpdates::For(mainWindow))
        updates->Check().Start();
}
