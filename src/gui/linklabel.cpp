#include "gui/linklabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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
    // Tab reaches the link, a click does not take the focus from the field being typed in.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::setMnemonic(QChar letter) {
    grabShortcut(QKeySequence(QStringLiteral("Alt+") + letter));
}

bool LinkLabel::event(QEvent *event) {
    if (event->type() == QEvent::Shortcut) {
        if (isEnabled()) {
            setFocus(Qt::ShortcutFocusReason);
            emit clicked();
        }
        return true;
    }
    return QLabel::event(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        if (isEnabled())
            emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Drawn in the text colour, so it shows on the link colours and on a plain background.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText));
    pen.setStyle(Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
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
