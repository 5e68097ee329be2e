// The report preview: the frame check boxes and the stored frame set, the pages following a
// check box, the final remarks as an undoable edit of the project, PDF writing and the export of
// the page in view.

#include "TestSupport.h"

#include "document/Project.h"
#include "report/Report.h"
#include "settings/Settings.h"
#include "ui/UserDialogs.h"
#include "ui/editors/DINCriteriaSettings.h"
#include "ui/editors/DryingReserveSettings.h"
#include "ui/editors/UserLogoSettingsWidget.h"
#include "ui/reportpreview/ReportPreview.h"
#include <QRadioButton>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolBox>
#include <QToolButton>
#include <QTranslator>
#include <QUndoStack>
#include <QtTest>

#include <set>

namespace {

QString example(const QString &name)
{
    return QDir(QStringLiteral(M2_TEST_DATA_DIR "/../../resources/examples"))
        .absoluteFilePath(name);
}

int pdfPageCount(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    return pdf.count("/Type /Page") - pdf.count("/Type /Pages");
}

/*! Answers the file dialogs with prepared names. */
class ScriptedDialogs : public UserDialogs
{
public:
    void critical(QWidget *, const QString &title, const QString &) override
    {
        m_criticals << title;
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return m_saveName;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return m_openName;
    }
    QString exportFileName(QWidget *, const QStringList &filters, QString *selected) override
    {
        if (selected)
            *selected = filters.value(m_filter);
        return m_exportName;
    }
    QString m_saveName;
    QString m_openName;
    QString m_exportName;
    int m_filter = 0;
    QStringList m_criticals;
};

} // namespace

class tst_ReportPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void ticksFollowTheStoredFrames_data();
    void ticksFollowTheStoredFrames();
    void checkBoxChangesFramesAndPages();
    void finalRemarksAreAnUndoableProjectEdit();
    void writePdfAppendsTheSuffixAndHasAllPages();
    void exportCurrentPage_data();
    void exportCurrentPage();
    void criteriaSettingsTakeEffect();
    void minimumResistanceRowOfTheProject();
    void logoEditorPutsTheLogoOnThePage();
    void descriptionIsAnUndoableProjectEdit();
    void geometryIsRemembered();
    void panelFitsASmallScreen_data();
    void panelFitsASmallScreen();

private:
    Settings m_settings;
    Project m_project;
    QUndoStack m_undoStack;
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_dir;
};

void tst_ReportPreview::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    m_settings.m_diagramFontFamily = QStringLiteral("DejaVu Sans");
}

void tst_ReportPreview::init()
{
    QString message;
    QVERIFY2(
        m_project.load(example(QStringLiteral("masonry_wall_interior_insulation.m2p")), &message),
        qPrintable(message));
    m_undoStack.clear();
    m_settings.m_reportSettings = ReportSettings();
    m_dialogs.m_criticals.clear();
}

void tst_ReportPreview::ticksFollowTheStoredFrames_data()
{
    QTest::addColumn<QString>("frames");
    QTest::newRow("constructor") << Settings::frameSetText({0, 1, 2, 3, 4, 5, 9, 11, 12});
    QTest::newRow("all") << QStringLiteral("1 1 1 1 1 1 1 1 1 1 1 1 1 1 ");
    QTest::newRow("footer only") << QStringLiteral("0 1 0 0 0 0 0 0 0 0 0 0 0 0 ");
    QTest::newRow("odd") << QStringLiteral("0 1 0 1 0 1 0 1 0 1 0 1 0 1 ");
}

void tst_ReportPreview::ticksFollowTheStoredFrames()
{
    QFETCH(QString, frames);
    std::set<int> set;
    Settings::readFrameSet(frames, set);
    m_settings.m_reportSettings.m_activatedFrames = set;
    for (int round = 0; round < 2; ++round) {
        // reopened: a new preview shows what the last one left in the settings
        ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
        for (int i = 0; i < Report::FrameCount; ++i) {
            QCheckBox *box = preview.frameCheckBox(i);
            QVERIFY(box);
            QCOMPARE(box->isChecked(), set.count(i) != 0);
        }
        if (round == 0) {
            // flip one and reopen
            QCheckBox *box = preview.frameCheckBox(7);
            box->setChecked(!box->isChecked());
            if (set.count(7))
                set.erase(7);
            else
                set.insert(7);
            QCOMPARE(m_settings.m_reportSettings.m_activatedFrames, set);
        }
    }
}

