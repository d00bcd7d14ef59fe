#include "QelApp.h"

namespace {
// Per thread, so that hosts on several threads each find their own
// application object and, through it, their own environment.
thread_local QelApp* g_app = nullptr;
}

// Constructing the application object installs it, as a framework's single
// application object would; destroying it removes it.
QelApp::QelApp() {
    if (!g_app) g_app = this;
}

QelApp::~QelApp() {
    if (g_app == this) g_app = nullptr;
}

QelApp* GetQelApp() { return g_app; }

QelApp* SetQelApp(QelApp* app) {
    QelApp* previous = g_app;
    g_app = app;
    return previous;
}
