#include "drivers/RtMidiApiChoice.h"

#include <array>
#include <iostream>
#include <sstream>
#include <utility>
#include <vector>

#include "midi/QuietProbe.h"

namespace tonalyx {
namespace {

// Sends std::cerr into a string while it lives.
class CerrCapture {
 public:
  CerrCapture() : shown_(std::cerr.rdbuf(captured_.rdbuf())) {}
  ~CerrCapture() { std::cerr.rdbuf(shown_); }
  CerrCapture(const CerrCapture&) = delete;
  CerrCapture& operator=(const CerrCapture&) = delete;
  std::string Text() const { return captured_.str(); }

 private:
  std::ostringstream captured_;
  std::streambuf* shown_;
};

// Constructs the client for one API; false when the API is unavailable.
// Construction happens before an error callback can be set, so RtMidi throws
// its errors (ALSA does when the sequencer cannot be opened) and writes its
// warnings to std::cerr; JACK's only warning there is that no server runs.
// What RtMidi says is kept in `diagnostic` rather than shown.
bool MakeClient(const std::function<void(RtMidi::Api)>& make, const std::function<void()>& discard,
                RtMidi::Api api, std::string& diagnostic) {
  CerrCapture warnings;
  try {
    make(api);
  } catch (const RtMidiError& e) {
    diagnostic = e.getMessage();
    return false;
  }
  diagnostic = warnings.Text();
  if (api != RtMidi::UNIX_JACK || diagnostic.empty()) return true;
  discard();
  return false;
}

bool Compiled(RtMidi::Api api) {
  std::vector<RtMidi::Api> apis;
  RtMidi::getCompiledApi(apis);
  for (RtMidi::Api a : apis)
    if (a == api) return true;
  return false;
}

}  // namespace

void KeepRtMidiError(RtMidiError::Type /*type*/, const std::string& text, void* last_error) {
  *static_cast<std::string*>(last_error) = text;
}

RtMidiApi ChooseApi(const std::function<void(RtMidi::Api)>& make,
                    const std::function<void()>& discard, std::string& diagnostic) {
#if defined(__APPLE__)
  const std::array<std::pair<RtMidi::Api, RtMidiApi>, 1> candidates = {
      {{RtMidi::MACOSX_CORE, RtMidiApi::kCoreMidi}}};
#else
  // JACK comes second: its ports only exist while a JACK server runs.
  const std::array<std::pair<RtMidi::Api, RtMidiApi>, 2> candidates = {
      {{RtMidi::LINUX_ALSA, RtMidiApi::kAlsa}, {RtMidi::UNIX_JACK, RtMidiApi::kJack}}};
#endif
  // An API whose service is missing is simply passed over, without libjack's
  // or libasound's reports of it on the terminal.
  const QuietProbe quiet;
  for (const auto& [rt_api, api] : candidates) {
    if (!Compiled(rt_api)) continue;
    if (MakeClient(make, discard, rt_api, diagnostic)) return api;
  }
  return RtMidiApi::kNone;
}

}  // namespace tonalyx
