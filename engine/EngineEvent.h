// A synchronous event with any number of listeners. Arguments declared as
// references reach every listener as the same object, so what a listener
// leaves in them is what the raiser reads afterwards.
#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

template <typename... Args> class EngineEvent {
public:
    using Listener = std::function<void(Args...)>;

    // Returns a token for disconnect().
    std::size_t connect(Listener listener)
    {
        m_listeners.emplace_back(++m_lastToken, std::move(listener));
        return m_lastToken;
    }

    void disconnect(std::size_t token)
    {
        std::erase_if(m_listeners, [token](const auto &entry) { return entry.first == token; });
    }

    bool hasListeners() const { return !m_listeners.empty(); }

    void raise(Args... args) const
    {
        // A copy, so a listener may disconnect itself while being called.
        const auto listeners = m_listeners;
        for (const auto &entry : listeners)
            entry.second(args...);
    }

private:
    std::vector<std::pair<std::size_t, Listener>> m_listeners;
    std::size_t m_lastToken = 0;
};

// Disconnects a listener when it goes out of scope.
template <typename... Args> class ScopedListener {
public:
    ScopedListener(EngineEvent<Args...> &event, typename EngineEvent<Args...>::Listener listener)
        : m_event(event), m_token(event.connect(std::move(listener)))
    {}
    ~ScopedListener() { m_event.disconnect(m_token); }
    ScopedListener(const ScopedListener &) = delete;
    ScopedListener &operator=(const ScopedListener &) = delete;

private:
    EngineEvent<Args...> &m_event;
    std::size_t m_token;
};
