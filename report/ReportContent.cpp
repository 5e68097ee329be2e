#include "report/ReportContent.h"

#include "qtext/LayoutDevice.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

// --- text metrics

void ReportTextMetrics::update(QTextDocument *document, QPaintDevice *device)
{
    // The kind of device and its resolution are the key, not the device itself: every PDF of a
    // --report-dir run is a new writer of the same kind and resolution, whose lines are as high
    // as those of the last one.
    const QString key = document->defaultFont().key() + document->defaultStyleSheet() +
                        QStringLiteral("|%1|%2x%3")
                            .arg(device->devType())
                            .arg(device->logicalDpiX())
                            .arg(device->logicalDpiY());
    if (key == m_key)
        return;
    m_key = key;
    const QString sample = QStringLiteral("QWERTZUIOP\xc3\x9c"
                                          "ASDFGHJKL\xc3\x96\xc3\x84YXCVBNM qwertzuiop\xc3\xbc"
                                          "asdfghjkl\xc3\xb6\xc3\xa4yxcvbnm ,.-;:_!?");
    const QString templates[StyleCount] = {
        QStringLiteral("%1"), QStringLiteral("<h1>%1</h1>"), QStringLiteral("<h2>%1</h2>"),
        QStringLiteral("<h3>%1</h3>"), QStringLiteral("<h4>%1</h4>")};
    document->documentLayout()->setPaintDevice(QtExt::LayoutDevice::of(device));
    document->setTextWidth(-1);
    for (int style = 0; style < StyleCount; ++style) {
        if (style == Plain)
            document->setPlainText(sample);
        else
            document->setHtml(templates[style].arg(sample));
        const QTextLayout *layout = document->begin().layout();
        if (layout && layout->lineCount() > 0) {
            const QTextLine line = layout->lineAt(0);
            m_height[style] = line.height();
            m_ascent[style] = line.ascent();
            m_descent[style] = line.descent();
        }
    }
}

// --- the content

void ReportContent::setData(const ProjectInformation &information,
                            const CalculationResults &calculated, const InputData &inputData,
                            const ReportSettings &options)
{
    info = information;
    for (QString *name :
         {&info.m_projectName, &info.m_constructionID, &info.m_userName, &info.m_company})
        *name = elide(*name, MaxNameLength);
    info.m_description = elide(info.m_description, MaxTextLength);
    info.m_disclaimerText = elide(info.m_disclaimerText, MaxTextLength);
    results = calculated;
    input = inputData;
    for (int i = 0; i < input.layerCount(); ++i)
        input.layer(i).m_name = elide(input.layer(i).m_name, MaxNameLength);
    settings = options;
    assessment = Assessment::evaluate(input, results, info.m_heatFlowDirection,
                                      AssessmentOptions::forProject(options, info));
}

QString ReportContent::elide(const QString &text, int maxLength)
{
    if (text.size() <= maxLength)
        return text;
    int cut = std::max(0, maxLength - 1);
    // never between the two halves of a character outside the basic plane
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}
