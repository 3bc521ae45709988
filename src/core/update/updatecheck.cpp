#include "update/updatecheck.h"

#include "base/appinfo.h"
#include "base/dialogseam.h"
#include "base/fileoperations.h"
#include "base/paths.h"
#include "base/progressview.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/testseams.h"
#include "base/textutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include <climits>

namespace {
const QString keyUpdate = QStringLiteral("update");
const QString keyDownload = QStringLiteral("download");
const QString idleCaption = QStringLiteral("Check For Updates");
const QString checkComplete = QStringLiteral("Update check complete");

// A whole number written with ASCII digits only (trailing blanks allowed), as a digit
// string without leading zeros, so parts of any length compare without overflow.
std::optional<QString> VersionPart(const QString &part) {
    if (part.isEmpty() || !TextUtil::IsNumeric(part))
        return std::nullopt;
    const QString digits = TextUtil::Trim(part);
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits.at(first) == QLatin1Char('0'))
        ++first;
    return digits.mid(first);
}

bool IsDottedVersion(const QString &version) {
    static const QRegularExpression pattern(QStringLiteral("\\A[0-9].*\\.[0-9].*\\.[0-9].*\\z"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return pattern.match(version).hasMatch();
}

// A size in bytes as the description gives it: digits, blanks around them allowed.
std::optional<qint64> SizeValue(const QString &text) {
    bool ok = false;
    const qint64 n = TextUtil::Trim(text).toLongLong(&ok);
    if (!ok || n < 0 || TextUtil::Trim(text).startsWith(QLatin1Char('+')))
        return std::nullopt;
    return n;
}

int ClampToInt(qint64 n) {
    return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}
} // namespace

bool GreaterVersion(const QString &oldVersion, const QString &newVersion, bool orEqual) {
    if (oldVersion.isEmpty() || newVersion.isEmpty())
        return false;
    if (!IsDottedVersion(oldVersion) || !IsDottedVersion(newVersion))
        return false;
    const QStringList oldParts = oldVersion.split(QLatin1Char('.'));
    const QStringList newParts = newVersion.split(QLatin1Char('.'));
    if (oldParts.size() != newParts.size())
        return false;

    int order = 0; // <0: old is older
    for (qsizetype i = 0; i < oldParts.size(); ++i) {
        const auto a = VersionPart(oldParts.at(i));
        const auto b = VersionPart(newParts.at(i));
        if (!a || !b)
            return false;
        if (order != 0)
            continue; // the first differing part decides, but every part must be valid
        if (a->size() != b->size())
            order = a->size() < b->size() ? -1 : 1;
        else
            order = QString::compare(*a, *b);
    }
    return order < 0 || (orEqual && order == 0);
}

std::optional<QHash<QString, QString>> ReadUpdateDescription(const QString &text) {
    const QString crlf = QStringLiteral("\r\n");
    if (text.isEmpty() || !text.contains(crlf))
        return std::nullopt;
    QHash<QString, QString> entries;
    const QStringList lines = text.split(crlf);
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (line.isEmpty() || eq < 0)
            continue;
        const QString key = line.left(eq).toCaseFolded();
        const qsizetype next = line.indexOf(QLatin1Char('='), eq + 1);
        const QString value = line.mid(eq + 1, next < 0 ? -1 : next - eq - 1);
        // Two values for one key leave no way to know which the server meant.
        if (entries.contains(key))
            return std::nullopt;
        entries.insert(key, value);
    }
    if (entries.isEmpty())
        return std::nullopt;
    return entries;
}

QString UpdateDescriptionUrl() {
    QString server = SettingsStore::Get(Keys::updateserver, Defaults::updateserver);
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    return server + QStringLiteral("/update/sortiva/sortiva.dat");
}

QString SetupFilePath(const QString &version) {
    QString folder = ProgramFolder();
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    // A packaged program lives in a system folder the user cannot write to: the setup
    // program then goes where the user's downloads go.
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable())
        folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return folder + QStringLiteral("/sortivasetup") + version + QStringLiteral(".exe");
}

