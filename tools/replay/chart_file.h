// ChartFile: --chart, the population chart when the script has finished, as
// one PNG file at the run's scale: the counts after every tick, and in its
// legend the counts at the end. It keeps its own history of the ticks.
#pragma once

#include <memory>
#include <string>

#include "app/population_history.h"
#include "replay/output_file.h"
#include "replay/run_output.h"

class ChartFile : public RunOutput {
 public:
  ChartFile(const std::string& path, OutputSources& sources);

  void AfterTick(std::int64_t tick, const CWorld& world) override;
  void Finish() override;
  void Publish() override { file_->Publish(); }

 private:
  std::unique_ptr<OutputFile> file_;
  const CWorld& world_;
  double scale_;
  PopulationHistory history_;
};
