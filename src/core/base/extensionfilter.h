#pragma once

#include <QString>

/** Display form ("mp3,wma") to pattern form ("*.mp3;*.wma"). */
QString FilterToPatterns(const QString &list);
/** Pattern form ("*.mp3;*.wma") to display form ("mp3,wma"). */
QString PatternsToFilter(const QString &patterns);
