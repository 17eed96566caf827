// The core as the browser page calls it, from its Web Worker. A judgement reads the task once
// (pelvano_task), then judges each run against it (pelvano_run); the runs are compared
// (pelvano_comparison), drawn one at a time (pelvano_draw) and combined into the best of them
// (pelvano_best). Every result is asked for as text (pelvano_text) until the next call.
#include <emscripten.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contest/best_of_runs.h"
#include "contest/check_codes.h"
#include "contest/comparison.h"
#include "contest/failure_hints.h"
#include "contest/known_bests.h"
#include "contest/points_rule.h"
#include "evaluation/evaluation.h"
#include "pictures/block_picture.h"
#include "pictures/submission_drawing.h"
#include "platform/byte_source.h"

namespace pelvano::web {
namespace {

// Tells the page how far the reading has come, a few times a second's worth of bytes; the
// worker tags it with the judgement it belongs to.
EM_JS(void, reportProgress, (double done, double total), {
  postMessage({kind : 'progress', done : done, total : total, generation : self.generation});
});

// The file's bytes in the module's memory, read in pieces so that the page can show progress.
class ProgressByteSource final : public ByteSource {
 public:
  ProgressByteSource(std::string_view bytes, double offset, double total)
      : bytes_(bytes), offset_(offset), total_(total) {}

  std::size_t read(char* into, std::size_t capacity) override {
    const std::size_t count = memory_.read(into, capacity);
    read_ += count;
    if (read_ >= nextReport_ || count == 0) {
      reportProgress(offset_ + static_cast<double>(read_), total_);
      nextReport_ = read_ + kReportEvery;
    }
    return count;
  }
  std::size_t remainingHint() const override { return bytes_.size() - read_; }

 private:
  static constexpr std::size_t kReportEvery = std::size_t{4} << 20;
  std::string_view bytes_;
  MemoryByteSource memory_{bytes_};
  double offset_;
  double total_;
  std::size_t read_ = 0;
  std::size_t nextReport_ = 0;
};

// Text as a JSON string: UTF-8 passes as it is; control characters and bytes that are no
// UTF-8 are escaped, the latter as the Latin-1 characters of their codes.
void appendJson(std::string& json, std::string_view text) {
  json += '"';
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    std::size_t length = byte < 0x80                   ? 1
                         : byte >= 0xC2 && byte < 0xE0 ? 2
                         : byte >= 0xE0 && byte < 0xF0 ? 3
                         : byte >= 0xF0 && byte < 0xF5 ? 4
                                                       : 0;
    for (std::size_t k = 1; k < length; ++k) {
      if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
        length = 0;
      }
    }
    if (byte == '"' || byte == '\\') {
      json += '\\';
      json += static_cast<char>(byte);
    } else if (length == 1 && byte >= 0x20) {
      json += static_cast<char>(byte);
    } else if (length > 1) {
      json.append(text.substr(i, length));
      i += length - 1;
    } else {
      static constexpr char kHex[] = "0123456789abcdef";
      json += "\\u00";
      json += kHex[byte >> 4];
      json += kHex[byte & 15];
    }
  }
  json += '"';
}

std::string jsonNumber(const std::optional<std::int32_t>& number) {
  return number ? std::to_string(*number) : "null";
}

std::string comparisonJson(const contest::Comparison& comparison) {
  std::string json =
      "{\"pointsPerCase\":" + contest::formatPoints(comparison.pointsPerCase) + ",\"verdicts\":[";
  for (std::size_t r = 0; r < comparison.verdicts.size(); ++r) {
    if (r > 0) json += ',';
    appendJson(json, comparison.verdicts[r]);
  }
  json += "],\"totals\":[";
  for (std::size_t r = 0; r < comparison.totals.size(); ++r)
    json += (r > 0 ? "," : "") + contest::formatPoints(comparison.totals[r]);
  json += "],\"rows\":[";
  for (std::size_t c = 0; c < comparison.rows.size(); ++c) {
    const contest::Comparison::Row& row = comparison.rows[c];
    json += std::string(c > 0 ? "," : "") + "{\"case\":" + std::to_string(row.caseNumber) +
            ",\"best\":" + jsonNumber(row.best) +
            ",\"reference\":" + (row.bestFromReference ? "true" : "false") + ",\"cells\":[";
    for (std::size_t r = 0; r < row.cells.size(); ++r) {
      const contest::Comparison::Cell& cell = row.cells[r];
      json += std::string(r > 0 ? "," : "") + "{\"spread\":" + jsonNumber(cell.spread) +
              ",\"blocks\":" + std::to_string(cell.blocks) +
              ",\"points\":" + contest::formatPoints(cell.points) +
              ",\"best\":" + (cell.best ? "true" : "false") + "}";
    }
    json += "]}";
  }
  return json + "]}";
}

