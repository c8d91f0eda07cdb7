#pragma once

#include "Editor.h"

#include <form/Host.h>

// Scopes that restore what they change however the scope is left, an error included.
namespace editor {

// The busy pointer.
class BusyScope {
public:
    explicit BusyScope(form::Host& host) : m_host(host) { m_host.setBusy(true); }
    ~BusyScope() { m_host.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    form::Host& m_host;
};

// The editor-live flag cleared while code only shows database state, so that the handlers the
// shown values trigger write nothing; the previous value comes back at the end.
class Quiet {
public:
    explicit Quiet(Editor& editor) : m_editor(editor), m_previous(editor.isLive()) {
        m_editor.setLive(false);
    }
    ~Quiet() { m_editor.setLive(m_previous); }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    Editor& m_editor;
    bool m_previous;
};

// The stand-selection flag for the length of a stand selection.
class StandSelection {
public:
    explicit StandSelection(Editor& editor)
        : m_editor(editor), m_previous(editor.standSelection()) {
        m_editor.setStandSelection(true);
    }
    ~StandSelection() { m_editor.setStandSelection(m_previous); }
    StandSelection(const StandSelection&) = delete;
    StandSelection& operator=(const StandSelection&) = delete;

private:
    Editor& m_editor;
    bool m_previous;
};

// The running flag of a long operation: a nested call finds it set and returns at once.
class RunningFlag {
public:
    bool isRunning() const { return m_running; }

private:
    friend class Running;
    bool m_running = false;
};

// Sets a running flag for the length of a scope.
class Running {
public:
    explicit Running(RunningFlag& flag) : m_flag(flag), m_previous(flag.m_running) {
        m_flag.m_running = true;
    }
    ~Running() { m_flag.m_running = m_previous; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    RunningFlag& m_flag;
    bool m_previous;
};

} // namespace editor
