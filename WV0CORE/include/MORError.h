// Base error of the runtime and the pending error of each thread.
#ifndef MORERROR_H
#define MORERROR_H

#include "MORBaseUnknown.h"
#include "MORUnicodeString.h"

/// Error types. Fatal ranks above critical, then warning, then information.
enum MORErrorType { MORCriticalError = 1, MORFatalError = 2, MORWarning = 3, MORInformation = 4 };

/// One entry of an error table: the error an id stands for.
struct MORErrDsc {
  unsigned int Id;
  MORErrorType Type;
  long ReturnCode;
  const char* MsgCatalog;
  const char* MsgId;
};

/// A recoverable error: type, status code, the catalog message that describes it and the
/// source place that raised it. Errors are reference counted; one of them may be the
/// pending error of the current thread (see GetReturn).
class WV0CORE_API MORError : public MORBaseUnknown {
public:
  /// The longest source file name the error keeps; longer names are cut.
  static constexpr int MaxSourceFileName = 127;

  /// A critical error with return code E_FAIL and no message.
  explicit MORError(unsigned int id);
  /// As MORError(id), with the message msgId of catalog (nulls count as unset).
  MORError(unsigned int id, const char* msgId, const char* catalog);
  MORError(const MORError& other);
  MORError& operator=(const MORError& other);
  ~MORError() override;

  MORMetaClass* GetMetaObject() const override;
  const char* IsA() const override;
  int IsAKindOf(const char* name) const override;

  // Virtual operations of the error, in the order that derived classes extend.
  virtual MORErrorType GetType() const;
  virtual void SetType(MORErrorType type);
  virtual long GetReturnCode() const;
  virtual void SetReturnCode(long rc);
  virtual unsigned int GetId() const;
  /// The catalog name, or null when unset.
  virtual const char* GetMsgCatalog() const;
  virtual void SetMsgCatalog(const char* catalog);
  /// The message id, or null when unset.
  virtual const char* GetMsgId() const;
  virtual void SetMsgId(const char* msgId);
  virtual int GetSourceLineNumber() const;
  virtual void SetSourceLineNumber(int line);
  /// Sets *name to the source file name kept by the error (never null); gives 0, or
  /// E_POINTER when name is null.
  virtual long GetSourceFileName(char** name);
  /// Keeps name (null counts as empty), cut to MaxSourceFileName characters; gives 0.
  virtual long SetSourceFileName(char* name);
  /// The whole text of the error; here the diagnostic.
  virtual MORUnicodeString GetNLSMessage();
  /// What was being done; empty here.
  virtual MORUnicodeString GetNLSRequest();
  /// The catalog message of the error, empty when the error names none.
  virtual MORUnicodeString GetNLSDiagnostic();
  /// What to do about it; empty here.
  virtual MORUnicodeString GetNLSAdvice();
  /// A new copy of this error (one reference, the caller's), or null.
  virtual MORError* CloneSelf();
  /// The table of errors known to the class: none here.
  virtual long GetErrorTable(unsigned int* count, const MORErrDsc** table);

  /// Records the source place of the error; gives this error.
  MORError* Setup(const char* file, int line);

  /// The meta class "MORError", child of the root's.
  static MORMetaClass* MetaObject();
  static const MORGUID& ClassId();
  static const char* ClassName();

  /// Ends an operation that gives a status code. Severity 1 is success: gives 0 (an error
  /// passed along is released). Any other severity is failure: error becomes the pending
  /// error of the thread (taking over the caller's reference, releasing the previous one)
  /// and its return code is given; a failure without an error forgets the pending error
  /// and gives E_FAIL. An error whose return code is not a failure code gets E_FAIL, so
  /// that a failure never reads as success. file and line fill an error that has no
  /// source place yet. object, the one that failed, is not kept.
  [[nodiscard]] static long GetReturn(int severity, MORError* error, MORBaseUnknown* object,
                                      const char* file, int line);

private:
  unsigned int _Id;
  MORErrorType _Type;
  long _ReturnCode;
  char* _pMsgCatalog;
  char* _pMsgId;
  int _SourceLine;
  char _SourceFileName[MaxSourceFileName + 1];
};

/// The pending error of this thread with a new reference (released by the caller) when
/// there is one whose return code is rc; else null. object is not used.
extern "C" WV0CORE_API MORError* MORGetLastError(long rc, MORBaseUnknown* object);
/// Forgets the pending error of this thread (releasing it).
extern "C" WV0CORE_API void MORCleanLastError();

#endif
