// Gas mixtures: composition conversion, Redlich-Kwong equation of state,
// isentropic exponent and viscosity.
#include "props/mixture.h"

#include <algorithm>
#include <cmath>

namespace dorvel {

namespace {

constexpr std::size_t kN = kMixtureComponents;

bool finite(Real x) { return std::isfinite(x); }

// Kinds that use each composition (the checks treat 8 with 9 and 10..12 with 5).
bool usesMixtureSlots(int kind) { return kind == 4 || kind == 5 || (kind >= 10 && kind <= 12); }
bool usesNaturalGasSlots(int kind) { return kind == 8 || kind == 9; }

// Mixture slots of the coke-oven components, in the order N2, O2, H2, CO, CO2, CH4.
constexpr std::array<int, 6> kCokeSlots{kSlotN2, kSlotO2, kSlotH2, kSlotCO, kSlotCO2, kSlotCH4};

template <std::size_t N>
bool sharesUsable(const std::array<Real, N>& v, std::size_t count) {
  Real sum = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (!finite(v[i]) || v[i] < 0) return false;
    sum += v[i];
  }
  return sum > 0 && finite(sum);
}

bool cokeSharesUsable(const Composition& v, Real cnhm) {
  Real sum = 0;
  for (int s : kCokeSlots) {
    const Real x = v[static_cast<std::size_t>(s)];
    if (!finite(x) || x < 0) return false;
    sum += x;
  }
  if (!finite(cnhm) || cnhm < 0) return false;
  sum += cnhm;
  return sum > 0 && finite(sum);
}

// Ideal-to-real factor of the summation method, 1 - sqrt(b)^2.
Real idealToReal(Real sqrtB) { return 1 - sqrtB * sqrtB; }

// Jossi-Stiel-Thodos residual-viscosity polynomial, raised to the 4th power:
// [(eta - eta0)*xi + 1e-4]^(1/4) = 0.1023 + 0.023364 rr + 0.058533 rr^2
//                                  - 0.040758 rr^3 + 0.0093324 rr^4.
Real jossiStielThodos(Real rr) {
  const Real s =
      0.1023L + rr * (0.023364L + rr * (0.058533L + rr * (-0.040758L + rr * 0.0093324L)));
  const Real s2 = s * s;
  return s2 * s2;
}

constexpr Real kRefT = 273.15L;      // K
constexpr Real kRefP = 101325.0L;    // Pa
constexpr Real kAtmBar = 1.01325L;   // bar

ComponentParameters buildComponentParameters() {
  ComponentParameters cp;
  const Real r = kGasConstant;
  for (std::size_t i = 0; i < kN; ++i) {
    const ComponentData& d = componentData[i];
    const Real w = d.acentricFactor;
    cp.zc[i] = 0.291L - 0.08L * w;
    cp.vc[i] = cp.zc[i] * r * d.criticalTemperature / d.criticalPressure;
    cp.b[i] =
        r * d.criticalTemperature * (0.08664L + w * (0.0398L + 0.0111L * w)) / d.criticalPressure;
    // Omega_a that makes the equation pass through the component's critical
    // point (p = pc at V = Vc, T = Tc).
    const Real wp = d.criticalPressure / (r * d.criticalTemperature);
    const Real vc = cp.vc[i], b = cp.b[i];
    cp.omegaA[i] = vc * (vc + b) * (wp / (vc - b) - wp * wp);
  }
  for (std::size_t i = 0; i < kN; ++i) {
    for (std::size_t j = 0; j < kN; ++j) {
      const ComponentData& di = componentData[i];
      const ComponentData& dj = componentData[j];
      const Real kij = binaryInteractionCoefficient(static_cast<int>(i), static_cast<int>(j));
      const Real tcij = std::sqrt(di.criticalTemperature * dj.criticalTemperature) * (1 - kij);
      // Cube roots as exp(0.33333*ln V): the truncated exponent is part of the method.
      const Real ci = std::exp(0.33333L * std::log(cp.vc[i]));
      const Real cj = std::exp(0.33333L * std::log(cp.vc[j]));
      const Real h = (ci + cj) / 2;
      const Real vcij = h * h * h;
      const Real zcij = 0.291L - 0.04L * (di.acentricFactor + dj.acentricFactor);
      cp.a[i][j] = ((cp.omegaA[i] + cp.omegaA[j]) / 2) * kGasConstant *
                   std::pow(tcij, 1.5L) * vcij / zcij;
    }
  }
  return cp;
}

// Composition-independent parts of the viscosity: xi_i of Jossi-Stiel-Thodos
// and the residual term of each pure component at 0 degC, 1 atm.
// Also the molar-mass factors of Wilke's phi_ij, (M_j/M_i)^(1/4) and
// 2.828427*sqrt(1 + M_i/M_j).
struct ViscosityConstants {
  bool ok = true;
  std::array<Real, kN> xi{};
  std::array<Real, kN> fRef{};
  std::array<std::array<Real, kN>, kN> massRoot{};
  std::array<std::array<Real, kN>, kN> wilkeDenominator{};
};

ViscosityConstants buildViscosityConstants() {
  const ComponentParameters& cp = componentParameters();
  ViscosityConstants vc;
  for (std::size_t i = 0; i < kN; ++i) {
    const ComponentData& d = componentData[i];
    vc.xi[i] = std::pow(d.criticalTemperature, 1.0L / 6.0L) /
               (std::sqrt(d.molarMass) * std::pow(d.criticalPressure / kRefP, 2.0L / 3.0L));
    const std::optional<Real> z = solveCompressibility(cp.b[i], cp.a[i][i], kGasConstant, kRefP, kRefT);
    if (!z) {
      vc.ok = false;
      continue;
    }
    const Real rr = cp.zc[i] * d.criticalTemperature * kRefP / (*z * d.criticalPressure * kRefT);
    vc.fRef[i] = jossiStielThodos(rr);
  }
  for (std::size_t i = 0; i < kN; ++i) {
    for (std::size_t j = 0; j < kN; ++j) {
      const Real mi = componentData[i].molarMass, mj = componentData[j].molarMass;
      vc.massRoot[i][j] = std::pow(mj / mi, 0.25L);
      vc.wilkeDenominator[i][j] = 2.828427L * std::sqrt(1 + mi / mj);
    }
  }
  return vc;
}

const ViscosityConstants& viscosityConstants() {
  static const ViscosityConstants v = buildViscosityConstants();
  return v;
}

}  // namespace

