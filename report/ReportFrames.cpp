#include "report/ReportFrames.h"

#include "calculation/ResultType.h"
#include "model/PhysicsFunctions.h"
#include "qtext/ConstructionGraphicsSceneHorizontal.h"
#include "qtext/Table.h"
#include "qtext/TextFrame.h"
#include "report/DiagramScene.h"
#include "report/Report.h"
#include "report/SketchLayers.h"
#include "settings/Constants.h"

#include <QAbstractTextDocumentLayout>
#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>

#include <cmath>
#include <limits>

namespace {

/*! The shade of the head rows of bordered tables and of the sub-headings of the summary. */
const QColor HeadShade(0xE6, 0xEA, 0xF0);
/*! Colours of the quantities of the results table, those of the profile diagrams: temperature
    in dark red, pressures in dark blue, moisture in blue. */
const char *const TemperatureColor = "#A00000";
const char *const PressureColor = "#00008B";
const char *const MoistureColor = "#0000FF";
/*! A verdict that fails is red, one that cannot be given amber, so that neither reads as a
    pass at a glance. */
const char *const FailColor = "#FF0000";
const char *const NoVerdictColor = "#B45F00";

/*! A number in the locale's notation without group separators, as everywhere in the program. */
QString localNumber(double value, char format, int precision)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

QString colored(const QString &text, const char *color)
{
    return QStringLiteral("<font color=\"%1\">%2</font>").arg(QLatin1String(color), text);
}

QString bold(const QString &text)
{
    return QStringLiteral("<b>%1</b>").arg(text);
}

QString h4(const QString &text)
{
    return QStringLiteral("<h4 style=\"white-space:nowrap\">%1</h4>").arg(text);
}

QString degreeC()
{
    return QString(QChar(0x00B0)) + QLatin1Char('C');
}

/*! A number in scientific notation for print: 1.08·10<sup>10</sup>. */
QString scientific(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("&ndash;");
    if (value == 0)
        return QStringLiteral("0");
    const int exponent = int(std::floor(std::log10(std::fabs(value))));
    const double mantissa = value / std::pow(10.0, exponent);
    return QStringLiteral("%1&middot;10<sup>%2</sup>")
        .arg(localNumber(mantissa, 'f', 2))
        .arg(exponent);
}

/*! A layer width in mm: whole millimetres without decimals, otherwise one decimal, two for
    sheets thinner than a millimetre. */
QString widthMM(double width_m)
{
    const double mm = width_m * 1000;
    const int decimals = mm < 1 ? 2 : (std::fabs(mm - std::round(mm)) < 1e-9 ? 0 : 1);
    return localNumber(mm, 'f', decimals);
}

/*! The diffusion resistance factor with the digits that matter: whole numbers from 100 on
    (foils reach 10⁵), one decimal above 1, two below (air layers). */
QString muText(double mu)
{
    return localNumber(mu, 'f', mu >= 100 ? 0 : mu >= 1 ? 1 : 2);
}

/*! Text kept on one line: a table cell laid out at exactly its ideal width must not wrap. */
QString noWrap(const QString &html)
{
    return QStringLiteral("<div style=\"white-space:nowrap\">%1</div>").arg(html);
}

QString verdictText(bool met)
{
    return noWrap(met ? bold(ReportFrameBase::tr("Requirement fulfilled"))
                      : bold(colored(ReportFrameBase::tr("Requirement not fulfilled"), FailColor)));
}

QString notEvaluatedText(const QString &reason)
{
    return bold(colored(ReportFrameBase::tr("not evaluated (%1)").arg(reason.toHtmlEscaped()),
                        NoVerdictColor));
}

/*! The layer as it heads its table row: its number and its colour beside the name, so that the
    row is found in the sketch at a glance. */
QString layerLabel(int index, const MaterialLayer &layer)
{
    const QColor color = layer.m_color.isValid() ? layer.m_color : Material::defaultColor();
    return QStringLiteral("%1&nbsp;<span style=\"background-color:%2\">&nbsp;&nbsp;&nbsp;&nbsp;"
                          "</span>&nbsp;%3")
        .arg(index + 1)
        .arg(color.name(), layer.m_name.toHtmlEscaped());
}

} // namespace

// --- text metrics

