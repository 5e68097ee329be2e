#include "ui/reportpreview/ReportPreview.h"

#include "persistence/AtomicFile.h"

#include "qtext/ValidatingLineEdit.h"
#include "ui/editors/DINCriteriaSettings.h"
#include "ui/editors/DryingReserveSettings.h"

#include "calculation/MinimumHeatResistance.h"
#include "document/Project.h"
#include "htl/HTL_MessageStream.h"
#include "report/DiagramPicture.h"
#include "report/Report.h"
#include "settings/Constants.h"
#include "settings/Settings.h"
#include "ui/Globals.h"
#include "ui/UserDialogs.h"
#include "ui/commands/M2_UndoProject.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QToolBox>
#include <QUndoStack>
#include <QVBoxLayout>

#include <cmath>
#include <exception>

namespace {

const double ZoomStep = 1.1;

enum ZoomChoice
{
    FitPage = 0,
    FitWidth = 1,
    CustomZoom = 2
};

void setMargins(QPrinter &printer)
{
    const double m = Report::PageMargin_mm;
    printer.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

} // namespace

ReportPreview::ReportPreview(Settings &settings, Project &project, QUndoStack &undoStack,
                             UserDialogs *dialogs, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_project(project)
    , m_undoStack(undoStack)
    , m_dialogs(dialogs)
    , m_printer(new QPrinter(QPrinter::HighResolution))
    , m_report(new Report(settings.m_diagramFontFamily))
{
    setWindowTitle(tr("Report"));
    setModal(false);
    setMargins(*m_printer);
    m_settings.m_reportFont = m_report->reportFont();
    connect(m_report.get(), &Report::progress, this, &ReportPreview::progress);
    // report settings and units changed here or in the preferences
    connect(&m_settings, &Settings::changed, this, [this](SettingsGroups groups) {
        if (groups & (SettingsGroup::Report | SettingsGroup::Units))
            refresh();
    });
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this]() { Globals::showHelp(m_settings.languageId(), 6); });

