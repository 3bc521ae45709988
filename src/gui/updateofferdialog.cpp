#include "gui/updateofferdialog.h"

#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel *Caption(const QString &text) {
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QFrame *Rule() {
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel *Value(const QString &name) {
    auto *label = new QLabel;
    label->setObjectName(name);
    // The values come from the update server: markup in them is shown, never obeyed.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(140);
    return label;
}
} // namespace

UpdateOfferDialog::UpdateOfferDialog(QWidget *owner)
    : QDialog(owner), m_currentVersionLabel(Value(QStringLiteral("currentVersionLabel"))),
      m_versionLabel(Value(QStringLiteral("versionLabel"))),
      m_sizeLabel(Value(QStringLiteral("sizeLabel"))),
      m_dateLabel(Value(QStringLiteral("dateLabel"))),
      m_downloadButton(new QPushButton(QStringLiteral("Download"))),
      m_cancelButton(new QPushButton(QStringLiteral("Cancel"))) {
    setObjectName(QStringLiteral("UpdateOfferDialog"));
    setWindowTitle(QStringLiteral("Update Available"));
    QIcon icon = owner ? owner->windowIcon() : QIcon();
    if (icon.isNull())
        icon = QIcon(QStringLiteral(":/images/sortiva.svg"));
    setWindowIcon(icon);

    auto *picture = new QLabel;
    picture->setPixmap(icon.pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);

    auto *product = new QLabel(QStringLiteral("Sortiva Media Organizer"));
    QFont productFont = product->font();
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.3);
    product->setFont(productFont);

    auto *heading = new QLabel(QStringLiteral("A New Update Is Available!"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);

    auto *titles = new QVBoxLayout;
    titles->addWidget(product);
    titles->addWidget(heading);
    titles->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(8);
    top->addLayout(titles, 1);

    auto *values = new QGridLayout;
    values->setContentsMargins(12, 4, 12, 4);
    values->setHorizontalSpacing(12);
    values->setVerticalSpacing(6);
    values->addWidget(Caption(QStringLiteral("Current Version:")), 0, 0);
    values->addWidget(m_currentVersionLabel, 0, 1);
    values->addWidget(Caption(QStringLiteral("Version:")), 1, 0);
    values->addWidget(m_versionLabel, 1, 1);
    values->addWidget(Caption(QStringLiteral("Size:")), 2, 0);
    values->addWidget(m_sizeLabel, 2, 1);
    values->addWidget(Caption(QStringLiteral("Date:")), 3, 0);
    values->addWidget(m_dateLabel, 3, 1);
    values->setColumnStretch(1, 1);

    m_downloadButton->setObjectName(QStringLiteral("downloadButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_downloadButton->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_downloadButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addWidget(Rule());
    layout->addLayout(values);
    layout->addWidget(Rule());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(380);

    connect(m_downloadButton, &QPushButton::clicked, this, &UpdateOfferDialog::acceptOffer);
    connect(m_cancelButton, &QPushButton::clicked, this, &UpdateOfferDialog::declineOffer);
}

void UpdateOfferDialog::setOffer(const UpdateOffer &offer) {
    m_currentVersionLabel->setText(offer.currentVersion);
    m_versionLabel->setText(offer.version);
    m_sizeLabel->setText(offer.size);
    m_dateLabel->setText(offer.date);
}

bool UpdateOfferDialog::showOffer(QWidget *owner, const UpdateOffer &offer) {
    UpdateOfferDialog window(owner);
    window.setOffer(offer);
    return window.exec() == QDialog::Accepted;
}

void UpdateOfferDialog::acceptOffer() {
    accept();
}

void UpdateOfferDialog::declineOffer() {
    reject();
}
