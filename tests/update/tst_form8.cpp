#include "update/form8.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_Form8 : public QObject
{
    Q_OBJECT

private slots:
    void showsCaptionsAndValues();
    void buttonsAnswer_data();
    void buttonsAnswer();
    void closingCountsAsCancel();

private:
    static UpdateOffer Offer();
};

UpdateOffer tst_Form8::Offer()
{
    return UpdateOffer{QStringLiteral("1.4.1"), QStringLiteral("1.4.2"),
                       QStringLiteral("4.88 Mb"), QStringLiteral("30 November 2026")};
}

void tst_Form8::showsCaptionsAndValues()
{
    Form8 window;
    window.Fill(Offer());
    QCOMPARE(window.windowTitle(), QStringLiteral("Update Available"));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.lblCurrentVersion->text(), QStringLiteral("1.4.1"));
    QCOMPARE(window.lblVersion->text(), QStringLiteral("1.4.2"));
    QCOMPARE(window.lblSize->text(), QStringLiteral("4.88 Mb"));
    QCOMPARE(window.lblDate->text(), QStringLiteral("30 November 2026"));
    QCOMPARE(window.Command1->text(), QStringLiteral("Download"));
    QCOMPARE(window.Command2->text(), QStringLiteral("Cancel"));

    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts << label->text();
    for (const char *caption : {"Sortiva Media Organizer", "A New Update Is Available!",
                                "Current Version:", "Version:", "Size:", "Date:"})
        QVERIFY2(texts.contains(QLatin1String(caption)), caption);
}

void tst_Form8::buttonsAnswer_data()
{
    QTest::addColumn<bool>("download");
    QTest::newRow("Download accepts the offer") << true;
    QTest::newRow("Cancel declines it") << false;
}

void tst_Form8::buttonsAnswer()
{
    QFETCH(bool, download);
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<Form8 *>(QApplication::activeModalWidget());
        if (!window)
            return;
        QCOMPARE(window->lblVersion->text(), QStringLiteral("1.4.2"));
        QTest::mouseClick(download ? window->Command1 : window->Command2, Qt::LeftButton);
        clicked = true;
    });
    QCOMPARE(Form8::ShowOffer(nullptr, Offer()), download);
    QVERIFY(clicked);
}

void tst_Form8::closingCountsAsCancel()
{
    QTimer::singleShot(0, [] {
        if (QWidget *window = QApplication::activeModalWidget())
            window->close();
    });
    QVERIFY(!Form8::ShowOffer(nullptr, Offer()));
}

QTEST_MAIN(tst_Form8)
#include "tst_form8.moc"
