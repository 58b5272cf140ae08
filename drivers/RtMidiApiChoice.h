#pragma once

#include <functional>
#include <memory>
#include <string>

#include <RtMidi.h>

#include "drivers/RtMidiApi.h"

namespace tonalyx {

// Tries the APIs of this platform in turn: on Linux the ALSA sequencer when
// it can be opened, otherwise JACK while a server runs; on macOS CoreMIDI.
// `make` constructs RtMidi's client for one API (RtMidi throws when it
// cannot), `discard` drops it again when the API turns out not to answer.
// Nothing is printed; what RtMidi said about the APIs passed over is kept in
// `diagnostic`. Returns the API that answered, kNone when none did.
RtMidiApi ChooseApi(const std::function<void(RtMidi::Api)>& make,
                    const std::function<void()>& discard, std::string& diagnostic);

// An error callback for RtMidi that only keeps the text of the last error in
// the std::string `last_error`, so RtMidi neither throws nor prints.
void KeepRtMidiError(RtMidiError::Type type, const std::string& text, void* last_error);

// RtMidi's input or output client (RtMidiIn, RtMidiOut) for the first API
// that answers, named after the program; nothing when none does.
template <typename Client>
std::unique_ptr<Client> FirstAnsweringApi(RtMidiApi& api, std::string& diagnostic) {
  std::unique_ptr<Client> client;
  api = ChooseApi(
      [&client](RtMidi::Api rt_api) {
        client = std::make_unique<Client>(rt_api, kRtMidiClientName);
      },
      [&client] { client.reset(); }, diagnostic);
  return client;
}

}  // namespace tonalyx
