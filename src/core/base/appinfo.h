#pragma once

#include <QString>

/** The running version as major.minor.revision ("1.4.1"). */
QString AppVersionString();
/** The folder holding the program file, remembered at start-up. */
QString ProgramFolder();
void SetProgramFolder(const QString &folder);
/** True for a program folder given as a network path (two leading backslashes). */
bool IsNetworkPath(const QString &folder);