void ReportTextMetrics::update(QTextDocument *document, QPaintDevice *device)
{
    const QString fontKey = document->defaultFont().key() + document->defaultStyleSheet();
    if (device == m_device && fontKey == m_fontKey)
        return;
    m_device = device;
    m_fontKey = fontKey;
    const QString sample = QStringLiteral("QWERTZUIOP\xc3\x9c"
                                          "ASDFGHJKL\xc3\x96\xc3\x84YXCVBNM qwertzuiop\xc3\xbc"
                                          "asdfghjkl\xc3\xb6\xc3\xa4yxcvbnm ,.-;:_!?");
    const QString templates[StyleCount] = {
        QStringLiteral("%1"), QStringLiteral("<h1>%1</h1>"), QStringLiteral("<h2>%1</h2>"),
        QStringLiteral("<h3>%1</h3>"), QStringLiteral("<h4>%1</h4>")};
    document->documentLayout()->setPaintDevice(device);
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

// --- the frame base

struct ReportFrameBase::Part
{
    std::unique_ptr<QtExt::TextFrame> text;
    std::unique_ptr<QtExt::Table> table;
    std::function<void(QPainter *, const QRectF &)> paint;
    QStringList texts;
    double indent = 0;
    double rightInset = 0;
    double y = 0;
    double height = 0;
    /*! How far a picture reaches below its top (a logo beside a table), when more than its
        height. */
    double extent = 0;
};

ReportFrameBase::ReportFrameBase(Report *report, QTextDocument *document)
    : m_report(report)
    , m_document(document)
{
}

ReportFrameBase::~ReportFrameBase() = default;

void ReportFrameBase::update(QPaintDevice *device, double width)
{
    m_width = width;
    m_metrics.update(m_document, device);
    m_parts.clear();
    build(device, width);
    double y = 0;
    double bottom = 0;
    for (const std::unique_ptr<Part> &part : m_parts) {
        part->y = y;
        const double w = width - part->indent - part->rightInset;
        if (part->text)
            part->height = part->text->frameRect(device, w).height();
        else if (part->table) {
            part->table->setSize(QSizeF(w, 0));
            part->height = part->table->boundingRect(device, w).height();
        }
        y += part->height;
        bottom = std::max({bottom, y, part->y + part->extent});
    }
    m_rect = QRectF(0, 0, width, std::ceil(bottom));
}

void ReportFrameBase::print(QPainter *painter, const QRectF &rect)
{
    for (const std::unique_ptr<Part> &part : m_parts) {
        const QPointF topLeft = rect.topLeft() + QPointF(part->indent, part->y);
        if (part->text)
            part->text->paint(painter, topLeft, m_width - part->indent - part->rightInset);
        else if (part->table)
            part->table->paint(painter, topLeft);
        else if (part->paint)
            part->paint(painter, QRectF(topLeft, QSizeF(m_width - part->indent, part->height)));
    }
}

QString ReportFrameBase::plainText() const
{
    QStringList lines;
    for (const std::unique_ptr<Part> &part : m_parts) {
        QStringList texts = part->texts;
        if (part->text)
            texts << part->text->text();
        if (part->table)
            for (int r = 0; r < part->table->rowCount(); ++r) {
                QStringList row;
                for (int c = 0; c < part->table->columnCount(); ++c)
                    row << part->table->cell(c, r).text();
                texts << row.join(QLatin1Char(' '));
            }
        for (const QString &html : qAsConst(texts))
            lines << QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
    }
    return lines.join(QLatin1Char('\n'));
}

void ReportFrameBase::addText(const QString &html, double indent)
{
    auto part = std::make_unique<Part>();
    part->text.reset(new QtExt::TextFrame(m_document));
    part->text->setBackgroundColor(Qt::transparent);
    part->text->setText(html);
    part->indent = indent;
    m_parts.push_back(std::move(part));
}

void ReportFrameBase::addHeading(const QString &text)
{
    addText(QStringLiteral("<h2>%1</h2>").arg(text));
}

void ReportFrameBase::addSubHeading(const QString &text)
{
    if (!m_parts.empty())
        addGap(m_metrics.height(ReportTextMetrics::Plain) / 2);
    addText(QStringLiteral("<h3>%1</h3>").arg(text));
}

void ReportFrameBase::addNote(const QString &html)
{
    addText(QStringLiteral("<small>%1</small>").arg(html));
}

QtExt::Table *ReportFrameBase::addTable(double indent)
{
    auto part = std::make_unique<Part>();
    part->table.reset(makeTable(false));
    part->indent = indent;
    QtExt::Table *table = part->table.get();
    m_parts.push_back(std::move(part));
    return table;
}

void ReportFrameBase::setRightInset(double inset)
{
    if (!m_parts.empty())
        m_parts.back()->rightInset = inset;
}

void ReportFrameBase::addPicture(double height,
                                 std::function<void(QPainter *, const QRectF &)> paint,
                                 const QStringList &texts, double extent)
{
    auto part = std::make_unique<Part>();
    part->paint = std::move(paint);
    part->height = height;
    part->texts = texts;
    part->extent = extent;
    m_parts.push_back(std::move(part));
}

void ReportFrameBase::addGap(double height)
{
    auto part = std::make_unique<Part>();
    part->height = height;
    m_parts.push_back(std::move(part));
}

QtExt::Table *ReportFrameBase::makeTable(bool bordered)
{
    auto *table = new QtExt::Table(m_document);
    table->setDefaultCellMargin(m_report->defaultCellMargin());
    table->setTableMargin(0);
    table->setBackgroundColor(Qt::white);
    table->setInnerFrameWidth(bordered ? 0.25 : 0);
    table->setOuterFrameWidth(bordered ? m_report->defaultFrameWidth() : 0);
    return table;
}

QString ReportFrameBase::number(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("&ndash;");
    return localNumber(value, 'f', decimals);
}

namespace {

/*! Pads the cells of a bordered table so that the text keeps clear of the grid lines, and
    shades its head row. */
void formatBorderedTable(QtExt::Table *table, bool headRow)
{
    for (int c = 0; c < table->columnCount(); ++c)
        for (int r = 0; r < table->rowCount(); ++r) {
            QtExt::TableCell &cell = table->cell(c, r);
            // figures never break: a column as wide as its widest figure must not wrap it
            if (c > 0 && !cell.text().isEmpty() && !cell.text().startsWith(QLatin1String("<h4")))
                cell.setText(noWrap(cell.text()), cell.alignment());
            cell.setMargin(QtExt::TableCell::Left | QtExt::TableCell::Right, 4);
            cell.setMargin(QtExt::TableCell::Top | QtExt::TableCell::Bottom, 1.5);
            if (headRow && r == 0)
                cell.setBackgroundColor(HeadShade);
        }
}

/*! A two-column label/value table without lines, labels indented. */
QtExt::Table *labelValueRows(QtExt::Table *table, const QList<QPair<QString, QString>> &rows)
{
    table->setColsAndRows(2, rows.size());
    table->setColumnWidth(0, QtExt::Table::Natural);
    for (int r = 0; r < rows.size(); ++r) {
        table->setCellText(0, r, noWrap(rows[r].first));
        table->setCellText(1, r, rows[r].second);
        table->cell(0, r).setMargin(QtExt::TableCell::Left, 10);
        table->cell(0, r).setMargin(QtExt::TableCell::Right, 12);
        for (int c = 0; c < 2; ++c)
            table->cell(c, r).setMargin(QtExt::TableCell::Top | QtExt::TableCell::Bottom, 1);
    }
    return table;
}

/*! The device resolution over the image's, so that a logo keeps its size in inches. */
double logoScale(const QImage &image, QPaintDevice *device)
{
    const double imageDpi = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 96.0;
    return device->logicalDpiX() / imageDpi;
}

} // namespace

// --- header

void HeaderFrame::build(QPaintDevice *device, double)
{
    const QImage &logo = m_report->logoImage();
    const bool withLogo =
        m_report->userLogo().m_position == UserLogoSettings::LogoInPageHeader && !logo.isNull();
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    if (withLogo) {
        // the logo at the top right corner; the date moves below the program name, into a row
        // as high as the logo
        const double scale = logoScale(logo, device);
        const QSizeF size(logo.width() * scale, logo.height() * scale);
        const QImage image = logo;
        addPicture(
            0,
            [image, size](QPainter *painter, const QRectF &rect) {
                painter->drawImage(QRectF(QPointF(rect.right() - size.width(), rect.top()), size),
                                   image);
            },
            QStringList(), size.height());
    }
    QtExt::Table *table = addTable();
    table->setColsAndRows(2, withLogo ? 2 : 1);
    table->setCellText(0, 0, bold(QLatin1String(Constants::SettingsApplicationName)));
    if (withLogo) {
        const double scale = logoScale(logo, device);
        table->setRowHeight(1, QtExt::Table::Fixed, logo.height() * scale);
        table->setCellText(0, 1, date, Qt::AlignLeft | Qt::AlignBottom);
        table->cell(0, 1).setMargin(QtExt::TableCell::Bottom, m_report->defaultCellMargin());
    } else {
        table->setCellText(1, 0, date, Qt::AlignRight);
    }
    // a hairline under the header, a line's height above the first frame
    const double gap = m_metrics.height(ReportTextMetrics::Plain);
    const double mm = m_report->pixelsPerMillimetre();
    addPicture(gap, [mm](QPainter *painter, const QRectF &rect) {
        painter->save();
        painter->setPen(QPen(Qt::darkGray, std::max(1.0, 0.2 * mm)));
        const double y = rect.top() + rect.height() / 3;
        painter->drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
        painter->restore();
    });
}

// --- footer

void FooterFrame::build(QPaintDevice *, double)
{
    const double mm = m_report->pixelsPerMillimetre();
    // the line 4 mm below the top, the text from 5 mm
    addPicture(5 * mm, [mm](QPainter *painter, const QRectF &rect) {
        painter->save();
        painter->setPen(QPen(Qt::black, std::max(1.0, 0.25 * mm)));
        const double y = rect.top() + 4 * mm;
        painter->drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
        painter->restore();
    });
    m_table = addTable();
    m_table->setColsAndRows(2, 1);
    m_table->setCellText(0, 0, QStringLiteral("<small>%1</small>").arg(m_report->footerText()));
    m_table->setCellText(1, 0, pageText(1), Qt::AlignRight);
}

QString FooterFrame::pageText(int page) const
{
    if (!m_report->pageNumbersVisible())
        return QString();
    return QStringLiteral("<small>%1</small>")
        .arg(tr("Page %1 of %2").arg(page).arg(std::max(1, m_report->pageCount())));
}

void FooterFrame::print(QPainter *painter, const QRectF &rect)
{
    // a footer switched off has no size and paints nothing
    if (rect.width() <= 0 || rect.height() <= 0 || !m_table)
        return;
    m_table->setCellText(1, 0, pageText(m_page), Qt::AlignRight);
    ReportFrameBase::print(painter, rect);
}

// --- project information

void ReportFrameProjectInfo::build(QPaintDevice *device, double width)
{
    const ProjectInformation &info = m_report->projectInformation();
    QList<QPair<QString, QString>> rows;
    const QList<QPair<QString, QString>> all = {{tr("Project:"), info.m_projectName},
                                                {tr("Construction:"), info.m_constructionID},
                                                {tr("User:"), info.m_userName},
                                                {tr("Company:"), info.m_company}};
    for (const auto &row : all)
        if (!row.second.isEmpty())
            rows << qMakePair(bold(row.first), row.second.toHtmlEscaped());

    const QImage &logo = m_report->logoImage();
    const bool withLogo =
        m_report->userLogo().m_position == UserLogoSettings::LogoRightOfProjectInfo &&
        !logo.isNull();
    double logoWidth = 0;
    if (withLogo) {
        const double scale = logoScale(logo, device);
        // never more than half the page: the project's name needs the room
        logoWidth = std::min(logo.width() * scale, width / 2);
        const QSizeF size(logoWidth, logo.height() * scale * logoWidth / (logo.width() * scale));
        const QImage image = logo;
        addPicture(
            0,
            [image, size](QPainter *painter, const QRectF &rect) {
                painter->drawImage(QRectF(QPointF(rect.right() - size.width(), rect.top()), size),
                                   image);
            },
            QStringList(), size.height());
    }
    if (!rows.isEmpty()) {
        // the table gives up the logo's width; the logo stands to its right
        QtExt::Table *table = addTable();
        labelValueRows(table, rows);
        for (int r = 0; r < rows.size(); ++r)
            table->cell(0, r).setMargin(QtExt::TableCell::Left, 0);
        if (withLogo)
            setRightInset(logoWidth);
    }
    if (m_report->settings().m_printRemarkProjectInformation && !info.m_description.isEmpty()) {
        addGap(m_metrics.height(ReportTextMetrics::Plain) / 2);
        addText(info.m_description);
    }
    addGap(m_metrics.height(ReportTextMetrics::Plain));
}

// --- construction sketch

void SketchFrame::build(QPaintDevice *device, double width)
{
    addHeading(tr("Construction Sketch"));
    const InputData &input = m_report->inputData();
    const double height = std::round(width * 0.35);
    const double s = m_report->pixelsPerMillimetre();
    auto scene = std::make_shared<QtExt::ConstructionGraphicsSceneHorizontal>(false, device);
    std::vector<MaterialLayer> layers;
    for (int i = 0; i < input.layerCount(); ++i)
        layers.push_back(input.layer(i));
    scene->setup(QRectF(0, 0, width, height), device, s, SketchLayers::fromLayers(layers),
                 tr("inside"), tr("outside"),
                 QtExt::ConstructionGraphicsSceneBase::ShowWidths |
                     QtExt::ConstructionGraphicsSceneBase::ShowNames |
                     QtExt::ConstructionGraphicsSceneBase::ShowSideTexts);
    addPicture(height, [scene](QPainter *painter, const QRectF &rect) {
        scene->render(painter, rect, scene->sceneRect(), Qt::KeepAspectRatio);
    });
    addGap(m_metrics.height(ReportTextMetrics::Plain));
}

// --- material data

void ConstructionLayerFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Material Properties"));
    const InputData &input = m_report->inputData();
    const HeatFlowDirection direction = m_report->projectInformation().m_heatFlowDirection;
    const bool awPerSecond = m_report->settings().m_awInSeconds;
    const int n = input.layerCount();
    QtExt::Table *t = addTable();
    t->setInnerFrameWidth(0.25);
    t->setOuterFrameWidth(m_report->defaultFrameWidth());
    t->setColsAndRows(8, n + 1);
    const QString awUnit = awPerSecond ? QStringLiteral("kg/m<sup>2</sup>s<sup>&frac12;</sup>")
                                       : QStringLiteral("kg/m<sup>2</sup>h<sup>&frac12;</sup>");
    const QStringList heads = {
        h4(tr("Material")),
        h4(QStringLiteral("d<br/>[mm]")),
        h4(QStringLiteral("&rho;<br/>[kg/m<sup>3</sup>]")),
        h4(QStringLiteral("&lambda;<br/>[W/mK]")),
        h4(QStringLiteral("&mu;<br/>[---]")),
        h4(QStringLiteral("w<sub>80</sub><br/>[m<sup>3</sup>/m<sup>3</sup>]")),
        h4(QStringLiteral("w<sub>sat</sub><br/>[m<sup>3</sup>/m<sup>3</sup>]")),
        h4(QStringLiteral("A<sub>w</sub><br/>[%1]").arg(awUnit))};
    for (int c = 0; c < heads.size(); ++c)
        t->setCellText(c, 0, heads[c], c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    for (int i = 0; i < n; ++i) {
        const MaterialLayer &layer = input.layer(i);
        const int r = i + 1;
        const double aw = awPerSecond ? layer.m_A_w : layer.m_A_w * 60;
        t->setCellText(0, r, layerLabel(i, layer));
        const QStringList values = {widthMM(layer.m_width),
                                    number(layer.m_rho, 0),
                                    number(layer.lambda(direction), 3),
                                    muText(layer.mu()),
                                    number(layer.m_w_80, 3),
                                    number(layer.m_w_sat, 3),
                                    number(aw, awPerSecond ? 4 : 3)};
        for (int c = 0; c < values.size(); ++c)
            t->setCellText(c + 1, r, values[c], Qt::AlignRight);
    }
    for (int c = 1; c < 8; ++c)
        t->setColumnWidth(c, QtExt::Table::Natural);
    formatBorderedTable(t, true);
    addGap(m_metrics.height(ReportTextMetrics::Plain) / 3);
    addNote(QStringList({tr("d - layer thickness,"),
                         tr("&lambda; - design value of thermal conductivity,"),
                         tr("&mu; - vapour diffusion resistance factor,"),
                         tr("w<sub>80</sub>/w<sub>sat</sub> - %1,")
                             .arg(tr("moisture content for 80% RH. resp. saturation")),
                         tr("A<sub>w</sub> - %1,").arg(tr("water uptake coefficient")),
                         tr("layers from left to right")})
                .join(QLatin1Char(' ')));
    addGap(m_metrics.height(ReportTextMetrics::Plain));
}

// --- climate

void ClimateFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Climate Data"));
    const Climate &climate = m_report->inputData().climate();
    auto climateTable = [&](const ClimateCondition &inside, const ClimateCondition &outside) {
        QtExt::Table *t = addTable(10);
        t->setInnerFrameWidth(0.25);
        t->setOuterFrameWidth(m_report->defaultFrameWidth());
        t->setColsAndRows(3, 3);
        t->setCellText(1, 0, h4(tr("Temperature")), Qt::AlignRight);
        t->setCellText(2, 0, h4(tr("Relative Humidity")), Qt::AlignRight);
        t->setCellText(0, 1, tr("Climate at warm side"));
        t->setCellText(0, 2, tr("Climate at cold side"));
        const ClimateCondition *sides[2] = {&inside, &outside};
        for (int r = 0; r < 2; ++r) {
            t->setCellText(1, r + 1,
                           QStringLiteral("%1 %2").arg(number(sides[r]->m_T, 1), degreeC()),
                           Qt::AlignRight);
            t->setCellText(2, r + 1, QStringLiteral("%1 %").arg(number(sides[r]->m_rh, 1)),
                           Qt::AlignRight);
        }
        formatBorderedTable(t, true);
    };
    const double gap = m_metrics.height(ReportTextMetrics::Plain) / 3;
    addSubHeading(tr("Winter Climate"));
    climateTable(climate.insideWinter(), climate.outsideWinter());
    addGap(gap);
    addText(tr("Duration of Condensation Periode (winter)") +
                QStringLiteral(": %1 %2").arg(number(climate.tT(), 0), tr("Days")),
            10);
    addSubHeading(tr("Summer Climate"));
    climateTable(climate.insideSummer(), climate.outsideSummer());
    addGap(gap);
    addText(tr("Duration of Drying Periode (summer)") +
                QStringLiteral(": %1 %2").arg(number(climate.tT_summer(), 0), tr("Days")),
            10);
    addGap(m_metrics.height(ReportTextMetrics::Plain));
}

