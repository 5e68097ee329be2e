#pragma once

#include "calculation/Assessment.h"
#include "calculation/CalculationResults.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"
#include "settings/ReportSettings.h"
#include "settings/UserLogoSettings.h"

#include <QImage>
#include <QLocale>
#include <QString>

class QPaintDevice;
class QTextDocument;

/*  Line heights of the report's text styles on one paint device: a sample line with the full
    letter rows of a German keyboard laid out as plain text and as the four heading levels. The
    frames take their vertical gaps from these heights, so that the spacing follows the font and
    the device instead of being fixed in pixels.
*/
class ReportTextMetrics
{
public:
    enum Style
    {
        Plain = 0,
        H1,
        H2,
        H3,
        H4,
        StyleCount
    };

    /*! Measures the sample line on the device; nothing happens when the kind of device, its
        resolution and the font are those of the last measurement. */
    void update(QTextDocument *document, QPaintDevice *device);
    double height(Style style) const { return m_height[style]; }
    double ascent(Style style) const { return m_ascent[style]; }
    double descent(Style style) const { return m_descent[style]; }

private:
    QString m_key;
    double m_height[StyleCount] = {0, 0, 0, 0, 0};
    double m_ascent[StyleCount] = {0, 0, 0, 0, 0};
    double m_descent[StyleCount] = {0, 0, 0, 0, 0};
};

/*  Everything a report frame prints, in one plain record: the project's data (copies, with the
    user's texts cut to what a page can show), the report options, and what the report learns
    from the paint device before each layout (scale, text metrics, the logo image).

    The report fills it (setData() the data and options, layout() the device part) and the frames
    only read it; a frame knows nothing of the report that owns it.
*/
struct ReportContent
{
    /*! Longest layer, material or construction name and project information field printed, in
        characters: more would not fit a table cell or a layer of the sketch, and a text layout of
        some hundred thousand characters takes the report half a minute. */
    static constexpr int MaxNameLength = 160;
    /*! Longest description and final remarks printed: about a page of text. A frame is never
        split, so a longer text would run over the footer anyway. */
    static constexpr int MaxTextLength = 5000;

    // --- the data
    ProjectInformation info;
    CalculationResults results;
    InputData input;
    Assessment assessment;
    /*! Whether the results were calculated with moisture-dependent conductivity (the resistance
        frame names its sums accordingly). */
    bool moistureDependentLambda = true;
    /*! The left text of the footer, rich text (by default the program and its version). */
    QString footerText;
    /*! The number format of the report's language (no group separators). */
    QLocale locale;

    // --- the options
    ReportSettings settings;
    UserLogoSettings userLogo;
    bool pageNumbersVisible = false;
    /*! Cell margin and outer frame width of the bordered tables (screen units). */
    double defaultCellMargin = 0.7;
    double defaultFrameWidth = 1.5;

    // --- the device of the current layout
    double pixelsPerMillimetre = 1;
    /*! The logo image, loaded once per layout; null when there is none. */
    QImage logoImage;
    ReportTextMetrics metrics;

    /*! Copies the data of a project and the options, with every user text cut by elide(), and
        evaluates the assessment that the verdicts print. */
    void setData(const ProjectInformation &information, const CalculationResults &calculated,
                 const InputData &inputData, const ReportSettings &options);

    /*! The text cut to at most maxLength characters, the cut marked by an ellipsis. */
    static QString elide(const QString &text, int maxLength);
};
