#include "report/Report.h"

#include "document/Project.h"
#include "htl/HTL_MessageRouter.h"
#include "htl/HTL_MessageStream.h"
#include "persistence/AtomicFile.h"
#include "qtext/LayoutDevice.h"
#include "report/ReportDocument.h"
#include "report/ReportPictureFrames.h"
#include "report/ReportTableFrames.h"
#include "report/ReportTextFrames.h"
#include "settings/Constants.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>
#include <map>

namespace {

/*  The report's number format as the application's default for the time of one layout or one
    paint: every "%L1" of a frame, of a requirement text of the calculation and of the diagram
    labels then writes the decimal separator of the report's language. The previous default
    comes back at the end of the scope. */
class ReportLocaleScope
{
public:
    explicit ReportLocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~ReportLocaleScope() { QLocale::setDefault(m_previous); }
    ReportLocaleScope(const ReportLocaleScope &) = delete;
    ReportLocaleScope &operator=(const ReportLocaleScope &) = delete;

private:
    QLocale m_previous;
};

/*! The family the package depends on (fonts-dejavu-core) and that stands in for a missing
    report family. */
const char *const SubstituteFontFamily = "DejaVu Sans";

} // namespace

const std::array<int, Report::FrameCount - 2> &Report::frameOrder()
{
    static const std::array<int, FrameCount - 2> order = {
        ProjectInfoFrameIndex,       SketchFrameIndex,
        MaterialFrameIndex,          ClimateFrameIndex,
        SurfaceResistanceFrameIndex, UValueFrameIndex,
        ResistanceFrameIndex,        ResultsTableFrameIndex,
        MoistureDiagramFrameIndex,   VapourDiagramFrameIndex,
        ConclusionsFrameIndex,       GlaserFrameIndex,
        DisclaimerFrameIndex};
    return order;
}

QString Report::availableFontFamily(const QString &fontFamily)
{
    // The font database does not change while the program runs: each family is looked up (and
    // its substitution logged) once, not for every report of a --report-dir run.
    static std::map<QString, QString> known;
    const auto found = known.find(fontFamily);
    if (found != known.end())
        return found->second;
    const QStringList families = QFontDatabase().families();
    QString family = fontFamily;
    if (!families.contains(fontFamily, Qt::CaseInsensitive)) {
        const QString substitute = QLatin1String(SubstituteFontFamily);
        const bool haveSubstitute = families.contains(substitute, Qt::CaseInsensitive);
        if (haveSubstitute)
            family = substitute;
        // A note for whoever reads the log: the printed pages are complete either way.
        const std::string note =
            "Report font family '" + fontFamily.toStdString() + "' is not installed; " +
            (haveSubstitute ? "printing in '" + substitute.toStdString() + "'."
                            : std::string("printing in the system's substitute font."));
        HTL::MessageRouter::instance().current()->logOnly(note, HTL::MSG_WARNING,
                                                          "Report::availableFontFamily");
    }
    known.emplace(fontFamily, family);
    return family;
}

QString Report::programText()
{
    return ReportFormat::programText();
}

void Report::setLanguage(const QString &langId)
{
    QLocale locale = langId.isEmpty() ? QLocale() : QLocale(langId);
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    m_content.locale = locale;
}

Report::Report(const QString &fontFamily, QObject *parent)
    : QObject(parent)
    , m_document(new ReportDocument)
{
    m_document->setDocumentMargin(0);
    m_frames[HeaderFrameIndex].reset(new HeaderFrame(m_content, m_document.get()));
    m_footer = new FooterFrame(m_content, m_document.get());
    m_frames[FooterFrameIndex].reset(m_footer);
    m_frames[ProjectInfoFrameIndex].reset(new ReportFrameProjectInfo(m_content, m_document.get()));
    m_frames[SketchFrameIndex].reset(new SketchFrame(m_content, m_document.get()));
    m_frames[MaterialFrameIndex].reset(new ConstructionLayerFrame(m_content, m_document.get()));
    m_frames[ClimateFrameIndex].reset(new ClimateFrame(m_content, m_document.get()));
    m_frames[SurfaceResistanceFrameIndex].reset(
        new SurfaceResistanceFrame(m_content, m_document.get()));
    m_frames[ResistanceFrameIndex].reset(new ResistanceFrame(m_content, m_document.get()));
    m_frames[ResultsTableFrameIndex].reset(new ResultsTableFrame(m_content, m_document.get()));
    m_frames[MoistureDiagramFrameIndex].reset(new DiagramFrame(m_content, m_document.get(), 3));
    m_frames[VapourDiagramFrameIndex].reset(new DiagramFrame(m_content, m_document.get(), 2));
    m_frames[ConclusionsFrameIndex].reset(new ReportFrameConclusions(m_content, m_document.get()));
    m_frames[GlaserFrameIndex].reset(new GlaserFrame(m_content, m_document.get()));
    m_frames[DisclaimerFrameIndex].reset(new DisclaimerFrame(m_content, m_document.get()));
    m_frames[UValueFrameIndex].reset(new UValueFrame(m_content, m_document.get()));
    m_glaserDiagram.reset(new GlaserDiagramFrame(m_content, m_document.get()));

    QFont font(availableFontFamily(fontFamily));
    font.setPointSize(8);
    font.setKerning(false);
    m_document->setDefaultFont(font);
    m_reportFont = m_document->defaultFont();
    setLanguage(QString());
    m_content.footerText = programText();
    m_frameRects.fill(QRect());
    m_framePages.fill(0);
}

