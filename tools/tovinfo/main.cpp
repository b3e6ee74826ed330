// tovinfo: prints the library's version and the tree of every registered class with its
// GUID, children indented under their parent and sorted by name.
#include "MORMetaClass.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMacro.h"
#include "TOVOFStream.h"
#include "TOVVersion.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

namespace {

using ClassList = std::vector<MORMetaClass*>;

/// The GUID as {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
void FormatGuid(const MORGUID& g, char (&out)[39]) {
  std::snprintf(out, sizeof out, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
}

void Collect(MORMetaClass* meta, void* context) {
  static_cast<ClassList*>(context)->push_back(meta);
}

bool ByName(const MORMetaClass* a, const MORMetaClass* b) {
  return std::strcmp(a->GetName(), b->GetName()) < 0;
}

void PrintTree(const MORMetaClass* meta, const std::map<const MORMetaClass*, ClassList>& children,
               int depth) {
  char guid[39];
  FormatGuid(meta->GetGuid(), guid);
  for (int i = 0; i < depth; ++i)
    TOVStdout << "  ";
  TOVStdout << meta->GetName() << ' ' << guid << '\n';
  auto found = children.find(meta);
  if (found == children.end())
    return;
  for (const MORMetaClass* child : found->second)
    PrintTree(child, children, depth + 1);
}

} // namespace

int main() {
  TOVGlobalObjectCleaner cleaner;
  TOVRegisterAllClasses();

  ClassList all;
  MORMetaClass::ForEach(&Collect, &all);
  std::sort(all.begin(), all.end(), &ByName);
  std::map<const MORMetaClass*, ClassList> children;
  ClassList roots;
  for (MORMetaClass* meta : all) {
    if (meta->GetParent() == nullptr)
      roots.push_back(meta);
    else
      children[meta->GetParent()].push_back(meta);
  }

  TOVStdout << "TOVBasic " << TOVGetVersion() << '\n';
  TOVStdout << "Registered classes: " << static_cast<unsigned long>(all.size()) << '\n';
  for (const MORMetaClass* root : roots)
    PrintTree(root, children, 0);
  TOVStdout.Flush();
  return TOVStdout.Error() == 0 ? 0 : 1;
}
