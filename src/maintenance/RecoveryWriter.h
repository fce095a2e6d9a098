#pragma once

#include "core/CRegistre.h"
#include "core/Status.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace belvane {

// Writes recovery files without holding up the thread the register lives on:
// that thread only copies the register into a snapshot kept from one write to
// the next (its memory already in place, so that the copy allocates nothing
// new); encoding and writing the file happen on the writer's own thread. Every
// file is written as a save writes a register (atomically). Requests are
// carried out in the order they are made.
class RecoveryWriter {
public:
    RecoveryWriter();
    // Carries out what was asked, then stops.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    enum class Copy {
        Partial,  // lines are left to copy: call again with restart false
        Done,     // the copy is whole and its write to the path queued
        Busy,     // nothing copied: the snapshot is in use, or too small for the
                  // register's lines (it is then grown): ask again shortly
    };
    // Copies `reg` into the snapshot, reading it on the calling thread (and
    // only here), `lines` lines at a time so that no call holds that thread
    // long: each call goes on from where the last one stopped, or from the
    // start when `restart` (the register changed in between). With the last
    // lines the rest of the register is copied and its write to `path` queued.
    Copy CopySlice(const CRegistre& reg, const std::string& path, std::size_t lines, bool restart);
    // The whole copy at once: whether its write was queued.
    bool Write(const CRegistre& reg, const std::string& path);
    // Removes the file at `path`, after any write asked before.
    void Remove(const std::string& path);
    // Has the snapshot made ready for `lines` lines on the writer's thread,
    // unless it has room for them already.
    void Reserve(std::size_t lines);
    // Frees the snapshot's memory, once no write is to come soon.
    void Release();
    // Waits until everything asked is done.
    void Wait();
    // How the last write ended.
    Status LastStatus() const;

private:
    struct Task {
        enum Kind { Write, Remove, Reserve, Release } kind;
        std::string path;
        std::size_t lines = 0;  // of the register written, or to make room for
    };
    void Queue(Task task);
    void Run();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Task> m_tasks;
    bool m_working = false;
    bool m_stop = false;
    // The snapshot belongs to the writer's thread while Write, Reserve or
    // Release tasks are queued or running (their count). Between them it holds
    // at least as many lines as the register copied into it: the writer's
    // thread makes them (touching their memory first costs more than copying),
    // and a copy only assigns over them.
    int m_snapshotTasks = 0;
    CRegistre m_snapshot;
    std::size_t m_copied = 0;  // lines of the copy under way
    Status m_lastStatus;
    std::thread m_thread;
};

}  // namespace belvane
