// A host program that embeds Corvel: it adds an object of its own to the
// script's global names, runs a script in time slices inside its own main
// loop while it does other work, calls a script function itself, and
// reports a script's run-time error through its console.
#include "ExampleHost.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

const char kScript[] = R"(
Debug.trace("script: running inside " + Host.name() + "\n");
function square(x) { return x * x; }
function describe(n) { return n + " squared is " + square(n); }
Debug.trace("script: squares of 0 to 4 add up to " + Host.sum(5, square) + "\n");
for (var step = 1; step <= 3; step++) {
    Debug.tracePane("progress", "step " + step + " of 3\n");
    wait(0.02);  // hands control back to the host for 20 ms
}
Debug.trace("script: done\n");
)";

const char kBrokenScript[] = R"(
Debug.trace("script: about to pass a number where a function belongs\n");
Host.sum(2, 5);
Debug.trace("script: never printed\n");
)";

// Stands for whatever the host does between slices: drawing, input, I/O.
int g_framesDrawn = 0;
void DrawFrame() { ++g_framesDrawn; }

}  // namespace

int main() {
    ExampleHost host;
    if (!host.Load("example.js", kScript)) return 1;

    // The host's main loop: one slice of script, then the host's own work.
    // While the script waits, a slice returns at once.
    int slices = 1;
    while (!host.RunSlice()) {
        ++slices;
        DrawFrame();
        int wait = host.WaitRemaining();
        std::this_thread::sleep_for(std::chrono::milliseconds(wait > 5 ? 5 : wait));
    }
    printf("host: the script finished; %s\n",
           slices > 3 && g_framesDrawn > 0 ? "the host kept drawing between its slices" : "it never waited");

    CorvelValue answer;
    if (host.CallScriptFunction("describe", 7, answer))
        printf("host: describe(7) answered \"%s\"\n", answer.ForceGetString().GetText());

    // The second script runs in one go; its error goes to the console.
    if (!host.Load("broken.js", kBrokenScript)) return 1;
    host.RunOnce();
    printf("host: shutting down\n");
    return 0;
}
