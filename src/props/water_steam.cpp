// Water and steam properties: IFC-67 subregions 1 and 2, IAPS 1985
// viscosity, and the program's own correlations for the saturation
// temperature and the isentropic exponent of steam.
//
// The IFC-67 equations are written in the formulation's reduced variables
//   theta = T / 647.3 K, beta = p / 22.12 MPa,
//   chi = v / 0.00317 m3/kg, eps = h / 70.1204 kJ/kg,
// with the coefficients of props/ifc67_coefficients.h.  The additive enthalpy
// constant alpha0 of the formulation is zero (u = 0 for saturated liquid at
// the triple point) and is left out.
#include <cmath>

#include "props/ifc67_coefficients.h"
#include "props/water_steam.h"

namespace dorvel {

namespace {

// x^n for a small integer n >= 0, by repeated squaring.
Real ipow(Real x, int n) {
  Real r = 1;
  while (n > 0) {
    if (n & 1) r *= x;
    x *= x;
    n >>= 1;
  }
  return r;
}

WaterState finish(Real chi, Real eps) {
  WaterState s;
  const Real v = chi * ifc67::kVc1;
  const Real h = eps * ifc67::kHc1;
  if (!std::isfinite(v) || !std::isfinite(h) || !(v > 0)) {
    s.valid = false;
    return s;
  }
  s.specificVolume = v;
  s.specificEnthalpy = h;
  return s;
}

bool usableState(Real t, Real pPa) {
  return std::isfinite(t) && std::isfinite(pPa) && t + kKelvin > 0 && pPa > 0;
}

}  // namespace

//! IFC-67 subregion 1, compressed water: reduced volume chi1 and reduced
//! enthalpy eps1 (derivatives of the Gibbs function of subregion 1).
//! Range 0..350 degC, p_K(T) <= p <= 100 MPa.
//! Worked value: 3 MPa, 300 K gives chi = 0.316103143817, eps = 1.6436525466.
WaterState waterProperties(Real t, Real pPa) {
  if (!usableState(t, pPa)) return WaterState{0, 0, false};
  using ifc67::kA;
  using ifc67::ka;
  const Real theta = (t + kKelvin) / ifc67::kTc1;
  const Real beta = pPa / ifc67::kPc1;

  const Real th2 = theta * theta;
  const Real thm6 = 1 / ipow(theta, 6);
  const Real th11 = ipow(theta, 11);
  const Real th18 = ipow(theta, 18);
  const Real th19 = th18 * theta;
  const Real thm20 = 1 / ipow(theta, 20);

  // Auxiliary functions Y, Y' = dY/dtheta and Z.
  const Real Y = 1 - ka[1] * th2 - ka[2] * thm6;
  const Real Yp = -2 * ka[1] * theta + 6 * ka[2] * thm6 / theta;
  const Real radicand = ka[3] * Y * Y - 2 * ka[4] * theta + 2 * ka[5] * beta;
  if (!(radicand >= 0)) return WaterState{0, 0, false};
  const Real Z = Y + std::sqrt(radicand);
  if (!(Z > 0)) return WaterState{0, 0, false};
  const Real Zpow = std::pow(Z, -5.0L / 17.0L);  // Z^(-5/17)

  const Real a6mth = ka[6] - theta;
  const Real a6mth9 = ipow(a6mth, 9);
  const Real a7th19 = ka[7] + th19;
  const Real a8th11 = ka[8] + th11;
  const Real a10b = ka[10] + beta;
  const Real beta2 = beta * beta;
  const Real beta3 = beta2 * beta;

  // Reduced volume.
  const Real chi = kA[11] * ka[5] * Zpow                                   //
                   + kA[12] + kA[13] * theta + kA[14] * th2                //
                   + kA[15] * a6mth9 * a6mth + kA[16] / a7th19             //
                   - (kA[17] + 2 * kA[18] * beta + 3 * kA[19] * beta2) / a8th11  //
                   - kA[20] * th18 * (ka[9] + th2) * (-3 / ipow(a10b, 4) + ka[11])  //
                   + 3 * kA[21] * (ka[12] - theta) * beta2                 //
                   + 4 * kA[22] * thm20 * beta3;

  // Reduced enthalpy: A0*theta - sum (nu - 2) A_nu theta^(nu-1), nu = 1..10.
  Real sumA = 0;
  Real thpow = 1;  // theta^(nu-1)
  for (int nu = 1; nu <= 10; ++nu) {
    sumA += (nu - 2) * kA[static_cast<std::size_t>(nu)] * thpow;
    thpow *= theta;
  }
  const Real eps =
      kA[0] * theta - sumA                                                                    //
      + kA[11] *
            (Z * (17 * (Z / 29 - Y / 12) + 5 * theta * Yp / 12) + ka[4] * theta -
             (ka[3] - 1) * theta * Y * Yp) *
            Zpow                                                                              //
      + (kA[12] - kA[14] * th2 + kA[15] * (9 * theta + ka[6]) * a6mth9 +
         kA[16] * (20 * th19 + ka[7]) / (a7th19 * a7th19)) *
            beta                                                                              //
      - (12 * th11 + ka[8]) / (a8th11 * a8th11) *
            (kA[17] * beta + kA[18] * beta2 + kA[19] * beta3)                                 //
      + kA[20] * th18 * (17 * ka[9] + 19 * th2) * (1 / (a10b * a10b * a10b) + ka[11] * beta)  //
      + kA[21] * ka[12] * beta3                                                               //
      + 21 * kA[22] * thm20 * beta3 * beta;

  return finish(chi, eps);
}

//! IFC-67 subregion 2, superheated steam: reduced volume chi2 and reduced
//! enthalpy eps2, including the last term with the L function beta_L(theta)
//! and its derivative, as published (not skipped at low pressure).
//! Range 0..800 degC, p <= p_K(T) up to 350 degC, p <= p_L(T) above.
//! Worked value: 1 MPa, 523.15 K gives chi = 73.4221692067, eps = 41.9713061994.
WaterState steamProperties(Real t, Real pPa) {
  if (!usableState(t, pPa)) return WaterState{0, 0, false};
  using ifc67::kb;
  const Real theta = (t + kKelvin) / ifc67::kTc1;
  const Real beta = pPa / ifc67::kPc1;
  const Real X = std::exp(kb * (1 - theta));

  // Powers X^0 .. X^54 (the largest exponent is x_8,1 = 54).
  std::array<Real, 55> Xp;
  Xp[0] = 1;
  for (std::size_t k = 1; k < Xp.size(); ++k) Xp[k] = Xp[k - 1] * X;
  if (!std::isfinite(Xp[54]) || !(Xp[54] > 0)) return WaterState{0, 0, false};

  const Real bth = kb * theta;

  // Ideal-gas and temperature-only parts.
  Real chi = ifc67::kI1 * theta / beta;
  Real eps = ifc67::kB0 * theta;
  {
    Real thpow = 1;  // theta^(nu-1)
    for (int nu = 1; nu <= 5; ++nu) {
      eps -= (nu - 2) * ifc67::kB0nu[static_cast<std::size_t>(nu)] * thpow;
      thpow *= theta;
    }
  }

  // Per mu: S = sum B X^z and Sh = sum B (1 + z b theta) X^z (for mu <= 5),
  // or the weighted sum with the D'_mu / D_mu term (for mu = 6..8).
  std::array<Real, 9> S{};       // sum B_mu,nu X^z
  std::array<Real, 9> SzX{};     // sum B_mu,nu z X^z
  for (const auto& term : ifc67::kB) {
    const auto mu = static_cast<std::size_t>(term.mu);
    const Real BX = term.B * Xp[static_cast<std::size_t>(term.z)];
    S[mu] += BX;
    SzX[mu] += term.z * BX;
  }
  // D_mu = beta^(2-mu) + sum b X^x ; D'_mu = sum x b X^x.
  std::array<Real, 9> Dsum{};
  std::array<Real, 9> Dprime{};
  for (const auto& term : ifc67::kbSmall) {
    const auto mu = static_cast<std::size_t>(term.mu);
    const Real bX = term.b * Xp[static_cast<std::size_t>(term.x)];
    Dsum[mu] += bX;
    Dprime[mu] += term.x * bX;
  }

  // mu = 1..5
  Real betaPow = 1;  // beta^(mu-1)
  for (std::size_t mu = 1; mu <= 5; ++mu) {
    chi -= static_cast<Real>(mu) * betaPow * S[mu];
    betaPow *= beta;  // now beta^mu
    eps -= betaPow * (S[mu] + bth * SzX[mu]);
  }
  // mu = 6..8
  for (std::size_t mu = 6; mu <= 8; ++mu) {
    const int m = static_cast<int>(mu);
    const Real betaInv = ipow(1 / beta, m - 2);  // beta^(2-mu)
    const Real D = betaInv + Dsum[mu];
    // beta^(1-mu) = beta^(2-mu) / beta
    chi -= (m - 2) * (betaInv / beta) * S[mu] / (D * D);
    eps -= (S[mu] + bth * SzX[mu] - bth * Dprime[mu] / D * S[mu]) / D;
  }

  // Last term with the L function.
  const Real betaL = ifc67::kL0 + ifc67::kL1 * theta + ifc67::kL2 * theta * theta;
  const Real betaLp = ifc67::kL1 + 2 * ifc67::kL2 * theta;
  const Real ratio10 = ipow(beta / betaL, 10);
  Real S9 = 0, S9h = 0;
  for (std::size_t nu = 0; nu <= 6; ++nu) {
    const Real BX = ifc67::kB9nu[nu] * Xp[nu];
    S9 += BX;
    S9h += (1 + theta * (10 * betaLp / betaL + static_cast<Real>(nu) * kb)) * BX;
  }
  chi += 11 * ratio10 * S9;
  eps += beta * ratio10 * S9h;

  return finish(chi, eps);
}

//! Saturation temperature of steam, the program's own correlation in
//! L = ln(p / 0.980665 bar) (p in kG/cm2): t_s = sum c_k L^k, k = 0..11,
//! by Horner's scheme.  Gives 100.006 degC at 1.01325 bar, 179.88 degC at
//! 10 bar, 310.97 degC at 100 bar.  No value at 220 bar and above (the
//! critical pressure is 221.2 bar) nor for p <= 0 or NaN.
std::optional<Real> steamSaturationTemperature(Real pBar) {
  static constexpr std::array<Real, 12> c = {
      99.09271199L,      2.785424215e1L,    2.375357647L,      0.2107780463L,
      0.0212968211L,     0.00132837729L,    -0.0003739348425L, -1.74177519e-05L,
      2.207171179e-05L,  1.534373134e-06L,  -4.26856851e-07L,  -4.292460291e-08L,
  };
  if (!(pBar > 0) || !(pBar < 220)) return std::nullopt;
  const Real L = std::log(pBar / 0.980665L);
  Real ts = c[11];
  for (std::size_t k = 11; k-- > 0;) ts = ts * L + c[k];
  return ts;
}

namespace {

// The five pressure lines of the isentropic exponent, one per temperature
// level 100, 200, 300, 400, 500 degC (level index 1..5); p in bar.
Real kappaLevel(int level, Real p) {
  switch (level) {
    case 1:
      return p < 1 ? 1.3233L - 0.0033L * p : 1.322833L - 0.002833L * p;
    case 2:
      if (p < 1) return 1.3122L - 0.0022L * p;
      if (p < 7) return 1.311167L - 0.001167L * p;
      if (p < 15) return 1.3115L - 0.0015L * p;
      return 1.3024L - 0.00076L * p;
    case 3:
      return p < 2 ? 1.3L : 1.300181L - 0.0005454L * p;
    case 4:
      return p < 20 ? 1.288L : 1.29L - 0.0001L * p;
    default:
      return p < 20 ? 1.277L : 1.2754L + 0.00008L * p;
  }
}

}  // namespace

//! Isentropic exponent of steam: five straight lines in p at 100, 200, 300,
//! 400 and 500 degC; below 100 degC the 100 degC line, between the levels
//! linear interpolation in t, above 500 degC the 500 degC line less 0.0001
//! per kelvin.  Worked value: 50 degC, 0.1 bar gives 1.32297.
Real steamIsentropicExponent(Real pBar, Real t) {
  if (!std::isfinite(pBar) || !std::isfinite(t)) return 0;
  if (t < 100) return kappaLevel(1, pBar);
  if (t >= 500) return kappaLevel(5, pBar) - (t - 500) * 0.0001L;
  const int low = static_cast<int>(t / 100);  // 1..4
  const Real tLow = 100 * static_cast<Real>(low);
  const Real tHigh = tLow + 100;
  return kappaLevel(low, pBar) * (tHigh - t) / 100 + kappaLevel(low + 1, pBar) * (t - tLow) / 100;
}

//! IAPS Formulation 1985 for the viscosity of ordinary water substance,
//! normal part (critical enhancement eta2 = 1):
//!   eta = eta* eta0(Tbar) eta1(Tbar, rhobar),
//!   eta0 = sqrt(Tbar) / sum H_k / Tbar^k,
//!   eta1 = exp(rhobar sum_i sum_j b_ij (1/Tbar - 1)^i (rhobar - 1)^j),
//! Tbar = T / 647.27 K, rhobar = rho / 317.763 kg/m3, eta* = 55.071e-6 Pa*s.
//! Worked value: 298.15 K, 998 kg/m3 gives 890.007027e-6 Pa*s.
Real waterViscosity(Real t, Real specificVolume) {
  if (!std::isfinite(t) || !std::isfinite(specificVolume) || !(specificVolume > 0) ||
      !(t + kKelvin > 0))
    return 0;
  using iaps85::kH;
  const Real Tbar = (t + kKelvin) / iaps85::kTstar;
  const Real rhobar = (1 / specificVolume) / iaps85::kRhoStar;
  const Real invT = 1 / Tbar;
  const Real eta0 = std::sqrt(Tbar) / (kH[0] + invT * (kH[1] + invT * (kH[2] + invT * kH[3])));

  const Real x = invT - 1;    // powers i
  const Real y = rhobar - 1;  // powers j
  Real sum = 0;
  Real xi = 1;
  for (std::size_t i = 0; i < iaps85::kb.size(); ++i) {
    // Horner in (rhobar - 1) over j = 6 .. 0.
    const auto& row = iaps85::kb[i];
    Real inner = 0;
    for (std::size_t j = row.size(); j-- > 0;) inner = inner * y + row[j];
    sum += xi * inner;
    xi *= x;
  }
  const Real eta1 = std::exp(rhobar * sum);
  const Real eta = iaps85::kEtaStar * eta0 * eta1;
  return std::isfinite(eta) ? eta : 0;
}

}  // namespace dorvel
