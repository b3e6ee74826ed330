#include "TovToolOutput.h"
#include "TOVOFStream.h"
#include "TOVRaiseError.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void TovToolGuardStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
      continue;
    // open gives the lowest free number: this one, the lower ones being open already.
    int opened = open("/dev/null", O_RDONLY);
    if (opened >= 0 && opened != fd)
      close(opened);
  }
}

long TovToolCheckStandardOutput(const TOVNLSMsgBldrRfHndlr& request,
                                const TOVNLSMsgBldrRfHndlr& diagnostic,
                                const TOVNLSMsgBldrRfHndlr& advice, long rc) {
  // A failed write leaves the stream's error indicator set even when a later flush, with
  // nothing left to write, succeeds.
  const int flushed = TOVStdout.Flush();
  if (flushed == 0 && TOVStdout.Error() == 0)
    return TOV_RETURN_SUCCESS();
  return TOV_RAISE_ERROR(request, diagnostic, advice, MORCriticalError, rc);
}
