#pragma once

#include <QDateTime>
#include <QString>

struct HtmlPageSettingsRecord;

/** Building blocks of the text and XHTML listings. */

/** The line end of every listing file: CR LF. */
inline constexpr QLatin1StringView ListingLineEnd{"\r\n"};

/** A path as the listing shows it: unchanged, or "/" for an empty path (no drive letters). */
QString PathWithoutDrive(const QString &path);

/** A 0x00BBGGRR colour number as page text "#RRGGBB" in upper case. */
QString HtmlColor(int colour);
/** <font face="{face}" size="{size}" color="{colour}"> */
QString FontTag(const QString &face, int size, const QString &colour);
/** FontTag with a colour number. */
QString ColorFontTag(const QString &face, int size, int colour);
/** Tahoma size 2 around @p text, which must already be page text. */
QString FontText(const QString &text, const QString &colour);
/** A table start tag; @p align "left" leaves the align attribute out. */
QString TableTag(int width, int border, const QString &align, int padding, int spacing);
/**
 * One listing row of two cells: @p text and @p size (both already page text) on colour
 * numbers @p bg and @p fg. The row's two lines are joined by CR LF; no line end follows.
 */
QString ListRow(const QString &text, const QString &size, int bg, int fg);
/** ListRow appended to @p out, with the colours already as page text (long listings). */
void AppendListRow(QString &out, const QString &text, const QString &size, const QString &bg,
                   const QString &fg);
/** One summary row (leading blank, ends with CR LF); @p text must already be page text. */
QString InfoRow(int height, const QString &text, const QString &bg, const QString &fg);
/** The XHTML document head and title table in the look @p page, ending with CR LF. */
QString PageHead(const HtmlPageSettingsRecord &page);

/**
 * Text from the file system or the user made safe for an iso-8859-1 XHTML page: & < > "
 * as entities, characters outside Latin-1 as numeric character references, and control
 * characters that XHTML forbids as the replacement character's reference. Every such text
 * goes through here, so the finished page converts to Latin-1 without loss.
 */
QString EscapeHtml(const QString &text);

/**
 * @p date as the listing shows it: the locale's short date and hh:mm:ss; an invalid @p date
 * stands for the current local time.
 */
QString ListingDateText(const QDateTime &date);
