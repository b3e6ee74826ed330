// Host information, services as systemd units and the registry as a file tree.
#include "TOVGlobalObjectCleaner.h"
#include "TOVHostInfo.h"
#include "TOVNTServiceUtilities.h"
#include "TOVOSType.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"
#include "TOVToolProcess.h"

#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <string>

namespace {

TEST(HostInfo, DescribesThisHostOnce) {
  TOVGlobalObjectCleaner cleaner;
  TOVHostInfo& host = TOVHostInfo::GetGlobal();
  EXPECT_EQ(&TOVHostInfo::GetGlobal(), &host);
  char name[256] = {};
  ASSERT_EQ(gethostname(name, sizeof name - 1), 0);
  for (char* p = name; *p; ++p)
    *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
  EXPECT_STREQ(host.GetHostName(), name);
  utsname system;
  ASSERT_EQ(uname(&system), 0);
  EXPECT_STREQ(host.GetOSName(), system.sysname);
  // "6.1.0-18-amd64" gives "6.1".
  std::string release = system.release;
  EXPECT_EQ(std::string(host.GetOSVersion()),
            release.substr(0, release.find('.', release.find('.') + 1)));
  if (std::string(system.machine) == "x86_64") {
    EXPECT_STREQ(host.GetProcessorType(), "amd64");
  }
  EXPECT_STREQ(host.GetOSType().GetCode(), "UNIX");
}

// ---------------------------------------------------------------------------
// Services.

class ServiceTest : public ::testing::Test {
protected:
  void SetUp() override {
    _Dir = tovtest::MakeTempDir();
    setenv("TOV_SERVICE_DIR", _Dir.c_str(), 1);
  }
  void TearDown() override {
    tovtest::RunTool("rm -rf '" + _Dir + "'");
    unsetenv("TOV_SERVICE_DIR");
  }
  std::string Unit(const std::string& name) { return tovtest::ReadFile(_Dir + "/" + name); }
  // What the service manager's own check says of the units (empty when all is well).
  std::string Verify(const std::string& units) {
    if (access("/usr/bin/systemd-analyze", X_OK) != 0 && access("/bin/systemd-analyze", X_OK) != 0)
      return "skip";
    tovtest::ToolRun run = tovtest::RunTool("cd '" + _Dir +
                                            "' && systemd-analyze verify --man=no "
                                            "--generators=no " +
                                            units);
    return run.err + run.out + (run.status == 0 ? "" : "failed");
  }
  std::string _Dir;
};

TEST_F(ServiceTest, RegistersQuotedCommandAndDependency) {
  EXPECT_EQ(TOVNTServiceUtilities::Register("dep", "prod", "Dependency", "/bin/true", 0, "none"),
            0);
  EXPECT_EQ(TOVNTServiceUtilities::Register("srv", "prod", "Tovel", "/bin/true", 1, "dep"), 0);
  EXPECT_EQ(TOVNTServiceUtilities::IsRegistered("srv", "prod"), 1u);
  EXPECT_EQ(TOVNTServiceUtilities::IsRegistered("srv", "test"), 0u);
  // A dependency that is not registered is left out.
  EXPECT_EQ(Unit("prod_dep.service"),
            "[Unit]\nDescription=Dependency dep\n\n[Service]\nType=simple\n"
            "ExecStart=\"/bin/true\" dep\n");
  EXPECT_EQ(Unit("prod_srv.service"),
            "[Unit]\nDescription=Tovel srv\nAfter=prod_dep.service\nRequires=prod_dep.service\n\n"
            "[Service]\nType=simple\nExecStart=\"/bin/true\" srv\n\n[Install]\n"
            "WantedBy=multi-user.target\n");
  char link[256] = {};
  ASSERT_GT(
      readlink((_Dir + "/multi-user.target.wants/prod_srv.service").c_str(), link, sizeof link - 1),
      0);
  EXPECT_STREQ(link, "../prod_srv.service");
  // A path that begins with a double quote is not quoted again.
  EXPECT_EQ(TOVNTServiceUtilities::Register("q", "prod", "Q", "\"/bin/true\"", 0, ""), 0);
  EXPECT_NE(Unit("prod_q.service").find("\nExecStart=\"/bin/true\" q\n"), std::string::npos);
  std::string verdict = Verify("prod_dep.service prod_srv.service prod_q.service");
  if (verdict == "skip")
    GTEST_SKIP() << "systemd-analyze is not installed: the units are not verified";
  EXPECT_EQ(verdict, "");
}

TEST_F(ServiceTest, CallerTextsCannotAddDirectives) {
  const std::string base = "x\nExecStartPre=/bin/false";
  const std::string prefix = "evil %n\n[Service]\nUser=nobody\\";
  const std::string path = "/bin/true\nExecStopPost=/bin/false \"%h\" \\";
  ASSERT_EQ(
      TOVNTServiceUtilities::Register(base.c_str(), "in=st", prefix.c_str(), path.c_str(), 0, ""),
      0)
      << tovtest::TakePendingError(E_FAIL);
  EXPECT_EQ(TOVNTServiceUtilities::IsRegistered(base.c_str(), "in=st"), 1u);
  // Every line feed, backslash, percent and quote of the caller's texts is escaped.
  std::string name = "in\\x3dst_x\\x0aExecStartPre\\x3d\\x2fbin\\x2ffalse.service";
  std::string unit = Unit(name);
  EXPECT_EQ(unit, "[Unit]\nDescription=evil %%n\\x0a[Service]\\x0aUser=nobody\\x5c "
                  "x\\x0aExecStartPre=/bin/false\n\n[Service]\nType=simple\nExecStart=\""
                  "/bin/true\\x0aExecStopPost=/bin/false \\\"%%h\\\" \\\\\" "
                  "\"x\\x0aExecStartPre=/bin/false\"\n");
  // The service manager reads the same unit without a word of complaint. The program path
  // does not exist, so the check runs on a copy whose command is /bin/true.
  size_t exec = unit.find("ExecStart=");
  unit = unit.substr(0, exec) + "ExecStart=\"/bin/true\"" + unit.substr(unit.find(" \"x", exec));
  tovtest::WriteFile(_Dir + "/check.service", unit);
  std::string verdict = Verify("check.service '" + name + "'");
  if (verdict == "skip")
    GTEST_SKIP() << "systemd-analyze is not installed: the units are not verified";
  EXPECT_EQ(verdict.find("check.service"), std::string::npos) << verdict;
}

TEST_F(ServiceTest, FailuresAreReported) {
  ASSERT_EQ(TOVNTServiceUtilities::Register("srv", "prod", "P", "/bin/true", 0, ""), 0);
  EXPECT_EQ(TOVNTServiceUtilities::Register("srv", "prod", "P", "/bin/true", 0, ""), E_FAIL);
  EXPECT_EQ(tovtest::TakePendingError(E_FAIL), "TOVBC 0405 " + std::string(strerror(EEXIST)));
  EXPECT_EQ(TOVNTServiceUtilities::Unregister("srv", "prod"), 0);
  EXPECT_EQ(TOVNTServiceUtilities::IsRegistered("srv", "prod"), 0u);
  EXPECT_EQ(TOVNTServiceUtilities::Unregister("srv", "prod"), E_FAIL);
  EXPECT_EQ(tovtest::TakePendingError(E_FAIL), "TOVBC 0404 prod_srv");
  std::string longName(300, 'n');
  EXPECT_EQ(TOVNTServiceUtilities::Register(longName.c_str(), "prod", "P", "/bin/true", 0, ""),
            E_FAIL);
  EXPECT_EQ(tovtest::TakePendingError(E_FAIL), "TOVBC 0405 " + std::string(strerror(ENAMETOOLONG)));
  setenv("TOV_SERVICE_DIR", (_Dir + "/missing").c_str(), 1);
  EXPECT_EQ(TOVNTServiceUtilities::IsRegistered("srv", "prod"), 0u);
  EXPECT_EQ(TOVNTServiceUtilities::Register("srv", "prod", "P", "/bin/true", 0, ""), E_FAIL);
  EXPECT_EQ(tovtest::TakePendingError(E_FAIL), "TOVBC 0401 ");
  EXPECT_EQ(TOVNTServiceUtilities::Unregister("srv", "prod"), E_FAIL);
  EXPECT_EQ(tovtest::TakePendingError(E_FAIL), "TOVBC 0401 ");
}

// ---------------------------------------------------------------------------
// Registry.

class RegistryTest : public ServiceTest {
protected:
  void SetUp() override {
    ServiceTest::SetUp();
    setenv("TOV_REGISTRY_DIR", (_Dir + "/reg").c_str(), 1);
  }
  void TearDown() override {
    unsetenv("TOV_REGISTRY_DIR");
    ServiceTest::TearDown();
  }
};

TEST_F(RegistryTest, ValuesAreFilesOfKeyDirectories) {
  EXPECT_EQ(TOVNTServiceUtilities::WriteRegKey("Path", "C:\\bin", "SOFTWARE\\Vemqor\\Tovel"), 1u);
  EXPECT_EQ(tovtest::ReadFile(_Dir + "/reg/SOFTWARE/Vemqor/Tovel/Path"), "C:\\bin");
  EXPECT_EQ(TOVNTServiceUtilities::WriteRegKey("Path", "/opt/bin", "SOFTWARE/Vemqor/Tovel"), 1u);
  EXPECT_EQ(tovtest::ReadFile(_Dir + "/reg/SOFTWARE/Vemqor/Tovel/Path"), "/opt/bin");
  // No part of a key or value name leaves the tree.
  EXPECT_EQ(TOVNTServiceUtilities::WriteRegKey("..", "v", "..\\..\\.\\%"), 1u);
  EXPECT_EQ(tovtest::ReadFile(_Dir + "/reg/%2E./%2E./%2E/%25/%2E."), "v");
  EXPECT_EQ(TOVNTServiceUtilities::WriteRegKey("", "default", "K"), 1u);
  EXPECT_EQ(tovtest::ReadFile(_Dir + "/reg/K/%"), "default");
  // A key with subkeys stays; the root is never deleted.
  EXPECT_EQ(TOVNTServiceUtilities::DeleteRegKey("SOFTWARE\\Vemqor"), 0u);
  EXPECT_EQ(TOVNTServiceUtilities::DeleteRegKey("SOFTWARE\\Vemqor\\Tovel"), 1u);
  EXPECT_EQ(TOVNTServiceUtilities::DeleteRegKey("SOFTWARE\\Vemqor\\Tovel"), 0u);
  EXPECT_EQ(TOVNTServiceUtilities::DeleteRegKey("SOFTWARE\\Vemqor"), 1u);
  EXPECT_EQ(TOVNTServiceUtilities::DeleteRegKey("\\"), 0u);
  struct stat info;
  EXPECT_NE(stat((_Dir + "/reg/SOFTWARE/Vemqor").c_str(), &info), 0);
  EXPECT_EQ(stat((_Dir + "/reg/SOFTWARE").c_str(), &info), 0);
  // A value where a key is wanted fails.
  EXPECT_EQ(TOVNTServiceUtilities::WriteRegKey("Sub", "x", "K"), 1u);
  EXPECT_EQ(TOVNTServiceUtilities::WriteRegKey("v", "x", "K\\Sub"), 0u);
}

} // namespace