// --- surface resistances

void SurfaceResistanceFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Surface Resistances"));
    const Climate &climate = m_report->inputData().climate();
    const QString unit = QStringLiteral("= %1 m<sup>2</sup>K/W");
    labelValueRows(addTable(),
                   {{tr("Warm side:"), QStringLiteral("R<sub>si</sub> ") +
                                           unit.arg(number(climate.insideWinter().m_Rs, 2))},
                    {tr("Cold side:"), QStringLiteral("R<sub>se</sub> ") +
                                           unit.arg(number(climate.outsideWinter().m_Rs, 2))}});
    addGap(m_metrics.height(ReportTextMetrics::Plain));
}

// --- resistances

void ResistanceFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Thermal, Vapour Diffusion and Liquid Transport Resistances"));
    const InputData &input = m_report->inputData();
    const CalculationResults &r = m_report->results();
    const bool moist = m_report->moistureDependentLambda();
    const int n = input.layerCount();
    const std::vector<double> &R = moist ? r.R : r.R_Glaser;
    const bool complete = int(R.size()) == n && int(r.Z.size()) == n;
    QtExt::Table *t = addTable();
    t->setInnerFrameWidth(0.25);
    t->setOuterFrameWidth(m_report->defaultFrameWidth());
    t->setColsAndRows(4, n + 2);
    t->setCellText(0, 0, h4(tr("Layer / Material")));
    t->setCellText(1, 0, h4(QStringLiteral("R<br/>[m<sup>2</sup>K/W]")), Qt::AlignRight);
    t->setCellText(2, 0, h4(QStringLiteral("r<sub>v</sub><br/>[m/s]")), Qt::AlignRight);
    t->setCellText(3, 0, h4(QStringLiteral("r<sub>w</sub><br/>[m<sup>2</sup>s/kg]")),
                   Qt::AlignRight);
    double sumR = 0, sumZ = 0;
    for (int i = 0; i < n; ++i) {
        t->setCellText(0, i + 1, layerLabel(i, input.layer(i)));
        if (!complete)
            continue;
        sumR += R[std::size_t(i)];
        sumZ += r.Z[std::size_t(i)];
        t->setCellText(1, i + 1, number(R[std::size_t(i)], 3), Qt::AlignRight);
        t->setCellText(2, i + 1, scientific(r.Z[std::size_t(i)]), Qt::AlignRight);
        const double rw = std::size_t(i) < r.R_liq.size() ? r.R_liq[std::size_t(i)]
                                                          : std::numeric_limits<double>::infinity();
        t->setCellText(3, i + 1, scientific(rw), Qt::AlignRight);
    }
    t->setCellText(
        0, n + 1,
        bold(moist ? tr("Sum of resistances (moisture dependend)") : tr("Sum of resistances")));
    if (complete) {
        t->setCellText(1, n + 1, bold(number(sumR, 3)), Qt::AlignRight);
        t->setCellText(2, n + 1, bold(scientific(sumZ)), Qt::AlignRight);
    }
    for (int c = 1; c < 4; ++c)
        t->setColumnWidth(c, QtExt::Table::Natural);
    formatBorderedTable(t, true);
    for (int c = 0; c < 4; ++c)
        t->cell(c, n + 1).setBackgroundColor(HeadShade);

    addGap(m_metrics.height(ReportTextMetrics::Plain) / 2);
    // R_T and U with the surface resistances of ISO 6946, so that U = 1/R_T on the page
    const HeatFlowDirection direction = m_report->projectInformation().m_heatFlowDirection;
    const double layers = moist ? r.R_layers_moist : r.R_layers;
    const double RT = layers + CalculationResults::IsoSurfaceResistanceOutside +
                      CalculationResults::isoSurfaceResistanceInside(direction);
    const double U = CalculationResults::isoUValue(layers, direction);
    const QString suffix = moist ? tr(" (moisture dependend)") : QString();
    // "Thermal transmission resistance (moisture dependend):"
    auto label = [&](const QString &text) {
        return text.endsWith(QLatin1Char(':')) ? text.chopped(1) + suffix + QLatin1Char(':')
                                               : text + suffix;
    };
    const bool valid = r.type > ResultType::InvalidInput && complete;
    labelValueRows(
        addTable(),
        {{label(tr("Thermal transmission resistance:")),
          QStringLiteral("R<sub>T</sub> ") +
              (valid ? QStringLiteral("= %1 m<sup>2</sup>K/W").arg(number(RT, 3))
                     : QStringLiteral("&ndash;"))},
         {label(tr("Thermal transmission coefficient:")),
          QStringLiteral("U ") + (valid ? QStringLiteral("= %1 W/m<sup>2</sup>K").arg(number(U, 3))
                                        : QStringLiteral("&ndash;"))}});
    addNote(tr("R<sub>T</sub> and U with the surface resistances of DIN EN ISO 6946 "
               "(R<sub>si</sub> = %1 m<sup>2</sup>K/W, R<sub>se</sub> = %2 m<sup>2</sup>K/W).")
                .arg(number(CalculationResults::isoSurfaceResistanceInside(direction), 2),
                     number(CalculationResults::IsoSurfaceResistanceOutside, 2)));
    addGap(m_metrics.height(ReportTextMetrics::Plain));
}

