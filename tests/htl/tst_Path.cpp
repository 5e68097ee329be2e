// Path normalisation, parent and file name, absolute paths and directory creation.

#include "TestSupport.h"

#include "htl/HTL_Exception.h"
#include "htl/HTL_Path.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

using HTL::Path;

class tst_Path : public QObject
{
    Q_OBJECT

private slots:
    void normalisation_data();
    void normalisation();
    void parentAndFilename_data();
    void parentAndFilename();
    void invalidPaths();
    void absolutePath();
    void currentDirectory();
    void makePathCreatesParents();
    void makePathFailureIsReported();
    void utf8Names();
};

void tst_Path::normalisation_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("windows path with blanks") << "  C:\\data\\proj\\ "
                                              << "C:/data/proj";
    QTest::newRow("dotdot absolute") << "/a/b/../c"
                                     << "/a/c";
    QTest::newRow("two dotdots") << "/a/b/../../c"
                                 << "/c";
    QTest::newRow("dotdot on drive") << "C:/a/../b"
                                     << "C:/b";
    QTest::newRow("dotdot relative kept") << "a/../b"
                                          << "a/../b";
    QTest::newRow("dotdot above root stays at root") << "/../x"
                                                     << "/x";
    QTest::newRow("leading dot slash") << "./x/y"
                                       << "x/y";
    QTest::newRow("dot slash short") << "./"
                                     << ".";
    QTest::newRow("root") << "/"
                          << "/";
    QTest::newRow("trailing slash") << "dir/"
                                    << "dir";
    QTest::newRow("tabs and carriage returns") << "\t/tmp/x\r"
                                               << "/tmp/x";
    QTest::newRow("single dot element kept") << "/a/./b"
                                             << "/a/./b";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only blanks") << "  \t "
                                 << "";
    QTest::newRow("trailing dotdot not resolved") << "/a/b/.."
                                                  << "/a/b/..";
    QTest::newRow("double slash in resolved path") << "/a//b/../c"
                                                   << "/a/c";
}

void tst_Path::normalisation()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const Path p(input.toStdString());
    QCOMPARE(QString::fromStdString(p.str()), expected);
    // Assignment normalises as construction does.
    Path q;
    q = input.toStdString();
    QCOMPARE(QString::fromStdString(q.str()), expected);
}

void tst_Path::parentAndFilename_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("filename");

    QTest::newRow("windows dir") << "  C:\\data\\proj\\ "
                                 << "C:/data"
                                 << "proj";
    QTest::newRow("bare file") << "file.m2p"
                               << "."
                               << "file.m2p";
    QTest::newRow("posix file") << "/home/u/wall.m2p"
                                << "/home/u"
                                << "wall.m2p";
    QTest::newRow("file in root") << "/wall.m2p"
                                  << "/"
                                  << "wall.m2p";
    QTest::newRow("drive root file") << "C:/x"
                                     << "C:"
                                     << "x";
}

void tst_Path::parentAndFilename()
{
    QFETCH(QString, input);
    QFETCH(QString, parent);
    QFETCH(QString, filename);
    const Path p(input.toStdString());
    QCOMPARE(QString::fromStdString(p.parentPath().str()), parent);
    QCOMPARE(QString::fromStdString(p.filename()), filename);
}

void tst_Path::invalidPaths()
{
    try {
        Path().filename();
        QFAIL("no exception");
    } catch (const HTL::Exception &e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Invalid path: ''"));
        QCOMPARE(e.entries().back().m_context, std::string("[Path::filename]"));
    }
    try {
        Path().parentPath();
        QFAIL("no exception");
    } catch (const HTL::Exception &e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Invalid path: ''"));
        QCOMPARE(e.entries().back().m_context, std::string("[Path::parentPath]"));
    }
    try {
        Path("C:").parentPath();
        QFAIL("no exception");
    } catch (const HTL::Exception &e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("No parent possible."));
        QCOMPARE(e.entries().back().m_context, std::string("[Path::parentPath]"));
    }
}

void tst_Path::absolutePath()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString oldCwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const QString cwd = QDir::currentPath(); // resolved the way the OS reports it
    QCOMPARE(QString::fromStdString(Path("sub/file.txt").absolutePath().str()),
             cwd + "/sub/file.txt");
    QCOMPARE(QString::fromStdString(Path("./file.txt").absolutePath().str()), cwd + "/file.txt");
    QCOMPARE(QString::fromStdString(Path(".").absolutePath().str()), cwd);
    QCOMPARE(QString::fromStdString(Path("/abs/x").absolutePath().str()), QStringLiteral("/abs/x"));
    QCOMPARE(QString::fromStdString(Path("D:\\x\\y").absolutePath().str()),
             QStringLiteral("D:/x/y"));
    QCOMPARE(QString::fromStdString(Path().absolutePath().str()), QString());
    QVERIFY(QDir::setCurrent(oldCwd));
}

void tst_Path::currentDirectory()
{
    QCOMPARE(QString::fromStdString(Path::current().str()), QDir::currentPath());
}

void tst_Path::makePathCreatesParents()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TestSupport::MessageCapture capture;
    const Path deep((dir.path() + "/a/b/c").toStdString());
    QVERIFY(!deep.exists());
    QVERIFY(deep.makePath());
    QVERIFY(deep.exists());
    QVERIFY(QFileInfo(dir.path() + "/a/b/c").isDir());
    QVERIFY(deep.makePath()); // existing directory
    // A path that is not normalised by the file system (".." below a missing directory) works
    // because the path resolves ".." itself.
    const Path viaParent((dir.path() + "/missing/../d/e").toStdString());
    QVERIFY(viaParent.makePath());
    QVERIFY(QFileInfo(dir.path() + "/d/e").isDir());
    QVERIFY(!QFileInfo::exists(dir.path() + "/missing"));
}

void tst_Path::makePathFailureIsReported()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("plainfile")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    TestSupport::MessageCapture capture;
    capture.expectError("Error in mkdir().");
    const Path below((dir.path() + "/plainfile/sub").toStdString());
    QVERIFY(!below.makePath());
    QVERIFY(!below.exists());
    QCOMPARE(capture.missingExpectedErrors(), 0);
    QCOMPARE(capture.messages().size(), 1);
    const auto &m = capture.messages().front();
    QCOMPARE(m.m_context, std::string("[HTL_Path::makePath]"));
    QCOMPARE(m.m_verbosity, -1);
    // The system's own reason comes first, then the failing call.
    QCOMPARE(QString::fromStdString(m.m_text), QString::fromLocal8Bit(std::strerror(ENOTDIR)) +
                                                   QStringLiteral("\nError in mkdir()."));
}

void tst_Path::utf8Names()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = dir.path() + QStringLiteral("/Wärmedämmung µ");
    const Path p(name.toUtf8().toStdString());
    QVERIFY(p.makePath());
    QVERIFY(QFileInfo(name).isDir());
    QCOMPARE(QString::fromStdString(p.filename()), QStringLiteral("Wärmedämmung µ"));
}

M2_TEST_GUILESS_MAIN(tst_Path)
#include "tst_Path.moc"
