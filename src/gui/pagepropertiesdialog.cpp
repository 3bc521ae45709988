#include "gui/pagepropertiesdialog.h"

#include "base/dialogseam.h"
#include "base/settings.h"
#include "base/textutil.h"
#include "listing/listingformat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The look the "Defaults" button restores.
constexpr std::array<int, 4> kDefaultSizes{1, 1, 0, 0};
constexpr std::array<int, 7> kDefaultColors{0x000000, 0xFDF5D5, 0x800000, 0xC0C0C0,
                                            0x000000, 0xC56A31, 0xFFFFFF};

// A size box's text as a border or spacing: a whole number of 0 or more.
std::optional<int> SizeValue(const QString &text) {
    bool ok = false;
    const int value = TextUtil::Trim(text).toInt(&ok, 10);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}
} // namespace

PagePropertiesDialog::PagePropertiesDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PagePropertiesDialog"));
    setWindowTitle(QStringLiteral("Modify Html Page Properties"));
    if (parent)
        setWindowIcon(parent->windowIcon());

    for (int i = 0; i < 7; ++i) {
        auto *swatch = new QPushButton(this);
        swatch->setObjectName(QStringLiteral("colorSwatch%1").arg(i));
        swatch->setFixedSize(36, 18);
        swatch->setFlat(true);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setToolTip(QStringLiteral("Click to choose a colour"));
        connect(swatch, &QPushButton::clicked, this, [this, i] { chooseColor(i); });
        m_colorSwatches[static_cast<size_t>(i)] = swatch;
    }
    m_alignCombo = new QComboBox(this);
    m_alignCombo->setObjectName(QStringLiteral("alignCombo"));
    m_alignCombo->setEditable(true);
    m_alignCombo->setInsertPolicy(QComboBox::NoInsert);
    m_alignCombo->addItems({QStringLiteral("left"), QStringLiteral("center")});
    m_titleEdit = new QLineEdit(this);
    m_titleEdit->setObjectName(QStringLiteral("titleEdit"));
    for (int i = 0; i < 4; ++i) {
        auto *box = new QComboBox(this);
        box->setObjectName(QStringLiteral("sizeCombo%1").arg(i));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        for (int v = 0; v <= 5; ++v)
            box->addItem(QString::number(v));
        box->setMinimumContentsLength(3);
        m_sizeCombos[static_cast<size_t>(i)] = box;
    }
    m_alternateCheck = new QCheckBox(QStringLiteral("Alternate Cell Colors"), this);
    m_alternateCheck->setObjectName(QStringLiteral("alternateCheck"));
    m_defaultsButton = new QPushButton(QStringLiteral("Defaults"), this);
    m_defaultsButton->setObjectName(QStringLiteral("defaultsButton"));
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(m_defaultsButton, &QPushButton::clicked, this, &PagePropertiesDialog::applyDefaults);
    connect(m_okButton, &QPushButton::clicked, this, &PagePropertiesDialog::saveLook);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // Each section is a heading with label/control pairs on a grid of two pairs a row.
    auto section = [this](const QString &title) {
        auto *box = new QGroupBox(title, this);
        auto *grid = new QGridLayout(box);
        grid->setColumnStretch(4, 1);
        // The same label widths in every section line the swatches and boxes up.
        grid->setColumnMinimumWidth(0, 90);
        grid->setColumnMinimumWidth(2, 90);
        grid->setHorizontalSpacing(8);
        return std::make_pair(box, grid);
    };
    auto pair = [this](QGridLayout *grid, int row, int col, const QString &label, QWidget *w) {
        grid->addWidget(new QLabel(label, this), row, col * 2, Qt::AlignRight);
        grid->addWidget(w, row, col * 2 + 1, Qt::AlignLeft);
    };

    auto [page, pageGrid] = section(QStringLiteral("Page"));
    pair(pageGrid, 0, 0, QStringLiteral("Background:"), m_colorSwatches[0]);
    pair(pageGrid, 0, 1, QStringLiteral("Align:"), m_alignCombo);

    auto [title, titleGrid] = section(QStringLiteral("Title"));
    titleGrid->addWidget(m_titleEdit, 0, 0, 1, 5);
    pair(titleGrid, 1, 0, QStringLiteral("Bg Color:"), m_colorSwatches[2]);
    pair(titleGrid, 1, 1, QStringLiteral("Text Color:"), m_colorSwatches[1]);
    pair(titleGrid, 2, 0, QStringLiteral("Border Size:"), m_sizeCombos[0]);

    auto [table, tableGrid] = section(QStringLiteral("List Table Properties"));
    pair(tableGrid, 0, 0, QStringLiteral("Border Size:"), m_sizeCombos[1]);
    pair(tableGrid, 0, 1, QStringLiteral("Cell Padding:"), m_sizeCombos[2]);
    pair(tableGrid, 1, 0, QStringLiteral("Cell Spacing:"), m_sizeCombos[3]);

    auto [folderCell, folderGrid] = section(QStringLiteral("Folder Cell Properties"));
    pair(folderGrid, 0, 0, QStringLiteral("Background:"), m_colorSwatches[3]);
    pair(folderGrid, 0, 1, QStringLiteral("Color:"), m_colorSwatches[4]);

    auto [fileCell, fileGrid] = section(QStringLiteral("File Cell Properties"));
    pair(fileGrid, 0, 0, QStringLiteral("Background:"), m_colorSwatches[5]);
    pair(fileGrid, 0, 1, QStringLiteral("Color:"), m_colorSwatches[6]);
    fileGrid->addWidget(m_alternateCheck, 1, 0, 1, 5);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_defaultsButton);
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    for (QGroupBox *box : {page, title, table, folderCell, fileCell})
        layout->addWidget(box);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    const HtmlPageSettingsRecord &h = HtmlPageSettings;
    for (int i = 0; i < 7; ++i)
        setSwatch(i, h.colors[static_cast<size_t>(i)]);
    for (int i = 0; i < 4; ++i)
        m_sizeCombos[static_cast<size_t>(i)]->setEditText(
            QString::number(h.sizes[static_cast<size_t>(i)]));
    m_alignCombo->setEditText(h.align);
    m_titleEdit->setText(h.title);
    m_alternateCheck->setChecked(h.alternate != 0);
}

