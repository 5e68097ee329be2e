#pragma once

#include "document/Project.h"

#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;
class QRadioButton;
class QUndoStack;

namespace QtExt {
class FieldMessageLine;
class ValidatingLineEdit;
} // namespace QtExt

/*  The climate editor of one side of the construction (the warm side, inside, or the cold
    side, outside): the climate preset of the condensation period, the switch between the
    condensation period ("Winter") and the evaporation period ("Summer"), and temperature,
    relative humidity and surface resistance of the side in the period shown.

    The presets offered are those of the project's assessment condition for the side. Under the
    DIN 4108-3 conditions the values are fixed by the standard: only a preset can be chosen (in
    the condensation period); the value fields are editable only under custom conditions.

    Every accepted edit is an undo command on the project; the editor shows the project's values
    again after every change of the project, and after an edit of one period at one side (typed,
    undone or redone) it shows that period, as the project announces it.
*/
class ClimateEditWidget : public QWidget
{
    Q_OBJECT

public:
    ClimateEditWidget(Project &project, QUndoStack &undoStack, QWidget *parent = nullptr);

    /*! Shows the side (true: warm side); rebuilds the preset list when the project's assessment
        condition is not the one of the list, fills the values and enables the fields. */
    void setSide(bool warmSide);
    bool warmSide() const { return m_warmSide; }

    /*! Rebuilds the preset list for the condition when forced or when it changed, fills the
        values and enables the value fields only for custom conditions (0). */
    void setAssessmentType(int type, bool force);

    /*! Shows the condensation period (true) or the evaporation period; refills the values when
        the state changes. */
    void setWinterPeriod(bool winter);
    /*! The period of a climate edit of one period at one side, as announced: 1 the
        condensation period, 0 the evaporation period, -1 none (an edit of both, of the
        assessment, or of no side). */
    static int editedPeriod(ProjectChanges changes, int select);
    bool winterPeriod() const;

    /*! Shows the project's values again. */
    void reload();

    /*! Width of the caption column (to align it with the assessment-type editor). */
    int labelColumnWidth() const;
    void setLabelColumnWidth(int width);

    QComboBox *presetComboBox() const { return m_presets; }
    QRadioButton *winterButton() const { return m_winter; }
    QRadioButton *summerButton() const { return m_summer; }
    QtExt::ValidatingLineEdit *temperatureEdit() const { return m_T; }
    QtExt::ValidatingLineEdit *humidityEdit() const { return m_RH; }
    QtExt::ValidatingLineEdit *resistanceEdit() const { return m_RT; }
    /*! The editor's message line: why a field is red or amber, and the last refused entry. */
    QtExt::FieldMessageLine *messageLine() const { return m_messages; }

private slots:
    void comboBoxClimatePresetsCurrentIndexChanged(int index);
    void radioButtonPeriod_clicked();
    void doubleEditingFinishedTemperature();
    void doubleEditingFinished();

private:
    void rebuildPresetList(int type);
    /*! Fills the fields from the project (Winter: condensation period). */
    void fillValues();
    void enableFields(int type);
    void pushValue(QtExt::ValidatingLineEdit *edit, int kind);
    /*! Follows the project's announcement: the period of a one-period edit, the values. */
    void projectChanged(ProjectChanges changes, int select);

    Project &m_project;
    QUndoStack &m_undoStack;
    bool m_warmSide = true;
    /*! The assessment condition the preset list was built for; 3 before the first list. */
    int m_listType = 3;
    /*! False while the editor fills itself: its own signals then make no commands. */
    bool m_changeFlag = true;

    QLabel *m_title;
    QComboBox *m_presets;
    QRadioButton *m_winter;
    QRadioButton *m_summer;
    QtExt::ValidatingLineEdit *m_RT;
    QtExt::ValidatingLineEdit *m_T;
    QtExt::ValidatingLineEdit *m_RH;
    QGridLayout *m_grid;
    QtExt::FieldMessageLine *m_messages;
};
