#pragma once
// The names of the program's temporary files, and the removal of those a
// writer left behind when it was killed (SIGKILL, a power cut) before it
// could rename or remove them.
//
// A temporary file beside NAME is NAME.tremblo-TAG-PID-SERIAL.tmp: TAG (8
// hex digits) stands for the machine and its process-ID space (host name
// and PID namespace), PID is the writer's process and SERIAL (8 hex digits)
// tells its files apart. A file so named is stale when it is a regular file
// of the user running the program, its TAG is this machine's and no
// process PID runs any more. Files of writers on other machines sharing
// the folder have another TAG and are left alone, as is every file named
// otherwise.
#include <string>

namespace tremblo {

// This machine's TAG.
const std::string& ThisMachineTag();

std::string TemporaryName(const std::string& path, const std::string& tag, long pid, unsigned serial);

// True when `fileName` (no folder) is named as a temporary file of this
// machine's; `pid` is then its writer's.
bool ParseTemporaryName(const std::string& fileName, long& pid);

// Removes the stale temporary files of `folder` ("" for the working
// folder); returns how many.
int RemoveStaleTemporaries(const std::string& folder);

// The same, once per folder in the life of the program: called before the
// first temporary file is made in a folder.
void RemoveStaleTemporariesOnce(const std::string& folder);

}  // namespace tremblo
