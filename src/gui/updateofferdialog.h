#pragma once

#include "update/updatecheck.h"

#include <QDialog>

class QLabel;
class QPushButton;

// "Update Available" window: shows the offered release and asks whether to download it.
class UpdateOfferDialog : public QDialog
{
    Q_OBJECT

public:
    /** The window takes its icon from @p owner (the main window) when it has one. */
    explicit UpdateOfferDialog(QWidget *owner = nullptr);

    /** Puts the offer's four values beside their captions. */
    void Fill(const UpdateOffer &offer);

    /** Shows the offer modally; true when the user chose "Download". */
    static bool ShowOffer(QWidget *owner, const UpdateOffer &offer);

    QLabel *lblCurrentVersion;
    QLabel *lblVersion;
    QLabel *lblSize;
    QLabel *lblDate;
    QPushButton *Command1; // "Download"
    QPushButton *Command2; // "Cancel"

private:
    void Command1_Click();
    void Command2_Click();
};

/** Makes @p check show its offers in UpdateOfferDialog, owned by @p owner. */
void UseForm8(UpdateCheck &check, QWidget *owner);
