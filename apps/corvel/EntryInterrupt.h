// Ctrl-C and Escape at the interactive prompt. While an entry runs, either
// key stops it and the prompt carries on; a second Ctrl-C before the entry
// has stopped (a script stuck where it never checks) ends the program. At
// the prompt itself, Ctrl-C discards the entry being typed.
//
// While an entry runs on a terminal, input is switched to non-canonical
// mode without echo and read without blocking whenever the engine asks for
// the Escape key; what else was typed meanwhile is kept for the next
// prompt. The terminal's settings and the previous Ctrl-C handling come
// back when this object goes.
#pragma once

#include <cstdint>
#include <string>

class EntryInterrupt {
public:
    // `terminal`: standard input is a terminal to watch for Escape.
    explicit EntryInterrupt(bool terminal);
    ~EntryInterrupt();

    EntryInterrupt(const EntryInterrupt&) = delete;
    EntryInterrupt& operator=(const EntryInterrupt&) = delete;

    // The span of one entry's run (and the printing of its value).
    class Running {
    public:
        explicit Running(EntryInterrupt& interrupt) : m_interrupt(interrupt) { m_interrupt.BeginEntry(); }
        ~Running() { m_interrupt.EndEntry(); }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

    private:
        EntryInterrupt& m_interrupt;
    };

    // Ctrl-C or Escape since the entry began.
    bool IsInterrupted() const;
    // Sleeps up to `milliseconds`, waking early for a key that interrupts.
    void Sleep(uint32_t milliseconds);
    // Ctrl-C pressed while no entry ran; clears it.
    bool TakePromptInterrupt();
    // What was typed while the entry ran, to be read at the next prompt.
    std::string TakeTypedAhead();

private:
    void BeginEntry();
    void EndEntry();
    static bool KeySource(int virtualKey);
    static void ReadTypedKeys();
    static void OnInterrupt(int signalNumber);

    bool m_terminal;
};
