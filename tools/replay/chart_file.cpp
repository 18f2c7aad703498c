#include "replay/chart_file.h"

#include "render/population_chart.h"

ChartFile::ChartFile(const std::string& path, OutputSources& sources)
    : file_(OutputFile::Create(path)), world_(sources.world), scale_(sources.options.scale) {}

void ChartFile::AfterTick(std::int64_t, const CWorld& world) {
  history_.Record(CountPopulations(world));
}

void ChartFile::Finish() {
  PopulationChart chart(kChartWidth, kChartHeight, scale_);
  chart.Draw(history_, CountPopulations(world_));
  std::string rgb;
  const std::optional<std::string> png = EncodePng(chart.Surface(), rgb);
  if (!png) {
    file_->Refuse("cannot encode the chart");
  }
  file_->Write(*png);
  file_->Finish();
}
