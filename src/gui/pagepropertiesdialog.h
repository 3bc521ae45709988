#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

/**
 * The HTML page properties window: title, alignment, table sizes and colours of the XHTML
 * listing. It ends accepted when OK stored the look, rejected when the user abandoned it.
 */
class PagePropertiesDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PagePropertiesDialog(QWidget *parent = nullptr);

    /** The colour swatch @p index shows (0x00BBGGRR), numbered as the page look's colours. */
    int swatchColor(int index) const { return m_colors.at(static_cast<size_t>(index)); }
    /** Lets the user pick the colour of swatch @p index. */
    void chooseColor(int index);
    /** Puts the default look into the window and asks for the user's name for the title. */
    void applyDefaults();
    /** OK: stores the window's values in the page look and the settings store. */
    void saveLook();

  private:
    void setSwatch(int index, int colour);

    std::array<QPushButton *, 7> m_colorSwatches{};
    QComboBox *m_alignCombo = nullptr;
    QLineEdit *m_titleEdit = nullptr;
    /** 0 title border, 1 folder table border, 2 cell padding, 3 cell spacing. */
    std::array<QComboBox *, 4> m_sizeCombos{};
    QCheckBox *m_alternateCheck = nullptr;
    QPushButton *m_defaultsButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;

    std::array<int, 7> m_colors{};
};
