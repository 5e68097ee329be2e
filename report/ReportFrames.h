#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;
class QTextDocument;
class Report;

namespace QtExt {
class Table;
class TextFrame;
} // namespace QtExt

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

    /*! Measures the sample line on the device; nothing happens when the device and the font
        are those of the last measurement. */
    void update(QTextDocument *document, QPaintDevice *device);
    double height(Style style) const { return m_height[style]; }
    double ascent(Style style) const { return m_ascent[style]; }
    double descent(Style style) const { return m_descent[style]; }

private:
    QPaintDevice *m_device = nullptr;
    QString m_fontKey;
    double m_height[StyleCount] = {0, 0, 0, 0, 0};
    double m_ascent[StyleCount] = {0, 0, 0, 0, 0};
    double m_descent[StyleCount] = {0, 0, 0, 0, 0};
};

/*  One frame of the report: a block that lays itself out for a width (its height decides where
    the report breaks the page) and paints itself at a rectangle's top left corner.

    A frame is a vertical stack of parts (rich-text blocks, tables, pictures and gaps) that
    build() composes afresh for every layout; update() stacks them and print() paints them in
    the same order. The texts of every part are kept, so that the content of a frame can be read
    back as plain text (tests, accessibility).
*/
class ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(ReportFrameBase)

public:
    ReportFrameBase(Report *report, QTextDocument *document);
    virtual ~ReportFrameBase();

    /*! Lays the frame out for the width (device pixels) and stores its bounding rectangle. */
    virtual void update(QPaintDevice *device, double width);
    /*! Paints the frame with its top left corner at the rectangle's top left corner. */
    virtual void print(QPainter *painter, const QRectF &rect);

    const QRectF &boundingRect() const { return m_rect; }
    /*! The texts of the last layout, as plain text, one part per line. */
    QString plainText() const;

protected:
    /*! Appends the parts of the frame for the device and the width. */
    virtual void build(QPaintDevice *device, double width) = 0;

    /*! A block of rich text across the width (minus the indent). */
    void addText(const QString &html, double indent = 0);
    /*! A heading "<h2>...</h2>" followed by a small gap. */
    void addHeading(const QString &text);
    void addSubHeading(const QString &text);
    /*! A note in small print. */
    void addNote(const QString &html);
    /*! A table laid out across the width minus the indent; the frame owns it. */
    QtExt::Table *addTable(double indent = 0);
    /*! A picture of the given height painted by the function into its rectangle. */
    void addPicture(double height, std::function<void(QPainter *, const QRectF &)> paint,
                    const QStringList &texts = QStringList(), double extent = 0);
    /*! Narrows the last part by inset from the right (room for a picture beside it). */
    void setRightInset(double inset);
    void addGap(double height);

    /*! A new table with the report's border settings (bordered: outer frame, grid and the
        shaded head row) or without any lines. */
    QtExt::Table *makeTable(bool bordered);
    /*! "%L1" in fixed notation. */
    static QString number(double value, int decimals);

    Report *m_report;
    QTextDocument *m_document;
    QRectF m_rect;
    ReportTextMetrics m_metrics;
    double m_width = 0;

private:
    struct Part;
    std::vector<std::unique_ptr<Part>> m_parts;
};

/*! Program name and date, optionally the user logo (frame 0). */
class HeaderFrame : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! Separator line, footer text and page number (frame 1). The report tells it the page to
    number before each paint. */
class FooterFrame : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;
    void setPage(int page) { m_page = page; }
    void print(QPainter *painter, const QRectF &rect) override;

protected:
    void build(QPaintDevice *device, double width) override;

private:
    QString pageText(int page) const;

    int m_page = 1;
    QtExt::Table *m_table = nullptr;
};

/*! Project, construction, user, company, the description and optionally the logo (frame 2). */
class ReportFrameProjectInfo : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! The hatched construction drawing (frame 3). */
class SketchFrame : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! The material properties of the layers (frame 4). */
class ConstructionLayerFrame : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! Winter and summer climate (frame 5). */
class ClimateFrame : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! The surface resistances of the two sides (frame 6). */
class SurfaceResistanceFrame : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! Thermal, vapour diffusion and liquid transport resistances, R_T and U (frame 7). */
class ResistanceFrame : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! Temperatures, vapour pressures and moisture contents through the construction (frame 8). */
class ResultsTableFrame : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! A profile diagram: kind 3 moisture content, kind 2 vapour pressure (frames 9 and 10). */
class DiagramFrame : public ReportFrameBase
{
public:
    DiagramFrame(Report *report, QTextDocument *document, int kind);
    int kind() const { return m_kind; }
    /*! Height of the diagram over its width. */
    static constexpr double AspectRatio = 1 / 1.5;

protected:
    void build(QPaintDevice *device, double width) override;

private:
    int m_kind;
};

/*! The summary of results with every verdict of the assessment (frame 11). */
class ReportFrameConclusions : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! The results of the Glaser scheme of DIN 4108-3 (frame 12). */
class GlaserFrame : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! The project's final remarks (frame 13). */
class DisclaimerFrame : public ReportFrameBase
{
public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};
