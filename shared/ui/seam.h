#pragma once

#include <QDebug>
#include <QList>
#include <QQueue>
#include <functional>
#include <type_traits>
#include <utility>

// A replaceable function object: calls go to the real implementation unless a
// test has installed a replacement. Every dialog, sound, document and mail
// hand-off of the desk goes through one of these, so tests never show a
// window or start a program.
template <class Signature> class Seam;

template <class R, class... Args> class Seam<R(Args...)>
{
public:
    using Function = std::function<R(Args...)>;

    explicit Seam(Function real) : m_real(std::move(real)) {}
    Seam(const Seam&) = delete;
    Seam& operator=(const Seam&) = delete;

    R operator()(Args... args) const { return (m_replacement ? m_replacement : m_real)(args...); }

    // Installs a replacement (an empty one restores the real implementation)
    // and returns the one it displaces.
    Function replace(Function replacement) { return std::exchange(m_replacement, std::move(replacement)); }

private:
    Function m_real;
    Function m_replacement;
};

// Installs a replacement for its lifetime and puts back the previous one.
template <class Signature> class SeamOverride
{
public:
    using SeamType = Seam<Signature>;

    SeamOverride(SeamType& seam, typename SeamType::Function replacement)
        : m_seam(seam), m_previous(seam.replace(std::move(replacement)))
    {
    }
    ~SeamOverride() { m_seam.replace(std::move(m_previous)); }
    SeamOverride(const SeamOverride&) = delete;
    SeamOverride& operator=(const SeamOverride&) = delete;

private:
    SeamType& m_seam;
    typename SeamType::Function m_previous;
};

// Whether a scripted seam answers this request from its queue. Requests whose
// answer is ignored (an error box) overload this to leave the queue alone.
template <class Request> bool WantsAnswer(const Request&)
{
    return true;
}

// For tests: replaces a seam that takes one request, records every request
// and answers from a queue; when the queue is empty it gives the default
// answer (R{} unless set) and warns, so an unexpected dialog is noticed.
template <class Request, class R> class ScriptedSeam
{
public:
    using SeamType = Seam<R(const Request&)>;

    explicit ScriptedSeam(SeamType& seam)
        : m_override(seam, [this](const Request& request) { return answer(request); })
    {
    }

    const QList<Request>& recorded() const { return m_recorded; }
    void clearRecorded() { m_recorded.clear(); }

    template <class T = R>
    requires(!std::is_void_v<T>) void pushAnswer(T answer) { m_answers.enqueue(std::move(answer)); }

    template <class T = R>
    requires(!std::is_void_v<T>) void setDefaultAnswer(T answer) { m_defaultAnswer = std::move(answer); }

private:
    using Stored = std::conditional_t<std::is_void_v<R>, bool, R>;

    R answer(const Request& request)
    {
        m_recorded.append(request);
        if constexpr (!std::is_void_v<R>) {
            if (!WantsAnswer(request))
                return m_defaultAnswer;
            if (!m_answers.isEmpty())
                return m_answers.dequeue();
            qWarning("scripted seam: no answer queued, giving the default");
            return m_defaultAnswer;
        }
    }

    QList<Request> m_recorded;
    QQueue<Stored> m_answers;
    Stored m_defaultAnswer{};
    SeamOverride<R(const Request&)> m_override;
};
