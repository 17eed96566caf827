// pelvano-judge draw and visualize, checked on the pixels a real renderer draws: cells of one
// region share a colour, edge-adjacent regions differ, the marked regions are the true
// extremes, a faulty row is marked; and the index page shows the pictures in a browser.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "program_runner.h"
#include "reference_regions.h"
#include "rendered_image.h"
#include "sample_files.h"

namespace pelvano::test {
namespace {

const fs::path kExamples = PELVANO_EXAMPLES;
const Colour kBlack{0, 0, 0};
const Colour kWhite{255, 255, 255};
const Colour kFaultyRow = colourOf("#cc3311");

// Where the grid stands, as the SVG's grid group says; read with Python's XML parser, which
// also proves the file well-formed.
struct Placement {
  int x = 0, y = 0, cellWidth = 0, cellHeight = 0, rows = 0, cols = 0;
};

std::vector<int> numbersIn(const std::string& text) {
  std::vector<int> numbers;
  std::istringstream words(text);
  for (int n; words >> n;)
    numbers.push_back(n);
  return numbers;
}

// A task file's cases (populations and d) and a submission's blocks (case and labels), from
// files as clean as the examples.
struct Files {
  std::vector<Rows> populations;
  std::vector<int> d;
  std::vector<std::pair<int, Rows>> blocks;
};

Files parseFiles(const std::string& task, const std::string& submission) {
  Files files;
  std::vector<int> t = numbersIn(task.substr(task.find('\n')));
  std::size_t p = 1;
  for (int k = 0; k < t[0]; ++k) {
    const int w = t[p + 1], h = t[p + 2];
    files.d.push_back(t[p + 3]);
    p += 4;
    Rows rows(static_cast<std::size_t>(h));
    for (auto& row : rows)
      for (int c = 0; c < w; ++c)
        row.push_back(t[p++]);
    files.populations.push_back(rows);
  }
  std::istringstream lines(submission);
  std::string line;
  std::getline(lines, line);
  std::getline(lines, line);
  while (std::getline(lines, line)) {
    if (line.empty()) continue;
    const int number = std::stoi(line);
    Rows labels;
    for (std::size_t r = 0; r < files.populations[static_cast<std::size_t>(number - 1)].size();
         ++r) {
      std::getline(lines, line);
      labels.push_back(numbersIn(line));
    }
    files.blocks.push_back({number, labels});
  }
  return files;
}

class PictureTest : public ProgramTest {
 protected:
  Placement placementOf(const fs::path& svg) const {
    const ProgramRun python = runBinary(
        PELVANO_PYTHON,
        {"-c",
         "import sys, xml.etree.ElementTree as tree\n"
         "grid = next(e for e in tree.parse(sys.argv[1]).iter() if 'data-rows' in e.attrib)\n"
         "print(*(grid.get('data-' + k) for k in\n"
         "        ('x', 'y', 'cell-width', 'cell-height', 'rows', 'cols')))\n",
         svg.string()},
        {});
    EXPECT_EQ(python.status, 0) << svg << ": " << python.err;
    const std::vector<int> n = numbersIn(python.out);
    if (n.size() != 6) return {};
    return {n[0], n[1], n[2], n[3], n[4], n[5]};
  }

  Image render(const fs::path& svg) const {
    const fs::path png = at("rendered.png");
    const ProgramRun renderer =
        runBinary(PELVANO_RSVG_CONVERT, {svg.string(), "-o", png.string()}, {});
    EXPECT_EQ(renderer.status, 0) << renderer.err;
    return Image(png);
  }

