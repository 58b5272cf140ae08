#include "midi/QuietProbe.h"

#include <cstdio>

#if defined(TONALYX_HAVE_ALSA)
#include <alsa/asoundlib.h>
#endif
#if defined(TONALYX_HAVE_JACK)
#include <jack/jack.h>
#endif

namespace tonalyx {
namespace {

int g_depth = 0;

#if defined(TONALYX_HAVE_JACK)
void JackSilent(const char*) {}
// What libjack's own defaults do; it offers no way to put those back.
void JackErrorToStderr(const char* message) {
  std::fprintf(stderr, "%s\n", message);
  std::fflush(stderr);
}
void JackInfoToStdout(const char* message) {
  std::fprintf(stdout, "%s\n", message);
  std::fflush(stdout);
}
#endif

#if defined(TONALYX_HAVE_ALSA)
void AlsaSilent(const char*, int, const char*, int, const char*, ...) {}
#endif

void Silence() {
#if defined(TONALYX_HAVE_JACK)
  jack_set_error_function(JackSilent);
  jack_set_info_function(JackSilent);
#endif
#if defined(TONALYX_HAVE_ALSA)
  snd_lib_error_set_handler(AlsaSilent);
#endif
}

void Restore() {
#if defined(TONALYX_HAVE_JACK)
  jack_set_error_function(JackErrorToStderr);
  jack_set_info_function(JackInfoToStdout);
#endif
#if defined(TONALYX_HAVE_ALSA)
  snd_lib_error_set_handler(nullptr);  // libasound's default handler
#endif
}

}  // namespace

QuietProbe::QuietProbe() {
  if (g_depth++ == 0) Silence();
}

QuietProbe::~QuietProbe() {
  if (--g_depth == 0) Restore();
}

}  // namespace tonalyx
