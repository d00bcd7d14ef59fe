// The host application object. A host derives from QelApp, creates one
// instance and installs it; libraries reach it through GetQelApp(). The
// installed object is the calling thread's: a host that runs scripts on
// several threads installs one on each.
#pragma once

class CorvelEnvironment;

class QelApp {
public:
    QelApp();
    virtual ~QelApp();

    // The first five operations belong to the host framework; the sixth
    // answers the host's script environment.
    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }
    virtual bool OnIdle(long) { return false; }
    virtual int Run() { return 0; }
    virtual CorvelEnvironment* GetScriptEnvironment() { return nullptr; }
};

namespace QelAppThread {
// The calling thread's installed object. Every reference count change of a
// script asks for it, so it is read inline rather than through a call.
extern thread_local QelApp* installed;
}  // namespace QelAppThread

// This thread's installed application object, or null when there is none.
inline QelApp* GetQelApp() { return QelAppThread::installed; }
// Installs `app` for this thread (null removes it); answers the previous one.
QelApp* SetQelApp(QelApp* app);
