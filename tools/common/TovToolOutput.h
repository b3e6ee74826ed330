// What the programs of tools/ do so that their output never goes astray unnoticed.
#ifndef TOVTOOLOUTPUT_H
#define TOVTOOLOUTPUT_H

#include "TOVNLSMsgBldrRfHndlr.h"

/// Opens /dev/null on each standard descriptor (0, 1, 2) that the program was started
/// without: the output ones for reading only, so that writing to them still fails and is
/// reported, and no file that the program opens later takes their number and receives
/// text meant for the terminal.
void TovToolGuardStandardDescriptors();

/// Flushes the standard output and gives 0 when everything written to it got there;
/// otherwise raises the error of the three builders and gives its failure code (rc,
/// whose low byte is the program's exit status when it has no status of its own).
[[nodiscard]] long TovToolCheckStandardOutput(const TOVNLSMsgBldrRfHndlr& request,
                                              const TOVNLSMsgBldrRfHndlr& diagnostic,
                                              const TOVNLSMsgBldrRfHndlr& advice, long rc = E_FAIL);

#endif
