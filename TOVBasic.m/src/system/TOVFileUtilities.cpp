#include "TOVFileUtilities.h"
#include "TOVFatalInternalError.h"
#include "TOVRaiseError.h"
#include "TOVUtilities.h"
#include "TOVVector.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The directory bit of the attributes that ElementType reports.
const unsigned int DirectoryAttribute = 16;
// The block size of CompareFileContents.
const int CompareBlockSize = 32000;

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// Makes pending the error of message msgId with the path parameters followed by the
// system's reason for error code, raised at file and line; gives its failure code.
template <class... Paths>
long RaiseFileError(const char* file, int line, int code, const char* msgId,
                    const Paths&... paths) {
  TOVString reason(strerror(code));
  return TOVRaiseError(file, line, TOVNLSMsgBldrRfHndlr(),
                       TOVCatalogMsg("TOVBC", msgId, paths..., reason), TOVNLSMsgBldrRfHndlr());
}

// The failure of the call just made: errno is read before anything else can change it.
#define TOV_FILE_ERROR(msgId, ...) RaiseFileError(__FILE__, __LINE__, errno, msgId, __VA_ARGS__)
// The failure of an operation given a null stream.
#define TOV_NO_STREAM_ERROR(msgId, path) RaiseFileError(__FILE__, __LINE__, EBADF, msgId, path)

// The position of the last character of text equal to c, or -1.
int LastIndexOf(const TOVString& text, char c) {
  for (int i = text.Length() - 1; i >= 0; --i)
    if (text[i] == c)
      return i;
  return -1;
}

} // namespace

unsigned int TOVFileUtilities::ComparePath(const TOVString& iPathA, const TOVString& iPathB) {
  int i = 0;
  for (; i < iPathA.Length() && i < iPathB.Length(); ++i) {
    char a = iPathA[i];
    char b = iPathB[i];
    if (a != b && !IsSeparator(a) && !IsSeparator(b))
      return 0;
  }
  return i == iPathA.Length() && i == iPathB.Length() ? 1 : 0;
}

void TOVFileUtilities::ExtractExtensionFromFileName(const TOVString& iFileName,
                                                    TOVString& oBaseName, TOVString& oExtension,
                                                    unsigned int& oHasExtension) {
  // The input may be one of the outputs: work on a copy.
  TOVString name(iFileName);
  int dot = LastIndexOf(name, '.');
  oHasExtension = dot >= 0 ? 1 : 0;
  if (dot < 0) {
    oBaseName = name;
    oExtension = "";
    return;
  }
  oBaseName.Copy(name, dot);
  oExtension = "";
  oExtension.Concat(static_cast<const char*>(name) + dot + 1, name.Length() - dot - 1);
}

void TOVFileUtilities::ExtractPathAndExtFromFileFullPath(const TOVString& iFullPath,
                                                         TOVString& oDir, TOVString& oBaseName,
                                                         TOVString& oExtension,
                                                         unsigned int& oHasExtension) {
  TOVString path(iFullPath);
  int separator = LastIndexOf(path, '/');
  int backslash = LastIndexOf(path, '\\');
  if (backslash > separator)
    separator = backslash;
  TOVString fileName;
  fileName.Concat(static_cast<const char*>(path) + separator + 1, path.Length() - separator - 1);
  oDir.Copy(path, separator + 1);
  ExtractExtensionFromFileName(fileName, oBaseName, oExtension, oHasExtension);
}

void TOVFileUtilities::ReplaceSeparators(const TOVString& iPath, char iSeparator,
                                         TOVString& oPath) {
  if (!IsSeparator(iSeparator))
    TOVFatalInternalError("Separator values ", iSeparator, " and neither \\ nor /");
  TOVString path(iPath);
  oPath = "";
  for (int i = 0; i < path.Length(); ++i) {
    char c = IsSeparator(path[i]) ? iSeparator : path[i];
    oPath.Concat(&c, 1);
  }
}

