#include "TOVTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tovtest {

std::string EscapeRegex(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos)
      out += '\\';
    out += c;
  }
  return out;
}

std::string FatalText(const std::string& message) {
  return "#ERR# Fatal internal error: '" + EscapeRegex(message) +
         "' on file: [^\n]+ at line: [0-9]+\nContact your administrator\n";
}

std::string MakeTempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base != nullptr && *base ? base : "/tmp") + "/tovtest.XXXXXX";
  char* made = mkdtemp(&pattern[0]);
  return made != nullptr ? std::string(made) : std::string();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

} // namespace tovtest
