#include "contest/failure_hints.h"

#include "contest/file_lines.h"
#include "task/arrangement.h"
#include "task/limits.h"

namespace pelvano::contest {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A byte as a person reads it, in both languages.
Hint byteName(std::string_view at) {
  const auto byte = static_cast<unsigned char>(at.front());
  if (at.starts_with(kByteOrderMark)) {
    return {"a byte order mark (BOM, the bytes 239 187 191)",
            "oznaka vrstnega reda bajtov (BOM, bajti 239 187 191)"};
  }
  const std::string code = std::to_string(byte);
  switch (byte) {
    case '\0':
      return {"a NUL byte (0)", "bajt NUL (0)"};
    case '\t':
      return {"a tab (9)", "tabulator (9)"};
    case '\r':
      return {"a CR (13)", "CR (13)"};
    case ' ':
      return {"a blank (32)", "presledek (32)"};
    default:
      break;
  }
  if (byte >= '0' && byte <= '9')
    return {std::string(1, static_cast<char>(byte)), std::string(1, static_cast<char>(byte))};
  if (byte > 32 && byte < 127) {
    const std::string shown = "\"" + std::string(1, static_cast<char>(byte)) + "\"";
    return {shown + " (" + code + ")", shown + " (koda " + code + ")"};
  }
  return {"the byte " + code, "bajt s kodo " + code};
}

bool isDigitOrSpace(char c) {
  return (c >= '0' && c <= '9') || c == ' ' || (c >= '\t' && c <= '\r');
}

// What line 1 holds, byte by byte, for a contestant number that fails.
Hint contestantLine(std::string_view submission) {
  const std::string_view line = fileLine(submission, 1).value_or("");
  if (line.starts_with(kByteOrderMark)) {
    return {
        "Line 1 starts with a byte order mark (BOM, the bytes 239 187 191), which some "
        "editors write before the text: save the file without it (as UTF-8 without BOM, or "
        "as ASCII).",
        "Prva vrstica se začne z oznako vrstnega reda bajtov (BOM, bajti 239 187 191), ki jo "
        "nekateri urejevalniki zapišejo pred besedilo: shranite datoteko brez nje (kot UTF-8 "
        "brez BOM ali kot ASCII)."};
  }
  Hint hint{"Line 1 holds " + std::to_string(line.size()) + " bytes",
            "Prva vrstica ima " + std::to_string(line.size()) + " bajtov"};
  const std::size_t shown = std::min<std::size_t>(line.size(), 7);
  for (std::size_t i = 0; i < shown; ++i) {
    const Hint name = byteName(line.substr(i));
    hint.english += (i == 0 ? ": " : ", ") + name.english;
    hint.slovene += (i == 0 ? ": " : ", ") + name.slovene;
  }
  if (line.size() > shown) {
    hint.english += ", ...";
    hint.slovene += ", ...";
  }
  hint.english += ". The contestant number is exactly 6 bytes, starting with a number.";
  hint.slovene += ". Številka tekmovalca ima natanko 6 bajtov in se začne s številom.";
  return hint;
}

// Where line 2 first differs from the task's name, and what stands there.
Hint taskNameLine(std::string_view submission) {
  const std::string_view line = fileLine(submission, 2).value_or("");
  std::size_t column = 0;
  while (column < line.size() && column < kTaskName.size() && line[column] == kTaskName[column])
    ++column;
  const std::string at = std::to_string(column + 1);
  if (column == line.size()) {
    return {"Line 2 ends at column " + at + ", where \"" + std::string(kTaskName) + "\" goes on.",
            "Druga vrstica se konča v stolpcu " + at + ", kjer se \"" + std::string(kTaskName) +
                "\" nadaljuje."};
  }
  const Hint name = byteName(line.substr(column));
  return {"Line 2, column " + at + " holds " + name.english + ", where \"" +
              std::string(kTaskName) + "\" " +
              (column < kTaskName.size() ? "has \"" + std::string(1, kTaskName[column]) + "\"."
                                         : "has ended."),
          "V 2. vrstici je v stolpcu " + at + " " + name.slovene + ", kjer ima \"" +
              std::string(kTaskName) + "\" " +
              (column < kTaskName.size() ? "\"" + std::string(1, kTaskName[column]) + "\"."
                                         : "že konec.")};
}

}  // namespace

std::vector<Hint> failureHints(const Outcome& outcome, std::string_view submission,
                               const std::optional<BlockPlace>& place) {
  std::vector<Hint> hints;
  if (!outcome.showsFailure()) return hints;
  const std::int32_t code = outcome.failure.code;
  if (code == 215 || code == 216 || code == 218) hints.push_back(contestantLine(submission));
  if (code == 220) hints.push_back(taskNameLine(submission));
  if (!place) return hints;
  const std::string block = std::to_string(place->block);
  const std::string caseNumber = std::to_string(place->caseNumber);
  const std::string first = std::to_string(place->firstLine);
  const std::string last = std::to_string(place->firstLine + place->rows);
  hints.push_back(
      {"Block " + block + " answers case " + caseNumber + ": lines " + first + " to " + last + ".",
       "Blok " + block + " odgovarja na primer " + caseNumber + ": vrstice " + first + " do " +
           last + "."});
  if (code != 163) return hints;
  // The row that failed, and the first byte in it that is neither a digit nor white space.
  const std::int64_t number = place->firstLine + place->rowsRead + 1;
  const std::optional<std::string_view> line = fileLine(submission, number);
  if (!line) return hints;
  for (std::size_t i = 0; i < line->size(); ++i) {
    if (isDigitOrSpace((*line)[i])) continue;
    const Hint name = byteName(line->substr(i));
    const std::string at = std::to_string(number);
    const std::string column = std::to_string(i + 1);
    hints.push_back({"Line " + at + ", column " + column + " holds " + name.english +
                         ", which is neither a digit nor white space.",
                     "V " + at + ". vrstici je v stolpcu " + column + " " + name.slovene +
                         ", ki ni ne števka ne presledek."});
    break;
  }
  return hints;
}

void BlockPlaceWatcher::blockRead(Arrangement& arrangement) {
  current_ = BlockPlace{++blocks_, arrangement.caseNumber, arrangement.firstLine, arrangement.h,
                        arrangement.h};
}

void BlockPlaceWatcher::gridFailed(Arrangement& arrangement) {
  current_ = BlockPlace{++blocks_, arrangement.caseNumber, arrangement.firstLine, arrangement.h,
                        arrangement.rowsRead()};
}

}  // namespace pelvano::contest
