#include "pictures/count_diagnosis.h"

#include <map>

namespace pelvano::pictures {

std::optional<CountDiagnosis> diagnoseCount(const RegionMap& regions,
                                            const std::vector<std::int32_t>& labels,
                                            std::int32_t d) {
  const std::size_t count = regions.populations.size();
  if (count == static_cast<std::size_t>(d) || labels.size() != count) return std::nullopt;
  std::vector<std::int64_t> sizes(count);
  for (const std::int32_t region : regions.regionOfCell)
    ++sizes[static_cast<std::size_t>(region)];
  std::map<std::int32_t, std::vector<std::size_t>> byLabel;
  for (std::size_t region = 0; region < count; ++region)
    byLabel[labels[region]].push_back(region);

  CountDiagnosis diagnosis;
  diagnosis.d = d;
  diagnosis.regions = static_cast<std::int32_t>(count);
  diagnosis.split.assign(count, false);
  for (std::size_t region = 0; region < count; ++region) {
    diagnosis.split[region] = byLabel[labels[region]].size() > 1;
    if (sizes[region] <= 2) diagnosis.specks.push_back(static_cast<std::int32_t>(region));
  }
  for (const auto& [label, ofLabel] : byLabel) {
    if (ofLabel.size() < 2) continue;
    CountDiagnosis::SplitLabel split{label, {}};
    for (const std::size_t region : ofLabel)
      split.sizes.push_back(sizes[region]);
    diagnosis.splitLabels.push_back(std::move(split));
  }
  return diagnosis;
}

}  // namespace pelvano::pictures
