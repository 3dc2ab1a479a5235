// Liquid ammonia from tables: worked cases, interpolation, statuses with
// their messages, table ends and bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/interaction.h"
#include "props/ammonia.h"
#include "support/testing.h"

using namespace dorvel;

namespace {

const std::string kTempEn = "Ammonia temperature should be between -10°C and 50°C";
const std::string kTempPl = "Za niska temperatura amoniaku";
const std::string kGasEn = "Gaseous phase!";
const std::string kGasPl = "Faza gazowa amoniaku";
const std::string kEvapEn = "Evaporation!";
const std::string kEvapPl = "Na zwężce następuje odparowanie amoniaku";

// Exactly one message was shown, in English, with this pair of texts.
void expectOneMessage(const RecordingInteraction& ui, const std::string& en, const std::string& pl) {
  ASSERT_EQ(ui.log().size(), 1u);
  const auto& e = ui.log()[0];
  EXPECT_FALSE(e.question);
  EXPECT_EQ(e.text, en);
  EXPECT_EQ(e.english, en);
  EXPECT_EQ(e.polish, pl);
}

}  // namespace

TEST(LiquidAmmonia, WorkedCaseAt20CAnd10At) {
  RecordingInteraction ui;
  AmmoniaProperties a = liquidAmmoniaProperties(20, 10, 0, ui);
  EXPECT_EQ(a.status, AmmoniaValid);
  EXPECT_REL_NEAR(a.density, 610.3L, 1e-15L);
  EXPECT_REL_NEAR(a.viscosity, 138.425e-6L, 1e-15L);
  EXPECT_TRUE(ui.log().empty());
}

// The viscosity table against the reference correlation for ammonia
// (Fenghour et al., J. Phys. Chem. Ref. Data 24, 1649 (1995), at the density
// of the Tillner-Roth equation of state), evaluated independently of the
// table's rounding: at grid points within 0.01 %, inside the cells (linear
// interpolation of a curved surface) within 0.3 %, and on the 10..20 degC
// interval carried on to 30 degC within 1.5 %.
TEST(LiquidAmmonia, ViscosityAgainstTheReferenceCorrelation) {
  struct Point {
    Real t, p, reference, tolerance;  // degC, kG/cm2, 1e-6 Pa*s, relative
  };
  const Point points[] = {
      {20, 10, 138.4250L, 1e-4L},  {-10, 26, 192.4443L, 1e-4L}, {10, 20, 154.1962L, 1e-4L},
      {0, 20, 171.4984L, 1e-4L},
      {15, 11, 145.7152L, 3e-3L},  {-5, 19, 181.1514L, 3e-3L},  {5, 25, 162.9489L, 3e-3L},
      {-9.5L, 3.5L, 189.1721L, 3e-3L}, {30, 15, 125.6971L, 1.5e-2L},
  };
  RecordingInteraction ui;
  for (const auto& pt : points) {
    SCOPED_TRACE(::testing::Message() << static_cast<double>(pt.t) << " degC "
                                      << static_cast<double>(pt.p) << " kG/cm2");
    const AmmoniaProperties a = liquidAmmoniaProperties(pt.t, pt.p, 0, ui);
    ASSERT_EQ(a.status, AmmoniaValid);
    EXPECT_REL_NEAR(a.viscosity, pt.reference * 1e-6L, pt.tolerance);
  }
}

TEST(LiquidAmmonia, GaseousPhaseBelowSaturationPressure) {
  // 20 degC: saturation pressure 8.741 kG/cm2 exceeds 8.
  RecordingInteraction ui;
  AmmoniaProperties a = liquidAmmoniaProperties(20, 8, 0, ui);
  EXPECT_EQ(a.status, AmmoniaGaseousPhase);
  EXPECT_EQ(a.density, 0);
  EXPECT_EQ(a.viscosity, 0);
  expectOneMessage(ui, kGasEn, kGasPl);
  // Exactly at the saturation pressure the liquid is accepted.
  RecordingInteraction ui2;
  EXPECT_EQ(liquidAmmoniaProperties(20, 8.741L, 0, ui2).status, AmmoniaValid);
  EXPECT_TRUE(ui2.log().empty());
}

TEST(LiquidAmmonia, EvaporationInTheThroatIsAWarning) {
  // 9 - 3000/10000 = 8.7 < 8.741: warning, results still given.
  RecordingInteraction ui;
  AmmoniaProperties a = liquidAmmoniaProperties(20, 9, 3000, ui);
  EXPECT_EQ(a.status, AmmoniaEvaporation);
  EXPECT_REL_NEAR(a.density, 610.3L, 1e-15L);
  EXPECT_REL_NEAR(a.viscosity, (138.323L + 138.425L) / 2 * 1e-6L, 1e-15L);
  expectOneMessage(ui, kEvapEn, kEvapPl);
  // 2500 mm H2O leaves 8.75 >= 8.741: no warning.
  RecordingInteraction ui2;
  EXPECT_EQ(liquidAmmoniaProperties(20, 9, 2500, ui2).status, AmmoniaValid);
  EXPECT_TRUE(ui2.log().empty());
}

