#pragma once

#include "update/updatecheck.h"

#include <QDialog>

class QLabel;
class QPushButton;

/** "Update Available" window: shows the offered release and asks whether to download it. */
class UpdateOfferDialog : public QDialog {
    Q_OBJECT

  public:
    /** The window takes its icon from @p owner (the main window) when it has one. */
    explicit UpdateOfferDialog(QWidget *owner = nullptr);

    /** Puts the offer's four values beside their captions. */
    void setOffer(const UpdateOffer &offer);

    /** Shows the offer modally; true when the user chose "Download". */
    static bool showOffer(QWidget *owner, const UpdateOffer &offer);

  public slots:
    /** "Download". */
    void acceptOffer();
    /** "Cancel". */
    void declineOffer();

  private:
    QLabel *m_currentVersionLabel;
    QLabel *m_versionLabel;
    QLabel *m_sizeLabel;
    QLabel *m_dateLabel;
    QPushButton *m_downloadButton;
    QPushButton *m_cancelButton;
};
