#pragma once
// Helpers for the icon's Win32 tests: solid-colour icons that tell pictures apart, an image list
// and a popup menu behind the icon's ports, top-level windows standing in for the application
// and the main window, and a message pump with a deadline.
#include "tests/support/WindowTestSupport.h"
#include "tray/CoolTrayIcon.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace quellar::test {

// A 16 x 16 icon filled with one colour, and the colour of an icon's top-left pixel.
HICON MakeSolidIcon(COLORREF colour);
COLORREF IconColour(HICON icon);
// The colour of picture i of a TTestIconList.
COLORREF PictureColour(int index);

// An image list of `count` distinct solid pictures, watched through its own component.
class TTestIconList : public ITrayIconList {
public:
    explicit TTestIconList(int count);
    ~TTestIconList() override;
    int Count() const override { return static_cast<int>(icons_.size()); }
    HICON GetIcon(int index) const override { return icons_.at(static_cast<std::size_t>(index)); }
    TComponent* ListComponent() const override { return component_; }
    // Frees the component, as destroying the form's image list would.
    void DestroyComponent();

private:
    std::vector<HICON> icons_;
    TComponent* component_;
};

// A popup menu that logs what the icon asks of it; Popup runs `onPopup` (the test answers or
// cancels a real menu there).
class TTestPopupMenu : public ITrayPopupMenu {
public:
    explicit TTestPopupMenu(std::vector<std::string>* log);
    ~TTestPopupMenu() override;
    bool AutoPopup() const override { return autoPopup; }
    HWND OwnerWindow() const override { return ownerWindow; }
    void SetPopupComponent(TComponent* component) override { popupComponent = component; }
    void Popup(int x, int y) override;
    int ItemCount() const override { return static_cast<int>(defaults.size()); }
    bool ItemIsDefault(int index) const override { return defaults.at(static_cast<std::size_t>(index)); }
    void ClickItem(int index) override;
    TComponent* MenuComponent() const override { return component_; }
    void DestroyComponent();

    bool autoPopup = true;
    HWND ownerWindow = nullptr;
    std::vector<bool> defaults; // one entry per item: marked default or not
    TComponent* popupComponent = nullptr;
    std::function<void(int x, int y)> onPopup;

private:
    std::vector<std::string>* log_;
    TComponent* component_;
};

// A top-level window of the given class (registered on first use) with DefWindowProcA.
HWND MakeWindow(const char* className, DWORD style, HWND owner, int width, int height);

// The application object's hidden window and a main window owned by it, shown, destroyed with
// the object.
struct TTestWindows {
    TTestWindows();
    ~TTestWindows();
    HWND app = nullptr;
    HWND main = nullptr;
};

// Dispatches messages until `done` is true or `milliseconds` have passed; returns done().
bool PumpUntil(const std::function<bool()>& done, unsigned milliseconds);

} // namespace quellar::test