Report::~Report() = default;

bool Report::setData(const ProjectInformation &info, const CalculationResults &results,
                     const InputData &input, const ReportSettings &settings)
{
    m_content.setData(info, results, input, settings);
    return true;
}

bool Report::setData(const Project &project, const ReportSettings &settings)
{
    // An auditor can trace a printed page to the file it was made from and the program that
    // computed it.
    const QString program = programText();
    m_content.footerText =
        project.fileName().isEmpty()
            ? program
            : QStringLiteral("%1 &ndash; %2")
                  .arg(QFileInfo(project.fileName()).fileName().toHtmlEscaped(), program);
    setMoistureDependentLambda(project.moistureDependentLambda());
    return setData(project.projectInformation(), project.results(), project.inputData(), settings);
}

bool Report::isActivated(int index) const
{
    return m_content.settings.m_activatedFrames.count(index) != 0;
}

bool Report::isGlaserDiagramActivated() const
{
    return m_content.settings.m_printGlaserDiagram;
}

QString Report::framePlainText(int index) const
{
    if (index < 0 || index >= FrameCount || !isActivated(index))
        return QString();
    return m_frames[std::size_t(index)]->plainText();
}

void Report::setUpDevice(QPaintDevice *device)
{
    // The document keeps the device's stand-in: the device (the writer of writePdf()) may be
    // gone before the document is laid out again.
    m_document->documentLayout()->setPaintDevice(QtExt::LayoutDevice::of(device));
    m_document->setDefaultFont(m_reportFont);
    m_document->setDefaultStyleSheet(
        QStringLiteral("body { font-size:%1pt; }").arg(m_reportFont.pointSize()));
    // width() and height() of a printer or PDF writer are its page rectangle
    m_pageWidth = device->width();
    m_pageHeight = device->height();
    m_content.pixelsPerMillimetre =
        device->widthMM() > 0 ? double(m_pageWidth) / device->widthMM() : 1;
    m_content.metrics.update(m_document.get(), device);
}

