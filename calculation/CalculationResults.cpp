#include "calculation/CalculationResults.h"

double CalculationResults::isoSurfaceResistanceInside(HeatFlowDirection heatFlowDirection)
{
    switch (heatFlowDirection) {
    case HeatFlowDirection::Upwards:
        return 0.10;
    case HeatFlowDirection::Horizontal:
        return 0.13;
    case HeatFlowDirection::Downwards:
        break;
    }
    return 0.17;
}

void CalculationResults::reset()
{
    *this = CalculationResults();
}

void CalculationResults::resetKeepingStorage()
{
    CalculationResults fresh;
    for (auto member :
         {&CalculationResults::T_Glaser, &CalculationResults::pv_Glaser,
          &CalculationResults::psat_Glaser, &CalculationResults::R_Glaser,
          &CalculationResults::Z_Glaser, &CalculationResults::R, &CalculationResults::Z,
          &CalculationResults::R_liq, &CalculationResults::T, &CalculationResults::psat,
          &CalculationResults::pv, &CalculationResults::w_left, &CalculationResults::w_right,
          &CalculationResults::sk_Cond, &CalculationResults::m_condLayer}) {
        (fresh.*member).swap(this->*member);
        (fresh.*member).clear();
    }
    fresh.kPlanes.swap(kPlanes);
    fresh.kPlanes.clear();
    fresh.kPlanesGlaser.swap(kPlanesGlaser);
    fresh.kPlanesGlaser.clear();
    *this = std::move(fresh);
}

bool CalculationResults::operator==(const CalculationResults &o) const
{
    // The scalars that describe the outcome, and every vector. R_T and the R_layers sums are
    // derived from the vectors and are not compared separately.
    return type == o.type && typeGlaser == o.typeGlaser && d_total == o.d_total &&
           m_c_Glaser == o.m_c_Glaser && m_ev_Glaser == o.m_ev_Glaser &&
           t_ev_Glaser == o.t_ev_Glaser && kFirst == o.kFirst && kLast == o.kLast &&
           U_moist == o.U_moist && m_condStat == o.m_condStat && m_cond == o.m_cond &&
           tau == o.tau && t_hyg == o.t_hyg && t_ev == o.t_ev && T_Glaser == o.T_Glaser &&
           pv_Glaser == o.pv_Glaser && psat_Glaser == o.psat_Glaser && R_Glaser == o.R_Glaser &&
           Z_Glaser == o.Z_Glaser && kPlanes == o.kPlanes && kPlanesGlaser == o.kPlanesGlaser &&
           R == o.R && Z == o.Z && R_liq == o.R_liq && T == o.T && psat == o.psat && pv == o.pv &&
           w_left == o.w_left && w_right == o.w_right && sk_Cond == o.sk_Cond &&
           m_condLayer == o.m_condLayer && inhomogeneous == o.inhomogeneous;
}
