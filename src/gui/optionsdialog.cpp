#include "gui/optionsdialog.h"

#include "base/dialogseam.h"
#include "base/settings.h"
#include "base/settingsstore.h"
#include "gui/dashwarningdialog.h"
#include "gui/replacelisteditor.h"
#include "options/fieldlists.h"

#include <QApplication>
#include <QButtonGroup>
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
QPointer<OptionsDialog> openWindow;

// Button ids of the folder-name source: the values of the stored option.
constexpr int kFolderFromFileName = 0;
constexpr int kFolderFromTag = 1;
constexpr int kDashOptionCount = 4;

const QString kHelpFolderFromTag = QStringLiteral(
    "If Sortiva fails to retrieve a proper folder name from the MP3 ID3 v 1.1 Tag, it will try "
    "the default method. You may want to try loading a folder using both options before "
    "actually organizing.");
const QString kHelpFileFromTag = QStringLiteral(
    "If Sortiva fails to retrieve a proper file name from the MP3 ID3 v 1.1 Tag, it will use "
    "the original file name.");
const QString kHelpReplaceExisting = QStringLiteral(
    "If you use this option, Sortiva will first delete any existing files (with the same name) "
    "before copying the new file to the folder (not recommended) ... If you leave this "
    "unchecked (recommended), Sortiva will create a safe file name by adding a number to the "
    "file name such as 'Love Bites(1).mp3' if a file already exists with the same name.");
const QString kHelpSkipExisting = QStringLiteral(
    "If this option is checked, Sortiva will do nothing if a file with the same name already "
    "exists. This option overrides the above option.");
const QString kHelpAutoAdd = QStringLiteral(
    "Sortiva (optionally) keeps track of the folder names that you edit after you have loaded "
    "the folder list, but before you actually organize them. This way it can use this list in "
    "the future to edit any similar files automatically. However this method isnt exact (fuzzy "
    "in fact) so you may want to edit the list by hand if weird names start showing up when you "
    "load a folder.");

const QString kNoteText =
    QStringLiteral("Note: For more options click the tabs at the top of this window.");

