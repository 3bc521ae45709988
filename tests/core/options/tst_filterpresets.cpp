#include "options/filterpresets.h"

#include "base/settingskeys.h"

#include <QTest>

class tst_FilterPresets : public QObject {
    Q_OBJECT

  private slots:
    void presets_data();
    void presets();
    void defaultPresetIsTheDefaultFilter();
    void chooserAppliesOnlyAChangedPreset();
};

void tst_FilterPresets::presets_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::newRow("all files") << 0 << "All"
                               << "*";
    QTest::newRow("music") << 2 << "Music"
                           << "mp3,mp4,mid,ogg,vob,wma,wav";
    QTest::newRow("last entry with comma in its name")
        << 12 << "Music, Movies And Pictures"
        << "mp3,mp4,mid,ogg,vob,wma,wav,asf,avi,mpeg,mpg,mov,rm,wmv,gif,jpg,jpeg,jpe,jfif,jif,"
           "png,bmp,tiff,tif,rle,tga,msp,img,emf,wmf,wmi";
}

void tst_FilterPresets::presets() {
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QCOMPARE(int(FilterPresets().size()), 13);
    QCOMPARE(QString(FilterPresets()[size_t(index)].name), name);
    QCOMPARE(QString(FilterPresets()[size_t(index)].filter), filter);
}

void tst_FilterPresets::defaultPresetIsTheDefaultFilter() {
    QCOMPARE(QString(FilterPresets()[DefaultPresetIndex].name), QStringLiteral("Default"));
    QCOMPARE(QString(FilterPresets()[DefaultPresetIndex].filter),
             QString(Defaults::filterExtensions));
}

void tst_FilterPresets::chooserAppliesOnlyAChangedPreset() {
    FilterPresetChooser chooser;
    QString text = QStringLiteral("mp3");
    QVERIFY(!chooser.Choose(-1, text)); // outside the list: ignored
    QVERIFY(!chooser.Choose(13, text));
    QCOMPARE(chooser.LastPreset(), -1);
    QVERIFY(chooser.Choose(3, text));
    QCOMPARE(text, QStringLiteral("asf,avi,mpeg,mpg,mov,rm,wmv"));
    text = QStringLiteral("typed by hand");
    QVERIFY(!chooser.Choose(3, text)); // the same preset twice changes nothing
    QCOMPARE(text, QStringLiteral("typed by hand"));
    QVERIFY(chooser.Choose(0, text));
    QVERIFY(chooser.Choose(3, text)); // another one in between applies it again
    QCOMPARE(text, QStringLiteral("asf,avi,mpeg,mpg,mov,rm,wmv"));
    chooser.Reset();
    QCOMPARE(chooser.LastPreset(), -1);
    QVERIFY(chooser.Choose(3, text));
}

QTEST_GUILESS_MAIN(tst_FilterPresets)
#include "tst_filterpresets.moc"
