#pragma once
// The busy pointer as the cores see it: shown for the length of a Scope and
// restored on every way out. Windows give the hourglass; tests count.

class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual void Show() = 0;
    virtual void Restore() = 0;

    class Scope {
    public:
        explicit Scope(BusyPointer& pointer) : pointer_(pointer) { pointer_.Show(); }
        ~Scope() { pointer_.Restore(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        BusyPointer& pointer_;
    };
};

