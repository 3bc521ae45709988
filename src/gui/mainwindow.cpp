#include "gui/mainwindow.h"

#include "base/appinfo.h"
#include "base/dialogseam.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "gui/aboutdialog.h"
#include "gui/exportcommand.h"
#include "gui/firstrun.h"
#include "gui/linklabel.h"
#include "gui/mainwindowupdates.h"
#include "gui/optionsdialog.h"
#include "gui/startup.h"
#include "gui/twips.h"
#include "listing/listingexport.h"
#include "organize/organizelist.h"
#include "update/updatecheck.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <climits>
#include <iterator>

namespace {
// The resize rules measure the outer window, frame included: borders add 120 twips to the
// width, caption and borders 465 to the height.
constexpr int kFrameWidthTwips = 120;
constexpr int kFrameHeightTwips = 465;
constexpr int kMinOuterWidthTwips = 7000;
constexpr int kMinOuterHeightTwips = 5000;
constexpr int kClientWidthTwips = 8895;
constexpr int kClientHeightTwips = 6405;

// Left edge of the two field labels: the window's margin.
constexpr int kLabelLeftTwips = 45;

constexpr int kLinkBackColor = 0xFF8080; // 0x00BBGGRR
constexpr int kLinkTextColor = 0xFFFFFF;

// Fonts here are often wider than the ones the layout was drawn for. A caption that would be
// clipped at its width is first set a little narrower (closer letters, then a condensed
// face, which the font engine synthesises where the family has none), keeping its size beside
// the fields and links it belongs with; only if that is not enough it gets a smaller size.
QFont FittedFont(QFont f, const QString &caption, int width) {
    const QString text = QString(caption).remove(QLatin1Char('&'));
    const auto fits = [&] { return QFontMetrics(f).horizontalAdvance(text) <= width; };
    for (int spacing = 98; !fits() && spacing >= 94; spacing -= 2)
        f.setLetterSpacing(QFont::PercentageSpacing, spacing);
    for (int stretch = 96; !fits() && stretch >= 80; stretch -= 4)
        f.setStretch(stretch);
    while (!fits() && f.pointSizeF() > 6.0)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    return f;
}

// Captions that read as a set (the links, the two field labels) share one font: the one that
// fits the widest of them. @p padding is the room the control keeps around its text.
template <class W> void FitTogether(std::initializer_list<W *> widgets, int padding) {
    QFont shared = (*widgets.begin())->font();
    int widest = INT_MIN;
    for (W *w : widgets) {
        const int over = QFontMetrics(w->font()).horizontalAdvance(w->text()) - w->width();
        if (over > widest) {
            widest = over;
            shared = FittedFont(w->font(), w->text(), w->width() - padding);
        }
    }
    for (W *w : widgets)
        w->setFont(shared);
}

// The window's buttons: Enter presses a focused one as Space does (outside a dialog Qt's
// buttons take only Space).
class WindowButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent *event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            !(event->modifiers() & ~Qt::KeypadModifier)) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

