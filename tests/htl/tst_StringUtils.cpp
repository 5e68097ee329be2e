// Text conversions and the small text utilities of the keyword readers.

#include "TestSupport.h"

#include "htl/HTL_StringUtils.h"

#include <vector>

using namespace HTL;

Q_DECLARE_METATYPE(std::string)

class tst_StringUtils : public QObject
{
    Q_OBJECT

private slots:
    void utf8RoundTrip_data();
    void utf8RoundTrip();
    void invalidUtf8_data();
    void invalidUtf8();
    void invalidWide();
    void string2valValues();
    void string2valFailure_data();
    void string2valFailure();
    void hexDigits();
    void trim_data();
    void trim();
    void split_data();
    void split();
    void replaceLowerCutStrip();
};

void tst_StringUtils::utf8RoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << "Mirelo 2";
    QTest::newRow("two-byte") << QStringLiteral("Wärmeleitfähigkeit µ λ");
    QTest::newRow("three-byte") << QStringLiteral("€ ≤ ½");
    QTest::newRow("four-byte") << QString::fromUcs4(U"\U0001D11E clef");
    QTest::newRow("empty") << QString();
}

void tst_StringUtils::utf8RoundTrip()
{
    QFETCH(QString, text);
    const std::string utf8 = text.toUtf8().toStdString();
    const std::wstring wide = UTF8ToWstring(utf8);
    // Qt's own conversion is the independent reference for the wide text.
    QCOMPARE(QString::fromStdWString(wide), text);
    QCOMPARE(WstringToUTF8(wide), utf8);
    QCOMPARE(WstringToUTF8(text.toStdWString()), utf8);
}

void tst_StringUtils::invalidUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("truncated two-byte") << QByteArray("ab\xC3");
    QTest::newRow("lone continuation") << QByteArray("\x80");
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF");
    QTest::newRow("overlong three-byte") << QByteArray("\xE0\x80\xAF");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80");
    QTest::newRow("beyond unicode") << QByteArray("\xF4\x90\x80\x80");
    QTest::newRow("invalid lead byte") << QByteArray("\xFF");
    QTest::newRow("bad continuation") << QByteArray("\xC3\x28");
}

void tst_StringUtils::invalidUtf8()
{
    QFETCH(QByteArray, bytes);
    try {
        UTF8ToWstring(bytes.toStdString());
        QFAIL("no exception for malformed UTF-8");
    } catch (const Exception &e) {
        QCOMPARE(QString::fromUtf8(e.what()),
                 QStringLiteral("Cannot create wide string from UTF8 string."));
        QCOMPARE(e.entries().back().m_context, std::string("[HTL::UTF8ToWstring]"));
    }
}

void tst_StringUtils::invalidWide()
{
    const std::vector<std::wstring> bad = {std::wstring(1, wchar_t(0xD800)),
                                           std::wstring(1, wchar_t(0xDFFF))};
    for (const std::wstring &w : bad) {
        try {
            WstringToUTF8(w);
            QFAIL("no exception for an invalid wide character");
        } catch (const Exception &e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("Cannot create UTF8 string from wide string."));
            QCOMPARE(e.entries().back().m_context, std::string("[HTL::WstringToUTF8]"));
        }
    }
}

void tst_StringUtils::string2valValues()
{
    QCOMPARE(string2val<int>("42"), 42);
    QCOMPARE(string2val<int>("  -17 "), -17);
    QCOMPARE(string2val<unsigned int>("7"), 7u);
    QCOMPARE(string2val<double>("1.5e3"), 1500.0);
    QCOMPARE(string2val<double>("0.25"), 0.25);
    QCOMPARE(string2val<std::string>("word rest"), std::string("word"));
}

void tst_StringUtils::string2valFailure_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("overflow") << "99999999999";
}

void tst_StringUtils::string2valFailure()
{
    QFETCH(QString, text);
    try {
        string2val<int>(text.toStdString());
        QFAIL("no exception");
    } catch (const Exception &e) {
        QCOMPARE(QString::fromUtf8(e.what()), "Could not convert '" + text + "' into value.");
        QCOMPARE(e.entries().back().m_context, std::string("[string2val]"));
    }
}