QStringList Entries(const QListWidget *list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void SetEntries(QListWidget *list, const QStringList &entries, int selected) {
    list->clear();
    list->addItems(entries);
    if (selected >= 0 && selected < list->count())
        list->setCurrentRow(selected);
}

// The selected entry, or -1: a current entry that is not selected does not count.
int SelectedRow(const QListWidget *list) {
    const QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}

int Checked(const QCheckBox *box) {
    return box->isChecked() ? 1 : 0;
}

template <typename T> T *Named(T *widget, const char *name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *Note(QWidget *parent) {
    auto *note = new QLabel(kNoteText, parent);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #505050; font-style: italic;"));
    return note;
}

// A check box followed by its help link on one line.
QHBoxLayout *WithLink(QWidget *box, QLabel *link) {
    auto *row = new QHBoxLayout;
    row->addWidget(box);
    row->addSpacing(6);
    row->addWidget(link);
    row->addStretch(1);
    return row;
}
} // namespace

OptionsDialog *OptionsDialog::open(QWidget *owner, std::optional<Page> page) {
    if (openWindow) {
        if (page)
            openWindow->showPage(*page);
        if (openWindow->isMinimized())
            openWindow->showNormal();
        openWindow->raise();
        openWindow->activateWindow();
        return openWindow;
    }
    auto *window = new OptionsDialog(owner);
    openWindow = window;
    window->load();
    if (page)
        window->showPage(*page);
    return window;
}

OptionsDialog *OptionsDialog::instance() {
    return openWindow;
}

void OptionsDialog::closeWindows() {
    if (openWindow)
        openWindow->closeBy(CloseReason::Owner);
}

ReplaceListEditor *OptionsDialog::replaceListEditor() const {
    return m_editor;
}

DashWarningDialog *OptionsDialog::dashWarning() const {
    return m_warning;
}

OptionsDialog::OptionsDialog(QWidget *owner) : QWidget(owner, Qt::Dialog) {
    setObjectName(QStringLiteral("OptionsDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Options..."));
    setWindowIcon(QIcon(QStringLiteral(":/images/sortiva.svg")));

    m_pages = Named(new QTabWidget(this), "pages");
    auto *general = Named(new QWidget(m_pages), "generalPage");
    auto *naming = Named(new QWidget(m_pages), "namingPage");
    auto *filter = Named(new QWidget(m_pages), "filterPage");
    buildGeneralPage(general);
    buildNamingPage(naming);
    buildFilterPage(filter);
    // In the order of Page.
    m_pages->addTab(general, QStringLiteral("General Options"));
    m_pages->addTab(naming, QStringLiteral("Folder And File Naming"));
    m_pages->addTab(filter, QStringLiteral("File Search Filtering"));

    m_defaultsButton = Named(new QPushButton(QStringLiteral("Defaults"), this), "defaultsButton");
    m_applyButton = Named(new QPushButton(QStringLiteral("Apply"), this), "applyButton");
    m_okButton = Named(new QPushButton(QStringLiteral("OK"), this), "okButton");
    m_cancelButton = Named(new QPushButton(QStringLiteral("Cancel"), this), "cancelButton");
    for (QPushButton *b : {m_defaultsButton, m_applyButton, m_okButton, m_cancelButton})
        b->setMinimumWidth(90);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_defaultsButton);
    buttons->addStretch(1);
    buttons->addWidget(m_applyButton);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(m_pages);
    outer->addLayout(buttons);

    connectControls();

    // The help links take the focus from Tab (a dotted frame shows it) and open on Enter or
    // Space, each right after the option it explains.
    const std::pair<QWidget *, QLabel *> helpFor[] = {
        {m_replaceExistingBox, m_replaceExistingHelp},
        {m_autoAddBox, m_autoAddHelp},
        {m_skipExistingBox, m_skipExistingHelp},
        {m_folderSources->button(kFolderFromTag), m_folderFromTagHelp},
        {m_renameFilesBox, m_renameFilesHelp}};
    for (const auto &[option, link] : helpFor) {
        link->setStyleSheet(QStringLiteral(
            "QLabel { color: #0645ad; text-decoration: underline; border: 1px solid transparent; }"
            "QLabel:focus { border: 1px dotted #0645ad; }"));
        link->setFocusPolicy(Qt::TabFocus);
        link->installEventFilter(this);
        setTabOrder(option, link);
    }
    for (QLabel *link : {m_folderFromTagHelp, m_renameFilesHelp, m_replaceExistingHelp})
        link->setCursor(Qt::PointingHandCursor);

    // Ctrl+Tab reaches the window whichever control has the focus.
    QApplication::instance()->installEventFilter(this);
}

void OptionsDialog::connectControls() {
    connect(m_defaultsButton, &QPushButton::clicked, this, &OptionsDialog::resetToDefaults);
    connect(m_applyButton, &QPushButton::clicked, this, &OptionsDialog::apply);
    connect(m_okButton, &QPushButton::clicked, this, &OptionsDialog::applyAndClose);
    connect(m_cancelButton, &QPushButton::clicked, this, &OptionsDialog::cancel);

    for (QCheckBox *box :
         {m_showSplashBox, m_replaceExistingBox, m_deleteSourceBox, m_rememberFoldersBox,
          m_confirmRemoveBox, m_autoAddBox, m_searchSubFoldersBox, m_skipExistingBox,
          m_primaryArtistsBox, m_smartNamesBox, m_allTagsBox, m_renameFilesBox})
        connect(box, &QCheckBox::clicked, this, &OptionsDialog::markChanged);
    connect(m_folderSources, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            setFolderSource(id);
    });
    connect(m_dashOptions, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            setDashOption(id);
    });
    connect(m_dashOptions, &QButtonGroup::idClicked, this, &OptionsDialog::warnAboutDashOption);
    connect(m_filterPreset, &QComboBox::activated, this, &OptionsDialog::choosePreset);
    connect(m_editReplaceListButton, &QPushButton::clicked, this, &OptionsDialog::editReplaceList);
    connect(m_useFolderFieldButton, &QPushButton::clicked, this,
            [this] { moveField(m_folderFieldsAvailable, m_folderFieldsChosen); });
    connect(m_dropFolderFieldButton, &QPushButton::clicked, this,
            [this] { moveField(m_folderFieldsChosen, m_folderFieldsAvailable); });
    connect(m_useFileFieldButton, &QPushButton::clicked, this,
            [this] { moveField(m_fileFieldsAvailable, m_fileFieldsChosen); });
    connect(m_dropFileFieldButton, &QPushButton::clicked, this,
            [this] { moveField(m_fileFieldsChosen, m_fileFieldsAvailable); });
    connect(m_folderFieldUpButton, &QPushButton::clicked, this,
            [this] { moveFieldUp(m_folderFieldsChosen); });
    connect(m_folderFieldDownButton, &QPushButton::clicked, this,
            [this] { moveFieldDown(m_folderFieldsChosen); });
    connect(m_fileFieldUpButton, &QPushButton::clicked, this,
            [this] { moveFieldUp(m_fileFieldsChosen); });
    connect(m_fileFieldDownButton, &QPushButton::clicked, this,
            [this] { moveFieldDown(m_fileFieldsChosen); });
}

