#pragma once
// A window's stored layout as data, and the loader that applies it the way stored layouts are
// read: each component is created in layout order (owned by the root), put in its parent, and
// given each stored property through its setter while it is in its loading state; binary
// properties are stored as a type byte (0x0A), a 32-bit little-endian length and the bytes, and
// handed to the component's reader as a stream over those bytes. References to other components
// are resolved once all exist; then every component's Loaded runs, in layout order, the root last.
//
// Portable: the classes and their setters come from a registry filled by the caller.
#include "ui/Component.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quellar {

struct TPropValue {
    enum class Kind { Int, Float, Bool, String, Strings, Ident, Ref, Event, Ints };
    Kind kind = Kind::Int;
    std::int64_t i = 0;
    double f = 0;
    bool b = false;
    std::string s;                  // String, Ident (an enumeration value), Ref, Event
    std::vector<std::string> list;  // Strings
    std::vector<std::int64_t> ints; // Ints

    static TPropValue Int(std::int64_t v);
    static TPropValue Float(double v);
    static TPropValue Bool(bool v);
    static TPropValue Str(std::string v);
    static TPropValue Strings(std::vector<std::string> v);
    static TPropValue Ident(std::string v);
    static TPropValue Ref(std::string componentName);
    static TPropValue Event(std::string methodName);
    static TPropValue Ints(std::vector<std::int64_t> v);
};

struct TLayoutProperty {
    std::string name;
    TPropValue value;
};

struct TLayoutBinary {
    std::string name;
    std::vector<std::uint8_t> stored; // type byte, 32-bit length, bytes
};

// One component of a layout. The first entry of a layout describes the root itself.
struct TLayoutObject {
    std::string className;
    std::string name;
    std::string parent; // the parent control or menu (empty: the root)
    std::vector<TLayoutProperty> properties;
    std::vector<TLayoutBinary> binaries;
};

// The binary value type byte of a stored layout.
inline constexpr std::uint8_t kBinaryValueType = 0x0A;
// Wraps bytes as a stored binary value: type byte, 32-bit length, bytes.
std::vector<std::uint8_t> StoredBinary(const std::vector<std::uint8_t>& bytes);

// A handler of the root: called with the component whose event fired.
using TLayoutMethod = std::function<void(TComponent* sender)>;
// The root's handler of that name, or an empty function when it has none.
using TMethodLookup = std::function<TLayoutMethod(const std::string& method)>;

class TLayoutContext {
public:
    TLayoutContext(TComponent& root, TMethodLookup methods) : root_(root), methods_(std::move(methods)) {}
    TComponent& Root() const { return root_; }
    // The component of that name (the root included); raises EReadError when there is none.
    TComponent& Find(const std::string& name) const;
    // The root's handler of that name; raises EReadError when there is none.
    TLayoutMethod Method(const std::string& method) const;

private:
    TComponent& root_;
    TMethodLookup methods_;
};

using TPropertySetter = std::function<void(TComponent&, const TPropValue&, const TLayoutContext&)>;
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
// Puts a child into its parent (a control into a window, an item into a menu); false when the
// pair does not fit.
using TParentingRule = std::function<bool(TComponent& child, TComponent& parent)>;

class TClassRegistry {
public:
    void AddClass(const std::string& name, const std::string& base, TComponentFactory create);
    void AddProperty(const std::string& className, const std::string& property, TPropertySetter setter);
    void AddParentingRule(TParentingRule rule) { parenting_.push_back(std::move(rule)); }

    TComponent* Create(const std::string& className, TComponent* owner) const;
    // The setter for a property of a class or of its registered bases, or nullptr.
    const TPropertySetter* FindSetter(const std::string& className, const std::string& property) const;
    bool SetParent(TComponent& child, TComponent& parent) const;
    bool Knows(const std::string& className) const { return classes_.count(className) != 0; }

private:
    struct ClassInfo {
        std::string base;
        TComponentFactory create;
        std::map<std::string, TPropertySetter> setters;
    };
    std::map<std::string, ClassInfo> classes_;
    std::vector<TParentingRule> parenting_;
};

// Applies `layout` to `root` and creates its components. Raises EReadError for an unknown
// class, property, parent, referenced component or method, or a malformed binary value.
// Returns the created components in layout order.
std::vector<TComponent*> LoadLayout(TComponent& root, const std::vector<TLayoutObject>& layout,
                                    const TClassRegistry& registry, TMethodLookup methods);

} // namespace quellar
