// Named message catalogs: finding, reading and looking up messages.
#ifndef MORMSGCATALOG_H
#define MORMSGCATALOG_H

#include "MORMsg.h"
#include "MORTypes.h"

#include <memory>
#include <string>

struct MORCatalogContent;

/// A message catalog. Catalog N is the text file N.msg: "KEY = text" per line, "#" starts
/// a comment line, "\n" and "\\" are the escapes of the text.
///
/// With a path, LoadMsgCatalog looks only in that directory; without one, in each
/// directory of the colon-separated TOV_MSG_PATH, then in the installed catalog directory,
/// then in the copy of the library's own catalogs compiled into the runtime.
class WV0CORE_API MORMsgCatalog {
public:
  MORMsgCatalog();
  ~MORMsgCatalog();
  MORMsgCatalog(const MORMsgCatalog&) = delete;
  MORMsgCatalog& operator=(const MORMsgCatalog&) = delete;

  /// Loads catalog name; gives non-zero on success. A file with bad lines still loads
  /// with its good lines (GetError then names the first bad line) unless no line is good.
  int LoadMsgCatalog(const char* name, const char* path);
  /// Loads catalog name from size bytes of catalog text; origin names it in errors.
  int LoadMsgCatalogFromText(const char* name, const char* text, size_t size, const char* origin);
  /// Why the last load failed or which line of the file was bad; empty when all went well.
  const char* GetError() const;
  /// The file (or compiled-in copy) the catalog was read from; empty before a load.
  const char* GetSource() const;
  /// The message msgId, empty when the catalog lacks it or is not loaded.
  MORMsg GetCatalogMsg(const char* msgId) const;
  /// The number of messages the catalog holds.
  int GetMsgCount() const;

private:
  std::shared_ptr<const MORCatalogContent> _pContent;
  std::string _Error;
  std::string _Source;
};

#endif
