// The report's table and text block: column widths for tables that fit and tables that are too
// wide, merged ranges, the device scale, painting on an image without a screen, and the texts
// each cell keeps laid out between a layout and its paints.

#include "TestSupport.h"

#include "qtext/Table.h"
#include "qtext/TextFrame.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>

#include <memory>
#include <numeric>

namespace {

// The logical resolution of the screen that lengths are given for.
int screenDpi()
{
    return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
}

// A paint device of the screen's resolution, or of a multiple of it.
QImage device(int width = 600, int height = 400, int dpiFactor = 1)
{
    const int dpi = screenDpi() * dpiFactor;
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return image;
}

qreal sum(const std::vector<qreal> &v)
{
    return std::accumulate(v.begin(), v.end(), qreal(0));
}

// A one-row table with the given texts.
void fill(QtExt::Table &t, const QStringList &texts)
{
    t.setColsAndRows(texts.size(), 1);
    for (int c = 0; c < texts.size(); ++c)
        t.setCellText(c, 0, texts[c]);
}

// The natural widths of the texts: the same table with every column of natural width.
std::vector<qreal> naturalWidths(QTextDocument *doc, QImage &image, const QStringList &texts,
                                 qreal margin)
{
    QtExt::Table t(doc);
    fill(t, texts);
    t.setDefaultCellMargin(margin);
    for (int c = 0; c < texts.size(); ++c)
        t.setColumnWidth(c, QtExt::Table::Natural);
    t.boundingRect(&image, 2000);
    return t.columnWidths();
}

// A table of three rows: a heading over both columns, a label and a number, a note.
void fillThreeRows(QtExt::Table &t)
{
    t.setColsAndRows(2, 3);
    t.setDefaultCellMargin(2);
    t.setCellText(0, 0, "<b>Thermal resistance</b>");
    QVERIFY(t.mergeCells(0, 0, 2, 1));
    t.setCellText(0, 1, "R<sub>T</sub>");
    t.setCellText(1, 1, "2,718", Qt::AlignRight);
    t.setCellText(0, 2, "<small>of the whole construction, in m<sup>2</sup>K/W</small>");
}

// The table painted on the device, filled white first. The device outlives the painting: the
// table's document keeps it as the device it measures for.
QImage painted(QtExt::Table &t, QImage &device)
{
    device.fill(Qt::white);
    QPainter painter(&device);
    t.paint(&painter, QPointF(3, 3));
    painter.end();
    return device.copy();
}

struct Geometry
{
    std::vector<qreal> columns, rows;
    std::vector<QRectF> cells;
    QRectF table;
    bool operator==(const Geometry &o) const
    {
        return columns == o.columns && rows == o.rows && cells == o.cells && table == o.table;
    }
};

Geometry geometry(QtExt::Table &t, QImage &device, qreal width)
{
    Geometry g;
    g.table = t.boundingRect(&device, width);
    g.columns = t.columnWidths();
    g.rows = t.rowHeights();
    for (int c = 0; c < t.columnCount(); ++c)
        for (int r = 0; r < t.rowCount(); ++r)
            g.cells.push_back(static_cast<const QtExt::Table &>(t).cell(c, r).rect());
    return g;
}

// A shared document that refuses every resource and counts the requests, as the report's does.
class RefusingDocument : public QTextDocument
{
public:
    int requests = 0;

protected:
    QVariant loadResource(int, const QUrl &) override
    {
        ++requests;
        return QVariant();
    }
};

} // namespace

class tst_Table : public QObject
{
    Q_OBJECT

private slots:
    void surplusGoesEquallyToAutomaticColumns();
    void fixedColumnOfThree();
    void tooWideCapsTheWidestFirst();
    void mergedCellWidensItsColumns();
    void overlappingMergesAreRefused();
    void scaleFollowsTheDevice();
    void emptyTextFrame();
    void textFramePaintsInItsRectangle();
    void paintsWithoutWarnings();
    void changedTextIsPaintedAfterAPaint();
    void eachDeviceGetsItsOwnGeometry();
    void newDefaultFontLaysOutAgain();
    void cellTextsAskTheSharedDocumentForResources();
    void textFrameFollowsItsTextAndFont();
    void keptTextsServeTheirOwnFontAndDevice();
    void linkFoundAfterTheDeviceIsGone();
    void newFontAfterTheDeviceIsGone();
};

