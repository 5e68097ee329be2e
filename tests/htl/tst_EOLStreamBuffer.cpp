// Line-end normalisation of text streams.

#include "TestSupport.h"

#include "htl/HTL_EOLStreamBuffer.h"

#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

QStringList readLines(std::istream &in)
{
    QStringList lines;
    std::string line;
    while (std::getline(in, line))
        lines << QString::fromStdString(line);
    return lines;
}

} // namespace

class tst_EOLStreamBuffer : public QObject
{
    Q_OBJECT

private slots:
    void lineEnds_data();
    void lineEnds();
    void restoresBuffer();
    void fileWithCarriageReturns();
};

void tst_EOLStreamBuffer::lineEnds_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("cr only") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("crlf") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lfcr") << QByteArray("a\n\rb") << QStringList{"a", "b"};
    QTest::newRow("cr cr is two") << QByteArray("a\r\rb") << QStringList{"a", "", "b"};
    QTest::newRow("lf lf is two") << QByteArray("a\n\nb") << QStringList{"a", "", "b"};
    QTest::newRow("crlf crlf is two") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("record separator pair") << QByteArray("a\x1e\x1e b") << QStringList{"a", " b"};
    QTest::newRow("single record separator") << QByteArray("a\x1e"
                                                           "b")
                                             << QStringList{"a", "b"};
    QTest::newRow("mixed") << QByteArray("x\ry\r\nz\nw") << QStringList{"x", "y", "z", "w"};
    QTest::newRow("no line end") << QByteArray("plain") << QStringList{"plain"};
    QTest::newRow("empty") << QByteArray() << QStringList{};
}

void tst_EOLStreamBuffer::lineEnds()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, lines);
    std::istringstream in(input.toStdString());
    HTL::EOLStreamBuffer eol(in);
    QCOMPARE(readLines(in), lines);
}

void tst_EOLStreamBuffer::restoresBuffer()
{
    std::istringstream in("a\r\nb");
    std::streambuf *original = static_cast<std::istream &>(in).rdbuf();
    {
        HTL::EOLStreamBuffer eol(in);
        QVERIFY(static_cast<std::istream &>(in).rdbuf() == static_cast<std::streambuf *>(&eol));
        std::string first;
        QVERIFY(bool(std::getline(in, first)));
        QCOMPARE(first, std::string("a"));
    }
    QVERIFY(static_cast<std::istream &>(in).rdbuf() == original);
    // The rest comes from the original buffer as it is: the line feed of the "\r\n" pair was
    // not yet taken from it when the line ended.
    const std::string rest((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    QCOMPARE(rest, std::string("\nb"));
}

void tst_EOLStreamBuffer::fileWithCarriageReturns()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[LAYER]\rWIDTH = 20 mm\rNAME = brick\r");
    f.close();

    std::ifstream in(path.toStdString().c_str(), std::ios::binary);
    QVERIFY(in.is_open());
    HTL::EOLStreamBuffer eol(in);
    QCOMPARE(readLines(in), QStringList({"[LAYER]", "WIDTH = 20 mm", "NAME = brick"}));
}

M2_TEST_GUILESS_MAIN(tst_EOLStreamBuffer)
#include "tst_EOLStreamBuffer.moc"
