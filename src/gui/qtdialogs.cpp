#include "gui/qtdialogs.h"

#include "base/nativepath.h"
#include "base/paths.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// How long an open may take before the opener is taken to have found its application.
constexpr int kOpenWaitMs = 10000;

QWidget *Owner() {
    return QApplication::activeWindow();
}

QColor FromBgr(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int ToBgr(const QColor &c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

QString PermissionText(unsigned int bits) {
    QString s;
    const char letters[] = "rwxrwxrwx";
    for (int i = 0; i < 9; ++i)
        s += (bits & (0400u >> i)) ? QLatin1Char(letters[i]) : QLatin1Char('-');
    return s;
}
} // namespace

QStringList QtNameFilters(const QString &filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList nameFilters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Descriptions such as "Text Files (*.txt)" already name their pattern; Qt shows and
        // uses the bracketed patterns at the end, so those are the ones actually matched.
        QString description = parts[i];
        static const QRegularExpression trailingPatterns(
            QStringLiteral("\\s*\\([^()]*[*?][^()]*\\)\\s*$"));
        description.remove(trailingPatterns);
        nameFilters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return nameFilters;
}

MsgResult QtDialogs::Message(const QString &text, MsgButtons buttons, MsgIcon icon,
                             const QString &title) {
    QMessageBox box(Owner());
    box.setWindowTitle(title.isEmpty() ? AppTitle() : title);
    // Messages carry file names, which may look like markup: never rendered as such.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::None:
        break;
    }
    QMessageBox::StandardButtons set;
    switch (buttons) {
    case MsgButtons::Ok:
        set = QMessageBox::Ok;
        break;
    case MsgButtons::OkCancel:
        set = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case MsgButtons::YesNo:
        set = QMessageBox::Yes | QMessageBox::No;
        break;
    case MsgButtons::YesNoCancel:
        set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    case MsgButtons::RetryCancel:
        set = QMessageBox::Retry | QMessageBox::Cancel;
        break;
    }
    box.setStandardButtons(set);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgResult::Ok;
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Retry:
        return MsgResult::Retry;
    default:
        return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
    }
}

std::optional<QString> QtDialogs::InputBox(const QString &prompt, const QString &title,
                                           const QString &defaultText) {
    bool ok = false;
    const QString answer = QInputDialog::getText(Owner(), title.isEmpty() ? AppTitle() : title,
                                                 prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

QString QtDialogs::BrowseForFolder(const QString &title, const QString &startFolder) {
    return QFileDialog::getExistingDirectory(Owner(), title, startFolder);
}

QString QtDialogs::FileDialog(bool save, const QString &filter, const QString &cancelValue,
                              const QString &title, const QString &defaultExt,
                              const QString &startFolder) {
    QFileDialog dialog(Owner(), title, startFolder);
    dialog.setNameFilters(QtNameFilters(filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Commands ask their own overwrite question; the dialog must not ask it a second time.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!defaultExt.isEmpty())
        dialog.setDefaultSuffix(defaultExt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return cancelValue;
    const QString chosen = dialog.selectedFiles().constFirst();
    return chosen.isEmpty() ? cancelValue : chosen;
}

int QtDialogs::ChooseColor(int initialColor) {
    const QColor c = QColorDialog::getColor(FromBgr(initialColor), Owner());
    return c.isValid() ? ToBgr(c) : -1;
}

bool QtDialogs::OpenPath(const QString &path) {
    const QUrl url = FileUrl(path);
    // Qt hands the URL to xdg-open and reports success as soon as it has started, even when
    // no application takes the file. Run it ourselves so its exit status is the answer.
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty())
        return QDesktopServices::openUrl(url);
    auto *process = new QProcess;
    process->setProgram(xdgOpen);
    process->setArguments({QString::fromUtf8(url.toEncoded())});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    // xdg-open returns once it has launched the application; one that keeps it (a viewer
    // run in its place) has found something to open the file with, so that counts too,
    // and the process is left to end on its own.
    if (!process->waitForFinished(kOpenWaitMs)) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return true;
    }
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return opened;
}

void QtDialogs::ShowProperties(const QString &path) {
    const FileFacts facts = ReadFileFacts(path);
    const QString name = ReadableName(FileNamePart(path));
    auto *dialog = new QDialog(Owner());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(name + QStringLiteral(" Properties"));
    auto *form = new QFormLayout;
    const auto addRow = [form](const QString &label, const QString &value) {
        auto *l = new QLabel(value);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(label, l);
    };
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    addRow(QStringLiteral("Name:"), name);
    addRow(QStringLiteral("Folder:"), ReadableName(FolderPart(AbsolutePath(path))));
    addRow(QStringLiteral("Size:"), QLocale().toString(facts.size) + QStringLiteral(" bytes"));
    addRow(QStringLiteral("Type:"),
           facts.folder
               ? QStringLiteral("Folder")
               : (dot < 0 ? QString() : name.mid(dot + 1)).toUpper() + QStringLiteral(" File"));
    addRow(QStringLiteral("Modified:"), QLocale().toString(facts.modified, QLocale::LongFormat));
    addRow(QStringLiteral("Permissions:"), PermissionText(facts.permissions));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    dialog->show();
}

bool QtDialogs::StartProgram(const QString &program, const QStringList &arguments) {
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner | QFile::ExeUser);
    return QProcess::startDetached(program, arguments);
}

void QtDialogs::SetClipboardText(const QString &text) {
    if (QClipboard *cb = QGuiApplication::clipboard())
        cb->setText(text);
}
