#include "gui/aboutdialog.h"

#include "base/appinfo.h"
#include "gui/twips.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <algorithm>

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

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->setFixedSize(Twips(this, 1200), Twips(this, 1200));
    m_picture->setAlignment(Qt::AlignTop);
    drawPicture();

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
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    // Wide as designed, and as tall as the wrapped text needs at that width, so the credits
    // are never cut off whatever the font.
    const int width = std::max(Twips(this, 6300), layout->totalMinimumSize().width());
    const int height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(width)
                                                   : layout->totalSizeHint().height();
    resize(width, std::max(height, layout->totalMinimumSize().height()));
}

void AboutDialog::drawPicture() {
    // Drawn from the SVG at the screen's pixel ratio: a scaled bitmap blurs on dense screens.
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(m_picture->size() * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/images/sortiva.svg"));
    QPainter painter(&pixmap);
    const QSizeF logo = renderer.defaultSize().scaled(pixmap.size(), Qt::KeepAspectRatio);
    renderer.render(&painter, QRectF(QPointF(0, 0), logo));
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    m_picture->setPixmap(pixmap);
}

void AboutDialog::showEvent(QShowEvent *event) {
    // The screen, and so its pixel ratio, is known for certain once the window is shown.
    if (m_picture->pixmap().devicePixelRatio() != devicePixelRatioF())
        drawPicture();
    QDialog::showEvent(event);
}

AboutDialog::~AboutDialog() = default;
