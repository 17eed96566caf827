// Every word a picture and the index page say, in Slovene and in English. The report's own
// lines, shown beside them, stay as Pelvano eval writes them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pictures/block_picture.h"
#include "pictures/count_diagnosis.h"
#include "pictures/language.h"

namespace pelvano::pictures {

// The caption that a picture's title and the index page give the block: its case, d, the
// regions found and the spread, or the row whose check failed.
std::string caption(const BlockPicture& picture, Language language);

// What a region's tooltip says of it.
struct RegionFacts {
  std::int32_t region = 0;  // from 0
  std::int32_t regions = 0;
  std::optional<std::int32_t> label;
  std::int64_t cells = 0;
  std::int64_t population = 0;
  bool mostPopulous = false;
  bool leastPopulous = false;
};
std::string regionTitle(const RegionFacts& facts, Language language);

// The line under the grid: the faulty row's colour, or the marked regions' populations.
std::string faultyRowLegend(Language language);
std::string extremesLegend(std::int64_t most, std::optional<std::int64_t> least, Language language);

// The lines under the legend that explain a region-count failure.
std::vector<std::string> diagnosisLines(const CountDiagnosis& diagnosis, Language language);

// The index page's headings.
struct IndexWords {
  const char* code;       // the page's lang attribute
  const char* regionsOf;  // the page's title, before the submission's name
  const char* report;
  const char* blocks;
  const char* noBlocks;
};
IndexWords indexWords(Language language);

}  // namespace pelvano::pictures
