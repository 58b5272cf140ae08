#include "drivers/WinMmInCalls.h"

namespace tonalyx {
namespace {

class System final : public WinMmInCalls {
 public:
  UINT GetNumDevs() override { return ::midiInGetNumDevs(); }
  MMRESULT GetDevCaps(UINT_PTR id, LPMIDIINCAPSW caps, UINT size) override {
    return ::midiInGetDevCapsW(id, caps, size);
  }
  MMRESULT Open(LPHMIDIIN handle, UINT id, DWORD_PTR callback, DWORD_PTR instance,
                DWORD flags) override {
    return ::midiInOpen(handle, id, callback, instance, flags);
  }
  MMRESULT Start(HMIDIIN handle) override { return ::midiInStart(handle); }
  MMRESULT Stop(HMIDIIN handle) override { return ::midiInStop(handle); }
  MMRESULT Reset(HMIDIIN handle) override { return ::midiInReset(handle); }
  MMRESULT Close(HMIDIIN handle) override { return ::midiInClose(handle); }
};

}  // namespace

WinMmInCalls& SystemWinMmInCalls() {
  static System system;
  return system;
}

}  // namespace tonalyx
