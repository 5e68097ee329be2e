#pragma once

#include <QWidget>

#include <map>

class DINCriteriaSettings;
class DryingReserveSettings;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTextEdit;
class QToolBox;
class Settings;
class UserDialogs;
class UserLogoSettingsWidget;

/*  The defaults of the report: the frames printed in new projects, page numbers, the user's
    logo, the construction kind of the minimum thermal resistance check (DIN 4108-2), the drying
    reserve (DIN 68800-2), the validity criteria (DIN 4108-3) and the default final remarks.
*/
class ConfigPrintDefaults : public QWidget
{
    Q_OBJECT

public:
    ConfigPrintDefaults(UserDialogs &dialogs, QWidget *parent = nullptr);

    void updateUi(const Settings &settings);
    void storeSettings(Settings &settings) const;

    /*! The check box of a report frame (0..14), null for frames without one. */
    QCheckBox *frameCheckBox(int frame) const;
    QCheckBox *pageNumbersCheckBox() const { return m_pageNumbers; }
    DINCriteriaSettings *dinCriteriaSettings() const { return m_dinCriteria; }
    DryingReserveSettings *dryingReserveSettings() const { return m_dryingReserve; }
    QTextEdit *finalRemarksEdit() const { return m_finalRemarks; }

private:
    QWidget *generalPage();
    QWidget *inputPage();
    QWidget *diagramPage();
    QWidget *resultsPage();
    QWidget *remarksPage();
    QCheckBox *frameBox(QWidget *parent, int frame, const QString &text);
    void fillConstructionKinds(int edition);

    UserDialogs &m_dialogs;
    QToolBox *m_toolBox;
    std::map<int, QCheckBox *> m_frames;
    QCheckBox *m_pageNumbers = nullptr;
    UserLogoSettingsWidget *m_logo = nullptr;
    QComboBox *m_heatResVersion = nullptr;
    QComboBox *m_heatResKind = nullptr;
    DryingReserveSettings *m_dryingReserve = nullptr;
    DINCriteriaSettings *m_dinCriteria = nullptr;
    QTextEdit *m_finalRemarks = nullptr;
};
