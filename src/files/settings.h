// The last-file record: the one thing remembered between runs, the path of
// the case file last opened or saved, so that the next start opens it again.
//
// Location: the per-user configuration folder, "Dorvel/Dorvel.ini" inside
// $XDG_CONFIG_HOME, or inside ~/.config when that variable is unset, empty or
// not an absolute path.  Content: one line, the whole path, ended by CR LF.
#pragma once

#include <string>

#include "base/interaction.h"

namespace dorvel {

// Full path of the record; empty when neither $XDG_CONFIG_HOME nor $HOME
// gives a folder.
std::string lastFileRecordPath();

// Writes `dataFile` as the record.  The folder is created when missing; when
// that fails nothing is written and the result is false without a message.
// A failed write of the record leaves any earlier record as it was, shows
// "Cannot write the last-file record <path>" and returns false.
bool rememberDataFile(const std::string& dataFile, Interaction& ui);

// The path held by the record, or empty when there is no record.  A record
// that exists but cannot be read shows "Cannot read the last-file record
// <path>" and gives empty.
std::string recallDataFile(Interaction& ui);

}  // namespace dorvel
