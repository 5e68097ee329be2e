#pragma once

#include "settings/UserLogoSettings.h"

#include <QString>

#include <set>

class QSettings;

/*! The current report options and the assessment settings stored with them (settings group
    "ReportSettings"): which report frames are printed, page numbers, logo and disclaimer, the
    minimum thermal resistance check of DIN 4108-2, the validity criteria of DIN 4108-3 and
    the drying reserve of DIN 68800-2. The calculation and the report receive this record by
    value or const reference.
*/
struct ReportSettings
{
    /*! Report frames 0..14 that are printed (14: the U-value table). */
    std::set<int> m_activatedFrames = {0, 1, 2, 3, 4, 5, 9, 11, 12, 14};
    /*! Copied from the program setting before every print; not stored in this group. */
    bool m_awInSeconds = true;
    bool m_pageNumbersVisible = false;
    UserLogoSettings m_userLogo;
    bool m_printDisclaimer = false;
    QString m_disclaimerText;
    /*! Edition of DIN 4108-2 for the minimum thermal resistance: 0 = 2004, 1 = 2013. */
    int m_minimumHeatResVersion = 1;
    /*! Construction kind of the minimum thermal resistance table. */
    int m_minimumHeatResConstruction = 12;
    /*! Also check the temperature factor fRsi. */
    bool m_frsiCheck = false;
    /*! Drying reserve demanded after DIN 68800-2, in kg/(m²·a). */
    double m_dryingReserve = 0;
    /*! Validity criteria: 0 DIN 4108-3 2001, 1 DIN 4108-3 2014, 2 DIN 4108-3 2018 and 2024,
        3 user defined. */
    int m_din4108_3AccordanceType = 2;
    /*! Water absorption coefficient below which a material counts as not capillary active,
        in kg/(m²·s^0.5) (0.2 kg/(m²·h^0.5)). */
    double m_nonCapillarAw = 0.2 / 60;
    /*! Water absorption coefficient above which a material counts as capillary active,
        in kg/(m²·s^0.5) (0.7 kg/(m²·h^0.5)). */
    double m_capillarActiveAw = 0.7 / 60;
    /*! true: check the capillary activity on one side of a condensation plane only; false: on
        both sides. */
    bool m_capillaryCheckOneSide = true;
    bool m_printRemarkProjectInformation = false;
    /*! Print the Glaser diagram (vapour pressure over s_d) in front of the Glaser results
        (PrintGlaserDiagram). */
    bool m_printGlaserDiagram = true;

    /*! Reads the keys of the current settings group; missing keys give the documented
        defaults, a missing frame set leaves m_activatedFrames unchanged. */
    void read(QSettings &settings);
    /*! Writes the keys into the current settings group and drops the legacy key. */
    void write(QSettings &settings) const;

    bool operator==(const ReportSettings &other) const;
    bool operator!=(const ReportSettings &other) const { return !(*this == other); }
};
