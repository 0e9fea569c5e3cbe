#ifndef FLATMATES_CORE_KEPTTOEXIT_H
#define FLATMATES_CORE_KEPTTOEXIT_H

// A value built with its owner and never destroyed. The game ends through
// exit with its static singletons still holding the flat: the objects, the
// pictures, the players, the captions. Nothing is deleted then, and their
// lists must not be destroyed either: what they point to would show as lost
// to the leak checkers while it is still owned. The destructor run at exit
// leaves a value kept here alone.
template <class T> class KeptToExit
{
public:
    KeptToExit() : m_Value() {}
    ~KeptToExit() {}
    KeptToExit(const KeptToExit&) = delete;
    KeptToExit& operator=(const KeptToExit&) = delete;

    T& operator*() { return m_Value; }
    const T& operator*() const { return m_Value; }
    T* operator->() { return &m_Value; }
    const T* operator->() const { return &m_Value; }

private:
    union
    {
        T m_Value;
    };
};

#endif
