// Help topics: the page of a topic's chapter comes from the index the build writes beside the
// manual; a missing or broken index opens the manual at its start.

#include "TestMain.h"
#include "ui/Globals.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_HelpTopics : public QObject
{
    Q_OBJECT

private slots:
    void topicPages_data();
    void topicPages();
};

void tst_HelpTopics::topicPages_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("page");
    const QByteArray index = R"({"topics":[{"topic":0,"anchor":"contents","page":2},
                                 {"topic":5,"anchor":"new-project-wizard","page":7}]})";
    QTest::newRow("wizard") << index << 5 << 7;
    QTest::newRow("whole manual") << index << 0 << 2;
    QTest::newRow("unknown topic") << index << 9 << 0;
    QTest::newRow("broken index") << QByteArray("{\"topics\": [") << 5 << 0;
    QTest::newRow("no index") << QByteArray() << 5 << 0;
}

void tst_HelpTopics::topicPages()
{
    QFETCH(QByteArray, index);
    QFETCH(int, topic);
    QFETCH(int, page);
    QTemporaryDir dir;
    const QString manual = dir.filePath(QStringLiteral("Mirelo2_Documentation_en.pdf"));
    if (!index.isEmpty()) {
        QFile file(dir.filePath(QStringLiteral("Mirelo2_Documentation_en.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(index);
    }
    QCOMPARE(Globals::helpTopicPage(manual, topic), page);
}

M2_TEST_GUILESS_MAIN(tst_HelpTopics)
#include "tst_HelpTopics.moc"
