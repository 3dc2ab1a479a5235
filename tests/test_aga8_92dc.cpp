// AGA8-92DC (ISO 12213-2): every check value of the DETAIL reference code,
// round trips rho -> p -> rho, and the gas root.
#include <gtest/gtest.h>

#include <cmath>

#include "props/aga8_92dc.h"
#include "support/printed_digits.h"

using namespace dorvel;

namespace {

// The 21-component test gas of the reference code (order of gas_eos.h).
GasComposition testGas() {
  return {0.77824L, 0.02L, 0.06L, 0.08L, 0.03L, 0.0015L, 0.003L, 0.0005L, 0.00165L, 0.00215L,
          0.00088L, 0.00024L, 0.00015L, 0.00009L, 0.004L, 0.005L, 0.002L, 0.0001L, 0.0025L,
          0.007L, 0.001L};
}

// Pipeline gas P and its 20 % hydrogen blend H20.
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

}  // namespace

TEST(Aga8_92dc, CheckValuesOfTheReferenceCodeAt400KAnd50MPa) {
  const Aga8Mixture gas(testGas());
  const GasState s = gas.state(400, 50000);
  ASSERT_TRUE(s.ok);
  EXPECT_PRINTED(s.molarMass, "20.54333051");
  EXPECT_PRINTED(s.molarDensity, "12.80792403648801");
  EXPECT_PRINTED(s.pressure, "50000.0");
  EXPECT_PRINTED(s.z, "1.173801364147326");
  EXPECT_PRINTED(s.dpdrho, "6971.387690924090");
  EXPECT_PRINTED(s.d2pdrho2, "1118.803636639520");
  EXPECT_PRINTED(s.dpdt, "235.6641493068212");
  EXPECT_PRINTED(s.u, "-2739.134175817231");
  EXPECT_PRINTED(s.h, "1164.699096269404");
  EXPECT_PRINTED(s.s, "-38.54882684677111");
  EXPECT_PRINTED(s.cv, "39.12076154430332");
  EXPECT_PRINTED(s.cp, "58.54617672380667");
  EXPECT_PRINTED(s.w, "712.6393684057903");
  EXPECT_PRINTED(s.g, "16584.22983497785");
  // T*(dp/dT)/(rho*dp/drho) - 1 loses a digit to cancellation in double.
  EXPECT_REL_NEAR(s.jouleThomson, 7.432969304794577E-05L, 1.5e-14L);
  EXPECT_PRINTED(s.kappa, "2.672509225184606");
  // Without the energies: the same density, heat capacities and kappa.
  const GasState m = gas.state(400, 50000, false);
  EXPECT_EQ(m.molarDensity, s.molarDensity);
  EXPECT_REL_NEAR(m.cv, s.cv, 1e-17L);
  EXPECT_REL_NEAR(m.kappa, s.kappa, 1e-17L);
  EXPECT_TRUE(std::isnan(m.h));
}

TEST(Aga8_92dc, AdditionalStatesOfThePipelineGasAndItsHydrogenBlend) {
  struct Case {
    bool blend;
    Real tK, pKPa;
    const char *mm, *d, *z, *rho, *w, *kappa, *dpdd, *cv, *cp;
  };
  const Case cases[] = {
      {false, 273.15L, 101.325L, "17.894205", "0.04474000441993406", "0.9972010449372435",
       "0.8005868107912061", "405.4577372075955", "1.298921792867887", "2258.409300175614",
       "27.84508768185619", "36.27016483209837"},
      {false, 283.15L, 4000, "17.894205", "1.882855153195858", "0.9023808162838375",
       "33.69219609659308", "395.992230571537", "1.320817025996032", "1919.922248736481",
       "29.26430598835741", "42.77010597378743"},
      {false, 288.15L, 7000, "17.894205", "3.45875943489286", "0.844738716184346",
       "61.89175037365698", "395.701501565921", "1.384427195071592", "1736.947593707894",
       "30.142608156743", "48.62301865194971"},
      {true, 288.15L, 7000, "14.718544", "3.189970999343902", "0.9159167921033817",
       "46.95172851256721", "457.065518857161", "1.401233345433802", "2044.870787158286",
       "27.92344531151046", "41.98797216295969"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << (c.blend ? "H20 " : "P ") << static_cast<double>(c.tK)
                                      << " K " << static_cast<double>(c.pKPa) << " kPa");
    const Aga8Mixture gas(c.blend ? hydrogenBlend() : pipelineGas());
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

TEST(Aga8_92dc, CachedSpreadsheetExamplesInUsUnits) {
  const Real lbmPerFt3 = 16.018463373960138L, ftPerS = 0.3048L, psi = 6.894757293168361L;
  auto kelvin = [](Real f) { return (f - 32) / 1.8L + 273.15L; };
  const Aga8Mixture gas(testGas());
  EXPECT_PRINTED(gas.molarMass(), "20.5433");
  struct Case {
    Real f, psia;
    const char *rho, *z, *w, *kappa;
  };
  const Case cases[] = {{60, 150, "0.568839", "0.971358", "1248.77", nullptr},
                        {32, 1200, "6.49088", "0.719795", "1126.92", "1.48265"},
                        {100, 2000, "8.80357", "0.777041", "1326.76", "1.67241"}};
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

TEST(Aga8_92dc, DensityRoundTripsThroughThePressure) {
  for (const GasComposition& x : {pipelineGas(), hydrogenBlend(), testGas()}) {
    const Aga8Mixture gas(x);
    for (Real tK : {225.0L, 263.0L, 288.15L, 338.0L, 350.0L})
      for (Real rho : {0.01L, 1.0L, 5.0L, 10.0L}) {
        const GasState forward = gas.properties(tK, rho);
        const GasState back = gas.state(tK, forward.pressure);
        ASSERT_TRUE(back.ok) << static_cast<double>(tK) << " K " << static_cast<double>(rho);
        EXPECT_REL_NEAR(back.molarDensity, rho, 1e-14L);
      }
  }
}

TEST(Aga8_92dc, GasRootNearSaturationAndNoneBeyondTheGasBranch) {
  GasComposition propane{};
  propane[kGcPropane] = 1;
  const Aga8Mixture gas(propane);
  const GasState vapour = gas.state(300, 950);
  ASSERT_TRUE(vapour.ok);
  EXPECT_GT(vapour.z, 0.8L);
  const auto at = gas.atTemperature(300);
  for (int k = 1; k <= 16; ++k) EXPECT_GT(gas.pressure(at, vapour.molarDensity * k / 16).dpdrho, 0);
  EXPECT_FALSE(gas.state(300, 3000).ok);
}
