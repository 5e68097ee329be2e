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
