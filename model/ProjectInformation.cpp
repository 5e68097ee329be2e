#include "model/ProjectInformation.h"

#include <QSettings>

namespace {

const char *const SettingsGroup = "DefaultProjectSettings";

} // namespace

void ProjectInformation::readSettings(QSettings &settings)
{
    settings.beginGroup(QLatin1String(SettingsGroup));
    read(settings);
    settings.endGroup();
}

void ProjectInformation::writeSettings(QSettings &settings) const
{
    settings.beginGroup(QLatin1String(SettingsGroup));
    write(settings);
    settings.endGroup();
}

ProjectInformation ProjectInformation::fromDefaults(const DefaultProjectSettings &defaults)
{
    ProjectInformation p;
    static_cast<DefaultProjectSettings &>(p) = defaults;
    return p;
}

DefaultProjectSettings ProjectInformation::toDefaults() const
{
    return *this;
}