void CleanUpInstaller() {
    if (SettingsStore::Get(Keys::installed, QStringLiteral("no")) != QLatin1String("yes"))
        return;
    const QString stored = SettingsStore::Get(Keys::installversion, Defaults::installversion);
    if (!GreaterVersion(stored, AppVersionString(), true))
        return;
    // The store is a plain text file anyone can edit: only ever delete a setup program
    // this check could have put there, never whatever file the key happens to name.
    const QString path = SettingsStore::Get(Keys::installpath, QString());
    const QString name = QFileInfo(path).fileName();
    if (name.startsWith(QLatin1String("sortivasetup")) && name.endsWith(QLatin1String(".exe")))
        DeleteFile(path);
    SettingsStore::Delete(Keys::installed);
    SettingsStore::Delete(Keys::installpath);
    SettingsStore::Delete(Keys::installversion);
    SettingsStore::Sync();
}

UpdateCheck::UpdateCheck(UpdateHost &host, ProgressView &progress, QObject *parent)
    : QObject(parent), m_host(host), m_progress(progress) {
    connect(&m_download, &Download::DownloadProgress, this,
            [this](const QString &, qint64 read, qint64 total, int, const QString &) {
                ShowTransferProgress(read, total);
            });
    connect(&m_download, &Download::DownloadError, this,
            [this](const QString &key, int, const QString &) { TransferFailed(key); });
    connect(
        &m_download, &Download::DownloadComplete, this,
        [this](const QString &key, const QVariant &value, int) { TransferComplete(key, value); });
    m_descriptionDeadline.setSingleShot(true);
    connect(&m_descriptionDeadline, &QTimer::timeout, this, [this] {
        m_download.Cancel(keyUpdate);
        TransferFailed(keyUpdate);
    });
}

void UpdateCheck::Start() {
    m_host.SetUpdateLink(QStringLiteral("Checking..."), false);
    m_descriptionDeadline.start(Seams().DescriptionDeadlineMs());
    m_download.BeginDownload(UpdateDescriptionUrl(), keyUpdate, Download::kBytesForm,
                             Download::kFetchAfresh, kMaxDescriptionSize);
}

void UpdateCheck::ShowTransferProgress(qint64 bytesRead, qint64 bytesTotal) {
    if (bytesTotal > 0)
        m_progress.SetProgressMax(ClampToInt(bytesTotal));
    m_progress.SetProgress(ClampToInt(bytesRead));
}

void UpdateCheck::TransferFailed(const QString &key) {
    if (key == keyUpdate)
        m_descriptionDeadline.stop();
    if (key == keyUpdate)
        Dialogs().Message(QStringLiteral("A download error has occurred while checking for an "
                                         "update! Please try again later."),
                          MsgButtons::Ok, MsgIcon::Critical);
    else if (key == keyDownload)
        Dialogs().Message(QStringLiteral("An error has occurred while attempting to download "
                                         "the new update! Please try again later."),
                          MsgButtons::Ok, MsgIcon::Critical);
    m_host.SetUpdateLink(idleCaption, true);
    m_progress.SetProgress(0);
    m_progress.Status(1, QStringLiteral("Error Downloading Update..."));
}

void UpdateCheck::TransferComplete(const QString &key, const QVariant &value) {
    if (key == keyUpdate) {
        m_descriptionDeadline.stop();
        ProcessDescription(QString::fromLocal8Bit(value.toByteArray()));
    } else if (key == keyDownload) {
        SetupArrived(value.toString());
    }
}

void UpdateCheck::ProcessDescription(const QString &description) {
    m_host.SetUpdateLink(QStringLiteral("Processing Info"), false);
    m_entries.clear();
    if (const auto entries = ReadUpdateDescription(description))
        m_entries = *entries;

    const QString version = m_entries.value(QStringLiteral("version"));
    const QString url = m_entries.value(QStringLiteral("url"));
    const bool hasSize = m_entries.contains(QStringLiteral("size"));
    const auto size = SizeValue(m_entries.value(QStringLiteral("size")));

    if (m_entries.isEmpty() || !m_entries.contains(QStringLiteral("version"))) {
        DescriptionFailed();
    } else if (!GreaterVersion(AppVersionString(), version)) {
        Dialogs().Message(QStringLiteral("Your version of Sortiva Media Organizer is the most "
                                         "current version. No new update is available."),
                          MsgButtons::Ok, MsgIcon::Information);
        m_progress.Status(1, checkComplete);
    } else if (!Download::IsWebUrl(url) || (hasSize && !size)) {
        // A newer release that cannot be fetched or checked is no offer at all.
        DescriptionFailed();
    } else {
        UpdateOffer offer;
        offer.currentVersion = AppVersionString();
        offer.version = version;
        offer.size = size ? FormatSize(static_cast<double>(*size)) : QString();
        offer.date = m_entries.value(QStringLiteral("date"));
        if (m_offerWindow && m_offerWindow(offer))
            AcceptOffer();
    }
    BackToIdle();
}