    auto *toolBox = new QToolBox;
    toolBox->setObjectName(QStringLiteral("toolBox"));
    toolBox->addItem(makeGeneralPage(), tr("General Appearance"));
    toolBox->addItem(makeInputPage(), tr("Input Data"));
    toolBox->addItem(makeResultsPage(), tr("Results"));
    toolBox->addItem(makeDiagramsPage(), tr("Diagrams"));
    toolBox->addItem(makeFinalRemarksPage(), tr("Final Remarks"));
    toolBox->setMinimumWidth(300);

    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName(QStringLiteral("printPreview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::printReport);
    m_preview->fitToWidth();

    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setRange(0, 28);
    m_progress->setTextVisible(false);
    m_progress->setMaximumHeight(8);
    connect(this, &ReportPreview::progress, m_progress, &QProgressBar::setValue);

    m_zoom = new QComboBox;
    m_zoom->setObjectName(QStringLiteral("comboBoxZoom"));
    m_zoom->addItems({tr("Fit Page in View"), tr("Fit to Page Width"), tr("Custom Zoom")});
    m_zoom->setCurrentIndex(FitWidth);
    connect(m_zoom, QOverload<int>::of(&QComboBox::activated), this, &ReportPreview::zoomChosen);

    auto button = [this](const QString &text, const char *name) {
        auto *b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *print = button(tr("Print..."), "pushButtonPrint");
    QPushButton *pdf = button(tr("Write pdf"), "pushButtonWritePdf");
    QPushButton *setup = button(tr("Page Setup..."), "pushButtonPageSetup");
    QPushButton *zoomIn = button(tr("Zoom in"), "pushButtonZoomIn");
    QPushButton *zoomOut = button(tr("Zoom out"), "pushButtonZoomOut");
    QPushButton *exportPage = button(tr("Export current page to file"), "pushButtonExport");
    QPushButton *close = button(tr("&Close"), "pushButtonClose");
    connect(print, &QPushButton::clicked, this, &ReportPreview::onPrint);
    connect(pdf, &QPushButton::clicked, this, &ReportPreview::onWritePdf);
    connect(setup, &QPushButton::clicked, this, &ReportPreview::onPageSetup);
    connect(exportPage, &QPushButton::clicked, this, &ReportPreview::onExportPage);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(zoomIn, &QPushButton::clicked, this, [this]() {
        m_zoom->setCurrentIndex(CustomZoom);
        m_preview->zoomIn(ZoomStep);
    });
    connect(zoomOut, &QPushButton::clicked, this, [this]() {
        m_zoom->setCurrentIndex(CustomZoom);
        m_preview->zoomOut(ZoomStep);
    });

    auto *buttons = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{print, pdf, setup, exportPage})
        buttons->addWidget(w);
    buttons->addStretch();
    for (QWidget *w : std::initializer_list<QWidget *>{zoomIn, zoomOut, m_zoom, close})
        buttons->addWidget(w);

    auto *right = new QVBoxLayout;
    right->addWidget(m_preview, 1);
    right->addWidget(m_progress);
    auto *main = new QHBoxLayout;
    main->addWidget(toolBox);
    main->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(main, 1);
    layout->addLayout(buttons);
    resize(1100, 800);
}

ReportPreview::~ReportPreview() = default;

QCheckBox *ReportPreview::addFrameCheckBox(QWidget *page, const QString &label, int frame)
{
    auto *box = new QCheckBox(label, page);
    box->setObjectName(QStringLiteral("checkBoxFrame%1").arg(frame));
    box->setChecked(m_settings.m_reportSettings.m_activatedFrames.count(frame) != 0);
    m_frameBoxes.insert(box, frame);
    connect(box, &QCheckBox::stateChanged, this, &ReportPreview::checkBoxStateChanged);
    page->layout()->addWidget(box);
    return box;
}

QWidget *ReportPreview::makeGeneralPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    addFrameCheckBox(page, tr("Header"), Report::HeaderFrameIndex);
    addFrameCheckBox(page, tr("Footer"), Report::FooterFrameIndex);
    addFrameCheckBox(page, tr("Project information"), Report::ProjectInfoFrameIndex);
    const ReportSettings &options = m_settings.m_reportSettings;
    m_pageNumbers = new QCheckBox(tr("Page numbers in footer"));
    m_pageNumbers->setObjectName(QStringLiteral("checkBoxPageNumbers"));
    m_pageNumbers->setChecked(options.m_pageNumbersVisible);
    connect(m_pageNumbers, &QCheckBox::stateChanged, this, &ReportPreview::pageNumbersEnabled);
    layout->addWidget(m_pageNumbers);
    m_remark = new QCheckBox(tr("Remarks"));
    m_remark->setObjectName(QStringLiteral("checkBoxRemarks"));
    m_remark->setChecked(options.m_printRemarkProjectInformation);
    connect(m_remark, &QCheckBox::stateChanged, this, &ReportPreview::remarkEnabled);
    layout->addWidget(m_remark);

    layout->addWidget(new QLabel(tr("Global font")));
    m_fontFamily = new QFontComboBox;
    m_fontFamily->setObjectName(QStringLiteral("fontComboBox"));
    m_fontFamily->setCurrentFont(m_report->reportFont());
    m_fontSize = new QSpinBox;
    m_fontSize->setObjectName(QStringLiteral("spinBoxFontSize"));
    m_fontSize->setRange(5, 20);
    m_fontSize->setValue(m_report->reportFont().pointSize());
    auto *font = new QHBoxLayout;
    font->addWidget(m_fontFamily, 1);
    font->addWidget(m_fontSize);
    layout->addLayout(font);
    connect(m_fontFamily, &QFontComboBox::currentFontChanged, this, &ReportPreview::fontChanged);
    connect(m_fontSize, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &ReportPreview::fontChanged);
    layout->addStretch();
    return page;
}

QWidget *ReportPreview::makeInputPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    addFrameCheckBox(page, tr("Construction sketch"), Report::SketchFrameIndex);
    addFrameCheckBox(page, tr("Material data"), Report::MaterialFrameIndex);
    addFrameCheckBox(page, tr("Climate data"), Report::ClimateFrameIndex);
    addFrameCheckBox(page, tr("Surface Resistance"), Report::SurfaceResistanceFrameIndex);
    layout->addStretch();
    return page;
}

