// The configuration the plotter draws: the graphs read from the input, styled and ranged by
// the command line's options. It owns every array the configuration points at.
#pragma once

#include <vector>

#include <ploxen/model/GcGraph.h>
#include <ploxen/model/GcGraphConfig.h>

#include "CsvReader.h"
#include "PlotOptions.h"

class PlotFigure {
public:
    // Throws UsageError for options the data cannot meet (two axes for one graph) and
    // CsvError for data no axis can span.
    PlotFigure(std::vector<CsvGraph> graphs, const PlotOptions& options);
    PlotFigure(const PlotFigure&) = delete;
    PlotFigure& operator=(const PlotFigure&) = delete;

    GcGraphConfig& config() { return m_config; }

private:
    std::vector<CsvGraph> m_data;
    std::vector<std::vector<GcGLine>> m_lines;
    std::vector<GcGraph> m_graphs;
    GcGraphConfig m_config;
};

// The colour of series number index (counted through all graphs) on either background.
void seriesColor(int index, bool white, int rgb[3]);
