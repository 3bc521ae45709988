#include "base/extensionfilter.h"

#include <QTest>

class TestExtensionFilter : public QObject {
    Q_OBJECT

  private slots:
    void filterToPatterns_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("patterns");
        QTest::newRow("single extension") << "mp3"
                                          << "*.mp3";
        QTest::newRow("blank after comma removed") << "mp3, wma"
                                                   << "*.mp3;*.wma";
        QTest::newRow("empty means all files") << ""
                                               << "*.*";
        QTest::newRow("star means all files") << "*"
                                              << "*.*";
        QTest::newRow("outer commas dropped") << ",mp3,"
                                              << "*.mp3";
        QTest::newRow("empty element stays empty") << "mp3,,wav"
                                                   << "*.mp3;;*.wav";
        QTest::newRow("blanks around items, case kept") << "MP3 , wav ,"
                                                        << "*.MP3;*.wav";
        QTest::newRow("commas alone give star dot") << ",,,"
                                                    << "*.";
        QTest::newRow("default list")
            << "asf,avi,mp3,mp4,mid,mpeg,mpg,mov,ogg,vob,rm,wma,wav,wmi,wmv"
            << "*.asf;*.avi;*.mp3;*.mp4;*.mid;*.mpeg;*.mpg;*.mov;*.ogg;*.vob;*.rm;*.wma;*.wav;"
               "*.wmi;*.wmv";
        QTest::newRow("blanks inside an item removed") << "m p3"
                                                       << "*.mp3";
    }

    void filterToPatterns() {
        QFETCH(QString, list);
        QFETCH(QString, patterns);
        QCOMPARE(FilterToPatterns(list), patterns);
    }

    void patternsToFilter_data() {
        QTest::addColumn<QString>("patterns");
        QTest::addColumn<QString>("list");
        QTest::newRow("two patterns") << "*.mp3;*.wma"
                                      << "mp3,wma";
        QTest::newRow("all files") << "*.*"
                                   << "*";
        QTest::newRow("single pattern") << "*.mp3"
                                        << "mp3";
        QTest::newRow("empty gives star") << ""
                                          << "*";
        QTest::newRow("empty pattern stays empty") << "*.mp3;;*.wav"
                                                   << "mp3,,wav";
        QTest::newRow("blanks removed") << " *.mp3 ; *.wav "
                                        << "mp3,wav";
    }

    void patternsToFilter() {
        QFETCH(QString, patterns);
        QFETCH(QString, list);
        QCOMPARE(PatternsToFilter(patterns), list);
    }
};

QTEST_GUILESS_MAIN(TestExtensionFilter)
#include "tst_extensionfilter.moc"
