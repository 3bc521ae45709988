#include "gui/exportdialog.h"

#include "base/dialogseam.h"
#include "base/settings.h"
#include "gui/pagepropertiesdialog.h"
#include "listing/listingexport.h"
#include "base/extensionfilter.h"

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

namespace {
QLabel *Heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QPixmap Logo(int side)
{
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

const QList<QPair<QString, QString>> &ExportDialog::Presets()
{
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

ExportDialog::ExportDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ExportDialog"));
    setWindowTitle(QStringLiteral("Tabulo Lite"));
    const QPixmap logo = Logo(48);
    setWindowIcon(QIcon(logo));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(logo);
    lblExport = new QLabel(QStringLiteral("<a href=\"#\">Whats This?</a>"), this);
    lblExport->setObjectName(QStringLiteral("lblExport"));
    lblExport->setTextFormat(Qt::RichText);
    lblExport->setCursor(Qt::PointingHandCursor);
    lblExport->setAlignment(Qt::AlignRight | Qt::AlignTop);
    connect(lblExport, &QLabel::linkActivated, this, [this] { lblExport_Click(); });

    txtFileFilter = new QLineEdit(this);
    txtFileFilter->setObjectName(QStringLiteral("txtFileFilter"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    for (const auto &preset : Presets())
        Combo1->addItem(preset.first);
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("Default"));
    connect(Combo1, &QComboBox::activated, this, &ExportDialog::Combo1_Click);

    Option1 = new QRadioButton(QStringLiteral("Use \"Organize To\" Folder"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("Use \"Source Media\" Folder"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option1->setChecked(true);

    chkSaveAsHtml = new QCheckBox(QStringLiteral("Save As Html"), this);
    chkSaveAsHtml->setObjectName(QStringLiteral("chkSaveAsHtml"));
    chkNoEmpty = new QCheckBox(QStringLiteral("Dont List Empty Folders"), this);
    chkNoEmpty->setObjectName(QStringLiteral("chkNoEmpty"));

    Command2 = new QPushButton(QStringLiteral("OK"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setDefault(true);
    Command1 = new QPushButton(QStringLiteral("Cancel"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command2, &QPushButton::clicked, this, &ExportDialog::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &ExportDialog::Command1_Click);

    auto *top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignLeft | Qt::AlignTop);
    top->addStretch();
    top->addWidget(lblExport, 0, Qt::AlignRight | Qt::AlignTop);

    auto *quick = new QHBoxLayout;
    quick->addWidget(new QLabel(QStringLiteral("Quick Filter Settings:"), this));
    quick->addWidget(Combo1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Heading(QStringLiteral("Search File Filter"), this));
    layout->addWidget(txtFileFilter);
    layout->addLayout(quick);
    layout->addSpacing(6);
    layout->addWidget(Heading(QStringLiteral("Search Folder"), this));
    layout->addWidget(Option1);
    layout->addWidget(Option2);
    layout->addSpacing(6);
    layout->addWidget(Heading(QStringLiteral("Save Options"), this));
    layout->addWidget(chkSaveAsHtml);
    layout->addWidget(chkNoEmpty);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(400);

    // Load.
    ExportCancelled = false;
    m_lastPreset = -1;
    txtFileFilter->setText(PatternsToFilter(Settings.dlistfilter));
    txtFileFilter->setCursorPosition(0); // a long list shows its beginning
    chkSaveAsHtml->setChecked(Settings.saveashtml != 0);
    chkNoEmpty->setChecked(Settings.noempty != 0);
}

void ExportDialog::Combo1_Click(int index)
{
    if (index == m_lastPreset)
        return;
    m_lastPreset = index;
    if (index >= 0 && index < Presets().size())
    {
        txtFileFilter->setText(Presets().at(index).second);
        txtFileFilter->setCursorPosition(0);
    }
}

void ExportDialog::lblExport_Click()
{
    Dialogs().Message(
        QStringLiteral("Tabulo Lite (Tabulon) is a small utility that lets you list all the "
                       "files that are contained in a folder. This is useful if you want to show "
                       "a friend what files you have or you want to display your file list on "
                       "your website. It uses one of the same folder paths that are specified in "
                       "the Organizer window depending on your 'Search Folder' selection."),
        MsgButtons::Ok, MsgIcon::Information);
}

void ExportDialog::Command2_Click()
{
    // Assigned both ways: after a cancelled page look the user may switch back to the
    // "Organize To" folder before pressing OK again.
    UseSourceFolder = Option2->isChecked();
    Settings.saveashtml = chkSaveAsHtml->isChecked() ? 1 : 0;
    Settings.noempty = chkNoEmpty->isChecked() ? 1 : 0;
    Settings.dlistfilter = FilterToPatterns(txtFileFilter->text());
    if (Settings.saveashtml != 0) {
        ExportCancelled = false;
        PagePropertiesDialog properties(this);
        properties.exec();
        if (ExportCancelled) {
            ExportCancelled = false;
            return;
        }
    }
    accept();
}

void ExportDialog::Command1_Click()
{
    reject();
}

void ExportDialog::reject()
{
    ExportCancelled = true;
    QDialog::reject();
}
