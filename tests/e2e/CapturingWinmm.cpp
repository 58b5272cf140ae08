// winmm.dll for the Windows end-to-end test; test code, never shipped.
// Beside tonalyx.exe (under Wine with WINEDLLOVERRIDES=winmm=n,b) it is
// loaded instead of the system's, so it sees every call the real program
// makes through its import table, with the real structures:
//
// - MIDI outputs named by TONALYX_WINMM_OUTPUTS (UTF-8, '|' between names;
//   "Tonalyx Test Out" when unset). Every call goes to the log file named by
//   TONALYX_WINMM_LOG, one line each: "open out <id> <callback>",
//   "short <bytes>", "prepare <length>", "long <bytes>", "done <length>",
//   "unprepare <length>", "reset", "close out". A long message plays for
//   TONALYX_WINMM_US_PER_BYTE microseconds a byte (320, MIDI's own pace)
//   before the device marks it done.
// - One MIDI input, "Tonalyx Test In", playing the script named by
//   TONALYX_WINMM_SCRIPT once the program starts it, a line at a time:
//     <hex bytes>    a message: a whole short one (running status resolved,
//                    as a driver does) through MIM_DATA, one cut short
//                    through MIM_ERROR; system exclusive would go through
//                    MIM_LONGDATA into a buffer the program added, but the
//                    program adds none (it passes none on), so, as Windows
//                    does then, it is dropped, and logged as such
//     wait <ms>      a pause
//     await <file>   waits until the file exists beside the script
//     mark <text>    writes "mark <text>" to the log
//     vanish         the input is unplugged: MIM_CLOSE, and no longer listed
//     return         the input is listed again
//     stream <hex>   plays the message again and again until the input is
//                    stopped; the stop lets one more through the program's
//                    callback while it is in progress, as a driver's thread
//                    may: "in midiInStop during a callback"
//   '#' starts a comment.
// - The API's rules: each breach is logged as "breach: <what>".
// - Every other function the program or Qt imports from winmm.dll is passed
//   to the system's own, loaded by its full path.
#define _WINMM_  // the functions below are defined here, not imported
#include <windows.h>
// After windows.h, which declares what the multimedia header uses.
#include <mmsystem.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#define EXPORT extern "C" __declspec(dllexport)

