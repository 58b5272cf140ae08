#include "drivers/WinMmOutCalls.h"

namespace tonalyx {
namespace {

class System final : public WinMmOutCalls {
 public:
  UINT GetNumDevs() override { return ::midiOutGetNumDevs(); }
  MMRESULT GetDevCaps(UINT_PTR id, LPMIDIOUTCAPSW caps, UINT size) override {
    return ::midiOutGetDevCapsW(id, caps, size);
  }
  MMRESULT Open(LPHMIDIOUT handle, UINT id, DWORD_PTR callback, DWORD_PTR instance,
                DWORD flags) override {
    return ::midiOutOpen(handle, id, callback, instance, flags);
  }
  MMRESULT Close(HMIDIOUT handle) override { return ::midiOutClose(handle); }
  MMRESULT Reset(HMIDIOUT handle) override { return ::midiOutReset(handle); }
  MMRESULT ShortMsg(HMIDIOUT handle, DWORD message) override {
    return ::midiOutShortMsg(handle, message);
  }
  MMRESULT PrepareHeader(HMIDIOUT handle, LPMIDIHDR header, UINT size) override {
    return ::midiOutPrepareHeader(handle, header, size);
  }
  MMRESULT UnprepareHeader(HMIDIOUT handle, LPMIDIHDR header, UINT size) override {
    return ::midiOutUnprepareHeader(handle, header, size);
  }
  MMRESULT LongMsg(HMIDIOUT handle, LPMIDIHDR header, UINT size) override {
    return ::midiOutLongMsg(handle, header, size);
  }
};

}  // namespace

WinMmOutCalls& SystemWinMmOutCalls() {
  static System system;
  return system;
}

}  // namespace tonalyx