// --- results table

void ResultsTableFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Temperatures, Vapoure Pressures and Moisture Contents"));
    const InputData &input = m_report->inputData();
    const CalculationResults &r = m_report->results();
    const int n = input.layerCount();
    const std::size_t faces = std::size_t(n) + 1;
    const bool complete = r.type > ResultType::InvalidInput && r.T.size() == faces &&
                          r.psat.size() == faces && r.pv.size() == faces &&
                          int(r.w_left.size()) == n && int(r.w_right.size()) == n &&
                          int(r.sk_Cond.size()) == n && int(r.m_condLayer.size()) == n;
    QtExt::Table *t = addTable();
    t->setInnerFrameWidth(0.25);
    t->setOuterFrameWidth(m_report->defaultFrameWidth());
    t->setColsAndRows(7, n + 3);
    const QString theta = QStringLiteral("&theta;");
    const QStringList heads = {h4(tr("Layer / Material")),
                               h4(theta + QStringLiteral("<br/>[%1]").arg(degreeC())),
                               h4(QStringLiteral("p<sub>sat</sub><br/>[Pa]")),
                               h4(QStringLiteral("p<br/>[Pa]")),
                               h4(QStringLiteral("w<br/>[m<sup>3</sup>/m<sup>3</sup>]")),
                               h4(QStringLiteral("d<sub>c</sub><br/>[mm]")),
                               h4(QStringLiteral("M<sub>c</sub><br/>[kg/m<sup>2</sup>]"))};
    for (int c = 0; c < heads.size(); ++c)
        t->setCellText(c, 0, heads[c], c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    t->setCellText(0, 1, tr("Air layer (warm side)"));
    t->setCellText(0, n + 2, tr("Air layer (cold side)"));
    for (int i = 0; i < n; ++i)
        t->setCellText(0, i + 2, layerLabel(i, input.layer(i)));
    // Each row shows temperature and pressures at its cold-side face: the warm air row the inner
    // surface, a layer its outer face, the cold air row the outdoor air itself.
    auto facts = [&](int row, double T, double psat, double p) {
        t->setCellText(1, row, colored(number(T, 2), TemperatureColor), Qt::AlignRight);
        t->setCellText(2, row, colored(number(psat, 0), PressureColor), Qt::AlignRight);
        t->setCellText(3, row, colored(number(p, 0), PressureColor), Qt::AlignRight);
    };
    if (complete) {
        facts(1, r.T[0], r.psat[0], r.pv[0]);
        for (int i = 0; i < n; ++i) {
            const std::size_t k = std::size_t(i);
            facts(i + 2, r.T[k + 1], r.psat[k + 1], r.pv[k + 1]);
            const double wl = r.w_left[k], wr = r.w_right[k];
            const QString w = std::fabs(wl - wr) < 5e-4
                                  ? number(wr, 3)
                                  : QStringLiteral("%1 / %2").arg(number(wl, 3), number(wr, 3));
            t->setCellText(4, i + 2, colored(w, MoistureColor), Qt::AlignRight);
            const bool condensate = r.m_condLayer[k] > 0;
            const QString dc = number(r.sk_Cond[k] * 1000, 1);
            const QString mc = number(r.m_condLayer[k], 3);
            t->setCellText(5, i + 2, condensate ? bold(colored(dc, MoistureColor)) : dc,
                           Qt::AlignRight);
            t->setCellText(6, i + 2, condensate ? bold(colored(mc, MoistureColor)) : mc,
                           Qt::AlignRight);
        }
        const ClimateCondition &outside = input.climate().outsideWinter();
        const double psat_e = p_sat_pow(outside.m_T);
        facts(n + 2, outside.m_T, psat_e, outside.m_rh / 100 * psat_e);
    }
    for (int c = 1; c < 7; ++c)
        t->setColumnWidth(c, QtExt::Table::Natural);
    formatBorderedTable(t, true);
    addGap(m_metrics.height(ReportTextMetrics::Plain) / 3);
    addNote(
        QStringList({tr("%1 - temperature,").arg(theta),
                     tr("%1 - saturation vapour pressure,").arg(QStringLiteral("p<sub>sat</sub>")),
                     tr("p - vapour pressure,"), tr("w - moisture content,"),
                     tr("d<sub>c</sub> - thickness of condensation layer,<br/>"),
                     tr("M<sub>c</sub> - %1").arg(tr("condensation mass"))})
            .join(QLatin1Char(' ')) +
        QStringLiteral("<br/>") +
        tr("&theta;, p<sub>sat</sub> and p at the cold-side face of each row (warm-side air "
           "layer: inner surface; cold-side air layer: outdoor air); w at the warm / cold "
           "face of the layer; values of the condensation period (moisture storage method)."));
    addGap(m_metrics.height(ReportTextMetrics::Plain));
}

