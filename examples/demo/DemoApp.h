// The demo program's two modes: a window with every command a host offers, or, without a
// display, the pictures and the data written into a folder.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

// Size of the view's client area in both modes.
constexpr int kDemoWidth = 1000;
constexpr int kDemoHeight = 700;

// Writes plot.bmp, plot.png and plot.csv of the stacked sample graphs into dir and prints one
// line per file to out; on failure one line to err naming the file. Returns the exit status.
int writeDemoFiles(const QString& dir, std::FILE* out, std::FILE* err);

// Runs the program with its arguments (without the program name) once Qt's application object
// exists; returns the exit status.
int runDemo(const QStringList& args);
