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
// The one About window of the program, shared by every owner.
QPointer<AboutDialog> openWindow;
} // namespace

AboutDialog *AboutDialog::openOrRaise(QWidget *owner) {
    if (!openWindow)
        openWindow = new AboutDialog(owner);
    openWindow->show();
    openWindow->raise();
    openWindow->activateWindow();
    return openWindow;
}

AboutDialog *AboutDialog::instance() {
    return openWindow;
}

AboutDialog::AboutDialog(QWidget *owner) : QDialog(owner) {
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

    m_versionLabel = new QLabel(QStringLiteral("Version ") + AppVersionString(), this);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));

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
    right->addWidget(m_versionLabel);
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
