#!/usr/bin/env bash
# Writes the example case files of examples/ with dorvel-cli: each case is
# made from the program's defaults and --set values, computed (properties and
# task, as the "Results" page would) and saved as a version-L file.  A case
# that the calculation refuses stops the script.
#   scripts/make-examples.sh [path/to/dorvel-cli]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cli="${1:-$here/build/src/cli/dorvel-cli}"
out="$here/examples"
mkdir -p "$out"

make() {
  local name="$1"
  shift
  local sets=()
  for s in "$@"; do sets+=(--set "$s"); done
  "$cli" calc "${sets[@]}" --save "$out/$name.dvl" > /dev/null
  echo "$name.dvl"
}

# Uncertainty sources shared by the examples.
unc=(dpTransmitterError=0.1 pressureTransmitterError=0.25 temperatureTransmitterError=0.5)

make water-orifice-flange "caseTitle=Feed water to boiler B2, FT-101" task=3 fluidKind=1 \
  deviceType=3 pipeDiameter20=102.26 deviceDiameter20=61.5 dpUnit=2 dpInput=25 \
  dpTransmitterReference=40 temperature=105 pressureUnit=3 pressureInput=1.6 flowUnit=3 \
  fittingOrifice=1 upstreamLengthActual=6 downstreamLengthActual=2 "${unc[@]}"

make water-asme-small-bore "caseTitle=Dosing water, small-bore orifice FT-7" task=3 fluidKind=1 \
  deviceType=1 pipeDiameter20=20.9 deviceDiameter20=10.5 dpUnit=2 dpInput=30 \
  dpTransmitterReference=40 temperature=20 pressureUnit=4 pressureInput=6 flowUnit=1 \
  fittingAsme=1 "${unc[@]}"

make steam-nozzle-isa1932 "caseTitle=HP steam header, ISA 1932 nozzle FT-201" task=1 fluidKind=3 \
  deviceType=4 pipeDiameter20=206.5 dpUnit=2 dpInput=60 dpTransmitterReference=60 \
  temperature=300 pressureUnit=3 pressureInput=4 flowUnit=3 flowrateInput=40 \
  nominalFlowrate=30 fittingNozzle=1 "${unc[@]}"

make steam-venturi-rough-welded "caseTitle=LP steam to dryer, welded Venturi FT-230" task=2 \
  fluidKind=3 deviceType=11 pipeDiameter20=309.7 deviceDiameter20=170 dpUnit=2 \
  temperature=200 pressureUnit=3 pressureInput=1 flowUnit=3 flowrateInput=12 \
  fittingVenturi=1 "${unc[@]}" dpTransmitterReference=2.5

make air-venturi-machined "caseTitle=Combustion air fan 2, machined Venturi FT-310" task=2 \
  fluidKind=4 deviceType=10 pipeDiameter20=150 deviceDiameter20=90 dpUnit=2 temperature=25 \
  pressureUnit=3 pressureInput=0.6 relativeHumidity=50 refTemperature=0 refPressure=101.325 \
  flowUnit=5 flowrateInput=2500 fittingVenturi=1 "${unc[@]}" dpTransmitterReference=2.5

make naturalgas-orifice-corner "caseTitle=Gas to boiler house, corner tappings FT-401" task=3 \
  fluidKind=9 deviceType=1 pipeDiameter20=154.05 deviceDiameter20=90 dpUnit=2 dpInput=40 \
  dpTransmitterReference=50 temperature=10 pressureUnit=3 pressureInput=4 flowUnit=5 \
  fittingOrifice=1 "naturalGasComposition[1]=92.5" "naturalGasComposition[2]=3.5" \
  "naturalGasComposition[3]=1" "naturalGasComposition[4]=0.3" "naturalGasComposition[5]=0.2" \
  "naturalGasComposition[27]=1.5" "naturalGasComposition[29]=1" "${unc[@]}" k1Uncertainty=0.1

# 20 % hydrogen in the high-methane gas above, by GERG-2008 (ISO 20765-2,
# density uncertainty 0.1 %): orifice bore for 20000 m3/h at reference
# conditions, nominal 15000 m3/h.
make hydrogen-blend-orifice "caseTitle=Hydrogen blend to city gate, flange tappings FT-701" \
  task=1 fluidKind=9 naturalGasEquation=GERG-2008 deviceType=3 pipeDiameter20=154.05 dpUnit=2 \
  dpInput=50 dpTransmitterReference=62.5 temperature=10 pressureUnit=3 pressureInput=4 \
  flowUnit=5 flowrateInput=20000 nominalFlowrate=15000 fittingOrifice=1 \
  "naturalGasComposition[1]=74" "naturalGasComposition[2]=2.8" "naturalGasComposition[3]=0.8" \
  "naturalGasComposition[4]=0.24" "naturalGasComposition[5]=0.16" \
  "naturalGasComposition[21]=20" "naturalGasComposition[27]=1.2" \
  "naturalGasComposition[29]=0.8" "${unc[@]}" k1Uncertainty=0.1

