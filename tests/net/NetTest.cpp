// The socket layer: use count, port choice, client and server failures, the client trace
// and the mapping of network paths.
#include "NetTestSupport.h"
#include "TOVTestSupport.h"

#include <netinet/tcp.h>
#include <vector>

using namespace nettest;

namespace {

class NetTest : public ::testing::Test {
protected:
  void SetUp() override {
    ErrorProcessingStart();
    ASSERT_EQ(0, net_start());
  }
  void TearDown() override {
    net_stop();
    MORCleanLastError();
    unsetenv("TOV_SMB_CONF");
    unsetenv("TOV_MOUNTS");
  }
};

// The local path that net_dos_search finds for path, "none", or "failed".
std::string Search(const char* iPath) {
  TOVCOMNetEntry* entry = reinterpret_cast<TOVCOMNetEntry*>(1);
  if (net_dos_search(iPath, &entry) != 0)
    return "failed";
  return entry == nullptr ? "none" : entry->dos;
}

std::string HostName() {
  char host[256];
  gethostname(host, sizeof host);
  return host;
}

} // namespace

TEST_F(NetTest, AutomaticPortsTakeTheFirstFreeOneOfTheRange) {
  // Take every free port of the range: each is the first one free at its time.
  std::vector<std::pair<int, int>> taken;
  int port = -1, server;
  while ((server = net_serv_start(&port)) >= 0) {
    EXPECT_GE(port, 23400);
    EXPECT_LE(port, 23499);
    EXPECT_TRUE(taken.empty() || port > taken.back().first);
    taken.emplace_back(port, server);
    port = -1;
  }
  EXPECT_LE(taken.size(), 100u);
  EXPECT_EQ(-1, port);
  EXPECT_EQ("TOVCOM:FULLC() TOVCOM:FULL()", TakeReport());
  ASSERT_FALSE(taken.empty());
  // A port in use named explicitly is refused with its number.
  port = taken.back().first;
  EXPECT_EQ(-1, net_serv_start(&port));
  EXPECT_EQ("TOVSOCK:BINDC() TOVSOCK:BIND(" + std::to_string(port) + ")", TakeReport());
  // Freeing one makes it the next choice.
  auto middle = taken.begin() + static_cast<long>(taken.size() / 2);
  net_serv_stop(middle->second);
  port = -1;
  middle->second = net_serv_start(&port);
  EXPECT_EQ(middle->first, port);
  for (auto& [number, socket] : taken)
    net_serv_stop(socket);
  EXPECT_EQ("no error", TakeReport());
  // Port 0 is the default port.
  port = 0;
  server = net_serv_start(&port);
  if (server >= 0) { // unless something else holds it right now
    EXPECT_EQ(23400, port);
    net_serv_stop(server);
  }
  MORCleanLastError();
}

TEST_F(NetTest, ClientsConnectAndAreTraced) {
  int port = FreePort();
  int server = net_serv_start(&port);
  ASSERT_GE(server, 0);
  int client = net_clnt_start("localhost", port);
  ASSERT_GE(client, 0);
  sockaddr_in local{};
  socklen_t length = sizeof local;
  getsockname(client, reinterpret_cast<sockaddr*>(&local), &length);
  trc_set_component("net");
  testing::internal::CaptureStdout();
  int accepted = net_serv_open(server);
  std::string trace = testing::internal::GetCapturedStdout();
  trc_set_component(nullptr);
  ASSERT_GE(accepted, 0);
  char expected[64];
  snprintf(expected, sizeof expected, ": CLIENT 0x%08x %d\n", local.sin_addr.s_addr,
           ntohs(local.sin_port));
  EXPECT_NE(std::string::npos, trace.find(expected)) << trace;
  EXPECT_NE(std::string::npos, trace.find(": CLIENT 0x0100007f ")); // 127.0.0.1, raw
  int keepAlive = 0;
  length = sizeof keepAlive;
  getsockopt(accepted, SOL_SOCKET, SO_KEEPALIVE, &keepAlive, &length);
  EXPECT_EQ(1, keepAlive);
  int noDelay = 0;
  getsockopt(client, IPPROTO_TCP, TCP_NODELAY, &noDelay, &length);
  EXPECT_EQ(1, noDelay);
  EXPECT_EQ(4, send(client, "ping", 4, 0));
  char bytes[4];
  EXPECT_EQ(4, recv(accepted, bytes, 4, MSG_WAITALL));
  net_clnt_stop(client);
  net_serv_close(accepted);
  net_serv_stop(server);
  EXPECT_EQ("no error", TakeReport());
}

