// The demo's sample data: what its two graphs show in each layout.
#pragma once

#include <ploxen/ploxen.h>

enum class DemoLayout { Stacked, SuperposedOneAxis, SuperposedTwoAxes, Histogram };

constexpr int kSinePoints = 200;
constexpr int kNoisyPoints = 1'000'000;

// Gives the two graphs new series for the layout (allocated with array new, for the view to
// free) and sets the configuration's type, superposition, titles, ranges and graduations to
// match. The graphs must hold no series when called.
void fillDemoGraphs(GcGraphConfig& config, GcGraph (&graph)[2], DemoLayout layout);
