#include "synth/ModuleParameters.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

#include "midi/ModuleParameterNumbers.h"
#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

constexpr int kAllSoundOff = 120;
constexpr int kAllNotesOff = 123;

// The drum instrument NRPN MSBs as indexes into a note's edits.
constexpr int kFirstDrumMsb = kDrumCutoffNrpn;
constexpr int kLastDrumMsb = kDrumVariationNrpn;
constexpr std::size_t DrumIndex(int msb) { return static_cast<std::size_t>(msb - kFirstDrumMsb); }

// What one step of a relative value (-64..+63, 0 = the tone's own) adds to
// FluidSynth's generator, chosen by ear and by measurement (the cutoff by the
// spectral centroid of a rendered note): at the ends of the range the tone is
// plainly darker or brighter, slower or quicker, without leaving it.
constexpr float kCutoffCentsPerStep = 60.0f;        // +-3840 cents, about 3 octaves
constexpr float kResonanceCentibelsPerStep = 3.0f;  // up to 19 dB of peak
constexpr float kAttackTimecentsPerStep = 150.0f;   // about x240 at +63
constexpr float kDecayTimecentsPerStep = 100.0f;    // about x38
constexpr float kReleaseTimecentsPerStep = 100.0f;
constexpr float kVibratoRateCentsPerStep = 20.0f;  // about one octave of speed
constexpr float kVibratoDelayTimecentsPerStep = 200.0f;
// Vibrato depth in cents of pitch. Most tones have none of their own, and a
// negative depth would only turn the vibrato's phase round, so values below
// 0 leave the tone's depth as it is.
constexpr float kVibratoDepthCentsPerStep = 1.0f;

// FluidSynth's default modulators send 20 % (200 of 1000) at controller 127
// to reverb and chorus.
constexpr float kSendAtFullController = 200.0f;
constexpr float kWidestPan = 500.0f;
constexpr float kMostAttenuation = 1440.0f;  // centibels

// GS data set F0 41 dev 42 12 40 01 <30 reverb | 38 chorus> value sum F7,
// XG parameter change F0 43 1n 4C 02 01 <00 reverb | 20 chorus> msb lsb F7.
constexpr std::size_t kGsMacroLength = 11;
constexpr std::size_t kXgTypeLength = 10;

int Signed(int data) { return data - 64; }

// FluidSynth's reverb and chorus made to sound like the modules' types. The
// types a module starts with take FluidSynth's own settings, so a module
// default sounds as the synth always did. FluidSynth has no delay and no
// feedback: the GS delays become long, sparse tails, the feedback types get
// more voices and depth.
struct EffectLook {
  bool gs;   // else XG
  int type;  // GS macro value, XG type MSB * 256 + LSB
  bool own;  // FluidSynth's own settings
  SynthReverb reverb;
  SynthChorus chorus;
};

// FluidSynth's own reverb (room size 0.2, no damping, width 0.5, level 0.9)
// stands for GS Hall 2 and XG Hall 1; the rooms are smaller and duller, the
// plate brighter and wider, the delays long and sparse.
constexpr SynthReverb kRoom1{0.05, 0.4, 0.4, 0.7};
constexpr SynthReverb kRoom2{0.08, 0.3, 0.5, 0.75};
constexpr SynthReverb kRoom3{0.12, 0.2, 0.6, 0.8};
constexpr SynthReverb kPlate{0.25, 0.0, 0.8, 0.85};
constexpr std::array<EffectLook, 17> kReverbLooks = {{
    {true, 0, false, kRoom1, {}},
    {true, 1, false, kRoom2, {}},
    {true, 2, false, kRoom3, {}},
    {true, 3, false, {0.16, 0.1, 0.5, 0.85}, {}},  // Hall 1
    {true, 4, true, {}, {}},                       // Hall 2
    {true, 5, false, kPlate, {}},
    {true, 6, false, {0.5, 0.6, 0.3, 0.6}, {}},  // Delay
    {true, 7, false, {0.5, 0.6, 1.0, 0.6}, {}},  // Panning Delay
    {false, 0x0100, true, {}, {}},               // Hall 1
    {false, 0x0101, false, {0.28, 0.0, 0.6, 0.9}, {}},
    {false, 0x0200, false, kRoom1, {}},
    {false, 0x0201, false, kRoom2, {}},
    {false, 0x0202, false, kRoom3, {}},
    {false, 0x0300, false, {0.18, 0.05, 0.9, 0.85}, {}},  // Stage 1
    {false, 0x0301, false, {0.24, 0.05, 0.9, 0.85}, {}},  // Stage 2
    {false, 0x0400, false, kPlate, {}},
    {false, 0x0000, false, {0.2, 0.0, 0.5, 0.0}, {}},  // No Effect
}};

