#include "OffscreenBenchmarks.h"

#include <benchmark/benchmark.h>

namespace {

QtMessageHandler qtMessageHandler = nullptr;

bool isPlatformNoise(const QString &message)
{
    for (const char *noise : {"propagateSizeHints()", "This plugin does not support", "audio", "PulseAudio"}) {
        if (message.contains(QLatin1String(noise)))
            return true;
    }
    return false;
}

void withoutPlatformNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!isPlatformNoise(message))
        qtMessageHandler(type, context, message);
}

// QApplication reads the platform when it is built, so this runs before it.
int &withOffscreenPlatform(int &argc)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

} // namespace

OffscreenBenchmarks::OffscreenBenchmarks(int &argc, char **argv) : app(withOffscreenPlatform(argc), argv)
{
    qtMessageHandler = qInstallMessageHandler(withoutPlatformNoise);
    benchmark::Initialize(&argc, argv);
    accepted = !benchmark::ReportUnrecognizedArguments(argc, argv);
}

int OffscreenBenchmarks::runAll()
{
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
