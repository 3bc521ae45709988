#include "clicommand.h"

#include "app/appinfo.h"
#include "app/settings.h"
#include "app/settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {
struct Entry {
    QString summary;
    CliCommand::Run run;
};

QMap<QString, Entry> &Registry()
{
    static QMap<QString, Entry> commands;
    return commands;
}

void Usage()
{
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

CliCommand::CliCommand(const char *name, const char *summary, Run run)
{
    Registry().insert(QString::fromLatin1(name), {QString::fromLatin1(summary), std::move(run)});
}

void Out(const QString &text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stdout);
}

void Err(const QString &text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stderr);
}

QString OneLine(const QString &name)
{
    const auto breaks = [](QChar c) {
        return c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    };
    if (std::none_of(name.cbegin(), name.cend(), breaks))
        return name;
    QString s = name;
    s.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    s.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    s.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    return s;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sortiva-cli"));
    QCoreApplication::setApplicationVersion(AppVersionString());
    QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args[1] == QLatin1String("--help") || args[1] == QLatin1String("-h")) {
        Usage();
        return args.size() < 2 ? 2 : 0;
    }
    if (args[1] == QLatin1String("--version") || args[1] == QLatin1String("-v")) {
        Out(QStringLiteral("sortiva-cli ") + AppVersionString() + QLatin1Char('\n'));
        return 0;
    }
    const auto it = Registry().constFind(args[1]);
    if (it == Registry().cend()) {
        Err(QStringLiteral("Unknown command: ") + args[1] + QLatin1Char('\n'));
        Usage();
        return 2;
    }
    SettingsStore::SetReadOnly(true); // the batch program never writes the store
    LoadSettings();
    args.removeAt(1); // the command's own parser sees "sortiva-cli [options] [arguments]"
    return it->run(args);
}