void tst_Table::surplusGoesEquallyToAutomaticColumns()
{
    QTextDocument doc;
    QImage image = device();
    const QStringList texts{"Construction thickness", "0.357", "m"};
    const std::vector<qreal> natural = naturalWidths(&doc, image, texts, 2);
    QtExt::Table t(&doc);
    fill(t, texts);
    t.setDefaultCellMargin(2);
    const QRectF r = t.boundingRect(&image, 500);
    const qreal surplus = 500 - sum(natural);
    QVERIFY(surplus > 0);
    for (int c = 0; c < 3; ++c)
        QCOMPARE(t.columnWidths()[c], natural[c] + surplus / 3);
    QCOMPARE(r.width(), 500.0);
}

void tst_Table::fixedColumnOfThree()
{
    QTextDocument doc;
    QImage image = device();
    const QStringList texts{"Label", "12.5", "kg"};
    std::vector<qreal> natural = naturalWidths(&doc, image, texts, 0);
    QtExt::Table t(&doc);
    fill(t, texts);
    t.setColumnWidth(1, QtExt::Table::Fixed, 80);
    natural[1] = 80;
    const QRectF r = t.boundingRect(&image, 400);
    const qreal surplus = 400 - sum(natural);
    QCOMPARE(t.columnWidths()[1], 80.0);
    QCOMPARE(t.columnWidths()[0], natural[0] + surplus / 3);
    QCOMPARE(t.columnWidths()[2], natural[2] + surplus / 3);
    // The fixed column's share is not handed out: the table is a third of the surplus short.
    QCOMPARE(r.width(), 400 - surplus / 3);
}

void tst_Table::tooWideCapsTheWidestFirst()
{
    QTextDocument doc;
    QImage image = device();
    const QStringList texts{"a rather long text that alone is wider than the table",
                            "medium text here", "x"};
    const std::vector<qreal> natural = naturalWidths(&doc, image, texts, 0);
    QVERIFY(natural[0] > natural[1] && natural[1] > natural[2]);
    // Narrow enough that the widest column must be capped, wide enough for the others.
    const qreal available = natural[1] * 2 + natural[2];
    QtExt::Table t(&doc);
    fill(t, texts);
    t.boundingRect(&image, available);
    const std::vector<qreal> &w = t.columnWidths();
    QCOMPARE(w[1], natural[1]);
    QCOMPARE(w[2], natural[2]);
    QCOMPARE(w[0], available - natural[1] - natural[2]);
    QVERIFY(sum(w) <= available + 1e-9);

    // Far too narrow: every column above the even share gets it.
    QtExt::Table narrow(&doc);
    fill(narrow, texts);
    narrow.boundingRect(&image, natural[2] * 3);
    for (qreal width : narrow.columnWidths())
        QVERIFY(width <= natural[2] + 1e-9);
}

void tst_Table::mergedCellWidensItsColumns()
{
    QTextDocument doc;
    QImage image = device();
    QtExt::Table t(&doc);
    t.setColsAndRows(2, 2);
    t.setCellText(0, 0, "a heading that is wider than both columns below");
    t.setCellText(0, 1, "a");
    t.setCellText(1, 1, "b");
    t.setColumnWidth(0, QtExt::Table::Natural);
    t.setColumnWidth(1, QtExt::Table::Natural);
    QVERIFY(t.mergeCells(0, 0, 2, 1));
    t.boundingRect(&image, 2000);
    QtExt::Table heading(&doc);
    fill(heading, {"a heading that is wider than both columns below"});
    heading.setColumnWidth(0, QtExt::Table::Natural);
    heading.boundingRect(&image, 2000);
    QCOMPARE(sum(t.columnWidths()), heading.columnWidths()[0]);
    // The merged cell's text spans both columns.
    QCOMPARE(t.cell(0, 0).rect().width(), sum(t.columnWidths()));
}

void tst_Table::overlappingMergesAreRefused()
{
    QTextDocument doc;
    QtExt::Table t(&doc);
    t.setColsAndRows(3, 3);
    QVERIFY(t.mergeCells(0, 0, 2, 1));
    QVERIFY(!t.mergeCells(1, 0, 1, 2)); // touches the first range
    QVERIFY(!t.cell(1, 1).isMerged());  // nothing changed
    QVERIFY(!t.mergeCells(2, 2, 2, 1)); // leaves the table
    QVERIFY(!t.cell(2, 2).isMerged());
    QVERIFY(t.mergeCells(1, 1, 2, 2));
    QVERIFY(t.cell(2, 2).isMerged());
}

