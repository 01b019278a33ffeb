// Web views: the WebBrowser control hosted as an in-place active OLE object.
//
// A BrowserSite is everything the control asks its container for: the client
// site, the in-place site and frame (no menus, no tool space, no status line of
// our own), and the DWebBrowserEvents2 sink that turns the control's events
// into the view's WebViewEvents, texts in code page 936. The control lives in a
// child window of the form that belongs to the site; when the form goes, that
// window's end closes the control.
//
// A document is written into the page the control shows: when no page is ready
// the control first loads "about:blank" and the text waits for that page's
// DocumentComplete. A write that fails there is dropped: the view keeps what it
// showed.
#include "platform/win32/win32_platform.h"

#include "platform/win32/wide.h"
#include "platform/win32/win32_web_view.h"

#include <ole2.h>
#include <oleidl.h>
#include <ocidl.h>
#include <exdisp.h>
#include <exdispid.h>
#include <mshtml.h>

#include <algorithm>
#include <climits>
#include <cwchar>
#include <new>
#include <string>

namespace tv::win32 {
namespace {

constexpr wchar_t kContainerClass[] = L"TarveskWebView";
constexpr wchar_t kBlankPage[] = L"about:blank";

// A failed call is written to the debugger's output; the caller decides what
// the failure means.
bool ok(HRESULT hr, const wchar_t* what)
{
    if (SUCCEEDED(hr))
        return true;
    wchar_t line[128];
    std::swprintf(line, sizeof line / sizeof line[0], L"Tarvesk web view: %ls failed (0x%08lX)\n", what,
                  static_cast<unsigned long>(hr));
    OutputDebugStringW(line);
    return false;
}

// A BSTR owned here.
class Bstr {
public:
    explicit Bstr(std::wstring_view text)
        : s_(text.size() <= UINT_MAX / 2 ? SysAllocStringLen(text.data(), static_cast<UINT>(text.size())) : nullptr)
    {
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(s_); }
    BSTR get() const { return s_; }
    explicit operator bool() const { return s_ != nullptr; }

private:
    BSTR s_;
};

std::wstring text_of(BSTR s) { return s ? std::wstring(s, SysStringLen(s)) : std::wstring(); }

// The text an event argument carries: a BSTR, by value or by reference, or
// held in a VARIANT passed by reference. Anything else is no text.
std::wstring text_of(const VARIANT* v, int depth = 0)
{
    if (!v || depth > 1)
        return {};
    switch (v->vt) {
    case VT_BSTR: return text_of(v->bstrVal);
    case VT_BYREF | VT_BSTR: return v->pbstrVal ? text_of(*v->pbstrVal) : std::wstring();
    case VT_BYREF | VT_VARIANT: return text_of(v->pvarVal, depth + 1);
    default: return {};
    }
}

IDispatch* dispatch_of(const VARIANT* v)
{
    if (!v)
        return nullptr;
    if (v->vt == VT_DISPATCH)
        return v->pdispVal;
    if (v->vt == (VT_BYREF | VT_DISPATCH) && v->ppdispVal)
        return *v->ppdispVal;
    return nullptr;
}

VARIANT_BOOL* cancel_flag(const VARIANT* v)
{
    return v && v->vt == (VT_BYREF | VT_BOOL) ? v->pboolVal : nullptr;
}

// Argument `position` (0 = first as the event declares it) of an event that
// takes `count` arguments; null when the event came with another number.
const VARIANT* argument(const DISPPARAMS& params, UINT position, UINT count)
{
    if (params.cArgs != count || !params.rgvarg || position >= count)
        return nullptr;
    return &params.rgvarg[count - 1 - position];
}

RECT to_rect(const Rect& r)
{
    return RECT{r.left, r.top, r.left + std::max(0, r.width()), r.top + std::max(0, r.height())};
}

} // namespace

class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch {
public:
    // The site with its control in place, or null (and no window) when the
    // control cannot be made or refuses to be hosted.
    static BrowserSite* open(HWND parent, const Rect& client, WebViewEvents* events, const WebViewHosts* hosts)
    {
        ComRef<IOleObject> object;
        if (!ok(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object.put_void()),
                L"creating the browser control"))
            return nullptr;
        const RECT r = to_rect(client);
        HWND window = CreateWindowExW(0, kContainerClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                      r.left, r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        if (!window)
            return nullptr;
        auto* site = new (std::nothrow) BrowserSite(window, events, hosts);
        if (!site) {
            DestroyWindow(window);
            return nullptr;
        }
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(site));
        if (!site->embed(std::move(object))) {
            site->close();
            site->Release();
            return nullptr;
        }
        return site;
    }

