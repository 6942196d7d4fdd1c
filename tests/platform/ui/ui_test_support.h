#pragma once
// Helpers of the component library's tests: forms freed at the end of a test, pictures of
// windows, waiting for the event loop without timing anything.
#include <chrono>
#include <functional>
#include <memory>

#include "platform/ui/forms/application.h"
#include "platform/ui/forms/screen.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/window/snapshot.h"

namespace ui::test {

struct TFreeObject {
    void operator()(TObject* object) const { Free(object); }
};
template <class T> using TOwned = std::unique_ptr<T, TFreeObject>;

template <class T> TOwned<T> NewForm() {
    return TOwned<T>(CreateNewForm<T>(nullptr));
}

// Runs the event loop until the condition holds or a generous limit passes (a hang guard only;
// the tests assert the condition, never the time it took).
inline bool RunUntil(const std::function<bool()>& condition) {
    auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limit)
            return false;
        Application()->ProcessMessages();
    }
    return true;
}

inline TBitmap Picture(TWinControl& control) {
    Application()->ProcessMessages();
    TBitmap picture;
    SnapshotWindow(control.Handle(), picture);
    return picture;
}

// A screen of a given size for one test.
class TScreenSize {
public:
    TScreenSize(int width, int height) { Screen()->SetSize(width, height); }
    ~TScreenSize() { Screen()->ResetSize(); }
};

} // namespace ui::test
