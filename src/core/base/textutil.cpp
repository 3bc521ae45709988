#include "base/textutil.h"

#include <cmath>
#include <limits>

namespace TextUtil {
QString Trim(QStringView s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == QLatin1Char(' '))
        ++b;
    while (e > b && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b).toString();
}

QString LTrim(QStringView s) {
    qsizetype b = 0;
    while (b < s.size() && s[b] == QLatin1Char(' '))
        ++b;
    return s.mid(b).toString();
}

QString RTrim(QStringView s) {
    qsizetype e = s.size();
    while (e > 0 && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.left(e).toString();
}

bool IsNumeric(QStringView s) {
    return NumericValue(s).has_value();
}

std::optional<double> NumericValue(QStringView s) {
    const QString t = Trim(s);
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    int points = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else if (c == QLatin1Char('.') && points == 0)
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

std::optional<int> ToInt32(QStringView s) {
    const auto v = NumericValue(s);
    if (!v)
        return std::nullopt;
    const double r = std::nearbyint(*v); // default rounding mode: halves to even
    if (r < std::numeric_limits<int>::min() || r > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(r);
}
} // namespace TextUtil
