#include "gui/aboutdialog.h"

#include "base/appinfo.h"
#include "gui/twips.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QVBoxLayout>

namespace {
QPointer<AboutDialog> instance;
}

AboutDialog *AboutDialog::Open(QWidget *owner)
{
    if (!instance)
        instance = new AboutDialog(owner);
    instance->show();
    instance->raise();
    instance->activateWindow();
    return instance;
}

AboutDialog *AboutDialog::Instance()
{
    return instance;
}

AboutDialog::AboutDialog(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About Sortiva Media Organizer"));
    setModal(false);

    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/sortiva.svg"))
                           .scaled(Twips(this, 1200), Twips(this, 1200), Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignTop);

    auto *name = new QLabel(QStringLiteral("Sortiva Media Organizer"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    name->setFont(big);

    lblVersion = new QLabel(QStringLiteral("Version ") + AppVersionString(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    auto *text = new QLabel(
        QStringLiteral("Sorts a folder of loose media files into one folder per artist, "
                       "named from each file's name or its ID3 v1.1 tag.\n\n"
                       "Also exports directory listings as text or XHTML, shows ID3 tags and "
                       "keeps your own \"Replace With\" list of name corrections.\n\n"
                       "Written by the Sortiva developers with Qt. Thanks to everyone who "
                       "reported a misspelt artist."),
        this);
    text->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::close);

    auto *right = new QVBoxLayout;
    right->addWidget(name);
    right->addWidget(lblVersion);
    right->addSpacing(8);
    right->addWidget(text, 1);
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    resize(Twips(this, 6300), Twips(this, 3600));
}

AboutDialog::~AboutDialog() = default;
