#include "pictures/picture_words.h"

#include <string_view>

namespace pelvano::pictures {
namespace {

constexpr std::size_t kLabelsListed = 8;
constexpr std::size_t kSizesListed = 12;

std::string number(std::int64_t value) {
  return std::to_string(value);
}

// A Slovene noun after a number: one form for 1, the dual for 2, one for 3 and 4, the
// genitive plural for the rest, by the number's last two digits.
std::string counted(std::int64_t n, std::string_view one, std::string_view two,
                    std::string_view few, std::string_view many) {
  const std::int64_t last = n % 100;
  const std::string_view form = last == 1                ? one
                                : last == 2              ? two
                                : last == 3 || last == 4 ? few
                                                         : many;
  return number(n) + " " + std::string(form);
}

std::string regionsSl(std::int64_t n) {
  return counted(n, "območje", "območji", "območja", "območij");
}
std::string cellsSl(std::int64_t n) {
  return counted(n, "celica", "celici", "celice", "celic");
}
std::string regionsEn(std::int64_t n) {
  return number(n) + (n == 1 ? " region" : " regions");
}

std::string sizeList(const std::vector<std::int64_t>& sizes) {
  std::string list;
  for (std::size_t i = 0; i < sizes.size() && i < kSizesListed; ++i)
    list += (i == 0 ? "" : ", ") + number(sizes[i]);
  return sizes.size() > kSizesListed ? list + ", ..." : list;
}

}  // namespace

std::optional<Language> languageNamed(std::string_view name) {
  if (name == "en") return Language::kEnglish;
  if (name == "sl") return Language::kSlovene;
  return std::nullopt;
}

std::string caption(const BlockPicture& picture, Language language) {
  const bool sl = language == Language::kSlovene;
  std::string text = (sl ? "Blok " : "Block ") + number(picture.block) +
                     (sl ? ": primer " : ": case ") + number(picture.caseNumber) +
                     ", d = " + number(picture.d);
  if (picture.faultyRow) {
    const std::string row = number(*picture.faultyRow + 1);
    return text +
           (sl ? ", vrstica " + row + " od " + number(picture.height) + " ni prestala preverjanja"
               : ", row " + row + " of " + number(picture.height) + " failed its check");
  }
  const auto regions = static_cast<std::int64_t>(picture.regions.populations.size());
  text += ", " + (sl ? regionsSl(regions) : regionsEn(regions));
  if (picture.spread) return text + (sl ? ", razpon " : ", spread ") + number(*picture.spread);
  return text + (sl ? ", ni d: brez ocene" : ", not d: no score");
}

std::string regionTitle(const RegionFacts& facts, Language language) {
  const bool sl = language == Language::kSlovene;
  std::string title = (sl ? "Območje " : "Region ") + number(facts.region + 1) +
                      (sl ? " od " : " of ") + number(facts.regions) + ": ";
  if (facts.label) title += (sl ? "oznaka " : "label ") + number(*facts.label) + ", ";
  title +=
      sl ? cellsSl(facts.cells) : number(facts.cells) + (facts.cells == 1 ? " cell" : " cells");
  title += (sl ? ", prebivalcev " : ", population ") + number(facts.population);
  if (facts.mostPopulous) title += sl ? ", najbolj naseljeno" : ", the most populous";
  if (facts.leastPopulous) {
    title += facts.mostPopulous ? (sl ? " in najmanj" : " and the least")
                                : (sl ? ", najmanj naseljeno" : ", the least populous");
  }
  return title;
}

std::string faultyRowLegend(Language language) {
  return language == Language::kSlovene
             ? "Rdeče: vrstica, ki ni prestala preverjanja; vrstice za njo niso bile prebrane."
             : "Red: the row that failed its check; rows after it were not read.";
}

std::string extremesLegend(std::int64_t most, std::optional<std::int64_t> least,
                           Language language) {
  if (language == Language::kSlovene) {
    return "Črn rob: najbolj naseljeno območje, " + number(most) + ". " +
           (least ? "Bel rob: najmanj naseljeno, " + number(*least) + "."
                  : std::string("Je tudi najmanj naseljeno."));
  }
  return "Black edge: the most populous region, " + number(most) + ". " +
         (least ? "White edge: the least populous, " + number(*least) + "."
                : std::string("It is also the least populous."));
}

std::vector<std::string> diagnosisLines(const CountDiagnosis& diagnosis, Language language) {
  const bool sl = language == Language::kSlovene;
  std::vector<std::string> lines;
  lines.push_back(sl ? regionsSl(diagnosis.regions) + ", d pa je " + number(diagnosis.d) + "."
                     : number(diagnosis.regions) + " regions where d is " + number(diagnosis.d) +
                           ".");
  if (!diagnosis.splitLabels.empty()) {
    lines.push_back(sl ? "Šrafirano: vsa območja oznake, ki tvori več kot eno območje."
                       : "Hatched: every region of a label that forms more than one.");
  }
  if (!diagnosis.specks.empty()) {
    lines.push_back(sl ? "Obkroženo: območja z eno ali dvema celicama."
                       : "Ringed: the regions of one or two cells.");
  }
  for (std::size_t i = 0; i < diagnosis.splitLabels.size() && i < kLabelsListed; ++i) {
    const CountDiagnosis::SplitLabel& split = diagnosis.splitLabels[i];
    const auto regions = static_cast<std::int64_t>(split.sizes.size());
    lines.push_back(sl ? "Oznaka " + number(split.label) + " tvori " + regionsSl(regions) +
                             "; njihove velikosti v celicah: " + sizeList(split.sizes) + "."
                       : "Label " + number(split.label) + " forms " + number(regions) +
                             " regions, of " + sizeList(split.sizes) + " cells.");
  }
  if (diagnosis.splitLabels.size() > kLabelsListed) {
    const std::string more =
        number(static_cast<std::int64_t>(diagnosis.splitLabels.size() - kLabelsListed));
    lines.push_back(sl ? "... in še oznak, ki tvorijo več kot eno območje: " + more + "."
                       : "... and " + more + " more labels that form more than one region.");
  } else if (diagnosis.splitLabels.empty()) {
    const bool few = diagnosis.regions < diagnosis.d;
    lines.push_back(sl ? std::string("Vsaka oznaka tvori eno območje: samih oznak je ") +
                             (few ? "premalo." : "preveč.")
                       : std::string("Every label forms one region: the labels themselves are ") +
                             (few ? "too few." : "too many."));
  }
  return lines;
}

IndexWords indexWords(Language language) {
  if (language == Language::kSlovene)
    return {"sl", "Območja oddaje ", "Poročilo", "Bloki", "Mreža nobenega bloka ni bila prebrana."};
  return {"en", "Regions of ", "Report", "Blocks", "No block's grid was read."};
}

}  // namespace pelvano::pictures