TEST(LiquidAmmonia, TableEnds) {
  RecordingInteraction ui;
  // -10 degC is the first row exactly: 652 kg/m3, 2.966 kG/cm2.
  AmmoniaProperties a = liquidAmmoniaProperties(-10, 2.966L, 0, ui);
  EXPECT_EQ(a.status, AmmoniaValid);
  EXPECT_REL_NEAR(a.density, 652.0L, 1e-15L);
  // the -10 degC row, 2..4 kG/cm2 interval
  EXPECT_REL_NEAR(a.viscosity, (190.219L * (4 - 2.966L) + 190.320L * (2.966L - 2)) / 2 * 1e-6L,
                  1e-15L);
  EXPECT_EQ(liquidAmmoniaProperties(-10, 2.965L, 0, ui).status, AmmoniaGaseousPhase);
  // 50 degC is the last row: 562.8 kg/m3, 20.727 kG/cm2.
  AmmoniaProperties b = liquidAmmoniaProperties(50, 21, 0, ui);
  EXPECT_EQ(b.status, AmmoniaValid);
  EXPECT_REL_NEAR(b.density, 562.8L, 1e-15L);
  EXPECT_EQ(liquidAmmoniaProperties(50, 20.72L, 0, ui).status, AmmoniaGaseousPhase);
}

TEST(LiquidAmmonia, TemperatureOutsideTheTable) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const Real inf = std::numeric_limits<Real>::infinity();
  for (Real t : {-10.0001L, -40.0L, 50.0001L, 80.0L, nan, inf, -inf}) {
    RecordingInteraction ui;
    AmmoniaProperties a = liquidAmmoniaProperties(t, 10, 0, ui);
    EXPECT_EQ(a.status, AmmoniaTemperatureOutOfTable) << static_cast<double>(t);
    EXPECT_EQ(a.density, 0);
    EXPECT_EQ(a.viscosity, 0);
    expectOneMessage(ui, kTempEn, kTempPl);
  }
}

TEST(LiquidAmmonia, BadPressuresGiveAStatusAndNoNaN) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const Real inf = std::numeric_limits<Real>::infinity();
  {
    RecordingInteraction ui;
    AmmoniaProperties a = liquidAmmoniaProperties(20, nan, 0, ui);
    EXPECT_EQ(a.status, AmmoniaGaseousPhase);
    EXPECT_EQ(a.density, 0);
    EXPECT_EQ(a.viscosity, 0);
    expectOneMessage(ui, kGasEn, kGasPl);
  }
  for (Real p : {-5.0L, 0.0L, -inf}) {
    RecordingInteraction ui;
    EXPECT_EQ(liquidAmmoniaProperties(20, p, 0, ui).status, AmmoniaGaseousPhase);
  }
  {
    // A differential pressure that is not a number: the throat pressure is
    // unknown, so the evaporation warning is given; density and viscosity do
    // not depend on it.
    RecordingInteraction ui;
    AmmoniaProperties a = liquidAmmoniaProperties(20, 10, nan, ui);
    EXPECT_EQ(a.status, AmmoniaEvaporation);
    EXPECT_REL_NEAR(a.density, 610.3L, 1e-15L);
    EXPECT_REL_NEAR(a.viscosity, 138.425e-6L, 1e-15L);
    expectOneMessage(ui, kEvapEn, kEvapPl);
  }
  {
    // An infinite pressure is liquid; the viscosity stays that at the end of
    // the grid (35 kG/cm2).
    RecordingInteraction ui;
    AmmoniaProperties a = liquidAmmoniaProperties(20, inf, 0, ui);
    AmmoniaProperties at35 = liquidAmmoniaProperties(20, 35, 0, ui);
    EXPECT_EQ(a.status, AmmoniaValid);
    EXPECT_TRUE(std::isfinite(a.viscosity));
    EXPECT_EQ(a.viscosity, at35.viscosity);
    EXPECT_TRUE(ui.log().empty());
  }
}

