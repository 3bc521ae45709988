#include "gui/exportdialog.h"

#include "base/dialogseam.h"
#include "base/extensionfilter.h"
#include "base/settings.h"
#include "gui/pagepropertiesdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QLabel *Heading(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QPixmap Logo(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/images/sortiva.svg"));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    return pixmap;
}
} // namespace

const QList<QPair<QString, QString>> &ExportDialog::Presets() {
    static const QList<QPair<QString, QString>> presets = {
        {QStringLiteral("All"), QStringLiteral("*")},
        {QStringLiteral("Default"),
         QStringLiteral("asf,avi,mp3,mp4,mid,mpeg,mpg,mov,ogg,vob,rm,wma,wav,wmi,wmv")},
        {QStringLiteral("Music"), QStringLiteral("mp3,mp4,mid,ogg,vob,wma,wav")},
        {QStringLiteral("Movies"), QStringLiteral("asf,avi,mpeg,mpg,mov,rm,wmv")},
        {QStringLiteral("Pictures"),
         QStringLiteral("gif,jpg,jpeg,jpe,jfif,jif,png,bmp,tiff,tif,rle,tga,msp,img,emf,wmf,wmi")},
        {QStringLiteral("Documents"),
         QStringLiteral("doc,txt,xml,dhtml,html,htm,css,rtf,pdf,js,hlp,chm,nfo,diz")},
        {QStringLiteral("Applications"), QStringLiteral("exe,scr,zip,ace,rar,arc,cab,vbs,tar,gz")},
        {QStringLiteral("Programming"), QStringLiteral("bas,cls,ctl,frm,c,cpp,h,pas")},
        {QStringLiteral("Miscellaneous"), QStringLiteral("torrent,ini,dat")},
        {QStringLiteral("Music And Movies"),
         QStringLiteral("mp3,mp4,mid,ogg,vob,wma,wav,asf,avi,mpeg,mpg,mov,rm,wmv")},
        {QStringLiteral("Movies And Pictures"),
         QStringLiteral("asf,avi,mpeg,mpg,mov,rm,wmv,gif,jpg,jpeg,jpe,jfif,jif,png,bmp,tiff,tif,"
                        "rle,tga,msp,img,emf,wmf,wmi")},
        {QStringLiteral("Music And Pictures"),
         QStringLiteral("mp3,mp4,mid,ogg,vob,wma,wav,gif,jpg,jpeg,jpe,jfif,jif,png,bmp,tiff,tif,"
                        "rle,tga,msp,img,emf,wmf,wmi")},
        {QStringLiteral("Music, Movies And Pictures"),
         QStringLiteral("mp3,mp4,mid,ogg,vob,wma,wav,asf,avi,mpeg,mpg,mov,rm,wmv,gif,jpg,jpeg,jpe,"
                        "jfif,jif,png,bmp,tiff,tif,rle,tga,msp,img,emf,wmf,wmi")},
    };
    return presets;
}

