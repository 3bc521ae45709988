#pragma once

#include <QColor>
#include <QLabel>

/**
 * A label that acts as a link: hand cursor, a click signal on release inside it, and,
 * when asked for, red text while the mouse button is held. Keyboard users reach it with Tab
 * (a dashed frame shows the focus) and open it with Enter or Space, or with its Alt+letter.
 */
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);
    /** Red text while pressed, the normal colour again on release. */
    void setPressFeedback(bool on) { m_pressFeedback = on; }
    /**
     * Alt+@p letter opens the link. Kept apart from the text, which the update check
     * changes while it runs.
     */
    void setMnemonic(QChar letter);
    /** Text and background colours in 0x00BBGGRR form. */
    void setColors(int textBgr, int backBgr);
    /** The text colour now shown (for tests of the press feedback). */
    QColor textColor() const { return m_shownColor; }

  signals:
    void clicked();

  protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    void showTextColor(const QColor &c);

    bool m_pressFeedback = false;
    QColor m_textColor = Qt::white;
    QColor m_backColor;
    QColor m_shownColor;
};

/** 0x00BBGGRR to a colour. */
QColor ColorFromBgr(int bgr);