QWidget *ReportPreview::makeResultsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    const QString program = QLatin1String(Constants::ProgramName);
    addFrameCheckBox(page, tr("Resistances and %1 values").arg(QChar(0x00B5)),
                     Report::ResistanceFrameIndex);
    addFrameCheckBox(page, tr("%1 Results - Detailed Table").arg(program),
                     Report::ResultsTableFrameIndex);
    addFrameCheckBox(page, tr("%1 Results - Summary").arg(program), Report::ConclusionsFrameIndex);
    addFrameCheckBox(page, tr("DIN 4108-3 (Glaser) - Summary"), Report::GlaserFrameIndex);

    const ReportSettings &options = m_settings.m_reportSettings;
    m_frsi = new QCheckBox(tr("Frsi check with inner surface resistance of %L1 m2K/W")
                               .arg(MinimumHeatResistance::R_si_f));
    m_frsi->setObjectName(QStringLiteral("checkBoxFrsi"));
    m_frsi->setChecked(options.m_frsiCheck);
    connect(m_frsi, &QCheckBox::stateChanged, this, &ReportPreview::frsiCheckEnabled);
    layout->addWidget(m_frsi);

    layout->addWidget(new QLabel(tr("Construction kind for test of minimum thermal resistance\n"
                                    "according german standard DIN 4108-2 table 3")));
    m_minimumEdition = new QComboBox;
    m_minimumEdition->setObjectName(QStringLiteral("comboBoxMinimumHeatResVersion"));
    for (int edition :
         {MinimumHeatResistance::DIN4108_2_2004, MinimumHeatResistance::DIN4108_2_2013})
        m_minimumEdition->addItem(MinimumHeatResistance::editionName(edition), edition);
    m_minimumEdition->setCurrentIndex(
        std::max(0, m_minimumEdition->findData(options.m_minimumHeatResVersion)));
    m_minimumKind = new QComboBox;
    m_minimumKind->setObjectName(QStringLiteral("comboBoxMinimumHeatResConstruction"));
    fillConstructionKinds();
    layout->addWidget(m_minimumEdition);
    layout->addWidget(m_minimumKind);
    connect(m_minimumEdition, QOverload<int>::of(&QComboBox::activated), this, [this]() {
        fillConstructionKinds();
        minimumHeatResistanceChanged();
    });
    connect(m_minimumKind, QOverload<int>::of(&QComboBox::activated), this,
            &ReportPreview::minimumHeatResistanceChanged);

    // The DIN 4108-3 criteria and the DIN 68800-2 drying reserve: the report's verdicts follow
    // them at once.
    auto *criteria = new QWidget(page);
    criteria->setObjectName(QStringLiteral("widgetCriteriaSettings"));
    auto *criteriaLayout = new QVBoxLayout(criteria);
    criteriaLayout->setContentsMargins(0, 0, 0, 0);
    auto *din = new DINCriteriaSettings(criteria);
    din->setObjectName(QStringLiteral("widgetDINCriteriaSettings"));
    din->setSettings(options);
    auto *reserve = new DryingReserveSettings(criteria);
    reserve->setObjectName(QStringLiteral("widgetDryingReserveSettings"));
    reserve->setDryingReserve(options.m_dryingReserve);
    criteriaLayout->addWidget(din);
    criteriaLayout->addWidget(reserve);
    auto storeCriteria = [this, din]() {
        ReportSettings options = m_settings.m_reportSettings;
        if (din->storeSettings(options))
            m_settings.setReportSettings(options);
    };
    connect(din, &DINCriteriaSettings::DINCriteriaSettingsChanged, this, storeCriteria);
    connect(din->nonCapillarAwEdit(), &QtExt::ValidatingLineEdit::editingFinishedSuccessfully, this,
            storeCriteria);
    connect(reserve, &DryingReserveSettings::dryingReserveChanged, this, [this](double kg) {
        changeReportSettings([kg](ReportSettings &o) { o.m_dryingReserve = kg; });
    });
    layout->addWidget(criteria);
    layout->addStretch();
    return page;
}

