#include "TestMaterials.h"

Material TestMaterials::material(const char *name, double lambda, double mu, double w_80,
                                 double w_sat, double A_w, int category)
{
    Material m;
    m.m_name = QString::fromLatin1(name);
    m.m_category = category;
    m.m_rho = 1000;
    m.m_lambda = lambda;
    m.m_mu = m.m_mu_min = m.m_mu_max = mu;
    m.m_w_80 = w_80;
    m.m_w_sat = w_sat;
    m.m_A_w = A_w;
    return m;
}

Material TestMaterials::coloured(Material m, const QColor &color)
{
    m.m_color = color;
    return m;
}

Material TestMaterials::frameWool()
{
    return coloured(material("Mineral wool", 0.035, 1, 0.0001, 0.05, 0.00001, 5),
                    QColor(250, 230, 120));
}

Material TestMaterials::softwood()
{
    return coloured(material("Softwood", 0.13, 40, 0.07, 0.6, 0.005, 7), QColor(160, 82, 45));
}

Material TestMaterials::gypsumBoard()
{
    return coloured(material("Gypsum board", 0.25, 8, 0.006, 0.5, 0.01, 6), QColor(230, 230, 230));
}

Material TestMaterials::retarder(double sdSummer)
{
    Material m = coloured(material("Vapour retarder", 0.4, 20000, 0.0001, 0.001, 0.00001, 11),
                          QColor(90, 120, 200));
    m.m_sd_value = 2;
    m.m_sd_summer = sdSummer;
    m.setFlags(false, false, false, true);
    return m;
}
