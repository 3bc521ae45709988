#include "gui/mainwindow.h"

#include "base/settings.h"

#include "gui/organizelistmodel.h"
#include "gui/tagwindow.h"
#include "organize/listactions.h"
#include "organize/loadcommand.h"
#include "organize/organizeengine.h"
#include "organize/organizelist.h"
#include "organize/undoorganize.h"
#include "tags/richtag.h"

#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>

// The organize list's commands: Load, Organize, the two folder buttons, Edit and Remove,
// the list's events and its pop-up menu. The behaviour lives in the core commands; this
// file only wires the window's controls to them.

namespace {
// The button of a long command, as the core commands toggle it.
class PushCommandButton final : public CommandButton {
  public:
    explicit PushCommandButton(QPushButton *button) : m_button(button) {}
    QString Caption() const override { return m_button->text(); }
    void SetCaption(const QString &caption) override { m_button->setText(caption); }
    void SetEnabled(bool enabled) override { m_button->setEnabled(enabled); }

  private:
    QPushButton *m_button;
};

OrganizeListModel *ModelOf(const QTreeView *view) {
    return static_cast<OrganizeListModel *>(view->model());
}

// The list row selected in the view, or -1.
int ViewSelectedRow(const QTreeView *view) {
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.size() == 1 ? ModelOf(view)->listRow(rows.first().row()) : -1;
}
} // namespace

void MainWindow::setUpList() {
    OrganizeList *list = new OrganizeList(this);
    // Tests and benchmarks look the rows up by this name.
    list->setObjectName(QStringLiteral("organizeList"));
    m_organizeList = list;
    auto *model = new OrganizeListModel(*list, list);
    model->setEditHandler([list](int row, const QString &text) {
        list->SetSelected(row);
        EditListItem(*list, text);
    });
    m_list->setModel(model);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_list->header()->setStretchLastSection(true);
    m_list->header()->resizeSection(0, m_list->width() / 2);

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, list,
            [this, list] { list->SetSelected(ViewSelectedRow(m_list)); });
    connect(list, &OrganizeList::selectionChanged, this, [this](int row) {
        if (ViewSelectedRow(m_list) == row)
            return;
        if (row < 0)
            m_list->selectionModel()->clearSelection();
        else
            m_list->selectionModel()->setCurrentIndex(
                m_list->model()->index(ModelOf(m_list)->viewRow(row), 0),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
    connect(m_list, &QTreeView::clicked, this, [this, list] {
        const QString line = ListActions::ClickLine(*list, ListActionOptions::FromSettings());
        if (!line.isEmpty())
            Status(1, line);
    });
    connect(m_list, &QWidget::customContextMenuRequested, this, &MainWindow::showListMenu);
    // Shift+F10 opens the menu as the Menu key does, which many keyboards lack; it opens
    // over the selected row.
    auto *menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), m_list);
    menuKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(menuKey, &QShortcut::activated, this, [this] {
        const QRect row = m_list->visualRect(m_list->currentIndex());
        popUpListMenu(row.isValid() ? row.center() : QPoint(0, 0));
    });

    connect(m_removeAction, &QAction::triggered, this, &MainWindow::removeRow);
    connect(m_editAction, &QAction::triggered, this, &MainWindow::editRow);
    connect(m_renameAction, &QAction::triggered, list,
            [list] { ListActions::RenameRowFile(*list, ListActionOptions::FromSettings()); });
    connect(m_deleteAction, &QAction::triggered, this, [this, list] {
        const int before = list->Count();
        ListActions::DeleteRowFile(*list, ListActionOptions::FromSettings());
        showRemoval(before);
    });
    connect(m_playAction, &QAction::triggered, list,
            [list] { ListActions::OpenRowFile(*list, ListActionOptions::FromSettings()); });
    connect(m_viewTagAction, &QAction::triggered, this, &MainWindow::viewTag);
    connect(m_errorDetailsAction, &QAction::triggered, list,
            [list] { ListActions::ShowErrorDetails(*list); });
    connect(m_propertiesAction, &QAction::triggered, list,
            [list] { ListActions::ShowRowProperties(*list, ListActionOptions::FromSettings()); });
    connect(m_undoAction, &QAction::triggered, this, &MainWindow::undoLastOrganize);
}

