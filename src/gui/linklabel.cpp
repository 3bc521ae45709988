#include "gui/linklabel.h"

#include <QMouseEvent>

QColor ColorFromBgr(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignCenter);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
}

void LinkLabel::setColors(int textBgr, int backBgr) {
    m_textColor = ColorFromBgr(textBgr);
    m_backColor = ColorFromBgr(backBgr);
    showTextColor(m_textColor);
}

void LinkLabel::showTextColor(const QColor &c) {
    m_shownColor = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, m_backColor);
    p.setColor(QPalette::WindowText, c);
    // A disabled link keeps its colours, only dimmed, so the locked window reads clearly.
    p.setColor(QPalette::Disabled, QPalette::Window, m_backColor);
    p.setColor(QPalette::Disabled, QPalette::WindowText, c.darker(130));
    setPalette(p);
}

void LinkLabel::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && m_pressFeedback)
        showTextColor(QColor(255, 0, 0));
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (m_pressFeedback)
        showTextColor(m_textColor);
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        isEnabled())
        emit clicked();
}
