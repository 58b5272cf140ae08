#pragma once

#include <windows.h>
// After windows.h, which declares what the multimedia header uses.
#include <mmsystem.h>

namespace tonalyx {

// The Windows multimedia MIDI output calls (midiOutGetNumDevs and the rest),
// each with the platform's own parameters. The output backend makes every
// call through this interface, so tests can stand a fake in for the platform
// and read back what was passed. The device names come from the W calls, so
// that a name keeps every character whatever the ANSI code page.
class WinMmOutCalls {
 public:
  virtual ~WinMmOutCalls() = default;

  virtual UINT GetNumDevs() = 0;
  virtual MMRESULT GetDevCaps(UINT_PTR id, LPMIDIOUTCAPSW caps, UINT size) = 0;
  virtual MMRESULT Open(LPHMIDIOUT handle, UINT id, DWORD_PTR callback, DWORD_PTR instance,
                        DWORD flags) = 0;
  virtual MMRESULT Close(HMIDIOUT handle) = 0;
  virtual MMRESULT Reset(HMIDIOUT handle) = 0;
  virtual MMRESULT ShortMsg(HMIDIOUT handle, DWORD message) = 0;
  virtual MMRESULT PrepareHeader(HMIDIOUT handle, LPMIDIHDR header, UINT size) = 0;
  virtual MMRESULT UnprepareHeader(HMIDIOUT handle, LPMIDIHDR header, UINT size) = 0;
  virtual MMRESULT LongMsg(HMIDIOUT handle, LPMIDIHDR header, UINT size) = 0;
};

// The platform's calls, from winmm.dll.
WinMmOutCalls& SystemWinMmOutCalls();

}  // namespace tonalyx
