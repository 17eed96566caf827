// Writes the benchmark's workloads, the same bytes on every run (fixed seeds), each into a
// folder of its own under the folder given: task.txt and submission.txt.
//
//   standard     30 cases of 300x300, populations 0 to 22000, d = 300, every case answered
//                with 300 rectangles under large labels
//   spaced       the standard workload with runs of blanks and tabs, and CR LF line ends
//   blocks-1m    a few small cases answered by 1,000,000 blocks (blocks-2m: twice as many)
//   cases-100k   100,000 cases of 1x1, answered last case first (cases-200k: twice as many)
//   grown        the standard task answered with regions grown from 300 random seeds, of
//                irregular shapes and sizes far apart, labelled 1 to 300 as most
//                contestants label them
//   mixed        the same regions under labels of 1 to 9 digits, lengths mixed
//   small-grown  20,000 small cases (sides 2 to 20, 1 to 12 regions), each answered once by
//                grown regions labelled 1 on
//   blocks-grown 20 such cases answered by 100,000 blocks of grown regions
//   contest      the standard task and 200 submissions of 3 to 5 blocks each, in
//                submissions/, some failing a check
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
      std::fclose(file) != 0) {
    std::perror(path.c_str());
    std::exit(1);
  }
}

// How numbers are separated and lines ended: plain, or with irregular white space.
class Layout {
 public:
  explicit Layout(bool spaced) : spaced_(spaced), random_(7) {}

  void separator(std::string& out) {
    if (!spaced_) {
      out += ' ';
      return;
    }
    for (unsigned n = 1 + random_() % 4; n > 0; --n)
      out += random_() % 3 == 0 ? '\t' : ' ';
  }
  void lineStart(std::string& out) {
    if (spaced_ && random_() % 2 == 0) out += "  ";
  }
  void lineEnd(std::string& out) { out += spaced_ ? " \t\r\n" : "\n"; }
  void plainLineEnd(std::string& out) { out += spaced_ ? "\r\n" : "\n"; }

 private:
  bool spaced_;
  std::mt19937 random_;
};

// The standard task and, for each of its cases, a block that answers it.
struct StandardWorkload {
  std::string task;
  std::string header;  // the submission's two header lines
  std::vector<std::string> answers;
};

StandardWorkload standardWorkload(bool spaced) {
  constexpr int kCases = 30;
  constexpr int kSide = 300;
  constexpr int kRegionWidth = 20;   // 15 regions across
  constexpr int kRegionHeight = 15;  // 20 regions down: 300 in all
  std::mt19937 random(2026);
  Layout layout(spaced);
  StandardWorkload workload;
  std::string& task = workload.task;
  task = "Tolvarustepnik";
  layout.plainLineEnd(task);
  task += std::to_string(kCases);
  layout.plainLineEnd(task);
  workload.header = "000042";
  layout.plainLineEnd(workload.header);
  workload.header += "Tolvarustepnik";
  layout.plainLineEnd(workload.header);
  for (int k = 1; k <= kCases; ++k) {
    layout.plainLineEnd(task);
    task += std::to_string(k) + " 300 300 300";
    layout.plainLineEnd(task);
    std::vector<unsigned> labels(300);
    for (unsigned& label : labels)
      label = 100000000 + random() % 900000000;
    std::string answer = std::to_string(k);
    layout.plainLineEnd(answer);
    for (int r = 0; r < kSide; ++r) {
      layout.lineStart(task);
      layout.lineStart(answer);
      for (int c = 0; c < kSide; ++c) {
        if (c > 0) {
          layout.separator(task);
          layout.separator(answer);
        }
        task += std::to_string(random() % 22001);
        const int region = (r / kRegionHeight) * (kSide / kRegionWidth) + c / kRegionWidth;
        answer += std::to_string(labels[static_cast<std::size_t>(region)]);
      }
      layout.lineEnd(task);
      layout.lineEnd(answer);
    }
    workload.answers.push_back(std::move(answer));
  }
  return workload;
}

void writeStandard(const fs::path& folder, bool spaced) {
  const StandardWorkload workload = standardWorkload(spaced);
  std::string answer = workload.header;
  for (const std::string& block : workload.answers)
    answer += block;
  fs::create_directories(folder);
  writeFile(folder / "task.txt", workload.task);
  writeFile(folder / "submission.txt", answer);
}

// A contest: the standard task and `count` submissions, each answering 3 to 5 random cases;
// every seventh ends in a row that is one label short (check 159), every eleventh has a
// region split in two (check 141).
void writeContest(const fs::path& folder, int count) {
  const StandardWorkload workload = standardWorkload(false);
  std::mt19937 random(31);
  fs::create_directories(folder / "submissions");
  writeFile(folder / "task.txt", workload.task);
  for (int s = 0; s < count; ++s) {
    std::string submission = workload.header;
    for (unsigned blocks = 3 + random() % 3; blocks > 0; --blocks)
      submission += workload.answers[random() % workload.answers.size()];
    const std::size_t lastLabel = submission.rfind(' ') + 1;
    if (s % 11 == 5) {
      // The grid's last cell gets a label of its own: one region more than d.
      submission.resize(lastLabel);
      submission += "7\n";
    }
    if (s % 7 == 3) {
      // The last row loses its last label.
      submission.erase(lastLabel - 1, submission.size() - lastLabel);
    }
    char name[32];
    std::snprintf(name, sizeof name, "s%03d.txt", s);
    writeFile(folder / "submissions" / name, submission);
  }
}