// --- diagrams

DiagramFrame::DiagramFrame(Report *report, QTextDocument *document, int kind)
    : ReportFrameBase(report, document)
    , m_kind(kind)
{
}

void DiagramFrame::build(QPaintDevice *device, double width)
{
    if (m_kind == DiagramScene::MoistureContentProfile)
        addHeading(tr("Temperature and Moisture Profile"));
    else if (m_kind == DiagramScene::VapourPressureProfile)
        addHeading(tr("Temperature and Vapour Pressure Profile"));
    else
        addHeading(tr("Other Diagram"));
    const double height = std::round(width * AspectRatio);
    auto scene = std::make_shared<DiagramScene>(false);
    scene->update(QRectF(0, 0, width, height), device, m_report->pixelsPerMillimetre(),
                  m_report->results(), m_report->inputData(), m_kind);
    addPicture(height, [scene](QPainter *painter, const QRectF &rect) {
        scene->render(painter, rect, QRectF(0, 0, rect.width(), rect.height()),
                      Qt::KeepAspectRatio);
    });
    if (m_kind == DiagramScene::MoistureContentProfile)
        addNote(tr("Condensate (overhygroscopic moisture content) dark blue."));
    addGap(m_metrics.height(ReportTextMetrics::Plain));
}

// --- summary of results

