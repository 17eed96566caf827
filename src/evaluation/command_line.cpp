#include "evaluation/command_line.h"

#include "evaluation/evaluation.h"
#include "platform/byte_source.h"
#include "platform/report_file.h"

namespace pelvano {

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  if (arguments.size() >= 2 && arguments[1] == "eval") return runEval(arguments, out, err);
  out << kUsageLine;
  return kExitDone;
}

int runEval(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() < 5) {
    out << kUsageLine;
    return kExitTooFewArguments;
  }
  const std::string& taskPath = arguments[2];
  const std::string& submissionPath = arguments[3];
  const std::string& reportPath = arguments[4];

  for (const std::string* input : {&taskPath, &submissionPath}) {
    if (isSameExistingFile(reportPath, *input)) {
      err << "Pelvano: porocilo \"" << reportPath << "\" je ista datoteka kot vhod \"" << *input
          << "\"; nicesar nisem zapisal\n";
      return kExitReportUnwritable;
    }
  }

  ReportFile report;
  if (!report.open(reportPath)) {
    err << "Pelvano: porocila \"" << reportPath << "\" ni mogoce odpreti: " << report.reason()
        << "\n";
    return kExitReportUnwritable;
  }
  FileByteSource task(taskPath);
  FileByteSource submission(submissionPath);
  const Evaluation evaluation = evaluateRun(task, submission);
  const ReportPieces pieces = reportPieces(evaluation);
  if (!report.writeAndClose({pieces.head, pieces.message, pieces.tail})) {
    err << "Pelvano: porocila \"" << reportPath << "\" ni mogoce zapisati: " << report.reason()
        << "\n";
    return kExitReportUnwritable;
  }
  return kExitDone;
}

}  // namespace pelvano
