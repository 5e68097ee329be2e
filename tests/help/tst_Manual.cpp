// The user manual as the build ships it: one PDF per language beside the executables, and the
// index beside it that maps every help topic of the program to the page of its chapter.

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString helpDir()
{
    return QStringLiteral(M2_BIN_DIR "/resources/DB_help");
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

/*! The topics the program opens: 0 the whole manual, 1 preferences, 2 layer editor, 3 climate
    editor, 4 database dialog, 5 new-project wizard, 6 report, 7 heat-flow directions, 8 quick
    start. */
constexpr int TopicCount = 9;

} // namespace

class tst_Manual : public QObject
{
    Q_OBJECT

private slots:
    void document_data();
    void document();
    void sameTopicsInEveryLanguage();
    void screenshotsInTheirLanguage_data();
    void screenshotsInTheirLanguage();
};

void tst_Manual::document_data()
{
    QTest::addColumn<QString>("lang");
    QTest::newRow("en") << QStringLiteral("en");
    QTest::newRow("de") << QStringLiteral("de");
    QTest::newRow("pl") << QStringLiteral("pl");
}

void tst_Manual::document()
{
    QFETCH(QString, lang);
    const QString base = helpDir() + QStringLiteral("/Mirelo2_Documentation_") + lang;
    const QByteArray pdf = readAll(base + QStringLiteral(".pdf"));
    QVERIFY2(pdf.startsWith("%PDF-"), qPrintable(base + QStringLiteral(".pdf is no PDF")));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    // Every page object of the file, counted the way a viewer counts them.
    const int pdfPages = pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") +
                         pdf.count("/Type/Page\n") + pdf.count("/Type/Page ");

    QJsonParseError error;
    const QJsonDocument json =
        QJsonDocument::fromJson(readAll(base + QStringLiteral(".json")), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonObject index = json.object();
    QCOMPARE(index.value(QStringLiteral("document")).toString(),
             QStringLiteral("Mirelo2_Documentation_%1.pdf").arg(lang));
    const int pages = index.value(QStringLiteral("pages")).toInt();
    QVERIFY(pages > 10);
    QCOMPARE(pdfPages, pages);

    const QJsonObject anchors = index.value(QStringLiteral("anchors")).toObject();
    const QJsonArray topics = index.value(QStringLiteral("topics")).toArray();
    QCOMPARE(topics.size(), TopicCount);
    int previousTopic = -1;
    for (const QJsonValue &v : topics) {
        const QJsonObject t = v.toObject();
        const int topic = t.value(QStringLiteral("topic")).toInt(-1);
        QCOMPARE(topic, previousTopic + 1);
        previousTopic = topic;
        const QString anchor = t.value(QStringLiteral("anchor")).toString();
        const int page = t.value(QStringLiteral("page")).toInt();
        QVERIFY2(anchors.contains(anchor),
                 qPrintable(QStringLiteral("topic %1: no anchor '%2'").arg(topic).arg(anchor)));
        QCOMPARE(anchors.value(anchor).toInt(), page);
        QVERIFY2(page >= 1 && page <= pages, qPrintable(anchor));
        // Topics 1 to 7 open a chapter of the body, after the title page and the contents.
        if (topic > 0)
            QVERIFY2(page > 2, qPrintable(anchor));
    }

    // Chapters are listed in reading order, each starting on its own page.
    const QJsonArray chapters = index.value(QStringLiteral("chapters")).toArray();
    QVERIFY(chapters.size() >= 10);
    int previousPage = 0;
    for (const QJsonValue &v : chapters) {
        const int page = v.toObject().value(QStringLiteral("page")).toInt();
        QVERIFY2(page > previousPage,
                 qPrintable(v.toObject().value(QStringLiteral("title")).toString()));
        previousPage = page;
    }
}

void tst_Manual::sameTopicsInEveryLanguage()
{
    QStringList reference;
    for (const QString &lang : {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("pl")}) {
        const QJsonObject index =
            QJsonDocument::fromJson(
                readAll(helpDir() + QStringLiteral("/Mirelo2_Documentation_%1.json").arg(lang)))
                .object();
        QStringList anchors;
        for (const QJsonValue &v : index.value(QStringLiteral("topics")).toArray())
            anchors << v.toObject().value(QStringLiteral("anchor")).toString();
        QStringList chapterAnchors;
        for (const QJsonValue &v : index.value(QStringLiteral("chapters")).toArray())
            chapterAnchors << v.toObject().value(QStringLiteral("anchor")).toString();
        anchors << chapterAnchors;
        if (reference.isEmpty())
            reference = anchors;
        else
            QCOMPARE(anchors, reference);
    }
    QVERIFY(!reference.isEmpty());
}

void tst_Manual::screenshotsInTheirLanguage_data()
{
    document_data();
}

void tst_Manual::screenshotsInTheirLanguage()
{
    // every picture a manual shows is a screenshot of the program in that manual's language
    QFETCH(QString, lang);
    const QDir manual(TestSupport::dataDir() + QStringLiteral("/../../docs/manual"));
    const QDir chapters(manual.filePath(lang));
    static const QRegularExpression picture(QStringLiteral(R"(^\s*!\[.*\]\((.+)\)\s*$)"),
                                            QRegularExpression::MultilineOption);
    int pictures = 0;
    for (const QString &chapter : chapters.entryList({QStringLiteral("*.md")}, QDir::Files)) {
        const QString text = QString::fromUtf8(readAll(chapters.filePath(chapter)));
        auto it = picture.globalMatch(text);
        while (it.hasNext()) {
            const QString path = it.next().captured(1);
            ++pictures;
            QVERIFY2(path.startsWith(QStringLiteral("images/") + lang + QLatin1Char('/')),
                     qPrintable(chapter + QStringLiteral(": ") + path));
            QVERIFY2(QFileInfo::exists(manual.filePath(path)),
                     qPrintable(chapter + QStringLiteral(": no ") + path));
        }
    }
    QVERIFY(pictures >= 5);
}

M2_TEST_GUILESS_MAIN(tst_Manual)
#include "tst_Manual.moc"
