#pragma once

#include "qtext/ConstructionGraphicsSceneBase.h"

namespace QtExt {

/*! Layers side by side, from left to right, as a wall is drawn in a plan: width labels under the
    layers, names written upwards inside them, the two side texts at the top of the air zones
    left and right of the construction. */
class ConstructionGraphicsSceneHorizontal : public ConstructionGraphicsSceneBase
{
    Q_OBJECT
public:
    ConstructionGraphicsSceneHorizontal(bool onScreen, QPaintDevice *device,
                                        QObject *parent = nullptr);

    bool isHorizontal() const override { return true; }

protected:
    void calculatePositions() override;
    void drawWidthLabels() override;
    void drawNames() override;
    void drawSideTexts() override;
    QRectF alongAcrossRect(double alongStart, double alongEnd, double acrossStart,
                           double acrossEnd) const override;
};

} // namespace QtExt
