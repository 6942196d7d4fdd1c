// The platform's classes and their published properties, as stored forms write them.
#include "platform/ui/streaming/standard_classes.h"

#include "platform/ui/components/timer.h"
#include "platform/ui/core/string_list.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/stdctrls/label.h"
#include "platform/ui/stdctrls/panel.h"
#include "platform/ui/streaming/class_builder.h"

namespace ui {

namespace {

const TEnumNames& AlignNames() {
    static const TEnumNames names = {
        {"alNone", alNone},   {"alTop", alTop},       {"alBottom", alBottom}, {"alLeft", alLeft},
        {"alRight", alRight}, {"alClient", alClient}, {"alCustom", alCustom}};
    return names;
}
const TEnumNames& AnchorBits() {
    static const TEnumNames names = {
        {"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}};
    return names;
}
const TEnumNames& AlignmentNames() {
    static const TEnumNames names = {{"taLeftJustify", taLeftJustify},
                                     {"taRightJustify", taRightJustify},
                                     {"taCenter", taCenter}};
    return names;
}
const TEnumNames& BorderStyleNames() {
    static const TEnumNames names = {
        {"bsNone", bsNone},     {"bsSingle", bsSingle},         {"bsSizeable", bsSizeable},
        {"bsDialog", bsDialog}, {"bsToolWindow", bsToolWindow}, {"bsSizeToolWin", bsSizeToolWin}};
    return names;
}
const TEnumNames& ControlBorderStyleNames() {
    static const TEnumNames names = {{"bsNone", bsNone}, {"bsSingle", bsSingle}};
    return names;
}
const TEnumNames& BorderIconBits() {
    static const TEnumNames names = {{"biSystemMenu", biSystemMenu},
                                     {"biMinimize", biMinimize},
                                     {"biMaximize", biMaximize},
                                     {"biHelp", biHelp}};
    return names;
}
const TEnumNames& FormStyleNames() {
    static const TEnumNames names = {{"fsNormal", fsNormal},
                                     {"fsMDIChild", fsMDIChild},
                                     {"fsMDIForm", fsMDIForm},
                                     {"fsStayOnTop", fsStayOnTop}};
    return names;
}
const TEnumNames& WindowStateNames() {
    static const TEnumNames names = {
        {"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}};
    return names;
}
const TEnumNames& PositionNames() {
    static const TEnumNames names = {{"poDesigned", poDesigned},
                                     {"poDefault", poDefault},
                                     {"poDefaultPosOnly", poDefaultPosOnly},
                                     {"poDefaultSizeOnly", poDefaultSizeOnly},
                                     {"poScreenCenter", poScreenCenter},
                                     {"poDesktopCenter", poDesktopCenter},
                                     {"poMainFormCenter", poMainFormCenter},
                                     {"poOwnerFormCenter", poOwnerFormCenter}};
    return names;
}
const TEnumNames& FontStyleBits() {
    static const TEnumNames names = {{"fsBold", fsBold},
                                     {"fsItalic", fsItalic},
                                     {"fsUnderline", fsUnderline},
                                     {"fsStrikeOut", fsStrikeOut}};
    return names;
}
const TEnumNames& FontPitchNames() {
    static const TEnumNames names = {
        {"fpDefault", fpDefault}, {"fpVariable", fpVariable}, {"fpFixed", fpFixed}};
    return names;
}
const TEnumNames& CharsetNames() {
    static const TEnumNames names = {{"ANSI_CHARSET", ANSI_CHARSET},
                                     {"DEFAULT_CHARSET", DEFAULT_CHARSET},
                                     {"SYMBOL_CHARSET", SYMBOL_CHARSET},
                                     {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
                                     {"OEM_CHARSET", OEM_CHARSET}};
    return names;
}
const TEnumNames& CursorNames() {
    static const TEnumNames names = {
        {"crDefault", crDefault},     {"crNone", crNone},           {"crArrow", crArrow},
        {"crCross", crCross},         {"crIBeam", crIBeam},         {"crSizeNESW", crSizeNESW},
        {"crSizeNS", crSizeNS},       {"crSizeNWSE", crSizeNWSE},   {"crSizeWE", crSizeWE},
        {"crUpArrow", crUpArrow},     {"crHourGlass", crHourGlass}, {"crDrag", crDrag},
        {"crNoDrop", crNoDrop},       {"crHSplit", crHSplit},       {"crVSplit", crVSplit},
        {"crMultiDrag", crMultiDrag}, {"crSQLWait", crSQLWait},     {"crNo", crNo},
        {"crAppStart", crAppStart},   {"crHelp", crHelp},           {"crHandPoint", crHandPoint},
        {"crSizeAll", crSizeAll}};
    return names;
}
const TEnumNames& ModalResultNames() {
    static const TEnumNames names = {{"mrNone", mrNone},        {"mrOk", mrOk},
                                     {"mrCancel", mrCancel},    {"mrAbort", mrAbort},
                                     {"mrRetry", mrRetry},      {"mrIgnore", mrIgnore},
                                     {"mrYes", mrYes},          {"mrNo", mrNo},
                                     {"mrAll", mrAll},          {"mrNoToAll", mrNoToAll},
                                     {"mrYesToAll", mrYesToAll}};
    return names;
}
const TEnumNames& TextLayoutNames() {
    static const TEnumNames names = {
        {"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}};
    return names;
}
const TEnumNames& PanelBevelNames() {
    static const TEnumNames names = {
        {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};
    return names;
}

// A value written either as a number or as one of the named constants.
int IntOrName(TReadContext& c, const TFormTextValue& v, const TEnumNames& names,
              const std::string& typeName) {
    if (std::holds_alternative<int64_t>(v.Value))
        return c.Int(v);
    return c.Enum(v, names, typeName);
}

void RegisterValueClasses() {
    RegisterValueClass<TFont>("TFont")
        .String("Name", [](TFont& f, const std::string& v) { f.SetName(v); })
        .Int("Height", [](TFont& f, int v) { f.SetHeight(v); })
        .Int("Size", [](TFont& f, int v) { f.SetSize(v); })
        .Set("Style", FontStyleBits(), "TFontStyles", [](TFont& f, unsigned v) { f.SetStyle(v); })
        .Color("Color", [](TFont& f, TColor v) { f.SetColor(v); })
        .Enum("Pitch", FontPitchNames(), "TFontPitch",
              [](TFont& f, int v) { f.SetPitch(TFontPitch(v)); })
        .Custom("Charset", [](TFont& f, const TFormTextValue& v, TReadContext& c) {
            f.SetCharset(TFontCharset(IntOrName(c, v, CharsetNames(), "TFontCharset")));
        });
    RegisterValueClass<TSizeConstraints>("TSizeConstraints")
        .Int("MinWidth", [](TSizeConstraints& s, int v) { s.SetMinWidth(v); })
        .Int("MinHeight", [](TSizeConstraints& s, int v) { s.SetMinHeight(v); })
        .Int("MaxWidth", [](TSizeConstraints& s, int v) { s.SetMaxWidth(v); })
        .Int("MaxHeight", [](TSizeConstraints& s, int v) { s.SetMaxHeight(v); });
    RegisterValueClass<TStrings>("TStrings")
        .Custom("Strings", [](TStrings& s, const TFormTextValue& v, TReadContext& c) {
            s.Assign(c.StringList(v));
        });
}

void RegisterControlClasses() {
    RegisterAbstractClass<TObject, TObject>("TObject");
    RegisterAbstractClass<TComponent, TObject>("TComponent").Int("Tag", [](TComponent& t, int v) {
        t.SetTag(v);
    });
    RegisterAbstractClass<TControl, TComponent>("TControl")
        .Int("Left", [](TControl& t, int v) { t.SetLeft(v); })
        .Int("Top", [](TControl& t, int v) { t.SetTop(v); })
        .Int("Width", [](TControl& t, int v) { t.SetWidth(v); })
        .Int("Height", [](TControl& t, int v) { t.SetHeight(v); })
        .Int("ClientWidth", [](TControl& t, int v) { t.SetClientWidth(v); })
        .Int("ClientHeight", [](TControl& t, int v) { t.SetClientHeight(v); })
        .Enum("Align", AlignNames(), "TAlign", [](TControl& t, int v) { t.SetAlign(TAlign(v)); })
        .Set("Anchors", AnchorBits(), "TAnchors", [](TControl& t, unsigned v) { t.SetAnchors(v); })
        .String("Caption", [](TControl& t, const std::string& v) { t.SetCaption(v); })
        .String("Text", [](TControl& t, const std::string& v) { t.SetText(v); })
        .Color("Color", [](TControl& t, TColor v) { t.SetColor(v); })
        .Bool("ParentColor", [](TControl& t, bool v) { t.SetParentColor(v); })
        .Object<TFont>("Font", [](TControl& t) -> TFont& { return t.Font(); })
        .Bool("ParentFont", [](TControl& t, bool v) { t.SetParentFont(v); })
        .String("Hint", [](TControl& t, const std::string& v) { t.SetHint(v); })
        .Bool("ShowHint", [](TControl& t, bool v) { t.SetShowHint(v); })
        .Bool("ParentShowHint", [](TControl& t, bool v) { t.SetParentShowHint(v); })
        .Custom("Cursor",
                [](TControl& t, const TFormTextValue& v, TReadContext& c) {
                    t.SetCursor(IntOrName(c, v, CursorNames(), "TCursor"));
                })
        .Bool("Visible", [](TControl& t, bool v) { t.SetVisible(v); })
        .Bool("Enabled", [](TControl& t, bool v) { t.SetEnabled(v); })
        .Object<TSizeConstraints>("Constraints",
                                  [](TControl& t) -> TSizeConstraints& { return t.Constraints(); })
        .Reference<TPopupMenuBase>("PopupMenu",
                                   [](TControl& t, TPopupMenuBase* v) { t.SetPopupMenu(v); })
        .Event("OnClick", &TControl::OnClick)
        .Event("OnDblClick", &TControl::OnDblClick)
        .Event("OnResize", &TControl::OnResize)
        .Event("OnMouseEnter", &TControl::OnMouseEnter)
        .Event("OnMouseLeave", &TControl::OnMouseLeave)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseUp", &TControl::OnMouseUp)
        .Event("OnMouseMove", &TControl::OnMouseMove)
        .Event("OnMouseWheel", &TControl::OnMouseWheel)
        .Event("OnMouseWheelDown", &TControl::OnMouseWheelDown)
        .Event("OnMouseWheelUp", &TControl::OnMouseWheelUp)
        .Event("OnCanResize", &TControl::OnCanResize);
    RegisterAbstractClass<TWinControl, TControl>("TWinControl")
        .Bool("TabStop", [](TWinControl& t, bool v) { t.SetTabStop(v); })
        .Int("TabOrder", [](TWinControl& t, int v) { t.SetTabOrder(v); })
        .Bool("Ctl3D", [](TWinControl& t, bool v) { t.SetCtl3D(v); })
        .Bool("ParentCtl3D", [](TWinControl& t, bool v) { t.SetParentCtl3D(v); })
        .Bool("DoubleBuffered", [](TWinControl& t, bool v) { t.SetDoubleBuffered(v); })
        .Event("OnKeyDown", &TWinControl::OnKeyDown)
        .Event("OnKeyUp", &TWinControl::OnKeyUp)
        .Event("OnKeyPress", &TWinControl::OnKeyPress)
        .Event("OnEnter", &TWinControl::OnEnter)
        .Event("OnExit", &TWinControl::OnExit);
    RegisterAbstractClass<TGraphicControl, TControl>("TGraphicControl");
    RegisterAbstractClass<TCustomControl, TWinControl>("TCustomControl");
}

void RegisterFormClasses() {
    RegisterAbstractClass<TCustomForm, TWinControl>("TCustomForm")
        .Enum("BorderStyle", BorderStyleNames(), "TFormBorderStyle",
              [](TCustomForm& f, int v) { f.SetBorderStyle(TFormBorderStyle(v)); })
        .Set("BorderIcons", BorderIconBits(), "TBorderIcons",
             [](TCustomForm& f, unsigned v) { f.SetBorderIcons(v); })
        .Int("BorderWidth", [](TCustomForm& f, int v) { f.SetBorderWidth(v); })
        .Enum("FormStyle", FormStyleNames(), "TFormStyle",
              [](TCustomForm& f, int v) { f.SetFormStyle(TFormStyle(v)); })
        .Enum("WindowState", WindowStateNames(), "TWindowState",
              [](TCustomForm& f, int v) { f.SetWindowState(TWindowState(v)); })
        .Enum("Position", PositionNames(), "TPosition",
              [](TCustomForm& f, int v) { f.SetPosition(TPosition(v)); })
        .Bool("KeyPreview", [](TCustomForm& f, bool v) { f.SetKeyPreview(v); })
        .Reference<TWinControl>("ActiveControl",
                                [](TCustomForm& f, TWinControl* v) { f.SetActiveControl(v); })
        .Int("PixelsPerInch", [](TCustomForm& f, int v) { f.SetPixelsPerInch(v); })
        .Bool("Scaled", [](TCustomForm& f, bool v) { f.SetScaled(v); })
        .Int("TextHeight", [](TCustomForm& f, int v) { f.SetTextHeight(v); })
        .Bool("OldCreateOrder", [](TCustomForm& f, bool v) { f.SetOldCreateOrder(v); })
        .Int("HelpContext", [](TCustomForm& f, int v) { f.SetHelpContext(v); })
        .String("HelpFile", [](TCustomForm& f, const std::string& v) { f.SetHelpFile(v); })
        .Event("OnCreate", &TCustomForm::OnCreate)
        .Event("OnDestroy", &TCustomForm::OnDestroy)
        .Event("OnShow", &TCustomForm::OnShow)
        .Event("OnHide", &TCustomForm::OnHide)
        .Event("OnActivate", &TCustomForm::OnActivate)
        .Event("OnDeactivate", &TCustomForm::OnDeactivate)
        .Event("OnPaint", &TCustomForm::OnPaint)
        .Event("OnClose", &TCustomForm::OnClose)
        .Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
    RegisterComponentClass<TForm, TCustomForm>("TForm");
}

void RegisterStandardControls() {
    RegisterAbstractClass<TButtonControl, TWinControl>("TButtonControl");
    RegisterComponentClass<TButton, TButtonControl>("TButton")
        .Bool("Default", [](TButton& b, bool v) { b.SetDefault(v); })
        .Bool("Cancel", [](TButton& b, bool v) { b.SetCancel(v); })
        .Custom("ModalResult", [](TButton& b, const TFormTextValue& v, TReadContext& c) {
            b.SetModalResult(IntOrName(c, v, ModalResultNames(), "TModalResult"));
        });
    RegisterAbstractClass<TCustomLabel, TGraphicControl>("TCustomLabel")
        .Enum("Alignment", AlignmentNames(), "TAlignment",
              [](TCustomLabel& l, int v) { l.SetAlignment(TAlignment(v)); })
        .Bool("AutoSize", [](TCustomLabel& l, bool v) { l.SetAutoSize(v); })
        .Reference<TWinControl>("FocusControl",
                                [](TCustomLabel& l, TWinControl* v) { l.SetFocusControl(v); })
        .Bool("ShowAccelChar", [](TCustomLabel& l, bool v) { l.SetShowAccelChar(v); })
        .Enum("Layout", TextLayoutNames(), "TTextLayout",
              [](TCustomLabel& l, int v) { l.SetLayout(TTextLayout(v)); })
        .Bool("WordWrap", [](TCustomLabel& l, bool v) { l.SetWordWrap(v); })
        .Bool("Transparent", [](TCustomLabel& l, bool v) { l.SetTransparent(v); });
    RegisterComponentClass<TLabel, TCustomLabel>("TLabel");
    RegisterAbstractClass<TCustomPanel, TCustomControl>("TCustomPanel")
        .Enum("Alignment", AlignmentNames(), "TAlignment",
              [](TCustomPanel& p, int v) { p.SetAlignment(TAlignment(v)); })
        .Enum("BevelInner", PanelBevelNames(), "TPanelBevel",
              [](TCustomPanel& p, int v) { p.SetBevelInner(TPanelBevel(v)); })
        .Enum("BevelOuter", PanelBevelNames(), "TPanelBevel",
              [](TCustomPanel& p, int v) { p.SetBevelOuter(TPanelBevel(v)); })
        .Int("BevelWidth", [](TCustomPanel& p, int v) { p.SetBevelWidth(v); })
        .Int("BorderWidth", [](TCustomPanel& p, int v) { p.SetPanelBorderWidth(v); })
        .Enum("BorderStyle", ControlBorderStyleNames(), "TBorderStyle",
              [](TCustomPanel& p, int v) { p.SetBorderStyle(TBorderStyle(v)); })
        .Bool("FullRepaint", [](TCustomPanel& p, bool v) { p.SetFullRepaint(v); });
    RegisterComponentClass<TPanel, TCustomPanel>("TPanel");
    RegisterComponentClass<TTimer, TComponent>("TTimer")
        .Bool("Enabled", [](TTimer& t, bool v) { t.SetEnabled(v); })
        .Int("Interval", [](TTimer& t, int v) { t.SetInterval(unsigned(v < 0 ? 0 : v)); })
        .Event("OnTimer", &TTimer::OnTimer);
}

} // namespace

void RegisterStandardClasses() {
    RegisterValueClasses();
    RegisterControlClasses();
    RegisterFormClasses();
    RegisterStandardControls();
}

} // namespace ui
