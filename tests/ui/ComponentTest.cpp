#include "ui/Component.h"

#include <gtest/gtest.h>

#include <utility>

#include <string>
#include <vector>

namespace quellar {
namespace {

std::vector<std::string> gLog;

class TProbe : public TComponent {
    QUELLAR_COMPONENT_CLASS(TProbe, TComponent)
public:
    explicit TProbe(TComponent* owner, std::string label) : TComponent(owner), label_(std::move(label)) {}
    ~TProbe() override { gLog.push_back("free " + label_); }
    TComponent* watched = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == watched) {
            gLog.push_back(label_ + " lost its reference");
            watched = nullptr;
        }
    }

private:
    std::string label_;
};

class TSpecialProbe : public TProbe {
    QUELLAR_COMPONENT_CLASS(TSpecialProbe, TProbe)
public:
    using TProbe::TProbe;
};

TEST(Component, OwnerFreesOwnedNewestFirst) {
    gLog.clear();
    auto* owner = new TProbe(nullptr, "owner");
    new TProbe(owner, "a");
    new TProbe(owner, "b");
    EXPECT_EQ(owner->ComponentCount(), 2);
    delete owner;
    // The owner's own destructor body runs first, then its components go, newest first.
    EXPECT_EQ(gLog, (std::vector<std::string>{"free owner", "free b", "free a"}));
}

TEST(Component, FreeingAnOwnedComponentRemovesItFromItsOwner) {
    gLog.clear();
    TProbe owner(nullptr, "owner");
    auto* child = new TProbe(&owner, "child");
    child->SetName("Timer1");
    EXPECT_EQ(owner.FindComponent("timer1"), child);
    delete child;
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(owner.FindComponent("Timer1"), nullptr);
}

TEST(Component, SiblingsAndFreeNotifyWatchersClearTheirReference) {
    gLog.clear();
    TProbe owner(nullptr, "owner");
    auto* list = new TProbe(&owner, "list");
    auto* user = new TProbe(&owner, "user");
    user->watched = list;
    delete list; // a sibling hears of it through the owner
    EXPECT_EQ(user->watched, nullptr);

    TProbe outsider(nullptr, "outsider");
    auto* menu = new TProbe(nullptr, "menu");
    outsider.watched = menu;
    outsider.FreeNotification(menu);
    delete menu;
    EXPECT_EQ(outsider.watched, nullptr);
}

TEST(Component, ClassQueriesFollowTheInheritanceChain) {
    TSpecialProbe p(nullptr, "p");
    EXPECT_EQ(p.ClassName(), "TSpecialProbe");
    EXPECT_TRUE(p.InheritsFrom("TProbe"));
    EXPECT_TRUE(p.InheritsFrom("TComponent"));
    EXPECT_FALSE(p.InheritsFrom("TToneGen"));
}

TEST(Component, LoadingStateEndsWithLoaded) {
    TProbe p(nullptr, "p");
    EXPECT_FALSE(p.Loading());
    p.BeginLoading();
    EXPECT_TRUE(p.Loading());
    p.Loaded();
    EXPECT_FALSE(p.Loading());
    EXPECT_FALSE(p.DesignMode());
}

} // namespace
} // namespace quellar