// ---- composition handling -------------------------------------------------------

bool convertCompositionToMole(CalculationCase& c, int fluidKind) {
  if (c.compositionInMolePercent == 1) {
    c.mixtureMolePercent = c.mixtureComposition;
    c.naturalGasMolePercent = c.naturalGasComposition;
    c.cokeGasCnHmMole = c.cokeGasCnHm;
    if (usesMixtureSlots(fluidKind)) return sharesUsable(c.mixtureMolePercent, kN);
    if (usesNaturalGasSlots(fluidKind))
      return sharesUsable(c.naturalGasMolePercent, kNaturalGasComponents);
    if (fluidKind == FluidCokeGas) return cokeSharesUsable(c.mixtureMolePercent, c.cokeGasCnHmMole);
    return true;
  }

  if (fluidKind == FluidOtherGas || (fluidKind >= 10 && fluidKind <= 12)) {
    Composition out{};
    bool ok = sharesUsable(c.mixtureComposition, kN);
    if (ok) {
      Real sum = 0;
      for (std::size_t i = 0; i < kN; ++i) {
        out[i] = c.mixtureComposition[i] / idealToReal(componentData[i].summationFactor);
        sum += out[i];
      }
      for (std::size_t i = 0; i < kN; ++i) out[i] = 100 * out[i] / sum;
    }
    c.mixtureMolePercent = ok ? out : Composition{};
    return ok;
  }

  if (fluidKind == FluidCokeGas) {
    Composition out{};
    Real cnhm = 0;
    bool ok = cokeSharesUsable(c.mixtureComposition, c.cokeGasCnHm);
    if (ok) {
      Real sum = 0;
      for (int s : kCokeSlots) {
        const auto i = static_cast<std::size_t>(s);
        out[i] = c.mixtureComposition[i] / idealToReal(componentData[i].summationFactor);
        sum += out[i];
      }
      cnhm = c.cokeGasCnHm / idealToReal(kCnHmSummationFactor);
      sum += cnhm;
      for (int s : kCokeSlots) {
        const auto i = static_cast<std::size_t>(s);
        out[i] = 100 * out[i] / sum;
      }
      cnhm = 100 * cnhm / sum;
    }
    c.mixtureMolePercent = out;
    c.cokeGasCnHmMole = cnhm;
    return ok;
  }

  if (usesNaturalGasSlots(fluidKind)) {
    Composition out{};
    bool ok = sharesUsable(c.naturalGasComposition, kNaturalGasComponents);
    if (ok) {
      Real sum = 0;
      for (std::size_t i = 0; i < kNaturalGasComponents; ++i) {
        out[i] = c.naturalGasComposition[i] / idealToReal(naturalGasSummationFactor[i]);
        sum += out[i];
      }
      for (std::size_t i = 0; i < kNaturalGasComponents; ++i) out[i] = 100 * out[i] / sum;
    }
    c.naturalGasMolePercent = out;
    return ok;
  }
  return true;
}

