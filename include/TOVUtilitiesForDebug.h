// Helpers that print the library's structures for debugging.
#ifndef TOVUTILITIESFORDEBUG_H
#define TOVUTILITIESFORDEBUG_H

#include "TOVExport.h"

class TOVExecGraphStep;
class TOVMessageDisplay;
class TOVSortedVector;

class TOVBASIC_API TOVUtilitiesForDebug {
public:
  /// Shows the steps below step (null: from the root links) depth first, one line per
  /// step: "> ", its rank, ": ", then a blank and the quoted identifier of each node
  /// with identifier of the step. A step is shown only below its own parent step, so
  /// each step appears once. links must be sorted by parent step, nodes by step.
  static void DisplayExecGraph(const TOVExecGraphStep* step, const TOVSortedVector& links,
                               const TOVSortedVector& nodes, TOVMessageDisplay& display);
};

#endif
