// The handler table, err_* and the library's own handlers.
#include "TOVCBErrorProcessing.h"
#include "TOVCBReport.h"
#include "TOVErrorDisplayToISO8859Term.h"
#include "TOVParamNLSMsgBldrCtlg.h"
#include "TOVRaiseError.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

/// The installed table; every thread sees the same one.
std::atomic<const err_table*> InstalledTable{nullptr};

/// The messages of the report being made by this thread, by message type. A report is
/// made and recorded on one thread, as the error it gives is that thread's pending error.
struct PendingSlots {
  TOVParamNLSMsgBldrCtlg* slot[3] = {nullptr, nullptr, nullptr};

  void Clear() {
    for (TOVParamNLSMsgBldrCtlg*& builder : slot) {
      if (builder != nullptr)
        builder->Release();
      builder = nullptr;
    }
  }
  ~PendingSlots() { Clear(); }
};

thread_local PendingSlots Pending;

/// Reports the failure to make a builder or an error as an allocation failure. That report
/// needs an error too: when making it fails as well, the plain line it wrote stands alone.
int ReportNoMemory() {
  thread_local bool reporting = false;
  Pending.Clear();
  if (reporting)
    return -1;
  reporting = true;
  errno = ENOMEM;
  const int result = sys_error(__FILE__, __LINE__, SYS_OP_ALLOC, "1", nullptr);
  reporting = false;
  return result;
}

int LibraryMessage(const char* catalog, int type, const char* key, const char* const* params) {
  if (type < ERR_MSG_REQUEST || type > ERR_MSG_ADVICE)
    err_prog(__FILE__, __LINE__, "Unknown error message type (%d)\n", type);
  TOVParamNLSMsgBldrCtlg* builder;
  try {
    builder = new TOVParamNLSMsgBldrCtlg(catalog, key);
    for (; params != nullptr && *params != nullptr; ++params)
      builder->AddNewParameter(*params);
  } catch (const std::bad_alloc&) {
    return ReportNoMemory();
  }
  TOVParamNLSMsgBldrCtlg*& slot = Pending.slot[type];
  if (slot != nullptr)
    slot->Release();
  slot = builder;
  return 0;
}

/// The slot's builder as a handler that takes over the slot's reference, emptying it.
TOVNLSMsgBldrRfHndlr TakeSlot(int type) {
  TOVParamNLSMsgBldrCtlg* builder = Pending.slot[type];
  Pending.slot[type] = nullptr;
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef, builder);
}

int LibraryRecord(const char* file, int line, int type) {
  static const MORErrorType ErrorTypes[] = {MORInformation, MORWarning, MORCriticalError,
                                            MORFatalError};
  if (type < ERR_RECORD_INFORMATION || type > ERR_RECORD_FATAL)
    err_prog(__FILE__, __LINE__, "Wrong error type (%d)\n", type);
  TOVNLSMsgBldrRfHndlr request = TakeSlot(ERR_MSG_REQUEST);
  TOVNLSMsgBldrRfHndlr diagnostic = TakeSlot(ERR_MSG_DIAGNOSTIC);
  TOVNLSMsgBldrRfHndlr advice = TakeSlot(ERR_MSG_ADVICE);
  try {
    return static_cast<int>(
        TOVRaiseError(file, line, request, diagnostic, advice, ErrorTypes[type], E_FAIL));
  } catch (const std::bad_alloc&) {
    return ReportNoMemory();
  }
}

void LibraryDisplay() {
  MORError* error = MORGetLastError(E_FAIL, nullptr);
  if (error == nullptr)
    return;
  TOVErrorDisplayToISO8859Term* display = new TOVErrorDisplayToISO8859Term;
  display->Display(*error);
  display->Release();
  error->Release();
  MORCleanLastError();
}

const err_table LibraryTable = {LibraryMessage, LibraryRecord, LibraryDisplay};

const err_table* Table() {
  return InstalledTable.load(std::memory_order_acquire);
}

/// Hands a message to the installed message handler, or says that none can take it.
int DispatchMessage(const char* catalog, int type, const char* key, const char* const* params) {
  const err_table* table = Table();
  if (table == nullptr || table->message == nullptr) {
    fprintf(stderr, "Unable to process the error message \"%s\"\n", key != nullptr ? key : "");
    return -1;
  }
  return table->message(catalog, type, key, params);
}

} // namespace

namespace tovcb {

int Message(const char* catalog, int type, const char* key,
            std::initializer_list<const char*> params) {
  const char* list[8];
  size_t count = 0;
  for (const char* param : params) {
    if (count + 1 < sizeof list / sizeof list[0])
      list[count++] = param != nullptr ? param : "";
  }
  list[count] = nullptr;
  return DispatchMessage(catalog, type, key, list);
}

void WriteLine(const char* kind, const char* file, int line, const char* format, va_list args) {
  // The line buffer is the caller's own, so threads reporting at once never mix lines; a
  // line longer than the buffer is cut.
  char buffer[1024];
  int used = snprintf(buffer, sizeof buffer, "%s %s at %s:%d: ", "#ERR#", kind,
                      file != nullptr ? file : "", line);
  if (used < 0)
    used = 0;
  if (static_cast<size_t>(used) < sizeof buffer - 1 && format != nullptr)
    vsnprintf(buffer + used, sizeof buffer - static_cast<size_t>(used), format, args);
  fprintf(stderr, "%s\n", buffer);
  fflush(stderr);
  fflush(stdout);
  fflush(stderr);
}

const Case& FindCase(const Case* cases, int error) {
  while (cases->error != AnyError && cases->error != error)
    ++cases;
  return *cases;
}

void CheckRange(const char* file, int line, int value, int last, const char* text) {
  if (static_cast<unsigned int>(value) > static_cast<unsigned int>(last))
    err_prog(file, line, text, value);
}

} // namespace tovcb

extern "C" {

void err_start(const err_table* table) {
  InstalledTable.store(table, std::memory_order_release);
}

void ErrorProcessingStart(void) {
  err_start(&LibraryTable);
}

int err_msg(const char* catalog, int type, const char* key, ...) {
  std::vector<const char*> params;
  va_list args;
  va_start(args, key);
  for (const char* param = va_arg(args, const char*); param != nullptr;
       param = va_arg(args, const char*))
    params.push_back(param);
  va_end(args);
  params.push_back(nullptr);
  return DispatchMessage(catalog, type, key, params.data());
}

int err_msg_record(const char* file, int line, int type) {
  const err_table* table = Table();
  if (table == nullptr || table->record == nullptr) {
    fprintf(stderr, "Unable to create the error message\n");
    return -1;
  }
  int result = table->record(file, line, type);
  if (type != ERR_RECORD_CRITICAL && table->display != nullptr)
    table->display();
  if (type == ERR_RECORD_FATAL) {
    fflush(stdout);
    fflush(stderr);
    exit(127);
  }
  return result;
}

void err_display(void) {
  const err_table* table = Table();
  if (table != nullptr && table->display != nullptr)
    table->display();
}

void err_prog(const char* file, int line, const char* format, ...) {
  va_list args;
  va_start(args, format);
  tovcb::WriteLine("Fatal internal error", file, line, format, args);
  va_end(args);
  abort();
}

void err_prog_warning(const char* file, int line, const char* format, ...) {
  va_list args;
  va_start(args, format);
  tovcb::WriteLine("Warning", file, line, format, args);
  va_end(args);
}

} // extern "C"
