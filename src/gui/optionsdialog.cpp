#include "gui/optionsdialog.h"

#include "base/dialogseam.h"
#include "base/settings.h"
#include "base/settingsstore.h"
#include "options/fieldlists.h"
#include "gui/replacelisteditor.h"
#include "gui/dashwarningdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QPointer<OptionsDialog> instance;

const QString HelpFolderFromTag = QStringLiteral(
    "If Sortiva fails to retrieve a proper folder name from the MP3 ID3 v 1.1 Tag, it will try "
    "the default method. You may want to try loading a folder using both options before "
    "actually organizing.");
const QString HelpFileFromTag = QStringLiteral(
    "If Sortiva fails to retrieve a proper file name from the MP3 ID3 v 1.1 Tag, it will use "
    "the original file name.");
const QString HelpReplaceExisting = QStringLiteral(
    "If you use this option, Sortiva will first delete any existing files (with the same name) "
    "before copying the new file to the folder (not recommended) ... If you leave this "
    "unchecked (recommended), Sortiva will create a safe file name by adding a number to the "
    "file name such as 'Love Bites(1).mp3' if a file already exists with the same name.");
const QString HelpDoNothing = QStringLiteral(
    "If this option is checked, Sortiva will do nothing if a file with the same name already "
    "exists. This option overrides the above option.");
const QString HelpAutoAdd = QStringLiteral(
    "Sortiva (optionally) keeps track of the folder names that you edit after you have loaded "
    "the folder list, but before you actually organize them. This way it can use this list in "
    "the future to edit any similar files automatically. However this method isnt exact (fuzzy "
    "in fact) so you may want to edit the list by hand if weird names start showing up when you "
    "load a folder.");

const QString NoteText =
    QStringLiteral("Note: For more options click the tabs at the top of this window.");

