#include "ui/reportpreview/ReportPreview.h"

#include "persistence/AtomicFile.h"

#include "qtext/ValidatingLineEdit.h"
#include "ui/editors/DINCriteriaSettings.h"
#include "ui/editors/DryingReserveSettings.h"

#include "calculation/Assessment.h"
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
#include "ui/editors/NarrowPanel.h"
#include "ui/editors/UserLogoSettingsWidget.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QGridLayout>
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
#include <QScrollArea>
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
/*! Width of the settings panel in pixels: room for the check boxes and choices of every
    language beside a page that is still legible on a screen 1024 pixels wide. */
const int PanelWidth = 300;

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

    // The settings panel: every page scrolls up and down on its own and is never wider than
    // the panel (texts wrap, long choices are cut), so that nothing needs a sideways scroll.
    auto *toolBox = new QToolBox;
    toolBox->setObjectName(QStringLiteral("toolBox"));
    auto scrolled = [toolBox](QWidget *page) {
        NarrowPanel::fit(page);
        auto *area = new QScrollArea(toolBox);
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setWidget(page);
        return area;
    };
    toolBox->addItem(scrolled(makeGeneralPage()), tr("General Appearance"));
    toolBox->addItem(scrolled(makeInputPage()), tr("Input Data"));
    toolBox->addItem(scrolled(makeResultsPage()), tr("Results"));
    toolBox->addItem(scrolled(makeDiagramsPage()), tr("Diagrams"));
    toolBox->addItem(scrolled(makeFinalRemarksPage()), tr("Final Remarks"));
    toolBox->setMinimumWidth(PanelWidth);
    toolBox->setMaximumWidth(PanelWidth + 80);
    m_toolBox = toolBox;

    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName(QStringLiteral("printPreview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::printReport);
    m_preview->fitToWidth();

    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setRange(0, 2 * Report::FrameCount);
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

    // the output buttons under the panel, the view's under the pages: one row of all of them
    // would be wider than a small screen in German
    auto *outputButtons = new QGridLayout;
    outputButtons->addWidget(print, 0, 0);
    outputButtons->addWidget(pdf, 0, 1);
    outputButtons->addWidget(setup, 1, 0);
    outputButtons->addWidget(exportPage, 1, 1);
    for (QPushButton *b : {print, pdf, setup, exportPage}) {
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        b->setToolTip(b->text().remove(QLatin1Char('&')));
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QWidget *w : std::initializer_list<QWidget *>{zoomIn, zoomOut, m_zoom, close})
        buttons->addWidget(w);

    auto *left = new QVBoxLayout;
    left->addWidget(toolBox, 1);
    left->addLayout(outputButtons);
    auto *right = new QVBoxLayout;
    right->addWidget(m_preview, 1);
    right->addWidget(m_progress);
    right->addLayout(buttons);
    auto *main = new QHBoxLayout(this);
    main->addLayout(left);
    main->addLayout(right, 1);

    setSizeGripEnabled(true);
    // the size and place of the last preview, or most of the screen
    if (m_settings.m_reportPreviewGeometry.isEmpty() ||
        !restoreGeometry(m_settings.m_reportPreviewGeometry)) {
        QSize size(1100, 800);
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            size = size.boundedTo(screen->availableGeometry().size() * 0.95);
        resize(size);
    }
}

void ReportPreview::storeGeometry()
{
    m_settings.m_reportPreviewGeometry = saveGeometry();
}

void ReportPreview::hideEvent(QHideEvent *event)
{
    storeGeometry();
    QDialog::hideEvent(event);
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::setUserDialogs(UserDialogs *dialogs)
{
    m_dialogs = dialogs;
    m_logo->setUserDialogs(dialogs);
}

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
    m_fontFamily->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_fontFamily->setMinimumContentsLength(10);
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

    m_logo = new UserLogoSettingsWidget(m_dialogs, page);
    m_logo->setSettings(options.m_userLogo);
    connect(m_logo, &UserLogoSettingsWidget::userLogoChanged, this, [this]() {
        const UserLogoSettings logo = m_logo->settings();
        changeReportSettings([logo](ReportSettings &o) { o.m_userLogo = logo; });
    });
    layout->addWidget(m_logo);

    // The project's description, printed under the project information when "Remarks" is
    // ticked: edited here as in the project information dialog, and kept as typed.
    auto *descriptionLabel = new QLabel(tr("Project description:"), page);
    descriptionLabel->setWordWrap(true);
    layout->addWidget(descriptionLabel);
    m_description = new QPlainTextEdit(page);
    m_description->setObjectName(QStringLiteral("plainTextEditDescription"));
    m_description->setTabChangesFocus(true);
    m_description->setMinimumHeight(80);
    m_description->setPlainText(m_project.projectInformation().m_description);
    layout->addWidget(m_description, 1);
    auto *updateDescription = new QPushButton(tr("Update view of text in report."), page);
    updateDescription->setObjectName(QStringLiteral("pushButtonUpdateDescription"));
    updateDescription->setAutoDefault(false);
    connect(updateDescription, &QPushButton::clicked, this, &ReportPreview::updateDescription);
    layout->addWidget(updateDescription);
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
    addFrameCheckBox(page, tr("U-value table (DIN EN ISO 6946)"), Report::UValueFrameIndex);
    addFrameCheckBox(page, tr("%1 Results - Summary").arg(program), Report::ConclusionsFrameIndex);
    addFrameCheckBox(page, tr("DIN 4108-3 (Glaser) - Summary"), Report::GlaserFrameIndex);

    const ReportSettings &options = m_settings.m_reportSettings;
    m_frsi = new QCheckBox(tr("Frsi check with inner surface resistance of %L1 m2K/W")
                               .arg(MinimumHeatResistance::R_si_f));
    m_frsi->setObjectName(QStringLiteral("checkBoxFrsi"));
    m_frsi->setChecked(options.m_frsiCheck);
    connect(m_frsi, &QCheckBox::stateChanged, this, &ReportPreview::frsiCheckEnabled);
    layout->addWidget(m_frsi);

    auto *kindLabel = new QLabel(tr("Construction kind for test of minimum thermal resistance\n"
                                    "according german standard DIN 4108-2 table 3"));
    kindLabel->setWordWrap(true);
    layout->addWidget(kindLabel);
    m_minimumEdition = new QComboBox;
    m_minimumEdition->setObjectName(QStringLiteral("comboBoxMinimumHeatResVersion"));
    m_minimumEdition->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_minimumEdition->setMinimumContentsLength(10);
    for (int edition :
         {MinimumHeatResistance::DIN4108_2_2004, MinimumHeatResistance::DIN4108_2_2013})
        m_minimumEdition->addItem(MinimumHeatResistance::editionName(edition), edition);
    m_minimumEdition->setCurrentIndex(
        std::max(0, m_minimumEdition->findData(options.m_minimumHeatResVersion)));
    m_minimumKind = new QComboBox;
    m_minimumKind->setObjectName(QStringLiteral("comboBoxMinimumHeatResConstruction"));
    // the kinds are long table rows: the choice shows what fits, its tool tip all of it
    m_minimumKind->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_minimumKind->setMinimumContentsLength(16);
    connect(m_minimumKind, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int) { m_minimumKind->setToolTip(m_minimumKind->currentText()); });
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
    // the row that the report checks: the project's own, or the report setting's
    const int current = m_minimumKind->findData(
        AssessmentOptions::forProject(m_settings.m_reportSettings, m_project.projectInformation())
            .minimumHeatResType);
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
    // ... and so do the description and the logo editor (a new project's print defaults)
    const QString description = m_project.projectInformation().m_description;
    if (!m_description->hasFocus() && m_description->toPlainText() != description)
        m_description->setPlainText(description);
    if (m_logo->settings() != m_settings.m_reportSettings.m_userLogo)
        m_logo->setSettings(m_settings.m_reportSettings.m_userLogo);
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
    report.setLanguage(m_settings.languageId());
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
    if (m_project.minimumResistanceType() != ProjectInformation::NoMinimumResistanceType) {
        // The row is the project's (set by its construction kind): changed as an edit of the
        // project, and the report setting keeps only the edition.
        auto *command = new M2_UndoMinimumResistanceType(m_project, kind);
        if (command->changed())
            m_undoStack.push(command);
        else
            delete command;
        changeReportSettings([edition](ReportSettings &o) { o.m_minimumHeatResVersion = edition; });
        refresh();
        return;
    }
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

void ReportPreview::updateDescription()
{
    ProjectInformation info = m_project.projectInformation();
    if (!m_project.hasProject() || info.m_description == m_description->toPlainText())
        return;
    info.m_description = m_description->toPlainText();
    // an edit of the project information like that of its dialog, undone the same way
    m_undoStack.push(new M2_UndoChangeProjectInfo(m_project, info));
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
