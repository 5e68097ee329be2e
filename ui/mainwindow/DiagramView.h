#pragma once

#include "calculation/CalculationResults.h"
#include "model/InputData.h"

#include <QGraphicsView>

class DiagramScene;
class QIODevice;
class QPagedPaintDevice;
class QPaintDevice;

/*! The profile diagram below the construction table: the temperature profile with the
    vapour-pressure or the moisture-content profile of the open project, drawn by its own
    DiagramScene to the size of the view. Not interactive; it redraws when the data, the
    profile mode or (by at least the margin) its size change. Copies and exports draw a fresh
    scene of the same data at the width of an A4 page. */
class DiagramView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit DiagramView(QWidget *parent = nullptr);

    /*! Copies the data and redraws for the view rectangle shrunk by the margin; shows the
        view. device is the one whose metrics lay out the texts (the main window passes
        itself). */
    void setData(QPaintDevice *device, const InputData &input, const CalculationResults &results,
                 double scale = 1.0);
    /*! 1 construction only, 2 vapour pressure, 3 moisture content, 4 the Glaser diagram (vapour
        pressure over s_d). */
    void setProfileMode(int mode);
    int profileMode() const { return m_profileMode; }

    DiagramScene *diagramScene() const { return m_scene; }

    /*! The picture for the clipboard and the PNG and JPG exports: white background, the width
        of an A4 page at screen resolution, the view's aspect ratio. */
    QPixmap renderPixmap() const;
    /*! Writes the picture as SVG, with the title of the profile mode and the description. */
    bool writeSvg(QIODevice *device, const QString &description) const;
    /*! Prints the picture on A4 over the width of the printable area. */
    void print(QPagedPaintDevice *printer) const;
    /*! Exports the picture to a file whose suffix gives the format (svg, png, jpg, pdf). */
    bool exportToFile(const QString &fileName, const QString &description, QString *error) const;

    /*! Height over width of the view, the aspect ratio of the exported pictures. */
    double aspectRatio() const;

    static constexpr int Margin = 5;

    /*! How often the content was rebuilt (a seam for tests that check which announcements a
        view follows). */
    int rebuildCount() const { return m_rebuildCount; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void redraw();

    InputData m_input;
    CalculationResults m_results;
    int m_profileMode = 3;
    DiagramScene *m_scene;
    int m_rebuildCount = 0;
    double m_scale = 1.0;
    QPaintDevice *m_device = nullptr;
    QSize m_drawnSize;
};
