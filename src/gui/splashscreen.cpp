#include "gui/splashscreen.h"

#include "base/appinfo.h"
#include "gui/twips.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

SplashScreen::SplashScreen(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashScreen"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xF4, 0xF6, 0xFB));
    setPalette(p);
    setStyleSheet(QStringLiteral("#SplashScreen { border: 2px solid #3060c0; }"));

    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/logo.svg"))
                           .scaled(Twips(this, 5400), Twips(this, 1890), Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignCenter);

    auto *name = new QLabel(QStringLiteral("Sortiva Media Organizer"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);

    auto *slogan = new QLabel(QStringLiteral("Now Simpler, More Powerful !"), this);
    QFont italic = slogan->font();
    italic.setItalic(true);
    italic.setPointSizeF(italic.pointSizeF() * 1.2);
    slogan->setFont(italic);
    slogan->setAlignment(Qt::AlignCenter);

    m_versionLabel = new QLabel(this);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    m_versionLabel->setAlignment(Qt::AlignRight);
    m_versionLabel->setText(AppVersionString());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 12);
    layout->addWidget(picture);
    layout->addWidget(name);
    layout->addWidget(slogan);
    layout->addSpacing(12);
    layout->addWidget(m_versionLabel);
    setFixedSize(Twips(this, 6600), Twips(this, 4200));
}
