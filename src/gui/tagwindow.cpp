#include "gui/tagwindow.h"

#include "base/dialogseam.h"
#include "base/settings.h"
#include "tags/tagdisplay.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

TagWindow::TagWindow(QWidget *owner) : QWidget(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("MP3 ID3 Tag Properties"));
    if (owner)
        setWindowIcon(owner->window()->windowIcon());

    auto *heading = new QLabel(QStringLiteral("MP3 ID3 Tag Properties"), this);
    heading->setObjectName(QStringLiteral("headingLabel"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    icon->setPixmap(windowIcon().pixmap(32, 32));
    auto *locationCaption = new QLabel(QStringLiteral("Location:"), this);
    m_locationEdit = new QLineEdit(this);
    m_locationEdit->setObjectName(QStringLiteral("locationEdit"));
    m_locationEdit->setReadOnly(true);
    m_fileNameLabel = new QLabel(this);
    m_fileNameLabel->setObjectName(QStringLiteral("fileNameLabel"));
    m_fileSizeLabel = new QLabel(this);
    m_fileSizeLabel->setObjectName(QStringLiteral("fileSizeLabel"));
    m_detailLabel = new QLabel(this);
    m_detailLabel->setObjectName(QStringLiteral("detailLabel"));
    auto *versionTabs = new QTabBar(this);
    versionTabs->addTab(QStringLiteral("ID3  v1.1"));
    auto *id3v1Box = new QGroupBox(QStringLiteral("Available MP3 ID3 v1.1 Information"), this);
    m_tagList = new QListWidget(id3v1Box);
    m_tagList->setObjectName(QStringLiteral("tagList"));
    // A place for ID3 v2 information, never filled.
    auto *id3v2Box = new QGroupBox(QStringLiteral("MP3 Tag IDv3 Information"), this);
    auto *id3v2List = new QListWidget(id3v2Box);
    id3v2Box->hide();
    auto *note =
        new QLabel(QStringLiteral("Note: Click an item to copy its value to the clipboard."), this);
    auto *closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(heading, 1);
    auto *location = new QHBoxLayout;
    location->addWidget(locationCaption);
    location->addWidget(m_locationEdit, 1);
    auto *id3v1Layout = new QVBoxLayout(id3v1Box);
    id3v1Layout->addWidget(m_tagList);
    auto *id3v2Layout = new QVBoxLayout(id3v2Box);
    id3v2Layout->addWidget(id3v2List);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(note, 1);
    bottom->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(location);
    layout->addWidget(m_fileNameLabel);
    layout->addWidget(m_fileSizeLabel);
    layout->addWidget(m_detailLabel);
    layout->addWidget(versionTabs);
    layout->addWidget(id3v1Box, 1);
    layout->addWidget(id3v2Box, 1);
    layout->addLayout(bottom);
    resize(420, 420);

    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    m_tagList->viewport()->installEventFilter(this);
}

void TagWindow::showFile(const QString &path) {
    const TagDisplay d = BuildTagDisplay(path, Settings.alltags != 0);
    m_fileNameLabel->setText(d.fileNameLine);
    m_fileSizeLabel->setText(d.sizeLine);
    m_detailLabel->clear();
    m_locationEdit->setText(d.location);
    m_tagList->addItems(d.lines);
}

bool TagWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_tagList->viewport() && event->type() == QEvent::MouseButtonRelease)
        copySelectedValue();
    return QWidget::eventFilter(watched, event);
}

void TagWindow::copySelectedValue() {
    const QListWidgetItem *item = m_tagList->currentItem();
    if (!item)
        return;
    const QString value = TagLineValue(item->text());
    if (!item->text().contains(QLatin1Char(':')))
        return;
    Dialogs().SetClipboardText(value);
}
