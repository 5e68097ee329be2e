#pragma once

#include <QDialog>
#include <QMap>

#include <functional>
#include <memory>

class Project;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QPlainTextEdit;
class QPrintPreviewWidget;
class QPrinter;
class QProgressBar;
class QSpinBox;
class QUndoStack;
class Report;
class Settings;
struct ReportSettings;
class UserDialogs;
class UserLogoSettingsWidget;
class QToolBox;

/*  The report preview: the user chooses the frames of the report and its options, looks at the
    pages, prints them, writes the whole report as PDF or exports the page in view as SVG, PNG,
    JPG or PDF. Every choice goes into the report options of the settings at once, so it holds
    for the next report and the next run.

    The final remarks are the project's: an edit is an undo command on the main window's stack
    and marks the project modified. A window of its own (not modal), refreshed by the main
    window whenever the project changes.
*/
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    ReportPreview(Settings &settings, Project &project, QUndoStack &undoStack, UserDialogs *dialogs,
                  QWidget *parent = nullptr);
    ~ReportPreview() override;

    /*! The message boxes and file dialogs (tests answer them); not owned. */
    void setUserDialogs(UserDialogs *dialogs);

    /*! Takes the project and the options afresh and repaints the pages. */
    void refresh();
    /*! How often the content was rebuilt (a seam for tests that check which announcements a
        view follows). */
    int rebuildCount() const { return m_rebuildCount; }
    /*! The report of the last preview (its layout is that of the preview's printer). */
    Report &report() { return *m_report; }
    /*! The check box of a frame (0..14). */
    QCheckBox *frameCheckBox(int frame) const;
    /*! The settings panel (a tool box of scrolling pages). */
    QToolBox *settingsPanel() const { return m_toolBox; }
    UserLogoSettingsWidget *userLogoEditor() const { return m_logo; }
    QPlainTextEdit *descriptionEditor() const { return m_description; }
    int currentPage() const;
    int pageCount() const;
    /*! Writes the whole report as PDF to fileName (".pdf" appended when missing); false with a
        message box when it cannot be written. */
    bool writePdf(const QString &fileName);
    /*! Writes the page in view to fileName in the format of its suffix (svg, png, jpg, pdf);
        false with the reason in error (if given) when it cannot be written. */
    bool exportCurrentPage(const QString &fileName, QString *error = nullptr);

signals:
    void progress(int step);

public slots:
    /*! Paints the report on the printer of the preview (or of a print). */
    void printReport(QPrinter *printer);

private slots:
    void checkBoxStateChanged(int state);
    void pageNumbersEnabled(int state);
    void frsiCheckEnabled(int state);
    void remarkEnabled(int state);
    void fontChanged();
    void minimumHeatResistanceChanged();
    void updateFinalRemarks();
    void updateDescription();
    void onWritePdf();
    void onExportPage();
    void onPrint();
    void onPageSetup();
    void zoomChosen(int index);

private:
    QWidget *makeGeneralPage();
    QWidget *makeInputPage();
    QWidget *makeResultsPage();
    QWidget *makeDiagramsPage();
    QWidget *makeFinalRemarksPage();
    QCheckBox *addFrameCheckBox(QWidget *page, const QString &label, int frame);
    void fillConstructionKinds();
    void applyReportData(Report &report) const;
    void changeReportSettings(const std::function<void(ReportSettings &)> &change);
    void storeGeometry();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    Settings &m_settings;
    Project &m_project;
    QUndoStack &m_undoStack;
    UserDialogs *m_dialogs;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<Report> m_report;
    QPrintPreviewWidget *m_preview = nullptr;
    QProgressBar *m_progress = nullptr;
    QComboBox *m_zoom = nullptr;
    QMap<QCheckBox *, int> m_frameBoxes;
    QCheckBox *m_pageNumbers = nullptr;
    QCheckBox *m_remark = nullptr;
    QCheckBox *m_frsi = nullptr;
    QFontComboBox *m_fontFamily = nullptr;
    QSpinBox *m_fontSize = nullptr;
    QComboBox *m_minimumEdition = nullptr;
    QComboBox *m_minimumKind = nullptr;
    QPlainTextEdit *m_finalRemarks = nullptr;
    QPlainTextEdit *m_description = nullptr;
    UserLogoSettingsWidget *m_logo = nullptr;
    QToolBox *m_toolBox = nullptr;
    bool m_printing = false;
    int m_rebuildCount = 0;
};
