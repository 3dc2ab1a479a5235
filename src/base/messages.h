// The numbered messages and questions of Dorvel: one table of rows
// {number, Polish text, English text}.
//
// Every information box and Yes/No question of the calculation, the property
// checks, the file reader and writer, the command line and the window names
// its row by a typed id (`Msg`) and hands over the values to put in the
// text.  Values are written by the caller with the program's number formats
// (formatGeneral, formatFixedReadable, ...) and fill the placeholders %1 to
// %9 of either text, so the text shown is the same whichever language the
// window speaks and the number is what scripts test (the command line's
// JSON carries it as "messageCodes").
//
// Numbers:
//   1250-1274  validity of the gas equations (SGERG-88, Beattie-Bridgeman,
//              Redlich-Kwong): the codes the property routines return
//   1298-1307  device calculations: the solver statuses of solver_status.h
//   1320-1329  impossible results refused by the calculation
//   1330-1349  natural gas by AGA8-92DC and GERG-2008
//   1350-1359  case files and output: values beyond the range of numbers
//   1400-1449  calculation: input checks, deviation questions, drain holes,
//              number entry
//   1500-1569  property checks; 1560-1562 are the messages of the liquid
//              ammonia statuses 1260-1262 (those status numbers belong to the
//              gas validity codes in this table)
//   1600-1619  case files and the last-file record; read error n is 1600 + n
//   1700-1729  command line and window
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace dorvel {

struct MessageRow {
  int number;
  const char* polish;
  const char* english;
};

// The table, in number order.
std::span<const MessageRow> messageTable();
// The row of a number; nullptr when unknown.
const MessageRow* findMessage(int number);

// Every message id: X(name, number).  The table holds exactly one row for each.
#define DORVEL_MESSAGE_IDS(X)                                   \
  /* gas validity codes */                                      \
  X(GasTemperatureRange, 1250)                                  \
  X(GasPressureRange, 1251)                                     \
  X(GasCalorificRange, 1252)                                    \
  X(GasRelDensityRange, 1253)                                   \
  X(GasCo2Range, 1254)                                          \
  X(GasH2Range, 1255)                                           \
  X(GasCh4Range, 1256)                                          \
  X(GasN2Range, 1257)                                           \
  X(GasC2h6Range, 1258)                                         \
  X(GasC3h8Range, 1259)                                         \
  X(GasC4Range, 1260)                                           \
  X(GasC5Range, 1261)                                           \
  X(GasC6Range, 1262)                                           \
  X(GasC7Range, 1263)                                           \
  X(GasC8Range, 1264)                                           \
  X(GasCoRange, 1265)                                           \
  X(GasHeRange, 1266)                                           \
  X(GasSgergFailed, 1267)                                       \
  X(GasMayBeLiquid, 1268)                                       \
  X(CokeStateRange, 1270)                                       \
  X(CokeH2Range, 1271)                                          \
  X(CokeComponentRange, 1272)                                   \
  X(CokeCh4CnHmRange, 1273)                                     \
  X(CokeGasFailed, 1274)                                        \
  /* solver statuses */                                         \
  X(DpAboveLimit, 1298)                                         \
  X(DpBelowLimit, 1299)                                         \
  X(NoSolution, 1300)                                           \
  X(ReynoldsNominalTooSmall, 1302)                              \
  X(ReynoldsMaximumTooLarge, 1303)                              \
  X(BetaWindowTooNarrow, 1304)                                  \
  X(DownstreamTooShort, 1305)                                   \
  X(UpstreamTooShort, 1306)                                     \
  X(BothLengthsTooShort, 1307)                                  \
  /* impossible results */                                      \
  X(DrainHoleLeavesNoBore, 1320)                                \
  X(DischargeCoefficientImpossible, 1321)                       \
  X(NegativePressureLoss, 1322)                                 \
  /* natural gas by AGA8-92DC and GERG-2008 */                  \
  X(Aga8OutsidePipelineQuality, 1330)                           \
  X(Aga8OutsideExtendedRange, 1331)                             \
  X(Gerg2008OutsideNormalRange, 1332)                           \
  X(Gerg2008OutsideExtendedRange, 1333)                         \
  X(EquationLacksComponents, 1334)                              \
  X(EquationNoGasRoot, 1335)                                    \
  /* output */                                                  \
  X(ResultBeyondRange, 1350)                                    \
  /* calculation */                                             \
  X(MissingProperties, 1400)                                    \
  X(OtherGasHumidityTooHigh, 1401)                              \
  X(FittingListChanged, 1402)                                   \
  X(ReynoldsTooLarge, 1403)                                     \
  X(PipeDiameterTooLarge, 1410)                                 \
  X(PipeDiameterTooSmall, 1411)                                 \
  X(ThroatDiameterTooSmall, 1412)                               \
  X(NominalFlowrateTooSmall, 1413)                              \
  X(NoFlowrate, 1414)                                           \
  X(TemperatureTooLow, 1415)                                    \
  X(TemperatureTooHigh, 1416)                                   \
  X(NoDifferentialPressure, 1417)                               \
  X(NominalAboveUpperRange, 1418)                               \
  X(PressureRatioTooLarge, 1419)                                \
  X(DifferentialPressureTooHigh, 1420)                          \
  X(VaporizationContinue, 1421)                                 \
  X(PipeTooSmallContinue, 1422)                                 \
  X(PipeTooLargeContinue, 1423)                                 \
  X(ThroatTooSmallContinue, 1424)                               \
  X(FlangeGapContinue, 1425)                                    \
  X(DpRatioContinue, 1426)                                      \
  X(BetaTooSmall, 1427)                                         \
  X(BetaTooLarge, 1428)                                         \
  X(DrainHoleTooLarge, 1430)                                    \
  X(DrainHolePipeTooSmall, 1431)                                \
  X(DrainHoleBetaTooLarge, 1432)                                \
  X(ReynoldsBelowDevice, 1433)                                  \
  X(ReynoldsAboveDevice, 1434)                                  \
  X(DpRatioWarning, 1435)                                       \
  X(VaporizationWarning, 1436)                                  \
  X(NumberError, 1440)                                          \
  /* property checks */                                         \
  X(NoAbsolutePressure, 1500)                                   \
  X(AbsolutePressureTooLow, 1501)                               \
  X(WaterTemperatureTooHigh, 1502)                              \
  X(WaterSteamTemperatureTooLow, 1503)                          \
  X(WaterSteamPressureTooHigh, 1504)                            \
  X(SteamOutsideSubregion2, 1505)                               \
  X(SteamTooCold, 1506)                                         \
  X(WaterTooHot, 1507)                                          \
  X(GasCompositionIncomplete, 1510)                             \
  X(GasHumidityTooHigh, 1511)                                   \
  X(GasVeryHumid, 1512)                                         \
  X(GasPressureTooHigh, 1513)                                   \
  X(LiquidAmmoniaRange, 1520)                                   \
  X(AmmoniaTemperature, 1560)                                   \
  X(AmmoniaGaseous, 1561)                                       \
  X(AmmoniaEvaporation, 1562)                                   \
  /* files */                                                   \
  X(CannotOpenFile, 1601)                                       \
  X(FirstLineError, 1602)                                       \
  X(BalanceNumberError, 1604)                                   \
  X(FirstRealLineError, 1605)                                   \
  X(RealLinesError, 1606)                                       \
  X(GasCompositionError, 1607)                                  \
  X(CaseNotWritten, 1610)                                       \
  X(LastFileNotWritten, 1611)                                   \
  X(LastFileNotRead, 1612)                                      \
  X(CaseNotWrittenTo, 1613)                                     \
  /* command line and window */                                 \
  X(CodeOutOfRange, 1700)                                       \
  X(UseTab, 1701)                                               \
  X(PdfNotWritten, 1702)                                        \
  X(NoTransmitterReference, 1703)                               \
  X(DeleteAllData, 1704)                                        \
  X(NoValidData, 1705)

enum class Msg : int {
#define DORVEL_MESSAGE_ENUM(name, number) name = number,
  DORVEL_MESSAGE_IDS(DORVEL_MESSAGE_ENUM)
#undef DORVEL_MESSAGE_ENUM
};

constexpr int messageNumber(Msg id) { return static_cast<int>(id); }

// `pattern` with %1 to %9 replaced by values[0] to values[8]; a placeholder
// without a value gives nothing, a '%' before anything else stays.
std::string fillMessage(const char* pattern, std::span<const std::string> values);

// One message or question as it is handed to the user: the row, the values
// and the language it is shown in.
struct Message {
  Message(Msg id, std::vector<std::string> values = {}) : id(id), values(std::move(values)) {}

  Msg id;
  std::vector<std::string> values;
  // Values that read differently in Polish (names of quantities or
  // components); empty: `values` serve both texts.
  std::vector<std::string> polishValues;
  // Shown in Polish: set by the window when its language is Polish; the
  // engine, the command line and the tests show the English text.
  bool polish = false;
  // A prepared English text: shown in English in either language (the
  // validity texts of the gas equations where they refuse the data).
  bool englishOnly = false;

  int number() const { return messageNumber(id); }
  // The text in the language asked for, values filled in.
  std::string text(bool inPolish) const;
  // The text shown.
  std::string shownText() const { return text(polish); }
};

}  // namespace dorvel
