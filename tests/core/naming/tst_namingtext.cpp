#include "naming/namingtext.h"

#include <QTest>

// The inline text helpers must answer exactly as the Qt calls they stand in for.
class TestNamingText : public QObject {
    Q_OBJECT
  private slots:
    void replaceAllMatchesQt_data();
    void replaceAllMatchesQt();
    void findMatchesQt_data();
    void findMatchesQt();
    void numericMatchesTextUtil_data();
    void numericMatchesTextUtil();
    void trimInPlaceMatchesTrim_data();
    void trimInPlaceMatchesTrim();
    void searchIgnoringCaseMatchesQt_data();
    void searchIgnoringCaseMatchesQt();
};

void TestNamingText::replaceAllMatchesQt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("caseSensitive");
    QTest::newRow("every occurrence, any case") << "Feat x FEAT y feat"
                                                << "feat"
                                                << "ft" << false;
    QTest::newRow("exact case only") << "Trans-siber trans-siber"
                                     << "Trans-siber"
                                     << "Trans-Siber" << true;
    QTest::newRow("no overlapping matches") << "aaaa a"
                                            << "aa"
                                            << "b" << false;
    QTest::newRow("replacement holds the old text") << "x ft y ft"
                                                    << " ft "
                                                    << " With ft " << false;
    QTest::newRow("deleting rule") << "cd1 Song cd1"
                                   << "cd1"
                                   << "" << false;
    QTest::newRow("match at both ends") << "..a.."
                                        << "."
                                        << " " << false;
    QTest::newRow("nothing found") << "Corvelle"
                                   << "with"
                                   << "ft" << false;
    QTest::newRow("longer than the text") << "ab"
                                          << "abc"
                                          << "x" << false;
    QTest::newRow("empty text") << ""
                                << "a"
                                << "b" << false;
    QTest::newRow("non-ASCII text goes to Qt") << "Mötley feat Crüe"
                                               << "feat"
                                               << "ft" << false;
    QTest::newRow("Kelvin sign folds to k") << QString::fromUtf8("\u212Aendals") << "kendals"
                                            << "kendalls" << false;
    QTest::newRow("non-ASCII old text") << "karaoké KARAOKÉ"
                                        << "karaoké"
                                        << "Karaoke" << false;
}

void TestNamingText::replaceAllMatchesQt() {
    QFETCH(QString, text);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, caseSensitive);
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QString expected = text;
    expected.replace(before, after, cs);
    QString actual = text;
    NamingText::ReplaceAll(actual, before, after, cs);
    QCOMPARE(actual, expected);
}

void TestNamingText::findMatchesQt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("c");
    QTest::addColumn<int>("from");
    QTest::newRow("first blank") << "a b c" << QChar(' ') << 0;
    QTest::newRow("from the middle") << "a b c" << QChar(' ') << 2;
    QTest::newRow("from past the end") << "a b" << QChar(' ') << 5;
    QTest::newRow("missing") << "abc" << QChar('-') << 0;
    QTest::newRow("empty text") << "" << QChar(' ') << 0;
}

void TestNamingText::findMatchesQt() {
    QFETCH(QString, text);
    QFETCH(QChar, c);
    QFETCH(int, from);
    QCOMPARE(NamingText::Find(text, c.unicode(), from), text.indexOf(c, from));
}

void TestNamingText::numericMatchesTextUtil_data() {
    QTest::addColumn<QString>("text");
    for (const char *t : {"0",
                          "7",
                          "07",
                          "2001",
                          "123456789012345",
                          "1234567890123456",
                          "99999999999999999999999999",
                          "",
                          " ",
                          "12 ",
                          " 12",
                          "+5",
                          "-5",
                          "1.5",
                          ".",
                          "1.2.3",
                          "12a",
                          "a12",
                          "--1",
                          "0000000000000000000001"})
        QTest::newRow(*t ? t : "empty") << QString::fromLatin1(t);
    QTest::newRow("400 digits") << QString(400, QLatin1Char('9'));
}

void TestNamingText::numericMatchesTextUtil() {
    QFETCH(QString, text);
    QCOMPARE(NamingText::Numeric(text), TextUtil::IsNumeric(text));
    QCOMPARE(NamingText::NumericValue(text), TextUtil::NumericValue(text).value_or(0));
}

void TestNamingText::trimInPlaceMatchesTrim_data() {
    QTest::addColumn<QString>("text");
    for (const char *t : {"", " ", "   ", "a", " a", "a ", "  a b  ", "a  b", "\ta\t"})
        QTest::newRow(*t ? t : "empty") << QString::fromLatin1(t);
}

void TestNamingText::trimInPlaceMatchesTrim() {
    QFETCH(QString, text);
    QString s = text;
    NamingText::TrimInPlace(s);
    QCOMPARE(s, TextUtil::Trim(text));
}

void TestNamingText::searchIgnoringCaseMatchesQt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::newRow("same word") << "The"
                               << "the";
    QTest::newRow("other word of that length") << "tmx"
                                               << "tmd";
    QTest::newRow("longer text") << "there"
                                 << "the";
    QTest::newRow("found inside") << "Pembo With Kaz"
                                  << " with ";
    QTest::newRow("upper-case first letter") << "xTRANSx"
                                             << "trans";
    QTest::newRow("digits and signs") << "E-40"
                                      << "e-40";
    QTest::newRow("Kelvin sign folds to k") << QString::fromUtf8("\u212Aendals") << "kendals";
    QTest::newRow("long s folds to s") << QString::fromUtf8("\u017Faints") << "saints";
    QTest::newRow("accented letter") << QString::fromUtf8("caf\u00e9") << "cafe";
    QTest::newRow("empty text") << ""
                                << "the";
    QTest::newRow("ends with and") << "Pembo AND"
                                   << " and";
    QTest::newRow("ends with an accented letter") << QString::fromUtf8("Pembo \u00c9ND") << " and";
    QTest::newRow("extension in capitals") << "song.MP3"
                                           << ".mp3";
    QTest::newRow("leading article") << "THE Velvet"
                                     << "the ";
}

void TestNamingText::searchIgnoringCaseMatchesQt() {
    QFETCH(QString, text);
    QFETCH(QString, word);
    const QByteArray latin = word.toLatin1();
    QCOMPARE(NamingText::SameIgnoringCase(text, QLatin1StringView(latin)),
             text.compare(QLatin1StringView(latin), Qt::CaseInsensitive) == 0);
    QCOMPARE(NamingText::IndexOf(text, word, Qt::CaseInsensitive),
             text.indexOf(word, 0, Qt::CaseInsensitive));
    QCOMPARE(NamingText::IndexOf(text, word, Qt::CaseSensitive), text.indexOf(word));
    QCOMPARE(NamingText::StartsWithIgnoringCase(text, QLatin1StringView(latin)),
             text.startsWith(QLatin1StringView(latin), Qt::CaseInsensitive));
    QCOMPARE(NamingText::EndsWithIgnoringCase(text, QLatin1StringView(latin)),
             text.endsWith(QLatin1StringView(latin), Qt::CaseInsensitive));
    const QChar last = word.isEmpty() ? QChar(u' ') : word.back();
    QCOMPARE(NamingText::FindLast(text, last.unicode()), text.lastIndexOf(last));
}

QTEST_GUILESS_MAIN(TestNamingText)
#include "tst_namingtext.moc"