void tst_Table::scaleFollowsTheDevice()
{
    // On a device of twice the screen's resolution every length set in screen units doubles.
    QTextDocument doc;
    QImage screen = device(600, 400, 1);
    QImage printer = device(1200, 800, 2);
    QtExt::Table t(&doc);
    fill(t, {"x"});
    t.setTableMargin(10);
    t.setDefaultCellMargin(3);
    t.setColumnWidth(0, QtExt::Table::Fixed, 100);
    t.boundingRect(&screen, 600);
    QCOMPARE(t.scale(), 1.0);
    QCOMPARE(t.cell(0, 0).rect().left(), 13.0);
    t.boundingRect(&printer, 1200);
    QCOMPARE(t.scale(), 2.0);
    QCOMPARE(t.cell(0, 0).rect().left(), 26.0);
}

void tst_Table::emptyTextFrame()
{
    QTextDocument doc;
    QImage image = device();
    const QImage before = image;
    QtExt::TextFrame frame(&doc);
    QVERIFY(frame.frameRect(&image, 300).isEmpty());
    QPainter painter(&image);
    frame.paint(&painter, QPointF(10, 10), 300);
    painter.end();
    QCOMPARE(image, before);
}

void tst_Table::textFramePaintsInItsRectangle()
{
    QTextDocument doc;
    QImage image = device();
    image.fill(Qt::black);
    QtExt::TextFrame frame(&doc);
    frame.setText("Invalid input!<br/>Second line");
    const QRectF r = frame.frameRect(&image, 200);
    QVERIFY(r.width() > 0 && r.width() <= 200);
    QVERIFY(r.height() > 0);
    QPainter painter(&image);
    frame.paint(&painter, QPointF(20, 30), 200);
    painter.end();
    // The white background covers the frame and nothing outside it.
    QCOMPARE(QColor(image.pixel(21, 31)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(19, 31)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(21, 30 + int(r.height()) + 2)), QColor(Qt::black));
}

void tst_Table::paintsWithoutWarnings()
{
    TestSupport::QtWarningCapture capture;
    QTextDocument doc;
    QImage image = device();
    QtExt::Table t(&doc);
    t.setColsAndRows(3, 3);
    t.setInnerFrameWidth(1);
    t.setOuterFrameWidth(2);
    t.setTableMargin(2);
    t.setBackgroundColor(QColor(240, 240, 255), true);
    t.setCellText(0, 0, "<b>Head</b>");
    QVERIFY(t.mergeCells(0, 0, 3, 1));
    t.setCellText(0, 1, "left");
    t.setCellText(1, 1, "1.5", Qt::AlignRight | Qt::AlignVCenter);
    t.setCellText(2, 1, "m<sup>2</sup>K/W");
    t.cell(0, 2).setVerticalText(true);
    t.setCellText(0, 2, "up");
    t.setSize(QSizeF(0, 300));
    QPainter painter(&image);
    t.paint(&painter, QPointF(5, 5));
    painter.end();
    QVERIFY2(capture.warnings().isEmpty(), qPrintable(capture.warnings().join('\n')));
    // The free height goes to the rows: the table is as high as it was asked to be.
    QCOMPARE(sum(t.rowHeights()) + 2 * 2, 300.0);
}

void tst_Table::changedTextIsPaintedAfterAPaint()
{
    // The text of a cell changed after the table was painted, through the table or through
    // the cell, is painted as if the table had never shown the old one.
    QTextDocument doc;
    QImage image = device(400, 200);
    QtExt::Table t(&doc);
    fillThreeRows(t);
    const QImage before = painted(t, image);
    t.setCellText(1, 1, "3,142", Qt::AlignRight);
    t.cell(0, 1).setText("U");
    const QImage after = painted(t, image);
    QVERIFY(after != before);

    QtExt::Table fresh(&doc);
    fillThreeRows(fresh);
    fresh.setCellText(1, 1, "3,142", Qt::AlignRight);
    fresh.setCellText(0, 1, "U");
    QCOMPARE(after, painted(fresh, image));
    // painted again unchanged, it stays as it is
    QCOMPARE(painted(t, image), after);
}

