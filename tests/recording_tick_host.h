// A TickHost that keeps the report list and label as a window would show
// them, and counts the start-up timer cancellations.
#pragma once

#include <string>
#include <vector>

#include "recording_draw_context.h"
#include "sim/tick.h"

class RecordingTickHost : public TickHost {
 public:
  void ClearReport() override { report.clear(); }
  void AppendReport(std::string_view text) override { report.emplace_back(text); }
  void SetIterationText(std::string_view text) override { iterationText = text; }
  void CancelStartupTimer() override { ++startupCancels; }
  DrawContext& GetDrawContext() override { return dc; }

  std::vector<std::string> report;
  std::string iterationText;
  int startupCancels = 0;
  RecordingDrawContext dc;
};
