#include "report/ReportPictureFrames.h"

#include "qtext/ConstructionGraphicsSceneHorizontal.h"
#include "report/DiagramScene.h"
#include "report/ReportContent.h"
#include "report/SketchLayers.h"

#include <QPainter>

#include <cmath>
#include <memory>

// --- construction sketch

void SketchFrame::build(QPaintDevice *device, double width)
{
    addHeading(tr("Construction Sketch"));
    const InputData &input = m_content.input;
    const double height = std::round(width * 0.35);
    const double s = m_content.pixelsPerMillimetre;
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
    addGap(lineHeight());
}

// --- diagrams

DiagramFrame::DiagramFrame(const ReportContent &content, QTextDocument *document, int kind)
    : ReportFrameBase(content, document)
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
    scene->update(QRectF(0, 0, width, height), device, m_content.pixelsPerMillimetre,
                  m_content.results, m_content.input, m_kind);
    addPicture(
        height,
        [scene](QPainter *painter, const QRectF &rect) {
            scene->render(painter, rect, QRectF(0, 0, rect.width(), rect.height()),
                          Qt::KeepAspectRatio);
        },
        scene->texts());
    if (m_kind == DiagramScene::MoistureContentProfile)
        addNote(tr("Condensate (overhygroscopic moisture content) dark blue."));
    addGap(lineHeight());
}

// --- the Glaser diagram

void GlaserDiagramFrame::build(QPaintDevice *device, double width)
{
    addHeading(tr("Glaser Diagram (DIN 4108-3)"));
    const double height = std::round(width * AspectRatio);
    auto scene = std::make_shared<DiagramScene>(false);
    scene->update(QRectF(0, 0, width, height), device, m_content.pixelsPerMillimetre,
                  m_content.results, m_content.input, DiagramScene::GlaserDiagram);
    addPicture(height, [scene](QPainter *painter, const QRectF &rect) {
        scene->render(painter, rect, QRectF(0, 0, rect.width(), rect.height()),
                      Qt::KeepAspectRatio);
    });
    addNote(tr("Condensation period (winter). s<sub>d</sub> - diffusion-equivalent air layer "
               "thickness of the layers in front of an interface; upper values p<sub>sat</sub> "
               "- saturation vapour pressure, lower values p - vapour pressure at the interface, "
               "in Pa."));
    addGap(lineHeight());
}
