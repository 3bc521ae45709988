#pragma once

#include "update/updatecheck.h"

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

/**
 * The update check as a main window hosts it: the window's "Check For Updates" label shows
 * the captions, its progress and status bar the progress, UpdateOfferDialog the offer; the install
 * step hides and closes the window. Lives as a child of the window, so a setup download
 * goes on after the check itself has finished.
 */
class MainWindowUpdates : public QObject, public UpdateHost
{
    Q_OBJECT

public:
    MainWindowUpdates(QWidget *mainWindow, ProgressView &progress, QLabel *link);

    /**
     * The instance of @p mainWindow, made on first use. The window must implement
     * ProgressView; its link is the child label named "Label3" (none: captions go nowhere).
     * nullptr when the window is not a ProgressView.
     */
    static MainWindowUpdates *For(QWidget *mainWindow);

    UpdateCheck &Check() { return m_check; }

    void SetUpdateLink(const QString &caption, bool enabled) override;
    void SetMainWindowVisible(bool visible) override;
    void CloseMainWindow() override;

private:
    QPointer<QWidget> m_window;
    QPointer<QLabel> m_link;
    UpdateCheck m_check;
};

/** "Check For Updates" clicked on @p mainWindow (see MainWindowUpdates::For). */
void StartUpdateCheckFor(QWidget *mainWindow);
