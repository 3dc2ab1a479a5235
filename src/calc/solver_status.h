// Status codes of the device calculations: the solvers, the beta-window
// check of the diameter task and the straight-length check.
//
// The numbers are shared with the calculation driver, which turns them into
// messages.  0 means success.
#pragma once

namespace dorvel {

enum class SolverStatus : int {
  Ok = 0,
  // The differential pressure is above the one given by the smallest
  // admissible beta (the accompanying limit value is that differential
  // pressure).
  DpAboveLimit = 1298,
  // The differential pressure is below the one given by the largest
  // admissible beta (limit value: that differential pressure).
  DpBelowLimit = 1299,
  // No solution.  Given by the quarter-circle beta search when it fails, and
  // by every routine of the device calculations when its inputs admit no
  // solution at all (non-finite or non-positive diameters, densities,
  // viscosities, pressures or flows, beta outside (0, 1), an unknown device
  // code, a Reynolds number that is not a positive finite number).  Outputs
  // are then zero, never NaN.
  NoSolution = 1300,
  // The user declined to continue with the Reynolds number at the nominal
  // flow below the device minimum (value: that Reynolds number).
  ReynoldsLowDeclined = 1302,
  // The user declined to continue with the Reynolds number at the
  // upper-range flow above the device maximum (value: that Reynolds number).
  ReynoldsHighDeclined = 1303,
  // The admissible beta window is narrower than 0.001 (value 0).
  BetaWindowTooNarrow = 1304,
  DownstreamTooShort = 1305,
  UpstreamTooShort = 1306,
  BothLengthsTooShort = 1307,
};

constexpr int statusCode(SolverStatus s) { return static_cast<int>(s); }

constexpr bool isStraightLengthStatus(SolverStatus s) {
  return s == SolverStatus::DownstreamTooShort || s == SolverStatus::UpstreamTooShort ||
         s == SolverStatus::BothLengthsTooShort;
}

}  // namespace dorvel
