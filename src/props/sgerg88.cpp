// SGERG-88 virial coefficients and compression factor (ISO 12213-3 Annex B).
#include "props/sgerg88.h"

#include <array>
#include <cmath>

namespace dorvel {

namespace {

// Temperature polynomials q(0) + q(1)*T + q(2)*T^2, coefficients in the
// standard's order.  ISO 12213-3 Table B.2 (second virial coefficients) and
// Table B.3 (third virial coefficients); identical to the BLOCK DATA of the
// GERG program SGERG.FOR (Michels & Schouten 1991), whose own index numbers
// for H2 and CO are 5 and 7 (BR15 = b14, BR17 = b15, B25 = b24, BR55 = b44,
// BR77 = b55, CR555 = c444, CR117 = c115).
using Poly = std::array<Real, 3>;

// Table B.2: B in m3/kmol with T in K and H_CH in MJ/kmol.
constexpr Poly kBH0 = {-4.25468e-1L, 2.86500e-3L, -4.62073e-6L};
constexpr Poly kBH1 = {8.77118e-4L, -5.56281e-6L, 8.81510e-9L};
constexpr Poly kBH2 = {-8.24747e-7L, 4.31436e-9L, -6.08319e-12L};
constexpr Poly kB22 = {-1.44600e-1L, 7.40910e-4L, -9.11950e-7L};
constexpr Poly kB33 = {-8.68340e-1L, 4.03760e-3L, -5.16570e-6L};
constexpr Poly kB44 = {-1.10596e-3L, 8.13385e-5L, -9.87220e-8L};
constexpr Poly kB55 = {-1.30820e-1L, 6.02540e-4L, -6.44300e-7L};
constexpr Poly kB14 = {-5.21280e-2L, 2.71570e-4L, -2.50000e-7L};
constexpr Poly kB15 = {-6.87290e-2L, -2.39381e-6L, 5.18195e-7L};
constexpr Poly kB23 = {-3.39693e-1L, 1.61176e-3L, -2.04429e-6L};
constexpr Poly kB24 = {1.20000e-2L, 0.0L, 0.0L};

// Table B.3: C in m6/kmol2.
constexpr Poly kCH0 = {-3.02488e-1L, 1.95861e-3L, -3.16302e-6L};
constexpr Poly kCH1 = {6.46422e-4L, -4.22876e-6L, 6.88157e-9L};
constexpr Poly kCH2 = {-3.32805e-7L, 2.23160e-9L, -3.67713e-12L};
constexpr Poly kC222 = {7.84980e-3L, -3.98950e-5L, 6.11870e-8L};
constexpr Poly kC333 = {2.05130e-3L, 3.48880e-5L, -8.37030e-8L};
constexpr Poly kC444 = {1.04711e-3L, -3.64887e-6L, 4.67095e-9L};
constexpr Poly kC115 = {7.36748e-3L, -2.76578e-5L, 3.43051e-8L};  // direct polynomial, positive c(0)
constexpr Poly kC223 = {5.52066e-3L, -1.68609e-5L, 1.57169e-8L};
constexpr Poly kC233 = {3.58783e-3L, 8.06674e-6L, -3.25798e-8L};

// Combining factors (B.23), (B.24), (B.33) to (B.36).
constexpr Real kY13 = -0.865L;   // B13 = y13*(B11*B33)^(1/2)
constexpr Real kY113 = 0.92L;    // = y133
constexpr Real kY114 = 1.20L;
constexpr Real kY123 = 1.10L;

// Convergence of the density iteration (B.40), in kPa.
constexpr Real kPressureTolerance = 1e-5L;

inline Real poly(const Poly& q, Real t) { return q[0] + t * (q[1] + t * q[2]); }

// Cube root of a product that must not be negative (the GERG program stops
// on a negative one).
inline bool rootOfProduct(Real product, Real& out) {
  if (!(product >= 0)) return false;
  out = std::cbrt(product);
  return true;
}

}  // namespace

SgergVirial sgergVirial(const SgergComposition& x, Real hCH, Real tK) {
  SgergVirial v;
  const Real t = tK;
  const Real h = hCH;

  // Second virial coefficient.
  const Real b11 = poly(kBH0, t) + h * (poly(kBH1, t) + h * poly(kBH2, t));  // (B.20), (B.21)
  const Real b22 = poly(kB22, t);
  const Real b33 = poly(kB33, t);
  const Real b44 = poly(kB44, t);
  const Real b55 = poly(kB55, t);
  const Real b14 = poly(kB14, t);
  const Real b15 = poly(kB15, t);
  const Real b23 = poly(kB23, t);
  const Real b24 = poly(kB24, t);
  const Real d320 = 320.0L - t;
  const Real b12 = (0.72L + 1.875e-5L * d320 * d320) * (b11 + b22) / 2;  // (B.23)
  const Real b1133 = b11 * b33;
  if (!(b1133 >= 0)) return v;
  const Real b13 = kY13 * std::sqrt(b1133);  // (B.24)

  const Real x1 = x.ch, x2 = x.n2, x3 = x.co2, x4 = x.h2, x5 = x.co;
  v.b = x1 * x1 * b11 + 2 * x1 * x2 * b12 + 2 * x1 * x3 * b13 + 2 * x1 * x4 * b14 +
        2 * x1 * x5 * b15 + x2 * x2 * b22 + 2 * x2 * x3 * b23 + 2 * x2 * x4 * b24 +
        x3 * x3 * b33 + x4 * x4 * b44 + x5 * x5 * b55;

  // Third virial coefficient.
  const Real c111 = poly(kCH0, t) + h * (poly(kCH1, t) + h * poly(kCH2, t));  // (B.29), (B.30)
  const Real c222 = poly(kC222, t);
  const Real c333 = poly(kC333, t);
  const Real c444 = poly(kC444, t);
  const Real c115 = poly(kC115, t);
  const Real c223 = poly(kC223, t);
  const Real c233 = poly(kC233, t);
  const Real y112 = 0.92L + 0.0013L * (t - 270.0L);  // = y122, (B.33)
  Real r112, r113, r114, r122, r123, r133;
  if (!rootOfProduct(c111 * c111 * c222, r112) || !rootOfProduct(c111 * c111 * c333, r113) ||
      !rootOfProduct(c111 * c111 * c444, r114) || !rootOfProduct(c111 * c222 * c222, r122) ||
      !rootOfProduct(c111 * c222 * c333, r123) || !rootOfProduct(c111 * c333 * c333, r133))
    return v;
  const Real c112 = y112 * r112;  // (B.32)
  const Real c113 = kY113 * r113;
  const Real c114 = kY114 * r114;
  const Real c122 = y112 * r122;
  const Real c123 = kY123 * r123;
  const Real c133 = kY113 * r133;

  v.c = x1 * x1 * x1 * c111 + 3 * x1 * x1 * x2 * c112 + 3 * x1 * x1 * x3 * c113 +
        3 * x1 * x1 * x4 * c114 + 3 * x1 * x1 * x5 * c115 + 3 * x1 * x2 * x2 * c122 +
        6 * x1 * x2 * x3 * c123 + 3 * x1 * x3 * x3 * c133 + x2 * x2 * x2 * c222 +
        3 * x2 * x2 * x3 * c223 + 3 * x2 * x3 * x3 * c233 + x3 * x3 * x3 * c333 +
        x4 * x4 * x4 * c444;

  v.ok = std::isfinite(v.b) && std::isfinite(v.c);
  return v;
}

SgergResult sgergCompressibility(const SgergComposition& x, Real hCH, Real pKPa, Real tK) {
  SgergResult r;
  if (!(tK > 0) || !std::isfinite(tK) || !(pKPa >= 0) || !std::isfinite(pKPa)) return r;
  const SgergVirial v = sgergVirial(x, hCH, tK);
  if (!v.ok) return r;
  if (pKPa == 0) {  // ideal-gas limit
    r.ok = true;
    r.z = 1;
    return r;
  }
  const Real rt = kSgergR * tK;
  Real rho = 1 / (v.b + rt / pKPa);  // (B.37)
  for (int pass = 1; pass <= kSgergMaxPasses; ++pass) {
    r.passes = pass;
    const Real zOld = 1 + v.b * rho + v.c * rho * rho;
    if (!(zOld > 0)) return r;
    rho = pKPa / (rt * zOld);  // (B.38)
    const Real z = 1 + v.b * rho + v.c * rho * rho;
    if (!(rho > 0) || !std::isfinite(z)) return r;
    if (std::fabs(pKPa - rt * rho * z) < kPressureTolerance) {  // (B.39), (B.40)
      r.ok = z > 0;
      r.z = z;
      r.molarDensity = rho;
      return r;
    }
  }
  return r;
}

}  // namespace dorvel
