#pragma once

#include "calculation/CalculationResults.h"
#include "model/InputData.h"

#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QRectF;

/*  One picture of a project drawn by the diagram scene, detached from any window: the profile
    diagram (vapour pressure or moisture content) or the construction sketch, at the size of an
    A4 page's printable width on screen. It renders into an image (copy, PNG, JPG), writes
    itself as SVG, prints onto a paged device (PDF) and exports to a file chosen by suffix.

    The scene is laid out afresh at screen resolution for every output and scaled onto the
    target, so that the picture on paper has the proportions and line weights of the picture
    on screen.
*/
class DiagramPicture
{
public:
    enum class Format
    {
        Unknown,
        Svg,
        Png,
        Jpg,
        Pdf
    };

    /*! Height of the construction sketch relative to its width. */
    static constexpr double SketchAspectRatio = 0.4;
    /*! Height of a diagram relative to its width when no view gives one. */
    static constexpr double DefaultDiagramAspectRatio = 0.6;

    /*! A picture of the given profile mode (1 sketch, 2 vapour pressure, 3 moisture content,
        4 the Glaser diagram over s_d) whose height is aspectRatio times its width. */
    DiagramPicture(const InputData &input, const CalculationResults &results, int mode,
                   double aspectRatio);
    /*! The construction sketch of the construction table: profile mode 1, 20 mm page margins
        when printed. */
    static DiagramPicture sketch(const InputData &input, const CalculationResults &results);

    /*! Width of the printable area of a default A4 page, in pixels at screen resolution. */
    static int pageWidthAtScreenResolution();
    /*! The export format of a file name, by its suffix (case does not matter). */
    static Format formatOfFile(const QString &fileName);

    /*! "Construction Sketch", "Vapour pressure diagram", "Glaser diagram" or "Water content
        diagram". */
    QString title() const;
    QSize size() const;

    /*! The picture on a white background, at screen resolution. */
    QImage renderImage() const;
    /*! Draws the picture into target (in painter coordinates), scaled from its own size. */
    void paint(QPainter *painter, const QRectF &target) const;
    /*! Writes an SVG document of the picture's size, with its title and the description. */
    bool writeSvg(QIODevice *device, const QString &description) const;
    /*! Sets the paper size A4 (and the sketch's margins) and draws the picture over the width
        of the page's printable area. */
    void print(QPagedPaintDevice *device) const;
    /*! Writes the picture to fileName in the format of its suffix, atomically: a failed export
        leaves an existing file untouched. Returns false with the reason in error. */
    bool exportToFile(const QString &fileName, const QString &description, QString *error) const;

private:
    InputData m_input;
    CalculationResults m_results;
    int m_mode;
    double m_aspectRatio;
    /*! Page margins in millimetres when printed; negative: the printer's default margins. */
    double m_printMargin_mm = -1;
};
