#include "gui/dashwarningdialog.h"

#include "options/dashwarning.h"

#include <QCheckBox>
#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

QIcon DashWarningDialog::BadIcon()
{
    // The main window's row icon when the program carries one; the platform's error
    // picture otherwise.
    const QString bad = QStringLiteral(":/images/bad.svg");
    if (QFile::exists(bad))
        return QIcon(bad);
    return QIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical));
}

DashWarningDialog::DashWarningDialog(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("DashWarningDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Warning"));
    setModal(true);
    setWindowIcon(BadIcon());

    Label1[0] = new QLabel(QStringLiteral("Using an option other than the first option (Use "
                                          "First Section) may result in Sortiva not being able "
                                          "to create a proper folder name from the file! "),
                           this);
    Label1[0]->setObjectName(QStringLiteral("Label1_0"));
    Label1[0]->setStyleSheet(QStringLiteral("font-weight: bold;"));
    Label1[1] = new QLabel(QStringLiteral("It is recommended that you use at least no more then "
                                          "option 2 (Use Second Section). If you still wish to "
                                          "use the selected option, you should change back to a "
                                          "lower option if Sortiva has difficulties in creating "
                                          "a proper folder name."),
                           this);
    Label1[1]->setObjectName(QStringLiteral("Label1_1"));
    for (QLabel *l : Label1)
        l->setWordWrap(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(BadIcon().pixmap(32, 32));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    chkShowWarning =
        new QCheckBox(QStringLiteral("Do not show me this warning in the future."), this);
    chkShowWarning->setObjectName(QStringLiteral("chkShowWarning"));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    OKButton->setMinimumWidth(90);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(10);
    texts->addWidget(Label1[0]);
    texts->addWidget(Label1[1]);
    auto *top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(chkShowWarning);
    bottom->addStretch(1);
    bottom->addWidget(OKButton);
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(14);
    layout->addLayout(top);
    layout->addLayout(bottom);
    setFixedWidth(480);

    connect(chkShowWarning, &QCheckBox::clicked, this, &DashWarningDialog::chkShowWarning_MouseUp);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void DashWarningDialog::chkShowWarning_MouseUp()
{
    StoreShowWarn(chkShowWarning->isChecked());
}

void DashWarningDialog::done(int result)
{
    StoreShowWarn(chkShowWarning->isChecked());
    QDialog::done(result);
}
