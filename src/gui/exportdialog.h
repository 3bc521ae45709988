#pragma once

#include "listing/listingexport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

/**
 * The export dialog "Tabulo Lite": the filter, the folder to list and the output options.
 * It ends accepted when the user confirmed the export, rejected when the user abandoned it.
 */
class ExportDialog : public QDialog {
    Q_OBJECT
  public:
    /** The quick filter presets: caption and filter text, in list order. */
    static const QList<QPair<QString, QString>> &Presets();

    explicit ExportDialog(QWidget *parent = nullptr);

    /** The folder chosen at the last OK; the "Organize To" folder before any OK. */
    ListedFolder listedFolder() const { return m_listedFolder; }

    /** Puts the filter of the preset at @p index into the filter box unless it was the last. */
    void applyPreset(int index);
    /** Explains what the dialog is for. */
    void showHelp();
    /**
     * OK: takes the choices into the options; when saving HTML asks for the page look first
     * and stays open if that is abandoned.
     */
    void confirm();

  private:
    QLineEdit *m_filterEdit = nullptr;
    QComboBox *m_presetCombo = nullptr;
    QRadioButton *m_organizeToRadio = nullptr;
    QRadioButton *m_sourceMediaRadio = nullptr;
    QCheckBox *m_saveAsHtmlCheck = nullptr;
    QCheckBox *m_noEmptyCheck = nullptr;
    QPushButton *m_exportButton = nullptr;
    QPushButton *m_cancelButton = nullptr;

    int m_lastPreset = -1;
    ListedFolder m_listedFolder = ListedFolder::OrganizeTo;
};
