#pragma once

#include "update/download.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class ProgressView;

/** What the main window lends the update check besides its progress bar and status bar. */
class UpdateHost {
  public:
    virtual ~UpdateHost() = default;
    /** The "Check For Updates" link: its caption and whether it can be clicked. */
    virtual void SetUpdateLink(const QString &caption, bool enabled) = 0;
    /** Hides the main window while the setup program starts, or shows it again. */
    virtual void SetMainWindowVisible(bool visible) = 0;
    /** Closes the main window, which saves the settings and ends the program. */
    virtual void CloseMainWindow() = 0;
};

/** The four values the "Update Available" window shows. */
struct UpdateOffer {
    QString currentVersion;
    QString version;
    QString size; // formatted, "" when the description gives none
    QString date;
};

/** Shows the offer modally, owned by the main window; true when the user chose "Download". */
using OfferWindow = std::function<bool(const UpdateOffer &)>;

/**
 * True when @p newVersion is newer than @p oldVersion (or the same, with @p orEqual).
 * Both must be dotted whole numbers with at least three parts and the same number of
 * parts; anything else is never newer. Parts compare as numbers of any length.
 */
bool GreaterVersion(const QString &oldVersion, const QString &newVersion, bool orEqual = false);

/**
 * The entries of an update description: CR LF lines "key=value", keys folded to lower case,
 * a value ending at a second "=". Nothing when the text holds no CR LF, no entry, or a key
 * twice.
 */
std::optional<QHash<QString, QString>> ReadUpdateDescription(const QString &text);

/** The description's URL on the configured update server. */
QString UpdateDescriptionUrl();
/**
 * Where the setup program of @p version goes: next to the program, or in the user's download
 * folder when the program's folder cannot be written.
 */
QString SetupFilePath(const QString &version);

/**
 * The start-up clean-up after an accepted installation: once the running version has
 * reached the stored one, deletes the stored setup file and the three install keys.
 */
void CleanUpInstaller();

/**
 * "Check For Updates": fetches the update description, offers a newer version, downloads
 * its setup program (see SetupFilePath) and starts it on request.
 */
class UpdateCheck : public QObject {
    Q_OBJECT

  public:
    /** Largest description accepted, in bytes. */
    static constexpr qint64 kMaxDescriptionSize = 64 * 1024;

    UpdateCheck(UpdateHost &host, ProgressView &progress, QObject *parent = nullptr);

    /** The "Update Available" window; without one, every offer counts as cancelled. */
    void SetOfferWindow(OfferWindow window) { m_offerWindow = std::move(window); }
    /** The pause between starting the setup program and closing (3 seconds). */
    void SetCloseDelay(int milliseconds) { m_closeDelay = milliseconds; }

    /** The link's click: starts a check. */
    void Start();
    /** Evaluates a description text and offers its version when it is newer. */
    void ProcessDescription(const QString &description);
    /** The entries of the last description, keys in lower case. */
    const QHash<QString, QString> &Entries() const { return m_entries; }

  private:
    void ShowTransferProgress(qint64 bytesRead, qint64 bytesTotal);
    /** Reports a failed transfer of the description or of the setup program. */
    void TransferFailed(const QString &key);
    void TransferComplete(const QString &key, const QVariant &value);

    /** "Download" in the offer: takes the setup file that is there or fetches it. */
    void AcceptOffer();
    void SetupArrived(const QString &path);
    void Install(const QString &setupPath);
    void DescriptionFailed();
    void BackToIdle();

    UpdateHost &m_host;
    ProgressView &m_progress;
    Download m_download;
    // Ends a description read that trickles on without ever finishing.
    QTimer m_descriptionDeadline;
    OfferWindow m_offerWindow;
    int m_closeDelay = 3000;
    QHash<QString, QString> m_entries;
    // The release being fetched: a later check may replace the entries meanwhile.
    QString m_setupVersion;
    qint64 m_setupSize = -1;
};
