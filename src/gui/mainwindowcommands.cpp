#include "gui/mainwindow.h"

#include "organize/loadcommand.h"
#include "organize/organizelist.h"
#include "gui/organizelistmodel.h"
#include "organize/listactions.h"
#include "organize/organizeengine.h"
#include "gui/tagwindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTreeView>

// The organize list's commands: Load, Organize, the two folder buttons, Edit and Remove,
// the list's events and its pop-up menu. The behaviour lives in the core commands; this
// file only wires the window's controls to them.

namespace {
// The button of a long command, as the core commands toggle it.
class ButtonOf final : public CommandButton
{
public:
    explicit ButtonOf(QPushButton *button) : m_button(button) {}
    QString Caption() const override { return m_button->text(); }
    void SetCaption(const QString &caption) override { m_button->setText(caption); }
    void SetEnabled(bool enabled) override { m_button->setEnabled(enabled); }

private:
    QPushButton *m_button;
};

const QString ListName = QStringLiteral("organizeList");
QPointer<TagWindow> tagWindow;

OrganizeList &ListOf(MainWindow *form)
{
    return *form->findChild<OrganizeList *>(ListName, Qt::FindDirectChildrenOnly);
}

bool Busy(const MainWindow *form)
{
    const QString cancel = QStringLiteral("Cancel");
    return form->cmdLoad->text() == cancel || form->cmdOrganize->text() == cancel;
}

OrganizeListModel *ModelOf(const QTreeView *view)
{
    return static_cast<OrganizeListModel *>(view->model());
}

// The list row selected in the view, or -1.
int ViewSelectedRow(const QTreeView *view)
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.size() == 1 ? ModelOf(view)->ListRow(rows.first().row()) : -1;
}

void ShowPopup(MainWindow *form, const QPoint &pos)
{
    OrganizeList &list = ListOf(form);
    if (QGuiApplication::keyboardModifiers() &
            (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) ||
        !list.HasSelection() || Busy(form))
        return;
    const PopupState state = ListActions::PopupFor(list.Row(list.Selected()));
    form->mnuPlay->setVisible(state.playVisible);
    if (state.playVisible)
        form->mnuPlay->setText(state.playCaption);
    form->mnuViewTag->setVisible(state.viewTagVisible);
    form->mnuErrorDetails->setVisible(state.errorVisible);
    // The separator just above "View Error Details" shows with it.
    const QList<QAction *> actions = form->mnuLv->actions();
    const qsizetype at = actions.indexOf(form->mnuErrorDetails);
    if (at > 0 && actions[at - 1]->isSeparator())
        actions[at - 1]->setVisible(state.errorVisible);
    form->mnuLv->popup(form->lvFiles->viewport()->mapToGlobal(pos));
}

void ViewTag(MainWindow *form)
{
    OrganizeList &list = ListOf(form);
    if (!list.HasSelection())
        return;
    if (!tagWindow)
        tagWindow = new TagWindow(form);
    tagWindow->DisplayMp3Data(ListActions::RowFile(list.Row(list.Selected())));
    tagWindow->show();
    tagWindow->raise();
}
} // namespace

void MainWindow::SetUpList()
{
    auto *list = new OrganizeList(this);
    list->setObjectName(ListName);
    auto *model = new OrganizeListModel(*list, list);
    model->SetEditHandler([list](int row, const QString &text) {
        list->SetSelected(row);
        EditListItem(*list, text);
    });
    lvFiles->setModel(model);
    lvFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    lvFiles->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvFiles->setEditTriggers(QAbstractItemView::SelectedClicked |
                             QAbstractItemView::EditKeyPressed);
    lvFiles->header()->setStretchLastSection(true);
    lvFiles->header()->resizeSection(0, lvFiles->width() / 2);

    connect(lvFiles->selectionModel(), &QItemSelectionModel::selectionChanged, list,
            [this, list] { list->SetSelected(ViewSelectedRow(lvFiles)); });
    connect(list, &OrganizeList::selectionChanged, this, [this](int row) {
        if (ViewSelectedRow(lvFiles) == row)
            return;
        if (row < 0)
            lvFiles->selectionModel()->clearSelection();
        else
            lvFiles->selectionModel()->setCurrentIndex(
                lvFiles->model()->index(ModelOf(lvFiles)->ViewRow(row), 0),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
    connect(lvFiles, &QTreeView::clicked, this, [this, list] {
        const QString line = ListActions::ClickLine(*list);
        if (!line.isEmpty())
            Status(1, line);
    });
    connect(lvFiles, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { ShowPopup(this, pos); });

    connect(mnuRemove, &QAction::triggered, this, &MainWindow::cmdRemove_Click);
    connect(mnuEdit, &QAction::triggered, this, &MainWindow::cmdEdit_Click);
    connect(mnuRename, &QAction::triggered, list, [list] { ListActions::RenameClick(*list); });
    connect(mnuDelete, &QAction::triggered, list,
            [list] { ListActions::DeleteFileClick(*list); });
    connect(mnuPlay, &QAction::triggered, list, [list] { ListActions::PlayClick(*list); });
    connect(mnuViewTag, &QAction::triggered, this, [this] { ViewTag(this); });
    connect(mnuErrorDetails, &QAction::triggered, list,
            [list] { ListActions::ErrorDetailsClick(*list); });
    connect(mnuProperties, &QAction::triggered, list,
            [list] { ListActions::PropertiesClick(*list); });
}

void MainWindow::cmdLoad_Click()
{
    ButtonOf button(cmdLoad);
    if (button.Caption() != QLatin1String("Cancel"))
        CloseRequested = false;
    RunLoad(ListOf(this), *this, button, m_run, txtMediaFolder->text(), txtOutFolder->text(),
            [this](bool visible) { lvFiles->setVisible(visible); });
}

void MainWindow::cmdOrganize_Click()
{
    ButtonOf button(cmdOrganize);
    if (button.Caption() != QLatin1String("Cancel"))
        CloseRequested = false;
    OrganizeClick(ListOf(this), *this, button, txtMediaFolder->text(), txtOutFolder->text());
}

void MainWindow::cmdMediaBrowse_Click()
{
    const BrowseChoice choice = BrowseMediaFolder(txtMediaFolder->text());
    if (choice.folder.isEmpty())
        return;
    txtMediaFolder->setText(choice.folder);
    if (choice.alsoOutFolder)
        txtOutFolder->setText(choice.folder);
    cmdLoad_Click();
}

void MainWindow::cmdOutBrowse_Click()
{
    const BrowseChoice choice = BrowseOutFolder(txtOutFolder->text());
    if (!choice.folder.isEmpty())
        txtOutFolder->setText(choice.folder);
}

void MainWindow::cmdEdit_Click()
{
    ListActions::EditClick(ListOf(this));
}

void MainWindow::cmdRemove_Click()
{
    ListActions::RemoveClick(ListOf(this));
}

bool MainWindow::BusyCancel()
{
    if (!Busy(this))
        return false;
    CancelRequested = true;
    CloseRequested = true;
    return true;
}
