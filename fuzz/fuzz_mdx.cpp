// The MDX index: reading never leaves the buffer, and setting the FID
// changes only the FID bytes of the records it reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formats/MdxIndex.h"

using namespace mapsetdesk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string original(reinterpret_cast<const char*>(data), size);
  const MdxRecords records = readMdxFids(original);
  std::string patched = original;
  const bool set = setMdxFid(patched, 0xBEEF);
  if (set == records.damaged || patched.size() != original.size()) std::abort();
  if (!set) {
    if (patched != original) std::abort();
    return 0;
  }
  const MdxRecords after = readMdxFids(patched);
  if (after.fids.size() != records.fids.size()) std::abort();
  for (const std::uint16_t fid : after.fids)
    if (fid != 0xBEEF) std::abort();
  const std::size_t recordsEnd = kMdxFirstRecord + records.fids.size() * kMdxRecordSize;
  for (std::size_t i = 0; i < size; ++i) {
    const std::size_t inRecord = (i - kMdxFirstRecord) % kMdxRecordSize;
    const bool fidByte = i >= kMdxFirstRecord && i < recordsEnd &&
                         (inRecord == kMdxRecordFid || inRecord == kMdxRecordFid + 1);
    if (!fidByte && patched[i] != original[i]) std::abort();
  }
  return 0;
}