constexpr SynthChorus kFlanger{6, 2.0, 0.15, 3.0, FLUID_CHORUS_MOD_TRIANGLE};
constexpr std::array<EffectLook, 16> kChorusLooks = {{
    {true, 0, false, {}, {3, 1.5, 0.4, 6.0, FLUID_CHORUS_MOD_SINE}},
    {true, 1, false, {}, {3, 1.8, 0.5, 8.0, FLUID_CHORUS_MOD_SINE}},
    {true, 2, true, {}, {}},  // Chorus 3
    {true, 3, false, {}, {4, 2.0, 0.2, 12.0, FLUID_CHORUS_MOD_SINE}},
    {true, 4, false, {}, {5, 2.5, 0.3, 14.0, FLUID_CHORUS_MOD_SINE}},  // Feedback Chorus
    {true, 5, false, {}, kFlanger},
    {true, 6, false, {}, {1, 1.5, 0.1, 20.0, FLUID_CHORUS_MOD_SINE}},  // Short Delay
    {true, 7, false, {}, {2, 2.0, 0.1, 25.0, FLUID_CHORUS_MOD_SINE}},  // Short Delay (FB)
    {false, 0x4100, true, {}, {}},                                     // Chorus 1
    {false, 0x4101, false, {}, {3, 2.0, 0.4, 8.0, FLUID_CHORUS_MOD_SINE}},
    {false, 0x4102, false, {}, {3, 2.2, 0.4, 10.0, FLUID_CHORUS_MOD_SINE}},
    {false, 0x4200, false, {}, {4, 1.5, 0.2, 10.0, FLUID_CHORUS_MOD_SINE}},  // Celeste 1
    {false, 0x4201, false, {}, {5, 1.5, 0.2, 12.0, FLUID_CHORUS_MOD_SINE}},
    {false, 0x4202, false, {}, {6, 1.5, 0.2, 14.0, FLUID_CHORUS_MOD_SINE}},
    {false, 0x4300, false, {}, kFlanger},  // Flanger 1
    {false, 0x4301, false, {}, {6, 2.0, 0.3, 3.0, FLUID_CHORUS_MOD_TRIANGLE}},
}};

}  // namespace

ModuleParameters::ModuleParameters(fluid_synth_t* synth) : synth_(synth) {
  fluid_synth_get_reverb_group_roomsize(synth_, -1, &own_reverb_.roomsize);
  fluid_synth_get_reverb_group_damp(synth_, -1, &own_reverb_.damping);
  fluid_synth_get_reverb_group_width(synth_, -1, &own_reverb_.width);
  fluid_synth_get_reverb_group_level(synth_, -1, &own_reverb_.level);
  fluid_synth_get_chorus_group_nr(synth_, -1, &own_chorus_.voices);
  fluid_synth_get_chorus_group_level(synth_, -1, &own_chorus_.level);
  fluid_synth_get_chorus_group_speed(synth_, -1, &own_chorus_.speed);
  fluid_synth_get_chorus_group_depth(synth_, -1, &own_chorus_.depth_ms);
  fluid_synth_get_chorus_group_type(synth_, -1, &own_chorus_.waveform);
}

void ModuleParameters::Control(int channel, int controller, int value) {
  Selection& selection = selections_[static_cast<std::size_t>(channel)];
  switch (controller) {
    case kNrpnMsb:
      selection = {value, selection.lsb, true};
      break;
    case kNrpnLsb:
      selection = {selection.msb, value, true};
      break;
    case kRpnMsb:
    case kRpnLsb:
      selection.nrpn = false;
      break;
    case kDataEntryMsb:
      if (selection.nrpn) DataEntry(channel, value);
      break;
    case kAllSoundOff:
    case kAllNotesOff:
      // Edited drum notes sound on their own channels.
      if (channel != kRhythmChannel) break;
      for (int note = 0; note < 128; ++note)
        fluid_synth_cc(synth_, kFirstDrumNoteChannel + note, controller, value);
      break;
    default:
      break;
  }
}

