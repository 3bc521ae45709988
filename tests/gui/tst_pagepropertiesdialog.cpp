#include "gui/pagepropertiesdialog.h"

#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
const HtmlPageSettingsRecord Stored{QStringLiteral("Stored Title"),
                                    QStringLiteral("left"),
                                    {2, 3, 4, 5},
                                    {0, 1, 2, 3, 0x0000FF, 0xC56A31, 0xFFFFFF},
                                    0};

bool SameLook(const HtmlPageSettingsRecord &a, const HtmlPageSettingsRecord &b) {
    return a.title == b.title && a.align == b.align && a.sizes == b.sizes && a.colors == b.colors &&
           a.alternate == b.alternate;
}

// The widget of @p window named @p name; tests find widgets by their role.
template <typename T> T *Find(QWidget *window, const QString &name) {
    T *widget = window->findChild<T *>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

QComboBox *SizeCombo(QWidget *w, int i) {
    return Find<QComboBox>(w, QStringLiteral("sizeCombo%1").arg(i));
}
QComboBox *AlignCombo(QWidget *w) {
    return Find<QComboBox>(w, QStringLiteral("alignCombo"));
}
QLineEdit *TitleEdit(QWidget *w) {
    return Find<QLineEdit>(w, QStringLiteral("titleEdit"));
}
QCheckBox *AlternateCheck(QWidget *w) {
    return Find<QCheckBox>(w, QStringLiteral("alternateCheck"));
}
QPushButton *Button(QWidget *w, const char *name) {
    return Find<QPushButton>(w, QLatin1String(name));
}
} // namespace

class TestPagePropertiesDialog : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init() {
        TestEnv::ClearStore();
        HtmlPageSettings = Stored;
    }

    void opensWithTheSettings() {
        PagePropertiesDialog window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Modify Html Page Properties"));
        for (int i = 0; i < 7; ++i)
            QCOMPARE(window.swatchColor(i), Stored.colors[static_cast<size_t>(i)]);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(SizeCombo(&window, i)->currentText(),
                     QString::number(Stored.sizes[static_cast<size_t>(i)]));
        QCOMPARE(AlignCombo(&window)->currentText(), QStringLiteral("left"));
        QCOMPARE(TitleEdit(&window)->text(), QStringLiteral("Stored Title"));
        QVERIFY(!AlternateCheck(&window)->isChecked());
        // A stored 0 shows black.
        QVERIFY(Button(&window, "colorSwatch0")->styleSheet().contains(QStringLiteral("#000000")));
    }

    void defaults_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("title");
        QTest::newRow("a name makes the title")
            << std::optional<QString>(QStringLiteral("Ann")) << "Ann's Media File List";
        QTest::newRow("empty answer") << std::optional<QString>(QString()) << "My Media File List";
        QTest::newRow("cancelled question") << std::optional<QString>() << "My Media File List";
    }
    void defaults() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, title);
        ScriptedDialogs dialogs;
        dialogs.AnswerInput(answer);
        PagePropertiesDialog window;
        window.show();
        QTest::mouseClick(Button(&window, "defaultsButton"), Qt::LeftButton);
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked.at(0).text, QStringLiteral("Please enter your name."));
        QCOMPARE(dialogs.asked.at(0).title, QStringLiteral("Enter Name"));
        QCOMPARE(dialogs.asked.at(0).extra, QString());
        QCOMPARE(TitleEdit(&window)->text(), title);
        QCOMPARE(AlignCombo(&window)->currentText(), QStringLiteral("center"));
        QCOMPARE(SizeCombo(&window, 0)->currentText(), QStringLiteral("1"));
        QCOMPARE(SizeCombo(&window, 3)->currentText(), QStringLiteral("0"));
        QCOMPARE(window.swatchColor(1), 0xFDF5D5);
        QCOMPARE(window.swatchColor(3), 0xC0C0C0);
        QVERIFY(AlternateCheck(&window)->isChecked());
        // Then Cancel: the settings did not change.
        QTest::mouseClick(Button(&window, "cancelButton"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(SameLook(HtmlPageSettings, Stored));
        QVERIFY(SettingsStore::Get(Keys::htmltitle).isEmpty());
    }

    void okStoresTheWindow() {
        ScriptedDialogs dialogs;
        dialogs.AnswerInput(QStringLiteral("Ann"));
        PagePropertiesDialog window;
        window.show();
        window.applyDefaults();
        AlignCombo(&window)->setEditText(QStringLiteral("right"));
        QTest::mouseClick(Button(&window, "okButton"), Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(HtmlPageSettings.title, QStringLiteral("Ann's Media File List"));
        QCOMPARE(HtmlPageSettings.align, QStringLiteral("right"));
        QCOMPARE(HtmlPageSettings.sizes, (std::array<int, 4>{1, 1, 0, 0}));
        QCOMPARE(HtmlPageSettings.colors[2], 0x800000);
        QCOMPARE(HtmlPageSettings.alternate, 1);
        QCOMPARE(SettingsStore::Get(Keys::htmlalign), QStringLiteral("right"));
        QCOMPARE(SettingsStore::Get(Keys::htmltitle), QStringLiteral("Ann's Media File List"));
    }

    void sizeBoxes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("whole number taken") << "4" << 4;
        QTest::newRow("blanks around a number allowed") << " 3 " << 3;
        QTest::newRow("words keep the old size") << "abc" << 2;
        QTest::newRow("fraction keeps the old size") << "2.5" << 2;
        QTest::newRow("negative keeps the old size") << "-1" << 2;
        QTest::newRow("empty keeps the old size") << "" << 2;
    }
    void sizeBoxes() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        PagePropertiesDialog window;
        SizeCombo(&window, 0)->setEditText(typed);
        window.saveLook();
        QCOMPARE(HtmlPageSettings.sizes[0], stored);
        QCOMPARE(HtmlPageSettings.sizes[1], 3);
    }

    void swatches_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("shown");
        QTest::newRow("picked colour taken") << 0x123456 << 0x123456;
        QTest::newRow("cancelled dialog changes nothing") << -1 << 0x0000FF;
    }
    void swatches() {
        QFETCH(int, answer);
        QFETCH(int, shown);
        ScriptedDialogs dialogs;
        dialogs.AnswerColor(answer);
        PagePropertiesDialog window;
        window.show();
        QTest::mouseClick(Button(&window, "colorSwatch4"), Qt::LeftButton);
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked.at(0).kind, QStringLiteral("color"));
        QCOMPARE(dialogs.asked.at(0).text, QString::number(0x0000FF));
        QCOMPARE(window.swatchColor(4), shown);
        QCOMPARE(HtmlPageSettings.colors[4], 0x0000FF); // only OK stores it
        window.saveLook();
        QCOMPARE(HtmlPageSettings.colors[4], shown);
    }

    void closingCancels() {
        PagePropertiesDialog window;
        QTimer::singleShot(0, &window, &QWidget::close);
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        QVERIFY(SameLook(HtmlPageSettings, Stored));
    }
};

QTEST_MAIN(TestPagePropertiesDialog)
#include "tst_pagepropertiesdialog.moc"