std::string hintsJson(const std::vector<contest::Hint>& hints) {
  std::string json = "[";
  for (const contest::Hint& hint : hints) {
    json += json.size() > 1 ? ",{\"en\":" : "{\"en\":";
    appendJson(json, hint.english);
    json += ",\"sl\":";
    appendJson(json, hint.slovene);
    json += '}';
  }
  return json + "]";
}

// What one page's judgement holds between its calls: the module serves one page, one call at
// a time.
struct Session {
  TaskReading task;
  std::vector<contest::Run> runs;
  std::string text;  // the answer of the last call
  std::vector<std::string> pictures;
  std::int32_t blocks = 0;
  std::string best;  // the last best of the runs
};

Session& session() {
  static Session state;
  return state;
}

// Runs `work`; 0 when memory ran out, which leaves the session empty.
template <class Work>
int guardedCall(Work&& work) {
  try {
    work();
    return 1;
  } catch (...) {
    session() = {};
    return 0;
  }
}

}  // namespace
}  // namespace pelvano::web

using pelvano::web::session;

extern "C" {

// Reads and checks the task once for the runs that follow; a task that fails is every run's
// report, as in `Pelvano eval`. `total` is the bytes of the whole judgement, for its progress.
EMSCRIPTEN_KEEPALIVE int pelvano_task(const char* task, std::size_t size, double total) {
  using namespace pelvano;
  return web::guardedCall([&] {
    session() = {};
    web::ProgressByteSource source({task, size}, 0, total);
    session().task = readTask(source);
  });
}

// Judges one run against the task as `Pelvano eval` would, its bytes counted from `offset`
// in the judgement's progress; the report is then pelvano_text().
EMSCRIPTEN_KEEPALIVE int pelvano_run(const char* name, const char* bytes, std::size_t size,
                                     double offset, double total) {
  using namespace pelvano;
  return web::guardedCall([&] {
    Evaluation evaluation;
    if (session().task.outcome.kind != Outcome::Kind::kPassed) {
      evaluation.outcome = session().task.outcome;
    } else {
      web::ProgressByteSource source({bytes, size}, offset, total);
      evaluation = evaluateSubmission(session().task.task, source);
    }
    session().text = reportText(evaluation);
    session().runs.push_back({name, std::move(evaluation)});
  });
}

// The runs compared, against the bests of the table `reference` if `hasReference`: JSON, or
// {"error": why} when the table is no table of bests.
EMSCRIPTEN_KEEPALIVE int pelvano_comparison(const char* reference, std::size_t size,
                                            int hasReference) {
  using namespace pelvano;
  return web::guardedCall([&] {
    std::string error;
    std::optional<contest::KnownBests> bests = contest::KnownBests{};
    if (hasReference != 0) bests = contest::parseKnownBests({reference, size}, error);
    if (!bests) {
      session().text = "{\"error\":";
      web::appendJson(session().text, error);
      session().text += '}';
      return;
    }
    const std::size_t cases = session().task.task.cases.size();
    session().text = web::comparisonJson(
        contest::compareRuns(cases, session().runs, *bests, contest::defaultPointsPerCase(cases)));
  });
}

// Run `run`'s scored blocks as JSON: [[case, spread], ...], in the submission's order.
EMSCRIPTEN_KEEPALIVE int pelvano_blocks(std::size_t run) {
  using namespace pelvano;
  return web::guardedCall([&] {
    std::string json = "[";
    for (const CaseResult& result : session().runs.at(run).evaluation.results) {
      json += (json.size() > 1 ? ",[" : "[") + std::to_string(result.caseNumber) + "," +
              std::to_string(result.score) + "]";
    }
    session().text = json + "]";
  });
}

// Draws a run's first `limit` blocks, and the block it failed at, as `pelvano-judge draw` does,
// their words in Slovene when `slovene` is 1; the pictures are asked for with the functions
// below, the hints beside its failure are pelvano_text() as JSON.
EMSCRIPTEN_KEEPALIVE int pelvano_draw(const char* bytes, std::size_t size, std::int32_t limit,
                                      std::int32_t slovene) {
  using namespace pelvano;
  return web::guardedCall([&] {
    session().pictures.clear();
    session().blocks = 0;
    session().text = "[]";
    if (session().task.outcome.kind != Outcome::Kind::kPassed) return;
    const auto language =
        slovene == 1 ? pictures::Language::kSlovene : pictures::Language::kEnglish;
    const auto keep = [language](const pictures::BlockPicture& picture) {
      session().pictures.push_back(pictures::blockPictureElement(picture, 0, 0, language));
    };
    contest::BlockPlaceWatcher watcher;
    MemoryByteSource source({bytes, size});
    const pictures::DrawnSubmission drawn =
        pictures::drawSubmission(session().task.task, source, keep, limit, &watcher);
    session().blocks = drawn.blocks;
    session().text = web::hintsJson(contest::failureHints(
        drawn.evaluation.outcome, std::string_view(bytes, size), watcher.place()));
  });
}

// The population of a cell of case `caseNumber` (row and column from 0), for the pictures'
// pointer; -1 outside the task's cases.
EMSCRIPTEN_KEEPALIVE std::int32_t pelvano_cell(std::int32_t caseNumber, std::int32_t row,
                                               std::int32_t column) {
  using namespace pelvano;
  const auto& cases = session().task.task.cases;
  if (session().task.outcome.kind != Outcome::Kind::kPassed || caseNumber < 1 ||
      static_cast<std::size_t>(caseNumber) > cases.size())
    return -1;
  const TestCase& testCase = cases[static_cast<std::size_t>(caseNumber - 1)];
  if (row < 0 || row >= testCase.h || column < 0 || column >= testCase.w) return -1;
  return testCase.populations.row(row)[column];
}

// The best of the runs, each run's bytes given again in the order they were judged; the file
// is pelvano_best_file(), and pelvano_text() JSON with where each block came from and notes.
EMSCRIPTEN_KEEPALIVE int pelvano_best(const char* const* bytes, const std::size_t* sizes,
                                      std::size_t count) {
  using namespace pelvano;
  return web::guardedCall([&] {
    std::vector<contest::RunFile> files;
    for (std::size_t r = 0; r < count && r < session().runs.size(); ++r)
      files.push_back({session().runs[r].name, {bytes[r], sizes[r]}, ""});
    const contest::BestOfRuns best = contest::bestOfRuns(session().task.task, files, std::nullopt);
    session().best = best.submission;
    std::string json = "{\"picks\":";
    web::appendJson(json, contest::picksText(best));
    json += ",\"notes\":[";
    for (std::size_t i = 0; i < best.notes.size(); ++i) {
      if (i > 0) json += ',';
      web::appendJson(json, best.notes[i]);
    }
    session().text = json + "]}";
  });
}

// Every check code with its meaning in both languages, as JSON.
EMSCRIPTEN_KEEPALIVE int pelvano_check_codes() {
  using namespace pelvano;
  return web::guardedCall([&] {
    std::string json = "[";
    for (const contest::CheckCode& code : contest::checkCodes()) {
      json += (json.size() > 1 ? ",{\"code\":" : "{\"code\":") + std::to_string(code.code) +
              ",\"file\":";
      web::appendJson(json, code.file);
      json += ",\"en\":";
      web::appendJson(json, code.english);
      json += ",\"sl\":";
      web::appendJson(json, code.slovene);
      json += '}';
    }
    session().text = json + "]";
  });
}

// Whether the task read last passed every check.
EMSCRIPTEN_KEEPALIVE int pelvano_task_passed() {
  return session().task.outcome.kind == pelvano::Outcome::Kind::kPassed ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* pelvano_text() {
  return session().text.data();
}
EMSCRIPTEN_KEEPALIVE std::size_t pelvano_text_size() {
  return session().text.size();
}
EMSCRIPTEN_KEEPALIVE const char* pelvano_best_file() {
  return session().best.data();
}
EMSCRIPTEN_KEEPALIVE std::size_t pelvano_best_size() {
  return session().best.size();
}
EMSCRIPTEN_KEEPALIVE std::size_t pelvano_picture_count() {
  return session().pictures.size();
}
EMSCRIPTEN_KEEPALIVE const char* pelvano_picture(std::size_t i) {
  return session().pictures[i].c_str();
}
EMSCRIPTEN_KEEPALIVE std::int32_t pelvano_block_count() {
  return session().blocks;
}

}  // extern "C"
