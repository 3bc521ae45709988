#include "gui/tagwindow.h"

#include "base/dialogseam.h"
#include "tags/tagwindowlines.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

TagWindow::TagWindow(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("MP3 ID3 Tag Properties"));
    if (owner)
        setWindowIcon(owner->window()->windowIcon());

    Label1 = new QLabel(QStringLiteral("MP3 ID3 Tag Properties"), this);
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    Label1->setFont(heading);
    Image1 = new QLabel(this);
    Image1->setPixmap(windowIcon().pixmap(32, 32));
    Label2 = new QLabel(QStringLiteral("Location:"), this);
    Text1 = new QLineEdit(this);
    Text1->setReadOnly(true);
    Label3 = new QLabel(this);
    Label4 = new QLabel(this);
    Label5 = new QLabel(this);
    TabStrip1 = new QTabBar(this);
    TabStrip1->addTab(QStringLiteral("ID3  v1.1"));
    Frame1 = new QGroupBox(QStringLiteral("Available MP3 ID3 v1.1 Information"), this);
    List1 = new QListWidget(Frame1);
    Frame1b = new QGroupBox(QStringLiteral("MP3 Tag IDv3 Information"), this);
    List2 = new QListWidget(Frame1b);
    Frame1b->hide();
    Label6 = new QLabel(QStringLiteral("Note: Click an item to copy its value to the clipboard."),
                        this);
    Command1 = new QPushButton(QStringLiteral("Close"), this);

    Label1->setObjectName(QStringLiteral("Label1"));
    Text1->setObjectName(QStringLiteral("Text1"));
    List1->setObjectName(QStringLiteral("List1"));
    Command1->setObjectName(QStringLiteral("Command1"));

    auto *top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addWidget(Label1, 1);
    auto *location = new QHBoxLayout;
    location->addWidget(Label2);
    location->addWidget(Text1, 1);
    auto *frame1 = new QVBoxLayout(Frame1);
    frame1->addWidget(List1);
    auto *frame2 = new QVBoxLayout(Frame1b);
    frame2->addWidget(List2);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Label6, 1);
    bottom->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(location);
    layout->addWidget(Label3);
    layout->addWidget(Label4);
    layout->addWidget(Label5);
    layout->addWidget(TabStrip1);
    layout->addWidget(Frame1, 1);
    layout->addWidget(Frame1b, 1);
    layout->addLayout(bottom);
    resize(420, 420);

    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    List1->viewport()->installEventFilter(this);
}

void TagWindow::DisplayMp3Data(const QString &path)
{
    const TagDisplay d = BuildTagDisplay(path);
    Label3->setText(d.fileNameLine);
    Label4->setText(d.sizeLine);
    Label5->clear();
    Text1->setText(d.location);
    List1->addItems(d.lines);
}

bool TagWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == List1->viewport() && event->type() == QEvent::MouseButtonRelease)
        List1_MouseUp();
    return QWidget::eventFilter(watched, event);
}

void TagWindow::List1_MouseUp()
{
    const QListWidgetItem *item = List1->currentItem();
    if (!item)
        return;
    const QString value = TagLineValue(item->text());
    if (!item->text().contains(QLatin1Char(':')))
        return;
    Dialogs().SetClipboardText(value);
}
