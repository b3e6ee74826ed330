// The tools run as processes, their outcome compared whole.
#ifndef TOOLSTESTSUPPORT_H
#define TOOLSTESTSUPPORT_H

#include "TOVTestSupport.h"
#include "TOVToolProcess.h"

#include <string>
#include <tuple>

const std::string kTools = std::string(TOV_BINARY_DIR) + "/tools/";
const std::string kTovgraph = kTools + "tovgraph/tovgraph ";
const std::string kExample = std::string(TOV_SOURCE_DIR) + "/tools/tovgraph/examples/build.graph";

/// The exit status, standard output and standard error of a run.
using Outcome = std::tuple<int, std::string, std::string>;

/// Runs the shell command line and gives its outcome.
inline Outcome OutcomeOf(const std::string& commandLine) {
  const tovtest::ToolRun run = tovtest::RunTool(commandLine);
  return {run.status, run.out, run.err};
}

#endif
