// The platform's classes and their published properties, as stored forms write them.
#include "platform/ui/streaming/standard_classes.h"

#include "platform/ui/components/timer.h"
#include "platform/ui/core/string_list.h"
#include "platform/ui/forms/form.h"
#include "platform/ui/stdctrls/bevel.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/stdctrls/combo_box.h"
#include "platform/ui/stdctrls/drive_combo_box.h"
#include "platform/ui/stdctrls/edit.h"
#include "platform/ui/stdctrls/folder_list_box.h"
#include "platform/ui/stdctrls/gauge.h"
#include "platform/ui/stdctrls/group_box.h"
#include "platform/ui/stdctrls/image.h"
#include "platform/ui/stdctrls/label.h"
#include "platform/ui/stdctrls/memo.h"
#include "platform/ui/stdctrls/panel.h"
#include "platform/ui/streaming/class_builder.h"
#include "platform/ui/streaming/page_control_classes.h"

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

const TEnumNames& GaugeKindNames() {
    static const TEnumNames names = {{"gkText", gkText},
                                     {"gkHorizontalBar", gkHorizontalBar},
                                     {"gkVerticalBar", gkVerticalBar},
                                     {"gkPie", gkPie},
                                     {"gkNeedle", gkNeedle}};
    return names;
}
const TEnumNames& BevelShapeNames() {
    static const TEnumNames names = {{"bsBox", bsBox},           {"bsFrame", bsFrame},
                                     {"bsTopLine", bsTopLine},   {"bsBottomLine", bsBottomLine},
                                     {"bsLeftLine", bsLeftLine}, {"bsRightLine", bsRightLine},
                                     {"bsSpacer", bsSpacer}};
    return names;
}
const TEnumNames& BevelStyleNames() {
    static const TEnumNames names = {{"bsLowered", bsLowered}, {"bsRaised", bsRaised}};
    return names;
}

