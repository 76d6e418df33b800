// MakeAlert1: the priority rule, the choice of pipe and the delivery.
#include <mutex>

#include "alert_composer.h"
#include "alert_home.h"
#include "alert_pipe_client.h"
#include "fenwix.h"

namespace {

std::mutex g_lock;
AlertComposer g_composer;

struct Target {
    std::string machine;  // "" for this computer
    std::string server;  // as the service should record it
};

// This computer and the servers of its site are served by this computer's service;
// any other name is a computer of its own.
Target TargetOf(LPCSTR server)
{
    std::string name = server ? server : "";
    while (!name.empty() && name.front() == '\\')
        name.erase(0, 1);
    DWORD error = 0;
    if (AlertHome::ForServer(name.c_str(), &error) || error != kServerUnreachable)
        return {"", name};
    return {name, ""};
}

int Deliver(LPCSTR server, int type, int count, LPCSTR product, LPCSTR text)
{
    if (!product || !*product || !text)
        return static_cast<int>(kAlertBadArguments);
    const Target target = TargetOf(server);
    if (target.machine.size() > 63)
        return static_cast<int>(kServerUnreachable);
    const AlertPipeClient client(AlertPipePath(target.machine));
    std::optional<AlertMessage> message;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        message = g_composer.Accept(target.server + "|" + target.machine, type, count, product, text);
    }
    if (!message) {
        // Staging only, but a caller must still learn at once that nobody will take the alert.
        const std::uint32_t reachable = client.Probe();
        if (reachable != kAlertDelivered) {
            std::lock_guard<std::mutex> hold(g_lock);
            g_composer.Drop(target.server + "|" + target.machine, product);
        }
        return static_cast<int>(reachable);
    }
    message->server = target.server;
    return static_cast<int>(client.Send(*message));
}

}  // namespace

extern "C" int WINAPI MakeAlert1(LPCSTR server, int type, int count, LPCSTR product, LPCSTR text, int)
{
    try {
        return Deliver(server, type, count, product, text);
    } catch (...) {
        return static_cast<int>(kAlertNotRecorded);
    }
}
