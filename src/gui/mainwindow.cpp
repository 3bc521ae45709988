#include "gui/mainwindow.h"

#include "base/appinfo.h"
#include "base/dialogseam.h"
#include "gui/aboutdialog.h"
#include "gui/linklabel.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "gui/startup.h"
#include "gui/twips.h"
#include "gui/windowlinks.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>

#include <functional>

namespace {
MainWindow *mainWindow = nullptr;

// The resize rules measure the outer window as the original frame did: borders add 120
// twips to the width, caption and borders 465 to the height.
constexpr int FrameWidthTwips = 120;
constexpr int FrameHeightTwips = 465;
constexpr int MinOuterWidthTwips = 7000;
constexpr int MinOuterHeightTwips = 5000;
constexpr int DesignClientWidth = 8895;
constexpr int DesignClientHeight = 6405;

constexpr int LinkBackColor = 0xFF8080; // 0x00BBGGRR
constexpr int LinkTextColor = 0xFFFFFF;

// Fonts differ from the ones the window was designed with; a caption that would be clipped
// at its designed width gets a slightly smaller font instead.
void FitText(QWidget *w, const QString &text)
{
    QFont f = w->font();
    while (f.pointSizeF() > 6.0 && QFontMetrics(f).horizontalAdvance(text) > w->width() - 6)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    w->setFont(f);
}

QPushButton *MakeButton(QWidget *parent, const QString &caption, const QString &tip,
                        const char *name)
{
    auto *b = new QPushButton(caption, parent);
    b->setToolTip(tip);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

// A picture label that reports clicks (the logo and the help icon).
class PictureLabel : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (onClick && rect().contains(event->position().toPoint()))
            onClick();
    }
};
} // namespace

MainWindow *RunningMainWindow()
{
    return mainWindow;
}

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    mainWindow = this;
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Sortiva Media Organizer\u2122"));
    setWindowIcon(QIcon(QStringLiteral(":/images/sortiva.svg")));
    BuildControls();
    SetUpList();
}

MainWindow::~MainWindow()
{
    if (mainWindow == this)
        mainWindow = nullptr;
}

