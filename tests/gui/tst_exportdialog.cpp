#include "gui/exportcommand.h"
#include "gui/exportdialog.h"
#include "gui/pagepropertiesdialog.h"
#include "gui/qtdialogs.h"

#include "base/progressview.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

// The "Tabulo Lite" export dialog, its page look and the export it starts.
namespace {
template <typename T = QAbstractButton> T *Find(const QWidget *w, const QString &name) {
    T *widget = w->findChild<T *>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

QLineEdit *FilterEdit(const QWidget *d) {
    return Find<QLineEdit>(d, "filterEdit");
}

// Runs @p action on the next modal dialog of type T as soon as it is shown.
template <typename T> void WhenShown(std::function<void(T *)> action) {
    QTimer::singleShot(0, [action] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
            action(dialog);
        else
            WhenShown<T>(action); // not shown yet: look again
    });
}

void ClickPage(const char *button) {
    WhenShown<PagePropertiesDialog>([button](auto *f) { Find(f, QLatin1String(button))->click(); });
}

const HtmlPageSettingsRecord Stored{QStringLiteral("Stored Title"),
                                    QStringLiteral("left"),
                                    {2, 3, 4, 5},
                                    {0, 1, 2, 3, 0x0000FF, 0xC56A31, 0xFFFFFF},
                                    0};

bool SameLook(const HtmlPageSettingsRecord &a, const HtmlPageSettingsRecord &b) {
    return a.title == b.title && a.align == b.align && a.sizes == b.sizes && a.colors == b.colors &&
           a.alternate == b.alternate;
}
} // namespace

class TestExportDialog : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init() {
        TestEnv::ClearStore();
        Settings = SettingsRecord();
        Settings.dlistfilter = QStringLiteral("*.mp3;*.wav");
        Settings.noempty = 1;
        HtmlPageSettings = Stored;
    }

    void presets_data() {
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QString>("expected"); // "typed" is typed between two picks
        QTest::newRow("a preset replaces the filter")
            << QList<int>{2} << "mp3,mp4,mid,ogg,vob,wma,wav";
        QTest::newRow("the same preset again keeps typed text") << QList<int>{2, 2} << "typed";
        QTest::newRow("a position outside the list changes nothing") << QList<int>{13} << "mp3,wav";
    }
    void presets() {
        QFETCH(QList<int>, picks);
        QFETCH(QString, expected);
        ExportDialog dialog;
        for (int i = 0; i < picks.size(); ++i) {
            if (i > 0)
                FilterEdit(&dialog)->setText(QStringLiteral("typed"));
            emit Find<QComboBox>(&dialog, "presetCombo")->activated(picks[i]);
        }
        QCOMPARE(FilterEdit(&dialog)->text(), expected);
    }

    // The default filter shows whole in its field, also in a large font: the end of the text
    // is reached without the field scrolling.
    void defaultFilterShowsWhole() {
        const QFont font = QApplication::font();
        const auto restore = qScopeGuard([font] { QApplication::setFont(font); });
        QApplication::setFont(QFont(font.family(), 14));
        ExportDialog dialog;
        for (int i = 0; i < ExportDialog::Presets().size(); ++i)
            if (ExportDialog::Presets().at(i).first == QLatin1String("Default"))
                emit Find<QComboBox>(&dialog, "presetCombo")->activated(i);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLineEdit *edit = FilterEdit(&dialog);
        const auto cursorX = [edit] {
            return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
        };
        const int start = cursorX();
        edit->end(false);
        edit->repaint(); // the field scrolls to its cursor when painted
        const int advance = edit->fontMetrics().horizontalAdvance(edit->text());
        QVERIFY(qAbs(cursorX() - start - advance) <= 1);
    }

    // The save dialog names each pattern once, and the one it shows is the one it uses.
    void saveDialogNamesEachPatternOnce_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("text") << "Text Files (*.txt)|*.txt"
                              << "*.txt";
        QTest::newRow("html, described in other case") << "Html Files (*.Html)|*.html"
                                                       << "*.html";
    }
    void saveDialogNamesEachPatternOnce() {
        QFETCH(QString, filter);
        QFETCH(QString, pattern);
        const QStringList shown = QtNameFilters(filter);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().count(pattern, Qt::CaseInsensitive), 1);
        QVERIFY(shown.first().endsWith(QLatin1Char('(') + pattern + QLatin1Char(')')));
    }

    void htmlAsksForThePageLookFirst() {
        ExportDialog dialog;
        dialog.show();
        Find(&dialog, "saveAsHtmlCheck")->click();
        Find(&dialog, "sourceMediaRadio")->click();
        Find(&dialog, "noEmptyCheck")->click();
        FilterEdit(&dialog)->setText(QStringLiteral("avi, ogg"));
        ClickPage("cancelButton");
        dialog.confirm();
        QVERIFY(dialog.isVisible()); // the page look abandoned: the dialog stays
        QCOMPARE(dialog.listedFolder(), ListedFolder::SourceMedia);
        QCOMPARE(Settings.dlistfilter, QStringLiteral("*.avi;*.ogg")); // taken all the same
        QCOMPARE(Settings.noempty, 0);
        Find(&dialog, "organizeToRadio")->click();
        ClickPage("okButton");
        dialog.confirm();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.listedFolder(), ListedFolder::OrganizeTo);
        ExportDialog again;
        QCOMPARE(FilterEdit(&again)->text(), QStringLiteral("avi,ogg"));
        QVERIFY(Find(&again, "saveAsHtmlCheck")->isChecked());
    }

    void exportListsTheChosenFolder() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        dialogs.AnswerPath(dir.filePath(QStringLiteral("list.txt")));
        NoProgressView view;
        WhenShown<ExportDialog>([](ExportDialog *f) {
            Find(f, "sourceMediaRadio")->click();
            Find(f, "exportButton")->click();
        });
        ShowExportDialog(nullptr, view, QStringLiteral("/in"), QStringLiteral("/out"));
        // The file was asked for, then the source folder of the main window searched.
        QCOMPARE(dialogs.MessageTexts(), QStringList{"Unable to read directory! (/in)"});
    }

    // What the window shows is stored back unchanged, but for a size box holding a number.
    void sizeBoxesTakeWholeNumbersOnly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("blanks around a number allowed") << " 3 " << 3;
        QTest::newRow("words keep the old size") << "abc" << 2;
        QTest::newRow("negative keeps the old size") << "-1" << 2;
    }
    void sizeBoxesTakeWholeNumbersOnly() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        PagePropertiesDialog window;
        HtmlPageSettings = HtmlPageSettingsRecord();
        HtmlPageSettings.sizes[0] = 2;
        Find<QComboBox>(&window, "sizeCombo0")->setEditText(typed);
        window.saveLook();
        HtmlPageSettingsRecord expected = Stored;
        expected.sizes[0] = stored;
        QVERIFY(SameLook(HtmlPageSettings, expected));
    }
};

QTEST_MAIN(TestExportDialog)
#include "tst_exportdialog.moc"
