#include "ui/mainwindow/DiagramView.h"

#include "report/DiagramPicture.h"
#include "report/DiagramScene.h"

#include <QPixmap>
#include <QResizeEvent>

#include <cstdlib>

DiagramView::DiagramView(QWidget *parent)
    : QGraphicsView(parent)
    , m_scene(new DiagramScene(true, this))
{
    setScene(m_scene);
    setInteractive(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCacheMode(QGraphicsView::CacheBackground);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHint(QPainter::Antialiasing);
    QSizePolicy policy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(1);
    setSizePolicy(policy);
}

void DiagramView::setData(QPaintDevice *device, const InputData &input,
                          const CalculationResults &results, double scale)
{
    ++m_rebuildCount;
    m_device = device;
    m_input = input;
    m_results = results;
    m_scale = scale;
    redraw();
    show();
}

void DiagramView::setProfileMode(int mode)
{
    m_profileMode = mode;
    redraw();
}

void DiagramView::redraw()
{
    const QRect rect = viewport()->rect().adjusted(Margin, Margin, -Margin, -Margin);
    m_drawnSize = viewport()->size();
    m_scene->update(rect, m_device, m_scale, m_results, m_input, m_profileMode);
}

void DiagramView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    const QSize size = viewport()->size();
    if (m_device && (std::abs(size.width() - m_drawnSize.width()) >= Margin ||
                     std::abs(size.height() - m_drawnSize.height()) >= Margin))
        redraw();
}

double DiagramView::aspectRatio() const
{
    const QSize size = viewport()->size();
    if (size.width() <= 0 || size.height() <= 0)
        return DiagramPicture::DefaultDiagramAspectRatio;
    return double(size.height()) / size.width();
}

QPixmap DiagramView::renderPixmap() const
{
    return QPixmap::fromImage(
        DiagramPicture(m_input, m_results, m_profileMode, aspectRatio()).renderImage());
}

bool DiagramView::writeSvg(QIODevice *device, const QString &description) const
{
    return DiagramPicture(m_input, m_results, m_profileMode, aspectRatio())
        .writeSvg(device, description);
}

void DiagramView::print(QPagedPaintDevice *printer) const
{
    DiagramPicture(m_input, m_results, m_profileMode, aspectRatio()).print(printer);
}

bool DiagramView::exportToFile(const QString &fileName, const QString &description,
                               QString *error) const
{
    return DiagramPicture(m_input, m_results, m_profileMode, aspectRatio())
        .exportToFile(fileName, description, error);
}
