// The configuration the plotter draws: the graphs read from the input, styled and ranged by
// the command line's options. It owns every array the configuration points at.
#pragma once

#include <string>
#include <vector>

#include <ploxen/model/GcGraph.h>
#include <ploxen/model/GcGraphConfig.h>
#include <ploxen/platform/gdi/CDC.h>
#include <ploxen/render/Renderer.h>

#include "CsvReader.h"
#include "PlotOptions.h"

class PlotFigure {
public:
    // Throws UsageError for options the data cannot meet (two axes for one graph) and
    // CsvError for data no axis can span. The margins fit the picture size of the options.
    PlotFigure(std::vector<CsvGraph> graphs, const PlotOptions& options);
    PlotFigure(const PlotFigure&) = delete;
    PlotFigure& operator=(const PlotFigure&) = delete;

    GcGraphConfig& config() { return m_config; }
    // The overall title, drawn by drawTitle above the plot; empty for none.
    const std::string& title() const { return m_title; }

private:
    std::string m_title;
    std::vector<CsvGraph> m_data;
    std::vector<std::vector<GcGLine>> m_lines;
    std::vector<GcGraph> m_graphs;
    GcGraphConfig m_config;
};

// Sets config's margins for a picture of width x height pixels: the usual ones, with the top
// margin tall enough for title (empty: none) and the right one wide enough for the longest
// legend name, up to half the picture.
void fitMargins(GcGraphConfig& config, const std::string& title, int width, int height);

// Draws title centred above the plot that renderer lays out, in the font and colour of the
// drawing's other titles, kept inside the picture where it fits.
void drawTitle(CDC* dc, const Renderer& renderer, const std::string& title);

// The colour of series number index (counted through all graphs) on either background.
void seriesColor(int index, bool white, int rgb[3]);
