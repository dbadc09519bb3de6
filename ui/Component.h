#pragma once
// TComponent: the base of every object stored with a window's layout. It has no platform calls,
// so the tone generator and the skin model build and test natively on top of it.
//
// - Ownership: an owner frees the components it owns when it is destroyed, newest first.
// - References: a component that refers to another asks to be told when that one goes
//   (FreeNotification) and clears its reference in Notification.
// - Loading: while a layout's stored properties are applied the component is in its loading
//   state; Loaded() ends it once all of them are in.
// - Design mode: set only where a visual designer hosts the component; never in the program.
#include "base/Stream.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quellar {

// Declares a class's name and its place in the inheritance chain for ClassName/InheritsFrom.
#define QUELLAR_COMPONENT_CLASS(Name, Base)                                                                  \
public:                                                                                                      \
    static constexpr std::string_view StaticClassName = #Name;                                               \
    std::string_view ClassName() const override {                                                            \
        return #Name;                                                                                        \
    }                                                                                                        \
    bool InheritsFrom(std::string_view className) const override {                                           \
        return className == #Name || Base::InheritsFrom(className);                                          \
    }

// A property stored with the layout as raw bytes (a type byte for binary data, a 32-bit length,
// then the bytes), with the reader and writer the component gives for it.
struct TBinaryProperty {
    std::string name;
    std::function<void(TStream&)> read;
    std::function<void(TStream&)> write;
};

class TComponent {
public:
    enum class TOperation { opInsert, opRemove };

    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    virtual std::string_view ClassName() const { return "TComponent"; }
    // True when this object's class is className or derives from it.
    virtual bool InheritsFrom(std::string_view className) const { return className == "TComponent"; }

    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* FindComponent(std::string_view name) const;

    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name) { name_ = name; }
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }

    bool Loading() const { return loading_; }
    void BeginLoading() { loading_ = true; }
    // Called once after every stored property of the layout has been applied.
    virtual void Loaded() { loading_ = false; }

    bool DesignMode() const { return designing_; }
    void SetDesignMode(bool designing) { designing_ = designing; }
    bool Destroying() const { return destroying_; }

    // The binary properties the component stores after its published ones, in order.
    virtual std::vector<TBinaryProperty> DefineBinaryProperties() { return {}; }

    // Ask to be told (through Notification with opRemove) when `other` is destroyed.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

protected:
    // Told when a component this one owns or watches is inserted or removed. The default hands
    // the news on to every owned component, so a form's controls hear of each other.
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void NotifyRemoval();

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::string name_;
    std::intptr_t tag_ = 0;
    bool loading_ = false;
    bool designing_ = false;
    bool destroying_ = false;
};

} // namespace quellar
