#include "base/extensionfilter.h"

#include "base/textutil.h"

#include <QStringList>

namespace {
// Shared first steps of both conversions: no spaces, no leading or trailing commas.
QString Tidy(const QString &text) {
    QString t = TextUtil::Trim(text);
    t.remove(QLatin1Char(' '));
    while (t.endsWith(QLatin1Char(',')))
        t.chop(1);
    while (t.startsWith(QLatin1Char(',')))
        t.remove(0, 1);
    return t;
}
} // namespace

QString FilterToPatterns(const QString &list) {
    const QString t = Tidy(list.isEmpty() ? QStringLiteral("*") : list);
    if (!t.contains(QLatin1Char(',')))
        return QStringLiteral("*.") + t;
    QStringList parts = t.split(QLatin1Char(','));
    for (QString &p : parts) {
        p = TextUtil::Trim(p);
        if (!p.isEmpty())
            p.prepend(QStringLiteral("*."));
    }
    return parts.join(QLatin1Char(';'));
}

QString PatternsToFilter(const QString &patterns) {
    if (patterns.isEmpty())
        return QStringLiteral("*");
    const QString t = Tidy(patterns);
    if (!t.contains(QLatin1Char(';')))
        return t.mid(2);
    QStringList parts = t.split(QLatin1Char(';'));
    for (QString &p : parts) {
        p = TextUtil::Trim(p);
        if (!p.isEmpty())
            p = TextUtil::Trim(p.mid(2));
    }
    return parts.join(QLatin1Char(','));
}