void tst_ReportPreview::checkBoxChangesFramesAndPages()
{
    m_settings.m_reportSettings.m_activatedFrames = {0, 1, 2};
    ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
    preview.refresh();
    QCOMPARE(preview.pageCount(), 1);
    for (int frame : {3, 4, 5, 7, 8, 9, 10, 11, 12})
        preview.frameCheckBox(frame)->setChecked(true);
    QVERIFY(m_settings.m_reportSettings.m_activatedFrames.count(10));
    QVERIFY(preview.pageCount() >= 3);
    QCOMPARE(preview.pageCount(), preview.report().pageCount());
    const int pages = preview.pageCount();
    preview.frameCheckBox(9)->setChecked(false);
    preview.frameCheckBox(10)->setChecked(false);
    QVERIFY(preview.pageCount() < pages);
    QVERIFY(!m_settings.m_reportSettings.m_activatedFrames.count(9));
}

void tst_ReportPreview::finalRemarksAreAnUndoableProjectEdit()
{
    m_settings.m_reportSettings.m_activatedFrames.insert(Report::DisclaimerFrameIndex);
    ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
    const QString before = m_project.projectInformation().m_disclaimerText;
    auto *editor = preview.findChild<QPlainTextEdit *>(QStringLiteral("plainTextEditFinalRemarks"));
    QVERIFY(editor);
    QCOMPARE(editor->toPlainText(), before);
    editor->setPlainText(QStringLiteral("Checked by the site engineer."));
    preview.findChild<QPushButton *>(QStringLiteral("pushButtonUpdateFinalRemarks"))->click();
    QCOMPARE(m_undoStack.count(), 1);
    QCOMPARE(m_project.projectInformation().m_disclaimerText,
             QStringLiteral("Checked by the site engineer."));
    QVERIFY(m_project.isModified());
    QVERIFY(preview.report()
                .framePlainText(Report::DisclaimerFrameIndex)
                .contains(QStringLiteral("Checked by the site engineer.")));
    // the same text again is no edit
    preview.findChild<QPushButton *>(QStringLiteral("pushButtonUpdateFinalRemarks"))->click();
    QCOMPARE(m_undoStack.count(), 1);
    m_undoStack.undo();
    QCOMPARE(m_project.projectInformation().m_disclaimerText, before);
    preview.refresh();
    QCOMPARE(editor->toPlainText(), before);
}

void tst_ReportPreview::writePdfAppendsTheSuffixAndHasAllPages()
{
    m_settings.m_reportSettings.m_activatedFrames = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12};
    ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
    preview.refresh();
    m_dialogs.m_saveName = m_dir.filePath(QStringLiteral("whole"));
    preview.findChild<QPushButton *>(QStringLiteral("pushButtonWritePdf"))->click();
    const QString written = m_dir.filePath(QStringLiteral("whole.pdf"));
    QVERIFY(QFileInfo::exists(written));
    QVERIFY(pdfPageCount(written) >= 3);
    QVERIFY(m_dialogs.m_criticals.isEmpty());
    // a file that cannot be written is reported
    QVERIFY(!preview.writePdf(m_dir.filePath(QStringLiteral("missing/dir/x.pdf"))));
    QCOMPARE(m_dialogs.m_criticals.size(), 1);
}

void tst_ReportPreview::exportCurrentPage_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("png") << 0 << QStringLiteral("png");
    QTest::newRow("pdf") << 1 << QStringLiteral("pdf");
    QTest::newRow("svg") << 2 << QStringLiteral("svg");
    QTest::newRow("jpg") << 3 << QStringLiteral("jpg");
}

void tst_ReportPreview::exportCurrentPage()
{
    QFETCH(int, filter);
    QFETCH(QString, suffix);
    m_settings.m_reportSettings.m_activatedFrames = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12};
    ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
    preview.refresh();
    QVERIFY(preview.pageCount() >= 3);
    m_dialogs.m_filter = filter;
    m_dialogs.m_exportName = m_dir.filePath(QStringLiteral("page"));
    TestSupport::QtWarningCapture capture;
    preview.findChild<QPushButton *>(QStringLiteral("pushButtonExport"))->click();
    const QString written = m_dir.filePath(QStringLiteral("page.") + suffix);
    QVERIFY2(QFileInfo::exists(written), qPrintable(written));
    QCOMPARE(m_settings.m_lastExportFile, written);
    if (suffix == QLatin1String("pdf"))
        QCOMPARE(pdfPageCount(written), 1);
    if (suffix == QLatin1String("png")) {
        const QImage image(written);
        QVERIFY(!image.isNull());
        QVERIFY(image.height() > image.width()); // one portrait page
        QCOMPARE(image.pixelColor(0, image.height() - 1), QColor(Qt::white));
    }
    QVERIFY2(capture.warnings().isEmpty(), qPrintable(capture.warnings().join('\n')));
}