void copyNaturalGasToMixture(CalculationCase& c) {
  Composition& m = c.mixtureComposition;
  const Composition& g = c.naturalGasComposition;
  m.fill(0);
  m[kSlotN2] = g[kNgSlotN2];
  m[kSlotCO2] = g[kNgSlotCO2];
  m[kSlotO2] = g[kNgSlotO2];
  m[kSlotCH4] = g[kNgSlotCH4];
  m[kSlotH2] = g[kNgSlotH2];
  m[kSlotC2H6] = g[kNgSlotC2H6];
  m[kSlotAr] = g[kNgSlotAr];
  m[kSlotC3H8] = g[kNgSlotC3H8];
  m[kSlotHe] = g[kNgSlotHe];
  m[kSlotC4H10] = g[kNgSlotNC4H10];
  m[kSlotH2S] = g[kNgSlotH2S];
  m[kSlotC5H12] = g[kNgSlotNC5H12];
  m[kSlotSO2] = g[kNgSlotSO2];
  m[kSlotC2H4] = g[kNgSlotC2H4];
  m[kSlotCO] = g[kNgSlotCO];
  m[kSlotC6H6] = g[kNgSlotC6H6];
}

void copyMixtureToNaturalGas(CalculationCase& c) {
  Composition& g = c.naturalGasComposition;
  const Composition& m = c.mixtureComposition;
  g.fill(0);
  g[kNgSlotCH4] = m[kSlotCH4];
  g[kNgSlotC2H6] = m[kSlotC2H6];
  g[kNgSlotCO] = m[kSlotCO];
  g[kNgSlotC3H8] = m[kSlotC3H8];
  g[kNgSlotHe] = m[kSlotHe];
  g[kNgSlotNC4H10] = m[kSlotC4H10];
  g[kNgSlotNC5H12] = m[kSlotC5H12];
  g[kNgSlotN2] = m[kSlotN2];
  g[kNgSlotH2] = m[kSlotH2];
  g[kNgSlotCO2] = m[kSlotCO2];
}

// ---- equation-of-state parameters -------------------------------------------------

const ComponentParameters& componentParameters() {
  static const ComponentParameters p = buildComponentParameters();
  return p;
}

MixtureParameters mixtureParameters(const MoleFractions& y) {
  MixtureParameters m;
  m.y = y;
  if (!sharesUsable(y, kN)) {
    m.y.fill(0);
    return m;
  }
  const ComponentParameters& cp = componentParameters();
  Real am = 0, bm = 0, mm = 0;
  for (std::size_t i = 0; i < kN; ++i) {
    if (y[i] == 0) continue;
    Real row = 0;
    for (std::size_t j = 0; j < kN; ++j)
      if (y[j] != 0) row += y[j] * cp.a[i][j];
    am += y[i] * row;
    bm += y[i] * cp.b[i];
    mm += y[i] * componentData[i].molarMass;
  }
  m.am = am;
  m.bm = bm;
  m.molarMass = mm;
  m.valid = finite(am) && finite(bm) && bm > 0 && mm > 0;
  return m;
}

