#include "gui/pagepropertiesdialog.h"

#include "base/dialogseam.h"
#include "base/settings.h"
#include "base/textutil.h"
#include "listing/listingexport.h"
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
constexpr std::array<int, 4> DefaultSizes{1, 1, 0, 0};
constexpr std::array<int, 7> DefaultColors{0x000000, 0xFDF5D5, 0x800000, 0xC0C0C0,
                                           0x000000, 0xC56A31, 0xFFFFFF};

// A size box's text as a border or spacing: a whole number of 0 or more.
std::optional<int> SizeValue(const QString &text)
{
    bool ok = false;
    const int value = TextUtil::Trim(text).toInt(&ok, 10);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}
} // namespace

PagePropertiesDialog::PagePropertiesDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PagePropertiesDialog"));
    setWindowTitle(QStringLiteral("Modify Html Page Properties"));
    if (parent)
        setWindowIcon(parent->windowIcon());

    for (int i = 0; i < 7; ++i) {
        auto *swatch = new QPushButton(this);
        swatch->setObjectName(QStringLiteral("lblColor%1").arg(i));
        swatch->setFixedSize(36, 18);
        swatch->setFlat(true);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setToolTip(QStringLiteral("Click to choose a colour"));
        connect(swatch, &QPushButton::clicked, this, [this, i] { lblColor_Click(i); });
        lblColor[static_cast<size_t>(i)] = swatch;
    }
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->addItems({QStringLiteral("left"), QStringLiteral("center")});
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    for (int i = 0; i < 4; ++i) {
        auto *box = new QComboBox(this);
        box->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        for (int v = 0; v <= 5; ++v)
            box->addItem(QString::number(v));
        box->setMinimumContentsLength(3);
        Combo1[static_cast<size_t>(i)] = box;
    }
    Check1 = new QCheckBox(QStringLiteral("Alternate Cell Colors"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Command3 = new QPushButton(QStringLiteral("Defaults"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command3, &QPushButton::clicked, this, &PagePropertiesDialog::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &PagePropertiesDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PagePropertiesDialog::Command2_Click);

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
    pair(pageGrid, 0, 0, QStringLiteral("Background:"), lblColor[0]);
    pair(pageGrid, 0, 1, QStringLiteral("Align:"), Combo2);

    auto [title, titleGrid] = section(QStringLiteral("Title"));
    titleGrid->addWidget(Text1, 0, 0, 1, 5);
    pair(titleGrid, 1, 0, QStringLiteral("Bg Color:"), lblColor[2]);
    pair(titleGrid, 1, 1, QStringLiteral("Text Color:"), lblColor[1]);
    pair(titleGrid, 2, 0, QStringLiteral("Border Size:"), Combo1[0]);

    auto [table, tableGrid] = section(QStringLiteral("List Table Properties"));
    pair(tableGrid, 0, 0, QStringLiteral("Border Size:"), Combo1[1]);
    pair(tableGrid, 0, 1, QStringLiteral("Cell Padding:"), Combo1[2]);
    pair(tableGrid, 1, 0, QStringLiteral("Cell Spacing:"), Combo1[3]);

    auto [folderCell, folderGrid] = section(QStringLiteral("Folder Cell Properties"));
    pair(folderGrid, 0, 0, QStringLiteral("Background:"), lblColor[3]);
    pair(folderGrid, 0, 1, QStringLiteral("Color:"), lblColor[4]);

    auto [fileCell, fileGrid] = section(QStringLiteral("File Cell Properties"));
    pair(fileGrid, 0, 0, QStringLiteral("Background:"), lblColor[5]);
    pair(fileGrid, 0, 1, QStringLiteral("Color:"), lblColor[6]);
    fileGrid->addWidget(Check1, 1, 0, 1, 5);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command3);
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto *layout = new QVBoxLayout(this);
    for (QGroupBox *box : {page, title, table, folderCell, fileCell})
        layout->addWidget(box);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    // Load.
    const HtmlPageSettingsRecord &h = HtmlPageSettings;
    for (int i = 0; i < 7; ++i)
        SetSwatch(i, h.colors[static_cast<size_t>(i)]);
    for (int i = 0; i < 4; ++i)
        Combo1[static_cast<size_t>(i)]->setEditText(QString::number(h.sizes[static_cast<size_t>(i)]));
    Combo2->setEditText(h.align);
    Text1->setText(h.title);
    Check1->setChecked(h.alternate != 0);
}

void PagePropertiesDialog::SetSwatch(int index, int colour)
{
    m_colors[static_cast<size_t>(index)] = colour;
    lblColor[static_cast<size_t>(index)]->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; }")
            .arg(HtmlColor(colour)));
}

void PagePropertiesDialog::lblColor_Click(int index)
{
    const int chosen = Dialogs().ChooseColor(SwatchColor(index));
    if (chosen != -1)
        SetSwatch(index, chosen);
}

void PagePropertiesDialog::Command3_Click()
{
    for (int i = 0; i < 7; ++i)
        SetSwatch(i, DefaultColors[static_cast<size_t>(i)]);
    for (int i = 0; i < 4; ++i)
        Combo1[static_cast<size_t>(i)]->setEditText(QString::number(DefaultSizes[static_cast<size_t>(i)]));
    Combo2->setEditText(QStringLiteral("center"));
    Check1->setChecked(true);
    const std::optional<QString> name =
        Dialogs().InputBox(QStringLiteral("Please enter your name."), QStringLiteral("Enter Name"),
                           QString());
    Text1->setText(name && !name->isEmpty() ? *name + QLatin1String("'s Media File List")
                                            : QStringLiteral("My Media File List"));
}

void PagePropertiesDialog::Command1_Click()
{
    HtmlPageSettingsRecord &h = HtmlPageSettings;
    h.colors = m_colors;
    for (int i = 0; i < 4; ++i) {
        // A box holding anything but a whole number keeps the size it had.
        if (const auto v = SizeValue(Combo1[static_cast<size_t>(i)]->currentText()))
            h.sizes[static_cast<size_t>(i)] = *v;
    }
    h.align = Combo2->currentText();
    h.title = Text1->text();
    h.alternate = Check1->isChecked() ? 1 : 0;
    SaveSettings();
    accept();
}

void PagePropertiesDialog::Command2_Click()
{
    reject();
}

void PagePropertiesDialog::reject()
{
    ExportCancelled = true;
    QDialog::reject();
}