void MainWindow::showListMenu(const QPoint &pos) {
    if (QGuiApplication::keyboardModifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return;
    popUpListMenu(pos);
}

void MainWindow::popUpListMenu(const QPoint &pos) {
    OrganizeList &list = *m_organizeList;
    if (m_busy)
        return;
    // Without a selected row the menu holds only what concerns the whole list.
    const bool row = list.HasSelection();
    for (QAction *action : m_listMenu->actions())
        if (action != m_undoAction)
            action->setVisible(row);
    if (!row) {
        m_listMenu->popup(m_list->viewport()->mapToGlobal(pos));
        return;
    }
    const PopupState state = ListActions::PopupFor(list.Row(list.Selected()));
    m_playAction->setVisible(state.playVisible);
    if (state.playVisible)
        m_playAction->setText(state.playCaption);
    // With all tags on, every format with a richer tag has one to show.
    m_viewTagAction->setVisible(
        state.viewTagVisible ||
        (Settings.alltags != 0 && ReadsRichTag(list.Row(list.Selected()).relativePath)));
    m_errorDetailsAction->setVisible(state.errorVisible);
    // The separator just above "View Error Details" shows with it.
    const QList<QAction *> actions = m_listMenu->actions();
    const qsizetype at = actions.indexOf(m_errorDetailsAction);
    if (at > 0 && actions[at - 1]->isSeparator())
        actions[at - 1]->setVisible(state.errorVisible);
    m_listMenu->popup(m_list->viewport()->mapToGlobal(pos));
}

void MainWindow::viewTag() {
    OrganizeList &list = *m_organizeList;
    if (!list.HasSelection())
        return;
    if (!m_tagWindow)
        m_tagWindow = new TagWindow(this);
    m_tagWindow->showFile(
        ListActions::RowFile(list.Row(list.Selected()), ListActionOptions::FromSettings()));
    m_tagWindow->show();
    m_tagWindow->raise();
}

void MainWindow::cancelRun() {
    Status(1, QStringLiteral("Please wait... Cancelling"));
    m_run.RequestCancel();
}

void MainWindow::load() {
    if (m_busy) {
        cancelRun();
        return;
    }
    m_busy = true;
    PushCommandButton button(m_loadButton);
    RunLoad(*m_organizeList, *this, button, m_run, m_sourceFolderEdit->text(),
            m_outFolderEdit->text(), [this](bool visible) { m_list->setVisible(visible); });
    m_busy = false;
}

void MainWindow::organize() {
    if (m_busy) {
        cancelRun();
        return;
    }
    m_busy = true;
    PushCommandButton button(m_organizeButton);
    RunOrganize(*m_organizeList, *this, button, m_run, m_sourceFolderEdit->text(),
                m_outFolderEdit->text());
    m_busy = false;
}

void MainWindow::undoLastOrganize() {
    if (m_busy)
        return;
    m_busy = true;
    // Organize's button is the undo's Cancel button: undo takes back what it did.
    PushCommandButton button(m_organizeButton);
    RunUndo(*this, button, m_run);
    m_busy = false;
}

void MainWindow::browseSourceFolder() {
    const BrowseChoice choice = BrowseMediaFolder(m_sourceFolderEdit->text());
    if (choice.folder.isEmpty())
        return;
    setSourceFolder(choice.folder);
    if (choice.alsoOutFolder)
        setOutFolder(choice.folder);
    load();
}

void MainWindow::browseOutFolder() {
    const BrowseChoice choice = BrowseOutFolder(m_outFolderEdit->text());
    if (!choice.folder.isEmpty())
        setOutFolder(choice.folder);
}

void MainWindow::editRow() {
    ListActions::EditRowFolder(*m_organizeList);
}

void MainWindow::removeRow() {
    const int before = m_organizeList->Count();
    ListActions::RemoveRow(*m_organizeList, ListActionOptions::FromSettings());
    showRemoval(before);
}

void MainWindow::showRemoval(int countBefore) {
    if (m_organizeList->Count() == countBefore)
        return;
    // The count follows the list, and the line about the removed row goes with it.
    m_countPanel->setText(QString::number(m_organizeList->Count()) + QStringLiteral(" Files"));
    m_activityPanel->clear();
}