void PagePropertiesDialog::setSwatch(int index, int colour) {
    m_colors[static_cast<size_t>(index)] = colour;
    m_colorSwatches[static_cast<size_t>(index)]->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; }")
            .arg(HtmlColor(colour)));
}

void PagePropertiesDialog::chooseColor(int index) {
    const int chosen = Dialogs().ChooseColor(swatchColor(index));
    if (chosen != -1)
        setSwatch(index, chosen);
}

void PagePropertiesDialog::applyDefaults() {
    for (int i = 0; i < 7; ++i)
        setSwatch(i, kDefaultColors[static_cast<size_t>(i)]);
    for (int i = 0; i < 4; ++i)
        m_sizeCombos[static_cast<size_t>(i)]->setEditText(
            QString::number(kDefaultSizes[static_cast<size_t>(i)]));
    m_alignCombo->setEditText(QStringLiteral("center"));
    m_alternateCheck->setChecked(true);
    const std::optional<QString> name = Dialogs().InputBox(
        QStringLiteral("Please enter your name."), QStringLiteral("Enter Name"), QString());
    m_titleEdit->setText(name && !name->isEmpty() ? *name + QLatin1String("'s Media File List")
                                                  : QStringLiteral("My Media File List"));
}

void PagePropertiesDialog::saveLook() {
    HtmlPageSettingsRecord &h = HtmlPageSettings;
    h.colors = m_colors;
    for (int i = 0; i < 4; ++i) {
        // A box holding anything but a whole number keeps the size it had.
        if (const auto v = SizeValue(m_sizeCombos[static_cast<size_t>(i)]->currentText()))
            h.sizes[static_cast<size_t>(i)] = *v;
    }
    h.align = m_alignCombo->currentText();
    h.title = m_titleEdit->text();
    h.alternate = m_alternateCheck->isChecked() ? 1 : 0;
    SaveSettings();
    accept();
}
