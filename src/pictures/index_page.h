// The page that shows a submission's report and every picture of its blocks, opened straight
// from the disk: no server, no script.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelvano::pictures {

struct IndexEntry {
  std::string file;     // the picture's file name, beside the page
  std::string caption;  // case, d, regions found and spread
};

std::string indexPage(std::string_view submissionName, std::string_view report,
                      const std::vector<IndexEntry>& pictures);

}  // namespace pelvano::pictures
