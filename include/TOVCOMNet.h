// The socket layer under the message connections: start and stop with a use count, a TCP
// server on a fixed or automatically chosen port, a TCP client, closing, and the mapping of
// network (UNC) paths onto the local paths behind them.
#ifndef TOVCOMNET_H
#define TOVCOMNET_H

#include "TOVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/// The port a server listens on when given 0, and the first one tried when given -1.
#define TOV_NET_DEFAULT_PORT 23400
/// How many ports, from the default one, a server given -1 tries.
#define TOV_NET_PORT_RANGE 100

/// One known network path: the UNC name ("\\host\share") and the local path behind it,
/// each zero-terminated.
typedef struct TOVCOMNetEntry {
  char unc[1024];
  char dos[1024];
} TOVCOMNetEntry;

/// Starts the layer (one more use when already started); 0, or -1 with the failure
/// reported.
TOVBASIC_API int net_start(void);
/// Ends one use; the last one drops the path tables.
TOVBASIC_API void net_stop(void);

/// A listening socket on every local address, or -1 with the failure reported. *ioPort
/// -1 takes the first free port of 23400 to 23499, 0 takes 23400, any other value that
/// port; the port taken is written back.
TOVBASIC_API int net_serv_start(int* ioPort);
/// Closes a listening socket; a failure is reported.
TOVBASIC_API void net_serv_stop(int iSocket);
/// Waits for a client on the listening socket and gives its connected socket (with
/// keep-alive), or -1 with the failure reported.
TOVBASIC_API int net_serv_open(int iSocket);
/// Closes the socket of an accepted client; a failure is reported.
TOVBASIC_API void net_serv_close(int iSocket);
/// A socket connected to the host (a name or a dotted IPv4 address) on iPort (0: 23400),
/// or -1 with the failure reported.
TOVBASIC_API int net_clnt_start(const char* iHost, int iPort);
/// Closes a client socket; a failure is reported.
TOVBASIC_API void net_clnt_stop(int iSocket);

/// Finds the known network path that begins iPath: the shares of this host first, then the
/// mounted network file systems. Letters compare without case, "/" and "\" are equal, and
/// the match must end at a separator or at the end of iPath. *oEntry is the entry, valid
/// until the last net_stop, or null when none matches; gives 0, or -1 when the tables
/// cannot be built (reported).
TOVBASIC_API int net_dos_search(const char* iPath, TOVCOMNetEntry** oEntry);

#ifdef __cplusplus
}
#endif

#endif
