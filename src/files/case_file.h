// The case data file: one measuring point as a line-oriented text file.
//
// The first line carries a one-letter version marker.  Version L is the one
// written; versions F, L, M, N, U, W and Z are read.  Numbers are decimal with
// a point as separator whatever the locale; every line ends with CR LF.
//
// Notation of the layout (used in the comments of case_file.cpp):
//   I:w    integer right-aligned in w characters
//   R:w.p  fixed-point real, p decimals, right-aligned in w characters
//   R*     full-precision scientific real preceded by one blank
#pragma once

#include <string>

#include "base/case.h"
#include "base/interaction.h"

namespace dorvel {

// Reads the case file at `path` into `c`.  Fields the file does not carry keep
// the values they had (callers that want a clean read reset the case first);
// `dataFilePath` is set to `path` before reading.  Returns true on success.
//
// Failures:
//   - the file cannot be opened, or is no regular file (a folder, a FIFO, a
//     device; opened without blocking, nothing is read from it): message
//     (error 1), false;
//   - no valid version marker, or a file larger than 16 MiB (no case file
//     is): false without a message of its own (the caller reports it);
//   - a line that breaks off or holds no number where one is due: the
//     message of the check that caught it (errors 2, 4, 5, 6), false;
//   - a composition line that is not "index value" with index 1...30:
//     error 7, false.
// Fields read before the failure keep their new values.
bool readCaseFile(const std::string& path, CalculationCase& c, Interaction& ui);

// The same reader on a file's content held in memory (errors 2 to 7 only;
// `dataFilePath` and `dataFileDate` are not touched).
bool readCaseText(const std::string& text, CalculationCase& c, Interaction& ui);

// The text of the case as a version-L file.  Like the writer of the file
// format it first copies the stored density into `enteredDensity` and
// empties `fluidName` unless the fluid is an other liquid or other gas.
std::string caseFileText(CalculationCase& c);

// Writes the case to `path` as a version-L file.  The text goes to a
// temporary file in the same folder, is flushed to the disk and only then
// renamed over `path`, so a failed save leaves an existing file untouched
// (see replaceFileContent: links followed, targets that are no regular file
// refused, mode, owner and group kept).  Titles and fluid names are written
// in Windows-1250 when both have a form there, else in UTF-8, and a file
// whose texts go beyond ASCII names the encoding at the end of line 1
// ("WINDOWS-1250" or "UTF-8"), which the reader trusts; a file without the
// name is read as fileTextAsUtf8 decides.
// On failure shows "Output error" (Polish "Błąd zapisu. Dane nie zostały
// zapisane.") and returns false; `reason`, when given, receives the system's
// explanation.  Callers add no message of their own.  Written to the case's
// own `dataFilePath`, the case takes the file's new date (`dataFileDate`).
bool writeCaseFile(const std::string& path, CalculationCase& c, Interaction& ui,
                   std::string* reason = nullptr);

// The read errors 1, 2, 4, 5, 6 and 7 of the reader are the messages
// 1600 + error of the message table (Msg::CannotOpenFile ...
// Msg::GasCompositionError); the Polish text of error 1 names the file.
inline constexpr int kReadErrorMessageBase = 1600;
constexpr bool isCaseFileReadError(int error) {
  return error == 1 || error == 2 || (error >= 4 && error <= 7);
}
// The message of read error `error` (one of the numbers above).
Message caseFileReadErrorMessage(int error, const std::string& path = {});
// The read error of a message number, 0 when the message is no read error.
int caseFileReadErrorOf(int messageNumber);

// Text of the read errors; unknown numbers give empty texts.
struct ReadErrorText {
  std::string polish;
  std::string english;
};
ReadErrorText caseFileReadError(int error, const std::string& path = {});

}  // namespace dorvel