namespace {

SRWLOCK lock = SRWLOCK_INIT;
CONDITION_VARIABLE changed = CONDITION_VARIABLE_INIT;
HANDLE log_file = INVALID_HANDLE_VALUE;
// Wine appends by seeking to the end and then writing, so two threads
// logging at once can write over each other's line; one writer at a time.
SRWLOCK log_lock = SRWLOCK_INIT;
DWORD start_ms = 0;

class Locked {
 public:
  Locked() { AcquireSRWLockExclusive(&lock); }
  ~Locked() { ReleaseSRWLockExclusive(&lock); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
};

// Waits on `changed` (the lock held) until `done` or `ms` have passed.
template <typename Done>
bool WaitUntil(Done done, DWORD ms) {
  const DWORD until = GetTickCount() + ms;
  while (!done()) {
    const auto left = static_cast<LONG>(until - GetTickCount());
    if (ms != INFINITE && left <= 0) return false;
    SleepConditionVariableSRW(&changed, &lock, ms == INFINITE ? INFINITE : static_cast<DWORD>(left),
                              0);
  }
  return true;
}

void Log(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string line(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
  std::vsnprintf(line.data(), line.size(), format, again);
  va_end(again);
  line.back() = '\n';
  DWORD written = 0;
  if (log_file == INVALID_HANDLE_VALUE) return;
  AcquireSRWLockExclusive(&log_lock);
  WriteFile(log_file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  ReleaseSRWLockExclusive(&log_lock);
}

std::string Hex(const unsigned char* bytes, std::size_t size) {
  std::string text;
  char byte[4];
  for (std::size_t i = 0; i < size; ++i) {
    std::snprintf(byte, sizeof byte, i == 0 ? "%02x" : " %02x", bytes[i]);
    text += byte;
  }
  return text;
}

std::wstring Environment(const wchar_t* name) {
  wchar_t value[32768];
  const DWORD length = GetEnvironmentVariableW(name, value, 32768);
  return length > 0 && length < 32768 ? std::wstring(value, length) : std::wstring();
}

// Data bytes after a status byte.
int DataLength(unsigned status) {
  if (status >= 0xF0) return status == 0xF2 ? 2 : (status == 0xF1 || status == 0xF3) ? 1 : 0;
  return (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
}

// The open device (Output or Input) behind a handle, or null with the
// breach logged. Devices are never freed, so a closed one is recognised.
template <typename Device, typename Handle>
Device* Find(const std::vector<Device*>& devices, Handle handle, const char* call) {
  for (Device* device : devices) {
    if (reinterpret_cast<Handle>(device) != handle) continue;
    if (!device->open) Log("breach: %s on a closed handle", call);
    return device->open ? device : nullptr;
  }
  Log("breach: %s on a handle never opened", call);
  return nullptr;
}

// --- outputs --------------------------------------------------------------

std::vector<std::wstring> output_names;
DWORD us_per_byte = 320;

struct Output {
  UINT id = 0;
  DWORD callback_kind = CALLBACK_NULL;
  DWORD_PTR callback = 0;
  DWORD_PTR instance = 0;
  bool open = true;
  std::vector<MIDIHDR*> prepared;
  std::deque<MIDIHDR*> queue;
};
std::vector<Output*> outputs;
HANDLE output_player = nullptr;

bool Prepared(const Output& out, MIDIHDR* header) {
  return std::find(out.prepared.begin(), out.prepared.end(), header) != out.prepared.end();
}
bool Queued(const Output& out, MIDIHDR* header) {
  return std::find(out.queue.begin(), out.queue.end(), header) != out.queue.end();
}

// The checks every header call shares: the handle, the header and its size,
// and that the device is not still playing the header. Null, with `result`
// set, when the call cannot go on.
Output* HeaderCall(HMIDIOUT handle, MIDIHDR* header, UINT size, const char* call,
                   MMRESULT& result) {
  result = MMSYSERR_INVALPARAM;
  Output* out = Find(outputs, handle, call);
  if (out == nullptr || header == nullptr || header->lpData == nullptr) return nullptr;
  if (size != sizeof(MIDIHDR)) Log("breach: %s with a header size of %u", call, size);
  if (Queued(*out, header)) {
    Log("breach: %s on a header still in the queue", call);
    result = MIDIERR_STILLPLAYING;
    return nullptr;
  }
  result = MMSYSERR_NOERROR;
  return out;
}

// midiOutPrepareHeader and midiOutUnprepareHeader.
MMRESULT MarkPrepared(HMIDIOUT handle, MIDIHDR* header, UINT size, bool prepared) {
  const char* call = prepared ? "midiOutPrepareHeader" : "midiOutUnprepareHeader";
  Locked locked;
  MMRESULT result;
  Output* out = HeaderCall(handle, header, size, call, result);
  if (out == nullptr) return result;
  std::erase(out->prepared, header);
  if (prepared) out->prepared.push_back(header);
  header->dwFlags = prepared ? header->dwFlags | MHDR_PREPARED : header->dwFlags & ~MHDR_PREPARED;
  Log("%s %lu", prepared ? "prepare" : "unprepare", header->dwBufferLength);
  return MMSYSERR_NOERROR;
}

// Tells the program, as it asked at the open; called without the lock.
void Notify(const Output& out, UINT message, MIDIHDR* header) {
  if (out.callback_kind == CALLBACK_EVENT) SetEvent(reinterpret_cast<HANDLE>(out.callback));
  if (out.callback_kind == CALLBACK_FUNCTION)
    reinterpret_cast<LPDRVCALLBACK>(out.callback)(
        reinterpret_cast<HDRVR>(const_cast<Output*>(&out)), message, out.instance,
        reinterpret_cast<DWORD_PTR>(header), 0);
}

void MarkDone(Output& out, MIDIHDR* header) {
  out.queue.erase(std::find(out.queue.begin(), out.queue.end(), header));
  header->dwFlags = (header->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
  Log("done %lu", header->dwBufferLength);
}

// Plays the queued long messages in turn, each for its bytes' time.
DWORD WINAPI PlayOutputs(void*) {
  for (;;) {
    Output* out = nullptr;
    MIDIHDR* header = nullptr;
    {
      Locked locked;
      WaitUntil(
          [&] {
            for (Output* each : outputs)
              if (!each->queue.empty()) out = each;
            return out != nullptr;
          },
          INFINITE);
      header = out->queue.front();
    }
    Sleep((header->dwBufferLength * us_per_byte + 999) / 1000);
    {
      Locked locked;
      // A reset may have handed it back meanwhile.
      if (!Queued(*out, header)) continue;
      MarkDone(*out, header);
    }
    Notify(*out, MOM_DONE, header);
  }
}

// --- the input and its script -----------------------------------------------

struct Input {
  DWORD_PTR callback = 0;
  DWORD_PTR instance = 0;
  bool open = true;
  bool started = false;
  bool close_told = false;
};
std::vector<Input*> inputs;
bool input_listed = true;
bool in_callback = false;
long callbacks_entered = 0;
bool streaming = false;
HANDLE input_player = nullptr;

Input* OpenInput() {
  for (Input* in : inputs)
    if (in->open) return in;
  return nullptr;
}

void CallInput(Input* in, UINT message, DWORD_PTR param1) {
  if (in->callback != 0)
    reinterpret_cast<LPDRVCALLBACK>(in->callback)(reinterpret_cast<HDRVR>(in), message,
                                                  in->instance, param1, GetTickCount() - start_ms);
}

// Hands one message to the program's callback if the input is started.
bool Deliver(UINT message, DWORD packed) {
  Input* in = nullptr;
  {
    Locked locked;
    in = OpenInput();
    if (in == nullptr || !in->started || !input_listed) return false;
    in_callback = true;
    ++callbacks_entered;
    WakeAllConditionVariable(&changed);
  }
  CallInput(in, message, packed);
  Locked locked;
  in_callback = false;
  WakeAllConditionVariable(&changed);
  return true;
}

unsigned running_status = 0;

// One script line of bytes.
void Play(const std::vector<unsigned char>& bytes) {
  {
    Locked locked;
    if (!WaitUntil([] { return OpenInput() && OpenInput()->started && input_listed; }, 30000)) {
      Log("script: the input was not started within 30 s");
      return;
    }
  }
  if (bytes[0] == 0xF0) {
    Log("in: long message of %zu bytes dropped, the program added no buffer", bytes.size());
    return;
  }
  std::vector<unsigned char> message = bytes;
  if (message[0] < 0x80)
    message.insert(message.begin(), static_cast<unsigned char>(running_status));
  const unsigned status = message[0];
  if (status < 0xF0) running_status = status;
  if (status >= 0xF0 && status < 0xF8) running_status = 0;
  DWORD packed = 0;
  for (std::size_t i = 0; i < message.size() && i < 3; ++i) packed |= DWORD{message[i]} << (8 * i);
  const bool whole = status >= 0x80 && static_cast<int>(message.size()) == 1 + DataLength(status);
  Deliver(whole ? MIM_DATA : MIM_ERROR, packed);
}

std::vector<unsigned char> ParseHex(const std::string& text) {
  std::vector<unsigned char> bytes;
  unsigned byte = 0;
  int offset = 0;
  const char* at = text.c_str();
  while (std::sscanf(at, "%x%n", &byte, &offset) == 1) {
    bytes.push_back(static_cast<unsigned char>(byte));
    at += offset;
  }
  return bytes;
}

// The script's lines, read whole at the start.
std::vector<std::string> ScriptLines(const std::wstring& path) {
  std::vector<std::string> lines;
  FILE* file = path.empty() ? nullptr : _wfopen(path.c_str(), L"rb");
  if (file == nullptr) return lines;
  std::string text;
  char buffer[65536];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
    text.append(buffer, read);
  std::fclose(file);
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    lines.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

DWORD WINAPI PlayScript(void*) {
  const std::wstring path = Environment(L"TONALYX_WINMM_SCRIPT");
  const std::wstring folder = path.substr(0, path.find_last_of(L"\\/") + 1);
  for (std::string line : ScriptLines(path)) {
    line = line.substr(0, line.find('#'));
    line.erase(line.find_last_not_of(" \t\r\n") + 1);
    const std::string word = line.substr(0, line.find(' '));
    const std::string rest = line.size() > word.size() ? line.substr(word.size() + 1) : "";
    if (line.empty()) continue;
    if (word == "wait") {
      Sleep(static_cast<DWORD>(std::stoul(rest)));
    } else if (word == "await") {
      const std::wstring file = folder + std::wstring(rest.begin(), rest.end());
      int tries = 0;
      while (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES && ++tries < 3000)
        Sleep(20);
      if (tries == 3000) {
        Log("script: no %s within 60 s", rest.c_str());
        break;
      }
    } else if (word == "mark") {
      Log("mark %s", rest.c_str());
    } else if (word == "vanish" || word == "return") {
      Input* told = nullptr;
      {
        Locked locked;
        input_listed = word == "return";
        Log("in %s", word == "vanish" ? "vanished" : "returned");
        told = input_listed ? nullptr : OpenInput();
        if (told != nullptr) told->close_told = true;
      }
      if (told != nullptr) CallInput(told, MIM_CLOSE, 0);
    } else if (word == "stream") {
      const std::vector<unsigned char> bytes = ParseHex(rest);
      Play(bytes);
      {
        Locked locked;
        streaming = true;
      }
      while (Deliver(MIM_DATA, bytes[0])) Sleep(0);
      Locked locked;
      streaming = false;
      WakeAllConditionVariable(&changed);
    } else if (const std::vector<unsigned char> bytes = ParseHex(line); !bytes.empty()) {
      Play(bytes);
    } else {
      Log("script: cannot read \"%s\"", line.c_str());
      break;
    }
  }
  return 0;
}

// Stops the input for midiInStop, midiInReset and midiInClose. While the
// script streams, the call first lets one more message go through the
// program's callback while the call is in progress, as a driver's thread
// may at any moment; a program that cannot take that (its callback waiting
// for what the stopping thread holds) hangs here, which is a breach.
void StopInput(Input& in, const char* call) {
  if (streaming && in.started) {
    const long entered = callbacks_entered;
    if (WaitUntil([entered] { return callbacks_entered != entered && !in_callback; }, 1000))
      Log("in %s during a callback", call);
  }
  in.started = false;
  if (!WaitUntil([] { return !in_callback; }, 5000))
    Log("breach: %s: the program's callback did not return within 5 s", call);
}

MMRESULT StopCall(HMIDIIN handle, const char* call) {
  Locked locked;
  Input* in = Find(inputs, handle, call);
  if (in == nullptr) return MMSYSERR_INVALHANDLE;
  StopInput(*in, call);
  return MMSYSERR_NOERROR;
}

// --- the system's own winmm.dll ---------------------------------------------

FARPROC SystemFunction(const char* name) {
  static const HMODULE kSystem = [] {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return LoadLibraryW((std::wstring(folder, length) + L"\\winmm.dll").c_str());
  }();
  return kSystem != nullptr ? GetProcAddress(kSystem, name) : nullptr;
}

}  // namespace

// Functions this file does not stand in for go to the system's.
#define FORWARD(result, name, parameters, arguments)                           \
  EXPORT result WINAPI name parameters {                                       \
    static const auto function = reinterpret_cast<result(WINAPI*) parameters>( \
        reinterpret_cast<void*>(SystemFunction(#name)));                       \
    return function arguments;                                                 \
  }
// Qt's event dispatcher and its windows platform plugin.
FORWARD(MMRESULT, timeSetEvent,
        (UINT delay, UINT resolution, LPTIMECALLBACK callback, DWORD_PTR user, UINT flags),
        (delay, resolution, callback, user, flags))
FORWARD(MMRESULT, timeKillEvent, (UINT id), (id))
FORWARD(WINBOOL, PlaySoundW, (LPCWSTR sound, HMODULE module, DWORD flags), (sound, module, flags))

// --- output functions -------------------------------------------------------

EXPORT UINT WINAPI midiOutGetNumDevs() { return static_cast<UINT>(output_names.size()); }

EXPORT MMRESULT WINAPI midiOutGetDevCapsW(UINT_PTR id, LPMIDIOUTCAPSW caps, UINT size) {
  if (id >= output_names.size()) return MMSYSERR_BADDEVICEID;
  if (caps == nullptr) return MMSYSERR_INVALPARAM;
  MIDIOUTCAPSW filled{};
  output_names[id].copy(filled.szPname, MAXPNAMELEN - 1);
  filled.wTechnology = MOD_MIDIPORT;
  filled.wChannelMask = 0xFFFF;
  std::memcpy(caps, &filled, std::min<std::size_t>(size, sizeof filled));
  return MMSYSERR_NOERROR;
}

EXPORT MMRESULT WINAPI midiOutOpen(LPHMIDIOUT handle, UINT id, DWORD_PTR callback,
                                   DWORD_PTR instance, DWORD flags) {
  Output* out = nullptr;
  {
    Locked locked;
    if (id >= output_names.size()) return MMSYSERR_BADDEVICEID;
    for (const Output* each : outputs)
      if (each->open && each->id == id) return MMSYSERR_ALLOCATED;
    const DWORD kind = flags & CALLBACK_TYPEMASK;
    const char* kind_name = kind == CALLBACK_NULL       ? "null"
                            : kind == CALLBACK_EVENT    ? "event"
                            : kind == CALLBACK_FUNCTION ? "function"
                                                        : nullptr;
    if (kind_name == nullptr) {
      Log("open out %u: a callback kind this stand-in lacks", id);
      return MMSYSERR_INVALFLAG;
    }
    out = new Output;
    out->id = id;
    out->callback_kind = kind;
    out->callback = callback;
    out->instance = instance;
    outputs.push_back(out);
    *handle = reinterpret_cast<HMIDIOUT>(out);
    Log("open out %u %s", id, kind_name);
    if (output_player == nullptr)
      output_player = CreateThread(nullptr, 0, PlayOutputs, nullptr, 0, nullptr);
  }
  Notify(*out, MOM_OPEN, nullptr);
  return MMSYSERR_NOERROR;
}

EXPORT MMRESULT WINAPI midiOutClose(HMIDIOUT handle) {
  Output* out = nullptr;
  {
    Locked locked;
    out = Find(outputs, handle, "midiOutClose");
    if (out == nullptr) return MMSYSERR_INVALHANDLE;
    if (!out->queue.empty()) {
      Log("breach: midiOutClose while %zu long messages are queued", out->queue.size());
      return MIDIERR_STILLPLAYING;
    }
    if (!out->prepared.empty())
      Log("breach: %zu headers never unprepared by midiOutClose", out->prepared.size());
    out->open = false;
    Log("close out");
  }
  Notify(*out, MOM_CLOSE, nullptr);
  return MMSYSERR_NOERROR;
}

EXPORT MMRESULT WINAPI midiOutReset(HMIDIOUT handle) {
  std::deque<MIDIHDR*> returned;
  Output* out = nullptr;
  {
    Locked locked;
    out = Find(outputs, handle, "midiOutReset");
    if (out == nullptr) return MMSYSERR_INVALHANDLE;
    Log("reset");
    returned = out->queue;
    for (MIDIHDR* header : returned) MarkDone(*out, header);
  }
  for (MIDIHDR* header : returned) Notify(*out, MOM_DONE, header);
  return MMSYSERR_NOERROR;
}

EXPORT MMRESULT WINAPI midiOutShortMsg(HMIDIOUT handle, DWORD message) {
  Locked locked;
  if (Find(outputs, handle, "midiOutShortMsg") == nullptr) return MMSYSERR_INVALHANDLE;
  const unsigned char bytes[3] = {static_cast<unsigned char>(message),
                                  static_cast<unsigned char>(message >> 8),
                                  static_cast<unsigned char>(message >> 16)};
  Log("short %s", Hex(bytes, 1 + static_cast<std::size_t>(DataLength(bytes[0]))).c_str());
  return MMSYSERR_NOERROR;
}

EXPORT MMRESULT WINAPI midiOutPrepareHeader(HMIDIOUT handle, LPMIDIHDR header, UINT size) {
  return MarkPrepared(handle, header, size, true);
}

EXPORT MMRESULT WINAPI midiOutUnprepareHeader(HMIDIOUT handle, LPMIDIHDR header, UINT size) {
  return MarkPrepared(handle, header, size, false);
}

EXPORT MMRESULT WINAPI midiOutLongMsg(HMIDIOUT handle, LPMIDIHDR header, UINT size) {
  Locked locked;
  MMRESULT result;
  Output* out = HeaderCall(handle, header, size, "midiOutLongMsg", result);
  if (out == nullptr) return result;
  if (!Prepared(*out, header) || (header->dwFlags & MHDR_PREPARED) == 0) {
    Log("breach: midiOutLongMsg on a header that is not prepared");
    return MIDIERR_UNPREPARED;
  }
  Log("long %s",
      Hex(reinterpret_cast<const unsigned char*>(header->lpData), header->dwBufferLength).c_str());
  header->dwFlags = (header->dwFlags & ~MHDR_DONE) | MHDR_INQUEUE;
  out->queue.push_back(header);
  WakeAllConditionVariable(&changed);
  return MMSYSERR_NOERROR;
}

// --- input functions --------------------------------------------------------

EXPORT UINT WINAPI midiInGetNumDevs() {
  Locked locked;
  return input_listed ? 1 : 0;
}

EXPORT MMRESULT WINAPI midiInGetDevCapsW(UINT_PTR id, LPMIDIINCAPSW caps, UINT size) {
  Locked locked;
  if (id != 0 || !input_listed) return MMSYSERR_BADDEVICEID;
  if (caps == nullptr) return MMSYSERR_INVALPARAM;
  MIDIINCAPSW filled{};
  std::wstring(L"Tonalyx Test In").copy(filled.szPname, MAXPNAMELEN - 1);
  std::memcpy(caps, &filled, std::min<std::size_t>(size, sizeof filled));
  return MMSYSERR_NOERROR;
}

EXPORT MMRESULT WINAPI midiInOpen(LPHMIDIIN handle, UINT id, DWORD_PTR callback, DWORD_PTR instance,
                                  DWORD flags) {
  Input* in = nullptr;
  {
    Locked locked;
    if (id != 0 || !input_listed) return MMSYSERR_BADDEVICEID;
    if (OpenInput() != nullptr) return MMSYSERR_ALLOCATED;
    const DWORD kind = flags & CALLBACK_TYPEMASK;
    if (kind != CALLBACK_FUNCTION && kind != CALLBACK_NULL) {
      Log("open in: a callback kind this stand-in lacks");
      return MMSYSERR_INVALFLAG;
    }
    in = new Input;
    in->callback = kind == CALLBACK_FUNCTION ? callback : 0;
    in->instance = instance;
    inputs.push_back(in);
    *handle = reinterpret_cast<HMIDIIN>(in);
    Log("open in %u", id);
    if (input_player == nullptr)
      input_player = CreateThread(nullptr, 0, PlayScript, nullptr, 0, nullptr);
  }
  CallInput(in, MIM_OPEN, 0);
  return MMSYSERR_NOERROR;
}

EXPORT MMRESULT WINAPI midiInStart(HMIDIIN handle) {
  Locked locked;
  Input* in = Find(inputs, handle, "midiInStart");
  if (in == nullptr) return MMSYSERR_INVALHANDLE;
  if (!input_listed) return MMSYSERR_NODRIVER;
  in->started = true;
  Log("start in");
  WakeAllConditionVariable(&changed);
  return MMSYSERR_NOERROR;
}

EXPORT MMRESULT WINAPI midiInStop(HMIDIIN handle) { return StopCall(handle, "midiInStop"); }
// The input takes no buffers, so a reset has none to hand back.
EXPORT MMRESULT WINAPI midiInReset(HMIDIIN handle) { return StopCall(handle, "midiInReset"); }

EXPORT MMRESULT WINAPI midiInClose(HMIDIIN handle) {
  Input* in = nullptr;
  bool tell = false;
  {
    Locked locked;
    in = Find(inputs, handle, "midiInClose");
    if (in == nullptr) return MMSYSERR_INVALHANDLE;
    StopInput(*in, "midiInClose");
    in->open = false;
    tell = !in->close_told;
    in->close_told = true;
    Log("close in");
  }
  if (tell) CallInput(in, MIM_CLOSE, 0);
  return MMSYSERR_NOERROR;
}

// --- the DLL's life ---------------------------------------------------------

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    start_ms = GetTickCount();
    const std::wstring log = Environment(L"TONALYX_WINMM_LOG");
    if (!log.empty())
      log_file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    const std::wstring pace = Environment(L"TONALYX_WINMM_US_PER_BYTE");
    if (!pace.empty()) us_per_byte = static_cast<DWORD>(std::stoul(pace));
    std::wstring names = Environment(L"TONALYX_WINMM_OUTPUTS");
    if (names.empty()) names = L"Tonalyx Test Out";
    for (std::size_t at = 0; at <= names.size();) {
      const std::size_t end = std::min(names.find(L'|', at), names.size());
      output_names.push_back(names.substr(at, end - at));
      at = end + 1;
    }
  }
  if (reason == DLL_PROCESS_DETACH && TryAcquireSRWLockExclusive(&lock)) {
    for (const Output* out : outputs)
      if (out->open) Log("breach: output %u never closed", out->id);
    for (const Input* in : inputs)
      if (in->open) Log("breach: the input never closed");
    ReleaseSRWLockExclusive(&lock);
  }
  return TRUE;
}
