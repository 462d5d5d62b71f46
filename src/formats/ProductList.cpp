#include "formats/ProductList.h"

#include <algorithm>

#include "formats/ByteReader.h"
#include "formats/ByteSink.h"
#include "formats/PlainText.h"

namespace mapsetdesk {
namespace {

constexpr std::size_t kBlockHead = 3;  // identifier, u16 payload length
constexpr std::size_t kMapRecordFixed = 8;
constexpr std::size_t kProductRecordFixed = 4;

std::string text(ByteReader& reader) {
  std::string found;
  while (reader.remaining() > 0) {
    const char byte = static_cast<char>(reader.u8());
    if (byte == '\0') break;
    found += byte;
  }
  return withoutControlCharacters(found);
}

MapRecord mapRecord(std::string_view raw) {
  ByteReader reader(raw, kBlockHead);
  MapRecord record;
  record.pid = reader.u16();
  record.fid = reader.u16();
  record.mapNumber = reader.u32();
  record.seriesName = text(reader);
  record.description = text(reader);
  record.areaName = text(reader);
  record.raw = std::string(raw);
  return record;
}

ProductRecord productRecord(std::string_view raw) {
  ByteReader reader(raw, kBlockHead);
  ProductRecord record;
  record.pid = reader.u16();
  record.fid = reader.u16();
  record.name = text(reader);
  record.raw = std::string(raw);
  return record;
}

}  // namespace

std::vector<std::uint16_t> ProductList::families() const {
  std::vector<std::uint16_t> found;
  std::vector<bool> seen(0x10000);
  for (const MapRecord& map : maps)
    if (!seen[map.fid]) {
      seen[map.fid] = true;
      found.push_back(map.fid);
    }
  return found;
}

ProductList ProductList::only(std::uint16_t fid) const {
  ProductList list;
  for (const MapRecord& map : maps)
    if (map.fid == fid) list.maps.push_back(map);
  for (const ProductRecord& product : products)
    if (product.fid == fid) list.products.push_back(product);
  list.otherBlocks = otherBlocks;
  return list;
}

std::map<std::uint16_t, ProductList> ProductList::byFamily() const {
  std::map<std::uint16_t, ProductList> lists;
  for (const MapRecord& map : maps) lists[map.fid].maps.push_back(map);
  for (const ProductRecord& product : products) {
    const auto family = lists.find(product.fid);
    if (family != lists.end()) family->second.products.push_back(product);
  }
  return lists;
}

const MapRecord* ProductList::mapOf(std::uint32_t mapNumber) const {
  for (const MapRecord& map : maps)
    if (map.mapNumber == mapNumber) return &map;
  return nullptr;
}

MapRecordIndex::MapRecordIndex(const ProductList& list) {
  for (const MapRecord& map : list.maps) records_.emplace(map.mapNumber, &map);
}

const MapRecord* MapRecordIndex::of(std::uint32_t mapNumber) const {
  const auto found = records_.find(mapNumber);
  return found == records_.end() ? nullptr : found->second;
}

std::string ProductList::familyName(std::uint16_t fid) const {
  for (const ProductRecord& product : products)
    if (product.fid == fid && !product.name.empty()) return product.name;
  for (const MapRecord& map : maps)
    if (map.fid == fid) return map.seriesName;
  return {};
}

ProductList readProductList(std::string_view mps) {
  ProductList list;
  ByteReader reader(mps);
  while (reader.remaining() >= kBlockHead) {
    const std::size_t start = reader.offset();
    const std::uint8_t id = reader.u8();
    const std::size_t length = reader.u16();
    reader.skip(length);
    if (!reader.ok()) {
      list.damaged = true;
      break;
    }
    const std::string_view raw = mps.substr(start, kBlockHead + length);
    if (id == kMpsMapBlock && length >= kMapRecordFixed) {
      list.maps.push_back(mapRecord(raw));
    } else if (id == kMpsProductBlock && length >= kProductRecordFixed) {
      list.products.push_back(productRecord(raw));
    } else {
      list.otherBlocks.emplace_back(raw);
    }
  }
  return list;
}

namespace {

// Three texts of this length and the numbers stay well inside a block's
// 16-bit length.
constexpr std::size_t kLongestText = 255;

std::string cut(std::string text) {
  text.resize(std::min(text.size(), kLongestText));
  return text;
}

std::string block(std::uint8_t id, const ByteSink& payload) {
  ByteSink sink;
  sink.u8(id).u16(static_cast<std::uint32_t>(payload.size())).bytes(payload.str());
  return sink.take();
}

}  // namespace

MapRecord newMapRecord(std::uint16_t pid, std::uint16_t fid, std::uint32_t mapNumber,
                       std::string seriesName, std::string description, std::string areaName) {
  seriesName = cut(std::move(seriesName));
  description = cut(std::move(description));
  areaName = cut(std::move(areaName));
  ByteSink payload;
  payload.u16(pid).u16(fid).u32(mapNumber);
  payload.text(seriesName).text(description).text(areaName).u32(mapNumber).u32(0);
  return {pid,
          fid,
          mapNumber,
          std::move(seriesName),
          std::move(description),
          std::move(areaName),
          block(kMpsMapBlock, payload)};
}

ProductRecord newProductRecord(std::uint16_t pid, std::uint16_t fid, std::string name) {
  name = cut(std::move(name));
  ByteSink payload;
  payload.u16(pid).u16(fid).text(name);
  return {pid, fid, std::move(name), block(kMpsProductBlock, payload)};
}

std::string writeProductList(const ProductList& list) {
  std::string bytes;
  for (const MapRecord& map : list.maps) bytes += map.raw;
  for (const ProductRecord& product : list.products) bytes += product.raw;
  for (const std::string& other : list.otherBlocks) bytes += other;
  return bytes;
}

}  // namespace mapsetdesk
