#include "QelApp.h"

// Per thread, so that hosts on several threads each find their own
// application object and, through it, their own environment.
thread_local QelApp* QelAppThread::installed = nullptr;

// Constructing the application object installs it, as a framework's single
// application object would; destroying it removes it.
QelApp::QelApp() {
    if (!QelAppThread::installed) QelAppThread::installed = this;
}

QelApp::~QelApp() {
    if (QelAppThread::installed == this) QelAppThread::installed = nullptr;
}

QelApp* SetQelApp(QelApp* app) {
    QelApp* previous = QelAppThread::installed;
    QelAppThread::installed = app;
    return previous;
}
