// Analysing long command lines against 50 declared options, beside getopt_long of the C
// library over the same words (its long options playing the options' part). Both store
// every value: the analyzer in the options' containers, the peer in std::vector.
#include "TOVCmdLnAnalyzer.h"
#include "TOVCmdLnOptMultiArg.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVVector.h"

#include <benchmark/benchmark.h>
#include <getopt.h>
#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const int kNbOptions = 50; // half switches, half options with values

/// Words cycling through a switch, an option with its value and a positional word, the
/// option names spread over the 50 options; with iOnlySwitches, switch names only, so that
/// nothing is stored.
std::vector<std::string> MakeWords(int count, const char* dash, bool iOnlySwitches = false) {
  std::vector<std::string> words;
  for (int i = 0; words.size() < static_cast<size_t>(count); ++i) {
    int k = i % (kNbOptions / 2);
    words.push_back(dash + std::string("f") + std::to_string(k));
    if (iOnlySwitches)
      continue;
    words.push_back(dash + std::string("v") + std::to_string(k));
    words.push_back("value" + std::to_string(i));
    words.push_back("file" + std::to_string(i));
  }
  words.resize(static_cast<size_t>(count));
  return words;
}

std::vector<char*> Pointers(std::vector<std::string>& words) {
  std::vector<char*> pointers;
  for (std::string& word : words)
    pointers.push_back(&word[0]);
  return pointers;
}

/// The analyzer with its 50 options and a positional option.
struct DeclaredCommand {
  DeclaredCommand()
      : analyzer("bench", TOVParamNLSMsgBldrRfHndlr()), files(TOVContainerReleaseAtDelete) {
    for (int k = 0; k < kNbOptions / 2; ++k) {
      names.push_back("-f" + std::to_string(k));
      names.push_back("-v" + std::to_string(k) + "|-value" + std::to_string(k));
    }
    for (int k = 0; k < kNbOptions / 2; ++k) {
      switches.emplace_back(new TOVCmdLnOptNoArg(analyzer, names[2 * k].c_str(),
                                                 TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr()));
      values.emplace_back(new TOVVector(TOVContainerReleaseAtDelete));
      valued.emplace_back(new TOVCmdLnOptMultiArg(analyzer, names[2 * k + 1].c_str(),
                                                  TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                                                  *values.back(), 0, -1, 0));
    }
    positional.reset(new TOVCmdLnOptMultiArg(analyzer, "", TOVCmdLnOptOptional,
                                             TOVParamNLSMsgBldrRfHndlr(), files, 0, -1, 0));
  }
  ~DeclaredCommand() {
    positional.reset();
    for (auto* o : switches)
      o->Release();
    for (auto* o : valued)
      o->Release();
    for (auto* v : values)
      v->Release();
  }
  void Clear() {
    analyzer.Reset();
    files.ReleaseElementsAndClear();
    for (auto* v : values)
      v->ReleaseElementsAndClear();
  }

  TOVCmdLnAnalyzer analyzer;
  TOVVector files;
  std::vector<std::string> names;
  std::vector<TOVCmdLnOptNoArg*> switches;
  std::vector<TOVCmdLnOptMultiArg*> valued;
  std::vector<TOVVector*> values;
  struct Releaser {
    void operator()(MORBaseUnknown* o) const { o->Release(); }
  };
  std::unique_ptr<TOVCmdLnOptMultiArg, Releaser> positional;
};

void AnalyzeWords(benchmark::State& state, bool iOnlySwitches) {
  TOVGlobalObjectCleaner cleaner;
  DeclaredCommand command;
  std::vector<std::string> words = MakeWords(static_cast<int>(state.range(0)), "-", iOnlySwitches);
  std::vector<char*> pointers = Pointers(words);
  for (auto _ : state) {
    long rc = command.analyzer.Analyze(const_cast<const char**>(pointers.data()),
                                       static_cast<int>(pointers.size()));
    if (rc != 0)
      state.SkipWithError("the analysis failed");
    // Freeing the stored values is the caller's business, not the analysis.
    state.PauseTiming();
    command.Clear();
    // The values were freed option by option, in another order than they were made: give
    // the next analysis a heap as tidy as a starting program's.
    malloc_trim(0);
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

/// Switches, options with values and positional words: every value is stored.
void AnalyzerWords(benchmark::State& state) {
  AnalyzeWords(state, false);
}
BENCHMARK(AnalyzerWords)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN);

/// Switch names only: the cost of matching words to options.
void AnalyzerSwitches(benchmark::State& state) {
  AnalyzeWords(state, true);
}
BENCHMARK(AnalyzerSwitches)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN);

/// Only what storing costs: one new TOVString per word that the analysis would store,
/// appended to a vector, as the options do.
void StoreOnlyWords(benchmark::State& state) {
  std::vector<std::string> words = MakeWords(static_cast<int>(state.range(0)), "-");
  TOVVector stored(TOVContainerReleaseAtDelete);
  for (auto _ : state) {
    for (const std::string& word : words)
      if (word[0] != '-')
        stored.Add(new TOVString(word.c_str()), 1);
    state.PauseTiming();
    stored.ReleaseElementsAndClear();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(StoreOnlyWords)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN);

void GetoptLongWords(benchmark::State& state) {
  std::vector<std::string> names;
  for (int k = 0; k < kNbOptions / 2; ++k) {
    names.push_back("f" + std::to_string(k));
    names.push_back("v" + std::to_string(k));
  }
  std::vector<option> options;
  for (int i = 0; i < kNbOptions; ++i)
    options.push_back({names[i].c_str(), i % 2 == 0 ? no_argument : required_argument, nullptr, i});
  options.push_back({nullptr, 0, nullptr, 0});
  std::vector<std::string> words = MakeWords(static_cast<int>(state.range(0)), "--");
  words.insert(words.begin(), "bench");
  for (auto _ : state) {
    std::vector<char*> argv = Pointers(words); // getopt may permute its words
    std::vector<std::vector<std::string>> values(kNbOptions);
    std::vector<int> given(kNbOptions, 0);
    std::vector<std::string> files;
    optind = 0;
    opterr = 0;
    int c;
    while ((c = getopt_long(static_cast<int>(argv.size()), argv.data(), "-", options.data(),
                            nullptr)) != -1) {
      if (c == 1)
        files.emplace_back(optarg);
      else if (c >= 0 && c < kNbOptions && options[c].has_arg == required_argument)
        values[c].emplace_back(optarg);
      else if (c >= 0 && c < kNbOptions)
        given[c] = 1;
      else
        state.SkipWithError("getopt_long failed");
    }
    benchmark::DoNotOptimize(files.data());
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(GetoptLongWords)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN);

} // namespace
