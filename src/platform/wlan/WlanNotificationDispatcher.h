#pragma once

// The notification thread of the simulated service: a timed queue of notifications (or of work that
// produces them when it is due) and the clients' registrations. Callbacks run on this one thread,
// in queue order, and never under a lock, so a callback may call back into the service.

#include "platform/wlan/WlanClient.h"

#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace wlan {

class WlanNotificationDispatcher
{
public:
    // Runs on the notification thread when due, outside every lock of the dispatcher.
    using Action = std::function<std::vector<Notification>()>;

    WlanNotificationDispatcher();
    ~WlanNotificationDispatcher();

    // Stops the thread; queued notifications are dropped, a running callback is waited for
    // (unless called from that callback).
    void stop();

    void post(std::vector<Notification> notifications, int delayMs = 0);
    // Returns a ticket with which the action can be withdrawn while it has not started.
    uint64_t postAction(Action action, int delayMs);
    void cancel(uint64_t ticket);
    // While held, nothing is delivered (a service that is slow to report); the queue keeps its
    // order and is delivered once released. Waiting for delivery while held never returns.
    void setHeld(bool held);
    // Runs action every intervalMs; 0 (or an empty action) stops the previous schedule.
    void setPeriodic(Action action, int intervalMs);

    // A mask of 0 or a null callback removes the handle's registration. Once this returns, the
    // previous callback of the handle is no longer running (unless called from a callback).
    void setRegistration(Handle handle, uint32_t sourceMask, NotificationCallback callback, void *context);
    // Removes the registration for good: later registrations of the handle are ignored.
    void closeHandle(Handle handle);

    // Blocks until everything posted so far (also what is still waiting for its delay) has been
    // delivered, and a periodic run in progress has ended; later periodic runs are not waited for.
    // Returns at once when called on the notification thread.
    void waitUntilDelivered();
    bool isDispatchThread() const;

private:
    struct State;
    static void run(const std::shared_ptr<State> &state);

    std::shared_ptr<State> s;
    std::thread thread;
};

} // namespace wlan
