#include "clicommand.h"

#include "base/appinfo.h"
#include "base/nativepath.h"
#include "base/settings.h"
#include "base/settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct Entry {
    QString summary;
    CliCommand::Run run;
};

QMap<QString, Entry> &Registry() {
    static QMap<QString, Entry> commands;
    return commands;
}

void Usage() {
    QString text = QStringLiteral("Usage: sortiva-cli COMMAND [options] [arguments]\n\n"
                                  "Batch front end of Sortiva Media Organizer. It reads the "
                                  "desktop program's settings and never writes them.\n\n"
                                  "Commands:\n");
    for (auto it = Registry().cbegin(); it != Registry().cend(); ++it)
        text += QStringLiteral("  %1  %2\n").arg(it.key(), -9).arg(it->summary);
    text += QStringLiteral("\nsortiva-cli COMMAND --help shows a command's options.\n");
    Out(text);
}
} // namespace

CliCommand::CliCommand(const char *name, const char *summary, Run run) {
    Registry().insert(QString::fromLatin1(name), {QString::fromLatin1(summary), std::move(run)});
}

void Out(const QString &text) {
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stdout);
}

void Err(const QString &text) {
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stderr);
}

int main(int argc, char *argv[]) {
    // A command's help reads "Usage: sortiva-cli COMMAND ...": Qt takes that name from the
    // first argument, so the command word moves into it.
    QByteArray commandName = "sortiva-cli";
    std::vector<char *> argvForQt(argv, argv + argc);
    if (argc >= 2 && argv[1][0] != '-') {
        commandName += ' ';
        commandName += argv[1];
        argvForQt.erase(argvForQt.begin() + 1);
        argvForQt[0] = commandName.data();
    }
    int argcForQt = static_cast<int>(argvForQt.size());
    argvForQt.push_back(nullptr);
    const QString command = argc >= 2 ? QString::fromLocal8Bit(argv[1]) : QString();

    QCoreApplication app(argcForQt, argvForQt.data());
    QCoreApplication::setApplicationName(QStringLiteral("sortiva-cli"));
    QCoreApplication::setApplicationVersion(AppVersionString());
    if (command.isEmpty() || command == QLatin1String("--help") || command == QLatin1String("-h")) {
        Usage();
        return command.isEmpty() ? 2 : 0;
    }
    if (command == QLatin1String("--version") || command == QLatin1String("-v")) {
        Out(QStringLiteral("sortiva-cli ") + AppVersionString() + QLatin1Char('\n'));
        return 0;
    }
    const auto it = Registry().constFind(command);
    if (it == Registry().cend()) {
        Err(QStringLiteral("Unknown command: ") + command + QLatin1Char('\n'));
        Usage();
        return 2;
    }
    SettingsStore::SetReadOnly(true); // the batch program never writes the store
    LoadSettings();
    // The command's own parser sees "sortiva-cli COMMAND [options] [arguments]". Arguments
    // are taken byte for byte: a folder name need not be UTF-8.
    QStringList arguments;
    for (int i = 0; i < argcForQt; ++i)
        arguments.append(PathFromNative(QByteArrayView(argvForQt[static_cast<size_t>(i)])));
    return it->run(arguments);
}
