#include "MORError.h"
#include "PlainTestSupport.h"
#include "TOVCBErrorProcessing.h"
#include "TOVCBPerformance.h"
#include "TOVCBUUID.h"
#include "TOVRadix64.h"
#include "TOVToolProcess.h"

#include <cstdio>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using ::testing::MatchesRegex;

namespace {

const char Alphabet[] = "+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

tovtest::ToolRun RunPerf(const char* value) {
  return plaintest::RunScenario("perf", "TOVCB_PERF", value);
}

} // namespace

TEST(Radix64, EveryLengthAndDigitRoundTripsAndSortsAsItsValue) {
  // One result buffer: each code is read before the next conversion.
  EXPECT_STREQ(TOVRadix64::Convert(0, 1), "+");
  EXPECT_STREQ(TOVRadix64::Convert(63, 1), "z");
  EXPECT_STREQ(TOVRadix64::Convert(64, 2), "-+");
  EXPECT_STREQ(TOVRadix64::Convert(4294967295u, 6), "1zzzzz");
  for (int digit = 0; digit < 64; ++digit)
    EXPECT_EQ(TOVRadix64::Convert(std::string(1, Alphabet[digit]).c_str()),
              static_cast<unsigned int>(digit));
  for (int length = 1; length <= 6; ++length) {
    const unsigned int top = length == 6 ? 4294967295u : (1u << (6 * length)) - 1;
    for (unsigned int value : {0u, 1u, top / 2, top - 1, top}) {
      const std::string code = TOVRadix64::Convert(value, length);
      EXPECT_EQ(code.size(), static_cast<size_t>(length));
      EXPECT_EQ(TOVRadix64::Convert(code.c_str()), value) << code;
      EXPECT_TRUE(value == 0 || std::string(TOVRadix64::Convert(value - 1, length)) < code);
    }
  }
}

TEST(Radix64DeathTest, DecodingStaysWithinTheTextAndEncodingStopsOnWhatDoesNotFit) {
  // Outside the alphabet counts as 0; six characters at most; a short text is the value of
  // the digits it has, and nothing past its end is read (the sanitized build checks it).
  EXPECT_EQ(TOVRadix64::Convert("-*+\xff+-"), (1u << 30) + 1);
  EXPECT_EQ(TOVRadix64::Convert("1zzzzzzzzz"), 4294967295u);
  EXPECT_EQ(TOVRadix64::Convert(static_cast<const char*>(nullptr)), 0u);
  std::unique_ptr<char[]> tight(new char[3]{'-', '+', '\0'});
  EXPECT_EQ(TOVRadix64::Convert(tight.get()), 64u);
  for (auto body : {+[] { TOVRadix64::Convert(64, 1); }, +[] { TOVRadix64::Convert(1u << 30, 5); },
                    +[] { TOVRadix64::Convert(1, 0); }, +[] { TOVRadix64::Convert(1, 7); }}) {
    EXPECT_THAT(plaintest::RunInChild(body).err,
                MatchesRegex("#ERR# Fatal internal error at TOVBasic.m/src/plain/"
                             "TOVCBRadix64.cpp:[0-9]+: (Radix64 result is too short\n|Radix64 "
                             "result string length should be in \\[1..6\\])\n"));
  }
}

