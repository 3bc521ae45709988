#include "clicommand.h"

#include "base/appinfo.h"

namespace {
const CliCommand version("version", "Print the program's version", [](const QStringList &) {
    Out(AppVersionString() + QLatin1Char('\n'));
    return 0;
});
}