void OptionsDialog::buildGeneralPage(QWidget *page) {
    auto *group = new QGroupBox(QStringLiteral("General Program Options"), page);
    m_showSplashBox =
        Named(new QCheckBox(QStringLiteral("Show Splash Screen On Program Startup"), group),
              "showSplashBox");
    m_replaceExistingBox =
        Named(new QCheckBox(QStringLiteral("Replace Existing Files"), group), "replaceExistingBox");
    m_deleteSourceBox =
        Named(new QCheckBox(QStringLiteral("Delete Source File Once Organized"), group),
              "deleteSourceBox");
    m_rememberFoldersBox =
        Named(new QCheckBox(QStringLiteral("Remember Last Used Folders When Starting"), group),
              "rememberFoldersBox");
    m_confirmRemoveBox =
        Named(new QCheckBox(
                  QStringLiteral("Confirm When Removing Files (Clicking Remove From List)"), group),
              "confirmRemoveBox");
    m_autoAddBox = Named(new QCheckBox(QStringLiteral("Automatically Add Folder Names That I "
                                                      "Change To The 'Replace With' List"),
                                       group),
                         "autoAddBox");
    m_searchSubFoldersBox =
        Named(new QCheckBox(QStringLiteral("Search For Files In Sub Folders"), group),
              "searchSubFoldersBox");
    m_skipExistingBox =
        Named(new QCheckBox(QStringLiteral("If File Already Exists Do Nothing"), group),
              "skipExistingBox");

    m_replaceExistingHelp =
        Named(new QLabel(QStringLiteral("More Info"), group), "replaceExistingHelp");
    m_autoAddHelp = Named(new QLabel(QStringLiteral("Whats This?"), group), "autoAddHelp");
    m_skipExistingHelp = Named(new QLabel(QStringLiteral("More Info"), group), "skipExistingHelp");

    // The window is as tall as its naming page needs: the options here share that height
    // out evenly rather than leaving the lower half of the page empty.
    auto *v = new QVBoxLayout(group);
    v->setSpacing(8);
    const QList<QLayoutItem *> rows = {new QWidgetItem(m_showSplashBox),
                                       WithLink(m_replaceExistingBox, m_replaceExistingHelp),
                                       new QWidgetItem(m_deleteSourceBox),
                                       new QWidgetItem(m_rememberFoldersBox),
                                       new QWidgetItem(m_confirmRemoveBox),
                                       WithLink(m_autoAddBox, m_autoAddHelp),
                                       new QWidgetItem(m_searchSubFoldersBox),
                                       WithLink(m_skipExistingBox, m_skipExistingHelp)};
    for (QLayoutItem *row : rows) {
        if (row != rows.first())
            v->addStretch(1);
        v->addItem(row);
    }

    auto *listGroup = new QGroupBox(QStringLiteral("Folder Name \"Replace With\" List"), page);
    m_editReplaceListButton =
        Named(new QPushButton(QStringLiteral("Edit 'Replace With' List"), listGroup),
              "editReplaceListButton");
    m_editReplaceListButton->setToolTip(QStringLiteral("Edit The 'Replace With' List"));
    m_editReplaceListButton->setMinimumWidth(200);
    auto *h = new QHBoxLayout(listGroup);
    h->addWidget(m_editReplaceListButton);
    h->addStretch(1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(group, 1);
    layout->addSpacing(8);
    layout->addWidget(listGroup);
    layout->addSpacing(8);
    layout->addWidget(Note(page));
}

void OptionsDialog::buildNamingPage(QWidget *page) {
    m_primaryArtistsBox =
        Named(new QCheckBox(QStringLiteral("Attempt To Show Only Primary Artists (Ex: 'Pembo Ft. "
                                           "Kaz' will become just 'Pembo')"),
                            page),
              "primaryArtistsBox");
    m_smartNamesBox =
        Named(new QCheckBox(QStringLiteral("Smarter Artist Names"), page), "smartNamesBox");
    m_smartNamesBox->setToolTip(
        QStringLiteral("Keeps hyphenated names, initials and the numbers of a name whole "
                       "(Salt-N-Pepa, REM, 4 Non Blondes)"));
    m_allTagsBox = Named(
        new QCheckBox(QStringLiteral("Also Read ID3v2, Vorbis, FLAC, MP4 And WMA Tags"), page),
        "allTagsBox");
    m_allTagsBox->setToolTip(
        QStringLiteral("Folder and file names from tags, and the tag window, use the richest "
                       "tag a file carries, for MP3, Ogg, FLAC, MP4 and WMA files"));

    // Folder names: from the file name (with its dash options) or from the tag fields.
    auto *folderGroup = new QGroupBox(QStringLiteral("Folder Names"), page);
    auto *fromFileName =
        Named(new QRadioButton(QStringLiteral("Create Folder Name From File Name Only (Default)"),
                               folderGroup),
              "folderFromFileName");
    auto *fromTag = Named(
        new QRadioButton(QStringLiteral("Create Folder Name From ID3 v1 Tag (MP3 Files Only)"),
                         folderGroup),
        "folderFromTag");
    m_folderSources = Named(new QButtonGroup(this), "folderSources");
    m_folderSources->addButton(fromFileName, kFolderFromFileName);
    m_folderSources->addButton(fromTag, kFolderFromTag);
    m_folderFromTagHelp =
        Named(new QLabel(QStringLiteral("More Info"), folderGroup), "folderFromTagHelp");

    auto *dashGroup = Named(new QGroupBox(folderGroup), "dashGroup");
    const char *dashCaptions[kDashOptionCount] = {"Use First Section", "Use Second Section",
                                                  "Use Third Section", "Use Fourth Section"};
    m_dashOptions = Named(new QButtonGroup(this), "dashOptions");
    auto *dashButtons = new QVBoxLayout;
    for (int k = 0; k < kDashOptionCount; ++k) {
        auto *b = new QRadioButton(QLatin1String(dashCaptions[k]), dashGroup);
        b->setObjectName(QStringLiteral("dashOption%1").arg(k));
        m_dashOptions->addButton(b, k);
        dashButtons->addWidget(b);
    }
    auto *sampleCaption = new QLabel(QStringLiteral("Example:"), dashGroup);
    m_dashSample = Named(new QLabel(DashSampleFileName, dashGroup), "dashSample");
    auto *resultCaption = new QLabel(QStringLiteral("Result:"), dashGroup);
    m_dashExample = Named(new QLabel(dashGroup), "dashExample");
    for (QLabel *l : {sampleCaption, resultCaption})
        l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto *example = new QGridLayout;
    example->addWidget(sampleCaption, 0, 0);
    example->addWidget(m_dashSample, 0, 1);
    example->addWidget(resultCaption, 1, 0);
    example->addWidget(m_dashExample, 1, 1);
    example->setColumnStretch(1, 1);
    example->setRowStretch(2, 1);
    example->setHorizontalSpacing(8);
    auto *dashLayout = new QHBoxLayout(dashGroup);
    dashLayout->addLayout(dashButtons);
    dashLayout->addSpacing(16);
    dashLayout->addLayout(example, 1);

    auto *folderFieldsLabel = new QLabel(QStringLiteral("Select The Field That You Want To Use "
                                                        "From The ID3v1 Tag. (default is album)"),
                                         folderGroup);
    m_folderFieldsAvailable = Named(new QListWidget(folderGroup), "folderFieldsAvailable");
    m_folderFieldsChosen = Named(new QListWidget(folderGroup), "folderFieldsChosen");
    m_useFolderFieldButton =
        Named(new QPushButton(QStringLiteral(">"), folderGroup), "useFolderFieldButton");
    m_dropFolderFieldButton =
        Named(new QPushButton(QStringLiteral("<"), folderGroup), "dropFolderFieldButton");
    m_folderFieldUpButton =
        Named(new QPushButton(QStringLiteral("/\\"), folderGroup), "folderFieldUpButton");
    m_folderFieldDownButton =
        Named(new QPushButton(QStringLiteral("\\/"), folderGroup), "folderFieldDownButton");
    m_folderExample = Named(new QLabel(folderGroup), "folderExample");

    auto *folderLayout = new QGridLayout(folderGroup);
    folderLayout->setColumnMinimumWidth(0, 20);
    folderLayout->addWidget(fromFileName, 0, 0, 1, 3);
    folderLayout->addWidget(dashGroup, 1, 1, 1, 2);
    folderLayout->addLayout(WithLink(fromTag, m_folderFromTagHelp), 2, 0, 1, 3);
    folderLayout->addWidget(folderFieldsLabel, 3, 1, 1, 2);

    auto *fileGroup = new QGroupBox(QStringLiteral("File Names"), page);
    auto *fileFieldsLabel = new QLabel(QStringLiteral("Select The Field That You Want To Use "
                                                      "From The ID3v1 Tag. (default is song "
                                                      "title)"),
                                       fileGroup);
    m_fileFieldsAvailable = Named(new QListWidget(fileGroup), "fileFieldsAvailable");
    m_fileFieldsChosen = Named(new QListWidget(fileGroup), "fileFieldsChosen");
    m_useFileFieldButton =
        Named(new QPushButton(QStringLiteral(">"), fileGroup), "useFileFieldButton");
    m_dropFileFieldButton =
        Named(new QPushButton(QStringLiteral("<"), fileGroup), "dropFileFieldButton");
    m_fileFieldUpButton =
        Named(new QPushButton(QStringLiteral("/\\"), fileGroup), "fileFieldUpButton");
    m_fileFieldDownButton =
        Named(new QPushButton(QStringLiteral("\\/"), fileGroup), "fileFieldDownButton");
    m_fileExample = Named(new QLabel(fileGroup), "fileExample");
    // Two lists with move buttons between and beside them, and the example underneath.
    auto fieldRow = [](QListWidget *available, QPushButton *right, QPushButton *left,
                       QListWidget *chosen, QPushButton *up, QPushButton *down, QLabel *result) {
        for (QListWidget *l : {available, chosen}) {
            l->setFixedSize(120, 112);
            l->setSelectionMode(QAbstractItemView::SingleSelection);
            // At fractional scales the viewport's rounded-out area would paint its background
            // over the frame's right and bottom lines; the list paints the background under
            // the frame instead, and the viewport only the entries.
            l->setAutoFillBackground(true);
            l->setBackgroundRole(QPalette::Base);
            l->viewport()->setAutoFillBackground(false);
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
    folderLayout->addLayout(fieldRow(m_folderFieldsAvailable, m_useFolderFieldButton,
                                     m_dropFolderFieldButton, m_folderFieldsChosen,
                                     m_folderFieldUpButton, m_folderFieldDownButton,
                                     m_folderExample),
                            4, 1, 1, 2);
    folderLayout->setColumnStretch(2, 1);

    m_renameFilesBox = Named(new QCheckBox(QStringLiteral("Rename Files From ID3 Tag When "
                                                          "Organizing (MP3 Files Only)"),
                                           fileGroup),
                             "renameFilesBox");
    m_renameFilesHelp =
        Named(new QLabel(QStringLiteral("More Info"), fileGroup), "renameFilesHelp");
    auto *fileLayout = new QGridLayout(fileGroup);
    fileLayout->setColumnMinimumWidth(0, 20);
    fileLayout->addLayout(WithLink(m_renameFilesBox, m_renameFilesHelp), 0, 0, 1, 3);
    fileLayout->addWidget(fileFieldsLabel, 1, 1, 1, 2);
    fileLayout->addLayout(fieldRow(m_fileFieldsAvailable, m_useFileFieldButton,
                                   m_dropFileFieldButton, m_fileFieldsChosen, m_fileFieldUpButton,
                                   m_fileFieldDownButton, m_fileExample),
                          2, 1, 1, 2);
    fileLayout->setColumnStretch(2, 1);

    for (QLabel *l : {m_dashExample, m_folderExample, m_fileExample})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_primaryArtistsBox);
    layout->addWidget(m_smartNamesBox);
    layout->addWidget(m_allTagsBox);
    layout->addWidget(folderGroup);
    layout->addWidget(fileGroup);
    layout->addStretch(1);
}

void OptionsDialog::buildFilterPage(QWidget *page) {
    auto *group = new QGroupBox(QStringLiteral("File Search Filter"), page);
    auto *presetLabel = new QLabel(QStringLiteral("Quick Filter Settings:"), group);
    m_filterPreset = Named(new QComboBox(group), "filterPreset");
    for (const FilterPreset &p : FilterPresets())
        m_filterPreset->addItem(p.name);
    m_filterPreset->setCurrentIndex(DefaultPresetIndex);
    m_filterPreset->setMinimumWidth(220);
    m_filterEdit = Named(new QLineEdit(group), "filterEdit");
    auto *hint = new QLabel(QStringLiteral("This is a comma seperated list of file extensions "
                                           "you want Sortiva to search for when looking for "
                                           "files within a folder. Seperate with comma's, Use "
                                           "a * (asterisk) for all files. No spaces."),
                            group);
    hint->setWordWrap(true);
    presetLabel->setBuddy(m_filterPreset);

    auto *presetRow = new QHBoxLayout;
    presetRow->addWidget(presetLabel);
    presetRow->addWidget(m_filterPreset);
    presetRow->addStretch(1);
    auto *v = new QVBoxLayout(group);
    v->setSpacing(10);
    v->addLayout(presetRow);
    v->addWidget(m_filterEdit);
    v->addWidget(hint);

    // What each quick filter lists, so a preset can be chosen knowingly (and the page is not
    // left mostly empty beside the taller naming page).
    auto *overview =
        Named(new QGroupBox(QStringLiteral("Quick Filter Settings"), page), "presetOverview");
    auto *grid = new QGridLayout(overview);
    grid->setHorizontalSpacing(12);
    int row = 0;
    for (const FilterPreset &p : FilterPresets()) {
        auto *name = new QLabel(QString(p.name), overview);
        name->setStyleSheet(QStringLiteral("font-weight: bold;"));
        auto *extensions =
            new QLabel(QString(p.filter).replace(QLatin1Char(','), QStringLiteral(", ")), overview);
        extensions->setWordWrap(true);
        extensions->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(name, row, 0, Qt::AlignTop);
        grid->addWidget(extensions, row, 1, Qt::AlignTop);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addWidget(overview, 1);
    layout->addWidget(Note(page));
}

void OptionsDialog::load() {
    const OptionsValues v = OptionsFromSettings(Settings);
    m_filterEdit->setText(v.filterText);

    // A stored value outside the buttons falls back to the first one.
    m_folderSource = v.renamefolders == kFolderFromTag ? kFolderFromTag : kFolderFromFileName;
    m_dashOption = (v.dashoption >= 0 && v.dashoption < kDashOptionCount) ? v.dashoption : 0;
    m_folderSources->button(m_folderSource)->setChecked(true);
    m_dashOptions->button(m_dashOption)->setChecked(true);
    setDashOption(m_dashOption);

    setCheckBoxes(v);
    setFieldLists(m_folderFieldsAvailable, m_folderFieldsChosen, v.foldernamelist);
    showFolderExample();
    setFieldLists(m_fileFieldsAvailable, m_fileFieldsChosen, v.filenamelist);
    showFileExample();

    showPage(Page::General);
    m_presets.Reset();
    m_changed = false;

    show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void OptionsDialog::showPage(Page page) {
    m_pages->setCurrentIndex(static_cast<int>(page));
}

void OptionsDialog::setCheckBoxes(const OptionsValues &v) {
    m_primaryArtistsBox->setChecked(v.removesubs != 0);
    m_smartNamesBox->setChecked(v.smartnames != 0);
    m_allTagsBox->setChecked(v.alltags != 0);
    m_deleteSourceBox->setChecked(v.deleteold != 0);
    m_replaceExistingBox->setChecked(v.replaceexisting != 0);
    m_rememberFoldersBox->setChecked(v.rememberfolders != 0);
    m_confirmRemoveBox->setChecked(v.promptremove != 0);
    m_autoAddBox->setChecked(v.autoadd != 0);
    m_searchSubFoldersBox->setChecked(v.recursivesearch != 0);
    m_renameFilesBox->setChecked(v.renamefiles != 0);
    m_showSplashBox->setChecked(v.loadsplash != 0);
    m_skipExistingBox->setChecked(v.donothing != 0);
}

void OptionsDialog::setFieldLists(QListWidget *available, QListWidget *chosen,
                                  const QString &stored) {
    QStringList avail = Id3FieldNames();
    QStringList picked;
    FillFieldLists(avail, picked, stored);
    SetEntries(available, avail, -1);
    SetEntries(chosen, picked, -1);
}

OptionsValues OptionsDialog::pendingValues() const {
    OptionsValues v;
    v.filterText = m_filterEdit->text();
    v.dashoption = m_dashOption;
    v.filenamelist = m_fileFieldList;
    v.foldernamelist = m_folderFieldList;
    v.renamefolders = m_folderSource;
    v.deleteold = Checked(m_deleteSourceBox);
    v.replaceexisting = Checked(m_replaceExistingBox);
    v.rememberfolders = Checked(m_rememberFoldersBox);
    v.promptremove = Checked(m_confirmRemoveBox);
    v.autoadd = Checked(m_autoAddBox);
    v.recursivesearch = Checked(m_searchSubFoldersBox);
    v.renamefiles = Checked(m_renameFilesBox);
    v.loadsplash = Checked(m_showSplashBox);
    v.removesubs = Checked(m_primaryArtistsBox);
    v.smartnames = Checked(m_smartNamesBox);
    v.alltags = Checked(m_allTagsBox);
    v.donothing = Checked(m_skipExistingBox);
    return v;
}

void OptionsDialog::showFolderExample() {
    const QStringList chosen = Entries(m_folderFieldsChosen);
    m_folderExample->setText(FolderTitleExample(chosen));
    m_folderFieldList = JoinListItems(chosen, QStringLiteral(","));
    m_changed = true;
}

void OptionsDialog::showFileExample() {
    const QStringList chosen = Entries(m_fileFieldsChosen);
    m_fileExample->setText(FileTitleExample(chosen));
    m_fileFieldList = JoinListItems(chosen, QStringLiteral(","));
    m_changed = true;
}

void OptionsDialog::showExampleFor(QListWidget *list) {
    if (list == m_folderFieldsAvailable || list == m_folderFieldsChosen)
        showFolderExample();
    else
        showFileExample();
}

void OptionsDialog::moveField(QListWidget *from, QListWidget *to) {
    QStringList source = Entries(from);
    QStringList target = Entries(to);
    const int selected = SelectedRow(from);
    if (selected >= 0) {
        const int next = MoveListItem(source, selected, target);
        SetEntries(to, target, static_cast<int>(target.size()) - 1);
        SetEntries(from, source, next);
        showExampleFor(from);
    }
}

void OptionsDialog::moveFieldUp(QListWidget *list) {
    const int selected = SelectedRow(list);
    if (selected <= 0)
        return;
    QStringList entries = Entries(list);
    SetEntries(list, entries, MoveListItemUp(entries, selected));
    showExampleFor(list);
}

void OptionsDialog::moveFieldDown(QListWidget *list) {
    const int selected = SelectedRow(list);
    if (selected < 0 || selected >= list->count() - 1)
        return;
    QStringList entries = Entries(list);
    SetEntries(list, entries, MoveListItemDown(entries, selected));
    showExampleFor(list);
}

void OptionsDialog::markChanged() {
    m_changed = true;
}

void OptionsDialog::setFolderSource(int source) {
    m_folderSource = source;
    m_changed = true;
}

void OptionsDialog::setDashOption(int option) {
    m_dashOption = option;
    m_dashExample->setText(DashSection(m_dashSample->text(), option));
    m_changed = true;
}

void OptionsDialog::warnAboutDashOption(int option) {
    // The first two sections give good folder names; later ones deserve a word of warning.
    if (option < 2 || Settings.showwarn == 0 || m_warning)
        return;
    m_warning = new DashWarningDialog(this);
    m_warning->open();
}

void OptionsDialog::choosePreset(int index) {
    QString text = m_filterEdit->text();
    if (!m_presets.Choose(index, text))
        return;
    if (m_filterEdit->text() != text)
        m_filterEdit->setText(text);
    m_changed = true;
}

void OptionsDialog::editReplaceList() {
    if (!m_editor)
        m_editor = new ReplaceListEditor(this);
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
}

void OptionsDialog::commit() {
    ApplySettings(pendingValues(), Settings);
    SaveSettings();
    SettingsStore::Sync();
}

void OptionsDialog::apply() {
    commit();
    m_changed = false;
}

void OptionsDialog::applyAndClose() {
    commit();
    closeBy(CloseReason::Buttons);
}

void OptionsDialog::cancel() {
    if (m_changed) {
        const MsgResult answer = Dialogs().Message(
            QStringLiteral("You have made changes to your settings. Would you like to save "
                           "settings now?"),
            MsgButtons::YesNoCancel, MsgIcon::Exclamation);
        if (answer == MsgResult::Cancel)
            return;
        if (answer == MsgResult::Yes)
            commit();
    }
    bringOwnerToFront();
    closeBy(CloseReason::Buttons);
}

void OptionsDialog::resetToDefaults() {
    if (Dialogs().Message(
            QStringLiteral("Are you sure you want to reset all settings to thier default values?"),
            MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
        return;
    const OptionsValues v = DefaultOptions(pendingValues());
    m_changed = true;
    setCheckBoxes(v);
    if (m_filterEdit->text() != v.filterText)
        m_filterEdit->setText(v.filterText);
    m_folderSources->button(v.renamefolders)->setChecked(true);
    m_folderSource = v.renamefolders;
    m_dashOptions->button(v.dashoption)->setChecked(true);
    setDashOption(v.dashoption);
    setFieldLists(m_folderFieldsAvailable, m_folderFieldsChosen, v.foldernamelist);
    setFieldLists(m_fileFieldsAvailable, m_fileFieldsChosen, v.filenamelist);
    showFileExample();
    showFolderExample();
}

void OptionsDialog::showNextPage() {
    m_pages->setCurrentIndex((m_pages->currentIndex() + 1) % m_pages->count());
}

bool OptionsDialog::isHelpLink(const QObject *object) const {
    return object == m_folderFromTagHelp || object == m_renameFilesHelp ||
           object == m_replaceExistingHelp || object == m_skipExistingHelp ||
           object == m_autoAddHelp;
}

void OptionsDialog::showHelp(const QObject *link) {
    QString text;
    if (link == m_folderFromTagHelp)
        text = kHelpFolderFromTag;
    else if (link == m_renameFilesHelp)
        text = kHelpFileFromTag;
    else if (link == m_replaceExistingHelp)
        text = kHelpReplaceExisting;
    else if (link == m_skipExistingHelp)
        text = kHelpSkipExisting;
    else if (link == m_autoAddHelp)
        text = kHelpAutoAdd;
    if (!text.isEmpty())
        Dialogs().Message(text, MsgButtons::Ok, MsgIcon::Information);
}

bool OptionsDialog::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Close && watched == parentWidget()) {
        // The owner is closing and may close this window from its handler: that close asks
        // nothing. Should the owner refuse to close, the mark is gone by the next event.
        m_ownerClosing = true;
        QTimer::singleShot(0, this, [this] { m_ownerClosing = false; });
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease && isHelpLink(watched)) {
        showHelp(watched);
        return true;
    }
    if (event->type() == QEvent::KeyPress && isHelpLink(watched)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            showHelp(watched);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        // Only keys typed inside this window (not in the editor or another window).
        auto *w = qobject_cast<QWidget *>(watched);
        auto *key = static_cast<QKeyEvent *>(event);
        if (w && w->window() == this && key->key() == Qt::Key_Tab &&
            key->modifiers() == Qt::ControlModifier) {
            showNextPage();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void OptionsDialog::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void OptionsDialog::closeBy(CloseReason reason) {
    m_closeReason = reason;
    close();
    m_closeReason = CloseReason::CloseBox;
}

void OptionsDialog::closeEvent(QCloseEvent *event) {
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
            commit();
    }
    if (m_closeReason != CloseReason::Owner)
        bringOwnerToFront();
    QApplication::instance()->removeEventFilter(this);
    // The window is deleted later: an open() in between builds a new one.
    if (openWindow == this)
        openWindow = nullptr;
    event->accept();
}

void OptionsDialog::bringOwnerToFront() {
    QWidget *owner = parentWidget();
    if (owner && !owner->isMinimized()) {
        owner->raise();
        owner->activateWindow();
    }
}
