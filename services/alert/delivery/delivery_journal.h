// What one method has still to deliver and what it has delivered, kept under the Alert home so
// that a restart resumes the one and never repeats the other.
#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "pending_delivery.h"

// <folder>\<id>.DLV holds each alert still to deliver, rewritten atomically after every
// recipient; <folder>\DELIVERED.JNL lists the ids of the last kRemembered alerts the method has
// finished, one a line, also replaced atomically. An alert is written to the list before its
// entry is removed, so a crash between the two leaves an entry that the next start drops.
class DeliveryJournal {
public:
    static constexpr std::size_t kRemembered = 256;

    // An empty folder keeps nothing: deliveries then live only as long as the service runs.
    explicit DeliveryJournal(std::string folder);

    // The entries left by an earlier run, oldest first, without those already delivered;
    // damaged entries are removed.
    std::vector<PendingDelivery> Resume();
    bool Save(const PendingDelivery& entry);
    // Remembers the alert as delivered, then removes its entry.
    void Finish(const std::string& id);
    bool WasDelivered(const std::string& id);

    // The characters an id may have, so that it can name a file and nothing else.
    static bool ValidId(const std::string& id);

private:
    std::string EntryPath(const std::string& id) const;
    std::string ListPath() const { return m_folder + "\\DELIVERED.JNL"; }
    void LoadList();

    std::string m_folder;
    std::mutex m_lock;
    std::deque<std::string> m_delivered;
    bool m_loaded = false;
};