// Each cell's region in a grid of `width` by `height`, row by row: `regions` seeds at random
// cells, each growing into a random cell of its frontier in turn, chosen with a weight of its own
// (so sizes end far apart), until the grid is full. Every region is connected, so there are exactly
// `regions` of them.
std::vector<int> grownRegions(int width, int height, int regions, std::mt19937& random) {
  const int cells = width * height;
  std::vector<int> owner(static_cast<std::size_t>(cells), -1);
  std::vector<std::vector<int>> frontier(static_cast<std::size_t>(regions));
  std::vector<double> weights;
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int r = 0; r < regions; ++r)
    weights.push_back(std::pow(unit(random), 4.0) + 1e-3);
  std::discrete_distribution<int> pick(weights.begin(), weights.end());
  int claimed = 0;
  const auto claim = [&](int cell, int region) {
    owner[static_cast<std::size_t>(cell)] = region;
    ++claimed;
    const int row = cell / width;
    const int column = cell % width;
    auto& edge = frontier[static_cast<std::size_t>(region)];
    if (row > 0) edge.push_back(cell - width);
    if (row + 1 < height) edge.push_back(cell + width);
    if (column > 0) edge.push_back(cell - 1);
    if (column + 1 < width) edge.push_back(cell + 1);
  };
  for (int r = 0; r < regions;) {
    const int cell = static_cast<int>(random() % static_cast<unsigned>(cells));
    if (owner[static_cast<std::size_t>(cell)] < 0) claim(cell, r++);
  }
  for (long tries = 0; claimed < cells && tries < 40L * cells; ++tries) {
    const int region = pick(random);
    auto& edge = frontier[static_cast<std::size_t>(region)];
    while (!edge.empty()) {
      const std::size_t at = random() % edge.size();
      const int cell = edge[at];
      edge[at] = edge.back();
      edge.pop_back();
      if (owner[static_cast<std::size_t>(cell)] < 0) {
        claim(cell, region);
        break;
      }
    }
  }
  // What the weighted growth left is taken by a neighbour's region, until none is left.
  while (claimed < cells) {
    for (int cell = 0; cell < cells; ++cell) {
      if (owner[static_cast<std::size_t>(cell)] >= 0) continue;
      const int row = cell / width;
      const int column = cell % width;
      const int neighbours[4] = {row > 0 ? cell - width : -1, row + 1 < height ? cell + width : -1,
                                 column > 0 ? cell - 1 : -1, column + 1 < width ? cell + 1 : -1};
      for (const int next : neighbours) {
        if (next >= 0 && owner[static_cast<std::size_t>(next)] >= 0) {
          owner[static_cast<std::size_t>(cell)] = owner[static_cast<std::size_t>(next)];
          ++claimed;
          break;
        }
      }
    }
  }
  return owner;
}

// The standard task, each case answered by grown regions; `mixed` labels them with numbers
// of 1 to 9 digits instead of 1 to 300.
void writeGrown(const fs::path& folder, bool mixed) {
  const StandardWorkload workload = standardWorkload(false);
  std::mt19937 random(mixed ? 4242 : 2424);
  std::string answer = workload.header;
  for (int k = 1; k <= 30; ++k) {
    const std::vector<int> owner = grownRegions(300, 300, 300, random);
    // Labels 1 to 300, or distinct numbers of a random length from 1 to 9 digits.
    std::vector<std::string> labels;
    std::set<std::string> taken;
    while (labels.size() < 300) {
      std::string label = std::to_string(labels.size() + 1);
      if (mixed) {
        label = std::to_string(1 + random() % 9);
        for (unsigned digits = random() % 9; digits > 0; --digits)
          label += static_cast<char>('0' + random() % 10);
      }
      if (taken.insert(label).second) labels.push_back(label);
    }
    answer += std::to_string(k) + "\n";
    for (int row = 0; row < 300; ++row) {
      for (int column = 0; column < 300; ++column) {
        if (column > 0) answer += ' ';
        answer +=
            labels[static_cast<std::size_t>(owner[static_cast<std::size_t>(row * 300 + column)])];
      }
      answer += '\n';
    }
  }
  fs::create_directories(folder);
  writeFile(folder / "task.txt", workload.task);
  writeFile(folder / "submission.txt", answer);
}

