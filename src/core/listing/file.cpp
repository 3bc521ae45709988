#include "listing/file.h"

#include "listing/listingformat.h"

QString File::ToString(bool includePath) const {
    QString s = m_title + QLatin1String(" (") + m_size + QLatin1Char(')');
    if (includePath)
        s += QLatin1String(" - ") + m_path;
    return s;
}

QString File::ToHtml(int background, int text) const {
    QString s;
    AppendHtml(s, HtmlColor(background), HtmlColor(text));
    return s;
}

void File::AppendHtml(QString &out, const QString &bgColor, const QString &fontColor) const {
    AppendListRow(out, EscapeHtml(m_title), EscapeHtml(m_size), bgColor, fontColor);
}
