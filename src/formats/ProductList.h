#pragma once
// The product list of a device image (its MPS subfile): one record per tile
// naming its family and product, one per product naming it. Blocks of other
// kinds are kept as they are.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mapsetdesk {

inline constexpr std::uint8_t kMpsMapBlock = 0x4C;
inline constexpr std::uint8_t kMpsProductBlock = 0x46;

struct MapRecord {
  std::uint16_t pid = 0;
  std::uint16_t fid = 0;
  std::uint32_t mapNumber = 0;
  std::string seriesName;  // Windows-1252
  std::string description;
  std::string areaName;
  std::string raw;  // the whole block, to copy it unchanged
};

struct ProductRecord {
  std::uint16_t pid = 0;
  std::uint16_t fid = 0;
  std::string name;  // Windows-1252
  std::string raw;
};

struct ProductList {
  std::vector<MapRecord> maps;
  std::vector<ProductRecord> products;
  std::vector<std::string> otherBlocks;
  bool damaged = false;  // a block ran past the end; the blocks before it are kept

  // The families in the order their first tile is listed.
  std::vector<std::uint16_t> families() const;
  // The list restricted to one family.
  ProductList only(std::uint16_t fid) const;
  // Every family's list at once, without the other blocks, which belong to
  // every family and would be copied as often as there are families.
  std::map<std::uint16_t, ProductList> byFamily() const;
  const MapRecord* mapOf(std::uint32_t mapNumber) const;
  // The product's name, else the series name of its first tile.
  std::string familyName(std::uint16_t fid) const;
};

// mapOf for many tiles of a long list: looked up once. Holds pointers into
// the list, which must outlive it unchanged.
class MapRecordIndex {
 public:
  explicit MapRecordIndex(const ProductList& list);
  const MapRecord* of(std::uint32_t mapNumber) const;

 private:
  std::unordered_map<std::uint32_t, const MapRecord*> records_;
};

ProductList readProductList(std::string_view mps);
// New records with their raw blocks, as a device reads them: a map record
// ends with the map number once more and four zero bytes. Texts are
// Windows-1252, cut at 255 bytes, and must hold no zero byte.
MapRecord newMapRecord(std::uint16_t pid, std::uint16_t fid, std::uint32_t mapNumber,
                       std::string seriesName, std::string description, std::string areaName);
ProductRecord newProductRecord(std::uint16_t pid, std::uint16_t fid, std::string name);
// The raw blocks: maps, products, then the others.
std::string writeProductList(const ProductList& list);

}  // namespace mapsetdesk