void ReportFrameConclusions::build(QPaintDevice *, double)
{
    addHeading(tr("Print Summary of Results"));
    const Assessment &a = m_report->assessment();
    const CalculationResults &r = m_report->results();
    const Climate &climate = m_report->inputData().climate();
    const HeatFlowDirection direction = m_report->projectInformation().m_heatFlowDirection;
    const bool valid = a.thermalEvaluated;

    struct Row
    {
        QString label, symbol, value, unit;
        enum Kind
        {
            Values,
            Spanning,
            Heading,
            Check
        } kind;
    };
    QList<Row> rows;
    auto values = [&](const QString &label, const QString &symbol, const QString &value,
                      const QString &unit) {
        rows << Row{label, symbol, value, unit, Row::Values};
    };
    const QString wm2k = QStringLiteral("W/(m<sup>2</sup>K)");
    const QString none = QStringLiteral("&ndash;");
    values(tr("Thermal transmission coefficient of the construction (moisture dependent)"),
           QStringLiteral("U ="), valid ? number(r.U_moist, 3) : none, wm2k);
    values(tr("Thermal transmission coefficient of the construction according ISO 6946 (dry)"),
           QStringLiteral("U ="), valid ? number(r.U_ISO(direction), 3) : none, wm2k);
    values(tr("Thermal transfer resistance of the construction (dry)"), QStringLiteral("R ="),
           valid ? number(r.R_layers, 3) : none, QStringLiteral("m<sup>2</sup>K/W"));
    if (r.type < ResultType::CondensationPlane) {
        const QString text = r.type < ResultType::NoAlgorithm ? tr("Unspecific error.")
                                                              : ResultType::reportText(r.type);
        const bool fault =
            r.type != ResultType::OnlyOneLayer && r.type != ResultType::NoCondensation;
        rows << Row{fault ? bold(colored(text, FailColor)) : bold(text), QString(), QString(),
                    QString(), Row::Spanning};
    } else {
        values(tr("Condensation mass after condensation period (based on MIRELO)"),
               QStringLiteral("M<sub>c</sub> ="), number(r.m_cond, 3),
               QStringLiteral("kg/m<sup>2</sup>"));
        if (r.t_hyg == climate.tT(true))
            rows << Row{tr("Drying time"), QString(), tr("Not applicable"), QString(), Row::Values};
        else if (r.t_ev < 0)
            rows << Row{tr("Drying time"), QString(), tr("No drying"), QString(), Row::Values};
        else
            values(tr("Drying time"), QStringLiteral("t<sub>ev</sub> ="), number(r.t_ev / 86400, 2),
                   QStringLiteral("d"));
    }

    // the checks, each with its verdict from the assessment
    const QString reason = a.notEvaluatedReason;
    auto check = [&](const QString &label, bool evaluated, bool met) {
        rows << Row{label, QString(), evaluated ? verdictText(met) : notEvaluatedText(reason),
                    QString(), Row::Check};
    };
    rows << Row{tr("Minimum thermal protection"), QString(), QString(), QString(), Row::Heading};
    const MinimumHeatResistance::Result &minimum = a.minimum;
    check(MinimumHeatResistance::requirementText(minimum.m_edition, minimum.m_type),
          a.thermalEvaluated, minimum.m_fulfilled);
    if (minimum.m_frsiChecked)
        check(MinimumHeatResistance::temperatureFactorRequirementText(minimum.m_f_min) +
                  (a.thermalEvaluated ? QStringLiteral(", <i>f</i><sub>Rsi</sub> = ") +
                                            MinimumHeatResistance::temperatureFactorResultText(
                                                minimum.m_f_Rsi, minimum.m_frsiFulfilled)
                                      : QString()),
              a.thermalEvaluated, minimum.m_frsiFulfilled);

    const DINCriteriaResult &din = a.din;
    const bool evaluated = a.criteriaEvaluated();
    rows << Row{DINCriteriaResult::headingText(din.m_options.m_edition), QString(), QString(),
                QString(), Row::Heading};
    check(DINCriteriaResult::massRowText(din.m_nonCapillaryApplies), evaluated, din.m_massMet);
    if (din.woodRow() == DINCriteriaResult::TimberRow)
        check(DINCriteriaResult::timberRowText(), evaluated, din.m_woodMet);
    else if (din.woodRow() == DINCriteriaResult::WoodBasedRow)
        check(DINCriteriaResult::woodBasedRowText(), evaluated, din.m_woodMet);
    check(DINCriteriaResult::dryingTimeRowText(), evaluated, din.m_dryingTimeMet);
    const double reserve = din.m_options.m_dryingReserve;
    if (din.m_dryingReserveEvaluated)
        check(DINCriteriaResult::dryingReserveRowText(reserve), true, din.m_dryingReserveMet);
    else if (DINCriteriaResult::dryingReserveEvaluated(1, reserve))
        rows << Row{DINCriteriaResult::dryingReserveRowText(reserve), QString(),
                    evaluated ? tr("No condensate: no drying reserve to check")
                              : notEvaluatedText(reason),
                    QString(), Row::Check};
    if (!din.m_note.isEmpty())
        rows << Row{QStringLiteral("<small>%1</small>").arg(din.m_note), QString(), QString(),
                    QString(), Row::Spanning};

    QtExt::Table *t = addTable();
    t->setColsAndRows(4, rows.size());
    t->setColumnWidth(1, QtExt::Table::Natural);
    t->setColumnWidth(2, QtExt::Table::Natural);
    t->setColumnWidth(3, QtExt::Table::Natural);
    for (int i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        for (int c = 0; c < 4; ++c)
            t->cell(c, i).setMargin(QtExt::TableCell::AllSides, 4);
        t->cell(0, i).setMargin(QtExt::TableCell::Left, 10);
        t->cell(3, i).setMargin(QtExt::TableCell::Right, 10);
        switch (row.kind) {
        case Row::Values:
            t->setCellText(0, i, row.label, Qt::AlignLeft | Qt::AlignVCenter);
            t->setCellText(1, i, noWrap(row.symbol), Qt::AlignRight | Qt::AlignVCenter);
            t->setCellText(2, i, noWrap(row.value), Qt::AlignRight | Qt::AlignVCenter);
            t->setCellText(3, i, noWrap(row.unit), Qt::AlignLeft | Qt::AlignVCenter);
            break;
        case Row::Spanning:
            t->setCellText(0, i, row.label);
            t->mergeCells(0, i, 4, 1);
            break;
        case Row::Heading:
            t->setCellText(0, i, bold(row.label));
            t->mergeCells(0, i, 4, 1);
            t->cell(0, i).setBackgroundColor(HeadShade);
            break;
        case Row::Check:
            t->setCellText(0, i, row.label, Qt::AlignLeft | Qt::AlignVCenter);
            t->setCellText(1, i, row.value, Qt::AlignRight | Qt::AlignVCenter);
            t->mergeCells(1, i, 3, 1);
            break;
        }
    }
    addGap(m_metrics.height(ReportTextMetrics::Plain));
}