  // Checks the picture of a block whose first `rowsRead` rows of `labels` were read; the
  // row after them, if inside the grid, is the faulty one.
  void expectPicture(const fs::path& svg, const Rows& populations, const Rows& labels,
                     std::size_t rowsRead, bool marked) const {
    SCOPED_TRACE(svg.string());
    const Placement grid = placementOf(svg);
    const Image image = render(svg);
    ASSERT_GT(image.width(), 0);
    ASSERT_EQ(grid.rows, static_cast<int>(populations.size()));
    ASSERT_EQ(grid.cols, static_cast<int>(populations[0].size()));
    const Rows readPopulations(populations.begin(),
                               populations.begin() + static_cast<long>(rowsRead));
    const Rows readLabels(labels.begin(), labels.begin() + static_cast<long>(rowsRead));
    // A region's colour shows in the middle of each cell's upper half.
    const auto sample = [&](int r, int c) {
      return image.at(grid.x + c * grid.cellWidth + grid.cellWidth / 2,
                      grid.y + r * grid.cellHeight + grid.cellHeight / 4);
    };
    if (rowsRead < populations.size()) {
      for (int c = 0; c < grid.cols; ++c)
        EXPECT_EQ(sample(static_cast<int>(rowsRead), c), kFaultyRow) << "faulty row, column " << c;
    }
    if (rowsRead == 0) return;
    const ReferenceRegions regions = referenceRegions(readPopulations, readLabels);
    std::map<int, Colour> colourOfRegion;
    for (int r = 0; r < static_cast<int>(rowsRead); ++r) {
      for (int c = 0; c < grid.cols; ++c) {
        const int region = regions.regionOfCell[r][c];
        const Colour colour = sample(r, c);
        const auto [known, added] = colourOfRegion.emplace(region, colour);
        ASSERT_EQ(known->second, colour) << "cell " << r << "," << c << " differs from its region";
        if (c + 1 < grid.cols && regions.regionOfCell[r][c + 1] != region) {
          ASSERT_NE(sample(r, c + 1), colour) << "cells " << r << "," << c << " and the next";
        }
        if (r + 1 < static_cast<int>(rowsRead) && regions.regionOfCell[r + 1][c] != region) {
          ASSERT_NE(sample(r + 1, c), colour) << "cells " << r << "," << c << " and the one below";
        }
      }
    }
    // The marks: the middle of the top edge of a region's first cell shows its outline.
    std::vector<std::int64_t> black, white;
    std::vector<bool> seen(regions.populations.size());
    for (int r = 0; r < static_cast<int>(rowsRead); ++r) {
      for (int c = 0; c < grid.cols; ++c) {
        const auto region = static_cast<std::size_t>(regions.regionOfCell[r][c]);
        if (seen[region]) continue;
        seen[region] = true;
        const Colour edge = image.at(grid.x + c * grid.cellWidth + grid.cellWidth / 2,
                                     grid.y + r * grid.cellHeight);
        if (edge == kBlack) black.push_back(regions.populations[region]);
        if (edge == kWhite) white.push_back(regions.populations[region]);
      }
    }
    if (!marked) {
      EXPECT_TRUE(black.empty() && white.empty());
      return;
    }
    const auto [least, most] =
        std::minmax_element(regions.populations.begin(), regions.populations.end());
    EXPECT_EQ(black, std::vector<std::int64_t>{*most});
    if (*least != *most) {
      EXPECT_EQ(white, std::vector<std::int64_t>{*least});
    }
  }

