// Hosts on several threads at once: each thread installs its own
// application object with its own environment and runs scripts that touch
// most of the library (functions and prototypes, strings and arrays, dates
// and time zones, Math.random, eval and the Function constructor, waits,
// run-time errors with their messages, runaway recursion against the
// thread's own limit). Run under ThreadSanitizer too (make test-thread).
#include "CorvelConsole.h"
#include "CorvelEnvironment.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelGlobalObject.h"
#include "CorvelObjectTable.h"
#include "CorvelParser.h"
#include "CorvelSession.h"
#include "CorvelStandardFunctionInstance.h"
#include "QelApp.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

const char kScript[] = R"(
function fib(n) { return n < 2 ? n : fib(n - 1) + fib(n - 2); }
function Point(x, y) { this.x = x; this.y = y; }
function pointSum() { return this.x + this.y; }
Point.prototype.sum = pointSum;
var words = "delta alpha charlie bravo".split(" ");
words.sort();
var total = 0;
for (var i = 0; i < 2000; i++) { total += i % 7; }
var p = new Point(worker, 2);
Debug.trace("fib " + fib(15) + " words " + words.join(",") + " total " + total + " point " + p.sum() + "\n");
var twice = new Function("a", "return a * 2");
var o = new Object();
o.name = "w" + worker;
var names = "";
for (var key in o) { names += key + "=" + o[key]; }
Debug.trace(eval("6 * 7") + " " + twice(21) + " " + names + " " + (255).toString(16) + "\n");
var d = new Date(2020, 6, 15, 12, 30, 0);
Debug.tracePane("date", d.getMonth() + " " + d.getHours() + " " + (Math.random() < 1) + "\n");
wait(0);
var depth = 0;
function deeper() { depth++; deeper(); }
deeper();
)";

class StringConsole : public CorvelConsole {
public:
    void Output(const char* pane, const char* text) override {
        if (pane) text_ += std::string("[") + pane + "] ";
        text_ += text;
    }
    std::string text_;
};

// One host: everything is made, run and torn down on the calling thread.
class ThreadHost : public QelApp {
public:
    ThreadHost() : previous(SetQelApp(this)) {
        environment.Init();
        environment.Restart();
    }
    ~ThreadHost() override {
        environment.Close();
        SetQelApp(previous);
    }
    CorvelEnvironment* GetScriptEnvironment() override { return &environment; }

    // Runs the script with `worker` defined and the given depth limit;
    // answers what it wrote and how deep it got.
    std::string Run(int worker, int maximumDepth, int& depthReached) {
        CorvelParser parser("thread.js");
        QelString errors;
        if (!parser.Parse(kScript, errors) || parser.GetErrorCount() != 0) return errors.GetText();
        CorvelGlobalObject* global = new CorvelGlobalObject();
        global->SetupObject();
        global->Put("worker", CorvelValue(worker));
        global->DeclareFunctions(parser);
        StringConsole console;
        CorvelSession* session = new CorvelSession(parser.GetTree(), global, nullptr, &console);
        session->SetMaximumDepth(maximumDepth);
        while (!session->RunNextStatement()) {
        }
        depthReached = global->Get("depth").ForceGetInteger();
        delete session;
        environment.GetObjectTable()->ResetTable();
        delete global;
        return console.text_;
    }

    CorvelEnvironment environment;

private:
    QelApp* previous;
};

std::string Expected(int worker) {
    return "fib 610 words alpha,bravo,charlie,delta total 5995 point " + std::to_string(worker + 2) + "\n" +
           "42 42 name=w" + std::to_string(worker) + " FF\n" + "[date] 6 12 true\n" +
           "[Errors] thread.js (22, -1) : Script calls nested too deeply\n";
}

}  // namespace

// Four hosts at once, each with its own application object, environment
// and limits; every run must give its thread's own answer.
TEST(CorvelThreads, FourHostsRunScriptsAtOnce) {
    const int kThreads = 4;
    const int kRuns = 3;
    std::vector<std::string> failures(kThreads);
    std::vector<int> depths(kThreads);
    std::vector<std::thread> threads;
    for (int worker = 0; worker < kThreads; ++worker) {
        threads.emplace_back([worker, &failures, &depths]() {
            ThreadHost host;
            for (int run = 0; run < kRuns; ++run) {
                std::string output = host.Run(worker, 40 + 10 * worker, depths[worker]);
                if (output != Expected(worker)) {
                    failures[worker] = output;
                    return;
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int worker = 0; worker < kThreads; ++worker) {
        EXPECT_EQ(failures[worker], "") << "worker " << worker << " expected:\n" << Expected(worker);
        // Each session stopped the recursion at its own limit.
        EXPECT_EQ(depths[worker] - depths[0], 10 * worker);
    }
    EXPECT_EQ(GetQelApp(), nullptr);
}

// A thread that never installed an application object has none, whatever
// other threads installed.
TEST(CorvelThreads, TheApplicationObjectBelongsToItsThread) {
    ThreadHost host;
    QelApp* seen = &host;
    std::thread([&seen]() { seen = GetQelApp(); }).join();
    EXPECT_EQ(seen, nullptr);
    EXPECT_EQ(GetQelApp(), &host);
    EXPECT_EQ(CorvelEnvironment::Get(), &host.environment);
}
