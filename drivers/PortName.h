#pragma once

#include <string>
#include <string_view>

namespace tonalyx {

// An ALSA sequencer port name as RtMidi reports it ends in the port's
// " client:port" address, e.g. "Midi Through:Midi Through Port-0 14:0". The
// address changes between runs, so names are shown and stored without it.
// A name without such an ending is returned unchanged.
std::string StripAlsaAddress(std::string_view name);

}  // namespace tonalyx