void MainWindow::BuildControls()
{
    QFont designed = font();
    designed.setPointSizeF(8.5);
    setFont(designed);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("client"));
    setCentralWidget(central);

    auto *logo = new PictureLabel(central);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setPixmap(QPixmap(QStringLiteral(":/images/logo.svg")));
    logo->setScaledContents(true);
    logo->onClick = [this] { Image1_Click(); };
    Image1 = logo;
    PlaceTwips(Image1, 150, 120, 3000, 1050);

    lblVersion = new QLabel(central);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    PlaceTwips(lblVersion, 3240, 900, 855, 195);

    fraOptions = new QFrame(central);
    fraOptions->setObjectName(QStringLiteral("fraOptions"));
    fraOptions->setFrameShape(QFrame::NoFrame);
    PlaceTwips(fraOptions, 6120, 0, 2580, 1275);

    const auto makeLink = [this](const QString &text, const char *name, int top) {
        auto *l = new LinkLabel(text, fraOptions);
        l->setObjectName(QLatin1String(name));
        l->SetColors(LinkTextColor, LinkBackColor);
        PlaceTwips(l, 720, top, 1815, 285);
        return l;
    };
    Label1 = makeLink(QStringLiteral("Edit Program Options"), "Label1", 45);
    lblExport = makeLink(QStringLiteral("Export To Text/Html"), "lblExport", 360);
    Label2 = makeLink(QStringLiteral("Quick Filter Settings"), "Label2", 675);
    Label3 = makeLink(QStringLiteral("Check For Updates"), "Label3", 990);
    Label1->SetPressFeedback(true);
    Label2->SetPressFeedback(true);
    lblExport->SetPressFeedback(true);
    connect(Label1, &LinkLabel::clicked, this, &MainWindow::Label1_Click);
    connect(Label2, &LinkLabel::clicked, this, &MainWindow::Label2_Click);
    connect(Label3, &LinkLabel::clicked, this, &MainWindow::Label3_Click);
    connect(lblExport, &LinkLabel::clicked, this, &MainWindow::lblExport_Click);

    auto *help = new PictureLabel(fraOptions);
    help->setObjectName(QStringLiteral("Image2"));
    help->setPixmap(QPixmap(QStringLiteral(":/images/help.svg")));
    help->setScaledContents(true);
    help->setToolTip(QStringLiteral("View The Help File"));
    help->onClick = [this] { Image2_Click(); };
    Image2 = help;
    PlaceTwips(Image2, 120, 400, 360, 360);

    lblText[0] = new QLabel(QStringLiteral("Source Media Folder:"), central);
    lblText[0]->setObjectName(QStringLiteral("lblText0"));
    PlaceTwips(lblText[0], 150, 1410, 1695, 255);
    lblText[1] = new QLabel(QStringLiteral("Organize To Folder:"), central);
    lblText[1]->setObjectName(QStringLiteral("lblText1"));
    PlaceTwips(lblText[1], 210, 1770, 1515, 255);

    txtMediaFolder = new QLineEdit(central);
    txtMediaFolder->setObjectName(QStringLiteral("txtMediaFolder"));
    txtMediaFolder->setToolTip(QStringLiteral("Path To The Folder That You Wish To Organize"));
    PlaceTwips(txtMediaFolder, 1770, 1350, 5115, 315);
    txtOutFolder = new QLineEdit(central);
    txtOutFolder->setObjectName(QStringLiteral("txtOutFolder"));
    txtOutFolder->setToolTip(QStringLiteral(
        "Path To The Folder That You Wish To Organize The Files To... (Can Be Same As Source)"));
    PlaceTwips(txtOutFolder, 1770, 1710, 5115, 315);
    // Both paths are stored at every change, so a crash never loses the folders typed.
    connect(txtMediaFolder, &QLineEdit::textChanged, this, [](const QString &t) {
        Settings.inpath = t;
        SettingsStore::Save(Keys::inpath, t);
    });
    connect(txtOutFolder, &QLineEdit::textChanged, this, [](const QString &t) {
        Settings.outpath = t;
        SettingsStore::Save(Keys::outpath, t);
    });

    fraCommand = new QFrame(central);
    fraCommand->setObjectName(QStringLiteral("fraCommand"));
    fraCommand->setFrameShape(QFrame::NoFrame);
    PlaceTwips(fraCommand, 6930, 1350, 1815, 690);
    cmdMediaBrowse = MakeButton(fraCommand, QStringLiteral("..."), QStringLiteral("Browse For Folder"),
                                "cmdMediaBrowse");
    PlaceTwips(cmdMediaBrowse, 45, 0, 375, 315);
    cmdOutBrowse = MakeButton(fraCommand, QStringLiteral("..."), QStringLiteral("Browse For Folder"),
                              "cmdOutBrowse");
    PlaceTwips(cmdOutBrowse, 45, 360, 375, 315);
    cmdLoad = MakeButton(fraCommand, QStringLiteral("1. Load    "),
                         QStringLiteral("Load The \"Source Media\" Folder Path Into The List"),
                         "cmdLoad");
    PlaceTwips(cmdLoad, 525, 0, 1215, 315);
    cmdOrganize = MakeButton(
        fraCommand, QStringLiteral("  2. Organize"),
        QStringLiteral("Organize The Files In The List Into The \"Organize To\" Folder..."),
        "cmdOrganize");
    PlaceTwips(cmdOrganize, 525, 360, 1215, 315);
    connect(cmdMediaBrowse, &QPushButton::clicked, this, &MainWindow::cmdMediaBrowse_Click);
    connect(cmdOutBrowse, &QPushButton::clicked, this, &MainWindow::cmdOutBrowse_Click);
    connect(cmdLoad, &QPushButton::clicked, this, &MainWindow::cmdLoad_Click);
    connect(cmdOrganize, &QPushButton::clicked, this, &MainWindow::cmdOrganize_Click);

    lvFiles = new QTreeView(central);
    lvFiles->setObjectName(QStringLiteral("lvFiles"));
    lvFiles->setRootIsDecorated(false);
    lvFiles->setUniformRowHeights(true);
    lvFiles->setAllColumnsShowFocus(true);
    lvFiles->setAlternatingRowColors(false);
    lvFiles->setContextMenuPolicy(Qt::CustomContextMenu);
    PlaceTwips(lvFiles, 30, 2070, 8655, 3555);

    ProgressBar1 = new QProgressBar(central);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    PlaceTwips(ProgressBar1, 45, 5715, 6435, 285);

    cmdEdit = MakeButton(central, QStringLiteral("Edit"), QStringLiteral("Edit An Item In The List"),
                         "cmdEdit");
    PlaceTwips(cmdEdit, 6540, 5685, 1065, 330);
    cmdRemove = MakeButton(central, QStringLiteral("Remove"),
                           QStringLiteral("Remove Item From List"), "cmdRemove");
    PlaceTwips(cmdRemove, 7650, 5685, 1035, 330);
    connect(cmdEdit, &QPushButton::clicked, this, &MainWindow::cmdEdit_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &MainWindow::cmdRemove_Click);

    for (int i = 0; i < 2; ++i) {
        StatusPanel[i] = new QLabel(this);
        StatusPanel[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        StatusPanel[i]->setMinimumWidth(Twips(this, 600));
        StatusPanel[i]->setTextFormat(Qt::PlainText);
        StatusPanel[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);
    statusBar()->addWidget(StatusPanel[0], 3);
    statusBar()->addWidget(StatusPanel[1], 1);

    mnuLv = new QMenu(QStringLiteral("LvMenu"), this);
    mnuLv->setObjectName(QStringLiteral("mnuLv"));
    mnuRemove = mnuLv->addAction(QStringLiteral("Remove"));
    mnuEdit = mnuLv->addAction(QStringLiteral("Edit Folder"));
    mnuRename = mnuLv->addAction(QStringLiteral("Rename File"));
    mnuDelete = mnuLv->addAction(QStringLiteral("Delete File"));
    mnuPlay = mnuLv->addAction(QStringLiteral("Play MP3"));
    mnuViewTag = mnuLv->addAction(QStringLiteral("View ID3 Tag"));
    mnuLv->addSeparator();
    mnuErrorDetails = mnuLv->addAction(QStringLiteral("View Error Details"));
    mnuLv->addSeparator();
    mnuProperties = mnuLv->addAction(QStringLiteral("Properties"));

    for (LinkLabel *l : {Label1, lblExport, Label2, Label3})
        FitText(l, l->text());
    for (QLabel *l : lblText)
        FitText(l, l->text());
    // The two field labels read as a pair: both take the smaller of their fitted fonts.
    if (lblText[0]->font().pointSizeF() != lblText[1]->font().pointSizeF()) {
        QLabel *smaller = lblText[0]->font().pointSizeF() < lblText[1]->font().pointSizeF()
                              ? lblText[0] : lblText[1];
        for (QLabel *l : lblText)
            l->setFont(smaller->font());
    }
    for (QPushButton *b : {cmdLoad, cmdOrganize})
        FitText(b, b->text());

    setMinimumSize(Twips(this, MinOuterWidthTwips - FrameWidthTwips),
                   Twips(this, MinOuterHeightTwips - FrameHeightTwips));
    resize(Twips(this, DesignClientWidth), Twips(this, DesignClientHeight));
}

void MainWindow::Form_Load()
{
    // Hand cursors on the links and pictures, as the export link carries.
    for (QWidget *w : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2),
                       static_cast<QWidget *>(Label3), static_cast<QWidget *>(Image1),
                       static_cast<QWidget *>(Image2)})
        w->setCursor(lblExport->cursor());

    setWindowTitle(QStringLiteral("Sortiva Media Organizer\u2122 (") + AppVersionString() +
                   QLatin1Char(')'));
    lblVersion->setText(AppVersionString());

    CreateListingObject();

    txtMediaFolder->setText(Settings.inpath);
    txtOutFolder->setText(Settings.outpath);

    CenterWindow(this);
    show();
    QCoreApplication::processEvents();

    PlaceTwips(Image2, 120, 400, 480, 480);

    AskFirstRunQuestion(this);
    CleanUpPendingInstaller();
}

