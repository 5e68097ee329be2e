#pragma once

#include <QPaintDevice>

namespace QtExt {

/*! The device that text layouts are given in place of a paint device: it answers what text
    layout asks of a device (its kind, logical and physical resolution, pixel ratio) as
    the device does, is never painted on and lives as long as the program.

    A text document keeps the device of its layout, and so do the tables, text frames and
    scenes that measure text for a device. Most of the devices they measure for are short-lived
    (the PDF writer of an export, the image of a copied picture), and a document laid out again
    after its device is gone (a new default font) would read freed memory. Given the stand-in
    instead, a layout keeps only what it depends on. One stand-in serves every device that
    answers alike, so two stand-ins are the same object exactly when their devices measure text
    alike: comparing them compares resolutions, where comparing the devices' addresses would take
    a new device made where a destroyed one was for that one. */
class LayoutDevice final : public QPaintDevice
{
public:
    /*! The stand-in for device (itself when it is one); nullptr for nullptr. */
    static QPaintDevice *of(const QPaintDevice *device);

    int devType() const override { return m_metrics.type; }
    /*! None: text is measured for the stand-in, never painted on it. */
    QPaintEngine *paintEngine() const override { return nullptr; }

protected:
    /*! The resolutions of the device stood in for; 0 for its size and colours, which text
        layout does not ask. */
    int metric(PaintDeviceMetric metric) const override;

private:
    /*! What text layout asks of a device. */
    struct Metrics
    {
        int type = 0;
        int dpiX = 0;
        int dpiY = 0;
        int physicalDpiX = 0;
        int physicalDpiY = 0;
        int pixelRatioScaled = 0;
        bool operator==(const Metrics &o) const
        {
            return type == o.type && dpiX == o.dpiX && dpiY == o.dpiY &&
                   physicalDpiX == o.physicalDpiX && physicalDpiY == o.physicalDpiY &&
                   pixelRatioScaled == o.pixelRatioScaled;
        }
    };

    explicit LayoutDevice(const Metrics &metrics)
        : m_metrics(metrics)
    {
    }

    const Metrics m_metrics;
};

} // namespace QtExt
