#pragma once

#include <QWidget>

/**
 * Window geometry is laid out in twips, 1440 to the logical inch; this turns them into
 * pixels for the screen the widget is on (15 twips a pixel at 96 DPI).
 */
inline int Twips(const QWidget *w, int twips) {
    const int dpi = w ? w->logicalDpiX() : 96;
    return (twips * dpi + 720) / 1440;
}

/** Pixels back to twips. */
inline int ToTwips(const QWidget *w, int pixels) {
    const int dpi = w ? w->logicalDpiX() : 96;
    return dpi > 0 ? (pixels * 1440 + dpi / 2) / dpi : pixels * 15;
}

/** Places @p child at a rectangle given in twips inside its parent. */
inline void PlaceTwips(QWidget *child, int left, int top, int width, int height) {
    const QWidget *ref = child->parentWidget() ? child->parentWidget() : child;
    child->setGeometry(Twips(ref, left), Twips(ref, top), Twips(ref, width), Twips(ref, height));
}
