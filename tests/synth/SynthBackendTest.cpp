#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <utility>
#include <vector>

#include "midi/MidiPort.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"
#include "midi/TonePreload.h"
#include "settings/SettingsFile.h"
#include "settings/SoundfontSetting.h"
#include "synth/SynthBackend.h"

namespace tonalyx {
namespace {

namespace fs = std::filesystem;

// A small General MIDI soundfont (timgm6mb-soundfont) keeps the tests quick.
const fs::path kSmallSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Peak levels (full scale 1.0): a held tone is far above kAudible, and a
// finished one is below kSilent (-80 dBFS).
constexpr float kAudible = 0.01f;
constexpr float kSilent = 1e-4f;

constexpr int kRate = SynthBackend::kOfflineSampleRate;

// Renders the given time and returns the peak of both channels.
float RenderPeak(SynthBackend& synth, double seconds) {
  const auto frames = static_cast<std::size_t>(seconds * kRate);
  std::vector<float> left(frames), right(frames);
  synth.Render(left, right);
  float peak = 0.0f;
  for (std::size_t i = 0; i < frames; ++i) {
    peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
  }
  return peak;
}

// Renders up to the given time in 50 ms steps; true when a step is silent.
bool FallsSilentWithin(SynthBackend& synth, double seconds) {
  for (int step = 0; step * 0.05 < seconds; ++step) {
    if (RenderPeak(synth, 0.05) < kSilent) return true;
  }
  return false;
}

class SynthBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kSmallSoundfont)) GTEST_SKIP() << "timgm6mb-soundfont is not installed";
    std::string pattern = (fs::temp_directory_path() / "tonalyx-synth-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  SynthBackend::Options Offline(fs::path soundfont = kSmallSoundfont) const {
    // The soundfont the settings file names, as the program chooses it.
    SynthBackend::Options options;
    options.soundfont = [settings = dir_ / "tonalyx.ini", soundfont = std::move(soundfont)] {
      return SoundfontSetting(settings, soundfont);
    };
    options.output = SynthBackend::Output::kOffline;
    return options;
  }

  fs::path WriteFile(const std::string& name, const std::string& contents) const {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }

  fs::path dir_;
};

// A GS tone press on channel 1 as the audition sends it: bank select MSB and
// LSB (the tone map), program change, then the note.
void PressGsTone(MidiPort& port, int bank, int program) {
  port.SendShort(ShortMessage(0xB0, 0, bank));
  port.SendShort(ShortMessage(0xB0, 32, 4));
  port.SendShort(ShortMessage(0xC0, program));
  port.SendShort(ShortMessage(0x90, 60, 100));
}

TEST_F(SynthBackendTest, AGsToneSoundsWhileHeldAndDecaysToSilenceAfterRelease) {
  SynthBackend synth(Offline());
  MidiPort port(synth);
  ASSERT_EQ(synth.DeviceName(0), "Tonalyx Built-in Synth");
  ASSERT_TRUE(port.OpenPort(0));
  EXPECT_TRUE(synth.WaitUntilLoaded());

  // Piano, a variation bank this soundfont lacks (falls back to bank 0) and
  // strings, which sustain as long as the note is held.
  const struct { int bank, program; } tones[] = {{0, 0}, {8, 4}, {0, 48}};
  for (const auto& tone : tones) {
    SCOPED_TRACE(testing::Message() << "bank " << tone.bank << " program " << tone.program);
    PressGsTone(port, tone.bank, tone.program);
    EXPECT_EQ(synth.Program(0), tone.program);
    EXPECT_EQ(synth.Bank(0), tone.bank);  // the MSB alone selects the bank
    EXPECT_GT(RenderPeak(synth, 0.5), kAudible);
    port.SendShort(ShortMessage(0x90, 60, 0));
    EXPECT_TRUE(FallsSilentWithin(synth, 2.0));
  }
}

