// File-system operations: path dissection, separators, checked stream and directory calls,
// file kinds and the comparison of file contents.
#ifndef TOVFILEUTILITIES_H
#define TOVFILEUTILITIES_H

#include "TOVString.h"

#include <cstdio>

class TOVVector;

/// Static file-system operations. Paths accept both separators, backslash and slash.
///
/// The checked operations (FileOpen to CompareFileContents) give 0 on success. On failure
/// they make a critical TOVError pending, whose diagnostic is a message of catalog "TOVBC"
/// naming the file and the system's reason, and give its failure code (E_FAIL). The path
/// given to the stream operations serves only for that message. A null stream fails like
/// a closed one ("Bad file descriptor") instead of crashing.
class TOVBASIC_API TOVFileUtilities {
public:
  /// 1 when both paths have the same length and match character by character, a
  /// separator on either side matching any character; case counts.
  static unsigned int ComparePath(const TOVString& iPathA, const TOVString& iPathB);
  /// Splits at the last ".": "archive.tar.gz" gives "archive.tar", "gz" and 1; a name
  /// without "." gives itself, "" and 0.
  static void ExtractExtensionFromFileName(const TOVString& iFileName, TOVString& oBaseName,
                                           TOVString& oExtension, unsigned int& oHasExtension);
  /// Splits after the last separator of either kind (oDir keeps it), then splits the file
  /// name as ExtractExtensionFromFileName does.
  static void ExtractPathAndExtFromFileFullPath(const TOVString& iFullPath, TOVString& oDir,
                                                TOVString& oBaseName, TOVString& oExtension,
                                                unsigned int& oHasExtension);
  /// oPath is iPath with every backslash and slash replaced by iSeparator, which must be
  /// one of them (else the process stops).
  static void ReplaceSeparators(const TOVString& iPath, char iSeparator, TOVString& oPath);

  /// fopen; oStream is set in every case (null on failure). Message "0201".
  [[nodiscard]] static long FileOpen(const TOVString& iPath, const TOVString& iMode,
                                     FILE*& oStream);
  /// fclose. Message "0202".
  [[nodiscard]] static long FileClose(FILE* iStream, const TOVString& iPath);
  /// fgets into a buffer of iSize bytes (at least 1); at end of file oEndOfFile is 1 and the
  /// buffer empty, which is a success. Message "0205".
  [[nodiscard]] static long FileGetString(char* oBuffer, int iSize, FILE* iStream,
                                          unsigned int& oEndOfFile, const TOVString& iPath);
  /// fputs. Message "0203".
  [[nodiscard]] static long FilePutString(const char* iText, FILE* iStream, const TOVString& iPath);
  /// fread; a short count without a stream error is a success. Message "0209".
  [[nodiscard]] static long FileRead(void* oBuffer, size_t iElementSize, unsigned int iNbElements,
                                     FILE* iStream, unsigned int& oNbRead, const TOVString& iPath);
  /// fwrite; a short count without a stream error is a success. Message "0212".
  [[nodiscard]] static long FileWrite(const void* iBuffer, size_t iElementSize,
                                      unsigned int iNbElements, FILE* iStream,
                                      unsigned int& oNbWritten, const TOVString& iPath);
  /// fseek with SEEK_SET, SEEK_CUR or SEEK_END. Message "0210".
  [[nodiscard]] static long FileSeek(FILE* iStream, long iOffset, int iOrigin,
                                     const TOVString& iPath);
  /// ftell; oPosition is -1 on failure. Message "0211".
  [[nodiscard]] static long FileTell(FILE* iStream, long& oPosition, const TOVString& iPath);
  /// mkdir with iMode (less the process's umask). Message "0206".
  [[nodiscard]] static long MkDir(const TOVString& iPath, unsigned int iMode);
  /// chdir. Message "0214".
  [[nodiscard]] static long ChDir(const TOVString& iPath);
  /// rename. Message "0215" with both paths.
  [[nodiscard]] static long Rename(const TOVString& iOldPath, const TOVString& iNewPath);
  /// remove of a file; a missing file is a success when iIgnoreIfMissing is not 0.
  /// Message "0207".
  [[nodiscard]] static long FileRemove(const TOVString& iPath, unsigned int iIgnoreIfMissing);
  /// rmdir; a missing directory is a success when iIgnoreIfMissing is not 0. Message "0208".
  [[nodiscard]] static long DirRemove(const TOVString& iPath, unsigned int iIgnoreIfMissing);
  /// What iPath is: oExists 1 when it exists, oIsDirectory 16 for a directory (else 0),
  /// oSecondFlag always 0. A missing path is a success with every flag 0. Message "0213".
  [[nodiscard]] static long ElementType(const TOVString& iPath, unsigned int& oExists,
                                        unsigned int& oSecondFlag, unsigned int& oIsDirectory);
  /// oEqual 1 when every file of iFilePathSet (TOVString paths, at least two, else the
  /// process stops) has the same bytes as the first. Sizes are compared before any byte is
  /// read; files are read in blocks with constant memory. Stops at the first failing
  /// operation and gives its code, oEqual then meaning nothing.
  [[nodiscard]] static long CompareFileContents(const TOVVector& iFilePathSet,
                                                unsigned int& oEqual);

  /// The characters that a portable file name must not hold besides those below 32.
  static const char* GetWindowsFileNameForbiddenCharacters();
  /// 1 unless iName holds a character below 32 or a forbidden one; "" is valid.
  static unsigned int CheckWindowsFileName(const char* iName);
};

#endif