QWidget *ReportPreview::makeDiagramsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    addFrameCheckBox(page, tr("Temperature and moisture profiles"),
                     Report::MoistureDiagramFrameIndex);
    addFrameCheckBox(page, tr("Vapor pressure profiles"), Report::VapourDiagramFrameIndex);
    // not a numbered frame: an option of its own, printed in front of the Glaser results
    auto *glaser = new QCheckBox(tr("DIN 4108-3 (Glaser) - Diagram over s_d"), page);
    glaser->setObjectName(QStringLiteral("checkBoxGlaserDiagram"));
    glaser->setChecked(m_settings.m_reportSettings.m_printGlaserDiagram);
    connect(glaser, &QCheckBox::stateChanged, this, [this](int state) {
        changeReportSettings(
            [state](ReportSettings &o) { o.m_printGlaserDiagram = state == Qt::Checked; });
    });
    layout->addWidget(glaser);
    layout->addStretch();
    return page;
}

QWidget *ReportPreview::makeFinalRemarksPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    addFrameCheckBox(page, tr("Print Final Remarks"), Report::DisclaimerFrameIndex);
    m_finalRemarks = new QPlainTextEdit;
    m_finalRemarks->setObjectName(QStringLiteral("plainTextEditFinalRemarks"));
    m_finalRemarks->setPlainText(m_project.projectInformation().m_disclaimerText);
    layout->addWidget(m_finalRemarks, 1);
    auto *update = new QPushButton(tr("Update view of text in report."));
    update->setObjectName(QStringLiteral("pushButtonUpdateFinalRemarks"));
    update->setAutoDefault(false);
    connect(update, &QPushButton::clicked, this, &ReportPreview::updateFinalRemarks);
    layout->addWidget(update);
    return page;
}

void ReportPreview::fillConstructionKinds()
{
    const int edition = m_minimumEdition->currentData().toInt();
    const QSignalBlocker blocker(m_minimumKind);
    m_minimumKind->clear();
    for (int type : MinimumHeatResistance::types(edition)) {
        const QString row = MinimumHeatResistance::row(edition, type);
        m_minimumKind->addItem(row.isEmpty() ? MinimumHeatResistance::name(edition, type)
                                             : QStringLiteral("%1 (%2)").arg(
                                                   MinimumHeatResistance::name(edition, type), row),
                               type);
    }
    const int current =
        m_minimumKind->findData(m_settings.m_reportSettings.m_minimumHeatResConstruction);
    m_minimumKind->setCurrentIndex(std::max(0, current));
}

QCheckBox *ReportPreview::frameCheckBox(int frame) const
{
    for (auto it = m_frameBoxes.begin(); it != m_frameBoxes.end(); ++it)
        if (it.value() == frame)
            return it.key();
    return nullptr;
}

int ReportPreview::currentPage() const
{
    return m_preview->currentPage();
}

int ReportPreview::pageCount() const
{
    return m_preview->pageCount();
}

void ReportPreview::refresh()
{
    ++m_rebuildCount;
    // the remarks editor follows the project (undo, another project) unless being edited
    const QString remarks = m_project.projectInformation().m_disclaimerText;
    if (!m_finalRemarks->hasFocus() && m_finalRemarks->toPlainText() != remarks)
        m_finalRemarks->setPlainText(remarks);
    m_preview->updatePreview();
}