void UpdateCheck::AcceptOffer() {
    m_setupVersion = m_entries.value(QStringLiteral("version"));
    m_setupSize = SizeValue(m_entries.value(QStringLiteral("size"))).value_or(-1);
    const QString setupPath = SetupFilePath(m_setupVersion);
    // A setup file of the wrong length is a broken earlier copy: fetch it again.
    if (FileExists(setupPath) && (m_setupSize < 0 || QFileInfo(setupPath).size() == m_setupSize)) {
        SetupArrived(setupPath);
        return;
    }
    m_host.SetUpdateLink(QStringLiteral("Downloading..."), false);
    m_progress.Status(1, QStringLiteral("Download.... Please Wait!"));
    m_progress.SetProgressMax(ClampToInt(qMax<qint64>(m_setupSize, 0) + 100));
    // Not a byte beyond the announced size is taken, and without one a server could fill
    // the disk: a setup program is never larger than the fixed limit.
    m_download.BeginDownload(m_entries.value(QStringLiteral("url")), keyDownload,
                             Download::kFileForm, Download::kFetchAfresh,
                             m_setupSize >= 0 ? m_setupSize : Seams().SetupSizeLimit());
}

void UpdateCheck::SetupArrived(const QString &path) {
    // Only a setup program that arrived whole may ever be started.
    if (m_setupSize >= 0 && QFileInfo(path).size() != m_setupSize) {
        DeleteFile(path);
        TransferFailed(keyDownload);
        return;
    }
    const QString setupPath = SetupFilePath(m_setupVersion);
    if (path != setupPath) {
        if (FileExists(setupPath))
            DeleteFile(setupPath);
        // The download folder may not exist yet in a fresh account.
        QDir().mkpath(QFileInfo(setupPath).absolutePath());
        const bool copied = CopyFile(path, setupPath);
        DeleteFile(path);
        // Asking to install a file that is not there would only start nothing.
        if (!copied) {
            TransferFailed(keyDownload);
            return;
        }
    }
    Install(setupPath);
}

void UpdateCheck::Install(const QString &setupPath) {
    const MsgResult answer = Dialogs().Message(
        QStringLiteral("The updated file download is complete. Would you like to install it now?"),
        MsgButtons::YesNoCancel, MsgIcon::Question);
    if (answer == MsgResult::Yes) {
        m_host.SetMainWindowVisible(false);
        if (Dialogs().StartProgram(setupPath, QStringList())) {
            SettingsStore::Save(Keys::installed, QStringLiteral("yes"));
            SettingsStore::Save(Keys::installpath, setupPath);
            SettingsStore::Save(Keys::installversion, m_setupVersion);
            SettingsStore::Sync();
            QTimer::singleShot(m_closeDelay, this, [this] { m_host.CloseMainWindow(); });
            return;
        }
        // The setup program did not start: the program stays, and the file is kept.
        m_host.SetMainWindowVisible(true);
    }
    Dialogs().Message(QStringLiteral("The file has been saved to ") + setupPath +
                          QStringLiteral("\r\nYou can click on this file at a later time to "
                                         "install it."),
                      MsgButtons::Ok, MsgIcon::Information);
    m_progress.SetProgress(0);
    m_progress.Status(1, checkComplete);
}

void UpdateCheck::DescriptionFailed() {
    Dialogs().Message(QStringLiteral("A download error occurred while checking for an update! "
                                     "Please try again later."),
                      MsgButtons::Ok, MsgIcon::Critical);
    m_progress.Status(1, checkComplete);
}

void UpdateCheck::BackToIdle() {
    m_host.SetUpdateLink(idleCaption, true);
    m_progress.SetProgress(0);
}
