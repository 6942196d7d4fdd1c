// The main of the GUI test programs: the offscreen platform unless the caller chose another
// (the program also runs at build time to list its tests, where there is no display), the device
// pixel ratio kept at 1, and the font substitutions installed before any font is made.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/ui/graphics/font.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_FONT_DPI");
    qunsetenv("QT_SCALE_FACTOR");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ui::InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
