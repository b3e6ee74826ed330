// The example pair run as a user would: the server in the background, then the client.
#include "NetTestSupport.h"
#include "TOVTestSupport.h"
#include "TOVToolProcess.h"

namespace {

const std::string Examples = std::string(TOV_BINARY_DIR) + "/examples/";

} // namespace

TEST(ExampleTest, ClientGetsAnAnswerToEveryMessage) {
  std::string dir = tovtest::MakeTempDir();
  std::string port = std::to_string(nettest::FreePort());
  // The server serves two clients: the example client, then a peer sending a bad header.
  tovtest::ToolRun run = tovtest::RunTool(
      "{ (" + Examples + "tovmsgserver " + port + " 2 >" + dir + "/server 2>&1 &);" +
      " for i in $(seq 200); do grep -q listening " + dir + "/server && break; sleep 0.05;" +
      " done; " + Examples + "tovmsgclient 127.0.0.1 " + port + " hello typed world" +
      " && printf 'garbage!' | python3 -c 'import socket,sys; s=socket.create_connection((\"" +
      "127.0.0.1\", " + port + ")); s.sendall(sys.stdin.buffer.read()); s.recv(1)';" +
      " for i in $(seq 200); do grep -q served " + dir + "/server && break; sleep 0.05; done; }");
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_EQ("text: HELLO\ntext: TYPED\ntext: WORLD\nsum of 3 numbers: 15\n", run.out);
  EXPECT_EQ("tovmsgserver: listening on port " + port +
                "\nReading a received message.\n"
                "#ERR# TOVCOM - INPUT_CONV: The message header is invalid or its type is "
                "unknown.\nCheck that both programs use the same version of the protocol.\n\n"
                "tovmsgserver: served 2 clients\n",
            tovtest::ReadFile(dir + "/server"));
  // No server there: the client says so.
  run = tovtest::RunTool(Examples + "tovmsgclient 127.0.0.1 " + port + " hello");
  EXPECT_EQ(1, run.status);
  EXPECT_NE(std::string::npos, run.err.find("TOVSOCK - CONNECT")) << run.err;
}
