#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;

// Tag properties window: the ID3 v1.1 tag of one MP3 file as lines; a click copies a value.
class TagWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TagWindow(QWidget *owner = nullptr);

    /** Shows the file's name, size and location and appends its tag lines to the list. */
    void DisplayMp3Data(const QString &path);

    QLabel *Label1;
    QLabel *Image1;
    QLabel *Label2;
    QLineEdit *Text1;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QTabBar *TabStrip1;
    QGroupBox *Frame1;
    QListWidget *List1;
    QGroupBox *Frame1b;
    QListWidget *List2;
    QLabel *Label6;
    QPushButton *Command1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void List1_MouseUp();
};