QStringList Entries(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void SetEntries(QListWidget *list, const QStringList &entries, int selected)
{
    list->clear();
    list->addItems(entries);
    if (selected >= 0 && selected < list->count())
        list->setCurrentRow(selected);
}

// The selected entry, or -1: a current entry that is not selected does not count.
int SelectedRow(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}

int Checked(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

template <typename T> T *Named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *Note(QWidget *parent)
{
    auto *note = new QLabel(NoteText, parent);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #505050; font-style: italic;"));
    return note;
}

// A check box followed by its help link on one line.
QHBoxLayout *WithLink(QWidget *box, QLabel *link)
{
    auto *row = new QHBoxLayout;
    row->addWidget(box);
    row->addSpacing(6);
    row->addWidget(link);
    row->addStretch(1);
    return row;
}
} // namespace

OptionsDialog *OptionsDialog::Open(QWidget *owner, int tab)
{
    if (instance) {
        if (tab >= 0)
            instance->tb1->setCurrentIndex(tab);
        if (instance->isMinimized())
            instance->showNormal();
        instance->raise();
        instance->activateWindow();
        return instance;
    }
    auto *form = new OptionsDialog(owner);
    instance = form;
    form->Form_Load();
    if (tab >= 0)
        form->tb1->setCurrentIndex(tab);
    return form;
}

OptionsDialog *OptionsDialog::Instance()
{
    return instance;
}

void OptionsDialog::CloseWindows()
{
    if (instance)
        instance->CloseBy(CloseReason::Owner);
}

ReplaceListEditor *OptionsDialog::Editor() const
{
    return m_editor;
}

DashWarningDialog *OptionsDialog::Warning() const
{
    return m_warning;
}

OptionsDialog::OptionsDialog(QWidget *owner) : QWidget(owner, Qt::Dialog)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Options..."));
    setWindowIcon(QIcon(QStringLiteral(":/images/sortiva.svg")));

    tb1 = Named(new QTabWidget(this), "tb1");
    for (int i = 0; i < 3; ++i) {
        Frame[static_cast<size_t>(i)] = new QWidget(tb1);
        Frame[static_cast<size_t>(i)]->setObjectName(QStringLiteral("Frame_%1").arg(i));
    }
    BuildPage1();
    BuildPage2();
    BuildPage3();
    tb1->addTab(Frame[0], QStringLiteral("General Options"));
    tb1->addTab(Frame[1], QStringLiteral("Folder And File Naming"));
    tb1->addTab(Frame[2], QStringLiteral("File Search Filtering"));

    Command3 = Named(new QPushButton(QStringLiteral("Defaults"), this), "Command3");
    Command14 = Named(new QPushButton(QStringLiteral("Apply"), this), "Command14");
    Command2 = Named(new QPushButton(QStringLiteral("OK"), this), "Command2");
    Command1 = Named(new QPushButton(QStringLiteral("Cancel"), this), "Command1");
    for (QPushButton *b : {Command3, Command14, Command2, Command1})
        b->setMinimumWidth(90);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command3);
    buttons->addStretch(1);
    buttons->addWidget(Command14);
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(tb1);
    outer->addLayout(buttons);

    connect(Command3, &QPushButton::clicked, this, &OptionsDialog::Command3_Click);
    connect(Command14, &QPushButton::clicked, this, &OptionsDialog::Command14_Click);
    connect(Command2, &QPushButton::clicked, this, &OptionsDialog::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &OptionsDialog::Command1_Click);

    for (QCheckBox *box : {chkLoadSplash, chkReplaceExisting, chkDeleteFiles, chkRememberFolders,
                           chkPromptRemove, chkAutoAdd, chkRecursiveSearch, chkDoNothing,
                           chkRemoveSubArtists, chkRenameFiles})
        connect(box, &QCheckBox::clicked, this, &OptionsDialog::CheckBox_Click);
    for (int k = 0; k < 2; ++k)
        connect(Option1[static_cast<size_t>(k)], &QRadioButton::toggled, this,
                [this, k](bool on) {
                    if (on)
                        Option1_Click(k);
                });
    for (int k = 0; k < 4; ++k) {
        QRadioButton *button = optDash[static_cast<size_t>(k)];
        connect(button, &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                optDash_Click(k);
        });
        connect(button, &QRadioButton::clicked, this, [this, k] { optDash_MouseUp(k); });
    }
    connect(Combo1, &QComboBox::activated, this, &OptionsDialog::Combo1_Click);
    connect(Command15, &QPushButton::clicked, this, &OptionsDialog::Command15_Click);
    connect(Command6, &QPushButton::clicked, this, [this] { MoveListItem(List1, List2); });
    connect(Command7, &QPushButton::clicked, this, [this] { MoveListItem(List2, List1); });
    connect(Command9, &QPushButton::clicked, this, [this] { MoveListItem(List4, List3); });
    connect(Command8, &QPushButton::clicked, this, [this] { MoveListItem(List3, List4); });
    connect(Command12, &QPushButton::clicked, this, [this] { MoveUp(List2); });
    connect(Command13, &QPushButton::clicked, this, [this] { MoveDown(List2); });
    connect(Command10, &QPushButton::clicked, this, [this] { MoveUp(List3); });
    connect(Command11, &QPushButton::clicked, this, [this] { MoveDown(List3); });

    for (QLabel *link : {Label4, Label5, Label6, Label9, lblExport}) {
        link->setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline;"));
        link->installEventFilter(this);
    }
    for (QLabel *link : {Label4, Label5, Label6})
        link->setCursor(Qt::PointingHandCursor);

    // Ctrl+Tab reaches the window whichever control has the focus.
    QApplication::instance()->installEventFilter(this);
}

