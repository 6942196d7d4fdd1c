// The main of the GUI test programs: the offscreen platform unless the caller chose another
// (the program also runs at build time to list its tests, where there is no display), the device
// pixel ratio kept at 1, and the font substitutions installed before any font is made. An error
// that leaves an event handler fails the running test instead of waiting in a message box; a
// test that checks the standard error report sets its own handler.
#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

#include "platform/ui/forms/application.h"
#include "platform/ui/testing/sample_form.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_FONT_DPI");
    qunsetenv("QT_SCALE_FACTOR");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    ::testing::InitGoogleTest(&argc, argv);
    ui::TApplication::Initialize(argc, argv);
    ui::Application()->OnException = [](ui::TObject*, const std::exception& e) {
        ADD_FAILURE() << "an error left an event handler: " << e.what();
    };
    ui::testing::RegisterSampleFormClasses();
    return RUN_ALL_TESTS();
}
