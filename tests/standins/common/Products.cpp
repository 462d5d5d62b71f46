#include "common/Products.h"

#include <algorithm>

#include "common/Bytes.h"

namespace mapsetdesk::standin {
namespace {

constexpr std::uint8_t kMapBlock = 0x4C;
constexpr std::uint8_t kProductBlock = 0x46;

MapRecord mapRecord(std::string_view raw) {
  const std::string_view payload = raw.substr(3);
  MapRecord record;
  record.pid = static_cast<std::uint16_t>(readU16(payload, 0));
  record.fid = static_cast<std::uint16_t>(readU16(payload, 2));
  record.mapNumber = readU32(payload, 4);
  std::size_t at = 8;
  record.seriesName = readText(payload, at);
  at += record.seriesName.size() + 1;
  record.description = readText(payload, at);
  at += record.description.size() + 1;
  record.areaName = readText(payload, at);
  record.raw = std::string(raw);
  return record;
}

ProductRecord productRecord(std::string_view raw) {
  const std::string_view payload = raw.substr(3);
  return {static_cast<std::uint16_t>(readU16(payload, 0)),
          static_cast<std::uint16_t>(readU16(payload, 2)), readText(payload, 4), std::string(raw)};
}

}  // namespace

std::vector<std::uint16_t> ProductList::families() const {
  std::vector<std::uint16_t> found;
  for (const MapRecord& map : maps)
    if (std::find(found.begin(), found.end(), map.fid) == found.end()) found.push_back(map.fid);
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

const MapRecord* ProductList::mapOf(std::uint32_t mapNumber) const {
  for (const MapRecord& map : maps)
    if (map.mapNumber == mapNumber) return &map;
  return nullptr;
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
  for (std::size_t at = 0; at + 3 <= mps.size();) {
    const std::size_t length = readU16(mps, at + 1);
    if (at + 3 + length > mps.size()) break;
    const std::string_view raw = mps.substr(at, 3 + length);
    const auto id = static_cast<std::uint8_t>(raw[0]);
    if (id == kMapBlock && length >= 8) {
      list.maps.push_back(mapRecord(raw));
    } else if (id == kProductBlock && length >= 4) {
      list.products.push_back(productRecord(raw));
    } else {
      list.otherBlocks.emplace_back(raw);
    }
    at += 3 + length;
  }
  return list;
}

std::string writeProductList(const ProductList& list) {
  std::string bytes;
  for (const MapRecord& map : list.maps) bytes += map.raw;
  for (const ProductRecord& product : list.products) bytes += product.raw;
  for (const std::string& other : list.otherBlocks) bytes += other;
  return bytes;
}

}  // namespace mapsetdesk::standin
