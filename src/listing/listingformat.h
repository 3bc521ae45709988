#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>

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
/** One summary row (leading blank, ends with CR LF); @p text must already be page text. */
QString InfoRow(int height, const QString &text, const QString &bg, const QString &fg);
/** The XHTML document head and title table from HtmlPageSettings, ending with CR LF. */
QString PageHead();

/** Text from the file system or the user made safe for XHTML: & < > " as entities. */
QString EscapeHtml(const QString &text);
/**
 * A page as iso-8859-1 bytes: characters outside Latin-1 become numeric character
 * references, control characters that XHTML forbids the replacement character's reference.
 */
QByteArray EncodeLatin1WithReferences(const QString &page);

/** Where the listing's date comes from; tests install a fixed one. */
using ListingClock = std::function<QDateTime()>;
/** Installs @p clock; an empty one restores the current local time. */
void SetListingClock(ListingClock clock);
/** The listing's date and time in the locale's short date and hh:mm:ss. */
QString ListingDateText();
