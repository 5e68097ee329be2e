// The translation catalogues: every text of the program is translated in every language (no
// unfinished, empty or vanished entry), placeholders survive translation, and the catalogues
// hold exactly the texts of the current sources.

#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <set>

namespace {

struct Message
{
    QString context, source, comment, translation, type;
    QStringList numerusForms;
    bool numerus = false;
};

QList<Message> readCatalogue(const QString &fileName, QString *error)
{
    QList<Message> messages;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            m = Message();
            m.context = context;
            m.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            m.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            if (m.numerus) {
                while (xml.readNextStartElement())
                    m.numerusForms << xml.readElementText();
            } else {
                m.translation = xml.readElementText();
            }
            messages << m;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QString catalogue(const QString &lang)
{
    return QStringLiteral(M2_SOURCE_DIR "/resources/translations/Mirelo2_%1.ts").arg(lang);
}

/*! The placeholders of a text (%1 … %99, %L1, %n), as a sorted list. */
QStringList placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%L?\\d{1,2}|%n"));
    QStringList found;
    auto it = re.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

class tst_Catalogues : public QObject
{
    Q_OBJECT

private slots:
    void everyTextTranslated_data();
    void everyTextTranslated();
    void catalogueMatchesTheSources_data();
    void catalogueMatchesTheSources();
};

void tst_Catalogues::everyTextTranslated_data()
{
    QTest::addColumn<QString>("lang");
    for (const char *lang : {"de", "pl", "en"})
        QTest::newRow(lang) << QString::fromLatin1(lang);
}

void tst_Catalogues::everyTextTranslated()
{
    QFETCH(QString, lang);
    QString error;
    const QList<Message> messages = readCatalogue(catalogue(lang), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 500);
    QStringList faults;
    for (const Message &m : messages) {
        const QString where = m.context + QStringLiteral(": \"") + m.source.left(60) + '"';
        if (!m.type.isEmpty()) {
            faults << where + QStringLiteral(" is ") + m.type;
            continue;
        }
        const QStringList texts = m.numerus ? m.numerusForms : QStringList{m.translation};
        for (const QString &t : texts) {
            if (t.trimmed().isEmpty() && !m.source.trimmed().isEmpty())
                faults << where + QStringLiteral(" has an empty translation");
            else if (!m.numerus && placeholders(t) != placeholders(m.source))
                faults << where + QStringLiteral(" loses or adds a placeholder: ") + t;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join('\n') +
                                           QStringLiteral("\n(%1 in all)").arg(faults.size())));
}

void tst_Catalogues::catalogueMatchesTheSources_data()
{
    everyTextTranslated_data();
}

void tst_Catalogues::catalogueMatchesTheSources()
{
    QFETCH(QString, lang);
    const QString lupdate = QStandardPaths::findExecutable(QStringLiteral("lupdate"));
    if (lupdate.isEmpty())
        QSKIP("lupdate (Debian package qttools5-dev-tools) is not installed");
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    QProcess process;
    process.setWorkingDirectory(QStringLiteral(M2_SOURCE_DIR));
    process.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
                            QStringLiteral("-locations"), QStringLiteral("none"),
                            QStringLiteral("app"), QStringLiteral("ui"), QStringLiteral("report"),
                            QStringLiteral("qtext"), QStringLiteral("document"),
                            QStringLiteral("persistence"), QStringLiteral("calculation"),
                            QStringLiteral("model"), QStringLiteral("settings"),
                            QStringLiteral("htl"), QStringLiteral("-ts"), fresh});
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 0);
    QString error;
    std::set<QString> inSources, inCatalogue;
    for (const Message &m : readCatalogue(fresh, &error))
        inSources.insert(m.context + '\x1f' + m.source + '\x1f' + m.comment);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (const Message &m : readCatalogue(catalogue(lang), &error))
        inCatalogue.insert(m.context + '\x1f' + m.source + '\x1f' + m.comment);
    QStringList missing, vanished;
    for (const QString &k : inSources)
        if (!inCatalogue.count(k))
            missing << k.section('\x1f', 0, 1).replace('\x1f', QStringLiteral(": "));
    for (const QString &k : inCatalogue)
        if (!inSources.count(k))
            vanished << k.section('\x1f', 0, 1).replace('\x1f', QStringLiteral(": "));
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("texts without a translation (run "
                                       "scripts/update-translations.sh):\n") +
                        missing.mid(0, 20).join('\n')));
    QVERIFY2(vanished.isEmpty(), qPrintable(QStringLiteral("texts no longer in the sources:\n") +
                                           vanished.mid(0, 20).join('\n')));
}

M2_TEST_GUILESS_MAIN(tst_Catalogues)
#include "tst_Catalogues.moc"
