#pragma once

#include <windows.h>
// After windows.h, which declares what the multimedia header uses.
#include <mmsystem.h>

namespace tonalyx {

// The Windows multimedia MIDI input calls (midiInGetNumDevs and the rest),
// each with the platform's own parameters. The input backend makes every
// call through this interface, so tests can stand a fake in for the platform,
// read back what was passed and call the callback themselves.
class WinMmInCalls {
 public:
  virtual ~WinMmInCalls() = default;

  virtual UINT GetNumDevs() = 0;
  virtual MMRESULT GetDevCaps(UINT_PTR id, LPMIDIINCAPSW caps, UINT size) = 0;
  virtual MMRESULT Open(LPHMIDIIN handle, UINT id, DWORD_PTR callback, DWORD_PTR instance,
                        DWORD flags) = 0;
  virtual MMRESULT Start(HMIDIIN handle) = 0;
  virtual MMRESULT Stop(HMIDIIN handle) = 0;
  virtual MMRESULT Reset(HMIDIIN handle) = 0;
  virtual MMRESULT Close(HMIDIIN handle) = 0;
};

// The platform's calls, from winmm.dll.
WinMmInCalls& SystemWinMmInCalls();

}  // namespace tonalyx
