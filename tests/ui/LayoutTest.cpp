#include "ui/Layout.h"

#include "base/Exception.h"
#include "base/Stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quellar {
namespace {

std::vector<std::string> gEvents;

// A component that records how it is loaded.
class TRecorder : public TComponent {
    QUELLAR_COMPONENT_CLASS(TRecorder, TComponent)
public:
    using TComponent::TComponent;
    void SetValue(int v) {
        gEvents.push_back(Name() + ".Value=" + std::to_string(v) + (Loading() ? " loading" : " live"));
        value = v;
    }
    void Loaded() override {
        TComponent::Loaded();
        gEvents.push_back(Name() + " loaded");
    }
    std::vector<TBinaryProperty> DefineBinaryProperties() override {
        return {TBinaryProperty{"Blob",
                                [this](TStream& s) {
                                    std::uint8_t b = 0;
                                    while (s.Read(&b, 1) == 1) {
                                        blob.push_back(b);
                                    }
                                },
                                nullptr}};
    }
    int value = 0;
    TComponent* buddy = nullptr;
    TLayoutMethod onFire;
    std::vector<std::uint8_t> blob;
};

TClassRegistry Registry() {
    TClassRegistry r;
    r.AddClass("TRecorder", "TComponent", [](TComponent* owner) { return new TRecorder(owner); });
    r.AddClass("TRoot", "TRecorder", nullptr);
    r.AddProperty("TRecorder", "Value", [](TComponent& c, const TPropValue& v, const TLayoutContext&) {
        dynamic_cast<TRecorder&>(c).SetValue(static_cast<int>(v.i));
    });
    r.AddProperty("TRecorder", "Buddy", [](TComponent& c, const TPropValue& v, const TLayoutContext& ctx) {
        dynamic_cast<TRecorder&>(c).buddy = &ctx.Find(v.s);
    });
    r.AddProperty("TRecorder", "OnFire", [](TComponent& c, const TPropValue& v, const TLayoutContext& ctx) {
        dynamic_cast<TRecorder&>(c).onFire = ctx.Method(v.s);
    });
    return r;
}

TMethodLookup Methods(int* fired) {
    return [fired](const std::string& name) -> TLayoutMethod {
        if (name == "Fire") {
            return [fired](TComponent*) { ++*fired; };
        }
        return {};
    };
}

TEST(Layout, CreatesInOrderAppliesSettersWhileLoadingThenLoadedForEachRootLast) {
    gEvents.clear();
    TRecorder root(nullptr);
    int fired = 0;
    const std::vector<TLayoutObject> layout = {
        {"TRoot", "Root", "", {{"Value", TPropValue::Int(1)}}, {}},
        {"TRecorder", "A", "", {{"Value", TPropValue::Int(2)}}, {}},
        {"TRecorder", "B", "", {{"Value", TPropValue::Int(3)}}, {}},
    };
    auto created = LoadLayout(root, layout, Registry(), Methods(&fired));
    ASSERT_EQ(created.size(), 2u);
    EXPECT_EQ(created[0]->Name(), "A");
    EXPECT_EQ(created[0]->Owner(), &root);
    EXPECT_EQ(gEvents,
              (std::vector<std::string>{"Root.Value=1 loading", "A.Value=2 loading", "B.Value=3 loading",
                                        "A loaded", "B loaded", "Root loaded"}));
    EXPECT_FALSE(created[1]->Loading());
    EXPECT_FALSE(root.Loading());
}

TEST(Layout, ReferencesResolveAfterEveryComponentExistsAndEventsBindToTheRootsMethods) {
    TRecorder root(nullptr);
    int fired = 0;
    const std::vector<TLayoutObject> layout = {
        {"TRoot", "Root", "", {}, {}},
        {"TRecorder", "A", "", {{"Buddy", TPropValue::Ref("B")}, {"OnFire", TPropValue::Event("Fire")}}, {}},
        {"TRecorder", "B", "", {}, {}},
    };
    auto created = LoadLayout(root, layout, Registry(), Methods(&fired));
    auto* a = dynamic_cast<TRecorder*>(created[0]);
    EXPECT_EQ(a->buddy, created[1]); // B is declared after A
    ASSERT_TRUE(a->onFire);
    a->onFire(a);
    EXPECT_EQ(fired, 1);
}

TEST(Layout, BinaryPropertyIsTypeByteLengthAndBytesAndTheReaderSeesOnlyTheBytes) {
    const std::vector<std::uint8_t> stored = StoredBinary({1, 2, 3});
    EXPECT_EQ(stored, (std::vector<std::uint8_t>{0x0A, 3, 0, 0, 0, 1, 2, 3}));
    TRecorder root(nullptr);
    int fired = 0;
    const std::vector<TLayoutObject> layout = {{"TRoot", "Root", "", {}, {}},
                                               {"TRecorder", "A", "", {}, {TLayoutBinary{"Blob", stored}}}};
    auto created = LoadLayout(root, layout, Registry(), Methods(&fired));
    EXPECT_EQ(dynamic_cast<TRecorder*>(created[0])->blob, (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(Layout, DamagedOrUnknownEntriesRaiseReadErrors) {
    int fired = 0;
    auto load = [&](std::vector<TLayoutObject> layout) {
        TRecorder root(nullptr);
        layout.insert(layout.begin(), TLayoutObject{"TRoot", "Root", "", {}, {}});
        LoadLayout(root, layout, Registry(), Methods(&fired));
    };
    // A length that promises more bytes than are stored, a wrong type byte, a truncated header.
    EXPECT_THROW(load({{"TRecorder", "A", "", {}, {TLayoutBinary{"Blob", {0x0A, 9, 0, 0, 0, 1}}}}}),
                 EReadError);
    EXPECT_THROW(load({{"TRecorder", "A", "", {}, {TLayoutBinary{"Blob", {0x06, 1, 0, 0, 0, 1}}}}}),
                 EReadError);
    EXPECT_THROW(load({{"TRecorder", "A", "", {}, {TLayoutBinary{"Blob", {0x0A, 1}}}}}), EReadError);
    EXPECT_THROW(load({{"TRecorder", "A", "", {}, {TLayoutBinary{"Missing", StoredBinary({})}}}}),
                 EReadError);
    EXPECT_THROW(load({{"TNoSuchClass", "A", "", {}, {}}}), EReadError);
    EXPECT_THROW(load({{"TRecorder", "A", "", {{"NoSuchProperty", TPropValue::Int(1)}}, {}}}), EReadError);
    EXPECT_THROW(load({{"TRecorder", "A", "", {{"Buddy", TPropValue::Ref("Nobody")}}, {}}}), EReadError);
    EXPECT_THROW(load({{"TRecorder", "A", "", {{"OnFire", TPropValue::Event("NoMethod")}}, {}}}), EReadError);
    EXPECT_THROW(load({{"TRecorder", "A", "", {}, {}}, {"TRecorder", "A", "", {}, {}}}), EReadError);
    // A parent that does not exist, and one the registry's rules cannot place the child in.
    EXPECT_THROW(load({{"TRecorder", "A", "Nowhere", {}, {}}}), EReadError);
    EXPECT_THROW(load({{"TRecorder", "A", "", {}, {}}, {"TRecorder", "B", "A", {}, {}}}), EReadError);
}

TEST(Layout, ChildrenGoIntoTheirParentsThroughTheRegistrysRules) {
    TClassRegistry registry = Registry();
    std::vector<std::pair<std::string, std::string>> placed;
    registry.AddParentingRule([&](TComponent& child, TComponent& parent) {
        placed.emplace_back(child.Name(), parent.Name());
        return true;
    });
    TRecorder root(nullptr);
    int fired = 0;
    LoadLayout(
        root,
        {{"TRoot", "Root", "", {}, {}}, {"TRecorder", "A", "", {}, {}}, {"TRecorder", "B", "A", {}, {}}},
        registry, Methods(&fired));
    EXPECT_EQ(placed, (std::vector<std::pair<std::string, std::string>>{{"A", "Root"}, {"B", "A"}}));
    EXPECT_TRUE(registry.Knows("TRecorder"));
    EXPECT_NE(registry.FindSetter("TRoot", "Value"), nullptr); // inherited from TRecorder
    EXPECT_EQ(registry.FindSetter("TRoot", "Nothing"), nullptr);
}

} // namespace
} // namespace quellar