void tst_StringUtils::hexDigits()
{
    const std::string digits = "0123456789ABCDEF";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        QCOMPARE(int(HexToShort(digits[i])), int(i));
        QCOMPARE(int(HexToShort(static_cast<char>(std::tolower(digits[i])))), int(i));
    }
    for (char c : std::string("gG/:@`x ")) {
        try {
            HexToShort(c);
            QFAIL(qPrintable(QStringLiteral("no exception for '%1'").arg(QLatin1Char(c))));
        } catch (const Exception &e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("Given char does not name a hex!"));
            QCOMPARE(e.entries().back().m_context, std::string("[HexToShort]"));
        }
    }
}

void tst_StringUtils::trim_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("chars");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default set") << " \t a b \r"
                                 << " \t\r"
                                 << "a b";
    QTest::newRow("only trim chars") << " \t\r "
                                     << " \t\r"
                                     << "";
    QTest::newRow("nothing to trim") << "abc"
                                     << " \t\r"
                                     << "abc";
    QTest::newRow("custom set") << "[[key]]"
                                << "[]"
                                << "key";
    QTest::newRow("empty") << ""
                           << " "
                           << "";
}

void tst_StringUtils::trim()
{
    QFETCH(QString, text);
    QFETCH(QString, chars);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(trimText(text.toStdString(), chars.toStdString())), expected);
    if (chars == QLatin1String(" \t\r"))
        QCOMPARE(QString::fromStdString(trimText(text.toStdString())), expected);
}

void tst_StringUtils::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("trimParts");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plain") << "a,b,c" << false << QStringList{"a", "b", "c"};
    QTest::newRow("empty parts dropped") << ",a,,b," << false << QStringList{"a", "b"};
    QTest::newRow("untrimmed") << " a , b" << false << QStringList{" a ", " b"};
    QTest::newRow("trimmed") << " a ,\tb\r, " << true << QStringList{"a", "b"};
    QTest::newRow("nothing left") << ",,," << false << QStringList{""};
    QTest::newRow("blank parts trimmed away") << " , " << true << QStringList{""};
    QTest::newRow("empty text") << "" << false << QStringList{""};
}

void tst_StringUtils::split()
{
    QFETCH(QString, text);
    QFETCH(bool, trimParts);
    QFETCH(QStringList, expected);
    const std::vector<std::string> parts = splitText(text.toStdString(), ',', trimParts);
    QStringList actual;
    for (const std::string &p : parts)
        actual << QString::fromStdString(p);
    QCOMPARE(actual, expected);
}

void tst_StringUtils::replaceLowerCutStrip()
{
    QCOMPARE(replaceAll("a-b-c", "-", "--"), std::string("a--b--c"));
    QCOMPARE(replaceAll("aaa", "aa", "b"), std::string("ba"));
    QCOMPARE(replaceAll("abc", "", "x"), std::string("abc"));
    QCOMPARE(replaceAll("", "a", "b"), std::string());
    QCOMPARE(lowerCase("MiReLo 2 [KEY]"), std::string("mirelo 2 [key]"));
    QCOMPARE(cutAtSemicolon("WIDTH = 20 mm ; comment; more"), std::string("WIDTH = 20 mm "));
    QCOMPARE(cutAtSemicolon("no comment"), std::string("no comment"));
    QCOMPARE(cutAtSemicolon(";all comment"), std::string());
    QCOMPARE(stripKeywordBrackets("[LAYER=]"), std::string("LAYER"));
    QCOMPARE(stripKeywordBrackets("[LAYER]"), std::string("LAYER"));
    QCOMPARE(stripKeywordBrackets("LAYER"), std::string("LAYER"));
    QCOMPARE(stripKeywordBrackets("[]"), std::string());
    QCOMPARE(stripKeywordBrackets("[=]"), std::string());
    QCOMPARE(stripKeywordBrackets(""), std::string());
}

M2_TEST_GUILESS_MAIN(tst_StringUtils)
#include "tst_StringUtils.moc"
