#pragma once

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;
struct ReportSettings;

namespace QtExt {
class ValidatingLineEdit;
}

/*  The settings of the DIN 4108-3 validity check: the edition of the standard whose limits
    apply, or the user's own limit of the water absorption coefficient below which a material
    counts as taking up no capillary water.

    A_w values are shown per hour, kg/(m²·h^0.5), as the standard gives them; the settings keep
    them per second, kg/(m²·s^0.5) (the value shown divided by 60). The limit of the
    capillary-active materials and the choice of checking one or both sides of a condensation
    plane belong to the record but are not offered (hidden).
*/
class DINCriteriaSettings : public QWidget
{
    Q_OBJECT

public:
    explicit DINCriteriaSettings(QWidget *parent = nullptr);

    /*! Shows the criteria of the record. */
    void setSettings(const ReportSettings &settings);
    /*! Writes the criteria into the record: the edition, and the user's limit only while
        "User defined" is chosen (an edition's limit is its own, not stored). Returns false,
        leaving the record unchanged, while the field holds an invalid value. */
    bool storeSettings(ReportSettings &settings) const;

    /*! 0 DIN 4108-3 2001, 1 DIN 4108-3 2014, 2 DIN 4108-3 2018 and 2024, 3 user defined. */
    int accordanceType() const;
    /*! The non-capillary limit shown, in kg/(m²·s^0.5). */
    double nonCapillarAw() const;

    QtExt::ValidatingLineEdit *nonCapillarAwEdit() const { return m_nonCapillar; }
    QRadioButton *radioButton(int accordanceType) const;

signals:
    /*! An edition was chosen. */
    void DINCriteriaSettingsChanged();

private:
    void editionChosen(int accordanceType);

    QButtonGroup *m_editions;
    QtExt::ValidatingLineEdit *m_nonCapillar;
    QtExt::ValidatingLineEdit *m_capillarActive;
    QGroupBox *m_sideCheck;
    QRadioButton *m_oneSide;
    QRadioButton *m_twoSides;
    /*! The capillary-active limit and the side check, kept as read (not edited). */
    double m_capillarActiveAw = 0;
    bool m_oneSideCheck = true;
};
