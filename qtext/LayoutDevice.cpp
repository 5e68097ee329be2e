#include "qtext/LayoutDevice.h"

#include <QMutex>
#include <QMutexLocker>
#include <QtMath>

#include <memory>
#include <vector>

namespace QtExt {

QPaintDevice *LayoutDevice::of(const QPaintDevice *device)
{
    if (!device)
        return nullptr;
    if (const auto *standIn = dynamic_cast<const LayoutDevice *>(device))
        return const_cast<LayoutDevice *>(standIn);
    Metrics metrics;
    metrics.type = device->devType();
    metrics.dpiX = device->logicalDpiX();
    metrics.dpiY = device->logicalDpiY();
    metrics.physicalDpiX = device->physicalDpiX();
    metrics.physicalDpiY = device->physicalDpiY();
    metrics.pixelRatioScaled = qRound(device->devicePixelRatioF() * devicePixelRatioFScale());
    // A program measures for a handful of kinds of device (screen, printer, PDF, images): a
    // short list, searched from the start, whose entries are never removed.
    static QBasicMutex mutex;
    static std::vector<std::unique_ptr<LayoutDevice>> known;
    const QMutexLocker lock(&mutex);
    for (const std::unique_ptr<LayoutDevice> &standIn : known)
        if (standIn->m_metrics == metrics)
            return standIn.get();
    known.emplace_back(new LayoutDevice(metrics));
    return known.back().get();
}

int LayoutDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmDpiX:
        return m_metrics.dpiX;
    case PdmDpiY:
        return m_metrics.dpiY;
    case PdmPhysicalDpiX:
        return m_metrics.physicalDpiX;
    case PdmPhysicalDpiY:
        return m_metrics.physicalDpiY;
    case PdmDevicePixelRatio:
        return qMax(1, qFloor(qreal(m_metrics.pixelRatioScaled) / devicePixelRatioFScale()));
    case PdmDevicePixelRatioScaled:
        return m_metrics.pixelRatioScaled;
    case PdmWidth:
    case PdmHeight:
    case PdmWidthMM:
    case PdmHeightMM:
    case PdmNumColors:
    case PdmDepth:
        break;
    }
    return 0;
}

} // namespace QtExt
