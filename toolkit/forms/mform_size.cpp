// Size persistence in the program's INI file, centring on the screen and filling the work area
// while maximized.
#include <algorithm>

#include "platform/sys/files.h"
#include "platform/sys/ini.h"
#include "platform/ui/forms/application.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/window/window_system.h"
#include "toolkit/forms/mform.h"

namespace tk {

namespace {

std::string SizeFileName() {
    return sys::ExeFolder() + "TALVEN.Ini";
}

struct TStoredSize {
    int Width = 0;
    int Height = 0;
    int Depth = 0;
    bool Maximized = false;
    int Top = 0;
    int Left = 0;
};

} // namespace

void TMForm::WriteFormSize() {
    if (fSaveName.empty())
        return;
    try {
        sys::TIniFile ini(SizeFileName());
        std::string section = fSaveName + std::to_string(Tag());
        auto write = [&](const char* key, int value) {
            ini.WriteString(section, key, std::to_string(value));
        };
        if (WindowState() == ui::wsNormal) {
            write("WIDTH", Width());
            write("HEIGHT", Height());
        }
        write("DEPTH", DPIScale);
        write("STATE", WindowState() == ui::wsMaximized ? 1 : 0);
        write("TOP", Top());
        write("LEFT", Left());
    } catch (...) {
    }
}

void TMForm::ReadFormSize() {
    if (fSaveName.empty())
        return;
    TStoredSize stored;
    try {
        sys::TIniFile ini(SizeFileName());
        std::string section = fSaveName + std::to_string(Tag());
        stored.Width = ini.ReadInteger(section, "WIDTH", 0);
        stored.Height = ini.ReadInteger(section, "HEIGHT", 0);
        stored.Depth = ini.ReadInteger(section, "DEPTH", 0);
        stored.Maximized = ini.ReadInteger(section, "STATE", 0) != 0;
        stored.Top = ini.ReadInteger(section, "TOP", 0);
        stored.Left = ini.ReadInteger(section, "LEFT", 0);
    } catch (...) {
        // What was read before the error still applies.
    }
    try {
        SetZoomLevel(stored.Depth);
        ui::TScreen* screen = ui::Screen();
        if (stored.Width > 0)
            SetWidth(std::max(Constraints().MinWidth(),
                              std::min(stored.Width, screen->Width() - std::max(Left(), 0))));
        if (stored.Height > 0)
            SetHeight(std::max(Constraints().MinHeight(),
                               std::min(stored.Height, screen->Height() - std::max(Top(), 0))));
        if (stored.Top > 0)
            SetTop(stored.Top);
        if (stored.Left > 0)
            SetLeft(stored.Left);
        if (stored.Maximized)
            SetWindowState(ui::wsMaximized);
    } catch (...) {
    }
}

void TMForm::ScreenCenter() {
    try {
        SetLeft((ui::Screen()->Width() - Width()) / 2);
        SetTop((ui::Screen()->Height() - Height()) / 2);
    } catch (...) {
    }
}

void TMForm::FitToWorkArea() {
    if (InFixing || !(FormState() & ui::fsModal))
        return;
    ui::TRect area = ui::Screen()->WorkAreaRect();
    int horizontal = (ui::GetSystemMetrics(ui::SM_CXBORDER) + BorderWidth()) * 2;
    int vertical = (ui::GetSystemMetrics(ui::SM_CYBORDER) + BorderWidth()) * 2;
    int extra = BorderStyle() != ui::bsNone ? BorderWidth() : 0;
    bool mainForm = ui::Application()->MainForm() == this;
    int leftOffset = mainForm ? ui::GetSystemMetrics(ui::SM_CXFRAME) : 0;
    int topOffset = mainForm ? ui::GetSystemMetrics(ui::SM_CYFRAME) : 0;
    InFixing = true;
    try {
        SetLeft(area.Left - leftOffset);
        SetTop(area.Top - topOffset);
        SetClientHeight(area.Height() - vertical - extra);
        SetClientWidth(area.Width() - horizontal - extra);
    } catch (...) {
        InFixing = false;
        throw;
    }
    InFixing = false;
}

} // namespace tk