void ModuleParameters::DataEntry(int channel, int value) {
  const Selection& selection = selections_[static_cast<std::size_t>(channel)];
  if (selection.msb == kPartNrpnMsb) {
    ApplyPartParameter(channel, selection.lsb, value);
  } else if (channel == kRhythmChannel && selection.msb >= kFirstDrumMsb &&
             selection.msb <= kLastDrumMsb) {
    drum_edits_[static_cast<std::size_t>(selection.lsb)][DrumIndex(selection.msb)] = value;
  }
}

void ModuleParameters::ApplyPartParameter(int channel, int lsb, int data) {
  const auto step = static_cast<float>(Signed(data));
  switch (lsb) {
    case kVibratoRateNrpn:
      fluid_synth_set_gen(synth_, channel, GEN_VIBLFOFREQ, step * kVibratoRateCentsPerStep);
      break;
    case kVibratoDepthNrpn:
      fluid_synth_set_gen(synth_, channel, GEN_VIBLFOTOPITCH,
                          std::max(step, 0.0f) * kVibratoDepthCentsPerStep);
      break;
    case kVibratoDelayNrpn:
      fluid_synth_set_gen(synth_, channel, GEN_VIBLFODELAY, step * kVibratoDelayTimecentsPerStep);
      break;
    case kCutoffNrpn:
      fluid_synth_set_gen(synth_, channel, GEN_FILTERFC, step * kCutoffCentsPerStep);
      break;
    case kResonanceNrpn:
      fluid_synth_set_gen(synth_, channel, GEN_FILTERQ, step * kResonanceCentibelsPerStep);
      break;
    case kAttackNrpn:
      fluid_synth_set_gen(synth_, channel, GEN_VOLENVATTACK, step * kAttackTimecentsPerStep);
      break;
    case kDecayNrpn:
      fluid_synth_set_gen(synth_, channel, GEN_VOLENVDECAY, step * kDecayTimecentsPerStep);
      break;
    case kReleaseNrpn:
      fluid_synth_set_gen(synth_, channel, GEN_VOLENVRELEASE, step * kReleaseTimecentsPerStep);
      break;
    default:
      break;
  }
}

void ModuleParameters::ProgramChange(int channel) {
  if (channel == kRhythmChannel) drum_edits_ = {};
}

int ModuleParameters::NoteOnChannel(int channel, int note) {
  if (channel != kRhythmChannel) return channel;
  const auto& edits = drum_edits_[static_cast<std::size_t>(note)];
  const bool edited =
      std::any_of(edits.begin(), edits.end(), [](const auto& value) { return value.has_value(); });
  on_own_channel_[static_cast<std::size_t>(note)] = edited;
  if (!edited) return channel;
  SetUpDrumNoteChannel(note);
  return kFirstDrumNoteChannel + note;
}

int ModuleParameters::NoteOffChannel(int channel, int note) const {
  const bool own = channel == kRhythmChannel && on_own_channel_[static_cast<std::size_t>(note)];
  return own ? kFirstDrumNoteChannel + note : channel;
}

void ModuleParameters::SetUpDrumNoteChannel(int note) {
  const int own = kFirstDrumNoteChannel + note;
  // The rhythm channel's kit, and the controllers that shape a drum sound.
  int font = 0, bank = 0, program = 0;
  fluid_synth_get_program(synth_, kRhythmChannel, &font, &bank, &program);
  fluid_synth_set_channel_type(synth_, own, CHANNEL_TYPE_DRUM);
  fluid_synth_program_select(synth_, own, font, bank, program);
  int reverb = 0, chorus = 0;
  for (const int controller : {1, 7, 10, 11, 91, 93}) {
    int value = 0;
    fluid_synth_get_cc(synth_, kRhythmChannel, controller, &value);
    fluid_synth_cc(synth_, own, controller, value);
    if (controller == 91) reverb = value;
    if (controller == 93) chorus = value;
  }

  const auto& edits = drum_edits_[static_cast<std::size_t>(note)];
  auto relative = [&](int msb) {
    return static_cast<float>(Signed(edits[DrumIndex(msb)].value_or(64)));
  };
  auto gen = [&](int generator, float value) {
    fluid_synth_set_gen(synth_, own, generator, value);
  };
  gen(GEN_COARSETUNE, relative(kDrumPitchNrpn));
  gen(GEN_FILTERFC, relative(kDrumCutoffNrpn) * kCutoffCentsPerStep);
  gen(GEN_FILTERQ, relative(kDrumResonanceNrpn) * kResonanceCentibelsPerStep);
  gen(GEN_VOLENVATTACK, relative(kDrumAttackNrpn) * kAttackTimecentsPerStep);
  gen(GEN_VOLENVDECAY, relative(kDrumDecayNrpn) * kDecayTimecentsPerStep);
  // Level 127 is the instrument at full level; lower ones attenuate as a
  // volume controller does.
  const int level = edits[DrumIndex(kDrumLevelNrpn)].value_or(127);
  gen(GEN_ATTENUATION,
      level == 0 ? kMostAttenuation : 400.0f * std::log10(127.0f / static_cast<float>(level)));
  // Pan 0 is random, a new place for every stroke; 1..127 left to right.
  const std::optional<int> pan = edits[DrumIndex(kDrumPanNrpn)];
  const int place = pan == 0 ? 1 + static_cast<int>(random_() % 127) : pan.value_or(64);
  gen(GEN_PAN, static_cast<float>(place - 64) * kWidestPan / 63.0f);
  // The sends are the instrument's share of the rhythm channel's send.
  auto share = [&](int msb, int controller) {
    const int value = edits[DrumIndex(msb)].value_or(127);
    return (static_cast<float>(value) / 127.0f - 1.0f) * kSendAtFullController *
           static_cast<float>(controller) / 127.0f;
  };
  gen(GEN_REVERBSEND, share(kDrumReverbNrpn, reverb));
  gen(GEN_CHORUSSEND, share(kDrumChorusNrpn, chorus));
}

