#include "settings/ReportSettings.h"

#include "settings/Settings.h"

#include <QSettings>

void ReportSettings::read(QSettings &s)
{
    Settings::readFrameSet(s.value(QStringLiteral("ActivatedFrames"), QString()).toString(),
                           m_activatedFrames);
    m_pageNumbersVisible = s.value(QStringLiteral("CurrentPageNumbersVisible"), false).toBool();
    m_userLogo.read(s);
    m_printDisclaimer = s.value(QStringLiteral("PrintDisclaimer"), false).toBool();
    m_disclaimerText = s.value(QStringLiteral("DisclaimerText"), QString()).toString();
    m_minimumHeatResVersion = s.value(QStringLiteral("MinimumHeatResVersion"), 1).toInt();
    m_minimumHeatResConstruction =
        s.value(QStringLiteral("MinimumHeatResConstruction"), 12).toInt();
    m_frsiCheck = s.value(QStringLiteral("FrsiCheck"), false).toBool();
    m_dryingReserve = s.value(QStringLiteral("DryingReserve"), 0.0).toDouble();
    // Older versions stored only whether the 2014 rules applied (true) or user-defined ones.
    if (s.contains(QStringLiteral("DIN4108_3Accordance")))
        m_din4108_3AccordanceType = s.value(QStringLiteral("DIN4108_3Accordance")).toBool() ? 2 : 3;
    else
        m_din4108_3AccordanceType = s.value(QStringLiteral("DIN4108_3Accordance_Type"), 2).toInt();
    m_nonCapillarAw = s.value(QStringLiteral("NonCapillarAw"), 0.2 / 60).toDouble();
    m_capillarActiveAw = s.value(QStringLiteral("CapillarActiveAw"), 0.7 / 60).toDouble();
    m_capillaryCheckOneSide = s.value(QStringLiteral("CapillaryCheckOneSide"), true).toBool();
    m_printRemarkProjectInformation =
        s.value(QStringLiteral("PrintRemarkProjectInformation"), true).toBool();
    m_printGlaserDiagram = s.value(QStringLiteral("PrintGlaserDiagram"), true).toBool();
}

void ReportSettings::write(QSettings &s) const
{
    s.setValue(QStringLiteral("ActivatedFrames"), Settings::frameSetText(m_activatedFrames));
    s.setValue(QStringLiteral("CurrentPageNumbersVisible"), m_pageNumbersVisible);
    m_userLogo.write(s);
    s.setValue(QStringLiteral("PrintDisclaimer"), m_printDisclaimer);
    s.setValue(QStringLiteral("DisclaimerText"), m_disclaimerText);
    s.setValue(QStringLiteral("MinimumHeatResVersion"), m_minimumHeatResVersion);
    s.setValue(QStringLiteral("MinimumHeatResConstruction"), m_minimumHeatResConstruction);
    s.setValue(QStringLiteral("FrsiCheck"), m_frsiCheck);
    s.setValue(QStringLiteral("DryingReserve"), m_dryingReserve);
    // The legacy key overrides the accordance type when read: left in place, it would undo
    // every later change of the type at the next start.
    s.remove(QStringLiteral("DIN4108_3Accordance"));
    s.setValue(QStringLiteral("DIN4108_3Accordance_Type"), m_din4108_3AccordanceType);
    s.setValue(QStringLiteral("NonCapillarAw"), m_nonCapillarAw);
    s.setValue(QStringLiteral("CapillarActiveAw"), m_capillarActiveAw);
    s.setValue(QStringLiteral("CapillaryCheckOneSide"), m_capillaryCheckOneSide);
    s.setValue(QStringLiteral("PrintRemarkProjectInformation"), m_printRemarkProjectInformation);
    s.setValue(QStringLiteral("PrintGlaserDiagram"), m_printGlaserDiagram);
}

bool ReportSettings::operator==(const ReportSettings &o) const
{
    return m_activatedFrames == o.m_activatedFrames && m_awInSeconds == o.m_awInSeconds &&
           m_pageNumbersVisible == o.m_pageNumbersVisible && m_userLogo == o.m_userLogo &&
           m_printDisclaimer == o.m_printDisclaimer && m_disclaimerText == o.m_disclaimerText &&
           m_minimumHeatResVersion == o.m_minimumHeatResVersion &&
           m_minimumHeatResConstruction == o.m_minimumHeatResConstruction &&
           m_frsiCheck == o.m_frsiCheck && m_dryingReserve == o.m_dryingReserve &&
           m_din4108_3AccordanceType == o.m_din4108_3AccordanceType &&
           m_nonCapillarAw == o.m_nonCapillarAw && m_capillarActiveAw == o.m_capillarActiveAw &&
           m_capillaryCheckOneSide == o.m_capillaryCheckOneSide &&
           m_printRemarkProjectInformation == o.m_printRemarkProjectInformation &&
           m_printGlaserDiagram == o.m_printGlaserDiagram;
}