QSize MainWindow::OuterTwips() const
{
    return QSize(ToTwips(this, width()) + FrameWidthTwips,
                 ToTwips(this, height()) + FrameHeightTwips);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    ApplyResizeRules();
}

void MainWindow::ApplyResizeRules()
{
    if (isMinimized() || !lvFiles)
        return;
    const QSize outer = OuterTwips();
    const int W = std::max(outer.width(), MinOuterWidthTwips);
    const int H = std::max(outer.height(), MinOuterHeightTwips);
    const auto tw = [this](QWidget *w) { return ToTwips(this, w->width()); };
    const auto left = [this](QWidget *w) { return ToTwips(this, w->x()); };
    const auto top = [this](QWidget *w) { return ToTwips(this, w->y()); };
    const auto set = [](QWidget *w, int l, int t, int wd, int ht) { PlaceTwips(w, l, t, wd, ht); };

    set(lvFiles, left(lvFiles), top(lvFiles), W - 200, H - 3400);
    const int progressTop = top(lvFiles) + (H - 3400) + 100;
    const int progressWidth = W - (tw(cmdEdit) + tw(cmdRemove) + 600);
    set(ProgressBar1, left(ProgressBar1), progressTop, progressWidth,
        ToTwips(this, ProgressBar1->height()));
    const int editLeft = progressWidth + 200;
    set(cmdEdit, editLeft, progressTop, tw(cmdEdit), ToTwips(this, cmdEdit->height()));
    set(cmdRemove, editLeft + tw(cmdEdit) + 50, progressTop, tw(cmdRemove),
        ToTwips(this, cmdRemove->height()));
    set(fraOptions, W - (tw(fraOptions) + 200), top(fraOptions), tw(fraOptions),
        ToTwips(this, fraOptions->height()));
    const int textWidth = W - left(txtMediaFolder) - (tw(fraCommand) + 200);
    set(txtMediaFolder, left(txtMediaFolder), top(txtMediaFolder), textWidth,
        ToTwips(this, txtMediaFolder->height()));
    set(txtOutFolder, left(txtOutFolder), top(txtOutFolder), textWidth,
        ToTwips(this, txtOutFolder->height()));
    set(fraCommand, left(txtMediaFolder) + textWidth + 50, top(fraCommand), tw(fraCommand),
        ToTwips(this, fraCommand->height()));
}