bool ModuleParameters::SysEx(std::span<const std::uint8_t> message) {
  const bool gs = message.size() == kGsMacroLength && message[1] == 0x41 && message[3] == 0x42 &&
                  message[4] == 0x12 && message[5] == 0x40 && message[6] == 0x01 &&
                  GsChecksum(message.subspan(5, 4)) == message[9];
  const bool xg = message.size() == kXgTypeLength && message[1] == 0x43 &&
                  (message[2] & 0xF0) == 0x10 && message[3] == 0x4C && message[4] == 0x02 &&
                  message[5] == 0x01;
  if (!gs && !xg) return false;
  const bool reverb = gs ? message[7] == kGsReverbMacroAddress : message[6] == kXgReverbTypeAddress;
  const bool chorus = gs ? message[7] == kGsChorusMacroAddress : message[6] == kXgChorusTypeAddress;
  // GS: the macro's value; XG: the type's MSB and LSB.
  const int type = gs ? message[8] : message[7] << 8 | message[8];
  const std::span<const EffectLook> looks = reverb   ? std::span(kReverbLooks)
                                            : chorus ? std::span(kChorusLooks)
                                                     : std::span<const EffectLook>();
  const auto look = std::find_if(looks.begin(), looks.end(), [&](const EffectLook& candidate) {
    return candidate.gs == gs && candidate.type == type;
  });
  if (look == looks.end()) return false;
  if (reverb) ApplyReverb(look->own ? own_reverb_ : look->reverb);
  if (chorus) ApplyChorus(look->own ? own_chorus_ : look->chorus);
  return true;
}

void ModuleParameters::ApplyReverb(const SynthReverb& settings) {
  fluid_synth_set_reverb_group_roomsize(synth_, -1, settings.roomsize);
  fluid_synth_set_reverb_group_damp(synth_, -1, settings.damping);
  fluid_synth_set_reverb_group_width(synth_, -1, settings.width);
  fluid_synth_set_reverb_group_level(synth_, -1, settings.level);
}

void ModuleParameters::ApplyChorus(const SynthChorus& settings) {
  fluid_synth_set_chorus_group_nr(synth_, -1, settings.voices);
  fluid_synth_set_chorus_group_level(synth_, -1, settings.level);
  fluid_synth_set_chorus_group_speed(synth_, -1, settings.speed);
  fluid_synth_set_chorus_group_depth(synth_, -1, settings.depth_ms);
  fluid_synth_set_chorus_group_type(synth_, -1, settings.waveform);
}

void ModuleParameters::Reset() {
  for (int channel = 0; channel < 16; ++channel) {
    for (const int generator :
         {GEN_VIBLFOFREQ, GEN_VIBLFOTOPITCH, GEN_VIBLFODELAY, GEN_FILTERFC, GEN_FILTERQ,
          GEN_VOLENVATTACK, GEN_VOLENVDECAY, GEN_VOLENVRELEASE}) {
      fluid_synth_set_gen(synth_, channel, generator, 0.0f);
    }
  }
  selections_ = {};
  drum_edits_ = {};
  ApplyReverb(own_reverb_);
  ApplyChorus(own_chorus_);
}

}  // namespace tonalyx