long TOVFileUtilities::FileOpen(const TOVString& iPath, const TOVString& iMode, FILE*& oStream) {
  oStream = fopen(iPath, iMode);
  if (oStream == nullptr)
    return TOV_FILE_ERROR("0201", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::FileClose(FILE* iStream, const TOVString& iPath) {
  if (iStream == nullptr)
    return TOV_NO_STREAM_ERROR("0202", iPath);
  if (fclose(iStream) != 0)
    return TOV_FILE_ERROR("0202", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::FileGetString(char* oBuffer, int iSize, FILE* iStream,
                                     unsigned int& oEndOfFile, const TOVString& iPath) {
  if (oBuffer == nullptr || iSize < 1)
    TOVFatalInternalError("FileGetString(): buffer of size ", iSize, " for file ",
                          static_cast<const char*>(iPath));
  oEndOfFile = 0;
  if (iStream == nullptr) {
    oBuffer[0] = '\0';
    return TOV_NO_STREAM_ERROR("0205", iPath);
  }
  if (fgets(oBuffer, iSize, iStream) != nullptr)
    return TOV_RETURN_SUCCESS();
  int code = errno;
  oEndOfFile = 1;
  oBuffer[0] = '\0';
  if (ferror(iStream))
    return RaiseFileError(__FILE__, __LINE__, code, "0205", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::FilePutString(const char* iText, FILE* iStream, const TOVString& iPath) {
  if (iStream == nullptr)
    return TOV_NO_STREAM_ERROR("0203", iPath);
  if (fputs(iText != nullptr ? iText : "", iStream) < 0)
    return TOV_FILE_ERROR("0203", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::FileRead(void* oBuffer, size_t iElementSize, unsigned int iNbElements,
                                FILE* iStream, unsigned int& oNbRead, const TOVString& iPath) {
  oNbRead = 0;
  if (iStream == nullptr)
    return TOV_NO_STREAM_ERROR("0209", iPath);
  oNbRead = static_cast<unsigned int>(fread(oBuffer, iElementSize, iNbElements, iStream));
  if (ferror(iStream))
    return TOV_FILE_ERROR("0209", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::FileWrite(const void* iBuffer, size_t iElementSize, unsigned int iNbElements,
                                 FILE* iStream, unsigned int& oNbWritten, const TOVString& iPath) {
  oNbWritten = 0;
  if (iStream == nullptr)
    return TOV_NO_STREAM_ERROR("0212", iPath);
  oNbWritten = static_cast<unsigned int>(fwrite(iBuffer, iElementSize, iNbElements, iStream));
  if (ferror(iStream))
    return TOV_FILE_ERROR("0212", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::FileSeek(FILE* iStream, long iOffset, int iOrigin, const TOVString& iPath) {
  if (iStream == nullptr)
    return TOV_NO_STREAM_ERROR("0210", iPath);
  if (fseek(iStream, iOffset, iOrigin) != 0)
    return TOV_FILE_ERROR("0210", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::FileTell(FILE* iStream, long& oPosition, const TOVString& iPath) {
  oPosition = -1;
  if (iStream == nullptr)
    return TOV_NO_STREAM_ERROR("0211", iPath);
  oPosition = ftell(iStream);
  if (oPosition == -1)
    return TOV_FILE_ERROR("0211", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::MkDir(const TOVString& iPath, unsigned int iMode) {
  if (mkdir(iPath, static_cast<mode_t>(iMode)) != 0)
    return TOV_FILE_ERROR("0206", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::ChDir(const TOVString& iPath) {
  if (chdir(iPath) != 0)
    return TOV_FILE_ERROR("0214", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::Rename(const TOVString& iOldPath, const TOVString& iNewPath) {
  if (rename(iOldPath, iNewPath) != 0)
    return TOV_FILE_ERROR("0215", iOldPath, iNewPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::FileRemove(const TOVString& iPath, unsigned int iIgnoreIfMissing) {
  // remove() would also take an empty directory; this operation removes files only.
  if (unlink(iPath) != 0 && !(iIgnoreIfMissing != 0 && errno == ENOENT))
    return TOV_FILE_ERROR("0207", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::DirRemove(const TOVString& iPath, unsigned int iIgnoreIfMissing) {
  if (rmdir(iPath) != 0 && !(iIgnoreIfMissing != 0 && errno == ENOENT))
    return TOV_FILE_ERROR("0208", iPath);
  return TOV_RETURN_SUCCESS();
}

long TOVFileUtilities::ElementType(const TOVString& iPath, unsigned int& oExists,
                                   unsigned int& oSecondFlag, unsigned int& oIsDirectory) {
  oExists = 0;
  oSecondFlag = 0;
  oIsDirectory = 0;
  struct stat attributes {};
  if (stat(iPath, &attributes) == 0) {
    oExists = 1;
    oIsDirectory = S_ISDIR(attributes.st_mode) ? DirectoryAttribute : 0;
    return TOV_RETURN_SUCCESS();
  }
  if (errno == ENOENT)
    return TOV_RETURN_SUCCESS();
  MORUnicodeString reason = TOVUtilities::GetWindowsBasicLastErrorMsg();
  return TOV_RAISE_ERROR(TOVNLSMsgBldrRfHndlr(), TOVCatalogMsg("TOVBC", "0213", iPath, reason),
                         TOVNLSMsgBldrRfHndlr());
}

long TOVFileUtilities::CompareFileContents(const TOVVector& iFilePathSet, unsigned int& oEqual) {
  int nbFiles = iFilePathSet.Size();
  if (nbFiles <= 1)
    TOVFatalInternalError("NbFiles = ", nbFiles, " but it must be greater than 1");
  std::unique_ptr<FILE*[]> streams(new FILE*[nbFiles]());
  std::unique_ptr<const TOVString*[]> paths(new const TOVString*[nbFiles]());
  long rc = 0;
  int nbOpened = 0;
  for (int i = 0; i < nbFiles && rc == 0; ++i) {
    paths[i] = TOVCheckedCast<TOVString>(static_cast<const MORBaseUnknown*>(iFilePathSet[i]));
    if (paths[i] == nullptr)
      TOVFatalInternalError("FilePathSet[", i, "] == NULL");
    rc = FileOpen(*paths[i], "rb", streams[i]);
    if (rc == 0)
      nbOpened = i + 1;
  }
  oEqual = 1;
  // Sizes first: files of different sizes are not read at all.
  long referenceSize = 0;
  for (int i = 0; i < nbOpened && rc == 0 && oEqual != 0; ++i) {
    long size = 0;
    rc = FileSeek(streams[i], 0, SEEK_END, *paths[i]);
    if (rc == 0)
      rc = FileTell(streams[i], size, *paths[i]);
    if (rc == 0 && i == 0)
      referenceSize = size;
    else if (rc == 0)
      oEqual = size == referenceSize ? 1 : 0;
  }
  for (int i = 0; i < nbOpened && rc == 0 && oEqual != 0; ++i)
    rc = FileSeek(streams[i], 0, SEEK_SET, *paths[i]);
  // Contents, one block of each file per round.
  std::unique_ptr<char[]> reference(new char[CompareBlockSize]);
  std::unique_ptr<char[]> other(new char[CompareBlockSize]);
  bool endReached = false;
  while (rc == 0 && oEqual != 0 && !endReached) {
    unsigned int referenceCount = 0;
    for (int i = 0; i < nbOpened && rc == 0 && oEqual != 0; ++i) {
      unsigned int count = 0;
      rc = FileRead(i == 0 ? reference.get() : other.get(), 1, CompareBlockSize, streams[i], count,
                    *paths[i]);
      if (rc != 0)
        break;
      if (count < static_cast<unsigned int>(CompareBlockSize))
        endReached = true;
      if (i == 0)
        referenceCount = count;
      else
        oEqual = count == referenceCount && std::memcmp(reference.get(), other.get(), count) == 0;
    }
  }
  for (int i = 0; i < nbOpened; ++i) {
    if (rc == 0)
      rc = FileClose(streams[i], *paths[i]);
    else
      fclose(streams[i]);
  }
  return rc;
}

const char* TOVFileUtilities::GetWindowsFileNameForbiddenCharacters() {
  return "\"?\\/<>*|:";
}

unsigned int TOVFileUtilities::CheckWindowsFileName(const char* iName) {
  if (iName == nullptr)
    return 1;
  const char* forbidden = GetWindowsFileNameForbiddenCharacters();
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(iName); *p != '\0'; ++p)
    if (*p < 32 || std::strchr(forbidden, *p) != nullptr)
      return 0;
  return 1;
}