  ProgramRun draw(const fs::path& task, const fs::path& submission, const fs::path& out) const {
    return runJudge({"draw", task.string(), submission.string(), "--out", out.string()});
  }
};

TEST_F(PictureTest, DrawsEveryBlockOfTheExamples) {
  PELVANO_NEEDS_RENDERER(PELVANO_RSVG_CONVERT, "rsvg-convert");
  for (const char* example : {"small-run", "several-cases", "several-cases-failing"}) {
    const fs::path folder = kExamples / example;
    const fs::path out = at(example);
    const ProgramRun result = draw(folder / "input.txt", folder / "submission.txt", out);
    EXPECT_EQ(result.status, 0) << result.err;
    const Files files =
        parseFiles(readFile(folder / "input.txt"), readFile(folder / "submission.txt"));
    for (std::size_t k = 0; k < files.blocks.size(); ++k) {
      const auto& [number, labels] = files.blocks[k];
      const fs::path svg =
          out / ("block-" + std::to_string(k + 1) + "-case-" + std::to_string(number) + ".svg");
      ASSERT_TRUE(fs::exists(svg)) << svg;
      expectPicture(svg, files.populations[static_cast<std::size_t>(number - 1)], labels,
                    labels.size(), true);
    }
    EXPECT_NE(readFile(out / "index.html").find(readFile(folder / "report.txt").substr(0, 2)),
              std::string::npos);
  }
  // A second draw into a used folder replaces the first one's pictures whole.
  const fs::path small = kExamples / "small-run";
  EXPECT_EQ(draw(small / "input.txt", small / "submission.txt", at("several-cases")).status, 0);
  EXPECT_FALSE(fs::exists(at("several-cases") / "block-2-case-1.svg"));
  EXPECT_TRUE(fs::exists(at("several-cases") / "block-1-case-1.svg"));
  // The picture the README shows is the one the program draws now.
  EXPECT_EQ(draw(kExamples / "several-cases" / "input.txt",
                 kExamples / "several-cases" / "submission.txt", at("several-cases"))
                .status,
            0);
  EXPECT_EQ(readFile(at("several-cases") / "block-1-case-2.svg"),
            readFile(kExamples / "several-cases" / "block-1-case-2.svg"));
}

TEST_F(PictureTest, ShowsTheRowsReadAndMarksTheFaultyRow) {
  PELVANO_NEEDS_RENDERER(PELVANO_RSVG_CONVERT, "rsvg-convert");
  const Rows populations = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}};
  writeFile(at("input.txt"), taskText({populations}, {3}));
  // The third row holds a letter: two rows read, the third marked; nothing after it is read.
  writeFile(at("submission.txt"), kSubmissionHeader + "1\n1 1 2 2\n1 3 3 2\n1 x 2 2\n1\n");
  const ProgramRun result = draw(at("input.txt"), at("submission.txt"), at("out"));
  EXPECT_EQ(result.status, 0) << result.err;
  expectPicture(at("out/block-1-case-1.svg"), populations, {{1, 1, 2, 2}, {1, 3, 3, 2}}, 2, false);
  std::vector<std::string> written;
  for (const auto& entry : fs::directory_iterator(at("out")))
    written.push_back(entry.path().filename().string());
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written,
            (std::vector<std::string>{".pelvano-judge-files", "block-1-case-1.svg", "index.html"}));
  // A fault in the first row: nothing read, the row marked.
  writeFile(at("first.txt"), kSubmissionHeader + "1\n1 1\n");
  EXPECT_EQ(draw(at("input.txt"), at("first.txt"), at("first")).status, 0);
  expectPicture(at("first/block-1-case-1.svg"), populations, {}, 0, false);
}