void MainWindow::Status(int index, const QString &text)
{
    if (index >= 1 && index <= 2)
        StatusPanel[index - 1]->setText(text);
    // Letting events run here is what keeps Cancel, painting and progress alive during
    // long loops.
    QCoreApplication::processEvents();
}

QString MainWindow::StatusText(int index) const
{
    return index >= 1 && index <= 2 ? StatusPanel[index - 1]->text() : QString();
}

void MainWindow::SetProgressMax(int max)
{
    ProgressBar1->setValue(0);
    if (max > 0)
        ProgressBar1->setMaximum(max);
}

void MainWindow::SetProgress(int value)
{
    if (value >= ProgressBar1->minimum() && value <= ProgressBar1->maximum())
        ProgressBar1->setValue(value);
}

void MainWindow::EnableButtons(bool enable)
{
    for (QWidget *w : {static_cast<QWidget *>(cmdOrganize), static_cast<QWidget *>(lblExport),
                       static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2),
                       static_cast<QWidget *>(Label3), static_cast<QWidget *>(cmdMediaBrowse),
                       static_cast<QWidget *>(cmdOutBrowse), static_cast<QWidget *>(cmdLoad),
                       static_cast<QWidget *>(cmdRemove), static_cast<QWidget *>(cmdEdit)})
        w->setEnabled(enable);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A running Load or Organize is asked to stop and finishes the row in hand; the window
    // closes as soon as the loop has returned, so no file is left half handled.
    if (BusyCancel()) {
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
    ReleaseListingObject();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (w != this && w->isVisible())
            w->close();
    event->accept();
}

void MainWindow::Label1_Click()
{
    OpenOptionsWindow(this);
}

void MainWindow::Label2_Click()
{
    OpenOptionsWindow(this, OptionsDialog::Page::Filter);
}

void MainWindow::Label3_Click()
{
    StartUpdateCheck(this);
}

void MainWindow::lblExport_Click()
{
    OpenExportDialog(this);
}

void MainWindow::Image1_Click()
{
    AboutDialog::Open(this);
}

void MainWindow::Image2_Click()
{
    Dialogs().Message(QStringLiteral("Help is not yet implemented in this version. See the "
                                     "included readme.txt file for more information, help, "
                                     "and tips."),
                      MsgButtons::Ok, MsgIcon::Information);
}