    // Ends the control and its window; the site then answers nothing more.
    void close() { shut(WindowState::Alive); }
    // The container window is being destroyed with its form.
    void window_destroyed() { shut(WindowState::Destroying); }

    void set_rect(const Rect& client)
    {
        if (closed_)
            return;
        const RECT r = to_rect(client);
        MoveWindow(window_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
        fit_control();
    }

    void navigate(std::string_view url)
    {
        if (closed_)
            return;
        // A page asked for replaces any document still waiting to be written.
        pending_.reset();
        blank_requested_ = false;
        document_ready_ = false;
        go_to(widen_path(url));
    }

    void write_document(std::string_view html)
    {
        if (closed_)
            return;
        pending_ = widen(html);
        if (document_ready_ && write_pending())
            return;
        request_blank_page();
    }

    void command(WebCommand c)
    {
        if (closed_ || !browser_)
            return;
        switch (c) {
        case WebCommand::Back: ok(browser_->GoBack(), L"GoBack"); break;
        case WebCommand::Forward: ok(browser_->GoForward(), L"GoForward"); break;
        case WebCommand::Stop: ok(browser_->Stop(), L"Stop"); break;
        case WebCommand::Refresh: ok(browser_->Refresh(), L"Refresh"); break;
        case WebCommand::SaveAs: exec(OLECMDID_SAVEAS, L"ExecWB save as"); break;
        case WebCommand::Paste: exec(OLECMDID_PASTE, L"ExecWB paste"); break;
        case WebCommand::FocusDocument: focus_document(); break;
        }
    }

    std::string location() const
    {
        if (closed_ || !browser_)
            return {};
        BSTR url = nullptr;
        if (!ok(browser_->get_LocationURL(&url), L"get_LocationURL"))
            return {};
        const std::string text = narrow(text_of(url));
        SysFreeString(url);
        return text;
    }

    // The control's automation object: what a new-window request is handed.
    ComRef<IDispatch> application() const
    {
        ComRef<IDispatch> app;
        if (!closed_ && browser_)
            ok(browser_->get_Application(app.put()), L"get_Application");
        return app;
    }

    // ---- IUnknown ----
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *out = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
            *out = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            *out = static_cast<IOleInPlaceFrame*>(this);
        else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2)
            *out = static_cast<IDispatch*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // ---- IOleClientSite ----
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override
    {
        if (moniker)
            *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override
    {
        if (container)
            *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // ---- IOleWindow (site and frame alike: the container window) ----
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override
    {
        if (!window)
            return E_POINTER;
        *window = window_;
        return window_ ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // ---- IOleInPlaceSite ----
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return closed_ ? S_FALSE : S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                               LPRECT clip, LPOLEINPLACEFRAMEINFO info) override
    {
        if (frame)
            *frame = nullptr;
        if (document)
            *document = nullptr;
        if (!frame || !document || !position || !clip || !info || !window_)
            return E_INVALIDARG;
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        if (!GetClientRect(window_, position))
            SetRectEmpty(position);
        *clip = *position;
        info->fMDIApp = FALSE;
        info->hwndFrame = GetAncestor(window_, GA_ROOT);
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override
    {
        if (!position)
            return E_INVALIDARG;
        ComRef<IOleInPlaceObject> in_place;
        if (ok(query(object_.get(), IID_IOleInPlaceObject, in_place), L"finding the in-place object"))
            ok(in_place->SetObjectRects(position, position), L"SetObjectRects");
        return S_OK;
    }

    // ---- IOleInPlaceUIWindow / IOleInPlaceFrame: no tools, menus or status line ----
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override
    {
        return widths ? INPLACE_E_NOTOOLSPACE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // ---- IDispatch: DWebBrowserEvents2 ----
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override
    {
        if (info)
            *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        if (!params)
            return E_INVALIDARG;
        // A handler may destroy the view; the site stays until the event is over.
        const ComRef<BrowserSite> keep = ComRef<BrowserSite>::share(this);
        switch (member) {
        case DISPID_NEWWINDOW2: new_window(*params); return S_OK;
        case DISPID_TITLECHANGE:
            deliver([&](WebViewEvents& e) { e.on_title_change(narrow(text_of(argument(*params, 0, 1)))); });
            return S_OK;
        case DISPID_STATUSTEXTCHANGE:
            deliver([&](WebViewEvents& e) { e.on_status_text_change(narrow(text_of(argument(*params, 0, 1)))); });
            return S_OK;
        case DISPID_DOWNLOADCOMPLETE: deliver([](WebViewEvents& e) { e.on_download_complete(); }); return S_OK;
        case DISPID_DOCUMENTCOMPLETE: document_complete(*params); return S_OK;
        case DISPID_BEFORENAVIGATE2: before_navigate(*params); return S_OK;
        case DISPID_WINDOWSETWIDTH:
            if (const auto width = size_of(*params))
                deliver([&](WebViewEvents& e) { e.on_window_set_width(*width); });
            return S_OK;
        case DISPID_WINDOWSETHEIGHT:
            if (const auto height = size_of(*params))
                deliver([&](WebViewEvents& e) { e.on_window_set_height(*height); });
            return S_OK;
        case DISPID_NAVIGATECOMPLETE2:
            deliver([&](WebViewEvents& e) { e.on_navigate_complete(narrow(text_of(argument(*params, 1, 2)))); });
            return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    enum class WindowState { Alive, Destroying };

    BrowserSite(HWND window, WebViewEvents* events, const WebViewHosts* hosts)
        : window_(window), events_(events), hosts_(hosts)
    {
    }
    ~BrowserSite() = default;

    bool embed(ComRef<IOleObject> object)
    {
        if (!ok(object->SetClientSite(static_cast<IOleClientSite*>(this)), L"SetClientSite"))
            return false;
        object_ = std::move(object);
        RECT r{};
        if (!GetClientRect(window_, &r))
            return false;
        if (!ok(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, window_, &r),
                L"in-place activation"))
            return false;
        if (!ok(query(object_.get(), IID_IWebBrowser2, browser_), L"finding IWebBrowser2"))
            return false;
        if (!ok(query(object_.get(), IID_IUnknown, identity_), L"finding the control's identity"))
            return false;
        if (!listen())
            return false;
        // Script errors of a page must not stop the program with a dialog; a
        // control that cannot be quietened still shows its pages.
        if (!ok(browser_->put_Silent(VARIANT_TRUE), L"put_Silent"))
            OutputDebugStringW(L"Tarvesk web view: script errors may show dialogs\n");
        return true;
    }

    bool listen()
    {
        ComRef<IConnectionPointContainer> points;
        if (!ok(query(object_.get(), IID_IConnectionPointContainer, points), L"finding the event connection points"))
            return false;
        ComRef<IConnectionPoint> point;
        if (!ok(points->FindConnectionPoint(DIID_DWebBrowserEvents2, point.put()), L"FindConnectionPoint") || !point)
            return false;
        DWORD cookie = 0;
        if (!ok(point->Advise(static_cast<IDispatch*>(this), &cookie), L"Advise"))
            return false;
        events_point_ = std::move(point);
        cookie_ = cookie;
        return true;
    }

    void shut(WindowState window)
    {
        if (closed_)
            return;
        closed_ = true;
        events_ = nullptr;
        pending_.reset();
        if (events_point_ && cookie_ && ok(events_point_->Unadvise(cookie_), L"Unadvise"))
            cookie_ = 0;
        events_point_.reset();
        if (object_) {
            ComRef<IOleInPlaceObject> in_place;
            if (ok(query(object_.get(), IID_IOleInPlaceObject, in_place), L"finding the in-place object"))
                ok(in_place->InPlaceDeactivate(), L"InPlaceDeactivate");
            ok(object_->Close(OLECLOSE_NOSAVE), L"Close");
            ok(object_->SetClientSite(nullptr), L"clearing the client site");
        }
        browser_.reset();
        identity_.reset();
        object_.reset();
        if (window_) {
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            if (window == WindowState::Alive)
                DestroyWindow(window_);
            window_ = nullptr;
        }
    }

    // The control's own window fills the container.
    void fit_control()
    {
        RECT r{};
        if (!window_ || !GetClientRect(window_, &r))
            return;
        ComRef<IOleInPlaceObject> in_place;
        if (ok(query(object_.get(), IID_IOleInPlaceObject, in_place), L"finding the in-place object"))
            ok(in_place->SetObjectRects(&r, &r), L"SetObjectRects");
    }

    bool go_to(const std::wstring& url)
    {
        if (!browser_)
            return false;
        Bstr address(url);
        if (!address)
            return false;
        VARIANT none;
        VariantInit(&none);
        return ok(browser_->Navigate(address.get(), &none, &none, &none, &none), L"Navigate");
    }

    void request_blank_page()
    {
        if (blank_requested_)
            return;
        blank_requested_ = true;
        document_ready_ = false;
        if (!go_to(kBlankPage))
            blank_requested_ = false;
    }

    // Replaces the page's whole document with the waiting text; false when the
    // page has no document that takes it (the text then still waits).
    bool write_pending()
    {
        if (!pending_ || !browser_)
            return false;
        ComRef<IDispatch> page;
        if (!ok(browser_->get_Document(page.put()), L"get_Document") || !page)
            return false;
        ComRef<IHTMLDocument2> document;
        if (!ok(query(page.get(), IID_IHTMLDocument2, document), L"finding IHTMLDocument2"))
            return false;
        Bstr html(*pending_);
        Bstr type(L"text/html");
        if (!html || !type)
            return false;
        SAFEARRAY* texts = SafeArrayCreateVector(VT_VARIANT, 0, 1);
        if (!texts)
            return false;
        bool written = false;
        VARIANT* first = nullptr;
        if (ok(SafeArrayAccessData(texts, reinterpret_cast<void**>(&first)), L"SafeArrayAccessData")) {
            // The array gets its own copy: destroying the array frees it.
            first->vt = VT_BSTR;
            first->bstrVal = SysAllocStringLen(html.get(), SysStringLen(html.get()));
            const bool filled = first->bstrVal != nullptr;
            if (ok(SafeArrayUnaccessData(texts), L"SafeArrayUnaccessData") && filled)
                written = replace_document(*document.get(), type.get(), texts);
        }
        ok(SafeArrayDestroy(texts), L"SafeArrayDestroy");
        if (written)
            pending_.reset();
        return written;
    }

    static bool replace_document(IHTMLDocument2& document, BSTR type, SAFEARRAY* texts)
    {
        VARIANT none;
        VariantInit(&none);
        ComRef<IDispatch> opened;
        if (!ok(document.open(type, none, none, none, opened.put()), L"document open"))
            return false;
        const bool written = ok(document.write(texts), L"document write");
        // Closing ends the page even after a failed write, so it is not left open.
        return ok(document.close(), L"document close") && written;
    }

    bool is_top_level(IDispatch* page) const
    {
        ComRef<IUnknown> who;
        return identity_ && ok(query(page, IID_IUnknown, who), L"identifying the page") && who.get() == identity_.get();
    }

    template <class Call> void deliver(Call call)
    {
        if (closed_ || !events_)
            return;
        // An error inside a handler ends that event only; it never crosses into the control.
        try {
            call(*events_);
        } catch (...) {
        }
    }

    void new_window(const DISPPARAMS& params)
    {
        VARIANT_BOOL* flag = cancel_flag(argument(params, 1, 2));
        bool cancel = flag && *flag != VARIANT_FALSE;
        WebViewId target = 0;
        deliver([&](WebViewEvents& e) { e.on_new_window_into(cancel, target); });
        if (!cancel && target && !hand_over(argument(params, 0, 2), target))
            cancel = true; // no view took it: the control must not open a window of its own
        if (flag)
            *flag = cancel ? VARIANT_TRUE : VARIANT_FALSE;
    }

    // Gives the request the automation object of view `target`; the caller owns the reference.
    bool hand_over(const VARIANT* slot, WebViewId target) const
    {
        if (!hosts_ || !slot || slot->vt != (VT_BYREF | VT_DISPATCH) || !slot->ppdispVal)
            return false;
        const ComRef<BrowserSite> site = hosts_->find(target);
        ComRef<IDispatch> app = site ? site->application() : ComRef<IDispatch>();
        if (!app)
            return false;
        app->AddRef();
        *slot->ppdispVal = app.get();
        return true;
    }

    // A size the page asked for (the event's one numeric argument).
    static std::optional<int> size_of(const DISPPARAMS& params)
    {
        const VARIANT* v = argument(params, 0, 1);
        if (v && v->vt == VT_I4)
            return static_cast<int>(v->lVal);
        if (v && v->vt == (VT_BYREF | VT_I4) && v->plVal)
            return static_cast<int>(*v->plVal);
        return std::nullopt;
    }

    void exec(OLECMDID id, const wchar_t* what)
    {
        VARIANT none;
        VariantInit(&none);
        ok(browser_->ExecWB(id, OLECMDEXECOPT_PROMPTUSER, &none, &none), what);
    }

    // Past loading only; any failure is swallowed.
    void focus_document()
    {
        READYSTATE state = READYSTATE_UNINITIALIZED;
        if (!ok(browser_->get_ReadyState(&state), L"get_ReadyState") || state == READYSTATE_UNINITIALIZED ||
            state == READYSTATE_LOADING)
            return;
        ComRef<IDispatch> page;
        if (!ok(browser_->get_Document(page.put()), L"get_Document") || !page)
            return;
        ComRef<IHTMLDocument2> document;
        if (!ok(query(page.get(), IID_IHTMLDocument2, document), L"finding IHTMLDocument2"))
            return;
        ComRef<IHTMLWindow2> window;
        if (ok(document->get_parentWindow(window.put()), L"get_parentWindow") && window)
            ok(window->focus(), L"focus");
    }

    void before_navigate(const DISPPARAMS& params)
    {
        constexpr UINT kCount = 7;
        VARIANT_BOOL* flag = cancel_flag(argument(params, 6, kCount));
        bool cancel = flag && *flag != VARIANT_FALSE;
        const bool top = is_top_level(dispatch_of(argument(params, 0, kCount)));
        const std::string url = narrow(text_of(argument(params, 1, kCount)));
        deliver([&](WebViewEvents& e) { e.on_before_navigate(url, cancel); });
        if (flag)
            *flag = cancel ? VARIANT_TRUE : VARIANT_FALSE;
        if (closed_ || !top)
            return;
        if (cancel)
            blank_requested_ = false; // the refused load may have been the blank page
        else
            document_ready_ = false;
    }

    void document_complete(const DISPPARAMS& params)
    {
        const bool top = is_top_level(dispatch_of(argument(params, 0, 2)));
        const std::string url = narrow(text_of(argument(params, 1, 2)));
        if (top) {
            document_ready_ = true;
            blank_requested_ = false;
            if (pending_ && !write_pending())
                pending_.reset(); // the view keeps what it shows
        }
        deliver([&](WebViewEvents& e) { e.on_document_complete(url); });
    }

    LONG refs_ = 1;
    HWND window_;
    WebViewEvents* events_;
    const WebViewHosts* hosts_; // the other views, one of which a new-window request may get
    bool closed_ = false;
    ComRef<IOleObject> object_;
    ComRef<IWebBrowser2> browser_;
    ComRef<IUnknown> identity_;
    ComRef<IConnectionPoint> events_point_;
    DWORD cookie_ = 0;

    std::optional<std::wstring> pending_; // the document waiting for a page
    bool document_ready_ = false;         // the top page has completed since the last load began
    bool blank_requested_ = false;        // a blank page is loading for the waiting document
};

namespace {

LRESULT CALLBACK container_window_proc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    switch (message) {
    case WM_DESTROY:
        if (auto* site = reinterpret_cast<BrowserSite*>(GetWindowLongPtrW(w, GWLP_USERDATA))) {
            const ComRef<BrowserSite> keep = ComRef<BrowserSite>::share(site);
            site->window_destroyed();
        }
        return 0;
    case WM_ERASEBKGND:
        return 1; // the control paints all of it
    default: return DefWindowProcW(w, message, wp, lp);
    }
}

} // namespace

// ---- the views of the backend ----

WebViewHosts::~WebViewHosts()
{
    for (auto& [id, site] : sites_) {
        site->close();
        site->Release();
    }
    sites_.clear();
    if (ole_started_)
        OleUninitialize();
}

bool WebViewHosts::start_ole()
{
    if (!ole_ready_) {
        // S_FALSE (already started on this thread) is to be balanced as well.
        const HRESULT hr = OleInitialize(nullptr);
        ole_started_ = SUCCEEDED(hr);
        ole_ready_ = ok(hr, L"OleInitialize");
    }
    return *ole_ready_;
}

// The browser control shows nothing without the HTML engine (Wine without
// Gecko, for one); there the view is not made at all.
bool WebViewHosts::html_engine_present()
{
    if (!html_engine_) {
        ComRef<IHTMLDocument2> probe;
        html_engine_ = ok(CoCreateInstance(__uuidof(HTMLDocument), nullptr, CLSCTX_INPROC_SERVER, IID_IHTMLDocument2,
                                           probe.put_void()),
                          L"creating an HTML document");
    }
    return *html_engine_;
}

bool WebViewHosts::register_container_class()
{
    if (container_class_)
        return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = container_window_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kContainerClass;
    container_class_ = RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return container_class_;
}

WebViewId WebViewHosts::create(HWND parent, const Rect& client, WebViewEvents* events)
{
    if (!parent || !IsWindow(parent) || GetWindowThreadProcessId(parent, nullptr) != GetCurrentThreadId())
        return 0;
    if (!start_ole() || !html_engine_present() || !register_container_class())
        return 0;
    BrowserSite* site = BrowserSite::open(parent, client, events, this);
    if (!site)
        return 0;
    const WebViewId id = ++last_id_;
    sites_[id] = site;
    return id;
}

void WebViewHosts::destroy(WebViewId id)
{
    auto it = sites_.find(id);
    if (it == sites_.end())
        return;
    BrowserSite* site = it->second;
    sites_.erase(it);
    site->close();
    site->Release();
}

ComRef<BrowserSite> WebViewHosts::find(WebViewId id) const
{
    auto it = sites_.find(id);
    return it == sites_.end() ? ComRef<BrowserSite>() : ComRef<BrowserSite>::share(it->second);
}

// ---- Win32Platform ----

WebViewId Win32Platform::create_web_view(Hwnd parent, const Rect& client, WebViewEvents* events)
{
    return web_views_.create(reinterpret_cast<HWND>(parent), client, events);
}

void Win32Platform::destroy_web_view(WebViewId id) { web_views_.destroy(id); }

void Win32Platform::set_web_view_rect(WebViewId id, const Rect& client)
{
    if (auto site = web_views_.find(id))
        site->set_rect(client);
}

void Win32Platform::navigate(WebViewId id, std::string_view url)
{
    if (auto site = web_views_.find(id))
        site->navigate(url);
}

void Win32Platform::write_document(WebViewId id, std::string_view html)
{
    if (auto site = web_views_.find(id))
        site->write_document(html);
}

void Win32Platform::web_command(WebViewId id, WebCommand command)
{
    if (auto site = web_views_.find(id))
        site->command(command);
}

std::string Win32Platform::web_location(WebViewId id) const
{
    auto site = web_views_.find(id);
    return site ? site->location() : std::string();
}

} // namespace tv::win32