TEST_F(SynthBackendTest, ChannelTenPlaysDrumKits) {
  SynthBackend synth(Offline());
  MidiPort port(synth);
  ASSERT_TRUE(port.OpenPort(0));
  EXPECT_EQ(synth.Bank(9), 128);

  // No sound before the press: the drum channel starts silent.
  EXPECT_LT(RenderPeak(synth, 0.1), kSilent);
  port.SendShort(ShortMessage(0xC9, 0));
  port.SendShort(ShortMessage(0x99, 38, 100));  // snare
  EXPECT_GT(RenderPeak(synth, 0.5), kAudible);
  port.SendShort(ShortMessage(0x99, 38, 0));
  EXPECT_TRUE(FallsSilentWithin(synth, 2.0));
  EXPECT_EQ(synth.Bank(9), 128);

  // A kit this soundfont lacks still plays: FluidSynth falls back to kit 0.
  port.SendShort(ShortMessage(0xC9, 8));
  port.SendShort(ShortMessage(0x99, 36, 100));
  EXPECT_GT(RenderPeak(synth, 0.3), kAudible);
}

class SynthResetTest : public SynthBackendTest,
                       public ::testing::WithParamInterface<std::span<const std::uint8_t>> {};

TEST_P(SynthResetTest, ResetAfterAHeldNoteLeavesSilenceAndDefaultControllers) {
  SynthBackend synth(Offline());
  MidiPort port(synth);
  ASSERT_TRUE(port.OpenPort(0));

  port.SendShort(ShortMessage(0xB0, 7, 80));
  port.SendShort(ShortMessage(0xB0, 10, 5));
  port.SendShort(ShortMessage(0xB0, 1, 90));
  port.SendShort(ShortMessage(0xB0, 11, 90));
  port.SendShort(PitchBendMessage(0xE0, -4000));
  port.SendShort(ShortMessage(0xC0, 19));  // organ: sounds until released
  port.SendShort(ShortMessage(0xB9, 7, 20));
  port.SendShort(ShortMessage(0xC9, 16));
  port.SendShort(ShortMessage(0x90, 60, 100));
  ASSERT_GT(RenderPeak(synth, 0.3), kAudible);
  ASSERT_EQ(synth.Controller(0, 7), 80);

  // The reset releases every voice (the organ alone would sound on); what is
  // left is the release and reverb tail.
  port.SendSysEx(GetParam());
  EXPECT_TRUE(FallsSilentWithin(synth, 1.0));

  EXPECT_EQ(synth.Controller(0, 7), 100);
  EXPECT_EQ(synth.Controller(0, 10), 64);
  EXPECT_EQ(synth.Controller(0, 1), 0);
  EXPECT_EQ(synth.Controller(0, 11), 127);
  EXPECT_EQ(synth.PitchBend(0), 8192);
  EXPECT_EQ(synth.Program(0), 0);
  EXPECT_EQ(synth.Bank(0), 0);
  EXPECT_EQ(synth.Controller(9, 7), 100);
  EXPECT_EQ(synth.Bank(9), 128);
  EXPECT_EQ(synth.Program(9), 0);

  // Channel 10 still plays drums, channel 1 the default piano.
  port.SendShort(ShortMessage(0x99, 38, 100));
  port.SendShort(ShortMessage(0x90, 60, 100));
  EXPECT_GT(RenderPeak(synth, 0.3), kAudible);
}

std::string ResetName(const ::testing::TestParamInfo<std::span<const std::uint8_t>>& info) {
  if (info.param.size() == GsReset.size()) return "GsReset";
  if (info.param.size() == XgSystemOn.size()) return "XgSystemOn";
  return "GmSystemOn";
}

INSTANTIATE_TEST_SUITE_P(ModuleResets, SynthResetTest,
                         ::testing::Values(std::span<const std::uint8_t>(GsReset),
                                           std::span<const std::uint8_t>(XgSystemOn),
                                           std::span<const std::uint8_t>(GmSystemOn)),
                         ResetName);

TEST_F(SynthBackendTest, ResetPortSilencesANoteHeldBySustain) {
  SynthBackend synth(Offline());
  MidiPort port(synth);
  ASSERT_TRUE(port.OpenPort(0));
  port.SendShort(ShortMessage(0xC0, 19));
  port.SendShort(ShortMessage(0xB0, 64, 127));
  port.SendShort(ShortMessage(0x90, 60, 100));
  port.SendShort(ShortMessage(0x90, 60, 0));
  RenderPeak(synth, 1.0);
  ASSERT_GT(RenderPeak(synth, 0.2), kAudible);  // the pedal holds the organ

  port.ResetPort();
  EXPECT_TRUE(FallsSilentWithin(synth, 2.0));
}

