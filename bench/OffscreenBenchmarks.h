#pragma once

// The application of a benchmark that drives windows: the offscreen platform,
// without the warnings it writes for every window it shows, and the Google
// benchmark arguments taken from the command line.

#include <QApplication>

class OffscreenBenchmarks {
public:
    OffscreenBenchmarks(int &argc, char **argv);

    // False when the command line held an argument the benchmarks do not know.
    bool argumentsAccepted() const { return accepted; }
    int runAll();

private:
    QApplication app;
    bool accepted = false;
};
