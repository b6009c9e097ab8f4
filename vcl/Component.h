#pragma once
// The roots of the class layer: everything that can send an event is a
// TObject, everything that has an owner a TComponent.
#include <functional>

class TObject {
public:
    virtual ~TObject() = default;
};

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* Owner) : owner_(Owner) {}
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }

private:
    TComponent* owner_;
};

// Event handlers: an object and one of its methods, bound together.
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
