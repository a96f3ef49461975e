// The island entry of a window left as it opens.
#pragma once

#include <string>

namespace island::test {

inline const std::wstring kDefaultEntry =
    L"    default:\r\n"
    L"      show: true\r\n"
    L"      icon: DIRT\r\n"
    L"      order: 1\r\n"
    L"      name: \"普通空岛\"\r\n"
    L"      description: \"&a挑战|&a起点|&6无中生有\"\r\n"
    L"      filename: island.schematic\r\n"
    L"      biome: FOREST\r\n"
    L"      useDefaultChest: true\r\n"
    L"      partnerSchematic: nether\r\n"
    L"      levelHandicap: 3\r\n"
    L"      cost: 1\r\n";

}  // namespace island::test