ExportDialog::ExportDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ExportDialog"));
    setWindowTitle(QStringLiteral("Tabulo Lite"));
    const QPixmap logo = Logo(48);
    setWindowIcon(QIcon(logo));

    auto *logoLabel = new QLabel(this);
    logoLabel->setObjectName(QStringLiteral("logoLabel"));
    logoLabel->setPixmap(logo);
    auto *helpLink = new QLabel(QStringLiteral("<a href=\"#\">Whats This?</a>"), this);
    helpLink->setObjectName(QStringLiteral("helpLink"));
    helpLink->setTextFormat(Qt::RichText);
    // Tab reaches the link and Enter opens it, as a click does.
    helpLink->setTextInteractionFlags(Qt::TextBrowserInteraction);
    helpLink->setCursor(Qt::PointingHandCursor);
    helpLink->setAlignment(Qt::AlignRight | Qt::AlignTop);
    connect(helpLink, &QLabel::linkActivated, this, [this] { showHelp(); });

    m_filterEdit = new QLineEdit(this);
    m_filterEdit->setObjectName(QStringLiteral("filterEdit"));
    m_presetCombo = new QComboBox(this);
    m_presetCombo->setObjectName(QStringLiteral("presetCombo"));
    m_presetCombo->setEditable(true);
    m_presetCombo->setInsertPolicy(QComboBox::NoInsert);
    for (const auto &preset : Presets())
        m_presetCombo->addItem(preset.first);
    m_presetCombo->setCurrentIndex(-1);
    m_presetCombo->setEditText(QStringLiteral("Default"));
    connect(m_presetCombo, &QComboBox::activated, this, &ExportDialog::applyPreset);

    m_organizeToRadio = new QRadioButton(QStringLiteral("Use \"Organize To\" Folder"), this);
    m_organizeToRadio->setObjectName(QStringLiteral("organizeToRadio"));
    m_sourceMediaRadio = new QRadioButton(QStringLiteral("Use \"Source Media\" Folder"), this);
    m_sourceMediaRadio->setObjectName(QStringLiteral("sourceMediaRadio"));
    m_organizeToRadio->setChecked(true);

    m_saveAsHtmlCheck = new QCheckBox(QStringLiteral("Save As Html"), this);
    m_saveAsHtmlCheck->setObjectName(QStringLiteral("saveAsHtmlCheck"));
    m_noEmptyCheck = new QCheckBox(QStringLiteral("Dont List Empty Folders"), this);
    m_noEmptyCheck->setObjectName(QStringLiteral("noEmptyCheck"));

    m_exportButton = new QPushButton(QStringLiteral("OK"), this);
    m_exportButton->setObjectName(QStringLiteral("exportButton"));
    m_exportButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(m_exportButton, &QPushButton::clicked, this, &ExportDialog::confirm);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(logoLabel, 0, Qt::AlignLeft | Qt::AlignTop);
    top->addStretch();
    top->addWidget(helpLink, 0, Qt::AlignRight | Qt::AlignTop);

    auto *quick = new QHBoxLayout;
    quick->addWidget(new QLabel(QStringLiteral("Quick Filter Settings:"), this));
    quick->addWidget(m_presetCombo, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_exportButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Heading(QStringLiteral("Search File Filter"), this));
    layout->addWidget(m_filterEdit);
    layout->addLayout(quick);
    layout->addSpacing(6);
    layout->addWidget(Heading(QStringLiteral("Search Folder"), this));
    layout->addWidget(m_organizeToRadio);
    layout->addWidget(m_sourceMediaRadio);
    layout->addSpacing(6);
    layout->addWidget(Heading(QStringLiteral("Save Options"), this));
    layout->addWidget(m_saveAsHtmlCheck);
    layout->addWidget(m_noEmptyCheck);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(400);
    // The field is wide enough for the default filter, the list most people keep: the text
    // box's frame and margins come on top of the text itself.
    for (const auto &preset : Presets())
        if (preset.first == QLatin1String("Default")) {
            const int text = m_filterEdit->fontMetrics().horizontalAdvance(preset.second);
            const int chrome = m_filterEdit->sizeHint().width() -
                               m_filterEdit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 17;
            m_filterEdit->setMinimumWidth(text + std::max(chrome, 12) + 2); // + the cursor
        }

    m_filterEdit->setText(PatternsToFilter(Settings.dlistfilter));
    m_filterEdit->setCursorPosition(0); // a long list shows its beginning
    m_saveAsHtmlCheck->setChecked(Settings.saveashtml != 0);
    m_noEmptyCheck->setChecked(Settings.noempty != 0);
}

void ExportDialog::applyPreset(int index) {
    if (index == m_lastPreset)
        return;
    m_lastPreset = index;
    if (index >= 0 && index < Presets().size()) {
        m_filterEdit->setText(Presets().at(index).second);
        m_filterEdit->setCursorPosition(0);
    }
}

void ExportDialog::showHelp() {
    Dialogs().Message(
        QStringLiteral("Tabulo Lite (Tabulon) is a small utility that lets you list all the "
                       "files that are contained in a folder. This is useful if you want to show "
                       "a friend what files you have or you want to display your file list on "
                       "your website. It uses one of the same folder paths that are specified in "
                       "the Organizer window depending on your 'Search Folder' selection."),
        MsgButtons::Ok, MsgIcon::Information);
}

void ExportDialog::confirm() {
    // Taken at every OK: after an abandoned page look the user may switch back to the
    // "Organize To" folder before pressing OK again.
    m_listedFolder =
        m_sourceMediaRadio->isChecked() ? ListedFolder::SourceMedia : ListedFolder::OrganizeTo;
    Settings.saveashtml = m_saveAsHtmlCheck->isChecked() ? 1 : 0;
    Settings.noempty = m_noEmptyCheck->isChecked() ? 1 : 0;
    Settings.dlistfilter = FilterToPatterns(m_filterEdit->text());
    if (Settings.saveashtml != 0) {
        PagePropertiesDialog properties(this);
        if (properties.exec() != QDialog::Accepted)
            return;
    }
    accept();
}