TEST(Uuid, IdentifiersNeverRepeatInAProcessNorAmongProcesses) {
  std::set<std::string> seen;
  for (int i = 0; i < 20000; ++i) {
    const std::string id = uuid_gen();
    ASSERT_TRUE(id.size() == 20 && id.find_first_not_of(Alphabet) == std::string::npos) << id;
    ASSERT_TRUE(seen.insert(id).second) << id;
  }
  // Characters 8 to 11 end with the constant 5 (byte 8), 12 to 15 begin with the process
  // id's low bits (bytes 9 and 10); the last ones hold the counter.
  const std::string a = uuid_gen();
  const std::string b = uuid_gen();
  EXPECT_EQ(a.substr(8, 8), b.substr(8, 8));
  EXPECT_NE(a.substr(16), b.substr(16));
  EXPECT_EQ(TOVRadix64::Convert(a.substr(8, 4).c_str()) & 0xFF, 5u);
  EXPECT_EQ(TOVRadix64::Convert(a.substr(12, 4).c_str()) >> 8,
            static_cast<unsigned int>(getpid()) & 0xFFFF);
  // Two hundred processes released at once, each making one identifier: a child made by
  // fork starts with its parent's counter, and its own process id tells them apart.
  int released[2], results[2];
  ASSERT_EQ(pipe(released) | pipe(results), 0);
  fflush(nullptr);
  std::vector<pid_t> children;
  for (int i = 0; i < 200; ++i) {
    const pid_t pid = fork();
    if (pid == 0) {
      char byte;
      close(released[1]);
      const ssize_t waited = read(released[0], &byte, 1); // until the parent closes its end
      _exit(waited == 0 && write(results[1], uuid_gen(), 20) == 20 ? 0 : 1);
    }
    children.push_back(pid);
  }
  close(released[1]);
  close(results[1]);
  std::set<std::string> ids;
  char id[20];
  while (read(results[0], id, sizeof id) == static_cast<ssize_t>(sizeof id))
    EXPECT_TRUE(ids.insert(std::string(id, sizeof id)).second) << std::string(id, sizeof id);
  close(results[0]);
  close(released[0]);
  for (pid_t child : children)
    waitpid(child, nullptr, 0);
  EXPECT_EQ(ids.size(), 200u);
}

TEST(PerformanceCounters, MeasureAKnownSleepWithinFivePercent) {
  tovtest::ToolRun run = RunPerf("1");
  int seconds = 0, microseconds = 0, total = 0, totalUs = 0, calls = 0, idleCalls = 0;
  long clock = 0;
  ASSERT_EQ(sscanf(run.err.c_str(), "partial %d %d clock %ld\ntotal %d %d calls %d %d", &seconds,
                   &microseconds, &clock, &total, &totalUs, &calls, &idleCalls),
            7)
      << run.err;
  EXPECT_GE(clock, 200000);
  EXPECT_NEAR(seconds * 1e6 + microseconds, clock, clock * 0.05);
  // perf_reset came before the last measure: it is the total and the only call.
  EXPECT_EQ(total * 1000000 + totalUs, seconds * 1000000 + microseconds);
  EXPECT_EQ(calls * 10 + idleCalls, 10);
  // Most recent counter first; ten spaces per call without calls; then the split times.
  EXPECT_THAT(run.out, MatchesRegex("Timer calibration\\.\\.\\.Done\n"
                                    "\n      time  ncall  time/call name\n"
                                    "---------------------------------------\n"
                                    "  0\\.000000      0            idle\n"
                                    "  0\\.[0-9]{6}      1   0\\.[0-9]{6} sleep\n"
                                    "split:   [0-9]\\.[0-9]{6} - from last measure:   "
                                    "[0-9]\\.[0-9]{6}\n"));
  run = RunPerf("print");
  EXPECT_THAT(run.out, MatchesRegex("Timer calibration\\.\\.\\.Done\n"
                                    "(  0\\.[0-9]{6} sleep\n){3}\n      time  ncall.*"));
  // Unset: calls are counted (and never listed, so never reset), nothing is timed or printed.
  run = RunPerf(nullptr);
  EXPECT_EQ(run.out, "");
  EXPECT_THAT(run.err, MatchesRegex("partial 0 0 clock [0-9]+\ntotal 0 0 calls 3 1\n"));
}

TEST(PlainThreads, SharedStateIsUsedFromSeveralThreadsAtOnce) {
  // Run under ThreadSanitizer as well: every piece of process-wide state at once.
  static perf_counter shared = PERF_COUNTER_INIT("shared");
  std::vector<std::thread> threads;
  std::vector<std::vector<std::string>> ids(4);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &ids] {
      for (int i = 0; i < 2000; ++i) {
        perf_begin(&shared);
        ids[t].push_back(uuid_gen());
        trc_print("nobody", "%d\n", i);
        TOVRadix64::Convert(static_cast<unsigned int>(i), 3);
        perf_end(&shared);
        if (i % 500 == 0) {
          ErrorProcessingStart();
          trc_set_component("nobody-else");
          err_msg("TOVCOM", ERR_MSG_REQUEST, "FULLC", nullptr);
          err_msg_record("t.c", i, ERR_RECORD_CRITICAL);
          MORCleanLastError();
          perf_reset();
        }
      }
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  std::set<std::string> unique;
  for (const auto& list : ids)
    unique.insert(list.begin(), list.end());
  EXPECT_EQ(unique.size(), 8000u);
}