TEST_F(PictureTest, DrawsTheLargestCasesSmallAndRightOnRandomLabellings) {
  PELVANO_NEEDS_RENDERER(PELVANO_RSVG_CONVERT, "rsvg-convert");
  std::mt19937 random(9);
  // 300x300 in 300 rectangles of 20x15 cells, and a 40x30 grid of random labels from a few.
  Rows big(300, std::vector<int>(300)), bigLabels = big;
  for (int r = 0; r < 300; ++r)
    for (int c = 0; c < 300; ++c) {
      big[r][c] = static_cast<int>(random() % 20000);
      bigLabels[r][c] = (r / 15) * 15 + c / 20;
    }
  Rows mixed(30, std::vector<int>(40)), mixedLabels = mixed;
  for (int r = 0; r < 30; ++r)
    for (int c = 0; c < 40; ++c) {
      mixed[r][c] = static_cast<int>(random() % 1000);
      mixedLabels[r][c] = static_cast<int>(random() % 3);
    }
  const int mixedRegions =
      static_cast<int>(referenceRegions(mixed, mixedLabels).populations.size());
  // A grid of one row of 300 cells in runs of 1 to 6, and its column: stretched to be seen.
  Rows strip(1, std::vector<int>(300)), stripLabels = strip;
  for (int c = 0, run = 0; c < 300; ++c) {
    strip[0][c] = static_cast<int>(random() % 1000);
    if (c == 0 || random() % 4 == 0) ++run;
    stripLabels[0][c] = run;
  }
  const int stripRegions = stripLabels[0][299];
  Rows column, columnLabels;
  for (int c = 0; c < 300; ++c) {
    column.push_back({strip[0][c]});
    columnLabels.push_back({stripLabels[0][c]});
  }
  writeFile(at("input.txt"),
            taskText({big, mixed, strip, column}, {300, mixedRegions, stripRegions, stripRegions}));
  writeFile(at("submission.txt"), kSubmissionHeader + "1\n" + rowsText(bigLabels) + "2\n" +
                                      rowsText(mixedLabels) + "3\n" + rowsText(stripLabels) +
                                      "4\n" + rowsText(columnLabels));
  const ProgramRun result = draw(at("input.txt"), at("submission.txt"), at("out"));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_LT(fs::file_size(at("out/block-1-case-1.svg")), 2u << 20);
  expectPicture(at("out/block-1-case-1.svg"), big, bigLabels, 300, true);
  expectPicture(at("out/block-2-case-2.svg"), mixed, mixedLabels, 30, true);
  expectPicture(at("out/block-3-case-3.svg"), strip, stripLabels, 1, true);
  expectPicture(at("out/block-4-case-4.svg"), column, columnLabels, 300, true);
  EXPECT_GE(placementOf(at("out/block-3-case-3.svg")).cellHeight, 48);
  EXPECT_GE(placementOf(at("out/block-4-case-4.svg")).cellWidth, 48);
}

TEST_F(PictureTest, TheIndexPageShowsThePicturesInABrowser) {
  PELVANO_NEEDS_RENDERER(PELVANO_CHROMIUM, "Chromium");
  const fs::path folder = kExamples / "several-cases";
  ASSERT_EQ(draw(folder / "input.txt", folder / "submission.txt", at("out")).status, 0);
  const fs::path shot = at("page.png");
  const ProgramRun browser =
      runBinary(PELVANO_CHROMIUM,
                screenshotArguments(at("profile"), "900,1400", shot,
                                    "file://" + (at("out") / "index.html").string()),
                {std::nullopt, 120, ""});
  ASSERT_EQ(browser.status, 0) << browser.err;
  const Image page(shot);
  ASSERT_GT(page.width(), 0);
  // Both pictures' three regions are filled with palette colours: many pixels of them.
  int regionPixels = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      for (const char* colour : {"#77aadd", "#ee8866", "#eedd88"})
        regionPixels += page.at(x, y) == colourOf(colour);
  EXPECT_GT(regionPixels, 20000);
}

TEST_F(PictureTest, VisualizesForAContestSystemAndNeverFailsOnBadInput) {
  const fs::path folder = kExamples / "several-cases-failing";
  fs::create_directory(at("feedback"));
  const ProgramRun result =
      runJudge({"visualize", (folder / "input.txt").string(), "answer", at("feedback").string()},
               (folder / "submission.txt").string());
  EXPECT_EQ(result.status, 0) << result.err;
  const Image image = render(at("feedback/teamimage.svg"));
  EXPECT_GT(image.height(), 3 * 200);  // three blocks, one below the other

  writeFile(at("bad.txt"), "Tolvarustepnik\n0\n");
  EXPECT_EQ(runJudge({"visualize", at("bad.txt").string(), "answer", at("feedback").string()},
                     (folder / "submission.txt").string())
                .status,
            0);
  EXPECT_GT(render(at("feedback/teamimage.svg")).width(), 0);
  EXPECT_EQ(runJudge({"visualize", (folder / "input.txt").string(), "answer",
                      at("no-such-folder").string()},
                     (folder / "submission.txt").string())
                .status,
            1);
}

