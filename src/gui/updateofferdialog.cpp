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
QLabel *Caption(const QString &text)
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QFrame *Rule()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel *Value(const QString &name)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(140);
    return label;
}
} // namespace

UpdateOfferDialog::UpdateOfferDialog(QWidget *owner)
    : QDialog(owner), lblCurrentVersion(Value(QStringLiteral("lblCurrentVersion"))),
      lblVersion(Value(QStringLiteral("lblVersion"))), lblSize(Value(QStringLiteral("lblSize"))),
      lblDate(Value(QStringLiteral("lblDate"))),
      Command1(new QPushButton(QStringLiteral("Download"))),
      Command2(new QPushButton(QStringLiteral("Cancel")))
{
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
    values->addWidget(lblCurrentVersion, 0, 1);
    values->addWidget(Caption(QStringLiteral("Version:")), 1, 0);
    values->addWidget(lblVersion, 1, 1);
    values->addWidget(Caption(QStringLiteral("Size:")), 2, 0);
    values->addWidget(lblSize, 2, 1);
    values->addWidget(Caption(QStringLiteral("Date:")), 3, 0);
    values->addWidget(lblDate, 3, 1);
    values->setColumnStretch(1, 1);

    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

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

    connect(Command1, &QPushButton::clicked, this, &UpdateOfferDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &UpdateOfferDialog::Command2_Click);
}

void UpdateOfferDialog::Fill(const UpdateOffer &offer)
{
    lblCurrentVersion->setText(offer.currentVersion);
    lblVersion->setText(offer.version);
    lblSize->setText(offer.size);
    lblDate->setText(offer.date);
}

bool UpdateOfferDialog::ShowOffer(QWidget *owner, const UpdateOffer &offer)
{
    UpdateOfferDialog window(owner);
    window.Fill(offer);
    return window.exec() == QDialog::Accepted;
}

void UpdateOfferDialog::Command1_Click()
{
    accept();
}

void UpdateOfferDialog::Command2_Click()
{
    reject();
}

void UseForm8(UpdateCheck &check, QWidget *owner)
{
    check.SetOfferWindow(
        [owner](const UpdateOffer &offer) { return UpdateOfferDialog::ShowOffer(owner, offer); });
}
