#include "report/DiagramPicture.h"

#include "persistence/AtomicFile.h"
#include "report/DiagramScene.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QSvgGenerator>

#include <cmath>

namespace {

double screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96;
}

/*! An image whose dots per inch are the screen's, so that text laid out on it has the size it
    has on screen. */
QImage screenImage(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(screenDpi() / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

/*! Qt's printers keep 10 pt margins unless told otherwise. */
const QMarginsF DefaultPrinterMargins_pt(10, 10, 10, 10);

} // namespace

DiagramPicture::DiagramPicture(const InputData &input, const CalculationResults &results, int mode,
                               double aspectRatio)
    : m_input(input)
    , m_results(results)
    , m_mode(mode)
    , m_aspectRatio(aspectRatio)
{
}

DiagramPicture DiagramPicture::sketch(const InputData &input, const CalculationResults &results)
{
    DiagramPicture picture(input, results, DiagramScene::ConstructionOnly, SketchAspectRatio);
    picture.m_printMargin_mm = 20;
    return picture;
}

int DiagramPicture::pageWidthAtScreenResolution()
{
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             DefaultPrinterMargins_pt, QPageLayout::Point);
    return layout.paintRectPixels(int(std::lround(screenDpi()))).width();
}

DiagramPicture::Format DiagramPicture::formatOfFile(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return Format::Jpg;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    return Format::Unknown;
}

QString DiagramPicture::title() const
{
    switch (m_mode) {
    case DiagramScene::ConstructionOnly:
        return QCoreApplication::translate("DiagramView", "Construction Sketch");
    case DiagramScene::VapourPressureProfile:
        return QCoreApplication::translate("DiagramView", "Vapour pressure diagram");
    case DiagramScene::GlaserDiagram:
        return QCoreApplication::translate("DiagramView", "Glaser diagram");
    default:
        return QCoreApplication::translate("DiagramView", "Water content diagram");
    }
}

QSize DiagramPicture::size() const
{
    const int width = pageWidthAtScreenResolution();
    return QSize(width, int(std::lround(width * m_aspectRatio)));
}

QImage DiagramPicture::renderImage() const
{
    QImage image = screenImage(size());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    return image;
}

void DiagramPicture::paint(QPainter *painter, const QRectF &target) const
{
    // The text is laid out on a screen-resolution canvas of the picture's own size.
    QImage canvas = screenImage(QSize(1, 1));
    const QRectF rect(QPointF(0, 0), QSizeF(size()));
    DiagramScene scene(true);
    scene.update(rect, &canvas, 1.0, m_results, m_input, m_mode);
    scene.render(painter, target, rect, Qt::KeepAspectRatio);
}

bool DiagramPicture::writeSvg(QIODevice *device, const QString &description) const
{
    const QSize pictureSize = size();
    QSvgGenerator generator;
    generator.setOutputDevice(device);
    generator.setSize(pictureSize);
    generator.setViewBox(QRect(QPoint(0, 0), pictureSize));
    generator.setResolution(int(std::lround(screenDpi())));
    generator.setTitle(title());
    generator.setDescription(description);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    paint(&painter, QRectF(QPointF(0, 0), QSizeF(pictureSize)));
    return painter.end();
}

void DiagramPicture::print(QPagedPaintDevice *device) const
{
    QPageLayout layout = device->pageLayout();
    layout.setPageSize(QPageSize(QPageSize::A4));
    if (m_printMargin_mm >= 0) {
        const double m = m_printMargin_mm;
        layout = QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF(m, m, m, m),
                             QPageLayout::Millimeter);
    }
    device->setPageLayout(layout);
    QPainter painter(device);
    const double width = device->width();
    paint(&painter, QRectF(0, 0, width, width * m_aspectRatio));
}

bool DiagramPicture::exportToFile(const QString &fileName, const QString &description,
                                  QString *error) const
{
    const Format format = formatOfFile(fileName);
    if (format == Format::Unknown) {
        if (error)
            *error = QCoreApplication::translate("DiagramView",
                                                 "Unknown picture format of '%1' (svg, png, jpg "
                                                 "or pdf expected).")
                         .arg(fileName);
        return false;
    }
    // Painted into memory first: the file is then written in one piece, with the system's
    // reason when that fails (a painter on a file device reports only "Unknown error").
    QByteArray data;
    QBuffer file(&data);
    file.open(QIODevice::WriteOnly);
    bool written = false;
    switch (format) {
    case Format::Svg:
        written = writeSvg(&file, description);
        break;
    case Format::Png:
        written = renderImage().save(&file, "PNG");
        break;
    case Format::Jpg:
        written = renderImage().save(&file, "JPG");
        break;
    case Format::Pdf: {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setTitle(title());
        writer.setCreator(QCoreApplication::applicationName());
        QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           DefaultPrinterMargins_pt, QPageLayout::Point);
        writer.setPageLayout(layout);
        print(&writer);
        written = true;
        break;
    }
    case Format::Unknown:
        break;
    }
    if (!written) {
        if (error)
            *error =
                QCoreApplication::translate("DiagramView", "The picture could not be written.");
        return false;
    }
    file.close();
    return AtomicFile::write(fileName, data, error);
}