void tst_ReportPreview::criteriaSettingsTakeEffect()
{
    ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
    auto *container = preview.findChild<QWidget *>(QStringLiteral("widgetCriteriaSettings"));
    QVERIFY(container);
    auto *reserve = container->findChild<DryingReserveSettings *>();
    auto *din = container->findChild<DINCriteriaSettings *>();
    QVERIFY(reserve && din);
    reserve->radioButton(DryingReserveSettings::Roofs)->click();
    QCOMPARE(m_settings.m_reportSettings.m_dryingReserve, 0.25);
    reserve->radioButton(DryingReserveSettings::NoReserve)->click();
    QCOMPARE(m_settings.m_reportSettings.m_dryingReserve, 0.0);
    QCOMPARE(m_settings.m_reportSettings.m_din4108_3AccordanceType, 2);
    din->radioButton(0)->click();
    QCOMPARE(m_settings.m_reportSettings.m_din4108_3AccordanceType, 0);
}

void tst_ReportPreview::minimumResistanceRowOfTheProject()
{
    // A project written before the construction kind existed: the row is the report setting's.
    {
        ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
        auto *rows =
            preview.findChild<QComboBox *>(QStringLiteral("comboBoxMinimumHeatResConstruction"));
        QVERIFY(rows);
        QCOMPARE(rows->currentData().toInt(), 12);
        const int row = rows->findData(17);
        rows->setCurrentIndex(row);
        emit rows->activated(row);
        QCOMPARE(m_settings.m_reportSettings.m_minimumHeatResConstruction, 17);
        QCOMPARE(m_undoStack.count(), 0);
    }
    // A project with a row of its own (a flat roof): the preview shows it and changes it as an
    // edit of the project, while the report setting stays for the projects without one.
    QVERIFY(m_project.setConstructionKind(ConstructionKind::FlatRoof));
    ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
    auto *rows =
        preview.findChild<QComboBox *>(QStringLiteral("comboBoxMinimumHeatResConstruction"));
    QCOMPARE(rows->currentData().toInt(), 14);
    const int pitch = rows->findData(13);
    rows->setCurrentIndex(pitch);
    emit rows->activated(pitch);
    QCOMPARE(m_project.minimumResistanceType(), 13);
    QCOMPARE(m_settings.m_reportSettings.m_minimumHeatResConstruction, 17);
    QCOMPARE(m_undoStack.count(), 1);
    m_undoStack.undo();
    QCOMPARE(m_project.minimumResistanceType(), 14);
}

void tst_ReportPreview::logoEditorPutsTheLogoOnThePage()
{
    // position, image and size chosen in the preview go into the report options and onto the
    // page at once
    const QString file = m_dir.filePath(QStringLiteral("logo.png"));
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QVERIFY(image.save(file));
    m_settings.m_reportSettings.m_activatedFrames = {0, 1, 2};
    ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
    preview.refresh();
    const int plainHeader = preview.report().frameRect(Report::HeaderFrameIndex).height();
    UserLogoSettingsWidget *logo = preview.userLogoEditor();
    QVERIFY(logo);
    logo->positionComboBox()->setCurrentIndex(UserLogoSettings::LogoInPageHeader);
    QCOMPARE(m_settings.m_reportSettings.m_userLogo.m_position,
             int(UserLogoSettings::LogoInPageHeader));
    m_dialogs.m_openName = file;
    logo->findChild<QToolButton *>(QStringLiteral("toolButtonUserLogoPath"))->click();
    QCOMPARE(m_settings.m_reportSettings.m_userLogo.m_path, file);
    logo->sizeSpinBox()->setValue(150);
    emit logo->sizeSpinBox()->editingFinished();
    QCOMPARE(m_settings.m_reportSettings.m_userLogo.m_size, 150);
    QVERIFY(!preview.report().content().logoImage.isNull());
    QVERIFY(preview.report().frameRect(Report::HeaderFrameIndex).height() > plainHeader);
    // no logo again
    logo->positionComboBox()->setCurrentIndex(UserLogoSettings::NoLogo);
    QVERIFY(preview.report().content().logoImage.isNull());
}