void tst_Table::eachDeviceGetsItsOwnGeometry()
{
    // Laid out for a device of twice the resolution (a printer) and then for the screen, the
    // table has on each the geometry and the pixels of a table that only ever saw that device.
    QTextDocument doc;
    QImage screen = device(400, 200, 1);
    QImage printer = device(800, 400, 2);
    QtExt::Table t(&doc), screenOnly(&doc), printerOnly(&doc);
    for (QtExt::Table *table : {&t, &screenOnly, &printerOnly}) {
        fillThreeRows(*table);
        // measured at no width at all, in its row as in its column
        table->cell(0, 1).setVerticalText(true);
    }
    const Geometry onScreen = geometry(screenOnly, screen, 300);
    const Geometry onPrinter = geometry(printerOnly, printer, 600);
    QVERIFY(!(onScreen == onPrinter));

    QVERIFY(geometry(t, printer, 600) == onPrinter);
    QVERIFY(geometry(t, screen, 300) == onScreen);
    QCOMPARE(painted(t, screen), painted(screenOnly, screen));
    QVERIFY(geometry(t, printer, 600) == onPrinter);
    QCOMPARE(painted(t, printer), painted(printerOnly, printer));
}

void tst_Table::newDefaultFontLaysOutAgain()
{
    // The shared document's default font is the font of every cell: a table laid out before
    // it changed is laid out again in the new font.
    QTextDocument doc;
    QImage image = device(400, 200);
    QFont small = doc.defaultFont();
    small.setPointSize(8);
    QFont large = small;
    large.setPointSize(16);
    doc.setDefaultFont(small);
    QtExt::Table t(&doc);
    fillThreeRows(t);
    const Geometry inSmall = geometry(t, image, 300);
    doc.setDefaultFont(large);
    const Geometry inLarge = geometry(t, image, 300);
    QVERIFY(inLarge.rows[1] > inSmall.rows[1]);

    QTextDocument largeDoc;
    largeDoc.setDefaultFont(large);
    QtExt::Table fresh(&largeDoc);
    fillThreeRows(fresh);
    QVERIFY(geometry(fresh, image, 300) == inLarge);
    QCOMPARE(painted(t, image), painted(fresh, image));
}