TEST_F(SynthBackendTest, MessagesSentWhileTheSoundfontLoadsArePlayedInOrder) {
  SynthBackend synth(Offline());
  MidiPort port(synth);
  ASSERT_TRUE(port.OpenPort(0));
  // Straight after the open the load is still running on the loader thread.
  port.SendShort(ShortMessage(0xB0, 7, 20));
  port.SendModuleReset(ModuleKind::kGs);  // undoes the volume above, not the pan below
  port.SendShort(ShortMessage(0xB0, 10, 0));
  port.SendShort(ShortMessage(0xC0, 24));
  port.SendShort(ShortMessage(0x90, 64, 100));

  ASSERT_TRUE(synth.WaitUntilLoaded());
  EXPECT_EQ(synth.Controller(0, 7), 100);
  EXPECT_EQ(synth.Controller(0, 10), 0);
  EXPECT_EQ(synth.Program(0), 24);
  EXPECT_GT(RenderPeak(synth, 0.3), kAudible);
}

// A press's preload selects its tone, or its kit, on the spare channels that
// no message can reach: nothing sounds and the channels a press plays on keep
// their programs. After a reset the kit's spare channel is a drum channel
// still.
TEST_F(SynthBackendTest, APreloadSelectsThePressedToneOnASpareChannelAndSoundsNothing) {
  SynthBackend synth(Offline());
  MidiPort port(synth);
  ASSERT_TRUE(port.OpenPort(0));
  const std::uint32_t tone[] = {ShortMessage(0xB0, 0, 8), ShortMessage(0xB0, 32, 4),
                                ShortMessage(0xC0, 48), ShortMessage(0x90, 60, 100)};
  port.SendModuleReset(ModuleKind::kGs);
  PreloadPress(port, tone);
  // The drum press selects its bank on channel 1 and the kit on channel 10.
  const std::uint32_t kit[] = {ShortMessage(0xB0, 0, 0), ShortMessage(0xB0, 32, 4),
                               ShortMessage(0xC9, 16), ShortMessage(0x99, 38, 100)};
  PreloadPress(port, kit);

  EXPECT_LT(RenderPeak(synth, 0.3), kSilent);
  EXPECT_EQ(synth.Program(SynthBackend::kSpareToneChannel), 48);
  EXPECT_EQ(synth.Bank(SynthBackend::kSpareToneChannel), 8);
  EXPECT_EQ(synth.Program(SynthBackend::kSpareDrumChannel), 16);
  EXPECT_EQ(synth.Bank(SynthBackend::kSpareDrumChannel), 128);
  EXPECT_EQ(synth.Program(0), 0);
  EXPECT_EQ(synth.Program(9), 0);

  // The preloaded tone then plays as usual.
  for (const std::uint32_t message : tone) port.SendShort(message);
  EXPECT_GT(RenderPeak(synth, 0.3), kAudible);
}

// Renders `blocks` blocks of 64 frames, left then right, one after the other.
std::vector<float> RenderBlocks(SynthBackend& synth, int blocks, bool at_once) {
  std::vector<float> sound;
  std::vector<float> left(64), right(64);
  for (int block = 0; block < blocks; ++block) {
    if (at_once) {
      synth.RenderNow(left, right);
    } else {
      synth.Render(left, right);
    }
    sound.insert(sound.end(), left.begin(), left.end());
    sound.insert(sound.end(), right.begin(), right.end());
  }
  return sound;
}

