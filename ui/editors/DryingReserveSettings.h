#pragma once

#include <QWidget>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace QtExt {
class ValidatingLineEdit;
}

/*  The drying reserve after DIN 68800-2 that a construction with condensate must show: the
    evaporated mass must exceed the condensate by it. None, the reserve for ceilings and walls
    (100 g/(m²·a)), the one for roofs (250 g/(m²·a)) or the user's own value. The widget shows
    g/(m²·a); its interface speaks kg/(m²·a), the unit of the settings.
*/
class DryingReserveSettings : public QWidget
{
    Q_OBJECT

public:
    /*! The choices, as radio-button ids. */
    enum Choice
    {
        NoReserve = 0,
        CeilingsWalls = 1,
        Roofs = 2,
        Custom = 3
    };

    explicit DryingReserveSettings(QWidget *parent = nullptr);

    /*! Shows the reserve (kg/(m²·a)): 0, 0.1 and 0.25 choose their entries, anything else the
        custom entry. */
    void setDryingReserve(double kgPerSquareMetreYear);
    /*! The chosen reserve in kg/(m²·a); -1 while the custom field holds an invalid value. */
    double dryingReserve() const;

    /*! Shows or hides the note that a construction without condensate has no drying reserve to
        check. */
    void setNoCondensationNoteVisible(bool visible);

    Choice choice() const;
    QRadioButton *radioButton(Choice choice) const;
    QtExt::ValidatingLineEdit *valueEdit() const { return m_value; }
    QPushButton *updateButton() const { return m_update; }
    QLabel *noCondensationNote() const { return m_note; }

signals:
    /*! A choice was clicked or the update button pressed; the reserve in kg/(m²·a). */
    void dryingReserveChanged(double kgPerSquareMetreYear);

private:
    void choose(int choice);

    QButtonGroup *m_choices;
    QtExt::ValidatingLineEdit *m_value;
    QPushButton *m_update;
    QLabel *m_note;
};
