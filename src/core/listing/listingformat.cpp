#include "listing/listingformat.h"

#include "base/settings.h"

#include <QLocale>

namespace {
// FontText(before + text + after, colour) appended to @p s.
void AppendFontText(QString &s, QLatin1StringView before, const QString &text,
                    QLatin1StringView after, const QString &colour) {
    s += QLatin1String("<font face=\"Tahoma\" size=\"2\" color=\"");
    s += colour;
    s += QLatin1String("\">");
    s += before;
    s += text;
    s += after;
    s += QLatin1String("</font>");
}

void AppendFontText(QString &s, const QString &text, const QString &colour) {
    AppendFontText(s, QLatin1StringView(), text, QLatin1StringView(), colour);
}

// Characters a page in iso-8859-1 cannot carry as they are.
bool NeedsEscape(char16_t c) {
    if (c < 0x20)
        return c != u'\t' && c != u'\n' && c != u'\r';
    return c >= 0x100 || c == u'&' || c == u'<' || c == u'>' || c == u'"';
}

// Characters XML allows neither as they are nor as references.
bool ForbiddenInXml(char16_t c) {
    return c < 0x20 || c == 0xFFFE || c == 0xFFFF;
}

void AppendReference(QString &out, char32_t code) {
    out += QLatin1String("&#");
    out += QString::number(static_cast<uint>(code));
    out += QLatin1Char(';');
}
} // namespace

QString PathWithoutDrive(const QString &path) {
    return path.isEmpty() ? QStringLiteral("/") : path;
}

QString HtmlColor(int colour) {
    // The number's hex digits are BBGGRR; the page wants RRGGBB. Only the low 24 bits count.
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    const auto v = static_cast<uint>(colour);
    const uint r = v & 0xFF;
    const uint g = (v >> 8) & 0xFF;
    const uint b = (v >> 16) & 0xFF;
    const char16_t text[7] = {u'#',           digits[r >> 4], digits[r & 15], digits[g >> 4],
                              digits[g & 15], digits[b >> 4], digits[b & 15]};
    return QString(reinterpret_cast<const QChar *>(text), 7);
}

QString FontTag(const QString &face, int size, const QString &colour) {
    return QLatin1String("<font face=\"") + face + QLatin1String("\" size=\"") +
           QString::number(size) + QLatin1String("\" color=\"") + colour + QLatin1String("\">");
}

QString ColorFontTag(const QString &face, int size, int colour) {
    return FontTag(face, size, HtmlColor(colour));
}

QString FontText(const QString &text, const QString &colour) {
    QString s;
    s.reserve(text.size() + 60);
    AppendFontText(s, text, colour);
    return s;
}

QString TableTag(int width, int border, const QString &align, int padding, int spacing) {
    QString tag = QLatin1String("<table width=\"") + QString::number(width) +
                  QLatin1String("%\" border=\"") + QString::number(border) +
                  QLatin1String("\" cellspacing=\"") + QString::number(spacing) +
                  QLatin1String("\" cellpadding=\"") + QString::number(padding) + QLatin1Char('"');
    if (align != QLatin1String("left"))
        tag += QLatin1String(" align=\"") + EscapeHtml(align) + QLatin1Char('"');
    return tag + QLatin1Char('>');
}

void AppendListRow(QString &out, const QString &text, const QString &size, const QString &bg,
                   const QString &fg) {
    out += QLatin1String("<tr><td width=\"86%\" bgcolor=\"");
    out += bg;
    out += QLatin1String("\">");
    AppendFontText(out, QLatin1String("<b>"), text, QLatin1String("</b>"), fg);
    out += QLatin1String("</td>");
    out += ListingLineEnd;
    out += QLatin1String("<td width=\"14%\" bgcolor=\"");
    out += bg;
    out += QLatin1String("\">");
    AppendFontText(out, QLatin1String("<b>"), size, QLatin1String("</b>"), fg);
    out += QLatin1String("</td></tr>");
}

QString ListRow(const QString &text, const QString &size, int bg, int fg) {
    QString s;
    s.reserve(text.size() + size.size() + 220);
    AppendListRow(s, text, size, HtmlColor(bg), HtmlColor(fg));
    return s;
}

QString InfoRow(int height, const QString &text, const QString &bg, const QString &fg) {
    return QLatin1String(" <tr><td height=\"") + QString::number(height) +
           QLatin1String("\" bgcolor=\"") + bg + QLatin1String("\">") +
           FontText(QLatin1String("<b>") + text + QLatin1String("</b>"), fg) +
           QLatin1String("</td></tr>") + ListingLineEnd;
}

QString PageHead(const HtmlPageSettingsRecord &h) {
    const QString t = EscapeHtml(h.title);
    const QString align = EscapeHtml(h.align);
    const QLatin1StringView n = ListingLineEnd;
    QString s;
    s += QLatin1String("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
                       "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">") +
         n;
    s += QLatin1String("<html>") + n + QLatin1String("<head>") + n;
    s += QLatin1String("<title>") + t + QLatin1String("</title>") + n;
    s += QLatin1String("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=iso-8859-1\">") +
         n;
    s += QLatin1String("</head>") + n;
    s += QLatin1String("<body bgcolor=\"") + HtmlColor(h.colors[0]) + QLatin1String("\">") + n + n;
    s += TableTag(95, h.sizes[0], h.align, 0, 0) + n;
    s += QLatin1String("<tr>") + n + QLatin1String("<td height=\"15\" bgcolor=\"") +
         HtmlColor(h.colors[2]) + QLatin1String("\">") + n;
    s += QLatin1String("<div align=\"") + align + QLatin1String("\">") + n;
    s += ColorFontTag(QStringLiteral("Tahoma"), 3, h.colors[1]) + QLatin1String("<b>") + t +
         QLatin1String("</b></font>") + n;
    s += QLatin1String("</div>") + n + QLatin1String("</td>") + n + QLatin1String("</tr>") + n +
         QLatin1String("</table>") + n + QLatin1String("<br>") + n;
    return s;
}

QString EscapeHtml(const QString &text) {
    const char16_t *p = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && !NeedsEscape(p[i]))
        ++i;
    if (i == n)
        return text;
    QString out = text.left(i);
    out.reserve(n + 16);
    for (; i < n; ++i) {
        const char16_t c = p[i];
        switch (c) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        default:
            if (!NeedsEscape(c)) {
                out += QChar(c);
            } else if (ForbiddenInXml(c)) {
                AppendReference(out, 0xFFFD);
            } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
                AppendReference(out, QChar::surrogateToUcs4(c, p[i + 1]));
                ++i;
            } else if (QChar::isSurrogate(c)) {
                AppendReference(out, 0xFFFD);
            } else {
                AppendReference(out, c);
            }
        }
    }
    return out;
}

QString ListingDateText(const QDateTime &date) {
    const QDateTime now = date.isValid() ? date : QDateTime::currentDateTime();
    const QLocale locale;
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           now.time().toString(QStringLiteral("hh:mm:ss"));
}