// While a string note sounds, loading other tones leaves its sound sample for
// sample as it is: rendered after each load, or rendered by another thread
// during the loads as the audio driver does, no block is dropped, repeated or
// changed.
TEST_F(SynthBackendTest, LoadingOtherTonesLeavesTheSoundingNoteSampleForSample) {
  constexpr int kBlocks = 2000;  // about three seconds
  const auto start_note = [](MidiPort& port) {
    port.SendShort(ShortMessage(0xC0, 48));
    port.SendShort(ShortMessage(0x90, 60, 100));
  };
  const auto preload = [](MidiPort& port, int program) {
    const std::uint32_t tone[] = {ShortMessage(0xB0, 0, 0), ShortMessage(0xC0, program)};
    PreloadPress(port, tone);
  };

  SynthBackend alone(Offline());
  MidiPort alone_port(alone);
  ASSERT_TRUE(alone_port.OpenPort(0));
  start_note(alone_port);
  const std::vector<float> expected = RenderBlocks(alone, kBlocks, false);
  ASSERT_GT(*std::max_element(expected.begin(), expected.end()), kAudible);

  SynthBackend stepwise(Offline());
  MidiPort stepwise_port(stepwise);
  ASSERT_TRUE(stepwise_port.OpenPort(0));
  start_note(stepwise_port);
  std::vector<float> sound;
  for (int part = 0; part < 20; ++part) {
    preload(stepwise_port, part * 6 + 1);
    const std::vector<float> blocks = RenderBlocks(stepwise, kBlocks / 20, false);
    sound.insert(sound.end(), blocks.begin(), blocks.end());
  }
  EXPECT_TRUE(sound == expected);

  SynthBackend concurrent(Offline());
  MidiPort concurrent_port(concurrent);
  ASSERT_TRUE(concurrent_port.OpenPort(0));
  start_note(concurrent_port);
  ASSERT_TRUE(concurrent.WaitUntilLoaded());
  std::thread audio([&] { sound = RenderBlocks(concurrent, kBlocks, true); });
  for (int program = 1; program < 128; program += 3) preload(concurrent_port, program);
  audio.join();
  EXPECT_TRUE(sound == expected);
}

TEST_F(SynthBackendTest, ClosingOrDestroyingWhileLoadingIsCleanAndReopensFresh) {
  { SynthBackend(Offline()).Open(0); }  // destroyed while loading
  SynthBackend synth(Offline());
  ASSERT_TRUE(synth.Open(0));
  synth.SendShort(ShortMessage(0x90, 60, 100));
  synth.Close();
  EXPECT_EQ(synth.Controller(0, 7), -1);

  // The note sent before the close is gone with the old synth.
  ASSERT_TRUE(synth.Open(0));
  EXPECT_LT(RenderPeak(synth, 0.2), kSilent);
}

TEST_F(SynthBackendTest, OpenFailsWithoutASoundfontOrAudioOutput) {
  std::ifstream source(kSmallSoundfont, std::ios::binary);
  std::string head(4096, '\0');
  source.read(head.data(), static_cast<std::streamsize>(head.size()));
  std::vector<SynthBackend::Options> cases = {
      Offline(dir_ / "missing.sf2"),
      Offline(dir_),  // a folder
      Offline(WriteFile("text.sf2", std::string(4096, 'x'))),
      Offline(WriteFile("cut.sf2", head)),  // a real soundfont's first 4 KiB
      Offline(),
  };
  cases.back().output = SynthBackend::Output::kAudioDriver;
  cases.back().audio_drivers = {"no-such-driver"};
  for (const auto& options : cases) {
    SCOPED_TRACE(options.soundfont().string());
    SynthBackend synth(options);
    MidiPort port(synth);
    EXPECT_FALSE(port.OpenPort(0));
    EXPECT_FALSE(port.OpenPort(0));
    synth.SendShort(ShortMessage(0x90, 60, 100));
    synth.SendSysEx(GsReset);
    EXPECT_EQ(synth.Controller(0, 7), -1);
  }
  EXPECT_FALSE(SynthBackend(Offline()).Open(1));
}

