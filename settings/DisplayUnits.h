#pragma once

#include <QCoreApplication>
#include <QString>

/*! The units in which the window and the report show the two quantities whose unit the user
    chooses: layer widths (m, dm, cm or mm) and the water absorption coefficient A_w (per square
    root of a second or of an hour). The document, the undo commands and the calculation keep SI
    values (widths in m, A_w in kg/(m²·s^0.5)); every conversion to and from what is shown goes
    through here.

    A_w grows with the square root of time: sqrt(3600 s) = 60 s^0.5 per h^0.5, so a value per
    h^0.5 is 60 times the value per s^0.5. */
class DisplayUnits
{
    Q_DECLARE_TR_FUNCTIONS(DisplayUnits)
public:
    /*! s^0.5 per h^0.5. */
    static constexpr double SqrtSecondsPerSqrtHour = 60;

    /*! widthUnit: display factor from metres (1 m, 10 dm, 100 cm, 1000 mm; anything else is
        taken as mm). */
    explicit DisplayUnits(int widthUnit = 1000, bool awPerSecond = false);

    int widthUnit() const { return m_widthUnit; }
    bool awPerSecond() const { return m_awPerSecond; }

    /*! Width in m to the shown unit, and back. */
    double widthToDisplay(double metres) const { return metres * m_widthUnit; }
    double widthFromDisplay(double shown) const { return shown / m_widthUnit; }
    /*! "m", "dm", "cm" or "mm". */
    QString widthUnitLabel() const;

    /*! A_w in kg/(m²·s^0.5) to the shown unit, and back. */
    double awToDisplay(double perSqrtSecond) const
    {
        return m_awPerSecond ? perSqrtSecond : perSqrtSecond * SqrtSecondsPerSqrtHour;
    }
    double awFromDisplay(double shown) const
    {
        return m_awPerSecond ? shown : shown / SqrtSecondsPerSqrtHour;
    }
    /*! Rich text: "kg/m²s½" or "kg/m²h½". */
    QString awUnitLabel() const;

    bool operator==(const DisplayUnits &other) const
    {
        return m_widthUnit == other.m_widthUnit && m_awPerSecond == other.m_awPerSecond;
    }
    bool operator!=(const DisplayUnits &other) const { return !(*this == other); }

private:
    int m_widthUnit;
    bool m_awPerSecond;
};