TEST_F(PictureTest, RefusesBadInputWithoutWritingHalfOfIt) {
  writeFile(at("submission.txt"), kSmallAnswer);
  writeFile(at("bad.txt"), "Tolvarustepnik\n1\n\n1 3 2 7\n");
  writeFile(at("a-file"), "");
  writeFile(at("input.txt"), kSmallTask);
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{at("missing.txt").string(), at("submission.txt").string(), at("out").string()},
       "cannot be read"},
      {{at("bad.txt").string(), at("submission.txt").string(), at("out").string()},
       "Napaka [Pelvano:73]"},
      {{at("input.txt").string(), at("submission.txt").string(), (at("a-file") / "out").string()},
       "a-file"},
  };
  for (const auto& [files, reason] : cases) {
    const ProgramRun result = draw(files[0], files[1], files[2]);
    EXPECT_NE(result.status, 0) << reason;
    EXPECT_NE(result.err.find(reason), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(at("out"))) << reason;
  }
}

TEST_F(PictureTest, PopulationsStandWhereNoLineCrossesThem) {
  PELVANO_NEEDS_RENDERER(PELVANO_RSVG_CONVERT, "rsvg-convert");
  // Two regions four cells wide: the middle of each run is a cell line.
  const Rows populations = {{1, 2, 3, 4}, {5, 6, 7, 8}};
  writeFile(at("input.txt"), taskText({populations}, {2}));
  writeFile(at("submission.txt"), kSubmissionHeader + "1\n1 1 1 1\n2 2 2 2\n");
  ASSERT_EQ(draw(at("input.txt"), at("submission.txt"), at("out")).status, 0);
  const fs::path svg = at("out/block-1-case-1.svg");
  const Placement grid = placementOf(svg);
  const Image image = render(svg);
  const int cell = grid.cellWidth;
  ASSERT_EQ(grid.cellHeight, cell);
  ASSERT_GE(cell, 20);
  const Colour line = colourOf("#bbbbbb");
  const auto near = [](Colour a, Colour b) {
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue) < 40;
  };
  for (int row = 0; row < 2; ++row) {
    // The digits: the dark pixels away from the region's edge, where its marks stand.
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = grid.y + row * cell + cell / 4 + 2; y < grid.y + (row + 1) * cell - cell / 4 - 2;
         ++y) {
      for (int x = grid.x + cell / 4 + 2; x < grid.x + 4 * cell - cell / 4 - 2; ++x) {
        const Colour c = image.at(x, y);
        if (c.red + c.green + c.blue < 200) {
          left = std::min(left, x), right = std::max(right, x);
          top = std::min(top, y), bottom = std::max(bottom, y);
        }
      }
    }
    ASSERT_GE(right, left) << "no digits in row " << row;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x)
        EXPECT_FALSE(near(image.at(x, y), line)) << "a cell line at " << x << "," << y;
  }
}