QPushButton *MakeButton(QWidget *parent, const QString &caption, const QString &tip,
                        const char *name) {
    auto *b = new WindowButton(caption, parent);
    b->setToolTip(tip);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

// A picture that opens something (the logo and the help icon): a link without text.
LinkLabel *MakePicture(QWidget *parent, const QString &resource, const char *name) {
    auto *picture = new LinkLabel(QString(), parent);
    picture->setObjectName(QLatin1String(name));
    picture->setAutoFillBackground(false);
    picture->setPixmap(QPixmap(resource));
    picture->setScaledContents(true);
    return picture;
}
} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Sortiva Media Organizer\u2122"));
    setWindowIcon(QIcon(QStringLiteral(":/images/sortiva.svg")));
    buildControls();
    buildListMenu();
    fitCaptions();
    setMinimumSize(Twips(this, kMinOuterWidthTwips - kFrameWidthTwips),
                   Twips(this, kMinOuterHeightTwips - kFrameHeightTwips));
    resize(Twips(this, kClientWidthTwips), Twips(this, kClientHeightTwips));
    setUpList();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    QFont normal = font();
    normal.setPointSizeF(8.5);
    setFont(normal);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("client"));
    setCentralWidget(central);

    m_logo = MakePicture(central, QStringLiteral(":/images/logo.svg"), "logo");
    connect(m_logo, &LinkLabel::clicked, this, &MainWindow::showAbout);
    PlaceTwips(m_logo, 150, 120, 3000, 1050);

    m_versionLabel = new QLabel(central);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    PlaceTwips(m_versionLabel, 3240, 900, 855, 195);

    m_linkFrame = new QFrame(central);
    m_linkFrame->setObjectName(QStringLiteral("linkFrame"));
    m_linkFrame->setFrameShape(QFrame::NoFrame);
    PlaceTwips(m_linkFrame, 6120, 0, 2580, 1275);

    const auto makeLink = [this](const QString &text, const char *name, int top, char letter) {
        auto *l = new LinkLabel(text, m_linkFrame);
        l->setObjectName(QLatin1String(name));
        l->setMnemonic(QLatin1Char(letter));
        l->setColors(kLinkTextColor, kLinkBackColor);
        PlaceTwips(l, 720, top, 1815, 285);
        return l;
    };
    // Each link's Alt+letter is a letter of its caption that no other control of the window
    // uses (the buttons and field labels mark theirs with "&").
    m_optionsLink = makeLink(QStringLiteral("Edit Program Options"), "optionsLink", 45, 'P');
    m_exportLink = makeLink(QStringLiteral("Export To Text/Html"), "exportLink", 360, 'X');
    m_filterLink = makeLink(QStringLiteral("Quick Filter Settings"), "filterLink", 675, 'Q');
    m_updateLink = makeLink(QStringLiteral("Check For Updates"), "updateLink", 990, 'U');
    m_optionsLink->setPressFeedback(true);
    m_filterLink->setPressFeedback(true);
    m_exportLink->setPressFeedback(true);
    connect(m_optionsLink, &LinkLabel::clicked, this, &MainWindow::openOptions);
    connect(m_filterLink, &LinkLabel::clicked, this, &MainWindow::openFilterSettings);
    connect(m_updateLink, &LinkLabel::clicked, this, &MainWindow::checkForUpdates);
    connect(m_exportLink, &LinkLabel::clicked, this, &MainWindow::exportListing);

    auto *help = MakePicture(m_linkFrame, QStringLiteral(":/images/help.svg"), "helpIcon");
    help->setToolTip(QStringLiteral("View The Help File"));
    connect(help, &LinkLabel::clicked, this, &MainWindow::showHelp);
    m_helpIcon = help;
    PlaceTwips(m_helpIcon, 120, 400, 360, 360);

    // The labels end just before their fields, as drawn, and may use the margin to their
    // left: fonts here run wider than the ones the window was designed with.
    m_sourceFolderLabel = new QLabel(QStringLiteral("&Source Media Folder:"), central);
    m_sourceFolderLabel->setObjectName(QStringLiteral("sourceFolderLabel"));
    PlaceTwips(m_sourceFolderLabel, kLabelLeftTwips, 1410, 1710 - kLabelLeftTwips, 255);
    m_outFolderLabel = new QLabel(QStringLiteral("Organize &To Folder:"), central);
    m_outFolderLabel->setObjectName(QStringLiteral("outFolderLabel"));
    PlaceTwips(m_outFolderLabel, kLabelLeftTwips, 1770, 1710 - kLabelLeftTwips, 255);
    for (QLabel *l : {m_sourceFolderLabel, m_outFolderLabel})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_sourceFolderEdit = new QLineEdit(central);
    m_sourceFolderEdit->setObjectName(QStringLiteral("sourceFolderEdit"));
    m_sourceFolderEdit->setToolTip(QStringLiteral("Path To The Folder That You Wish To Organize"));
    PlaceTwips(m_sourceFolderEdit, 1770, 1350, 5115, 315);
    m_outFolderEdit = new QLineEdit(central);
    m_outFolderEdit->setObjectName(QStringLiteral("outFolderEdit"));
    m_outFolderEdit->setToolTip(QStringLiteral(
        "Path To The Folder That You Wish To Organize The Files To... (Can Be Same As Source)"));
    PlaceTwips(m_outFolderEdit, 1770, 1710, 5115, 315);
    m_sourceFolderLabel->setBuddy(m_sourceFolderEdit);
    m_outFolderLabel->setBuddy(m_outFolderEdit);
    // Both paths are stored at every change, so a crash never loses the folders typed.
    connect(m_sourceFolderEdit, &QLineEdit::textChanged, this, [](const QString &t) {
        Settings.inpath = t;
        SettingsStore::Save(Keys::inpath, t);
    });
    connect(m_outFolderEdit, &QLineEdit::textChanged, this, [](const QString &t) {
        Settings.outpath = t;
        SettingsStore::Save(Keys::outpath, t);
    });

    m_commandFrame = new QFrame(central);
    m_commandFrame->setObjectName(QStringLiteral("commandFrame"));
    m_commandFrame->setFrameShape(QFrame::NoFrame);
    PlaceTwips(m_commandFrame, 6930, 1350, 1815, 690);
    m_sourceBrowseButton = MakeButton(m_commandFrame, QStringLiteral("..."),
                                      QStringLiteral("Browse For Folder"), "sourceBrowseButton");
    PlaceTwips(m_sourceBrowseButton, 45, 0, 375, 315);
    m_outBrowseButton = MakeButton(m_commandFrame, QStringLiteral("..."),
                                   QStringLiteral("Browse For Folder"), "outBrowseButton");
    PlaceTwips(m_outBrowseButton, 45, 360, 375, 315);
    m_loadButton = MakeButton(m_commandFrame, QStringLiteral("1. &Load    "),
                              QStringLiteral("Load The \"Source Media\" Folder Path Into The List"),
                              "loadButton");
    PlaceTwips(m_loadButton, 525, 0, 1215, 315);
    m_organizeButton = MakeButton(
        m_commandFrame, QStringLiteral("  2. &Organize"),
        QStringLiteral("Organize The Files In The List Into The \"Organize To\" Folder..."),
        "organizeButton");
    PlaceTwips(m_organizeButton, 525, 360, 1215, 315);
    connect(m_sourceBrowseButton, &QPushButton::clicked, this, &MainWindow::browseSourceFolder);
    connect(m_outBrowseButton, &QPushButton::clicked, this, &MainWindow::browseOutFolder);
    connect(m_loadButton, &QPushButton::clicked, this, &MainWindow::load);
    connect(m_organizeButton, &QPushButton::clicked, this, &MainWindow::organize);

    m_list = new QTreeView(central);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setAlternatingRowColors(false);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    PlaceTwips(m_list, 30, 2070, 8655, 3555);

    m_progressBar = new QProgressBar(central);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setTextVisible(false);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    PlaceTwips(m_progressBar, 45, 5715, 6435, 285);

    m_editButton = MakeButton(central, QStringLiteral("&Edit"),
                              QStringLiteral("Edit An Item In The List"), "editButton");
    PlaceTwips(m_editButton, 6540, 5685, 1065, 330);
    m_removeButton = MakeButton(central, QStringLiteral("&Remove"),
                                QStringLiteral("Remove Item From List"), "removeButton");
    PlaceTwips(m_removeButton, 7650, 5685, 1035, 330);
    connect(m_editButton, &QPushButton::clicked, this, &MainWindow::editRow);
    connect(m_removeButton, &QPushButton::clicked, this, &MainWindow::removeRow);

    // Tab walks the work from top to bottom, each folder field followed by its browse
    // button, then the links, the help icon and the logo.
    QWidget *order[] = {
        m_sourceFolderEdit, m_sourceBrowseButton, m_outFolderEdit, m_outBrowseButton,
        m_loadButton,       m_organizeButton,     m_list,          m_editButton,
        m_removeButton,     m_optionsLink,        m_exportLink,    m_filterLink,
        m_updateLink,       m_helpIcon,           m_logo};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    const auto makePanel = [this](const char *name) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QLatin1String(name));
        panel->setMinimumWidth(Twips(this, 600));
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return panel;
    };
    m_activityPanel = makePanel("activityPanel");
    m_countPanel = makePanel("countPanel");
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->setSizeGripEnabled(true);
    statusBar()->addWidget(m_activityPanel, 3);
    statusBar()->addWidget(m_countPanel, 1);
}

