#include "platform/wlan/WlanNotificationDispatcher.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <utility>

namespace wlan {

using Clock = std::chrono::steady_clock;

struct WlanNotificationDispatcher::State {
    struct Item {
        std::vector<Notification> notifications;
        Action action;
        bool periodic = false;
        uint64_t periodicGeneration = 0;
    };
    struct Registration {
        uint32_t mask = 0;
        NotificationCallback callback = nullptr;
        void *context = nullptr;
    };

    std::mutex m;
    std::condition_variable wake;
    std::condition_variable idle;
    std::map<std::pair<Clock::time_point, uint64_t>, Item> queue;
    std::set<uint64_t> pending;             // sequence numbers still to be delivered (periodic ones excluded)
    uint64_t nextSeq = 1;
    std::map<Handle, Registration> registrations;
    std::set<Handle> closed;
    Handle inFlight = 0;
    int periodicInterval = 0;
    uint64_t periodicGeneration = 0;
    bool periodicRunning = false;
    bool held = false;
    bool stopping = false;
    std::thread::id threadId;

    uint64_t enqueue(Item item, Clock::time_point due)
    {
        const uint64_t seq = nextSeq++;
        if (!item.periodic)
            pending.insert(seq);
        queue.emplace(std::make_pair(due, seq), std::move(item));
        wake.notify_all();
        return seq;
    }

    void waitWhileCalling(std::unique_lock<std::mutex> &lock, Handle handle)
    {
        if (std::this_thread::get_id() == threadId)
            return;
        idle.wait(lock, [&] { return inFlight != handle || stopping; });
    }

    // Calls each registration whose mask covers the source, in handle order. The registration is
    // looked up afresh before each call, so one removed meanwhile is never called.
    void deliver(const Notification &n, std::unique_lock<std::mutex> &lock)
    {
        Handle last = 0;
        while (!stopping) {
            auto it = registrations.upper_bound(last);
            while (it != registrations.end() && !(it->second.mask & n.source))
                ++it;
            if (it == registrations.end())
                return;
            last = it->first;
            const Registration r = it->second;
            inFlight = last;
            lock.unlock();
            r.callback(&n, r.context);
            lock.lock();
            inFlight = 0;
            idle.notify_all();
        }
    }
};

WlanNotificationDispatcher::WlanNotificationDispatcher()
    : s(std::make_shared<State>())
{
    std::unique_lock<std::mutex> lock(s->m);
    thread = std::thread(&WlanNotificationDispatcher::run, s);
    s->threadId = thread.get_id();
}

WlanNotificationDispatcher::~WlanNotificationDispatcher()
{
    stop();
}

void WlanNotificationDispatcher::stop()
{
    {
        std::lock_guard<std::mutex> lock(s->m);
        s->stopping = true;
        s->queue.clear();
        s->pending.clear();
    }
    s->wake.notify_all();
    s->idle.notify_all();
    if (!thread.joinable())
        return;
    if (std::this_thread::get_id() == thread.get_id())
        thread.detach();    // the state is shared with the thread, which ends after this callback
    else
        thread.join();
}

void WlanNotificationDispatcher::run(const std::shared_ptr<State> &state)
{
    State &st = *state;
    std::unique_lock<std::mutex> lock(st.m);
    while (!st.stopping) {
        if (st.queue.empty() || st.held) {
            st.wake.wait(lock);
            continue;
        }
        auto it = st.queue.begin();
        const Clock::time_point due = it->first.first;   // a copy: the item may go while we wait
        if (due > Clock::now()) {
            st.wake.wait_until(lock, due);
            continue;
        }
        const uint64_t seq = it->first.second;
        State::Item item = std::move(it->second);
        st.queue.erase(it);

        if (item.periodic) {
            if (item.periodicGeneration != st.periodicGeneration || st.periodicInterval <= 0)
                continue;
            State::Item next;
            next.action = item.action;
            next.periodic = true;
            next.periodicGeneration = item.periodicGeneration;
            st.enqueue(std::move(next), Clock::now() + std::chrono::milliseconds(st.periodicInterval));
        }

        st.periodicRunning = item.periodic;
        std::vector<Notification> notifications = std::move(item.notifications);
        if (item.action) {
            lock.unlock();
            notifications = item.action();
            lock.lock();
        }
        for (const Notification &n : notifications)
            st.deliver(n, lock);
        st.pending.erase(seq);
        st.periodicRunning = false;
        st.idle.notify_all();
    }
    st.idle.notify_all();
}

void WlanNotificationDispatcher::post(std::vector<Notification> notifications, int delayMs)
{
    State::Item item;
    item.notifications = std::move(notifications);
    std::lock_guard<std::mutex> lock(s->m);
    if (s->stopping)
        return;
    s->enqueue(std::move(item), Clock::now() + std::chrono::milliseconds(delayMs < 0 ? 0 : delayMs));
}

uint64_t WlanNotificationDispatcher::postAction(Action action, int delayMs)
{
    State::Item item;
    item.action = std::move(action);
    std::lock_guard<std::mutex> lock(s->m);
    if (s->stopping)
        return 0;
    return s->enqueue(std::move(item), Clock::now() + std::chrono::milliseconds(delayMs < 0 ? 0 : delayMs));
}

void WlanNotificationDispatcher::setHeld(bool held)
{
    {
        std::lock_guard<std::mutex> lock(s->m);
        s->held = held;
    }
    s->wake.notify_all();
}

void WlanNotificationDispatcher::cancel(uint64_t ticket)
{
    std::lock_guard<std::mutex> lock(s->m);
    for (auto it = s->queue.begin(); it != s->queue.end(); ++it) {
        if (it->first.second == ticket) {
            s->queue.erase(it);
            s->pending.erase(ticket);
            s->idle.notify_all();
            return;
        }
    }
}

void WlanNotificationDispatcher::setPeriodic(Action action, int intervalMs)
{
    std::lock_guard<std::mutex> lock(s->m);
    ++s->periodicGeneration;
    s->periodicInterval = action ? intervalMs : 0;
    if (s->stopping || s->periodicInterval <= 0)
        return;
    State::Item item;
    item.action = std::move(action);
    item.periodic = true;
    item.periodicGeneration = s->periodicGeneration;
    s->enqueue(std::move(item), Clock::now() + std::chrono::milliseconds(intervalMs));
}

void WlanNotificationDispatcher::setRegistration(Handle handle, uint32_t sourceMask,
                                                 NotificationCallback callback, void *context)
{
    std::unique_lock<std::mutex> lock(s->m);
    if (s->closed.count(handle))
        return;
    if (sourceMask == 0 || !callback)
        s->registrations.erase(handle);
    else
        s->registrations[handle] = State::Registration{sourceMask, callback, context};
    s->waitWhileCalling(lock, handle);
}

void WlanNotificationDispatcher::closeHandle(Handle handle)
{
    std::unique_lock<std::mutex> lock(s->m);
    s->closed.insert(handle);
    s->registrations.erase(handle);
    s->waitWhileCalling(lock, handle);
}

void WlanNotificationDispatcher::waitUntilDelivered()
{
    if (isDispatchThread())
        return;
    std::unique_lock<std::mutex> lock(s->m);
    const uint64_t target = s->nextSeq - 1;
    s->idle.wait(lock, [&] {
        return s->stopping
            || (!s->periodicRunning && (s->pending.empty() || *s->pending.begin() > target));
    });
}

bool WlanNotificationDispatcher::isDispatchThread() const
{
    return std::this_thread::get_id() == s->threadId;
}

} // namespace wlan
