// Error processing and traces of the plain-function layer.
//
// A failing plain function names its messages by catalog and key (err_msg), then ends the
// report with a record (err_msg_record), which makes one recoverable error of them. The
// translators sys_error, sock_error and com_error turn a system, socket or messaging
// failure into such a report. Every report names the caller's source file and line.
#ifndef TOVCBERRORPROCESSING_H
#define TOVCBERRORPROCESSING_H

#include "TOVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/// Message types of err_msg: the slot of the error the message fills.
enum { ERR_MSG_REQUEST = 0, ERR_MSG_DIAGNOSTIC = 1, ERR_MSG_ADVICE = 2 };

/// Record types of err_msg_record.
enum {
  ERR_RECORD_INFORMATION = 0, ///< information, shown
  ERR_RECORD_WARNING = 1,     ///< warning, shown
  ERR_RECORD_CRITICAL = 2,    ///< critical, left pending for the caller
  ERR_RECORD_FATAL = 3        ///< fatal, shown, then the process exits with status 127
};

/// Operations of sys_error.
enum {
  SYS_OP_ALLOC = 0,
  SYS_OP_CHMOD = 1,
  SYS_OP_CLOSE = 2,
  SYS_OP_CREAT = 3,
  SYS_OP_FORK = 4,
  SYS_OP_FSYNC = 5,
  SYS_OP_FTOK = 6,
  SYS_OP_GETCWD = 7,
  SYS_OP_MKDIR = 8,
  SYS_OP_OPEN = 9,
  SYS_OP_OPENDIR = 10,
  SYS_OP_READ = 11,
  SYS_OP_REMOVE = 12,
  SYS_OP_RENAME = 13,
  SYS_OP_RMDIR = 14,
  SYS_OP_SEEK = 15,
  SYS_OP_SEMCTL = 16,
  SYS_OP_SEMGET = 17,
  SYS_OP_SEMOP = 18,
  SYS_OP_SHMAT = 19,
  SYS_OP_SHMCTL_DELETE = 20,
  SYS_OP_SHMDT = 21,
  SYS_OP_SHMGET = 22,
  SYS_OP_SHMCTL_STAT = 23,
  SYS_OP_STAT = 24,
  SYS_OP_STATVFS = 25,
  SYS_OP_TRUNC = 26,
  SYS_OP_UNAME = 27,
  SYS_OP_CHMOD2 = 28,
  SYS_OP_WRITE = 29
};

/// Operations of sock_error.
enum {
  SOCK_OP_ACCEPT = 0,
  SOCK_OP_BIND = 1,
  SOCK_OP_CLOSE = 2,
  SOCK_OP_CONNECT = 3,
  SOCK_OP_GETHOST = 4,
  SOCK_OP_GETOPT = 5,
  SOCK_OP_LISTEN = 6,
  SOCK_OP_NONE7 = 7,
  SOCK_OP_NONE8 = 8,
  SOCK_OP_RECV = 9,
  SOCK_OP_SELECT = 10,
  SOCK_OP_SEND = 11,
  SOCK_OP_SETOPT = 12,
  SOCK_OP_SOCKET = 13,
  SOCK_OP_STARTUP = 14
};

/// Codes of com_error.
enum {
  COM_ERR_FULL = 0,           ///< no free port in the server's range
  COM_ERR_HOST_ADD = 1,       ///< the host name cannot be resolved (param: the host)
  COM_ERR_HOST_FORMAT = 2,    ///< the host's address is not IPv4 (param: the host)
  COM_ERR_INPUT_CONV = 3,     ///< invalid message header or unknown message type
  COM_ERR_PROTO = 4,          ///< the protocol "ip" is unknown
  COM_ERR_SHARE_ACCESS = 5,   ///< share enumeration refused
  COM_ERR_SHARE_INTERNAL = 6, ///< share enumeration larger than the buffer
  COM_ERR_SHARE_OTHER = 7,    ///< share enumeration, other error (param: decimal code)
  COM_ERR_USE_INTERNAL = 8,   ///< network-use enumeration larger than the buffer
  COM_ERR_USE_OTHER = 9       ///< network-use enumeration, other error (param: decimal code)
};

