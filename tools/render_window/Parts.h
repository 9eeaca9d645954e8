#pragma once

#include <QDir>

// The parts render_window can draw. The window part starts the shell (which
// creates the application object); the others run in a plain application
// with the Fusion style, the frame part with the shipped skin.
bool renderWindow(int& argc, char** argv, const QDir& outDir);
bool renderMinSize(int& argc, char** argv, const QDir& outDir);
bool renderDetail(int& argc, char** argv, const QDir& outDir);
bool renderCompare(int& argc, char** argv, const QDir& outDir);
bool renderNetwork(int& argc, char** argv, const QDir& outDir);
bool renderImport(int& argc, char** argv, const QDir& outDir);
bool renderAddPage(const QDir& outDir, bool printGeometry);
bool renderCapacity(const QDir& outDir);
bool renderEditor(const QDir& outDir);
bool renderFrame(const QDir& outDir);
bool renderGauge(const QDir& outDir);
bool renderReport(const QDir& outDir);
