// The demo's commands: their IDs (as a resource header would give them) and how the menus and
// the toolbar show them.
#pragma once

#include <ploxen/ploxen.h>

enum : UINT {
    ID_FILE_PRINT = 0xE107, // the framework's own IDs for Print and Copy
    ID_EDIT_COPY = 0xE122,
    ID_FILE_SAVEBITMAP = 32771,
    ID_FILE_EXPORTCSV,
    ID_FILE_EXIT,
    ID_VIEW_BLACK,
    ID_VIEW_WHITE,
    ID_VIEW_STACKED,
    ID_VIEW_SUPERPOSED,
    ID_VIEW_TWOAXES,
    ID_VIEW_HISTOGRAM,
    ID_GRAPH_ZOOM,
    ID_GRAPH_UNZOOM,
    ID_GRAPH_FIRST,
    ID_GRAPH_SECOND,
    ID_GRAPH_VGRADUATE,
    ID_GRAPH_HGRADUATE,
    ID_TOOLS_ZOOM,
    ID_TOOLS_POINT,
    ID_TOOLS_STATISTICS,
    ID_TOOLS_COMMENT,
    ID_TOOLS_ERASE,
    ID_GRAPH_BACK,
    ID_GRAPH_FORWARD,
    ID_GRAPH_HOME,
    ID_FILE_SAVEPICTURE,
};

struct DemoCommand {
    UINT id;
    const char* menu;     // the menu that lists it
    const char* text;     // menu text, & before the mnemonic
    const char* shortcut; // QKeySequence text, or null
    int group;            // commands with the same nonzero group are exclusive choices
    bool toolbar;         // also on the toolbar
};

// In menu order; a null text is a separator.
inline constexpr DemoCommand kDemoCommands[] = {
    {ID_FILE_PRINT, "&File", "&Print...", "Ctrl+P", 0, true},
    {ID_FILE_SAVEBITMAP, "&File", "Save &bitmap...", "Ctrl+S", 0, true},
    {ID_FILE_SAVEPICTURE, "&File", "Save p&icture...", "Ctrl+Shift+S", 0, true},
    {ID_FILE_EXPORTCSV, "&File", "&Export CSV...", "Ctrl+E", 0, true},
    {0, "&File", nullptr, nullptr, 0, false},
    {ID_FILE_EXIT, "&File", "E&xit", "Ctrl+Q", 0, false},
    {ID_EDIT_COPY, "&Edit", "&Copy picture", "Ctrl+C", 0, false},
    {ID_VIEW_BLACK, "&View", "&Black background", "Ctrl+Shift+B", 1, false},
    {ID_VIEW_WHITE, "&View", "&White background", "Ctrl+Shift+W", 1, false},
    {0, "&View", nullptr, nullptr, 0, false},
    {ID_VIEW_STACKED, "&View", "&Stacked graphs", "Ctrl+1", 2, false},
    {ID_VIEW_SUPERPOSED, "&View", "Superposed, &one axis", "Ctrl+2", 2, false},
    {ID_VIEW_TWOAXES, "&View", "Superposed, &two axes", "Ctrl+3", 2, false},
    {ID_VIEW_HISTOGRAM, "&View", "&Histograms", "Ctrl+4", 2, false},
    {ID_GRAPH_ZOOM, "&Graph", "&Zoom", "Ctrl+Z", 0, true},
    {ID_GRAPH_UNZOOM, "&Graph", "&Unzoom", "Ctrl+U", 0, true},
    {ID_GRAPH_BACK, "&Graph", "&Back", "Alt+Left", 0, true},
    {ID_GRAPH_FORWARD, "&Graph", "F&orward", "Alt+Right", 0, true},
    {ID_GRAPH_HOME, "&Graph", "&Home (full view)", "Home", 0, false},
    {0, "&Graph", nullptr, nullptr, 0, false},
    {ID_GRAPH_FIRST, "&Graph", "&First graph", "Alt+1", 3, false},
    {ID_GRAPH_SECOND, "&Graph", "&Second graph", "Alt+2", 3, false},
    {ID_GRAPH_VGRADUATE, "&Graph", "Graduate &vertical axis...", "Ctrl+Shift+V", 0, false},
    {ID_GRAPH_HGRADUATE, "&Graph", "Graduate &horizontal axis...", "Ctrl+Shift+H", 0, false},
    {ID_TOOLS_ZOOM, "&Tools", "&Zoom...", "Ctrl+Shift+Z", 0, false},
    {ID_TOOLS_POINT, "&Tools", "&Point inquiry...", "Ctrl+I", 0, true},
    {ID_TOOLS_STATISTICS, "&Tools", "&Statistics...", "Ctrl+T", 0, true},
    {ID_TOOLS_COMMENT, "&Tools", "&Draw comment...", "Ctrl+M", 0, true},
    {ID_TOOLS_ERASE, "&Tools", "&Erase comment...", "Ctrl+Shift+M", 0, false},
};
