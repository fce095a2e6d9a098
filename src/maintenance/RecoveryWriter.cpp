#include "maintenance/RecoveryWriter.h"

#include "core/RegisterFile.h"
#include "core/SafeFile.h"

#include <algorithm>
#include <filesystem>

#include <sys/resource.h>
#include <unistd.h>

namespace belvane {

RecoveryWriter::RecoveryWriter() : m_thread([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

namespace {

constexpr int kNiceness = 5;

// Every part of a register but its lines, which are copied in slices. Any part
// missing here would be missing from the recovery file (RecoveryTest compares
// the file with the register's own bytes).
void CopyAllButLines(const CRegistre& from, CRegistre& to) {
    to.m_bBackup = from.m_bBackup;
    to.m_largeurs = from.m_largeurs;
    to.m_colonnes = from.m_colonnes;
    to.m_police = from.m_police;
    to.m_couleurs = from.m_couleurs;
    to.m_banque = from.m_banque;
    to.m_agence = from.m_agence;
    to.m_numeroCompte = from.m_numeroCompte;
    to.m_cartes = from.m_cartes;
    to.m_titulaires = from.m_titulaires;
    to.m_annotations = from.m_annotations;
    to.m_montantInitial = from.m_montantInitial;
    to.m_paiements = from.m_paiements;
    to.m_mouvements = from.m_mouvements;
    to.m_rubriques = from.m_rubriques;
    to.m_beneficiaires = from.m_beneficiaires;
}

}  // namespace

RecoveryWriter::Copy RecoveryWriter::CopySlice(const CRegistre& reg, const std::string& path,
                                               std::size_t lines, bool restart) {
    const std::size_t count = reg.m_lignes.size();
    {
        std::unique_lock lock(m_mutex);
        if (m_snapshotTasks > 0)
            return Copy::Busy;
        if (m_snapshot.m_lignes.size() < count) {
            lock.unlock();
            // Room for some more lines than now, so that the next copies fit too.
            Reserve(count + count / 8 + 1024);
            return Copy::Busy;
        }
    }
    // No task uses the snapshot while none is queued: it is this thread's.
    if (restart || m_copied > count)
        m_copied = 0;
    const std::size_t end = count - m_copied > lines ? m_copied + lines : count;
    std::copy(reg.m_lignes.begin() + static_cast<std::ptrdiff_t>(m_copied),
              reg.m_lignes.begin() + static_cast<std::ptrdiff_t>(end),
              m_snapshot.m_lignes.begin() + static_cast<std::ptrdiff_t>(m_copied));
    m_copied = end;
    if (m_copied < count)
        return Copy::Partial;
    CopyAllButLines(reg, m_snapshot);
    m_copied = 0;
    {
        std::lock_guard lock(m_mutex);
        ++m_snapshotTasks;
    }
    Queue({Task::Write, path, count});
    return Copy::Done;
}

bool RecoveryWriter::Write(const CRegistre& reg, const std::string& path) {
    return CopySlice(reg, path, reg.m_lignes.size(), true) == Copy::Done;
}

void RecoveryWriter::Remove(const std::string& path) {
    Queue({Task::Remove, path, 0});
}

void RecoveryWriter::Reserve(std::size_t lines) {
    {
        std::lock_guard lock(m_mutex);
        if (m_snapshotTasks == 0 && m_snapshot.m_lignes.size() >= lines)
            return;  // room enough already
        ++m_snapshotTasks;
    }
    Queue({Task::Reserve, {}, lines});
}

void RecoveryWriter::Release() {
    {
        std::lock_guard lock(m_mutex);
        ++m_snapshotTasks;
    }
    Queue({Task::Release, {}, 0});
}

void RecoveryWriter::Wait() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_tasks.empty() && !m_working; });
}

Status RecoveryWriter::LastStatus() const {
    std::lock_guard lock(m_mutex);
    return m_lastStatus;
}

void RecoveryWriter::Queue(Task task) {
    {
        std::lock_guard lock(m_mutex);
        m_tasks.push_back(std::move(task));
    }
    m_wake.notify_one();
}

void RecoveryWriter::Run() {
    // Below the window's thread, so that waking this one never takes the
    // processor from it.
    (void)::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kNiceness);
    std::unique_lock lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_stop || !m_tasks.empty(); });
        if (m_tasks.empty())
            return;  // stopping, and nothing left to do
        Task task = std::move(m_tasks.front());
        m_tasks.pop_front();
        m_working = true;
        lock.unlock();
        Status status;
        switch (task.kind) {
            case Task::Write: {
                // The lines beyond the register's are left over from a longer
                // one, or made ahead: out of the copy while it is encoded.
                CLigneStore& lines = m_snapshot.m_lignes;
                CLigneStore beyond(std::make_move_iterator(lines.begin() +
                                                           static_cast<std::ptrdiff_t>(task.lines)),
                                   std::make_move_iterator(lines.end()));
                lines.resize(task.lines);
                const std::string bytes = WriteRegister(m_snapshot);
                lines.insert(lines.end(), std::make_move_iterator(beyond.begin()),
                             std::make_move_iterator(beyond.end()));
                {
                    std::lock_guard free(m_mutex);
                    --m_snapshotTasks;
                }
                std::error_code ec;
                std::filesystem::create_directories(std::filesystem::path(task.path).parent_path(),
                                                    ec);
                status = WriteFileAtomically(task.path, bytes);
                break;
            }
            case Task::Remove: {
                std::error_code ec;
                std::filesystem::remove(task.path, ec);
                break;
            }
            case Task::Reserve:
            case Task::Release: {
                if (task.kind == Task::Reserve && m_snapshot.m_lignes.size() < task.lines) {
                    m_snapshot.m_lignes.reserve(task.lines);  // exactly: no doubling
                    m_snapshot.m_lignes.resize(task.lines);
                } else if (task.kind == Task::Release) {
                    m_snapshot = CRegistre();
                }
                std::lock_guard free(m_mutex);
                --m_snapshotTasks;
                break;
            }
        }
        lock.lock();
        if (task.kind == Task::Write)
            m_lastStatus = status;
        m_working = false;
        if (m_tasks.empty())
            m_idle.notify_all();
    }
}

}  // namespace belvane
