// libFuzzer target over the settings file: the input's bytes are the file.
// Every key the program reads is read, the program's keys are written with
// values drawn from the input (edge blanks, quotes, backslashes, line breaks,
// NUL bytes, any integer), the file is stored and loaded again. It aborts when
// - a written key does not read back exactly as written,
// - a key the program reads, not written, reads differently after the store,
// - a store is refused although the load found sections, or done although it
//   found none in a file of more than blanks, or a refused store touched the
//   file,
// - storing what was loaded back would change the file once more.

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "settings/SettingsFile.h"

namespace tonalyx {
namespace {

namespace fs = std::filesystem;

struct Key {
  std::string section;
  std::string key;
};

// Section and key as the program reads them, and whether it reads a string.
struct ReadKey {
  Key at;
  bool string;
};

std::vector<ReadKey> ReadKeys() {
  std::vector<ReadKey> keys;
  std::vector<std::string> sections = {"window", "Finder"};
  for (int n = 2; n <= 12; ++n) sections.push_back("Window" + std::to_string(n));
  for (const std::string& section : sections)
    for (const char* key : {"Height", "Width", "Top", "Left"})
      keys.push_back({{section, key}, false});
  keys.push_back({{"Dev", "Dev_num"}, false});
  keys.push_back({{"Dev", "drum"}, true});
  keys.push_back({{"dev", "type"}, false});
  keys.push_back({{"synth", "soundfont"}, true});
  return keys;
}

// Section and key as the program writes them (the spelling differs from the
// reads in letter case only), and whether it writes a string.
std::vector<ReadKey> WriteKeys() {
  std::vector<ReadKey> keys;
  for (const ReadKey& read : ReadKeys()) {
    if (read.at.section == "Dev" && read.at.key == "Dev_num") {
      keys.push_back({{"dev", "dev_num"}, false});
    } else if (read.at.section == "Dev") {
      keys.push_back({{"dev", "drum"}, true});
    } else if (read.at.section != "synth") {
      keys.push_back(read);
    }
  }
  return keys;
}

std::string Folded(const Key& key) {
  std::string text = key.section + '\n' + key.key;
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "settings fuzz: %s\n", what.c_str());
  std::abort();
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, std::string_view text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(text.data(), static_cast<std::streamsize>(text.size()));
}

// A folder of this process's own, in memory where the system has one.
const fs::path& Folder() {
  static const fs::path folder = [] {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "tonalyx-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) Fail("no temporary folder");
    std::atexit([] { fs::remove_all(Folder()); });
    return fs::path(pattern);
  }();
  return folder;
}

// A value to write: an integer of any size, or a string built of pieces that
// matter to the file format and of bytes of the input.
using Value = std::variant<int, std::string>;

std::string StringValue(std::mt19937_64& random, std::string_view input) {
  static const char* const pieces[] = {" ", "\t", "\"", "\\", "\n",  "\r", "\r\n",   "=",   "[",
                                       "]", ";",  "n",  "r",  "\\n", "x",  "Synth ", "\"\""};
  std::string value;
  const int count = static_cast<int>(random() % 6);
  for (int i = 0; i < count; ++i) {
    if (random() % 3 == 0 && !input.empty()) {
      const std::size_t from = random() % input.size();
      value.append(input.substr(from, random() % 8));
    } else {
      value += pieces[random() % std::size(pieces)];
    }
    if (random() % 16 == 0) value.push_back('\0');
  }
  return value;
}

int IntegerValue(std::mt19937_64& random) {
  static const int edges[] = {0, -1, 1, 127, 2147483647, -2147483647 - 1};
  if (random() % 2 == 0) return edges[random() % std::size(edges)];
  return static_cast<int>(static_cast<std::uint32_t>(random()));
}

struct Readings {
  std::string string;
  int integer;
};

Readings Read(const SettingsFile& settings, const Key& key) {
  // A sentinel default tells a missing key from any value.
  return {settings.ReadString(key.section, key.key, "\x01missing"),
          settings.ReadInteger(key.section, key.key, -12345)};
}

void Check(std::string_view input) {
  const fs::path path = Folder() / "tonalyx.ini";
  WriteFile(path, input);

  std::seed_seq seed(input.begin(), input.end());
  std::mt19937_64 random(seed);

  SettingsFile settings = SettingsFile::Open(path);
  std::map<std::string, Readings> before;
  for (const ReadKey& read : ReadKeys()) before[Folded(read.at)] = Read(settings, read.at);

  std::map<std::string, std::pair<Key, Value>> written;
  for (const ReadKey& write : WriteKeys()) {
    if (random() % 2 == 0) continue;
    if (write.string) {
      std::string value = StringValue(random, input);
      settings.WriteString(write.at.section, write.at.key, value);
      written[Folded(write.at)] = {write.at, std::move(value)};
    } else {
      const int value = IntegerValue(random);
      settings.WriteInteger(write.at.section, write.at.key, value);
      written[Folded(write.at)] = {write.at, value};
    }
  }

  const bool loadedSections = !SettingsFile::FromText(input).Text().empty();
  const bool blank = input.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos;
  const bool stored = settings.Store();
  if (!stored) {
    if (loadedSections || blank) Fail("a store of a settings file was refused");
    if (ReadFile(path) != input) Fail("a refused store changed the file");
    return;
  }
  if (!loadedSections && !blank) Fail("a file without any section was replaced");

  const std::string text = ReadFile(path);
  const SettingsFile again = SettingsFile::Open(path);
  for (const auto& [folded, entry] : written) {
    const auto& [key, value] = entry;
    const Readings now = Read(again, key);
    if (const int* number = std::get_if<int>(&value)) {
      if (now.integer != *number || now.string != std::to_string(*number))
        Fail("integer " + key.section + "/" + key.key + " read back as " + now.string);
    } else if (now.string != std::get<std::string>(value)) {
      Fail("string " + key.section + "/" + key.key + " read back differently");
    }
  }
  for (const ReadKey& read : ReadKeys()) {
    const std::string folded = Folded(read.at);
    if (written.count(folded) != 0) continue;
    const Readings now = Read(again, read.at);
    const Readings& then = before[folded];
    if (now.string != then.string || now.integer != then.integer)
      Fail(read.at.section + "/" + read.at.key + " changed although it was not written");
  }
  if (again.Text() != text) Fail("storing the stored file again would change it");
}

}  // namespace
}  // namespace tonalyx

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tonalyx::Check(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
