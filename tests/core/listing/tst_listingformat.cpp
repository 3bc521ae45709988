#include "listing/listingformat.h"

#include <QtTest>

// The whole page, with these pieces in place, is pinned by the golden listings of tst_folderlist.
class TestListingFormat : public QObject {
    Q_OBJECT

  private slots:
    void htmlColor_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blue-green-red order reversed") << 0xC56A31 << "#316AC5";
        QTest::newRow("black is six zeros") << 0 << "#000000";
        QTest::newRow("white") << 0xFFFFFF << "#FFFFFF";
        QTest::newRow("pure red in the low byte") << 255 << "#FF0000";
        QTest::newRow("pure blue in the third byte") << 0xFF0000 << "#0000FF";
        QTest::newRow("short number padded with zeros") << 0x00000A << "#0A0000";
        QTest::newRow("upper case digits") << 0xabcdef << "#EFCDAB";
    }
    void htmlColor() {
        QFETCH(int, colour);
        QFETCH(QString, expected);
        QCOMPARE(HtmlColor(colour), expected);
    }

    void tableTag_data() {
        QTest::addColumn<QString>("align");
        QTest::addColumn<QString>("expected");
        QTest::newRow("left leaves align out")
            << "left"
            << R"(<table width="95%" border="1" cellspacing="3" cellpadding="2">)";
        QTest::newRow("center appended with a blank")
            << "center"
            << R"(<table width="95%" border="1" cellspacing="3" cellpadding="2" align="center">)";
        QTest::newRow("Left in capitals is not left")
            << "Left"
            << R"(<table width="95%" border="1" cellspacing="3" cellpadding="2" align="Left">)";
        QTest::newRow("typed align cannot break out of the attribute")
            << R"(x" onload="y)"
            << R"(<table width="95%" border="1" cellspacing="3" cellpadding="2" align="x&quot; onload=&quot;y">)";
    }
    void tableTag() {
        QFETCH(QString, align);
        QFETCH(QString, expected);
        QCOMPARE(TableTag(95, 1, align, 2, 3), expected);
    }

    void escapeHtml_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain text unchanged") << "Song - Live.mp3"
                                              << "Song - Live.mp3";
        QTest::newRow("ampersand") << "R&B"
                                   << "R&amp;B";
        QTest::newRow("markup cannot be injected") << "<script>x<&script>.mp3"
                                                   << "&lt;script&gt;x&lt;&amp;script&gt;.mp3";
        QTest::newRow("double quote") << "a\"b"
                                      << "a&quot;b";
        QTest::newRow("apostrophe may stay") << "Ann's"
                                             << "Ann's";
        QTest::newRow("an entity is escaped, not trusted") << "&amp;"
                                                           << "&amp;amp;";
        QTest::newRow("latin-1 letter kept") << QString(QChar(0xE9)) << QString(QChar(0xE9));
        QTest::newRow("hiragana as a reference") << QString(QChar(0x3042)) << "&#12354;";
        QTest::newRow("euro sign as a reference") << QString(QChar(0x20AC)) << "&#8364;";
        QTest::newRow("astral character as one reference")
            << QString::fromUcs4(U"\U0001F3B5") << "&#127925;";
        QTest::newRow("lone surrogate replaced")
            << QString(QChar(0xD800)) + QLatin1Char('x') << "&#65533;x";
        QTest::newRow("forbidden control replaced") << QStringLiteral("a\x01z") << "a&#65533;z";
        QTest::newRow("tab and line breaks kept") << "a\tb\r\nc"
                                                  << "a\tb\r\nc";
        QTest::newRow("mixed after a plain start")
            << QStringLiteral("abc<") + QChar(0x3042) << "abc&lt;&#12354;";
    }
    void escapeHtml() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(EscapeHtml(text), expected);
    }

    void pathWithoutDrive_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("path unchanged") << "/home/ann/Music"
                                        << "/home/ann/Music";
        QTest::newRow("empty gives the root") << ""
                                              << "/";
        QTest::newRow("root stays root") << "/"
                                         << "/";
        QTest::newRow("short relative text unchanged") << "a"
                                                       << "a";
    }
    void pathWithoutDrive() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(PathWithoutDrive(path), expected);
    }
};

QTEST_GUILESS_MAIN(TestListingFormat)
#include "tst_listingformat.moc"
