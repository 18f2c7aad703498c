// CountsOutput: --counts, the live plants, herbivores and carnivores after
// every tick as CSV ("tick,plants,herbivores,carnivores"), into a file or,
// for "-", into standard output's text in place of the report blocks.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "replay/output_file.h"
#include "replay/run_output.h"

class CountsOutput : public RunOutput {
 public:
  CountsOutput(const std::string& path, OutputSources& sources);

  void AfterTick(std::int64_t tick, const CWorld& world) override;
  void Finish() override;
  void Publish() override;

 private:
  // Refuses at the first piece the file's stream did not take.
  void Check() const;

  std::unique_ptr<OutputFile> file_;  // none for standard output
  std::optional<Output> stream_;      // the file's stream
  Output* counts_;                    // that stream, or standard output's text
};
