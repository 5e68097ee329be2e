#pragma once

#include "calculation/Assessment.h"
#include "calculation/CalculationResults.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"
#include "settings/ReportSettings.h"
#include "settings/UserLogoSettings.h"

#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <memory>

class FooterFrame;
class Project;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QPrinter;
class QTextDocument;
class ReportFrameBase;

/*  The printed report of a project: fourteen frames in a fixed order (header, footer, project
    information, sketch, material data, climate, surface resistances, resistances, results table,
    two profile diagrams, summary of results, Glaser results, final remarks), of which the
    report settings activate some.

    layout() stacks the activated frames from top to bottom of the area between header and footer
    and starts a new page whenever the next frame does not fit; a frame is never split and never
    moved ahead of an earlier one. paintPage() paints one page on any device (printer, PDF
    writer, SVG generator, image). Every verdict printed comes from the Assessment of the results,
    the same one the batch front end prints.

    The report keeps copies of the data it prints; setData() must be called before layout().
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
        FrameCount = 14
    };

    /*! Page margins of printed and written reports, mm. */
    static constexpr double PageMargin_mm = 20;

    /*! Creates the text document and the frames; the report font is the family in the base
        point size 8 (a family that is not installed gives a warning, and Qt's substitute is
        used). */
    explicit Report(const QString &fontFamily, QObject *parent = nullptr);
    ~Report() override;

    /*! The data to print: copies of the project's texts, results and input and of the report
        options; the assessment is evaluated here. Always true. */
    bool setData(const ProjectInformation &info, const CalculationResults &results,
                 const InputData &input, const ReportSettings &settings);
    /*! setData() with the parts of the project; the footer names the project file. */
    bool setData(const Project &project, const ReportSettings &settings);
    void setUserLogo(const UserLogoSettings &logo) { m_userLogo = logo; }
    void setPageNumbersVisible(bool visible) { m_pageNumbersVisible = visible; }
    /*! Whether the results were calculated with moisture-dependent conductivity (the
        resistance frame names its sums accordingly). */
    void setMoistureDependentLambda(bool on) { m_moistureDependentLambda = on; }
    /*! The left text of the footer (by default the program and its version). */
    void setFooterText(const QString &text) { m_footerText = text; }
    const QString &footerText() const { return m_footerText; }

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
    double pixelsPerMillimetre() const { return m_pixelsPerMM; }
    bool isActivated(int index) const;
    /*! The plain text of a frame of the last layout (empty when not activated). */
    QString framePlainText(int index) const;

    // --- what the frames read
    const ProjectInformation &projectInformation() const { return m_info; }
    const CalculationResults &results() const { return m_results; }
    const InputData &inputData() const { return m_input; }
    const ReportSettings &settings() const { return m_settings; }
    const Assessment &assessment() const { return m_assessment; }
    const UserLogoSettings &userLogo() const { return m_userLogo; }
    bool pageNumbersVisible() const { return m_pageNumbersVisible; }
    bool moistureDependentLambda() const { return m_moistureDependentLambda; }
    /*! Cell margin and outer frame width of the bordered tables (screen units). */
    double defaultCellMargin() const { return m_defaultCellMargin; }
    double defaultFrameWidth() const { return m_defaultFrameWidth; }
    /*! The logo image, loaded once per layout; null when there is none. */
    const QImage &logoImage() const { return m_logoImage; }

signals:
    /*! 3..14 while frames 2..13 are laid out, 15..28 while frames 0..13 are painted. */
    void progress(int step);

private:
    void setUpDevice(QPaintDevice *device);

    std::unique_ptr<QTextDocument> m_document;
    ProjectInformation m_info;
    CalculationResults m_results;
    InputData m_input;
    ReportSettings m_settings;
    Assessment m_assessment;
    double m_defaultCellMargin = 0.7;
    double m_defaultFrameWidth = 1.5;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    std::array<std::unique_ptr<ReportFrameBase>, FrameCount> m_frames;
    FooterFrame *m_footer = nullptr;
    UserLogoSettings m_userLogo;
    QImage m_logoImage;
    bool m_pageNumbersVisible = false;
    bool m_moistureDependentLambda = true;
    QString m_footerText;
    QFont m_reportFont;
    int m_pageCount = 0;
    double m_pixelsPerMM = 1;
    std::array<QRect, FrameCount> m_frameRects;
    std::array<int, FrameCount> m_framePages{};
    QRect m_contentRect;
    QRect m_freeRect;
};
