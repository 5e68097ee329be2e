// The translation catalogues: every text of the program is translated in every language (no
// unfinished, empty or vanished entry), placeholders survive translation, and the catalogues
// hold exactly the texts of the current sources.

#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
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

/*! True when the text carries an HTML tag such as <sub>, <b> or <br/>. */
bool hasMarkup(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("</?[a-zA-Z][a-zA-Z0-9]*( [^<>]*)?/?>"));
    return re.match(text).hasMatch();
}

/*! A name as the manual writes it and as a catalogue holds it, made comparable: without the
    accelerator '&', "..." as "…", blanks and line breaks as one blank, and without a trailing
    ellipsis or colon (a menu entry is named without them). */
QString comparable(QString text)
{
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("..."), QStringLiteral("…"));
    text = text.simplified();
    static const QRegularExpression tail(QStringLiteral("[\\s…:]+$"));
    return text.remove(tail);
}

/*! The texts a manual may name in one language: the program's catalogue, and the few texts of
    Qt's own dialogs and buttons that the manual names, translated by Qt's catalogue. */
struct InterfaceTexts
{
    std::set<QString> exact;
    QList<QRegularExpression> withPlaceholders; // "Über %1…" names "Über Mirelo 2…"

    bool contains(const QString &name) const
    {
        if (exact.count(name))
            return true;
        for (const QRegularExpression &re : withPlaceholders)
            if (re.match(name).hasMatch())
                return true;
        return false;
    }
};

InterfaceTexts interfaceTexts(const QList<Message> &messages, const QString &lang, QString *error)
{
    InterfaceTexts texts;
    for (const Message &m : messages) {
        const QString t = comparable(m.translation);
        texts.exact.insert(t);
        if (placeholders(t).isEmpty())
            continue;
        static const QRegularExpression placeholder(QStringLiteral("%L?\\d{1,2}"));
        QStringList pieces;
        for (const QString &piece : t.split(placeholder))
            pieces << QRegularExpression::escape(piece);
        texts.withPlaceholders << QRegularExpression(
            QLatin1Char('^') + pieces.join(QStringLiteral(".+")) + QLatin1Char('$'));
    }
    QTranslator qt;
    if (lang != QLatin1String("en") &&
        !qt.load(QStringLiteral("qtbase_") + lang,
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        *error = QStringLiteral("Qt's catalogue qtbase_%1 (Debian package qttranslations5-l10n) "
                                "is not installed")
                     .arg(lang);
        return texts;
    }
    const char *const qtTexts[][2] = {{"QWizard", "&Finish"},
                                      {"QPlatformTheme", "OK"},
                                      {"QPlatformTheme", "Cancel"},
                                      {"QPlatformTheme", "Save"}};
    for (const auto &t : qtTexts) {
        const QString translated = qt.isEmpty() ? QString() : qt.translate(t[0], t[1]);
        texts.exact.insert(comparable(translated.isEmpty() ? QLatin1String(t[1]) : translated));
    }
    return texts;
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
    void manualNamesTheInterface_data();
    void manualNamesTheInterface();
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
            // A plain source may label a check box or a button, which shows tags literally.
            else if (!hasMarkup(m.source) && hasMarkup(t))
                faults << where + QStringLiteral(" adds rich-text tags to a plain text: ") + t;
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
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("texts without a translation (run "
                                                          "scripts/update-translations.sh):\n") +
                                           missing.mid(0, 20).join('\n')));
    QVERIFY2(vanished.isEmpty(), qPrintable(QStringLiteral("texts no longer in the sources:\n") +
                                            vanished.mid(0, 20).join('\n')));
}

void tst_Catalogues::manualNamesTheInterface_data()
{
    QTest::addColumn<QString>("lang");
    for (const char *lang : {"en", "de", "pl"})
        if (QDir(QStringLiteral(M2_SOURCE_DIR "/docs/manual/") + QLatin1String(lang)).exists())
            QTest::newRow(lang) << QString::fromLatin1(lang);
}

void tst_Catalogues::manualNamesTheInterface()
{
    // The manual writes every name of the interface as [[Name]], a menu path as
    // [[Menu › Entry]]; each part must be a text the program shows in that language.
    QFETCH(QString, lang);
    QString error;
    const QList<Message> messages = readCatalogue(catalogue(lang), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const InterfaceTexts texts = interfaceTexts(messages, lang, &error);
    if (!error.isEmpty())
        QSKIP(qPrintable(error));
    const QDir dir(QStringLiteral(M2_SOURCE_DIR "/docs/manual/") + lang);
    static const QRegularExpression marked(QStringLiteral("\\[\\[([^\\[\\]]+)\\]\\]"));
    QStringList faults;
    int names = 0;
    for (const QString &chapter : dir.entryList({QStringLiteral("*.md")}, QDir::Files)) {
        QFile file(dir.filePath(chapter));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            auto it = marked.globalMatch(lines.at(i));
            while (it.hasNext()) {
                const QString name = it.next().captured(1);
                ++names;
                for (const QString &part : name.split(QStringLiteral("›")))
                    if (!texts.contains(comparable(part)))
                        faults << QStringLiteral("%1:%2: \"%3\" is no text of the program")
                                      .arg(chapter)
                                      .arg(i + 1)
                                      .arg(comparable(part));
            }
        }
    }
    QVERIFY2(names > 20, qPrintable(QStringLiteral("only %1 marked names").arg(names)));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

M2_TEST_GUILESS_MAIN(tst_Catalogues)
#include "tst_Catalogues.moc"
