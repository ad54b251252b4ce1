#pragma once

#include <ploxen/model/GcGraph.h>
#include <ploxen/model/TextField.h>
#include <ploxen/platform/afx/AfxExtClass.h>

#include <cstdio>

// The whole picture: its graphs, the overall titles, the plot margins and how series are drawn.
// The graph array belongs to the host; copies are shallow and share it.
class AFX_EXT_CLASS GcGraphConfig {
public:
    enum TYPE : int {
        GRAPH = 0,      // polylines
        HISTON = 1,     // bars standing on 0
        HISTFROMTO = 2, // bars standing on the graph's vmin
    };

    GcGraphConfig() : GcGraphConfig(GRAPH) {}
    GcGraphConfig(TYPE type) : type(type) {}
    GcGraphConfig(int ngraph, GcGraph* graph, char* vtitle, char* htitle, double left, double right,
                  double bottom, double top, TYPE type);

    void set(int ngraph, GcGraph* graph, char* vtitle, char* htitle, double left, double right,
             double bottom, double top, TYPE type);
    // Stores the graphs, or none if ngraph < 1 or graph is null.
    void setGraph(int ngraph, GcGraph* graph);
    int getNgraph() const { return ngraph; }
    GcGraph* getGraph() const { return graph; }
    void setVtitle(char* title) { storeText(vtitle, title); }
    void setHtitle(char* title) { storeText(htitle, title); }
    // Margins are fractions of the viewport. Unless each lies in [0, 1) and each opposite pair
    // sums to less than 1, all four become 0.15.
    void setMargin(double left, double right, double bottom, double top);

    void changeGraph() { type = GRAPH; }
    void changeHistOn() { type = HISTON; }
    void changeHistFromTo() { type = HISTFROMTO; }
    void changeHistType() { histType = 1; }
    void superposeGraph(int) { superpose = 1; }

    // Frees the vertex, series and graph arrays of the whole tree and leaves no graphs.
    void deleteContents();

    // Writes each graph as comma-separated text headed with this configuration's horizontal
    // title, each block followed by an empty line.
    void writeCsv(FILE* stream) const;
    // Writes to a new or truncated file; returns 1, or 0 if it cannot be opened.
    int writeCsv(const char* path) const;

    TYPE type;
    int histType = 0;
    int superpose = 0;
    int singleVaxis = 1;
    int ngraph = 0;
    GcGraph* graph = nullptr;
    char vtitle[textFieldSize] = {};
    char htitle[textFieldSize] = {};
    double leftMargin = 0.15;
    double rightMargin = 0.2;
    double bottomMargin = 0.2;
    double topMargin = 0.05;
};
