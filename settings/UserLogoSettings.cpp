#include "settings/UserLogoSettings.h"

#include <QImage>
#include <QSettings>

QImage UserLogoSettings::logoImage() const
{
    QImage image;
    if (m_path.isEmpty() || !image.load(m_path))
        return QImage();
    if (m_size > 0)
        image = m_scaleByWidth ? image.scaledToWidth(m_size, Qt::SmoothTransformation)
                               : image.scaledToHeight(m_size, Qt::SmoothTransformation);
    return image;
}

void UserLogoSettings::read(QSettings &settings)
{
    const bool legacyVisible =
        settings.value(QStringLiteral("CurrentUserLogoVisible"), false).toBool();
    m_position = settings.value(QStringLiteral("CurrentUserLogoPosition"), 0).toInt();
    if (legacyVisible && m_position == NoLogo)
        m_position = LogoRightOfProjectInfo;
    m_path = settings.value(QStringLiteral("CurrentUserLogoPath"), QString()).toString();
    m_scaleByWidth = settings.value(QStringLiteral("UserLogoWidthSetting"), true).toBool();
    m_size = settings.value(QStringLiteral("UserLogoWidthSize"), 0).toInt();
}

void UserLogoSettings::write(QSettings &settings) const
{
    // The legacy flag has been folded into the position when it was read; left in place it
    // would switch a logo the user has since removed back on at every start.
    settings.remove(QStringLiteral("CurrentUserLogoVisible"));
    settings.setValue(QStringLiteral("CurrentUserLogoPosition"), m_position);
    settings.setValue(QStringLiteral("CurrentUserLogoPath"), m_path);
    settings.setValue(QStringLiteral("UserLogoWidthSetting"), m_scaleByWidth);
    settings.setValue(QStringLiteral("UserLogoWidthSize"), m_size);
}

bool UserLogoSettings::operator==(const UserLogoSettings &other) const
{
    return m_position == other.m_position && m_path == other.m_path &&
           m_scaleByWidth == other.m_scaleByWidth && m_size == other.m_size;
}