make cokegas-orifice-dd2 "caseTitle=Coke-oven gas to battery heating, D and D/2 tappings FT-501" \
  task=3 fluidKind=7 deviceType=2 pipeDiameter20=400 deviceDiameter20=240 dpUnit=1 \
  dpInput=600 dpTransmitterReference=1000 temperature=30 pressureUnit=2 pressureInput=115 \
  relativeHumidity=60 flowUnit=5 fittingOrifice=1 compositionInMolePercent=0 \
  "mixtureComposition[4]=57" "mixtureComposition[12]=25" "mixtureComposition[10]=6" \
  "mixtureComposition[2]=6" "mixtureComposition[11]=2.5" "mixtureComposition[3]=0.5" \
  cokeGasCnHm=3 "${unc[@]}"

make biogas-long-radius-nozzle "caseTitle=Biogas to engine 1, long radius nozzle FT-601" task=3 \
  fluidKind=5 fluidName=Biogas deviceType=5 pipeDiameter20=150 deviceDiameter20=90 dpUnit=2 \
  dpInput=5 dpTransmitterReference=10 temperature=35 pressureUnit=2 pressureInput=115 \
  relativeHumidity=0 flowUnit=5 fittingNozzle=1 "mixtureComposition[12]=60" \
  "mixtureComposition[11]=38" "mixtureComposition[2]=2" "${unc[@]}"

make othergas-manual-venturi-nozzle "caseTitle=Flue gas recirculation, Venturi nozzle FT-650" \
  task=2 fluidKind=5 "fluidName=Flue gas" deviceType=6 pipeDiameter20=200 deviceDiameter20=120 \
  dpUnit=2 temperature=150 pressureUnit=2 pressureInput=105 flowUnit=1 flowrateInput=5000 \
  manualDensity=0.84 manualViscosity=2.3e-5 manualIsentropicExponent=1.37 manualK1=1 \
  fittingNozzle=1 "${unc[@]}" dpTransmitterReference=10

make oil-eccentric-orifice "caseTitle=Fuel oil return, eccentric orifice FT-701" task=3 \
  fluidKind=2 "fluidName=Fuel oil" deviceType=7 pipeDiameter20=150 deviceDiameter20=90 \
  eccentricRoughness=0.05 dpUnit=2 dpInput=50 dpTransmitterReference=60 temperature=40 \
  pressureUnit=3 pressureInput=0.5 density=870 viscosityUnit=3 viscosityEntered=0.002 \
  flowUnit=3 fittingOrifice=1 "${unc[@]}" densityUncertainty=0.1

make glycol-quarter-circle "caseTitle=Glycol loop, quarter-circle orifice FT-720" task=3 \
  fluidKind=2 "fluidName=Ethylene glycol 50 %" deviceType=8 pipeDiameter20=80 \
  deviceDiameter20=36 dpUnit=2 dpInput=10 dpTransmitterReference=10 temperature=20 \
  pressureUnit=3 pressureInput=0.4 density=1070 viscosityUnit=4 viscosityEntered=4 \
  flowUnit=4 fittingNozzle=1 "${unc[@]}" densityUncertainty=0.1

make oil-conical-entrance "caseTitle=Lube oil, conical entrance orifice FT-740" task=3 \
  fluidKind=2 "fluidName=Lube oil ISO VG 46" deviceType=12 pipeDiameter20=52.5 \
  deviceDiameter20=15 dpUnit=2 dpInput=8 dpTransmitterReference=10 temperature=40 \
  pressureUnit=3 pressureInput=0.4 density=860 viscosityUnit=4 viscosityEntered=40 \
  flowUnit=3 fittingOrifice=1 "${unc[@]}" densityUncertainty=0.1

make ammonia-venturi-as-cast "caseTitle=Liquid ammonia to converter, as-cast Venturi FT-801" \
  task=3 fluidKind=6 deviceType=9 pipeDiameter20=102.3 deviceDiameter20=55 dpUnit=2 \
  dpInput=15 dpTransmitterReference=20 temperature=20 pressureUnit=1 pressureInput=20 \
  flowUnit=3 fittingVenturi=1 "${unc[@]}"
