#include "audition/EffectTypes.h"

#include "midi/ModuleParameterNumbers.h"

#include <array>
#include <utility>

namespace tonalyx {
namespace {

// GS data set to device 10H: F0 41 10 42 12, address 40 01 <low>, one data
// byte, checksum, F7.
constexpr std::array<std::uint8_t, 11> GsMacro(std::uint8_t address_low, std::uint8_t data) {
  const std::array<std::uint8_t, 4> checked = {0x40, 0x01, address_low, data};
  return {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x01, address_low, data, GsChecksum(checked), 0xF7};
}

// XG parameter change to device 0: F0 43 10 4C, address 02 01 <low>, the type
// MSB and LSB, F7 (no checksum).
constexpr std::array<std::uint8_t, 10> XgType(std::uint8_t address_low, std::uint8_t msb,
                                              std::uint8_t lsb) {
  return {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, address_low, msb, lsb, 0xF7};
}

// The messages of macro values 0 .. N-1.
template <std::size_t... Value>
constexpr auto GsMacros(std::uint8_t address_low, std::index_sequence<Value...>) {
  return std::array{GsMacro(address_low, static_cast<std::uint8_t>(Value))...};
}

constexpr auto kGsReverbMessages = GsMacros(kGsReverbMacroAddress, std::make_index_sequence<8>());
constexpr std::array<EffectType, 8> kGsReverb = {{
    {"Room 1", kGsReverbMessages[0]},
    {"Room 2", kGsReverbMessages[1]},
    {"Room 3", kGsReverbMessages[2]},
    {"Hall 1", kGsReverbMessages[3]},
    {"Hall 2", kGsReverbMessages[4]},
    {"Plate", kGsReverbMessages[5]},
    {"Delay", kGsReverbMessages[6]},
    {"Panning Delay", kGsReverbMessages[7]},
}};

constexpr auto kGsChorusMessages = GsMacros(kGsChorusMacroAddress, std::make_index_sequence<8>());
constexpr std::array<EffectType, 8> kGsChorus = {{
    {"Chorus 1", kGsChorusMessages[0]},
    {"Chorus 2", kGsChorusMessages[1]},
    {"Chorus 3", kGsChorusMessages[2]},
    {"Chorus 4", kGsChorusMessages[3]},
    {"Feedback Chorus", kGsChorusMessages[4]},
    {"Flanger", kGsChorusMessages[5]},
    {"Short Delay", kGsChorusMessages[6]},
    {"Short Delay (FB)", kGsChorusMessages[7]},
}};

constexpr std::array kXgReverbMessages = {
    XgType(kXgReverbTypeAddress, 0x01, 0x00), XgType(kXgReverbTypeAddress, 0x01, 0x01),
    XgType(kXgReverbTypeAddress, 0x02, 0x00), XgType(kXgReverbTypeAddress, 0x02, 0x01),
    XgType(kXgReverbTypeAddress, 0x02, 0x02), XgType(kXgReverbTypeAddress, 0x03, 0x00),
    XgType(kXgReverbTypeAddress, 0x03, 0x01), XgType(kXgReverbTypeAddress, 0x04, 0x00),
    XgType(kXgReverbTypeAddress, 0x00, 0x00)};
constexpr std::array<EffectType, 9> kXgReverb = {{
    {"Hall 1", kXgReverbMessages[0]},
    {"Hall 2", kXgReverbMessages[1]},
    {"Room 1", kXgReverbMessages[2]},
    {"Room 2", kXgReverbMessages[3]},
    {"Room 3", kXgReverbMessages[4]},
    {"Stage 1", kXgReverbMessages[5]},
    {"Stage 2", kXgReverbMessages[6]},
    {"Plate", kXgReverbMessages[7]},
    {"No Effect", kXgReverbMessages[8]},
}};

constexpr std::array kXgChorusMessages = {
    XgType(kXgChorusTypeAddress, 0x41, 0x00), XgType(kXgChorusTypeAddress, 0x41, 0x01),
    XgType(kXgChorusTypeAddress, 0x41, 0x02), XgType(kXgChorusTypeAddress, 0x42, 0x00),
    XgType(kXgChorusTypeAddress, 0x42, 0x01), XgType(kXgChorusTypeAddress, 0x42, 0x02),
    XgType(kXgChorusTypeAddress, 0x43, 0x00), XgType(kXgChorusTypeAddress, 0x43, 0x01)};
constexpr std::array<EffectType, 8> kXgChorus = {{
    {"Chorus 1", kXgChorusMessages[0]},
    {"Chorus 2", kXgChorusMessages[1]},
    {"Chorus 3", kXgChorusMessages[2]},
    {"Celeste 1", kXgChorusMessages[3]},
    {"Celeste 2", kXgChorusMessages[4]},
    {"Celeste 3", kXgChorusMessages[5]},
    {"Flanger 1", kXgChorusMessages[6]},
    {"Flanger 2", kXgChorusMessages[7]},
}};

}  // namespace

std::span<const EffectType> EffectTypes(ModuleKind type, Effect effect) {
  const bool reverb = effect == Effect::kReverb;
  switch (type) {
    case ModuleKind::kGs:
      return reverb ? std::span<const EffectType>(kGsReverb) : kGsChorus;
    case ModuleKind::kXg:
      return reverb ? std::span<const EffectType>(kXgReverb) : kXgChorus;
    case ModuleKind::kGm:
    case ModuleKind::kGm2:
      break;
  }
  return {};
}

int DefaultEffectType(ModuleKind type, Effect effect) {
  const bool reverb = effect == Effect::kReverb;
  switch (type) {
    case ModuleKind::kGs:
      return reverb ? 4 : 2;  // Hall 2, Chorus 3
    case ModuleKind::kXg:
      return 0;  // Hall 1, Chorus 1
    case ModuleKind::kGm:
    case ModuleKind::kGm2:
      break;
  }
  return -1;
}

}  // namespace tonalyx