void writeManyBlocks(const fs::path& folder, int blocks) {
  // Three small cases and an answer for each, used in turn.
  const std::string task =
      "Tolvarustepnik\n3\n\n1 2 2 2\n5 1\n5 1\n\n2 3 3 3\n1 2 3\n4 5 6\n7 8 9\n\n3 4 1 2\n1 2 3 "
      "4\n";
  const std::string answers[3] = {"1\n1 2\n1 2\n", "2\n1 1 1\n2 2 2\n3 3 3\n", "3\n7 7 9 9\n"};
  std::string answer = "000042\nTolvarustepnik\n";
  for (int b = 0; b < blocks; ++b)
    answer += answers[b % 3];
  fs::create_directories(folder);
  writeFile(folder / "task.txt", task);
  writeFile(folder / "submission.txt", answer);
}

void writeManyCases(const fs::path& folder, int cases) {
  std::mt19937 random(99);
  std::string task = "Tolvarustepnik\n" + std::to_string(cases) + "\n";
  for (int k = 1; k <= cases; ++k) {
    task += '\n';
    task += std::to_string(k);
    task += " 1 1 1\n";
    task += std::to_string(random() % 1000001);
    task += '\n';
  }
  std::string answer = "000042\nTolvarustepnik\n";
  for (int k = cases; k >= 1; --k)
    answer += std::to_string(k) + "\n0\n";
  fs::create_directories(folder);
  writeFile(folder / "task.txt", task);
  writeFile(folder / "submission.txt", answer);
}

// A small case of random sides and region count, with random populations.
struct SmallCase {
  int width;
  int height;
  int regions;
};

SmallCase smallCase(std::mt19937& random) {
  const int width = 2 + static_cast<int>(random() % 19);
  const int height = 2 + static_cast<int>(random() % 19);
  const int regions =
      1 + static_cast<int>(random() % static_cast<unsigned>(std::min(12, width * height)));
  return {width, height, regions};
}

void appendCase(std::string& task, int number, const SmallCase& small, std::mt19937& random) {
  task += '\n' + std::to_string(number) + ' ' + std::to_string(small.width) + ' ' +
          std::to_string(small.height) + ' ' + std::to_string(small.regions) + '\n';
  for (int row = 0; row < small.height; ++row) {
    for (int column = 0; column < small.width; ++column) {
      if (column > 0) task += ' ';
      task += std::to_string(random() % 1000001);
    }
    task += '\n';
  }
}

// A block answering case `number` with regions grown from its region count's seeds, labelled 1
// on.
void appendGrownBlock(std::string& answer, int number, const SmallCase& small,
                      std::mt19937& random) {
  const std::vector<int> owner = grownRegions(small.width, small.height, small.regions, random);
  answer += std::to_string(number) + '\n';
  for (int row = 0; row < small.height; ++row) {
    for (int column = 0; column < small.width; ++column) {
      if (column > 0) answer += ' ';
      answer += std::to_string(1 + owner[static_cast<std::size_t>(row * small.width + column)]);
    }
    answer += '\n';
  }
}

// `cases` small cases (sides 2 to 20, 1 to 12 regions), each answered once by grown regions.
void writeSmallGrown(const fs::path& folder, int cases) {
  std::mt19937 random(5151);
  std::string task = "Tolvarustepnik\n" + std::to_string(cases) + "\n";
  std::string answer = "000042\nTolvarustepnik\n";
  for (int k = 1; k <= cases; ++k) {
    const SmallCase small = smallCase(random);
    appendCase(task, k, small, random);
    appendGrownBlock(answer, k, small, random);
  }
  fs::create_directories(folder);
  writeFile(folder / "task.txt", task);
  writeFile(folder / "submission.txt", answer);
}

// Twenty small cases answered by `blocks` blocks of grown regions, each block a case at random.
void writeGrownBlocks(const fs::path& folder, int blocks) {
  std::mt19937 random(6161);
  std::vector<SmallCase> cases;
  std::string task = "Tolvarustepnik\n20\n";
  for (int k = 1; k <= 20; ++k) {
    cases.push_back(smallCase(random));
    appendCase(task, k, cases.back(), random);
  }
  std::string answer = "000042\nTolvarustepnik\n";
  for (int b = 0; b < blocks; ++b) {
    const int k = 1 + static_cast<int>(random() % 20);
    appendGrownBlock(answer, k, cases[static_cast<std::size_t>(k - 1)], random);
  }
  fs::create_directories(folder);
  writeFile(folder / "task.txt", task);
  writeFile(folder / "submission.txt", answer);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const fs::path root = argv[1];
  writeStandard(root / "standard", false);
  writeStandard(root / "spaced", true);
  writeManyBlocks(root / "blocks-1m", 1000000);
  writeManyBlocks(root / "blocks-2m", 2000000);
  writeManyCases(root / "cases-100k", 100000);
  writeManyCases(root / "cases-200k", 200000);
  writeGrown(root / "grown", false);
  writeGrown(root / "mixed", true);
  writeSmallGrown(root / "small-grown", 20000);
  writeGrownBlocks(root / "blocks-grown", 100000);
  writeContest(root / "contest", 200);
  return 0;
}