void tst_ReportPreview::descriptionIsAnUndoableProjectEdit()
{
    m_settings.m_reportSettings.m_activatedFrames = {0, 1, 2};
    m_settings.m_reportSettings.m_printRemarkProjectInformation = true;
    ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
    preview.refresh();
    const QString before = m_project.projectInformation().m_description;
    QPlainTextEdit *editor = preview.descriptionEditor();
    QVERIFY(editor);
    QCOMPARE(editor->toPlainText(), before);
    editor->setPlainText(QStringLiteral("Renovation 2026: interior insulation <20 mm>."));
    preview.findChild<QPushButton *>(QStringLiteral("pushButtonUpdateDescription"))->click();
    QCOMPARE(m_undoStack.count(), 1);
    QCOMPARE(m_project.projectInformation().m_description,
             QStringLiteral("Renovation 2026: interior insulation <20 mm>."));
    QVERIFY(preview.report()
                .framePlainText(Report::ProjectInfoFrameIndex)
                .contains(QStringLiteral("interior insulation <20 mm>.")));
    preview.findChild<QPushButton *>(QStringLiteral("pushButtonUpdateDescription"))->click();
    QCOMPARE(m_undoStack.count(), 1); // the same text is no edit
    m_undoStack.undo();
    QCOMPARE(m_project.projectInformation().m_description, before);
    preview.refresh();
    QCOMPARE(editor->toPlainText(), before);
}

void tst_ReportPreview::geometryIsRemembered()
{
    m_settings.m_reportPreviewGeometry.clear();
    {
        ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
        preview.show();
        preview.resize(930, 660);
        QCoreApplication::processEvents();
        preview.close();
    }
    QVERIFY(!m_settings.m_reportPreviewGeometry.isEmpty());
    ReportPreview again(m_settings, m_project, m_undoStack, &m_dialogs);
    QCOMPARE(again.size(), QSize(930, 660));
}

void tst_ReportPreview::panelFitsASmallScreen_data()
{
    QTest::addColumn<QString>("lang");
    QTest::newRow("en") << QStringLiteral("en");
    QTest::newRow("de") << QStringLiteral("de");
    QTest::newRow("pl") << QStringLiteral("pl");
}

void tst_ReportPreview::panelFitsASmallScreen()
{
    // At 1024 × 700 every page of the settings panel is as wide as the panel or narrower: nothing
    // is cut at the right and nothing scrolls sideways.
    QFETCH(QString, lang);
    QTranslator translator;
    if (lang != QLatin1String("en")) {
        QVERIFY(translator.load(
            QStringLiteral(M2_BIN_DIR "/resources/translations/Mirelo2_%1.qm").arg(lang)));
        QCoreApplication::installTranslator(&translator);
    }
    m_settings.m_reportPreviewGeometry.clear();
    {
        ReportPreview preview(m_settings, m_project, m_undoStack, &m_dialogs);
        preview.resize(1024, 700);
        preview.show();
        QCoreApplication::processEvents();
        QVERIFY2(preview.width() <= 1024 && preview.height() <= 700,
                 qPrintable(QStringLiteral("%1 x %2").arg(preview.width()).arg(preview.height())));
        QToolBox *panel = preview.settingsPanel();
        QVERIFY(panel);
        for (int i = 0; i < panel->count(); ++i) {
            panel->setCurrentIndex(i);
            QCoreApplication::processEvents();
            auto *area = qobject_cast<QScrollArea *>(panel->widget(i));
            QVERIFY(area && area->widget());
            const int needed = area->widget()->minimumSizeHint().width();
            // the widest field of the page, to name in a failure
            QString widest;
            int widestWidth = 0;
            for (const QWidget *w : area->widget()->findChildren<QWidget *>())
                if (w->minimumSizeHint().width() > widestWidth) {
                    widestWidth = w->minimumSizeHint().width();
                    widest = w->objectName() + QLatin1Char(' ') + w->metaObject()->className();
                }
            QVERIFY2(needed <= area->viewport()->width(),
                     qPrintable(QStringLiteral("page %1 needs %2 of %3 pixels (widest: %4, %5)")
                                    .arg(panel->itemText(i))
                                    .arg(needed)
                                    .arg(area->viewport()->width())
                                    .arg(widest)
                                    .arg(widestWidth)));
        }
        preview.close();
    }
    QCoreApplication::removeTranslator(&translator);
}

M2_TEST_MAIN(tst_ReportPreview)
#include "tst_ReportPreview.moc"