void tst_Table::cellTextsAskTheSharedDocumentForResources()
{
    // An image named in a cell is asked of the shared document, whose rules hold: a document
    // that refuses it keeps the picture, which a plain document would show, out of the table.
    QTemporaryDir dir;
    QImage picture(200, 200, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    const QString file = dir.filePath("picture.png");
    QVERIFY(picture.save(file));
    const QString html =
        QStringLiteral("x<img src=\"%1\">").arg(QUrl::fromLocalFile(file).toString());
    QImage image = device(400, 400);

    QTextDocument plain;
    QtExt::Table shows(&plain);
    fill(shows, {html});
    QVERIFY(shows.boundingRect(&image, 300).height() >= 200);

    RefusingDocument refusing;
    QtExt::Table t(&refusing);
    fill(t, {html});
    QVERIFY(t.boundingRect(&image, 300).height() < 100);
    QVERIFY(refusing.requests > 0);
    const QImage result = painted(t, image);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            QVERIFY(QColor(result.pixel(x, y)) != QColor(Qt::magenta));
}

void tst_Table::textFrameFollowsItsTextAndFont()
{
    // A text frame painted once and then given a new text, or a new default font, measures
    // and paints as a frame that only ever had the new one.
    auto paintedFrame = [](QtExt::TextFrame &frame, QImage &device) {
        device.fill(Qt::black);
        QPainter painter(&device);
        frame.paint(&painter, QPointF(5, 5), 200);
        painter.end();
        return device.copy();
    };
    QTextDocument doc, freshDoc;
    QImage image = device(300, 200);
    QtExt::TextFrame frame(&doc), fresh(&freshDoc);
    frame.setText("first text");
    const QImage first = paintedFrame(frame, image);

    frame.setText("a <b>second</b> and longer text");
    fresh.setText("a <b>second</b> and longer text");
    QImage probe = image;
    QCOMPARE(frame.frameRect(&probe, 200), fresh.frameRect(&probe, 200));
    const QImage second = paintedFrame(frame, image);
    QVERIFY(second != first);
    QCOMPARE(second, paintedFrame(fresh, image));

    QFont large = doc.defaultFont();
    large.setPointSize(large.pointSize() * 2);
    frame.setDefaultFont(large);
    fresh.setDefaultFont(large);
    QCOMPARE(frame.frameRect(&probe, 200), fresh.frameRect(&probe, 200));
    QCOMPARE(paintedFrame(frame, image), paintedFrame(fresh, image));
    QVERIFY(paintedFrame(frame, image) != second);
}

void tst_Table::keptTextsServeTheirOwnFontAndDevice()
{
    // The texts of a table that is gone are kept for the next table of the same document: one
    // with the same texts, font and device lays out without parsing or laying out anything
    // again (its picture is not even asked for), and one with another font or device gets
    // the geometry of a table that never saw the kept texts.
    QTemporaryDir dir;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    const QString file = dir.filePath("small.png");
    QVERIFY(picture.save(file));
    auto fillWithPicture = [&](QtExt::Table &t) {
        fillThreeRows(t);
        t.setCellText(0, 2, QStringLiteral("note <img src=\"%1\">").arg(file));
    };
    QImage screen = device(400, 200, 1);
    QImage printer = device(800, 400, 2);
    QFont small = QTextDocument().defaultFont();
    small.setPointSize(8);
    QFont large = small;
    large.setPointSize(16);

    RefusingDocument doc;
    doc.setDefaultFont(small);
    Geometry first;
    QImage firstPicture;
    {
        QtExt::Table t(&doc);
        fillWithPicture(t);
        first = geometry(t, screen, 300);
        firstPicture = painted(t, screen);
    }
    const int requests = doc.requests;
    QVERIFY(requests > 0);
    {
        QtExt::Table again(&doc);
        fillWithPicture(again);
        QVERIFY(geometry(again, screen, 300) == first);
        QCOMPARE(painted(again, screen), firstPicture);
        QCOMPARE(doc.requests, requests);
    }

    RefusingDocument largeDoc, smallDoc;
    largeDoc.setDefaultFont(large);
    smallDoc.setDefaultFont(small);
    QtExt::Table freshLarge(&largeDoc), freshPrinter(&smallDoc);
    fillWithPicture(freshLarge);
    fillWithPicture(freshPrinter);
    doc.setDefaultFont(large);
    {
        QtExt::Table inLarge(&doc);
        fillWithPicture(inLarge);
        QVERIFY(geometry(inLarge, screen, 300) == geometry(freshLarge, screen, 300));
        QCOMPARE(painted(inLarge, screen), painted(freshLarge, screen));
    }
    doc.setDefaultFont(small);
    {
        QtExt::Table onPrinter(&doc);
        fillWithPicture(onPrinter);
        QVERIFY(geometry(onPrinter, printer, 600) == geometry(freshPrinter, printer, 600));
        QCOMPARE(painted(onPrinter, printer), painted(freshPrinter, printer));
    }
}

void tst_Table::linkFoundAfterTheDeviceIsGone()
{
    // A table laid out for a device that is then destroyed (the writer of an exported PDF)
    // still tells which link is under a point of that layout.
    QTextDocument doc;
    QtExt::Table t(&doc);
    fillThreeRows(t);
    t.setCellText(0, 2, "<a href=\"#note\">note on the resistance</a>");
    QPointF inLink;
    QString anchor;
    {
        auto printer = std::make_unique<QImage>(device(800, 400, 2));
        t.boundingRect(printer.get(), 600);
        const QtExt::Table &laidOut = t;
        inLink = laidOut.cell(0, 2).rect().topLeft() + QPointF(4, 4);
        anchor = t.anchorAt(inLink);
    }
    QCOMPARE(anchor, QString("#note"));
    QCOMPARE(t.anchorAt(inLink), anchor);
}

void tst_Table::newFontAfterTheDeviceIsGone()
{
    // The shared document of a table laid out for a device that is then destroyed takes a new
    // default font; the table then lays out and paints for the next device as a table in that
    // font that never saw the first device.
    QTextDocument doc, largeDoc;
    QFont large = doc.defaultFont();
    large.setPointSize(16);
    largeDoc.setDefaultFont(large);
    QtExt::Table t(&doc), fresh(&largeDoc);
    fillThreeRows(t);
    fillThreeRows(fresh);
    {
        auto printer = std::make_unique<QImage>(device(800, 400, 2));
        t.boundingRect(printer.get(), 600);
    }
    doc.setDefaultFont(large);
    QImage screen = device(400, 200);
    QVERIFY(geometry(t, screen, 300) == geometry(fresh, screen, 300));
    QCOMPARE(painted(t, screen), painted(fresh, screen));
}

M2_TEST_MAIN(tst_Table)
#include "tst_Table.moc"
