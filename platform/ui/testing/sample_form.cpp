#include "platform/ui/testing/sample_form.h"

#include "platform/ui/graphics/draw_edge.h"
#include "platform/ui/graphics/draw_text.h"
#include "platform/ui/streaming/class_builder.h"

namespace ui::testing {

TSampleButton::TSampleButton(TComponent* owner) : TButton(owner) {}

void TSampleButton::CreateParams(TCreateParams& params) {
    TButton::CreateParams(params);
    params.Style |= BS_OWNERDRAW;
}

void TSampleButton::SetButtonStyle(bool isDefault) {
    if (isDefault == isFocused_)
        return;
    isFocused_ = isDefault;
    Invalidate();
}

void TSampleButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CN_DRAWITEM:
        DrawItem(*reinterpret_cast<TDrawItemStruct*>(m.LParam));
        m.Result = 1;
        return;
    case CN_MEASUREITEM: {
        auto* measure = reinterpret_cast<TMeasureItemStruct*>(m.LParam);
        measure->itemWidth = UINT(Width());
        measure->itemHeight = UINT(Height());
        measured_ = true;
        m.Result = 1;
        return;
    }
    default:
        TButton::Dispatch(m);
        return;
    }
}

void TSampleButton::DrawItem(const TDrawItemStruct& item) {
    lastItemState_ = item.itemState;
    canvas_.SetHandle(item.hDC);
    TCanvas& c = canvas_;
    TRect r = item.rcItem;
    bool pushed = item.itemState & ODS_SELECTED;
    bool disabled = item.itemState & ODS_DISABLED;
    c.Brush().SetStyle(bsSolid);
    if (isFocused_) {
        c.Brush().SetColor(clWindowFrame);
        c.FrameRect(r);
        r = InflateRect(r, -1, -1);
    }
    DrawEdge(c, r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    TRect text = pushed ? OffsetRect(r, 1, 1) : r;
    c.SetFont(Font());
    if (isFocused_)
        c.Font().SetStyle(c.Font().Style() | fsBold);
    if (disabled)
        c.Font().SetColor(clGrayText);
    c.Brush().SetStyle(bsClear);
    DrawText(c, Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(clBtnFace);
        c.DrawFocusRect(InflateRect(r, -2, -2));
    }
    canvas_.SetHandle(nullptr);
}

void TSampleForm::FormCreate(TObject* sender) {
    (void)sender;
    CreationLog.push_back("OnCreate");
}

void TSampleForm::Loaded() {
    TForm::Loaded();
    CreationLog.push_back("Loaded");
}

void TSampleForm::FormKeyDown(TObject* sender, uint16_t& key, TShiftState shift) {
    (void)sender;
    if (key == VK_F2 && shift == 0) {
        key = 0;
        TSampleForm* second = CreateForm<TSampleForm>(this);
        try {
            NestedResult = second->ShowModal();
        } catch (...) {
            Free(second);
            throw;
        }
        Free(second);
    }
}

void TSampleForm::ButtonClick(TObject* sender) {
    (void)sender;
    ++Clicks;
}

void TSampleForm::Dispatch(TMessage& m) {
    if (m.Msg == WM_ENABLE)
        EnableLog.push_back(m.WParam != 0);
    TForm::Dispatch(m);
}

void RegisterSampleFormClasses() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RegisterComponentClass<TSampleButton, TButton>("TSampleButton");
    RegisterComponentClass<TSampleForm, TForm>("TSampleForm")
        .Resource("forms/sample.dfm")
        .Handler("FormCreate", &TSampleForm::FormCreate)
        .Handler("FormKeyDown", &TSampleForm::FormKeyDown)
        .Handler("ButtonClick", &TSampleForm::ButtonClick)
        .Field("OuterPanel", &TSampleForm::OuterPanel)
        .Field("PromptPanel", &TSampleForm::PromptPanel)
        .Field("PromptLabel", &TSampleForm::PromptLabel)
        .Field("ButtonPanel", &TSampleForm::ButtonPanel)
        .Field("ContinueButton", &TSampleForm::ContinueButton)
        .Field("BackButton", &TSampleForm::BackButton);
}

} // namespace ui::testing
