#pragma once

#include "qtext/ConstructionGraphicsSceneBase.h"

namespace QtExt {

/*! Layers stacked from top to bottom, as a floor or a roof is drawn in a section: width labels
    beside the layers on the right, names written across them, the two side texts above and below
    the construction. */
class ConstructionGraphicsSceneVertical : public ConstructionGraphicsSceneBase
{
    Q_OBJECT
public:
    ConstructionGraphicsSceneVertical(bool onScreen, QPaintDevice *device,
                                      QObject *parent = nullptr);

    bool isHorizontal() const override { return false; }

protected:
    void calculatePositions() override;
    void drawWidthLabels() override;
    void drawNames() override;
    void drawSideTexts() override;
    QRectF alongAcrossRect(double alongStart, double alongEnd, double acrossStart,
                           double acrossEnd) const override;
};

} // namespace QtExt