void MainWindow::buildListMenu() {
    m_listMenu = new QMenu(QStringLiteral("LvMenu"), this);
    m_listMenu->setObjectName(QStringLiteral("listMenu"));
    const auto add = [this](const QString &text, const char *name) {
        QAction *action = m_listMenu->addAction(text);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    m_removeAction = add(QStringLiteral("Remove"), "removeAction");
    m_editAction = add(QStringLiteral("Edit Folder"), "editAction");
    m_renameAction = add(QStringLiteral("Rename File"), "renameAction");
    m_deleteAction = add(QStringLiteral("Delete File"), "deleteAction");
    m_playAction = add(QStringLiteral("Play MP3"), "playAction");
    m_viewTagAction = add(QStringLiteral("View ID3 Tag"), "viewTagAction");
    m_listMenu->addSeparator();
    m_errorDetailsAction = add(QStringLiteral("View Error Details"), "errorDetailsAction");
    m_listMenu->addSeparator();
    m_propertiesAction = add(QStringLiteral("Properties"), "propertiesAction");
    // Also in the menu of an empty list, which is what an organize leaves behind; its
    // shortcut works anywhere in the window but in a text field, where Ctrl+Z undoes typing.
    m_listMenu->addSeparator();
    m_undoAction = add(QStringLiteral("Undo Last Organize"), "undoAction");
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_undoAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_undoAction);
}

