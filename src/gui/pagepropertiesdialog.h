#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// HTML page properties window: title, alignment, table sizes and colours of the XHTML listing.
class PagePropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PagePropertiesDialog(QWidget *parent = nullptr);

    /** The colour swatch @p index shows (0x00BBGGRR). */
    int SwatchColor(int index) const { return m_colors.at(static_cast<size_t>(index)); }
    /** Lets the user pick the colour of swatch @p index. */
    void lblColor_Click(int index);
    /** Puts the designed look into the window and asks for the user's name for the title. */
    void Command3_Click();
    /** OK: stores the window's values in the settings and the store. */
    void Command1_Click();
    /** Cancel. */
    void Command2_Click();

    /** Closing other than through OK keeps the export dialog open. */
    void reject() override;

    std::array<QPushButton *, 7> lblColor{};
    QComboBox *Combo2 = nullptr;
    QLineEdit *Text1 = nullptr;
    std::array<QComboBox *, 4> Combo1{};
    QCheckBox *Check1 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

private:
    void SetSwatch(int index, int colour);

    std::array<int, 7> m_colors{};
};
