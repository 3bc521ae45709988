#pragma once

#include <QString>
#include <QStringList>

#include <functional>

/**
 * One sub-command of sortiva-cli. Each command's file registers itself with a static
 * CliCommand object, so commands never touch each other's files.
 */
struct CliCommand {
    using Run = std::function<int(const QStringList &arguments)>;
    CliCommand(const char *name, const char *summary, Run run);
};

/** Writes text to standard output / standard error as UTF-8. */
void Out(const QString &text);
void Err(const QString &text);
