#include "listing/file.h"

#include "listing/listingformat.h"

QString File::ToString(bool IncludePath) const
{
    QString s = m_title + QLatin1String(" (") + m_size + QLatin1Char(')');
    if (IncludePath)
        s += QLatin1String(" - ") + m_path;
    return s;
}

QString File::ToHtml(int BGColor, int FontCol) const
{
    return ListRow(EscapeHtml(m_title), EscapeHtml(m_size), BGColor, FontCol);
}
