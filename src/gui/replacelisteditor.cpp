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
class ReplaceThisDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override {
        if (index.column() != 0)
            return nullptr;
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override {
        if (auto *line = qobject_cast<QLineEdit *>(editor); line && line->text().isEmpty())
            return;
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

// The header band: the program's picture on a blue gradient.
QPixmap HeaderPicture(int width, int height) {
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

ReplaceListEditor::ReplaceListEditor(QWidget *owner) : QWidget(owner, Qt::Dialog) {
    setObjectName(QStringLiteral("ReplaceListEditor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Edit Replace With List..."));
    setWindowIcon(QIcon(QStringLiteral(":/images/sortiva.svg")));

    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("banner"));
    m_banner->setPixmap(HeaderPicture(560, 48));
    m_banner->setScaledContents(true);
    m_banner->setFixedHeight(48);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({QStringLiteral("Replace This"), QStringLiteral("With This"),
                             QStringLiteral("Case Sensitive")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_list->setItemDelegate(new ReplaceThisDelegate(m_list));
    m_list->header()->setStretchLastSection(true);
    m_list->header()->setSectionsMovable(false);
    m_list->setColumnWidth(0, 210);
    m_list->setColumnWidth(1, 210);
    m_list->setMinimumHeight(220);

    m_replaceThisEdit = new QLineEdit(this);
    m_replaceThisEdit->setObjectName(QStringLiteral("replaceThisEdit"));
    m_replaceThisEdit->setPlaceholderText(QStringLiteral("Replace This"));
    m_withThisEdit = new QLineEdit(this);
    m_withThisEdit->setObjectName(QStringLiteral("withThisEdit"));
    m_withThisEdit->setPlaceholderText(QStringLiteral("With This"));
    m_caseSensitiveBox = new QCheckBox(QStringLiteral(" Case Sensitive"), this);
    m_caseSensitiveBox->setObjectName(QStringLiteral("caseSensitiveBox"));

    m_clearAllButton = new QPushButton(QStringLiteral("Clear All"), this);
    m_clearAllButton->setObjectName(QStringLiteral("clearAllButton"));
    m_addButton = new QPushButton(QStringLiteral("Add"), this);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_removeButton = new QPushButton(QStringLiteral("Remove"), this);
    m_removeButton->setObjectName(QStringLiteral("removeButton"));
    m_modifyButton = new QPushButton(QStringLiteral("Modify"), this);
    m_modifyButton->setObjectName(QStringLiteral("modifyButton"));
    m_closeButton = new QPushButton(QStringLiteral("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton *b :
         {m_clearAllButton, m_addButton, m_removeButton, m_modifyButton, m_closeButton})
        b->setMinimumWidth(84);

    auto *boxes = new QHBoxLayout;
    boxes->setSpacing(0);
    boxes->addWidget(m_replaceThisEdit);
    boxes->addWidget(m_withThisEdit);
    boxes->addSpacing(8);
    boxes->addWidget(m_caseSensitiveBox);
    boxes->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(m_clearAllButton);
    buttons->addStretch(1);
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_removeButton);
    buttons->addWidget(m_modifyButton);
    buttons->addSpacing(16);
    buttons->addWidget(m_closeButton);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->addWidget(m_list, 1);
    body->addSpacing(4);
    body->addLayout(boxes);
    body->addSpacing(6);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_banner);
    layout->addLayout(body, 1);
    resize(580, 420);

    connect(m_list->header(), &QHeaderView::sectionResized, this,
            [this] { alignBoxesToColumns(); });
    connect(m_list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { showRule(item); });
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *item) { showRule(item); });
    connect(m_list, &QTreeWidget::itemChanged, this, &ReplaceListEditor::replaceThisEdited);
    connect(m_addButton, &QPushButton::clicked, this, &ReplaceListEditor::addRule);
    connect(m_removeButton, &QPushButton::clicked, this, &ReplaceListEditor::removeRule);
    connect(m_modifyButton, &QPushButton::clicked, this, &ReplaceListEditor::modifyRule);
    connect(m_clearAllButton, &QPushButton::clicked, this, &ReplaceListEditor::clearAll);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    alignBoxesToColumns();
    loadRows();
}

void ReplaceListEditor::alignBoxesToColumns() {
    // The text boxes sit under the first two columns, as wide as those columns.
    m_replaceThisEdit->setFixedWidth(m_list->columnWidth(0) + m_list->frameWidth());
    m_withThisEdit->setFixedWidth(m_list->columnWidth(1));
}

void ReplaceListEditor::loadRows() {
    m_filling = true;
    m_list->clear();
    for (const ReplaceRow &row : ReplaceEditor::Rows()) {
        auto *item =
            new QTreeWidgetItem(m_list, {row.replaceThis, row.withThis, row.caseSensitive});
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    m_list->setCurrentItem(nullptr);
    m_list->clearSelection();
    m_filling = false;
}

int ReplaceListEditor::selectedPosition() const {
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return 0;
    return m_list->indexOfTopLevelItem(selected.first()) + 1;
}

void ReplaceListEditor::selectRow(int position) {
    m_filling = true;
    if (QTreeWidgetItem *item = m_list->topLevelItem(position - 1)) {
        m_list->setCurrentItem(item);
        item->setSelected(true);
        m_list->scrollToItem(item);
    }
    m_filling = false;
}

void ReplaceListEditor::showRule(QTreeWidgetItem *item) {
    if (m_filling || !item)
        return;
    m_replaceThisEdit->setText(item->text(0));
    m_withThisEdit->setText(item->text(1));
    m_caseSensitiveBox->setChecked(item->text(2) == QLatin1String("Yes"));
}

void ReplaceListEditor::replaceThisEdited(QTreeWidgetItem *item, int column) {
    if (m_filling || column != 0)
        return;
    const int position = m_list->indexOfTopLevelItem(item) + 1;
    if (!ReplaceEditor::EditReplaceThis(position, item->text(0))) {
        // Refused: the row shows the rule's text again.
        m_filling = true;
        if (const QList<ReplaceRow> rows = ReplaceEditor::Rows();
            position >= 1 && position <= rows.size())
            item->setText(0, rows[position - 1].replaceThis);
        m_filling = false;
    }
}

void ReplaceListEditor::addRule() {
    if (!ReplaceEditor::Add(m_replaceThisEdit->text(), m_withThisEdit->text(),
                            m_caseSensitiveBox->isChecked() ? 1 : 0))
        return;
    m_replaceThisEdit->clear();
    m_withThisEdit->clear();
    loadRows();
}

void ReplaceListEditor::removeRule() {
    const int position = selectedPosition();
    if (position == 0)
        return;
    const int next = ReplaceEditor::Remove(position);
    loadRows();
    if (next > 0)
        selectRow(next);
}

void ReplaceListEditor::modifyRule() {
    const int position = selectedPosition();
    // The text checks come first: they are reported even without a selected row.
    if (!ReplaceEditor::Modify(position, m_replaceThisEdit->text(), m_withThisEdit->text(),
                               m_caseSensitiveBox->isChecked() ? 1 : 0))
        return;
    loadRows();
    selectRow(position);
    m_withThisEdit->clear();
    m_replaceThisEdit->clear();
}

void ReplaceListEditor::clearAll() {
    if (ReplaceEditor::ClearAll())
        loadRows();
}

void ReplaceListEditor::closeEvent(QCloseEvent *event) {
    SaveSettings();
    SettingsStore::Sync();
    event->accept();
}
