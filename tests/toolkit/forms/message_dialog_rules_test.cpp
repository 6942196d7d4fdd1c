// The rules of the message dialog that need no window: the buttons' order, kinds and names,
// which button answers Escape, the default captions, the heading and the text limit.
#include <gtest/gtest.h>

#include "toolkit/forms/message_dialog_buttons.h"
#include "toolkit/forms/message_dialog_text.h"

namespace tk {
namespace {

TEST(MessageDialogButtons, StandInTableOrderWhateverOrderTheyAreAskedIn) {
    EXPECT_EQ(ShownButtons(MsgButtons({mbClose, mbCancel, mbYes})),
              (std::vector<TMsgDlgBtn>{mbYes, mbCancel, mbClose}));
    EXPECT_TRUE(ShownButtons(0).empty());
    // Bits beyond the last button are not buttons.
    EXPECT_EQ(ShownButtons(MsgButtons({mbOK}) | 0x80000000u), (std::vector<TMsgDlgBtn>{mbOK}));
}

TEST(MessageDialogButtons, ToAllButtonsBorrowTheKindsOfNoAndAll) {
    const std::pair<TMsgDlgBtn, TMButtonKind> table[] = {
        {mbYes, mkYes},     {mbNo, mkNo},        {mbOK, mkOK},         {mbCancel, mkCancel},
        {mbAbort, mkAbort}, {mbRetry, mkRetry},  {mbIgnore, mkIgnore}, {mbAll, mkAll},
        {mbNoToAll, mkNo},  {mbYesToAll, mkAll}, {mbHelp, mkHelp},     {mbClose, mkClose}};
    for (auto [button, kind] : table)
        EXPECT_EQ(DialogButtonKind(button), kind) << button;
}

TEST(MessageDialogButtons, NamesDropAmpersandsAndSpaces) {
    EXPECT_EQ(DialogButtonName("&Renunt"), "BtnRenunt");
    EXPECT_EQ(DialogButtonName("O&K"), "BtnOK");
    EXPECT_EQ(DialogButtonName("Nu la & toate"), "BtnNulatoate");
    EXPECT_EQ(DialogButtonName(""), "Btn");
}

TEST(MessageDialogButtons, EscapeIsAnsweredOnlyByCancelBesideNoOrByOkWithoutCancel) {
    struct TCase {
        TMsgDlgButtons Buttons;
        std::optional<TMsgDlgBtn> Escape;
    };
    const TCase table[] = {
        {MsgButtons({mbYes, mbNo}), std::nullopt}, // the CLIENT question
        {MsgButtons({mbYes, mbNo, mbCancel}), mbCancel},
        {MsgButtons({mbNo, mbCancel}), mbCancel},
        {MsgButtons({mbOK}), mbOK},
        {MsgButtons({mbOK, mbCancel}), std::nullopt},
        {MsgButtons({mbCancel}), std::nullopt},
        {MsgButtons({mbOK, mbNo}), mbOK},
        {MsgButtons({mbClose}), std::nullopt},
        {0, std::nullopt},
    };
    for (const TCase& c : table)
        EXPECT_EQ(EscapeButton(c.Buttons), c.Escape) << std::hex << c.Buttons;
}

TEST(MessageDialogCaptions, EachKindHasItsDefault) {
    EXPECT_EQ(DefaultDialogCaption(mtWarning), "Atentie !");
    EXPECT_EQ(DefaultDialogCaption(mtError), "EROARE !");
    EXPECT_EQ(DefaultDialogCaption(mtInformation), "Informatie...");
    EXPECT_EQ(DefaultDialogCaption(mtConfirmation), "Confirmare...");
    EXPECT_EQ(DefaultDialogCaption(mtCustom), "");
    EXPECT_EQ(DefaultDialogCaption(TMsgDlgType(17)), "");
}

TEST(MessageDialogText, HeadingGoesInFrontInUpperCaseWithACommaAndTwoReturns) {
    EXPECT_EQ(ComposeMessageText("Pentru continuare", "Introduceti discul 2"),
              "PENTRU CONTINUARE,\r\rIntroduceti discul 2");
    EXPECT_EQ(ComposeMessageText("", "Text"), "Text");
    // Only the heading's first 255 characters count.
    std::string heading = std::string(255, 'a') + "bcd";
    EXPECT_EQ(ComposeMessageText(heading, "x"), std::string(255, 'A') + ",\r\rx");
}

TEST(MessageDialogText, TextIsCutAtTheMeasuringLimitHeadingIncluded) {
    const std::string full(kMessageTextLimit, 'x');
    EXPECT_EQ(ComposeMessageText("", full), full); // exactly at the limit: all of it
    EXPECT_EQ(ComposeMessageText("", full + "yz"), full);
    std::string withHeading = ComposeMessageText("Atentie", full);
    EXPECT_EQ(withHeading.size(), kMessageTextLimit);
    EXPECT_EQ(withHeading.substr(0, 10), "ATENTIE,\r\r");
    // A cut never splits a character of several bytes.
    std::string accented = std::string(kMessageTextLimit - 1, 'x') + "\xC3\xA2" + "z";
    EXPECT_EQ(LimitMessageText(accented), std::string(kMessageTextLimit - 1, 'x'));
}

} // namespace
} // namespace tk
