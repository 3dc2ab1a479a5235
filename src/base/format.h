// Number formats of the messages, results and reports.  The decimal
// separator is always ".", whatever the locale.
#pragma once

#include <string>
#include <string_view>

namespace dorvel {

// General format with `digits` significant digits: fixed notation when the
// integer part has at most `digits` digits and |x| >= 0.0001, otherwise
// scientific ("1.5E20", "2.5E-6"); trailing zeros and a bare point removed.
std::string formatGeneral(long double x, int digits);

// Fixed notation with `decimals` decimals, right-aligned in `width`
// characters (wider values are not cut).
std::string formatFixed(long double x, int width, int decimals);

// formatFixed for the numbers of messages: a value whose fixed text would
// be wider than `width` (and than 16 characters) is written in exponent
// form with 7 significant digits instead ("1.5E4000"), right-aligned in
// `width`, so a warning never prints a number of thousands of digits.
std::string formatFixedReadable(long double x, int width, int decimals);

// The results page's fixed format ("fixed w.d"): `decimals` decimals after
// rounding to at most `precision` significant digits (the decimals beyond
// them are zeros); numbers with more integer digits than `precision` in
// general format.  The results page uses precision 8, the property panels
// their own ("fixed 6.4": 6 digits, 4 decimals: 123.456789 is 123.4570).
std::string pageFixed(long double x, int decimals, int precision = 8);

// Scientific with `digits` significant digits and the shortest signed
// exponent: 1.002E-3, 2.5E+2.
std::string formatExponent(long double x, int digits);

// Shortest text that reads back to exactly the same long double.
std::string formatRoundTrip(long double x);

// The same text, std::to_chars' shortest text of a finite x, written to
// `out` (room for kRoundTripTextSize characters); returns its end.
inline constexpr int kRoundTripTextSize = 64;
char* formatRoundTripTo(char* out, long double x);

// Locale-independent parse of a whole text (leading/trailing blanks allowed).
// Returns false when the text is not a number, or a number beyond the range
// of a double (|x| > DBL_MAX, about 1.7e308).
bool parseReal(std::string_view text, long double& out);

}  // namespace dorvel