TEST_F(NetTest, ClientAndServerFailuresAreReported) {
  EXPECT_EQ(-1, net_clnt_start("no-such-host.invalid", 1));
  EXPECT_EQ("TOVCOM:HOST(no-such-host.invalid) TOVCOM:HOST_ADD()", TakeReport());
  EXPECT_EQ(-1, net_clnt_start("::1", 1));
  EXPECT_EQ("TOVCOM:HOST(::1) TOVCOM:HOST_FORMAT()", TakeReport());
  int port = FreePort();
  EXPECT_EQ(-1, net_clnt_start("127.0.0.1", port));
  EXPECT_EQ("TOVSOCK:CONNECTC(127.0.0.1:" + std::to_string(port) + ") TOVSOCK:CONNECT()",
            TakeReport());
  EXPECT_EQ(nullptr, msg_clnt_start("127.0.0.1", port, nullptr));
  MORCleanLastError();
  // Accepting on a socket that does not listen.
  int idle = socket(AF_INET, SOCK_STREAM, 0);
  EXPECT_EQ(nullptr, msg_srv_open(idle, nullptr));
  EXPECT_EQ("TOVSOCK:ACCEPT() TOVSOCK:UNEXPECTED(Invalid argument.)", TakeReport());
  close(idle);
}

TEST_F(NetTest, NetworkPathsFromSharesAndMounts) {
  std::string dir = tovtest::MakeTempDir();
  std::string host = HostName();
  tovtest::WriteFile(dir + "/smb.conf", "[global]\n   path = /never\n"
                                        "; a comment\n[data]\n  path = /srv/data\n"
                                        "[admin$]\n path = /srv/admin\n"
                                        "[homes]\n browseable = no\n"
                                        "[Long Name]\n  Path = /srv/lo\\\nng\n"
                                        "[both]\n directory = /srv/both-share\n");
  tovtest::WriteFile(dir + "/mounts", "proc /proc proc rw 0 0\n"
                                      "//fileserver/public /mnt/pub cifs rw 0 0\n"
                                      "//Other/With\\040Blank/ /mnt/with\\040blank smb3 rw 0 0\n"
                                      "//" +
                                          host +
                                          "/both /mnt/both cifs rw 0 0\n"
                                          "//nfs/x /mnt/nfs nfs rw 0 0\n");
  setenv("TOV_SMB_CONF", (dir + "/smb.conf").c_str(), 1);
  setenv("TOV_MOUNTS", (dir + "/mounts").c_str(), 1);
  std::string unc = "\\\\" + host + "\\";
  EXPECT_EQ("/srv/data", Search((unc + "data").c_str()));
  EXPECT_EQ("/srv/data", Search(("//" + host + "/DATA/x/y").c_str()));
  EXPECT_EQ("none", Search((unc + "database").c_str()));
  EXPECT_EQ("none", Search((unc + "admin$").c_str()));
  EXPECT_EQ("none", Search((unc + "global").c_str()));
  EXPECT_EQ("none", Search((unc + "homes").c_str()));
  EXPECT_EQ("/srv/long", Search((unc + "long name\\f").c_str()));
  EXPECT_EQ("/srv/both-share", Search((unc + "both\\f").c_str())); // the share wins
  EXPECT_EQ("/mnt/pub/", Search("\\\\FILESERVER\\Public\\doc.txt"));
  EXPECT_EQ("/mnt/with blank/", Search("//other/with blank"));
  EXPECT_EQ("none", Search("\\\\nfs\\x"));
  EXPECT_EQ("none", Search("\\\\"));

  // The tables are kept until the last stop; a new start reads them again.
  tovtest::WriteFile(dir + "/smb.conf", "[new]\npath=/srv/new\n");
  ASSERT_EQ(0, net_start());
  net_stop();
  EXPECT_EQ("none", Search((unc + "new").c_str()));
  net_stop();
  ASSERT_EQ(0, net_start());
  EXPECT_EQ("/srv/new", Search((unc + "new").c_str()));
  EXPECT_EQ("none", Search((unc + "data").c_str()));

  // A missing configuration means no shares; a mount table that cannot be read fails.
  net_stop();
  net_start();
  setenv("TOV_SMB_CONF", (dir + "/missing").c_str(), 1);
  setenv("TOV_MOUNTS", (dir + "/missing").c_str(), 1);
  EXPECT_EQ("failed", Search("\\\\fileserver\\public"));
  EXPECT_EQ("TOVCOM:USE() TOVCOM:UNEXPECTED(2)", TakeReport());
  setenv("TOV_MOUNTS", (dir + "/mounts").c_str(), 1);
  EXPECT_EQ("/mnt/pub/", Search("\\\\fileserver\\public"));
  setenv("TOV_SMB_CONF", dir.c_str(), 1); // a directory: not a readable configuration
  net_stop();
  net_start();
  EXPECT_EQ("failed", Search("\\\\fileserver\\public"));
  EXPECT_EQ("TOVCOM:SHARE() TOVCOM:UNEXPECTED(21)", TakeReport());
}
