#include "gui/dashwarningdialog.h"

#include "options/dashwarning.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

QIcon DashWarningDialog::badIcon() {
    // The main window's row icon when the program carries one; the platform's error
    // picture otherwise.
    const QString bad = QStringLiteral(":/images/bad.svg");
    if (QFile::exists(bad))
        return QIcon(bad);
    return QIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical));
}

DashWarningDialog::DashWarningDialog(QWidget *owner) : QDialog(owner) {
    setObjectName(QStringLiteral("DashWarningDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Warning"));
    setModal(true);
    setWindowIcon(badIcon());

    m_warningText = new QLabel(QStringLiteral("Using an option other than the first option (Use "
                                              "First Section) may result in Sortiva not being "
                                              "able to create a proper folder name from the "
                                              "file! "),
                               this);
    m_warningText->setObjectName(QStringLiteral("warningText"));
    m_warningText->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_adviceText = new QLabel(QStringLiteral("It is recommended that you use at least no more "
                                             "then option 2 (Use Second Section). If you still "
                                             "wish to use the selected option, you should change "
                                             "back to a lower option if Sortiva has difficulties "
                                             "in creating a proper folder name."),
                              this);
    m_adviceText->setObjectName(QStringLiteral("adviceText"));
    for (QLabel *l : {m_warningText, m_adviceText})
        l->setWordWrap(true);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->setPixmap(badIcon().pixmap(32, 32));
    m_picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    m_dontShowAgainBox =
        new QCheckBox(QStringLiteral("Do not show me this warning in the future."), this);
    m_dontShowAgainBox->setObjectName(QStringLiteral("dontShowAgainBox"));
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_okButton->setMinimumWidth(90);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(10);
    texts->addWidget(m_warningText);
    texts->addWidget(m_adviceText);
    auto *top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_dontShowAgainBox);
    bottom->addStretch(1);
    bottom->addWidget(m_okButton);
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(14);
    layout->addLayout(top);
    layout->addLayout(bottom);
    setFixedWidth(480);

    connect(m_dontShowAgainBox, &QCheckBox::clicked, this, &DashWarningDialog::storeChoice);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void DashWarningDialog::storeChoice() {
    StoreShowWarn(m_dontShowAgainBox->isChecked());
}

void DashWarningDialog::done(int result) {
    storeChoice();
    QDialog::done(result);
}
