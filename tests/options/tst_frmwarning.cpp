#include "options/frmwarning.h"

#include "app/settings.h"
#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class tst_FrmWarning : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void showsItsTexts();
    void closing_data();
    void closing();
    void boxStoredWhenClicked();
};

void tst_FrmWarning::initTestCase()
{
    TestEnv::IsolateSettings();
}

void tst_FrmWarning::init()
{
    TestEnv::ClearStore();
    LoadSettings();
}

void tst_FrmWarning::showsItsTexts()
{
    QPointer<frmWarning> w = new frmWarning(nullptr);
    w->open();
    QCOMPARE(w->windowTitle(), QStringLiteral("Warning"));
    QVERIFY(w->isModal());
    QCOMPARE(w->Label1[0]->text(),
             QStringLiteral("Using an option other than the first option (Use First Section) may "
                            "result in Sortiva not being able to create a proper folder name "
                            "from the file! "));
    QVERIFY(w->Label1[1]->text().startsWith(
        QStringLiteral("It is recommended that you use at least no more then option 2")));
    QCOMPARE(w->chkShowWarning->text(),
             QStringLiteral("Do not show me this warning in the future."));
    QVERIFY(!w->chkShowWarning->isChecked());
    QVERIFY(!w->Image1->pixmap().isNull());
    QCOMPARE(w->OKButton->text(), QStringLiteral("OK"));
    w->close();
    QTRY_VERIFY(w.isNull());
}

void tst_FrmWarning::closing_data()
{
    QTest::addColumn<bool>("check");
    QTest::addColumn<bool>("byOk");
    QTest::addColumn<QString>("stored");
    QTest::newRow("ok with box unchecked stores 1") << false << true << "1";
    QTest::newRow("close box with box unchecked stores 1") << false << false << "1";
    QTest::newRow("ok with box checked stores 0") << true << true << "0";
    QTest::newRow("close box with box checked stores 0") << true << false << "0";
}

void tst_FrmWarning::closing()
{
    QFETCH(bool, check);
    QFETCH(bool, byOk);
    QFETCH(QString, stored);
    QPointer<frmWarning> w = new frmWarning(nullptr);
    w->open();
    w->chkShowWarning->setChecked(check); // set without a click: only closing stores it
    QCOMPARE(SettingsStore::Get(Keys::showwarn, QStringLiteral("missing")),
             QStringLiteral("missing"));
    if (byOk)
        QTest::mouseClick(w->OKButton, Qt::LeftButton);
    else
        w->close();
    QTRY_VERIFY(w.isNull());
    QCOMPARE(SettingsStore::Get(Keys::showwarn), stored);
    QCOMPARE(Settings.showwarn, stored.toInt());
}

void tst_FrmWarning::boxStoredWhenClicked()
{
    QPointer<frmWarning> w = new frmWarning(nullptr);
    w->open();
    QCheckBox *box = w->chkShowWarning;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("0"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QCOMPARE(SettingsStore::Get(Keys::showwarn), QStringLiteral("1"));
    QCOMPARE(Settings.showwarn, 1);
    w->close();
    QTRY_VERIFY(w.isNull());
}

QTEST_MAIN(tst_FrmWarning)
#include "tst_frmwarning.moc"