void MainWindow::fitCaptions() {
    FitTogether<QLabel>({m_optionsLink, m_exportLink, m_filterLink, m_updateLink}, 6);
    FitTogether<QLabel>({m_sourceFolderLabel, m_outFolderLabel}, 0);
    FitTogether<QPushButton>({m_loadButton, m_organizeButton}, 6);
}

void MainWindow::showAtStartup() {
    // Hand cursors on the links and pictures, as the export link carries.
    for (QWidget *w : {static_cast<QWidget *>(m_optionsLink), static_cast<QWidget *>(m_filterLink),
                       static_cast<QWidget *>(m_updateLink), static_cast<QWidget *>(m_logo),
                       static_cast<QWidget *>(m_helpIcon)})
        w->setCursor(m_exportLink->cursor());

    setWindowTitle(QStringLiteral("Sortiva Media Organizer\u2122 (") + AppVersionString() +
                   QLatin1Char(')'));
    m_versionLabel->setText(AppVersionString());

    setSourceFolder(Settings.inpath);
    setOutFolder(Settings.outpath);

    CenterWindow(this);
    // The work starts in the Source Media field, not on the logo that opens the Tab cycle.
    m_sourceFolderEdit->setFocus();
    show();
    QCoreApplication::processEvents();

    PlaceTwips(m_helpIcon, 120, 400, 480, 480);

    Options::AskFirstRunQuestion(this);
    CleanUpInstaller();
}

void MainWindow::setSourceFolder(const QString &folder) {
    m_sourceFolderEdit->setText(folder);
}

void MainWindow::setOutFolder(const QString &folder) {
    m_outFolderEdit->setText(folder);
}

QSize MainWindow::outerTwips() const {
    return QSize(ToTwips(this, width()) + kFrameWidthTwips,
                 ToTwips(this, height()) + kFrameHeightTwips);
}

void MainWindow::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    applyResizeRules();
}

void MainWindow::applyResizeRules() {
    if (isMinimized() || !m_list)
        return;
    const QSize outer = outerTwips();
    const int W = std::max(outer.width(), kMinOuterWidthTwips);
    const int H = std::max(outer.height(), kMinOuterHeightTwips);
    const auto tw = [this](QWidget *w) { return ToTwips(this, w->width()); };
    const auto th = [this](QWidget *w) { return ToTwips(this, w->height()); };
    const auto left = [this](QWidget *w) { return ToTwips(this, w->x()); };
    const auto top = [this](QWidget *w) { return ToTwips(this, w->y()); };

    PlaceTwips(m_list, left(m_list), top(m_list), W - 200, H - 3400);
    const int progressTop = top(m_list) + (H - 3400) + 100;
    const int progressWidth = W - (tw(m_editButton) + tw(m_removeButton) + 600);
    PlaceTwips(m_progressBar, left(m_progressBar), progressTop, progressWidth, th(m_progressBar));
    const int editLeft = progressWidth + 200;
    PlaceTwips(m_editButton, editLeft, progressTop, tw(m_editButton), th(m_editButton));
    PlaceTwips(m_removeButton, editLeft + tw(m_editButton) + 50, progressTop, tw(m_removeButton),
               th(m_removeButton));
    // Those rules leave Remove 180 twips short of the list's right edge: the row moves right
    // to end with the list, keeping its gaps, and the progress bar takes the room.
    const int shift = m_list->geometry().right() - m_removeButton->geometry().right();
    m_removeButton->move(m_removeButton->x() + shift, m_removeButton->y());
    m_editButton->move(m_editButton->x() + shift, m_editButton->y());
    m_progressBar->resize(m_progressBar->width() + shift, m_progressBar->height());
    PlaceTwips(m_linkFrame, W - (tw(m_linkFrame) + 200), top(m_linkFrame), tw(m_linkFrame),
               th(m_linkFrame));
    const int textWidth = W - left(m_sourceFolderEdit) - (tw(m_commandFrame) + 200);
    PlaceTwips(m_sourceFolderEdit, left(m_sourceFolderEdit), top(m_sourceFolderEdit), textWidth,
               th(m_sourceFolderEdit));
    PlaceTwips(m_outFolderEdit, left(m_outFolderEdit), top(m_outFolderEdit), textWidth,
               th(m_outFolderEdit));
    PlaceTwips(m_commandFrame, left(m_sourceFolderEdit) + textWidth + 50, top(m_commandFrame),
               tw(m_commandFrame), th(m_commandFrame));
}