std::optional<Real> solveCompressibility(Real b, Real a, Real r, Real pPa, Real t) {
  if (!finite(b) || !finite(a) || !finite(r) || !finite(pPa) || !finite(t) || !(r > 0) ||
      !(pPa > 0) || !(t > 0))
    return std::nullopt;
  const Real bigA = a * pPa / (r * r * std::pow(t, 2.5L));
  const Real bigB = b * pPa / (r * t);
  const Real c1 = bigA - bigB - bigB * bigB;
  // Depressed cubic in y = Z - 1/3:  y^3 + P*y + Q = 0.
  const Real p3 = c1 / 3 - 1.0L / 9.0L;                        // P/3
  const Real q2 = c1 / 6 - 0.037037L - bigA * bigB / 2;        // Q/2 (1/27 as 0.037037)
  const Real disc = q2 * q2 + p3 * p3 * p3;
  Real z;
  if (disc >= 0) {
    const Real sd = std::sqrt(disc);
    z = std::cbrt(-q2 + sd) + std::cbrt(-q2 - sd) + 1.0L / 3.0L;
  } else {
    // Three real roots (trigonometric form); 1/3 as 0.33333 and pi/3 as
    // 1.0471666, as in the method.  m carries the sign of Q/2, so c >= 0.
    Real m = std::sqrt(std::fabs(p3));
    if (q2 < 0) m = -m;
    const Real c = q2 / (m * m * m);
    const Real theta =
        (c > 0 ? std::atan(std::sqrt(1 - c * c) / c) : kPi / 2) / 3;
    const Real z1 = -2 * m * std::cos(theta) + 0.33333L;
    const Real z2 = 2 * m * std::cos(1.0471666L - theta) + 0.33333L;
    const Real z3 = 2 * m * std::cos(theta + 1.0471666L) + 0.33333L;
    z = std::max({z1, z2, z3});
  }
  if (!finite(z) || !(z > 0)) return std::nullopt;
  return z;
}

namespace {

// Real roots of z^3 - z^2 + c1*z - c0 = 0, ascending, each refined by Newton
// steps (the exact constants here, unlike the method's Z).
int cubicRoots(Real c1, Real c0, std::array<Real, 3>& roots) {
  const Real p3 = c1 / 3 - 1.0L / 9.0L;
  const Real q2 = c1 / 6 - 1.0L / 27.0L - c0 / 2;
  const Real disc = q2 * q2 + p3 * p3 * p3;
  int n = 0;
  if (disc >= 0) {
    const Real sd = std::sqrt(disc);
    roots[n++] = std::cbrt(-q2 + sd) + std::cbrt(-q2 - sd) + 1.0L / 3.0L;
  } else {
    const Real m = std::sqrt(-p3);
    const Real phi = std::acos(std::clamp(-q2 / (m * m * m), Real{-1}, Real{1}));
    for (int k = 0; k < 3; ++k)
      roots[n++] = 2 * m * std::cos((phi - 2 * kPi * k) / 3) + 1.0L / 3.0L;
    std::sort(roots.begin(), roots.begin() + n);
  }
  for (int i = 0; i < n; ++i) {
    for (int it = 0; it < 3; ++it) {
      const Real z = roots[i];
      const Real f = ((z - 1) * z + c1) * z - c0;
      const Real df = (3 * z - 2) * z + c1;
      if (df == 0 || !finite(df)) break;
      roots[i] = z - f / df;
    }
  }
  return n;
}

}  // namespace

bool redlichKwongLiquidLike(Real b, Real a, Real r, Real pPa, Real t) {
  if (!finite(b) || !finite(a) || !finite(r) || !finite(pPa) || !finite(t) || !(b > 0) ||
      !(a > 0) || !(r > 0) || !(pPa > 0) || !(t > 0))
    return false;
  const Real k = std::cbrt(2.0L) - 1;  // b/Vc of the equation
  const Real tc = std::pow(3 * k * k * a / (b * r), 2.0L / 3.0L);
  if (!(t < tc)) return false;
  const Real bigA = a * pPa / (r * r * std::pow(t, 2.5L));
  const Real bigB = b * pPa / (r * t);
  std::array<Real, 3> all{};
  const int n = cubicRoots(bigA - bigB - bigB * bigB, bigA * bigB, all);
  std::array<Real, 3> z{};
  int m = 0;
  for (int i = 0; i < n; ++i)
    if (finite(all[i]) && all[i] > bigB) z[m++] = all[i];
  if (m == 0) return false;
  if (m == 1) return z[0] * r * t / pPa < b / k;  // V < Vc
  auto lnPhi = [&](Real zz) {
    return zz - 1 - std::log(zz - bigB) - bigA / bigB * std::log(1 + bigB / zz);
  };
  return lnPhi(z[0]) < lnPhi(z[m - 1]);
}

// ---- state properties -----------------------------------------------------------

