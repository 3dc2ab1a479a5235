// GERG-2008 (ISO 20765-2): every check value of the reference code, the
// cached spreadsheet examples, round trips rho -> p -> rho and the gas root
// near saturation.
#include <gtest/gtest.h>

#include <cmath>

#include "props/gerg2008.h"
#include "support/printed_digits.h"

using namespace dorvel;

namespace {

GasComposition testGas() {
  return {0.77824L, 0.02L, 0.06L, 0.08L, 0.03L, 0.0015L, 0.003L, 0.0005L, 0.00165L, 0.00215L,
          0.00088L, 0.00024L, 0.00015L, 0.00009L, 0.004L, 0.005L, 0.002L, 0.0001L, 0.0025L,
          0.007L, 0.001L};
}

GasComposition pipelineGas() {
  GasComposition x{};
  x[kGcMethane] = 0.90L;
  x[kGcNitrogen] = 0.02L;
  x[kGcCarbonDioxide] = 0.015L;
  x[kGcEthane] = 0.05L;
  x[kGcPropane] = 0.01L;
  x[kGcIsobutane] = 0.002L;
  x[kGcNButane] = 0.003L;
  return x;
}

GasComposition hydrogenBlend() {
  GasComposition x = pipelineGas();
  for (Real& v : x) v *= 0.8L;
  x[kGcHydrogen] = 0.2L;
  return x;
}

GasComposition pure(int component) {
  GasComposition x{};
  x[static_cast<size_t>(component)] = 1;
  return x;
}

}  // namespace

TEST(Gerg2008, CheckValuesOfTheReferenceCodeAt400KAnd50MPa) {
  const Gerg2008Mixture gas(testGas());
  const GasState s = gas.state(400, 50000);
  ASSERT_TRUE(s.ok);
  EXPECT_PRINTED(s.molarMass, "20.5427445016");
  EXPECT_PRINTED(s.molarDensity, "12.79828626082062");
  EXPECT_PRINTED(s.pressure, "50000.0");
  EXPECT_PRINTED(s.z, "1.174690666383717");
  EXPECT_PRINTED(s.dpdrho, "7000.694030193327");
  // The second derivative, u and h are sums with cancellation (h/RT is
  // 0.35 where its ideal-gas terms reach 40): the double program that
  // printed them carries about 1e-14 of rounding there.
  EXPECT_REL_NEAR(s.d2pdrho2, 1129.526655214841L, 1e-14L);
  EXPECT_PRINTED(s.dpdt, "235.9832292593096");
  EXPECT_REL_NEAR(s.u, -2746.492901212530L, 1e-14L);
  EXPECT_REL_NEAR(s.h, 1160.280160510973L, 1e-14L);
  EXPECT_PRINTED(s.s, "-38.57590392409089");
  EXPECT_PRINTED(s.cv, "39.02948218156372");
  EXPECT_PRINTED(s.cp, "58.45522051000366");
  EXPECT_PRINTED(s.w, "714.4248840596024");
  EXPECT_PRINTED(s.g, "16590.64173014733");
  // T*(dp/dT)/(rho*dp/drho) - 1 loses a digit to cancellation in double.
  EXPECT_REL_NEAR(s.jouleThomson, 7.155629581480913E-05L, 3e-14L);
  EXPECT_PRINTED(s.kappa, "2.683820255058032");
  EXPECT_LE(s.iterations, 10);
}

TEST(Gerg2008, AdditionalStatesOfThePipelineGasAndItsHydrogenBlend) {
  struct Case {
    bool blend;
    Real tK, pKPa;
    const char *mm, *d, *z, *rho, *w, *kappa, *dpdd, *cv, *cp;
  };
  const Case cases[] = {
      {false, 273.15L, 101.325L, "17.8936437", "0.04473966070564848", "0.9972132635624913",
       "0.8005555479257643", "405.4661726292838", "1.298925115828945", "2258.453639007044",
       "27.84247925629356", "36.26642656676288"},
      {false, 283.15L, 4000, "17.8936437", "1.882507409556703", "0.9025516323144678",
       "33.6849168492176", "396.0803448975635", "1.321119403934658", "1920.352244871472",
       "29.22511905120238", "42.72093605433113"},
      {false, 288.15L, 7000, "17.8936437", "3.458262227132725", "0.8448640288445626",
       "61.88091211348143", "395.843755161837", "1.385180159251186", "1736.859313569948",
       "30.09494527626922", "48.58198966877254"},
      {true, 288.15L, 7000, "14.71809096", "3.188695048026285", "0.9162874825000323",
       "46.93150376055243", "457.3173177452866", "1.402173403470371", "2044.757801472217",
       "27.68786083248271", "41.68063313691489"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << (c.blend ? "H20 " : "P ") << static_cast<double>(c.tK)
                                      << " K " << static_cast<double>(c.pKPa) << " kPa");
    const Gerg2008Mixture gas(c.blend ? hydrogenBlend() : pipelineGas());
    const GasState s = gas.state(c.tK, c.pKPa);
    ASSERT_TRUE(s.ok);
    EXPECT_PRINTED(s.molarMass, c.mm);
    EXPECT_PRINTED(s.molarDensity, c.d);
    EXPECT_PRINTED(s.z, c.z);
    EXPECT_PRINTED(s.massDensity(), c.rho);
    EXPECT_PRINTED(s.w, c.w);
    EXPECT_PRINTED(s.kappa, c.kappa);
    EXPECT_PRINTED(s.dpdrho, c.dpdd);
    EXPECT_PRINTED(s.cv, c.cv);
    EXPECT_PRINTED(s.cp, c.cp);
  }
}

