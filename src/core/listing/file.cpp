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
    QString s;
    AppendHtml(s, HtmlColor(BGColor), HtmlColor(FontCol));
    return s;
}

void File::AppendHtml(QString &out, const QString &bgColor, const QString &fontColor) const
{
    AppendListRow(out, EscapeHtml(m_title), EscapeHtml(m_size), bgColor, fontColor);
}
