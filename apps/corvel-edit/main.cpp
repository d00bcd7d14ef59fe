// corvel-edit: the script workbench. Edits a script with its colours, runs
// it in the window's event loop, and shows what it writes.
//
//   corvel-edit [FILE]
//   corvel-edit --screenshot IMAGE.png [--run-for MS] [FILE]
//       renders the window to IMAGE.png (after running FILE for MS
//       milliseconds) and exits; without a display it renders offscreen.
#include "Workbench.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kUsage[] = "usage: corvel-edit [FILE] | corvel-edit --screenshot IMAGE.png [--run-for MS] [FILE]";

struct Options {
    const char* file = nullptr;
    const char* screenshot = nullptr;
    long runFor = -1;  // milliseconds; -1: do not run
};

bool ReadMilliseconds(const char* text, long& milliseconds) {
    char* end;
    milliseconds = strtol(text, &end, 10);
    return end != text && *end == 0 && milliseconds >= 0 && milliseconds <= 3600 * 1000;
}

bool ReadOptions(int argc, char** argv, Options& options) {
    for (int at = 1; at < argc; ++at) {
        if (strcmp(argv[at], "--screenshot") == 0 && at + 1 < argc && !options.screenshot) {
            options.screenshot = argv[++at];
        } else if (strcmp(argv[at], "--run-for") == 0 && at + 1 < argc && options.runFor < 0) {
            if (!ReadMilliseconds(argv[++at], options.runFor))
                return false;
        } else if (argv[at][0] != '-' && !options.file) {
            options.file = argv[at];
        } else {
            return false;
        }
    }
    return options.runFor < 0 || (options.screenshot && options.file);
}

int Fail(const QString& message) {
    fprintf(stderr, "corvel-edit: %s\n", message.toLocal8Bit().constData());
    return 2;
}

bool HasDisplay() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ReadOptions(argc, argv, options))
        return Fail(kUsage);
    // A screenshot needs no screen.
    if (options.screenshot && !HasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    QApplication::setApplicationName("corvel-edit");
    Workbench workbench;
    QString problem;
    if (options.file && !workbench.Load(QString::fromLocal8Bit(options.file), &problem))
        return Fail(problem);
    workbench.show();
    if (!options.screenshot)
        return application.exec();

    if (options.runFor >= 0)
        workbench.Run();
    int status = 0;
    QTimer::singleShot(options.runFor > 0 ? options.runFor : 0, &application, [&]() {
        if (!workbench.SaveScreenshot(QString::fromLocal8Bit(options.screenshot))) {
            fprintf(stderr, "corvel-edit: cannot write %s\n", options.screenshot);
            status = 1;
        }
        workbench.Stop();
        application.quit();
    });
    application.exec();
    return status;
}
