// Writes the crafted device images of the tests (tests/support/CraftedImages)
// into a corpus folder, made from mkgmap's gmapsupp.img of two families.
//
// usage: crafted_seeds GMAPSUPP.IMG FOLDER
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "support/CraftedImages.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: crafted_seeds GMAPSUPP.IMG FOLDER\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::string image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  int number = 0;
  for (const auto& crafted : mapsetdesk::testing::craftedImages(image)) {
    const std::string path = std::string(argv[2]) + "/crafted-" + std::to_string(++number) + ".img";
    std::ofstream(path, std::ios::binary).write(crafted.bytes.data(),
                                                static_cast<std::streamsize>(crafted.bytes.size()));
  }
  return 0;
}
