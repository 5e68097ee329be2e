#pragma once

#include "model/MoistStorageValidator.h"
#include "qtext/ValidatingLineEdit.h"

#include <optional>

/*! The w_80 / w_sat rule as a field rule: judges the field against the partner field's value
    (when the partner holds a number) and lets the partner judge itself again, so that both
    fields change colour together. */
class MoistStorageFieldRule : public QtExt::FieldValidator
{
public:
    MoistStorageFieldRule(MoistStorageValidator::Quantity quantity,
                          QtExt::ValidatingLineEdit *partner)
        : m_rule(quantity)
        , m_partner(partner)
    {
    }
    bool isValid(double value, QString *message) override
    {
        std::optional<double> other;
        if (m_partner->isNumber())
            other = m_partner->value();
        const bool valid = m_rule.validate(value, other) == MoistStorageValidator::Acceptable;
        *message = m_rule.text();
        return valid;
    }
    void afterCheck() override { m_partner->check(); }

private:
    MoistStorageValidator m_rule;
    QtExt::ValidatingLineEdit *m_partner;
};
