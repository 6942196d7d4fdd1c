#include "platform/html/frame_viewer.h"

#include <QAbstractSlider>
#include <QFile>
#include <QFontInfo>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextFrame>
#include <filesystem>

#include "platform/html/browser_input_gate.h"
#include "platform/html/link_target.h"
#include "platform/html/page_document.h"
#include "platform/html/page_forms.h"
#include "platform/sys/errors.h"
#include "platform/sys/prefix.h"
#include "platform/ui/core/exceptions.h"
#include "platform/ui/window/window_manager.h"
#include "platform/ui/window/window_system.h"
#include "platform/ui/window/window_widget.h"

namespace html {

namespace {

// The page's default font size: 12 points.
constexpr int kDefaultFontPoints = 12;
constexpr int kPageMarginWidth = 10;
constexpr int kPageMarginHeight = 5;

bool SameFile(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

QColor ToQColor(ui::TColor color) {
    ui::TColorRef rgb = ui::ColorToRGB(color);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

QByteArray ReadPage(const std::string& name) {
    std::filesystem::path host = sys::HostPath(name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(host, error))
        throw sys::EInOutError("File not found: " + name, name, 2);
    QFile file(QString::fromStdString(host.string()));
    if (!file.open(QIODevice::ReadOnly))
        throw sys::EInOutError("Cannot open file " + name, name, 5);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw sys::EInOutError("Cannot read file " + name, name, 30);
    return bytes;
}

} // namespace

struct TFrameViewer::TImpl {
    TPageDocument document;
    QString source; // the page's text, laid out again when the fonts change
    QPointer<QTextBrowser> browser;
    std::unique_ptr<TBrowserInputGate> gate;
    std::string pendingAnchor; // scrolled to once the browser exists
    std::vector<TPageForm> forms;
};

TFrameViewer::TFrameViewer(ui::TComponent* owner)
    : ui::TWinControl(owner), impl_(std::make_unique<TImpl>()) {
    impl_->gate = std::make_unique<TBrowserInputGate>(this);
    SetBounds(Left(), Top(), 150, 150);
    SetParentColor(false);
    SetTabStop(true);
    ApplyFonts();
}

TFrameViewer::~TFrameViewer() {
    delete impl_->browser.data();
}

void TFrameViewer::SetBorderStyle(ui::TBorderStyle value) {
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

void TFrameViewer::SetDefFontName(const std::string& value) {
    if (defFontName_ == value)
        return;
    defFontName_ = value;
    ApplyFonts();
}

void TFrameViewer::SetDefPreFontName(const std::string& value) {
    if (defPreFontName_ == value)
        return;
    defPreFontName_ = value;
    ApplyFonts();
}

void TFrameViewer::SetMargin(int index, double value) {
    margins_[index] = value < 0 ? 0 : value;
}

void TFrameViewer::SetPrintScale(double value) {
    if (!(value > 0))
        throw ui::EInvalidOperation("The print scale must be greater than zero");
    printScale_ = value;
}

void TFrameViewer::SetHistoryMaxCount(int value) {
    historyMaxCount_ = value < 0 ? 0 : value;
    if (int(history_.size()) > historyMaxCount_)
        history_.erase(history_.begin(), history_.end() - historyMaxCount_);
}

void TFrameViewer::ApplyFonts() {
    ui::TFont font;
    font.SetName(defFontName_);
    font.SetSize(kDefaultFontPoints);
    impl_->document.setDefaultFont(font.ToQFont());
    std::string pre = ui::ResolveFontFamily(defPreFontName_);
    std::erase(pre, '"');
    impl_->document.setDefaultStyleSheet(QString::fromStdString(
        "pre, xmp, listing, code, tt, kbd, samp { font-family: \"" + pre + "\"; }"));
    // The style sheet takes effect when the page is laid out from its text.
    if (!impl_->source.isEmpty())
        LayOut();
}

void TFrameViewer::LayOut() {
    impl_->document.setHtml(impl_->source);
    // The page keeps a margin from the window's edges, wider at the sides.
    QTextFrameFormat root = impl_->document.rootFrame()->frameFormat();
    root.setLeftMargin(kPageMarginWidth);
    root.setRightMargin(kPageMarginWidth);
    root.setTopMargin(kPageMarginHeight);
    root.setBottomMargin(kPageMarginHeight);
    impl_->document.rootFrame()->setFrameFormat(root);
}

void TFrameViewer::ApplyColors() {
    if (!impl_->browser)
        return;
    QPalette palette = impl_->browser->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    palette.setColor(QPalette::Text, ToQColor(ui::clWindowText));
    impl_->browser->setPalette(palette);
}

void TFrameViewer::PlaceBrowser() {
    if (!impl_->browser || !HandleAllocated())
        return;
    ui::TRect client;
    ui::GetClientRect(WindowHandle(), client);
    ui::TPoint origin = ui::ClientOrigin(WindowHandle());
    impl_->browser->setGeometry(origin.X, origin.Y, client.Width(), client.Height());
}

void TFrameViewer::CreateParams(ui::TCreateParams& params) {
    ui::TWinControl::CreateParams(params);
    if (borderStyle_ == ui::bsSingle) {
        if (Ctl3D())
            params.ExStyle |= ui::WS_EX_CLIENTEDGE;
        else
            params.Style |= ui::WS_BORDER;
    }
}

void TFrameViewer::CreateWnd() {
    ui::TWinControl::CreateWnd();
    auto* browser = new QTextBrowser(ui::WidgetOf(WindowHandle()));
    browser->setFrameShape(QFrame::NoFrame);
    // Keys come through the window system to the viewer (see KeyDown).
    browser->setFocusPolicy(Qt::NoFocus);
    browser->setOpenLinks(false);
    browser->setOpenExternalLinks(false);
    browser->setDocument(&impl_->document);
    for (QObject* part :
         std::initializer_list<QObject*>{browser, browser->viewport(), browser->verticalScrollBar(),
                                         browser->horizontalScrollBar()})
        part->installEventFilter(impl_->gate.get());
    QObject::connect(browser, &QTextBrowser::anchorClicked, browser, [this](const QUrl& url) {
        try {
            FollowLink(url.toString().toStdString());
        } catch (...) {
            ui::wm::ReportException(std::current_exception());
        }
    });
    impl_->browser = browser;
    ApplyColors();
    PlaceBrowser();
    browser->show();
    if (!impl_->pendingAnchor.empty()) {
        browser->scrollToAnchor(QString::fromStdString(impl_->pendingAnchor));
        impl_->pendingAnchor.clear();
    }
}

void TFrameViewer::DestroyWnd() {
    delete impl_->browser.data();
    ui::TWinControl::DestroyWnd();
}

void TFrameViewer::Dispatch(ui::TMessage& message) {
    switch (message.Msg) {
    case ui::WM_GETDLGCODE:
        message.Result = ui::DLGC_WANTARROWS;
        return;
    case ui::WM_SIZE:
        ui::TWinControl::Dispatch(message);
        PlaceBrowser();
        return;
    case ui::CM_COLORCHANGED:
        ui::TWinControl::Dispatch(message);
        ApplyColors();
        return;
    default:
        ui::TWinControl::Dispatch(message);
    }
}

void TFrameViewer::KeyDown(uint16_t& key, ui::TShiftState shift) {
    ui::TWinControl::KeyDown(key, shift);
    if (!impl_->browser || key == 0)
        return;
    QScrollBar* vertical = impl_->browser->verticalScrollBar();
    QScrollBar* horizontal = impl_->browser->horizontalScrollBar();
    switch (key) {
    case ui::VK_UP:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case ui::VK_DOWN:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case ui::VK_PRIOR:
        vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case ui::VK_NEXT:
        vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case ui::VK_HOME:
        vertical->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case ui::VK_END:
        vertical->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    case ui::VK_LEFT:
        horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case ui::VK_RIGHT:
        horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    default:
        return;
    }
    key = 0;
}

void TFrameViewer::LoadFromFile(const std::string& name) {
    ShowPage(name, {}, true);
}

void TFrameViewer::ShowPage(const std::string& name, const std::string& fragment, bool remember) {
    QByteArray bytes = ReadPage(name); // raises before anything shown changes
    if (remember && !currentFile_.empty() && historyMaxCount_ > 0) {
        history_.push_back(currentFile_);
        SetHistoryMaxCount(historyMaxCount_);
    }
    std::string page = DecodePage(bytes).toStdString();
    impl_->forms = PrepareForms(page);
    impl_->source = QString::fromStdString(page);
    impl_->document.SetPageFile(name);
    LayOut();
    currentFile_ = name;
    if (!impl_->browser) {
        impl_->pendingAnchor = fragment;
        return;
    }
    if (fragment.empty())
        impl_->browser->verticalScrollBar()->setValue(0);
    else
        impl_->browser->scrollToAnchor(QString::fromStdString(fragment));
}

bool TFrameViewer::FollowLink(const std::string& href) {
    if (auto index = SubmitLinkForm(href)) {
        if (*index >= impl_->forms.size())
            return false;
        const TPageForm& form = impl_->forms[*index];
        ui::TStrings results;
        for (const std::string& field : form.Fields)
            results.Add(field);
        if (OnFormSubmit)
            OnFormSubmit(this, form.Action, form.Target, form.EncType, form.Method, results);
        return true;
    }
    auto target = ResolveLink(currentFile_, href);
    if (!target)
        return false;
    if (SameFile(target->File, currentFile_) && !target->Fragment.empty()) {
        if (impl_->browser)
            impl_->browser->scrollToAnchor(QString::fromStdString(target->Fragment));
        else
            impl_->pendingAnchor = target->Fragment;
        return true;
    }
    ShowPage(target->File, target->Fragment, true);
    return true;
}

bool TFrameViewer::GoBack() {
    if (history_.empty())
        return false;
    std::string previous = history_.back();
    ShowPage(previous, {}, false);
    history_.pop_back();
    return true;
}

std::string TFrameViewer::DocumentTitle() const {
    return impl_->document.metaInformation(QTextDocument::DocumentTitle).toStdString();
}

std::string TFrameViewer::DocumentText() const {
    return impl_->document.toPlainText().toStdString();
}

std::string TFrameViewer::FontFamilyAt(const std::string& text) const {
    QTextCursor found = impl_->document.find(QString::fromStdString(text));
    if (found.isNull())
        return {};
    QFont font = found.charFormat().font().resolve(impl_->document.defaultFont());
    return QFontInfo(font).family().toStdString();
}

} // namespace html
