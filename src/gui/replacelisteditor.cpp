#include "gui/replacelisteditor.h"

#include "base/settings.h"
#include "base/settingsstore.h"
#include "options/replaceeditor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// Only the first column is edited in place, and an edit to empty text is refused.
class ReplaceThisDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        if (index.column() != 0)
            return nullptr;
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        if (auto *line = qobject_cast<QLineEdit *>(editor); line && line->text().isEmpty())
            return;
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

// The header band: the program's picture on a blue gradient.
QPixmap HeaderPicture(int width, int height)
{
    QPixmap pix(width, height);
    QPainter p(&pix);
    QLinearGradient g(0, 0, width, 0);
    g.setColorAt(0, QColor(0x20, 0x40, 0x90));
    g.setColorAt(1, QColor(0x80, 0xa8, 0xe8));
    p.fillRect(pix.rect(), g);
    const int logo = height - 12;
    QIcon(QStringLiteral(":/images/sortiva.svg")).paint(&p, QRect(10, 6, logo, logo));
    QFont f = p.font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(logo + 22, 0, width - logo - 30, height), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Sortiva Media Organizer"));
    return pix;
}
} // namespace

ReplaceListEditor::ReplaceListEditor(QWidget *owner) : QWidget(owner, Qt::Dialog)
{
    setObjectName(QStringLiteral("ReplaceListEditor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Edit Replace With List..."));
    setWindowIcon(QIcon(QStringLiteral(":/images/sortiva.svg")));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(HeaderPicture(560, 48));
    Image1->setScaledContents(true);
    Image1->setFixedHeight(48);

    lv1 = new QTreeWidget(this);
    lv1->setObjectName(QStringLiteral("lv1"));
    lv1->setColumnCount(3);
    lv1->setHeaderLabels({QStringLiteral("Replace This"), QStringLiteral("With This"),
                          QStringLiteral("Case Sensitive")});
    lv1->setRootIsDecorated(false);
    lv1->setUniformRowHeights(true);
    lv1->setAllColumnsShowFocus(true);
    lv1->setSelectionMode(QAbstractItemView::SingleSelection);
    lv1->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    lv1->setItemDelegate(new ReplaceThisDelegate(lv1));
    lv1->header()->setStretchLastSection(true);
    lv1->header()->setSectionsMovable(false);
    lv1->setColumnWidth(0, 210);
    lv1->setColumnWidth(1, 210);
    lv1->setMinimumHeight(220);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setPlaceholderText(QStringLiteral("Replace This"));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setPlaceholderText(QStringLiteral("With This"));
    chkCaseSensitive = new QCheckBox(QStringLiteral(" Case Sensitive"), this);
    chkCaseSensitive->setObjectName(QStringLiteral("chkCaseSensitive"));

    Command5 = new QPushButton(QStringLiteral("Clear All"), this);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command1 = new QPushButton(QStringLiteral("Add"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Remove"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command4 = new QPushButton(QStringLiteral("Modify"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command3 = new QPushButton(QStringLiteral("Close"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    for (QPushButton *b : {Command5, Command1, Command2, Command4, Command3})
        b->setMinimumWidth(84);

    auto *boxes = new QHBoxLayout;
    boxes->setSpacing(0);
    boxes->addWidget(Text1);
    boxes->addWidget(Text2);
    boxes->addSpacing(8);
    boxes->addWidget(chkCaseSensitive);
    boxes->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(Command5);
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command4);
    buttons->addSpacing(16);
    buttons->addWidget(Command3);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->addWidget(lv1, 1);
    body->addSpacing(4);
    body->addLayout(boxes);
    body->addSpacing(6);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Image1);
    layout->addLayout(body, 1);
    resize(580, 420);

    connect(lv1->header(), &QHeaderView::sectionResized, this, [this] { AlignBoxesToColumns(); });
    connect(lv1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { lv1_ItemClick(item); });
    connect(lv1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *item) { lv1_ItemClick(item); });
    connect(lv1, &QTreeWidget::itemChanged, this, &ReplaceListEditor::lv1_AfterLabelEdit);
    connect(Command1, &QPushButton::clicked, this, &ReplaceListEditor::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ReplaceListEditor::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &ReplaceListEditor::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &ReplaceListEditor::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);

    AlignBoxesToColumns();
    LoadRepList();
}

void ReplaceListEditor::AlignBoxesToColumns()
{
    // The text boxes sit under the first two columns, as wide as those columns.
    Text1->setFixedWidth(lv1->columnWidth(0) + lv1->frameWidth());
    Text2->setFixedWidth(lv1->columnWidth(1));
}

void ReplaceListEditor::LoadRepList()
{
    m_filling = true;
    lv1->clear();
    for (const ReplaceRow &row : ReplaceEditor::Rows()) {
        auto *item = new QTreeWidgetItem(lv1, {row.replaceThis, row.withThis, row.caseSensitive});
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    lv1->setCurrentItem(nullptr);
    lv1->clearSelection();
    m_filling = false;
}

int ReplaceListEditor::SelectedPosition() const
{
    const QList<QTreeWidgetItem *> selected = lv1->selectedItems();
    if (selected.isEmpty())
        return 0;
    return lv1->indexOfTopLevelItem(selected.first()) + 1;
}

void ReplaceListEditor::SelectRow(int position)
{
    m_filling = true;
    if (QTreeWidgetItem *item = lv1->topLevelItem(position - 1)) {
        lv1->setCurrentItem(item);
        item->setSelected(true);
        lv1->scrollToItem(item);
    }
    m_filling = false;
}

void ReplaceListEditor::lv1_ItemClick(QTreeWidgetItem *item)
{
    if (m_filling || !item)
        return;
    Text1->setText(item->text(0));
    Text2->setText(item->text(1));
    chkCaseSensitive->setChecked(item->text(2) == QLatin1String("Yes"));
}

void ReplaceListEditor::lv1_AfterLabelEdit(QTreeWidgetItem *item, int column)
{
    if (m_filling || column != 0)
        return;
    const int position = lv1->indexOfTopLevelItem(item) + 1;
    if (!ReplaceEditor::EditReplaceThis(position, item->text(0))) {
        // Refused: the row shows the rule's text again.
        m_filling = true;
        if (const QList<ReplaceRow> rows = ReplaceEditor::Rows(); position >= 1 &&
                                                                   position <= rows.size())
            item->setText(0, rows[position - 1].replaceThis);
        m_filling = false;
    }
}

void ReplaceListEditor::Command1_Click()
{
    if (!ReplaceEditor::Add(Text1->text(), Text2->text(), chkCaseSensitive->isChecked() ? 1 : 0))
        return;
    Text1->clear();
    Text2->clear();
    LoadRepList();
}

void ReplaceListEditor::Command2_Click()
{
    const int position = SelectedPosition();
    if (position == 0)
        return;
    const int next = ReplaceEditor::Remove(position);
    LoadRepList();
    if (next > 0)
        SelectRow(next);
}

void ReplaceListEditor::Command4_Click()
{
    const int position = SelectedPosition();
    // The text checks come first: they are reported even without a selected row.
    if (!ReplaceEditor::Modify(position, Text1->text(), Text2->text(),
                               chkCaseSensitive->isChecked() ? 1 : 0))
        return;
    LoadRepList();
    SelectRow(position);
    Text2->clear();
    Text1->clear();
}

void ReplaceListEditor::Command5_Click()
{
    if (ReplaceEditor::ClearAll())
        LoadRepList();
}

void ReplaceListEditor::closeEvent(QCloseEvent *event)
{
    SaveSettings();
    SettingsStore::Sync();
    event->accept();
}