/// The three handlers that turn reports into errors. params is the message's string
/// parameters, ended by a null pointer.
struct err_table {
  int (*message)(const char* catalog, int type, const char* key, const char* const* params);
  int (*record)(const char* file, int line, int type);
  void (*display)(void);
};

/// Installs table (kept by pointer: it must outlive its use); null uninstalls.
TOVBASIC_API void err_start(const struct err_table* table);

/// Installs the library's own table: messages become the request, diagnostic and advice
/// of a TOVError that becomes the thread's pending error, shown through an ISO 8859
/// terminal error display unless the record type is critical.
TOVBASIC_API void ErrorProcessingStart(void);

/// Hands message key of catalog, of message type (ERR_MSG_*), with the string parameters
/// that follow up to a null pointer, to the installed message handler; gives its result.
/// Without a table, writes "Unable to process the error message \"KEY\"" to stderr.
TOVBASIC_API int err_msg(const char* catalog, int type, const char* key, ...);

/// Ends a report: hands file, line and record type (ERR_RECORD_*) to the record handler,
/// then, unless the type is critical, calls the display handler; a fatal record exits the
/// process with status 127. Without a table, writes "Unable to create the error message"
/// to stderr and returns.
TOVBASIC_API int err_msg_record(const char* file, int line, int type);

/// Calls the display handler when a table is installed.
TOVBASIC_API void err_display(void);

/// Writes "#ERR# Fatal internal error at FILE:LINE: " and the formatted text as one line
/// (cut to 1023 bytes) to stderr, flushes both standard streams and aborts.
TOVBASIC_API void err_prog(const char* file, int line, const char* format, ...)
    __attribute__((noreturn, format(printf, 3, 4)));

/// As err_prog with "#ERR# Warning at FILE:LINE: ", and returns.
TOVBASIC_API void err_prog_warning(const char* file, int line, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

/// Reports the current errno for operation (SYS_OP_*) with its parameters (param2 is used
/// by rename only; either may be null when the operation takes none) in catalog "TOVSYS",
/// and records it. Gives the record handler's result.
TOVBASIC_API int sys_error(const char* file, int line, int operation, const char* param1,
                           const char* param2);

/// The current errno.
TOVBASIC_API int sys_error_code(void);

/// Reports the current socket error (sock_error_code) for operation (SOCK_OP_*) with its
/// parameter (may be null) in catalog "TOVSOCK", and records it as critical.
TOVBASIC_API int sock_error(const char* file, int line, int operation, const char* param);

/// The current socket error as a Winsock number: errno mapped (ECONNREFUSED is 10061,
/// ...); an errno that is already such a number (10000 or more) is given unchanged, which
/// is how a caller sets the socket error; an errno without a Winsock number is given as is.
TOVBASIC_API int sock_error_code(void);

/// Reports an error of the messaging and network layer (COM_ERR_*) with its parameter
/// (may be null) in catalog "TOVCOM", and records it as critical.
TOVBASIC_API int com_error(const char* file, int line, int code, const char* param);

/// Prints one trace line of component: the local time, ": ", then the formatted text, on
/// standard output. Gives 1 when printed, 0 when tracing is off for component. The first
/// call reads "TOVCB_TRACE" unless trc_set_component came first.
TOVBASIC_API int trc_print(const char* component, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

/// Sets the trace filter: null switches tracing off, "all" on for every component, any
/// other text on for that component only. "TOVCB_TRACE" is no longer read.
TOVBASIC_API void trc_set_component(const char* component);

/// The part of path after its last backslash, or path when it has none.
TOVBASIC_API const char* last_component(const char* path);

/// Converts text in place with tolower; gives text.
TOVBASIC_API char* to_lower(char* text);

/// Converts text in place with toupper; gives text.
TOVBASIC_API char* to_upper(char* text);

/// "Sun", "Mon", ... "Sat" for day 0 to 6; "???" for any other day.
TOVBASIC_API const char* day_name(int day);

/// The name of the operating system family: "NT".
TOVBASIC_API const char* os_name(void);

#ifdef __cplusplus
}
#endif

#endif
