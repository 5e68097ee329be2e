// The action icons of the main window: every icon the menus and tool bars name is compiled into
// the ui library under ":/icons/", loads at its nominal size with an alpha channel and a
// transparent background, and gives a pixmap at both tool-bar sizes.

#include "TestSupport.h"

#include "ui/UiResources.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

struct IconFile
{
    const char *name;
    int size;
};

// Every icon file an action of the main window refers to, with its nominal edge length.
const IconFile iconFiles[] = {
    {"new.png", 32},
    {"open.png", 32},
    {"save.png", 32},
    {"print.png", 32},
    {"16-advanced-settings_24x24.png", 24},
    {"14_Feuchtefeld-anz_verst_32x32.png", 32},
    {"12_Schraffur-anz_verst_32x32.png", 32},
    {"02_Material-zuweisen_32x32.png", 32},
    {"03_MaterialList_enabled.png", 32},
    {"03_Schicht-links-einfuegen_32x32.png", 32},
    {"04_Schicht-rechts-einfuegen_32x32.png", 32},
    {"07_Schicht-entfernen_32x32.png", 32},
    {"05_Schicht-nach-links-verschieben_32x32.png", 32},
    {"06_Schicht-nach-rechts-verschieben_32x32.png", 32},
    {"01_Druck-Vorschau_32x32.png", 32},
    {"09_Projektinf-bearbeiten_32x32.png", 32},
    {"19_Copy_32x32.png", 32},
    {"20_Export_32x32.png", 32},
    {"20_WarmCeiling_32x32.png", 32},
    {"19_WarmWall_32x32.png", 32},
    {"21_WarmFloor_32x32.png", 32},
    {"09_Projektinf-bearbeiten_24x24.png", 24},
    {"03_AddMaterial_enabled.png", 32},
    {"editundo.png", 32},
    {"editredo.png", 32},
    {"config.png", 32},
    {"update.png", 32},
};

} // namespace

class tst_Icons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initUiResources(); }

    void iconLoads_data();
    void iconLoads();
    void imageHasNominalSizeAndTransparency_data() { iconLoads_data(); }
    void imageHasNominalSizeAndTransparency();
    void resourceDirectoryHoldsExactlyTheIcons();
};

void tst_Icons::iconLoads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    for (const IconFile &file : iconFiles)
        QTest::newRow(file.name) << QString::fromLatin1(file.name) << file.size;
}

void tst_Icons::iconLoads()
{
    QFETCH(QString, name);
    const QIcon icon(QStringLiteral(":/icons/") + name);
    QVERIFY(!icon.isNull());
    for (int extent : {24, 32}) {
        const QPixmap pixmap = icon.pixmap(extent, extent);
        QVERIFY2(!pixmap.isNull(), qPrintable(QStringLiteral("no pixmap at %1 px").arg(extent)));
        // A pixmap is never scaled up beyond the file, and a larger file is scaled down to fit.
        QVERIFY(pixmap.width() <= extent && pixmap.height() <= extent);
    }
}

void tst_Icons::imageHasNominalSizeAndTransparency()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    const QImage image(QStringLiteral(":/icons/") + name);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());

    // The picture stands on a transparent background: some pixels are fully transparent and
    // some are opaque enough to be seen.
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int clear = 0, solid = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(argb.pixel(x, y));
            clear += alpha == 0;
            solid += alpha >= 200;
        }
    QVERIFY2(clear > 0, "no transparent pixel");
    QVERIFY2(solid >= size * size / 8, "almost nothing to see");
}

void tst_Icons::resourceDirectoryHoldsExactlyTheIcons()
{
    QStringList expected;
    for (const IconFile &file : iconFiles)
        expected << QString::fromLatin1(file.name);
    expected.sort();
    QStringList present = QDir(QStringLiteral(":/icons")).entryList(QDir::Files);
    present.sort();
    QCOMPARE(present, expected);
}

M2_TEST_MAIN(tst_Icons)
#include "tst_Icons.moc"
