#include "ui/Layout.h"

#include "base/Exception.h"
#include "base/Stream.h"

#include <cstring>

namespace quellar {

TPropValue TPropValue::Int(std::int64_t v) {
    TPropValue p;
    p.kind = Kind::Int;
    p.i = v;
    return p;
}
TPropValue TPropValue::Float(double v) {
    TPropValue p;
    p.kind = Kind::Float;
    p.f = v;
    return p;
}
TPropValue TPropValue::Bool(bool v) {
    TPropValue p;
    p.kind = Kind::Bool;
    p.b = v;
    return p;
}
TPropValue TPropValue::Str(std::string v) {
    TPropValue p;
    p.kind = Kind::String;
    p.s = std::move(v);
    return p;
}
TPropValue TPropValue::Strings(std::vector<std::string> v) {
    TPropValue p;
    p.kind = Kind::Strings;
    p.list = std::move(v);
    return p;
}
TPropValue TPropValue::Ident(std::string v) {
    TPropValue p;
    p.kind = Kind::Ident;
    p.s = std::move(v);
    return p;
}
TPropValue TPropValue::Ref(std::string componentName) {
    TPropValue p;
    p.kind = Kind::Ref;
    p.s = std::move(componentName);
    return p;
}
TPropValue TPropValue::Event(std::string methodName) {
    TPropValue p;
    p.kind = Kind::Event;
    p.s = std::move(methodName);
    return p;
}
TPropValue TPropValue::Ints(std::vector<std::int64_t> v) {
    TPropValue p;
    p.kind = Kind::Ints;
    p.ints = std::move(v);
    return p;
}

std::vector<std::uint8_t> StoredBinary(const std::vector<std::uint8_t>& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(&kBinaryValueType, 1);
    stream.WriteInt32(static_cast<std::int32_t>(bytes.size()));
    if (!bytes.empty()) {
        stream.WriteBuffer(bytes.data(), bytes.size());
    }
    return stream.Bytes();
}

TComponent& TLayoutContext::Find(const std::string& name) const {
    if (name.empty() || name == root_.Name()) {
        return root_;
    }
    TComponent* found = root_.FindComponent(name);
    if (found == nullptr) {
        throw EReadError("Invalid property value: no component named " + name);
    }
    return *found;
}

TLayoutMethod TLayoutContext::Method(const std::string& method) const {
    TLayoutMethod found = methods_ ? methods_(method) : TLayoutMethod();
    if (!found) {
        throw EReadError("Invalid property value: no method named " + method);
    }
    return found;
}

void TClassRegistry::AddClass(const std::string& name, const std::string& base, TComponentFactory create) {
    ClassInfo& info = classes_[name];
    info.base = base;
    info.create = std::move(create);
}

void TClassRegistry::AddProperty(const std::string& className, const std::string& property,
                                 TPropertySetter setter) {
    classes_[className].setters[property] = std::move(setter);
}

TComponent* TClassRegistry::Create(const std::string& className, TComponent* owner) const {
    auto it = classes_.find(className);
    if (it == classes_.end() || !it->second.create) {
        throw EReadError("Class " + className + " not found");
    }
    return it->second.create(owner);
}

const TPropertySetter* TClassRegistry::FindSetter(const std::string& className,
                                                  const std::string& property) const {
    std::string current = className;
    for (int depth = 0; depth < 64 && !current.empty(); ++depth) { // the depth guards a base cycle
        auto it = classes_.find(current);
        if (it == classes_.end()) {
            return nullptr;
        }
        auto setter = it->second.setters.find(property);
        if (setter != it->second.setters.end()) {
            return &setter->second;
        }
        current = it->second.base;
    }
    return nullptr;
}

bool TClassRegistry::SetParent(TComponent& child, TComponent& parent) const {
    for (const TParentingRule& rule : parenting_) {
        if (rule(child, parent)) {
            return true;
        }
    }
    return false;
}

namespace {
struct Fixup {
    TComponent* component;
    const TPropertySetter* setter;
    const TPropValue* value;
};

void ApplyProperties(TComponent& component, const TLayoutObject& object, const TClassRegistry& registry,
                     const TLayoutContext& context, std::vector<Fixup>& fixups) {
    for (const TLayoutProperty& property : object.properties) {
        const TPropertySetter* setter = registry.FindSetter(object.className, property.name);
        if (setter == nullptr) {
            throw EReadError("Error reading " + object.name + "." + property.name +
                             ": Property does not exist");
        }
        if (property.value.kind == TPropValue::Kind::Ref) {
            fixups.push_back(Fixup{&component, setter, &property.value});
        } else {
            (*setter)(component, property.value, context);
        }
    }
}

void ApplyBinaries(TComponent& component, const TLayoutObject& object) {
    if (object.binaries.empty()) {
        return;
    }
    std::vector<TBinaryProperty> defined = component.DefineBinaryProperties();
    for (const TLayoutBinary& binary : object.binaries) {
        const TBinaryProperty* target = nullptr;
        for (const TBinaryProperty& d : defined) {
            if (d.name == binary.name) {
                target = &d;
            }
        }
        if (target == nullptr || !target->read) {
            throw EReadError("Error reading " + object.name + "." + binary.name +
                             ": Property does not exist");
        }
        TMemoryStream stored(binary.stored);
        std::uint8_t type = 0;
        stored.ReadBuffer(&type, 1);
        const std::int32_t length = stored.ReadInt32();
        if (type != kBinaryValueType || length < 0 ||
            static_cast<std::size_t>(length) != stored.Size() - stored.Position()) {
            throw EReadError("Error reading " + object.name + "." + binary.name + ": Invalid binary value");
        }
        std::vector<std::uint8_t> payload(
            binary.stored.begin() + static_cast<std::ptrdiff_t>(stored.Position()), binary.stored.end());
        TMemoryStream value(std::move(payload));
        target->read(value);
    }
}
} // namespace

std::vector<TComponent*> LoadLayout(TComponent& root, const std::vector<TLayoutObject>& layout,
                                    const TClassRegistry& registry, TMethodLookup methods) {
    std::vector<TComponent*> created;
    if (layout.empty()) {
        return created;
    }
    TLayoutContext context(root, std::move(methods));
    std::vector<Fixup> fixups;
    root.BeginLoading();
    if (!layout.front().name.empty()) {
        root.SetName(layout.front().name);
    }
    ApplyProperties(root, layout.front(), registry, context, fixups);
    ApplyBinaries(root, layout.front());
    for (std::size_t i = 1; i < layout.size(); ++i) {
        const TLayoutObject& object = layout[i];
        if (context.Root().FindComponent(object.name) != nullptr) {
            throw EReadError("A component named " + object.name + " already exists");
        }
        TComponent* component = registry.Create(object.className, &root);
        component->SetName(object.name);
        component->BeginLoading();
        created.push_back(component);
        TComponent& parent = context.Find(object.parent);
        if (!object.parent.empty() && !registry.SetParent(*component, parent)) {
            throw EReadError(object.name + " cannot be placed in " + object.parent);
        }
        if (object.parent.empty()) {
            registry.SetParent(*component, root); // a control of the window itself
        }
        ApplyProperties(*component, object, registry, context, fixups);
        ApplyBinaries(*component, object);
    }
    for (const Fixup& fixup : fixups) {
        (*fixup.setter)(*fixup.component, *fixup.value, context);
    }
    for (TComponent* component : created) {
        component->Loaded();
    }
    root.Loaded();
    return created;
}

} // namespace quellar
