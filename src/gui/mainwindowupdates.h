#pragma once

#include "update/updatecheck.h"

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

/**
 * The update check as a main window hosts it: the window's "Check For Updates" link shows
 * the captions, its progress and status bar the progress, UpdateOfferDialog the offer; the
 * install step hides and closes the window. Lives as a child of the window, so a setup
 * download goes on after the check itself has finished.
 */
class MainWindowUpdates : public QObject, public UpdateHost {
    Q_OBJECT

  public:
    /**
     * Made by @p mainWindow, whose child it becomes; @p progress is the window's progress
     * bar and status bar, @p updateLink its "Check For Updates" link (none: captions go
     * nowhere).
     */
    MainWindowUpdates(QWidget *mainWindow, ProgressView &progress, QLabel *updateLink);

    UpdateCheck &check() { return m_check; }

    void SetUpdateLink(const QString &caption, bool enabled) override;
    void SetMainWindowVisible(bool visible) override;
    void CloseMainWindow() override;

  private:
    QPointer<QWidget> m_window;
    QPointer<QLabel> m_updateLink;
    UpdateCheck m_check;
};
