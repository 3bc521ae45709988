#pragma once

#include <QString>
#include <QStringView>

/**
 * @p name as printed on one line of a terminal: tab and line feed as \t and \n, ESC as \e
 * and every other control character (C0, DEL, C1) as \xNN, so that no file name can steer
 * the terminal or split a row.
 */
QString Printable(QStringView name);

/** Appends Printable(@p name) to @p block; a name without control characters as it is. */
void AppendPrintable(QString &block, QStringView name);
