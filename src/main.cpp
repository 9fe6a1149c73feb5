#include "platform/fluid_backend.h"
#include "window/form1.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a display Qt would abort with a long message; say it in one line instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "vareriz: no display found; start it from a desktop session (DISPLAY is not set)\n");
        return 1;
    }
    QApplication app(argc, argv);

    Form1Context context;
    context.programFolder = QCoreApplication::applicationDirPath();
    context.media = std::make_unique<FluidBackend>();
    Form1 window(std::move(context));
    window.start();
    if (!window.startedWell())
        return 1;
    return app.exec();
}