MixtureState mixtureStateProperties(StateDetail detail, Real t, Real pBar,
                                    const MixtureParameters& mix) {
  MixtureState s;
  const Real tk = t + kKelvin;
  if (!mix.valid || !finite(tk) || !(tk > 0) || !finite(pBar) || !(pBar > 0)) return s;
  const Real r = kGasConstant;
  const Real p = pBar * 100000;
  const Real mm = mix.molarMass;

  const std::optional<Real> zOpt = solveCompressibility(mix.bm, mix.am, r, p, tk);
  if (!zOpt) return s;
  const Real z = *zOpt;
  const Real rho = p * mm / (z * r * tk);
  if (!finite(rho) || !(rho > 0)) return s;

  MixtureState out;
  out.density = rho;
  out.molarMass = mm;
  out.z = z;
  out.liquidLike = redlichKwongLiquidLike(mix.bm, mix.am, r, p, tk);
  if (detail == StateDetail::DensityOnly) {
    out.ok = true;
    return out;
  }

  // Isentropic exponent kappa = -(v/p)*(cp/cv)*(dp/dv)_T.
  const Real am = mix.am, bm = mix.bm;
  const Real v = 1 / rho;  // m3/kg
  const Real vm = mm * v;  // m3/kmol
  if (!(vm > bm)) return s;
  const Real t15 = std::pow(tk, 1.5L);
  const Real sqrtT = std::sqrt(tk);
  const Real dpdT = r / (vm - bm) + am / (2 * vm * (vm + bm) * t15);
  const Real dpdv = mm * (am * (2 * vm + bm) / (sqrtT * vm * vm * (vm + bm) * (vm + bm)) -
                          r * tk / ((vm - bm) * (vm - bm)));
  Real cvIdeal = 0;
  for (std::size_t i = 0; i < kN; ++i)
    if (mix.y[i] != 0)
      cvIdeal += mix.y[i] * (kJoulePerKcal * idealHeatCapacity(static_cast<int>(i), tk) - r);
  const Real departure = 0.75L * am * std::log(1 + bm / vm) / (bm * t15);
  // cv [J/(kg*K)].  The Redlich-Kwong departure term (per kmol) enters
  // divided by M twice, as the method has it; the results keep that form.
  const Real cv = (cvIdeal + departure / mm) / mm;
  const Real cpMinusCv = -tk * dpdT * dpdT / dpdv;
  const Real kappa = -dpdv * (1 + cpMinusCv / cv) / (p * rho);

  // Viscosity: Sutherland per component, Jossi-Stiel-Thodos dense-gas term,
  // Wilke mixing.
  const ComponentParameters& cp = componentParameters();
  const ViscosityConstants& vcst = viscosityConstants();
  if (!vcst.ok) return s;
  std::array<Real, kN> eta{};
  const Real tRatio15 = std::pow(tk / kRefT, 1.5L);
  for (std::size_t i = 0; i < kN; ++i) {
    if (mix.y[i] == 0) continue;
    const ComponentData& d = componentData[i];
    Real e = d.viscosity0 * tRatio15 * (kRefT + d.sutherlandConstant) / (tk + d.sutherlandConstant);
    if (pBar >= kAtmBar) {
      const std::optional<Real> zi = solveCompressibility(cp.b[i], cp.a[i][i], r, p, tk);
      if (!zi) return s;
      const Real rr = cp.zc[i] * d.criticalTemperature * p / (*zi * d.criticalPressure * tk);
      Real dense = (jossiStielThodos(rr) - vcst.fRef[i]) / vcst.xi[i];
      const Real pMPa = pBar / 10;
      if (pMPa > 1) dense /= std::pow(pMPa, 1.6L);
      e += dense;
    }
    eta[i] = e;
  }
  Real viscosity = 0;
  for (std::size_t i = 0; i < kN; ++i) {
    if (mix.y[i] == 0) continue;
    Real denom = 1;
    for (std::size_t j = 0; j < kN; ++j) {
      if (j == i || mix.y[j] == 0) continue;
      // phi_ij = (1 + sqrt(eta_i/eta_j)*(M_j/M_i)^(1/4))^2 / (2.828427*sqrt(1 + M_i/M_j))
      const Real num = 1 + std::sqrt(eta[i] / eta[j]) * vcst.massRoot[i][j];
      const Real phi = num * num / vcst.wilkeDenominator[i][j];
      denom += (mix.y[j] / mix.y[i]) * phi;
    }
    viscosity += eta[i] / denom;
  }

  if (!finite(kappa) || !(kappa > 0) || !finite(viscosity) || !(viscosity > 0)) return s;
  out.isentropicExponent = kappa;
  out.viscosity = viscosity;
  out.ok = true;
  return out;
}

}  // namespace dorvel