void OptionsDialog::BuildPage1()
{
    QWidget *page = Frame[0];
    auto *group = new QGroupBox(QStringLiteral("General Program Options"), page);
    chkLoadSplash = Named(new QCheckBox(QStringLiteral("Show Splash Screen On Program Startup"),
                                        group),
                          "chkLoadSplash");
    chkReplaceExisting =
        Named(new QCheckBox(QStringLiteral("Replace Existing Files"), group), "chkReplaceExisting");
    chkDeleteFiles = Named(
        new QCheckBox(QStringLiteral("Delete Source File Once Organized"), group), "chkDeleteFiles");
    chkRememberFolders =
        Named(new QCheckBox(QStringLiteral("Remember Last Used Folders When Starting"), group),
              "chkRememberFolders");
    chkPromptRemove = Named(
        new QCheckBox(QStringLiteral("Confirm When Removing Files (Clicking Remove From List)"),
                      group),
        "chkPromptRemove");
    chkAutoAdd = Named(new QCheckBox(QStringLiteral("Automatically Add Folder Names That I Change "
                                                    "To The 'Replace With' List"),
                                     group),
                       "chkAutoAdd");
    chkRecursiveSearch = Named(
        new QCheckBox(QStringLiteral("Search For Files In Sub Folders"), group), "chkRecursiveSearch");
    chkDoNothing = Named(
        new QCheckBox(QStringLiteral("If File Already Exists Do Nothing"), group), "chkDoNothing");

    Label6 = Named(new QLabel(QStringLiteral("More Info"), group), "Label6");
    lblExport = Named(new QLabel(QStringLiteral("Whats This?"), group), "lblExport");
    Label9 = Named(new QLabel(QStringLiteral("More Info"), group), "Label9");

    auto *v = new QVBoxLayout(group);
    v->setSpacing(8);
    v->addWidget(chkLoadSplash);
    v->addLayout(WithLink(chkReplaceExisting, Label6));
    v->addWidget(chkDeleteFiles);
    v->addWidget(chkRememberFolders);
    v->addWidget(chkPromptRemove);
    v->addLayout(WithLink(chkAutoAdd, lblExport));
    v->addWidget(chkRecursiveSearch);
    v->addLayout(WithLink(chkDoNothing, Label9));

    auto *listGroup = new QGroupBox(QStringLiteral("Folder Name \"Replace With\" List"), page);
    Command15 = Named(new QPushButton(QStringLiteral("Edit 'Replace With' List"), listGroup),
                      "Command15");
    Command15->setToolTip(QStringLiteral("Edit The 'Replace With' List"));
    Command15->setMinimumWidth(200);
    auto *h = new QHBoxLayout(listGroup);
    h->addWidget(Command15);
    h->addStretch(1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addWidget(listGroup);
    layout->addStretch(1);
    layout->addWidget(Note(page));
}

void OptionsDialog::BuildPage2()
{
    QWidget *page = Frame[1];
    chkRemoveSubArtists =
        Named(new QCheckBox(QStringLiteral("Attempt To Show Only Primary Artists (Ex: 'Pembo Ft. "
                                           "Kaz' will become just 'Pembo')"),
                            page),
              "chkRemoveSubArtists");

    // Folder names: from the file name (with its dash options) or from the tag fields.
    auto *folderGroup = new QGroupBox(QStringLiteral("Folder Names"), page);
    Option1[0] = Named(
        new QRadioButton(QStringLiteral("Create Folder Name From File Name Only (Default)"),
                         folderGroup),
        "Option1_0");
    Option1[1] = Named(
        new QRadioButton(QStringLiteral("Create Folder Name From ID3 v1 Tag (MP3 Files Only)"),
                         folderGroup),
        "Option1_1");
    Label4 = Named(new QLabel(QStringLiteral("More Info"), folderGroup), "Label4");

    Frame1 = Named(new QGroupBox(folderGroup), "Frame1");
    const char *dashCaptions[] = {"Use First Section", "Use Second Section", "Use Third Section",
                                  "Use Fourth Section"};
    auto *dashButtons = new QVBoxLayout;
    for (int k = 0; k < 4; ++k) {
        auto *b = new QRadioButton(QLatin1String(dashCaptions[k]), Frame1);
        b->setObjectName(QStringLiteral("optDash_%1").arg(k));
        optDash[static_cast<size_t>(k)] = b;
        dashButtons->addWidget(b);
    }
    lblLink = Named(new QLabel(QStringLiteral("Example:"), Frame1), "lblLink");
    lblText[2] = Named(new QLabel(DashSampleFileName, Frame1), "lblText_2");
    auto *resultCaption = Named(new QLabel(QStringLiteral("Result:"), Frame1), "Label3");
    lblExample = Named(new QLabel(Frame1), "lblExample");
    for (QLabel *l : {lblLink, resultCaption})
        l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto *example = new QGridLayout;
    example->addWidget(lblLink, 0, 0);
    example->addWidget(lblText[2], 0, 1);
    example->addWidget(resultCaption, 1, 0);
    example->addWidget(lblExample, 1, 1);
    example->setColumnStretch(1, 1);
    example->setRowStretch(2, 1);
    example->setHorizontalSpacing(8);
    auto *dashLayout = new QHBoxLayout(Frame1);
    dashLayout->addLayout(dashButtons);
    dashLayout->addSpacing(16);
    dashLayout->addLayout(example, 1);

    Label1 = Named(new QLabel(QStringLiteral("Select The Field That You Want To Use From The "
                                             "ID3v1 Tag. (default is album)"),
                              folderGroup),
                   "Label1");
    List1 = Named(new QListWidget(folderGroup), "List1");
    List2 = Named(new QListWidget(folderGroup), "List2");
    Command6 = Named(new QPushButton(QStringLiteral(">"), folderGroup), "Command6");
    Command7 = Named(new QPushButton(QStringLiteral("<"), folderGroup), "Command7");
    Command12 = Named(new QPushButton(QStringLiteral("/\\"), folderGroup), "Command12");
    Command13 = Named(new QPushButton(QStringLiteral("\\/"), folderGroup), "Command13");
    lblResult = Named(new QLabel(folderGroup), "lblResult");

    auto *folderLayout = new QGridLayout(folderGroup);
    folderLayout->setColumnMinimumWidth(0, 20);
    folderLayout->addWidget(Option1[0], 0, 0, 1, 3);
    folderLayout->addWidget(Frame1, 1, 1, 1, 2);
    folderLayout->addLayout(WithLink(Option1[1], Label4), 2, 0, 1, 3);
    folderLayout->addWidget(Label1, 3, 1, 1, 2);

    auto *fileGroup = new QGroupBox(QStringLiteral("File Names"), page);
    Label2 = Named(new QLabel(QStringLiteral("Select The Field That You Want To Use From The "
                                             "ID3v1 Tag. (default is song title)"),
                              fileGroup),
                   "Label2");
    List4 = Named(new QListWidget(fileGroup), "List4");
    List3 = Named(new QListWidget(fileGroup), "List3");
    Command9 = Named(new QPushButton(QStringLiteral(">"), fileGroup), "Command9");
    Command8 = Named(new QPushButton(QStringLiteral("<"), fileGroup), "Command8");
    Command10 = Named(new QPushButton(QStringLiteral("/\\"), fileGroup), "Command10");
    Command11 = Named(new QPushButton(QStringLiteral("\\/"), fileGroup), "Command11");
    lblSong = Named(new QLabel(fileGroup), "lblSong");

    // Two lists with move buttons between and beside them, and the example underneath.
    auto fieldRow = [](QListWidget *available, QPushButton *right, QPushButton *left,
                       QListWidget *chosen, QPushButton *up, QPushButton *down, QLabel *result) {
        for (QListWidget *l : {available, chosen}) {
            l->setFixedSize(120, 112);
            l->setSelectionMode(QAbstractItemView::SingleSelection);
        }
        for (QPushButton *b : {right, left, up, down})
            b->setFixedSize(36, 26);
        right->setToolTip(QStringLiteral("Use the selected field"));
        left->setToolTip(QStringLiteral("Do not use the selected field"));
        up->setToolTip(QStringLiteral("Move the selected field up"));
        down->setToolTip(QStringLiteral("Move the selected field down"));
        auto *moves = new QVBoxLayout;
        moves->addStretch(1);
        moves->addWidget(right);
        moves->addWidget(left);
        moves->addStretch(1);
        auto *order = new QVBoxLayout;
        order->addStretch(1);
        order->addWidget(up);
        order->addWidget(down);
        order->addStretch(1);
        auto *caption = new QLabel(QStringLiteral("Result:"));
        caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
        auto *resultBox = new QVBoxLayout;
        resultBox->addStretch(1);
        resultBox->addWidget(caption);
        resultBox->addWidget(result);
        resultBox->addStretch(1);
        auto *row = new QHBoxLayout;
        row->addWidget(available);
        row->addLayout(moves);
        row->addWidget(chosen);
        row->addLayout(order);
        row->addSpacing(16);
        row->addLayout(resultBox, 1);
        return row;
    };
    folderLayout->addLayout(
        fieldRow(List1, Command6, Command7, List2, Command12, Command13, lblResult), 4, 1, 1, 2);
    folderLayout->setColumnStretch(2, 1);

    chkRenameFiles = Named(new QCheckBox(QStringLiteral("Rename Files From ID3 Tag When "
                                                        "Organizing (MP3 Files Only)"),
                                         fileGroup),
                           "chkRenameFiles");
    Label5 = Named(new QLabel(QStringLiteral("More Info"), fileGroup), "Label5");
    auto *fileLayout = new QGridLayout(fileGroup);
    fileLayout->setColumnMinimumWidth(0, 20);
    fileLayout->addLayout(WithLink(chkRenameFiles, Label5), 0, 0, 1, 3);
    fileLayout->addWidget(Label2, 1, 1, 1, 2);
    fileLayout->addLayout(
        fieldRow(List4, Command9, Command8, List3, Command10, Command11, lblSong), 2, 1, 1, 2);
    fileLayout->setColumnStretch(2, 1);

    for (QLabel *l : {lblExample, lblResult, lblSong})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(chkRemoveSubArtists);
    layout->addWidget(folderGroup);
    layout->addWidget(fileGroup);
    layout->addStretch(1);
}

void OptionsDialog::BuildPage3()
{
    QWidget *page = Frame[2];
    auto *group = new QGroupBox(QStringLiteral("File Search Filter"), page);
    Label8 = Named(new QLabel(QStringLiteral("Quick Filter Settings:"), group), "Label8");
    Combo1 = Named(new QComboBox(group), "Combo1");
    for (const FilterPreset &p : FilterPresets())
        Combo1->addItem(p.name);
    Combo1->setCurrentIndex(DefaultPresetIndex);
    Combo1->setMinimumWidth(220);
    txtFileFilter = Named(new QLineEdit(group), "txtFileFilter");
    lblText[3] = Named(
        new QLabel(QStringLiteral("This is a comma seperated list of file extensions you want "
                                  "Sortiva to search for when looking for files within a folder. "
                                  "Seperate with comma's, Use a * (asterisk) for all files. No "
                                  "spaces."),
                   group),
        "lblText_3");
    lblText[3]->setWordWrap(true);
    Label8->setBuddy(Combo1);

    auto *presetRow = new QHBoxLayout;
    presetRow->addWidget(Label8);
    presetRow->addWidget(Combo1);
    presetRow->addStretch(1);
    auto *v = new QVBoxLayout(group);
    v->setSpacing(10);
    v->addLayout(presetRow);
    v->addWidget(txtFileFilter);
    v->addWidget(lblText[3]);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch(1);
    layout->addWidget(Note(page));

}

void OptionsDialog::Form_Load()
{
    const OptionsValues v = OptionsFromSettings(Settings);
    txtFileFilter->setText(v.filterText);

    // A stored index outside the buttons falls back to the first one.
    m_folderSource = (v.renamefolders == 1) ? 1 : 0;
    m_dashOption = (v.dashoption >= 0 && v.dashoption <= 3) ? v.dashoption : 0;
    Option1[static_cast<size_t>(m_folderSource)]->setChecked(true);
    optDash[static_cast<size_t>(m_dashOption)]->setChecked(true);
    optDash_Click(m_dashOption);

    SetCheckBoxes(v);
    SetFieldLists(List1, List2, v.foldernamelist);
    CreateFolderTitle();
    SetFieldLists(List4, List3, v.filenamelist);
    CreateFileTitle();

    tb1->setCurrentIndex(0);
    m_presets.Reset();
    m_changed = false;

    show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void OptionsDialog::SetCheckBoxes(const OptionsValues &v)
{
    chkRemoveSubArtists->setChecked(v.removesubs != 0);
    chkDeleteFiles->setChecked(v.deleteold != 0);
    chkReplaceExisting->setChecked(v.replaceexisting != 0);
    chkRememberFolders->setChecked(v.rememberfolders != 0);
    chkPromptRemove->setChecked(v.promptremove != 0);
    chkAutoAdd->setChecked(v.autoadd != 0);
    chkRecursiveSearch->setChecked(v.recursivesearch != 0);
    chkRenameFiles->setChecked(v.renamefiles != 0);
    chkLoadSplash->setChecked(v.loadsplash != 0);
    chkDoNothing->setChecked(v.donothing != 0);
}

void OptionsDialog::SetFieldLists(QListWidget *available, QListWidget *chosen, const QString &stored)
{
    QStringList avail = Id3FieldNames();
    QStringList picked;
    FillFieldLists(avail, picked, stored);
    SetEntries(available, avail, -1);
    SetEntries(chosen, picked, -1);
}

OptionsValues OptionsDialog::PendingValues() const
{
    OptionsValues v;
    v.filterText = txtFileFilter->text();
    v.dashoption = m_dashOption;
    v.filenamelist = m_fileFieldList;
    v.foldernamelist = m_folderFieldList;
    v.renamefolders = m_folderSource;
    v.deleteold = Checked(chkDeleteFiles);
    v.replaceexisting = Checked(chkReplaceExisting);
    v.rememberfolders = Checked(chkRememberFolders);
    v.promptremove = Checked(chkPromptRemove);
    v.autoadd = Checked(chkAutoAdd);
    v.recursivesearch = Checked(chkRecursiveSearch);
    v.renamefiles = Checked(chkRenameFiles);
    v.loadsplash = Checked(chkLoadSplash);
    v.removesubs = Checked(chkRemoveSubArtists);
    v.donothing = Checked(chkDoNothing);
    return v;
}

void OptionsDialog::ApplySettings()
{
    ::ApplySettings(PendingValues(), Settings);
}

void OptionsDialog::CreateFolderTitle()
{
    const QStringList chosen = Entries(List2);
    lblResult->setText(FolderTitleExample(chosen));
    m_folderFieldList = JoinListItems(chosen, QStringLiteral(","));
    m_changed = true;
}

void OptionsDialog::CreateFileTitle()
{
    const QStringList chosen = Entries(List3);
    lblSong->setText(FileTitleExample(chosen));
    m_fileFieldList = JoinListItems(chosen, QStringLiteral(","));
    m_changed = true;
}

void OptionsDialog::RetitleFor(QListWidget *list)
{
    if (list == List1 || list == List2)
        CreateFolderTitle();
    else
        CreateFileTitle();
}

void OptionsDialog::MoveListItem(QListWidget *from, QListWidget *to)
{
    QStringList source = Entries(from);
    QStringList target = Entries(to);
    const int selected = SelectedRow(from);
    if (selected >= 0) {
        const int next = ::MoveListItem(source, selected, target);
        SetEntries(to, target, static_cast<int>(target.size()) - 1);
        SetEntries(from, source, next);
        RetitleFor(from);
    }
}

void OptionsDialog::MoveUp(QListWidget *list)
{
    const int selected = SelectedRow(list);
    if (selected <= 0)
        return;
    QStringList entries = Entries(list);
    SetEntries(list, entries, MoveListItemUp(entries, selected));
    RetitleFor(list);
}

void OptionsDialog::MoveDown(QListWidget *list)
{
    const int selected = SelectedRow(list);
    if (selected < 0 || selected >= list->count() - 1)
        return;
    QStringList entries = Entries(list);
    SetEntries(list, entries, MoveListItemDown(entries, selected));
    RetitleFor(list);
}

void OptionsDialog::CheckBox_Click()
{
    m_changed = true;
}

void OptionsDialog::Option1_Click(int index)
{
    m_folderSource = index;
    m_changed = true;
}

void OptionsDialog::optDash_Click(int index)
{
    m_dashOption = index;
    lblExample->setText(DashSection(lblText[2]->text(), index));
    m_changed = true;
}

void OptionsDialog::optDash_MouseUp(int index)
{
    if (index < 2 || Settings.showwarn == 0 || m_warning)
        return;
    m_warning = new DashWarningDialog(this);
    m_warning->open();
}

void OptionsDialog::Combo1_Click(int index)
{
    QString text = txtFileFilter->text();
    if (!m_presets.Choose(index, text))
        return;
    if (txtFileFilter->text() != text)
        txtFileFilter->setText(text);
    m_changed = true;
}

void OptionsDialog::Command15_Click()
{
    if (!m_editor)
        m_editor = new ReplaceListEditor(this);
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
}

void OptionsDialog::Commit()
{
    ApplySettings();
    SaveSettings();
    SettingsStore::Sync();
}

void OptionsDialog::Command14_Click()
{
    Commit();
    m_changed = false;
}

void OptionsDialog::Command2_Click()
{
    Commit();
    CloseBy(CloseReason::Buttons);
}

void OptionsDialog::Command1_Click()
{
    if (m_changed) {
        const MsgResult answer = Dialogs().Message(
            QStringLiteral("You have made changes to your settings. Would you like to save "
                           "settings now?"),
            MsgButtons::YesNoCancel, MsgIcon::Exclamation);
        if (answer == MsgResult::Cancel)
            return;
        if (answer == MsgResult::Yes)
            Commit();
    }
    BringOwnerToFront();
    CloseBy(CloseReason::Buttons);
}

void OptionsDialog::Command3_Click()
{
    if (Dialogs().Message(
            QStringLiteral("Are you sure you want to reset all settings to thier default values?"),
            MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
        return;
    const OptionsValues v = DefaultOptions(PendingValues());
    m_changed = true;
    SetCheckBoxes(v);
    if (txtFileFilter->text() != v.filterText)
        txtFileFilter->setText(v.filterText);
    Option1[0]->setChecked(true);
    m_folderSource = 0;
    optDash[0]->setChecked(true);
    optDash_Click(0);
    SetFieldLists(List1, List2, v.foldernamelist);
    SetFieldLists(List4, List3, v.filenamelist);
    CreateFileTitle();
    CreateFolderTitle();
}

void OptionsDialog::NextTab()
{
    tb1->setCurrentIndex((tb1->currentIndex() + 1) % tb1->count());
}

void OptionsDialog::ShowHelp(QObject *link)
{
    QString text;
    if (link == Label4)
        text = HelpFolderFromTag;
    else if (link == Label5)
        text = HelpFileFromTag;
    else if (link == Label6)
        text = HelpReplaceExisting;
    else if (link == Label9)
        text = HelpDoNothing;
    else if (link == lblExport)
        text = HelpAutoAdd;
    if (!text.isEmpty())
        Dialogs().Message(text, MsgButtons::Ok, MsgIcon::Information);
}

bool OptionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched == parentWidget()) {
        // The owner is closing and may close this window from its handler: that close asks
        // nothing. Should the owner refuse to close, the mark is gone by the next event.
        m_ownerClosing = true;
        QTimer::singleShot(0, this, [this] { m_ownerClosing = false; });
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == Label4 || watched == Label5 || watched == Label6 || watched == Label9 ||
         watched == lblExport)) {
        ShowHelp(watched);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        // Only keys typed inside this window (not in the editor or another window).
        auto *w = qobject_cast<QWidget *>(watched);
        auto *key = static_cast<QKeyEvent *>(event);
        if (w && w->window() == this && key->key() == Qt::Key_Tab &&
            key->modifiers() == Qt::ControlModifier) {
            NextTab();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void OptionsDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command1_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void OptionsDialog::CloseBy(CloseReason reason)
{
    m_closeReason = reason;
    close();
    m_closeReason = CloseReason::CloseBox;
}

void OptionsDialog::closeEvent(QCloseEvent *event)
{
    if (m_warning)
        m_warning->close();
    if (m_editor)
        m_editor->close();
    if (m_ownerClosing)
        m_closeReason = CloseReason::Owner;
    if (m_closeReason == CloseReason::CloseBox && m_changed && !qApp->isSavingSession()) {
        if (Dialogs().Message(QStringLiteral("You have made changes to your settings. Would you "
                                             "like to apply those settings now?"),
                              MsgButtons::YesNo, MsgIcon::Exclamation) == MsgResult::Yes)
            Commit();
    }
    if (m_closeReason != CloseReason::Owner)
        BringOwnerToFront();
    QApplication::instance()->removeEventFilter(this);
    // The window is deleted later: an Open() in between builds a new one.
    if (instance == this)
        instance = nullptr;
    event->accept();
}

void OptionsDialog::BringOwnerToFront()
{
    QWidget *owner = parentWidget();
    if (owner && !owner->isMinimized()) {
        owner->raise();
        owner->activateWindow();
    }
}