const TEnumNames& ScrollStyleNames() {
    static const TEnumNames names = {{"ssNone", ssNone},
                                     {"ssHorizontal", ssHorizontal},
                                     {"ssVertical", ssVertical},
                                     {"ssBoth", ssBoth}};
    return names;
}
const TEnumNames& ComboStyleNames() {
    static const TEnumNames names = {
        {"csDropDown", csDropDown}, {"csSimple", csSimple}, {"csDropDownList", csDropDownList}};
    return names;
}
const TEnumNames& ListBoxStyleNames() {
    static const TEnumNames names = {{"lbStandard", lbStandard},
                                     {"lbOwnerDrawFixed", lbOwnerDrawFixed}};
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
    RegisterValueClass<TPicture>("TPicture")
        .Binary("Data", [](TPicture& p, const std::vector<uint8_t>& v, TReadContext& c) {
            try {
                LoadStoredPictureData(p, v, "Picture.Data");
            } catch (const EInvalidGraphic& e) {
                c.Fail(e.what());
            }
        });
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
    RegisterComponentClass<TGauge, TGraphicControl>("TGauge")
        .Enum("Kind", GaugeKindNames(), "TGaugeKind",
              [](TGauge& g, int v) { g.SetKind(TGaugeKind(v)); })
        .Int("MinValue", [](TGauge& g, int v) { g.SetMinValue(v); })
        .Int("MaxValue", [](TGauge& g, int v) { g.SetMaxValue(v); })
        .Int("Progress", [](TGauge& g, int v) { g.SetProgress(v); })
        .Color("ForeColor", [](TGauge& g, TColor v) { g.SetForeColor(v); })
        .Color("BackColor", [](TGauge& g, TColor v) { g.SetBackColor(v); })
        .Enum("BorderStyle", ControlBorderStyleNames(), "TBorderStyle",
              [](TGauge& g, int v) { g.SetBorderStyle(TBorderStyle(v)); })
        .Bool("ShowText", [](TGauge& g, bool v) { g.SetShowText(v); });
    RegisterComponentClass<TBevel, TGraphicControl>("TBevel")
        .Enum("Shape", BevelShapeNames(), "TBevelShape",
              [](TBevel& b, int v) { b.SetShape(TBevelShape(v)); })
        .Enum("Style", BevelStyleNames(), "TBevelStyle",
              [](TBevel& b, int v) { b.SetStyle(TBevelStyle(v)); });
    RegisterComponentClass<TImage, TGraphicControl>("TImage")
        .Object<TPicture>("Picture", [](TImage& i) -> TPicture& { return i.Picture(); })
        .Bool("AutoSize", [](TImage& i, bool v) { i.SetAutoSize(v); })
        .Bool("Stretch", [](TImage& i, bool v) { i.SetStretch(v); })
        .Bool("Center", [](TImage& i, bool v) { i.SetCenter(v); })
        .Bool("Transparent", [](TImage& i, bool v) { i.SetTransparent(v); });
    RegisterAbstractClass<TCustomEdit, TWinControl>("TCustomEdit")
        .Bool("AutoSize", [](TCustomEdit& e, bool v) { e.SetAutoSize(v); })
        .Bool("AutoSelect", [](TCustomEdit& e, bool v) { e.SetAutoSelect(v); })
        .Enum("BorderStyle", ControlBorderStyleNames(), "TBorderStyle",
              [](TCustomEdit& e, int v) { e.SetBorderStyle(TBorderStyle(v)); })
        .Enum("Alignment", AlignmentNames(), "TAlignment",
              [](TCustomEdit& e, int v) { e.SetAlignment(TAlignment(v)); })
        .Bool("ReadOnly", [](TCustomEdit& e, bool v) { e.SetReadOnly(v); })
        .Int("MaxLength", [](TCustomEdit& e, int v) { e.SetMaxLength(v); })
        .Custom("PasswordChar",
                [](TCustomEdit& e, const TFormTextValue& v, TReadContext& c) {
                    std::string s = c.String(v);
                    e.SetPasswordChar(s.empty() ? 0 : s[0]);
                })
        .Event("OnChange", &TCustomEdit::OnChange);
    RegisterComponentClass<TEdit, TCustomEdit>("TEdit");
    RegisterAbstractClass<TCustomMemo, TCustomEdit>("TCustomMemo")
        .Object<TStrings>("Lines", [](TCustomMemo& m) -> TStrings& { return m.Lines(); })
        .Enum("ScrollBars", ScrollStyleNames(), "TScrollStyle",
              [](TCustomMemo& m, int v) { m.SetScrollBars(TScrollStyle(v)); })
        .Bool("WordWrap", [](TCustomMemo& m, bool v) { m.SetWordWrap(v); })
        .Bool("WantReturns", [](TCustomMemo& m, bool v) { m.SetWantReturns(v); })
        .Bool("WantTabs", [](TCustomMemo& m, bool v) { m.SetWantTabs(v); });
    RegisterComponentClass<TMemo, TCustomMemo>("TMemo");
    RegisterAbstractClass<TCustomListBox, TCustomControl>("TCustomListBox")
        .Object<TStrings>("Items", [](TCustomListBox& l) -> TStrings& { return l.Items(); })
        .Int("ItemHeight", [](TCustomListBox& l, int v) { l.SetItemHeight(v); })
        .Int("ItemIndex", [](TCustomListBox& l, int v) { l.SetItemIndex(v); })
        .Enum("Style", ListBoxStyleNames(), "TListBoxStyle",
              [](TCustomListBox& l, int v) { l.SetStyle(TListBoxStyle(v)); })
        .Enum("BorderStyle", ControlBorderStyleNames(), "TBorderStyle",
              [](TCustomListBox& l, int v) { l.SetBorderStyle(TBorderStyle(v)); })
        .Bool("Sorted", [](TCustomListBox& l, bool v) { l.SetSorted(v); })
        .Event("OnDrawItem", &TCustomListBox::OnDrawItem);
    RegisterComponentClass<TListBox, TCustomListBox>("TListBox");
    RegisterAbstractClass<TCustomComboBox, TCustomControl>("TCustomComboBox")
        .Object<TStrings>("Items", [](TCustomComboBox& b) -> TStrings& { return b.Items(); })
        .Int("ItemIndex", [](TCustomComboBox& b, int v) { b.SetItemIndex(v); })
        .Enum("Style", ComboStyleNames(), "TComboBoxStyle",
              [](TCustomComboBox& b, int v) { b.SetStyle(TComboBoxStyle(v)); })
        .Int("DropDownCount", [](TCustomComboBox& b, int v) { b.SetDropDownCount(v); })
        .Bool("Sorted", [](TCustomComboBox& b, bool v) { b.SetSorted(v); })
        .Int("MaxLength", [](TCustomComboBox& b, int v) { b.SetMaxLength(v); })
        .Event("OnChange", &TCustomComboBox::OnChange)
        .Event("OnDropDown", &TCustomComboBox::OnDropDown)
        .Event("OnSelect", &TCustomComboBox::OnSelect);
    RegisterComponentClass<TComboBox, TCustomComboBox>("TComboBox");
    RegisterComponentClass<TDirectoryListBox, TCustomListBox>("TDirectoryListBox")
        .String("Directory", [](TDirectoryListBox& d, const std::string& v) { d.SetDirectory(v); })
        .Event("OnChange", &TDirectoryListBox::OnChange);
    RegisterComponentClass<TDriveComboBox, TCustomComboBox>("TDriveComboBox")
        .Reference<TDirectoryListBox>(
            "DirList", [](TDriveComboBox& d, TDirectoryListBox* v) { d.SetDirList(v); });
    RegisterAbstractClass<TCustomGroupBox, TCustomControl>("TCustomGroupBox");
    RegisterComponentClass<TGroupBox, TCustomGroupBox>("TGroupBox");
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
    RegisterPageControlClasses();
}

} // namespace ui
