#include "pictures/region_colouring.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

namespace pelvano::pictures {
namespace {

// Paul Tol's "light" scheme, meant for filled areas that carry labels.
constexpr std::array<const char*, 9> kPalette = {"#77aadd", "#ee8866", "#eedd88",
                                                 "#ffaabb", "#99ddff", "#44bb99",
                                                 "#bbcc33", "#aaaa00", "#dddddd"};

// The pairs of regions that share an edge, as each region's sorted neighbours.
std::vector<std::vector<std::int32_t>> neighbours(const RegionMap& regions) {
  std::vector<std::vector<std::int32_t>> adjacent(regions.populations.size());
  const auto link = [&](std::int32_t a, std::int32_t b) {
    if (a == b) return;
    adjacent[static_cast<std::size_t>(a)].push_back(b);
    adjacent[static_cast<std::size_t>(b)].push_back(a);
  };
  const auto at = [&](std::int32_t r, std::int32_t c) {
    return regions
        .regionOfCell[static_cast<std::size_t>(r) * static_cast<std::size_t>(regions.width) +
                      static_cast<std::size_t>(c)];
  };
  for (std::int32_t r = 0; r < regions.height; ++r) {
    for (std::int32_t c = 0; c < regions.width; ++c) {
      if (c + 1 < regions.width) link(at(r, c), at(r, c + 1));
      if (r + 1 < regions.height) link(at(r, c), at(r + 1, c));
    }
  }
  for (std::vector<std::int32_t>& list : adjacent) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
  }
  return adjacent;
}

}  // namespace

std::vector<std::int32_t> colourRegions(const RegionMap& regions,
                                        const std::vector<std::int32_t>& labels) {
  const std::vector<std::vector<std::int32_t>> adjacent = neighbours(regions);
  // Each region's node: its label's first region.
  std::vector<std::size_t> node(adjacent.size());
  std::map<std::int32_t, std::size_t> firstOfLabel;
  for (std::size_t region = 0; region < adjacent.size(); ++region) {
    node[region] = region < labels.size()
                       ? firstOfLabel.emplace(labels[region], region).first->second
                       : region;
  }
  std::vector<std::vector<std::size_t>> parts(adjacent.size());
  for (std::size_t region = 0; region < adjacent.size(); ++region)
    parts[node[region]].push_back(region);
  std::vector<std::int32_t> colours(adjacent.size(), -1);
  std::vector<bool> taken;
  for (std::size_t region = 0; region < adjacent.size(); ++region) {
    if (node[region] != region) {
      colours[region] = colours[node[region]];
      continue;
    }
    std::size_t degree = 0;
    for (const std::size_t part : parts[region])
      degree += adjacent[part].size();
    taken.assign(degree + 1, false);
    for (const std::size_t part : parts[region]) {
      for (const std::int32_t neighbour : adjacent[part]) {
        const std::int32_t colour = colours[node[static_cast<std::size_t>(neighbour)]];
        if (colour >= 0 && static_cast<std::size_t>(colour) < taken.size()) {
          taken[static_cast<std::size_t>(colour)] = true;
        }
      }
    }
    colours[region] =
        static_cast<std::int32_t>(std::find(taken.begin(), taken.end(), false) - taken.begin());
  }
  return colours;
}

std::string paletteColour(std::int32_t colour) {
  if (colour >= 0 && static_cast<std::size_t>(colour) < kPalette.size()) {
    return kPalette[static_cast<std::size_t>(colour)];
  }
  // Beyond the palette: one or two channels strong and the rest counting up, so that every
  // colour is one of its own, still light under black text.
  const auto n = static_cast<unsigned>(colour) - static_cast<unsigned>(kPalette.size());
  constexpr unsigned kStrong = 0xe8;
  const unsigned weak = 0x60 + 2 * ((n / 6) % 64);
  constexpr bool kStrongChannels[6][3] = {{true, false, false}, {false, true, false},
                                          {false, false, true}, {true, true, false},
                                          {false, true, true},  {true, false, true}};
  const bool* strong = kStrongChannels[n % 6];
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", strong[0] ? kStrong : weak,
                strong[1] ? kStrong : weak, strong[2] ? kStrong : weak);
  return text;
}

}  // namespace pelvano::pictures