void Report::layout(QPaintDevice *device)
{
    const ReportLocaleScope numbers(m_content.locale);
    setUpDevice(device);
    // the logo file is read once for as long as the logo settings stay (a --report-dir run)
    const UserLogoSettings &logo = m_content.userLogo;
    if (logo.m_position == UserLogoSettings::NoLogo)
        m_content.logoImage = QImage();
    else if (logo != m_loadedLogo || m_content.logoImage.isNull())
        m_content.logoImage = logo.logoImage();
    m_loadedLogo = logo;
    m_frameRects.fill(QRect());
    m_framePages.fill(0);

    QRect header(0, 0, 0, 0);
    if (isActivated(HeaderFrameIndex)) {
        m_frames[HeaderFrameIndex]->update(device, m_pageWidth);
        header = m_frames[HeaderFrameIndex]->boundingRect().toRect();
        header.moveTopLeft(QPoint(0, 0));
    }
    QRect footer(0, m_pageHeight, 0, 0);
    if (isActivated(FooterFrameIndex)) {
        m_frames[FooterFrameIndex]->update(device, m_pageWidth);
        const int h = int(m_frames[FooterFrameIndex]->boundingRect().height());
        footer = QRect(0, m_pageHeight - h, m_pageWidth, h);
    }
    m_frameRects[HeaderFrameIndex] = header;
    m_frameRects[FooterFrameIndex] = footer;
    m_framePages[HeaderFrameIndex] = isActivated(HeaderFrameIndex) ? 1 : 0;
    m_framePages[FooterFrameIndex] = 1;

    m_contentRect =
        QRect(0, header.height(), m_pageWidth, m_pageHeight - footer.height() - header.height());
    m_pageCount = 1;
    m_freeRect = m_contentRect;
    bool pageEmpty = true;
    // Stacks one frame below the last, on a new page when it does not fit.
    auto place = [&](ReportFrameBase &frame, bool activated, QRect &rect, int &page) {
        int h = 0;
        if (activated) {
            frame.update(device, m_pageWidth);
            h = int(frame.boundingRect().height());
        }
        // A frame too tall for a whole page goes on the page as it stands when nothing is on
        // it yet: a new page would only leave an empty one behind.
        if (m_freeRect.height() < h && !pageEmpty) {
            ++m_pageCount;
            m_freeRect = m_contentRect;
        }
        if (activated) {
            rect = QRect(0, m_freeRect.top(), m_pageWidth, h);
            page = m_pageCount;
            if (h > 0)
                pageEmpty = false;
        }
        m_freeRect.setTop(m_freeRect.top() + h);
    };
    m_glaserDiagramRect = QRect();
    m_glaserDiagramPage = 0;
    int step = ProjectInfoFrameIndex;
    for (const int index : frameOrder()) {
        // the Glaser diagram heads the Glaser results it belongs to
        if (index == GlaserFrameIndex)
            place(*m_glaserDiagram, isGlaserDiagramActivated(), m_glaserDiagramRect,
                  m_glaserDiagramPage);
        place(*m_frames[std::size_t(index)], isActivated(index), m_frameRects[std::size_t(index)],
              m_framePages[std::size_t(index)]);
        emit progress(++step);
    }
}

void Report::paintPage(QPainter *painter, int page)
{
    const ReportLocaleScope numbers(m_content.locale);
    // The Glaser diagram may end a page whose next frame, the Glaser results, starts the next.
    if (isGlaserDiagramActivated() && m_glaserDiagramPage == page)
        m_glaserDiagram->print(painter, m_glaserDiagramRect);
    for (int index = 0; index < FrameCount; ++index) {
        const bool everyPage = index == HeaderFrameIndex || index == FooterFrameIndex;
        if (!everyPage && m_framePages[std::size_t(index)] != page)
            continue;
        if (!isActivated(index) && index != FooterFrameIndex)
            continue;
        if (index == FooterFrameIndex)
            m_footer->setPage(page, m_pageCount);
        m_frames[std::size_t(index)]->print(painter, m_frameRects[std::size_t(index)]);
        emit progress(FrameCount + 1 + index);
    }
}

bool Report::print(QPrinter *printer)
{
    return printPages(printer, printer->fromPage(), printer->toPage());
}

bool Report::printPages(QPagedPaintDevice *device, int first, int last)
{
    layout(device);
    QPainter painter;
    if (!painter.begin(device)) {
        HTL::MessageStream err("Report::print", HTL::MSG_ERROR, 0);
        err << "Cannot open painter with current printer.";
        err.flush();
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int from = first > 0 ? first : 1;
    const int to = last > 0 ? std::min(last, m_pageCount) : m_pageCount;
    for (int page = from; page <= to; ++page) {
        if (page > from)
            device->newPage();
        paintPage(&painter, page);
    }
    return painter.end();
}

void Report::paintPageOnDevice(QPaintDevice *device, int page)
{
    layout(device);
    QPainter painter(device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintPage(&painter, page);
}

bool Report::writePdf(const QString &fileName, QString *error)
{
    // Painted into memory, then written in one piece: the last buffered bytes of a file device
    // are written only when it is closed, where a full disk would go unseen.
    QByteArray data;
    QBuffer file(&data);
    file.open(QIODevice::WriteOnly);
    bool written = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setCreator(programText());
        writer.setTitle(m_content.info.m_projectName.isEmpty() ? tr("Report")
                                                               : m_content.info.m_projectName);
        const double m = PageMargin_mm;
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(m, m, m, m), QPageLayout::Millimeter));
        written = printPages(&writer);
    }
    if (!written) {
        if (error)
            *error = tr("The report could not be painted.");
        return false;
    }
    file.close();
    return AtomicFile::write(fileName, data, error);
}
