// Reading an open text file line by line.
#ifndef TOVVOLATILEONEWAYITERATORFORTEXTFILE_H
#define TOVVOLATILEONEWAYITERATORFORTEXTFILE_H

#include "TOVNLSMsgBldrRfHndlr.h"
#include "TOVString.h"
#include "TOVVolatileOneWayIterator.h"

#include <cstdio>

class TOVExtAnyChars;

/// Gives the lines of a text file, without their line feed or carriage return and line
/// feed, as a TOVExtAnyChars that the next call overwrites (an empty line is a null value).
/// Lines are counted for messages. A line longer than the maximum length either grows the
/// buffer (no maximum given) or is refused with a catalog error. The stream is opened and
/// closed by the caller.
class TOVBASIC_API TOVVolatileOneWayIteratorForTextFile : public TOVVolatileOneWayIterator {
  TOV_DECLARE_CLASS(TOVVolatileOneWayIteratorForTextFile)
public:
  /// The length the buffer starts with when no maximum is given.
  static const int DefaultMaxLineLength = 2040;

  /// Reads stream, named fileName in messages. firstLineNumber is the number of the line
  /// before the first one read (negative: lines are not counted); a negative
  /// maxLineLength gives a buffer that grows from DefaultMaxLineLength as needed. request
  /// is put on the errors met while reading.
  TOVVolatileOneWayIteratorForTextFile(const TOVString& fileName, FILE* stream, int firstLineNumber,
                                       int maxLineLength, const TOVNLSMsgBldrRfHndlr& request);
  /// Frees the line buffer; the stream stays open.
  ~TOVVolatileOneWayIteratorForTextFile() override;

  TOVVolatileOneWayIteratorForTextFile(const TOVVolatileOneWayIteratorForTextFile&) = delete;
  TOVVolatileOneWayIteratorForTextFile&
  operator=(const TOVVolatileOneWayIteratorForTextFile&) = delete;

  /// Sets out to the next line (null at the end of the file) and gives 0; on a read
  /// error or a line over the fixed maximum sets out to null and gives the failure code
  /// of the pending error. Reading goes on after an over-long line's first part.
  long Next(const MORBaseUnknown*& out) override;
  /// The next line, null at the end of the file; a failure is a fatal internal error.
  const MORBaseUnknown* Next() override;
  /// Sets the number of the last line read (negative: stop counting).
  virtual void SetLineNumber(int lineNumber);
  /// The number of the last line read, negative when lines are not counted.
  virtual int GetLineNumber() const;

  /// The current maximum line length (it grows with the buffer when no maximum was given).
  int GetMaxLineLength() const { return _MaxLineLength; }
  /// The length in bytes of the last line given, without its line end. With a growing
  /// buffer it counts every byte, zero bytes included, so that a caller can tell a line
  /// cut at a zero byte (its value stops there) from a whole one; with a fixed maximum
  /// the line is measured up to its first zero byte. 0 before the first line.
  size_t GetLineLength() const { return _LineLength; }

private:
  void CountLine();
  long Read(char* at, size_t room, unsigned int& eof);
  long NextGrowing(const MORBaseUnknown*& out);
  long LookPastMaximum(size_t used, const MORBaseUnknown*& out);
  long Deliver(size_t length, const MORBaseUnknown*& out);
  long TooLong(size_t used, const char* more, const MORBaseUnknown*& out);

  TOVString _FileName;
  FILE* _pStream;
  int _LineNumber;
  int _MaxLineLength;
  size_t _LineLength;
  unsigned int _Growable;
  char* _pLineBuffer;
  TOVExtAnyChars* _pCurrentValue;
  TOVNLSMsgBldrRfHndlr _HRequest;
};

#endif
