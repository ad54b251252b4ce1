// Stacked graphs share one horizontal axis: a block whose x values cover a small part of it is
// squeezed into that part. The plotter says so once.
#pragma once

#include <string>
#include <vector>

#include "CsvReader.h"

// A warning naming the narrowest block and the whole range when a block's x values (nan and
// inf aside) overlap less than half of the horizontal axis all the blocks share, with how to
// plot the blocks apart; empty when every block spans at least half of it, or for one block.
std::string farApartBlocks(const std::vector<CsvGraph>& graphs);