void MainWindow::Status(int index, const QString &text) {
    if (index == 1)
        m_activityPanel->setText(text);
    else if (index == 2)
        m_countPanel->setText(text);
    // Letting events run here is what keeps Cancel, painting and progress alive during
    // long loops.
    QCoreApplication::processEvents();
}

QString MainWindow::statusText(int index) const {
    if (index == 1)
        return m_activityPanel->text();
    if (index == 2)
        return m_countPanel->text();
    return QString();
}

void MainWindow::SetProgressMax(int max) {
    m_progressBar->setValue(0);
    if (max > 0)
        m_progressBar->setMaximum(max);
}

void MainWindow::SetProgress(int value) {
    if (value >= m_progressBar->minimum() && value <= m_progressBar->maximum())
        m_progressBar->setValue(value);
}

void MainWindow::EnableButtons(bool enable) {
    for (QWidget *w :
         {static_cast<QWidget *>(m_organizeButton), static_cast<QWidget *>(m_exportLink),
          static_cast<QWidget *>(m_optionsLink), static_cast<QWidget *>(m_filterLink),
          static_cast<QWidget *>(m_updateLink), static_cast<QWidget *>(m_sourceBrowseButton),
          static_cast<QWidget *>(m_outBrowseButton), static_cast<QWidget *>(m_loadButton),
          static_cast<QWidget *>(m_removeButton), static_cast<QWidget *>(m_editButton)})
        w->setEnabled(enable);
    m_undoAction->setEnabled(enable);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    // A running Load or Organize is asked to stop and finishes the row in hand; the window
    // closes as soon as the loop has returned, so no file is left half handled.
    if (m_busy) {
        m_run.RequestClose();
        event->ignore();
        if (!m_closeRetry) {
            m_closeRetry = new QTimer(this);
            m_closeRetry->setInterval(20);
            connect(m_closeRetry, &QTimer::timeout, this, [this] { close(); });
        }
        m_closeRetry->start();
        return;
    }
    if (m_closeRetry)
        m_closeRetry->stop();
    if (m_closing) {
        event->accept();
        return;
    }
    m_closing = true;
    SaveSettings();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (w != this && w->isVisible())
            w->close();
    event->accept();
    // Qt ends the program when the last visible window closes; a window hidden before it
    // is closed (the update install hides it while the setup program starts) would leave
    // the program running unseen.
    if (isHidden())
        QCoreApplication::quit();
}

void MainWindow::openOptions() {
    openOptionsWindow(std::nullopt);
}

void MainWindow::openFilterSettings() {
    openOptionsWindow(OptionsDialog::Page::Filter);
}

void MainWindow::openOptionsWindow(std::optional<OptionsDialog::Page> page) {
    const bool isNew = OptionsDialog::instance() == nullptr;
    OptionsDialog *options = OptionsDialog::open(this, page);
    // A new Options window opens over the main window, not wherever the desktop puts it.
    if (isNew && options) {
        QPoint at = frameGeometry().center() - options->rect().center();
        at.setX(std::max(at.x(), 0));
        at.setY(std::max(at.y(), 0));
        options->move(at);
    }
}

void MainWindow::exportListing() {
    ShowExportDialog(this, *this, m_sourceFolderEdit->text(), m_outFolderEdit->text());
}

void MainWindow::checkForUpdates() {
    // One instance for the window's life, so a setup download goes on after its check.
    if (!m_updates)
        m_updates = new MainWindowUpdates(this, *this, m_updateLink);
    m_updates->check().Start();
}

void MainWindow::showAbout() {
    AboutDialog::openOrRaise(this);
}

void MainWindow::showHelp() {
    Dialogs().Message(QStringLiteral("Help is not yet implemented in this version. See the "
                                     "included readme.txt file for more information, help, "
                                     "and tips."),
                      MsgButtons::Ok, MsgIcon::Information);
}