void ReportPreview::changeReportSettings(const std::function<void(ReportSettings &)> &change)
{
    // Through the settings, which announce the change: this preview refreshes from that
    // announcement, like every other view that shows report settings.
    ReportSettings options = m_settings.m_reportSettings;
    change(options);
    m_settings.setReportSettings(options);
}

void ReportPreview::applyReportData(Report &report) const
{
    ReportSettings options = m_settings.m_reportSettings;
    options.m_awInSeconds = m_settings.displayUnits().awPerSecond();
    report.setData(m_project, options);
    report.setUserLogo(options.m_userLogo);
    report.setPageNumbersVisible(options.m_pageNumbersVisible);
    report.setReportFont(m_report->reportFont());
}

void ReportPreview::printReport(QPrinter *printer)
{
    // the preview asks again while a print is running when its widget is repainted
    if (m_printing)
        return;
    m_printing = true;
    try {
        applyReportData(*m_report);
        if (!m_report->print(printer) && m_dialogs)
            m_dialogs->critical(this, tr("Cannot print report."),
                                tr("Creating paint device failed."));
    } catch (std::exception &ex) {
        HTL::MessageStream err("ReportPreview::printReport", HTL::MSG_ERROR, 0);
        err << "Error while printing report.\n" << ex.what();
        err.flush();
    }
    m_progress->setValue(0);
    m_printing = false;
}

void ReportPreview::checkBoxStateChanged(int state)
{
    auto *box = qobject_cast<QCheckBox *>(sender());
    if (!box || !m_frameBoxes.contains(box))
        return;
    const int frame = m_frameBoxes.value(box);
    changeReportSettings([state, frame](ReportSettings &o) {
        if (state == Qt::Checked)
            o.m_activatedFrames.insert(frame);
        else
            o.m_activatedFrames.erase(frame);
    });
}

void ReportPreview::pageNumbersEnabled(int state)
{
    changeReportSettings(
        [state](ReportSettings &o) { o.m_pageNumbersVisible = state == Qt::Checked; });
}

void ReportPreview::frsiCheckEnabled(int state)
{
    changeReportSettings([state](ReportSettings &o) { o.m_frsiCheck = state == Qt::Checked; });
}

void ReportPreview::remarkEnabled(int state)
{
    changeReportSettings(
        [state](ReportSettings &o) { o.m_printRemarkProjectInformation = state == Qt::Checked; });
}

void ReportPreview::fontChanged()
{
    QFont font = m_fontFamily->currentFont();
    font.setPointSize(m_fontSize->value());
    font.setKerning(false);
    m_report->setReportFont(font);
    m_settings.setReportFont(font);
}

void ReportPreview::minimumHeatResistanceChanged()
{
    const int edition = m_minimumEdition->currentData().toInt();
    const int kind = m_minimumKind->currentData().toInt();
    changeReportSettings([edition, kind](ReportSettings &o) {
        o.m_minimumHeatResVersion = edition;
        o.m_minimumHeatResConstruction = kind;
    });
}

void ReportPreview::updateFinalRemarks()
{
    auto *command = new UndoChangeDisclaimer(m_project, m_finalRemarks->toPlainText());
    if (command->changed())
        m_undoStack.push(command); // the project announces the change; the main window refreshes
    else
        delete command;
    refresh();
}

void ReportPreview::onPrint()
{
    m_preview->print();
}

void ReportPreview::onPageSetup()
{
    QPageSetupDialog dialog(m_printer.get(), this);
    if (dialog.exec() == QDialog::Accepted)
        refresh();
}

void ReportPreview::zoomChosen(int index)
{
    if (index == FitPage)
        m_preview->fitInView();
    else if (index == FitWidth)
        m_preview->fitToWidth();
}

