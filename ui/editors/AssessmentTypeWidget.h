#pragma once

#include <QWidget>

class ClimateEditWidget;
class Project;
class QComboBox;
class QGridLayout;
class QUndoStack;

namespace QtExt {
class FieldMessageLine;
class ValidatingLineEdit;
} // namespace QtExt

/*  The assessment-type editor: the construction kind (which sets the defaults of the boundary
    conditions, as one undo step, and says in statusMessage() what it changed), the row of
    DIN 4108-2 table 3 for the minimum thermal resistance, the assessment condition of the project
   (custom conditions or one of the DIN 4108-3 editions) and the lengths of the condensation and
   drying (evaporation) periods in days. A DIN condition fixes the period lengths, so the two fields
   are editable only under custom conditions. A new condition changes the presets the climate editor
   offers; the editor knows the climate editor for that.
*/
class AssessmentTypeWidget : public QWidget
{
    Q_OBJECT

public:
    AssessmentTypeWidget(Project &project, QUndoStack &undoStack, QWidget *parent = nullptr);

    /*! The climate editor told of every new assessment condition (may be null). */
    void setClimateEditWidget(ClimateEditWidget *climate) { m_climate = climate; }

    /*! Shows the project's assessment condition and period lengths and passes the condition on
        to the climate editor. */
    void reload();

    int labelColumnWidth() const;
    void setLabelColumnWidth(int width);

    QComboBox *assessmentTypeComboBox() const { return m_type; }
    QComboBox *constructionKindComboBox() const { return m_kind; }
    QComboBox *minimumResistanceComboBox() const { return m_minimumType; }

    QtExt::ValidatingLineEdit *condensationTimeEdit() const { return m_condensation; }
    QtExt::ValidatingLineEdit *dryingTimeEdit() const { return m_drying; }

signals:
    /*! A sentence for the status bar: what the last choice of a construction kind changed. */
    void statusMessage(const QString &text);

private slots:
    void assessmentTypeChosen(int index);
    void constructionKindChosen(int index);
    void minimumResistanceChosen(int index);
    void doubleEditingFinished();

private:
    void enablePeriods(int type);

    Project &m_project;
    QUndoStack &m_undoStack;
    ClimateEditWidget *m_climate = nullptr;
    /*! True while the user edits; false while the widget fills itself. */
    bool m_update = true;

    QComboBox *m_kind;
    QComboBox *m_minimumType;
    QComboBox *m_type;
    QtExt::ValidatingLineEdit *m_condensation;
    QtExt::ValidatingLineEdit *m_drying;
    QGridLayout *m_grid;
    QtExt::FieldMessageLine *m_messages;
};