TEST(Gerg2008, CachedSpreadsheetExamplesInUsUnits) {
  // 6 significant digits; lbm/ft3 and ft/s as stored.
  const Real lbmPerFt3 = 16.018463373960138L, ftPerS = 0.3048L, psi = 6.894757293168361L;
  auto kelvin = [](Real f) { return (f - 32) / 1.8L + 273.15L; };
  const Gerg2008Mixture gas(testGas());
  EXPECT_PRINTED(gas.molarMass(), "20.5427");
  struct Case {
    Real f, psia;
    const char *rho, *z, *w, *kappa;
  };
  const Case cases[] = {{60, 150, "0.568556", "0.971817", "1249.01", nullptr},
                        {32, 1200, "6.48115", "0.720859", "1123.3", "1.47094"},
                        {100, 2000, "8.8066", "0.776756", "1328.46", "1.67729"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.f));
    const GasState s = gas.state(kelvin(c.f), c.psia * psi);
    ASSERT_TRUE(s.ok);
    EXPECT_PRINTED(s.massDensity() / lbmPerFt3, c.rho);
    EXPECT_PRINTED(s.z, c.z);
    EXPECT_PRINTED(s.w / ftPerS, c.w);
    if (c.kappa) {
      EXPECT_PRINTED(s.kappa, c.kappa);
    }
  }
}

TEST(Gerg2008, DensityRoundTripsThroughThePressure) {
  // p(rho) of the equation, then the solver back to rho: the same density
  // to 1e-14 over the range of natural-gas metering and of hydrogen blends.
  for (const GasComposition& x : {pipelineGas(), hydrogenBlend(), testGas(), pure(kGcHydrogen)}) {
    const Gerg2008Mixture gas(x);
    for (Real tK : {250.0L, 288.15L, 350.0L, 450.0L})
      for (Real rho : {0.01L, 1.0L, 5.0L, 10.0L}) {
        const GasState forward = gas.properties(tK, rho);
        ASSERT_TRUE(forward.ok);
        const GasState back = gas.state(tK, forward.pressure);
        ASSERT_TRUE(back.ok) << static_cast<double>(tK) << " K " << static_cast<double>(rho);
        EXPECT_REL_NEAR(back.molarDensity, rho, 1e-14L);
      }
  }
}

TEST(Gerg2008, GasRootNearSaturationAndNoneBeyondTheGasBranch) {
  // Propane at 300 K (saturation pressure about 0.998 MPa): below it the
  // solver returns the vapour, Z near 0.85, with a positive slope from
  // rho = 0 to the root; far above it there is no gas root, and the liquid
  // root (about 11 mol/l) is not taken.
  const Gerg2008Mixture propane(pure(kGcPropane));
  const GasState vapour = propane.state(300, 950);
  ASSERT_TRUE(vapour.ok);
  EXPECT_GT(vapour.z, 0.8L);
  EXPECT_LT(vapour.molarDensity, 1.0L);
  const auto at = propane.atTemperature(300);
  for (int k = 1; k <= 16; ++k)
    EXPECT_GT(propane.pressure(at, vapour.molarDensity * k / 16).dpdrho, 0);
  const GasState compressed = propane.state(300, 3000);
  EXPECT_FALSE(compressed.ok);
  // The liquid at 3 MPa exists on the equation: it lies above the spinodal.
  const GasState liquid = propane.properties(300, 11.0L);
  EXPECT_GT(liquid.dpdrho, 0);
}
