#pragma once

#include "qtext/ValidatingLineEdit.h"

#include <QCoreApplication>

class Project;

/*  The rule of a winter temperature field of the climate editor. In the condensation period
    the warm side must not be colder than the cold side: vapour flows from warm to cold, and the
    condensation scheme assumes that direction. The value being edited takes the place of its
    side's winter temperature in the project's climate; equal temperatures are accepted.

    The field's own range (-40 < T < 80 °C, both excluded) is judged first, because a rule
    replaces the field's bounds.

    Without an open project the rule compares with a partner field (the other side's winter
    temperature) when it has one, and otherwise cannot judge: the value is invalid then. After
    each check the partner field is asked to judge its own text once more, so that both fields
    change colour together.
*/
class WinterTemperatureValidator : public QtExt::FieldValidator
{
    Q_DECLARE_TR_FUNCTIONS(WinterTemperatureValidator)
public:
    /*! project may be null (no input data). partner, if given, must outlive the rule. */
    WinterTemperatureValidator(const Project *project, bool warmSide,
                               QtExt::ValidatingLineEdit *partner = nullptr);

    bool isValid(double value, QString *message) override;
    void afterCheck() override;

    /*! "The temperature must be > -40°C and < 80°C." */
    static QString rangeText();
    static QString warmColderThanColdText();

private:
    const Project *m_project;
    bool m_warmSide;
    QtExt::ValidatingLineEdit *m_partner;
    /*! Set while the partner judges itself, so that the two fields do not call each other
        without end. */
    bool m_inPartnerCheck = false;
};