TEST_F(SynthBackendTest, TheSettingsFileMayNameAnotherSoundfont) {
  // A relative name counts from the settings file's folder.
  fs::create_symlink(kSmallSoundfont, dir_ / "font.sf2");
  const fs::path ini = WriteFile("tonalyx.ini", "[synth]\nsoundfont=font.sf2\n");
  if (SettingsFile::Open(ini).ReadString("synth", "soundfont", "").empty()) {
    GTEST_SKIP() << "the settings reader does not read files yet";
  }
  EXPECT_TRUE(SynthBackend(Offline(dir_ / "missing.sf2")).Open(0));
  WriteFile("tonalyx.ini", "[synth]\nsoundfont=" + (dir_ / "missing.sf2").string() + "\n");
  EXPECT_FALSE(SynthBackend(Offline()).Open(0));
}

// The spectral centroid of a mono signal in Hz: the mean frequency of its
// spectrum's magnitudes, by a plain DFT of each Hann-windowed block of 4096
// samples, summed over the blocks.
double SpectralCentroid(const std::vector<float>& samples) {
  constexpr std::size_t kSize = 4096;
  std::vector<double> hann(kSize), cosines(kSize), sines(kSize);
  for (std::size_t n = 0; n < kSize; ++n) {
    const double angle = 2 * M_PI * static_cast<double>(n) / kSize;
    hann[n] = 0.5 - 0.5 * std::cos(angle);
    cosines[n] = std::cos(angle);
    sines[n] = std::sin(angle);
  }
  double weighted = 0, total = 0;
  for (std::size_t start = 0; start + kSize <= samples.size(); start += kSize) {
    for (std::size_t k = 1; k < kSize / 2; ++k) {
      double re = 0, im = 0;
      for (std::size_t n = 0; n < kSize; ++n) {
        const double windowed = samples[start + n] * hann[n];
        re += windowed * cosines[(k * n) % kSize];
        im -= windowed * sines[(k * n) % kSize];
      }
      const double magnitude = std::hypot(re, im);
      weighted += magnitude * static_cast<double>(k) * kRate / kSize;
      total += magnitude;
    }
  }
  return total > 0 ? weighted / total : 0;
}

// A GS part parameter (NRPN 01 lsb) on channel 1 as the edit window sends it.
void SendPartParameter(MidiPort& port, int lsb, int value) {
  for (const auto& [controller, data] :
       {std::pair{0x63, 0x01}, {0x62, lsb}, {0x06, value + 64}, {0x65, 0x7F}, {0x64, 0x7F}})
    port.SendShort(ShortMessage(0xB0, controller, data));
}

// The sound of a held saw wave from 0.2 s after its note on, for 0.75 s.
std::vector<float> HeldSaw(SynthBackend& synth, MidiPort& port) {
  port.SendShort(ShortMessage(0xC0, 81));
  port.SendShort(ShortMessage(0x90, 60, 100));
  RenderPeak(synth, 0.2);
  std::vector<float> left(8 * 4096), right(left.size());
  synth.Render(left, right);
  port.SendShort(ShortMessage(0x90, 60, 0));
  FallsSilentWithin(synth, 2.0);
  return left;
}

// Prints the centroids at the ends and the middle of the cutoff's range (the
// figures of the README); a GS Reset takes the tone back to its own filter.
TEST_F(SynthBackendTest, TheCutoffDarkensAndBrightensTheToneUntilAReset) {
  SynthBackend synth(Offline());
  MidiPort port(synth);
  ASSERT_TRUE(port.OpenPort(0));
  std::array<double, 3> centroids{};
  const int cutoffs[] = {-64, 0, 63};
  for (std::size_t i = 0; i < centroids.size(); ++i) {
    SendPartParameter(port, 0x20, cutoffs[i]);
    centroids[i] = SpectralCentroid(HeldSaw(synth, port));
  }
  std::printf("spectral centroid of a saw wave at cutoff -64, 0, +63: %.0f, %.0f, %.0f Hz\n",
              centroids[0], centroids[1], centroids[2]);
  EXPECT_LT(centroids[0] * 1.5, centroids[1]);
  EXPECT_LT(centroids[1] * 1.5, centroids[2]);

  SendPartParameter(port, 0x20, -64);
  port.SendSysEx(GsReset);
  // The same tone varies by a few percent from one note to the next.
  EXPECT_NEAR(SpectralCentroid(HeldSaw(synth, port)), centroids[1], centroids[1] * 0.15);
}

