// A printer of the test prefix on a port that pipes each document into a folder of its own, as
// tools/vxmnet-setup makes the site's print queues; its location names the queue it stands for.
#pragma once

#include <windows.h>

#include <string>

class SpoolPrinter {
public:
    // Replaces any printer of the same name; Error() is empty when the printer is there.
    SpoolPrinter(const std::string& name, const std::string& port, const std::string& location,
        const std::string& spoolFolder);
    ~SpoolPrinter();
    SpoolPrinter(const SpoolPrinter&) = delete;
    SpoolPrinter& operator=(const SpoolPrinter&) = delete;

    const std::string& Error() const { return m_error; }
    // The PostScript of the first whole job in the folder (which is then removed); empty when
    // none arrived within the wait.
    std::string TakeJob(DWORD timeoutMs = 5000) const;

private:
    void Remove() const;

    std::string m_name;
    std::string m_port;
    std::string m_spool;
    std::string m_error;
};
