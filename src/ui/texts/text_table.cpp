// The Polish and English texts of the interface.  Polish terms follow
// PN-EN ISO 5167 (zwężka, kryza, dysza, liczba przewężenia, współczynnik
// przepływu C, liczba ekspansji, odcinki proste, strumień masy / objętości,
// warunki normalne) and the Polish texts of the printed report.
#include "ui/texts/language.h"

#include <QRegularExpression>

#include "calc/limits.h"

namespace dorvel::ui {

namespace {
using P = TextProperty;
constexpr P Cap = P::Caption, Hint = P::Hint, Items = P::Items, Menu = P::MenuCaption,
            Title = P::DialogTitle, Filter = P::DialogFilter, Name = P::AccessibleName;

const char* const kFittingsFirst8Pl =
    "Pojedyncze kolano 90° lub trójnik (przepływ jedną gałęzią)\n"
    "Dwa lub więcej kolan 90° w jednej płaszczyźnie\n"
    "Dwa lub więcej kolan 90° w różnych płaszczyznach\n"
    "Konfuzor 2D do D na długości 1.5D do 3D\n"
    "Dyfuzor 0.5D do D na długości 1D do 2D\n"
    "Zawór grzybkowy całkowicie otwarty\n"
    "Zawór kulowy lub zasuwa pełnoprzelotowe, całkowicie otwarte\n"
    "Skokowe zwężenie symetryczne\n";

// The English items of a fitting list, one per line, as the engine names them.
std::string fittingItems(LengthTable list) {
  std::string items;
  for (int code = 1; code <= fittingCount(list); ++code) {
    if (code > 1) items += '\n';
    items += fittingListItem(list, code);
  }
  return items;
}

std::vector<TextRow> buildTable() {
  const std::string asmePl = std::string(kFittingsFirst8Pl) + "Osłona lub gniazdo termometru";
  const std::string nozzlePl = std::string(kFittingsFirst8Pl) +
                               "Osłona lub gniazdo termometru o średnicy <0.03D\n"
                               "Osłona lub gniazdo termometru o średnicy od 0.03D do 0.13D";
  // The composed lists live as long as the table.
  static const std::string sAsmePl = asmePl, sNozzlePl = nozzlePl,
                           sOrificeEn = fittingItems(LengthTable::Orifice),
                           sAsmeEn = fittingItems(LengthTable::SmallBore),
                           sNozzleEn = fittingItems(LengthTable::Nozzle),
                           sVenturiEn = fittingItems(LengthTable::Venturi);
  return {
      // ---- page "Basic Input Data"
      {"TabSheetDane", Cap, "Dane podstawowe", "Basic Input Data", false},
      {"LaNazwaGazu", Cap, "Nazwa gazu", "Gas name"},
      {"LaPlyn", Cap, "Rodzaj płynu", "Fluid"},
      {"LaTyp", Cap, "Typ zwężki", "Primary Device"},
      {"LaMatRur", Cap, "Materiał rurociągu", "Pipe Material"},
      {"LaMatZwe", Cap, "Materiał zwężki", "Primary Device Material"},
      {"LaElement", Cap, "Element przed zwężką", "Upstream Fittings"},
      {"LaOpis", Cap, "Opis", "Description"},
      {"LaTemp", Cap, "Temperatura płynu", "Fluid Temperature"},
      {"LaCis", Cap, "Ciśnienie bezwzględne przed zwężką", "Upstream Absolute Pressure"},
      {"LaDrury", Cap, "Średnica wewnętrzna rurociągu (w 20°C)",
       "Pipe Internal Diameter (at 20°C)"},
      {"LaSpust", Cap, "Średnica otworu spustowego", "Drain Hole Diameter"},
      {"LaSpustNote", Cap, "(ISO/TR 15377:2018)", "(ISO/TR 15377:2018)"},
      {"CBjcs", Items, "kg/cm2\nkPa\nMPa\nBAR", "kg/cm2\nkPa\nMPa\nBAR"},
      {"CBjnp", Items, "kg/h\nkg/s\nt/h\nm3/h (warunki robocze)\nm3/h (warunki normalne)",
       "kg/h\nkg/s\nt/h\nm3/h (working conditions)\nm3/h (reference conditions)"},
      {"CBgm", Items, "mm H2O\nkPa", "mm H2O\nkPa"},
      {"CBPlyn", Items,
       "Woda\nPara wodna\nPowietrze\nGaz ziemny (wysokometanowy, zaazotowany)\n"
       "Gaz sztuczny (koksowniczy, miejski)\nInny gaz\nInna ciecz\nAmoniak ciekły",
       "Water\nSteam\nAir\nNatural gas\nCoke-oven gas or town gas\nOther gas\nOther liquid\n"
       "Liquid ammonia"},
      {"CBTyp", Items,
       "Kryza z odbiorem przytarczowym\n"
       "Kryza z odbiorem typu D i D/2\n"
       "Kryza z odbiorem kołnierzowym\n"
       "Dysza ISA 1932\n"
       "Dysza o dużych promieniach\n"
       "Dysza Venturiego\n"
       "Klasyczna zwężka Venturiego z odlewaną częścią zbieżną\n"
       "Klasyczna zwężka Venturiego z obrabianą częścią zbieżną\n"
       "Klasyczna zwężka Venturiego ze spawaną częścią zbieżną z blachy\n"
       "Kryza kwadrantowa (ISO/TR 15377:2018)\n"
       "Kryza z wlotem stożkowym (ISO/TR 15377:2018)\n"
       "Kryza mimośrodowa (ISO/TR 15377:2018)",
       "Orifice plate with corner tappings\n"
       "Orifice plate with D and D/2 tappings\n"
       "Orifice plate with flange tappings\n"
       "ISA 1932 nozzle\n"
       "Long radius nozzle\n"
       "Venturi nozzle\n"
       "Classical Venturi tube with \"as cast\" inlet\n"
       "Classical Venturi tube with machined inlet\n"
       "Classical Venturi tube with rough-welded inlet\n"
       "Quarter-circle orifice plate (ISO/TR 15377)\n"
       "Conical entrance orifice plate (ISO/TR 15377)\n"
       "Eccentric orifice plate (ISO/TR 15377)"},
      {"CBMatRur", Items,
       "Stal kwasoodporna (Cr-Ni)\nStal węglowa\nStal chromowa \nBrąz\nStop Monela\nAluminium\n"
       "Mosiądz walcowany na gorąco",
       "300 stainless steel (CrNi)\nCarbon steel\n400 stainless steel (Cr)\nBronze\nMonel\n"
       "Aluminium\nHot-rolled brass"},
      {"CBMatZwe", Items,
       "Stal kwasoodporna (Cr-Ni)\nStal węglowa\nStal chromowa \nBrąz\nStop Monela\nAluminium\n"
       "Mosiądz walcowany na gorąco",
       "300 stainless steel (CrNi)\nCarbon steel\n400 stainless steel (Cr)\nBronze\nMonel\n"
       "Aluminium\nHot-rolled brass"},
      {"CBKolanoISO", Items,
       "Pojedyncze kolano 90°. Dwa kolana 90° w dowolnej płaszczyźnie (S>30D)\n"
       "Dwa kolana 90° w jednej płaszczyźnie: układ S (30D>S>10D)\n"
       "Dwa kolana 90° w jednej płaszczyźnie: układ S (10D>S)\n"
       "Dwa kolana 90° w płaszczyznach prostopadłych (30D>S>5D)\n"
       "Dwa kolana 90° w płaszczyznach prostopadłych (5D>S)\n"
       "Pojedynczy trójnik 90° z przedłużeniem lub bez. Kolano segmentowe 90°.\n"
       "Pojedyncze kolano 45°. Dwa kolana 45° w jednej płaszczyźnie, układ S (S>2D)\n"
       "Konfuzor koncentryczny 2D do D na długości 1.5D do 3D\n"
       "Dyfuzor koncentryczny 0.5D do D na długości D do 2D\n"
       "Zawór kulowy lub zasuwa pełnoprzelotowe, całkowicie otwarte\n"
       "Skokowe zwężenie symetryczne\n"
       "Osłona lub gniazdo termometru o średnicy <0.03D",
       sOrificeEn.c_str()},
      {"EdTytu", Hint, "Wpisz dowolny tekst", "", false},
      {"BuKoniec", Cap, "&Koniec...", "E&xit..."},
      {"BuKoniec", Hint, "Wyjście z programu", "Exit Dorvel"},
      {"BBPomoc", Cap, "&Instrukcja", "Hel&p"},
      {"BBPomoc", Hint, "Wprowadzanie danych", "How to enter data?"},
      {"CBkolanoASME", Items, sAsmePl.c_str(), sAsmeEn.c_str()},
      {"CBkolanoDysz", Items, sNozzlePl.c_str(), sNozzleEn.c_str()},
      {"CBkolanoVent", Items,
       "Pojedyncze kolano 90°\n"
       "Dwa lub więcej kolan 90° w jednej lub w różnych płaszczyznach\n"
       "Konfuzor 1.33D do D na długości 2.3D\n"
       "Dyfuzor 0.67D do D na długości 2.5D\n"
       "Konfuzor 3D do D na długości 3.5D\n"
       "Dyfuzor 0.75D do D na długości D\n"
       "Zawór kulowy lub zasuwa pełnoprzelotowe, całkowicie otwarte\n"
       "Osłona lub gniazdo termometru o średnicy < 0.13D",
       sVenturiEn.c_str()},
      // ---- page "Uncertainty Sources"
      {"TabSheetNiepewn", Cap, "Źródła niepewności", "Uncertainty Sources", false},
      {"GBgesto", Cap, "Niepewność wyznaczenia gęstości roboczej",
       "Uncertainty of density determination  (fill the position 1 OR positions 2-5.)"},
      {"La1niepeges", Cap, "1. Całkowita niepewność wyznaczenia gęstości",
       "1. The overall uncertainty of density determination"},
      {"La2niepeges", Cap, "2. Błąd przetwornika ciśnienia statycznego w % wartości mierzonej",
       "2. Error of static pressure transmitter as % of measured value"},
      {"La3niepeges", Cap, "3. Błąd przetwornika temperatury w % wartości mierzonej",
       "3. Error of temperature transmitter as % of measured value"},
      {"La4niepeges", Cap, "4. Niepewność współczynnika ściśliwości K1",
       "4. Uncertainty of compression factor K1"},
      {"La5niepeges", Cap, "5. Niepewność gęstości w warunkach normalnych",
       "5. Uncertainty of density at reference conditions"},
      {"GBDoda", Cap, "Dodatkowa niepewność współczynnika przepływu C",
       "Additional uncertainty of discharge coefficient C"},
      {"LaDodaNiepe1", Cap, "Przypadki opisane w rozdz. 6.4.4 i 6.5.3 normy PN-EN ISO 5167-2",
       "Cases described in chapters 6.4.4 and 6.5.3 of ISO 5167-2"},
      {"LaDlu1", Cap, "Istniejący prosty odcinek przed zwężką",
       "Existing upstream straight length"},
      {"LaDlu2", Cap, "Istniejący prosty odcinek za zwężką", "Existing downstream straight length"},
      {"GBKlasa", Cap, "Niepewność pomiaru ciśnienia różnicowego",
       "Uncertainty of differential pressure measurement"},
      {"Laklasa1", Cap, "Błąd przetwornika ciśnienia różnicowego",
       "Error of differential pressure transmitter"},
      {"LaKlasa1a", Cap, "- jako procent wartości odniesienia",
       "- as a percentage of reference value"},
      {"LaKlasa2", Cap, "Ciśnienie różnicowe, do którego odniesiony jest błąd",
       "The differential pressure reference value"},
      {"BuKomentNiepe", Cap, "Pomo&c", "Hel&p"},
      // ---- page "Fluid Properties"
      {"TabSheetWlasciwosci", Cap, "Właściwości płynu", "Fluid Properties", false},
      {"LaWody1", Cap, "Gęstość", "Density"},
      {"LaWody3", Cap, "Lepkość dynamiczna", "Dynamic viscosity"},
      {"LaWody5", Cap, "Entalpia właściwa", "Specific enthalpy"},
      {"LaPary1", Cap, "Temperatura nasycenia", "Saturation line temperature"},
      {"LaPary3", Cap, "Objętość właściwa", "Specific volume"},
      {"LaPary5", Cap, "Gęstość", "Density"},
      {"LaPary7", Cap, "Lepkość dynamiczna", "Dynamic viscosity"},
      {"LaPary9", Cap, "Wykładnik izentropy", "Isentropic exponent"},
      {"LaPary11", Cap, "Entalpia właściwa", "Specific enthalpy"},
      {"LaInnaCie1", Cap, "Gęstość", "Density"},
      {"LaInnaCie3", Cap, "Lepkość dynamiczna", "Dynamic viscosity"},
      {"BuPodpowie", Cap, "Tabela gęstości", "Density table"},
      {"BuAkceptuj2", Cap, "Akceptuj", "OK"},
      {"Lfi", Cap, "Wilgotność względna", "Relative humidity"},
      {"Lapnormal5", Cap, "Ciśnienie normalne", "Reference pressure"},
      {"Latnormal5", Cap, "Temperatura normalna", "Reference temperature"},
      {"Bu5KasujSklad", Cap, "Kasuj", "Delete"},
      {"Bu5KasujSklad", Hint, "Wszystkie udziały są zerowane", "All fractions are set to zero"},
      {"La5SumaSkladu", Cap, "SUMA", "SUM"},
      {"La5GazWpisz", Cap, "Wprowadź właściwości ręcznie", "Enter properties manually"},
      {"RadioGroup5", Items, "% molowy\n% objętościowy", "mole %\nvolume %"},
      {"Bu5liczWl", Cap, "&Oblicz właściwości", "&Calculate properties"},
      {"Bu5PrzeliczWilgo", Cap, "Korekta wilgotności...", "Humidity correction..."},
      {"Bu5Pyt", Hint, "Co to jest korekta wilgotności ?", "What is humidity correction ?"},
      {"Bu5wpisz1", Hint, "Przyjmij wartość deklarowaną", "To enter declared value"},
      {"Bu5wpisz2", Hint, "Przyjmij wartość deklarowaną", "To enter declared value"},
      {"Bu5wpisz3", Hint, "Przyjmij wartość deklarowaną", "To enter declared value"},
      {"Bu5wpisz4", Hint, "Przyjmij wartość deklarowaną", "To enter declared value"},
      {"Bu5Koment", Cap, "Pomo&c", "Hel&p"},
      {"GB5wyniki", Cap, "Wyniki", "Results"},
      {"Llep", Cap, "Lepkość dynamiczna", "Dynamic viscosity"},
      {"Llep", Hint, "Lepkość dynamiczna", "Dynamic viscosity", false},
      {"Lkapa", Cap, "Wykładnik izentropy", "Isentropic exponent"},
      {"Lkapa", Hint, "Wykładnik izentropy", "Isentropic exponent", false},
      {"Lk1", Cap, "Współczynnik ściśliwości K1", "Compression factor K1"},
      {"Cbges", Hint, "Gęstość w warunkach roboczych lub normalnych",
       "Density shown: at working or at reference conditions", false},
      {"Cbges", Items, "Gęstość robocza\nGęstość normalna", "Density at working\nDensity at reference"},
      {"LaPowWilgo", Cap, "Wilgotność względna", "Relative humidity"},
      {"LaTnormal4", Cap, "Temperatura normalna", "Reference temperature"},
      {"LaPnormal4", Cap, "Ciśnienie normalne", "Reference pressure"},
      {"LiczWlPow", Cap, "&Oblicz właściwości powietrza", "&Calculate air properties"},
      {"BuPrzeliczWilgo4", Cap, "Korekta wilgotności...", "Humidity correction..."},
      {"BuPyt4", Hint, "Co to jest korekta wilgotności ?", "What is humidity correction ?"},
      // The captions of the air results (guarded: they follow their text).
      {"LaPow1", Cap, "Gęstość w warunkach normalnych", "Density at reference cond."},
      {"Lapow2", Cap, "Gęstość w warunkach roboczych", "Density at working cond."},
      {"Lapow3", Cap, "Lepkość dynamiczna", "Dynamic viscosity"},
      {"Lapow4", Cap, "Wykładnik izentropy", "Isentropic exponent"},
      {"LaPow5", Cap, "Współczynnik ściśliwości K1", "Compression factor K1"},
      {"LaPow9", Cap, "Współczynnik ściśliwości K1", "Compression factor K1"},
      {"BuKoment4", Cap, "Pomo&c", "Hel&p"},
      {"LaKoksWilgo", Cap, "Wilgotność względna", "Relative humidity"},
      {"Latnormal7", Cap, "Temperatura normalna", "Reference temperature"},
      {"Lapnormal7", Cap, "Ciśnienie normalne", "Reference pressure"},
      {"LaSuma7", Cap, "SUMA", "SUM"},
      {"BuKasujSklad7", Cap, "Kasuj", "Delete"},
      {"BuKasujSklad7", Hint, "Wszystkie udziały są zerowane", "All fractions are set to zero"},
      {"RadioGroup7", Items, "% molowy\n% objętościowy", "mole %\nvolume %"},
      {"BuLiczGazKoks", Cap, "&Oblicz właściwości", "&Calculate properties"},
      {"Button1", Cap, "Korekta wilgotności...", "Humidity correction..."},
      {"BuPyt7", Hint, "Co to jest korekta wilgotności ?", "What is humidity correction ?"},
      {"GroupBox1", Cap, "Skład", "Composition"},
      // The composition labels of the coke-oven gas (formulas).
      {"LaKoks1", Cap, "H2", "H2"},
      {"LaKoks2", Cap, "CH4", "CH4"},
      {"LaKoks3", Cap, "CO", "CO"},
      {"LaKoks4", Cap, "N2", "N2"},
      {"LaKoks5", Cap, "CO2", "CO2"},
      {"LaKoks6", Cap, "O2", "O2"},
      {"BitBtn1", Cap, "Pomo&c", "Hel&p"},
      {"RadioGroupJakieDane", Cap, "Jakie dane ?", "Select input data set:"},
      {"RadioGroupJakieDane", Items, "pełny skład gazu\nwłaściwości fizyczne",
       "gas composition\nphysical properties"},
      {"La9Rownanie", Cap, "Równanie stanu", "Equation of state"},
      {"CB9Rownanie", Items,
       "SGERG-88 (PN-EN ISO 12213-3)\nAGA8-92DC (PN-EN ISO 12213-2)\nGERG-2008 (PN-EN ISO 20765-2)",
       "SGERG-88 (ISO 12213-3)\nAGA8-92DC (ISO 12213-2)\nGERG-2008 (ISO 20765-2)"},
      {"CB9Rownanie", Hint,
       "Równanie stanu gazu podanego składem; właściwości fizyczne liczy zawsze SGERG-88",
       "Equation of state of a gas given by its composition; the physical-property input is "
       "always SGERG-88"},
      {"La9SumaSkladu", Cap, "SUMA", "SUM"},
      {"BuKasuj9", Cap, "Kasuj", "Delete"},
      {"BuKasuj9", Hint, "Wszystkie udziały są zerowane", "All fractions are set to zero"},
      {"La9WlaFiz", Cap, "Właściwości fizyczne", "Physical properties"},
      {"LaCO22", Cap, "Zawartość CO2", "CO2 content"},
      {"LaH22", Cap, "Zawartość H2", "H2 content"},
      {"Lad", Cap, "Gęstość względna", "Relative density"},
      {"LaHs", Cap, "Ciepło spalania", "Superior calorific value"},
      {"LaCO22jed", Cap, "[% molowy]", "[mole %]"},
      {"LaH22jed", Cap, "[% molowy]", "[mole %]"},
      {"EdCO22", Hint, "Zawartość dwutlenku węgla w % molowych", "Carbon dioxide content, mole %", false},
      {"EdH22", Hint, "Zawartość wodoru w % molowych", "Hydrogen content, mole %", false},
      {"Edd", Hint, "Gęstość względna gazu (powietrze = 1)", "Relative density of the gas (air = 1)", false},
      {"EdHs", Hint, "Ciepło spalania w warunkach normalnych", "Superior calorific value at reference conditions", false},
      {"RadioGroupProc9", Items, "% molowy\n% objętościowy", "mole %\nvolume %"},
      {"BuLiczWlGazZiem", Cap, "&Oblicz właściwości", "&Calculate properties"},
      {"GroupBox9", Cap, "Wyniki", "Results"},
      {"La91", Cap, "Gęstość normalna", "Density at reference"},
      // La91's hint carries the reference conditions: applyLanguage adds them.
      {"La91", Hint, "Gęstość w warunkach normalnych", "Density at reference conditions", false},
      {"La92", Cap, "Gęstość robocza", "Density at working"},
      {"La92", Hint, "Gęstość w warunkach roboczych", "Density at working conditions", false},
      {"La93", Hint, "Lepkość dynamiczna w warunkach roboczych",
       "Dynamic viscosity at working conditions", false},
      {"La94", Hint, "Wykładnik izentropy w warunkach roboczych",
       "Isentropic exponent at working conditions", false},
      {"La93", Cap, "Lepkość dynamiczna", "Dynamic viscosity"},
      {"La94", Cap, "Wykładnik izentropy", "Isentropic exponent"},
      {"La95", Cap, "Współczynnik ściśliwości K1", "Compression factor K1"},
      {"La96", Cap, "kg/m3", "kg/m3"},
      {"BitBtn2", Cap, "Pomo&c", "Hel&p"},
      // ---- page "Results"
      {"TabSheetWyniki", Cap, "Wyniki", "Results", false},
      {"GroupBox2", Cap, "Wyniki podstawowe", "Basic results"},
      {"GroupBox3", Cap, "Wyniki pośrednie", "Intermediate results"},
      {"Labe6", Cap, "Prędkość płynu (w rurociągu)", "Fluid velocity (in pipe)"},
      {"Label8", Cap, "Współczynnik przepływu C", "Discharge coefficient C"},
      {"Label22", Cap, "Liczba ekspansji", "Expansion factor"},
      {"Label23", Cap, "Liczba przewężenia beta=d/D", "Diameter ratio beta=d/D"},
      {"GroupBox4", Cap, "Granice stosowania", "Limits of use"},
      {"Labe11", Cap, "Dolna granica zakresu strumienia", "Lower range flowrate"},
      {"Labe12", Cap, "Górna granica strumienia", "Upper limit flowrate"},
      {"Labe13", Cap, "Górna granica nieostrości krawędzi", "Upper limit of sharp edge radius"},
      {"Labe14", Cap, "Górna granica chropowatości rurociągu przed zwężką",
       "Upper limit of upstream pipe roughness"},
      {"Labe15", Cap, "Wymagany prosty odcinek przed zwężką", "Required upstream straight length"},
      {"Labe16", Cap, "Wymagany prosty odcinek za zwężką", "Required downstream straight length"},
      {"BBWydrukiAn", Cap, "Wydruki &angielskie...", "&Print...", false},
      {"BBWydrukiPolskie", Cap, "Wydruki po&lskie...", "Wydruki po&lskie..."},
      {"BBTabela", Cap, "&Tabela", "&Table"},
      {"BBTabela", Hint, "Wartości niepewności, błędów i straty ciśnienia",
       "Uncertainty,error,pressure loss values"},
      {"BBWykres", Cap, "&Wykresy", "&Graphs"},
      {"BBWykres", Hint, "Wykresy niepewności i błędów", "Uncertainty and error graphs"},
      {"BuKoniec2", Cap, "&Koniec...", "E&xit..."},
      // ---- task panel, tool bar, menu
      {"LaISO", Cap, "PN-EN ISO 5167 : 2022", "ISO 5167 : 2022", false},
      {"LaISO_TR", Cap, "ISO/TR 15377:2018", "ISO/TR 15377:2018"},
      {"LaASME", Cap, "ASME-MFC-14M-2003", "ASME-MFC-14M-2003"},
      {"RadioButton1", Cap, "Obliczanie średnicy otworu zwężki pomiarowej",
       "Primary device diameter calculation", false},
      {"RadioButton1", Hint, "Wybierz zadanie", "Select the task", false},
      {"RadioButton2", Cap, "Obliczanie ciśnienia różnicowego", "Differential pressure calculation",
       false},
      {"RadioButton2", Hint, "Wybierz zadanie", "Select the task", false},
      {"RadioButton3", Cap, "Obliczanie strumienia płynu", "Flowrate calculation", false},
      {"RadioButton3", Hint, "Wybierz zadanie", "Select the task", false},
      {"ToolButton1", Hint, "Ustawia wszystkie wartości na zero lub domyślne",
       "Sets all values to zero or to defaults", false},
      {"ToolButton2", Hint, "Otwórz...", "Open...", false},
      {"ToolButton3", Hint, "Zapisz", "Save", false},
      {"ToolButton5", Hint, "Pomoc", "Help", false},
      {"SbWhatsThis", Hint, "Co to jest?", "What's This?", false},
      {"Plik1", Menu, "&Plik", "&File", false},
      {"Nowy1", Menu, "&Nowy", "&New", false},
      {"Czytajdanezpliku1", Menu, "&Otwórz", "&Open...", false},
      {"Zapiszdanedopliku1", Menu, "&Zapisz", "&Save", false},
      {"Zapiszjako1", Menu, "Zapisz &jako...", "Save &As...", false},
      {"MnExportPdf", Menu, "Eksport do &PDF...", "Export PDF..."},
      {"MnRecent", Menu, "Ostatnie pliki", "Recent Files"},
      {"Koniecpracy1", Menu, "&Koniec pracy", "E&xit", false},
      {"Pomoc1", Menu, "P&omoc", "&Help", false},
      {"Spistreci1", Menu, "&Spis treści", "&Contents", false},
      {"MnWhatsThis", Menu, "Co to jest?", "What's This?"},
      {"Autorprogramu1", Menu, "Autor programu", "Author", false},
      {"MnJezyk", Menu, "Language / Język", "Language / Język", false},
      {"MnLangEn", Menu, "English", "English", false},
      {"MnLangPl", Menu, "Polski", "Polski", false},
      {"OpenDialog1", Title, "Odczyt danych z pliku", "Open"},
      {"OpenDialog1", Filter, "Wszystkie pliki [*.*]|*.*", "Any file [*.*]|*.*"},
      {"SaveDialog1", Title, "Zapis danych do pliku", "Save As"},
      {"SaveDialog1", Filter, "Wszystkie pliki [*.*]|*.*", "Any file [*.*]|*.*"},
      // ---- print menu and print preview
      {"WydrukProtoko", Menu, "Wydruk protokołu obliczeń", "Print the calculation report"},
      {"WydrukWykres", Menu, "Wydruk wykresów i tabeli", "Print the graphs and table"},
      {"WydrukOba", Menu, "Wydruk protokołu, wykresów i tabeli (str. 1/2, 2/2)",
       "Print the report, graphs and table (pages 1/2, 2/2)"},
      {"Podgldwydruku1", Menu, "Podgląd wydruku", "Print preview"},
      {"Wydrukdoschowka1", Menu, "Wydruk protokołu do schowka",
       "Print the calculation report to Clipboard"},
      {"Wydrukdoschowka2", Menu, "Wydruk wykresów do schowka",
       "Print the graphs and table to Clipboard"},
      {"MnPopExportPdf", Menu, "Eksport do PDF...", "Export PDF..."},
      {"MnPopExportPdfReport", Menu, "Eksport do PDF (protokół obliczeń)...",
       "Export PDF (calculation report)..."},
      {"MnPopExportPdfGraphs", Menu, "Eksport do PDF (wykresy i tabela)...",
       "Export PDF (graphs and table)..."},
      {"MnPopExportPdfBoth", Menu, "Eksport do PDF (protokół, wykresy i tabela)...",
       "Export PDF (report, graphs and table)..."},
      {"ExportPdfTitle", Title, "Eksport do PDF", "Export PDF"},
      {"PdfFilter", Filter, "Pliki PDF (*.pdf)", "PDF files (*.pdf)"},
      {"CaseFilter", Filter, "Pliki danych Dorvel (*.dvl)", "Dorvel cases (*.dvl)"},
      // ---- copies for a spreadsheet (tab-separated text)
      {"MnPopCopyResults", Menu, "Kopiuj wyniki jako tekst (rozdzielany tabulatorami)",
       "Copy the results as text (tab-separated)"},
      {"MnCopyText", Menu, "Kopiuj jako tekst (rozdzielany tabulatorami)",
       "Copy as text (tab-separated)"},
      // ---- names a screen reader reads for lists without a caption of their own
      {"CBjcs", Name, "Jednostka ciśnienia", "Pressure unit", false},
      {"CBjLep2", Name, "Jednostka lepkości", "Viscosity unit", false},
      {"CBjLep5", Name, "Jednostka lepkości", "Viscosity unit", false},
      {"Cbges", Name, "Gęstość", "Density", false},
      {"CB9Rownanie", Name, "Równanie stanu", "Equation of state", false},
      {"CBgm", Name, "Jednostka ciśnienia różnicowego", "Differential pressure unit", false},
      {"CBjnp", Name, "Jednostka strumienia", "Flowrate unit", false},
      {"qt_menubar_ext_button", Name, "Więcej", "More", false},
      {"qt_toolbar_ext_button", Name, "Więcej", "More", false},
      {"BuZoomIn", Cap, "Powiększ", "Zoom In"},
      {"BuZoomOut", Cap, "Pomniejsz", "Zoom Out"},
      {"BuFit", Cap, "Dopasuj", "Fit"},
      {"BuPagePrev", Cap, "Poprzednia strona", "Previous Page"},
      {"BuPageNext", Cap, "Następna strona", "Next Page"},
      {"BuPreviewPrint", Cap, "Drukuj...", "Print..."},
  };
}

}  // namespace

const std::vector<TextRow>& textTable() {
  static const std::vector<TextRow> table = buildTable();
  return table;
}

const std::vector<Phrase>& phraseTable() {
  static const std::vector<Phrase> phrases = {
      // frame
      // The caption; the program version follows it.
      {"Dorvel  Przepływomierze zwężkowe  ", "Dorvel  Flow Measurement Edition  ", true},
      {"Pomiar strumienia płynów zwężkami pomiarowymi: PN-EN ISO 5167, ISO/TR 15377, ASME MFC-14M",
       "Differential-pressure flow measurement: ISO 5167, ISO/TR 15377, ASME MFC-14M"},
      {"Zapisać zmiany ?", "Save changes ?"},
      {"Pliki danych Dorvel (*.dvl)", "Dorvel cases (*.dvl)"},
      {"Wersja ", "Version ", true},
      {"Nie można zapisać pliku PDF ", "Cannot write the PDF file ", true},
      {"PN-EN ISO 5167 : 2022", "ISO 5167 : 2022"},
      // task rows and the rows that change with the fluid and the device
      {"Maksymalny strumień płynu", "Upper range flowrate"},
      {"Nominalny (średni) strumień płynu", "Nominal (average) flowrate"},
      {"Maksymalne ciśnienie różnicowe", "Upper range differential pressure"},
      {"Średnica otworu zwężki (20°C)", "Primary device diameter (20°C)"},
      {"Strumień płynu", "Flowrate"},
      {"Jednostka ciśnienia różnicowego", "Differential pressure unit"},
      {"Ciśnienie różnicowe", "Differential pressure"},
      {"Jednostka strumienia", "Flowrate unit"},
      {"Nazwa gazu", "Gas name"},
      {"Nazwa cieczy", "Liquid name"},
      {"Wpisz nazwę gazu", "Enter gas name"},
      {"Wpisz nazwę cieczy", "Enter liquid name"},
      {"Wpisz dowolny tekst", "Wpisz dowolny tekst"},
      {"Inny gaz", "Other gas"},
      {"Inna ciecz", "Other liquid"},
      {"Chropowatość rury", "Pipe roughness"},
      {"Średnica otworu spustowego", "Drain Hole Diameter"},
      {"m3/h (warunki robocze)", "m3/h (working conditions)"},
      {"m3/h (warunki normalne)", "m3/h (reference conditions)"},
      // property-page titles
      {"Właściwości wody ( ", "Water properties ( ", true},
      {"Właściwości pary wodnej ( ", "Steam properties ( ", true},
      {"Wprowadź właściwości cieczy ( ", "Enter liquid properties ( ", true},
      {"Właściwości amoniaku ciekłego ( ", "Liquid ammonia properties ( ", true},
      {"Obliczanie właściwości powietrza ( ", "Air properties calculation ( ", true},
      {"Obliczanie lub deklarowanie właściwości gazu( ",
       "Gas properties calculation or declaration( ", true},
      {"Obliczanie właściwości gazu koksowniczego ( ",
       "Calculation of Coke-oven gas properties ( ", true},
      {"Obliczanie właściwości gazu ziemnego (SGERG-88) ( ",
       "Calculations of natural gas properties (SGERG-88) ( ", true},
      {"Równanie stanu: ", "Equation of state: ", true},
      {"Obliczanie właściwości gazu ziemnego (AGA8-92DC) ( ",
       "Calculations of natural gas properties (AGA8-92DC) ( ", true},
      {"Obliczanie właściwości gazu ziemnego (GERG-2008) ( ",
       "Calculations of natural gas properties (GERG-2008) ( ", true},
      // unnamed captions of the property panels
      {"Skład", "Composition"},
      {"Wyniki", "Results"},
      {"Gęstość", "Density"},
      {"Lepkość dynamiczna", "Dynamic viscosity"},
      {"Wykładnik izentropy", "Isentropic exponent"},
      {"Współczynnik ściśliwości K1", "Compression factor K1"},
      {"Gęstość w warunkach normalnych", "Density at reference cond."},
      {"Gęstość w warunkach roboczych", "Density at working cond."},
      {"Właściwości fizyczne", "Physical properties"},
      {"Pomoc", "Help"},
      // results page
      {"Strumień masy", "Mass flowrate"},
      {"Strumień objętości", "Volume flowrate"},
      {"Strumień objętości ", "Volume flowrate ", true},
      {"Strata ciśnienia (dla górnej granicy zakresu)", "Pressure loss (for upper range)"},
      {"Strata ciśnienia", "Pressure loss"},
      {"Niepewność pomiaru (dla górnej granicy zakresu)",
       "Measurement uncertainty (for upper range)"},
      {"Niepewność pomiaru", "Measurement uncertainty"},
      {"Nieznana", "Not known"},
      {"Strumień ciepła", "Heat flowrate"},
      {"Udział molowy pary wodnej w gazie", "Steam mole fraction in gas mixture"},
      {"Ciepło spalania", "Calorific value"},
      {"Liczba Reynoldsa (maks.)", "Reynolds number (max)"},
      {"Liczba Reynoldsa", "Reynolds number"},
      {"Prędkość płynu (w rurociągu)", "Fluid velocity (in pipe)"},
      {"Współczynnik przepływu C", "Discharge coefficient C"},
      {"Liczba ekspansji", "Expansion factor"},
      {"Liczba przewężenia beta=d/D", "Diameter ratio beta=d/D"},
      {"Dolna granica zakresu strumienia", "Lower range flowrate"},
      {"Górna granica strumienia", "Upper limit flowrate"},
      {"Strumień dla górnej granicy liczby Reynoldsa", "Flowrate for Reynolds number upper limit"},
      {"Górna granica nieostrości krawędzi", "Upper limit of sharp edge radius"},
      {"Górna granica chropowatości rurociągu przed zwężką",
       "Upper limit of upstream pipe roughness"},
      {"Wymagany prosty odcinek przed zwężką", "Required upstream straight length"},
      {"Wymagany prosty odcinek za zwężką", "Required downstream straight length"},
      {"Nm3/h", "m3/h ref.cond."},
      {"Właściwości płynu nie zostały obliczone lub zostały zmienione. Kliknij \"Oblicz "
       "właściwości\" albo wprowadź właściwości ręcznie.",
       "Fluid properties have not been calculated or have been changed. Click \"Calculate "
       "properties\" or enter properties manually."},
      // warnings of the results page
      {"Przekroczenie zakresu!  Ciśnienie różnicowe ma być < 0.25*P1.",
       "Results out of range.  Differential pressure must be < 0.25*P1."},
      {"Przekroczenie zakresu!  Średnica rurociągu D ma być < ",
       "Data out of range.  Pipe diameter D must be < ", true},
      {"Przekroczenie zakresu!  Średnica rurociągu D ma być >",
       "Data out of range.  Pipe diameter D must be >", true},
      {"Zalecana jest kalibracja zwężki.", "Flow calibration is recommended."},
      {"Przekroczenie zakresu!  Średnica otworu zwężki d za mała ",
       "Data out of range.  Orifice or throat diameter d too small. "},
      {"Przekroczenie zakresu!  Liczba Reynoldsa ma być < ",
       "Results out of range.  Pipe Reynolds number must be < ", true},
      {"Przekroczenie zakresu!  Liczba Reynoldsa ma być > ",
       "Results out of range.  Pipe Reynolds number must be > ", true},
      {"Przekroczenie zakresu!  Za zwężką może nastąpić odparowanie.",
       "Results out of range.  Liquid vaporization occurs."},
      {"Średnica rurociągu D spoza zakresu.", "Pipe diameter D out of range."},
      {"Średnica otworu spustowego nie powinna przekraczać 0.1*d20.",
       "The diameter of the drain hole should not exceed 0.1*d20."},
      {"Otwór spustowy można stosować dla średnic rurociągu > 100 mm.",
       "If a drain hole is drilled through the orifice plate, D20 should be > 100 mm."},
      {"Otwór spustowy można stosować gdy wartość beta=d/D <0.625.",
       "If a drain hole is drilled through the nozzle - beta=d/D should be < 0.625."},
      // humidity correction
      {"Korekta wilgotności", "Humidity correction"},
      {"Za niskie ciśnienie", "Pressure too low"},
      {"Podaj wilgotność względną i warunki jej pomiaru:",
       "Enter relative humidity and its measurement conditions:"},
      {"Temperatura", "Temperature"},
      {"Ciśnienie bezwzględne", "Absolute pressure"},
      {"Wilgotność względna", "Relative humidity"},
      {"Oblicz wilgotność skorygowaną do warunków przepływu",
       "Calculate humidity corrected to the flowing conditions"},
      {"Wilgotność względna skorygowana do warunków przepływu (",
       "Corrected relative humidity in flowing conditions (", true},
      {"Udział molowy pary wodnej w gazie =", "Steam mole fraction in gas mixture =", true},
      // liquids table
      {"Właściwości cieczy w 20 °C i 101.325 kPa", "Liquid properties at 20 °C and 101.325 kPa"},
      {"Ciecz", "Liquid"},
      {"Wzór", "Formula"},
      {"Gęstość [kg/m3]", "Density [kg/m3]"},
      {"Lepkość dynamiczna [Pa*s]", "Dynamic viscosity [Pa*s]"},
      {"Gęstość w temperaturze roboczej t:   ρt = ρ20 / (1 + Bt · (t − 20))",
       "Density at the working temperature t:   ρt = ρ20 / (1 + Bt · (t − 20))"},
      // table, graphs, preview, help and author windows
      {"Niepewność pomiaru i strata ciśnienia w funkcji wskazania",
       "Measurement uncertainty and pressure loss as a function of flowrate"},
      {"Niepewność pomiaru i błąd \"skali liniowej\" w funkcji wskazania",
       "Measurement uncertainty and bias \"linear scale\" error as a function of flowrate"},
      {"Niepewność bezwzględna", "Absolute uncertainty"},
      {" -- Błąd \"skali liniowej\"", " -- The bias \"linear scale\" error"},
      {"Niepewność względna", "Relative uncertainty"},
      {"Koniec", "Koniec"},
      // reasons added to "Input error"
      {"to nie jest zwykły plik", "not a regular file"},
      {"to nie jest plik danych programu Dorvel albo plik jest niekompletny",
       "not a Dorvel case file, or a case file that breaks off"},
      // copies as tab-separated text
      {"Strumień", "Flowrate"},
      {"Błąd \"skali liniowej\"", "Bias \"linear scale\" error"},
      {"Wyniki skopiowano do schowka jako tekst rozdzielany tabulatorami",
       "Results copied to the clipboard as tab-separated text"},
      {"Tabelę skopiowano do schowka jako tekst rozdzielany tabulatorami",
       "Table copied to the clipboard as tab-separated text"},
      {"Punkty wykresów skopiowano do schowka jako tekst rozdzielany tabulatorami",
       "Graph points copied to the clipboard as tab-separated text"},
      {"Podgląd wydruku", "Print preview"},
      {"Pomoc programu Dorvel", "Dorvel Help"},
      {"Spis treści", "Contents"},
      {"Wstecz", "Back"},
      {"Zamknij", "Close"},
      {"Dalej", "Forward"},
      {"Indeks", "Index"},
      {"Szukaj", "Search"},
      {"Szukane słowo:", "Look for:"},
      {"&Tak", "&Yes"},
      {"&Nie", "&No"},
      {"Anuluj", "Cancel"},
      {"Autor programu", "Author"},
      {"Pomiar strumienia płynów zwężkami pomiarowymi\nPN-EN ISO 5167, ISO/TR 15377, ASME MFC-14M",
       "Flow measurement with differential-pressure devices\nISO 5167, ISO/TR 15377, ASME MFC-14M"},
      {"Zespół programistów programu Dorvel\nPytania i zgłoszenia błędów: przez system zgłoszeń "
       "projektu",
       "The Dorvel developers\nQuestions and error reports: through the project's issue tracker"},
  };
  return phrases;
}

bool isNeutralText(const QString& text) {
  static const QStringList neutral = {
      "kg/m3", "kg/Nm3", "Pa*s", "Pa.s", "kJ/kg", "m3/kg", "°C", "%", "mm", " mm", "m", "m/s",
      "MJ/m3", "GJ/h", "kPa", "MPa", "BAR", "kg/cm2", "KG/cm2", "KPa", "mm H2O", "kg/h", "kg/s",
      "t/h", "m3/h", " -", "-", "\"", " \"", "—", "<-", "?", "OK", "SUM", "Dorvel", "Aluminium",
      "K1=Z1/Zs", "kg.s/m2", "kg/m.h", "cP", "Bt [1/°C]", "ISO 5167:2022", "ISO/TR 15377:2018",
      "ASME-MFC-14M-2003", "ASME MFC-14M-2003", "(ISO/TR 15377:2018)", "English", "Polski",
      "Language / Język", "Wydruki po&lskie...", "▶", "[%]", "CnHm", "n-C4H10", "n-C5H12", "i-C4H10",
      "i-C5H12", "C8H18+", "Monel"};
  const QString t = text.trimmed();
  if (t.isEmpty() || neutral.contains(text) || neutral.contains(t)) return true;
  // Numbers, and chemical formulas (H2O, C2H3Cl...).
  static const QRegularExpression number(QStringLiteral("^[-+ 0-9.,eE]+$"));
  static const QRegularExpression formula(QStringLiteral("^([A-Z][a-z]?[0-9]*)+$"));
  return number.match(t).hasMatch() || formula.match(t).hasMatch();
}

}  // namespace dorvel::ui