// Energy of the left and right channels over `seconds`.
std::pair<double, double> RenderEnergy(SynthBackend& synth, double seconds) {
  const auto frames = static_cast<std::size_t>(seconds * kRate);
  std::vector<float> left(frames), right(frames);
  synth.Render(left, right);
  std::pair<double, double> energy{};
  for (std::size_t i = 0; i < frames; ++i) {
    energy.first += left[i] * left[i];
    energy.second += right[i] * right[i];
  }
  return energy;
}

// A drum instrument NRPN (MSB, the note as LSB) on channel 10.
void SendDrumParameter(MidiPort& port, int msb, int note, int data) {
  for (const auto& [controller, value] :
       {std::pair{0x63, msb}, {0x62, note}, {0x06, data}, {0x65, 0x7F}, {0x64, 0x7F}})
    port.SendShort(ShortMessage(0xB9, controller, value));
}

double Stroke(SynthBackend& synth, MidiPort& port, int note, bool right) {
  port.SendShort(ShortMessage(0x99, note, 100));
  const auto [left_energy, right_energy] = RenderEnergy(synth, 0.3);
  port.SendShort(ShortMessage(0x99, note, 0));
  FallsSilentWithin(synth, 2.0);
  return right ? right_energy : left_energy;
}

// Each drum note keeps its own level and pan until the kit is selected again.
TEST_F(SynthBackendTest, DrumInstrumentEditsShapeTheirOwnNoteUntilTheNextKitSelect) {
  SynthBackend synth(Offline());
  MidiPort port(synth);
  ASSERT_TRUE(port.OpenPort(0));
  port.SendShort(ShortMessage(0xC9, 0));
  const double snare = Stroke(synth, port, 38, false);
  const double snare_right = Stroke(synth, port, 38, true);
  ASSERT_GT(snare, 1e-3);
  SendDrumParameter(port, 0x1A, 38, 0);  // level 0: silent
  SendDrumParameter(port, 0x1C, 40, 1);  // the other snare hard left
  EXPECT_LT(Stroke(synth, port, 38, false), snare * 1e-3);
  EXPECT_LT(Stroke(synth, port, 40, true) * 20, Stroke(synth, port, 40, false));
  port.SendShort(ShortMessage(0xC9, 0));
  EXPECT_NEAR(Stroke(synth, port, 38, false), snare, snare * 0.05);
  EXPECT_NEAR(Stroke(synth, port, 38, true), snare_right, snare_right * 0.05);
}

// The reverb tail of a short stroke: with XG's No Effect gone, back with the
// module's own type after a reset.
TEST_F(SynthBackendTest, EffectTypesChangeTheReverbUntilAReset) {
  SynthBackend synth(Offline());
  MidiPort port(synth);
  ASSERT_TRUE(port.OpenPort(0));
  const auto tail = [&] {
    port.SendShort(ShortMessage(0xB9, 91, 127));
    port.SendShort(ShortMessage(0x99, 37, 127));  // side stick: short
    RenderEnergy(synth, 0.05);
    port.SendShort(ShortMessage(0x99, 37, 0));
    RenderEnergy(synth, 0.4);
    const auto [left, right] = RenderEnergy(synth, 0.6);
    return left + right;
  };
  const double own = tail();
  const std::uint8_t no_effect[] = {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x00, 0x00, 0xF7};
  port.SendSysEx(no_effect);
  const double none = tail();
  // A wrong checksum changes nothing.
  std::uint8_t panning_delay[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x01, 0x30, 0x07, 0x09, 0xF7};
  port.SendSysEx(panning_delay);
  EXPECT_LT(tail() * 10, own);
  panning_delay[9] = 0x08;
  port.SendSysEx(panning_delay);
  const double long_tail = tail();
  port.SendSysEx(XgSystemOn);
  const double again = tail();
  std::printf("reverb tail energy: own %.3g, no effect %.3g, panning delay %.3g, reset %.3g\n", own,
              none, long_tail, again);
  EXPECT_LT(none * 10, own);
  EXPECT_GT(long_tail, own * 2);
  EXPECT_NEAR(again, own, own * 0.2);
}

}  // namespace
}  // namespace tonalyx