TEST_F(PictureTest, ShowsWhyTheRegionCountIsNotD) {
  PELVANO_NEEDS_RENDERER(PELVANO_RSVG_CONVERT, "rsvg-convert");
  // 300x300 in 300 rectangles of 20x15 cells, d = 300; one cell inside the first rectangle
  // carries the label of the last, which then forms two regions: 301 regions.
  Rows populations(300, std::vector<int>(300, 1)), labels = populations;
  for (int r = 0; r < 300; ++r)
    for (int c = 0; c < 300; ++c)
      labels[r][c] = (r / 15) * 15 + c / 20;
  labels[7][10] = 299;
  writeFile(at("input.txt"), taskText({populations}, {300}));
  writeFile(at("submission.txt"), kSubmissionHeader + "1\n" + rowsText(labels));
  ASSERT_EQ(draw(at("input.txt"), at("submission.txt"), at("out")).status, 0);
  const fs::path svg = at("out/block-1-case-1.svg");
  const Placement grid = placementOf(svg);
  const int cell = grid.cellWidth;
  ASSERT_EQ(grid.cellHeight, cell);
  const Image image = render(svg);
  const auto dark = [&](int x, int y) {
    const Colour c = image.at(x, y);
    return c.red + c.green + c.blue < 200;
  };
  // Inside a rectangle (away from its edge), count the dark pixels of the lower halves.
  const auto hatching = [&](int firstRow, int firstColumn) {
    int count = 0;
    for (int r = firstRow + 2; r < firstRow + 13; ++r)
      for (int c = firstColumn + 2; c < firstColumn + 18; ++c)
        for (int y = grid.y + r * cell + cell / 2; y < grid.y + (r + 1) * cell; ++y)
          for (int x = grid.x + c * cell; x < grid.x + (c + 1) * cell; ++x)
            count += dark(x, y);
    return count;
  };
  EXPECT_GT(hatching(285, 280), 100) << "the split label's rectangle is hatched";
  EXPECT_EQ(hatching(150, 100), 0) << "a whole label's rectangle is not";
  // The speck is ringed: dark pixels on a circle around it, well outside its cell.
  const int cx = grid.x + 10 * cell + cell / 2, cy = grid.y + 7 * cell + cell / 2;
  int ringPixels = 0;
  for (int y = cy - 20; y <= cy + 20; ++y)
    for (int x = cx - 20; x <= cx + 20; ++x)
      ringPixels += (x - cx) * (x - cx) + (y - cy) * (y - cy) > 36 && dark(x, y);
  EXPECT_GT(ringPixels, 20);
  // And the picture says which label is split and how large its parts are.
  const ProgramRun python = runBinary(
      PELVANO_PYTHON,
      {"-c",
       "import sys, xml.etree.ElementTree as tree\n"
       "for e in tree.parse(sys.argv[1]).iter('{http://www.w3.org/2000/svg}text'): print(e.text)\n",
       svg.string()},
      {});
  EXPECT_NE(python.out.find("301 regions where d is 300."), std::string::npos) << python.out;
  EXPECT_NE(python.out.find("Label 299 forms 2 regions, of 1, 300 cells."), std::string::npos)
      << python.out;
  // Both parts of label 299 in one colour, as rendered (the upper halves of their cells).
  const auto colourOf = [&](int row, int column) {
    return image.at(grid.x + column * cell + cell / 2, grid.y + row * cell + 1);
  };
  const Colour speck = colourOf(7, 10), rest = colourOf(290, 290), around = colourOf(7, 11);
  EXPECT_EQ(std::tie(speck.red, speck.green, speck.blue),
            std::tie(rest.red, rest.green, rest.blue));
  EXPECT_NE(std::tie(speck.red, speck.green, speck.blue),
            std::tie(around.red, around.green, around.blue));
  // Its tooltip names the label, the region's size and its population.
  EXPECT_NE(readFile(svg).find("<title>Region 301 of 301: label 299, 300 cells, population 300"),
            std::string::npos);
  // In Slovene, with the noun's form for each number, the same drawing.
  ASSERT_EQ(runJudge({"draw", at("input.txt").string(), at("submission.txt").string(), "--out",
                      at("sl").string(), "--language", "sl"})
                .status,
            0);
  const std::string slovene = readFile(at("sl/block-1-case-1.svg"));
  for (const char* text : {"301 območje, d pa je 300.",
                           "Oznaka 299 tvori 2 območji; njihove velikosti v celicah: 1, 300.",
                           "<title>Območje 301 od 301: oznaka 299, 300 celic, prebivalcev 300",
                           "Blok 1: primer 1, d = 300, 301 območje, ni d: brez ocene"})
    EXPECT_NE(slovene.find(text), std::string::npos) << text;
  EXPECT_NE(readFile(at("sl/index.html")).find("<html lang=\"sl\">"), std::string::npos);
}

}  // namespace
}  // namespace pelvano::test
