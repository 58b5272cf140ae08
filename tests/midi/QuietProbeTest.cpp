#include <alsa/asoundlib.h>
#include <gtest/gtest.h>
#include <jack/jack.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "midi/QuietProbe.h"

namespace tonalyx {
namespace {

// Everything written to stdout and stderr (through any layer: stdio, write)
// while the action runs.
std::string TerminalOutput(const std::function<void()>& action) {
  const std::string path = ::testing::TempDir() + "quiet-probe-" + std::to_string(::getpid());
  std::fflush(stdout);
  std::fflush(stderr);
  const int savedOut = ::dup(1);
  const int savedErr = ::dup(2);
  std::FILE* capture = std::fopen(path.c_str(), "w");
  ::dup2(::fileno(capture), 1);
  ::dup2(::fileno(capture), 2);
  action();
  std::fflush(stdout);
  std::fflush(stderr);
  ::dup2(savedOut, 1);
  ::dup2(savedErr, 2);
  ::close(savedOut);
  ::close(savedErr);
  std::fclose(capture);
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  std::filesystem::remove(path);
  return text.str();
}

// Connecting to a JACK server that does not run, as the program's probes do.
void ConnectToAbsentJackServer() {
  jack_status_t status{};
  jack_client_t* client = jack_client_open("tonalyx-quiet-test", JackNoStartServer, &status);
  ASSERT_EQ(client, nullptr) << "a JACK server runs under the test's private name";
}

class QuietProbeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A server name nobody uses keeps a JACK server of this machine out of it.
    const std::string name = "tonalyx-quiet-" + std::to_string(::getpid());
    ::setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);
  }
  void TearDown() override { ::unsetenv("JACK_DEFAULT_SERVER"); }
};

TEST_F(QuietProbeTest, AMissingJackServerIsQuietWhileProbingAndReportedAfterwards) {
  const std::string probing = TerminalOutput([] {
    const QuietProbe quiet;
    ConnectToAbsentJackServer();
  });
  EXPECT_EQ(probing, "");

  const std::string later = TerminalOutput(ConnectToAbsentJackServer);
  EXPECT_NE(later.find("jack server is not running"), std::string::npos) << later;
}

TEST_F(QuietProbeTest, AnInnerProbeEndingLeavesTheOuterOneQuiet) {
  const std::string output = TerminalOutput([] {
    const QuietProbe outer;
    { const QuietProbe inner; }
    ConnectToAbsentJackServer();
  });
  EXPECT_EQ(output, "");
  EXPECT_NE(TerminalOutput(ConnectToAbsentJackServer), "");
}

TEST_F(QuietProbeTest, AMissingAlsaSequencerIsQuietWhileProbingAndReportedAfterwards) {
  if (std::filesystem::exists("/dev/snd/seq")) GTEST_SKIP() << "an ALSA sequencer exists here";
  const auto openSequencer = [] {
    snd_seq_t* seq = nullptr;
    ASSERT_LT(snd_seq_open(&seq, "default", SND_SEQ_OPEN_OUTPUT, 0), 0);
  };
  const std::string probing = TerminalOutput([&] {
    const QuietProbe quiet;
    openSequencer();
  });
  EXPECT_EQ(probing, "");

  const std::string later = TerminalOutput(openSequencer);
  EXPECT_NE(later.find("/dev/snd/seq"), std::string::npos) << later;
}

}  // namespace
}  // namespace tonalyx
