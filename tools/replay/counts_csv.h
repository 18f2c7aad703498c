// The population after every tick as CSV: a header line, then one row per
// tick with the live records of each table.
#pragma once

#include "replay/output.h"
#include "replay/tick_listener.h"

class CountsCsv : public TickListener {
 public:
  explicit CountsCsv(Output& out) : out_(out) {
    out_ << "tick,plants,herbivores,carnivores";
    out_.EndLine();
  }

  bool AfterTick(std::int64_t tick, const CWorld& world) override {
    out_ << tick << ',' << world.plantCount << ',' << world.herbivoreCount << ','
         << world.carnivoreCount;
    out_.EndLine();
    return true;
  }

 private:
  Output& out_;
};