TEST(LiquidAmmonia, InterpolationBetweenRows) {
  RecordingInteraction ui;
  // Half way between 20 and 21 degC.
  AmmoniaProperties a = liquidAmmoniaProperties(20.5L, 10, 0, ui);
  EXPECT_REL_NEAR(a.density, (610.3L + 608.8L) / 2, 1e-15L);
  // Saturation pressure at 20.5 degC is (8.741 + 9.024)/2 = 8.8825.
  EXPECT_EQ(liquidAmmoniaProperties(20.5L, 8.8826L, 0, ui).status, AmmoniaValid);
  EXPECT_EQ(liquidAmmoniaProperties(20.5L, 8.8824L, 0, ui).status, AmmoniaGaseousPhase);
  // Viscosity at 15 degC and 11 kG/cm2: centre of the 10..20 / 10..12 cell.
  AmmoniaProperties b = liquidAmmoniaProperties(15, 11, 0, ui);
  EXPECT_REL_NEAR(b.viscosity,
                  ((153.348L + 153.518L) / 2 + (138.425L + 138.588L) / 2) / 2 * 1e-6L, 1e-14L);
}

TEST(LiquidAmmonia, ViscosityExtrapolatesAbove20CAndAbove26At) {
  RecordingInteraction ui;
  // 30 degC, 15 kG/cm2: the 10..20 degC interval carried on to 30 degC.
  const Real at10 = (153.688L + 153.857L) / 2, at20 = (138.750L + 138.913L) / 2;
  AmmoniaProperties a = liquidAmmoniaProperties(30, 15, 0, ui);
  EXPECT_REL_NEAR(a.viscosity, (2 * at20 - at10) * 1e-6L, 1e-14L);
  // 20 degC, 30 kG/cm2: the 24..26 interval carried on to 30.
  AmmoniaProperties b = liquidAmmoniaProperties(20, 30, 0, ui);
  EXPECT_REL_NEAR(b.viscosity, (139.721L + 2 * (139.721L - 139.560L)) * 1e-6L, 1e-14L);
  EXPECT_TRUE(ui.log().empty());
}

TEST(LiquidAmmonia, ContinuousAcrossRowsAndGridLines) {
  RecordingInteraction ui;
  const Real e = 1e-9L;
  for (int t = -9; t <= 49; ++t) {
    const Real p = 25;
    const AmmoniaProperties lo = liquidAmmoniaProperties(t - e, p, 0, ui);
    const AmmoniaProperties hi = liquidAmmoniaProperties(t + e, p, 0, ui);
    EXPECT_NEAR(static_cast<double>(hi.density - lo.density), 0, 1e-6) << t;
    EXPECT_NEAR(static_cast<double>((hi.viscosity - lo.viscosity) * 1e6L), 0, 1e-6) << t;
  }
  for (int p : {10, 12, 14, 16, 18, 20, 22, 24, 26}) {
    const AmmoniaProperties lo = liquidAmmoniaProperties(-5, p - e, 0, ui);
    const AmmoniaProperties hi = liquidAmmoniaProperties(-5, p + e, 0, ui);
    EXPECT_NEAR(static_cast<double>((hi.viscosity - lo.viscosity) * 1e6L), 0, 1e-6) << p;
  }
  EXPECT_TRUE(ui.log().empty());
}

TEST(LiquidAmmoniaTables, ShapeAndSpotValues) {
  EXPECT_EQ(ammoniaSaturatedDensity(0), 652.0L);
  EXPECT_EQ(ammoniaSaturatedDensity(30), 610.3L);
  EXPECT_EQ(ammoniaSaturatedDensity(60), 562.8L);
  EXPECT_EQ(ammoniaSaturationPressure(0), 2.966L);
  EXPECT_EQ(ammoniaSaturationPressure(30), 8.741L);
  EXPECT_EQ(ammoniaSaturationPressure(60), 20.727L);
  EXPECT_EQ(ammoniaSaturatedDensity(61), 0);
  EXPECT_EQ(ammoniaSaturationPressure(-1), 0);
  // Density falls and saturation pressure rises with temperature; the
  // saturation pressure roughly follows ln p = A - B/T (ratio of successive
  // steps between 1.02 and 1.05).
  for (int r = 1; r < kAmmoniaRows; ++r) {
    EXPECT_LT(ammoniaSaturatedDensity(r), ammoniaSaturatedDensity(r - 1)) << r;
    const Real ratio = ammoniaSaturationPressure(r) / ammoniaSaturationPressure(r - 1);
    EXPECT_GT(ratio, 1.02L) << r;
    EXPECT_LT(ratio, 1.05L) << r;
  }
}

TEST(LiquidAmmoniaTables, StatusTexts) {
  EXPECT_EQ(ammoniaStatusText(false, 1260), kTempEn);
  EXPECT_EQ(ammoniaStatusText(true, 1260), kTempPl);
  EXPECT_EQ(ammoniaStatusText(false, 1261), kGasEn);
  EXPECT_EQ(ammoniaStatusText(true, 1261), kGasPl);
  EXPECT_EQ(ammoniaStatusText(false, 1262), kEvapEn);
  EXPECT_EQ(ammoniaStatusText(true, 1262), kEvapPl);
  EXPECT_EQ(ammoniaStatusText(false, 0), "");
  EXPECT_EQ(ammoniaStatusText(false, 1263), "");
}
