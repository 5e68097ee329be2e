#pragma once

#include "report/ReportContent.h"

#include <QFont>
#include <QLocale>
#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <memory>

class FooterFrame;
class GlaserDiagramFrame;
class Project;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QPrinter;
class ReportDocument;
class ReportFrameBase;

/*  The printed report of a project: fifteen frames in a fixed order (header, footer, project
    information, sketch, material data, climate, surface resistances, the U-value table,
    resistances, results table, two profile diagrams, summary of results, Glaser results, final
    remarks), of which the report settings activate some, and the Glaser diagram in front of the
    Glaser results, which a report option of its own switches. A frame's index is its key in the
    stored frame sets and never changes; the order on the page is frameOrder().

    Every text and every number of the pages is in the report's language (setLanguage()): its
    catalogue is the application's, its number format (decimal comma in German and Polish) is
    set for the time of each layout and paint.

    layout() stacks the activated frames from top to bottom of the area between header and footer
    and starts a new page whenever the next frame does not fit; a frame is never split and never
    moved ahead of an earlier one. paintPage() paints one page on any device (printer, PDF
    writer, SVG generator, image). Every verdict printed comes from the Assessment of the results,
    the same one the batch front end prints.

    The report keeps copies of the data it prints in one content record, which the frames read;
    setData() must be called before layout().
*/
class Report : public QObject
{
    Q_OBJECT

public:
    enum Frame
    {
        HeaderFrameIndex = 0,
        FooterFrameIndex = 1,
        ProjectInfoFrameIndex = 2,
        SketchFrameIndex = 3,
        MaterialFrameIndex = 4,
        ClimateFrameIndex = 5,
        SurfaceResistanceFrameIndex = 6,
        ResistanceFrameIndex = 7,
        ResultsTableFrameIndex = 8,
        MoistureDiagramFrameIndex = 9,
        VapourDiagramFrameIndex = 10,
        ConclusionsFrameIndex = 11,
        GlaserFrameIndex = 12,
        DisclaimerFrameIndex = 13,
        UValueFrameIndex = 14,
        FrameCount = 15
    };

    /*! The frames from the top of the content area down: the frame indices 2.. in the order in
        which layout() stacks them (the U-value table follows the surface resistances, whose
        values it sums). */
    static const std::array<int, FrameCount - 2> &frameOrder();

    /*! The family the report prints in: fontFamily when it is installed, otherwise the
        metric-close family that the package depends on (DejaVu Sans: wide like Verdana, so that
        tables and line breaks come out as designed), otherwise fontFamily (Qt's own substitute).
        A substitution is written to the log file (not to the console), once per family. */
    static QString availableFontFamily(const QString &fontFamily);
    /*! "Mirelo 2 version 2.4.5": the program and its one version, as header and footer print
        it. */
    static QString programText();
    /*! Page margins of printed and written reports, mm. */
    static constexpr double PageMargin_mm = 20;

    /*! Creates the text document and the frames; the report font is the family in the base
        point size 8 (a family that is not installed gives a warning, and Qt's substitute is
        used). */
    explicit Report(const QString &fontFamily, QObject *parent = nullptr);
    ~Report() override;

    /*! The language of the numbers on the pages ("de", "pl", "en"): its decimal separator,
        without group separators. An empty id keeps the application's default number format. */
    void setLanguage(const QString &langId);
    const QLocale &locale() const { return m_content.locale; }

    /*! The data to print: copies of the project's texts (cut to what a page can show), results
        and input and of the report options; the assessment is evaluated here. Always true. */
    bool setData(const ProjectInformation &info, const CalculationResults &results,
                 const InputData &input, const ReportSettings &settings);
    /*! setData() with the parts of the project; the footer names the project file. */
    bool setData(const Project &project, const ReportSettings &settings);
    void setUserLogo(const UserLogoSettings &logo) { m_content.userLogo = logo; }
    void setPageNumbersVisible(bool visible) { m_content.pageNumbersVisible = visible; }
    /*! Whether the results were calculated with moisture-dependent conductivity (the
        resistance frame names its sums accordingly). */
    void setMoistureDependentLambda(bool on) { m_content.moistureDependentLambda = on; }
    /*! The left text of the footer, rich text (by default the program and its version). */
    void setFooterText(const QString &text) { m_content.footerText = text; }
    const QString &footerText() const { return m_content.footerText; }

