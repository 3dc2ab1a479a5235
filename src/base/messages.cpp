#include "base/messages.h"

#include <algorithm>

namespace dorvel {

namespace {

// The Polish validity texts of the gas equations are whole sentences: SGERG-88
// (ISO 12213-3) puts the condition after its base, Beattie-Bridgeman (coke-oven
// gas) before its own.
#define SGERG "Metodę SGERG-88 można stosować gdy \r\n"
#define BEATTIE                                                             \
  "\r\nw którym metoda Beattie-Bridgemana daje niepewność\r\nwyznaczenia " \
  "współczynnika ściśliwości mniejszą lub równą 0.3%."

constexpr MessageRow kRows[] = {
    // ---- 1250-1274 validity of the gas equations ----
    {1250, SGERG "temperatura gazu zawarta jest w granicach od -23 do 77 C.",
     "Gas temperature should be between -23°C and 77°C."},
    {1251, SGERG "ciśnienie bezwzględne gazu nie przekracza 12 MPa.",
     "Absolute pressure should be less then or equal 12 MPa."},
    {1252, SGERG "ciepło spalania gazu zawarte jest w granicach 20-48 MJ/m3.",
     "Calorific value Hs should be between 20 and 48 MJ/m3."},
    {1253, SGERG "gęstość względna d gazu zawarta jest w granicach 0.55-0.90.",
     "Relative density d should be between 0.55 and 0.90."},
    {1254, SGERG "udział CO2 w gazie nie przekracza 30%.",
     "Mole percent of CO2 should be between 0 and 30%."},
    {1255, SGERG "udział H2 w gazie nie przekracza 10%.",
     "Mole percent of H2 should be between 0 and 10%."},
    {1256, SGERG "udział CH4 w gazie jest większy lub równy 50%.",
     "Mole percent of CH4 should be between 50% and 100%."},
    {1257, SGERG "udział N2 w gazie nie przekracza 50%.",
     "Mole percent of N2 should be between 0 and 50%."},
    {1258, SGERG "udział C2H6 w gazie nie przekracza 20%.",
     "Mole percent of C2H6 should be between 0 and 20%."},
    {1259, SGERG "udział C3H8 w gazie nie przekracza 5%.",
     "Mole percent of C3H8 should be between 0 and 5%."},
    {1260, SGERG "udział n-C4H10 + i-C4H10 w gazie nie przekracza 1.5%",
     "Mole percent of n-C4H10 + i-C4H10 should be between 0 and 1.5%."},
    {1261, SGERG "udział n-C5H12 + i-C5H12 w gazie nie przekracza 0.5%",
     "Mole percent of n-C5H12 + i-C5H12 should be between 0 and 0.5%."},
    {1262, SGERG "udział C6H14 w gazie nie przekracza 0.1%",
     "Mole percent of C6H14 should be between 0 and 0.1%."},
    {1263, SGERG "udział C7H16 w gazie nie przekracza 0.05%",
     "Mole percent of C7H16 should be between 0 and 0.05%."},
    {1264, SGERG "udział C8H18+ w gazie nie przekracza 0.05%",
     "Mole percent of C8H18 should be between 0 and 0.05%."},
    {1265, SGERG "udział CO w gazie nie przekracza 3%",
     "Mole percent of CO should be between 0 and 3%."},
    {1266, SGERG "udział He w gazie nie przekracza 0.5%",
     "Mole percent of He should be between 0 and 0.5%."},
    {1267, "Nie można obliczyć właściwości gazu ziemnego dla podanych danych.",
     "Natural gas properties cannot be calculated for these data."},
    {1268,
     "W tych warunkach gaz może być cieczą lub ulegać skropleniu; obliczone właściwości nie są "
     "poprawne. Czy kontynuować?",
     "The gas may be liquid or condensing at these conditions; its computed properties are not "
     "valid. Continue?"},
    {1270, "Przekroczono zakres ciśnień bezwzględnych 100-3000 kPa lub temperatur 0-40°C," BEATTIE,
     "Absolute pressure should be between 100 kPa and 3000 kPa and temperature should be between "
     "0°C and 40°C."},
    {1271, "Przekroczono zakres udziału H2 (45-65 %)," BEATTIE,
     "Mole percent of H2 should be between 45% and 65%."},
    {1272, "Przekroczono zakres udziału jednego ze składników: CO, N2, CO2 lub O2," BEATTIE,
     "Mole percent of following components should be less then or equal:\n\rCO  20%,\n\rN2  "
     "20%,\n\rCO2 10%,\n\rO2  2%."},
    {1273, "Przekroczono zakres udziału CH4 (10-35 %) lub CnHm (0-4%)," BEATTIE,
     "Mole percent of following components should be between:\n\rCH4 10% and 35%,\n\rCnHm 0 and "
     "4%."},
    {1274, "Nie można obliczyć właściwości gazu koksowniczego dla podanych danych.",
     "Coke-oven gas properties cannot be calculated for these data."},

    // ---- 1298-1307 device calculations ----
    // %1: the limiting differential pressure with its unit.
    {1298, "Ciśnienie różnicowe ma być mniejsze od %1",
     "Differential pressure should be less than %1"},
    {1299, "Ciśnienie różnicowe ma być większe od %1",
     "Differential pressure should be greater than %1"},
    {1300, "Brak rozwiązania", "No solution available"},
    // %1: the Reynolds number, 8 significant digits.
    {1302,
     "Za mała liczba Reynoldsa dla strumienia nominalnego Re(nom)=%1. Część zakresu pomiarowego "
     "znajdzie się poza zakresem dopuszczalnym. Czy kontynuować obliczenia ?",
     "Reynolds number of nominal flow too small: Re=%1. Do you want to continue calculations?"},
    {1303,
     "Za duża liczba Reynoldsa dla strumienia maksymalnego Re(max)=%1. Część zakresu pomiarowego "
     "znajdzie się poza zakresem dopuszczalnym. Czy kontynuować obliczenia ?",
     "Reynolds number of maximum flow too large: Re(max)=%1. Do you want to continue "
     "calculations?"},
    {1304, "Nie odpowiednie liczby Reynoldsa dla strumieni maksymalnego i nominalnego",
     "Reynolds nambers for upper range and nominal flow not proper."},
    {1305, "Za krótki prosty odcinek za zwężką", "Downstream straight length too short."},
    {1306, "Za krótki prosty odcinek przed zwężką", "Upstream straight length too short."},
    {1307, "Za krótkie proste odcinki przed i za zwężką",
     "Upstream and downstream straigth lengths too short."},

    // ---- 1320-1329 impossible results ----
    {1320,
     "Otw\u00F3r spustowy jest za du\u017Cy: \u015Brednica otworu zw\u0119\u017Cki skorygowana o "
     "otw\u00F3r spustowy nie jest dodatnia.",
     "The drain hole is too large: the orifice diameter corrected for it is not positive."},
    // %1: the discharge coefficient.
    {1321,
     "Wsp\u00F3\u0142czynnik przep\u0142ywu C = %1 poza zakresem 0 < C <= 1: r\u00F3wnanie "
     "u\u017Cyte zbyt daleko poza zakresem stosowania. Brak wyniku.",
     "Discharge coefficient C = %1 outside 0 < C <= 1: the equation is used too far outside its "
     "range. No result."},
    {1322,
     "Ujemna strata ci\u015Bnienia: r\u00F3wnanie u\u017Cyte zbyt daleko poza zakresem "
     "stosowania. Brak wyniku.",
     "Negative permanent pressure loss: the equation is used too far outside its range. No "
     "result."},

    // ---- 1330-1349 natural gas by AGA8-92DC and GERG-2008 ----
    // %1: the first quantity outside the range, with the range.
    {1330,
     "AGA8-92DC: %1 le\u017Cy poza zakresem gazu przesy\u0142owego normy PN-EN ISO 12213-2, w "
     "kt\u00F3rym niepewno\u015B\u0107 Z wynosi 0,1 %; tu jest wi\u0119ksza. Czy "
     "kontynuowa\u0107 obliczenia ?",
     "AGA8-92DC: %1 lies outside the pipeline-quality range of ISO 12213-2, in which the "
     "uncertainty of Z is 0.1 %; here it is larger. Continue?"},
    {1331,
     "AGA8-92DC: %1 le\u017Cy poza zakresem rozszerzonym normy PN-EN ISO 12213-2; norma nie "
     "podaje tu niepewno\u015Bci Z. Czy kontynuowa\u0107 obliczenia ?",
     "AGA8-92DC: %1 lies outside the extended range of ISO 12213-2; the standard states no "
     "uncertainty of Z here. Continue?"},
    {1332,
     "GERG-2008: %1 le\u017Cy poza zakresem normalnym normy PN-EN ISO 20765-2 (90 do 450 K, do "
     "35 MPa), w kt\u00F3rym niepewno\u015B\u0107 g\u0119sto\u015Bci gazu wynosi 0,1 %; tu jest "
     "wi\u0119ksza. Czy kontynuowa\u0107 obliczenia ?",
     "GERG-2008: %1 lies outside the normal range of ISO 20765-2 (90 to 450 K, up to 35 MPa), in "
     "which the uncertainty of the gas density is 0.1 %; here it is larger. Continue?"},
    {1333,
     "GERG-2008: %1 le\u017Cy poza zakresem rozszerzonym normy PN-EN ISO 20765-2 (60 do 700 K, do "
     "70 MPa); r\u00F3wnanie nie zosta\u0142o tu zweryfikowane. Czy kontynuowa\u0107 obliczenia ?",
     "GERG-2008: %1 lies outside the extended range of ISO 20765-2 (60 to 700 K, up to 70 MPa); "
     "the equation is not validated here. Continue?"},
    // %1: the equation; %2: the components it does not cover.
    {1334,
     "R\u00F3wnanie %1 nie obejmuje sk\u0142adnik\u00F3w: %2. Prosz\u0119 usun\u0105\u0107 je ze "
     "sk\u0142adu gazu lub wybra\u0107 SGERG-88 (PN-EN ISO 12213-3).",
     "%1 does not cover %2. Remove them from the composition or choose SGERG-88 (ISO 12213-3)."},
    // %1: the equation.
    {1335,
     "%1: w tych warunkach gaz nie jest w fazie gazowej (jest ciecz\u0105 lub ulega skropleniu); "
     "nie mo\u017Cna obliczy\u0107 jego w\u0142a\u015Bciwo\u015Bci.",
     "%1: the gas has no gas-phase state at these conditions (it is liquid or condensing); its "
     "properties cannot be calculated."},

    // ---- 1350-1359 output ----
    // %1: the result field whose value lies beyond what a double can carry.
    {1350, "Wynik poza zakresem liczb (\u00B11,7E308): %1",
     "Result beyond the range of numbers (\u00B11.7E308): %1"},

    // ---- 1400-1449 calculation ----
    {1400, "Nie kompletne dane", "Enter missing properties."},
    {1401,
     "Za duża wilgotność względna gazu\r\nProszę sprawdzić, czy wilgotność dotyczy warunków "
     "pomiaru.",
     "Gas humidity too high"},
    {1402,
     "Niektóre zmiany wprowadzone w danych spowodowały zmianę zestawu elementów przed kryzą.\n\r"
     "Proszę sprawdzić, czy element jest prawidłowo wybrany.",
     "That change of input data causes a change of the set of upstream fittings.\n\rCheck "
     "whether the declared fitting is correct."},
    // %1: the Reynolds number, 4 significant digits.
    {1403, "Za duża liczba Reynoldsa Re = %1", "Reynolds number Re = %1 too large"},
    {1410, "Za duża średnica rurociągu!", "Pipe diameter too large"},
    {1411, "Za mała średnica rurociągu!", "Pipe diameter too small"},
    {1412, "Za mała średnica otworu zwężki", "Orifice diameter (throat) too small"},
    {1413, "Za mały strumień nominalny", "Nominal fluid flowrate too small"},
    {1414, "Brak strumienia", "Enter the fluid flowrate"},
    {1415, "Za niska temperatura", "Temperature too low"},
    {1416, "Za wysoka temperatura", "Temperature too high"},
    {1417, "Brak ciśnienia różnicowego", "Enter the differential pressure."},
    {1418, "Strumień nominalny nie może być większy od maksymalnego",
     "Nominal flowrate should be less than or equal to upper range flowrate"},
    {1419,
     "Stosunek ciśnienia różnicowego do ciśnienia bezwzględnego\r\nnie może być większy od "
     "liczby 0.25",
     "The pressure ratio p2/p1 shall be greater than or equal to 0.75"},
    {1420, "Za duże ciśnienie różnicowe", "Differential pressure too high"},
    {1421,
     "Za zwężką może nastąpić odparowanie zakłócające pomiar. Czy kontynuować obliczenia ?",
     "Vaporization occurs. Continue?"},
    {1422,
     "Za mała średnica rurociągu. Czy kontynuować obliczenia? Wyniki nie będą zgodne z normą!",
     "Pipe diameter too small. Continue? "
     "The results will not conform to the standard."},
    {1423,
     "Za duża średnica rurociągu. Czy kontynuować obliczenia? Wyniki nie będą zgodne z normą!",
     "Pipe diameter too large. Continue? "
     "The results will not conform to the standard."},
    {1424,
     "Za mała średnica otworu zwężki. Czy kontynuować obliczenia? Wyniki nie będą zgodne z "
     "normą!",
     "Device diameter too small. Continue? "
     "The results will not conform to the standard."},
    {1425,
     "Zakres średnic rurociągu 40mm<D<50mm nie jest uwzględniony w żadnej normie. Program "
     "proponuje obliczenia zgodnie z normą ASME MFC-14M-2003. Czy kontynuować pracę ?",
     "Pipe diameter range 40mm<D<50mm is not coverd by any standard. Continue calculations "
     "according to ASME MFC-14M-2003 standard ?"},
    {1426,
     "Ciśnienie różnicowe jest większe od 0.25*P1. Czy kontynuować obliczenia? Wyniki nie będą "
     "zgodne z normą!",
     "Differential pressur greater than 0.25*P1. Continue? "
     "The results will not conform to the standard."},
    // %1: beta, 8 significant digits.
    {1427, "Za małe przewężenie \"beta\" = d/D =%1", "Diameter ratio beta=d/D=%1 too small."},
    {1428, "Za duże przewęzenie \"beta\" = d/D =%1", "Diameter ratio beta=d/D=%1 too large."},
    {1430, "Średnica otworu spustowego powinna być <= 0.1*d.",
     "The diameter of the drain hole should not exceed 0.1*d."},
    {1431, "Otwór spustowy można stosować dla średnic rurociągu > 100 mm.",
     "If a drain hole is drilled through the orifice plate - D should be > 100 mm."},
    {1432, "Otwór spustowy można stosować gdy beta=d/D <0.625.",
     "If a drain hole is drilled through the nozzle - beta=d/D should be < 0.625."},
    // %1: the Reynolds number, 10 characters and no decimals.
    {1433, "Za mała liczba Reynoldsa Re=%1", "Reynolds number Re=%1 too small"},
    {1434, "Za duża liczba Reynoldsa Re=%1", "Reynolds number Re=%1 too large"},
    {1435, "Ciśnienie różnicowe większe od 0.25*P1!", "Differential pressure greater than 0.25*P1."},
    {1436, "Za zwężką następuje odparowanie! Pomiar ulega zakłóceniu!", "Vaporization occurs."},
    // %1: the text typed.
    {1440, "Błąd w zapisie liczby %1", "Number error %1"},

    // ---- 1500-1569 property checks ----
    {1500, "Nie podano ciśnienia!", "Enter absolute pressure"},
    {1501, "Za niskie ciśnienie", "Absolute pressure too low"},
    {1502, "Za wysoka temperatura wody", "Water temperature too high"},
    {1503, "Za niska temperatura wody lub pary", "Water or steam temperature too low"},
    {1504, "Za wysokie ciśnienie", "absolute pressure too high"},
    {1505,
     "Przekroczenie granic drugiego podobszaru parametrów pary wodnej.\r\nProszę wybrać \"INNY "
     "GAZ\" i wpisać właściwości.",
     "Steam pressure or temperature out of second subregion range.\r\nChoose \"Other Gas\" and "
     "enter properties."},
    {1506, "Za niska temperatura lub za wysokie ciśnienie dla pary wodnej",
     "Steam temperature too low or steam pressure too high"},
    {1507, "Za wysoka temperatura lub za niskie ciśnienie dla wody",
     "Water temperature too high or water pressure too low"},
    {1510, "Nie kompletny skład gazu", "Total sum of gas mixture fractions is not equal 100%."},
    {1511,
     "Za duża wilgotność gazu!\r\nProszę sprawdzić, czy podana wilgotność \r\nzostała "
     "przeliczona na warunki pomiaru.",
     "Relative humidity too high"},
    {1512,
     "Ostrzeżenie: bardzo duża zawartość pary wodnej w gazie\r\nzmniejsza dokładność obliczenia "
     "gęstości",
     "Warning: high humidity causes too high uncertainty of calculated density."},
    {1513,
     "Za wysokie ciśnienie gazu.\r\nProszę wybrać \"Inny gaz\" i wpisać właściwości.",
     "Absolute pressure too high. Choose \"Other Gas\" and enter properties."},
    {1520,
     "Amoniak ciekły może być liczony w granicach ciśnienia od 2 do 35 ata i w granicach temp. od "
     "-10 do 50 C.",
     "Liquid ammonia parameters should be between:\r\npressure 2 and 35 kG/cm2,\r\ntemperature "
     "-10°C and 50°C"},
    // The liquid ammonia statuses 1260, 1261 and 1262.
    {1560, "Za niska temperatura amoniaku", "Ammonia temperature should be between -10°C and 50°C"},
    {1561, "Faza gazowa amoniaku", "Gaseous phase!"},
    {1562, "Na zwężce następuje odparowanie amoniaku", "Evaporation!"},

    // ---- 1600-1619 files ----
    // Read errors 1 to 7 of the case-file reader; %1: the file (named in
    // Polish only, the English text is the short one of the file format).
    {1601, "Próba otwarcia pliku %1 nie powiodła się", "Input error"},
    {1602, "Błąd przy czytaniu pierwszego wiersza danych", "Input error"},
    {1604, "Błąd przy czytaniu numeru bilansowego", "Input error"},
    {1605, "Błąd przy czytaniu pierwszego wiersza z liczbami rzeczywistymi.", "Input error"},
    {1606, "Błąd przy czytaniu kolejnych wierszy z liczbami rzeczywistymi.", "Input error"},
    {1607, "Błąd przy czytaniu składu gazu", "Input error"},
    {1610, "Błąd zapisu. Dane nie zostały zapisane.", "Output error"},
    // %1: the record's path; %2: the system's reason.
    {1611, "Błąd zapisu pliku %1\r\n%2", "Cannot write the last-file record %1\r\n%2"},
    {1612, "Błąd odczytu pliku %1", "Cannot read the last-file record %1"},
    // The window's save: the first line of 1610, then %1 the file and %2 the
    // system's reason.
    {1613, "B\u0142\u0105d zapisu. Dane nie zosta\u0142y zapisane.\n%1\n%2", "Output error\n%1\n%2"},

    // ---- 1700-1729 command line and window ----
    // %1: the field and its value.
    {1700, "Kod poza zakresem: %1", "Code out of range: %1"},
    {1701,
     "Zamiast klawisza ENTER użyj klawisz TAB, lub Shift+TAB w celu przemieszczania się w dół i "
     "w górę do kolejnych pól edycji.",
     "Use TAB or Shift+TAB"},
    // %1: the file.
    {1702, "Nie można zapisać pliku PDF %1", "Cannot write the PDF file %1"},
    {1703, "Podać ciśnienie różnicowe, do którego odniesiony jest łączny błąd przetwornika.",
     "Enter the reference value of transducer error."},
    {1704, "Czy wykasować dane?", "Delete all data?"},
    // %1: the file; %2: the reason it cannot be read.
    {1705, "Podany plik nie zawiera poprawnych danych\n%1\n%2", "Input error\n%1\n%2"},
};

#undef SGERG
#undef BEATTIE

constexpr bool inNumberOrder() {
  for (std::size_t i = 1; i < std::size(kRows); ++i)
    if (!(kRows[i - 1].number < kRows[i].number)) return false;
  return true;
}
static_assert(inNumberOrder(), "message rows in strictly increasing number order");

}  // namespace

std::span<const MessageRow> messageTable() { return kRows; }

const MessageRow* findMessage(int number) {
  const auto* end = std::end(kRows);
  const auto* it = std::lower_bound(std::begin(kRows), end, number,
                                    [](const MessageRow& r, int n) { return r.number < n; });
  return it != end && it->number == number ? it : nullptr;
}

std::string fillMessage(const char* pattern, std::span<const std::string> values) {
  std::string out;
  if (pattern == nullptr) return out;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
      const auto i = static_cast<std::size_t>(p[1] - '1');
      if (i < values.size()) out += values[i];
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

std::string Message::text(bool inPolish) const {
  const MessageRow* row = findMessage(number());
  if (row == nullptr) return {};
  const bool polishText = inPolish && !englishOnly;
  return fillMessage(polishText ? row->polish : row->english,
                     polishText && !polishValues.empty() ? polishValues : values);
}

}  // namespace dorvel