void ReportPreview::onWritePdf()
{
    if (!m_dialogs)
        return;
    QString start = m_settings.m_lastExportFile;
    if (!start.isEmpty())
        start = QFileInfo(start).absolutePath();
    const QString fileName =
        m_dialogs->saveFileName(this, tr("Export PDF"), start, QStringLiteral("*.pdf"));
    if (fileName.isEmpty())
        return;
    writePdf(fileName);
}

bool ReportPreview::writePdf(const QString &name)
{
    QString fileName = name;
    if (QFileInfo(fileName).suffix().toLower() != QLatin1String("pdf"))
        fileName += QStringLiteral(".pdf");
    Report report(m_settings.m_diagramFontFamily);
    applyReportData(report);
    connect(&report, &Report::progress, this, &ReportPreview::progress);
    QString error;
    const bool written = report.writePdf(fileName, &error);
    m_progress->setValue(0);
    if (!written && m_dialogs)
        m_dialogs->critical(this, tr("Cannot write pdf file."),
                            tr("The file '%1' could not be written: %2").arg(fileName, error));
    return written;
}

void ReportPreview::onExportPage()
{
    if (!m_dialogs)
        return;
    const QStringList filters = {tr("Png file (*.png)"), tr("Pdf file (*.pdf)"),
                                 tr("Svg file (*.svg)"), tr("Jpg image (*.jpg)")};
    QString filter;
    const QString fileName = m_dialogs->exportFileName(this, filters, &filter);
    if (fileName.isEmpty())
        return;
    // the suffix of the chosen format
    QString suffix = filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0);
    QString target = fileName;
    if (!suffix.isEmpty() && QFileInfo(target).suffix().toLower() != suffix)
        target += QLatin1Char('.') + suffix;
    m_settings.m_lastExportFile = target;
    QString error;
    if (!exportCurrentPage(target, &error))
        m_dialogs->critical(this, tr("Export current page to file"), error);
}

bool ReportPreview::exportCurrentPage(const QString &fileName, QString *error)
{
    const int page = std::max(1, currentPage());
    Report report(m_settings.m_diagramFontFamily);
    applyReportData(report);
    // the page at screen resolution: A4 inside the report's margins
    const double m = Report::PageMargin_mm;
    const QPageLayout pageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                 QMarginsF(m, m, m, m), QPageLayout::Millimeter);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? int(std::lround(screen->logicalDotsPerInch())) : 96;
    const QRect pageRect = pageLayout.paintRectPixels(dpi);

    // painted into memory, then written in one piece with the system's reason on failure
    QByteArray data;
    QBuffer file(&data);
    file.open(QIODevice::WriteOnly);
    bool written = true;
    switch (DiagramPicture::formatOfFile(fileName)) {
    case DiagramPicture::Format::Svg: {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(pageRect.size());
        generator.setViewBox(QRect(QPoint(0, 0), pageRect.size()));
        generator.setResolution(dpi);
        generator.setTitle(tr("Report"));
        generator.setDescription(m_settings.m_lastProjectFile);
        report.paintPageOnDevice(&generator, page);
        break;
    }
    case DiagramPicture::Format::Png:
    case DiagramPicture::Format::Jpg: {
        QImage image(pageRect.size(), QImage::Format_RGB32);
        const int dpm = int(std::lround(dpi / 0.0254));
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        image.fill(Qt::white);
        report.paintPageOnDevice(&image, page);
        written = image.save(
            &file,
            DiagramPicture::formatOfFile(fileName) == DiagramPicture::Format::Png ? "PNG" : "JPG");
        break;
    }
    case DiagramPicture::Format::Pdf: {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setPageLayout(pageLayout);
        report.paintPageOnDevice(&writer, page);
        break;
    }
    case DiagramPicture::Format::Unknown:
        written = false;
        break;
    }
    if (!written) {
        if (error)
            *error = tr("The file '%1' could not be written: %2")
                         .arg(fileName, tr("Creating paint device failed."));
        return false;
    }
    file.close();
    return AtomicFile::write(fileName, data, error);
}