    const QFont &reportFont() const { return m_reportFont; }
    /*! The font of all report text; its point size is the body size. */
    void setReportFont(const QFont &font) { m_reportFont = font; }

    /*! Sets the device up, lays every activated frame out and paginates; afterwards the page
        count and the frames' places are known. */
    void layout(QPaintDevice *device);
    int pageCount() const { return m_pageCount; }
    /*! Paints the page (1-based) of the last layout. */
    void paintPage(QPainter *painter, int page);
    /*! Lays out on the printer and prints the pages of its range (all when from and to are 0);
        false when no painter could be opened on it (logged as an error). */
    bool print(QPrinter *printer);
    /*! Lays out on a paged device and paints the pages first..last (1-based, 0 for the first or
        the last page), with a new page between them; false when no painter could be opened. */
    bool printPages(QPagedPaintDevice *device, int first = 0, int last = 0);
    /*! Lays out on the device and paints the one page (1-based) of that layout. */
    void paintPageOnDevice(QPaintDevice *device, int page);
    /*! Writes the whole report as a PDF (A4, the page margins above) atomically: on failure an
        existing file stays as it was, and error receives the reason. */
    bool writePdf(const QString &fileName, QString *error = nullptr);

    /*! The frame's rectangle on its page and its page (1-based) of the last layout; (0, 0, 0, 0)
        and 0 for a frame not activated. */
    QRect frameRect(int index) const { return m_frameRects[std::size_t(index)]; }
    int framePage(int index) const { return m_framePages[std::size_t(index)]; }
    /*! The area between header and footer. */
    const QRect &contentRect() const { return m_contentRect; }
    QSize pageSize() const { return QSize(m_pageWidth, m_pageHeight); }
    double pixelsPerMillimetre() const { return m_content.pixelsPerMillimetre; }
    bool isActivated(int index) const;
    /*! The Glaser diagram, printed in front of the Glaser results when the report option
        PrintGlaserDiagram is set; its rectangle and page (1-based) of the last layout, as for
        a numbered frame. */
    bool isGlaserDiagramActivated() const;
    QRect glaserDiagramRect() const { return m_glaserDiagramRect; }
    int glaserDiagramPage() const { return m_glaserDiagramPage; }
    /*! The plain text of a frame of the last layout (empty when not activated). */
    QString framePlainText(int index) const;

    /*! What the frames print: the data and options of setData() and the set-up of the last
        device. */
    const ReportContent &content() const { return m_content; }

signals:
    /*! 3..FrameCount while the frames of frameOrder() are laid out, FrameCount + 1 + index
        while frame index is painted. */
    void progress(int step);

private:
    void setUpDevice(QPaintDevice *device);

    std::unique_ptr<ReportDocument> m_document;
    ReportContent m_content;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    std::array<std::unique_ptr<ReportFrameBase>, FrameCount> m_frames;
    std::unique_ptr<GlaserDiagramFrame> m_glaserDiagram;
    QRect m_glaserDiagramRect;
    int m_glaserDiagramPage = 0;
    FooterFrame *m_footer = nullptr;
    QFont m_reportFont;
    int m_pageCount = 0;
    std::array<QRect, FrameCount> m_frameRects;
    std::array<int, FrameCount> m_framePages{};
    QRect m_contentRect;
    QRect m_freeRect;
    /*! The logo settings of the image in the content. */
    UserLogoSettings m_loadedLogo;
};