// --- Glaser

namespace {

/*! Where the Glaser scheme finds condensate: interface k lies between layers k and k + 1
    (1-based); interface 0 is the inner, interface n the outer surface. */
QString glaserZoneText(const std::vector<CalculationResults::PlaneRange> &runs, int n)
{
    QStringList parts;
    for (const CalculationResults::PlaneRange &run : runs) {
        const int a = int(run.first), b = int(run.second);
        if (a == b) {
            if (a == 0)
                parts << ReportFrameBase::tr("plane at the inner surface");
            else if (a == n)
                parts << ReportFrameBase::tr("plane at the outer surface");
            else
                parts << ReportFrameBase::tr("plane between layer %1 and %2").arg(a).arg(a + 1);
        } else {
            parts << ReportFrameBase::tr("zone from interface %1 to %2 (layers %3 to %4)")
                         .arg(a)
                         .arg(b)
                         .arg(a + 1)
                         .arg(b);
        }
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

void GlaserFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Results according DIN 4108-3 (Glaser Scheme)"));
    const InputData &input = m_report->inputData();
    const CalculationResults &r = m_report->results();
    const Climate &climate = input.climate();
    auto climateValue = [&](const ClimateCondition &c) {
        return QStringLiteral("%1 %3 / %2 %").arg(number(c.m_T, 1), number(c.m_rh, 1), degreeC());
    };
    auto period = [&](const QString &title, double days, const ClimateCondition &inside,
                      const ClimateCondition &outside) {
        addSubHeading(title);
        labelValueRows(addTable(),
                       {{tr("Period"), QStringLiteral("%1 %2").arg(number(days, 0), tr("days"))},
                        {tr("Interior climate (left)"), climateValue(inside)},
                        {tr("Outdoor climate (right)"), climateValue(outside)}});
    };
    period(tr("Condensation Period (Winter)"), climate.tT(), climate.insideWinter(),
           climate.outsideWinter());
    period(tr("Drying Period (Summer)"), climate.tT_summer(), climate.insideSummer(),
           climate.outsideSummer());

    addSubHeading(tr("Results"));
    QList<QPair<QString, QString>> rows;
    const int type = r.typeGlaser;
    if (!DINCriteriaResult::resultAssessable(type)) {
        // no figures: the same reasons as the assessment gives for the moisture calculation
        rows << qMakePair(tr("Condensation zone"),
                          notEvaluatedText(Assessment::reasonFor(type, input)));
    } else {
        const bool condensate = ResultType::isCondensation(type);
        rows << qMakePair(tr("Condensation zone"),
                          condensate ? glaserZoneText(r.kPlanesGlaser, input.layerCount())
                                     : ResultType::reportText(type));
        rows << qMakePair(tr("Condensation mass (according to Glaser)"),
                          QStringLiteral("w<sub>T</sub> = %1 kg/m<sup>2</sup>")
                              .arg(number(condensate ? r.m_c_Glaser : 0.0, 3)));
        if (condensate) {
            rows << qMakePair(tr("Potential drying mass"),
                              QStringLiteral("w<sub>V</sub> = %1 kg/m<sup>2</sup>")
                                  .arg(number(r.m_ev_Glaser, 3)));
            rows << qMakePair(tr("Duration of drying (according to Glaser)"),
                              QStringLiteral("t<sub>ev</sub> = %1 %2")
                                  .arg(number(r.t_ev_Glaser / 86400, 1), tr("days")));
        }
    }
    labelValueRows(addTable(), rows);
    addGap(m_metrics.height(ReportTextMetrics::Plain));
}

// --- final remarks

void DisclaimerFrame::build(QPaintDevice *, double)
{
    const QString &text = m_report->projectInformation().m_disclaimerText;
    if (text.trimmed().isEmpty())
        return;
    addSubHeading(tr("Final Remarks"));
    // plain text keeps its line breaks; rich text is taken as it is
    const QString html = Qt::mightBeRichText(text) ? text : Qt::convertFromPlainText(text);
    addText(QStringLiteral("<small>%1</small>").arg(html));
    addGap(m_metrics.height(ReportTextMetrics::Plain));
}
