// Sweeps over the measurement range call the task solvers and the
// uncertainty routine again with `rangeMode` set: the coefficient routine then
// takes C at the Reynolds number of the reading (not at the nominal flow of
// the diameter task).
#pragma once

#include "base/case.h"

namespace dorvel::output {

// Sets `rangeMode` on the case for the lifetime of the scope.  The solvers
// leave their outputs (C, Re_D, the limits ...) in the case they are given;
// the scope puts back the whole case as it was when it ends, and clears
// `rangeMode`, on every path out of a sweep, a failed one included.
class RangeSweepScope {
 public:
  explicit RangeSweepScope(CalculationCase& c) : case_(c), saved_(c) { case_.rangeMode = true; }
  ~RangeSweepScope() {
    case_ = saved_;
    case_.rangeMode = false;
  }
  RangeSweepScope(const RangeSweepScope&) = delete;
  RangeSweepScope& operator=(const RangeSweepScope&) = delete;

 private:
  CalculationCase& case_;
  CalculationCase saved_;
};

// Lower range flowrate q(min) in display units: reynoldsMin / reynolds * q100
// (q100 = flowrateInput).  Not finite when the case has no Reynolds number.
Real lowerRangeFlowrateOf(const CalculationCase& c);

}  // namespace dorvel::output
