#include "tables/gen/NameTableSource.h"

#include <charconv>
#include <sstream>
#include <string_view>

namespace tonalyx::gen {
namespace {

std::vector<std::string_view> SplitOnTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
}

std::string Where(const std::string& source, int line) {
  return source + ":" + std::to_string(line) + ": ";
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

int ParseKey(std::string_view field, const KeyColumn& column, const std::string& where) {
  int value = 0;
  const char* end = field.data() + field.size();
  const auto [ptr, ec] = std::from_chars(field.data(), end, value);
  if (field.empty() || ec != std::errc() || ptr != end) {
    throw TableError(where + "column " + column.name + ": " + Quoted(field) +
                     " is not a whole number");
  }
  if (value < 0 || value > column.max) {
    throw TableError(where + "column " + column.name + ": " + std::to_string(value) +
                     " is outside 0.." + std::to_string(column.max));
  }
  return value;
}

void CheckName(std::string_view name, const std::string& where) {
  if (name.empty()) throw TableError(where + "empty name");
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7e) {
      throw TableError(where + "name " + Quoted(name) + " holds a character that is not " +
                       "printable ASCII (code " + std::to_string(byte) + ")");
    }
  }
}

std::string KeyText(const TableFormat& format, const std::vector<int>& key) {
  std::ostringstream text;
  for (std::size_t i = 0; i < key.size(); ++i) {
    text << (i ? " " : "") << format.keys[i].name << "=" << key[i];
  }
  return text.str();
}

}  // namespace

// GS tones: the dense array is indexed by row = program + 1 (row 0 stays empty), bank and
// map, the map varying fastest.
TableFormat GsToneFormat() {
  return {{{"map", 4}, {"bank", 127}, {"program", 127}}, {1, 5, 640}, 640, 129 * 640};
}

TableFormat XgToneFormat() {
  return {{{"map", 5}, {"bank", 127}, {"program", 127}}, {1, 6, 768}, 0, 128 * 768};
}

TableFormat GsDrumFormat() {
  return {{{"map", 4}, {"kit", 127}, {"note", 127}}, {1, 640, 5}, 0, 128 * 640};
}

TableFormat XgDrumFormat() { return {{{"kit", 127}, {"note", 127}}, {128, 1}, 0, 128 * 128}; }

std::vector<std::string> ReadTable(std::istream& in, const std::string& source,
                                   const TableFormat& format) {
  const std::size_t columns = format.keys.size() + 1;
  std::string expected_header;
  for (const KeyColumn& key : format.keys) expected_header += key.name + "\t";
  expected_header += "name";

  std::vector<std::string> cells(format.size);
  std::vector<int> first_line(format.size, 0);
  std::string line;
  int line_number = 0;
  if (!std::getline(in, line)) throw TableError(Where(source, 1) + "missing header line");
  ++line_number;
  if (line != expected_header) {
    throw TableError(Where(source, line_number) + "header must be the columns " +
                     Quoted(expected_header) + " separated by tabs");
  }
  while (std::getline(in, line)) {
    ++line_number;
    const std::string where = Where(source, line_number);
    const std::vector<std::string_view> fields = SplitOnTabs(line);
    if (fields.size() != columns) {
      throw TableError(where + "expected " + std::to_string(columns) +
                       " tab-separated columns, found " + std::to_string(fields.size()));
    }
    std::vector<int> key;
    std::size_t cell = format.offset;
    for (std::size_t i = 0; i < format.keys.size(); ++i) {
      key.push_back(ParseKey(fields[i], format.keys[i], where));
      cell += static_cast<std::size_t>(key.back()) * format.strides[i];
    }
    const std::string_view name = fields.back();
    CheckName(name, where);
    if (first_line[cell] != 0) {
      throw TableError(where + "duplicate key " + KeyText(format, key) + " (first on line " +
                       std::to_string(first_line[cell]) + ")");
    }
    first_line[cell] = line_number;
    cells[cell] = std::string(name);
  }
  if (in.bad()) throw TableError(Where(source, line_number) + "read error");
  return cells;
}

}  // namespace tonalyx::gen
