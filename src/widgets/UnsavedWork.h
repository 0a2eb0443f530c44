#pragma once

// A window that can hold work not stored yet (a cart with lines, a purchase being entered). The
// main window asks before the program ends while one of its windows does.
class UnsavedWork {
public:
    virtual ~UnsavedWork() = default;
    virtual bool holdsUnsavedWork() const = 0;
};
