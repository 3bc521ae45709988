#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Export dialog "Tabulo Lite": the filter, the folder to list and the output options.
class ExportDialog : public QDialog
{
    Q_OBJECT
public:
    /** The preset filters of Combo1: caption and filter text, in list order. */
    static const QList<QPair<QString, QString>> &Presets();

    explicit ExportDialog(QWidget *parent = nullptr);

    /** Applies the preset at @p index unless it is the one applied last. */
    void Combo1_Click(int index);
    /** The help message. */
    void lblExport_Click();
    /** OK: takes the choices into the settings; asks for the page look when saving HTML. */
    void Command2_Click();
    /** Cancel. */
    void Command1_Click();

    /** Closing other than through OK abandons the export. */
    void reject() override;

    QLabel *Image1 = nullptr;
    QLabel *lblExport = nullptr;
    QLineEdit *txtFileFilter = nullptr;
    QComboBox *Combo1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QCheckBox *chkSaveAsHtml = nullptr;
    QCheckBox *chkNoEmpty = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;

private:
    int m_lastPreset = -1;
};
