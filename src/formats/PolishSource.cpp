#include "formats/PolishSource.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

#include "formats/MapUnits.h"

namespace mapsetdesk {
namespace {

constexpr std::uint32_t kLargestMapName = 99999999;

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

// Decimal, or hexadecimal after "0x".
std::optional<std::uint32_t> parseNumber(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// The N of a key "PrefixN", or nullopt.
std::optional<int> indexAfter(std::string_view key, std::string_view prefix) {
  if (key.size() <= prefix.size() || upper(key.substr(0, prefix.size())) != upper(prefix))
    return std::nullopt;
  const auto number = parseNumber(key.substr(prefix.size()));
  const bool leadingZero = key[prefix.size()] == '0' && key.size() > prefix.size() + 1;
  if (!number || *number > 99 || leadingZero)
    return std::nullopt;
  return static_cast<int>(*number);
}

enum class Section { None, Header, Shape };

struct ShapeDraft {
  ShapeKind kind = ShapeKind::Polygon;
  std::string title;
  int line = 0;
  std::optional<std::uint8_t> type;
  bool typeGiven = false;
  std::string label;
  std::optional<int> endLevel;
  std::vector<std::pair<int, MapShape>> parts;  // level of its Data line, shape
};

class SourceParser {
 public:
  PolishParse run(std::string_view text);

 private:
  void takeLine(std::string_view line);
  void openSection(std::string_view name);
  void closeSection();
  void headerKey(std::string_view key, std::string_view value);
  void shapeKey(std::string_view key, std::string_view value);
  void dataLine(int level, std::string_view key, std::string_view value);
  void checkHeader();
  void checkHeaderKeys();
  void finishShape();
  std::optional<std::uint8_t> shapeType(std::string_view value);
  void refuse(const std::string& text) { result_.notes.push_back({line_, text, true}); }
  void ignore(const std::string& text) { result_.notes.push_back({line_, text, false}); }
  int levelCount() const { return static_cast<int>(result_.map.levelBits.size()); }
  // Garmin maps leave the top level of several empty: it only leads to the ones below.
  int highestFilledLevel() const { return std::max(0, levelCount() - 2); }

  PolishParse result_;
  Section section_ = Section::None;
  int line_ = 0;
  int headerLine_ = 0;
  bool headerSeen_ = false;
  std::optional<std::uint32_t> id_;
  bool idGiven_ = false;
  std::optional<int> levelCount_;
  std::map<int, int> levels_;
  ShapeDraft shape_;
};

PolishParse SourceParser::run(std::string_view text) {
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    ++line_;
    takeLine(trimmed(text.substr(start, end - start)));
    start = end + 1;
  }
  if (section_ == Section::Header) checkHeader();
  if (section_ == Section::Shape) {
    line_ = shape_.line;
    refuse(shape_.title + " is not closed by [END]");
  }
  if (!headerSeen_) {
    line_ = 1;
    refuse("the source has no [IMG ID] section");
  } else if (result_.map.shapes.empty() && !result_.refused()) {
    refuse("the source has no [POLYGON] or [POLYLINE] section");
  }
  return std::move(result_);
}

void SourceParser::takeLine(std::string_view line) {
  if (line.empty() || line.front() == ';') return;
  if (line.front() == '[') {
    if (line.back() != ']') return refuse(std::string(line) + " is not a section name");
    return openSection(trimmed(line.substr(1, line.size() - 2)));
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos)
    return refuse(std::string("\"").append(line).append("\" is not a key=value line"));
  const std::string_view key = trimmed(line.substr(0, equals));
  const std::string_view value = trimmed(line.substr(equals + 1));
  if (section_ == Section::Header) return headerKey(key, value);
  if (section_ == Section::Shape) return shapeKey(key, value);
  refuse(std::string(key) + "= stands outside a section");
}

void SourceParser::openSection(std::string_view name) {
  const std::string title = std::string("[").append(name).append("]");
  const std::string kind = upper(name);
  if (kind.starts_with("END")) return closeSection();
  if (section_ != Section::None)
    return refuse(title + " starts before the section above is closed");
  if (kind == "IMG ID") {
    if (headerSeen_) return refuse("a second [IMG ID] section");
    section_ = Section::Header;
    headerSeen_ = true;
    headerLine_ = line_;
    return;
  }
  if (kind != "POLYGON" && kind != "POLYLINE")
    return refuse(title + " is not a section an overview map holds");
  if (!headerSeen_) return refuse(title + " stands before the [IMG ID] section");
  section_ = Section::Shape;
  shape_ = ShapeDraft{};
  shape_.kind = kind == "POLYGON" ? ShapeKind::Polygon : ShapeKind::Polyline;
  shape_.title = title;
  shape_.line = line_;
}

void SourceParser::closeSection() {
  if (section_ == Section::None) return refuse("[END] closes no section");
  if (section_ == Section::Header) checkHeader();
  if (section_ == Section::Shape) finishShape();
  section_ = Section::None;
}

void SourceParser::headerKey(std::string_view key, std::string_view value) {
  const std::string name = upper(key);
  OverviewMap& map = result_.map;
  if (name == "ID") {
    // A second ID would make the map's number depend on which one is read.
    if (idGiven_) return refuse("ID= given twice");
    idGiven_ = true;
    id_ = parseNumber(value);
    if (!id_) return refuse("ID=" + std::string(value) + " is not a map number");
    // Subfile names hold eight characters; a longer number would be cut
    // into another map's name.
    if (*id_ > kLargestMapName) refuse("ID=" + std::string(value) + " has more than eight digits");
  } else if (name == "NAME") {
    map.name = std::string(value);
  } else if (name == "CODEPAGE") {
    const auto page = parseNumber(value);
    if (!page || *page > 0xFFFF) return refuse("CodePage=" + std::string(value) + " is not a code page");
    map.codePage = static_cast<std::uint16_t>(*page);
  } else if (name == "LBLCODING") {
    if (value != "9") ignore("LblCoding=" + std::string(value) + " ignored: labels are written as code page text");
  } else if (name == "LEVELS") {
    const auto count = parseNumber(value);
    if (!count || *count < 1 || *count > kMaxMapLevels)
      return refuse("Levels=" + std::string(value) + " is not a level count from 1 to 10");
    levelCount_ = static_cast<int>(*count);
  } else if (const auto level = indexAfter(key, "Level")) {
    const auto bits = parseNumber(value);
    if (!bits || *bits < 1 || *bits > kFullBits)
      return refuse(std::string(key) + "=" + std::string(value) + " is not a resolution from 1 to 24 bits");
    levels_[*level] = static_cast<int>(*bits);
  } else if (indexAfter(key, "Zoom")) {
    // Taken without a note: the levels are numbered 0, 1, ... in order anyway.
  } else {
    ignore(std::string(key) + "=" + std::string(value) + " ignored");
  }
}

// Keys missing from the header are reported on its [IMG ID] line.
void SourceParser::checkHeader() {
  const int current = line_;
  line_ = headerLine_;
  checkHeaderKeys();
  line_ = current;
}

void SourceParser::checkHeaderKeys() {
  OverviewMap& map = result_.map;
  if (!id_) refuse("[IMG ID] has no ID");
  map.mapNumber = id_.value_or(0);
  if (!levelCount_) return refuse("[IMG ID] has no Levels");
  for (int level = 0; level < *levelCount_; ++level) {
    const auto found = levels_.find(level);
    if (found == levels_.end()) return refuse("[IMG ID] has no Level" + std::to_string(level));
    if (level > 0 && found->second > map.levelBits.back())
      return refuse("Level" + std::to_string(level) + " has more bits than Level" + std::to_string(level - 1));
    map.levelBits.push_back(found->second);
  }
}

std::optional<std::uint8_t> SourceParser::shapeType(std::string_view value) {
  const auto number = parseNumber(value);
  if (!number) {
    refuse("Type=" + std::string(value) + " is not a number");
    return std::nullopt;
  }
  // A two-byte type with a zero low byte names the type in its high byte.
  const std::uint32_t type = *number > 0xFF && (*number & 0xFF) == 0 ? *number >> 8 : *number;
  const std::uint32_t largest = shape_.kind == ShapeKind::Polygon ? 0x7F : 0x3F;
  if (type == 0 || type > largest || *number > 0xFFFF) {
    refuse("Type=" + std::string(value) + " is no type a " +
           (shape_.kind == ShapeKind::Polygon ? "polygon" : "polyline") + " can have");
    return std::nullopt;
  }
  return static_cast<std::uint8_t>(type);
}

void SourceParser::shapeKey(std::string_view key, std::string_view value) {
  const std::string name = upper(key);
  if (name == "TYPE") {
    shape_.typeGiven = true;
    shape_.type = shapeType(value);
  } else if (name == "LABEL") {
    // The map ends each label with a zero byte, so one inside would cut it.
    if (value.find('\0') != std::string_view::npos) return refuse("Label holds a zero byte");
    shape_.label = std::string(value);
  } else if (name == "ENDLEVEL") {
    const auto level = parseNumber(value);
    if (!level || *level > 99) return refuse("EndLevel=" + std::string(value) + " is not a level");
    shape_.endLevel = static_cast<int>(*level);
  } else if (const auto level = indexAfter(key, "Data")) {
    dataLine(*level, key, value);
  } else {
    ignore(std::string(key) + "=" + std::string(value) + " ignored");
  }
}

void SourceParser::dataLine(int level, std::string_view key, std::string_view value) {
  std::vector<double> numbers;
  const char* at = value.data();
  const char* const end = value.data() + value.size();
  while (at < end) {
    if (*at == '(' || *at == ')' || *at == ',' || *at == ' ' || *at == '\t') {
      ++at;
      continue;
    }
    double number = 0;
    const auto [next, error] = std::from_chars(at, end, number);
    if (error != std::errc()) return refuse(std::string(key) + " holds \"" + std::string(at, end) + "\", not a coordinate");
    numbers.push_back(number);
    at = next;
  }
  if (numbers.size() % 2 != 0) return refuse(std::string(key) + " holds an odd number of values");
  const std::size_t least = shape_.kind == ShapeKind::Polygon ? 3 : 2;
  if (numbers.size() / 2 < least)
    return refuse(std::string(key) + " holds fewer than " + std::to_string(least) + " points");
  if (level >= std::max(levelCount(), 1))
    return refuse(std::string(key) + " names a level the map does not have");
  if (level > highestFilledLevel())
    return refuse(std::string(key) + " names the top level, which stays empty");
  MapShape shape;
  shape.kind = shape_.kind;
  shape.line = line_;
  shape.points.reserve(numbers.size() / 2);
  for (std::size_t i = 0; i < numbers.size(); i += 2) {
    const double lat = numbers[i], lon = numbers[i + 1];
    if (!(lat >= -90.0 && lat <= 90.0 && lon >= -180.0 && lon <= 180.0))
      return refuse(std::string(key) + " holds a coordinate out of range");
    shape.points.push_back({unitsFromDegrees(lat), wrapUnits(unitsFromDegrees(lon))});
  }
  shape_.parts.emplace_back(level, std::move(shape));
}

void SourceParser::finishShape() {
  if (!shape_.type || shape_.parts.empty()) {
    // A missing key is reported on the section's first line.
    const int current = line_;
    line_ = shape_.line;
    if (!shape_.typeGiven) refuse(shape_.title + " has no Type");
    if (shape_.parts.empty()) refuse(shape_.title + " has no Data line");
    line_ = current;
    return;
  }
  std::vector<int> levels;
  for (const auto& part : shape_.parts) levels.push_back(part.first);
  std::sort(levels.begin(), levels.end());
  levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
  for (auto& [level, shape] : shape_.parts) {
    const auto next = std::upper_bound(levels.begin(), levels.end(), level);
    const int last = next != levels.end() ? *next - 1 : std::max(level, shape_.endLevel.value_or(level));
    shape.type = *shape_.type;
    shape.label = shape_.label;
    shape.firstLevel = level;
    shape.lastLevel = std::min(last, highestFilledLevel());
    result_.map.shapes.push_back(std::move(shape));
  }
}

}  // namespace

bool PolishParse::refused() const {
  return std::any_of(notes.begin(), notes.end(), [](const MapNote& note) { return note.refused; });
}

PolishParse parsePolishSource(std::string_view text) { return SourceParser().run(text); }

}  // namespace mapsetdesk
