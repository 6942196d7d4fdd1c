// The title bar, move panel, transparent image and formatted label as stored forms write them.
// Stored defaults (what a form leaves out): TTitleBar Grayed False, IconStyle isNone,
// CaptionColor 0, StartColor clActiveCaption, EndColor clBtnFace, Vertical False (Caption and
// Font always written); TTransImage AutoSize, Visible and Transparent True, KindMic mkCustom,
// KindMare mtCustom, KindAlte glCustom, Center, Stretch and Proportional False; TFmtLabel
// Align alMNone, ShadowColor clBtnShadow.
#include "toolkit/forms/register_titles.h"

#include <cstdint>
#include <typeindex>

#include "platform/ui/stdctrls/label.h"
#include "platform/ui/stdctrls/panel.h"
#include "platform/ui/streaming/class_builder.h"
#include "toolkit/controls/fmt_label.h"
#include "toolkit/controls/trans_image.h"
#include "toolkit/forms/move_panel.h"
#include "toolkit/forms/title_bar.h"

namespace tk {

namespace {

const ui::TEnumNames& IconStyleNames() {
    static const ui::TEnumNames names = {
        {"isNone", isNone}, {"isSearch", isSearch}, {"isDetail", isDetail}};
    return names;
}

const ui::TEnumNames& MAlignNames() {
    static const ui::TEnumNames names = {{"alMNone", alMNone},     {"alMTop", alMTop},
                                         {"alMBottom", alMBottom}, {"alMLeft", alMLeft},
                                         {"alMRight", alMRight},   {"alMCenter", alMCenter}};
    return names;
}

const ui::TEnumNames& MsgDlgTypeNames() {
    static const ui::TEnumNames names = {{"mtWarning", mtWarning},
                                         {"mtError", mtError},
                                         {"mtInformation", mtInformation},
                                         {"mtConfirmation", mtConfirmation},
                                         {"mtCustom", mtCustom}};
    return names;
}

const ui::TEnumNames& AlteGlifeNames() {
    static const ui::TEnumNames names = {{"glCustom", glCustom},
                                         {"glPermis", glPermis},
                                         {"glInterzis", glInterzis},
                                         {"glSurub", glSurub},
                                         {"glLinii", glLinii},
                                         {"glCheck", glCheck},
                                         {"glRadio", glRadio},
                                         {"glAnulat", glAnulat},
                                         {"glGrupX", glGrupX},
                                         {"glGrup0", glGrup0},
                                         {"glCrescator", glCrescator},
                                         {"glDescrescator", glDescrescator},
                                         {"glToolVert", glToolVert},
                                         {"glToolOriz", glToolOriz},
                                         {"glImgEsc", glImgEsc},
                                         {"glSCLogo", glSCLogo},
                                         {"glPag", glPag},
                                         {"glTalven", glTalven},
                                         {"glBuget", glBuget},
                                         {"glNeoperat", glNeoperat}};
    return names;
}

const ui::TEnumNames& ButtonKindNames() {
    static const ui::TEnumNames names = {{"mkFirst", mkFirst},
                                         {"mkPrev", mkPrev},
                                         {"mkNext", mkNext},
                                         {"mkLast", mkLast},
                                         {"mkAdd", mkAdd},
                                         {"mkDelete", mkDelete},
                                         {"mkRecord", mkRecord},
                                         {"mkView", mkView},
                                         {"mkPrint", mkPrint},
                                         {"mkOK", mkOK},
                                         {"mkCancel", mkCancel},
                                         {"mkHelp", mkHelp},
                                         {"mkCustom", mkCustom},
                                         {"mkYes", mkYes},
                                         {"mkNo", mkNo},
                                         {"mkClose", mkClose},
                                         {"mkAbort", mkAbort},
                                         {"mkRetry", mkRetry},
                                         {"mkIgnore", mkIgnore},
                                         {"mkAll", mkAll},
                                         {"mkEdit", mkEdit},
                                         {"mkAnalitic", mkAnalitic},
                                         {"mkDetalii", mkDetalii},
                                         {"mkTalven", mkTalven},
                                         {"mkSave", mkSave},
                                         {"mkPlus", mkPlus},
                                         {"mkUnelte", mkUnelte},
                                         {"mkConfig", mkConfig},
                                         {"mkStoc", mkStoc},
                                         {"mkSold", mkSold},
                                         {"mkIntr", mkIntr},
                                         {"mkTransf", mkTransf},
                                         {"mkIes", mkIes},
                                         {"mkBani", mkBani},
                                         {"mkMail", mkMail},
                                         {"mkBigExit", mkBigExit},
                                         {"mkPlusAdd", mkPlusAdd},
                                         {"mkPlusBlue", mkPlusBlue},
                                         {"mkPlusPorto", mkPlusPorto},
                                         {"mkPlusPeach", mkPlusPeach},
                                         {"mkPlusSnorkel", mkPlusSnorkel},
                                         {"mkMinusDel", mkMinusDel},
                                         {"mkFirstPag", mkFirstPag},
                                         {"mkLastPag", mkLastPag},
                                         {"mkPrevPag", mkPrevPag},
                                         {"mkNextPag", mkNextPag},
                                         {"mknPrev", mknPrev},
                                         {"mknNext", mknNext},
                                         {"mkFind", mkFind},
                                         {"mkFindNext", mkFindNext},
                                         {"mkGrafic", mkGrafic},
                                         {"mkSaveAs", mkSaveAs},
                                         {"mknFirst", mknFirst},
                                         {"mknLast", mknLast},
                                         {"mkContr", mkContr},
                                         {"mkExpl", mkExpl},
                                         {"mkPermis", mkPermis},
                                         {"mkAction", mkAction},
                                         {"mkAdvanced", mkAdvanced}};
    return names;
}

// A stored bitmap's Data: the size of the bitmap file (4 bytes, low byte first) and the file;
// bare file bytes are read too.
void LoadStoredBitmapData(ui::TBitmap& bitmap, const std::vector<uint8_t>& data,
                          ui::TReadContext& context) {
    std::vector<uint8_t> file = data;
    if (data.size() >= 6 && data[4] == 'B' && data[5] == 'M') {
        uint32_t size = uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 |
                        uint32_t(data[3]) << 24;
        if (size <= data.size() - 4)
            file.assign(data.begin() + 4, data.begin() + 4 + size);
    }
    try {
        bitmap.LoadFromBytes(file, "Bitmap.Data");
    } catch (const ui::EInvalidGraphic& e) {
        context.Fail(e.what());
    }
}

void RegisterBitmapValueClass() {
    if (ui::ClassRegistry().Find(std::type_index(typeid(ui::TBitmap))))
        return;
    ui::RegisterValueClass<ui::TBitmap>("TBitmap").Binary("Data", LoadStoredBitmapData);
}

void RegisterTitleBar() {
    ui::RegisterComponentClass<TTitleBar, ui::TGraphicControl>("TTitleBar")
        .Bool("Grayed", [](TTitleBar& t, bool v) { t.SetGrayed(v); })
        .Enum("IconStyle", IconStyleNames(), "TIconStyle",
              [](TTitleBar& t, int v) { t.SetIconStyle(TIconStyle(v)); })
        .String("Caption", [](TTitleBar& t, const std::string& v) { t.SetCaption(v); })
        .Color("CaptionColor", [](TTitleBar& t, ui::TColor v) { t.SetCaptionColor(v); })
        .Color("StartColor", [](TTitleBar& t, ui::TColor v) { t.SetStartColor(v); })
        .Color("EndColor", [](TTitleBar& t, ui::TColor v) { t.SetEndColor(v); })
        .Bool("Vertical", [](TTitleBar& t, bool v) { t.SetVertical(v); });
    ui::RegisterComponentClass<TMovePanel, ui::TPanel>("TMovePanel");
}

void RegisterTransImage() {
    RegisterBitmapValueClass();
    ui::RegisterComponentClass<TTransImage, ui::TGraphicControl>("TTransImage")
        .Object<ui::TBitmap>("Bitmap", [](TTransImage& t) -> ui::TBitmap& { return t.Bitmap(); })
        .Bool("AutoSize", [](TTransImage& t, bool v) { t.SetAutoSize(v); })
        .Bool("Visible", [](TTransImage& t, bool v) { t.SetImageVisible(v); })
        .Bool("Transparent", [](TTransImage& t, bool v) { t.SetTransparent(v); })
        .Enum("KindMic", ButtonKindNames(), "TMButtonKind",
              [](TTransImage& t, int v) { t.SetKindMic(TMButtonKind(v)); })
        .Enum("KindMare", MsgDlgTypeNames(), "TMsgDlgType",
              [](TTransImage& t, int v) { t.SetKindMare(TMsgDlgType(v)); })
        .Enum("KindAlte", AlteGlifeNames(), "TAlteGlife",
              [](TTransImage& t, int v) { t.SetKindAlte(TAlteGlife(v)); })
        .Bool("Center", [](TTransImage& t, bool v) { t.SetCenter(v); })
        .Bool("Stretch", [](TTransImage& t, bool v) { t.SetStretch(v); })
        .Bool("Proportional", [](TTransImage& t, bool v) { t.SetProportional(v); });
}

void RegisterFmtLabel() {
    ui::RegisterComponentClass<TFmtLabel, ui::TLabel>("TFmtLabel")
        .Enum("Align", MAlignNames(), "TMAlign",
              [](TFmtLabel& l, int v) { l.SetAlign(TMAlign(v)); })
        .Color("ShadowColor", [](TFmtLabel& l, ui::TColor v) { l.SetShadowColor(v); });
}

} // namespace

void RegisterTitlesClasses() {
    RegisterTitleBar();
    RegisterTransImage();
    RegisterFmtLabel();
}

} // namespace tk
